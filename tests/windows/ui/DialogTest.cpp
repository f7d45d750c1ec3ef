// The dialog base: viewers delete themselves, Enter does nothing in them, Escape closes them;
// keyboard navigation reaches modeless windows while a modal one runs; bound handlers get their
// control's notifications, and what they throw is reported once without ending the program.

#include "res/resource.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/CImageButton.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/SubclassedWindow.h"
#include "ui/WindowFailure.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class ProbeViewer : public CViewerDialog {
public:
    explicit ProbeViewer(bool* deleted) : CViewerDialog(IDD_MAIN), m_deleted(deleted) {}
    ~ProbeViewer() override { *m_deleted = true; }

private:
    bool* m_deleted;
};

// A window whose About button's handler fails every other time, and whose list's double click
// answers 7.
class FailingDialog : public CDialog {
public:
    FailingDialog() : CDialog(IDD_MAIN) {}
    int clicks = 0;

protected:
    BOOL OnInitDialog() override
    {
        BindClick(IDC_ABOUT, [this] {
            if (++clicks % 2)
                throw std::runtime_error("the disk went away");
        });
        BindNotify(IDC_ABOUT, NM_DBLCLK, [](NMHDR&) { return LRESULT{7}; });
        return TRUE;
    }
};

class ViewerFailingAtStart : public CViewerDialog {
public:
    explicit ViewerFailingAtStart(bool* deleted) : CViewerDialog(IDD_MAIN), m_deleted(deleted) {}
    ~ViewerFailingAtStart() override { *m_deleted = true; }

protected:
    BOOL OnInitDialog() override { throw std::bad_alloc(); }

private:
    bool* m_deleted;
};

// Captures what the window layer reports for the length of a test.
class CapturedFailures {
public:
    CapturedFailures()
    {
        SetWindowFailureReporter([this](const std::string& text) { texts.push_back(text); });
    }
    ~CapturedFailures() { SetWindowFailureReporter(nullptr); }
    std::vector<std::string> texts;
};

void ClickAbout(const CDialog& dialog)
{
    SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_ABOUT)));
}

} // namespace

TEST(DialogHandlers, AThrowingHandlerIsReportedOnceAndTheWindowGoesOn)
{
    CapturedFailures failures;
    FailingDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    ClickAbout(dialog);
    ASSERT_EQ(failures.texts.size(), 1u);
    EXPECT_NE(failures.texts[0].find("the disk went away"), std::string::npos) << failures.texts[0];
    EXPECT_TRUE(IsWindow(dialog.Handle()));

    ClickAbout(dialog);
    EXPECT_EQ(dialog.clicks, 2) << "the handler still runs";
    EXPECT_EQ(failures.texts.size(), 1u) << "a handler that succeeds reports nothing";

    NMHDR header{dialog.Item(IDC_ABOUT), IDC_ABOUT, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_TRUE(SendMessageW(dialog.Handle(), WM_NOTIFY, IDC_ABOUT, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(GetWindowLongPtrW(dialog.Handle(), DWLP_MSGRESULT), 7) << "the notify handler's result";
    DestroyWindow(dialog.Handle());
}

TEST(DialogHandlers, AViewerThatFailsToStartClosesAndDeletesItself)
{
    CapturedFailures failures;
    bool deleted = false;
    ViewerFailingAtStart* viewer = CViewerDialog::Open<ViewerFailingAtStart>(&deleted);
    ASSERT_NE(viewer, nullptr);
    PumpMessages();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(failures.texts.size(), 1u);
}

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

namespace {

constexpr UINT kProbeMessage = WM_APP + 1;

// Answers kProbeMessage with 7 and counts what it saw; everything else goes on to the control.
class ProbeWindow : public CSubclassedWindow {
public:
    int seen = 0;

protected:
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        ++seen;
        if (message != kProbeMessage)
            return false;
        result = 7;
        return true;
    }
};

HWND MakeStatic() { return CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr); }

} // namespace

TEST(SubclassedWindow, SeesMessagesFirstAndPassesTheRestOnWhateverHoldsTheUserData)
{
    for (const LONG_PTR userData : {LONG_PTR{0}, LONG_PTR{1234}}) {
        HWND window = MakeStatic();
        SetWindowLongPtrW(window, GWLP_USERDATA, userData);
        ProbeWindow probe;
        ASSERT_TRUE(probe.Attach(window)) << userData;
        EXPECT_EQ(SendMessageW(window, kProbeMessage, 0, 0), 7) << userData;
        SetWindowTextW(window, L"passed on");
        wchar_t text[32] = {};
        GetWindowTextW(window, text, 32);
        EXPECT_STREQ(text, L"passed on") << userData;
        EXPECT_GT(probe.seen, 1) << userData;
        if (userData) {
            EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), userData) << "the owner's user data is left alone";
        }
    }
}

TEST(SubclassedWindow, EndsSoundlyWhenTheWindowGoesFirstOrAnotherProcedureStandsInFront)
{
    {
        HWND window = MakeStatic();
        ProbeWindow probe;
        ASSERT_TRUE(probe.Attach(window));
        DestroyWindow(window);
        EXPECT_EQ(probe.Handle(), nullptr);
    } // the object after its window

    HWND window = MakeStatic();
    auto probe = std::make_unique<ProbeWindow>();
    ASSERT_TRUE(probe->Attach(window));
    static int s_inFront = 0;
    s_inFront = 0;
    SetWindowSubclass(
        window,
        [](HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
            ++s_inFront;
            return DefSubclassProc(control, message, wParam, lParam);
        },
        1, 0);
    EXPECT_EQ(SendMessageW(window, kProbeMessage, 0, 0), 7) << "reached through the procedure in front";
    probe.reset(); // destroys the window: its last messages pass the object that is going
    EXPECT_FALSE(IsWindow(window));
    EXPECT_GT(s_inFront, 1);
}
