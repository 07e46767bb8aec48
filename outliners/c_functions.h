// The function definitions of a C or C++ source text, for the outline
// window: names (qualified as written, "Class::Method") and the one-based
// line of each name.  Comments, strings, character constants and
// preprocessor lines are skipped; namespace, class and extern "C" blocks
// are looked into, function bodies and initialisers are not.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct FunctionEntry {
    std::string name;
    int line = 0;
    friend bool operator==(const FunctionEntry&, const FunctionEntry&) = default;
};

std::vector<FunctionEntry> FindFunctions(std::string_view text);
