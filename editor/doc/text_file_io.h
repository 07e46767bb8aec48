// Reading and writing a document's text through the file interfaces, in
// text mode or as plain bytes.
#pragma once
#include "editor/doc/file_system.h"
#include "editor/doc/gap_buffer.h"

#include <cstddef>

// Reads up to `size` bytes of the file into dst and decodes them there in
// text mode.  Returns the text length and counts its line feeds; `error` is
// set when reading failed (the text read so far is still in dst).
std::size_t ReadTextFile(FileReader& reader, char* dst, std::size_t size, std::size_t& lineFeeds,
                         FileError& error);

// Writes the text, with CR LF line ends when `crlf` is set, else unchanged.
bool WriteTextFile(FileWriter& writer, const TextSpans& text, bool crlf, FileError& error);
