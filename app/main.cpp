// tallowmark.exe: the viewer. It takes no arguments; the installation folder is in its settings.

#include "app/CViewerApp.h"
#include "app/WinPlatform.h"

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr); // the folder browser's new style needs it

    WinPlatform platform;
    CViewerApp app(platform);
    app.InitInstance();
    app.ExitInstance();

    OleUninitialize();
    return 0;
}
