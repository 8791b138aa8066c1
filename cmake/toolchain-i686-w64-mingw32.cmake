set(ZV_TRIPLE i686-w64-mingw32)
set(ZV_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
