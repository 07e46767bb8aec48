#include "editor/view/view_text.h"

#include <algorithm>

unsigned char ViewText::At(TextPos pos) const
{
    if (pos >= Length())
        return 0;
    return static_cast<unsigned char>(PieceFrom(pos).front());
}

TextPos ViewText::LineStart(TextPos pos) const
{
    pos = std::min(pos, Length());
    while (pos > 0) {
        std::string_view piece = PieceBefore(pos);
        std::size_t lf = piece.rfind('\n');
        if (lf != std::string_view::npos)
            return pos - static_cast<TextPos>(piece.size() - lf - 1);
        pos -= static_cast<TextPos>(piece.size());
    }
    return 0;
}

TextPos ViewText::GetLine(TextPos pos, std::string& out) const
{
    out.clear();
    const TextPos length = Length();
    while (pos < length) {
        std::string_view piece = PieceFrom(pos);
        std::size_t lf = piece.find('\n');
        if (lf != std::string_view::npos) {
            out.append(piece.substr(0, lf));
            return pos + static_cast<TextPos>(lf) + 1;
        }
        out.append(piece);
        pos += static_cast<TextPos>(piece.size());
    }
    return kNoPos;
}
