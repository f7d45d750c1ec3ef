#include "app/WinPlatform.h"
#include "ui/Bitmaps.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/WinText.h"

#include <shlobj.h>

namespace {

RegistryKey OpenSettingsKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return {};
    return RegistryKey(key);
}

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED)
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

} // namespace

std::optional<std::string> WinPlatform::ReadSetting(const char* name)
{
    RegistryKey key = OpenSettingsKey();
    if (!key)
        return std::nullopt;
    const std::wstring valueName = Widen(name);
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()),
                         &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), size / sizeof(wchar_t)));
    return Narrow(value);
}

void WinPlatform::WriteSetting(const char* name, const std::string& value)
{
    RegistryKey key = OpenSettingsKey();
    if (!key)
        return;
    const std::wstring wide = Widen(value);
    RegSetValueExW(key.Get(), Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                   static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

void WinPlatform::ShowError(const std::string& text)
{
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), L"Tallowmark", MB_OK | MB_ICONERROR);
}

std::optional<std::string> WinPlatform::BrowseInstallFolder(const std::string& current)
{
    PIDLIST_ABSOLUTE drives = nullptr;
    SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives);
    const std::wstring start = Widen(current);
    BROWSEINFOW browse{};
    browse.hwndOwner = nullptr;
    browse.pidlRoot = drives;
    browse.lpszTitle = L"Select Wizardy VII installation folder.\n"
                       L"Tallowmark needs original wizardry files to read information from.";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
    browse.lpfn = BrowseCallback;
    browse.lParam = reinterpret_cast<LPARAM>(start.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    std::optional<std::string> folder;
    if (chosen) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(chosen, path))
            folder = Narrow(path);
        CoTaskMemFree(chosen);
    }
    if (drives)
        CoTaskMemFree(drives);
    return folder;
}

std::optional<Image> WinPlatform::LoadProgramBitmap(int id)
{
    BitmapHandle bitmap(static_cast<HBITMAP>(
        LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return ImageFromBitmap(bitmap.Get());
}

Colour WinPlatform::WindowColour() { return GetSysColor(COLOR_WINDOW); }
