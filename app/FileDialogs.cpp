#include "app/FileDialogs.h"
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
} // namespace

std::string ChooseBmpFile(CGameData& game, HWND parent)
{
    wchar_t name[MAX_PATH] = {};
    const std::wstring filters = FilterList({{"Bmp Files (*.bmp)", "*.bmp"}, {"All Files (*.*)", "*.*"}});
    const std::wstring folder = Widen(game.m_bmpSavePath);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = L"Select a file to save bitmap";
    dialog.lpstrDefExt = L"bmp";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog))
        return {};
    std::string path = Narrow(name);
    game.RememberBmpFile(path);
    return path;
}

std::string ChooseSaveFile(CGameData& game, HWND parent, bool rememberExtension)
{
    wchar_t name[MAX_PATH] = {};
    const std::wstring filters = FilterList(game.SaveFileFilters(rememberExtension));
    const std::wstring folder = Widen(game.m_saveFilePath);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = L"Select Wizardry 7 save file to view";
    dialog.lpstrDefExt = L"dbs";
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog))
        return {};
    std::string path = Narrow(name);
    game.RememberSaveFile(path, rememberExtension);
    return path;
}
