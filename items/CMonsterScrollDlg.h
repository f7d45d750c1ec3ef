#pragma once
// The Monster Viewer where the work area is too small for its form: a smaller window whose
// vertical scroll bar and mouse wheel move the form, held as a page, up and down.

#include "items/CMonsterViewerDlg.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"

class CMonsterScrollDlg : public CViewerDialog {
public:
    CMonsterScrollDlg();

    // The form; null once it is gone.
    CMonsterViewerDlg* Form() const { return m_form; }
    int ScrollPosition() const { return m_scroll; }

    static constexpr int kLineStep = 10; // pixels

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    int ClientHeight() const;
    void ScrollTo(int position);
    // Scrolls the control that has the focus into view, after keyboard navigation moved it.
    void ShowFocus();

    CMonsterViewerDlg* m_form = nullptr; // deletes itself with its window
    int m_formWidth = 0;
    int m_formHeight = 0;
    int m_scroll = 0;
};

// Opens a Monster Viewer for a work area of that size in pixels: the form as a window of its own
// when it fits, else in the scrolling frame. Returns the form, or null when it cannot be made.
CMonsterViewerDlg* OpenMonsterViewer(int workWidth, int workHeight);
// The same for the screen's work area.
CMonsterViewerDlg* OpenMonsterViewer();
