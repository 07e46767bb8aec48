// Resource strings: loading, "%1".."%9" substitution and the "\n"-separated
// parts of prompts ("status prompt\ntool tip") and template descriptions.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace fw {

// The string `id` of the program's resources; empty when there is none.
std::string LoadResString(UINT id);
bool HasResString(UINT id);

// Replaces %1..%9 by the arguments; "%%" is one "%"; other text is kept.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);
std::string FormatResString(UINT id, std::initializer_list<std::string_view> args);

// Part `index` of a text whose parts are separated by "\n"; empty when it
// has fewer parts.
std::string TextPart(std::string_view text, int index);

// The file-name part of a path (after the last "\", "/" or ":").
std::string FileNamePart(std::string_view path);

} // namespace fw
