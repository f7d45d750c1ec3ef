// The partial texts of events: passability, hidden things, wall changes, event managers,
// negative effects, fountains and cell display changes.

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "maps/EventDescriber.h"
#include "maps/MapNames.h"
#include "maps/MapWalls.h"

namespace {

constexpr int kNorth = 1, kEast = 2, kSouth = 4, kWest = 8;

// The change texts by old class (across) and new class (down), in the order of WallClass.
constexpr const char* kChangeTexts[5][5] = {
    {"", "%s Wall disappears", "Passage replaces %s Archway", "Passage replaces %s Portcullis",
     "Passage replaces %s Door"},
    {"Wall appears on %s Passage", "", "Wall blocks %s Archway", "Wall replaces %s Portcullis",
     "Wall replaces %s Door"},
    {"Archway appears on %s Passage", "Archway appears in %s Wall", "", "%s Portcullis opens an Archway",
     "Archway replaces %s Door"},
    {"Port appears on %s Passage", "Portcullis appears in %s Wall", "Portcullis blocks %s Archway", "",
     "Portcullis replaces %s Door"},
    {"Door appears on %s Passage", "Door appears in %s Wall", "Door appears at %s Archway",
     "Door replaces %s Portcullis", ""},
};

// Appends a fountain's effects: three pools, then four conditions named by item words.
std::string FountainEffects(const CGameData& game, int bits, const char* pools[3], const char* sign)
{
    std::string text;
    if (bits & 7) {
        for (int bit = 0; bit < 3; ++bit)
            if (bits & (1 << bit))
                text += pools[bit];
        text += "; ";
    }
    if (bits & 0x78) {
        static constexpr int kWords[] = {2, 1, 3, 0}; // bits 3 to 6
        for (int bit = 3; bit < 7; ++bit)
            if (bits & (1 << bit))
                text += sign + game.EffectName(kWords[bit - 3]) + ", ";
        text += "; ";
    }
    for (size_t at = text.find(", ;"); at != std::string::npos; at = text.find(", ;", at))
        text.erase(at, 2); // ", ;" becomes ";"
    return text;
}

} // namespace

Passability PassabilityOf(const GameMap& map, const MapEvent& event)
{
    if (event.type != eventtype::kPassability)
        return {};
    const int high = event.param4 >> 8;
    if (high) {
        const int mask = high == 2 ? kNorth : high == 8 ? kEast : high == 32 ? kSouth : high == 128 ? kWest : 0;
        return {PassabilityKind::SecretButton, mask};
    }
    const int b = event.param4 & 0xFF;
    const int pairs[4] = {b & 3, (b >> 2) & 3, (b >> 4) & 3, (b >> 6) & 3}; // north, east, south, west
    auto sides = [&](auto test) {
        int mask = 0;
        for (int side = 0; side < 4; ++side)
            if (test(pairs[side]))
                mask |= 1 << side;
        return mask;
    };
    if ((event.param11 & 15) || event.param2) {
        if (const int mask = sides([](int pair) { return pair & 1; }))
            return {PassabilityKind::OpenableDoor, mask};
    }
    const int three = sides([](int pair) { return pair == 3; });
    if (!three) {
        if (!sides([](int pair) { return pair & 2; }))
            return {};
        return {PassabilityKind::LockedDoor, sides([](int pair) { return pair >= 2; })};
    }
    // The wall on the first side named decides whether the wall is there to be seen through.
    int side = 0;
    while (!(three & (1 << side)))
        ++side;
    const CellWalls walls = GetCellWalls(map, event.quadrant, event.x, event.y);
    const int kind = WallKindOf(map.Number(), walls.Code(side));
    const bool open = kind == -1 || kind == 11 || kind == 17;
    return {open ? PassabilityKind::InvisibleWall : PassabilityKind::IllusionWall, three};
}

Passability EventDescriber::PassabilityOf(int map, const MapEvent& event)
{
    return ::PassabilityOf(Map(map).Record(), event);
}

HiddenThing EventDescriber::HiddenThingOf(int map, const MapEvent& event)
{
    return ::HiddenThingOf(Map(map).Record(), event);
}

std::string EventDescriber::PassabilityText(Passability passability, const MapEvent& event) const
{
    if (passability.mask == 0 || passability.kind == PassabilityKind::None)
        return "No path anomalies";
    const DirectionList sides = DirectionListText(passability.mask);
    const char* d = sides.text.c_str();
    switch (passability.kind) {
    case PassabilityKind::SecretButton:
        return Format(sides.plural ? "Secret button on %s walls" : "Secret button on %s wall", d);
    case PassabilityKind::OpenableDoor: {
        std::string by;
        if (event.param11 & 15)
            by = Format("lockpicking (%i)", event.param11 & 15);
        if (event.param2) {
            if (!by.empty())
                by += " or by ";
            by += Format("%s {id %i}", ItemName(event.param2).c_str(), event.param2);
        }
        return Format(sides.plural ? "Locked doors to %s; openable by %s" : "Locked door to %s; openable by %s", d,
                      by.c_str());
    }
    case PassabilityKind::InvisibleWall:
        return Format(sides.plural ? "Invisible walls block %s passways" : "Invisible wall blocks %s passway", d);
    case PassabilityKind::IllusionWall:
        return Format(sides.plural ? "Illusion walls to %s" : "Illusion wall to %s", d);
    case PassabilityKind::LockedDoor:
        return Format(sides.plural ? "Locked doors to %s" : "Locked door to %s", d);
    case PassabilityKind::None:
        break;
    }
    return "No path anomalies";
}

