#include "setup/wizard_flow.h"

#include "setup/res/resource.h"

namespace {

unsigned AfterSetupType(PageResult result, const PageChoices& choices, InstallModel& model)
{
    if (result == PageResult::Cancel)
        return ID_APP_EXIT;
    if (result == PageResult::Back)
        return ID_WIZARD_DESTINATION;
    switch (choices.kind) {
    case SetupKind::Typical:
        ApplyTypicalFilter(model);
        return ID_WIZARD_INSTALL;
    case SetupKind::Compact:
        ApplyCompactFilter(model);
        return ID_WIZARD_INSTALL;
    case SetupKind::Custom:
        break;
    }
    return ID_WIZARD_COMPONENTS;
}

} // namespace

unsigned AfterPage(WizardPage page, PageResult result, const PageChoices& choices,
                   InstallModel& model)
{
    switch (page) {
    case WizardPage::Welcome:
        return result == PageResult::Next ? ID_WIZARD_DESTINATION : ID_APP_EXIT;
    case WizardPage::Destination:
        if (result == PageResult::Next)
            return ID_WIZARD_SETUPTYPE;
        return result == PageResult::Back ? ID_WIZARD_WELCOME : ID_APP_EXIT;
    case WizardPage::SetupType:
        return AfterSetupType(result, choices, model);
    case WizardPage::Components:
        if (result == PageResult::Next) {
            ApplyCustomFilter(model, choices.checked);
            return ID_WIZARD_INSTALL;
        }
        return result == PageResult::Back ? ID_WIZARD_SETUPTYPE : ID_APP_EXIT;
    }
    return ID_APP_EXIT;
}

bool ComponentBoxShown(const InstallModel& model, int k)
{
    return k >= 1 && k <= kPageComponents && static_cast<std::size_t>(k) <= model.m_options.size();
}

std::string ComponentCaption(const InstallModel& model, int k)
{
    return ComponentBoxShown(model, k) ? model.m_options[static_cast<std::size_t>(k) - 1]
                                       : std::string();
}
