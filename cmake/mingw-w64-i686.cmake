# Cross toolchain for the x86 product build (Windows NT 4.0); built and
# inspected here, never run: this kernel runs no 32-bit binaries.
# The win32 thread model keeps the runtime free of imports newer than NT 4.0.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