HiddenThing HiddenThingOf(const GameMap& map, const MapEvent& event)
{
    const int side = event.param4 >> 12;
    const int mask = side >= 4 && side <= 7 ? 1 << (side - 4) : 0;
    if (!mask)
        return {HiddenKind::Something, 0};
    const int code = map.FeatureCode(event.quadrant, event.x, event.y);
    const HiddenKind kind = code == feature::kLever          ? HiddenKind::Lever
                            : code == feature::kSecretButton ? HiddenKind::SecretButton
                                                             : HiddenKind::Something;
    return {kind, mask};
}

std::string EventDescriber::HiddenThingText(int map, const MapEvent& event)
{
    const HiddenThing thing = HiddenThingOf(map, event);
    const std::string d = DirectionListText(thing.mask).text;
    switch (thing.kind) {
    case HiddenKind::Lever:
        return Format("Lever at %s wall", d.c_str());
    case HiddenKind::SecretButton:
        return Format("Secret Button at %s wall", d.c_str());
    case HiddenKind::Something:
        break;
    }
    return thing.mask ? Format("Something hidden at %s", d.c_str()) : "Something hidden around";
}

std::string EventDescriber::WallChangerText(int map, const MapEvent& event)
{
    const CellRef at = UnpackCellRef(event.param4);
    const CellWalls old = GetCellWalls(Map(map).Record(), at.quadrant, at.x, at.y);
    // New codes by direction: north, east, south, west.
    const int codes[4] = {event.param2 & 15, (event.param2 >> 4) & 15, (event.param2 >> 8) & 15,
                          (event.param2 >> 12) & 15};
    std::string text;
    bool same = true;
    for (int side = 0; side < 4; ++side)
        same = same && codes[side] == old.Code(side);
    if (same) {
        text = "Cell becomes: ";
        for (int side = 0; side < 4; ++side)
            text += Format("%s on %s, ", WallName(WallKindOf(map, codes[side])), DirectionName(side));
        text.resize(text.size() - 2);
    }
    for (int side = 0; side < 4; ++side) {
        const int was = static_cast<int>(WallClassOf(WallKindOf(map, old.Code(side))));
        const int becomes = static_cast<int>(WallClassOf(WallKindOf(map, codes[side])));
        const char* change = kChangeTexts[becomes][was];
        const std::string piece = *change ? FormatV(change, DirectionName(side)) : std::string();
        if (side > 0 && !text.empty() && !piece.empty())
            text += "; ";
        text += piece;
    }
    return text + Format(" at Quadrant %i (%i, %i)", at.quadrant, at.x, at.y);
}

std::string EventDescriber::EventManagerText(int map, const MapEvent& event) const
{
    const int action = event.param4 >> 13;
    const char* verb = action == 2 ? "Sets" : action == 3 ? "Resets" : action == 6 ? "Starts" : "Manages";
    const int number = event.param4 & 0xFF, target = (event.param4 >> 8) & 31;
    if (target != map)
        return Format("%s event [%i] on the Map {%.2i}", verb, number, target);
    return Format("%s event [%i] on this Map", verb, number);
}

std::string EventDescriber::NegativeEffectText(const MapEvent& event) const
{
    const int kind = (event.param4 >> 8) & 15;
    const int count = (event.param4 >> 4) & 15, sides = event.param4 & 15;
    std::string name;
    if (kind >= 1 && kind <= 3)
        name = m_game.NegativeEffectName(kind + 11);
    else if (kind == 4)
        name = "Everybody die!";
    else if (kind == 5)
        name = m_game.NegativeEffectName(16);
    else if (kind >= 6 && kind <= 13)
        name = m_game.NegativeEffectName(kind - 6) + (kind == 11 ? Format(" (Str %i)", count) : std::string());
    else if (kind == 14)
        name = m_game.NegativeEffectName(25);
    else if (kind == 15)
        name = m_game.NegativeEffectName(9);
    std::string text = kind ? Format("Effect: %s", name.c_str()) : std::string();
    if (!(event.param4 & 0x8000))
        text += Format(" Delivers %id%i dmg", count, sides);
    return text;
}

FountainText EventDescriber::FountainTexts(const MapEvent& event) const
{
    static const char* kGood[3] = {"+Stamina, ", "+SP, ", "+HP, "};
    static const char* kBad[3] = {"-Stamina, ", "-SP, ", "-HP, "};
    return {FountainEffects(m_game, event.param4 & 0xFF, kGood, "-"),
            FountainEffects(m_game, event.param4 >> 8, kBad, "+"), event.param2};
}

std::string EventDescriber::CellDisplayText(const MapEvent& event) const
{
    const char* what = "Unknown";
    switch (event.param0) {
    case 0: what = "Nothing special is visible"; break;
    case 6: what = "Pushed putton"; break;
    case 10: what = "Lever up"; break;
    case 11: what = "Lever down"; break;
    case 14: what = "Pit down"; break;
    case 16: what = "Scorched T'Rang eggs"; break;
    }
    const bool onWall = event.param0 != 0 && event.param0 != 14 && event.param0 != 16;
    const CellRef at = UnpackCellRef(event.param4);
    const std::string where = IsOnCell(event, at.quadrant, at.x, at.y)
                                  ? std::string(" at this Cell")
                                  : Format(" at Quadrant %i (%i, %i)", at.quadrant, at.x, at.y);
    if (onWall)
        return Format("%s %s %s", what, Format("on %s wall", DirectionName(event.param11)).c_str(), where.c_str());
    return Format("%s %s", what, where.c_str());
}
