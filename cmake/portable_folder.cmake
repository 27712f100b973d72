# The portable folder: the program with its readme and its catalogue beside it, in the
# build folder, in the install folder (cmake --install) and in the ZIP (cpack -G ZIP).
# On Linux it also holds a desktop entry, the icon in the hicolor theme's sizes and the
# script that puts both into the user's application menu; on Windows the script that
# puts a shortcut into the Start menu.
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

if(WIN32)
  # Scripts that Windows runs itself, with the line ends cmd.exe expects.
  foreach(script "Add to Start menu.cmd" start-menu-shortcut.js)
    set(source ${CMAKE_SOURCE_DIR}/assets/${script})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(READ ${source} text)
    file(CONFIGURE OUTPUT "${CMAKE_BINARY_DIR}/${script}" CONTENT "${text}" @ONLY NEWLINE_STYLE CRLF)
    install(FILES "${CMAKE_BINARY_DIR}/${script}" DESTINATION .)
  endforeach()
elseif(Python3_Interpreter_FOUND)
  # The icon's sizes drawn from the same source as the Windows icon, at every build.
  set(orr_icon_sizes 16 32 48 64 128 256)
  set(orr_icon_files)
  foreach(size IN LISTS orr_icon_sizes)
    set(folder share/icons/hicolor/${size}x${size}/apps)
    set(icon ${CMAKE_BINARY_DIR}/${folder}/orrindale.png)
    add_custom_command(OUTPUT ${icon}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${folder}
                       COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_icon.py --png ${size} ${icon}
                       DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icon.py
                       COMMENT "Drawing the ${size} px menu icon")
    list(APPEND orr_icon_files ${icon})
    install(FILES ${icon} DESTINATION ${folder})
  endforeach()
  add_custom_target(orr_menu_icons ALL DEPENDS ${orr_icon_files})
  add_dependencies(orrindale orr_menu_icons)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/orrindale.desktop DESTINATION share/applications)
  install(PROGRAMS ${CMAKE_SOURCE_DIR}/assets/install-menu-entry DESTINATION .)
endif()

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
