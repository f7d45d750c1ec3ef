#pragma once
// A viewer the user can resize: registered controls follow the client area's size by their
// anchor flags, the window never becomes smaller than its template, a size grip sits in the
// bottom-right corner, and the window's placement is kept in the registry under a name.

#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/SubclassedWindow.h"

#include <cstdint>
#include <map>
#include <string>

class CResizableDlg : public CViewerDialog {
public:
    // Anchor flags, applied in this order: move right, stretch right, stretch down, move down.
    static constexpr uint8_t kMoveRight = 1;
    static constexpr uint8_t kMoveDown = 2;
    static constexpr uint8_t kStretchRight = 4;
    static constexpr uint8_t kStretchDown = 8;

    static constexpr int kGripSize = 13;
    static constexpr const wchar_t* kGripClass = L"RRRR";
    static constexpr const wchar_t* kPlacementKey = L"SOFTWARE\\Tallowmark\\DialogsData\\";
    static constexpr const wchar_t* kPlacementValue = L"Placement";

    // An empty placement name keeps the placement nowhere.
    CResizableDlg(int templateId, std::wstring placementName);
    ~CResizableDlg() override;

    // Records the control's flags (a second call for the same id keeps the first).
    void AddAnchor(int id, uint8_t flags);
    void SetMinimumSizeEnabled(bool enabled) { m_minimumSizeOn = enabled; }
    HWND SizeGrip() const { return m_grip.Handle(); }
    const std::wstring& PlacementName() const { return m_placementName; }

protected:
    virtual void LoadPlacement();
    virtual void SavePlacement();

    BOOL OnInitDialog() override;
    void OnSize(UINT type, int width, int height) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // An icon of the derived dialog, destroyed with this object.
    IconHandle m_icon;

private:
    class CSizeGrip : public CSubclassedWindow {
    protected:
        bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
        void Paint(HDC dc) const override;
    };

    void OnFirstShow();
    std::wstring PlacementKey() const { return kPlacementKey + m_placementName; }

    std::map<uint32_t, uint8_t> m_anchors;
    SIZE m_initialClient{};
    SIZE m_lastClient{};
    SIZE m_minimumWindow{};
    bool m_minimumSizeOn = true;
    bool m_firstShowPending = true;
    std::wstring m_placementName;
    CSizeGrip m_grip;
};
