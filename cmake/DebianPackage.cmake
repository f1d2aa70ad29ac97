# quorvex-compare as a Debian package: `cpack -G DEB` in the native build
# folder (scripts/package.sh). Debian keeps manual pages compressed.
set(manual_page ${CMAKE_BINARY_DIR}/quorvex-compare.1.gz)
add_custom_command(OUTPUT ${manual_page}
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/docs/quorvex-compare.1 > ${manual_page}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/quorvex-compare.1 VERBATIM)
add_custom_target(manual_page ALL DEPENDS ${manual_page})
install(FILES ${manual_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex-compare)
set(CPACK_PACKAGE_VENDOR Orlenti)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare two lists, whatever their order")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Prints what only one of two lists holds, or what both hold, one item a line,\n"
  "with the rules of the Quorvex window: files, folders' listings or standard\n"
  "input; letter case folded as Unicode does, through ICU, on request.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER Orlenti)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Debian names ICU's library package by its major version.
string(REGEX MATCH "^[0-9]+" icu_major "${ICU_VERSION}")
set(QUORVEX_ICU_PACKAGE libicu${icu_major})
find_program(QUORVEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUORVEX_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Without dpkg-dev, the libraries the program links, named by hand.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6, ${QUORVEX_ICU_PACKAGE}")
endif()
include(CPack)
