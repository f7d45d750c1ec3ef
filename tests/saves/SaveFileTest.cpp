// Recognising save and guild files, finding their records, and reading a record's fields.

#include "tests/saves/SaveFixture.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace savetest;

namespace {

SaveCharacter Named(const std::string& name)
{
    SaveCharacter character;
    character.name = name;
    return character;
}

struct Loaded {
    SaveFileKind kind;
    SaveGame save;
};

Loaded LoadBytes(const TempFolder& folder, const std::vector<uint8_t>& bytes)
{
    const std::string path = folder.File("file.dbs");
    EXPECT_TRUE(gamebuild::WriteBytes(path, bytes));
    Loaded loaded;
    loaded.kind = loaded.save.Load(path);
    return loaded;
}

} // namespace

TEST(SaveFile, ThePartyMarkerIsFoundAfterAnyPrefix)
{
    TempFolder folder;
    SaveFile save = OneCharacter(Named("Alda"));
    save.party[3] = Named("Brun");

    // A partial marker right before the real one: 16 16 FF FF 00 holds it at its second byte.
    save.prefix = {0x01, 0x16, 0xFF, 0x16};
    Loaded loaded = LoadBytes(folder, gamebuild::SaveFileBytes(save));
    ASSERT_EQ(loaded.kind, SaveFileKind::Save);
    ASSERT_EQ(loaded.save.Count(), 2);
    EXPECT_EQ(loaded.save.Characters()[0].Record().name(), "Alda");
    EXPECT_EQ(loaded.save.Characters()[1].slot, 3) << "empty slots are skipped, slot numbers kept";
    EXPECT_EQ(loaded.save.InSlot(3)->Record().name(), "Brun");
    EXPECT_EQ(loaded.save.InSlot(1), nullptr);
    EXPECT_FALSE(loaded.save.IsDeleted(1)) << "only guild slots are marked deleted";

    // The guild header does not win over a marker further on.
    save.prefix.assign(savefile::kGuildHeader.begin(), savefile::kGuildHeader.end());
    save.prefix.resize(40, 1);
    loaded = LoadBytes(folder, gamebuild::SaveFileBytes(save));
    EXPECT_EQ(loaded.kind, SaveFileKind::Save);
    EXPECT_EQ(loaded.save.Count(), 2);
}

TEST(SaveFile, ACutPartyKeepsTheRecordsReadWhole)
{
    TempFolder folder;
    SaveFile save;
    for (int slot = 0; slot < 6; ++slot)
        save.party[slot] = Named("P" + std::to_string(slot));
    save.prefix.assign(100, 0);
    // Marker at 100, records from 204: cut inside slot 2.
    save.length = 204 + 2 * 584 + 583;
    Loaded loaded = LoadBytes(folder, gamebuild::SaveFileBytes(save));
    EXPECT_EQ(loaded.kind, SaveFileKind::Save);
    EXPECT_EQ(loaded.save.Count(), 2);

    // The marker in the file's last four bytes: a save file without characters.
    save.length = 104;
    loaded = LoadBytes(folder, gamebuild::SaveFileBytes(save));
    EXPECT_EQ(loaded.kind, SaveFileKind::Save);
    EXPECT_EQ(loaded.save.Count(), 0);
    EXPECT_EQ(loaded.save.FailureMessage(), nullptr);
}

TEST(SaveFile, GuildSlotsKeepTheirDeletedMark)
{
    TempFolder folder;
    gamebuild::GuildFile guild;
    for (int slot : {0, 1, 3, 15})
        guild.slots[slot] = Named("G" + std::to_string(slot));
    guild.deleted[3] = true;
    std::vector<uint8_t> bytes = gamebuild::GuildFileBytes(guild);
    Loaded loaded = LoadBytes(folder, bytes);
    ASSERT_EQ(loaded.kind, SaveFileKind::Guild);
    ASSERT_EQ(loaded.save.Count(), 4);
    EXPECT_EQ(loaded.save.Characters()[2].slot, 3);
    EXPECT_TRUE(loaded.save.IsDeleted(3));
    EXPECT_FALSE(loaded.save.IsDeleted(0));
    EXPECT_FALSE(loaded.save.IsDeleted(16));
    EXPECT_STREQ(savefile::KindLabel(loaded.kind), "Guild File");

    bytes.resize(24 + 584 * 3 + 10); // slot 3 cut short
    EXPECT_EQ(LoadBytes(folder, bytes).save.Count(), 2);
}

