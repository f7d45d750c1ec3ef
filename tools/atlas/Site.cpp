#include "tools/atlas/Site.h"

#include "gamedata/Format.h"
#include "items/ItemRecord.h"
#include "items/ItemText.h"
#include "tools/atlas/Html.h"
#include "tools/atlas/PngFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace atlas {

void Site::WriteText(const std::string& path, const std::string& text)
{
    if (!Ok())
        return;
    std::ofstream file(Full(path), std::ios::binary);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file)
        Fail("cannot write " + Full(path));
    ++m_files;
}

void Site::WritePicture(const std::string& path, const Image& image)
{
    if (Ok() && !WritePng(Full(path), image))
        Fail("cannot write " + Full(path));
    ++m_files;
}

void Site::WriteOverlay(const std::string& path, const Image& image, const Image& base)
{
    if (Ok() && !WritePngOverlay(Full(path), image, base))
        Fail("cannot write " + Full(path));
    ++m_files;
}

void Site::WriteStrip(const std::string& path, const ImageList& list)
{
    const int count = std::max(list.Count(), 1);
    Image strip(std::max(list.CellWidth(), 1) * count, std::max(list.CellHeight(), 1), list.Mask());
    for (int i = 0; i < list.Count(); ++i)
        strip.Draw(*list.Get(i), i * list.CellWidth(), 0);
    // The overlay of the strip on a ground of the mask colour: mask pixels come out transparent.
    Image ground(strip.Width(), strip.Height(), list.Mask());
    WriteOverlay(path, strip, ground);
}

std::vector<std::string> Site::WriteFrames(const std::string& name, const std::vector<Image>& frames)
{
    std::vector<std::string> elements;
    int width = 0, height = 0;
    for (const Image& frame : frames) {
        width += frame.Width();
        height = std::max(height, frame.Height());
    }
    if (width <= 0 || height <= 0)
        return elements;
    Image strip(width, height);
    int x = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        strip.Draw(frames[i], x, 0);
        m_frameStyles += Format(".f-%s-%i{width:%ipx;height:%ipx;background:url(img/%s.png) %ipx 0}\n", name.c_str(),
                                static_cast<int>(i), frames[i].Width(), frames[i].Height(), name.c_str(), -x);
        elements.push_back(Format("<span class=\"frame f-%s-%i\" role=\"img\" aria-label=\"frame %i\"></span>",
                                  name.c_str(), static_cast<int>(i), static_cast<int>(i)));
        x += frames[i].Width();
    }
    WritePicture("img/" + name + ".png", strip);
    return elements;
}

void Site::MakeFolder(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directories(Full(path), error);
    if (error)
        Fail("cannot make " + Full(path));
}

std::string EditionName(const CGameData& game) { return game.IsGold() ? "Gold edition" : "First edition"; }

std::string PageStart(const std::string& title, const std::string& root, const Site& site)
{
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                       "script-src 'self'; style-src 'self'; img-src 'self'\">"
                       "<title>" +
                       HtmlUtf8(title) + "</title><link rel=\"stylesheet\" href=\"" + root +
                       "atlas.css\"><link rel=\"stylesheet\" href=\"" + root +
                       "frames.css\"><script src=\"" + root + "atlas.js\" defer></script></head>\n<body><nav>";
    const char* links[][2] = {{"index.html", "Atlas"},     {"items.html", "Items"},
                              {"monsters.html", "Monsters"}, {"maps.html", "Maps"},
                              {"pictures.html", "Pictures"}};
    for (const auto& link : links)
        page += "<a href=\"" + root + link[0] + "\">" + link[1] + "</a> ";
    if (site.hasSave)
        page += "<a href=\"" + root + "party.html\">Party</a> <a href=\"" + root + "world.html\">World</a>";
    return page + "</nav>\n<main>\n<h1>" + HtmlUtf8(title) + "</h1>\n";
}

std::string PageEnd() { return "</main>\n</body></html>\n"; }

std::string ItemLink(const CGameData& game, int item, const std::string& root)
{
    const uint8_t* record = game.GetItem(item);
    if (!record)
        return Html(std::to_string(item));
    return "<a href=\"" + root + "item/" + std::to_string(item) + ".html\">" + Html(ItemDisplayName(ItemRecord(record))) +
           "</a>";
}

} // namespace atlas
