// Commands about the palette, the image lists and the font strip.

#include "gamedata/BmpFile.h"
#include "gamedata/Format.h"
#include "gamedata/GameFile.h"
#include "tools/art/ProgramArt.h"
#include "tools/cli/Cli.h"

#include <filesystem>

namespace cli {

namespace {

std::string g_executable;

struct ListKind {
    const char* name;
    const ImageList& (CGameData::*list)() const; // null for the font strip
};

constexpr ListKind kKinds[] = {
    {"state9", &CGameData::StateIcons9},     {"state16", &CGameData::StateIcons16},
    {"small", &CGameData::ItemImagesSmall}, {"large", &CGameData::ItemImagesLarge},
    {"icons", &CGameData::IconImages},      {"font", nullptr},
};

Image Strip(const ImageList& list)
{
    Image strip(list.CellWidth() * list.Count(), list.CellHeight());
    for (int i = 0; i < list.Count(); ++i)
        strip.Draw(*list.Get(i), list.CellWidth() * i, 0);
    return strip;
}

int Images(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {"--out"}, {}, options, error))
        return UsageError(error);
    if (options.words.size() != 1)
        return UsageError("images needs one KIND: state9, state16, small, large, icons or font");
    const std::string* out = options.Value("--out");
    if (!out)
        return UsageError("images needs --out FILE.bmp");
    const ListKind* kind = nullptr;
    for (const ListKind& candidate : kKinds)
        if (options.words[0] == candidate.name)
            kind = &candidate;
    if (!kind)
        return UsageError("unknown image kind '" + options.words[0] + "'");

    Image image = kind->list ? Strip((context.game.*(kind->list))()) : context.game.Font().strip;
    if (image.Empty())
        return Failure(std::string("No ") + kind->name + " images were loaded.");
    if (!WriteBmpFile(*out, image))
        return Failure("Cannot write " + *out);
    return kOk;
}

int PaletteCommand(Context& context)
{
    if (!context.args.empty())
        return UsageError("palette takes no arguments");
    for (size_t i = 0; i < context.game.Palette().size(); ++i) {
        Colour colour = context.game.Palette()[i];
        PrintLine(Format("%i\t#%02x%02x%02x", static_cast<int>(i), RedOf(colour), GreenOf(colour), BlueOf(colour)));
    }
    return kOk;
}

} // namespace

void SetExecutablePath(const char* path) { g_executable = path ? path : ""; }

std::optional<Image> LoadProgramBitmap(int id)
{
    std::vector<std::filesystem::path> folders;
    std::filesystem::path beside = std::filesystem::path(g_executable).parent_path();
    if (!beside.empty())
        folders.push_back(beside);
#ifdef TALLOWMARK_ART_DIR
    folders.push_back(TALLOWMARK_ART_DIR);
#endif
    for (const auto& folder : folders)
        if (auto bytes = ReadGameFile((folder / art::ProgramBitmapFile(id)).string()))
            return DecodeBmp(*bytes);
    return std::nullopt;
}

void AddImageCommands(std::vector<Command>& commands)
{
    commands.push_back({"images", "KIND --out FILE.bmp", "writes one of the loaded image lists as a picture",
                        "KIND is one of:\n"
                        "  state9   the 15 character-state marks in 9 x 9 cells\n"
                        "  state16  the same marks centred in 16 x 16 cells\n"
                        "  small    the item images of vcfont1.vga with a one-pixel border\n"
                        "  large    the images of vcfont2.vga at double size\n"
                        "  icons    the program's 26 x 26 item icons\n"
                        "  font     the strip of the game's text font, glyphs 0 to 127\n"
                        "The cells are written side by side, left to right, as a 24-bit BMP file; transparent\n"
                        "pixels keep their list's mask colour (the window colour, white, for the state marks;\n"
                        "RGB 255, 128, 64 for the others). Fails when the list is empty.",
                        Images});
    commands.push_back({"palette", "", "the game's 256 colours",
                        "Prints 256 lines \"index<TAB>#rrggbb\", index 0 first. Colours the palette file\n"
                        "does not give are black.",
                        PaletteCommand});
}

} // namespace cli
