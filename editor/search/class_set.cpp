#include "editor/search/class_set.h"

#include "editor/search/pattern_escape.h"

#include <optional>
#include <utility>

namespace {

// Adds every code from first to last; the bounds are compared as signed
// bytes and exchanged when they come in the wrong order.
void AddRange(ClassSet& set, unsigned char first, unsigned char last)
{
    int low = static_cast<signed char>(first);
    int high = static_cast<signed char>(last);
    if (low > high)
        std::swap(low, high);
    for (int code = low; code <= high; ++code)
        set.Add(static_cast<unsigned char>(code));
}

} // namespace

bool BuildClassSet(std::string_view pattern, std::size_t& pos, ClassSet& set)
{
    if (!IsPatternEnd(pattern, pos) && pattern[pos] == ']') {
        ++pos;
        return true;
    }
    bool first = true;
    unsigned char lastMember = 0;
    for (;;) {
        // A class that runs into the end of the pattern is reported rather
        // than silently closed: "[a-" is far more likely a typing slip.
        if (IsPatternEnd(pattern, pos))
            return false;
        char c = pattern[pos];
        if (c == ']') {
            ++pos;
            return true;
        }
        if (c == '-') {
            bool beforeClose = pos + 1 < pattern.size() && pattern[pos + 1] == ']';
            if (first || beforeClose) {
                lastMember = '-';
                set.Add(lastMember);
                ++pos;
            } else {
                if (IsPatternEnd(pattern, pos + 1))
                    return false;
                // The upper bound is taken as written: no escape there.
                unsigned char upper = static_cast<unsigned char>(pattern[pos + 1]);
                AddRange(set, lastMember, upper);
                lastMember = upper;
                pos += 2;
            }
        } else {
            std::optional<unsigned char> member = ExpandEscape(pattern, pos);
            if (!member)
                return false;
            lastMember = *member;
            set.Add(lastMember);
        }
        first = false;
    }
}
