// CMarlView: the editor window of one document.  Each view has its own
// caret, selection, scroll position, font and modes; it reaches the text
// only through its document's core and follows every change of the text,
// its own edits included, through the ChangeNotice updates of the document.  The work is split by
// concern over the view_*.cpp files: painting, caret and scrolling, motions, editing, clipboard,
// mouse, drag and drop.
#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "editor/doc/text_pos.h"
#include "editor/view/change_notice.h"
#include "editor/view/comment_walk.h"
#include "framework/handles.h"
#include "framework/view.h"

class CMarlDoc;
class MarlDocCore;
class TextBlock;
class ViewDropTarget;
class ViewJump;
class ViewNavigation;
class ViewSearch;
class ViewPrinting;

// The editor's accelerator table (every key of the editor windows), built
// from the key map; the frame translates with it.  The caller owns it.
HACCEL CreateViewAccelerators();

class CMarlView : public fw::View {
public:
    // Repeats the scrolling while the mouse stays outside with the button held.
    static constexpr UINT_PTR kAutoScrollTimer = 1;

    CMarlView();
    ~CMarlView() override;

    CMarlDoc* GetDocument() const;
    MarlDocCore& Text() const;

    // ---- Framework overrides
    void OnInitialUpdate() override;
    void OnUpdate(fw::View* sender, LPARAM hint, void* hintObject) override;
    void OnDraw(HDC dc) override;
    DWORD GetScrollStyle() const override { return WS_VSCROLL | WS_HSCROLL; }

    // ---- Operations other parts of the editor use
    void UpdateCaret();
    void MakeVisible(TextPos pos);
    void BringCaretIntoView();
    void InvalidateRange(TextPos from, TextPos to);
    // The caret at pos with its line and column, brought into view.
    void SetCaret(TextPos pos);
    void SetSelection(TextPos start, TextPos end);
    // The caret and anchor at the start of the one-based line (the last line
    // when there are fewer), column 1.
    void GoToLine(long line);

    // ---- State, read by tests and the other view features
    TextPos GetCaret() const { return m_pos.caret; }
    TextPos GetTop() const { return m_pos.top; }
    long GetCaretLine() const { return m_pos.caretLine; }
    int GetCaretColumn() const { return m_nCaretColumn; }
    TextPos GetSelStart() const { return m_pos.selStart; }
    TextPos GetSelEnd() const { return m_pos.selEnd; }
    bool HasSelection() const;
    bool IsOverwrite() const { return m_bOverwrite; }
    bool IsColouring() const { return m_bColouring; }
    bool IsShowHidden() const { return m_bShowHidden; }
    bool IsCaretHidden() const { return m_bCaretHidden; }
    ViewSearch& Search() { return *m_search; }
    ViewPrinting& Printing() { return *m_printing; }
    long GetScrollScale() const { return m_nScrollScale; }
    int GetLineHeight() const { return m_nLineHeight; }
    int GetCharWidth() const { return m_nCharWidth; }
    int GetHorizontalOffset() const { return m_nHorzOffset; }
    POINT GetCaretPoint() const { return {m_nCaretX, m_nCaretY}; }
    std::array<TextPos, kBookmarkSlots>& Bookmarks() { return m_pos.bookmarks; }
    HFONT GetFont() const { return m_font.get(); }
    // Replaces the view's font (the font command's work after the dialog).
    void ApplyFont(const LOGFONTA& font);

    // The outliner library this view loaded for Outline, and the outline
    // window it returned last: closed, then released, with the view.
    fw::Module m_hOutliner;
    HWND m_hOutlineWnd = nullptr;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;

private:
    friend class ViewDropTarget;
    // ---- marl_view.cpp: creation, focus, updates, panes, settings
    bool OnCreate();
    void OnDestroy();
    void OnSize();
    void OnSetFocus();
    void OnKillFocus();
    bool OnSetCursor(LPARAM lParam);
    void ReadFontMetrics();
    void CreateViewCaret();
    void DecideColouring();
    void ResetScrollRange();
    void ApplyNotice(const ChangeNotice& notice);
    void ResetPositions();
    void SetTop(TextPos top);
    void SetTopLine(TextPos top, long topLine);
    void RecountCaret();
    void OnUpdateLinePane(fw::CmdUI& ui);
    void OnUpdateColumnPane(fw::CmdUI& ui);
    void OnUpdateReadPane(fw::CmdUI& ui);
    void OnUpdateOverwritePane(fw::CmdUI& ui);
    void OnSettingsChanged();
    void OnChooseFont();
    void OnToggleShowHidden();
    void OnUpdateShowHidden(fw::CmdUI& ui);

    // ---- view_stored_line.cpp
    void OnGotoStoredLine();
    void OnInsertFile();
    void OnOutlineGotoLine(long line);

    // ---- view_file_at_caret.cpp
    void OnOpenFileAtCaret();

    // ---- view_lookup.cpp
    void OnOutline();
    void OnHelpOnWord();
    void CloseOutline();

    // ---- view_clipboard.cpp
    void OnAppendClipboard();

    // ---- view_paint.cpp
    void Paint(HDC dc, const RECT& clip);

