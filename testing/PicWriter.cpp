// PIC files in both forms, from frames given as grids of palette indexes.

#include "testing/GameBuilder.h"

#include <algorithm>

namespace gamebuild {

namespace {

constexpr uint8_t kClear = pic::kTransparent;

int Units(int pixels) { return std::clamp((pixels + 7) / 8, 0, 255); }

uint8_t PixelOf(const PicFrame& frame, int x, int y)
{
    if (x < 0 || y < 0 || x >= frame.width || y >= frame.height)
        return kClear;
    size_t at = static_cast<size_t>(y) * frame.width + x;
    return at < frame.pixels.size() ? frame.pixels[at] : kClear;
}

void Append16(std::vector<uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Append32(std::vector<uint8_t>& out, uint32_t value)
{
    Append16(out, value & 0xFFFF);
    Append16(out, value >> 16);
}

std::vector<uint8_t> MaskedFile(const PicFile& picture)
{
    std::vector<uint8_t> frames;
    std::vector<uint32_t> offsets;
    for (const PicFrame& frame : picture.frames) {
        offsets.push_back(static_cast<uint32_t>(frames.size()));
        std::vector<uint8_t> bytes = MaskedFrameBytes(frame);
        frames.insert(frames.end(), bytes.begin(), bytes.end());
    }
    std::vector<uint8_t> file;
    const size_t count = picture.frames.size();
    const size_t tableEnd = 4 + 2 + 4 * count;
    Append32(file, static_cast<uint32_t>(tableEnd - 4 + frames.size()));
    Append16(file, static_cast<unsigned>(count));
    // The frame table: each frame's offset in the file, as the game keeps it.
    for (uint32_t offset : offsets)
        Append32(file, static_cast<uint32_t>(tableEnd + offset));
    file.insert(file.end(), frames.begin(), frames.end());
    return file;
}

std::vector<uint8_t> PlainFile(const PicFile& picture)
{
    std::vector<uint8_t> file;
    Append16(file, static_cast<unsigned>(picture.frames.size()));
    for (const PicFrame& frame : picture.frames) {
        file.push_back(static_cast<uint8_t>(Units(frame.width)));
        file.push_back(static_cast<uint8_t>(Units(frame.height)));
        Append32(file, 0);
    }
    for (const PicFrame& frame : picture.frames)
        for (int y = 0; y < 8 * Units(frame.height); ++y)
            for (int x = 0; x < 8 * Units(frame.width); ++x)
                file.push_back(PixelOf(frame, x, y));
    // A plain file whose first four bytes happened to give the length of the rest would read
    // as the other form; one byte more, which the decoder never reaches, settles it.
    if (pic::FormOf(file) != pic::Form::Plain)
        file.push_back(0);
    return file;
}

} // namespace

std::vector<uint8_t> MaskedFrameBytes(const PicFrame& frame)
{
    const int columns = Units(frame.width), rows = Units(frame.height);
    const size_t maskBytes = (static_cast<size_t>(columns) * rows + 7) / 8;
    std::vector<uint8_t> bytes(4 + maskBytes, 0);
    bytes[0] = static_cast<uint8_t>(bytes.size());
    bytes[1] = static_cast<uint8_t>(bytes.size() >> 8);
    bytes[2] = static_cast<uint8_t>(columns);
    bytes[3] = static_cast<uint8_t>(rows);
    for (int k = 0; k < columns * rows; ++k) {
        const int left = 8 * (k % columns), top = 8 * (k / columns);
        std::vector<uint8_t> block;
        bool used = false;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                block.push_back(PixelOf(frame, left + x, top + y));
                used = used || block.back() != kClear;
            }
        if (!used)
            continue;
        bytes[4 + k / 8] |= static_cast<uint8_t>(1u << (k % 8));
        bytes.insert(bytes.end(), block.begin(), block.end());
    }
    return bytes;
}

std::vector<uint8_t> PicFileBytes(const PicFile& picture)
{
    return picture.form == pic::Form::MaskedBlocks ? MaskedFile(picture) : PlainFile(picture);
}

} // namespace gamebuild
