#include "ui/NumberNameCombos.h"
#include "ui/WinText.h"

void CNumberNameCombos::Attach(HWND dialog, int numbersId, int namesId)
{
    m_numbers.Attach(dialog, numbersId);
    m_names.Attach(dialog, namesId);
}

void CNumberNameCombos::Fill(const std::vector<std::string>& names, bool fillNumbers) const
{
    // Hundreds of entries: room for them at once, and no drawing of the lists meanwhile.
    m_numbers.SetRedraw(false);
    m_names.SetRedraw(false);
    if (fillNumbers)
        m_numbers.InitStorage(names.size(), names.size() * 20);
    m_names.InitStorage(names.size(), names.size() * 32 * sizeof(wchar_t));
    for (size_t i = 0; i < names.size(); ++i) {
        const std::wstring name = Widen(names[i]);
        if (fillNumbers)
            m_numbers.InsertString(static_cast<int>(i), name.c_str());
        const int at = m_names.AddString(name.c_str());
        if (at >= 0)
            m_names.SetItemData(at, static_cast<LPARAM>(i));
    }
    m_numbers.SetRedraw(true);
    m_names.SetRedraw(true);
}

int CNumberNameCombos::OnNumberChosen() const
{
    const int number = m_numbers.GetCurSel();
    if (number >= 0)
        SelectName(number);
    return number;
}

int CNumberNameCombos::OnNameChosen() const
{
    const int selected = m_names.GetCurSel();
    if (selected < 0)
        return -1;
    const int number = static_cast<int>(m_names.GetItemData(selected));
    m_numbers.SetCurSel(number);
    return number;
}

void CNumberNameCombos::Select(int number) const
{
    m_numbers.SetCurSel(number);
    SelectName(number);
}

void CNumberNameCombos::SelectName(int number) const { m_names.SetCurSel(m_names.FindItemData(number)); }
