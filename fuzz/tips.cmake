# Tips files: any bytes at any position give a bounded tip and a position
# inside the file.
tv_fuzz(tips_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tips_fuzz.cpp LIBS marl_integration_core)
