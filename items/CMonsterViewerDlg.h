#pragma once
// The Monster Viewer: one monster with every field, its three attacks, its loot (an item of it
// opens in the Item Viewer) and its picture, whose frames it can animate. The form is a window
// of its own, or the page of the scrolling frame where the work area is too small for it.

#include "items/FramePlayer.h"
#include "items/LootList.h"
#include "ui/CChoiceListCtrl.h"
#include "ui/CEffectsList.h"
#include "ui/CHelpTip.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/NumberNameCombos.h"

#include <array>
#include <functional>
#include <vector>

class CMonsterViewerDlg : public CViewerDialog {
public:
    // As a window of its own, or (page) as the child of the scrolling frame.
    explicit CMonsterViewerDlg(bool page = false);

    // Selects monster number in both lists and shows it.
    void SelectMonster(int number);
    // Fills every control from monster number; nothing when there is no such monster.
    void ShowMonster(int number);

    int Current() const { return m_current; }
    const FramePlayer& Player() const { return m_player; }
    HWND PictureWindow() const { return m_picture.Handle(); }
    HBITMAP ShownBitmap() const { return m_picture.Bitmap(); }
    const CHelpTip& HelpTip() const { return m_help; }
    const CChoiceListCtrl& LootList() const { return m_loot; }

    // What a double click on a loot item calls: the Item Viewer, modal, unless replaced.
    using ItemOpener = std::function<void(HWND owner, int item)>;
    void SetItemOpener(ItemOpener opener) { m_openItem = std::move(opener); }

    static constexpr UINT_PTR kFrameTimer = 1;
    static constexpr UINT kFrameMilliseconds = 500;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR timer) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void FillSelectionLists();
    void LoadButtonArt();
    void PrepareLootList();
    void BindControls();
    void FillLoot(std::vector<LootRow> rows);
    void FitLootColumns() const;
    // Sets a value's text unless it already has it: each text set costs a redraw.
    void SetValue(int id, const std::string& text) const;
    void OnSelectName();
    void OnSelectNumber();
    void OnLootDoubleClick(int row);
    void OnShowPictures();
    void ShowPicture(int number);
    void StartFrames();
    void ShowFrame();
    void UpdateFrameButtons();

    bool m_page;
    int m_current = -1;
    FramePlayer m_player;
    std::vector<BitmapHandle> m_frames;
    CScrollPictureWnd m_picture;
    RECT m_stage{}; // where the picture may lie
    CNumberNameCombos m_lists;
    CButton m_showPictures;
    CListView m_lootView;
    CChoiceListCtrl m_loot;
    std::array<CEffectsList, 3> m_effects; // of the three attacks
    std::vector<LootRow> m_lootRows;
    CHelpTip m_help;
    // Per frame button (previous, stop, next, play): its face when enabled, when disabled.
    std::array<std::array<BitmapHandle, 2>, 4> m_buttonArt;
    BitmapHandle m_helpArt;
    ItemOpener m_openItem;
};
