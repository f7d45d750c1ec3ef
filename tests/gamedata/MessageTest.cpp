// Message texts: the header, reading pieces across blocks, joining them into a text, and the
// message files the game builder writes.

#include "gamedata/NameLists.h"
#include "tests/gamedata/GameDataFixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

using gamebuild::Edition;

namespace {

using Bytes = std::vector<uint8_t>;

struct Loaded {
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
};

std::unique_ptr<Loaded> Load(const TempFolder& folder)
{
    auto loaded = std::make_unique<Loaded>();
    loaded->platform.settings["w7path"] = folder.Path();
    loaded->game = std::make_unique<CGameData>(loaded->platform);
    return loaded;
}

// An installation whose message files are the given bytes.
std::unique_ptr<Loaded> LoadWithMessageFiles(const TempFolder& folder, Edition edition, const Bytes& header,
                                             const Bytes& texts)
{
    EXPECT_TRUE(SmallInstallation(edition).Write(folder.Path()));
    EXPECT_TRUE(gamebuild::WriteBytes(folder.File("msg.hdr"), header));
    EXPECT_TRUE(gamebuild::WriteBytes(folder.File(gamebuild::MessageFileName(edition)), texts));
    return Load(folder);
}

// Plain pieces from texts: a length byte before each.
Bytes Pieces(std::initializer_list<std::string> texts)
{
    Bytes bytes;
    for (const std::string& text : texts) {
        bytes.push_back(static_cast<uint8_t>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
    }
    return bytes;
}

// Places bytes at an offset of a message file, growing it with zeros.
void Put(Bytes& file, size_t offset, const Bytes& bytes)
{
    if (file.size() < offset + bytes.size())
        file.resize(offset + bytes.size(), 0);
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<long>(offset));
}

std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

} // namespace

TEST(MessageIndex, RecordsOfBothEditions)
{
    // First edition, 6-byte records: number, offset, pieces - 1, block (one byte).
    // The second record repeats number 7 and is dropped; the byte after the block is not read.
    const Bytes first = {3, 0,
                         7, 0, 0x10, 0, 1, 2,
                         7, 0, 0x20, 0, 0, 3,
                         2, 0, 0x30, 0x01, 4, 0xFF};
    TempFolder a;
    auto loaded = LoadWithMessageFiles(a, Edition::First, first, {});
    std::vector<std::tuple<int, int, int, int>> read; // number, block, offset, pieces - 1
    for (const auto& [number, at] : loaded->game->Messages())
        read.emplace_back(number, at.block, at.offset, at.piecesMinusOne);
    EXPECT_EQ(read, (std::vector<std::tuple<int, int, int, int>>{{2, 255, 0x130, 4}, {7, 2, 0x10, 1}}));

    // Gold, 7-byte records: the block is 16 bits.
    const Bytes gold = {1, 0, 9, 0, 4, 0, 0, 2, 1};
    TempFolder b;
    auto loadedGold = LoadWithMessageFiles(b, Edition::Gold, gold, {});
    ASSERT_EQ(loadedGold->game->Messages().size(), 1u);
    EXPECT_EQ(loadedGold->game->Messages().at(9).block, 0x0102);
    EXPECT_TRUE(loadedGold->platform.errors.empty());
}

TEST(MessageIndex, ShortAndEmptyHeaders)
{
    // A count of 4 with two whole records and part of a third: the two are read.
    const Bytes promised = {4, 0, 1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 3, 0, 0};
    TempFolder a;
    auto loaded = LoadWithMessageFiles(a, Edition::First, promised, {});
    EXPECT_EQ(loaded->game->Messages().size(), 2u);
    EXPECT_TRUE(loaded->platform.errors.empty());

    for (const Bytes& header : {Bytes{0, 0}, Bytes{}}) {
        TempFolder b;
        auto empty = LoadWithMessageFiles(b, Edition::First, header, {});
        EXPECT_TRUE(empty->game->Loaded());
        EXPECT_TRUE(empty->game->Messages().empty());
        EXPECT_TRUE(empty->platform.errors.empty());
    }
}

TEST(MessageIndex, MissingHeaderShowsTheTextsMessageAndLoadingGoesOn)
{
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    installation.messages[100] = {"HUMAN"};
    ASSERT_TRUE(installation.Write(folder.Path()));
    std::filesystem::remove(folder.File("msg.hdr"));
    auto loaded = Load(folder);
    EXPECT_TRUE(loaded->game->Loaded());
    ASSERT_EQ(loaded->platform.errors.size(), 1u);
    EXPECT_EQ(loaded->platform.errors[0], "Error while opening file " + folder.Path() +
                                              "\\msg.hdr\nTexts and names cannot be retrieved!\n"
                                              "Make sure you supplied the correct path to Wizardry VII installation folder.");
    EXPECT_TRUE(loaded->game->GetMessageText(100).empty());
    EXPECT_TRUE(loaded->game->NameList(namelist::kRaces)->empty());
}

