#pragma once
// One incident of the scenario database, 148 bytes, read in place. The maps use its name only.

#include "gamedata/RecordView.h"

class IncidentRecord : public RecordView<148> {
public:
    using RecordView::RecordView;

    // As stored, with the abbreviation marks of item names; it ends at the record's end at the latest.
    std::string name() const { return Text(0, kSize); }
};
