// The minute counter behind automatic saving: the frame's timer ticks once a
// minute, and every `Intervall` minutes the modified documents write their
// temporary copies when AutoSave is on. The counter runs (and restarts) even
// while AutoSave is off, so switching it on keeps the rhythm.
#pragma once
#include <cstdint>

class AutoSaveClock {
public:
    // One minute passed: true when the temporary copies are due now.
    // Intervall 0 and 1 both mean every minute.
    bool Tick(std::int32_t intervall, bool autoSave)
    {
        ++m_minutes;
        if (static_cast<std::int64_t>(m_minutes) < intervall)
            return false;
        m_minutes = 0;
        return autoSave;
    }
    std::uint32_t Minutes() const { return m_minutes; }

private:
    std::uint32_t m_minutes = 0;
};
