#include "text/ColorComboEntries.h"

namespace
{
// Normal, dark, light.
const COLORREF g_fixedColors[COLOR_COMBO_FIXED_COUNT][3] = {
    {0x0000FF, 0x0000B0, 0xB0B0FF}, {0x00A5FF, 0x0080B0, 0x78E0FF}, {0x00FFFF, 0x00B0B0, 0x90FFFF},
    {0x00FF00, 0x00B000, 0xB0FFB0}, {0x008000, 0x005000, 0xA0D8A0}, {0xFFFF00, 0xB0B000, 0xFFFFC0},
    {0xFF0000, 0xB00000, 0xFFB0B0}, {0xFF00FF, 0xB000B0, 0xFFB0FF}, {0x800080, 0x500050, 0xD0A0D8},
    {0x000080, 0x000050, 0xA0A0D8}, {0xFFFFFF, 0xB0B0B0, 0xFFFFFF}, {0xC0C0C0, 0x909090, 0xE0E0E0},
    {0x808080, 0x505050, 0xC0C0C0}, {0x000000, 0x000000, 0x909090},
};

int ShadeColumn(int nShade)
{
    switch (nShade)
    {
    case COLOR_SHADE_DARK:
        return 1;
    case COLOR_SHADE_LIGHT:
        return 2;
    default:
        return 0;
    }
}
} // namespace

COLORREF FixedComboColor(int nIndex, int nShade)
{
    if (nIndex < 0 || nIndex >= COLOR_COMBO_FIXED_COUNT)
        return (COLORREF)-1;
    return g_fixedColors[nIndex][ShadeColumn(nShade)];
}

int FixedComboIndex(COLORREF c, int nShade)
{
    int nColumn = ShadeColumn(nShade);
    for (int i = 0; i < COLOR_COMBO_FIXED_COUNT; ++i)
    {
        if (g_fixedColors[i][nColumn] == c)
            return i;
    }
    return -1;
}

BOOL CColorComboEntries::SetShade(int nShade)
{
    int nBits =
        nShade == COLOR_SHADE_LIGHT ? COLOR_COMBO_LIGHT : (nShade == COLOR_SHADE_DARK ? COLOR_COMBO_DARK : 0);
    if ((m_nFlags & COLOR_COMBO_SHADE_MASK) == nBits)
        return FALSE;
    m_nFlags = (m_nFlags & ~COLOR_COMBO_SHADE_MASK) | nBits;
    return TRUE;
}

int CColorComboEntries::GetShade() const
{
    if (m_nFlags & COLOR_COMBO_LIGHT)
        return COLOR_SHADE_LIGHT;
    if (m_nFlags & COLOR_COMBO_DARK)
        return COLOR_SHADE_DARK;
    return COLOR_SHADE_NORMAL;
}

void CColorComboEntries::SetOtherEntry(BOOL bOn)
{
    m_nFlags = bOn ? (m_nFlags | COLOR_COMBO_HAS_OTHER) : (m_nFlags & ~COLOR_COMBO_HAS_OTHER);
}

void CColorComboEntries::SetStandardEntry(BOOL bOn)
{
    m_nFlags = bOn ? (m_nFlags | COLOR_COMBO_HAS_STANDARD) : (m_nFlags & ~COLOR_COMBO_HAS_STANDARD);
}

int CColorComboEntries::GetEntryCount() const
{
    return COLOR_COMBO_FIXED_COUNT + (HasStandardEntry() ? 1 : 0) + (HasOtherEntry() ? 1 : 0);
}

int CColorComboEntries::GetStandardIndex() const
{
    return HasStandardEntry() ? COLOR_COMBO_FIXED_COUNT : -1;
}

int CColorComboEntries::GetOtherIndex() const
{
    if (!HasOtherEntry())
        return -1;
    return COLOR_COMBO_FIXED_COUNT + (HasStandardEntry() ? 1 : 0);
}

COLORREF CColorComboEntries::ColorOfIndex(int nIndex) const
{
    if (nIndex >= 0 && nIndex < COLOR_COMBO_FIXED_COUNT)
        return FixedComboColor(nIndex, GetShade());
    if (nIndex == COLOR_COMBO_FIXED_COUNT)
        return HasStandardEntry() ? m_crStandard : m_crOther;
    if (nIndex == COLOR_COMBO_FIXED_COUNT + 1)
        return m_crOther;
    return (COLORREF)-1;
}

int CColorComboEntries::IndexOfColor(COLORREF c) const
{
    int nIndex = FixedComboIndex(c, GetShade());
    if (nIndex >= 0)
        return nIndex;
    if (HasStandardEntry() && c == (COLORREF)-1)
        return COLOR_COMBO_FIXED_COUNT;
    return -1;
}

int CColorComboEntries::ChooseIndexFor(COLORREF c)
{
    int nIndex = IndexOfColor(c);
    if (nIndex < 0)
        nIndex = GetOtherIndex();
    if (nIndex >= 0 && nIndex == GetOtherIndex())
        m_crOther = c;
    return nIndex;
}
