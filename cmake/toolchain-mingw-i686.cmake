# Cross-compiles for 32-bit Windows: the program as shipped.
set(CMAKE_SYSTEM_PROCESSOR i686)

# Code for the 80486 and every processor after it: the compiler's default (the Pentium Pro) uses CMOV, which
# no Pentium, K5, K6, 6x86 or WinChip has, and Windows 95 and NT 4.0 ran on all of them.
set(CMAKE_C_FLAGS_INIT -march=i486)
set(CMAKE_CXX_FLAGS_INIT -march=i486)

include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
