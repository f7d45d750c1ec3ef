#include "gamedata/ItemName.h"

#include <algorithm>

namespace {

struct Marker {
    std::string_view text;
    std::string_view replacement;
};

// Tried in this order; only the first that occurs at all is replaced, once.
constexpr Marker kMarkers[] = {{"=/", "of "}, {"= ", "of "}, {"/=", " of "}, {"=", " of "}};

} // namespace

std::string ExpandItemName(std::string_view name)
{
    std::string text(name.substr(0, name.find('\0')));
    for (const Marker& marker : kMarkers) {
        size_t at = text.find(marker.text);
        if (at != std::string::npos) {
            text.replace(at, marker.text.size(), marker.replacement);
            break;
        }
    }
    std::replace(text.begin(), text.end(), '/', ' ');
    return text;
}

std::string ExpandItemName(const char* name) { return name ? ExpandItemName(std::string_view(name)) : std::string(); }
