# What both Windows toolchains share: Debian's mingw-w64 for CMAKE_SYSTEM_PROCESSOR, with the win32 thread
# model. The posix model links winpthread, which imports functions that Windows 98 and NT 4.0 do not have
# (GetTickCount64, AddVectoredExceptionHandler, ...), and those systems would refuse to load the program.
set(CMAKE_SYSTEM_NAME Windows)

set(triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triple}-g++-win32)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
