# Workset files: any bytes read as entries that survive a write and a re-read.
tv_fuzz(workset_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/workset_fuzz.cpp LIBS marl_automation_core)
