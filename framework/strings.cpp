#include "framework/strings.h"

#include <vector>

namespace fw {

std::string LoadResString(UINT id)
{
    std::vector<char> buffer(256);
    for (;;) {
        int n = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(),
                            static_cast<int>(buffer.size()));
        if (n <= 0)
            return {};
        // A full buffer may mean a cut string: try again with more room.
        if (static_cast<size_t>(n) < buffer.size() - 1 || buffer.size() >= 65536)
            return std::string(buffer.data(), static_cast<size_t>(n));
        buffer.resize(buffer.size() * 4);
    }
}

bool HasResString(UINT id)
{
    char probe[2];
    return LoadStringA(GetModuleHandleA(nullptr), id, probe, sizeof probe) > 0;
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            char next = pattern[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next >= '1' && next <= '9') {
                size_t n = static_cast<size_t>(next - '1');
                if (n < args.size())
                    out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string FormatResString(UINT id, std::initializer_list<std::string_view> args)
{
    return FormatText(LoadResString(id), args);
}

std::string TextPart(std::string_view text, int index)
{
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        size_t nl = text.find('\n', start);
        if (nl == std::string_view::npos)
            return {};
        start = nl + 1;
    }
    size_t end = text.find('\n', start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string FileNamePart(std::string_view path)
{
    size_t cut = path.find_last_of("\\/:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

} // namespace fw
