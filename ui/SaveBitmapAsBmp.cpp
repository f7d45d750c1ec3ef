#include "ui/SaveBitmapAsBmp.h"
#include "ui/Handles.h"

#include <cstdio>
#include <vector>

void ShowErrorBox(const wchar_t* text) { MessageBoxW(GetActiveWindow(), text, L"Tallowmark", MB_OK | MB_ICONERROR); }

namespace {

WORD StoredBits(WORD bits)
{
    if (bits <= 1)
        return 1;
    if (bits <= 4)
        return 4;
    if (bits <= 8)
        return 8;
    if (bits <= 16)
        return 16;
    if (bits <= 24)
        return 24;
    return 32;
}

// Writes the three parts; the message of the first that fails, or null.
const wchar_t* WriteParts(std::FILE* file, const BITMAPFILEHEADER& header, const std::vector<BYTE>& info,
                          const std::vector<BYTE>& pixels)
{
    if (std::fwrite(&header, sizeof header, 1, file) != 1)
        return L"Write BITMAPFILEHEADER failed!";
    if (std::fwrite(info.data(), info.size(), 1, file) != 1)
        return L"Write BITMAPINFOHEADER and RGBQUAD failed!";
    if (!pixels.empty() && std::fwrite(pixels.data(), pixels.size(), 1, file) != 1)
        return L"Write color bits failed!";
    return nullptr;
}

} // namespace

bool SaveBitmapAsBmp(const std::wstring& path, HBITMAP bitmap, const ErrorReporter& report)
{
    WaitCursor wait;
    BITMAP description{};
    if (!bitmap || !GetObjectW(bitmap, sizeof description, &description)) {
        report(L"Error saving bitmap!");
        return false;
    }
    const WORD bits = StoredBits(static_cast<WORD>(description.bmPlanes * description.bmBitsPixel));
    const DWORD colours = bits <= 8 ? (1u << bits) : 0;
    // The info header and its colour table, as one block.
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD), 0);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = description.bmWidth;
    header->biHeight = description.bmHeight;
    header->biPlanes = 1;
    header->biBitCount = bits;
    header->biCompression = BI_RGB;
    header->biSizeImage = ((static_cast<DWORD>(bits) * description.bmWidth + 31) & ~31u) / 8 * description.bmHeight;
    header->biClrUsed = colours;

    std::vector<BYTE> pixels(header->biSizeImage);
    {
        WindowDc screen(nullptr);
        if (!GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(description.bmHeight), pixels.data(),
                       reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS)) {
            report(L"Error saving bitmap!");
            return false;
        }
    }
    header->biClrImportant = 0;

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 19778; // "BM"
    fileHeader.bfOffBits = static_cast<DWORD>(sizeof fileHeader + info.size());
    fileHeader.bfSize = fileHeader.bfOffBits + header->biSizeImage;

    const std::wstring temporary = path + L".tmp";
    std::FILE* file = _wfopen(temporary.c_str(), L"wb");
    if (!file) {
        report(L"Failed to create specified file!");
        report(L"Error saving bitmap!");
        return false;
    }
    const wchar_t* failure = WriteParts(file, fileHeader, info, pixels);
    if (std::fclose(file) != 0 && !failure)
        failure = L"Write color bits failed!";
    if (!failure && !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        failure = L"Failed to create specified file!";
    if (failure) {
        DeleteFileW(temporary.c_str());
        report(failure);
        report(L"Error saving bitmap!");
        return false;
    }
    return true;
}
