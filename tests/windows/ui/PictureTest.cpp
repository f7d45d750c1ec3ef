// Picture panels and the BMP writer, as a window shows and saves pictures.

#include "gamedata/BmpFile.h"
#include "res/resource.h"
#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/CImagePanel.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/Dialog.h"
#include "ui/SaveBitmapAsBmp.h"
#include "ui/WinText.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

BitmapHandle DibSection(int width, int height, WORD bits)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header = {sizeof(BITMAPINFOHEADER), width, height, 1, bits, BI_RGB, 0, 0, 0, 0, 0};
    for (int i = 0; i < 256; ++i)
        info.colours[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    void* pixels = nullptr;
    return BitmapHandle(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels,
                                         nullptr, 0));
}

std::vector<unsigned char> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t U32(const std::vector<unsigned char>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// A dialog whose picture static is replaced by the window under test.
struct PictureHost {
    CDialog dialog{IDD_MAIN};
    PictureHost() { dialog.Create(nullptr); }
    ~PictureHost() { DestroyWindow(dialog.Handle()); }
    SIZE Client(HWND window) const
    {
        RECT client{};
        GetClientRect(window, &client);
        return {client.right, client.bottom};
    }
};

} // namespace

TEST(SaveBitmapAsBmp, WritesTheScreenFormatWithItsColourTable)
{
    TempFolder folder;
    std::vector<std::wstring> messages;
    auto capture = [&](const wchar_t* text) { messages.push_back(text); };

    const std::string small = folder.File("small.bmp");
    BitmapHandle rgb = DibSection(3, 2, 24);
    ASSERT_TRUE(SaveBitmapAsBmp(Widen(small), rgb.Get(), capture));
    std::vector<unsigned char> bytes = FileBytes(small);
    EXPECT_EQ(bytes.size(), 78u) << "14 + 40 + two rows of 9 bytes padded to 12";
    EXPECT_EQ(U32(bytes, 10), 54u);

    const std::string indexed = folder.File("indexed.bmp");
    BitmapHandle eight = DibSection(4, 4, 8);
    ASSERT_TRUE(SaveBitmapAsBmp(Widen(indexed), eight.Get(), capture));
    bytes = FileBytes(indexed);
    EXPECT_EQ(U32(bytes, 10), 1078u) << "a colour table of 256 entries";
    EXPECT_EQ(bytes.size(), 1078u + 16);
    EXPECT_TRUE(messages.empty());
}

TEST(SaveBitmapAsBmp, AFailureSaysWhatFailedAndLeavesNoFile)
{
    TempFolder folder;
    std::vector<std::wstring> messages;
    auto capture = [&](const wchar_t* text) { messages.push_back(text); };
    BitmapHandle rgb = DibSection(3, 2, 24);
    const std::string path = folder.File("missing/picture.bmp");
    EXPECT_FALSE(SaveBitmapAsBmp(Widen(path), rgb.Get(), capture));
    EXPECT_EQ(messages, (std::vector<std::wstring>{L"Failed to create specified file!", L"Error saving bitmap!"}));

    messages.clear();
    EXPECT_FALSE(SaveBitmapAsBmp(Widen(folder.File("none.bmp")), nullptr, capture));
    EXPECT_EQ(messages, (std::vector<std::wstring>{L"Error saving bitmap!"}));
    EXPECT_TRUE(FileBytes(folder.File("none.bmp")).empty());
}

TEST(SaveBitmapAsBmp, TheFileHoldsTheBitmapsPixels)
{
    TempFolder folder;
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 5, 3));
    {
        MemoryDc memory(CreateCompatibleDC(screen.Get()));
        SelectGuard select(memory.Get(), bitmap.Get());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                SetPixel(memory.Get(), x, y, RGB(40 * x, 80 * y, 200));
    }
    const std::string path = folder.File("pixels.bmp");
    ASSERT_TRUE(SaveBitmapAsBmp(Widen(path), bitmap.Get(), [](const wchar_t*) {}));
    std::optional<Image> read = DecodeBmp(FileBytes(path));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Width(), 5);
    ASSERT_EQ(read->Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(read->Pixel(x, y), Rgb(40 * x, 80 * y, 200)) << x << "," << y;
}

TEST(SaveBitmapAsBmp, AFailedWriteLeavesAnOldFileUntouched)
{
    TempFolder folder;
    const std::string path = folder.File("picture.bmp");
    {
        std::ofstream old(path, std::ios::binary);
        old << "old picture";
    }
    // The temporary file beside it cannot be made: a folder stands in its place.
    CreateDirectoryW(Widen(path + ".tmp").c_str(), nullptr);
    std::vector<std::wstring> messages;
    BitmapHandle rgb = DibSection(3, 2, 24);
    EXPECT_FALSE(SaveBitmapAsBmp(Widen(path), rgb.Get(), [&](const wchar_t* text) { messages.push_back(text); }));
    EXPECT_EQ(messages.back(), L"Error saving bitmap!");
    const std::vector<unsigned char> kept = FileBytes(path);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "old picture");
}

