#include "saves/WorldDialogs.h"
#include "items/ItemViewerLink.h"
#include "ui/WinText.h"

#include <cstdlib>
#include <cstring>
#include <optional>

void WorldHooks::OpenItem(HWND owner, int item) const
{
    if (openItem)
        openItem(owner, item);
    else
        OpenItemViewerModal(owner, item);
}

void WorldHooks::Report(HWND owner, const std::string& text) const
{
    if (report)
        report(owner, text);
    else
        MessageBoxW(owner, Widen(text).c_str(), L"Tallowmark", MB_OK | MB_ICONINFORMATION);
}

namespace {

std::optional<long> NumberOf(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0' ? std::optional<long>(value) : std::nullopt;
}

struct SortContext {
    const CListSorter::TextOf* textOf;
    int column;
    bool ascending;
};

int CALLBACK Compare(LPARAM first, LPARAM second, LPARAM context)
{
    const SortContext& sort = *reinterpret_cast<const SortContext*>(context);
    const std::string a = (*sort.textOf)(first, sort.column), b = (*sort.textOf)(second, sort.column);
    int order = 0;
    const std::optional<long> x = NumberOf(a), y = NumberOf(b);
    if (x && y)
        order = *x < *y ? -1 : *x > *y;
    else if (x || y)
        order = x ? -1 : 1; // empty cells after the numbers
    else
        order = _stricmp(a.c_str(), b.c_str());
    if (order == 0)
        order = first < second ? -1 : first > second; // equal cells keep their fill order
    else if (!sort.ascending)
        order = -order;
    return order;
}

} // namespace

void CListSorter::Sort(const CListView& list, int column, const TextOf& textOf)
{
    m_ascending = column == m_column ? !m_ascending : true;
    m_column = column;
    SortContext context{&textOf, column, m_ascending};
    list.SortItems(Compare, reinterpret_cast<LPARAM>(&context));
}
