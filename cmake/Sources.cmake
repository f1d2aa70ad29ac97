# The platform-free core: every source outside a win32/ folder. It builds
# natively for the sanitized tests, the fuzzers and the benchmarks, and under
# mingw for the program; cmake/CheckLayers.cmake holds it to its layer.
set(QUORVEX_CORE_SOURCES
  src/app/CommandLine.cpp
  src/app/QuorvexModel.cpp
  src/app/QuorvexModelCompare.cpp
  src/app/QuorvexModelPaneButtons.cpp
  src/app/QuorvexModelScrolling.cpp
  src/app/QuorvexModelSources.cpp
  src/cli/ChunkStore.cpp
  src/cli/Input.cpp
  src/cli/Merging.cpp
  src/cli/Options.cpp
  src/cli/Partitioned.cpp
  src/cli/Report.cpp
  src/cli/Run.cpp
  src/cli/TextBlocks.cpp
  src/cli/Utf8.cpp
  src/compare/CompareEngine.cpp
  src/compare/KeyMatching.cpp
  src/compare/SortedResult.cpp
  src/compare/TextRoutines.cpp
  src/platform/DialogText.cpp
  src/sources/Drops.cpp
  src/sources/FolderWalk.cpp
  src/sources/HandedOverNames.cpp
  src/sources/ItemCount.cpp
  src/sources/ListText.cpp
  src/window/BrowseLayout.cpp
  src/folderbrowse/FolderChoice.cpp
  src/window/MainLayout.cpp
  src/window/Placement.cpp
  src/window/ScrollRules.cpp
  src/window/Twips.cpp
)
# The system's lower-case mapping, collation and threads: Windows' own in the
# program, plain ASCII and the standard threads natively.
if(WIN32)
  set(QUORVEX_SYSTEM_SOURCES src/compare/win32/Collation.cpp src/compare/win32/BothSides.cpp)
else()
  set(QUORVEX_SYSTEM_SOURCES src/compare/CollationAscii.cpp src/compare/BothSidesThreads.cpp)
endif()
list(TRANSFORM QUORVEX_CORE_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
list(TRANSFORM QUORVEX_SYSTEM_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)

add_custom_target(quorvex_layers ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
  COMMENT "Checking the includes against the layers" VERBATIM)

# Built where something links it: the fuzz build needs only its own.
function(quorvex_core_library name)
  add_library(${name} STATIC EXCLUDE_FROM_ALL ${QUORVEX_CORE_SOURCES} ${QUORVEX_SYSTEM_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_definitions(${name} PRIVATE QUORVEX_VERSION="${PROJECT_VERSION}")
  add_dependencies(${name} quorvex_layers)
endfunction()

quorvex_core_library(quorvex_core)

if(QUORVEX_SANITIZE AND NOT WIN32)
  set(QUORVEX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  quorvex_core_library(quorvex_core_sanitized)
  target_compile_options(quorvex_core_sanitized PUBLIC ${QUORVEX_SANITIZER_FLAGS})
  target_link_options(quorvex_core_sanitized PUBLIC ${QUORVEX_SANITIZER_FLAGS})
endif()

if(WIN32)
  include(cmake/WindowsTargets.cmake)
elseif(NOT QUORVEX_FUZZ)
  # quorvex-compare: the comparison from the command line.
  # Unicode's case folding comes from ICU here, large blocks from the kernel.
  find_package(ICU REQUIRED COMPONENTS uc)
  add_executable(quorvex-compare src/cli/posix/Main.cpp src/cli/StandardFolders.cpp src/cli/posix/Cleanup.cpp src/cli/posix/Files.cpp
                 src/cli/posix/Memory.cpp src/cli/icu/UnicodeCase.cpp src/cli/posix/LargeBlocks.cpp)
  target_link_libraries(quorvex-compare PRIVATE quorvex_core ICU::uc)
  include(GNUInstallDirs)
  install(TARGETS quorvex-compare RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  include(cmake/DebianPackage.cmake)
endif()
