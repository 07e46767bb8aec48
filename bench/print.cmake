# Counting the printed pages of a 100 MB document against a memchr line scan.
tv_benchmark(print_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/print_bench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/header_corpus.cpp LIBS marl_view_core)
