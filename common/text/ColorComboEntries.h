#ifndef TANZO_TEXT_COLORCOMBOENTRIES_H
#define TANZO_TEXT_COLORCOMBOENTRIES_H

// The entries of a colour combo box: fourteen fixed colours in one of three
// shades, then, when present, a "standard" entry and an "other" entry
// whose colour the user picks in the colour dialog.

#include "afx/wintypes.h"

#define COLOR_COMBO_FIXED_COUNT 14

// Flags of the combo.
#define COLOR_COMBO_LIGHT 0x01
#define COLOR_COMBO_DARK 0x02
#define COLOR_COMBO_SHADE_MASK 0x03
#define COLOR_COMBO_HAS_OTHER 0x10
#define COLOR_COMBO_HAS_STANDARD 0x20

// Shades.
#define COLOR_SHADE_NORMAL 0
#define COLOR_SHADE_LIGHT 1
#define COLOR_SHADE_DARK 2

// The fixed colour at nIndex (0..13) in a shade (anything but light or dark
// is normal); -1 outside the table.
COLORREF FixedComboColor(int nIndex, int nShade);
// The index of c among the fixed colours of a shade, -1 when none.
int FixedComboIndex(COLORREF c, int nShade);

class CColorComboEntries
{
public:
    CColorComboEntries() = default;

    // FALSE when the shade was already that one.
    BOOL SetShade(int nShade);
    int GetShade() const;
    void SetOtherEntry(BOOL bOn);
    void SetStandardEntry(BOOL bOn);
    BOOL HasOtherEntry() const { return (m_nFlags & COLOR_COMBO_HAS_OTHER) != 0; }
    BOOL HasStandardEntry() const { return (m_nFlags & COLOR_COMBO_HAS_STANDARD) != 0; }
    void SetOtherColor(COLORREF c) { m_crOther = c; }
    COLORREF GetOtherColor() const { return m_crOther; }
    void SetStandardColor(COLORREF c) { m_crStandard = c; }
    COLORREF GetStandardColor() const { return m_crStandard; }

    // The fixed entries plus the standard and other entries that exist.
    int GetEntryCount() const;
    // -1 when the entry does not exist.
    int GetStandardIndex() const;
    int GetOtherIndex() const;

    // The colour an entry stands for: the fixed table for 0..13; 14 is the
    // standard colour when that entry exists, else the other colour; 15 the
    // other colour; -1 for any other index.
    COLORREF ColorOfIndex(int nIndex) const;
    // The fixed entry of c in the current shade; with a standard entry a
    // colour of -1 gives 14; -1 when none.
    int IndexOfColor(COLORREF c) const;
    // The entry that selecting c shows: its own one, else the other entry,
    // which then holds c; -1 (leave the selection) without either.
    int ChooseIndexFor(COLORREF c);

private:
    COLORREF m_crOther = 0xFFFFFF;
    COLORREF m_crStandard = 0;
    int m_nFlags = 0;
};

#endif // TANZO_TEXT_COLORCOMBOENTRIES_H
