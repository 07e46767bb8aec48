// What the editor window's Outline (Ctrl+W) and help on the word at the
// caret (F1) ask of the program: the application implements it with the
// outliner libraries and the help files; without one both do nothing.
#pragma once
#include <string>

class CMarlView;

class ViewLookupOwner {
public:
    virtual ~ViewLookupOwner() = default;
    // `documentPath` gives the extension that chooses the help files.
    virtual void ShowHelpForWord(const std::string& word, const std::string& documentPath) = 0;
    virtual void ShowOutline(CMarlView& view) = 0;
};
