set(ZV_TRIPLE x86_64-w64-mingw32)
set(ZV_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
