#include "app/IconMenuRules.h"

#include "text/Colors.h"

#include <algorithm>

void CMenuColumnWidths::Grow(int nLabelWidth, int nAccelWidth)
{
    nLabel = std::max(nLabel, nLabelWidth);
    nAccel = std::max(nAccel, nAccelWidth);
}

void CMenuColumnTable::Reset(int nMenus)
{
    m_widths.clear();
    m_widths.resize(std::max(nMenus, 0));
}

CMenuColumnWidths& CMenuColumnTable::At(int nMenu)
{
    nMenu = std::max(nMenu, 0);
    if (nMenu >= (int)m_widths.size())
        m_widths.resize(nMenu + 1);
    if (!m_widths[nMenu])
        m_widths[nMenu] = std::make_unique<CMenuColumnWidths>();
    return *m_widths[nMenu];
}

const CMenuColumnWidths* CMenuColumnTable::Find(int nMenu) const
{
    if (nMenu < 0 || nMenu >= (int)m_widths.size())
        return nullptr;
    return m_widths[nMenu].get();
}

int CapMenuLabelWidth(int nWidth)
{
    return std::min(nWidth, MENU_LABEL_MAX_WIDTH);
}

int MenuTextLeft(int nImageWidth)
{
    return nImageWidth + MENU_IMAGE_MARGIN;
}

int MenuItemWidth(int nImageWidth, const CMenuColumnWidths& widths)
{
    int nWidth = MenuTextLeft(nImageWidth) + widths.nLabel;
    if (widths.nAccel > 0)
        nWidth += widths.nAccel + MENU_ACCEL_GAP;
    return nWidth + MENU_RIGHT_MARGIN;
}

int MenuItemHeight(int nImageHeight, int nTextHeight)
{
    return std::max(nImageHeight, nTextHeight) + 8;
}

CMenuTextColumns GetMenuTextColumns(int nImageWidth, const CMenuColumnWidths& widths, int nItemWidth)
{
    CMenuTextColumns columns;
    columns.nLabelLeft = MenuTextLeft(nImageWidth);
    columns.nLabelRight = columns.nLabelLeft + widths.nLabel;
    columns.nAccelLeft = columns.nLabelRight + MENU_ACCEL_GAP;
    columns.nAccelRight = nItemWidth - MENU_RIGHT_MARGIN;
    return columns;
}

void SplitMenuItemText(LPCTSTR lpszText, CString& strLabel, CString& strAccel)
{
    CString strText(lpszText);
    int nTab = strText.Find('\t');
    if (nTab < 0)
    {
        strLabel = strText;
        strAccel.Empty();
        return;
    }
    strLabel = strText.Left(nTab);
    strAccel = strText.Mid(nTab + 1);
}

COLORREF MenuSeparatorColor(COLORREF crBackground)
{
    return ShiftColor(crBackground, IsNearBlack(crBackground) ? 48 : -48);
}

COLORREF MenuDisabledTextColor(COLORREF crBackground)
{
    return ShiftColor(crBackground, IsNearBlack(crBackground) ? 96 : -96);
}
