// CGameData's reading of the spell table from the game's executable.

#include "gamedata/SpellTable.h"
#include "gamedata/CGameData.h"
#include "gamedata/GameFile.h"

#include <algorithm>

bool CGameData::LoadSpellTable()
{
    m_spells.clear();
    const std::string name = std::string("\\") + (m_isGold ? spells::kGoldExecutable : spells::kFirstExecutable);
    GameFile file(GamePath(m_installPath, name));
    auto bytes = file.ReadAt(m_isGold ? spells::kGoldOffset : spells::kFirstOffset, spells::kTableSize);
    // An executable that ends before the table is not the game's: no figures rather than zeros.
    if (!bytes || bytes->empty())
        return false;
    // One that ends inside it gives what it holds; the rest of the table stays zero.
    m_spells.assign(spells::kTableSize, 0);
    std::copy(bytes->begin(), bytes->end(), m_spells.begin());
    return true;
}

const uint8_t* CGameData::GetSpell(int number) const
{
    if (number < 0 || number >= spells::kCount || m_spells.size() < spells::kTableSize)
        return nullptr;
    return m_spells.data() + number * spells::kRecordSize;
}
