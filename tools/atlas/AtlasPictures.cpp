// Every picture file of the installation folder, frame by frame, as the Picture Viewer lists them.

#include "gamedata/Format.h"
#include "gamedata/PicFile.h"
#include "tools/atlas/Html.h"
#include "tools/atlas/Site.h"
#include "tools/cli/Cli.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace atlas {

namespace {

// The ".pic" files of the folder, sorted as the viewer's sorted list sorts them.
std::vector<std::string> PictureFiles(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::string lower = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower.size() > 4 && lower.ends_with(".pic") && it->is_regular_file(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
    return names;
}

} // namespace

void WritePicturePages(Site& site)
{
    CGameData& game = site.Game();
    const std::vector<std::string> files = PictureFiles(game.InstallPath());
    site.pictureFiles = static_cast<int>(files.size());
    std::string page = PageStart("Pictures", "", site) + "<ul class=\"picturefiles\">";
    for (size_t i = 0; i < files.size(); ++i)
        page += Format("<li><a href=\"#p%i\">", static_cast<int>(i)) + Html(files[i]) + "</a></li>";
    page += "</ul>\n";
    for (size_t i = 0; i < files.size() && site.Ok(); ++i) {
        std::vector<Image> frames;
        game.LoadPicByName(files[i], frames, {.scale = 2, .background = pic::kBackground});
        page += Format("<section class=\"picture\" id=\"p%i\"><h2>", static_cast<int>(i)) + Html(files[i]) +
                Format(" (%i frames)</h2><div class=\"framelist\">", static_cast<int>(frames.size()));
        const std::vector<std::string> shown = site.WriteFrames(Format("pic-%i", static_cast<int>(i)), frames);
        for (size_t f = 0; f < shown.size(); ++f)
            page += "<figure>" + shown[f] + Format("<figcaption>frame %i</figcaption></figure>", static_cast<int>(f));
        page += "</div></section>\n";
    }
    site.WriteText("pictures.html", page + PageEnd());
}

} // namespace atlas
