#pragma once
// One item of the scenario database, 72 bytes, read in place. Its number is its index.

#include "gamedata/RecordView.h"

class ItemRecord : public RecordView<72> {
public:
    using RecordView::RecordView;

    std::string name() const { return Text(0, 22); } // as stored, with its abbreviation marks
    uint32_t price() const { return m_bytes.U32(22); }
    int16_t weight() const { return m_bytes.S16(36); }
    uint16_t textNumber() const { return m_bytes.U16(38); }
    uint8_t type() const { return m_bytes.U8(56); }
    uint8_t picture() const { return m_bytes.U8(57); }
};
