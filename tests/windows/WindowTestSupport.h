#pragma once
// What window tests share: a platform whose message boxes and folder browser are captured
// (the registry is the real one), registry access, and steps run from inside a modal loop.

#include "app/WinPlatform.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CapturingPlatform : public WinPlatform {
public:
    std::vector<std::string> errors;
    std::deque<std::optional<std::string>> folderAnswers; // empty: cancelled
    int folderPrompts = 0;

    void ShowError(const std::string& text) override { errors.push_back(text); }
    std::optional<std::string> BrowseInstallFolder(const std::string&) override
    {
        ++folderPrompts;
        if (folderAnswers.empty())
            return std::nullopt;
        auto answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
};

class CGameData;
class TempFolder;
namespace gamebuild {
struct Installation;
}

// A store loaded from an installation written for a test (or a whole suite: writing and
// loading are slow under Wine), made the store of this run while it lives. The program's
// settings are cleared before and after, with only "w7path" stored.
class TestStore {
public:
    explicit TestStore(const gamebuild::Installation& installation);
    // The installation already in folder (which it leaves there).
    explicit TestStore(const std::string& folder);
    ~TestStore();
    TestStore(const TestStore&) = delete;
    TestStore& operator=(const TestStore&) = delete;

    bool Loaded() const;
    CGameData& Game() { return *m_game; }
    CapturingPlatform& Platform() { return m_platform; }
    const TempFolder& Folder() const { return *m_folder; } // only for a written installation

private:
    void Load(const std::string& folder);

    std::unique_ptr<TempFolder> m_folder;
    CapturingPlatform m_platform;
    std::unique_ptr<CGameData> m_game;
};

struct RegistryValue {
    DWORD type = 0;
    std::wstring text;
    DWORD size = 0; // bytes stored
};

// The folder of the first edition's demo installation: the one the environment variable
// TALLOWMARK_TEST_GAME names (the read-only run of the suite), else one written for this run.
const std::string& DemoGameFolder();

// Removes the program's key with everything under it.
void ClearSettings();
void StoreSetting(const wchar_t* name, const std::wstring& value);
std::optional<RegistryValue> ReadStoredSetting(const wchar_t* name);

// Runs step once, from the message loop, after the messages now waiting have been handled.
void RunSoon(std::function<void()> step);
// Handles every waiting message (for modeless windows outside a modal loop).
void PumpMessages();

// The program's dialogs of this thread other than main (the viewers it opened).
std::vector<HWND> DialogsBeside(HWND main);

// Top-level windows of this thread for which keep is true.
std::vector<HWND> ThreadWindows(const std::function<bool(HWND)>& keep);

// Controls of a dialog, read and driven as a user would.
std::wstring WindowText(HWND window);
std::wstring Text(HWND dialog, int id);
bool Checked(HWND dialog, int id);
// A button's click (BM_CLICK).
void Click(HWND dialog, int id);
// What a user's pick in a drop-down list sends: the selection, then CBN_SELENDOK.
void Choose(HWND dialog, int id, int index);
// The entries of a list box.
std::vector<std::wstring> ListEntries(HWND dialog, int id);
int WindowWidth(HWND window);
// A control's rectangle in the dialog's client coordinates.
RECT ChildRect(HWND dialog, int id);

// A key press as the keyboard sends it, to the window that has the focus (or to window).
void PressKey(HWND window, UINT key);
