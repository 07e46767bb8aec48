#include "editor/app/app_title.h"

std::string MakeFrameTitle(std::string_view documentTitle)
{
    std::string title = kAppTitle;
    if (!documentTitle.empty()) {
        title += " - ";
        title += documentTitle;
    }
    return title;
}
