#include "ui/FileDialogs.h"
#include "gamedata/CGameData.h"
#include "ui/WinText.h"

#include <commdlg.h>

namespace {
// A filter list: pairs of text and pattern, each ended by a NUL, the list by a second one.
std::wstring FilterList(const std::vector<std::pair<std::string, std::string>>& filters)
{
    std::wstring list;
    for (const auto& [text, pattern] : filters) {
        list += Widen(text);
        list += L'\0';
        list += Widen(pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

// Runs a file dialog over a 260-character name buffer; the chosen path, or empty when cancelled.
std::string RunFileDialog(HWND parent, const std::vector<std::pair<std::string, std::string>>& filterEntries,
                          const std::string& initialFolder, const wchar_t* title, const wchar_t* defaultExtension,
                          DWORD flags, BOOL(WINAPI* run)(OPENFILENAMEW*))
{
    wchar_t name[MAX_PATH] = {};
    const std::wstring filters = FilterList(filterEntries);
    const std::wstring folder = Widen(initialFolder);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = OFN_EXPLORER | flags;
    return run(&dialog) ? Narrow(name) : std::string();
}
} // namespace

std::string ChooseBmpFile(CGameData& game, HWND parent)
{
    std::string path = RunFileDialog(parent, {{"Bmp Files (*.bmp)", "*.bmp"}, {"All Files (*.*)", "*.*"}},
                                     game.BmpSavePath(), L"Select a file to save bitmap", L"bmp",
                                     OFN_HIDEREADONLY | OFN_NOCHANGEDIR, GetSaveFileNameW);
    if (!path.empty())
        game.RememberBmpFile(path);
    return path;
}

std::string ChooseSaveFile(CGameData& game, HWND parent, bool rememberExtension)
{
    std::string path = RunFileDialog(parent, game.SaveFileFilters(rememberExtension), game.SaveFilePath(),
                                     L"Select Wizardry 7 save file to view", L"dbs",
                                     OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR,
                                     GetOpenFileNameW);
    if (!path.empty())
        game.RememberSaveFile(path, rememberExtension);
    return path;
}
