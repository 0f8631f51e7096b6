// Owner-drawn icon menus on real menus, built and prepared without being
// shown: numbering, marks of items added later, measuring, the one-time
// image lookup and drawing into a memory DC.
#ifdef _WIN32
#include "app/IconMenu.h"
#include "afx/DC.h"
#include "afx/Gdi.h"
#include "afx/Menu.h"
#include "controls/ListControlResourceIds.h"

#include <gtest/gtest.h>

namespace
{
enum
{
    ID_A = 40001,
    ID_B,
    ID_C,
    ID_D,
    ID_E,
    ID_NEW,
    ID_LATE
};

MENUITEMINFOA ItemInfo(HMENU hMenu, UINT nItem, BOOL bByPosition)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_DATA;
    ::GetMenuItemInfoA(hMenu, nItem, bByPosition, &mii);
    return mii;
}

// Bar: File {A, -, Sub1 {B, Sub2 {C}}, D}, Edit {E}.
struct CTestMenus
{
    CTestMenus()
    {
        bar.CreateMenu();
        file.CreatePopupMenu();
        sub1.CreatePopupMenu();
        sub2.CreatePopupMenu();
        edit.CreatePopupMenu();
        sub2.AppendMenu(MF_STRING, ID_C, "項目C");
        sub1.AppendMenu(MF_STRING, ID_B, "項目B");
        sub1.AppendMenu(MF_POPUP, (UINT_PTR)sub2.m_hMenu, "下位2");
        file.AppendMenu(MF_STRING, ID_A, "開く(&O)\tCtrl+O");
        file.AppendMenu(MF_SEPARATOR);
        file.AppendMenu(MF_POPUP, (UINT_PTR)sub1.m_hMenu, "下位1");
        file.AppendMenu(MF_STRING, ID_D, "閉じる");
        edit.AppendMenu(MF_STRING, ID_E, "編集");
        bar.AppendMenu(MF_POPUP, (UINT_PTR)file.m_hMenu, "ファイル");
        bar.AppendMenu(MF_POPUP, (UINT_PTR)edit.m_hMenu, "編集");
        // The bar owns its pop-ups now.
        file.Detach();
        sub1.Detach();
        sub2.Detach();
        edit.Detach();
    }
    HMENU File() const { return ::GetSubMenu(bar.m_hMenu, 0); }
    HMENU Sub1() const { return ::GetSubMenu(File(), 2); }
    HMENU Sub2() const { return ::GetSubMenu(Sub1(), 1); }
    HMENU Edit() const { return ::GetSubMenu(bar.m_hMenu, 1); }

    CMenu bar, file, sub1, sub2, edit;
};

// An item drawn into a memory DC as the menu would draw it.
class CDrawnItem
{
public:
    CDrawnItem(CIconMenu& menu, HMENU hMenu, UINT nID, int cx, int cy, UINT nState = 0)
    {
        CWindowDC screen(nullptr);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, cx, cy);
        m_hOld = m_dc.SelectObject((HGDIOBJ)m_bitmap.m_hObject);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = nID;
        dis.itemState = nState;
        dis.hwndItem = (HWND)hMenu;
        dis.hDC = m_dc.m_hDC;
        dis.rcItem = CRect(0, 0, cx, cy);
        dis.itemData = ItemInfo(hMenu, nID, FALSE).dwItemData;
        menu.DrawItem(ICONMENU_TREE_BAR, &dis);
    }
    ~CDrawnItem() { m_dc.SelectObject(m_hOld); }
    COLORREF At(int x, int y) { return m_dc.GetPixel(x, y); }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_hOld;
};
} // namespace

