# The regular-expression matcher: any pattern against any line.
tv_fuzz(regex_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/regex_fuzz.cpp LIBS marl_search_testing)
