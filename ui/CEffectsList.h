#pragma once
// A list of effects, each entry a state mark (9 x 9) followed by its text: an owner-drawn list
// box of the template that draws itself. An entry's data is its mark's number.

#include "gamedata/Image.h"
#include "ui/Controls.h"
#include "ui/Handles.h"
#include "ui/SubclassedWindow.h"

#include <string>
#include <vector>

class CEffectsList : public CSubclassedWindow {
public:
    static constexpr int kRowHeight = 14;
    static constexpr int kMarkSide = 9;

    // Takes over the dialog's owner-drawn list box (fixed height, with strings) and draws its
    // entries with the marks (cells of kMarkSide pixels, copied as they are).
    bool Attach(HWND dialog, int id, const ImageList& marks);
    // Replaces the entries with those of a range of {text, icon} (the icon: the mark's number).
    template <typename Entries>
    void Fill(const Entries& entries) const
    {
        const CListBox list = List();
        list.SetRedraw(false);
        list.ResetContent();
        for (const auto& entry : entries) {
            const int at = list.AddString(entry.text);
            if (at >= 0)
                list.SetItemData(at, entry.icon);
        }
        list.SetRedraw(true);
        list.Invalidate();
    }
    CListBox List() const { return CListBox(Handle()); }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;

    BitmapHandle m_marks;
    int m_markCount = 0;
};
