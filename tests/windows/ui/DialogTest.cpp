// The dialog base: viewers delete themselves, Enter does nothing in them, Escape closes them;
// keyboard navigation reaches modeless windows while a modal one runs.

#include "res/resource.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/CImageButton.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"

#include <gtest/gtest.h>

namespace {

class ProbeViewer : public CViewerDialog {
public:
    explicit ProbeViewer(bool* deleted) : CViewerDialog(IDD_MAIN), m_deleted(deleted) {}
    ~ProbeViewer() override { *m_deleted = true; }

private:
    bool* m_deleted;
};

} // namespace

TEST(ViewerDialog, EscapeDestroysItAndTheObjectDeletesItself)
{
    bool deleted = false;
    ProbeViewer* viewer = CViewerDialog::Open<ProbeViewer>(&deleted);
    ASSERT_NE(viewer, nullptr);
    HWND window = viewer->Handle();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetParent(window), nullptr) << "a viewer is a top-level window";

    PressKey(window, VK_RETURN);
    PumpMessages();
    EXPECT_TRUE(IsWindow(window)) << "Enter does nothing";
    EXPECT_FALSE(deleted);

    PressKey(window, VK_ESCAPE);
    PumpMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(deleted);
}

TEST(ViewerDialog, TheCloseBoxDestroysIt)
{
    bool deleted = false;
    ProbeViewer* viewer = CViewerDialog::Open<ProbeViewer>(&deleted);
    ASSERT_NE(viewer, nullptr);
    SendMessageW(viewer->Handle(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(deleted);
}

TEST(ViewerDialog, KeysReachAViewerWhileAModalDialogRuns)
{
    bool deleted = false;
    ProbeViewer* viewer = CViewerDialog::Open<ProbeViewer>(&deleted);
    ASSERT_NE(viewer, nullptr);
    HWND viewerWindow = viewer->Handle();
    CDialog modal(IDD_MAIN);
    RunSoon([&] {
        PostMessageW(viewerWindow, WM_KEYDOWN, VK_ESCAPE, 1);
        RunSoon([&] { modal.EndDialog(IDOK); });
    });
    EXPECT_EQ(modal.DoModal(nullptr), IDOK);
    EXPECT_TRUE(deleted) << "the modal loop routed Escape to the viewer";
}

TEST(ImageButton, DrawsItsOwnCopyOfTheBitmap)
{
    CDialog dialog(IDD_MAIN);
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND buttonWindow = dialog.Item(IDC_ITEM_VIEWER);
    EnableWindow(buttonWindow, TRUE);
    CImageButton button;
    ASSERT_TRUE(button.Attach(buttonWindow));
    {
        // A red bitmap that the caller deletes at once: the button keeps its own.
        WindowDc screen(nullptr);
        BitmapHandle red(CreateCompatibleBitmap(screen.Get(), 8, 8));
        {
            MemoryDc memory(CreateCompatibleDC(screen.Get()));
            SelectGuard select(memory.Get(), red.Get());
            RECT all{0, 0, 8, 8};
            BrushHandle brush(CreateSolidBrush(RGB(255, 0, 0)));
            FillRect(memory.Get(), &all, brush.Get());
        }
        button.SetImagePos({6, 6});
        button.SetCaptionPos({20, 4});
        button.SetBitmap(red.Get(), 8, 8);
    }
    EXPECT_TRUE(button.HasImage());
    RedrawWindow(buttonWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    PumpMessages();
    WindowDc dc(buttonWindow);
    EXPECT_EQ(GetPixel(dc.Get(), 9, 9), RGB(255, 0, 0));
    DestroyWindow(dialog.Handle());
}
