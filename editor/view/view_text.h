// What a view needs to read of its document's text: the length and the
// bytes in contiguous pieces (a gap buffer hands out at most two).  The
// document implements it; tests use plain strings.
#pragma once
#include "editor/doc/text_pos.h"

#include <string>
#include <string_view>

class ViewText {
public:
    virtual ~ViewText() = default;
    virtual TextPos Length() const = 0;
    // The contiguous bytes starting at `pos` (pos < Length); never empty.
    virtual std::string_view PieceFrom(TextPos pos) const = 0;
    // The contiguous bytes ending just before `pos` (0 < pos <= Length);
    // never empty.
    virtual std::string_view PieceBefore(TextPos pos) const = 0;

    // The byte at pos, or 0 outside the text.
    unsigned char At(TextPos pos) const;
    // Start of the line that holds pos (pos clamped to the length).
    TextPos LineStart(TextPos pos) const;
    // Copies the bytes from pos up to the next line feed into `out`; returns
    // the position after that line feed, or kNoPos when the text ended first.
    TextPos GetLine(TextPos pos, std::string& out) const;
};

// A text held in one string; the text must outlive it.
class StringViewText : public ViewText {
public:
    explicit StringViewText(std::string_view text) : m_text(text) {}
    TextPos Length() const override { return static_cast<TextPos>(m_text.size()); }
    std::string_view PieceFrom(TextPos pos) const override { return m_text.substr(pos); }
    std::string_view PieceBefore(TextPos pos) const override { return m_text.substr(0, pos); }

private:
    std::string_view m_text;
};
