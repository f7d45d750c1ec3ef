#pragma once
// The one store of the game's data, loaded at start-up and read by every viewer.

#include "gamedata/FontFile.h"
#include "gamedata/Image.h"
#include "gamedata/MessageFile.h"
#include "gamedata/Platform.h"
#include "gamedata/MapEvent.h"
#include "gamedata/PaletteFile.h"
#include "gamedata/PicFile.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CGameData {
public:
    // Performs the whole load; check Loaded() afterwards. The platform must outlive the store.
    explicit CGameData(Platform& platform);
    ~CGameData();
    CGameData(const CGameData&) = delete;
    CGameData& operator=(const CGameData&) = delete;

    void LoadSettings();
    void SaveSettings();
    bool ChooseInstallFolder();
    // Shows string 21 with the file's path and string id; always false.
    bool ShowLoadError(int id, const std::string& path);
    // The error message box (stop icon) with any text, through the platform.
    void ShowError(const std::string& text) { m_platform.ShowError(text); }

    // Scenario database.
    bool LoadScenario();
    const uint8_t* GetItem(int number) const;
    const uint8_t* GetMonster(int number) const;
    const uint8_t* GetIncident(int number) const;
    const uint8_t* GetLootRecord(int number) const;
    const MapEvent* GetMapEvents(int map, int& count) const;
    // Reads the record from the file unless it is the one held; valid until GetMap for another map.
    const uint8_t* GetMap(int map);

    // Message texts, read anew on each call. A number not in the index, or a message file that
    // cannot be read, gives an empty result.
    bool LoadMessageIndex();
    // Plain pieces (length byte, then the characters), decoded in the first edition.
    std::vector<uint8_t> ReadMessagePieces(int number) const;
    // The pieces joined into one text; a "!" that begins a piece is the line-break byte 11.
    std::string GetMessageText(int number) const;
    // The text with "\r\n" line breaks, as the viewers show it.
    std::string GetMessageString(int number) const;

    // Name lists (NameLists.h): one name per piece of a message, loaded at start-up.
    void LoadNameList(std::vector<std::string>& list, int number, bool titleCase, bool expand) const;
    void LoadNameLists();
    const std::vector<std::string>* NameList(int list) const; // lists 1 to 25; null otherwise
    int NameListMessage(int list) const;                     // the message it is loaded from; 0 otherwise
    // Lookups take the index as an unsigned byte; an entry beyond its list gives an empty name.
    const std::string& SpellName(int spell) const;
    const std::string& ResistanceName(int resistance) const;
    const std::string& RaceName(int race) const;
    const std::string& ProfessionName(int profession) const;
    const std::string& GenderName(int gender) const; // 0 and 1 only
    const std::string& SkillName(int skill) const;
    const std::string& ItemWord(int index) const;
    const std::string& EffectName(int effect) const; // item word effect + 25
    const std::string& AttributeName(int attribute) const;
    const std::string& InventoryActionName(int action) const;
    const std::string& AttackModeName(int mode) const;
    const std::string& ItemTypeName(int type) const; // entry type + 20
    const std::string& WeaponName(int weapon) const;
    const std::string& AllianceName(int alliance) const; // 255: none
    // Body location of a creature type: plants and robots have their own lists.
    const std::string& BodyLocationName(int creatureType, int location) const;
    const std::string& NegativeEffectName(int index) const;
    const std::string& SpecialAttackName(int index) const;
    const std::string& SpecialAttackVerb(int index) const;
    const std::string& ConditionName(int index) const;
    const std::string& CreatureKindName(int index) const;
    const std::string& BehaviourWord(int index) const;
    const std::string& RealmName(int realm) const;
    const std::string& UnidentifiedName(int picture) const;
    const std::string& RankTitle(int profession, int rank) const;
    // Palette, image sets, the program's icons and the text font, in the order start-up reads them.
    bool LoadPalette();
    bool LoadStateIcons(); // both sizes, from "vcfont2.vga"
    bool LoadItemImages(); // "vcfont1.vga" and "vcfont2.vga"
    bool LoadIconImages();
    bool LoadTextFont();
    // PIC pictures, read anew on each call; frames are appended to the caller's list. The
    // result is the number of frames appended; 0 also when the file cannot be read (message 20).
    int LoadPicture(const std::string& path, std::vector<Image>& frames, const pic::Request& request);
    int LoadPicByNumber(int number, std::vector<Image>& frames, const pic::Request& request); // "MONnn.PIC"
    int LoadPicByName(const std::string& name, std::vector<Image>& frames, const pic::Request& request);
    int LoadMonsterPicture(int monster, std::vector<Image>& frames, int scale);

    // The spell table of the game's executable: 102 records of 6 bytes.
    bool LoadSpellTable();
    const uint8_t* GetSpell(int number) const;

    // A character portrait, 0 to 32, at scale 1, 2, 3 or 4; nothing when it cannot be read.
    std::optional<Image> GetPortrait(int number, int scale) const;

    // A bitmap of the program's own art, through the platform; nothing when it is not there.
    std::optional<Image> LoadProgramBitmap(int id) { return m_platform.LoadProgramBitmap(id); }

    // The folder rules of the two file dialogs (the dialogs themselves are the Windows layer's).
    void RememberBmpFile(const std::string& path);
    void RememberSaveFile(const std::string& path, bool rememberExtension);
    // Filter entries (text, pattern) of the save-file dialog, in order.
    std::vector<std::pair<std::string, std::string>> SaveFileFilters(bool rememberExtension) const;

    // What the load gave.
    bool Loaded() const { return m_loaded; }
    bool IsGold() const { return m_isGold; }
    const std::string& InstallPath() const { return m_installPath; }
    int ItemCount() const { return m_itemCount; }
    int MonsterCount() const { return m_monsterCount; }
    const ::Palette& Palette() const { return m_palette; } // all black until the palette is loaded
    const ImageList& StateIcons9() const { return m_stateIcons9; }   // the 15 state marks in 9 x 9 cells
    const ImageList& StateIcons16() const { return m_stateIcons16; } // the same, centred in 16 x 16 cells
    const ImageList& ItemImagesSmall() const { return m_itemImagesSmall; } // "vcfont1.vga", one-pixel border
    const ImageList& ItemImagesLarge() const { return m_itemImagesLarge; } // "vcfont2.vga", doubled
    const ImageList& IconImages() const { return m_iconImages; } // 26 x 26 item icons of bitmap 131
    const TextFont& Font() const { return m_font; } // an empty strip until the font is read
    const MessageIndex& Messages() const { return m_messageIndex; }
    int SpellCount() const; // records of the spell table; 0 until it is loaded

    // The folders and file type remembered by the file dialogs.
    const std::string& BmpSavePath() const { return m_bmpSavePath; }
    const std::string& SaveFilePath() const { return m_saveFilePath; }
    const std::string& SaveFileExt() const { return m_saveFileExt; }

