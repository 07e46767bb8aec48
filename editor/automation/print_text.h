// The printed page header and footer: their placeholders expanded for the
// view being printed, with the user's regional date and time forms.
#pragma once
#include <string>
#include <string_view>

#include "editor/automation/print_forms.h"

class CMarlView;

// "iDate", "sDate", "iTime" and "sTime" of the current user's
// "Control Panel\International"; a missing value stays empty.
RegionalForms ReadRegionalForms();

// `text` with File, FileName, FileDir, Page, Date, Time, FileDate and
// FileTime expanded; `text` itself when the expansion fails.
std::string ExpandPrintText(std::string_view text, const CMarlView* view, int page);
