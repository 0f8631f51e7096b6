// Pictures of the lists and the icon menus as a user sees them, written to
// the test program's "screenshots" folder: a list with coloured rows,
// check boxes, link cells and a sort arrow, and an open icon menu.
#ifdef _WIN32
#include "ListTestHost.h"
#include "afx/Menu.h"
#include "app/DialogTestUtil.h"
#include "app/IconMenu.h"
#include "app/Screenshot.h"
#include "app/TestAppComm.h"
#include "controls/ListControlResourceIds.h"

namespace
{
// Rows in alternating colours, the price column in red.
class CColouredList : public CCommListCtrl
{
public:
    COLORREF GetItemBkColor(int nRow, BOOL bSelected) override
    {
        if (bSelected)
            return CCommListCtrl::GetItemBkColor(nRow, bSelected);
        return nRow % 2 == 0 ? RGB(0xFF, 0xF8, 0xE0) : RGB(0xE0, 0xF0, 0xFF);
    }
    COLORREF GetColumnTextColor(int nRow, int nColumn, BOOL bSelected) override
    {
        return nColumn == 2 ? RGB(0xC0, 0, 0) : CCommListCtrl::GetColumnTextColor(nRow, nColumn, bSelected);
    }
};

// A window that draws its context menu with an icon menu.
class CMenuOwner : public CWnd
{
public:
    CMenuOwner()
    {
        CreateEx(0, AfxRegisterWndClass(0), "メニュー", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 300,
                 200, nullptr, nullptr);
    }
    ~CMenuOwner() override { DestroyWindow(); }
    CIconMenu m_iconMenu;
    HMENU m_hPopup = nullptr;

protected:
    afx_msg void OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
    {
        m_iconMenu.MeasureItem(CMenu::FromHandle(m_hPopup), ICONMENU_TREE_POPUP, lpMeasureItemStruct);
    }
    afx_msg void OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        m_iconMenu.DrawItem(ICONMENU_TREE_POPUP, lpDrawItemStruct);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwner, CWnd)
ON_WM_MEASUREITEM()
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class ListScreenshotTest : public ::testing::Test
{
protected:
    ListScreenshotTest() : m_app("たんぞ") {}
    CTestAppComm m_app;
};
} // namespace

TEST_F(ListScreenshotTest, ListWithColouredRowsChecksLinksAndSortArrow)
{
    RUN_IN_SCREENSHOT_PROCESS();
    ScreenshotResult shot;
    std::string missing;
    const BOOL bRan = RunInVirtualDesktop(
        [&]
        {
            CColouredList list;
            CListHost host(list, kTestListStyle, 300, 110);
            ASSERT_TRUE(host.Open());
            host.SetWindowText("出品中の商品");
            list.InsertColumn(0, "商品名", LVCFMT_LEFT, 200);
            list.InsertColumn(1, "オークションID", LVCFMT_LEFT, 110);
            list.InsertColumn(2, "現在価格", LVCFMT_RIGHT, 90);
            AddRows(list, {{"腕時計 ステンレス", "x100000001", "12,000円"},
                           {"カメラ レンズ 50mm", "x100000002", "8,500円"},
                           {"ギター 弦セット", "x100000003", "1,200円"},
                           {"切手 シート 未使用", "x100000004", "3,000円"},
                           {"CD アルバム 初回盤", "x100000005", "2,400円"}});
            list.SetColumnStyle(0, LISTCOLUMN_CHECKBOX);
            list.SetColumnStyle(1, LISTCOLUMN_LINK | LISTCOLUMN_UNDERLINE);
            list.SetLinkColumnsColor(RGB(0, 0, 0xC0));
            list.SetCellFlags(0, 0, LISTCELL_CHECKED);
            list.SetCellFlags(2, 0, LISTCELL_CHECKED | LISTCELL_FIXED);
            list.SetCellFlags(3, 0, LISTCELL_FIXED);
            list.SetSortMode(LIST_SORT_BY_ROW);
            list.SetSortColumn(2);
            list.SetDescending(FALSE);
            list.SortByClickedColumn(2);
            list.SelectSingleItem(1);
            host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
            PumpUntil(
                [&]
                {
                    shot = SaveWindowScreenshot(host.m_hWnd, "list-rows");
                    return shot.nColours > 8;
                },
                10000);
            missing = MissingGlyphs(host.m_hWnd);
        });
    ASSERT_TRUE(bRan) << "no virtual desktop";
    EXPECT_TRUE(shot.bSaved) << shot.path;
    EXPECT_GT(shot.nColours, 8);
    EXPECT_EQ("", missing);
}

TEST_F(ListScreenshotTest, OpenIconMenu)
{
    RUN_IN_SCREENSHOT_PROCESS();
    ScreenshotResult shot;
    const BOOL bRan = RunInVirtualDesktop(
        [&]
        {
            enum
            {
                ID_OPEN = 41001,
                ID_SAVE,
                ID_CHECKED,
                ID_GREY,
                ID_PLAIN
            };
            CMenuOwner owner;
            CIconMenu& iconMenu = owner.m_iconMenu;
            iconMenu.CreateImageList(6, 16, 16);
            iconMenu.AddBitmap(IDB_LIST_SORT_ARROWS, 0x808000);
            iconMenu.SetImageEntryCount(3);
            iconMenu.SetCommandImage(0, ID_OPEN, 0, 1);
            iconMenu.SetCommandImage(1, ID_SAVE, 2, 3);
            iconMenu.SetCommandImage(2, ID_GREY, 4, 5);
            CMenu popup;
            popup.CreatePopupMenu();
            popup.AppendMenu(MF_STRING, ID_OPEN, "開く(&O)...\tCtrl+O");
            popup.AppendMenu(MF_STRING, ID_SAVE, "上書き保存(&S)\tCtrl+S");
            popup.AppendMenu(MF_SEPARATOR);
            popup.AppendMenu(MF_STRING | MF_CHECKED, ID_CHECKED, "ツールバー(&T)");
            popup.AppendMenu(MF_STRING | MF_GRAYED, ID_GREY, "使えない項目");
            popup.AppendMenu(MF_STRING, ID_PLAIN, "画像のない項目(&N)\tF5");
            owner.m_hPopup = popup.m_hMenu;
            iconMenu.PreparePopupMenu(&popup);
            CloseMenuSoon(nullptr,
                          [&](HWND hMenuWnd)
                          {
                              PumpUntil(
                                  [&]
                                  {
                                      shot = SaveWindowScreenshot(hMenuWnd, "icon-menu");
                                      return shot.nColours > 4;
                                  },
                                  10000);
                          });
            popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 120, 140, &owner);
        });
    ASSERT_TRUE(bRan) << "no virtual desktop";
    EXPECT_TRUE(shot.bSaved) << shot.path;
    EXPECT_GT(shot.nColours, 4);
}
#endif // _WIN32
