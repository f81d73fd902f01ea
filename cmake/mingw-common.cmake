# Shared part of the mingw-w64 cross toolchains. The posix thread model is not needed: the
# programs are single-threaded, so the default win32 variants are used.
set(CMAKE_C_COMPILER ${TARNWICK_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${TARNWICK_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${TARNWICK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARNWICK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
