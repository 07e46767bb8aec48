tv_benchmark(colour_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/colour_bench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/header_corpus.cpp LIBS marl_view_core)
