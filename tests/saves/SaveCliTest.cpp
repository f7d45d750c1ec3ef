// The save commands of tallowmark-cli, as a caller sees them.

#include "tests/saves/SaveFixture.h"
#include "tests/tools/CliRunner.h"

using namespace savetest;

namespace {

bool Has(const CliRun& run, const std::string& text) { return run.out.find(text) != std::string::npos; }

// A guild of two, the second marked deleted, and a save file of one with a world.
std::string Installation(const TempFolder& folder)
{
    gamebuild::Installation installation = SaveInstallation();
    MakeNpc(installation, 30, 12, 255, 2, 0);
    SaveCharacter hero;
    hero.name = "Hero";
    hero.race = 1, hero.experience = 1234567, hero.hitPoints = 3, hero.maxHitPoints = 9;
    hero.items[0] = {7, 1, 0x81};
    hero.items[11] = {8, 2, 0x80};
    hero.primarySlot = 0;
    hero.attitudes[12] = 33;
    hero.spellsKnown = {1};
    gamebuild::GuildFile guild;
    guild.slots[0] = hero;
    guild.slots[1] = hero;
    guild.slots[1]->name = "Gone";
    guild.deleted[1] = true;
    installation.guild = guild;
    SaveFile save = OneCharacter(hero);
    save.world = SaveWorld{};
    save.world->items = {{4, 0x80, 1, 2, 3, 7, 2, 0}};
    save.world->map = 4, save.world->facing = 3;
    installation.saveFiles["SAVES/GAME.DBS"] = save;
    EXPECT_TRUE(installation.Write(folder.Path()));
    EXPECT_TRUE(gamebuild::WriteBytes(folder.File("junk.dbs"), std::vector<uint8_t>(100, 7)));
    return "--game " + folder.Path() + " ";
}

} // namespace

TEST(SaveCli, SaveListsTheCharactersOfEitherKind)
{
    TempFolder folder;
    const std::string game = Installation(folder);
    CliRun guild = RunCli(game + "save pcfile.dbs");
    EXPECT_EQ(guild.status, 0) << guild.out;
    EXPECT_EQ(guild.out.rfind("Guild File\n2 characters\nslot\tname\tdeleted\trace\t", 0), 0u) << guild.out;
    EXPECT_TRUE(Has(guild, "\n0\tHero\t0\tRace 1\tMale\tCalling 0\tRank 0\t1\t1,234,567\t3/9\t")) << guild.out;
    EXPECT_TRUE(Has(guild, "\n1\tGone\t1\t")) << guild.out;

    EXPECT_EQ(RunCli(game + "save " + folder.File("SAVES/GAME.DBS")).status, 0) << "a path";
    CliRun byName = RunCli(game + "save saves/game.dbs");
    EXPECT_EQ(byName.status, 0) << byName.out;
    EXPECT_EQ(byName.out.rfind("Save File\n1 characters\n", 0), 0u) << byName.out;

    CliRun junk = RunCli(game + "save junk.dbs");
    EXPECT_EQ(junk.status, 1);
    EXPECT_EQ(junk.out, "Not a Wizardry VII Save File or Guild File or error reading specified file!\n");
    EXPECT_EQ(RunCli(game + "save none.dbs").out, "Cannot open file specified!\n");
    EXPECT_EQ(RunCli(game + "save").status, 2);
}

TEST(SaveCli, CharacterCommandsPrintTheViewersContent)
{
    TempFolder folder;
    const std::string game = Installation(folder);
    CliRun character = RunCli(game + "character pcfile.dbs 1");
    EXPECT_EQ(character.status, 0) << character.out;
    EXPECT_TRUE(Has(character, "\nHP: 3/9\n")) << character.out;
    EXPECT_TRUE(Has(character, "\nExp: 1,234,567\n"));
    EXPECT_TRUE(Has(character, "\nDELETED! [worse]\n"));
    EXPECT_TRUE(Has(character, "\n  Weapon: Robe of Light\n"));
    EXPECT_TRUE(Has(character, "\n  Water [Regen 0] (image 6)\n")) << character.out;
    EXPECT_TRUE(Has(character, "\n    Spell 1 [2/2] (image 0)\n")) << character.out;
    EXPECT_EQ(RunCli(game + "character pcfile.dbs 2").status, 2) << "an empty slot";

    CliRun items = RunCli(game + "items saves/game.dbs 0");
    EXPECT_EQ(items.out, "name\tequip\tcurse\tN\nRobe of Light\tequipped\t\t1\n\nname\tN\nItem 8\t2\n");
    CliRun npcs = RunCli(game + "npcs saves/game.dbs 0");
    EXPECT_EQ(npcs.out, "NPC\tAttitude\nMonster 30 {id 30} {NPC id 12}\t33\n");
    CliRun professions = RunCli(game + "professions pcfile.dbs 0");
    EXPECT_EQ(professions.out.rfind("Profession\tStr\tInt\tPie\tVit\tDex\tSpe\tPer\nCalling 0\t0\t", 0), 0u)
        << professions.out;
}

TEST(SaveCli, WorldAndOffersReadSaveFilesOnly)
{
    TempFolder folder;
    const std::string game = Installation(folder);
    CliRun world = RunCli(game + "world saves/game.dbs");
    EXPECT_EQ(world.status, 0) << world.out;
    EXPECT_EQ(world.out.rfind("Party position: map {04} East of New City, Munkharama Bridge, Road to Munkharama and Orkogre Forest, "
                              "Quadrant 0 (0, 0)  facing WEST\n", 0), 0u) << world.out;
    EXPECT_TRUE(Has(world, "\nname\tlocation\tN\nRobe of Light\tMap {04} Quadrant 3 (1,2)\t2\n1 item(s) total\n"));
    EXPECT_EQ(RunCli(game + "world pcfile.dbs").status, 1);

    CliRun entries = RunCli(game + "offers saves/game.dbs");
    EXPECT_TRUE(Has(entries, "\n30\tMonster 30\t1\n-101\tRATSKEL' SHOP (BLIENMEIS)\t6\n")) << entries.out;
    CliRun offers = RunCli(game + "offers saves/game.dbs 30");
    EXPECT_EQ(offers.out, "Status: Alive\nname\n");
    EXPECT_EQ(RunCli(game + "offers saves/game.dbs 31").status, 2) << "not an NPC";
}
