# The Active Desktop wallpaper operation: part of the launcher's Win32 layer.
if(WIN32)
    target_sources(launcher_win32 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ActiveDesktop.cpp)
    # ole32: COM itself; uuid: the Active Desktop class and interface identifiers.
    target_link_libraries(launcher_win32 PUBLIC ole32 uuid)
endif()
