# Cross-build for Windows with Debian's mingw-w64 (i686-w64-mingw32):
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/i686-w64-mingw32.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUORVEL_MINGW_TRIPLE i686-w64-mingw32)

set(CMAKE_C_COMPILER ${QUORVEL_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${QUORVEL_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${QUORVEL_MINGW_TRIPLE}-windres)

# Headers and libraries come from the cross sysroot only; programs (the host's
# own tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
