# The portable folder: the program with its readme and its catalogue beside it, in the
# build folder, in the install folder (cmake --install) and in the ZIP (cpack -G ZIP).
set(orr_documents orrindale.txt catalog.txt)
if(WIN32)
  set(orr_newline CRLF)
else()
  set(orr_newline UNIX)
endif()

# Beside the executable in the build folder; Notepad wants CRLF line ends, Linux LF.
foreach(document IN LISTS orr_documents)
  set(source ${CMAKE_SOURCE_DIR}/assets/${document})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  # Rewritten only when it changes; the texts hold no @VARIABLE@ to replace.
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/${document} CONTENT "${text}" @ONLY NEWLINE_STYLE ${orr_newline})
  install(FILES ${CMAKE_BINARY_DIR}/${document} DESTINATION .)
endforeach()
install(TARGETS orrindale RUNTIME DESTINATION .)

# Packaging copies what is built already; it never starts a build of its own.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME orrindale)
set(CPACK_PACKAGE_VENDOR Orrindale)
if(WIN32)
  set(CPACK_SYSTEM_NAME windows)
else()
  set(CPACK_SYSTEM_NAME linux)
endif()
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
