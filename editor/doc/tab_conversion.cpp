#include "editor/doc/tab_conversion.h"

namespace tab_conversion {

namespace {

int SafeTab(int tabLength)
{
    return tabLength < 1 ? 1 : tabLength;
}

} // namespace

std::string ExpandTabs(std::string_view text, int tabLength)
{
    const int t = SafeTab(tabLength);
    std::string out;
    out.reserve(text.size());
    int col = 0;
    for (char c : text) {
        if (c == '\t') {
            int blanks = t - col % t;
            out.append(static_cast<std::size_t>(blanks), ' ');
            col += blanks;
        } else {
            out += c;
            col = c == '\n' ? 0 : col + 1;
        }
    }
    return out;
}

std::string CompressBlanks(std::string_view text, int tabLength)
{
    const int t = SafeTab(tabLength);
    std::string out;
    out.reserve(text.size());
    int col = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == ' ') {
            std::size_t run = 1;
            int after = col + 1;
            while (after % t != 0 && i + run < text.size() && text[i + run] == ' ') {
                ++run;
                ++after;
            }
            if (after % t == 0 && run >= 2)
                out += '\t';
            else
                out.append(run, ' ');
            col = after;
            i += run;
            continue;
        }
        out += c;
        if (c == '\n')
            col = 0;
        else if (c == '\t')
            col = (col / t + 1) * t; // a tab already in the text keeps the columns after it
        else
            ++col;
        ++i;
    }
    return out;
}

} // namespace tab_conversion
