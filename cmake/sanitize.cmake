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
orr_tree(sanitize ${ORRINDALE_SANITIZE_DIR} TARGETS ${ORRINDALE_SANITIZED_TESTS} SETTINGS
         ORRINDALE_SANITIZE=ON
         CMAKE_BUILD_TYPE=RelWithDebInfo
         CMAKE_UNITY_BUILD=ON
         "CMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1"
         "CMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1"
         ORRINDALE_WERROR=${ORRINDALE_WERROR})
