# Files loaded into the editor: load, random edits, undo and redo, save.
tv_fuzz(doc_fuzz SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/doc_fuzz.cpp LIBS marl_doc_testing)
