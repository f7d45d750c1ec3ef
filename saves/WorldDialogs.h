#pragma once
// What the World Info windows share: where an item's double click and their messages go, and
// the sorting of their lists by a click on a column header.

#include "ui/Controls.h"

#include <functional>
#include <string>

struct WorldHooks {
    // Opens the Item Viewer, modal over owner, on an item; by default the Item Viewer itself.
    std::function<void(HWND owner, int item)> openItem;
    // Shows a hint; by default a message box with the information icon over owner.
    std::function<void(HWND owner, const std::string& text)> report;

    void OpenItem(HWND owner, int item) const;
    void Report(HWND owner, const std::string& text) const;
};

// The hint of an item the party has not identified.
inline constexpr const char* kNotIdentified = "Item was not identified by your characters!";

// Sorts a list by one column; a second click on the same column reverses the order. The rows'
// data are indexes of the content they were filled from; textOf(data, column) gives a cell's
// text. Numbers sort as numbers, other texts alphabetically without regard to case.
class CListSorter {
public:
    using TextOf = std::function<std::string(LPARAM data, int column)>;
    void Sort(const CListView& list, int column, const TextOf& textOf);
    void Reset() { m_column = -1; }

private:
    int m_column = -1;
    bool m_ascending = true;
};
