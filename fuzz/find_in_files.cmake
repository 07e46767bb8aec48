# Find in files: any file bytes and any search text, plain or pattern.
tv_fuzz(find_in_files_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/find_in_files_fuzz.cpp
    LIBS marl_search_testing)
