#include "editor/doc/text_mode.h"

#include "editor/doc/byte_scan.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// The bytes of `word` from index `from` on (memory order), at the low end.
std::uint64_t BytesFrom(std::uint64_t word, int from)
{
    return from >= 8 ? 0 : word >> (8 * from);
}

std::uint64_t LowBytes(std::uint64_t word, int n)
{
    return n >= 8 ? word : word & ((std::uint64_t{1} << (8 * n)) - 1);
}

int ByteIndex(std::uint64_t mask)
{
    return std::countr_zero(mask) / 8;
}

// Decodes one word that holds a CR: drops each CR followed by LF.  `next`
// is the byte after the word.  The result (at most eight bytes) goes into
// one word, so storing it never reaches past the input word in place.
std::size_t DecodeWord(std::uint64_t word, char next, char* out)
{
    std::uint64_t crs = byte_scan::MatchMask(word, '\r');
    std::uint64_t result = 0;
    int filled = 0;
    int done = 0;
    for (; crs != 0; crs &= crs - 1) {
        int i = ByteIndex(crs);
        char after = i < 7 ? static_cast<char>(word >> (8 * (i + 1))) : next;
        if (after != '\n')
            continue;
        result |= LowBytes(BytesFrom(word, done), i - done) << (8 * filled);
        filled += i - done;
        done = i + 1;
    }
    if (done < 8) {
        result |= BytesFrom(word, done) << (8 * filled);
        filled += 8 - done;
    }
    byte_scan::Store8(out, result);
    return static_cast<std::size_t>(filled);
}

// Encodes one word that holds an LF; needs 24 bytes of room at out.
std::size_t EncodeWord(std::uint64_t word, char* out)
{
    char* o = out;
    int done = 0;
    for (std::uint64_t lfs = byte_scan::MatchMask(word, '\n'); lfs != 0; lfs &= lfs - 1) {
        int i = ByteIndex(lfs);
        byte_scan::Store8(o, BytesFrom(word, done));
        o += i - done;
        *o++ = '\r';
        done = i; // the LF goes out with the next store
    }
    byte_scan::Store8(o, BytesFrom(word, done));
    o += 8 - done;
    return static_cast<std::size_t>(o - out);
}

} // namespace

std::size_t TextModeDecoder::Decode(const char* src, std::size_t n, char* dst)
{
    if (m_ended || n == 0)
        return 0;
    char* out = dst;
    if (const void* z = std::memchr(src, kCtrlZ, n)) {
        n = static_cast<std::size_t>(static_cast<const char*>(z) - src);
        m_ended = true;
    }
    const char* end = src + n;
    if (m_heldCr && src < end) {
        m_heldCr = false;
        if (*src != '\n')
            *out++ = '\r'; // else the pair is the LF copied below
    }
    // Eight bytes at a time while a byte of lookahead remains; words without
    // a CR move in one piece.
    while (end - src > 8) {
        std::uint64_t word = byte_scan::Load8(src);
        if (byte_scan::MatchMask(word, '\r') == 0) {
            byte_scan::Store8(out, word);
            out += 8;
            src += 8;
            continue;
        }
        if constexpr (kLittleEndian) {
            out += DecodeWord(word, src[8], out);
        } else {
            for (int k = 0; k < 8; ++k) {
                if (src[k] != '\r' || src[k + 1] != '\n')
                    *out++ = src[k];
            }
        }
        src += 8;
    }
    while (src < end) {
        const char* cr = static_cast<const char*>(std::memchr(src, '\r', end - src));
        const char* stop = cr ? cr : end;
        std::size_t run = static_cast<std::size_t>(stop - src);
        if (out != src)
            std::memmove(out, src, run);
        out += run;
        src = stop;
        if (cr == nullptr)
            break;
        if (cr + 1 < end) {
            if (cr[1] == '\n') {
                *out++ = '\n';
                src = cr + 2;
            } else {
                *out++ = '\r';
                src = cr + 1;
            }
        } else if (m_ended) {
            *out++ = '\r'; // CR before the Ctrl-Z: nothing follows it
            src = end;
        } else {
            m_heldCr = true;
            src = end;
        }
    }
    if (m_ended && m_heldCr) {
        m_heldCr = false;
        *out++ = '\r';
    }
    return static_cast<std::size_t>(out - dst);
}

std::size_t TextModeDecoder::Finish(char* dst)
{
    if (!m_heldCr)
        return 0;
    m_heldCr = false;
    *dst = '\r';
    return 1;
}

std::size_t EncodeCrLfPiece(std::string_view& text, char* out, std::size_t room)
{
    char* start = out;
    char* limit = out + room;
    const char* src = text.data();
    const char* end = src + text.size();
    // Eight bytes at a time while the output surely has room for them.
    while (end - src >= 8 && limit - out >= 24) {
        std::uint64_t word = byte_scan::Load8(src);
        if (byte_scan::MatchMask(word, '\n') == 0) {
            byte_scan::Store8(out, word);
            out += 8;
        } else if constexpr (kLittleEndian) {
            out += EncodeWord(word, out);
        } else {
            for (int k = 0; k < 8; ++k) {
                if (src[k] == '\n')
                    *out++ = '\r';
                *out++ = src[k];
            }
        }
        src += 8;
    }
    while (src < end) {
        std::size_t need = *src == '\n' ? 2 : 1;
        if (static_cast<std::size_t>(limit - out) < need)
            break;
        if (*src == '\n')
            *out++ = '\r';
        *out++ = *src++;
    }
    text.remove_prefix(static_cast<std::size_t>(src - text.data()));
    return static_cast<std::size_t>(out - start);
}
