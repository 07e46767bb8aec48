# Help files: any bytes are searched without harm, and a title found is one
# the index really holds.
tv_fuzz(help_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/help_fuzz.cpp LIBS marl_integration_core)
