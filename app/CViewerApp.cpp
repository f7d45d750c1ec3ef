#include "app/CViewerApp.h"
#include "app/CMainDlg.h"
#include "ui/ImageLists.h"

bool CViewerApp::LoadGameData()
{
    m_gameData = std::make_unique<CGameData>(m_platform);
    SetGameData(m_gameData.get());
    return m_gameData->m_loaded;
}

void CViewerApp::InitInstance()
{
    if (!LoadGameData())
        return;
    CMainDlg main;
    main.DoModal(nullptr);
}

void CViewerApp::ExitInstance()
{
    ReleaseSharedImageLists();
    SetGameData(nullptr);
    m_gameData.reset();
}
