// The resizable dialog: anchored controls follow the window, the window keeps its template's
// size at least, the grip resizes it, and its placement comes back after close and reopen.

#include "res/resource.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/CResizableDlg.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kName = L"ResizableTest";

// The Item List's template with anchors of every kind.
class AnchoredDialog : public CResizableDlg {
public:
    AnchoredDialog() : CResizableDlg(IDD_ITEM_LIST, kName) {}

protected:
    BOOL OnInitDialog() override
    {
        CResizableDlg::OnInitDialog();
        AddAnchor(IDC_ITEMLIST_ITEMS, kStretchRight | kStretchDown);
        AddAnchor(IDC_ITEMLIST_REFRESH, kMoveRight);
        AddAnchor(IDC_ITEMLIST_TOGGLE_FILTER, kMoveRight | kStretchRight);
        AddAnchor(IDC_ITEMLIST_TOGGLE_FILTER, kMoveDown); // the first flags stay
        AddAnchor(IDC_ITEMLIST_LIST_TOP, kMoveDown);
        return TRUE;
    }
};

HWND Open()
{
    AnchoredDialog* dialog = CViewerDialog::Open<AnchoredDialog>();
    return dialog ? dialog->Handle() : nullptr;
}

RECT ClientRectOf(HWND dialog, int id)
{
    RECT place{};
    GetWindowRect(GetDlgItem(dialog, id), &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

RECT WindowRect(HWND window)
{
    RECT place{};
    GetWindowRect(window, &place);
    return place;
}

void Resize(HWND window, int width, int height)
{
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
}

void Close(HWND window)
{
    SendMessageW(window, WM_CLOSE, 0, 0);
    PumpMessages();
}

std::vector<BYTE> StoredPlacement()
{
    std::vector<BYTE> data(256);
    DWORD size = static_cast<DWORD>(data.size()), type = 0;
    const std::wstring key = std::wstring(CResizableDlg::kPlacementKey) + kName;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), CResizableDlg::kPlacementValue, RRF_RT_ANY, &type, data.data(),
                     &size) != ERROR_SUCCESS || type != REG_BINARY)
        return {};
    data.resize(size);
    return data;
}

void StorePlacement(const std::vector<BYTE>& data)
{
    const std::wstring key = std::wstring(CResizableDlg::kPlacementKey) + kName;
    RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), CResizableDlg::kPlacementValue, REG_BINARY, data.data(),
                    static_cast<DWORD>(data.size()));
}

} // namespace

// Found by argument-dependent lookup, so at global scope; file-local.
static bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

TEST(ResizableDialog, AnchoredControlsFollowTheSizeByTheirFlagsAndMinimisingMovesNothing)
{
    ClearSettings();
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const RECT list = ClientRectOf(dialog, IDC_ITEMLIST_ITEMS), refresh = ClientRectOf(dialog, IDC_ITEMLIST_REFRESH),
               toggle = ClientRectOf(dialog, IDC_ITEMLIST_TOGGLE_FILTER),
               marker = ClientRectOf(dialog, IDC_ITEMLIST_LIST_TOP), combo = ClientRectOf(dialog, IDC_ITEMLIST_TYPE);
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(dialog, IDC_ITEMLIST_ITEMS), GWL_STYLE) & WS_CLIPSIBLINGS);

    const RECT before = WindowRect(dialog);
    Resize(dialog, before.right - before.left + 100, before.bottom - before.top + 60);
    EXPECT_EQ(ClientRectOf(dialog, IDC_ITEMLIST_ITEMS),
              (RECT{list.left, list.top, list.right + 100, list.bottom + 60}));
    EXPECT_EQ(ClientRectOf(dialog, IDC_ITEMLIST_REFRESH),
              (RECT{refresh.left + 100, refresh.top, refresh.right + 100, refresh.bottom}));
    EXPECT_EQ(ClientRectOf(dialog, IDC_ITEMLIST_TOGGLE_FILTER),
              (RECT{toggle.left + 100, toggle.top, toggle.right + 200, toggle.bottom}))
        << "move right and stretch add up; the second AddAnchor is ignored";
    EXPECT_EQ(ClientRectOf(dialog, IDC_ITEMLIST_LIST_TOP),
              (RECT{marker.left, marker.top + 60, marker.right, marker.bottom + 60}));
    EXPECT_EQ(ClientRectOf(dialog, IDC_ITEMLIST_TYPE), combo) << "not anchored";

    // Minimised and restored: the same places.
    const RECT grown = ClientRectOf(dialog, IDC_ITEMLIST_ITEMS);
    ShowWindow(dialog, SW_MINIMIZE);
    PumpMessages();
    ShowWindow(dialog, SW_RESTORE);
    PumpMessages();
    EXPECT_EQ(ClientRectOf(dialog, IDC_ITEMLIST_ITEMS), grown);

    // Back to the first size: back to the first places.
    Resize(dialog, before.right - before.left, before.bottom - before.top);
    EXPECT_EQ(ClientRectOf(dialog, IDC_ITEMLIST_ITEMS), list);
    EXPECT_EQ(ClientRectOf(dialog, IDC_ITEMLIST_TOGGLE_FILTER), toggle);
    Close(dialog);
    ClearSettings();
}

