#pragma once
// Two combo boxes that choose one record: by number (entry n is record n) and by name (sorted,
// each entry's data its record number). Choosing in one selects the same record in the other.

#include "ui/Controls.h"

#include <string>
#include <vector>

class CNumberNameCombos {
public:
    // The number list may be an extended combo box: the selection messages are the same.
    void Attach(HWND dialog, int numbersId, int namesId);
    // Fills the name list, and the number list unless it is filled otherwise (an extended one).
    void Fill(const std::vector<std::string>& names, bool fillNumbers = true) const;

    // After a choice in the number list: the record chosen (selected in the name list too), or -1.
    int OnNumberChosen() const;
    // After a choice in the name list: the record chosen (selected in the number list too), or -1.
    int OnNameChosen() const;
    // Selects the record in both lists.
    void Select(int number) const;
    // The record the number list shows, or -1.
    int Selected() const { return m_numbers.GetCurSel(); }
    int Count() const { return m_numbers.GetCount(); }

    CComboBox Numbers() const { return m_numbers; }
    CComboBox Names() const { return m_names; }

private:
    void SelectName(int number) const;

    CComboBox m_numbers;
    CComboBox m_names;
};
