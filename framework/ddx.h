// Dialog data exchange: one line per control in a dialog's DoDataExchange,
// the same line loading the control (IsSaving() false) and reading it back
// (true).  A value that fails validation is reported once through the
// error callback and ends the exchange; nothing is thrown.
#pragma once
#include <windows.h>

#include <concepts>
#include <functional>
#include <limits>
#include <string>

namespace fw {

// The program's string of the range message, when its resources have one.
inline constexpr UINT kRangeMessageStringId = 61714;
inline constexpr char kDefaultRangeMessage[] = "Please enter an integer between %1 and %2.";

struct ValidationError {
    int controlId;
    std::string message; // shown with the exclamation icon
};

class DataExchange {
public:
    using ErrorHandler = std::function<void(const ValidationError&)>;

    DataExchange(HWND dialog, bool saving, ErrorHandler onError);

    bool IsSaving() const { return m_saving; }
    bool Failed() const { return m_failed; }
    HWND Dialog() const { return m_dialog; }

    // Edit (or any window text).  maxLength > 0 limits typing and cuts a
    // longer text on reading back.
    void Text(int id, std::string& value, int maxLength = 0);

    // Whole number in [low, high]; anything else gets the range message.
    template <std::integral T>
    void Int(int id, T& value, T low = std::numeric_limits<T>::min(),
             T high = std::numeric_limits<T>::max())
    {
        long long v = static_cast<long long>(value);
        if (Integer(id, v, static_cast<long long>(low), static_cast<long long>(high)) && m_saving)
            value = static_cast<T>(v);
    }

    void Check(int id, bool& checked);
    // Radio group from its first button (the one with WS_GROUP) to the next
    // WS_GROUP control: index of the checked button, -1 for none.
    void Radio(int firstId, int& index);
    // Selected item, -1 for none.
    void ListIndex(int id, int& index);
    // Text of the selected item; loading selects the item with that text
    // (ignoring case), or nothing.
    void ListText(int id, std::string& text);
    void ComboIndex(int id, int& index);
    // The combo box's text; loading selects the matching item, or for a
    // combo box with an edit field, puts the text there.
    void ComboText(int id, std::string& text, int maxLength = 0);

    // Reports a failure of a check of the dialog's own (cross-field rules).
    void Fail(int id, std::string message);

private:
    bool Integer(int id, long long& value, long long low, long long high);
    HWND Item(int id) const;

    HWND m_dialog;
    bool m_saving;
    bool m_failed = false;
    ErrorHandler m_onError;
};

// The range message for [low, high], from the program's string table when it
// has string kRangeMessageStringId.
std::string RangeMessage(long long low, long long high);

} // namespace fw