private:
    friend class GameDataSeam; // tests set tables up that no installation gives

    ImageList m_stateIcons9;
    ImageList m_stateIcons16;
    ImageList m_itemImagesLarge;
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
    ::Palette m_palette{};
    ImageList m_itemImagesSmall;
    ImageList m_iconImages;
    TextFont m_font;
    std::vector<uint8_t> m_lootTable;
    std::array<std::vector<MapEvent>, 32> m_mapEvents;
    int m_cachedMapIndex = -1;
    std::vector<uint8_t> m_cachedMap;
    MessageIndex m_messageIndex;
    // The 25 name lists, list k at k - 1 (NameLists.h).
    std::array<std::vector<std::string>, 25> m_nameLists;
    std::vector<uint8_t> m_spells; // empty until the spell table is loaded

    // The settings' names and the fields they are kept in.
    std::array<std::pair<const char*, std::string*>, 4> Settings();
    const std::vector<std::string>& List(int list) const; // name list 1 to 25
    bool BuildStateIcons(ImageList& list, int cellSize);
    bool LoadImageSet(const char* name, ImageList& list, int borderX, int borderY, bool doubled);
    std::string ScenarioPath() const;
    std::string MessageFilePath() const;

    Platform& m_platform;
};

// The store of this run; null before start-up has created it.
CGameData* GetGameData();
void SetGameData(CGameData* data);
