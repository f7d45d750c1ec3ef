#include "tools/atlas/Atlas.h"

#include "gamedata/Format.h"
#include "maps/MapNames.h"
#include "tools/atlas/Html.h"
#include "tools/atlas/Site.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace atlas {

namespace {

// Where a folder is, as far as it exists, with links resolved; compared by its parts.
fs::path Resolved(const fs::path& path)
{
    std::error_code error;
    fs::path full = fs::weakly_canonical(fs::absolute(path, error), error);
    if (error)
        full = fs::absolute(path).lexically_normal();
    // "site/" names the folder site, not an empty name inside it.
    return full.has_filename() || !full.has_parent_path() ? full : full.parent_path();
}

bool IsWithin(const fs::path& inner, const fs::path& outer)
{
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (o->empty() && std::next(o) == outer.end())
            break; // a trailing separator
        if (i == inner.end() || *i != *o)
            return false;
    }
    return true;
}

// A name for a sibling folder that does not exist yet.
fs::path FreeSibling(const fs::path& out, const char* kind)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (;;) {
        fs::path candidate = out;
        candidate += Format(".%s-%08x", kind, static_cast<unsigned>(random()));
        std::error_code error;
        if (!fs::exists(candidate, error))
            return candidate;
    }
}

std::string Index(Site& site)
{
    CGameData& game = site.Game();
    std::string page = PageStart("Wizardry VII atlas: " + EditionName(game), "", site);
    page += "<ul class=\"index\">" +
            Format("<li><a href=\"items.html\">Items</a>: <span id=\"count-items\">%i</span></li>", game.ItemCount()) +
            Format("<li><a href=\"monsters.html\">Monsters</a>: <span id=\"count-monsters\">%i</span></li>",
                   game.MonsterCount()) +
            "<li><a href=\"maps.html\">Maps</a>: <span id=\"count-maps\">32</span></li>" +
            Format("<li><a href=\"pictures.html\">Pictures</a>: <span id=\"count-pictures\">%i</span> files</li>",
                   site.pictureFiles);
    if (site.hasSave)
        page += "<li><a href=\"party.html\">Party</a></li><li><a href=\"world.html\">World</a></li>";
    page += "</ul>\n<p>Written by tallowmark-cli from the installation's files; nothing here is fetched from "
            "anywhere.</p>\n";
    return page + PageEnd();
}

} // namespace

AtlasResult WriteAtlas(CGameData& game, const std::string& outText, const SaveGame* save, const std::string& savePath)
{
    AtlasResult result;
    const fs::path out = Resolved(outText);
    const fs::path installation = Resolved(game.InstallPath());
    if (outText.empty() || IsWithin(out, installation) || IsWithin(installation, out)) {
        result.error = "The atlas is not written into or over the installation folder: " + outText;
        return result;
    }
    std::error_code error;
    const bool exists = fs::exists(out, error);
    if (exists) {
        const bool emptyFolder = fs::is_directory(out, error) && fs::is_empty(out, error);
        if (!emptyFolder && !fs::is_regular_file(out / kMarkerFile, error)) {
            result.error = "The folder exists and does not hold an atlas; it is left as it is: " + outText;
            return result;
        }
    }
    const fs::path temporary = FreeSibling(out, "new");
    if (!fs::create_directories(temporary, error) || error) {
        result.error = "cannot make " + temporary.string();
        return result;
    }

    Site site(game, temporary.string());
    site.hasSave = save != nullptr;
    site.MakeFolder("img");
    WriteAssets(site);
    WriteItemPages(site);
    WriteMonsterPages(site);
    WriteMapPages(site);
    WritePicturePages(site);
    if (save)
        WriteSavePages(site, *save, savePath);
    site.WriteText("frames.css", site.FrameStyles());
    site.WriteText("index.html", Index(site));
    site.WriteText(kMarkerFile, "Written by tallowmark-cli atlas. Writing an atlas here again replaces this folder.\n");

    if (site.Ok()) {
        // The old atlas goes aside first, so that out never holds half of either.
        fs::path old;
        if (exists) {
            old = FreeSibling(out, "old");
            fs::rename(out, old, error);
        }
        if (!error)
            fs::rename(temporary, out, error);
        if (error) {
            if (!old.empty())
                fs::rename(old, out, error);
            site.Fail("cannot put the atlas in place: " + outText);
        } else if (!old.empty()) {
            fs::remove_all(old, error);
        }
    }
    if (!site.Ok()) {
        fs::remove_all(temporary, error);
        result.error = site.Error();
        return result;
    }
    result.ok = true;
    result.files = site.Files();
    return result;
}

} // namespace atlas
