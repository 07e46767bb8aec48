#include "editor/view/key_map.h"

#include "editor/res/resource.h"

#include <array>

namespace {

using namespace vk;

constexpr std::uint8_t S = kShift, C = kControl, A = kAlt, N = kNoModifier;
constexpr std::uint8_t CS = kControl | kShift;

constexpr std::array<KeyBinding, 70> kEditorKeys = {{
    // Motions
    {Right, N, ID_CHAR_RIGHT},
    {Left, N, ID_CHAR_LEFT},
    {Up, N, ID_LINE_UP},
    {Down, N, ID_LINE_DOWN},
    {Next, N, ID_PAGE_DOWN},
    {Prior, N, ID_PAGE_UP},
    {Home, N, ID_LINE_START},
    {End, N, ID_LINE_END},
    {Left, C, ID_WORD_LEFT},
    {Right, C, ID_WORD_RIGHT},
    {Home, C, ID_TEXT_START},
    {End, C, ID_TEXT_END},
    {Up, A, ID_PARAGRAPH_PREVIOUS},
    {Down, A, ID_PARAGRAPH_NEXT},
    // Extending motions
    {Right, S, ID_EXTEND_CHAR_RIGHT},
    {Left, S, ID_EXTEND_CHAR_LEFT},
    {Up, S, ID_EXTEND_LINE_UP},
    {Down, S, ID_EXTEND_LINE_DOWN},
    {Next, S, ID_EXTEND_PAGE_DOWN},
    {Prior, S, ID_EXTEND_PAGE_UP},
    {Home, S, ID_EXTEND_LINE_START},
    {End, S, ID_EXTEND_LINE_END},
    {Left, CS, ID_EXTEND_WORD_LEFT},
    {Right, CS, ID_EXTEND_WORD_RIGHT},
    {Home, CS, ID_EXTEND_TEXT_START},
    {End, CS, ID_EXTEND_TEXT_END},
    // Editing
    {Delete, N, ID_DELETE_CHAR},
    {Back, N, ID_DELETE_BACK},
    {Letter('Y'), C, ID_DELETE_LINE},
    {Insert, N, ID_TOGGLE_OVERWRITE},
    {Letter('C'), C, ID_EDIT_COPY},
    {Insert, C, ID_EDIT_COPY},
    {Letter('X'), C, ID_EDIT_CUT},
    {Delete, S, ID_EDIT_CUT},
    {Letter('V'), C, ID_EDIT_PASTE},
    {Insert, S, ID_EDIT_PASTE},
    {Letter('B'), C, ID_CLIPBOARD_APPEND},
    {Add, N, ID_LINE_COPY},
    {Subtract, N, ID_LINE_CUT},
    {Left, A, ID_SHIFT_LEFT},
    {Tab, S, ID_SHIFT_LEFT},
    {Right, A, ID_SHIFT_RIGHT},
    {Letter('F'), C, ID_SELECT_ALL},
    {Letter('C'), A, ID_CAPITALIZE_WORD},
    {Letter('T'), C, ID_TRANSPOSE_CHARS},
    {F5, A, ID_OPEN_FILE_AT_CARET},
    {Letter('Z'), C, ID_EDIT_UNDO},
    {Back, A, ID_EDIT_UNDO},
    {Letter('A'), C, ID_EDIT_REDO},
    {Back, S, ID_EDIT_REDO},
    // Document and printing
    {Letter('N'), C, ID_FILE_NEW},
    {Letter('O'), C, ID_FILE_OPEN},
    {Letter('S'), C, ID_FILE_SAVE},
    {Letter('P'), C, ID_FILE_PRINT},
    {Return, A, ID_FILE_PROPERTIES},
    // Search and navigation
    {F3, A, ID_EDIT_FIND},
    {F3, C, ID_FIND_NEXT},
    {Letter('E'), C, ID_LAST_EDIT},
    {Letter('L'), C, ID_GOTO_LINE},
    {Letter('M'), C, ID_MATCH_BRACE},
    {F2, N, ID_BOOKMARK_NEXT},
    {F2, S, ID_BOOKMARK_PREVIOUS},
    {F2, C, ID_BOOKMARK_TOGGLE},
    // Macros, outline, help, panes
    {F11, N, ID_MACRO_RECORD},
    {F12, N, ID_MACRO_PLAY},
    {Letter('W'), C, ID_OUTLINE},
    {F1, N, ID_HELP},
    {F1, S, ID_CONTEXT_HELP},
    {F6, N, ID_NEXT_PANE},
    {F6, S, ID_PREV_PANE},
}};

constexpr std::array<KeyBinding, 3> kPreviewKeys = {{
    {Next, N, ID_PREVIEW_NEXT},
    {Prior, N, ID_PREVIEW_PREV},
    {Escape, N, ID_PREVIEW_CLOSE},
}};

// The array above is sized by hand; an unfilled slot would be a zero key.
constexpr bool AllFilled(std::span<const KeyBinding> map)
{
    for (const KeyBinding& b : map)
        if (b.key == 0 || b.command == 0)
            return false;
    return true;
}

static_assert(AllFilled(kEditorKeys) && AllFilled(kPreviewKeys));

} // namespace

std::span<const KeyBinding> EditorKeyMap()
{
    return {kEditorKeys.data(), kEditorKeys.size()};
}

std::span<const KeyBinding> PreviewKeyMap()
{
    return kPreviewKeys;
}

std::uint16_t CommandForKey(std::span<const KeyBinding> map, std::uint16_t key,
                            std::uint8_t modifiers)
{
    for (const KeyBinding& b : map)
        if (b.key == key && b.modifiers == modifiers)
            return b.command;
    return 0;
}
