# Cross-compiles the same source for 64-bit Windows: a test vehicle for hosts that run no 32-bit programs,
# never shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
