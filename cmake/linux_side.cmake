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

# orr_tree(<name> <folder> [TARGETS <target>...] SETTINGS <VAR=value>...): a second
# configuration of these sources in <folder>, set up from the values given on its first
# build (cmake/tree_build.cmake). The target <name> builds <targets> of it, all when none
# are named; orr_tree_build_test builds it, or parts of it, from a test. Both second trees
# are unity builds (CMAKE_UNITY_BUILD): built whole and seldom again, they spend most of
# their time parsing the same system and library headers file after file.
function(orr_tree name folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "TARGETS;SETTINGS")
  set(settings)
  foreach(setting IN LISTS arg_SETTINGS)
    string(REGEX MATCH "^([^=]+)=(.*)$" matched "${setting}")
    string(APPEND settings "set(${CMAKE_MATCH_1} \"${CMAKE_MATCH_2}\" CACHE STRING \"\" FORCE)\n")
  endforeach()
  # Rewritten only when a value changes, which makes the next build configure again.
  set(init ${CMAKE_BINARY_DIR}/${name}-settings.cmake)
  file(CONFIGURE OUTPUT ${init} CONTENT "${settings}" @ONLY)
  set(arguments -DSOURCE=${CMAKE_SOURCE_DIR} -DTREE=${folder} -DINIT=${init} -DGENERATOR=${CMAKE_GENERATOR})
  set(orr_tree_${name} ${arguments} PARENT_SCOPE)
  set(orr_tree_${name}_targets ${arg_TARGETS} PARENT_SCOPE)
  list(JOIN arg_TARGETS "," targets)
  add_custom_target(${name} COMMAND ${CMAKE_COMMAND} ${arguments} -DTARGETS=${targets}
                                    -P ${CMAKE_SOURCE_DIR}/cmake/tree_build.cmake
                    USES_TERMINAL VERBATIM)
endfunction()

# orr_tree_build_test(<test> <tree> <fixture> <label> [TARGETS <target>...] [AFTER <fixture>]
#                     [IN_IDLE_TIME]): a test that builds <targets> of <tree> (those of
# orr_tree when none are named) and so sets up <fixture> for the tests that run those
# programs. It runs beside the other layers' tests, which mostly wait on X servers and
# Wine. AFTER makes it wait for another build of the same folder; IN_IDLE_TIME runs it at
# a lower priority, so that a build on the longest path keeps the CPU when both want it.
function(orr_tree_build_test test tree fixture label)
  cmake_parse_arguments(PARSE_ARGV 4 arg "IN_IDLE_TIME" "AFTER" "TARGETS")
  if(NOT arg_TARGETS)
    set(arg_TARGETS ${orr_tree_${tree}_targets})
  endif()
  list(JOIN arg_TARGETS "," targets)
  set(command ${CMAKE_COMMAND} ${orr_tree_${tree}} -DTARGETS=${targets}
      -P ${CMAKE_SOURCE_DIR}/cmake/tree_build.cmake)
  if(arg_IN_IDLE_TIME)
    list(PREPEND command nice -n 10)
  endif()
  add_test(NAME ${test} COMMAND ${command})
  cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
  # Started first; a fresh build takes minutes, longer on a busy machine.
  set_tests_properties(${test} PROPERTIES FIXTURES_SETUP ${fixture} LABELS ${label}
                       COST 1000 TIMEOUT 3600 ENVIRONMENT CMAKE_BUILD_PARALLEL_LEVEL=${cores})
  if(arg_AFTER)
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED ${arg_AFTER})
  endif()
endfunction()

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
# request (--target win32) or by the Windows layer's first tests while the others run.
find_program(ORRINDALE_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(ORRINDALE_MINGW_CXX)
  set(ORRINDALE_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
  orr_tree(win32 ${ORRINDALE_WIN32_DIR} SETTINGS
           CMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
           CMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
           CMAKE_UNITY_BUILD=ON
           ORRINDALE_WERROR=${ORRINDALE_WERROR}
           ORRINDALE_BANNER_BITMAP=${CMAKE_BINARY_DIR}/assets/banner-1200x140.png)
else()
  message(STATUS "mingw-w64 not found: the Windows program and its tests are skipped")
endif()
