// Random profile text through the editor's whole start-up read, then the
// exit write and a second read: nothing may crash or overrun, ranges hold,
// and whatever the profile format can carry comes back unchanged.
#include "editor/app/testing/profile_memory.h"
#include "editor/app/settings_exit.h"
#include "editor/app/settings_search_history.h"
#include "editor/app/settings_startup.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct Homes {
    COptions options;
    CPrintOptions printOptions;
    AppSettings app;
    std::int32_t desktopFlag = 1;
    WorksetName workset;
    ExtensionTable extensions;

    SettingsHomes Get() { return {options, printOptions, app, desktopFlag, workset, extensions}; }
};

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool IsProfileSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

// A value read back from the file comes back trimmed and without one pair
// of quotes, so only values free of both survive a round trip unchanged.
bool SurvivesTheFile(std::string_view value)
{
    if (value.empty())
        return true;
    if (IsProfileSpace(value.front()) || IsProfileSpace(value.back()))
        return false;
    bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                  value.back() == value.front();
    return !quoted;
}

void CheckSame(const std::string& before, const std::string& after)
{
    if (SurvivesTheFile(before))
        Check(before == after);
}

void CheckInvariants(Homes& homes)
{
    Check(homes.options.m_nTabLength >= kMinTabLength &&
          homes.options.m_nTabLength <= kMaxTabLength);
    Check(homes.options.m_nIntervall >= kMinIntervall &&
          homes.options.m_nIntervall <= kMaxIntervall);
    Check(homes.desktopFlag == homes.options.m_bSaveDeskTop);
    for (const ColorEntry& entry : homes.app.m_Colors)
        Check(entry.color == ColorFromCode(entry.code));
    Check(homes.workset.Get().size() < kWorksetNameSize);
    auto buffer = homes.extensions.Buffer();
    Check(buffer[kExtensionTableSize - 1] == '\0');
    std::size_t listed = 0;
    for (const ExtensionEntry& entry : homes.extensions.Entries())
        listed += entry.description.size() + entry.mask.size() + 2;
    Check(listed < kExtensionTableSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    MemoryProfile store(text);
    MemoryProfile systemStore(text);
    Profile profile(store);
    Profile systemProfile(systemStore);

    Homes first;
    StartupHooks startupHooks;
    ReadSettingsAtStartup(profile, systemProfile, first.Get(), startupHooks);
    CheckInvariants(first);
    for (const SearchHistoryEntry& entry : ReadSearchHistory(profile))
        Check(!entry.text.empty());
    for (const char* section : {"Help", "Outliner", "Tools"}) {
        ProfileKeyList keys = profile.ListKeys(section);
        Check(keys.Data()[kProfileKeyListSize - 1] == '\0');
        for (std::string_view name : keys.Names())
            Check(!name.empty());
    }

    // Exit write to a new file, reload its text, read again.
    MemoryProfile written;
    Profile writtenProfile(written);
    ExitHooks exitHooks;
    WriteSettingsOnExit(writtenProfile, first.Get(), "", exitHooks);
    MemoryProfile reloaded(written.Text());
    Homes second;
    ReadSettingsAtStartup(Profile(reloaded), systemProfile, second.Get(), startupHooks);
    CheckInvariants(second);

    CheckSame(first.app.m_strFontName, second.app.m_strFontName);
    CheckSame(first.printOptions.m_strHeader, second.printOptions.m_strHeader);
    CheckSame(first.printOptions.m_strFooter, second.printOptions.m_strFooter);
    CheckSame(std::string(first.workset.Get()), std::string(second.workset.Get()));
    // Everything else must match exactly.
    second.app.m_strFontName = first.app.m_strFontName;
    second.printOptions.m_strHeader = first.printOptions.m_strHeader;
    second.printOptions.m_strFooter = first.printOptions.m_strFooter;
    Check(second.options == first.options);
    Check(second.printOptions == first.printOptions);
    Check(second.app == first.app);
    Check(second.desktopFlag == first.desktopFlag);
    return 0;
}
