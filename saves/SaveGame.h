#pragma once
// Save files and the guild file: which kind a file is, and the characters it holds.
//
// A guild file begins with 48 02 10 00 18 00 00 00, then one presence byte per slot (0: the
// slot is marked deleted), then 16 records from offset 24. A save file holds the party
// marker 16 FF FF 00 somewhere; its six records begin 104 bytes after the marker's first byte.

#include "saves/CharacterRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum class SaveFileKind : int { NotRecognised = 0, Save = 1, Guild = 2 };

enum class SaveLoadFailure { None, CannotOpen, NotRecognised };

namespace savefile {
constexpr int kSaveSlots = 6;
constexpr int kGuildSlots = 16;
constexpr size_t kRecordSize = CharacterRecord::kSize;
constexpr std::array<uint8_t, 4> kPartyMarker = {0x16, 0xFF, 0xFF, 0x00};
constexpr size_t kRecordsAfterMarker = 104;
constexpr std::array<uint8_t, 8> kGuildHeader = {0x48, 0x02, 0x10, 0x00, 0x18, 0x00, 0x00, 0x00};
constexpr size_t kPresenceOffset = 8;
constexpr size_t kGuildRecordsOffset = 24;

constexpr const char* kCannotOpenMessage = "Cannot open file specified!";
constexpr const char* kNotRecognisedMessage =
    "Not a Wizardry VII Save File or Guild File or error reading specified file!";

// The viewer's label of a kind: "Save File", "Guild File", or empty.
const char* KindLabel(SaveFileKind kind);
// "%i characters".
std::string CountText(int count);
// The guild file of the installation: "\pcfile.dbs", Gold "\pcfile.gld".
std::string GuildFilePath(const std::string& installPath, bool isGold);
} // namespace savefile

// A character as stored: a copy of its 584 bytes and the slot it came from.
struct SavedCharacter {
    int slot = 0;
    std::array<uint8_t, savefile::kRecordSize> bytes{};
    CharacterRecord Record() const { return CharacterRecord(bytes.data()); }
};

class SaveGame {
public:
    // Reads the file anew; the kind, or NotRecognised with Failure() telling why.
    SaveFileKind Load(const std::string& path);

    SaveFileKind Kind() const { return m_kind; }
    SaveLoadFailure Failure() const { return m_failure; }
    // The message box text of the failure; null when there was none.
    const char* FailureMessage() const;

    // The non-empty records read, in slot order.
    const std::vector<SavedCharacter>& Characters() const { return m_characters; }
    int Count() const { return static_cast<int>(m_characters.size()); }
    // The character read from slot, or null.
    const SavedCharacter* InSlot(int slot) const;
    // Guild files only: the slot's presence byte is 0.
    bool IsDeleted(int slot) const;
    // The entry to select after loading: the first whose name is name without regard to case,
    // else the first; -1 when there are none.
    int EntryNamed(const std::string& name) const;

private:
    void Clear();
    void ReadRecords(const std::vector<uint8_t>& file, size_t offset, int slots);

    SaveFileKind m_kind = SaveFileKind::NotRecognised;
    SaveLoadFailure m_failure = SaveLoadFailure::None;
    std::vector<SavedCharacter> m_characters;
    std::array<uint8_t, savefile::kGuildSlots> m_presence{};
};
