#include "setup/component_filter.h"

#include <algorithm>

#include "setup/script_fields.h"

namespace {

constexpr int kComponentField = 6;

template <typename Pred> void RemoveFilesWhere(InstallModel& model, Pred leaveOut)
{
    std::erase_if(model.m_files, [&](const std::string& entry) {
        return leaveOut(GetFieldInt(entry, kComponentField));
    });
}

} // namespace

void RemoveComponent(InstallModel& model, std::int32_t n)
{
    RemoveFilesWhere(model, [n](std::int32_t component) { return component == n; });
}

void RemoveComponentList(InstallModel& model, std::string_view list)
{
    // A list has at most as many fields as commas plus one: the loop ends.
    for (int i = 0;; ++i) {
        const std::int32_t component = GetFieldInt(list, i);
        if (component == 0)
            return;
        RemoveComponent(model, component);
    }
}

void ApplyTypicalFilter(InstallModel& model)
{
    RemoveComponentList(model, model.m_strTypical);
}

void ApplyCompactFilter(InstallModel& model)
{
    RemoveComponentList(model, model.m_strMinimal);
}

void ApplyCustomFilter(InstallModel& model, const ComponentChoice& checked)
{
    RemoveFilesWhere(model, [&](std::int32_t component) {
        return component >= 1 && component <= kPageComponents && !checked[component - 1];
    });
}
