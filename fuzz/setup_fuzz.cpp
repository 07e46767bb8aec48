// Random "SETUP.INF" text through the script reader, the fields, the
// variables, the component filters and the whole install command.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "setup/component_filter.h"
#include "setup/install_engine.h"
#include "setup/install_model.h"
#include "setup/memory_profile.h"
#include "setup/progman_commands.h"
#include "setup/progress_layout.h"
#include "setup/script_entries.h"
#include "setup/script_fields.h"
#include "setup/setup_fakes.h"

namespace {

// Results picked from the file name, so that the input reaches every bit.
class ScriptedVersions : public VersionServices {
public:
    FoundFile FindFile(bool shared, const std::string& name, const std::string& windowsDir,
                       const std::string& appDir) override
    {
        const std::size_t h = std::hash<std::string>{}(name);
        return {static_cast<unsigned>(h & 3), appDir,
                (h & 4) ? windowsDir : appDir + (shared ? "" : "\\x")};
    }
    unsigned InstallFile(unsigned flags, const std::string& name, const std::string&,
                         const std::string&, const std::string&, std::string& tempFile) override
    {
        // Whatever the script says, a copy lands in its destination directory.
        if (name.find_first_of("\\/:") != std::string::npos || name.find("..") != std::string::npos)
            __builtin_trap();
        const std::size_t h = std::hash<std::string>{}(name) + flags + m_calls++;
        tempFile = "T" + std::to_string(h & 7);
        // The bits that end setup only now and then, so that most runs go on.
        const unsigned ending = (h % 16 == 0) ? kInstallOutOfSpace : 0;
        return (static_cast<unsigned>(h >> 3) & 0x2fcffu) | ending;
    }

private:
    unsigned m_calls = 0;
};

void ReadEveryField(const InstallModel& model)
{
    const VariableDirs dirs{"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", model.m_strInstallDir};
    for (const auto* list : {&model.m_files, &model.m_runs, &model.m_progmanItems,
                             &model.m_iniEntries, &model.m_options}) {
        for (const std::string& entry : *list) {
            for (int n = -1; n < 10; ++n)
                GetFieldInt(entry, n);
            const ProgmanItem item = ProgmanItemFor(entry, dirs);
            if (ReplaceItemCommand(item).size() > kMaxItemCommand ||
                AddItemCommand(item).size() > kMaxItemCommand)
                __builtin_trap();
            IniWriteFor(entry);
            if (auto start = DecideRun(entry, model.m_installed, dirs))
                if (start->parameters.size() > kMaxRunParameters)
                    __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    InstallModel model = ReadInstallModel(MemoryProfile(text), "A:\\");
    ReadEveryField(model);
    if (CreateGroupCommand(model.m_strGroup).size() > 13 + kMaxGroupName + 2)
        __builtin_trap();

    // The first byte picks the setup type and the cleared boxes.
    const unsigned choice = size ? data[0] : 0;
    ComponentChoice checked;
    for (int k = 0; k < kPageComponents; ++k)
        checked[k] = (choice >> (k % 8)) & 1;
    switch (choice % 3) {
    case 0:
        ApplyTypicalFilter(model);
        break;
    case 1:
        ApplyCompactFilter(model);
        break;
    default:
        ApplyCustomFilter(model, checked);
        break;
    }

    EventList events;
    RecordingSetupMessages messages(events);
    ScriptedVersions versions;
    FakeSetupPlatform platform(events);
    FakeInstallView view(events);
    FakeProgmanChannel progman(events);
    InstallEngine engine(model, {versions, platform, messages, view, progman});
    view.paintedProgress = &engine.Progress();
    engine.InstallFiles();
    const InstallProgress& progress = engine.Progress();
    if (progress.m_nPercent < 0 || progress.m_nPercent > 100)
        __builtin_trap();
    const PixelRect outline = BarOutline(640, 480);
    const PixelRect filled = FilledPart(outline, progress.m_nPercent);
    if (filled.right < filled.left || filled.right > outline.right)
        __builtin_trap();
    return 0;
}
