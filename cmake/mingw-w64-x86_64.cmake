# Cross-building for 64-bit Windows with Debian's MinGW-w64 compilers (posix threads, so that
# std::thread and Qt's threads share one model). Used for the static Qt and for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VARELDO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARELDO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARELDO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VARELDO_MINGW_TRIPLE}-windres)

# Libraries, headers and packages only from the target's roots; programs from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VARELDO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
