#include "ui/CExtListCtrl.h"

#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/MappedBitmap.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

constexpr int kHeaderTextMargin = 12; // both sides of a header item's text
constexpr int kHeaderImageMargin = 6;
constexpr WPARAM kCopyKeyNumpad = 99;

int StateImageOf(UINT state) { return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12); }

} // namespace

CExtListCtrl::CExtListCtrl()
    : m_ascending(LoadMappedBitmap(kAscendingBitmap, kArtMaskColour, GetSysColor(COLOR_3DFACE))),
      m_descending(LoadMappedBitmap(kDescendingBitmap, kArtMaskColour, GetSysColor(COLOR_3DFACE)))
{
}

CExtListCtrl::~CExtListCtrl() { DetachParent(); }

bool CExtListCtrl::AttachToDialog(HWND dialog, int id)
{
    if (!Attach(GetDlgItem(dialog, id)))
        return false;
    // The list's own notifications go to its parent: watch them there. Through the dialog object
    // when it is one of ours: a subclass costs a look-up of the window's properties per message,
    // which under Wine is a round trip to the server.
    m_parent = dialog;
    m_list = Handle();
    if (CDialog* owner = CDialog::FromHandle(dialog)) {
        owner->WatchNotifications(m_list, [this](NMHDR& header, LRESULT& result) { return OnNotify(header, result); });
        m_parentIsDialog = true;
    } else {
        SetWindowSubclass(m_parent, ParentProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
    }
    return true;
}

void CExtListCtrl::DetachParent()
{
    if (m_parentIsDialog) {
        if (CDialog* owner = CDialog::FromHandle(m_parent))
            owner->StopWatching(m_list);
    } else if (m_parent) {
        RemoveWindowSubclass(m_parent, ParentProc, reinterpret_cast<UINT_PTR>(this));
    }
    m_parent = nullptr;
    m_parentIsDialog = false;
}

LRESULT CALLBACK CExtListCtrl::ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data)
{
    auto* self = reinterpret_cast<CExtListCtrl*>(data);
    if (message == WM_NOTIFY) {
        LRESULT result = 0;
        if (self->OnNotify(*reinterpret_cast<NMHDR*>(lParam), result))
            return result;
    } else if (message == WM_NCDESTROY) {
        self->DetachParent();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool CExtListCtrl::OnNotify(NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom != m_list)
        return false;
    switch (header.code) {
    case LVN_COLUMNCLICK:
        OnColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        return false;
    case LVN_ITEMCHANGED:
        OnItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
        return false;
    case LVN_GETDISPINFOW:
        if (!m_textSource)
            return false;
        OnGetDispInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
        result = 0;
        return true;
    default:
        return false;
    }
}

int CExtListCtrl::RowCount() const { return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)); }

int CExtListCtrl::ColumnCount() const
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::optional<LPARAM> CExtListCtrl::RowData(int row) const
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return std::nullopt;
    return item.lParam;
}

int CExtListCtrl::InsertRow(int index, LPARAM data, int image) const
{
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.pszText = LPSTR_TEXTCALLBACKW; // its other cells, never set, are asked for alike
    item.iImage = image;
    item.lParam = data;
    return static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void CExtListCtrl::OnGetDispInfo(NMLVDISPINFOW& info) const
{
    if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0)
        return;
    const std::wstring_view text = m_textSource(info.item.lParam, info.item.iSubItem);
    const size_t length = std::min(text.size(), static_cast<size_t>(info.item.cchTextMax - 1));
    text.copy(info.item.pszText, length);
    info.item.pszText[length] = L'\0';
}

std::wstring CExtListCtrl::CellText(int row, int column) const
{
    if (m_textSource) {
        const std::optional<LPARAM> data = RowData(row);
        return data ? std::wstring(m_textSource(*data, column).substr(0, kMaxCellText)) : std::wstring();
    }
    std::wstring text(kMaxCellText + 1, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = kMaxCellText + 1;
    const LRESULT length = SendMessageW(Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<size_t>(std::clamp<LRESULT>(length, 0, kMaxCellText)));
    return text;
}

std::wstring CExtListCtrl::HeaderText(int column) const
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    wchar_t text[kMaxCellText + 1] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = kMaxCellText + 1;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    return text;
}

