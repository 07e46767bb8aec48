// The drive and directory lists of the Edit Workset dialog: every drive with
// its label or connection, the current directory as a tree of its ancestors
// and subdirectories, each drawn with a small picture of its kind.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The names of the files (or the directories, "." and ".." left out) that
// `pattern` finds.
std::vector<std::string> FindNames(const std::string& pattern, bool directories);

// Fills the owner-drawn combo box with every drive ("c:  LABEL") and selects
// the current one.
void FillDriveList(HWND combo);
// The drive letter of a drive-list item ('c').
char DriveOfItem(HWND combo, int index);

// Fills the owner-drawn list box with the tree of `directory`: its ancestors
// from the drive root as open folders, itself as the current one, then its
// subdirectories as closed folders.
void FillDirectoryTree(HWND list, const std::string& directory);
// The directory a double click on `index` goes to, or "" for the current
// one (and for no item).
std::string DirectoryOfItem(HWND list, const std::string& directory, int index);

// Draws an item of either list (WM_DRAWITEM).
void DrawDirListItem(const DRAWITEMSTRUCT& item, bool driveList);
