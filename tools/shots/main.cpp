// tallowmark-shots CASE: starts as the viewer does (the store from the settings), opens the window
// that the case names on a record chosen to show most of it, and runs until that window is
// closed. ./run takes its screenshots of the viewers with it; it is not shipped.

#include "app/CViewerApp.h"
#include "app/WinPlatform.h"
#include "items/CMonsterScrollDlg.h"
#include "ui/Dialog.h"

#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <ole2.h>
#include <shellapi.h>
#include <string>

namespace {

// A drake with spells, a special attack, three attacks and loot rows that offer choices.
HWND OpenMonsterViewerShot()
{
    CMonsterViewerDlg* viewer = OpenMonsterViewer();
    if (!viewer)
        return nullptr;
    viewer->SelectMonster(193);
    return GetAncestor(viewer->Handle(), GA_ROOT);
}

struct ShotCase {
    const wchar_t* name;
    HWND (*open)(); // the window to wait for
};

const ShotCase kCases[] = {
    {L"monster", OpenMonsterViewerShot},
};

const ShotCase* FindCase(const wchar_t* name)
{
    for (const ShotCase& shot : kCases)
        if (std::wstring(name) == shot.name)
            return &shot;
    return nullptr;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const ShotCase* shot = arguments && count == 2 ? FindCase(arguments[1]) : nullptr;
    LocalFree(arguments);
    if (!shot) {
        std::fputs("Usage: tallowmark-shots CASE (monster)\n", stderr);
        return 2;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    WinPlatform platform;
    CViewerApp app(platform);
    int status = 1;
    if (app.LoadGameData()) {
        if (HWND window = shot->open()) {
            status = 0;
            MSG message;
            while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0)
                if (!CDialog::RouteDialogMessage(message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
        }
    }
    app.ExitInstance();
    OleUninitialize();
    return status;
}
