# What a Windows build hands out: the installer, the portable archive, and
# `cmake --install` of the programs with the suite's help file. The help file
# and the icon come from the build folder, where their own targets put them.
set(QUORVEX_HELP_FILE ${CMAKE_BINARY_DIR}/mivo.chm)
set(QUORVEX_ICON_FILE ${CMAKE_BINARY_DIR}/quorvex.ico)
set(packages ${CMAKE_BINARY_DIR}/packages)

install(TARGETS quorvex quorvex-compare RUNTIME DESTINATION .)
install(FILES ${QUORVEX_HELP_FILE} DESTINATION .)

# The installer refuses a system in the program's own words: they are read
# from the header the program compiles, one run of string literals each, and
# written as NSIS defines.
set(refusal_header ${PROJECT_SOURCE_DIR}/src/platform/UnsupportedSystem.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${refusal_header})
file(READ ${refusal_header} refusal_source)
set(literal "\"([^\"\\\\]|\\\\.)*\"")
set(refusal_defines "")
string(ASCII 1 held)
foreach(name Title Text)
  if(NOT refusal_source MATCHES "kUnsupportedSystem${name}\\[\\] =(([ \t\r\n]*${literal})+)[ \t\r\n]*;")
    message(FATAL_ERROR "${refusal_header}: kUnsupportedSystem${name} is not a run of string literals")
  endif()
  string(REGEX MATCHALL "${literal}" pieces "${CMAKE_MATCH_1}")
  set(text "")
  foreach(piece IN LISTS pieces)
    string(REGEX REPLACE "^\"(.*)\"$" "\\1" piece "${piece}")
    string(APPEND text "${piece}")
  endforeach()
  # C's escapes become NSIS's; a backslash of its own is plain in NSIS.
  string(REPLACE "$" "$$" text "${text}")
  string(REPLACE "\\\\" "${held}" text "${text}")
  if(text MATCHES "\\\\[^rnt\"]")
    message(FATAL_ERROR "${refusal_header}: kUnsupportedSystem${name} has an escape NSIS cannot take")
  endif()
  string(REPLACE "\\r" "$\\r" text "${text}")
  string(REPLACE "\\n" "$\\n" text "${text}")
  string(REPLACE "\\t" "$\\t" text "${text}")
  string(REPLACE "\\\"" "$\\\"" text "${text}")
  string(REPLACE "${held}" "\\" text "${text}")
  string(TOUPPER ${name} upper)
  string(APPEND refusal_defines "!define QUORVEX_UNSUPPORTED_${upper} \"${text}\"\n")
endforeach()
set(refusal_include ${CMAKE_BINARY_DIR}/generated/refusal.nsh)
# Rewritten only when it changes, so that makensis does not run again for nothing.
set(written "")
if(EXISTS ${refusal_include})
  file(READ ${refusal_include} written)
endif()
if(NOT written STREQUAL refusal_defines)
  file(WRITE ${refusal_include} "${refusal_defines}")
endif()

# The product's installer is ANSI for Windows Me; the 64-bit build makes the
# same one as amd64-unicode, the only kind wine64 runs here.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(nsis_target x86-ansi)
  set(QUORVEX_INSTALLER ${packages}/Quorvex-${PROJECT_VERSION}-setup.exe)
else()
  set(nsis_target amd64-unicode)
  set(QUORVEX_INSTALLER ${packages}/Quorvex-${PROJECT_VERSION}-x64-setup.exe)
endif()
find_program(QUORVEX_MAKENSIS makensis REQUIRED)
set(installer_script ${PROJECT_SOURCE_DIR}/packaging/quorvex.nsi)
add_custom_command(OUTPUT ${QUORVEX_INSTALLER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${packages}
  COMMAND ${QUORVEX_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DVERSION_QUAD=${QUORVEX_VERSION_QUAD}
          -DTARGET=${nsis_target} -DBUILD=${CMAKE_BINARY_DIR} -DREFUSAL=${refusal_include}
          -DOUTFILE=${QUORVEX_INSTALLER} ${installer_script}
  DEPENDS ${installer_script} ${refusal_include} quorvex quorvex-compare $<TARGET_FILE:quorvex>
          $<TARGET_FILE:quorvex-compare> ${QUORVEX_HELP_FILE} ${QUORVEX_ICON_FILE}
  COMMENT "Building ${QUORVEX_INSTALLER}" VERBATIM)
# A test build that runs its own installer under Wine builds it with the
# rest; one that runs the product's does not.
if(QUORVEX_TESTS AND NOT QUORVEX_PRODUCT_FOLDER AND NOT QUORVEX_WINE32)
  set(in_all ALL)
else()
  set(in_all "")
endif()
add_custom_target(installer ${in_all} DEPENDS ${QUORVEX_INSTALLER})

# The portable archive: the three files and where to put them.
set(portable ${CMAKE_BINARY_DIR}/portable)
set(archive ${packages}/Quorvex-${PROJECT_VERSION}.zip)
configure_file(packaging/README.txt.in ${portable}/README.txt @ONLY NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${archive}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${packages}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quorvex> $<TARGET_FILE:quorvex-compare> ${QUORVEX_HELP_FILE}
          ${portable}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${archive}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${archive} --format=zip
          Quorvex.exe quorvex-compare.exe mivo.chm README.txt
  WORKING_DIRECTORY ${portable}
  DEPENDS quorvex quorvex-compare $<TARGET_FILE:quorvex> $<TARGET_FILE:quorvex-compare> ${QUORVEX_HELP_FILE}
          ${portable}/README.txt
  COMMENT "Building ${archive}" VERBATIM)
add_custom_target(portable DEPENDS ${archive})

add_dependencies(installer help_file quorvex_icon)
add_dependencies(portable help_file)
add_custom_target(packages DEPENDS installer portable)
