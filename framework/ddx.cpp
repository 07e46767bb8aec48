#include "framework/ddx.h"

#include "framework/controls.h"
#include "framework/integer_text.h"

namespace fw {

DataExchange::DataExchange(HWND dialog, bool saving, ErrorHandler onError)
    : m_dialog(dialog), m_saving(saving), m_onError(std::move(onError))
{
}

HWND DataExchange::Item(int id) const
{
    return GetDlgItem(m_dialog, id);
}

void DataExchange::Fail(int id, std::string message)
{
    if (m_failed)
        return;
    m_failed = true;
    if (m_onError)
        m_onError(ValidationError{id, std::move(message)});
}

void DataExchange::Text(int id, std::string& value, int maxLength)
{
    if (m_failed)
        return;
    EditControl edit(Item(id));
    if (!m_saving) {
        if (maxLength > 0)
            edit.LimitText(maxLength);
        edit.SetText(value);
        return;
    }
    value = edit.GetText();
    if (maxLength > 0 && value.size() > static_cast<size_t>(maxLength))
        value.resize(static_cast<size_t>(maxLength));
}

bool DataExchange::Integer(int id, long long& value, long long low, long long high)
{
    if (m_failed)
        return false;
    Control field(Item(id));
    if (!m_saving) {
        field.SetText(std::to_string(value));
        return true;
    }
    std::optional<long long> parsed = ParseInteger(field.GetText());
    if (!parsed || *parsed < low || *parsed > high) {
        Fail(id, RangeMessage(low, high));
        return false;
    }
    value = *parsed;
    return true;
}

void DataExchange::Check(int id, bool& checked)
{
    if (m_failed)
        return;
    ButtonControl box(Item(id));
    if (m_saving)
        checked = box.IsChecked();
    else
        box.SetChecked(checked);
}

void DataExchange::Radio(int firstId, int& index)
{
    if (m_failed)
        return;
    HWND first = Item(firstId);
    if (!first)
        return;
    if (m_saving)
        index = -1;
    int position = 0;
    for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h != first && (GetWindowLongPtrA(h, GWL_STYLE) & WS_GROUP))
            break;
        ButtonControl button(h);
        if (!button.IsRadio())
            continue;
        if (m_saving) {
            if (button.IsChecked())
                index = position;
        } else {
            button.SetChecked(position == index);
        }
        ++position;
    }
}

void DataExchange::ListIndex(int id, int& index)
{
    if (m_failed)
        return;
    ListBoxControl list(Item(id));
    if (m_saving)
        index = list.GetCurSel();
    else
        list.SetCurSel(index);
}

void DataExchange::ListText(int id, std::string& text)
{
    if (m_failed)
        return;
    ListBoxControl list(Item(id));
    if (m_saving) {
        int sel = list.GetCurSel();
        text = sel >= 0 ? list.GetItemText(sel) : std::string();
    } else {
        list.SetCurSel(text.empty() ? -1 : list.FindStringExact(text));
    }
}

void DataExchange::ComboIndex(int id, int& index)
{
    if (m_failed)
        return;
    ComboBoxControl combo(Item(id));
    if (m_saving)
        index = combo.GetCurSel();
    else
        combo.SetCurSel(index);
}

void DataExchange::ComboText(int id, std::string& text, int maxLength)
{
    if (m_failed)
        return;
    ComboBoxControl combo(Item(id));
    if (m_saving) {
        text = combo.GetText();
        if (maxLength > 0 && text.size() > static_cast<size_t>(maxLength))
            text.resize(static_cast<size_t>(maxLength));
        return;
    }
    if (maxLength > 0 && combo.HasEdit())
        combo.LimitText(maxLength);
    int found = text.empty() ? CB_ERR : combo.FindStringExact(text);
    combo.SetCurSel(found);
    if (found == CB_ERR && combo.HasEdit())
        combo.SetText(text);
}

std::string RangeMessage(long long low, long long high)
{
    char pattern[256] = {};
    int n = LoadStringA(GetModuleHandleA(nullptr), kRangeMessageStringId, pattern, sizeof pattern);
    return FormatRangeMessage(n > 0 ? pattern : kDefaultRangeMessage, low, high);
}

} // namespace fw
