// Where each name list comes from, and the letter case of its names.

#include "gamedata/NameLists.h"

namespace namelist {

namespace {

constexpr Source kSources[kListCount] = {
    {4000, 4000, true, false},
    {400, 400, true, false},
    {100, 100, true, false},
    {120, 120, true, false},
    {140, 140, true, false},
    {5500, 5500, false, false},
    {450, 450, true, false},
    {5050, 5050, false, false},
    {300, 300, false, false},
    {3050, 3050, false, false},
    {1530, 1530, false, false},
    {3800, 3800, false, true},
    {1750, 1750, false, false},
    {3300, 3321, true, false},
    {3330, 3330, true, false},
    {3390, 3390, true, false},
    {5250, 5250, false, false},
    {3700, 3700, false, false},
    {3340, 3340, false, false},
    {3469, 3469, false, false},
    {2020, 2020, false, false},
    {3500, 3500, false, false},
    {3950, 3950, false, false},
    {6000, 6000, false, false},
    {800, 800, false, false},
};

} // namespace

const Source* SourceOf(int list) { return list >= 1 && list <= kListCount ? &kSources[list - 1] : nullptr; }

std::string TitleCase(std::string name)
{
    for (size_t i = 1; i < name.size(); ++i)
        if (name[i] >= 'A' && name[i] <= 'Z' && name[i - 1] != ' ')
            name[i] = static_cast<char>(name[i] - 'A' + 'a');
    return name;
}

} // namespace namelist

