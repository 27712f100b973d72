# The shared code's unit tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# into build/sanitize: the same sources configured with ORRINDALE_SANITIZE, of which only
# those tests and the shared code under them are built, no Qt shell. -O1 with line tables
# keeps the build and the runs quick while the reports still point at the right lines.
# Built on request (--target sanitize) or by the sanitize layer's first test while the
# others run.
if(NOT GTest_FOUND)
  return()
endif()

# The test executables of that tree; tests/sanitize runs each of them.
set(ORRINDALE_SANITIZED_TESTS unit_tests orr_settings_tests orr_about_tests orr_desktop_tests)
set(ORRINDALE_SANITIZE_DIR ${CMAKE_BINARY_DIR}/sanitize)
list(TRANSFORM ORRINDALE_SANITIZED_TESTS PREPEND ${ORRINDALE_SANITIZE_DIR}/ OUTPUT_VARIABLE orr_sanitized_files)

include(ExternalProject)
ExternalProject_Add(sanitize
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${ORRINDALE_SANITIZE_DIR}
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS -DORRINDALE_SANITIZE=ON
             -DCMAKE_BUILD_TYPE=RelWithDebInfo
             "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1"
             "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1"
             -DORRINDALE_WERROR=${ORRINDALE_WERROR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${ORRINDALE_SANITIZED_TESTS}
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${orr_sanitized_files}
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON
  EXCLUDE_FROM_ALL ON)
