# Platform-free core: everything that needs no Windows header.
set(QUORVEX_CORE_SOURCES
  src/app/CommandLine.cpp
  src/compare/CompareEngine.cpp
  src/compare/ItemSet.cpp
  src/compare/SortedResult.cpp
  src/compare/TextRoutines.cpp
  src/platform/DialogText.cpp
  src/sources/Drops.cpp
  src/sources/HandedOverNames.cpp
  src/sources/ItemCount.cpp
  src/sources/ListText.cpp
  src/folderbrowse/BrowseLayout.cpp
  src/window/MainLayout.cpp
  src/window/ScrollRules.cpp
  src/window/Twips.cpp
)
if(WIN32)
  # The system's lower-case mapping, collation and threads.
  list(APPEND QUORVEX_CORE_SOURCES src/platform/CollationWin32.cpp src/platform/BothSidesWin32.cpp)
else()
  list(APPEND QUORVEX_CORE_SOURCES src/compare/CollationAscii.cpp src/compare/BothSidesThreads.cpp)
endif()

list(TRANSFORM QUORVEX_CORE_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)

function(quorvex_core_library name)
  add_library(${name} STATIC ${QUORVEX_CORE_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
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
endif()
