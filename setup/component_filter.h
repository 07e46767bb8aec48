// The component filters the wizard applies to the file list on its way to
// the install command.  Each removes entries from m_files for good.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "setup/install_model.h"

// The Select Components page offers components 1 to 9.
inline constexpr int kPageComponents = 9;
using ComponentChoice = std::array<bool, kPageComponents>; // [0] is component 1

// Removes every file entry of component n (field 6); the rest keep their order.
void RemoveComponent(InstallModel& model, std::int32_t n);

// Removes the components of a comma list, up to its first 0 (an empty,
// non-numeric or missing field, or a written 0).
void RemoveComponentList(InstallModel& model, std::string_view list);

void ApplyTypicalFilter(InstallModel& model);
void ApplyCompactFilter(InstallModel& model);

// Removes the entries of components 1 to 9 whose box is cleared; entries of
// other component numbers always stay.
void ApplyCustomFilter(InstallModel& model, const ComponentChoice& checked);
