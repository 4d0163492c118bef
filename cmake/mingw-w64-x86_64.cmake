# Cross build for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix).
# The compiler of the posix thread model is used because GoogleTest needs
# std::mutex, which GCC 12's win32 thread model does not have. The executables
# link libgcc, libstdc++ and winpthread statically, so they run under Wine
# without any DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QLX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QLX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QLX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QLX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QLX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

