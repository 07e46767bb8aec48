tv_fuzz(cmdline_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/cmdline_fuzz.cpp LIBS marl_app_core)
