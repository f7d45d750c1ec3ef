#pragma once
// One loot record of the scenario database: 9 entries of 6 bytes, read in place.

#include "gamedata/RecordView.h"

class LootRecord : public RecordView<54> {
public:
    using RecordView::RecordView;
    static constexpr int kEntries = 9;

    // The six bytes of entry k (0 to 8); their fields are read by the loot list.
    ByteReader Entry(int k) const { return k >= 0 && k < kEntries ? m_bytes.Sub(6 * k, 6) : ByteReader(); }
};
