# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers, the posix thread model
# (the toolkit needs std::thread and its kin). Used for the toolkit itself and for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KEB_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KEB_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KEB_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KEB_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KEB_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
