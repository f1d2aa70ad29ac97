# The Windows program: the forms and platform code in a library that the
# executable and the tests under Wine share.
add_library(quorvex_win STATIC
  src/app/win32/Quorvex.cpp
  src/folderbrowse/win32/FolderBrowse.cpp
  src/folderbrowse/win32/FolderTree.cpp
  src/platform/win32/ButtonPictures.cpp
  src/platform/win32/ButtonPlus.cpp
  src/platform/win32/Clipboard.cpp
  src/platform/win32/Controls.cpp
  src/platform/win32/DroppedFiles.cpp
  src/platform/win32/FileSystem.cpp
  src/platform/win32/Fonts.cpp
  src/platform/win32/FramePlus.cpp
  src/platform/win32/Help.cpp
  src/platform/win32/InstallPath.cpp
  src/platform/win32/MessageBoxes.cpp
  src/platform/win32/OpenSaveDialogs.cpp
  src/platform/win32/Registry.cpp
  src/platform/win32/WindowsVersion.cpp
  src/sources/win32/FolderListing.cpp
  src/sources/win32/HandedOverList.cpp
  src/window/win32/Form.cpp
  src/window/win32/FormGeometry.cpp
  src/window/win32/Placement.cpp
  src/window/win32/Subclass.cpp
  src/window/win32/PaneHooks.cpp
)
target_link_libraries(quorvex_win PUBLIC quorvex_core comctl32 comdlg32 version gdi32 user32 advapi32 shell32 kernel32)

# The program's icon, drawn from its description at every build; other
# packaging takes it from this path too.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(QUORVEX_ICON ${CMAKE_BINARY_DIR}/quorvex.ico)
add_custom_command(OUTPUT ${QUORVEX_ICON}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/make-icon.py
          ${PROJECT_SOURCE_DIR}/src/app/win32/quorvex-icon.txt ${QUORVEX_ICON}
  DEPENDS ${PROJECT_SOURCE_DIR}/scripts/make-icon.py ${PROJECT_SOURCE_DIR}/src/app/win32/quorvex-icon.txt
  COMMENT "Drawing quorvex.ico" VERBATIM)
add_custom_target(quorvex_icon DEPENDS ${QUORVEX_ICON})
# A resource script that names quorvex.ico finds it in the build folder and
# is compiled again when the icon changes.
function(quorvex_icon_resource target source)
  set_property(SOURCE ${source} APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR})
  set_property(SOURCE ${source} APPEND PROPERTY OBJECT_DEPENDS ${QUORVEX_ICON})
  add_dependencies(${target} quorvex_icon)
endfunction()

# Windows names a version with four numbers; the project may give fewer.
set(QUORVEX_VERSION_PARTS "")
foreach(part MAJOR MINOR PATCH TWEAK)
  if(PROJECT_VERSION_${part} STREQUAL "")
    list(APPEND QUORVEX_VERSION_PARTS 0)
  else()
    list(APPEND QUORVEX_VERSION_PARTS ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN QUORVEX_VERSION_PARTS "." QUORVEX_VERSION_QUAD)
list(JOIN QUORVEX_VERSION_PARTS "," QUORVEX_VERSION_NUMBERS)
set(generated ${CMAKE_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${generated}/QuorvexVersion.h CONTENT
     "#define QUORVEX_VERSION_NUMBERS @QUORVEX_VERSION_NUMBERS@\n#define QUORVEX_VERSION_TEXT \"@QUORVEX_VERSION_QUAD@\"\n" @ONLY)
configure_file(src/app/win32/quorvex.manifest.in ${generated}/quorvex.manifest @ONLY)

add_executable(quorvex WIN32 src/app/win32/Main.cpp src/app/win32/quorvex.rc)
target_include_directories(quorvex PRIVATE ${generated})
# windres leaves no list of the files it read.
set_source_files_properties(src/app/win32/quorvex.rc PROPERTIES
  OBJECT_DEPENDS "${generated}/QuorvexVersion.h;${generated}/quorvex.manifest")
quorvex_icon_resource(quorvex src/app/win32/quorvex.rc)
# The folder picker takes its help context from the program's file name,
# letter case included.
set_target_properties(quorvex PROPERTIES OUTPUT_NAME Quorvex)
target_link_libraries(quorvex PRIVATE quorvex_win)
# Only DLLs of Windows itself at run time.
target_link_options(quorvex PRIVATE -static -static-libgcc -static-libstdc++ -mwindows -s)

# quorvex-compare as a console program, beside the window that --gui opens.
add_executable(quorvex-compare src/cli/win32/Main.cpp src/cli/win32/quorvex-compare.rc)
quorvex_icon_resource(quorvex-compare src/cli/win32/quorvex-compare.rc)
target_link_libraries(quorvex-compare PRIVATE quorvex_win)
target_link_options(quorvex-compare PRIVATE -static -static-libgcc -static-libstdc++ -s)

include(cmake/HelpFile.cmake)
include(cmake/WindowsPackages.cmake)
