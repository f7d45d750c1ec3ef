#pragma once
// The Save File Viewer: the characters of a save file or of the guild file, one at a time, with
// their statistics, conditions, skills, armour, attacks, spells and portrait. Buttons open the
// character dialogs and, for save files, the world state.

#include "saves/CharacterSheet.h"
#include "saves/SaveGame.h"
#include "saves/SpellTree.h"
#include "ui/CHelpTip.h"
#include "ui/CImagePanel.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class CSaveFileViewerDlg : public CViewerDialog {
public:
    CSaveFileViewerDlg();

    // Loads the file as "Open file..." does with the path chosen, then sets the buttons' states;
    // an empty path does nothing.
    void LoadFile(const std::string& path);
    // Shows the character of the entry selected in the character list.
    void ShowSelected();

    const SaveGame& Save() const { return m_save; }
    uint32_t Options() const { return m_options; }
    const RealmAnimation& Animation() const { return m_animation; }
    HTREEITEM RealmItem(int realm) const { return m_realms[static_cast<size_t>(realm)]; }
    const CHelpTip& HelpTip() const { return m_help; }
    const CHelpTip& ConditionTip() const { return m_conditionTip; }
    HWND ConditionPanel(int k) const { return m_conditions[static_cast<size_t>(k)].Handle(); }
    HBITMAP Portrait() const { return m_portraitBitmap.Get(); }
    // The character shown, or null.
    const SavedCharacter* Shown() const;

    // Where the load messages go (the store's error box unless replaced), and what "&Open
    // file..." asks for a path (the store's open dialog unless replaced).
    void SetReporter(std::function<void(const std::string&)> report) { m_report = std::move(report); }
    void SetFileChooser(std::function<std::string()> choose) { m_chooseFile = std::move(choose); }

    static constexpr UINT_PTR kAnimationTimer = 2;
    static constexpr UINT kAnimationMilliseconds = 200;
    static constexpr UINT_PTR kHelpTimer = 3;
    static constexpr UINT kHelpMilliseconds = 10000;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR timer) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnDrawItem(int id, DRAWITEMSTRUCT* item) override;
    bool OnMeasureItem(int id, MEASUREITEMSTRUCT* item) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroy() override;

private:
    void BindControls();
    void PrepareLists();
    void PrepareSpellTree();
    void Clear();
    void ClearCharacterList();
    void ShowCharacter(const SavedCharacter& character);
    void FillSpecials(size_t attack, const std::vector<SpecialAttackRow>& rows);
    void ShowConditions(const std::vector<ConditionIcon>& conditions);
    HBITMAP ConditionPicture(int image);
    void ShowPortrait(int number);
    void FillSpellTree();
    void ForgetSpellTree();
    void AdvanceAnimation();
    void UpdateButtons();
    void Report(const std::string& text) const;
    void SetOption(uint32_t bit, bool on);
    void SetField(int id, const std::string& text, Shade shade = Shade::Normal);
    void OnMouseMove(POINT point);
    void OpenCharacterDialog(int id);
    void DrawSpecialAttack(const DRAWITEMSTRUCT& item) const;

    SaveGame m_save;
    std::string m_lastName;
    std::string m_path; // the file loaded last
    uint32_t m_options = viewoptions::kDefault;
    RealmAnimation m_animation;
    std::array<HTREEITEM, character::kRealms> m_realms{};
    int m_shownSlot = -1; // the slot of the character shown
    std::function<void(const std::string&)> m_report;
    std::function<std::string()> m_chooseFile;
    int m_sphereFrames = 0;
    // Both tool tips are made when first needed: two windows less at each opening.
    CHelpTip m_help{kHelpTimer};
    CHelpTip m_conditionTip{0};
    int m_conditionCount = 0;
    std::map<int, BitmapHandle> m_conditionPictures; // by image, for the panels
    std::array<CImagePanel, character::kConditions> m_conditions;
    std::array<int, character::kConditions> m_conditionImages{}; // the image each shows; -1: none
    CScrollPictureWnd m_portrait;
    BitmapHandle m_portraitBitmap;
    std::vector<BitmapHandle> m_stateIcons; // the 9 x 9 marks of the special-attack lists
    std::vector<std::pair<int, Shade>> m_shades; // text colour of the coloured fields, by id
    std::map<int, std::string> m_fieldTexts; // what each field shows, by id
    std::array<std::vector<SpecialAttackRow>, 2> m_specialRows; // what the two special-attack lists show
    BitmapHandle m_helpArt;
    BrushHandle m_black;
};
