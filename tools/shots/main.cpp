// tallowmark-shots CASE: starts as tallowmark.exe does (the store from the settings), then opens
// the viewer the case names on a record worth looking at, and runs until it is closed; ./run
// photographs it; a number after the case chooses the record. "tallowmark-shots --list FILE"
// writes the case names into FILE, one a line.

#include "app/CAboutDlg.h"
#include "app/CPictureViewerDlg.h"
#include "app/CViewerApp.h"
#include "app/WinPlatform.h"
#include "gamedata/CGameData.h"
#include "items/CItemListDlg.h"
#include "gamedata/PictureSets.h"
#include "items/CItemViewerDlg.h"
#include "items/CMonsterScrollDlg.h"
#include "items/ItemRecord.h"
#include "items/ItemViewerContent.h"
#include "maps/CMapPropertiesDlg.h"
#include "maps/CMapViewerDlg.h"
#include "res/resource.h"
#include "saves/CCharItemsDlg.h"
#include "saves/CCharNpcsDlg.h"
#include "saves/CCharProfessionsDlg.h"
#include "saves/CSaveFileViewerDlg.h"
#include "saves/CWorldInfoDlg.h"

#include <windows.h>

#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <ole2.h>
#include <shellapi.h>
#include <string>

namespace {

// Runs a step once the window now being made has been shown.
template <typename Step>
void AfterShown(Step step)
{
    static Step s_step = step;
    SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        s_step();
    });
}

// An item that carries a text, with a spell if one has it, its text shown.
int ShowItemViewer(const CGameData& game, int chosen)
{
    int withText = -1, withSpell = -1;
    for (int number = 0; number < game.ItemCount(); ++number) {
        const ItemRecord item(game.GetItem(number));
        if (item.inventoryAction() != itemviewer::kReadAction)
            continue;
        if (withText < 0)
            withText = number;
        if (withSpell < 0 && item.spell())
            withSpell = number;
    }
    CItemViewerDlg viewer;
    viewer.SetItem(chosen >= 0 ? chosen : withSpell >= 0 ? withSpell : std::max(withText, 0));
    viewer.SetModal(true);
    AfterShown([&viewer] {
        SendDlgItemMessageW(viewer.Handle(), IDC_ITEM_SHOW_TEXT, BM_CLICK, 0, 0);
        SetFocus(GetDlgItem(viewer.Handle(), IDC_ITEM_NAME_MASK));
    });
    viewer.DoModal(nullptr);
    return 0;
}

// A drake with spells, a special attack, three attacks and loot rows that offer choices.
int ShowMonsterViewer(const CGameData&, int chosen)
{
    CMonsterViewerDlg* viewer = OpenMonsterViewer();
    if (!viewer)
        return 1;
    viewer->SelectMonster(chosen >= 0 ? chosen : 193);
    const HWND window = GetAncestor(viewer->Handle(), GA_ROOT);
    MSG message;
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0)
        if (!CDialog::RouteDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    return 0;
}

// Runs the thread's messages until the window is gone.
void RunUntilClosed(HWND window)
{
    MSG message;
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0)
        if (!CDialog::RouteDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
}

// A busy map with ladders, stairs, teleporters, fights, loot, texts and event managers marked.
int ShowMapViewer(const CGameData&, int chosen)
{
    CMapViewerDlg* viewer = CViewerDialog::Open<CMapViewerDlg>();
    if (!viewer)
        return 1;
    const HWND window = viewer->Handle();
    viewer->SelectMap(chosen >= 0 ? chosen : 7);
    for (int id : {IDC_MAP_SHOW_LADDERS, IDC_MAP_SHOW_STAIRS, IDC_MAP_SHOW_TELEPORTERS, IDC_MAP_SHOW_FIGHTS,
                   IDC_MAP_SHOW_LOOT, IDC_MAP_SHOW_TEXTS, IDC_MAP_SHOW_EVENT_MANAGERS, IDC_MAP_SHOW_ACTION_FORKS})
        if (SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0) != BST_CHECKED)
            SendDlgItemMessageW(window, id, BM_CLICK, 0, 0);
    RunUntilClosed(window);
    return 0;
}