void CExtListCtrl::OnColumnClick(int column)
{
    if (column == m_sortColumn) {
        m_sortState = (m_sortState + 1) % 3; // ascending, descending, unsorted
    } else {
        if (m_sortColumn >= 0)
            ShowSortArrow(m_sortColumn, kUnsorted);
        m_sortColumn = column;
        m_sortState = kAscending;
    }
    Sort();
    ShowSortArrow(column, m_sortState);
}

void CExtListCtrl::Sort()
{
    if (m_sortState == kUnsorted || !Handle())
        return;
    WaitCursor wait;
    if (m_sortCallback) {
        SendMessageW(Handle(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                     reinterpret_cast<LPARAM>(+[](LPARAM first, LPARAM second, LPARAM self) -> int {
                         auto* list = reinterpret_cast<CExtListCtrl*>(self);
                         return list->m_sortCallback(first, second, list->m_sortColumn, list->m_sortState);
                     }));
        return;
    }
    // The texts are read before the sort and the rows carry their old position meanwhile; their
    // own item data is put back afterwards.
    struct Snapshot {
        std::vector<std::wstring> texts;
        bool descending;
    } snapshot{{}, m_sortState == kDescending};
    const int rows = RowCount();
    std::vector<LPARAM> data(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        data[static_cast<size_t>(row)] = item.lParam;
        snapshot.texts.push_back(CellText(row, m_sortColumn));
        item.lParam = row;
        SendMessageW(Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(Handle(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(&snapshot),
                 reinterpret_cast<LPARAM>(+[](LPARAM first, LPARAM second, LPARAM context) -> int {
                     const auto* taken = reinterpret_cast<const Snapshot*>(context);
                     const int order = _wcsicmp(taken->texts[static_cast<size_t>(first)].c_str(),
                                                taken->texts[static_cast<size_t>(second)].c_str());
                     return taken->descending ? -order : order;
                 }));
    for (int row = 0; row < rows; ++row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (item.lParam >= 0 && item.lParam < rows) {
            item.lParam = data[static_cast<size_t>(item.lParam)];
            SendMessageW(Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
}

void CExtListCtrl::ShowSortArrow(int column, int state) const
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item)))
        return;
    item.mask = HDI_FORMAT | HDI_BITMAP;
    if (state == kUnsorted) {
        item.fmt &= ~(HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
        item.hbm = nullptr;
    } else {
        item.fmt |= HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
        item.hbm = ArrowBitmap(state);
    }
    SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
}

int CExtListCtrl::HeaderWidth(int column) const
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    int width = kHeaderTextMargin;
    if (item.fmt & HDF_STRING) {
        const std::wstring text = HeaderText(column);
        width += static_cast<int>(SendMessageW(Handle(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int imageWidth = 0, imageHeight = 0;
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(header, HDM_GETIMAGELIST, 0, 0));
    if ((item.fmt & HDF_IMAGE) && images && ImageList_GetIconSize(images, &imageWidth, &imageHeight))
        width += imageWidth + kHeaderImageMargin;
    if (item.fmt & HDF_BITMAP) {
        BITMAP bitmap{};
        if (GetObjectW(m_ascending.Get(), sizeof bitmap, &bitmap))
            width += bitmap.bmWidth + kHeaderImageMargin;
    }
    return width;
}

void CExtListCtrl::AutoSizeFromSource()
{
    const int rows = RowCount();
    std::vector<LPARAM> data;
    data.reserve(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row)
        data.push_back(RowData(row).value_or(0));
    WindowDc dc(Handle());
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    SelectGuard select(dc.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    for (int column = 0, columns = ColumnCount(); column < columns; ++column) {
        // Many cells repeat (types, skills, dashes): each text is measured once.
        std::unordered_set<std::wstring_view> measured;
        int widest = 0;
        for (LPARAM row : data) {
            const std::wstring_view text = m_textSource(row, column).substr(0, kMaxCellText);
            if (!measured.insert(text).second)
                continue;
            SIZE size{};
            if (GetTextExtentPoint32W(dc.Get(), text.data(), static_cast<int>(text.size()), &size))
                widest = std::max(widest, static_cast<int>(size.cx));
        }
        const int contents = widest + kHeaderTextMargin + (column == 0 ? ImagesWidth() : 0);
        SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), std::max(contents, HeaderWidth(column)));
    }
}

void CExtListCtrl::AutoSizeColumns(int width, bool holdRedraw)
{
    if (holdRedraw)
        SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    const bool listMode = (GetWindowLongPtrW(Handle(), GWL_STYLE) & LVS_TYPEMASK) == LVS_LIST;
    if (listMode) {
        // One width for every entry: the widest text beside its images.
        int widest = 0;
        for (int row = 0, rows = RowCount(); row < rows; ++row)
            widest = std::max(widest, static_cast<int>(SendMessageW(Handle(), LVM_GETSTRINGWIDTHW, 0,
                                                                  reinterpret_cast<LPARAM>(CellText(row, 0).c_str()))));
        SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, 0, width ? width : widest + ImagesWidth() + kHeaderTextMargin);
    } else if (width == 0 && m_textSource) {
        AutoSizeFromSource();
    } else {
        for (int column = 0, columns = ColumnCount(); column < columns; ++column) {
            if (width) {
                SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width);
                continue;
            }
            SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), LVSCW_AUTOSIZE);
            const int contents =
                static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
            SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                         std::max(contents, HeaderWidth(column)));
        }
    }
    if (holdRedraw) {
        SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

std::wstring CExtListCtrl::ClipboardText() const
{
    std::vector<int> rows;
    for (int row = -1; (row = static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                             LVNI_SELECTED))) >= 0;)
        rows.push_back(row);
    if (rows.empty())
        for (int row = 0, count = RowCount(); row < count; ++row)
            rows.push_back(row);
    std::wstring text;
    if (rows.empty())
        return text;
    const int columns = ColumnCount();
    auto line = [&](auto cell) {
        for (int column = 0; column < columns; ++column) {
            if (column)
                text += L'\t';
            text += cell(column);
        }
        text += L"\r\n";
    };
    if (rows.size() >= 2)
        line([&](int column) { return HeaderText(column); });
    for (int row : rows) {
        if (!m_textSource) {
            line([&](int column) { return CellText(row, column); });
            continue;
        }
        const std::optional<LPARAM> data = RowData(row);
        line([&](int column) { return data ? m_textSource(*data, column).substr(0, kMaxCellText) : std::wstring_view(); });
    }
    return text;
}

