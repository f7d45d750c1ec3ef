#pragma once
// What the Item Viewer shows: every field of one item in its long form with the colours of the
// coloured ones, the entries of its two item lists, its name search and the rule that opens
// and closes its text area. The window puts these into its controls and decides nothing.

#include "gamedata/Image.h"
#include "items/ItemText.h"

#include <optional>
#include <string>
#include <vector>

class CGameData;

namespace itemviewer {

// Fixed colours of value fields.
constexpr Colour kGoodColour = Rgb(0, 150, 0);
constexpr Colour kBadColour = Rgb(200, 0, 0);
constexpr Colour kResistancesColour = Rgb(210, 0, 210);
constexpr Colour kSpellColour = Rgb(0, 0, 210);
constexpr Colour kCursedColour = Rgb(200, 0, 0);
constexpr Colour kInvokeColour = Rgb(150, 150, 0);

// The inventory action of an item that carries a text.
constexpr int kReadAction = 5;

// To hit, initiative and regeneration: good above 0.
constexpr Colour ModifierColour(int value) { return value > 0 ? kGoodColour : kBadColour; }
// Armour class as shown (the stored value negated): good below 0.
constexpr Colour ArmorClassColour(int shown) { return shown < 0 ? kGoodColour : kBadColour; }

} // namespace itemviewer

struct ItemViewerFields {
    int number = -1;
    std::string id; // the number as shown
    std::string name; // as stored, abbreviation marks resolved
    std::string type, damage, price, weight, spell, cursed, resistances, regen, toHit, initiative, armorClass,
        range, primarySecondary, hands, invoke, doubleDamage, attackModes, inventoryAction, skill, assay, identify,
        gender;
    std::string charges;
    std::string chargesLabel; // "&&" stands for one ampersand, as a static control shows it (ShownLabel)
    Colour regenColour = itemviewer::kGoodColour;
    Colour toHitColour = itemviewer::kGoodColour;
    Colour initiativeColour = itemviewer::kGoodColour;
    Colour armorClassColour = itemviewer::kGoodColour;
    AllowedLists races;
    AllowedLists professions;
    std::vector<IconEntry> effects;
    bool hasText = false;  // the item carries a text: inventory action 5
    int textNumber = 0;    // the message that holds it
};

// Every field of item number; nullopt for a number the table does not hold.
std::optional<ItemViewerFields> ItemViewerFieldsOf(const CGameData& game, int number);

// One entry of the viewer's item lists: the item's name (or "?Unknown Item?") and its picture.
struct ItemChoice {
    std::string name;
    int picture = 0;
};
// The entries of every item, in number order.
std::vector<ItemChoice> ItemViewerChoices(const CGameData& game);

// The mask as names are searched for: in capitals, but with its first word "OF" as the "of"
// that expanded names hold ("ring of" finds RING of HEALING).
std::string ItemNameSearchMask(std::string mask);
// The first item from start on, moving by step (+1 or -1), whose expanded name holds the typed
// mask as made above (case-sensitive; the empty mask matches any name); -1 when the search
// leaves the table.
int FindItem(const CGameData& game, const std::string& mask, int start, int step);

// How the viewer's width follows the item shown: its text area is open only while the item
// has a text and "Show text" is checked.
enum class TextAreaChange { None, Widen, Narrow };
TextAreaChange TextAreaChangeFor(bool hasText, bool showText, bool wide);

// A label as a static control shows it: "&&" is one ampersand.
std::string ShownLabel(const std::string& label);
