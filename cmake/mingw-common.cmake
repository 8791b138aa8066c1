# Shared part of the two MinGW-w64 toolchain files. The including file sets
# ZV_TRIPLE and ZV_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZV_PROCESSOR})

# The posix thread model: the win32 one lacks std::mutex/std::thread in GCC 12.
set(CMAKE_C_COMPILER ${ZV_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZV_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZV_TRIPLE}-windres)

# Libraries built by tools/deps.sh live beside the system's MinGW tree.
get_filename_component(ZV_DEPS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../.deps/${ZV_TRIPLE}" ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${ZV_TRIPLE} ${ZV_DEPS_PREFIX})
set(CMAKE_PREFIX_PATH ${ZV_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static everything: no MinGW runtime DLLs beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
