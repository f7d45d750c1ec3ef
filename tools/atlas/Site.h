#pragma once
// The folder an atlas is being written into, and the page frame every page shares.

#include "gamedata/CGameData.h"
#include "gamedata/Image.h"

#include <map>
#include <string>
#include <vector>

class SaveGame;

namespace atlas {

class Site {
public:
    Site(CGameData& game, std::string root) : m_game(game), m_root(std::move(root)) {}

    CGameData& Game() const { return m_game; }
    // Files by path within the site, "/" between folders; a failure is kept and ends the writing.
    void WriteText(const std::string& path, const std::string& text);
    void WritePicture(const std::string& path, const Image& image);
    void WriteOverlay(const std::string& path, const Image& image, const Image& base);
    // An image list as one strip, pixels of its mask colour transparent.
    void WriteStrip(const std::string& path, const ImageList& list);
    void MakeFolder(const std::string& path);
    // The frames of a picture as one strip "img/NAME.png"; gives per frame the element that shows
    // it (the style sheet frames.css, written last, places each one).
    std::vector<std::string> WriteFrames(const std::string& name, const std::vector<Image>& frames);
    // Rules of the style sheet frames.css that places pictures (no page holds a style of its own).
    void AddStyle(const std::string& rule) { m_frameStyles += rule; }
    const std::string& FrameStyles() const { return m_frameStyles; }
    bool Ok() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }
    void Fail(const std::string& message)
    {
        if (m_error.empty())
            m_error = message;
    }
    int Files() const { return m_files; }

    // What the index counts.
    int pictureFiles = 0;
    // The frame elements of each picture file written so far, by its name in lower case, so that
    // other pages show the same strip instead of writing it again.
    std::map<std::string, std::vector<std::string>> pictureFrames;
    bool hasSave = false;

private:
    std::string Full(const std::string& path) const { return m_root + "/" + path; }

    CGameData& m_game;
    std::string m_root;
    std::string m_error;
    std::string m_frameStyles;
    int m_files = 0;
};

// The start of a page up to its <main>: title (UTF-8, escaped here), the way back to the site's
// root ("" or "../"), and the navigation.
std::string PageStart(const std::string& title, const std::string& root, const Site& site);
std::string PageEnd();

// The edition's name for titles.
std::string EditionName(const CGameData& game);
// "?Unknown Item?" and friends stay as the viewers show them.
std::string ItemLink(const CGameData& game, int item, const std::string& root);

void WriteItemPages(Site& site);
void WriteMonsterPages(Site& site);
void WriteMapPages(Site& site);
void WritePicturePages(Site& site);
void WriteSavePages(Site& site, const SaveGame& save, const std::string& savePath);
void WriteAssets(Site& site);

} // namespace atlas
