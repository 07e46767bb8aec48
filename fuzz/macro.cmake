# Macro files: any bytes load as whole records and save back unchanged.
tv_fuzz(macro_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/macro_fuzz.cpp LIBS marl_automation_core)
