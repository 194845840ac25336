# Cross toolchain for the x86-64 build, the one the tests run under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# ctest runs the test executables through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
