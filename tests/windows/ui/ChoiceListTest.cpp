// The list with in-row choice buttons, driven as a user drives it.

#include "res/resource.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/CChoiceListCtrl.h"
#include "ui/Dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>

namespace {

// A dialog holding a report list of 40 rows of two columns, every third row with a button.
class ChoiceList : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(nullptr));
        HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 10, 300, 150,
                                    m_dialog.Handle(), reinterpret_cast<HMENU>(500), ProgramInstance(), nullptr);
        ASSERT_TRUE(m_list.Attach(list));
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = 150;
        SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        SendMessageW(list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
        for (int row = 0; row < 40; ++row) {
            std::wstring text = L"Row " + std::to_wstring(row) + L" 0";
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = text.data();
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            if (row % 3 == 0)
                m_list.AddChoices(row, {{text, L"Row " + std::to_wstring(row) + L" 1",
                                         L"Row " + std::to_wstring(row) + L" 2"},
                                        {-1, -1, -1},
                                        0});
        }
    }
    void TearDown() override { DestroyWindow(m_dialog.Handle()); }

    std::wstring RowText(int row) const
    {
        wchar_t text[64] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(m_list.Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    void Press(int row) const { SendMessageW(m_list.ChoiceButton(row), BM_CLICK, 0, 0); }
    // What the combo box reports when the user picks entry index.
    void Pick(int index) const
    {
        SendMessageW(m_list.ChoiceCombo(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(m_list.Handle(), WM_COMMAND, MAKEWPARAM(CChoiceListCtrl::kComboId, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(m_list.ChoiceCombo()));
        SendMessageW(m_list.ChoiceCombo(), CB_SHOWDROPDOWN, FALSE, 0);
    }
    // The button's top against its row's top, in the list's client coordinates.
    bool ButtonOnItsRow(int row) const
    {
        RECT button{}, item{};
        GetWindowRect(m_list.ChoiceButton(row), &button);
        MapWindowPoints(nullptr, m_list.Handle(), reinterpret_cast<POINT*>(&button), 2);
        item.top = 1;
        item.left = LVIR_BOUNDS;
        SendMessageW(m_list.Handle(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return button.top == item.top && button.right == item.left - 2;
    }

    CDialog m_dialog{IDD_MAIN};
    CChoiceListCtrl m_list;
};

} // namespace

TEST_F(ChoiceList, APickedAlternativeIsShownAndRemembered)
{
    EXPECT_EQ(m_list.GetChoice(1), 0) << "a row without a button";
    Press(3);
    EXPECT_EQ(m_list.ComboRow(), 3);
    EXPECT_EQ(SendMessageW(m_list.ChoiceCombo(), CB_GETCOUNT, 0, 0), 3);
    Pick(2);
    EXPECT_EQ(m_list.GetChoice(3), 2);
    EXPECT_EQ(RowText(3), L"Row 3 2");
    EXPECT_EQ(GetFocus(), m_list.Handle()) << "the focus returns to the list";

    // Pressing the same row again keeps the contents and selects the choice made.
    SendMessageW(m_list.ChoiceCombo(), CBEM_DELETEITEM, 0, 0); // a rebuild would restore three entries
    Press(3);
    EXPECT_EQ(SendMessageW(m_list.ChoiceCombo(), CB_GETCOUNT, 0, 0), 2);
    SendMessageW(m_list.ChoiceCombo(), CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ChoiceList, ButtonsOnRowsBeyondTheTenthWork)
{
    ListView_EnsureVisible(m_list.Handle(), 30, FALSE);
    Press(30);
    EXPECT_EQ(m_list.ComboRow(), 30);
    Pick(1);
    EXPECT_EQ(m_list.GetChoice(30), 1);
    EXPECT_EQ(RowText(30), L"Row 30 1");
}

TEST_F(ChoiceList, ButtonsFollowTheirRowsAfterKeyboardScrolling)
{
    SetFocus(m_list.Handle());
    for (int i = 0; i < 3; ++i) {
        PostMessageW(m_list.Handle(), WM_KEYDOWN, VK_NEXT, 1);
        PostMessageW(m_list.Handle(), WM_KEYUP, VK_NEXT, 0xC0000001);
    }
    PumpMessages();
    EXPECT_GT(SendMessageW(m_list.Handle(), LVM_GETTOPINDEX, 0, 0), 0) << "the list scrolled";
    for (int row : {0, 9, 21, 39})
        EXPECT_TRUE(ButtonOnItsRow(row)) << row;
}

TEST_F(ChoiceList, ClearingRemovesEveryButton)
{
    HWND button = m_list.ChoiceButton(6);
    m_list.ClearChoices();
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(m_list.GetChoice(6), 0);
    EXPECT_EQ(m_list.ComboRow(), -1);
}
