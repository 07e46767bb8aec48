# Text conversions over a 10 MB selection against a plain copy of it and
# the standard tools.
tv_benchmark(convert_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/convert_bench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/header_corpus.cpp LIBS marl_doc_testing)
