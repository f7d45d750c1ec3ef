#include "ui/Dialog.h"
#include "ui/WinText.h"
#include "ui/WindowFailure.h"

#include <vector>

namespace {
constexpr wchar_t kObjectProperty[] = L"Tallowmark.Dialog";
} // namespace

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

CDialog::~CDialog()
{
    if (m_hwnd) {
        // An object that goes before its window leaves no pointer behind.
        RemovePropW(m_hwnd, kObjectProperty);
        SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
        HWND window = m_hwnd;
        m_hwnd = nullptr;
        DestroyWindow(window);
    }
}

INT_PTR CDialog::DoModal(HWND owner)
{
    m_modal = true;
    m_endModal = false;
    m_result = -1;
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    HWND window = CreateDialogParamW(ProgramInstance(), MAKEINTRESOURCEW(m_templateId), owner, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (window) {
        ShowWindow(window, SW_SHOW);
        MSG message;
        while (!m_endModal && m_hwnd) {
            BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam)); // leave the quit for the outer loop
                break;
            }
            if (got < 0)
                break;
            if (!RouteDialogMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    if (owner)
        SetActiveWindow(owner);
    m_modal = false;
    return m_result;
}

bool CDialog::Create(HWND owner)
{
    m_modal = false;
    HWND window = CreateDialogParamW(ProgramInstance(), MAKEINTRESOURCEW(m_templateId), owner, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (!window)
        return false;
    ShowWindow(window, SW_SHOW);
    return true;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_result = result;
    m_endModal = true;
    if (m_hwnd)
        PostMessageW(m_hwnd, WM_NULL, 0, 0); // wakes the modal loop
}

void CDialog::SetItemText(int id, std::string_view text) const { SetDlgItemTextW(m_hwnd, id, Widen(text).c_str()); }

void CDialog::SetItemText(int id, const wchar_t* text) const { SetDlgItemTextW(m_hwnd, id, text); }

std::wstring CDialog::ItemText(int id) const
{
    HWND item = Item(id);
    int length = item ? GetWindowTextLengthW(item) : 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    if (item)
        GetWindowTextW(item, text.data(), length + 1);
    text.resize(wcslen(text.c_str()));
    return text;
}

void CDialog::EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable); }
void CDialog::CheckItem(int id, bool check) const { CheckDlgButton(m_hwnd, id, check ? BST_CHECKED : BST_UNCHECKED); }
bool CDialog::IsItemChecked(int id) const { return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED; }

void CDialog::BindCommand(int id, int code, std::function<void()> handler)
{
    m_commandHandlers[{id, code}] = std::move(handler);
}

void CDialog::BindNotify(int id, UINT code, std::function<LRESULT(NMHDR&)> handler)
{
    m_notifyHandlers[{id, code}] = std::move(handler);
}

void CDialog::WatchNotifications(HWND control, NotifyWatcher watcher)
{
    StopWatching(control);
    m_watchers.emplace_back(control, std::move(watcher));
}

void CDialog::StopWatching(HWND control)
{
    std::erase_if(m_watchers, [control](const auto& entry) { return entry.first == control; });
}

void CDialog::SetIcons(int iconId)
{
    m_icons.Set(m_hwnd, iconId);
}

void CDialog::FocusControl(HWND control) const
{
    SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

CDialog* CDialog::FromHandle(HWND dialog)
{
    return dialog ? static_cast<CDialog*>(GetPropW(dialog, kObjectProperty)) : nullptr;
}

bool CDialog::RouteDialogMessage(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd)
        return false;
    // The top-level dialog handles the keys of its controls and of any child pages it holds.
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return FromHandle(root) && IsDialogMessageW(root, &message);
}

bool CDialog::OnDrawItem(int, DRAWITEMSTRUCT* item)
{
    return item->CtlType != ODT_MENU &&
           SendMessageW(item->hwndItem, kReflectedDrawItem, 0, reinterpret_cast<LPARAM>(item)) == TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hwnd = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        SetPropW(window, kObjectProperty, dialog);
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!dialog)
        return FALSE;
    if (message == WM_NCDESTROY) {
        RemovePropW(window, kObjectProperty);
        SetWindowLongPtrW(window, DWLP_USER, 0);
        dialog->m_hwnd = nullptr;
        dialog->m_watchers.clear();
        dialog->PostNcDestroy(); // may delete the object: nothing of it is used after this
        return FALSE;
    }
    if (message == WM_INITDIALOG) {
        // A window that could not be set up closes: what it would show is not there.
        return CallGuarded(window, INT_PTR{FALSE}, [&]() -> INT_PTR {
            try {
                return dialog->HandleMessage(message, wParam, lParam);
            } catch (...) {
                PostMessageW(window, WM_CLOSE, 0, 0);
                throw;
            }
        });
    }
    return CallGuarded(window, INT_PTR{FALSE}, [&] { return dialog->HandleMessage(message, wParam, lParam); });
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    INT_PTR result = 0;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (OnCommand(id, code, reinterpret_cast<HWND>(lParam)))
            return TRUE;
        auto bound = m_commandHandlers.find({id, code});
        if (bound != m_commandHandlers.end()) {
            auto handler = bound->second; // a handler may bind anew
            handler();
            return TRUE;
        }
        if (id == IDOK && !lParam) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        LRESULT notifyResult = 0;
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        for (const auto& [control, watcher] : m_watchers) {
            if (control != header->hwndFrom)
                continue;
            const NotifyWatcher watch = watcher; // a watcher may stop watching
            if (watch(*header, notifyResult)) {
                SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, notifyResult);
                return TRUE;
            }
            break;
        }
        if (!OnNotify(header, notifyResult)) {
            auto bound = m_notifyHandlers.find({static_cast<int>(header->idFrom), header->code});
            if (bound == m_notifyHandlers.end())
                return FALSE;
            auto handler = bound->second;
            notifyResult = handler(*header);
        }
        SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, notifyResult);
        return TRUE;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return reinterpret_cast<INT_PTR>(
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    case WM_DRAWITEM:
        return OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM:
        return OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_PAINT:
        return OnPaint();
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case WM_QUERYDRAGICON:
        if (!m_icons.Big())
            return FALSE;
        SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(m_icons.Big()));
        return TRUE;
    default:
        if (OnMessage(message, wParam, lParam, result)) {
            SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }
}
