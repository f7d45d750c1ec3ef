#include "app/CViewerApp.h"
#include "app/CMainDlg.h"
#include "ui/ImageLists.h"
#include "ui/WindowFailure.h"

bool CViewerApp::LoadGameData()
{
    m_gameData = std::make_unique<CGameData>(m_platform);
    SetGameData(m_gameData.get());
    return m_gameData->Loaded();
}

void CViewerApp::InitInstance()
{
    if (!LoadGameData())
        return;
    SetWindowFailureReporter([this](const std::string& text) { m_platform.ShowError(text); });
    CMainDlg main;
    main.DoModal(nullptr);
}

void CViewerApp::ExitInstance()
{
    SetWindowFailureReporter(nullptr);
    ReleaseSharedImageLists();
    SetGameData(nullptr);
    m_gameData.reset();
}
