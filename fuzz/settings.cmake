# The editor's profile: hand-edited text through the start-up read.
tv_fuzz(settings_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/settings_fuzz.cpp LIBS marl_app_testing)
