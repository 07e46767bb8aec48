// Identifiers of the editor window's Find and Replace dialogs.
#pragma once

#define IDD_FIND_REGEX 1540
#define IDD_REPLACE_REGEX 1541
// The templates' own check box beside the platform's controls.
#define IDC_REGULAR_EXPRESSION 1026
