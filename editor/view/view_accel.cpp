// The editor's accelerator table from the key map.
#include "editor/view/marl_view.h"

#include <vector>

#include "editor/view/key_map.h"

HACCEL CreateViewAccelerators()
{
    std::vector<ACCEL> table;
    for (const KeyBinding& binding : EditorKeyMap()) {
        ACCEL accel{};
        // The key map's modifier bits are the platform's FSHIFT, FCONTROL, FALT.
        accel.fVirt = static_cast<BYTE>(FVIRTKEY | binding.modifiers);
        accel.key = binding.key;
        accel.cmd = binding.command;
        table.push_back(accel);
    }
    return CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}
