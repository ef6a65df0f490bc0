# The same sources for 64-bit Windows, for tests on machines that run no 32-bit code.
set(ZEP_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
