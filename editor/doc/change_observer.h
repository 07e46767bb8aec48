// How the document tells its views about each change of its text.
#pragma once
#include "editor/doc/text_pos.h"

#include <cstdint>

// One change: where the text changed, by how many bytes (negative: removed
// from `position` on; 0: bytes replaced in place) and by how many line feeds.
struct ChangeNotice {
    TextPos position = 0;
    std::int32_t delta = 0;
    std::int32_t lineDelta = 0;
};

// Told after every change, once the text and its line count are current:
// an edit, each step of a replayed undo or redo record, each step of a bulk
// change; and when the whole text is loaded again or emptied.
class ChangeObserver {
public:
    virtual void TextChanged(const ChangeNotice& notice) = 0;
    virtual void TextReset() = 0;

protected:
    ~ChangeObserver() = default;
};