TEST(ResizableDialog, TheWindowDoesNotShrinkBelowItsTemplate)
{
    ClearSettings();
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const RECT first = WindowRect(dialog);
    MINMAXINFO limits{};
    SendMessageW(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, first.right - first.left);
    EXPECT_EQ(limits.ptMinTrackSize.y, first.bottom - first.top);
    Resize(dialog, 200, 100);
    const RECT shrunk = WindowRect(dialog);
    EXPECT_EQ(shrunk.right - shrunk.left, first.right - first.left);
    EXPECT_EQ(shrunk.bottom - shrunk.top, first.bottom - first.top);
    Close(dialog);
    ClearSettings();
}

TEST(ResizableDialog, TheGripSitsInTheCornerAndResizesTheDialogWithTheDiagonalCursor)
{
    ClearSettings();
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    HWND grip = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM found) {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (std::wstring(name) == CResizableDlg::kGripClass)
                *reinterpret_cast<HWND*>(found) = child;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&grip));
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(IsWindowVisible(grip));
    auto expectInCorner = [&] {
        RECT client{};
        GetClientRect(dialog, &client);
        RECT gripPlace{};
        GetWindowRect(grip, &gripPlace);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&gripPlace), 2);
        EXPECT_EQ(gripPlace, (RECT{client.right - 13, client.bottom - 13, client.right, client.bottom}));
    };
    expectInCorner();
    const RECT first = WindowRect(dialog);
    Resize(dialog, first.right - first.left + 50, first.bottom - first.top + 30);
    expectInCorner();

    SendMessageW(grip, WM_SETCURSOR, reinterpret_cast<WPARAM>(grip), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZENWSE));

    // A press on the grip reaches the dialog as one on its bottom-right sizing corner.
    static std::vector<WPARAM> s_presses;
    s_presses.clear();
    SetWindowSubclass(
        dialog,
        [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
            if (message == WM_NCLBUTTONDOWN) {
                s_presses.push_back(wParam);
                return 0; // no sizing loop in a test
            }
            return DefSubclassProc(window, message, wParam, lParam);
        },
        1, 0);
    SendMessageW(grip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(s_presses, std::vector<WPARAM>{HTBOTTOMRIGHT});
    Close(dialog);
    ClearSettings();
}

TEST(ResizableDialog, ThePlacementIsStoredAtCloseAndRestoredAtOpen)
{
    ClearSettings();
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const RECT first = WindowRect(dialog);
    const RECT moved{first.left + 31, first.top + 17, first.right + 31 + 80, first.bottom + 17 + 40};
    MoveWindow(dialog, moved.left, moved.top, moved.right - moved.left, moved.bottom - moved.top, TRUE);
    PumpMessages();
    Close(dialog);
    const std::vector<BYTE> stored = StoredPlacement();
    ASSERT_EQ(stored.size(), 44u);
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, stored.data(), sizeof placement);
    EXPECT_EQ(placement.length, 44u);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));

    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowRect(dialog), moved);

    // Closed maximised: opens maximised, and restores to the rectangle it had before.
    ShowWindow(dialog, SW_MAXIMIZE);
    PumpMessages();
    Close(dialog);
    std::memcpy(&placement, StoredPlacement().data(), sizeof placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsZoomed(dialog));
    ShowWindow(dialog, SW_RESTORE);
    PumpMessages();
    EXPECT_EQ(WindowRect(dialog), moved);

    // Closed minimised: opens where it would have been restored to, not as a button.
    ShowWindow(dialog, SW_MINIMIZE);
    PumpMessages();
    Close(dialog);
    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsIconic(dialog));
    EXPECT_EQ(WindowRect(dialog), moved);
    Close(dialog);
    ClearSettings();
}

TEST(ResizableDialog, AStoredPlacementOfAnotherSizeIsIgnored)
{
    ClearSettings();
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const RECT fresh = WindowRect(dialog);
    Close(dialog);
    std::vector<BYTE> data = StoredPlacement();
    ASSERT_EQ(data.size(), 44u);
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, data.data(), sizeof placement);
    OffsetRect(&placement.rcNormalPosition, 100, 100);
    std::memcpy(data.data(), &placement, sizeof placement);
    data.push_back(0);
    StorePlacement(data);
    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowRect(dialog), fresh) << "45 bytes are not a placement";
    Close(dialog);
    data.resize(44);
    StorePlacement(data);
    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowRect(dialog).left, fresh.left + 100) << "the same 44 bytes are";
    Close(dialog);
    ClearSettings();
}
