// The search history the editor windows record into and repeat from: the
// drop-down list on the main toolbar, newest entry on top and selected, with
// an option word per entry, and a counter of the strings ever added.
#pragma once
#include <windows.h>

#include <string>

enum SearchOption : int {
    kSearchUp = 1,
    kSearchDown = 2,
    kSearchWholeWord = 4,
    kSearchMatchCase = 8,
    kSearchRegex = 16,
};

class SearchHistory {
public:
    // Over a drop-down list box; the counter is the owner's.
    SearchHistory(HWND box, int& counter) : m_box(box), m_counter(counter) {}

    // Puts text on top with its option word (an entry equal but for case
    // goes); the counter grows when the text was not there before.
    void Record(const std::string& text, int options);
    // The selected entry; false when there is none.
    bool Current(std::string& text, int& options) const;
    // Moves the selected entry to the top (the list's selection changed).
    void MoveSelectedToTop();
    int Count() const { return m_counter; }

    // The history of the main frame, or null before it exists.
    static SearchHistory* Get();
    static void Set(SearchHistory* history);

private:
    void Insert(const std::string& text, int options);

    HWND m_box;
    int& m_counter;
};
