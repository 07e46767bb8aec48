#include "editor/view/keyword_tables.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 12> kPreprocessor = {
    "#define", "#error", "#include", "#elif",  "#if",     "#line",
    "#else",   "#ifdef", "#pragma",  "#endif", "#ifndef", "#undef",
};

constexpr std::array<std::string_view, 59> kC = {
    "_asm",       "_based",    "_cdecl",   "_emit",     "_export",
    "_far",       "_fastcall", "_fortran", "_huge",     "_inline",
    "_interrupt", "_loadds",   "_near",    "_saveregs", "_segment",
    "_segname",   "_self",     "_setargv", "_setenvp",  "_set_new_handler",
    "_pascal",    "argc",      "argv",     "auto",      "break",
    "case",       "char",      "const",    "continue",  "default",
    "do",         "double",    "else",     "enum",      "envp",
    "extern",     "far",       "float",    "for",       "goto",
    "if",         "int",       "long",     "main",      "near",
    "register",   "return",    "short",    "signed",    "sizeof",
    "static",     "struct",    "switch",   "typedef",   "union",
    "unsigned",   "void",      "volatile", "while",
};

constexpr std::array<std::string_view, 15> kCpp = {
    "__multiple_inheritance",
    "__single_inheritance",
    "__virtual_inheritance",
    "class",
    "delete",
    "friend",
    "inline",
    "new",
    "operator",
    "private",
    "protected",
    "public",
    "this",
    "try",
    "virtual",
};

bool Holds(std::span<const std::string_view> table, std::string_view word)
{
    return std::find(table.begin(), table.end(), word) != table.end();
}

constexpr std::size_t kLongest = 22;

// Which (length, first byte) pairs some entry has: most words of a line are
// turned away by one look-up.
struct Filter {
    std::array<std::array<bool, 128>, kLongest + 1> candidate{};

    constexpr Filter()
    {
        for (auto table :
             {std::span<const std::string_view>(kPreprocessor),
              std::span<const std::string_view>(kC), std::span<const std::string_view>(kCpp)})
            for (std::string_view word : table)
                candidate[word.size()][static_cast<unsigned char>(word[0])] = true;
    }
    bool MayHold(std::string_view word) const
    {
        unsigned char first = static_cast<unsigned char>(word[0]);
        return word.size() <= kLongest && first < 128 && candidate[word.size()][first];
    }
};

constexpr Filter kFilter;

} // namespace

std::span<const std::string_view> PreprocessorKeywords()
{
    return kPreprocessor;
}
std::span<const std::string_view> CKeywords()
{
    return kC;
}
std::span<const std::string_view> CppKeywords()
{
    return kCpp;
}

ColourSlot KeywordSlot(std::string_view word)
{
    if (word.empty() || !kFilter.MayHold(word))
        return ColourSlot::Text;
    if (Holds(kPreprocessor, word))
        return ColourSlot::Preprocessor;
    if (Holds(kC, word))
        return ColourSlot::CKeyword;
    if (Holds(kCpp, word))
        return ColourSlot::CppKeyword;
    return ColourSlot::Text;
}
