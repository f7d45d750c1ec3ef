#include "ui/CChoiceListCtrl.h"
#include "res/resource.h"
#include "ui/Dialog.h"
#include "ui/MappedBitmap.h"

#include <algorithm>

namespace {
constexpr UINT kPlaceButtons = WM_APP + 1;
constexpr int kButtonWidth = 16;

bool MovesTheList(WPARAM key)
{
    switch (key) {
    case VK_DOWN: case VK_UP: case VK_NEXT: case VK_PRIOR: case VK_LEFT: case VK_RIGHT: case VK_HOME: case VK_END:
        return true;
    default:
        return false;
    }
}
} // namespace

CChoiceListCtrl::CChoiceListCtrl() : m_arrow(LoadMappedBitmap(IDB_CHOICE_ARROW, kArtMaskColour, GetSysColor(COLOR_3DFACE)))
{
}

void CChoiceListCtrl::ClearChoices()
{
    for (const auto& [row, button] : m_buttons)
        DestroyWindow(button);
    m_buttons.clear();
    m_choices.clear();
    m_comboRow = -1;
}

RECT CChoiceListCtrl::ButtonRect(int row) const
{
    RECT subitem{};
    subitem.top = 1; // subitem 1
    subitem.left = LVIR_BOUNDS;
    SendMessageW(Handle(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&subitem));
    return {subitem.left - 2 - kButtonWidth, subitem.top, subitem.left - 2, subitem.bottom};
}

void CChoiceListCtrl::AddChoices(int row, const ChoiceSet& choices)
{
    if (!Handle() || row < 0)
        return;
    if (auto old = m_buttons.find(row); old != m_buttons.end())
        DestroyWindow(old->second);
    const RECT place = ButtonRect(row);
    HWND button = CreateWindowExW(0, L"button", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_BITMAP,
                                  place.left, place.top, place.right - place.left, place.bottom - place.top, Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(row + 1)), ProgramInstance(), nullptr);
    SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_arrow.Get()));
    m_buttons[row] = button;
    m_choices[row] = choices;
    if (m_comboRow == row)
        m_comboRow = -1;
    if (!m_combo) {
        m_combo = CreateWindowExW(0, WC_COMBOBOXEXW, L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 0, 0,
                                  Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboId)),
                                  ProgramInstance(), nullptr);
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        SendMessageW(m_combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
        SendMessageW(m_combo, WM_SETFONT, SendMessageW(Handle(), WM_GETFONT, 0, 0), FALSE);
    }
}

int CChoiceListCtrl::GetChoice(int row) const
{
    auto found = m_choices.find(row);
    return found == m_choices.end() ? 0 : found->second.shown;
}

HWND CChoiceListCtrl::ChoiceButton(int row) const
{
    auto found = m_buttons.find(row);
    return found == m_buttons.end() ? nullptr : found->second;
}

void CChoiceListCtrl::PlaceButtons() const
{
    if (m_buttons.empty())
        return;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(m_buttons.size()));
    for (const auto& [row, button] : m_buttons) {
        const RECT place = ButtonRect(row);
        if (batch)
            batch = DeferWindowPos(batch, button, nullptr, place.left, place.top, 0, 0,
                                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch)
        EndDeferWindowPos(batch);
}

void CChoiceListCtrl::OnButton(int row)
{
    HWND button = ChoiceButton(row);
    const ChoiceSet& choices = m_choices[row];
    SendMessageW(button, BM_SETSTYLE, BS_PUSHBUTTON | BS_BITMAP, TRUE);

    if (m_comboRow != row) {
        SendMessageW(m_combo, CB_RESETCONTENT, 0, 0);
        for (size_t i = 0; i < choices.texts.size(); ++i) {
            COMBOBOXEXITEMW item{};
            item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
            item.iItem = static_cast<INT_PTR>(i);
            item.pszText = const_cast<wchar_t*>(choices.texts[i].c_str());
            item.iImage = item.iSelectedImage = i < choices.images.size() ? choices.images[i] : -1;
            item.lParam = static_cast<LPARAM>(i);
            SendMessageW(m_combo, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        SendMessageW(m_combo, CB_SETCURSEL, static_cast<WPARAM>(choices.shown), 0);
        m_comboRow = row;
    }

    // The closed part covers the row up to its button, so the list drops just below the row.
    RECT client{}, closed{};
    GetClientRect(Handle(), &client);
    GetWindowRect(m_combo, &closed); // a combo box's window is as high as its closed part
    const RECT beside = ButtonRect(row);
    const int closedHeight = closed.bottom - closed.top;
    const int dropped = std::min(16 * static_cast<int>(choices.texts.size()), 100);
    SetWindowPos(m_combo, HWND_TOP, client.left, beside.bottom - closedHeight, beside.right - client.left,
                 closedHeight + dropped, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetFocus(m_combo);
    SendMessageW(m_combo, CB_SHOWDROPDOWN, TRUE, 0);
}

void CChoiceListCtrl::OnChosen()
{
    auto found = m_choices.find(m_comboRow);
    if (found == m_choices.end())
        return;
    const LRESULT selected = SendMessageW(m_combo, CB_GETCURSEL, 0, 0);
    COMBOBOXEXITEMW chosen{};
    chosen.mask = CBEIF_LPARAM;
    chosen.iItem = selected;
    if (selected < 0 || !SendMessageW(m_combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&chosen)))
        return;
    ChoiceSet& choices = found->second;
    const int index = static_cast<int>(chosen.lParam);
    if (index < 0 || index >= static_cast<int>(choices.texts.size()))
        return;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = m_comboRow;
    item.pszText = choices.texts[static_cast<size_t>(index)].data();
    item.iImage = static_cast<size_t>(index) < choices.images.size() ? choices.images[static_cast<size_t>(index)] : -1;
    SendMessageW(Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    choices.shown = index;
    SetFocus(Handle());
}

bool CChoiceListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND: {
        const HWND from = reinterpret_cast<HWND>(lParam);
        if (from == m_combo) {
            if (HIWORD(wParam) == CBN_SELENDOK)
                OnChosen();
            if (HIWORD(wParam) == CBN_CLOSEUP)
                ShowWindow(m_combo, SW_HIDE);
            result = 0;
            return true;
        }
        // Every row's button works, not only the first ten.
        for (const auto& [row, button] : m_buttons)
            if (button == from && HIWORD(wParam) == BN_CLICKED) {
                OnButton(row);
                result = 0;
                return true;
            }
        return false;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        result = Default(message, wParam, lParam);
        PlaceButtons();
        return true;
    case WM_KEYDOWN:
        if (wParam == VK_ADD) { // the keypad's "+" would widen every column
            result = 0;
            return true;
        }
        [[fallthrough]];
    case WM_KEYUP:
        if (MovesTheList(wParam))
            PostMessageW(Handle(), kPlaceButtons, 0, 0);
        return false;
    case kPlaceButtons:
        PlaceButtons();
        result = 0;
        return true;
    default:
        return false;
    }
}
