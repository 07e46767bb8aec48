// The user's date and time forms for printed headers and footers, as the
// regional settings give them ("iDate", "sDate", "iTime", "sTime").
#pragma once
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// The raw regional values; a value the settings lack stays empty.
struct RegionalForms {
    std::optional<std::string> iDate;
    std::optional<std::string> sDate;
    std::optional<std::string> iTime;
    std::optional<std::string> sTime;
};

// strftime patterns: month-day-year ("0", anything other than "1" or "2",
// and a missing value), day-month-year ("1") or year-month-day ("2"), two
// digits each; the 12-hour clock with AM/PM ("0", anything other than "1",
// missing) or the 24-hour clock ("1").  The separators are the first
// characters of sDate and sTime, "/" and ":" when missing or empty.
std::string DatePattern(const RegionalForms& forms);
std::string TimePattern(const RegionalForms& forms);

// `when` formatted with a pattern above.
std::string FormatTime(const std::tm& when, const std::string& pattern);
