#include "editor/doc/text_mode.h"

#include <cstring>

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
            *out++ = '\r';  // else the pair is the LF copied below
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
            *out++ = '\r';  // CR before the Ctrl-Z: nothing follows it
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
    while (!text.empty()) {
        const char* lf = static_cast<const char*>(std::memchr(text.data(), '\n', text.size()));
        std::size_t run = lf ? static_cast<std::size_t>(lf - text.data()) : text.size();
        std::size_t space = static_cast<std::size_t>(limit - out);
        if (run >= space || (lf && run + 2 > space)) {
            // Fill what fits; the line end goes into the next piece.
            std::size_t part = run < space ? run : space;
            std::memcpy(out, text.data(), part);
            out += part;
            text.remove_prefix(part);
            break;
        }
        std::memcpy(out, text.data(), run);
        out += run;
        text.remove_prefix(run);
        if (lf) {
            *out++ = '\r';
            *out++ = '\n';
            text.remove_prefix(1);
        }
    }
    return static_cast<std::size_t>(out - start);
}
