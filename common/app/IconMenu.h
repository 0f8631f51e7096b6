#ifndef TANZO_APP_ICONMENU_H
#define TANZO_APP_ICONMENU_H

// CIconMenu draws the main window's menus itself (Windows builds): a
// command may show an image (another one while disabled) from one image
// list, checked items a check image, separators a thin line, and labels
// and accelerators stand in two aligned columns per menu. The frame hands
// it the menu bar (PrepareMenu) and a tracked pop-up (PreparePopupMenu),
// marks pop-ups of the bar owner-drawn as they open (MarkMenuOwnerDraw) and
// routes WM_MEASUREITEM and WM_DRAWITEM of menu items here.
//
// Tree 0 is the menu bar, tree 1 the pop-up being tracked; each menu of a
// tree has a number, counted depth-first, which its items carry in their
// item data together with their image entry (IconMenuRules.h).

#include "afx/ImageList.h"
#include "afx/Map.h"
#include "app/IconMenuRules.h"

#include <memory>
#include <vector>

class CMenu;

// The images of one command: normal and disabled image index (-1 none).
struct CImageEntry
{
    int nImage = -1;
    int nDisabledImage = -1;
};

// Trees of menus.
#define ICONMENU_TREE_BAR 0
#define ICONMENU_TREE_POPUP 1

class CIconMenu
{
public:
    CIconMenu();
    virtual ~CIconMenu();

    // A masked list of count images of cx x cy, replacing any list;
    // with a count or size of 0 there is no list (and no images).
    void CreateImageList(int nCount, int cx, int cy);
    // The first index of the bitmap's images, -1 without a list.
    int AddBitmap(UINT nIDBitmap, COLORREF crMask);
    // Deletes every image entry; the table then has nCount empty slots.
    void SetImageEntryCount(int nCount);
    // Entry nEntry of the table shows nImage (nDisabledImage while the
    // command is disabled, when 0 or more) for the command nID.
    BOOL SetCommandImage(int nEntry, UINT nID, int nImage, int nDisabledImage);
    // A negative disabled image keeps the one set before.
    void SetCheckImages(int nImage, int nDisabledImage);
    // The icon of an image, made once and kept; null outside the list.
    HICON GetIcon(int nImage);

    // Numbers the menus of the menu bar and marks their items.
    virtual void PrepareMenu(CMenu* pMenu);
    // Numbers and marks a context menu, unless it was prepared before.
    void PreparePopupMenu(CMenu* pPopup);
    void MeasureItem(CMenu* pMenu, int nTree, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void DrawItem(int nTree, LPDRAWITEMSTRUCT lpDrawItemStruct);

    CImageList& GetImageList() { return m_imageList; }
    int GetImageWidth() const { return m_cxImage; }
    int GetImageHeight() const { return m_cyImage; }
    // Menus counted in a tree when it was prepared.
    int GetMenuCount(int nTree) const;
    // The image entry a command maps to, -1 when none.
    int FindCommandEntry(UINT nID) const;

private:
    CMenuColumnTable& Columns(int nTree) { return m_columns[nTree == ICONMENU_TREE_POPUP ? 1 : 0]; }
    void DestroyIcons();
    // Draws the item's image; the entry it ended with (found or
    // MENU_IMAGE_NONE) in rnEntry; FALSE when a found image was not drawn.
    BOOL DrawItemImage(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, UINT& rnEntry);

    int m_nMenuCount[2] = {0, 0};
    CMenuColumnTable m_columns[2];
    CImageEntry m_checkImages;
    CImageList m_imageList;
    int m_cxImage = 0;
    int m_cyImage = 0;
    std::vector<HICON> m_icons;
    CMap<UINT, UINT, int, int> m_commandMap;
    std::vector<std::unique_ptr<CImageEntry>> m_entries;

    CIconMenu(const CIconMenu&) = delete;
    CIconMenu& operator=(const CIconMenu&) = delete;
};

// For a pop-up of the menu bar that opens: items that are not owner-drawn
// yet (added at run time) become so and join the columns of the menu the
// other items belong to (menu 0 when no item tells).
void MarkMenuOwnerDraw(CMenu* pMenu);

#endif // TANZO_APP_ICONMENU_H
