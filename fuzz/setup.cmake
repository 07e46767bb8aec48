tv_fuzz(setup_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/setup_fuzz.cpp LIBS setup_engine_core)