TEST(SaveFile, FailuresCarryTheProgramsMessages)
{
    TempFolder folder;
    SaveGame save;
    EXPECT_EQ(save.Load(folder.File("missing.dbs")), SaveFileKind::NotRecognised);
    EXPECT_EQ(save.Failure(), SaveLoadFailure::CannotOpen);
    EXPECT_STREQ(save.FailureMessage(), "Cannot open file specified!");
    EXPECT_EQ(save.Load(folder.Path()), SaveFileKind::NotRecognised);
    EXPECT_EQ(save.Failure(), SaveLoadFailure::CannotOpen) << "a folder is no file";
#ifndef _WIN32
    // A named pipe would hold the reader until something writes to it.
    const std::string pipe = folder.File("pipe.dbs");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(save.Load(pipe), SaveFileKind::NotRecognised);
    EXPECT_EQ(save.Failure(), SaveLoadFailure::CannotOpen) << "nor is a pipe";
#endif

    std::vector<uint8_t> header(savefile::kGuildHeader.begin(), savefile::kGuildHeader.end());
    header[7] = 1; // one byte off the guild header, and no marker
    header.resize(2000, 0);
    for (const std::vector<uint8_t>& bytes : {header, std::vector<uint8_t>{}, std::vector<uint8_t>{0x48, 0x02}}) {
        Loaded loaded = LoadBytes(folder, bytes);
        EXPECT_EQ(loaded.kind, SaveFileKind::NotRecognised);
        EXPECT_EQ(loaded.save.Failure(), SaveLoadFailure::NotRecognised);
        EXPECT_STREQ(loaded.save.FailureMessage(),
                     "Not a Wizardry VII Save File or Guild File or error reading specified file!");
        EXPECT_EQ(loaded.save.Count(), 0);
    }
}

TEST(SaveFile, RecordFieldsStayWithinTheirRanges)
{
    SaveCharacter c = Named("Twelve chars");
    c.experience = 0xFEDCBA98;
    c.items[19] = {570, 4, 0x83};
    c.secondary.damageBonus = -2, c.secondary.initiativeModifier = -4;
    c.attitudes[95] = -100;
    c.spellsKnown = {0, 95};
    c.regenFirst = -1, c.regenSecond = 2;
    const Record bytes = gamebuild::CharacterRecordBytes(c);
    const CharacterRecord record(bytes.data());

    EXPECT_EQ(record.name(), "Twelve char") << "eleven characters and the zero fit in 12 bytes";
    EXPECT_EQ(record.experience(), 0xFEDCBA98u);
    EXPECT_TRUE(record.itemSlot(19).identified() && record.itemSlot(19).cursed() && record.itemSlot(19).equipped());
    EXPECT_EQ(record.secondaryAttack().damageBonus(), -2);
    EXPECT_EQ(record.secondaryAttack().initiativeModifier(), -4);
    EXPECT_EQ(record.attitude(95), -100);
    EXPECT_TRUE(record.knowsSpell(0) && record.knowsSpell(95) && !record.knowsSpell(1));
    EXPECT_EQ(record.regeneration(), -3);

    // Indexes beyond their fields read nothing of the neighbouring ones.
    EXPECT_EQ(record.attitude(96), 0);
    EXPECT_FALSE(record.knowsSpell(96));
    EXPECT_EQ(record.itemSlot(20).item(), 0);
    EXPECT_EQ(record.spellPoints(6), 0);
    EXPECT_EQ(CharacterRecord(nullptr).itemSlot(0).item(), 0);
}

TEST(SaveFile, TheLastCharacterShownIsFoundAgainByName)
{
    TempFolder folder;
    SaveFile save = OneCharacter(Named("Alda"));
    save.party[4] = Named("Brun");
    Loaded loaded = LoadBytes(folder, gamebuild::SaveFileBytes(save));
    EXPECT_EQ(loaded.save.EntryNamed("bRUN"), 1);
    EXPECT_EQ(loaded.save.EntryNamed("Bru"), 0) << "no exact match: the first";
    EXPECT_EQ(savefile::CountText(loaded.save.Count()), "2 characters");
    EXPECT_EQ(LoadBytes(folder, gamebuild::SaveFileBytes(SaveFile{})).save.EntryNamed("Alda"), -1);
}
