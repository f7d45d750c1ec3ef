// The demo's message texts: the messages the name lists are read from, with made-up names of
// the right counts, and a few dozen long texts for items, incidents and people of the realm.

#include "gamedata/ScenarioFile.h"
#include "testing/GameBuilder.h"

#include <cstring>

namespace gamebuild {

namespace {

using Pieces = std::vector<std::string>;

// Names whose list is shown in title case are stored in capitals, as the game stores them.
constexpr const char* kSpells[] = {
    // Fire, spells 0 to 10
    "FIRE DART", "FLAME SHIELD", "FIREBALL", "BLAZING WALL", "HEAT METAL", "SMOKE SCREEN", "FIRESTORM",
    "CINDER BURST", "FLAME WHIP", "INFERNO", "SUNFIRE",
    // Water, 11 to 25
    "ICE SPEAR", "HEALING MIST", "FROST ARMOUR", "CURE POISON", "TIDAL WAVE", "WATER WALK", "CHILL TOUCH",
    "HAILSTORM", "CLEANSE", "FREEZING FOG", "RESTORE", "ICE PRISON", "DEEP BREATH", "PURIFY", "BLIZZARD",
    // Air, 26 to 42
    "SHOCK", "GUST", "FEATHER FALL", "LIGHTNING BOLT", "WIND WALL", "SILENCE", "THUNDERCLAP", "LEVITATE",
    "STORM CALL", "STATIC FIELD", "HASTE", "DEAFEN", "WHIRLWIND", "CHAIN LIGHTNING", "TEMPEST", "SKY SIGHT",
    "VANISH",
    // Earth, 43 to 56
    "STONE SKIN", "ACID SPLASH", "TREMOR", "ENTANGLE", "POISON CLOUD", "MUD SLIDE", "ROCK FALL", "STRENGTHEN",
    "PETRIFY", "QUICKSAND", "EARTHQUAKE", "IRON WILL", "DIG", "CRUSH",
    // Mind, 57 to 77 (64 is the identifying spell)
    "SLEEP", "CHARM", "CONFUSE", "FEAR", "MIND READ", "DETECT SECRET", "ILLUSION", "IDENTIFY", "FORGET",
    "MIND BLAST", "INSIGHT", "DOMINATE", "CLAIRVOYANCE", "PSYCHIC SHIELD", "BRAIN DRAIN", "DREAM WALK",
    "MIRROR SELF", "HYPNOSIS", "MADNESS", "TRUE SIGHT", "MIND STORM",
    // Divine, 78 to 95
    "BLESS", "HEAL WOUNDS", "LIGHT", "DIVINE SHIELD", "CURE PARALYSIS", "TURN UNDEAD", "HOLY WORD", "SANCTUARY",
    "RAISE SPIRIT", "GUIDANCE", "SMITE", "REMOVE CURSE", "HEAL ALL", "RESURRECT", "WORD OF RECALL",
    "DIVINE WRATH", "ASCENSION", "MIRACLE",
    // Monsters' own, 96 to 101
    "DRAGON BREATH", "HOWL", "DEATH GAZE", "SPORE CLOUD", "SOUL DRAIN", "SHRIEK",
};
static_assert(std::size(kSpells) == 102);

constexpr const char* kProfessions[] = {"Warrior", "Sorcerer", "Cleric",   "Rogue",   "Warden",
                                        "Apothecary", "Minstrel", "Mentalist", "Shieldmaiden", "Abbot",
                                        "Templar", "Duelist",  "Ascetic",  "Shadow"};
static_assert(std::size(kProfessions) == 14);

std::string Upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

Pieces ProfessionNames()
{
    Pieces names;
    for (const char* name : kProfessions)
        names.push_back(Upper(name));
    return names;
}

// Ten titles per profession, by rank.
Pieces RankTitles()
{
    static constexpr const char* kTiers[] = {"Novice ", "Apprentice ", "", "Journeyman ", "Seasoned ",
                                             "Veteran ", "Expert ", "Master ", "Grand Master ", "Legendary "};
    Pieces titles;
    for (const char* profession : kProfessions)
        for (const char* tier : kTiers)
            titles.push_back(std::string(tier) + profession);
    return titles;
}

// What a party sees of an item it has not identified, by the item's picture number.
Pieces UnidentifiedNames()
{
    static constexpr const char* kLooks[] = {"", "Dull ", "Shiny ", "Rusty ", "Heavy ", "Light ", "Ornate ", "Strange "};
    static constexpr const char* kShapes[] = {"Blade", "Axe",   "Club",   "Staff",  "Bow",    "Shield", "Armour", "Helm",
                                              "Gloves", "Boots", "Potion", "Scroll", "Ring",   "Amulet", "Key",    "Trinket"};
    Pieces names;
    for (const char* look : kLooks)
        for (const char* shape : kShapes)
            names.push_back(std::string("?") + look + shape);
    return names; // 128: one per picture the demo items use
}

// Words of the monster screen ahead of the body locations in the first edition's message.
const Pieces kMonsterWords = {"ARMOUR CLASS", "HIT POINTS", "LEVEL",      "EXPERIENCE", "ATTACKS",  "DAMAGE",
                              "SPECIAL",      "RESISTS",    "SPELLS",     "GROUP SIZE", "TYPE",     "SPEED",
                              "INITIATIVE",   "MOVES",      "FLEES",      "ALLIANCE",   "BEHAVIOUR", "LOOT",
                              "GOLD",         "HIDDEN",     "LOCATION"};
const Pieces kBodyLocations = {"HEAD", "NECK", "TORSO", "ARMS", "HANDS", "LEGS", "FEET"};

void AddNameLists(Messages& messages, Edition edition)
{
    messages[100] = {"HUMAN",    "ELF",     "DWARF",    "GNOME",   "HALFLING", "FAUN",
                     "LIZARDKIN", "DRAKEBORN", "WOLFKIN", "CATFOLK", "STONEBORN"};
    messages[120] = ProfessionNames();
    messages[140] = {"MALE", "FEMALE"};
    messages[300] = {"Nothing", "Drink",   "Eat",     "Cast Spell", "Invoke", "Read",
                     "Open",    "Light",   "Play",    "Wear",       "Combine", "Break"};
    messages[400] = {"NOTHING", "FIRE",    "COLD",    "LIGHTNING", "POISON",   "ACID",    "MAGIC",
                     "MIND",    "DEATH",   "DISEASE", "PARALYSIS", "SLEEP",    "STONING", "CRITICAL HITS"};
    // Assorted item words: 0 ends the assay text, 7 and 8 the hands, 18 to 20 the Item List's
    // marks, 25 to 32 the eight weapon effects.
    messages[450] = {" NEEDED:",   "IDENTIFIED", "UNIDENTIFIED", "EQUIPPED", "UNEQUIPPED", "CHARGES",
                     "STACK",      "ONE-HANDED", "TWO-HANDED",   "PRIMARY",  "SECONDARY",  "WEAPON",
                     "ARMOUR",     "SHIELD",     "ACCESSORY",    "USABLE",   "UNUSABLE",   "BROKEN",
                     "REGENERATES", "CURSED",    "INVOKABLE",    "SPECIAL",  "MAGICAL",    "ARTIFACT",
                     "NONE",       "SLEEP",      "PARALYZE",     "POISON",   "BLIND",      "PETRIFY",
                     "DRAIN",      "MADDEN",     "SLAY"};
    messages[800] = RankTitles();
    // Labels of the item screen, then the item types from entry 20 on; the last is not offered.
    messages[1530] = {"Weight", "Price",      "Charges",     "Damage",     "Armour Class", "To Hit",
                      "Initiative", "Regeneration", "Spell",  "Level",      "Value",        "Owner",
                      "Usable by", "Races",     "Professions", "Sexes",     "Hands",        "Range",
                      "Type",     "Skill",
                      "Short Weapon", "Extended Weapon", "Thrown Weapon", "Missile Weapon", "Ammunition",
                      "Shield",   "Body Armour", "Helmet",    "Gauntlets",  "Boots",        "Cloak",
                      "Ring",     "Potion",     "Amulet",     "Instrument", "Scroll",       "Powder",
                      "Book",     "Key",        "Tool",       "Food",       "Treasure",     "Quest Item",
                      "Unknown"};
    messages[1750] = {"Nobody",       "The Crown",   "Marsh Folk",         "Iron Legion", "Star Watchers",
                      "Free Traders", "Hill Clans",  "Order of the Flame", "Shadow Guild"};
    messages[2020] = {"Person", "Beast", "Plant", "Spirit", "Undead", "Monster", "Dragon", "Machine", "Demon", "Giant"};
    messages[3050] = {"SWING", "THRUST", "BASH", "MELEE", "THROW", "PUNCH", "KICK", "LASH", "SHOOT"};
    if (edition == Edition::Gold) {
        messages[3300] = kMonsterWords;
        messages[3321] = kBodyLocations;
    } else {
        messages[3300] = kMonsterWords;
        messages[3300].insert(messages[3300].end(), kBodyLocations.begin(), kBodyLocations.end());
    }
    messages[3330] = {"PLANT", "BLOSSOM", "STALK", "LEAVES", "THORNS", "ROOTS", "TENDRILS", "BARK"};
    messages[3340] = {"Breathes", "Bites with",  "Calls for help", "Spits",    "Gazes with",
                      "Sprays",   "Casts",       "Steals from the party", "Exhales"};
    messages[3390] = {"MACHINE", "SENSOR", "CASING", "ARMS", "GRIPPERS", "WHEELS", "CABLES", "CORE"};
    // Conditions from entry 4 on (the insane condition is 18); 28 is a behaviour.
    messages[3469] = {"Well",       "Tired",     "Hungry",    "Hexed",     "Poisoned",   "Nauseous",
                      "Asleep",     "Blinded",   "Paralyzed", "Petrified", "Irritated",  "Diseased",
                      "Drained",    "Afraid",    "Silenced",  "Unconscious", "Dead",     "Lost",
                      "Insane",     "Cursed",    "Weakened",  "Slowed",    "Hasted",     "Blessed",
                      "Shielded",   "Invisible", "Levitating", "Charmed",  "Keeps its distance"};
    messages[3500] = {"Wanders",    "Guards",    "Patrols",   "Hides",     "Hunts",      "Sleeps",
                      "Waits",      "Follows",   "Circles",   "Lurks",     "Watches",    "Trades",
                      "Talks",      "Sings",     "Prays",     "Digs",      "Feeds",      "Attacks",
                      "Armoured hide", "Flies",  "Swims",     "Burrows",   "on sight",   "Calls others",
                      "Runs",       "Flees",     "Charges",   "Ambushes",  "Howls",      "Glows"};
    // What a special attack sends out, fitting the condition each one causes.
    messages[3700] = {"fire", "maddening fumes", "lightning", "acid", "sleeping venom", "a withering stare",
                      "numbing vapours", "stoning dust", "a sickening hex"};
    // Monsters' weapons, with the marks of stored item names.
    messages[3800] = {"Club",         "Broad/Sword",   "Sword=Flame",  "Staff/=Power", "Rusty/Dagger",
                      "Spear",        "Great/Axe",     "Whip",         "Claws",        "Sling",
                      "Crossbow",     "Trident",       "Scythe",       "Morning/Star", "Hammer=Storms",
                      "Bone/Club",    "Iron/Fist",     "Poisoned/Blade", "Flaming/Brand", "Net"};
    messages[3950] = {"Fire", "Water", "Air", "Earth", "Mind", "Divine"};
    messages[4000] = Pieces(std::begin(kSpells), std::end(kSpells));
    messages[5050] = {"Strength", "Intelligence", "Piety", "Vitality", "Dexterity", "Speed", "Personality", "Karma"};
    // Traps and other harm of the maps.
    messages[5250] = {"Sleep gas",     "Blinding flash", "Paralysis",   "Stone curse",   "Nausea",
                      "Poison needle", "Madness",        "Disease",     "Fatigue",       "Energy drain",
                      "Rust",          "Fumble",         "Falling rocks", "Spiked pit",  "Fire blast",
                      "Acid spray",    "Teleport trap",  "Alarm",       "Cold blast",    "Lightning",
                      "Darts",         "Gas cloud",      "Crossbow bolt", "Blades",      "Explosion",
                      "Curse"};
    // Skills: weaponry 0 to 9, physical 10 to 17, personal 18 to 23, academia 24 to 33.
    messages[5500] = {"Sword",        "Axe",          "Polearm",     "Mace & Flail", "Dagger",
                      "Throwing",     "Sling",        "Bow",         "Shield",       "Hand to Hand",
                      "Swimming",     "Climbing",     "Scouting",    "Music",        "Oratory",
                      "Legerdemain",  "Skulduggery",  "Stealth",
                      "Marksmanship", "Power Strike", "Reflexes",    "Eagle Eye",    "Meditation",
                      "Sneak Attack",
                      "Lore",         "Mythology",    "Scrolls",     "Alchemy",      "Theology",
                      "Arcana",       "Mapmaking",    "Herbalism",   "Runes",        "Engineering"};
    messages[6000] = UnidentifiedNames();
}

// A long text as the game stores it: pieces of a few words; "@" begins a paragraph and "!" a
// line, each at the start of a piece of its own.
Pieces LongText(const std::string& text)
{
    Pieces pieces;
    std::string piece;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty())
            continue;
        bool starts = word[0] == '@' || word[0] == '!';
        if (!piece.empty() && (starts || piece.size() + 1 + word.size() > 36)) {
            pieces.push_back(piece);
            piece.clear();
        }
        piece += piece.empty() ? word : " " + word;
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

// Texts carried by items (read from the inventory).
constexpr const char* kItemTexts[] = {
    "The scroll is brittle with age. In a faded hand it reads: @Whoever finds this, know that the "
    "gate beneath the old mill opens only at dusk. !Speak the word of the river and it will yield.",
    "A rough map of the valley. The river winds past three hills, and a red cross marks a spot "
    "just north of the ruined tower. !Someone has scrawled: DIG HERE, NOT THERE!",
    "Incantations of light, in the tongue of the first scholars. @The words glow faintly as you "
    "read them, then fade away, leaving only the parchment's empty lines.",
    "A merchant's ledger. Forty crowns owed by the smith, twelve by the baker, and a single line "
    "crossed out so hard the quill tore through: !The debt of the Iron Legion is paid in blood.",
    "The note is folded into a tiny square. @Meet me at the fountain when the bells ring twice. "
    "Come alone and bring the key.",
    "Verses of an old song about a drowned city. !Under the water the towers stand, !under the water "
    "the bells still ring, !and those who listen will hear them sing.",
};

// Texts of incidents and places.
constexpr const char* kPlaceTexts[] = {
    "You stand before a great iron door, covered in runes that seem to shift when you look away. "
    "A cold draught seeps from beneath it.",
    "The floor here is littered with bones, old and new. Something large has made its lair nearby. "
    "@A low growl echoes from the darkness ahead.",
    "A statue of a kneeling knight guards the passage. Its stone hands are open, as if waiting "
    "for an offering.",
    "Water drips steadily from the ceiling into a black pool. Pale fish circle beneath the "
    "surface, watching you.",
    "The walls are covered in soot, and the smell of smoke still hangs in the air. Whatever "
    "burned here, it was not long ago.",
    "A trap door! The floor gives way beneath your feet. !You fall into the darkness below.",
    "Strange lights dance above the marsh. The reeds whisper in a wind you cannot feel. "
    "@Far away, someone is calling your names.",
    "Carved above the arch are the words: THE PATIENT SHALL PASS, THE HASTY SHALL FALL.",
    "You find a small shrine with a flickering candle. Someone still tends it, though you see no one.",
    "The bridge sways alarmingly as you cross. Far below, the river roars between sharp rocks.",
    "A heavy portcullis blocks the way. Through the bars you glimpse a lever on the far side, "
    "just out of reach.",
    "Dozens of crystals grow from the cavern walls. When you touch one, it hums a single clear note.",
};

// What people of the realm say.
constexpr const char* kSpeech[] = {
    "Welcome, strangers! Few travellers come this way since the road was closed. @What brings you "
    "to our village?",
    "I have wares, if you have coin. Swords, shields, potions of every colour. !No haggling!",
    "The tower? Nobody goes there any more. Not since the lights started. @If you are wise, you "
    "will stay away too.",
    "My brother went into the caves three days ago and has not returned. Please, if you find "
    "him, tell him his family waits for him.",
    "Halt! By order of the Crown, none may pass without a writ of passage. !Show me your writ, "
    "or turn back.",
    "Hmm. You have the look of adventurers. I could use some help, for a fair share of the "
    "treasure, of course.",
    "The stars are wrong tonight. Something old is stirring beneath the mountains. @Mark my words.",
    "Ha! You call that a sword? My grandmother fights with a sharper knitting needle!",
    "Bring me the heart of the marsh wyrm and I will teach you the secret of the hidden door.",
    "Shh! Keep your voice down. The guards are everywhere tonight. @Follow me, and step where I step.",
    "I know nothing. I saw nothing. I was asleep the whole night, I swear it!",
    "The price is one hundred gold, and I will hear no arguments. Take it or leave it.",
};

} // namespace

void AddDemoTexts(Installation& demo)
{
    Messages& messages = demo.messages;
    AddNameLists(messages, demo.edition);

    // Long texts take every other number, so that one that runs past its block has the
    // following number to go on with.
    int number = 500;
    std::vector<int> itemTexts;
    for (const char* text : kItemTexts) {
        itemTexts.push_back(number);
        messages[static_cast<uint16_t>(number)] = LongText(text);
        number += 2;
    }
    for (const char* text : kPlaceTexts) {
        messages[static_cast<uint16_t>(number)] = LongText(text);
        number += 2;
    }
    for (const char* text : kSpeech) {
        messages[static_cast<uint16_t>(number)] = LongText(text);
        number += 2;
    }

    // Scrolls and maps carry a text that the party may read (inventory action 5).
    size_t next = 0;
    for (Record& item : demo.scenario.items) {
        const char* name = reinterpret_cast<const char*>(item.data());
        if (item.size() < scenario::kItemSize || (!std::strstr(name, "SCROLL") && !std::strstr(name, "MAP")))
            continue;
        ByteWriter(item).U16(38, itemTexts[next % itemTexts.size()]).U8(58, 5);
        ++next;
    }
}

} // namespace gamebuild
