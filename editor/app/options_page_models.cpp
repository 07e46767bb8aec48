#include "editor/app/options_page_models.h"

#include <algorithm>
#include <utility>

ExtensionList::ExtensionList(std::vector<ExtensionEntry> entries) : m_entries(std::move(entries))
{
    if (m_entries.size() > static_cast<std::size_t>(kMaxExtensionEntries))
        m_entries.resize(kMaxExtensionEntries);
    m_selected = m_entries.empty() ? -1 : 0;
}

void ExtensionList::Select(int index)
{
    if (index >= 0 && index < static_cast<int>(m_entries.size()))
        m_selected = index;
}

void ExtensionList::SetDescription(std::string description)
{
    if (m_selected >= 0)
        m_entries[m_selected].description = std::move(description);
}

void ExtensionList::SetMask(std::string mask)
{
    if (m_selected >= 0)
        m_entries[m_selected].mask = std::move(mask);
}

bool ExtensionList::AddNew()
{
    if (m_entries.size() >= static_cast<std::size_t>(kMaxExtensionEntries))
        return false;
    const int at = std::max(m_selected, 0);
    m_entries.insert(m_entries.begin() + at, ExtensionEntry{"New item", "*.*"});
    m_selected = at;
    return true;
}

bool ExtensionList::Delete()
{
    if (m_entries.size() <= 1 || m_selected < 0)
        return false;
    m_entries.erase(m_entries.begin() + m_selected);
    m_selected = std::min(m_selected, static_cast<int>(m_entries.size()) - 1);
    return true;
}

bool ExtensionList::Move(int step)
{
    const int to = m_selected + step;
    if (m_selected < 0 || to < 0 || to >= static_cast<int>(m_entries.size()))
        return false;
    std::swap(m_entries[m_selected], m_entries[to]);
    m_selected = to;
    return true;
}

int PaletteIndex(ColorCode code)
{
    if (code < kFirstTextColorCode || code > kLastColorCode)
        return 0;
    return (code - kFirstTextColorCode) % kPaletteSize;
}

ColorChoice::ColorChoice(const ColorEntries& entries)
{
    for (int i = 0; i < kColorItemCount; ++i)
        m_codes[i] = entries[i].code;
}

void ColorChoice::SelectItem(int item)
{
    if (item >= 0 && item < kColorPageItems)
        m_item = item;
}

bool ColorChoice::Choose(int swatchId)
{
    if (swatchId < kFirstTextColorCode || swatchId > kLastColorCode)
        return false;
    const bool text = swatchId < kFirstBackColorCode;
    m_codes[2 * m_item + (text ? 0 : 1)] = swatchId;
    return true;
}

bool ColorChoice::IsHighlighted(int swatchId) const
{
    if (swatchId < kFirstTextColorCode || swatchId > kLastColorCode)
        return false;
    const bool text = swatchId < kFirstBackColorCode;
    return PaletteIndex(swatchId) == PaletteIndex(text ? TextCode() : BackCode());
}

void ColorChoice::Reset()
{
    m_codes[2 * m_item] = kResetColorCodes[2 * m_item];
    m_codes[2 * m_item + 1] = kResetColorCodes[2 * m_item + 1];
}

void ColorChoice::ResetAll()
{
    m_codes = kResetColorCodes;
}

void ColorChoice::StoreInto(ColorEntries& entries) const
{
    for (int i = 0; i < kColorItemCount; ++i)
        entries[i].Set(m_codes[i]);
}