// Every item with the filter shown, sorted by damage, strongest first, the first row selected.
// A number chooses the column to sort by (ascending) instead.
int ShowItemList(const CGameData&, int column)
{
    CItemListDlg* list = CViewerDialog::Open<CItemListDlg>();
    if (!list)
        return 1;
    const HWND window = list->Handle();
    CExtListCtrl& items = list->List();
    const int sortColumn = column >= 0 ? column : itemlist::kDamage;
    items.OnColumnClick(sortColumn);
    if (column < 0)
        items.OnColumnClick(sortColumn);
    CListView(items.Handle()).SelectItem(0);
    SetFocus(items.Handle());
    RunUntilClosed(window);
    return 0;
}

// The picture set with the most pixels in all its frames (on the demo, the night over the
// castle, with twinkling stars), on its second frame; a number chooses the set by its place in
// the list.
int ShowPictureViewer(const CGameData& game, int chosen)
{
    CGameData& store = *GetGameData();
    const std::vector<std::string> names = picturesets::ListPictureFiles(game.InstallPath());
    std::string name;
    long long most = -1;
    for (size_t i = 0; i < names.size(); ++i) {
        std::vector<Image> frames;
        store.LoadPicByName(names[i], frames, {.scale = 1});
        long long pixels = 0;
        for (const Image& frame : frames)
            pixels += static_cast<long long>(frame.Width()) * frame.Height();
        if (chosen == static_cast<int>(i) || (chosen < 0 && pixels > most)) {
            most = pixels;
            name = names[i];
        }
    }
    CPictureViewerDlg* viewer = CViewerDialog::Open<CPictureViewerDlg>();
    if (!viewer)
        return 1;
    viewer->SelectSet(name);
    SendDlgItemMessageW(viewer->Handle(), IDC_PICTURE_NEXT, BM_CLICK, 0, 0);
    RunUntilClosed(viewer->Handle());
    return 0;
}

int ShowAboutBox(const CGameData&, int)
{
    CAboutDlg about;
    about.DoModal(nullptr);
    return 0;
}

// A cell with a fight, loot and an action fork, its chains opened.
int ShowMapProperties(const CGameData& game, int)
{
    MapTileSet tiles;
    BuildMapTileSet(const_cast<CGameData&>(game), 2, tiles);
    CMapPropertiesDlg properties;
    properties.SetCell(9, 1, 6, 2);
    properties.SetTileSet(&tiles);
    AfterShown([&properties] {
        const HWND tree = GetDlgItem(properties.Handle(), IDC_CELL_CHAINS);
        for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
            TreeView_Expand(tree, root, TVE_EXPAND);
            for (HTREEITEM item = TreeView_GetChild(tree, root); item; item = TreeView_GetNextSibling(tree, item))
                TreeView_Expand(tree, item, TVE_EXPAND);
        }
    });
    properties.DoModal(nullptr);
    return 0;
}

// The demo party's save; the Valkyrie casts spells, fights with two blades and suffers three conditions.
constexpr int kDemoCharacter = 4;

std::string DemoSavePath(const CGameData& game) { return game.InstallPath() + "\\SAVES\\SAVEGAME.DBS"; }

int ShowSaveViewer(const CGameData& game, int chosen)
{
    CSaveFileViewerDlg* viewer = CViewerDialog::Open<CSaveFileViewerDlg>();
    if (!viewer)
        return 1;
    viewer->LoadFile(DemoSavePath(game));
    SendDlgItemMessageW(viewer->Handle(), IDC_SAVE_CHARACTER, CB_SETCURSEL, chosen >= 0 ? chosen : kDemoCharacter, 0);
    viewer->ShowSelected();
    RunUntilClosed(viewer->Handle());
    return 0;
}

// One of the character dialogs on a member of the demo party.
template <typename Dialog>
int ShowCharacterDialog(const CGameData& game, int chosen)
{
    SaveGame save;
    save.Load(DemoSavePath(game));
    const int entry = chosen >= 0 ? chosen : kDemoCharacter;
    if (entry >= save.Count())
        return 1;
    Dialog dialog(save.Characters()[static_cast<size_t>(entry)].Record());
    dialog.DoModal(nullptr);
    return 0;
}

