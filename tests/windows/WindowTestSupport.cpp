#include "tests/windows/WindowTestSupport.h"
#include "gamedata/CGameData.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "ui/Dialog.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {
std::deque<std::function<void()>> g_steps;

void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (g_steps.empty())
        return;
    std::function<void()> step = std::move(g_steps.front());
    g_steps.pop_front();
    step();
}
} // namespace

TestStore::TestStore(const gamebuild::Installation& installation) : m_folder(std::make_unique<TempFolder>())
{
    ClearSettings();
    if (installation.Write(m_folder->Path()))
        Load(m_folder->Path());
}

TestStore::TestStore(const std::string& folder)
{
    ClearSettings();
    Load(folder);
}

void TestStore::Load(const std::string& folder)
{
    StoreSetting(L"w7path", Widen(folder));
    m_game = std::make_unique<CGameData>(m_platform);
    if (m_game->Loaded())
        SetGameData(m_game.get());
}

TestStore::~TestStore()
{
    ReleaseSharedImageLists();
    if (GetGameData() == m_game.get())
        SetGameData(nullptr);
    m_game.reset();
    ClearSettings();
}

bool TestStore::Loaded() const { return m_game && m_game->Loaded(); }

const std::string& DemoGameFolder()
{
    static std::unique_ptr<TempFolder> written;
    static std::string folder;
    if (folder.empty()) {
        if (const char* given = std::getenv("TALLOWMARK_TEST_GAME"); given && *given) {
            folder = given;
        } else {
            written = std::make_unique<TempFolder>();
            if (gamebuild::DemoInstallation(gamebuild::Edition::First).Write(written->Path()))
                folder = written->Path();
        }
    }
    return folder;
}

void ClearSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Tallowmark"); }

void StoreSetting(const wchar_t* name, const std::wstring& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
        return;
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::optional<RegistryValue> ReadStoredSetting(const wchar_t* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key))
        return std::nullopt;
    RegistryValue value;
    wchar_t buffer[2048] = {};
    value.size = sizeof buffer;
    LONG status = RegQueryValueExW(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(buffer), &value.size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    value.text = buffer;
    return value;
}

void RunSoon(std::function<void()> step)
{
    g_steps.push_back(std::move(step));
    SetTimer(nullptr, 0, 10, RunStep);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!CDialog::RouteDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void PressKey(HWND window, UINT key)
{
    HWND target = GetFocus() ? GetFocus() : window;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

std::vector<HWND> DialogsBeside(HWND main)
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            if (CDialog::FromHandle(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::erase(windows, main);
    return windows;
}

std::vector<HWND> ThreadWindows(const std::function<bool(HWND)>& keep)
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::erase_if(windows, [&](HWND window) { return !keep(window); });
    return windows;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(wcslen(text.c_str()));
    return text;
}

std::wstring Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

void Choose(HWND dialog, int id, int index)
{
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::vector<std::wstring> ListEntries(HWND dialog, int id)
{
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(SendDlgItemMessageW(dialog, id, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendDlgItemMessageW(dialog, id, LB_GETTEXTLEN, i, 0);
        std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        SendDlgItemMessageW(dialog, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        entries.push_back(text);
    }
    return entries;
}

int WindowWidth(HWND window)
{
    RECT place{};
    GetWindowRect(window, &place);
    return place.right - place.left;
}

RECT ChildRect(HWND dialog, int id)
{
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