    // ---- view_caret.cpp: caret geometry and scrolling
    long CaretXFor(TextPos pos) const;
    void OnVScroll(int code, int thumb);
    void OnHScroll(int code, int thumb);
    void ScrollLines(int lines);
    void MoveTopBy(long lines);
    void AfterVerticalScroll();
    void ScrollHorizontal(int code, int thumb);
    int ClientRows() const;
    // The row of pos from the top, capped just below the window; -1 above.
    int RowOf(TextPos pos) const;
    void ShowViewCaret(bool show);
    void RepaintRowsFrom(TextPos pos, bool fromCaretX);

    // ---- view_motion.cpp
    void OnMotion(UINT id);
    void OnExtend(UINT id);
    void Move(UINT motionId);
    void MoveRight();
    void MoveLeft();
    void MoveVertically(int lines);
    void MovePage(bool down);
    void MoveTextStart();
    void MoveTextEnd();
    void FinishMotion();

    // ---- view_edit.cpp
    void OnChar(unsigned char ch);
    void TypeChar(unsigned char ch);
    void DeleteSelection();
    void OnDeleteChar();
    void OnDeleteBack();
    void OnDeleteLine();
    void OnToggleOverwrite();
    void OnUndo();
    void OnRedo();
    void Replay(TextPos (MarlDocCore::*replay)(int& line));
    void RepaintAfterDelete(unsigned char deleted);
    bool IsReadOnly() const;

    // ---- view_clipboard.cpp
    void OnCopy();
    void OnCut();
    void OnPaste();
    void OnLineCopy();
    void OnLineCut();
    bool CopySelection();
    void SelectCaretLine();
    void OnUpdateNeedsSelection(fw::CmdUI& ui);
    void OnUpdateCut(fw::CmdUI& ui);
    void OnUpdateNeedsWritable(fw::CmdUI& ui);
    void OnUpdatePaste(fw::CmdUI& ui);

    // Conversions (view_convert.cpp)
    bool HandleConvertCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui);
    void OnConvert(UINT id);
    void OnReformat();
    void DropBookmarksIn(TextPos from, TextPos to);
    // Conversions that work on a selection change nothing without one, nor on
    // a read-only document.
    void OnUpdateNeedsWritableSelection(fw::CmdUI& ui);
    void OnCapitalize();
    void OnTranspose();
    void OnShift(UINT id);
    void AfterConversion(TextPos from, TextPos to, long delta, TextPos caret, TextPos selStart,
                         TextPos selEnd);

    // ---- view_mouse.cpp
    TextPos PositionAt(int x, int y) const;
    void OnLButtonDown(UINT flags, int x, int y);
    void OnMouseMove(UINT flags, int x, int y);
    void OnLButtonUp();
    void OnLButtonDblClk(UINT flags, int x, int y);
    void ExtendMouseSelection(TextPos oldCaret, bool outside);
    bool AutoScrollStep(POINT mouse);
    void OnAutoScrollTimer();

    // ---- view_dragdrop.cpp
    void StartDrag();
    void RemoveDraggedText();
    TextPos DragStart() const { return static_cast<TextPos>(m_drag[0]); }
    // Whether pos lies strictly inside text being dragged out of a view of
    // this document (a move there would delete what it inserts).
    bool IsInsideDraggedText(TextPos pos) const;
    TextPos InsertDropped(TextBlock& block);
    void RegisterDropTarget();
    void RevokeDropTarget();

    // Drag of text out of this view: start, end, caret, caret line.
    std::array<long, 4> m_drag{-1, -1, -1, -1};
    ViewPositions m_pos; // top, caret, caret line, selection, bookmarks
    long m_nTopLine = 0; // zero-based line number of top
    int m_nLineHeight = 7;
    int m_nCharWidth = 8;
    bool m_bOemFont = false;
    RECT m_client{};
    long m_nScrollScale = 1;
    bool m_bCaretHidden = false;
    bool m_bExtending = false;
    int m_nCaretX = 0;
    int m_nCaretY = 0;
    int m_nCaretColumn = 1;
    int m_nHorzOffset = 0;
    int m_nHorzPos = 0;
    bool m_bPainted = false;
    bool m_bSkipMove = false;
    bool m_bColouring = false;
    bool m_bShowHidden = false;
    TextPos m_mouseAnchor = 0;
    bool m_bCaptured = false;
    fw::Font m_font;
    LOGFONTA m_settingsFont{}; // the settings' font this window last took
    bool m_bOverwrite = false;
    int m_nTabWidth = 32;
    bool m_bHasCaret = false;
    bool m_bCaretShown = false;
    HCURSOR m_hIBeam = nullptr;
    fw::OwnedCursor m_lineCursor;
    bool m_bDraggingOut = false;
    bool m_bMouseDown = false;
    bool m_bTextLocked = false;
    unsigned char m_lastTyped = 0;
    TopCommentTracker m_comments;
    std::unique_ptr<ViewDropTarget> m_dropTarget;
    std::unique_ptr<ViewSearch> m_search;         // Find, Replace and Find next
    std::unique_ptr<ViewNavigation> m_navigation; // bookmarks, braces, select all
    std::unique_ptr<ViewJump> m_jump;             // Jump to line, last edit, paragraphs
    std::unique_ptr<ViewPrinting> m_printing;     // Print and Print preview
};
