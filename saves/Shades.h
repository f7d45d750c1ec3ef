#pragma once
// Text colours of the save windows, by what they mean. Normal is the system's window text
// colour, which only the Windows layer knows; every other shade has a fixed colour.

#include "gamedata/Image.h"

#include <optional>

enum class Shade : uint8_t {
    Normal,
    Better,    // regeneration above 0, an armour class part below 0
    Worse,     // regeneration 0 or below, an armour class part above 0, a deleted slot
    Differs,   // a body part whose armour class is not the base one
    LightLoad, // carrying capacity at load states 1, 2 and 3 or more
    MediumLoad,
    HeavyLoad,
    Current, // professions: the character's own and its values
    Allowed, // professions and attributes whose requirements are met
};

constexpr std::optional<Colour> ShadeColour(Shade shade)
{
    switch (shade) {
    case Shade::Better:
        return Rgb(0, 150, 0);
    case Shade::Worse:
        return Rgb(200, 0, 0);
    case Shade::Differs:
        return Rgb(0, 96, 192);
    case Shade::LightLoad:
        return Rgb(80, 164, 220);
    case Shade::MediumLoad:
        return Rgb(188, 180, 20);
    case Shade::HeavyLoad:
        return Rgb(230, 0, 0);
    case Shade::Current:
        return Rgb(0, 92, 188);
    case Shade::Allowed:
        return Rgb(0, 156, 0);
    default:
        return std::nullopt;
    }
}

// Text of the attribute list, on black.
constexpr Colour kAttributeText = Rgb(252, 244, 0);
