// The "Print" page of the option sheet.  It edits its own copy of the print
// settings: the sheet copies them in before it opens and takes them back
// (and into the profile) on OK.
#pragma once
#include "editor/base/options_print.h"
#include "framework/property_sheet.h"

class CPrintOptionsPage : public fw::PropertyPage {
public:
    explicit CPrintOptionsPage(const CPrintOptions& options);

    CPrintOptions m_options;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
};
