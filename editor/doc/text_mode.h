// Text-mode file contents: CR LF pairs are one LF in memory, a CR without
// LF stays, and a Ctrl-Z byte ends the input.  Writing turns every LF back
// into CR LF.  Done here by hand because the platforms' file calls read and
// write bytes as they are.
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

inline constexpr char kCtrlZ = 26;

// Decodes a file read in pieces.  Each piece may be decoded in place (the
// output never overtakes the input), as loading does.
class TextModeDecoder {
public:
    // Decodes [src, src + n) to dst; returns the bytes written.  A CR at the
    // end of a piece is held back until the next byte is known.
    std::size_t Decode(const char* src, std::size_t n, char* dst);
    // At the end of the file: writes a held CR; returns the bytes written.
    std::size_t Finish(char* dst);
    // A Ctrl-Z was met: whatever follows is not text.
    bool Ended() const { return m_ended; }
    // A CR ended the last piece; Decode writes it (or not) before the next.
    bool HoldsCr() const { return m_heldCr; }

private:
    bool m_heldCr = false;
    bool m_ended = false;
};

// Writes text with CR LF line ends in pieces of the staging buffer's
// capacity, passing each to `flush` (which returns false to stop).
template <typename Flush>
bool EncodeCrLf(std::string_view text, std::vector<char>& staging, Flush&& flush);

// Encodes as much of `text` as fits into `room` bytes at out, removes it from
// `text`, and returns the bytes written.
std::size_t EncodeCrLfPiece(std::string_view& text, char* out, std::size_t room);

template <typename Flush>
bool EncodeCrLf(std::string_view text, std::vector<char>& staging, Flush&& flush)
{
    while (!text.empty()) {
        std::size_t n = EncodeCrLfPiece(text, staging.data(), staging.size());
        if (n == 0 || !flush(staging.data(), n))
            return false; // (a staging buffer of one byte cannot take a CR LF)
    }
    return true;
}