TEST(SaveBitmapAsBmp, ReplacesAnOldFileWhole)
{
    TempFolder folder;
    const std::string path = folder.File("picture.bmp");
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(5000, 'x');
    }
    BitmapHandle rgb = DibSection(3, 2, 24);
    ASSERT_TRUE(SaveBitmapAsBmp(Widen(path), rgb.Get(), [](const wchar_t*) {}));
    EXPECT_EQ(FileBytes(path).size(), 78u);
    EXPECT_TRUE(FileBytes(path + ".tmp").empty()) << "no temporary file is left behind";
}

TEST(ScrollPicture, ScrollBarsAppearOnlyWhereThePictureDoesNotFit)
{
    PictureHost host;
    CScrollPictureWnd picture;
    ASSERT_TRUE(picture.ReplaceControl(host.dialog.Handle(), IDC_MAIN_PICTURE));
    EXPECT_TRUE(IsWindowVisible(picture.Handle()));
    const SIZE client = host.Client(picture.Handle());
    const int cy = GetSystemMetrics(SM_CYHSCROLL);

    BitmapHandle exact = DibSection(client.cx, client.cy, 24);
    picture.SetBitmap(exact.Get());
    EXPECT_FALSE(picture.IsScrollBarShown(true));
    EXPECT_FALSE(picture.IsScrollBarShown(false));

    BitmapHandle wider = DibSection(client.cx + 1, client.cy, 24);
    picture.SetBitmap(wider.Get());
    EXPECT_TRUE(picture.IsScrollBarShown(false));
    EXPECT_TRUE(picture.IsScrollBarShown(true)) << "the horizontal bar leaves too little height";

    BitmapHandle flat = DibSection(client.cx + 1, client.cy - cy, 24);
    picture.SetBitmap(flat.Get());
    EXPECT_TRUE(picture.IsScrollBarShown(false));
    EXPECT_FALSE(picture.IsScrollBarShown(true));

    picture.SetBitmap(nullptr);
    EXPECT_EQ(picture.Bitmap(), nullptr);
}

TEST(ScrollPicture, ArrowsMoveByADefaultStepAndOffsetsStayInRange)
{
    PictureHost host;
    CScrollPictureWnd picture;
    ASSERT_TRUE(picture.ReplaceControl(host.dialog.Handle(), IDC_MAIN_PICTURE));
    BitmapHandle tall = DibSection(10, 400, 24);
    picture.SetBitmap(tall.Get());
    ASSERT_TRUE(picture.IsScrollBarShown(true));
    SendMessageW(picture.Handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(picture.ScrollBar(true)));
    EXPECT_EQ(picture.GetScrollPosition().y, CScrollPictureWnd::kDefaultLineStep);
    SendMessageW(picture.Handle(), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(picture.ScrollBar(true)));
    SendMessageW(picture.Handle(), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(picture.ScrollBar(true)));
    EXPECT_EQ(picture.GetScrollPosition().y, 0);
    picture.SetScrollPosition({0, 100000});
    // The last offset shows the picture's bottom row above the horizontal bar, when there is one.
    const int visible = host.Client(picture.Handle()).cy -
                        (picture.IsScrollBarShown(false) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    EXPECT_EQ(picture.GetScrollPosition().y, 400 - visible) << "held at the bottom";
}

TEST(ScrollPicture, FittingTakesThePicturesSize)
{
    PictureHost host;
    CScrollPictureWnd picture;
    ASSERT_TRUE(picture.ReplaceControl(host.dialog.Handle(), IDC_MAIN_PICTURE));
    picture.SetFitToPicture(true, true);
    BitmapHandle bitmap = DibSection(123, 77, 24);
    picture.SetBitmap(bitmap.Get());
    const SIZE client = host.Client(picture.Handle());
    EXPECT_EQ(client.cx, 123);
    EXPECT_EQ(client.cy, 77);
    EXPECT_FALSE(picture.IsScrollBarShown(true));
    EXPECT_FALSE(picture.IsScrollBarShown(false));
}

TEST(ImagePanel, ShowsOnlyWithAnImageAndDeletesOnlyWhatItOwns)
{
    PictureHost host;
    CImagePanel panel;
    ASSERT_TRUE(panel.ReplaceControl(host.dialog.Handle(), IDC_MAIN_PICTURE, true));
    EXPECT_FALSE(IsWindowVisible(panel.Handle())) << "hidden until it has an image";

    BitmapHandle kept = DibSection(40, 30, 24);
    panel.SetBitmap(kept.Get(), false);
    EXPECT_TRUE(IsWindowVisible(panel.Handle()));
    EXPECT_EQ(host.Client(panel.Handle()).cx, 40) << "fit: the client takes the image's size";

    HBITMAP owned = DibSection(8, 8, 24).Release();
    panel.SetBitmap(owned, true);
    BITMAP header{};
    EXPECT_NE(GetObjectW(kept.Get(), sizeof header, &header), 0) << "a bitmap not owned survives";
    panel.SetBitmap(nullptr, false);
    EXPECT_EQ(GetObjectW(owned, sizeof header, &header), 0) << "an owned bitmap is deleted when replaced";
    EXPECT_FALSE(IsWindowVisible(panel.Handle()));
}
