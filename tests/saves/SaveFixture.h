#pragma once
// An installation with the name lists, items, NPCs and spells the save windows read, a store
// loaded from it, and save files written beside it.

#include "gamedata/SpellTable.h"
#include "saves/SaveGame.h"
#include "tests/gamedata/GameDataFixture.h"

#include <gtest/gtest.h>

namespace savetest {

using gamebuild::SaveCharacter;
using gamebuild::SaveFile;
using gamebuild::SaveWorld;

// Items 1 to 570 are "Item n" with picture n % 100 (item 0 has no name); item 7's stored name
// has an abbreviation mark.
inline gamebuild::Installation SaveInstallation()
{
    gamebuild::Installation installation = SmallInstallation();
    for (size_t i = 0; i < installation.scenario.items.size(); ++i)
        ByteWriter(installation.scenario.items[i]).U8(57, static_cast<unsigned>(i % 100));
    ByteWriter(installation.scenario.items[0]).Text(0, "", 22); // the empty item, as in the game
    ByteWriter(installation.scenario.items[7]).Text(0, "Robe/=Light", 22);
    gamebuild::Messages& m = installation.messages;
    std::vector<std::string> races, professions;
    for (int r = 0; r < 11; ++r)
        races.push_back("RACE " + std::to_string(r));
    for (int p = 0; p < 14; ++p)
        professions.push_back("CALLING " + std::to_string(p));
    m[100] = races;
    m[120] = professions;
    m[140] = {"MALE", "FEMALE"};
    m[400] = {"NONE", "FIRE",  "COLD",    "AIR",       "POISON", "ACID",    "MAGIC",
              "MIND", "DEATH", "DISEASE", "PARALYSIS", "SLEEP",  "STONING", "CRITICAL HITS"};
    std::vector<std::string> words(33, "word");
    words[19] = "CURSED";
    const char* effects[] = {"SLEEP", "PARALYZE", "POISON", "BLIND", "PETRIFY", "DRAIN", "MADDEN", "SLAY"};
    for (int k = 0; k < 8; ++k)
        words[25 + k] = effects[k];
    m[450] = words;
    std::vector<std::string> ranks;
    for (int i = 0; i < 140; ++i)
        ranks.push_back("Rank " + std::to_string(i));
    m[800] = ranks;
    m[1750] = {"None", "First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh", "Eighth"};
    m[3050] = {"SWING", "THRUST", "BASH", "MELEE", "THROW", "PUNCH", "KICK", "LASH", "SHOOT"};
    std::vector<std::string> conditions(19, "x");
    const char* named[] = {"Poisoned", "Is Nauseous",           "Asleep",   "Blinded", "Paralyzed",
                           "Stoned",   "Is Irritated!  Beware", "Diseased", "Drained"};
    for (int c = 0; c < 9; ++c)
        conditions[c + 4] = named[c];
    conditions[18] = "Insane";
    m[3469] = conditions;
    m[3950] = {"Fire", "Water", "Air", "Earth", "Mind", "Divine"};
    std::vector<std::string> spells;
    for (int s = 0; s < 102; ++s)
        spells.push_back("SPELL " + std::to_string(s));
    m[4000] = spells;
    m[5050] = {"Strength", "Intelligence", "Piety", "Vitality", "Dexterity", "Speed", "Personality", "Karma"};
    std::vector<std::string> skills;
    for (int s = 0; s < 34; ++s)
        skills.push_back("Skill " + std::to_string(s));
    m[5500] = skills;
    std::vector<std::string> unidentified;
    for (int p = 0; p < 100; ++p)
        unidentified.push_back("?Look " + std::to_string(p));
    m[6000] = unidentified;
    // Spells 0 to 95 at level 1 + s % 7, cost 2, school 1 + s % 14.
    for (int s = 0; s < 96; ++s) {
        Record spell(spells::kRecordSize, 0);
        ByteWriter(spell).U8(spells::kLevel, 1 + s % 7).U8(spells::kCost, 2).U8(spells::kSchool, 1 + s % 14);
        installation.spells.push_back(spell);
    }
    return installation;
}

// Makes monster number an NPC.
inline void MakeNpc(gamebuild::Installation& installation, int monster, int id, int slot, int alliance, int loot)
{
    ByteWriter(installation.scenario.monsters[monster]).U8(224, id).U8(228, slot).U8(229, alliance).U8(169, loot);
}

// A store loaded from the installation, in its own folder.
struct Game {
    explicit Game(const gamebuild::Installation& installation)
    {
        EXPECT_TRUE(installation.Write(folder.Path()));
        platform.settings["w7path"] = folder.Path();
        data = std::make_unique<CGameData>(platform);
        EXPECT_TRUE(data->Loaded());
    }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        const std::string path = folder.File(name);
        EXPECT_TRUE(gamebuild::WriteBytes(path, bytes));
        return path;
    }
    TempFolder folder;
    MemoryPlatform platform;
    std::unique_ptr<CGameData> data;
};

// A save file with one character in slot 0.
inline SaveFile OneCharacter(const SaveCharacter& character)
{
    SaveFile save;
    save.party[0] = character;
    return save;
}

} // namespace savetest
