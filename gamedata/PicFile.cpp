// PIC picture files: decoding both layouts.

#include "gamedata/PicFile.h"
#include "gamedata/ByteReader.h"

#include <algorithm>
#include <cstdint>

namespace pic {

namespace {

constexpr int kBlockSide = 8;
constexpr size_t kBlockBytes = 64;
constexpr size_t kMaskedFrameHeader = 4;
constexpr size_t kPlainFrameHeader = 6;
constexpr size_t kMaskedLengthField = 4;
// Every frame is drawn at the size of the largest, so a small damaged file that describes
// thousands of frames would ask for gigabytes. No more frames are produced than fit in this
// many pixels together (a real picture needs a few hundred thousand); at least one always is.
constexpr int64_t kPixelBudget = int64_t{1} << 24;

// One frame as found in the file: its size in blocks and where its parts lie.
struct FrameLayout {
    int width = 0; // in blocks of 8 pixels
    int height = 0;
    size_t mask = 0;   // masked blocks: the block mask
    size_t pixels = 0; // the first pixel byte
};

int FrameCount(const ByteReader& bytes) { return std::max<int>(bytes.S16(0), 0); }

// The frames of a masked-block picture (the bytes after the length field) that the file
// holds: a frame is there when its header and block mask are, its pixels begin after its mask,
// and the first of them is held unless it has none. The first frame that is not ends the
// picture, so a damaged file cannot repeat one frame over and over.
std::vector<FrameLayout> MaskedLayouts(const ByteReader& data)
{
    std::vector<FrameLayout> frames;
    const int count = FrameCount(data);
    size_t at = 2 + 4 * static_cast<size_t>(count);
    for (int i = 0; i < count && data.Has(at, kMaskedFrameHeader); ++i) {
        FrameLayout frame;
        frame.width = data.U8(at + 2);
        frame.height = data.U8(at + 3);
        frame.mask = at + kMaskedFrameHeader;
        frame.pixels = at + data.U16(at);
        const int blocks = frame.width * frame.height;
        const size_t maskBytes = (static_cast<size_t>(blocks) + 7) / 8;
        if (!data.Has(frame.mask, maskBytes) || frame.pixels < frame.mask + maskBytes)
            break;
        size_t present = 0;
        for (int k = 0; k < blocks; ++k)
            present += (data.U8(frame.mask + k / 8) >> (k % 8)) & 1;
        if (present && !data.Has(frame.pixels, 1))
            break;
        frames.push_back(frame);
        at = frame.pixels + kBlockBytes * present;
    }
    return frames;
}

// The frames of a plain picture that the file holds: the header, and the first pixel unless
// the frame has none; a frame without pixels must still begin within the file.
std::vector<FrameLayout> PlainLayouts(const ByteReader& bytes)
{
    std::vector<FrameLayout> frames;
    const int count = FrameCount(bytes);
    size_t pixels = 2 + kPlainFrameHeader * static_cast<size_t>(count);
    for (int i = 0; i < count; ++i) {
        const size_t header = 2 + kPlainFrameHeader * i;
        FrameLayout frame;
        frame.width = bytes.U8(header);
        frame.height = bytes.U8(header + 1);
        frame.pixels = pixels;
        const size_t size = kBlockBytes * frame.width * frame.height;
        if (!bytes.Has(header, kPlainFrameHeader) || !bytes.Has(pixels, size ? 1 : 0))
            break;
        frames.push_back(frame);
        pixels += size;
    }
    return frames;
}

// The colour of a pixel byte, or nothing for a transparent one or one the file does not hold.
const Colour* PixelColour(const ByteReader& bytes, size_t at, const Palette& palette)
{
    if (!bytes.Has(at, 1))
        return nullptr;
    uint8_t index = bytes.Data()[at];
    return index == kTransparent ? nullptr : &palette[index];
}

void DrawMaskedFrame(const ByteReader& data, const FrameLayout& frame, const Palette& palette, int scale, int left,
                     int top, Image& image)
{
    const int unit = kBlockSide * scale;
    size_t block = frame.pixels;
    for (int k = 0; k < frame.width * frame.height; ++k) {
        if (!(data.U8(frame.mask + k / 8) & (1u << (k % 8))))
            continue;
        const int cornerX = left + unit * (k % frame.width);
        const int cornerY = top + unit * (k / frame.width);
        for (int y = 0; y < kBlockSide; ++y)
            for (int x = 0; x < kBlockSide; ++x)
                if (const Colour* colour = PixelColour(data, block + kBlockSide * y + x, palette))
                    image.FillRect(cornerX + scale * x, cornerY + scale * y, scale, scale, *colour);
        block += kBlockBytes;
    }
}

// Scale 1 halves a plain picture (every other pixel of every other row); any other scale
// draws it as stored.
void DrawPlainFrame(const ByteReader& bytes, const FrameLayout& frame, const Palette& palette, int scale, int left,
                    int top, Image& image)
{
    const int step = scale == 1 ? 2 : 1;
    const size_t rowBytes = static_cast<size_t>(kBlockSide) * frame.width;
    const int rows = kBlockSide * frame.height / step;
    const int columns = kBlockSide * frame.width / step;
    for (int y = 0; y < rows; ++y) {
        const size_t row = frame.pixels + rowBytes * step * y;
        for (int x = 0; x < columns; ++x)
            if (const Colour* colour = PixelColour(bytes, row + step * x, palette))
                image.SetPixel(left + x, top + y, *colour);
    }
}

} // namespace

Form FormOf(std::span<const uint8_t> file)
{
    const ByteReader bytes(file);
    const bool lengthMatches =
        bytes.Has(0, kMaskedLengthField) && uint64_t{bytes.U32(0)} + kMaskedLengthField == file.size();
    return lengthMatches ? Form::MaskedBlocks : Form::Plain;
}

int SettleEnd(int end, int frameCount)
{
    if (end == 0 || end > frameCount)
        return frameCount;
    if (end < 0) {
        end += frameCount;
        if (end == 0)
            return frameCount;
    }
    return end;
}

int Decode(std::span<const uint8_t> file, Form form, const Palette& palette, const Request& request,
           std::vector<Image>& frames)
{
    const bool masked = form == Form::MaskedBlocks;
    const ByteReader bytes = masked ? ByteReader(file).Sub(kMaskedLengthField) : ByteReader(file);
    const std::vector<FrameLayout> layouts = masked ? MaskedLayouts(bytes) : PlainLayouts(bytes);

    const int scale = std::max(request.scale, 1);
    const int first = std::max(request.first, 0);
    int end = SettleEnd(request.end, static_cast<int>(layouts.size()));
    if (first >= end)
        return 0;

    // Pixels per unit of frame width or height (a block, or 8 stored pixels).
    const int unit = masked ? kBlockSide * scale : (scale == 1 ? 4 : 8);
    int widest = 0, tallest = 0;
    for (int f = first; f < end; ++f) {
        widest = std::max(widest, layouts[f].width);
        tallest = std::max(tallest, layouts[f].height);
    }
    const int64_t framePixels = int64_t{unit} * widest * unit * tallest;
    if (framePixels > 0)
        end = first + static_cast<int>(std::clamp<int64_t>(kPixelBudget / framePixels, 1, end - first));
    for (int f = first; f < end; ++f) {
        const FrameLayout& frame = layouts[f];
        Image image(unit * widest, unit * tallest, request.background);
        const int left = (unit * widest - unit * frame.width) / 2;
        const int top = (unit * tallest - unit * frame.height) / 2;
        if (masked)
            DrawMaskedFrame(bytes, frame, palette, scale, left, top, image);
        else
            DrawPlainFrame(bytes, frame, palette, scale, left, top, image);
        frames.push_back(std::move(image));
    }
    return end - first;
}

} // namespace pic
