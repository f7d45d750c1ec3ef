// "atlas": the game's data as a static web site.

#include "saves/SaveGame.h"
#include "tools/cli/Cli.h"

#ifdef TALLOWMARK_ATLAS
#include "tools/atlas/Atlas.h"
#endif

namespace cli {

namespace {

int Atlas(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {"--out", "--save"}, {}, options, error))
        return UsageError(error);
    if (!options.words.empty() || !options.Value("--out"))
        return UsageError("atlas needs --out DIR");
#ifdef TALLOWMARK_ATLAS
    SaveGame save;
    const std::string* saveName = options.Value("--save");
    if (saveName) {
        if (int status = LoadSaveFile(context.game, *saveName, save); status != kOk)
            return status;
    }
    const atlas::AtlasResult result =
        atlas::WriteAtlas(context.game, *options.Value("--out"), saveName ? &save : nullptr,
                          saveName ? SaveFilePath(context.game, *saveName) : "");
    if (!result.ok)
        return Failure(result.error);
    PrintLine(*options.Value("--out") + "/index.html");
    return kOk;
#else
    return Failure("The atlas is written by the Linux build of tallowmark-cli; this build cannot write PNG files.");
#endif
}

} // namespace

void AddAtlasCommands(std::vector<Command>& commands)
{
    commands.push_back(
        {"atlas", "--out DIR [--save FILE]", "the game's data as a static web site",
         "Writes a folder of HTML pages with PNG pictures that a browser opens from the disk, with\n"
         "no server and nothing fetched from anywhere: index.html names the edition and the counts;\n"
         "items.html is the Item List (sorted by a header click, filtered as the Item List filters),\n"
         "item/N.html the Item Viewer's forms of item N; monsters.html and monster/N.html the\n"
         "monsters; maps.html and map/N.html each map's drawing with its show options as toggles,\n"
         "the Map Viewer's hover text and, for a cell with events, what Map Properties shows;\n"
         "pictures.html every picture file frame by frame. With --save FILE (a path, or a name in\n"
         "the installation folder) also party.html and world.html.\n\n"
         "The site is written into a new folder beside DIR, which then takes DIR's place: a failure\n"
         "leaves DIR as it was. An existing DIR is replaced only when it is empty or holds an atlas;\n"
         "DIR may not lie inside the installation folder. Prints the path of the index.\n"
         "Only the Linux build writes atlases (PNG through libpng); the Windows build says so and\n"
         "exits 1.",
         Atlas});
}

} // namespace cli
