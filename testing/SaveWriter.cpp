#include "saves/SaveGame.h"
#include "saves/WorldState.h"
#include "testing/GameBuilder.h"

#include <algorithm>
#include <filesystem>

namespace gamebuild {

namespace {

void PutWeapon(ByteWriter& out, size_t at, const SaveWeapon& weapon)
{
    out.U16(at, static_cast<uint16_t>(weapon.damageBonus)).U8(at + 2, weapon.dice).U8(at + 3, weapon.sides);
    for (size_t k = 0; k < weapon.specials.size(); ++k)
        out.U8(at + 4 + k, weapon.specials[k]);
    out.U8(at + 12, weapon.poison).U8(at + 14, static_cast<uint8_t>(weapon.missModifier));
    out.U8(at + 15, weapon.modes).U8(at + 16, static_cast<uint8_t>(weapon.initiativeModifier));
}

template <size_t N>
void PutBytes(ByteWriter& out, size_t at, const std::array<uint8_t, N>& bytes)
{
    for (size_t i = 0; i < N; ++i)
        out.U8(at + i, bytes[i]);
}

template <size_t N>
void PutSigned(ByteWriter& out, size_t at, const std::array<int8_t, N>& bytes)
{
    for (size_t i = 0; i < N; ++i)
        out.U8(at + i, static_cast<uint8_t>(bytes[i]));
}

void Put(std::vector<uint8_t>& file, size_t at, const Record& bytes)
{
    if (file.size() < at + bytes.size())
        file.resize(at + bytes.size(), 0);
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

void PutWorld(std::vector<uint8_t>& file, const SaveWorld& world)
{
    using namespace ::world;
    Record bytes(WorldPartEnd(world), 0);
    ByteWriter out(bytes);
    const size_t w = kFillerSize * world.filler + kItemSize * world.items.size();
    for (int id : world.deadNpcs)
        if (id >= 0 && id < kNpcs)
            bytes[kDeadBitsOffset + id / 8] |= static_cast<uint8_t>(1 << (id % 8));
    out.U16(kFillerCountOffset, world.filler).U16(kItemCountOffset, static_cast<unsigned>(world.items.size()));
    for (size_t i = 0; i < world.items.size(); ++i) {
        const SaveWorldItem& item = world.items[i];
        const size_t at = kItemsOffset + kFillerSize * world.filler + kItemSize * i;
        out.U8(at, item.map)
            .U8(at + 1, item.flags)
            .U8(at + 2, (item.x << 4) | (item.y & 0x0F))
            .U8(at + 3, item.quadrant);
        out.U16(at + 4, item.item).U8(at + 6, item.count).U8(at + 7, item.icon);
    }
    const size_t position = w + kPositionOffset;
    out.U16(position, world.map).U16(position + 6, world.x).U16(position + 8, world.y);
    out.U16(position + 10, world.quadrant).U8(position + 12, world.facing);
    out.U8(w + kAvailabilityOffset, world.availabilityStep);
    PutSigned(out, w + kAlliancesOffset, world.alliances);
    for (size_t slot = 0; slot < world.npcs.size(); ++slot) {
        const SaveNpcState& npc = world.npcs[slot];
        const size_t at = w + kNpcStatesOffset + kNpcStateSize * slot;
        out.U8(at, npc.life0).U8(at + 1, npc.life1).U8(at + 2, npc.held).U8(at + 3, npc.moreHeld);
    }
    for (size_t i = 0; i < world.rolls.size() && i < static_cast<size_t>(kRolls); ++i)
        out.U8(w + kRollsOffset + i, world.rolls[i]);
    Put(file, 0, bytes);
}

} // namespace

Record CharacterRecordBytes(const SaveCharacter& c)
{
    Record record(savefile::kRecordSize, 0);
    ByteWriter out(record);
    out.Text(0, c.name, 12).U32(12, c.experience);
    out.U16(24, c.hitPoints).U16(26, c.maxHitPoints).U16(28, c.stamina).U16(30, c.maxStamina);
    out.U16(32, c.carrying).U16(34, c.maxCarrying).U8(36, c.level).U8(38, c.liveCount);
    for (size_t r = 0; r < 6; ++r)
        out.U16(40 + 4 * r, c.spellPoints[r]).U16(42 + 4 * r, c.maxSpellPoints[r]).U8(352 + r, c.spellRegen[r]);
    for (size_t k = 0; k < c.items.size(); ++k)
        out.U16(64 + 12 * k, c.items[k].item).U8(70 + 12 * k, c.items[k].count).U8(71 + 12 * k, c.items[k].flags);
    PutWeapon(out, 304, c.primary);
    PutWeapon(out, 322, c.secondary);
    out.U8(340, static_cast<uint8_t>(c.primarySlot)).U8(341, static_cast<uint8_t>(c.secondarySlot));
    PutBytes(out, 359, c.conditions);
    PutBytes(out, 368, c.attributes);
    PutBytes(out, 376, c.skills);
    PutBytes(out, 411, c.resistanceBase);
    PutBytes(out, 425, c.resistanceFinal);
    out.U8(438, static_cast<uint8_t>(c.armourBase)).U8(439, static_cast<uint8_t>(c.armourShield));
    out.U8(440, static_cast<uint8_t>(c.armourMisc));
    PutSigned(out, 441, c.armourParts);
    PutSigned(out, 446, c.attitudes);
    for (int spell : c.spellsKnown)
        if (spell >= 0 && spell < 96)
            record[542 + spell / 8] |= static_cast<uint8_t>(1 << (spell % 8));
    out.U8(566, c.portrait).U8(567, c.race).U8(568, c.gender).U8(569, c.profession).U8(570, c.rank);
    out.U8(572, static_cast<uint8_t>(c.regenFirst)).U8(573, static_cast<uint8_t>(c.regenSecond));
    out.U8(575, c.loadState).U8(579, c.swingDie).U8(580, c.attacksPerRound);
    out.U8(581, static_cast<uint8_t>(c.baseInitiative)).U8(582, static_cast<uint8_t>(c.baseMissChance));
    out.U8(583, c.maxPreviousLevel);
    return record;
}

std::vector<uint8_t> GuildFileBytes(const GuildFile& guild)
{
    using namespace savefile;
    std::vector<uint8_t> file(kGuildRecordsOffset + kGuildSlots * kRecordSize, 0);
    std::copy(kGuildHeader.begin(), kGuildHeader.end(), file.begin());
    for (size_t slot = 0; slot < guild.slots.size(); ++slot) {
        file[kPresenceOffset + slot] = guild.deleted[slot] ? 0 : 1;
        if (guild.slots[slot])
            Put(file, kGuildRecordsOffset + slot * kRecordSize, CharacterRecordBytes(*guild.slots[slot]));
    }
    return file;
}

const char* GuildFileName(Edition edition) { return edition == Edition::Gold ? "pcfile.gld" : "pcfile.dbs"; }

size_t WorldPartEnd(const SaveWorld& world)
{
    using namespace ::world;
    return kFillerSize * world.filler + kItemSize * world.items.size() + kRollsOffset + kRolls;
}

std::vector<uint8_t> SaveFileBytes(const SaveFile& save)
{
    using namespace savefile;
    std::vector<uint8_t> file(save.prefix);
    if (save.world)
        PutWorld(file, *save.world);
    Put(file, 0, save.prefix);
    const size_t marker = save.markerOffset.value_or(file.size());
    if (save.marker) {
        Put(file, marker, Record(kPartyMarker.begin(), kPartyMarker.end()));
        for (size_t slot = 0; slot < save.party.size(); ++slot) {
            const size_t at = marker + kRecordsAfterMarker + slot * kRecordSize;
            Put(file, at, save.party[slot] ? CharacterRecordBytes(*save.party[slot]) : Record(kRecordSize, 0));
        }
    }
    if (save.length)
        file.resize(*save.length, 0);
    return file;
}

bool WriteSaveFiles(const Installation& installation, const std::string& folder)
{
    const std::filesystem::path base(folder);
    if (installation.guild &&
        !WriteBytes((base / GuildFileName(installation.edition)).string(), GuildFileBytes(*installation.guild)))
        return false;
    for (const auto& [name, save] : installation.saveFiles) {
        const std::filesystem::path path = base / name;
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error || !WriteBytes(path.string(), SaveFileBytes(save)))
            return false;
    }
    return true;
}

} // namespace gamebuild
