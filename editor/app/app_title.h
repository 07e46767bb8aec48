// Window titles of the editor.
#pragma once
#include <string>
#include <string_view>

inline constexpr char kAppTitle[] = "Trelvan EDIT for Windows";

// The main frame's caption: the application title, followed by the active
// document's title when there is one.
std::string MakeFrameTitle(std::string_view documentTitle);
