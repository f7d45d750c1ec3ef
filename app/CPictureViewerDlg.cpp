#include "app/CPictureViewerDlg.h"
#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "ui/Bitmaps.h"
#include "ui/FileDialogs.h"
#include "ui/WinText.h"

#include <algorithm>

namespace {
constexpr Colour kBackground = Rgb(96, 96, 128);
constexpr int kScale = 2;
} // namespace

CPictureViewerDlg::CPictureViewerDlg()
    : CViewerDialog(IDD_PICTURE_VIEWER), m_chooseFile([](HWND owner) {
          CGameData* game = GetGameData();
          return game ? ChooseBmpFile(*game, owner) : std::string();
      })
{
}

BOOL CPictureViewerDlg::OnInitDialog()
{
    const HWND window = Handle();
    m_icons.Set(window, IDI_PICTURE_VIEWER);
    m_sets.Attach(window, IDC_PICTURE_SETS);
    m_counter.Attach(window, IDC_PICTURE_FRAMES);
    m_stage = CControl(window, IDC_PICTURE_AREA).RectInParent();
    m_picture.ReplaceControl(window, IDC_PICTURE_AREA);
    CControl(m_picture.Handle()).Show(false);

    BindCommand(IDC_PICTURE_SETS, CBN_SELENDOK, [this] { OnChooseSet(); });
    BindClick(IDC_PICTURE_NEXT, [this] { Step(true); });
    BindClick(IDC_PICTURE_PREVIOUS, [this] { Step(false); });
    BindClick(IDC_PICTURE_SAVE_ALL, [this] { SaveAll(); });
    FillSetList();
    return TRUE;
}

void CPictureViewerDlg::FillSetList()
{
    const CGameData* game = GetGameData();
    if (!game)
        return;
    // The installation folder is read where it is: the process's current folder stays as it was.
    m_names = picturesets::ListPictureFiles(game->InstallPath());
    for (size_t i = 0; i < m_names.size(); ++i) {
        const int at = m_sets.AddString(m_names[i]);
        if (at >= 0)
            m_sets.SetItemData(at, static_cast<LPARAM>(i));
    }
}

bool CPictureViewerDlg::SelectSet(const std::string& name)
{
    const auto found = std::find(m_names.begin(), m_names.end(), name);
    const int at = found == m_names.end() ? -1 : m_sets.FindItemData(found - m_names.begin());
    if (at < 0)
        return false;
    m_sets.SetCurSel(at);
    OnChooseSet();
    return true;
}

void CPictureViewerDlg::OnChooseSet()
{
    WaitCursor wait;
    const int selected = m_sets.GetCurSel();
    const size_t entry = selected < 0 ? m_names.size() : static_cast<size_t>(m_sets.GetItemData(selected));
    if (entry >= m_names.size())
        return;

    m_picture.SetBitmap(nullptr);
    m_frames.clear();
    std::vector<Image> images;
    if (CGameData* game = GetGameData())
        // Shows its message on failure.
        game->LoadPicByName(m_names[entry], images, {.scale = kScale, .background = kBackground});
    for (const Image& image : images)
        if (BitmapHandle frame = CreateBitmapFromImage(image))
            m_frames.push_back(std::move(frame));
    m_cursor.Load(static_cast<int>(m_frames.size()));
    if (!m_cursor.HasFrames()) {
        // Nothing is shown, and the counter says so rather than naming the set before.
        CControl(m_picture.Handle()).Show(false);
        m_counter.SetText(m_cursor.CounterText());
        return;
    }
    ShowFrame();
}

void CPictureViewerDlg::Step(bool forward)
{
    if (forward)
        m_cursor.Next();
    else
        m_cursor.Previous();
    ShowFrame();
}

void CPictureViewerDlg::ShowFrame()
{
    if (!m_cursor.HasFrames())
        return;
    const HBITMAP frame = m_frames[static_cast<size_t>(m_cursor.Frame())].Get();
    BITMAP info{};
    GetObjectW(frame, sizeof info, &info);
    m_picture.PlaceCentred(m_stage, info.bmWidth, info.bmHeight);
    m_picture.SetBitmap(frame);
    m_counter.SetText(m_cursor.CounterText());
    CControl(m_picture.Handle()).Show(true);
}

void CPictureViewerDlg::SaveAll()
{
    const std::string chosen = m_chooseFile ? m_chooseFile(Handle()) : std::string();
    if (chosen.empty())
        return;
    // A frame that cannot be written reports itself; the others are still written.
    for (size_t i = 0; i < m_frames.size(); ++i)
        SaveBitmapAsBmp(Widen(picturesets::FrameFileName(chosen, static_cast<int>(i))), m_frames[i].Get(), m_report);
}

bool CPictureViewerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&)
{
    // Turned towards the user: the next frame; away: the one before.
    if (message == WM_MOUSEWHEEL && GET_WHEEL_DELTA_WPARAM(wParam) != 0)
        Step(GET_WHEEL_DELTA_WPARAM(wParam) < 0);
    return false; // the wheel goes on to default processing
}

void CPictureViewerDlg::OnDestroy()
{
    m_picture.SetBitmap(nullptr);
    m_frames.clear();
}
