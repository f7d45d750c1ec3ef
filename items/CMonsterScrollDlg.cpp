#include "items/CMonsterScrollDlg.h"
#include "items/MonsterViewerContent.h"
#include "res/resource.h"

#include <algorithm>

namespace {
constexpr UINT kShowFocus = WM_APP + 2;
constexpr int kFocusMargin = 8; // pixels kept above or below a control scrolled into view

} // namespace

CMonsterScrollDlg::CMonsterScrollDlg() : CViewerDialog(IDD_MONSTER_SCROLL) {}

BOOL CMonsterScrollDlg::OnInitDialog()
{
    const HWND window = Handle();
    SetIcons(IDI_MONSTER_VIEWER);

    m_form = new CMonsterViewerDlg(true);
    if (!m_form->Create(window)) {
        delete m_form;
        m_form = nullptr;
        return TRUE;
    }
    RECT place{};
    GetWindowRect(m_form->Handle(), &place);
    m_formWidth = place.right - place.left;
    m_formHeight = place.bottom - place.top;
    SetWindowPos(m_form->Handle(), nullptr, 0, -m_scroll, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, m_formHeight,
                    static_cast<UINT>(std::max(ClientHeight(), 0)), m_scroll, 0};
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    return TRUE;
}

int CMonsterScrollDlg::ClientHeight() const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    return client.bottom;
}

// Held between the top of the form and the place where its bottom meets the window's; a form
// lower than the window does not move at all.
void CMonsterScrollDlg::ScrollTo(int position)
{
    m_scroll = std::clamp(position, 0, std::max(m_formHeight - ClientHeight(), 0));
    SetScrollPos(Handle(), SB_VERT, m_scroll, TRUE);
    if (m_form)
        SetWindowPos(m_form->Handle(), nullptr, 0, -m_scroll, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMonsterScrollDlg::ShowFocus()
{
    const HWND focus = GetFocus();
    if (!m_form || !focus || !IsChild(m_form->Handle(), focus))
        return;
    RECT place{};
    GetWindowRect(focus, &place);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    const int height = ClientHeight();
    if (place.top < 0 || place.bottom - place.top > height)
        ScrollTo(m_scroll + place.top - kFocusMargin);
    else if (place.bottom > height)
        ScrollTo(m_scroll + place.bottom - height + kFocusMargin);
}

bool CMonsterScrollDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result)
{
    if (message == WM_NEXTDLGCTL) {
        // Tab and the mnemonics move the focus through this message: look once it has moved.
        PostMessageW(Handle(), kShowFocus, 0, 0);
        return false;
    }
    if (message == kShowFocus) {
        ShowFocus();
        result = 0;
        return true;
    }
    if (message == WM_MOUSEWHEEL) {
        ScrollTo(m_scroll - GET_WHEEL_DELTA_WPARAM(wParam) / 2);
        result = 0;
        return true;
    }
    if (message != WM_VSCROLL)
        return false;
    const int page = ClientHeight();
    switch (LOWORD(wParam)) {
    case SB_LINEUP: ScrollTo(m_scroll - kLineStep); break;
    case SB_LINEDOWN: ScrollTo(m_scroll + kLineStep); break;
    case SB_PAGEUP: ScrollTo(m_scroll - page); break;
    case SB_PAGEDOWN: ScrollTo(m_scroll + page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(m_formHeight); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(Handle(), SB_VERT, &info);
        ScrollTo(info.nTrackPos);
        break;
    }
    default: break;
    }
    result = 0;
    return true;
}

void CMonsterScrollDlg::OnDestroy() { m_form = nullptr; } // the page goes with the window

CMonsterViewerDlg* OpenMonsterViewer(int workWidth, int workHeight)
{
    if (MonsterFormFitsWorkArea(workWidth, workHeight))
        return CViewerDialog::Open<CMonsterViewerDlg>();
    CMonsterScrollDlg* frame = CViewerDialog::Open<CMonsterScrollDlg>();
    if (frame && !frame->Form()) {
        DestroyWindow(frame->Handle()); // an empty frame is no viewer
        return nullptr;
    }
    return frame ? frame->Form() : nullptr;
}

CMonsterViewerDlg* OpenMonsterViewer()
{
    RECT work{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        return OpenMonsterViewer(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return OpenMonsterViewer(work.right - work.left, work.bottom - work.top);
}
