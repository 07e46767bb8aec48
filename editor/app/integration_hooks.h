// The editor's links to other programs' data, offered to the application:
// the tip of the day at start-up.
#pragma once
#include <string>

#include "editor/app/frame_hooks.h"

class CTipOfTheDay : public TipHook {
public:
    // `tipsFile` defaults to the one beside the program.
    explicit CTipOfTheDay(std::string tipsFile = {}) : m_tipsFile(std::move(tipsFile)) {}
    void ShowTip() override;

private:
    std::string m_tipsFile;
};
