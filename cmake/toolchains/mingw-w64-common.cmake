# What both mingw-w64 toolchains share: compilers and the cross sysroot of
# QUORVEL_MINGW_TRIPLE, which the toolchain file sets before including this.
set(CMAKE_C_COMPILER ${QUORVEL_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${QUORVEL_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${QUORVEL_MINGW_TRIPLE}-windres)

# Headers and libraries come from the cross sysroot only; programs (the host's
# own tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
