// The text forms of a monster's three attacks.

#include "items/MonsterText.h"

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"

#include <bit>

namespace {

constexpr int kSwingManner = 1, kBiteManner = 5;
constexpr int kDrainEffect = 5, kPoisonEffect = 2;
constexpr int kDrainsHitPoints = 11, kDrainsStamina = 3;
constexpr int kHitPointDrainIcon = 12;
constexpr unsigned kDoubleDamage = 1u << 3, kPlusTwo = 1u << 6;

MonsterAttack Block(const MonsterRecord& monster, int k) { return monster.attack(k); }

std::string Verb(int manner, uint8_t swingKinds)
{
    static constexpr const char* kVerbs[] = {"",        "",        "THROWS",  "SHOOTS", "CLAWS",  "BITES",
                                             "LASHES",  "STINGS",  "TOUCHES", "GRABS",  "PUNCHES", "KICKS",
                                             "STOPMS",  "THROWS",  "BACKSTAB", "SURPRISE"};
    static constexpr const char* kSwings[] = {"SWINGS", "THRUSTS", "BASHES", "MELEES",
                                              "THROWS", "PUNCHES", "KICKS",  "LASHES"};
    if (manner != kSwingManner)
        return manner >= 0 && manner < static_cast<int>(std::size(kVerbs)) ? kVerbs[manner] : "";
    std::string verb;
    for (int bit = 0; bit < 8; ++bit)
        if (swingKinds >> bit & 1)
            verb += std::string(kSwings[bit]) + "/";
    return DropLast(verb, 1);
}

} // namespace

bool AttackPresent(const MonsterRecord& monster, int k) { return !AttackDamageText(monster, k).empty(); }

std::string AttackDamageText(const MonsterRecord& monster, int k)
{
    return FormatDice(Block(monster, k).Bytes(), MonsterAttack::kDamageBonus, MonsterAttack::kDamageCount,
                      MonsterAttack::kDamageSides);
}

std::string AttackRangeText(const MonsterRecord& monster, int k)
{
    return AttackPresent(monster, k) ? AttackRangeName(Block(monster, k).range()) : std::string();
}

std::string AttackMissText(const MonsterRecord& monster, int k)
{
    return AttackPresent(monster, k) ? Format("%i", Block(monster, k).missFactor()) : std::string();
}

std::string AttackMultiplierText(const MonsterRecord& monster, int k)
{
    if (!AttackPresent(monster, k))
        return {};
    const unsigned kinds = Block(monster, k).swingKinds();
    const int swings = std::popcount(kinds);
    std::string text;
    if (kinds & kDoubleDamage)
        text = swings == 1 ? "x2 always" : Format("x2 %i/%i", 1, swings);
    // With both bits set, only the second text is shown.
    if (kinds & kPlusTwo)
        text = swings == 1 ? "+2 always" : Format("+2 %i/%i", 1, swings);
    return text;
}

std::string AttackMannerText(const CGameData& game, const MonsterRecord& monster, int k)
{
    if (!AttackPresent(monster, k))
        return {};
    const int manner = monster.attackManner(k);
    const std::string verb = Verb(manner, Block(monster, k).swingKinds());
    if (verb.empty())
        return {};
    const std::string weapon = manner == kBiteManner ? std::string() : game.WeaponName(monster.attackWeapon(k));
    return weapon.empty() ? verb : verb + " " + weapon;
}

std::vector<IconEntry> FillAttackEffects(const CGameData& game, const MonsterRecord& monster, int k)
{
    const MonsterAttack attack = Block(monster, k);
    std::vector<IconEntry> entries;
    for (int i = 0; i < 8; ++i) {
        const int percent = attack.effects(i);
        if (!percent)
            continue;
        int icon = EffectIcon(i);
        std::string extra;
        if (i == kDrainEffect && monster.effect5Kind() == kDrainsHitPoints) {
            extra = "HP 1d4";
            icon = kHitPointDrainIcon;
        } else if (i == kDrainEffect && monster.effect5Kind() == kDrainsStamina) {
            const int m = (monster.level() + 4) / 3;
            extra = Format("Stamina %id4 + %i", 2 * m, 4 * m);
        } else if (i == kPoisonEffect) {
            extra = Format("Str %i", attack.poisonStrength());
        }
        const char* name = game.EffectName(i).c_str();
        entries.push_back({extra.empty() ? Format("%s %i%%", name, percent)
                                         : Format("%s %i%% (%s)", name, percent, extra.c_str()),
                           icon});
    }
    return entries;
}
