# The 32-bit zep.exe.
set(ZEP_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
