// Which command each wizard page posts when it closes.  The component
// filters run only on the way to the install command, so moving back and
// forth between pages never removes a file.
#pragma once
#include <cstddef>
#include <string>

#include "setup/component_filter.h"
#include "setup/install_model.h"

enum class WizardPage { Welcome, Destination, SetupType, Components };
enum class PageResult { Next, Back, Cancel };
enum class SetupKind { Typical, Compact, Custom };

// What the user chose on the Setup Type and Select Components pages.
struct PageChoices {
    SetupKind kind = SetupKind::Typical;
    ComponentChoice checked{true, true, true, true, true, true, true, true, true};
};

unsigned AfterPage(WizardPage page, PageResult result, const PageChoices& choices,
                   InstallModel& model);

// Check box k (1 to 9) of the Select Components page shows [Options] key k
// and is hidden when there is no such caption.
bool ComponentBoxShown(const InstallModel& model, int k);
std::string ComponentCaption(const InstallModel& model, int k);
