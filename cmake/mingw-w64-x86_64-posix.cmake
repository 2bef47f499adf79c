# Cross tool chain for 64-bit Windows with Debian's MinGW-w64 GCC, the POSIX
# threads variant: std::thread and std::mutex need it, and Qt is built with it
# too, so the program and Qt share one C++ runtime (libstdc++-6.dll with
# libwinpthread-1.dll).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries, headers and CMake packages come from the Windows side only (the
# MinGW-w64 tree, and whatever prefixes Qt's tool-chain file adds); programs
# run during the build are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