void CExtListCtrl::CopyToClipboard() const
{
    WaitCursor wait;
    const std::wstring text = ClipboardText();
    if (text.empty())
        return;
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    if (!OpenClipboard(nullptr)) {
        GlobalFree(memory);
        return;
    }
    if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory))
        GlobalFree(memory); // the clipboard did not take it
    CloseClipboard();
}

void CExtListCtrl::SetStateImageList(HIMAGELIST images)
{
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(images));
    m_stateImageCount = images ? ImageList_GetImageCount(images) : 0;
}

int CExtListCtrl::AskOwner(int row, int oldImage, int newImage) const
{
    NMEXTLISTSTATEIMAGE notice{};
    notice.header.hwndFrom = Handle();
    notice.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Handle()));
    notice.header.code = static_cast<UINT>(ELN_STATEIMAGECHANGING);
    notice.item = row;
    notice.oldImage = oldImage;
    notice.newImage = newImage;
    SendMessageW(GetParent(Handle()), WM_NOTIFY, notice.header.idFrom, reinterpret_cast<LPARAM>(&notice));
    return notice.newImage;
}

void CExtListCtrl::SetStateImage(int row, int image)
{
    const bool was = std::exchange(m_settingStateImages, true);
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(static_cast<UINT>(image));
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    m_settingStateImages = was;
}

void CExtListCtrl::OnItemChanged(const NMLISTVIEW& change)
{
    if (!(change.uChanged & LVIF_STATE) || change.iItem < 0)
        return;
    const int oldImage = StateImageOf(change.uOldState), newImage = StateImageOf(change.uNewState);
    if (oldImage == newImage)
        return;
    const int row = change.iItem;
    const int answer = AskOwner(row, oldImage, newImage);
    if (answer != newImage)
        SetStateImage(row, answer);
    if (m_settingStateImages)
        return;
    if (!(SendMessageW(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED))
        return;
    for (int other = -1; (other = static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM,
                                                                static_cast<WPARAM>(other), LVNI_SELECTED))) >= 0;)
        if (other != row)
            SetStateImage(other, newImage);
}

