# The tools section of the profile: any values load into whole records and
# what the records hold saves and loads back unchanged.
tv_fuzz(tools_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tools_fuzz.cpp LIBS marl_automation_core)
