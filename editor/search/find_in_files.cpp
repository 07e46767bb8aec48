#include "editor/search/find_in_files.h"

#include "editor/search/find_in_files_names.h"

#include <algorithm>
#include <array>
#include <cstring>

std::vector<SearchResult> SearchResults;

namespace {

constexpr char kCtrlZ = 0x1A;

std::array<unsigned char, 256> MakeAnsiUpperTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            table[c] = static_cast<unsigned char>(c - 32);
    table[0x9A] = 0x8A; // s caron
    table[0x9C] = 0x8C; // oe
    table[0x9E] = 0x8E; // z caron
    table[0xFF] = 0x9F; // y diaeresis
    return table;
}

const std::array<unsigned char, 256> kAnsiUpper = MakeAnsiUpperTable();

void UpperInto(std::string_view from, std::string& to)
{
    to.resize(from.size());
    for (std::size_t i = 0; i < from.size(); ++i)
        to[i] = static_cast<char>(kAnsiUpper[static_cast<unsigned char>(from[i])]);
}

// Text mode: Ctrl-Z ends the text, CR LF reads as LF.  Returns the length.
std::size_t ReadAsText(std::string& bytes)
{
    std::size_t size = bytes.size();
    if (const void* z = std::memchr(bytes.data(), kCtrlZ, size))
        size = std::size_t(static_cast<const char*>(z) - bytes.data());
    char* data = bytes.data();
    const char* cr = static_cast<const char*>(std::memchr(data, '\r', size));
    if (!cr)
        return size;
    std::size_t out = std::size_t(cr - data);
    for (std::size_t in = out; in < size; ++in) {
        if (data[in] == '\r' && in + 1 < size && data[in + 1] == '\n')
            continue;
        data[out++] = data[in];
    }
    return out;
}

} // namespace

unsigned char AnsiUpper(unsigned char c)
{
    return kAnsiUpper[c];
}

std::string ResultString(const SearchResult& result)
{
    return result.path + ": " + std::to_string(result.line) + " " + result.text;
}

