# The Windows program: the forms and platform code in a library that the
# executable and the tests under Wine share.
add_library(quorvex_win STATIC
  src/app/Quorvex.cpp
  src/compare/ResultList.cpp
  src/folderbrowse/FolderBrowse.cpp
  src/folderbrowse/FolderTree.cpp
  src/platform/ButtonPictures.cpp
  src/platform/ButtonPlus.cpp
  src/platform/Clipboard.cpp
  src/platform/FileSystem.cpp
  src/platform/DroppedFiles.cpp
  src/platform/Fonts.cpp
  src/platform/FramePlus.cpp
  src/platform/Help.cpp
  src/platform/InstallPath.cpp
  src/platform/MessageBoxes.cpp
  src/platform/OpenSaveDialogs.cpp
  src/platform/Registry.cpp
  src/platform/Window.cpp
  src/platform/WindowsVersion.cpp
  src/sources/FileLoading.cpp
  src/sources/FolderListing.cpp
  src/sources/HandedOverList.cpp
  src/sources/PaneCommands.cpp
  src/sources/PaneStatus.cpp
  src/window/FormGeometry.cpp
  src/window/Placement.cpp
  src/window/Subclass.cpp
  src/window/SyncScrolling.cpp
)
target_link_libraries(quorvex_win PUBLIC quorvex_core comctl32 comdlg32 version gdi32 user32 advapi32 shell32 kernel32)

add_executable(quorvex WIN32 src/app/Main.cpp src/app/quorvex.rc)
# The folder picker takes its help context from the program's file name,
# letter case included.
set_target_properties(quorvex PROPERTIES OUTPUT_NAME Quorvex)
target_link_libraries(quorvex PRIVATE quorvex_win)
# Only DLLs of Windows itself at run time.
target_link_options(quorvex PRIVATE -static -static-libgcc -static-libstdc++ -mwindows -s)
