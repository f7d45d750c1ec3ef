// CGameData's name lists: loading them from their messages and looking names up.

#include "gamedata/NameLists.h"
#include "gamedata/ItemName.h"

namespace namelist {

namespace {

using Names = std::vector<std::string>;

constexpr Source kSources[kListCount] = {
    {4000, 4000, true, false, &CGameData::m_spellNames},
    {400, 400, true, false, &CGameData::m_resistanceNames},
    {100, 100, true, false, &CGameData::m_raceNames},
    {120, 120, true, false, &CGameData::m_professionNames},
    {140, 140, true, false, &CGameData::m_genderNames},
    {5500, 5500, false, false, &CGameData::m_skillNames},
    {450, 450, true, false, &CGameData::m_itemWords},
    {5050, 5050, false, false, &CGameData::m_attributeNames},
    {300, 300, false, false, &CGameData::m_inventoryActionNames},
    {3050, 3050, false, false, &CGameData::m_attackModeNames},
    {1530, 1530, false, false, &CGameData::m_itemTypeNames},
    {3800, 3800, false, true, &CGameData::m_weaponNames},
    {1750, 1750, false, false, &CGameData::m_allianceNames},
    {3300, 3321, true, false, &CGameData::m_bodyLocationNames},
    {3330, 3330, true, false, &CGameData::m_plantLocationNames},
    {3390, 3390, true, false, &CGameData::m_robotLocationNames},
    {5250, 5250, false, false, &CGameData::m_negativeEffectNames},
    {3700, 3700, false, false, &CGameData::m_specialAttackNames},
    {3340, 3340, false, false, &CGameData::m_specialAttackVerbs},
    {3469, 3469, false, false, &CGameData::m_conditionNames},
    {2020, 2020, false, false, &CGameData::m_creatureKindNames},
    {3500, 3500, false, false, &CGameData::m_behaviourWords},
    {3950, 3950, false, false, &CGameData::m_realmNames},
    {6000, 6000, false, false, &CGameData::m_unidentifiedNames},
    {800, 800, false, false, &CGameData::m_rankTitles},
};

constexpr int kWeaponList = 12;

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

const Source* SourceOf(int list) { return list >= 1 && list <= kListCount ? &kSources[list - 1] : nullptr; }

std::string TitleCase(std::string name)
{
    for (size_t i = 1; i < name.size(); ++i)
        if (name[i] >= 'A' && name[i] <= 'Z' && name[i - 1] != ' ')
            name[i] = static_cast<char>(name[i] - 'A' + 'a');
    return name;
}

} // namespace namelist

using namespace namelist;

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
        Names& names = this->*source.list;
        names.clear();
        if (list == kWeaponList)
            names.emplace_back(); // weapon 0 is none
        LoadNameList(names, NameListMessage(list), source.titleCase, source.expand);
    }
}

const std::vector<std::string>* CGameData::NameList(int list) const
{
    const Source* source = SourceOf(list);
    return source ? &(this->*source->list) : nullptr;
}

int CGameData::NameListMessage(int list) const
{
    const Source* source = SourceOf(list);
    return source ? (m_isGold ? source->goldMessage : source->message) : 0;
}

const std::string& CGameData::SpellName(int spell) const { return ByteEntry(m_spellNames, spell); }
const std::string& CGameData::ResistanceName(int resistance) const { return ByteEntry(m_resistanceNames, resistance); }
const std::string& CGameData::RaceName(int race) const { return ByteEntry(m_raceNames, race); }
const std::string& CGameData::ProfessionName(int profession) const
{
    return ByteEntry(m_professionNames, profession);
}

const std::string& CGameData::GenderName(int gender) const
{
    uint8_t index = static_cast<uint8_t>(gender);
    return Entry(m_genderNames, index <= 1 ? index : SIZE_MAX);
}

const std::string& CGameData::SkillName(int skill) const { return ByteEntry(m_skillNames, skill); }
const std::string& CGameData::ItemWord(int index) const { return ByteEntry(m_itemWords, index); }
const std::string& CGameData::EffectName(int effect) const
{
    return ByteEntry(m_itemWords, static_cast<uint8_t>(effect) + kEffectBase);
}
const std::string& CGameData::AttributeName(int attribute) const { return ByteEntry(m_attributeNames, attribute); }
const std::string& CGameData::InventoryActionName(int action) const
{
    return ByteEntry(m_inventoryActionNames, action);
}
const std::string& CGameData::AttackModeName(int mode) const { return ByteEntry(m_attackModeNames, mode); }
const std::string& CGameData::ItemTypeName(int type) const
{
    return ByteEntry(m_itemTypeNames, static_cast<uint8_t>(type) + kItemTypeBase);
}
const std::string& CGameData::WeaponName(int weapon) const { return ByteEntry(m_weaponNames, weapon); }

const std::string& CGameData::AllianceName(int alliance) const
{
    uint8_t index = static_cast<uint8_t>(alliance);
    return Entry(m_allianceNames, index == kNoAlliance ? SIZE_MAX : index);
}

const std::string& CGameData::BodyLocationName(int creatureType, int location) const
{
    size_t index = static_cast<uint8_t>(location);
    switch (static_cast<uint8_t>(creatureType)) {
    case kPlant:
        return Entry(m_plantLocationNames, index + 1);
    case kRobot:
        return Entry(m_robotLocationNames, index + 1);
    case kSeaMonster:
        if (index == 5)
            return Entry(m_plantLocationNames, 6);
        break;
    default:
        break;
    }
    // The first edition keeps other words ahead of the body locations in its message.
    return Entry(m_bodyLocationNames, m_isGold ? index : index + kFirstEditionLocationBase);
}

const std::string& CGameData::NegativeEffectName(int index) const { return ByteEntry(m_negativeEffectNames, index); }
const std::string& CGameData::SpecialAttackName(int index) const { return ByteEntry(m_specialAttackNames, index); }
const std::string& CGameData::SpecialAttackVerb(int index) const { return ByteEntry(m_specialAttackVerbs, index); }
const std::string& CGameData::ConditionName(int index) const { return ByteEntry(m_conditionNames, index); }
const std::string& CGameData::CreatureKindName(int index) const { return ByteEntry(m_creatureKindNames, index); }
const std::string& CGameData::BehaviourWord(int index) const { return ByteEntry(m_behaviourWords, index); }
const std::string& CGameData::RealmName(int realm) const { return ByteEntry(m_realmNames, realm); }
const std::string& CGameData::UnidentifiedName(int picture) const { return ByteEntry(m_unidentifiedNames, picture); }

const std::string& CGameData::RankTitle(int profession, int rank) const
{
    return Entry(m_rankTitles, size_t{static_cast<uint8_t>(profession)} * 10 + static_cast<uint8_t>(rank));
}