std::string ResultListText(const SearchResult& result)
{
    std::string text = ResultString(result);
    text.erase(std::min(text.find('\n'), text.size()));
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

const char* RequestProblem(const FindRequest& request)
{
    if (request.searchFor.empty())
        return kNoSearchPatternMessage;
    if (request.fileSpec.empty())
        return kNoFilesMessage;
    return nullptr;
}

// A plain needle searched over the whole text at once, as grep does; each
// hit is then placed in its line.  Candidates come from the platform's fast
// byte scan for the needle's rarest byte in source text.
struct LineSearcher::Plain {
    Plain(std::string text, bool fold) : needle(std::move(text)), ignoreCase(fold)
    {
        for (std::size_t i = 1; i < needle.size(); ++i)
            if (Rarity(needle[i]) > Rarity(needle[key]))
                key = i;
    }

    // Letters by how often they appear in source text (case folded); any
    // other byte but the blank counts as rarer than all of them.
    static std::size_t Rarity(char c)
    {
        static constexpr std::string_view kCommonFirst = " etaoinsrhldcumfpgwybvkxjqz";
        const std::size_t rank = kCommonFirst.find(c >= 'A' && c <= 'Z' ? char(c + 32) : c);
        return rank == std::string_view::npos ? kCommonFirst.size() : rank;
    }

    // The first occurrence in [from, end), or end.
    const char* Find(const char* from, const char* end) const
    {
        const std::size_t n = needle.size();
        if (std::size_t(end - from) < n)
            return end;
        const char keyByte = needle[key];
        const char* p = from + key;
        const char* last = end - (n - key); // the key byte's last possible place
        while (p <= last) {
            p = static_cast<const char*>(std::memchr(p, keyByte, std::size_t(last - p) + 1));
            if (!p)
                return end;
            const char* start = p - key;
            if (std::memcmp(start, needle.data(), n) == 0)
                return start;
            ++p;
        }
        return end;
    }

    std::string needle;
    bool ignoreCase;
    std::size_t key = 0;
};

std::unique_ptr<LineSearcher> LineSearcher::Make(const FindRequest& request, MessageSink& sink)
{
    auto searcher = std::make_unique<LineSearcher>();
    if (request.regularExpression) {
        searcher->m_pattern = LinePattern::Compile(request.searchFor, request.ignoreCase, sink);
        if (!searcher->m_pattern)
            return nullptr;
        return searcher;
    }
    PatternError = false;
    std::string needle = request.searchFor;
    // A line is a C string to the plain test: it ends at a NUL.
    needle.erase(std::min(needle.find('\0'), needle.size()));
    if (request.ignoreCase)
        for (char& c : needle)
            c = static_cast<char>(AnsiUpper(static_cast<unsigned char>(c)));
    searcher->m_plain = std::make_unique<Plain>(std::move(needle), request.ignoreCase);
    return searcher;
}

LineSearcher::LineSearcher() = default;
LineSearcher::~LineSearcher() = default;

void LineSearcher::SearchText(std::string& bytes, const std::string& path,
                              std::vector<SearchResult>& out)
{
    std::string_view text(bytes.data(), ReadAsText(bytes));
    if (m_plain)
        SearchPlain(text, path, out);
    else
        SearchLines(text, path, out);
}

void LineSearcher::SearchPlain(std::string_view text, const std::string& path,
                               std::vector<SearchResult>& out)
{
    const std::string& needle = m_plain->needle;
    if (needle.empty()) {
        // Every line holds the empty string.
        ForEachLine(text, path, out, [](std::string_view) { return true; });
        return;
    }
    // A line feed inside the needle can never lie inside one line.
    if (needle.find('\n') < needle.size() - 1)
        return;
    std::string_view hay = text;
    if (m_plain->ignoreCase) {
        UpperInto(text, m_upper);
        hay = m_upper;
    }
    const char* const begin = hay.data();
    const char* const end = begin + hay.size();
    long number = 1;
    const char* counted = begin; // number is the line of counted
    const char* from = begin;
    while (from < end) {
        const char* hit = m_plain->Find(from, end);
        if (hit == end)
            break;
        number += long(std::count(counted, hit, '\n'));
        counted = hit;
        const char* lineStart = hit;
        while (lineStart > begin && lineStart[-1] != '\n')
            --lineStart;
        const void* lf = std::memchr(hit, '\n', std::size_t(end - hit));
        const char* lineEnd = lf ? static_cast<const char*>(lf) + 1 : end;
        if (!std::memchr(lineStart, '\0', std::size_t(hit - lineStart)))
            out.push_back({path, std::string(), number,
                           std::string(text.substr(std::size_t(lineStart - begin),
                                                   std::size_t(lineEnd - lineStart)))});
        from = lineEnd;
    }
}

void LineSearcher::SearchLines(std::string_view text, const std::string& path,
                               std::vector<SearchResult>& out)
{
    ForEachLine(text, path, out, [this](std::string_view line) { return LineMatches(*m_pattern, line); });
}

template <typename Match>
void LineSearcher::ForEachLine(std::string_view text, const std::string& path,
                               std::vector<SearchResult>& out, Match match)
{
    long number = 1;
    std::size_t start = 0;
    while (start < text.size()) {
        const void* lf = std::memchr(text.data() + start, '\n', text.size() - start);
        std::size_t next =
            lf ? std::size_t(static_cast<const char*>(lf) - text.data()) + 1 : text.size();
        std::string_view line = text.substr(start, next - start);
        if (match(line))
            out.push_back({path, std::string(), number, std::string(line)});
        ++number;
        start = next;
    }
}

void FindInFiles(const FindRequest& request, FindFileSystem& fs, MessageSink& sink,
                 FindProgress* progress, std::vector<SearchResult>& out)
{
    std::unique_ptr<LineSearcher> searcher = LineSearcher::Make(request, sink);
    if (!searcher)
        return;
    const std::vector<std::string> masks = SplitMasks(request.fileSpec);
    std::vector<std::string> directories = SplitDirectories(request.directories);
    if (request.directories.empty())
        directories.emplace_back();
    std::string bytes;
    for (const std::string& directory : directories) {
        for (const std::string& name : FilesToSearch(fs, directory, masks)) {
            const std::string path = JoinPath(directory, name);
            if (progress)
                progress->Searching(path);
            if (!fs.ReadFile(path, bytes))
                continue;
            const std::size_t before = out.size();
            searcher->SearchText(bytes, path, out);
            if (out.size() > before) {
                const std::string full = fs.FullPath(path);
                for (std::size_t i = before; i < out.size(); ++i)
                    out[i].fullPath = full;
            }
        }
    }
}

std::optional<std::string> FinalDirectory(std::string_view field, FindFileSystem& fs)
{
    std::vector<std::string> directories = SplitDirectories(field);
    if (directories.size() != 1 || directories.front().size() != field.size() ||
        !fs.IsDirectory(directories.front()))
        return std::nullopt;
    return directories.front();
}
