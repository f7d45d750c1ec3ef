#include "tests/windows/WindowTestSupport.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "ui/Dialog.h"

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
