# Cross-compiles for 32-bit Windows with Debian's mingw-w64.
#
# Everything is built with the win32 thread model: the posix model links winpthread, which imports
# functions that Windows 98 and NT 4.0 do not have (GetTickCount64, AddVectoredExceptionHandler, ...),
# and those systems would refuse to load the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# Code for the 80486 and every processor after it: the compiler's default (the Pentium Pro) uses CMOV, which
# no Pentium, K5, K6, 6x86 or WinChip has, and Windows 95 and NT 4.0 ran on all of them.
set(CMAKE_C_FLAGS_INIT -march=i486)
set(CMAKE_CXX_FLAGS_INIT -march=i486)

set(triple i686-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triple}-g++-win32)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
