// artgen FOLDER: draws the program's own bitmaps and icons and writes each into FOLDER, named
// by its resource id ("bitmap<id>.bmp", "icon<id>.ico"). One function per resource; add new
// bitmaps to the table below and new icons to ProgramIcons.

#include "gamedata/BmpFile.h"
#include "tools/art/ItemArt.h"
#include "tools/art/MapArt.h"
#include "tools/art/MonsterArt.h"
#include "tools/art/ProgramArt.h"
#include "tools/art/ProgramIcons.h"
#include "tools/art/SaveArt.h"
#include "tools/art/ViewerArt.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// Bitmap 131: the 128 item icons of 26 x 26 pixels side by side, on the mask colour.
Image ItemIcons()
{
    constexpr int kSide = 26;
    Image strip(kSide * art::kIconCount, kSide, art::kMaskColour);
    for (int i = 0; i < art::kIconCount; ++i)
        strip.Draw(art::DrawItemPicture(i, kSide, art::kMaskColour), kSide * i, 0);
    return strip;
}

// Bitmap 214: the 11 x 11 arrow of the choice buttons in lists, black on magenta (the mask
// colour that the program turns into the face colour).
Image ChoiceArrow()
{
    Image arrow(11, 11, Rgb(255, 0, 255));
    for (int row = 0; row < 4; ++row)
        for (int x = 2 + row; x <= 8 - row; ++x)
            arrow.SetPixel(x, 4 + row, Rgb(0, 0, 0));
    return arrow;
}

// Bitmap 215: the same arrow pointing up, the sort arrow of an ascending column (214 marks a
// descending one).
Image UpArrow()
{
    const Image down = ChoiceArrow();
    Image arrow(11, 11, Rgb(255, 0, 255));
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            arrow.SetPixel(x, 10 - y, down.Pixel(x, y));
    return arrow;
}

// The map marks and event tree icons.
template <int Id>
Image MapBitmap()
{
    return art::DrawMapBitmap(Id);
}

struct Resource {
    int id;
    Image (*draw)();
};

constexpr Resource kResources[] = {
    {131, ItemIcons},
    {139, art::HelpButtonBitmap},
    {135, art::PreviousFrameBitmap},
    {136, art::NextFrameBitmap},
    {137, art::StopFramesBitmap},
    {138, art::PlayFramesBitmap},
    {214, ChoiceArrow},
    {215, UpArrow},
    {144, MapBitmap<144>}, {216, MapBitmap<216>}, {217, MapBitmap<217>}, {218, MapBitmap<218>},
    {219, MapBitmap<219>}, {220, MapBitmap<220>}, {221, MapBitmap<221>}, {222, MapBitmap<222>},
    {223, MapBitmap<223>}, {224, MapBitmap<224>}, {225, MapBitmap<225>}, {226, MapBitmap<226>},
    {227, MapBitmap<227>}, {228, MapBitmap<228>}, {229, MapBitmap<229>}, {230, MapBitmap<230>},
    {231, MapBitmap<231>}, {232, MapBitmap<232>}, {233, MapBitmap<233>}, {234, MapBitmap<234>},
    {235, MapBitmap<235>}, {236, MapBitmap<236>}, {237, MapBitmap<237>}, {238, MapBitmap<238>},
    {239, MapBitmap<239>}, {240, MapBitmap<240>}, {241, MapBitmap<241>}, {242, MapBitmap<242>},
    {243, MapBitmap<243>},
    {151, art::SpellSchoolIcons},
    {244, art::AllianceIcons},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: artgen FOLDER\n");
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    for (const Resource& resource : kResources) {
        std::string path = (std::filesystem::path(argv[1]) / art::ProgramBitmapFile(resource.id)).string();
        if (!WriteBmpFile(path, resource.draw())) {
            std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    for (int id : art::kProgramIconIds) {
        std::vector<uint8_t> icon = art::ProgramIconFile(id);
        std::string path = (std::filesystem::path(argv[1]) / ("icon" + std::to_string(id) + ".ico")).string();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(icon.data()), static_cast<std::streamsize>(icon.size()));
        if (!out) {
            std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
