# The shell-state record that the Run command writes on the Windows 95 family (portable).
target_sources(launcher_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ShellState.cpp)
