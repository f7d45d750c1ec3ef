// Commands that decode the game's pictures and portraits into BMP files.

#include "gamedata/BmpFile.h"
#include "gamedata/Format.h"
#include "gamedata/GameFile.h"
#include "gamedata/PicFile.h"
#include "gamedata/PictureSets.h"
#include "tools/cli/Cli.h"

namespace cli {

namespace {

constexpr int kMaxScale = 8;

// An optional integer option; false (after reporting) when it is there but not a number in range.
bool IntOption(const Options& options, const char* name, int low, int high, int& value, int& status)
{
    const std::string* text = options.Value(name);
    if (!text)
        return true;
    if (!ParseInt(*text, value) || value < low || value > high) {
        status = UsageError(Format("%s needs a whole number from %i to %i", name, low, high));
        return false;
    }
    return true;
}

bool Save(const std::string& path, const Image& image, int& status)
{
    if (WriteBmpFile(path, image))
        return true;
    status = Failure("cannot write " + path);
    return false;
}

int Pic(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {"--scale", "--first", "--end", "--out"}, {}, options, error))
        return UsageError(error);
    if (options.words.size() != 1)
        return UsageError("pic needs one picture file name");
    int scale = 2, first = 0, end = 0, status = kOk;
    if (!IntOption(options, "--scale", 1, kMaxScale, scale, status) ||
        !IntOption(options, "--first", 0, 0x7FFF, first, status) ||
        !IntOption(options, "--end", -0x7FFF, 0x7FFF, end, status))
        return status;

    CGameData& game = context.game;
    const std::string& name = options.words[0];
    const bool readable = GameFile(GamePath(game.InstallPath(), "\\" + name)).IsOpen();
    std::vector<Image> frames;
    game.LoadPicByName(name, frames, {.scale = scale, .first = first, .end = end, .background = pic::kBackground});
    if (!readable)
        return kFailed; // the loader has shown its message
    const std::string* prefix = options.Value("--out");
    for (size_t i = 0; i < frames.size(); ++i) {
        const int number = first + static_cast<int>(i);
        PrintLine(Format("frame %i: %i x %i", number, frames[i].Width(), frames[i].Height()));
        if (prefix && !Save(Format("%s_frm%.2i.bmp", prefix->c_str(), number), frames[i], status))
            return status;
    }
    return kOk;
}

int Pics(Context& context)
{
    if (!context.args.empty())
        return UsageError("pics takes no arguments");
    for (const std::string& name : picturesets::ListPictureFiles(context.game.InstallPath()))
        PrintLine(Utf8(name));
    return kOk;
}

int Portrait(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {"--scale", "--out"}, {}, options, error))
        return UsageError(error);
    int number = 0, scale = 4, status = kOk;
    if (options.words.size() != 1 || !ParseInt(options.words[0], number))
        return UsageError("portrait needs one portrait number");
    if (!options.Value("--out"))
        return UsageError("portrait needs --out FILE.bmp");
    if (!IntOption(options, "--scale", 1, kMaxScale, scale, status))
        return status;
    std::optional<Image> image = context.game.GetPortrait(number, scale);
    if (!image)
        return Failure(Format("Portrait %i cannot be read.", number));
    PrintLine(Format("portrait %i: %i x %i", number, image->Width(), image->Height()));
    return Save(*options.Value("--out"), *image, status) ? kOk : status;
}

} // namespace

void AddPictureCommands(std::vector<Command>& commands)
{
    commands.push_back({"pic", "FILE [--scale S] [--first F] [--end E] [--out PREFIX]", "the frames of a picture file",
                        "Decodes the frames of the picture file FILE of the installation folder as the Picture\n"
                        "Viewer does, on the background RGB(96, 96, 128), and prints \"frame I: W x H\" for each,\n"
                        "I counting the file's frames from 0.\n\n"
                        "  --scale S   1 to 8 (default 2, as the Picture Viewer); Gold pictures are stored at\n"
                        "              twice the size: scale 1 halves them, any other scale shows them as stored\n"
                        "  --first F   the first frame (default 0)\n"
                        "  --end E     the frame to stop before; 0 or beyond the last: all (default); negative:\n"
                        "              counted back from the number of frames\n"
                        "  --out PREFIX  also write each frame as PREFIX_frmNN.bmp (NN the frame, two digits)",
                        Pic});
    commands.push_back({"pics", "", "the picture files of the installation",
                        "Prints the name of every \"*.pic\" file of the installation folder, one a line, sorted\n"
                        "without regard to case, as the Picture Viewer lists them.",
                        Pics});
    commands.push_back({"portrait", "N --out FILE.bmp [--scale S]", "a character portrait as a BMP file",
                        "Writes portrait N (0 to 32) to FILE.bmp and prints \"portrait N: W x H\".\n"
                        "The first edition draws \"portdata.vga\" at the scale (1 to 8, default 4 as the\n"
                        "Save File Viewer; above 4 is 4); Gold reads \"RES\\BITS\\PCA\" for scale 1 and\n"
                        "\"RES\\BITS\\PCB\" otherwise, at the size stored.",
                        Portrait});
}

} // namespace cli
