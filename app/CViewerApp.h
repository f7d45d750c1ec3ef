#pragma once
// The application: creates the store, runs the main window, and ends when it closes.

#include "gamedata/CGameData.h"

#include <memory>

class CViewerApp {
public:
    explicit CViewerApp(Platform& platform) : m_platform(platform) {}

    // Loads the store; false when start-up stopped (the program then ends without a window).
    bool LoadGameData();
    // Start-up and the main window; returns when the program is to end.
    void InitInstance();
    // Destroys the store, which writes the settings back when loading reached its end.
    void ExitInstance();

private:
    Platform& m_platform;
    std::unique_ptr<CGameData> m_gameData;
};
