# Holds the sources to their layers, by path: code outside a win32/ folder is
# platform-free and includes only the standard library and other platform-free
# headers, but for ICU in src/cli/icu and the system's own in src/cli/posix
# (the native program's memory); the Windows services in
# src/platform/win32 include nothing of the forms; nothing outside src/app
# includes the application (its model and its form): the subsystems give it
# rules, it calls them.
# Run as a build step: cmake -DSOURCE_DIR=... -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
set(standard_headers
  algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes climits clocale
  cmath csignal compare concepts condition_variable cstddef cstdint cstdio cstdlib cstring ctime cwchar cwctype deque
  exception execution filesystem functional future initializer_list iomanip ios iosfwd istream iterator limits list locale
  map memory memory_resource mutex new numbers numeric optional ostream queue random ranges ratio set
  shared_mutex span sstream stack stdexcept streambuf string string_view system_error thread tuple type_traits
  typeindex typeinfo unordered_map unordered_set utility variant vector version)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
  file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "[<\"][^>\"]*[>\"]" included "${line}")
    set(fault "")
    if(NOT source MATCHES "^app/" AND included MATCHES "^\"app/")
      set(fault "only the application includes the application")
    elseif(source MATCHES "(^|/)win32/")
      if(source MATCHES "^platform/" AND included MATCHES "^\"(app|window|sources|folderbrowse)/win32/")
        set(fault "Windows services include nothing of the forms")
      endif()
    elseif(included MATCHES "^<(.*)>$")
      set(header "${CMAKE_MATCH_1}")
      if(source MATCHES "^cli/icu/" AND header MATCHES "^unicode/")
      elseif(source MATCHES "^cli/posix/")
      elseif(NOT header IN_LIST standard_headers)
        set(fault "platform-free code includes only the standard library")
      endif()
    elseif(included MATCHES "(^\"|/)win32/")
      set(fault "platform-free code includes no Windows code")
    endif()
    if(fault)
      string(APPEND faults "  src/${source}: ${included}: ${fault}\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes that break the layers:\n${faults}")
endif()
