#include "editor/doc/text_file_io.h"

#include "editor/doc/byte_scan.h"
#include "editor/doc/text_mode.h"

#include <vector>

namespace {

// Reading: pieces small enough to stay in the cache between reading and
// decoding.  Writing: fewer, larger calls.
constexpr std::size_t kPiece = 256 * 1024;
constexpr std::size_t kWritePiece = 1024 * 1024;

} // namespace

std::size_t ReadTextFile(FileReader& reader, char* dst, std::size_t size, std::size_t& lineFeeds,
                         FileError& error)
{
    TextModeDecoder decoder;
    std::size_t raw = 0;
    std::size_t text = 0;
    lineFeeds = 0;
    error = FileError::None;
    while (raw < size && !decoder.Ended()) {
        std::size_t want = size - raw < kPiece ? size - raw : kPiece;
        // Each piece lands right behind the text decoded so far (and one byte
        // further while a CR waits for its LF), so decoding writes to memory
        // that is still in the cache.  The text never overtakes the piece.
        char* piece = dst + text + (decoder.HoldsCr() ? 1 : 0);
        std::size_t got = reader.Read(piece, want, error);
        std::size_t decoded = decoder.Decode(piece, got, dst + text);
        // Counted while the piece is still in the cache.
        lineFeeds += byte_scan::Count(dst + text, decoded, '\n');
        text += decoded;
        raw += got;
        if (error != FileError::None)
            return text;
        if (got < want)
            break; // the file became shorter than its size said
    }
    return text + decoder.Finish(dst + text);
}

bool WriteTextFile(FileWriter& writer, const TextSpans& text, bool crlf, FileError& error)
{
    error = FileError::None;
    auto write = [&](const char* bytes, std::size_t n) {
        return n == 0 || writer.Write(bytes, n, error);
    };
    if (!crlf)
        return write(text.first.data(), text.first.size()) &&
               write(text.second.data(), text.second.size());
    std::vector<char> staging(kWritePiece);
    return EncodeCrLf(text.first, staging, write) && EncodeCrLf(text.second, staging, write);
}
