#include "app/CMainDlg.h"
#include "app/CAboutDlg.h"
#include "app/CPictureViewerDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/MainPictures.h"
#include "gamedata/ResourceStrings.h"
#include "items/CItemListDlg.h"
#include "items/CItemViewerDlg.h"
#include "items/CMonsterScrollDlg.h"
#include "maps/CMapViewerDlg.h"
#include "res/resource.h"
#include "saves/CSaveFileViewerDlg.h"
#include "ui/Bitmaps.h"
#include "ui/Controls.h"
#include "ui/ImageLists.h"

#include <algorithm>

CMainDlg::CMainDlg() : CDialog(IDD_MAIN) {}

BOOL CMainDlg::OnInitDialog()
{
    const HWND window = Handle();
    SetIcons(IDI_TALLOWMARK);

    // Captions are centred by the height of the dialog's font.
    LOGFONTW font{};
    HFONT dialogFont = CControl(window).Font();
    if (dialogFont && GetObjectW(dialogFont, sizeof font, &font)) {
        WindowDc screen(nullptr);
        m_captionHeight = -MulDiv(font.lfHeight, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    }

    for (size_t i = 0; i < kButtonIds.size(); ++i) {
        m_buttons[i].Attach(Item(kButtonIds[i]));
        EnableItem(kButtonIds[i], ViewerExists(kButtonIds[i]));
    }
    Decorate();
    return TRUE;
}

CImageButton& CMainDlg::Button(int id)
{
    return m_buttons[static_cast<size_t>(std::find(kButtonIds.begin(), kButtonIds.end(), id) - kButtonIds.begin())];
}

void CMainDlg::SetButtonIcon(int id, int icon)
{
    const CGameData& game = *GetGameData();
    if (icon < 0 || icon >= game.IconImages().Count())
        return;
    HIMAGELIST list = SharedImageList(game.IconImages());
    IconHandle handle(ImageList_GetIcon(list, icon, ILD_NORMAL));
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    RECT button{};
    GetClientRect(Item(id), &button);
    const auto place = mainpictures::IconPlacement(button.bottom, width, height, m_captionHeight);
    Button(id).SetIcon(handle.Get(), width, height);
    Button(id).SetImagePos({place.imageX, place.imageY});
    Button(id).SetCaptionPos({place.captionX, place.captionY});
}

bool CMainDlg::SetButtonPicture(int id, const std::vector<Image>& frames, int margin, int gap)
{
    if (frames.empty())
        return false;
    const Image& picture = frames.front();
    BitmapHandle bitmap = CreateBitmapFromImage(picture);
    RECT button{};
    GetClientRect(Item(id), &button);
    const auto place = mainpictures::BitmapPlacement(button.bottom, picture.Width(), picture.Height(),
                                                     m_captionHeight, margin, gap);
    Button(id).SetBitmap(bitmap.Get(), picture.Width(), picture.Height());
    Button(id).SetImagePos({place.imageX, place.imageY});
    Button(id).SetCaptionPos({place.captionX, place.captionY});
    return true;
}

void CMainDlg::Decorate()
{
    CGameData* game = GetGameData();
    if (!game)
        return;
    const Colour face = GetSysColor(COLOR_3DFACE);
    // Seeded anew at every start, so that the window looks different from run to run.
    mainpictures::SeededRandom generator(GetTickCount());
    const mainpictures::Random random = [&generator] { return generator(); };

    SetButtonIcon(IDC_ITEM_VIEWER, mainpictures::ItemViewerIcon(game->IconImages().Count(), random));
    SetButtonIcon(IDC_MAP_VIEWER, mainpictures::kMapViewerIcon);
    SetButtonIcon(IDC_ABOUT, mainpictures::kAboutIcon);

    const mainpictures::MainWindowPictures pictures = mainpictures::ChooseMainPictures(game->IsGold(), face, random);
    const auto setPicture = [&](int id, const mainpictures::ButtonPicture& choice) {
        std::vector<Image> frames;
        mainpictures::LoadChoice(*game, choice.picture, frames);
        SetButtonPicture(id, frames, choice.margin, choice.gap);
    };
    setPicture(IDC_ITEM_LIST, pictures.itemList);

    // The monster's picture sets the width of the right-hand column of buttons and of the window.
    std::vector<Image> frames;
    mainpictures::LoadChoice(*game, pictures.monsterViewer.picture, frames);
    if (!frames.empty()) {
        const auto size = mainpictures::MonsterButtonSize(frames.front().Width(), frames.front().Height());
        RECT monster{};
        GetWindowRect(Item(IDC_MONSTER_VIEWER), &monster);
        const int grown = size.width - (monster.right - monster.left);
        for (int id : {IDC_MONSTER_VIEWER, IDC_PIC_VIEWER, IDC_SAVE_FILES_VIEWER}) {
            RECT place{};
            GetWindowRect(Item(id), &place);
            const int height = id == IDC_MONSTER_VIEWER ? size.height : place.bottom - place.top;
            SetWindowPos(Item(id), nullptr, 0, 0, size.width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        RECT window{};
        GetWindowRect(Handle(), &window);
        SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left + grown, window.bottom - window.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetButtonPicture(IDC_MONSTER_VIEWER, frames, pictures.monsterViewer.margin, pictures.monsterViewer.gap);
    }
    setPicture(IDC_PIC_VIEWER, pictures.picViewer);
    setPicture(IDC_SAVE_FILES_VIEWER, pictures.saveFiles);

    frames.clear();
    mainpictures::LoadChoice(*game, pictures.animation, frames);
    for (const Image& frame : frames)
        m_pictureFrames.push_back(CreateBitmapFromImage(frame));
    if (!m_pictureFrames.empty() && m_picture.ReplaceControl(Handle(), IDC_MAIN_PICTURE)) {
        m_picture.SetFitToPicture(true, true);
        m_picture.SetStore(GetGameData());
        m_picture.SetBitmap(m_pictureFrames.front().Get());
    }
}

bool CMainDlg::ViewerExists(int id)
{
    switch (id) {
    case IDC_ITEM_VIEWER:
    case IDC_ITEM_LIST:
    case IDC_MONSTER_VIEWER:
    case IDC_PIC_VIEWER:
    case IDC_ABOUT:
    case IDC_MAP_VIEWER:
    case IDC_SAVE_FILES_VIEWER:
        return true;
    default:
        return false; // each viewer enables its button when it comes
    }
}

void CMainDlg::OpenViewer(int id)
{
    switch (id) {
    case IDC_ITEM_VIEWER:
        CViewerDialog::Open<CItemViewerDlg>();
        break;
    case IDC_ITEM_LIST:
        CViewerDialog::Open<CItemListDlg>();
        break;
    case IDC_MONSTER_VIEWER:
        OpenMonsterViewer();
        break;
    case IDC_PIC_VIEWER:
        CViewerDialog::Open<CPictureViewerDlg>();
        break;
    case IDC_ABOUT: {
        CAboutDlg about;
        about.DoModal(Handle());
        break;
    }
    case IDC_MAP_VIEWER:
        CViewerDialog::Open<CMapViewerDlg>();
        break;
    case IDC_SAVE_FILES_VIEWER:
        CViewerDialog::Open<CSaveFileViewerDlg>();
        break;
    default:
        break;
    }
}

bool CMainDlg::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED || std::find(kButtonIds.begin(), kButtonIds.end(), id) == kButtonIds.end())
        return false;
    OpenViewer(id);
    return true;
}

void CMainDlg::OnOK()
{
    // Enter opens the viewer of the focused button and never closes the window.
    const int focused = GetDlgCtrlID(GetFocus());
    if (std::find(kButtonIds.begin(), kButtonIds.end(), focused) != kButtonIds.end() && ViewerExists(focused))
        OpenViewer(focused);
}

void CMainDlg::OnCancel() { EndDialog(IDCANCEL); }

bool CMainDlg::OnPaint()
{
    return Icons().PaintMinimised(Handle());
}

bool CMainDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result)
{
    // The icon that stands for the window while it is dragged minimised.
    if (message == WM_QUERYDRAGICON) {
        result = reinterpret_cast<INT_PTR>(BigIcon());
        return true;
    }
    return false;
}
