#pragma once
// The atlas: the game's data as a folder of static HTML pages with PNG pictures, opened from the
// disk without a server.

#include <string>

class CGameData;
class SaveGame;

namespace atlas {

struct AtlasResult {
    bool ok = false;
    std::string error; // UTF-8
    int files = 0;
};

// Writes the atlas of the game into folder out: first into a new folder beside it, which then
// takes out's place, so a failure leaves out as it was. An existing out is replaced only when it
// is empty or holds an earlier atlas; out may not lie inside the installation folder. save (with
// the path it was read from) adds the party and world pages.
AtlasResult WriteAtlas(CGameData& game, const std::string& out, const SaveGame* save = nullptr,
                       const std::string& savePath = "");

// The file that marks a folder as an atlas, so that writing again may replace it.
constexpr const char* kMarkerFile = "tallowmark-atlas.txt";

} // namespace atlas
