#include "maps/CMapPropertiesDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/TextPicture.h"
#include "items/ItemViewerLink.h"
#include "items/MonsterViewerContent.h"
#include "maps/MapViewerContent.h"
#include "res/resource.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"
#include "ui/MappedBitmap.h"
#include "ui/WinText.h"

namespace {

constexpr int kNegativeEffectIcon = 10; // of the 9-pixel state icons
constexpr COLORREF kFountainGood = RGB(0, 150, 0);
constexpr COLORREF kFountainBad = RGB(200, 0, 0);
constexpr int kTextLineStep = textpicture::kLineHeight;

} // namespace

CMapPropertiesDlg::CMapPropertiesDlg() : CDialog(IDD_MAP_PROPERTIES), m_openItem(OpenItemViewerModal) {}

CMapPropertiesDlg::~CMapPropertiesDlg() = default;

void CMapPropertiesDlg::SetCell(int map, int quadrant, int x, int y) { m_cell = {map, quadrant, x, y}; }

BOOL CMapPropertiesDlg::OnInitDialog()
{
    CGameData* game = GetGameData();
    if (!game)
        return TRUE;
    m_describer = std::make_unique<EventDescriber>(*game, m_cell);
    m_contents = DescribeCell(*m_describer);
    m_chains = std::make_unique<EventChainTree>(*m_describer);

    CTextControl(Handle(), IDC_CELL_COORDINATES).SetText(m_contents.coordinates);
    SetIcons();
    PrepareLootList();
    if (m_textPicture.ReplaceControl(Handle(), IDC_CELL_TEXT_PICTURE))
        m_textPicture.SetLineSteps(0, kTextLineStep);
    m_tree.Attach(Item(IDC_CELL_CHAINS));
    m_treeIcons.Reset(ImageList_LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IDB_EVENT_ICONS), mapart::kTreeIconSize,
                                           0, kArtMaskColour, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    CTreeView(m_tree.Handle()).SetImageList(m_treeIcons.Get());

    FillList(IDC_CELL_TRANSFER_LIST, m_contents.transfers);
    FillList(IDC_CELL_LOOT_LIST, m_contents.loot);
    FillList(IDC_CELL_TEXT_LIST, m_contents.texts);
    FillField(IDC_CELL_ITEM_USAGE_LIST, IDC_CELL_ITEM_USAGE, m_contents.itemUsages);
    FillField(IDC_CELL_HIDDEN_LIST, IDC_CELL_HIDDEN, m_contents.hiddenThings);
    FillField(IDC_CELL_MANAGER_LIST, IDC_CELL_MANAGER, m_contents.eventManagers);
    FillField(IDC_CELL_FIGHT_LIST, IDC_CELL_FIGHT, m_contents.fights);
    FillField(IDC_CELL_MOVER_LIST, IDC_CELL_MOVER, m_contents.movers);
    FillField(IDC_CELL_PASSABILITY_LIST, IDC_CELL_PASSABILITY, m_contents.passability);
    FillField(IDC_CELL_NEGATIVE_LIST, IDC_CELL_NEGATIVE, m_contents.negativeEffects);
    FillField(IDC_CELL_INCIDENT_LIST, IDC_CELL_INCIDENT, m_contents.incidents);
    CTextControl(Handle(), IDC_CELL_FOUNTAIN_GOOD).SetText(m_contents.fountainGood);
    CTextControl(Handle(), IDC_CELL_FOUNTAIN_POWER).SetText(m_contents.hasFountain ? m_contents.fountainPower : "");
    CTextControl(Handle(), IDC_CELL_FOUNTAIN_BAD).SetText(m_contents.fountainBad);
    CTextControl(Handle(), IDC_CELL_FREE_CELL).SetText(m_contents.freeCell);

    const bool hasLoot = !m_contents.loot.empty(), hasText = !m_contents.texts.empty();
    CControl(Handle(), IDC_CELL_LOOT_LIST).Enable(m_contents.loot.size() >= 2);
    CControl(Handle(), IDC_CELL_LOOT).Enable(hasLoot);
    if (hasLoot)
        ShowLoot();
    CControl(Handle(), IDC_CELL_TEXT_LIST).Enable(m_contents.texts.size() >= 2);
    CControl(Handle(), IDC_CELL_TEXT).Show(hasText);
    CControl(m_textPicture.Handle()).Show(hasText);
    if (hasText)
        ShowText();
    CControl(Handle(), IDC_CELL_TRANSFER_LIST).Enable(m_contents.transfers.size() >= 2);
    if (!m_contents.transfers.empty())
        ShowTransfer();

    FillTree();

    BindCommand(IDC_CELL_TEXT_LIST, CBN_SELCHANGE, [this] { ShowText(); });
    BindCommand(IDC_CELL_LOOT_LIST, CBN_SELCHANGE, [this] { ShowLoot(); });
    BindCommand(IDC_CELL_TRANSFER_LIST, CBN_SELCHANGE, [this] { ShowTransfer(); });
    BindNotify(IDC_CELL_LOOT, NM_DBLCLK, [this](NMHDR& header) {
        OnLootDoubleClick(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
        return LRESULT{0};
    });
    BindNotify(IDC_CELL_CHAINS, TVN_ITEMEXPANDINGW, [this](NMHDR& header) { return OnExpanding(header); });
    // The chains are what the keyboard explores first.
    SetFocus(m_tree.Handle());
    return FALSE;
}

// The legend pictures beside the labels and the cell's own tile, when the viewer gave its tiles.
void CMapPropertiesDlg::SetIcons()
{
    const CGameData* game = GetGameData();
    const auto show = [this](int id, const Image* image) {
        if (!image || image->Empty())
            return;
        m_iconArt.push_back(CreateBitmapFromImage(*image));
        CButton(Handle(), id).SetImage(m_iconArt.back().Get());
    };
    if (m_tiles) {
        show(IDC_CELL_ICON_LADDER, m_tiles->Tile(tile::kLadder2));
        show(IDC_CELL_ICON_STAIRS, m_tiles->Tile(tile::kStairs));
        show(IDC_CELL_ICON_PIT, m_tiles->Tile(tile::kPit2));
        show(IDC_CELL_ICON_SECRET_PASSABILITY, m_tiles->Legend(legend::kSecretButton));
        show(IDC_CELL_ICON_SECRET_HIDDEN, m_tiles->Legend(legend::kSecretButton));
        if (m_contents.backgroundTile >= 0)
            show(IDC_CELL_TILE, m_tiles->Tile(m_contents.backgroundTile));
    }
    if (game)
        show(IDC_CELL_ICON_NEGATIVE, game->StateIcons9().Get(kNegativeEffectIcon));
}

void CMapPropertiesDlg::PrepareLootList()
{
    const CListView list(Handle(), IDC_CELL_LOOT);
    m_loot.Attach(list.Handle());
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(list.Handle(), &client);
    const int chance = client.right / 5;
    list.InsertColumn(0, L"", client.right - chance);
    list.InsertColumn(1, L"", chance);
    // Shared with every window: the template keeps the list from destroying it.
    if (const CGameData* game = GetGameData())
        list.SetImageList(SharedImageList(game->ItemImagesSmall()), LVSIL_SMALL);
}

void CMapPropertiesDlg::FillList(int listId, const std::vector<CellEntry>& entries) const
{
    const CComboBox list(Handle(), listId);
    for (const CellEntry& entry : entries)
        list.SetItemData(list.AddString(entry.text), entry.data);
    if (!entries.empty())
        list.SetCurSel(0);
}

// One entry shows in the edit; several in the list, at the same place.
void CMapPropertiesDlg::FillField(int listId, int editId, const std::vector<CellEntry>& entries) const
{
    const bool asList = FieldShowsList(entries.size());
    const CTextControl edit(Handle(), editId);
    edit.SetText(entries.size() == 1 ? entries.front().text : std::string());
    edit.Show(!asList);
    CControl(Handle(), listId).Show(asList);
    if (asList)
        FillList(listId, entries);
}

int CMapPropertiesDlg::Selected(int listId) const { return CComboBox(Handle(), listId).GetCurSel(); }

void CMapPropertiesDlg::ShowText()
{
    const int at = Selected(IDC_CELL_TEXT_LIST);
    const CGameData* game = GetGameData();
    if (at < 0 || at >= static_cast<int>(m_contents.texts.size()) || !game)
        return;
    const CellEntry& entry = m_contents.texts[static_cast<size_t>(at)];
    CTextControl(Handle(), IDC_CELL_TEXT).SetText(entry.detail);
    const std::string text = game->GetMessageText(entry.data);
    BitmapHandle picture = CreateBitmapFromImage(RenderMessageText(*game, text.data(), text.size(), false));
    m_textPicture.SetBitmap(picture.Get());
    m_textBitmap = std::move(picture);
}

void CMapPropertiesDlg::ShowLoot()
{
    const int at = Selected(IDC_CELL_LOOT_LIST);
    const CGameData* game = GetGameData();
    if (at < 0 || at >= static_cast<int>(m_contents.loot.size()) || !game)
        return;
    const CListView list(m_loot.Handle());
    m_lootRows = FillLootList(*game, m_contents.loot[static_cast<size_t>(at)].record, false);
    m_loot.ClearChoices();
    list.SetRedraw(false);
    list.DeleteAllItems();
    for (size_t i = 0; i < m_lootRows.size(); ++i) {
        const LootRow& row = m_lootRows[i];
        const int index = list.InsertItem(static_cast<int>(i), row.text, row.image, row.data);
        list.SetItemText(index, 1, row.chance);
    }
    list.SetRedraw(true);
    for (size_t i = 0; i < m_lootRows.size(); ++i) {
        if (m_lootRows[i].choices.empty())
            continue;
        ChoiceSet set;
        for (const LootChoice& choice : m_lootRows[i].choices) {
            set.texts.push_back(Widen(choice.text));
            set.images.push_back(choice.image);
        }
        m_loot.AddChoices(static_cast<int>(i), set);
    }
}

void CMapPropertiesDlg::ShowTransfer()
{
    const int at = Selected(IDC_CELL_TRANSFER_LIST);
    if (at >= 0 && at < static_cast<int>(m_contents.transfers.size()))
        CTextControl(Handle(), IDC_CELL_TRANSFER_TEXT).SetText(m_contents.transfers[static_cast<size_t>(at)].detail);
}

void CMapPropertiesDlg::OnLootDoubleClick(int row)
{
    const CGameData* game = GetGameData();
    if (!game || row < 0 || row >= static_cast<int>(m_lootRows.size()))
        return;
    // Gold and experience rows open nothing.
    const std::optional<int> item = LootRowItem(*game, m_lootRows[static_cast<size_t>(row)], m_loot.GetChoice(row));
    if (item && m_openItem)
        m_openItem(Handle(), *item);
}

// ---- Event chains ----------------------------------------------------------------------------

void CMapPropertiesDlg::FillTree()
{
    const CTreeView tree(m_tree.Handle());
    tree.SetRedraw(false);
    for (int root : m_chains->Roots())
        InsertNode(TVI_ROOT, root);
    tree.SetRedraw(true);
}

// Children the model already holds (a branching event's outcomes) go in at once; the others
// when the item is first expanded.
HTREEITEM CMapPropertiesDlg::InsertNode(HTREEITEM parent, int id)
{
    const ChainNode& node = m_chains->Node(id);
    const HTREEITEM item = CTreeView(m_tree.Handle()).InsertItem(parent, node.text, node.icon, id, m_chains->CanExpand(id));
    if (node.link < 0 || node.filled)
        for (int child : std::vector<int>(node.children))
            InsertNode(item, child);
    return item;
}

LRESULT CMapPropertiesDlg::OnExpanding(NMHDR& header)
{
    const NMTREEVIEWW& change = reinterpret_cast<NMTREEVIEWW&>(header);
    const CTreeView tree(m_tree.Handle());
    const HTREEITEM item = change.itemNew.hItem;
    if (change.action != TVE_EXPAND || tree.GetChild(item))
        return FALSE;
    const int id = static_cast<int>(tree.GetItemData(item));
    if (!m_chains->Expand(id)) {
        m_tree.SetHasChildren(item, false);
        return FALSE;
    }
    for (int child : std::vector<int>(m_chains->Node(id).children))
        InsertNode(item, child);
    return FALSE;
}

// ---- Painting --------------------------------------------------------------------------------

HBRUSH CMapPropertiesDlg::OnCtlColor(HDC dc, HWND control, UINT)
{
    const int id = GetDlgCtrlID(control);
    if (id != IDC_CELL_FOUNTAIN_GOOD && id != IDC_CELL_FOUNTAIN_BAD)
        return nullptr;
    SetTextColor(dc, id == IDC_CELL_FOUNTAIN_GOOD ? kFountainGood : kFountainBad);
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_3DFACE);
}

void CMapPropertiesDlg::OnDestroy()
{
    m_textPicture.SetBitmap(nullptr);
    CTreeView(m_tree.Handle()).SetImageList(nullptr);
}
