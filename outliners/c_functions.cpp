#include "outliners/c_functions.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

struct Token {
    std::string text; // an identifier, a punctuator, or "\"" for a string
    int line = 0;
};

bool IsIdentStart(char c)
{
    return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsIdentifier(const std::string& t) { return !t.empty() && IsIdentStart(t[0]); }

bool IsStatementKeyword(const std::string& t)
{
    static constexpr std::array<std::string_view, 14> kWords{
        "if",     "while",  "for",      "switch",   "return",        "sizeof",  "catch",
        "typeof", "decltype", "alignof", "static_assert", "__attribute__", "__declspec", "defined"};
    return std::find(kWords.begin(), kWords.end(), t) != kWords.end();
}

// Splits the text into tokens, leaving out what is never code.
class Lexer {
public:
    explicit Lexer(std::string_view text) : m_text(text) {}

    std::vector<Token> Tokens()
    {
        std::vector<Token> tokens;
        bool lineStart = true;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == '\n') {
                ++m_line;
                ++m_at;
                lineStart = true;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++m_at;
            } else if (c == '#' && lineStart) {
                SkipDirective();
            } else if (Starts("//")) {
                while (m_at < m_text.size() && m_text[m_at] != '\n')
                    ++m_at;
            } else if (Starts("/*")) {
                SkipBlockComment();
            } else if (c == '"' || c == '\'') {
                const int line = m_line;
                SkipQuoted(c);
                if (c == '"')
                    tokens.push_back({"\"", line});
                lineStart = false;
            } else if (IsIdentStart(c)) {
                const std::size_t start = m_at;
                while (m_at < m_text.size() && IsIdentChar(m_text[m_at]))
                    ++m_at;
                tokens.push_back({std::string(m_text.substr(start, m_at - start)), m_line});
                lineStart = false;
            } else if (c >= '0' && c <= '9') {
                while (m_at < m_text.size() && (IsIdentChar(m_text[m_at]) || m_text[m_at] == '.'))
                    ++m_at;
                tokens.push_back({"0", m_line});
                lineStart = false;
            } else {
                static constexpr std::array<std::string_view, 14> kPairs{
                    "::", "->", "==", "!=", "<=", ">=", "+=", "-=", "*=", "/=", "&&", "||", "++", "--"};
                const bool pair = std::any_of(kPairs.begin(), kPairs.end(),
                                              [&](std::string_view p) { return Starts(p); });
                const std::size_t length = pair ? 2 : 1;
                tokens.push_back({std::string(m_text.substr(m_at, length)), m_line});
                m_at += length;
                lineStart = false;
            }
        }
        return tokens;
    }

private:
    bool Starts(std::string_view s) const { return m_text.substr(m_at, s.size()) == s; }

    void SkipDirective()
    {
        while (m_at < m_text.size() && m_text[m_at] != '\n') {
            if (Starts("/*")) {
                SkipBlockComment();
                continue;
            }
            if (m_text[m_at] == '\\' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n') {
                ++m_line;
                ++m_at;
            } else if (m_text[m_at] == '\\' && Starts("\\\r\n")) {
                ++m_line;
                m_at += 2;
            }
            ++m_at;
        }
    }

    void SkipBlockComment()
    {
        m_at += 2;
        while (m_at < m_text.size() && !Starts("*/")) {
            if (m_text[m_at] == '\n')
                ++m_line;
            ++m_at;
        }
        m_at = std::min(m_at + 2, m_text.size());
    }

    // A string or character constant; an unclosed one ends at the line end.
    void SkipQuoted(char quote)
    {
        ++m_at;
        while (m_at < m_text.size() && m_text[m_at] != quote && m_text[m_at] != '\n') {
            if (m_text[m_at] == '\\' && m_at + 1 < m_text.size()) {
                if (m_text[m_at + 1] == '\n')
                    ++m_line;
                ++m_at;
            }
            ++m_at;
        }
        if (m_at < m_text.size() && m_text[m_at] == quote)
            ++m_at;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
};

