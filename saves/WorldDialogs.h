#pragma once
// What the World Info windows share: where an item's double click and their messages go, and
// the sorting of their lists by a click on a column header.

#include "ui/CExtListCtrl.h"
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

// The sort of an extended list whose rows' data are indexes of the content they were filled
// from; textOf(data, column) gives a cell's text. Numbers sort as numbers (empty cells after
// them), other texts alphabetically without regard to case; equal cells keep their fill order.
CExtListCtrl::SortCallback SortByCellText(std::function<std::string(LPARAM data, int column)> textOf);
