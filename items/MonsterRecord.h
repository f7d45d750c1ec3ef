#pragma once
// One monster of the scenario database, 232 bytes, read in place. Its number is its index.

#include "gamedata/RecordView.h"

class MonsterRecord : public RecordView<232> {
public:
    using RecordView::RecordView;

    // Names as stored, with the abbreviation marks of item names.
    std::string name() const { return Text(0, 16); }
    std::string companionName() const { return Text(16, 16); }
    std::string unidentifiedName() const { return Text(32, 16); }
    uint32_t experience() const { return m_bytes.U32(64); }
    uint8_t lootIndex() const { return m_bytes.U8(169); }
    uint8_t creatureType() const { return m_bytes.U8(214); }
    char frameMark() const { return static_cast<char>(m_bytes.U8(215)); }
};