TEST(MessagePieces, GoldPiecesAndTheirContinuationIntoTheNextEntry)
{
    Bytes texts;
    // Message 10 starts 4 bytes before the end of block 0: "abc" takes them all (3 + 1), so
    // the reading goes on with the piece count of entry 11 (two pieces) from byte 1024.
    Put(texts, 1020, Pieces({"abc", "de", "f"}));
    // Message 20, the last entry, also reaches past its block (1022 + 3); it has nothing to go on with.
    Put(texts, 2 * 1024 + 1022, Pieces({"xy", "zz"}));
    // Message 12 ends inside its block: 5 + 2 bytes from offset 100.
    Put(texts, 100, Pieces({"Hello", "!"}));
    const Bytes header = {4, 0,
                          10, 0, 0xFC, 0x03, 0, 0, 0,  // block 0, offset 1020, one piece
                          11, 0, 0, 0, 1, 1, 0,        // block 1, offset 0, two pieces
                          12, 0, 100, 0, 1, 0, 0,      // block 0, offset 100, two pieces
                          20, 0, 0xFE, 0x03, 0, 2, 0}; // block 2, offset 1022, one piece
    TempFolder folder;
    auto loaded = LoadWithMessageFiles(folder, Edition::Gold, header, texts);
    const CGameData& game = *loaded->game;
    EXPECT_EQ(AsText(game.ReadMessagePieces(10)), AsText(Pieces({"abc", "de", "f"})));
    EXPECT_EQ(game.GetMessageText(10), "abc de f");
    EXPECT_EQ(game.GetMessageText(11), "de f") << "the continuation is a message of its own too";
    EXPECT_EQ(game.GetMessageText(12), "Hello \v");
    EXPECT_EQ(game.GetMessageText(20), "xy");
}

TEST(MessagePieces, FirstEditionContinuesByTheStoredLengths)
{
    // Stored "You" is 5 bytes (04 03 F8 A6 80) though it decodes to 4: from offset 1019 it
    // reaches the end of block 0, so entry 31's piece, stored "e" (02 01 80), follows it.
    Bytes texts;
    Put(texts, 1019, {4, 3, 0xF8, 0xA6, 0x80, 2, 1, 0x80});
    Put(texts, 1024 + 40, {4, 3, 0xF8, 0xA6, 0x80, 0, 2, 1, 0x80});
    const Bytes header = {3, 0,
                          30, 0, 0xFB, 0x03, 0, 0, // block 0, offset 1019, one piece
                          31, 0, 0, 0, 0, 1,       // block 1, offset 0, one piece
                          40, 0, 40, 0, 2, 1};     // block 1, offset 40, three pieces (one empty)
    TempFolder folder;
    auto loaded = LoadWithMessageFiles(folder, Edition::First, header, texts);
    const CGameData& game = *loaded->game;
    EXPECT_EQ(AsText(game.ReadMessagePieces(30)), std::string("\x03You\x01" "e", 6));
    EXPECT_EQ(game.GetMessageText(30), "You e");
    EXPECT_EQ(game.GetMessageText(40), "You e") << "an empty piece is skipped";
}

TEST(MessagePieces, PiecesOf128To255Characters)
{
    // Gold: a 200-character piece; its length byte reads as negative when signed.
    TempFolder gold;
    Bytes goldText = {200};
    goldText.resize(201, 'x');
    auto loadedGold = LoadWithMessageFiles(gold, Edition::Gold, {1, 0, 1, 0, 0, 0, 0, 0, 0}, goldText);
    EXPECT_EQ(loadedGold->game->GetMessageText(1), std::string(200, 'x'));

    // First edition: 255 "e" (code 1000) are 1020 bits: 127 bytes of 0x88 and 0x80; stored
    // length 129, count 255.
    TempFolder first;
    Bytes coded = {129, 255};
    coded.resize(2 + 127, 0x88);
    coded.push_back(0x80);
    auto loadedFirst = LoadWithMessageFiles(first, Edition::First, {1, 0, 1, 0, 0, 0, 0, 0}, coded);
    EXPECT_EQ(loadedFirst->game->GetMessageText(1), std::string(255, 'e'));
}

TEST(MessagePieces, WhatCannotBeReadGivesNothing)
{
    // Message 1: the second piece promises 9 bytes where the file holds 2; message 2 begins
    // beyond the end of the file.
    Bytes file = Pieces({"one"});
    file.insert(file.end(), {9, 'a', 'b'});
    const Bytes header = {2, 0, 1, 0, 0, 0, 1, 0, 0, 2, 0, 0, 0, 0, 9, 0};
    TempFolder folder;
    auto loaded = LoadWithMessageFiles(folder, Edition::Gold, header, file);
    const CGameData& game = *loaded->game;
    EXPECT_EQ(game.GetMessageText(1), "one") << "the pieces held whole are kept";
    EXPECT_TRUE(game.ReadMessagePieces(2).empty());
    EXPECT_TRUE(game.ReadMessagePieces(3).empty()) << "not in the index";
    EXPECT_TRUE(game.ReadMessagePieces(-1).empty());
    EXPECT_TRUE(game.ReadMessagePieces(65536 + 1).empty()) << "not taken modulo 65536";

    std::filesystem::remove(folder.File("msg.gld"));
    EXPECT_TRUE(game.GetMessageText(1).empty());
    EXPECT_TRUE(loaded->platform.errors.empty()) << "a missing message file shows no message";
}

