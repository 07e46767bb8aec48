// Random bytes as the ten "Tools%d" values: every record stays
// zero-terminated within its field, used records come first, and a save
// followed by a load gives the same table.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/automation/testing/memory_tools_section.h"
#include "editor/automation/tool_profile.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

template <std::size_t N> void CheckTerminated(const std::array<char, N>& field)
{
    Check(ToolField(field).size() < N);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The values are the input's lines, one per key.
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    MemoryToolsSection section;
    for (int i = 0; i < kToolCount && !rest.empty(); ++i) {
        const std::size_t end = rest.find('\n');
        section.Write(ToolKey(i), rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    ToolTable table;
    LoadTools(table, section);
    const int count = table.Count();
    for (int i = 0; i < kToolCount; ++i) {
        const ToolEntry& entry = table[i];
        CheckTerminated(entry.menuText);
        CheckTerminated(entry.command);
        CheckTerminated(entry.arguments);
        CheckTerminated(entry.directory);
        Check(entry.askForArguments == 0 || entry.askForArguments == 1);
        Check(entry.IsUsed() == (i < count));
    }
    MemoryToolsSection saved;
    SaveTools(table, saved);
    ToolTable back;
    LoadTools(back, saved);
    Check(back == table);
    return 0;
}
