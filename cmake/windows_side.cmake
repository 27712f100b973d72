# The Windows configuration (cross-built with cmake/mingw-w64.cmake): no Qt; the
# Win32 shells, and one suite of the shared code's tests run under Wine.
enable_language(RC)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)

# What the main window's first frame does not need is loaded at its first use.
include(cmake/delay_load.cmake)
orr_delay_load(comdlg32 ole32 shell32 msimg32)
# Sections aligned to pages in the file let Wine map the program instead of copying it
# into private memory whole; the symbols and the runtime's debugging sections would be
# loaded with it.
add_link_options(-Wl,--file-alignment,4096 $<$<CONFIG:Release>:-s>)

# GoogleTest from the sources of Debian's googletest package, built once in this tree.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(ORRINDALE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${ORRINDALE_GTEST_SOURCE}/CMakeLists.txt)
  add_subdirectory(${ORRINDALE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Test code like the suite's own: unoptimised, which halves its build on the tree's
  # longest path.
  target_compile_options(gtest PRIVATE -O0)
  target_compile_options(gtest_main PRIVATE -O0)
  # Each test folder adds its portable sources to this one executable.
  add_executable(orr_windows_tests)
  target_link_libraries(orr_windows_tests PRIVATE gtest_main)
  add_test(NAME windows_suite COMMAND orr_windows_tests --gtest_color=no)
else()
  message(STATUS "GoogleTest sources not found: the Windows suite is skipped")
endif()