TEST(MessageText, JoiningPieces)
{
    EXPECT_EQ(JoinMessagePieces(Pieces({"You see", "a door."})), "You see a door.");
    EXPECT_EQ(JoinMessagePieces(Pieces({"Hello ", "world"})), "Hello world");
    EXPECT_EQ(JoinMessagePieces(Pieces({"Hello", " world"})), "Hello world");
    EXPECT_EQ(JoinMessagePieces(Pieces({"a", "", "b"})), "a b");
    EXPECT_EQ(JoinMessagePieces(Pieces({"x", "!Beware"})), "x \vBeware");
    EXPECT_EQ(JoinMessagePieces(Pieces({"!!Two", "a!b"})), "\v\vTwo a!b") << "only at the start of a piece";
    EXPECT_EQ(JoinMessagePieces(Pieces({"End.", "@Next"})), "End.@Next");
    EXPECT_TRUE(JoinMessagePieces({}).empty());
}

TEST(MessageText, LineBreaksOfTheShownString)
{
    EXPECT_EQ(MessageTextToString("x \vBeware"), "x \r\nBeware");
    EXPECT_EQ(MessageTextToString("End.@Next"), "End.\r\n\r\nNext");
    EXPECT_EQ(MessageTextToString("Stop!Go"), "Stop\r\nGo");
    EXPECT_EQ(MessageTextToString("Hi! Wow!! a!@b end!"), "Hi! Wow!! a!\r\n\r\nb end!");

    Bytes texts = Pieces({"You see", "a door.", "@It is", "!locked!"});
    TempFolder folder;
    auto loaded = LoadWithMessageFiles(folder, Edition::Gold, {1, 0, 5, 0, 0, 0, 3, 0, 0}, texts);
    EXPECT_EQ(loaded->game->GetMessageString(5), "You see a door.\r\n\r\nIt is \r\nlocked!");
}

TEST(MessageFiles, EncodedPiecesMatchTheCode)
{
    // "You": Y = 11111000, o = 10100, u = 110100 -> F8 A6 80 (see the decoder's tests).
    EXPECT_EQ(gamebuild::EncodeMessagePiece("You"), (Bytes{4, 3, 0xF8, 0xA6, 0x80}));
    EXPECT_EQ(gamebuild::EncodeMessagePiece(""), Bytes{0});
    EXPECT_FALSE(gamebuild::EncodeMessagePiece("a<b")) << "no code for '<'";
    EXPECT_FALSE(gamebuild::EncodeMessagePiece(std::string(256, 'e')));

    // Every byte that has a code survives the round trip, the 17-bit codes included.
    std::string all;
    for (const MessageCode& code : MessageCodes())
        all += static_cast<char>(code.byte);
    std::string half1 = all.substr(0, 61), half2 = all.substr(61);
    Bytes raw = *gamebuild::EncodeMessagePiece(half1);
    Bytes second = *gamebuild::EncodeMessagePiece(half2);
    raw.insert(raw.end(), second.begin(), second.end());
    EXPECT_EQ(AsText(DecodeMessagePieces(raw)), AsText(Pieces({half1, half2})));
}

TEST(MessageFiles, LongMessagesGoOnInTheNextEntryAndReadBackWhole)
{
    gamebuild::Messages messages;
    for (int i = 0; i < 300; ++i)
        messages[100].push_back("Entry number " + std::to_string(i));
    messages[120] = {"after", "the", "long", "one"};
    messages[121] = {std::string(250, 's')};
    for (Edition edition : {Edition::First, Edition::Gold}) {
        TempFolder folder;
        gamebuild::Installation installation = SmallInstallation(edition);
        installation.messages = messages;
        ASSERT_TRUE(installation.Write(folder.Path()));
        auto loaded = Load(folder);
        const CGameData& game = *loaded->game;
        std::vector<std::string> read;
        game.LoadNameList(read, 100, false, false);
        EXPECT_EQ(read, messages[100]);
        EXPECT_TRUE(game.Messages().contains(101)) << "the message reaches into a second entry";
        EXPECT_EQ(game.GetMessageText(120), "after the long one");
        EXPECT_EQ(game.GetMessageText(121), std::string(250, 's'));
    }

    // A long message whose next number is taken cannot go on.
    gamebuild::Messages crowded = {{1, std::vector<std::string>(100, "twenty characters..")}, {2, {"x"}}};
    EXPECT_FALSE(gamebuild::MessageFileBytes(crowded, Edition::Gold));
}
