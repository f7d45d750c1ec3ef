#include "tools/atlas/PngFile.h"

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <vector>

namespace atlas {

namespace {

// rows: height rows of width pixels, 3 or 4 bytes each. Only plain data lives in this function,
// since libpng reports failure by longjmp.
bool WriteRows(const char* path, int width, int height, int channels, const std::vector<png_bytep>& rows)
{
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = false;
    if (png && info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        // Fast settings: pictures of few colours compress well anyway, and the atlas writes many.
        png_set_compression_level(png, 1);
        png_set_compression_strategy(png, Z_RLE);
        png_set_filter(png, 0, PNG_FILTER_UP);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        png_write_image(png, const_cast<png_bytepp>(rows.data()));
        png_write_end(png, nullptr);
        ok = true;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    ok = std::fclose(file) == 0 && ok;
    if (!ok)
        std::remove(path);
    return ok;
}

bool Write(const std::string& path, int width, int height, int channels, std::vector<uint8_t>& bytes)
{
    if (width <= 0 || height <= 0)
        return false;
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[static_cast<size_t>(y)] = bytes.data() + static_cast<size_t>(y) * width * channels;
    return WriteRows(path.c_str(), width, height, channels, rows);
}

} // namespace

bool WritePng(const std::string& path, const Image& image)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(image.Pixels().size() * 3);
    for (Colour c : image.Pixels()) {
        bytes.push_back(static_cast<uint8_t>(RedOf(c)));
        bytes.push_back(static_cast<uint8_t>(GreenOf(c)));
        bytes.push_back(static_cast<uint8_t>(BlueOf(c)));
    }
    return Write(path, image.Width(), image.Height(), 3, bytes);
}

bool WritePngOverlay(const std::string& path, const Image& image, const Image& base)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(image.Pixels().size() * 4);
    const bool sameSize = image.Width() == base.Width() && image.Height() == base.Height();
    for (size_t i = 0; i < image.Pixels().size(); ++i) {
        const Colour c = image.Pixels()[i];
        const bool changed = !sameSize || c != base.Pixels()[i];
        bytes.push_back(changed ? static_cast<uint8_t>(RedOf(c)) : 0);
        bytes.push_back(changed ? static_cast<uint8_t>(GreenOf(c)) : 0);
        bytes.push_back(changed ? static_cast<uint8_t>(BlueOf(c)) : 0);
        bytes.push_back(changed ? 255 : 0);
    }
    return Write(path, image.Width(), image.Height(), 4, bytes);
}

} // namespace atlas
