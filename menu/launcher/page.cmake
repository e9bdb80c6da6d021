# The desktop page: its portable transform and replacement logic, and the Win32 file layer under them.
target_sources(launcher_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DesktopPage.cpp
                                     ${CMAKE_CURRENT_LIST_DIR}/PageReplacement.cpp)
if(WIN32)
    target_sources(launcher_win32 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DesktopPageFile.cpp)
endif()
