// CGameData's texts: the message index, messages read anew on each call, and the name lists.

#include "gamedata/CGameData.h"
#include "gamedata/GameFile.h"
#include "gamedata/ItemName.h"
#include "gamedata/NameLists.h"
#include "gamedata/ResourceStrings.h"

using namespace namelist;

namespace {

using Names = std::vector<std::string>;

// Lists whose lookup is set apart below.
constexpr int kEffectBase = 25;    // item words: the weapon effects
constexpr int kItemTypeBase = 20;  // item type names
constexpr int kNoAlliance = 255;
constexpr int kPlant = 17, kSeaMonster = 23, kRobot = 26; // creature types with their own locations
constexpr int kFirstEditionLocationBase = 21;

const std::string& Entry(const Names& names, size_t index)
{
    static const std::string empty;
    return index < names.size() ? names[index] : empty;
}

// The lookups of the lists take the index as an unsigned byte, a base added to it included.
const std::string& ByteEntry(const Names& names, int index) { return Entry(names, static_cast<uint8_t>(index)); }

} // namespace

std::string CGameData::MessageFilePath() const { return GamePath(m_installPath, m_isGold ? "\\msg.gld" : "\\msg.dbs"); }

bool CGameData::LoadMessageIndex()
{
    m_messageIndex.clear();
    std::string path = GamePath(m_installPath, "\\msg.hdr");
    std::optional<std::vector<uint8_t>> header = ReadGameFile(path);
    if (!header)
        return ShowLoadError(strings::kErrorTexts, path);
    m_messageIndex = DecodeMessageIndex(*header, m_isGold);
    return true;
}

std::vector<uint8_t> CGameData::ReadMessagePieces(int number) const
{
    if (number < 0 || number > 0xFFFF || !m_messageIndex.contains(static_cast<uint16_t>(number)))
        return {};
    GameFile file(MessageFilePath());
    if (!file.IsOpen())
        return {};
    const ReadMessageBytes read = [&file](uint64_t offset, size_t count) { return file.ReadAt(offset, count); };
    std::vector<uint8_t> stored = CollectMessagePieces(m_messageIndex, static_cast<uint16_t>(number), read);
    return m_isGold ? stored : DecodeMessagePieces(stored);
}

std::string CGameData::GetMessageText(int number) const { return JoinMessagePieces(ReadMessagePieces(number)); }

std::string CGameData::GetMessageString(int number) const { return MessageTextToString(GetMessageText(number)); }

const std::vector<std::string>& CGameData::List(int list) const { return m_nameLists[static_cast<size_t>(list - 1)]; }


void CGameData::LoadNameList(std::vector<std::string>& list, int number, bool titleCase, bool expand) const
{
    for (std::string& name : MessagePieceTexts(ReadMessagePieces(number))) {
        if (titleCase)
            name = TitleCase(std::move(name));
        list.push_back(expand ? ExpandItemName(name) : std::move(name));
    }
}

void CGameData::LoadNameLists()
{
    for (int list = 1; list <= kListCount; ++list) {
        const Source& source = *SourceOf(list);
        Names& names = m_nameLists[static_cast<size_t>(list - 1)];
        names.clear();
        if (list == kWeapons)
            names.emplace_back(); // weapon 0 is none
        LoadNameList(names, NameListMessage(list), source.titleCase, source.expand);
    }
}

const std::vector<std::string>* CGameData::NameList(int list) const
{
    const Source* source = SourceOf(list);
    return source ? &m_nameLists[static_cast<size_t>(list - 1)] : nullptr;
}

int CGameData::NameListMessage(int list) const
{
    const Source* source = SourceOf(list);
    return source ? (m_isGold ? source->goldMessage : source->message) : 0;
}

const std::string& CGameData::SpellName(int spell) const { return ByteEntry(List(kSpells), spell); }
const std::string& CGameData::ResistanceName(int resistance) const { return ByteEntry(List(kResistances), resistance); }
const std::string& CGameData::RaceName(int race) const { return ByteEntry(List(kRaces), race); }
const std::string& CGameData::ProfessionName(int profession) const
{
    return ByteEntry(List(kProfessions), profession);
}

const std::string& CGameData::GenderName(int gender) const
{
    uint8_t index = static_cast<uint8_t>(gender);
    return Entry(List(kGenders), index <= 1 ? index : SIZE_MAX);
}

const std::string& CGameData::SkillName(int skill) const { return ByteEntry(List(kSkills), skill); }
const std::string& CGameData::ItemWord(int index) const { return ByteEntry(List(kItemWords), index); }
const std::string& CGameData::EffectName(int effect) const
{
    return ByteEntry(List(kItemWords), static_cast<uint8_t>(effect) + kEffectBase);
}
const std::string& CGameData::AttributeName(int attribute) const { return ByteEntry(List(kAttributes), attribute); }
const std::string& CGameData::InventoryActionName(int action) const
{
    return ByteEntry(List(kInventoryActions), action);
}
const std::string& CGameData::AttackModeName(int mode) const { return ByteEntry(List(kAttackModes), mode); }
const std::string& CGameData::ItemTypeName(int type) const
{
    return ByteEntry(List(kItemTypes), static_cast<uint8_t>(type) + kItemTypeBase);
}
const std::string& CGameData::WeaponName(int weapon) const { return ByteEntry(List(kWeapons), weapon); }

const std::string& CGameData::AllianceName(int alliance) const
{
    uint8_t index = static_cast<uint8_t>(alliance);
    return Entry(List(kAlliances), index == kNoAlliance ? SIZE_MAX : index);
}

const std::string& CGameData::BodyLocationName(int creatureType, int location) const
{
    size_t index = static_cast<uint8_t>(location);
    switch (static_cast<uint8_t>(creatureType)) {
    case kPlant:
        return Entry(List(kPlantLocations), index + 1);
    case kRobot:
        return Entry(List(kRobotLocations), index + 1);
    case kSeaMonster:
        if (index == 5)
            return Entry(List(kPlantLocations), 6);
        break;
    default:
        break;
    }
    // The first edition keeps other words ahead of the body locations in its message.
    return Entry(List(kBodyLocations), m_isGold ? index : index + kFirstEditionLocationBase);
}

const std::string& CGameData::NegativeEffectName(int index) const { return ByteEntry(List(kNegativeEffects), index); }
const std::string& CGameData::SpecialAttackName(int index) const { return ByteEntry(List(kSpecialAttacks), index); }
const std::string& CGameData::SpecialAttackVerb(int index) const { return ByteEntry(List(kSpecialAttackVerbs), index); }
const std::string& CGameData::ConditionName(int index) const { return ByteEntry(List(kConditions), index); }
const std::string& CGameData::CreatureKindName(int index) const { return ByteEntry(List(kCreatureKinds), index); }
const std::string& CGameData::BehaviourWord(int index) const { return ByteEntry(List(kBehaviourWords), index); }
const std::string& CGameData::RealmName(int realm) const { return ByteEntry(List(kRealms), realm); }
const std::string& CGameData::UnidentifiedName(int picture) const
{
    return ByteEntry(List(kUnidentifiedNames), picture);
}

const std::string& CGameData::RankTitle(int profession, int rank) const
{
    return Entry(List(kRankTitles), size_t{static_cast<uint8_t>(profession)} * 10 + static_cast<uint8_t>(rank));
}
