#ifndef TANZO_APP_ICONMENURULES_H
#define TANZO_APP_ICONMENURULES_H

// The arithmetic of the owner-drawn icon menus: what an item's data holds,
// how wide and high an item measures, where its columns stand and which
// colours its separators and disabled texts take.

#include "afx/String.h"
#include "afx/wintypes.h"

#include <memory>
#include <vector>

// Image entry of an item not looked up yet, and of one without an image.
#define MENU_IMAGE_UNKNOWN 0x1000
#define MENU_IMAGE_NONE 0x2000

// Labels wider than this are cut with an ellipsis.
#define MENU_LABEL_MAX_WIDTH 600
// Left of the image, and room left and right of the image column.
#define MENU_IMAGE_LEFT 7
#define MENU_IMAGE_MARGIN 14
// Gap between the label and accelerator columns, and room at the right.
#define MENU_ACCEL_GAP 18
#define MENU_RIGHT_MARGIN 4

// The item data: the menu number in the high word, the image entry in the
// low word.
inline DWORD MakeMenuItemData(int nMenu, UINT nEntry)
{
    return ((DWORD)(nMenu & 0xFFFF) << 16) | (nEntry & 0xFFFF);
}
inline int MenuNumberOfItemData(DWORD_PTR dwData)
{
    return (int)((dwData >> 16) & 0xFFFF);
}
inline UINT ImageEntryOfItemData(DWORD_PTR dwData)
{
    return (UINT)(dwData & 0xFFFF);
}

// The recently used files' commands, shortened in the middle of the path.
inline BOOL IsRecentFileCommand(UINT nID)
{
    return nID >= 0xE110 && nID <= 0xE11F;
}

// The widest label and accelerator measured in one menu; they only grow.
struct CMenuColumnWidths
{
    int nLabel = 0;
    int nAccel = 0;

    void Grow(int nLabelWidth, int nAccelWidth);
};

// The column widths of one menu tree, by menu number. A number past the
// menus counted (an item added at run time, a tree prepared before) grows
// the table rather than reading past it.
class CMenuColumnTable
{
public:
    // Forgets every width; the tree now has nMenus menus.
    void Reset(int nMenus);
    int GetCount() const { return (int)m_widths.size(); }
    // The widths of a menu, made on first use; a negative number is menu 0.
    CMenuColumnWidths& At(int nMenu);
    // Null when the menu has none yet.
    const CMenuColumnWidths* Find(int nMenu) const;

private:
    std::vector<std::unique_ptr<CMenuColumnWidths>> m_widths;
};

// A measured label counts at most MENU_LABEL_MAX_WIDTH pixels.
int CapMenuLabelWidth(int nWidth);
// Left edge of the label column.
int MenuTextLeft(int nImageWidth);
int MenuItemWidth(int nImageWidth, const CMenuColumnWidths& widths);
int MenuItemHeight(int nImageHeight, int nTextHeight);

// The label and accelerator columns of an item nItemWidth wide.
struct CMenuTextColumns
{
    int nLabelLeft;
    int nLabelRight;
    int nAccelLeft;
    int nAccelRight;
};
CMenuTextColumns GetMenuTextColumns(int nImageWidth, const CMenuColumnWidths& widths, int nItemWidth);

// Splits an item's text at its first tab into label and accelerator.
void SplitMenuItemText(LPCTSTR lpszText, CString& strLabel, CString& strAccel);

// A separator's line and a disabled item's text, from the menu background.
COLORREF MenuSeparatorColor(COLORREF crBackground);
COLORREF MenuDisabledTextColor(COLORREF crBackground);

#endif // TANZO_APP_ICONMENURULES_H
