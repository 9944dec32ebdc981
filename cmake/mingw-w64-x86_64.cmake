# Cross-building the core for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The posix flavour, because the win32 one's libstdc++ lacks std::thread and friends.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ULNIK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ULNIK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ULNIK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ULNIK_MINGW}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ULNIK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that needs no DLL of the compiler's beside it (libstdc++, libgcc, winpthread).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
