#include "editor/automation/print_forms.h"

#include <array>
#include <cstdio>

namespace {

// The leading decimal number of a regional value, 0 when there is none.
int NumberOf(const std::optional<std::string>& value)
{
    int number = 0;
    if (value)
        for (char c : *value) {
            if (c < '0' || c > '9' || number > 9999)
                break;
            number = number * 10 + (c - '0');
        }
    return number;
}

// The separator as pattern text: an empty value would end the pattern
// early, and "%" would start a conversion.
std::string SeparatorOf(const std::optional<std::string>& value, char fallback)
{
    const char c = value && !value->empty() ? value->front() : fallback;
    return c == '%' ? "%%" : std::string(1, c);
}

} // namespace

std::string DatePattern(const RegionalForms& forms)
{
    const std::string s = SeparatorOf(forms.sDate, '/');
    switch (NumberOf(forms.iDate)) {
    case 1:
        return "%d" + s + "%m" + s + "%y";
    case 2:
        return "%y" + s + "%m" + s + "%d";
    default:
        return "%m" + s + "%d" + s + "%y";
    }
}

std::string TimePattern(const RegionalForms& forms)
{
    const std::string t = SeparatorOf(forms.sTime, ':');
    if (NumberOf(forms.iTime) == 1)
        return "%H" + t + "%M";
    return "%I" + t + "%M %p";
}

std::string FormatTime(const std::tm& when, const std::string& pattern)
{
    std::array<char, 64> text{};
    // The pattern is built from the regional forms above, never from user text.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const std::size_t n = std::strftime(text.data(), text.size(), pattern.c_str(), &when);
#pragma GCC diagnostic pop
    return std::string(text.data(), n);
}
