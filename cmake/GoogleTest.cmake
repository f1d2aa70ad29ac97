# GoogleTest is built from the sources of Debian's googletest package, once per
# toolchain; nothing is downloaded.
set(QUORVEX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${QUORVEX_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${QUORVEX_GTEST_SOURCE} (apt-get install googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUORVEX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# The tests' own code is compiled without optimisation: it runs in moments
# either way, and optimising GoogleTest's macros took most of the build. The
# code under test keeps its build type's flags.
set(QUORVEX_TEST_COMPILE_OPTIONS -O0)
target_compile_options(gtest PRIVATE ${QUORVEX_TEST_COMPILE_OPTIONS})
target_compile_options(gtest_main PRIVATE ${QUORVEX_TEST_COMPILE_OPTIONS})
