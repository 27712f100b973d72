# The Linux configuration: the Qt 6 program and every test layer. Qt is required;
# the optional layers are switched on when their tools are found.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Test)

find_package(GTest)
if(NOT GTest_FOUND)
  message(STATUS "GoogleTest not found: unit and widget tests are skipped")
endif()
if(ORRINDALE_SANITIZE)
  return()
endif()
include(cmake/sanitize.cmake)

find_package(benchmark QUIET)
if(NOT benchmark_FOUND)
  message(STATUS "Google Benchmark not found: benchmarks are skipped")
endif()

find_program(ORRINDALE_CLANGXX clang++)
if(NOT ORRINDALE_CLANGXX)
  message(STATUS "clang++ not found: fuzzing is skipped")
endif()

find_package(Python3 COMPONENTS Interpreter)

# The Windows program: the same sources cross-built with mingw-w64 into build/win32, on
# request (--target win32) or by the Windows layer's first test while the others run.
find_program(ORRINDALE_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(ORRINDALE_MINGW_CXX)
  include(ExternalProject)
  set(ORRINDALE_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
  ExternalProject_Add(win32
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${ORRINDALE_WIN32_DIR}
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
               -DORRINDALE_WERROR=${ORRINDALE_WERROR}
               -DORRINDALE_BANNER_BITMAP=${CMAKE_BINARY_DIR}/assets/banner-1200x140.png
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON
    EXCLUDE_FROM_ALL ON)
else()
  message(STATUS "mingw-w64 not found: the Windows program and its tests are skipped")
endif()

# orr_tree_build_test(<test> <target> <fixture> <label>): a test that builds the tree of
# <target> (win32 or sanitize) and so sets up <fixture> for the tests that run its programs.
# It runs beside the other layers' tests, which mostly wait on X servers and Wine. The two
# trees build one at a time, since both go through this build folder's ninja.
function(orr_tree_build_test test target fixture label)
  cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
  add_test(NAME ${test} COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${target})
  # Started first; a fresh build takes minutes, longer on a busy machine.
  set_tests_properties(${test} PROPERTIES
                       FIXTURES_SETUP ${fixture} RESOURCE_LOCK orr_tree_build LABELS ${label}
                       COST 1000 TIMEOUT 3600 ENVIRONMENT CMAKE_BUILD_PARALLEL_LEVEL=${cores})
endfunction()
