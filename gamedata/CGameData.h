#pragma once
// The one store of the game's data, loaded at start-up and read by every viewer.

#include "gamedata/Image.h"
#include "gamedata/Platform.h"
#include "maps/MapEvent.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CGameData {
public:
    // Performs the whole load; check m_loaded afterwards. The platform must outlive the store.
    explicit CGameData(Platform& platform);
    ~CGameData();
    CGameData(const CGameData&) = delete;
    CGameData& operator=(const CGameData&) = delete;

    void LoadSettings();
    void SaveSettings();
    bool ChooseInstallFolder();
    // Shows string 21 with the file's path and string id; always false.
    bool ShowLoadError(int id, const std::string& path);

    // Scenario database.
    bool LoadScenario();
    const uint8_t* GetItem(int number) const;
    const uint8_t* GetMonster(int number) const;
    const uint8_t* GetIncident(int number) const;
    const uint8_t* GetLootRecord(int number) const;
    const MapEvent* GetMapEvents(int map, int& count) const;
    // Reads the record from the file unless it is the one held; valid until GetMap for another map.
    const uint8_t* GetMap(int map);

    // Palette, image sets, the program's icons and the text font, in the order start-up reads them.
    bool LoadPalette();
    bool BuildStateIcons(ImageList& list, int cellSize);
    bool LoadImageSet(const char* name, ImageList& list, int borderX, int borderY, bool doubled);
    bool LoadIconImages();
    bool LoadTextFont();

    // The folder rules of the two file dialogs (the dialogs themselves are the Windows layer's).
    void RememberBmpFile(const std::string& path);
    void RememberSaveFile(const std::string& path, bool rememberExtension);
    // Filter entries (text, pattern) of the save-file dialog, in order.
    std::vector<std::pair<std::string, std::string>> SaveFileFilters(bool rememberExtension) const;

    ImageList m_stateIcons9;      // the 15 state marks in 9 x 9 cells
    ImageList m_stateIcons16;     // the same, centred in 16 x 16 cells
    ImageList m_itemImagesLarge;  // "vcfont2.vga", doubled
    std::string m_installPath;
    std::string m_bmpSavePath;
    std::string m_saveFilePath;
    std::string m_saveFileExt;
    bool m_isGold = false;
    bool m_loaded = false;

    std::vector<uint8_t> m_items;
    int m_itemCount = 0;
    std::vector<uint8_t> m_monsters;
    int m_monsterCount = 0;
    std::vector<uint8_t> m_incidents;
    std::array<Colour, 256> m_palette{}; // all black until the palette is loaded
    ImageList m_itemImagesSmall;         // "vcfont1.vga", with a one-pixel border
    ImageList m_iconImages;              // 26 x 26 item icons of the program's bitmap 131
    std::array<uint8_t, 128> m_fontWidths{};
    uint8_t m_fontMaxWidth = 0;
    Image m_fontBitmap;                  // glyph c at x = m_fontMaxWidth * c; empty until the font is read
    std::vector<uint8_t> m_lootTable;
    std::array<std::vector<MapEvent>, 32> m_mapEvents;
    int m_cachedMapIndex = -1;
    std::vector<uint8_t> m_cachedMap;

private:
    std::string ScenarioPath() const;

    Platform& m_platform;
};

// The store of this run; null before start-up has created it.
CGameData* GetGameData();
void SetGameData(CGameData* data);