TEST(IconMenu, MenuBarIsNumberedDepthFirst)
{
    CTestMenus menus;
    CIconMenu iconMenu;
    iconMenu.PrepareMenu(&menus.bar);
    EXPECT_EQ(4, iconMenu.GetMenuCount(ICONMENU_TREE_BAR));

    struct Case
    {
        HMENU hMenu;
        UINT nPosition;
        int nMenu; // -1: a separator, which carries no number
    } cases[] = {
        {menus.File(), 0, 0}, {menus.File(), 1, -1}, {menus.File(), 2, 0}, {menus.File(), 3, 0},
        {menus.Sub1(), 0, 1}, {menus.Sub1(), 1, 1},  {menus.Sub2(), 0, 2}, {menus.Edit(), 0, 3},
    };
    for (const Case& c : cases)
    {
        MENUITEMINFOA mii = ItemInfo(c.hMenu, c.nPosition, TRUE);
        EXPECT_NE(0u, mii.fType & MFT_OWNERDRAW) << c.nMenu << " " << c.nPosition;
        if (c.nMenu >= 0)
            EXPECT_EQ(MakeMenuItemData(c.nMenu, MENU_IMAGE_UNKNOWN), mii.dwItemData) << c.nPosition;
        else
            EXPECT_EQ(0u, mii.dwItemData);
    }
    // The bar's own items stay as they are.
    EXPECT_EQ(0u, ItemInfo(menus.bar.m_hMenu, 0, TRUE).fType & MFT_OWNERDRAW);
}

TEST(IconMenu, ItemsAddedLaterJoinTheirMenusColumns)
{
    CTestMenus menus;
    CIconMenu iconMenu;
    iconMenu.PrepareMenu(&menus.bar);
    ::AppendMenuA(menus.Sub1(), MF_STRING, ID_NEW, "新しい項目");
    HMENU hLate = ::CreatePopupMenu();
    ::AppendMenuA(hLate, MF_STRING, ID_LATE, "後から");
    ::AppendMenuA(menus.File(), MF_POPUP, (UINT_PTR)hLate, "後の下位");

    MarkMenuOwnerDraw(CMenu::FromHandle(menus.File()));
    MENUITEMINFOA mii = ItemInfo(menus.Sub1(), ID_NEW, FALSE);
    EXPECT_NE(0u, mii.fType & MFT_OWNERDRAW);
    EXPECT_EQ(MakeMenuItemData(1, MENU_IMAGE_UNKNOWN), mii.dwItemData);
    EXPECT_EQ(MakeMenuItemData(0, MENU_IMAGE_UNKNOWN), ItemInfo(menus.File(), 4, TRUE).dwItemData);
    // A new pop-up of items only new: menu 0, never stale data.
    mii = ItemInfo(hLate, ID_LATE, FALSE);
    EXPECT_NE(0u, mii.fType & MFT_OWNERDRAW);
    EXPECT_EQ(MakeMenuItemData(0, MENU_IMAGE_UNKNOWN), mii.dwItemData);
}

TEST(IconMenu, MeasuresColumnsPerMenuAndCapsLongLabels)
{
    CTestMenus menus;
    CIconMenu iconMenu;
    iconMenu.CreateImageList(6, 16, 16);
    iconMenu.PrepareMenu(&menus.bar);
    CString strLong('W', 400);
    MENUITEMINFOA text = {};
    text.cbSize = sizeof(text);
    text.fMask = MIIM_STRING;
    text.dwTypeData = const_cast<LPSTR>((LPCTSTR)strLong);
    ASSERT_TRUE(::SetMenuItemInfoA(menus.Sub2(), ID_C, FALSE, &text));

    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ID_C;
    mis.itemData = MakeMenuItemData(2, MENU_IMAGE_UNKNOWN);
    iconMenu.MeasureItem(CMenu::FromHandle(menus.Sub2()), ICONMENU_TREE_BAR, &mis);
    EXPECT_EQ((UINT)(16 + 14 + 600 + 4), mis.itemWidth);
    EXPECT_GE(mis.itemHeight, 24u);

    // A's label and accelerator make the columns of menu 0; D shares them.
    mis.itemID = ID_A;
    mis.itemData = MakeMenuItemData(0, MENU_IMAGE_UNKNOWN);
    iconMenu.MeasureItem(CMenu::FromHandle(menus.File()), ICONMENU_TREE_BAR, &mis);
    UINT nWidthA = mis.itemWidth;
    mis.itemID = ID_D;
    iconMenu.MeasureItem(CMenu::FromHandle(menus.File()), ICONMENU_TREE_BAR, &mis);
    EXPECT_EQ(nWidthA, mis.itemWidth);
    EXPECT_GT(nWidthA, (UINT)(16 + 14 + 4 + 18));

    mis.itemID = 0; // the separator
    iconMenu.MeasureItem(CMenu::FromHandle(menus.File()), ICONMENU_TREE_BAR, &mis);
    EXPECT_EQ(4u, mis.itemWidth);
    EXPECT_EQ(8u, mis.itemHeight);
}

