#include "gamedata/ResourceStrings.h"

namespace {
struct Entry {
    int id;
    const char* text;
};

constexpr Entry kStrings[] = {
#define TM_STRING(id, text) {id, text},
#include "gamedata/ResourceStrings.inc"
#undef TM_STRING
};
} // namespace

const char* ResourceString(int id)
{
    for (const Entry& entry : kStrings)
        if (entry.id == id)
            return entry.text;
    return "";
}
