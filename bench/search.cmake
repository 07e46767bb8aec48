# Find and Replace All in a 100 MB document against sed and grep in the
# same run on the same file.
tv_benchmark(search_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/search_bench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/header_corpus.cpp LIBS marl_doc_search_core marl_base_testing)
