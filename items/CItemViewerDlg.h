#pragma once
// The Item Viewer: one item at a time with every field in its long form, chosen from two lists
// or found by a part of its name, and the text an item carries, plain and in the game's font.
// The main window opens it modeless (it then owns itself); other windows open it modal on an
// item (SetItem, SetModal, DoModal; or ShowModal).

#include "ui/CHelpTip.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"

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
    static constexpr int kEffectRowHeight = 14;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR timer) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnDrawItem(int id, DRAWITEMSTRUCT* item) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void FillLists();
    void OnNumberSelected();
    void OnNameSelected();
    // Searches by name from m_current on, one item at a time by step.
    void Search(int step);
    void SelectName(int number);
    void ShowItem(int number);
    void UpdateItemText(int number);
    void Report(const wchar_t* text) const;

    void CreateHelpTip();

    bool m_modal = false;
    int m_current = -1;
    bool m_wide = false;
    COLORREF m_regenColor, m_armorClassColor, m_toHitColor, m_initiativeColor;
    std::vector<std::string> m_effectTexts; // of list 1057, entry by entry
    IconHandle m_icon;
    IconHandle m_smallIcon;
    CHelpTip m_help;
    BitmapHandle m_helpBitmap;
    BitmapHandle m_stateIcons; // the 9 x 9 state marks side by side
    BitmapHandle m_textBitmap;
    CScrollPictureWnd m_textPicture;
    std::function<void(const wchar_t*)> m_report;
};