enum class Block { Transparent, Opaque };

// What a "{" opens after the tokens of its statement; `function` receives
// the name of a function definition.
Block Classify(const std::vector<Token>& statement, FunctionEntry& function)
{
    std::size_t first = 0;
    // template <...> in front of a class or a function
    if (!statement.empty() && statement[0].text == "template") {
        int depth = 0;
        for (first = 1; first < statement.size(); ++first) {
            if (statement[first].text == "<")
                ++depth;
            else if (statement[first].text == ">" && --depth <= 0) {
                ++first;
                break;
            }
        }
    }
    bool hasAssign = false;
    std::size_t paren = statement.size();
    for (std::size_t i = first; i < statement.size(); ++i) {
        const std::string& t = statement[i].text;
        if (t == "(") {
            paren = i;
            break;
        }
        if (t == "=" && !(i > first && statement[i - 1].text == "operator"))
            hasAssign = true;
    }
    if (first < statement.size()) {
        const std::string& lead = statement[first].text;
        if (!hasAssign && lead == "namespace")
            return Block::Transparent;
        // "struct tm *gmtime(...) {" is a function, "class A : B {" a scope.
        if (!hasAssign && paren == statement.size() &&
            (lead == "class" || lead == "struct" || lead == "union"))
            return Block::Transparent;
        if (lead == "extern" && statement.size() == first + 2 && statement[first + 1].text == "\"")
            return Block::Transparent;
    }
    if (hasAssign || paren == statement.size() || paren == first)
        return Block::Opaque;

    // The name right before "(": an identifier, "~Name", or "operator ...",
    // with the "A::" parts before it.
    std::size_t start = paren - 1;
    std::string name;
    const std::size_t operatorAt = [&] {
        for (std::size_t i = paren; i-- > first && i + 4 > paren;)
            if (statement[i].text == "operator")
                return i;
        return statement.size();
    }();
    if (operatorAt != statement.size()) {
        name = "operator";
        for (std::size_t i = operatorAt + 1; i < paren; ++i)
            name += statement[i].text;
        start = operatorAt;
    } else {
        if (!IsIdentifier(statement[start].text) || IsStatementKeyword(statement[start].text))
            return Block::Opaque;
        name = statement[start].text;
        if (start > first && statement[start - 1].text == "~") {
            name = "~" + name;
            --start;
        }
    }
    while (start >= first + 2 && statement[start - 1].text == "::" &&
           IsIdentifier(statement[start - 2].text)) {
        name = statement[start - 2].text + "::" + name;
        start -= 2;
    }
    function = {name, statement[paren - 1].line};
    return Block::Opaque;
}

} // namespace

std::vector<FunctionEntry> FindFunctions(std::string_view text)
{
    const std::vector<Token> tokens = Lexer(text).Tokens();
    std::vector<FunctionEntry> functions;
    std::vector<Token> statement;
    std::vector<Block> blocks; // the "{" still open in looked-into scopes
    int parens = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& t = tokens[i].text;
        if (t == "(") {
            ++parens;
        } else if (t == ")") {
            parens = std::max(parens - 1, 0);
        } else if (t == ";" && parens == 0) {
            statement.clear();
            continue;
        } else if (t == "}") {
            if (!blocks.empty())
                blocks.pop_back();
            statement.clear();
            parens = 0;
            continue;
        } else if (t == "{" && parens == 0) {
            FunctionEntry function;
            if (Classify(statement, function) == Block::Transparent) {
                blocks.push_back(Block::Transparent);
            } else {
                if (!function.name.empty())
                    functions.push_back(function);
                // Skip to the matching "}".
                int depth = 1;
                while (depth > 0 && ++i < tokens.size()) {
                    if (tokens[i].text == "{")
                        ++depth;
                    else if (tokens[i].text == "}")
                        --depth;
                }
            }
            statement.clear();
            continue;
        }
        statement.push_back(tokens[i]);
    }
    return functions;
}
