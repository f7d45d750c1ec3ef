#include "maps/MapNames.h"
#include "gamedata/Format.h"

namespace {

constexpr const char* kAreaNames[] = {
    "West of New City, Orchid Field, Road to Dane Tower and Nyctalinth",
    "Road to Nyctalinth",
    "Road connecting Nyctalinth, Rattkin Ruins and Orkogre Forest",
    "Orkogre Forest",
    "East of New City, Munkharama Bridge, Road to Munkharama and Orkogre Forest",
    "Road from Munkharama to Ukpyr",
    "Road from Ukpyr to Mountains",
    "Mountain Steps",
    "Eryn River",
    "Sea of Sorrows Center",
    "Sea of Sorrows West",
    "Sea of Sorrows East",
    "Sea of Sorrows South",
    "Myrmideon Forest and Lesser Wilds",
    "New City",
    "Dane Tower",
    "Nyctalinth",
    "Beginners Dungeon and Orkogre Castle",
    "Rattkin Ruins and Fun House",
    "Munkharama and Land of Dreams",
    "Sky City",
    "Ukpyr",
    "Witch Cave, Giants Cave and Sphinx Cave",
    "Munkharama Undergrownd Temple",
    "Crypt (Hall of the Dead and Chamber of Gorrors)",
    "Brombadeg Watery Cave",
    "Astral Dominae Tomb (Teleporter Levels and the Tomb)",
    "High Mountains",
    "Nyctalinth Dungeon",
    "Funhouse basement (Water Riding)",
    "Old City, Abbey Cellar, Mountain Exit from Funhouse basement (Water Riding) and Dane Tower Top Levels "
    "(5,6,7 and 8)",
    "New City (T'Rang building, Umpani Building, Security Staion and Mysterious Courtyard)",
};
static_assert(std::size(kAreaNames) == 32);

constexpr const char* kTypeNames[] = {
    nullptr,
    "<Teleporter>",
    "<Mover>",
    "<Loot>",
    "<Fight>",
    "<Incident>",
    "<Item Equip>",
    "<Passability>",
    "<Hidden/Pushable>",
    "<Negative Effect>",
    "<Wall Changer>",
    "<Event Manager>",
    "<Action Fork>",
    "<Time check>",
    "<NPC Theft>",
    "<Ladder>",
    "<Text>",
    nullptr,
    "<No Monsters Area>",
    "<Item Usage>",
    nullptr,
    "<Manage Portcullis>",
    "<Skill/Attribute Test>",
    "<Change Cell Display Info>",
    nullptr,
    "<Fountain>",
};

constexpr const char* kDirections[] = {"NORTH", "EAST", "SOUTH", "WEST"};

} // namespace

const char* GetMapAreaName(int map) { return map >= 0 && map < static_cast<int>(std::size(kAreaNames)) ? kAreaNames[map] : nullptr; }

std::string EventTypeName(int type)
{
    if (type >= 0 && type < static_cast<int>(std::size(kTypeNames)) && kTypeNames[type])
        return kTypeNames[type];
    return Format("<%i>", type);
}

const char* DirectionName(int direction) { return direction >= 0 && direction < 4 ? kDirections[direction] : ""; }

DirectionList DirectionListText(int mask)
{
    mask &= 15;
    if (mask == 0)
        return {"ANY", false};
    std::string text;
    for (int direction = 0; direction < 4; ++direction) {
        if (!(mask & (1 << direction)))
            continue;
        if (!text.empty())
            text += ", ";
        text += kDirections[direction];
    }
    const bool plural = text.size() > 5;
    if (plural)
        text.replace(text.rfind(", "), 2, " and ");
    return {text, plural};
}
