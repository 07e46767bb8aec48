#include "editor/view/keyword_tables.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 12> kPreprocessor = {
    "#define", "#error", "#include", "#elif",   "#if",     "#line",
    "#else",   "#ifdef", "#pragma",  "#endif", "#ifndef", "#undef",
};

constexpr std::array<std::string_view, 59> kC = {
    "_asm",      "_based",   "_cdecl",   "_emit",     "_export",  "_far",
    "_fastcall", "_fortran", "_huge",    "_inline",   "_interrupt", "_loadds",
    "_near",     "_saveregs", "_segment", "_segname", "_self",    "_setargv",
    "_setenvp",  "_set_new_handler", "_pascal", "argc", "argv",   "auto",
    "break",     "case",     "char",     "const",     "continue", "default",
    "do",        "double",   "else",     "enum",      "envp",     "extern",
    "far",       "float",    "for",      "goto",      "if",       "int",
    "long",      "main",     "near",     "register",  "return",   "short",
    "signed",    "sizeof",   "static",   "struct",    "switch",   "typedef",
    "union",     "unsigned", "void",     "volatile",  "while",
};

constexpr std::array<std::string_view, 15> kCpp = {
    "__multiple_inheritance", "__single_inheritance", "__virtual_inheritance",
    "class", "delete", "friend", "inline", "new", "operator", "private", "protected",
    "public", "this", "try", "virtual",
};

bool Holds(std::span<const std::string_view> table, std::string_view word)
{
    return std::find(table.begin(), table.end(), word) != table.end();
}

}  // namespace

std::span<const std::string_view> PreprocessorKeywords() { return kPreprocessor; }
std::span<const std::string_view> CKeywords() { return kC; }
std::span<const std::string_view> CppKeywords() { return kCpp; }

ColourSlot KeywordSlot(std::string_view word)
{
    // Every entry is 2 to 22 bytes long; most words of a line are not.
    if (word.size() < 2 || word.size() > 22)
        return ColourSlot::Text;
    if (Holds(kPreprocessor, word))
        return ColourSlot::Preprocessor;
    if (Holds(kC, word))
        return ColourSlot::CKeyword;
    if (Holds(kCpp, word))
        return ColourSlot::CppKeyword;
    return ColourSlot::Text;
}
