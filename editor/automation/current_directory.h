// The process's current directory, as the tools and the launch commands read it.
#pragma once
#include <string>

// "" when it cannot be read.
std::string CurrentDirectory();
