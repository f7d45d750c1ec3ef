// What an item grants when it is invoked.

#include "items/ItemText.h"

namespace {

struct Invoke {
    int code;
    const char* longForm;
    const char* shortForm;
};

constexpr Invoke kInvokes[] = {
    {1, "Increase Strength (+1, max 20)", "+1 Str"},
    {2, "Increase Intelligence (+1, max 20)", "+1 Int"},
    {3, "Increase Piety (+1, max 20)", "+1 Pie"},
    {4, "Increase Vitality (+1, max 20)", "+1 Vit"},
    {5, "Increase Dexterity (+1, max 20)", "+1 Dex"},
    {6, "Increase Speed (+1, max 20)", "+1 Spd"},
    {7, "Increase Personality (+1, max 20)", "+1 Per"},
    {8, "Increase Karma (+1, max 20)", "+1 Kar"},
    {9, "Muramasa Blade ???", "???"},
    {10, "Zatoichi Bo ???", "???"},
    {11, "Restores HP & Stamina", "Restore HP&Sta"},
    {12, "Increase Vitality (+1, max 18)", "+1 Vit"},
    {13, "Increase max HP (+2d3)", "+Max HP"},
    {14, "Restore all SP", "Restore SP"},
    {15, "Set Dexterity 18, Set Speed 18, Increase Kirijutsu (+4d2+6)", "Dex 18, Spd 18, +Kirijutsu"},
    {16, "Reduce Karma (-1d5)", "-Kar"},
    {17, "Restores HP & Stamina, Increase Vitality (+1, max 18)", "Restore HP&Sta, +1 Vit"},
    {40, "Gives/Increases Power Strike (+3d2)", "+Power Strike"},
    {41, "Increases Swimming (+4d2)", "+Swimming"},
    {42, "Gives/Increases Reflextion (+3d2)", "+Reflextion"},
    {43, "Increases Artifacts (+2d2)", "+Artifacts"},
    {44, "Increases Legerdemain (+3d2)", "+Legerdemain"},
    {45, "Increases Skulduggery (+3d2)", "+Skulduggery"},
    {46, "Increases Scouting (+4d2)", "+Scouting"},
    {47, "Increases Climbing (+4d2)", "+Climbing"},
    {48, "Gives/Increases Eagle Eye (+3d2)", "+Eagle Eye"},
};

} // namespace

std::string ItemInvokeText(const ItemRecord& item, Form form)
{
    const int code = item.invokePower();
    if (code == 0)
        return {};
    for (const Invoke& invoke : kInvokes)
        if (invoke.code == code)
            return form == Form::Short ? invoke.shortForm : invoke.longForm;
    return form == Form::Short ? "???" : "Should do something";
}
