// The document's text as the view-side cores read it (pieces around the
// gap).  The text must be locked while the pieces are in use.
#pragma once
#include "editor/doc/marl_doc_core.h"
#include "editor/view/view_text.h"

class DocViewText final : public ViewText {
public:
    explicit DocViewText(const MarlDocCore& doc) : m_doc(doc) {}
    TextPos Length() const override { return m_doc.GetLength(); }
    std::string_view PieceFrom(TextPos pos) const override { return m_doc.PieceFrom(pos); }
    std::string_view PieceBefore(TextPos pos) const override { return m_doc.PieceBefore(pos); }

private:
    const MarlDocCore& m_doc;
};
