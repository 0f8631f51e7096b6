#ifndef TANZO_CONTROLS_COLORCOMBO_H
#define TANZO_CONTROLS_COLORCOMBO_H

// CColorCombo: an owner-drawn combo box of colour swatches (Windows
// builds): fourteen fixed colours in one of three shades, and optionally a
// "standard" entry and an "other" entry whose colour the user picks in the
// colour dialog. Its template gives it CBS_OWNERDRAWFIXED and
// CBS_HASSTRINGS.

#include "controls/CommComboBox.h"
#include "text/ColorComboEntries.h"

class CColorCombo : public CCommComboBox
{
public:
    CColorCombo();
    ~CColorCombo() override;

    // Fills the entries (their texts are markers, never shown) and selects
    // nSelect.
    void Init(int nSelect);

    void SetShade(int nShade);
    int GetShade() const { return m_entries.GetShade(); }
    void SetOtherEntry(BOOL bOn) { m_entries.SetOtherEntry(bOn); }
    BOOL HasOtherEntry() const { return m_entries.HasOtherEntry(); }
    void SetStandardEntry(BOOL bOn) { m_entries.SetStandardEntry(bOn); }
    BOOL HasStandardEntry() const { return m_entries.HasStandardEntry(); }
    void SetStandardColor(COLORREF c) { m_entries.SetStandardColor(c); }
    BOOL IsOtherSelected() const;
    void SetOtherColor(COLORREF c) { m_entries.SetOtherColor(c); }
    COLORREF GetOtherColor() const { return m_entries.GetOtherColor(); }

    COLORREF ColorOfIndex(int nIndex) const { return m_entries.ColorOfIndex(nIndex); }
    int IndexOfColor(COLORREF c) const { return m_entries.IndexOfColor(c); }
    // Selects the colour's entry; a colour the list lacks goes into the
    // other entry (without one the selection stays).
    void SelectColor(COLORREF c);
    COLORREF GetSelectedColor() const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

private:
    CColorComboEntries m_entries;
};

#endif // TANZO_CONTROLS_COLORCOMBO_H
