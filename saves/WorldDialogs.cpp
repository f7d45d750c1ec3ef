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

} // namespace

CExtListCtrl::SortCallback SortByCellText(std::function<std::string(LPARAM data, int column)> textOf)
{
    return [textOf = std::move(textOf)](LPARAM first, LPARAM second, int column, int state) {
        const std::string a = textOf(first, column), b = textOf(second, column);
        int order = 0;
        const std::optional<long> x = NumberOf(a), y = NumberOf(b);
        if (x && y)
            order = *x < *y ? -1 : *x > *y;
        else if (x || y)
            order = x ? -1 : 1;
        else
            order = _stricmp(a.c_str(), b.c_str());
        if (order == 0)
            return first < second ? -1 : first > second ? 1 : 0;
        return state == CExtListCtrl::kDescending ? -order : order;
    };
}
