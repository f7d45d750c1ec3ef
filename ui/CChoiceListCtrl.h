#pragma once
// A report list in which some rows carry a small drop-down button: such a row stands for a
// range of alternatives, shows one of them, and the button offers them all.

#include "ui/Handles.h"
#include "ui/SubclassedWindow.h"

#include <map>
#include <string>
#include <vector>

struct ChoiceSet {
    std::vector<std::wstring> texts;
    std::vector<int> images;  // in the list's small image list, one per text
    int shown = 0;            // the alternative the row shows
};

class CChoiceListCtrl : public CSubclassedWindow {
public:
    CChoiceListCtrl();

    // Removes every button; call before the list is filled anew.
    void ClearChoices();
    // Gives the row a button offering the set; the row's first column should show alternative 0.
    void AddChoices(int row, const ChoiceSet& choices);
    // The alternative a row shows; 0 for a row without a button.
    int GetChoice(int row) const;

    HWND ChoiceButton(int row) const;
    HWND ChoiceCombo() const { return m_combo; }
    int ComboRow() const { return m_comboRow; }

    static constexpr int kComboId = 100;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    RECT ButtonRect(int row) const;
    void PlaceButtons() const;
    void OnButton(int row);
    void OnChosen();

    BitmapHandle m_arrow;
    std::map<int, ChoiceSet> m_choices;
    std::map<int, HWND> m_buttons;
    HWND m_combo = nullptr;
    int m_comboRow = -1;
};
