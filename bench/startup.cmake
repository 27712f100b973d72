# bench/startup's programs on Linux: the probe (X Damage) and the Qt floor; the Win32
# floor is in win32/.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XCB_DAMAGE REQUIRED IMPORTED_TARGET xcb xcb-damage)
add_executable(startup_probe startup_probe.c)
target_link_libraries(startup_probe PRIVATE PkgConfig::XCB_DAMAGE)
add_executable(startup_floor floor_main.cpp floor_window.h)
target_include_directories(startup_floor PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(startup_floor PRIVATE Qt6::Widgets)
