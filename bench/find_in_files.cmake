# Find in files over a tree of about 5,000 header files against GNU grep in
# the same run.
tv_benchmark(find_in_files_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/find_in_files_bench.cpp
    LIBS marl_search_core marl_base_testing)