bool CExtListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    // Only for keys: asking for the keyboard state costs a round trip to the server under Wine,
    // and every insert passes through here.
    if (message != WM_KEYDOWN && message != WM_CHAR)
        return false;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    switch (message) {
    case WM_KEYDOWN:
        if (control && (wParam == 'C' || wParam == VK_INSERT || wParam == kCopyKeyNumpad)) {
            CopyToClipboard();
        } else if (wParam == 'A' && GetKeyState(VK_LCONTROL) < 0 &&
                   !(GetWindowLongPtrW(Handle(), GWL_STYLE) & LVS_SINGLESEL)) {
            LVITEMW item{};
            item.stateMask = LVIS_SELECTED;
            item.state = LVIS_SELECTED;
            SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
        } else if (control && wParam == VK_SPACE) {
            const int focused = static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                              LVNI_FOCUSED));
            if (focused >= 0) {
                LVITEMW item{};
                item.stateMask = LVIS_SELECTED;
                item.state = SendMessageW(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED) ^
                             LVIS_SELECTED;
                SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&item));
            }
            result = 0;
            return true;
        }
        return false;
    case WM_CHAR:
        // The character of Ctrl+Space: its key-down did the work.
        if (control && wParam == L' ') {
            result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

int CExtListCtrl::ImagesWidth() const
{
    int total = 0;
    for (int kind : {LVSIL_STATE, LVSIL_SMALL}) {
        int width = 0, height = 0;
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), LVM_GETIMAGELIST, kind, 0));
        if (images && ImageList_GetIconSize(images, &width, &height))
            total += width + 2;
    }
    return total;
}

int CExtListCtrl::InsertColumn(int index, const wchar_t* name, int headerImage)
{
    LVCOLUMNW entry{};
    entry.mask = LVCF_TEXT;
    entry.pszText = const_cast<wchar_t*>(name);
    const int column =
        static_cast<int>(SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry)));
    if (column < 0)
        return column;
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    item.mask = HDI_FORMAT | HDI_LPARAM;
    item.lParam = index;
    if (headerImage >= 0) {
        // The image instead of the name; the name stays for the copied header line.
        item.mask |= HDI_IMAGE;
        item.iImage = headerImage;
        item.fmt = (item.fmt & ~HDF_STRING) | HDF_IMAGE;
    }
    SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    return column;
}

void CExtListCtrl::SetHeaderImageList(HIMAGELIST images) const
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
}

LPARAM CExtListCtrl::HeaderItemData(int column) const
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_LPARAM;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

int CExtListCtrl::StateImage(int row) const
{
    return StateImageOf(static_cast<UINT>(SendMessageW(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                                       LVIS_STATEIMAGEMASK)));
}

void CExtListCtrl::Resort()
{
    Sort();
}

ImageListHandle CExtListCtrl::CreateCheckBoxImages()
{
    constexpr int kCell = 16, kBox = 13;
    constexpr COLORREF kMask = RGB(255, 0, 255);
    ImageListHandle list(ImageList_Create(kCell, kCell, ILC_COLOR32 | ILC_MASK, 2, 0));
    WindowDc screen(nullptr);
    for (UINT checked : {0u, static_cast<UINT>(DFCS_CHECKED)}) {
        MemoryDc dc(CreateCompatibleDC(screen.Get()));
        BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), kCell, kCell));
        {
            SelectGuard select(dc.Get(), bitmap.Get());
            RECT cell{0, 0, kCell, kCell};
            BrushHandle magenta(CreateSolidBrush(kMask));
            FillRect(dc.Get(), &cell, magenta.Get());
            RECT box{(kCell - kBox) / 2, (kCell - kBox) / 2, (kCell - kBox) / 2 + kBox, (kCell - kBox) / 2 + kBox};
            DrawFrameControl(dc.Get(), &box, DFC_BUTTON, DFCS_BUTTONCHECK | checked);
        }
        ImageList_AddMasked(list.Get(), bitmap.Get(), kMask);
    }
    return list;
}
