#pragma once
// One loot record of the scenario database: 9 entries of 6 bytes, read in place.

#include "gamedata/RecordView.h"

// An entry unpacked, its two values widened with their sign.
struct LootEntry {
    enum Kind : uint8_t { Empty = 0, Gold = 1, Items = 2, ItemsAtHalf = 3, Experience = 4 };
    uint8_t kind = Empty;
    int chance = 0;  // percent; for ItemsAtHalf the item availability level
    int valueA = 0;  // first item, upper gold amount, or experience
    int valueB = 0;  // number of items in the range, or lower gold amount
};

class LootRecord : public RecordView<54> {
public:
    using RecordView::RecordView;
    static constexpr int kEntries = 9;
    static constexpr int kShownEntries = 8; // the ninth is never shown

    // The six bytes of entry k (0 to 8); their fields are read by the loot list.
    ByteReader Entry(int k) const { return k >= 0 && k < kEntries ? m_bytes.Sub(6 * k, 6) : ByteReader(); }

    // Entry k unpacked; an empty entry outside 0 to 8.
    LootEntry Unpack(int k) const
    {
        ByteReader entry = Entry(k);
        return {entry.U8(4), entry.S8(5), entry.S16(0), entry.S16(2)};
    }
};
