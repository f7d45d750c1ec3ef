#include "saves/SaveGame.h"
#include "gamedata/Format.h"
#include "gamedata/GameFile.h"

#include <algorithm>
#include <cctype>

namespace savefile {

const char* KindLabel(SaveFileKind kind)
{
    switch (kind) {
    case SaveFileKind::Save:
        return "Save File";
    case SaveFileKind::Guild:
        return "Guild File";
    default:
        return "";
    }
}

std::string CountText(int count) { return Format("%i characters", count); }

std::string GuildFilePath(const std::string& installPath, bool isGold)
{
    return GamePath(installPath, isGold ? "\\pcfile.gld" : "\\pcfile.dbs");
}

} // namespace savefile

using namespace savefile;

void SaveGame::Clear()
{
    m_kind = SaveFileKind::NotRecognised;
    m_failure = SaveLoadFailure::None;
    m_characters.clear();
    m_presence.fill(0);
}

SaveFileKind SaveGame::Load(const std::string& path)
{
    Clear();
    std::optional<std::vector<uint8_t>> file = ReadGameFile(path);
    if (!file) {
        m_failure = SaveLoadFailure::CannotOpen;
        return m_kind;
    }
    auto marker = std::search(file->begin(), file->end(), kPartyMarker.begin(), kPartyMarker.end());
    if (marker != file->end()) {
        m_kind = SaveFileKind::Save;
        ReadRecords(*file, static_cast<size_t>(marker - file->begin()) + kRecordsAfterMarker, kSaveSlots);
        return m_kind;
    }
    if (file->size() < kGuildHeader.size() || !std::equal(kGuildHeader.begin(), kGuildHeader.end(), file->begin())) {
        m_failure = SaveLoadFailure::NotRecognised;
        return m_kind;
    }
    m_kind = SaveFileKind::Guild;
    for (size_t i = 0; i < m_presence.size() && kPresenceOffset + i < file->size(); ++i)
        m_presence[i] = (*file)[kPresenceOffset + i];
    ReadRecords(*file, kGuildRecordsOffset, kGuildSlots);
    return m_kind;
}

// Whole records only: the first one the file cuts short ends the reading.
void SaveGame::ReadRecords(const std::vector<uint8_t>& file, size_t offset, int slots)
{
    for (int slot = 0; slot < slots; ++slot, offset += kRecordSize) {
        if (offset > file.size() || file.size() - offset < kRecordSize)
            return;
        if (file[offset] == 0)
            continue;
        SavedCharacter& character = m_characters.emplace_back();
        character.slot = slot;
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), kRecordSize, character.bytes.begin());
    }
}

const char* SaveGame::FailureMessage() const
{
    switch (m_failure) {
    case SaveLoadFailure::CannotOpen:
        return kCannotOpenMessage;
    case SaveLoadFailure::NotRecognised:
        return kNotRecognisedMessage;
    default:
        return nullptr;
    }
}

const SavedCharacter* SaveGame::InSlot(int slot) const
{
    for (const SavedCharacter& character : m_characters)
        if (character.slot == slot)
            return &character;
    return nullptr;
}

bool SaveGame::IsDeleted(int slot) const
{
    return m_kind == SaveFileKind::Guild && slot >= 0 && slot < kGuildSlots && m_presence[slot] == 0;
}

int SaveGame::EntryNamed(const std::string& name) const
{
    auto same = [&](const std::string& other) {
        return other.size() == name.size() && std::equal(other.begin(), other.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
               });
    };
    for (size_t i = 0; i < m_characters.size(); ++i)
        if (same(m_characters[i].Record().name()))
            return static_cast<int>(i);
    return m_characters.empty() ? -1 : 0;
}
