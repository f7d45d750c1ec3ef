#include "ui/CResizableDlg.h"

#include <algorithm>

namespace {

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

bool IsMinimisedShow(UINT show) { return show == SW_SHOWMINIMIZED || show == SW_MINIMIZE || show == SW_SHOWMINNOACTIVE; }

} // namespace

CResizableDlg::CResizableDlg(int templateId, std::wstring placementName)
    : CViewerDialog(templateId), m_placementName(std::move(placementName))
{
}

CResizableDlg::~CResizableDlg() = default;

void CResizableDlg::AddAnchor(int id, uint8_t flags)
{
    m_anchors.emplace(static_cast<uint32_t>(id), flags);
    if (HWND control = Item(id))
        SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | WS_CLIPSIBLINGS);
}

BOOL CResizableDlg::OnInitDialog()
{
    const BOOL result = CViewerDialog::OnInitDialog();
    if (!m_minimumWindow.cx && !m_minimumWindow.cy) {
        RECT window{};
        GetWindowRect(Handle(), &window);
        m_minimumWindow = {window.right - window.left, window.bottom - window.top};
    }
    if (!m_initialClient.cx && !m_initialClient.cy)
        m_initialClient = m_lastClient = ClientSize(Handle());
    return result;
}

void CResizableDlg::OnFirstShow()
{
    m_firstShowPending = false;
    if (!m_placementName.empty())
        LoadPlacement();
    WNDCLASSEXW gripClass{};
    gripClass.cbSize = sizeof gripClass;
    if (!GetClassInfoExW(ProgramInstance(), kGripClass, &gripClass)) {
        gripClass.style = CS_DBLCLKS;
        gripClass.lpfnWndProc = DefWindowProcW;
        gripClass.hInstance = ProgramInstance();
        gripClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        gripClass.lpszClassName = kGripClass;
        RegisterClassExW(&gripClass);
    }
    const SIZE client = ClientSize(Handle());
    HWND grip = CreateWindowExW(0, kGripClass, L"", WS_CHILD | WS_VISIBLE, client.cx - kGripSize,
                                client.cy - kGripSize, kGripSize, kGripSize, Handle(), nullptr, ProgramInstance(),
                                nullptr);
    // Above the controls, so that a status bar's own grip does not cover it.
    SetWindowPos(grip, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_grip.Attach(grip);
}

void CResizableDlg::OnSize(UINT, int width, int height)
{
    if (width == 0 && height == 0)
        return; // minimised
    if (!m_initialClient.cx && !m_initialClient.cy)
        m_initialClient = m_lastClient = {width, height};
    if (m_grip.Handle())
        SetWindowPos(m_grip.Handle(), nullptr, width - kGripSize, height - kGripSize, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (width == m_lastClient.cx && height == m_lastClient.cy)
        return;
    const int dx = width - m_lastClient.cx, dy = height - m_lastClient.cy;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(m_anchors.size()));
    for (const auto& [id, flags] : m_anchors) {
        HWND control = Item(static_cast<int>(id));
        if (!control || !batch)
            continue;
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
        if (flags & kMoveRight) {
            place.left += dx;
            place.right += dx;
        }
        if (flags & kStretchRight)
            place.right += dx;
        if (flags & kStretchDown)
            place.bottom += dy;
        if (flags & kMoveDown) {
            place.top += dy;
            place.bottom += dy;
        }
        batch = DeferWindowPos(batch, control, nullptr, place.left, place.top, place.right - place.left,
                               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch)
        EndDeferWindowPos(batch);
    m_lastClient = {width, height};
}

void CResizableDlg::OnDestroy()
{
    if (!m_placementName.empty())
        SavePlacement();
}

bool CResizableDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam && m_firstShowPending)
            OnFirstShow();
        return false;
    case WM_WINDOWPOSCHANGED:
        if ((reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) && m_firstShowPending)
            OnFirstShow();
        return false;
    case WM_GETMINMAXINFO:
        if (m_minimumSizeOn && (m_minimumWindow.cx || m_minimumWindow.cy)) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {m_minimumWindow.cx, m_minimumWindow.cy};
            result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void CResizableDlg::LoadPlacement()
{
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, PlacementKey().c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS &&
        RegOpenKeyExW(HKEY_CURRENT_USER, PlacementKey().c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return;
    RegistryKey key(opened);
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), kPlacementValue, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size != sizeof(WINDOWPLACEMENT))
        return;
    WINDOWPLACEMENT placement{};
    if (RegQueryValueExW(key.Get(), kPlacementValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&placement),
                         &size) != ERROR_SUCCESS)
        return;
    placement.length = sizeof placement;
    // A viewer closed while minimised opens where it would have been restored to.
    if (IsMinimisedShow(placement.showCmd))
        placement.showCmd = (placement.flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    SetWindowPlacement(Handle(), &placement);
}

void CResizableDlg::SavePlacement()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(Handle(), &placement))
        return;
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, PlacementKey().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegistryKey key(opened);
    RegSetValueExW(key.Get(), kPlacementValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&placement),
                   sizeof placement);
}

bool CResizableDlg::CSizeGrip::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (HandlePaint(message, result))
        return true;
    const HWND dialog = GetParent(Handle());
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE: {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(Handle(), &point);
        SendMessageW(dialog, message == WM_LBUTTONDOWN ? WM_NCLBUTTONDOWN : WM_NCMOUSEMOVE, HTBOTTOMRIGHT,
                     MAKELPARAM(point.x, point.y));
        result = 0;
        return true;
    }
    case WM_SETCURSOR:
        result = SendMessageW(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog),
                              MAKELPARAM(HTBOTTOMRIGHT, HIWORD(lParam)));
        return true;
    default:
        return false;
    }
}

void CResizableDlg::CSizeGrip::Paint(HDC dc) const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    // Three groups of diagonal lines a third of the width apart: a highlight line over two shadow
    // lines, the face colour between the groups.
    const int side = client.right, step = std::max(side / 3, 3);
    PenHandle highlight(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DHIGHLIGHT)));
    PenHandle shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW)));
    for (int offset = step; offset <= side; offset += step)
        for (int line = 0; line < 3; ++line) {
            SelectGuard pen(dc, line == 0 ? highlight.Get() : shadow.Get());
            const int at = side - offset + line;
            MoveToEx(dc, side, at, nullptr);
            LineTo(dc, at, side);
        }
}
