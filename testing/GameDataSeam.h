#pragma once
// Lets a test set up a store's tables directly, for cases no installation the builder writes
// can give (a name list cut short, a table edited between two reads).

#include "gamedata/CGameData.h"

#include <cstdint>
#include <string>
#include <vector>

class GameDataSeam {
public:
    explicit GameDataSeam(CGameData& game) : m_game(game) {}

    std::vector<std::string>& NameList(int list) { return m_game.m_nameLists.at(static_cast<size_t>(list - 1)); }
    // The tables as read, record after record.
    std::vector<uint8_t>& Items() { return m_game.m_items; }
    std::vector<uint8_t>& Monsters() { return m_game.m_monsters; }
    // Records of the item or monster table, in place of what was read.
    using Record = std::vector<uint8_t>;
    void SetItems(const std::vector<Record>& records) { Set(m_game.m_items, m_game.m_itemCount, records); }
    void AddItem(const Record& record) { Add(m_game.m_items, m_game.m_itemCount, record); }
    void SetMonsters(const std::vector<Record>& records) { Set(m_game.m_monsters, m_game.m_monsterCount, records); }
    void AddMonster(const Record& record) { Add(m_game.m_monsters, m_game.m_monsterCount, record); }

    std::vector<uint8_t>& LootTable() { return m_game.m_lootTable; }
    std::vector<uint8_t>& Spells() { return m_game.m_spells; }
    ::Palette& Palette() { return m_game.m_palette; }
    TextFont& Font() { return m_game.m_font; }
    int CachedMap() const { return m_game.m_cachedMapIndex; }
    // The next GetMap reads the file again.
    void ForgetMap() { m_game.m_cachedMapIndex = -1; }

private:
    static void Add(std::vector<uint8_t>& table, int& count, const Record& record)
    {
        table.insert(table.end(), record.begin(), record.end());
        ++count;
    }
    static void Set(std::vector<uint8_t>& table, int& count, const std::vector<Record>& records)
    {
        table.clear();
        count = 0;
        for (const Record& record : records)
            Add(table, count, record);
    }

    CGameData& m_game;
};