TEST(IconMenu, ContextMenuPreparedBeforeMeasuresPastTheCurrentTree)
{
    CTestMenus first;
    CIconMenu iconMenu;
    HMENU hFile = first.File();
    iconMenu.PreparePopupMenu(CMenu::FromHandle(hFile));
    EXPECT_EQ(3, iconMenu.GetMenuCount(ICONMENU_TREE_POPUP));
    CMenu other;
    other.CreatePopupMenu();
    other.AppendMenu(MF_STRING, ID_E, "一つだけ");
    iconMenu.PreparePopupMenu(&other);
    EXPECT_EQ(1, iconMenu.GetMenuCount(ICONMENU_TREE_POPUP));
    // Prepared before: left as it is.
    iconMenu.PreparePopupMenu(CMenu::FromHandle(hFile));
    EXPECT_EQ(1, iconMenu.GetMenuCount(ICONMENU_TREE_POPUP));

    // An item of the first menu's third sub-menu, measured in the new tree.
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ID_C;
    mis.itemData = ItemInfo(first.Sub2(), ID_C, FALSE).dwItemData;
    ASSERT_EQ(2, MenuNumberOfItemData(mis.itemData));
    iconMenu.MeasureItem(CMenu::FromHandle(first.Sub2()), ICONMENU_TREE_POPUP, &mis);
    EXPECT_GT(mis.itemWidth, 18u);
}

TEST(IconMenu, CommandImageIsLookedUpOnceAndDrawn)
{
    CTestMenus menus;
    CIconMenu iconMenu;
    iconMenu.CreateImageList(6, 16, 16);
    ASSERT_EQ(0, iconMenu.AddBitmap(IDB_LIST_SORT_ARROWS, 0x808000));
    iconMenu.SetImageEntryCount(2);
    EXPECT_TRUE(iconMenu.SetCommandImage(1, ID_A, 0, 1));
    EXPECT_FALSE(iconMenu.SetCommandImage(2, ID_D, 0, -1));
    iconMenu.PrepareMenu(&menus.bar);

    const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
    {
        CDrawnItem item(iconMenu, menus.File(), ID_A, 200, 24);
        // The arrow's tip in the middle of the image, over the menu colour.
        EXPECT_NE(crMenu, item.At(7 + 8, 12));
        EXPECT_EQ(crMenu, item.At(7 + 8, 2));
    }
    EXPECT_EQ(MakeMenuItemData(0, 1), ItemInfo(menus.File(), ID_A, FALSE).dwItemData);
    {
        CDrawnItem item(iconMenu, menus.File(), ID_D, 200, 24);
        EXPECT_EQ(crMenu, item.At(7 + 8, 12));
    }
    // No image: said once, so later drawings ask no more.
    EXPECT_EQ(MakeMenuItemData(0, MENU_IMAGE_NONE), ItemInfo(menus.File(), ID_D, FALSE).dwItemData);

    // A separator: a line in a shade of the menu colour, halfway down.
    CDrawnItem separator(iconMenu, menus.File(), 0, 200, 8);
    EXPECT_EQ(MenuSeparatorColor(crMenu), separator.At(16 + 14 + 5, 4));
    EXPECT_EQ(crMenu, separator.At(16 + 14 + 5, 2));

    HICON hIcon = iconMenu.GetIcon(0);
    EXPECT_NE(nullptr, hIcon);
    EXPECT_EQ(hIcon, iconMenu.GetIcon(0));
    EXPECT_EQ(nullptr, iconMenu.GetIcon(6));
}
#endif // _WIN32
