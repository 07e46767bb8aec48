// The name of the editor's private profile: the executable's base name with
// the extension ".INI". Handed to the platform as a bare name, the file lies
// in the Windows directory.
#pragma once
#include <string>
#include <string_view>

// "C:\\TOOLS\\MARL.EXE" gives "MARL.INI"; so does "marl" without extension.
std::string ProfileFileName(std::string_view executablePath);
