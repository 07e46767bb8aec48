# The document: loading and saving against plain fread/fwrite, typing and
# caret motion in a 100 MB text.
tv_benchmark(doc_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/doc_bench.cpp LIBS marl_doc_core)
