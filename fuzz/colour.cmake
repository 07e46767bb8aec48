tv_fuzz(colour_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/colour_fuzz.cpp LIBS marl_view_core)
