#pragma once
// Installations written for one test, and a store loaded from them.

#include "gamedata/CGameData.h"
#include "gamedata/MemoryPlatform.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"

#include <memory>

// A small installation: a few records with recognisable bytes in every table.
inline gamebuild::Installation SmallInstallation(gamebuild::Edition edition = gamebuild::Edition::First)
{
    gamebuild::Installation installation;
    installation.edition = edition;
    gamebuild::Scenario& scenario = installation.scenario;
    for (int i = 0; i < 571; ++i) {
        Record item(72, 0);
        ByteWriter(item).Text(0, "Item " + std::to_string(i), 22).U16(36, i);
        scenario.items.push_back(item);
    }
    for (int i = 0; i < 250; ++i) {
        Record monster(232, 0);
        ByteWriter(monster).Text(0, "Monster " + std::to_string(i), 16).U32(64, 1000 + i);
        scenario.monsters.push_back(monster);
    }
    for (int i = 0; i < 200; ++i) {
        Record loot(54, 0);
        ByteWriter(loot).U16(0, i).U8(53, 0xA5);
        scenario.loot.push_back(loot);
    }
    for (int i = 0; i < 96; ++i) {
        Record incident(148, 0);
        ByteWriter(incident).U16(0, 500 + i).U8(147, 0x5A);
        scenario.incidents.push_back(incident);
    }
    for (int map = 0; map < 32; ++map) {
        scenario.maps[map] = Record(2768, 0);
        ByteWriter(scenario.maps[map]).U8(0, map).U8(2767, 0xC0 | map);
    }
    installation.palette = std::vector<Colour>{Rgb(0, 0, 0), Rgb(252, 252, 252)};
    installation.itemImages = gamebuild::ImageSet{2, 2, {{1, 1, 1, 255}}};
    installation.stateImages = gamebuild::ImageSet{9, 9, std::vector<Record>(15, Record(81, 1))};
    installation.font = gamebuild::GameFont{};
    return installation;
}

inline std::string ScenarioFile(const TempFolder& folder, gamebuild::Edition edition)
{
    return folder.File(gamebuild::ScenarioFileName(edition));
}
