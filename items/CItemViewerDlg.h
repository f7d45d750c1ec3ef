#pragma once
// The Item Viewer: one item at a time with every field in its long form, chosen from two lists
// or found by a part of its name, and the text an item carries, plain and in the game's font.
// The main window opens it modeless (it then owns itself); other windows open it modal on an
// item (SetItem, SetModal, DoModal; or ShowModal).

#include "ui/CEffectsList.h"
#include "ui/CHelpTip.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/NumberNameCombos.h"

#include <functional>
#include <string>
#include <vector>

class CItemViewerDlg : public CViewerDialog {
public:
    CItemViewerDlg();

    // The item shown first; set before the window is made.
    void SetItem(int number) { m_current = number; }
    // Closing then ends the modal run instead of destroying a window that owns its object.
    void SetModal(bool modal) { m_modal = modal; }
    // Shows item number modally over owner.
    static INT_PTR ShowModal(HWND owner, int number);

    // Where "Item not found." goes; by default a message box over the viewer.
    void SetReporter(std::function<void(const wchar_t* text)> report) { m_report = std::move(report); }

    int Current() const { return m_current; }
    bool IsWide() const { return m_wide; }
    HWND HelpTip() const { return m_help.Handle(); }
    HBITMAP TextBitmap() const { return m_textBitmap.Get(); }

    static constexpr UINT_PTR kHelpTimer = CHelpTip::kTimer;
    static constexpr UINT kHelpMilliseconds = 20000;
    static constexpr int kEffectRowHeight = CEffectsList::kRowHeight;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR timer) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void FillLists();
    void BindControls();
    void OnNumberChosen();
    // Searches by name from m_current on, one item at a time by step.
    void Search(int step);
    void ShowItem(int number);
    // Shows or hides the text of the item shown, as the check box says.
    void UpdateItemText();
    void Report(const wchar_t* text) const;

    bool m_modal = false;
    int m_current = -1;
    bool m_wide = false;
    bool m_itemShown = false;
    bool m_hasText = false; // the item shown carries a text: message m_textNumber
    int m_textNumber = 0;
    COLORREF m_regenColor, m_armorClassColor, m_toHitColor, m_initiativeColor;
    CNumberNameCombos m_lists;
    CComboBoxEx m_numbers;
    CButton m_showText;
    CTextControl m_text;
    CEffectsList m_effects;
    CHelpTip m_help;
    BitmapHandle m_helpBitmap;
    BitmapHandle m_textBitmap;
    CScrollPictureWnd m_textPicture;
    std::function<void(const wchar_t*)> m_report;
};
