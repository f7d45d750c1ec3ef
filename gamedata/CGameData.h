#pragma once
// The one store of the game's data, loaded at start-up and read by every viewer.

#include "gamedata/Image.h"
#include "gamedata/Platform.h"
#include "maps/MapEvent.h"

#include <array>
#include <cstdint>
#include <optional>
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

    // PIC pictures, read anew on each call; frames are appended to the caller's list. The
    // result is the number of frames appended; 0 also when the file cannot be read (message 20).
    int LoadPicture(const std::string& path, std::vector<Image>& frames, int scale, int first, int end,
                    Colour background);
    int LoadPicByNumber(int number, std::vector<Image>& frames, int scale, int first, int end, Colour background);
    int LoadPicByName(const std::string& name, std::vector<Image>& frames, int scale, int first, int end,
                      Colour background);
    int LoadMonsterPicture(int monster, std::vector<Image>& frames, int scale);

    // The spell table of the game's executable: 102 records of 6 bytes.
    bool LoadSpellTable();
    const uint8_t* GetSpell(int number) const;

    // A character portrait, 0 to 32, at scale 1, 2, 3 or 4; nothing when it cannot be read.
    std::optional<Image> GetPortrait(int number, int scale) const;

    // The folder rules of the two file dialogs (the dialogs themselves are the Windows layer's).
    void RememberBmpFile(const std::string& path);
    void RememberSaveFile(const std::string& path, bool rememberExtension);
    // Filter entries (text, pattern) of the save-file dialog, in order.
    std::vector<std::pair<std::string, std::string>> SaveFileFilters(bool rememberExtension) const;

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
    std::vector<uint8_t> m_lootTable;
    std::array<std::vector<MapEvent>, 32> m_mapEvents;
    int m_cachedMapIndex = -1;
    std::vector<uint8_t> m_cachedMap;
    std::vector<uint8_t> m_spells; // empty until the spell table is loaded

private:
    std::string ScenarioPath() const;

    Platform& m_platform;
};

// The store of this run; null before start-up has created it.
CGameData* GetGameData();
void SetGameData(CGameData* data);
