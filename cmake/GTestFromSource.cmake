# GoogleTest built from Debian's googletest sources, for a target (Windows) that has no
# packaged build of it; its CMake file names the targets GTest::gtest and GTest::gtest_main as the
# packaged one does.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
