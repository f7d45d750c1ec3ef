#pragma once
// The installation a fuzz target works in: a demo installation of each edition written once
// into a temporary folder, with a store loaded from it. A target writes its input over one
// file of it, then drives the store as the program would.

#include "gamedata/CGameData.h"
#include "testing/GameBuilder.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The store of the edition's demo installation; written and loaded on first use.
CGameData& Store(gamebuild::Edition edition);
// The path of a file of the edition's installation ("/" between folders).
std::string PathOf(gamebuild::Edition edition, const std::string& name);
// Writes the bytes as that file.
void Replace(gamebuild::Edition edition, const std::string& name, const uint8_t* data, size_t size);
// The edition an input's first byte picks, for targets whose file differs between editions.
inline gamebuild::Edition EditionOf(uint8_t selector)
{
    return selector & 1 ? gamebuild::Edition::Gold : gamebuild::Edition::First;
}

} // namespace fuzz