// World Info on the demo's first save, with an NPC chosen that holds and offers items and gold.
int ShowWorldInfo(const CGameData& game, int chosen)
{
    CWorldInfoDlg dialog(DemoSavePath(game));
    AfterShown([&dialog, &game, chosen] {
        const std::vector<NpcEntry> entries = BuildNpcEntries(game);
        size_t entry = chosen >= 0 ? static_cast<size_t>(chosen) : 0;
        for (size_t i = 0; chosen < 0 && i < entries.size(); ++i) {
            const Offers offers = BuildOffers(game, dialog.World(), entries[i].data);
            if (offers.rows.size() >= 4 && offers.rows.front().data >= 0 && !offers.status.empty()) {
                entry = i;
                break;
            }
        }
        const HWND npcs = GetDlgItem(dialog.Handle(), IDC_WORLD_NPCS);
        SendMessageW(npcs, CB_SETCURSEL, entry, 0);
        SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_WORLD_NPCS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(npcs));
        LVITEMW selected{};
        selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendDlgItemMessageW(dialog.Handle(), IDC_WORLD_ITEMS, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
        SetFocus(GetDlgItem(dialog.Handle(), IDC_WORLD_ITEMS));
    });
    dialog.DoModal(nullptr);
    return 0;
}

// The map of the party's map on the demo's first save: the party, every item there marked, the
// first of them chosen. World Info itself stays hidden.
int ShowWorldMap(const CGameData& game, int)
{
    CWorldInfoDlg dialog(DemoSavePath(game));
    if (!dialog.Create(nullptr))
        return 1;
    ShowWindow(dialog.Handle(), SW_HIDE);
    const int map = dialog.World().position ? dialog.World().position->map : 0;
    int row = -1;
    const std::vector<ItemPlace>& places = dialog.WorldItems().places;
    for (size_t i = 0; row < 0 && i < places.size(); ++i)
        if (places[i].map == map)
            row = static_cast<int>(i);
    dialog.ShowMap(map, row);
    return 0;
}

struct ShotCase {
    const wchar_t* name;
    int (*show)(const CGameData& game, int record); // record -1: the case's own choice
};

constexpr ShotCase kCases[] = {
    {L"item", ShowItemViewer},
    {L"monster", ShowMonsterViewer},
    {L"itemlist", ShowItemList},
    {L"pictures", ShowPictureViewer},
    {L"about", ShowAboutBox},
    {L"map", ShowMapViewer},
    {L"cell", ShowMapProperties},
    {L"save", ShowSaveViewer},
    {L"save-professions", ShowCharacterDialog<CCharProfessionsDlg>},
    {L"save-items", ShowCharacterDialog<CCharItemsDlg>},
    {L"save-npcs", ShowCharacterDialog<CCharNpcsDlg>},
    {L"world", ShowWorldInfo},
    {L"worldmap", ShowWorldMap},
};

bool WriteCaseNames(const wchar_t* path)
{
    FILE* file = _wfopen(path, L"w");
    if (!file)
        return false;
    for (const ShotCase& shot : kCases)
        std::fprintf(file, "%ls\n", shot.name);
    return std::fclose(file) == 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring first = args && count > 1 ? args[1] : L"";
    const std::wstring second = args && count > 2 ? args[2] : L"";
    LocalFree(args);
    if (first == L"--list")
        return WriteCaseNames(second.c_str()) ? 0 : 1;

    const ShotCase* chosen = nullptr;
    for (const ShotCase& shot : kCases)
        if (first == shot.name)
            chosen = &shot;
    if (!chosen)
        return 2;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    WinPlatform platform;
    CViewerApp app(platform);
    int result = 1;
    if (app.LoadGameData())
        result = chosen->show(*GetGameData(), second.empty() ? -1 : _wtoi(second.c_str()));
    app.ExitInstance();
    OleUninitialize();
    return result;
}
