# Pattern search over a 100 MB C source against GNU grep in the same run.
tv_benchmark(regex_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/regex_bench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/header_corpus.cpp LIBS marl_search_core marl_base_testing)
