// The list control in a dialog, driven as a user drives it: header clicks
// sort, clicks and space toggle checks, a click on a link text tells the
// parent, the cursor turns into a hand over links, Ctrl+A selects all.
#ifdef _WIN32
#include "ListTestHost.h"
#include "afx/FrameWnd.h"
#include "app/FrameIconSource.h"
#include "app/IconMenu.h"
#include "app/TestAppComm.h"
#include "controls/ListControlResourceIds.h"

#include <memory>

namespace
{
// A record per row, for sorting by record.
class CTestRecord : public CListSortRecord
{
};

class CRecordList : public CCommListCtrl
{
public:
    void AddRecordRow(const char* text0, const char* text1)
    {
        m_records.push_back(std::make_unique<CTestRecord>());
        int nRow = InsertItem(GetItemCount(), text0);
        SetItemText(nRow, 1, text1);
        SetItemData(nRow, (DWORD_PTR)m_records.back().get());
    }
    CListSortRecord* GetItemRecord(DWORD_PTR dwItemData) override { return (CListSortRecord*)dwItemData; }

private:
    std::vector<std::unique_ptr<CTestRecord>> m_records;
};

class CommListCtrlTest : public ::testing::Test
{
protected:
    void Open(CCommListCtrl& list, DWORD dwStyle = kTestListStyle)
    {
        m_pHost = std::make_unique<CListHost>(list, dwStyle);
        ASSERT_TRUE(m_pHost->Open());
        PumpPending();
    }
    void TearDown() override
    {
        m_pHost.reset();
        PumpPending();
    }
    // The image a column's header shows, -1 for none.
    static int HeaderImage(CListCtrl& list, int nColumn)
    {
        HDITEMA hdi = {};
        hdi.mask = HDI_FORMAT | HDI_IMAGE;
        ::SendMessageA((HWND)list.SendMessage(LVM_GETHEADER), HDM_GETITEMA, nColumn, (LPARAM)&hdi);
        return (hdi.fmt & HDF_IMAGE) != 0 ? hdi.iImage : -1;
    }

    CTestAppComm m_app;
    std::unique_ptr<CListHost> m_pHost;
};
} // namespace

TEST_F(CommListCtrlTest, HeaderClicksSortInBothModesAndReverse)
{
    for (int nMode : {LIST_SORT_BY_ROW, LIST_SORT_BY_RECORD})
    {
        CRecordList list;
        Open(list);
        AddColumns(list, {80, 80});
        list.AddRecordRow("バナナ", "2");
        list.AddRecordRow("apple", "3");
        list.AddRecordRow("Cherry", "1");
        list.SetSortMode(nMode);

        // A new column sorts descending first.
        ClickHeader(list, 0);
        EXPECT_STREQ("バナナ|Cherry|apple", ColumnTexts(list, 0)) << "mode " << nMode;
        EXPECT_STREQ("2|1|3", ColumnTexts(list, 1));
        EXPECT_EQ(1, HeaderImage(list, 0));
        ClickHeader(list, 0);
        EXPECT_STREQ("apple|Cherry|バナナ", ColumnTexts(list, 0));
        EXPECT_EQ(0, HeaderImage(list, 0));
        // Another column: its arrow, and none on the first.
        ClickHeader(list, 1);
        EXPECT_STREQ("3|2|1", ColumnTexts(list, 1));
        EXPECT_EQ(-1, HeaderImage(list, 0));
        EXPECT_EQ(1, HeaderImage(list, 1));
        m_pHost.reset();
    }
}

TEST_F(CommListCtrlTest, OneColumnListSortsAndKeepsItsOneColumn)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {150});
    AddRows(list, {{"b"}, {"c"}, {"a"}});
    list.SetSortMode(LIST_SORT_BY_ROW);
    ClickHeader(list, 0);
    EXPECT_STREQ("c|b|a", ColumnTexts(list, 0));
    EXPECT_EQ(1, list.GetColumnCount());
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    EXPECT_FALSE(list.GetColumn(1, &column));
}

TEST_F(CommListCtrlTest, EmptyColumnOrNoModeLeavesTheOrder)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {80, 80});
    AddRows(list, {{"b", ""}, {"c", ""}, {"a", ""}});
    list.SetSortMode(LIST_SORT_BY_ROW);
    ClickHeader(list, 1);
    EXPECT_STREQ("b|c|a", ColumnTexts(list, 0));
    EXPECT_TRUE(list.IsSortColumnEmpty());

    list.SetSortMode(LIST_SORT_NONE);
    ClickHeader(list, 0);
    EXPECT_STREQ("b|c|a", ColumnTexts(list, 0));
}

TEST_F(CommListCtrlTest, ChecksStayWithTheirRowsAndGoWithAllRows)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {80, 80});
    AddRows(list, {{"b", "x"}, {"d", "y"}, {"a", "z"}, {"c", "w"}});
    list.SetColumnStyle(0, LISTCOLUMN_CHECKBOX);
    list.SetCellFlags(0, 0, LISTCELL_CHECKED);                  // b
    list.SetCellFlags(2, 0, LISTCELL_CHECKED | LISTCELL_FIXED); // a
    list.SetSortMode(LIST_SORT_BY_ROW);
    list.SetSortColumn(0);
    list.SetDescending(FALSE);
    ASSERT_TRUE(list.SortByClickedColumn(0));
    ASSERT_STREQ("a|b|c|d", ColumnTexts(list, 0));
    EXPECT_EQ(LISTCELL_CHECKED | LISTCELL_FIXED, list.GetCellFlags(0, 0));
    EXPECT_EQ(LISTCELL_CHECKED, list.GetCellFlags(1, 0));
    EXPECT_EQ(0, list.GetCellFlags(2, 0));

    // b moves to the end; c and d move up.
    EXPECT_EQ(3, list.MoveRow(1, 3));
    ASSERT_STREQ("a|c|d|b", ColumnTexts(list, 0));
    EXPECT_EQ(LISTCELL_CHECKED, list.GetCellFlags(3, 0));
    EXPECT_EQ(0, list.GetCellFlags(1, 0));
    EXPECT_EQ(2, list.MoveRow(2, 2));
    EXPECT_EQ(-1, list.MoveRow(0, 4));

    EXPECT_TRUE(list.AnyCellFlagged(0, TRUE));
    EXPECT_TRUE(list.DeleteAllRows());
    AddRows(list, {{"e", ""}, {"f", ""}});
    EXPECT_EQ(0, list.GetCellFlags(0, 0));
    EXPECT_FALSE(list.AnyCellFlagged(0, FALSE));
}

TEST_F(CommListCtrlTest, SpaceAndClicksToggleChecksThatAreNotFixed)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {80, 80});
    AddRows(list, {{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}});
    list.SetColumnStyle(0, LISTCOLUMN_CHECKBOX);
    list.SetCellFlags(1, 0, LISTCELL_FIXED);
    list.SetCellFlags(2, 0, LISTCELL_CHECKED);
    for (int nRow : {0, 1, 2})
        list.SetItemStateMasked(nRow, LVIS_SELECTED, LVIS_SELECTED);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(LISTCELL_CHECKED, list.GetCellFlags(0, 0));
    EXPECT_EQ(LISTCELL_FIXED, list.GetCellFlags(1, 0));
    EXPECT_EQ(0, list.GetCellFlags(2, 0));
    EXPECT_EQ(0, list.GetCellFlags(3, 0)); // not selected

    // A click on a check square toggles it, beside it not.
    CRect rcCell;
    ASSERT_TRUE(list.GetCellRect(3, 0, LVIR_BOUNDS, &rcCell));
    CRect rcCheck = GetCheckSquareRect(rcCell);
    ClickAt(list, rcCheck.CenterPoint());
    EXPECT_EQ(LISTCELL_CHECKED, list.GetCellFlags(3, 0));
    ClickAt(list, CPoint(rcCell.right - 5, rcCell.CenterPoint().y));
    EXPECT_EQ(LISTCELL_CHECKED, list.GetCellFlags(3, 0));
    ASSERT_TRUE(list.GetCellRect(1, 0, LVIR_BOUNDS, &rcCell));
    ClickAt(list, GetCheckSquareRect(rcCell).CenterPoint());
    EXPECT_EQ(LISTCELL_FIXED, list.GetCellFlags(1, 0));

    EXPECT_EQ(4, list.SetColumnChecks(0, TRUE, TRUE));
    EXPECT_EQ(LISTCELL_FIXED, list.GetCellFlags(1, 0));
    EXPECT_EQ(LISTCELL_CHECKED, list.GetCellFlags(2, 0));
    list.SetColumnChecks(0, FALSE, FALSE);
    EXPECT_EQ(LISTCELL_FIXED, list.GetCellFlags(1, 0));
    EXPECT_FALSE(list.AnyCellFlagged(0, FALSE));
}

TEST_F(CommListCtrlTest, LinkClickTellsTheParentAndTheHandShowsOverLinksOnly)
{
    CTestCursorList<CCommListCtrl> list;
    Open(list);
    AddColumns(list, {80, 120});
    AddRows(list, {{"a", "リンク"}, {"b", ""}, {"c", "もう一つ"}});
    list.SetColumnStyle(1, LISTCOLUMN_LINK);
    list.SetColumnStyle(0, LISTCOLUMN_CHECKBOX);
    list.SetCellFlags(2, 0, LISTCELL_FIXED);
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    CRect rcLink, rcCell;
    EXPECT_FALSE(list.GetCellLinkRect(1, 1, &rcLink)); // no text, no link
    ASSERT_TRUE(list.GetCellLinkRect(2, 1, &rcLink));
    ASSERT_TRUE(list.GetCellRect(2, 1, LVIR_BOUNDS, &rcCell));
    ClickAt(list, rcLink.CenterPoint());
    ClickAt(list, CPoint(rcCell.right - 3, rcCell.CenterPoint().y)); // beside the text
    ASSERT_EQ(1u, m_pHost->m_linkClicks.size());
    EXPECT_EQ(std::make_pair(2, 1), m_pHost->m_linkClicks[0]);

    CRect rcCheck0, rcFixed;
    ASSERT_TRUE(list.GetCellRect(0, 0, LVIR_BOUNDS, &rcCheck0));
    ASSERT_TRUE(list.GetCellRect(2, 0, LVIR_BOUNDS, &rcFixed));
    struct Case
    {
        const char* where;
        CPoint pt;
        BOOL bHand;
    } cases[] = {
        {"link text", rcLink.CenterPoint(), TRUE},
        {"beside the link text", CPoint(rcCell.right - 3, rcCell.CenterPoint().y), FALSE},
        {"check box", GetCheckSquareRect(rcCheck0).CenterPoint(), TRUE},
        {"fixed check box", GetCheckSquareRect(rcFixed).CenterPoint(), FALSE},
        {"plain cell", CPoint(rcCheck0.right - 5, rcCheck0.CenterPoint().y), FALSE},
    };
    HCURSOR hHand = ::LoadCursor(nullptr, IDC_HAND);
    for (const Case& c : cases)
    {
        list.SetCursorAt(c.pt);
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        list.SendMessage(WM_SETCURSOR, (WPARAM)list.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(c.bHand, ::GetCursor() == hHand) << c.where;
    }

    // A link whose text went is forgotten when it is drawn again.
    list.SetItemText(2, 1, "");
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(list.GetCellLinkRect(2, 1, &rcLink));
}

TEST_F(CommListCtrlTest, CtrlASelectsEveryRow)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {80});
    AddRows(list, {{"a"}, {"b"}, {"c"}});
    {
        CHeldKeys keys({VK_CONTROL});
        list.PostMessage(WM_KEYDOWN, 'A', 1);
        PumpPending();
    }
    EXPECT_EQ(3u, list.GetSelectedCount());
}

TEST_F(CommListCtrlTest, EmptyAreaClicksClearTheSelectionUnlessCtrlIsHeld)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {60, 60});
    AddRows(list, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    CRect rcClient;
    list.GetClientRect(&rcClient);
    CPoint ptBelow(10, rcClient.bottom - 5);
    CPoint ptRight(rcClient.right - 5, CellCenter(list, 0, 0).y);

    list.SelectSingleItem(1);
    {
        CHeldKeys keys({VK_CONTROL});
        ClickAt(list, ptBelow, MK_CONTROL);
    }
    EXPECT_TRUE(list.IsRowSelected(1));
    ClickAt(list, ptBelow);
    EXPECT_EQ(0u, list.GetSelectedCount());

    list.SelectSingleItem(2);
    list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ptRight.x, ptRight.y));
    EXPECT_EQ(0u, list.GetSelectedCount());
    EXPECT_EQ(::GetFocus(), list.m_hWnd);
}

TEST_F(CommListCtrlTest, RowsAreDrawnInTheirColoursWithGridAndFocusFrame)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {80, 80});
    AddRows(list, {{"", ""}, {"", ""}});
    const COLORREF crRow = RGB(250, 240, 200);
    const COLORREF crSelected = RGB(200, 220, 250);
    list.SetRowBkColor(crRow);
    list.SetSelectedBkColor(crSelected);
    list.SetGridColor(RGB(0, 128, 0));
    list.SetItemStateMasked(1, LVIS_SELECTED, LVIS_SELECTED);
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CRect rcRow0, rcRow1;
    ASSERT_TRUE(list.GetItemRect(0, &rcRow0, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetItemRect(1, &rcRow1, LVIR_BOUNDS));
    EXPECT_EQ(20, rcRow0.Height()) << "the row height reached the list view";

    CClientPixels pixels(list.m_hWnd);
    EXPECT_EQ(crRow, pixels.At(20, rcRow0.top + 8));
    EXPECT_EQ(crSelected, pixels.At(20, rcRow1.top + 8));
    // The grid: the last pixel row of a row and the last column of a cell.
    EXPECT_EQ(RGB(0, 128, 0), pixels.At(20, rcRow0.bottom - 1));
    EXPECT_EQ(RGB(0, 128, 0), pixels.At(79, rcRow0.top + 8));
}

namespace
{
// A dialog that keeps WM_MEASUREITEM to itself; WM_DRAWITEM still reaches
// the list.
class CNoMeasureHost : public CListHost
{
public:
    using CListHost::CListHost;

protected:
    afx_msg void OnMeasureItem(int, LPMEASUREITEMSTRUCT) {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoMeasureHost, CListHost)
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()
} // namespace

TEST_F(CommListCtrlTest, RowsAppearUnderAParentThatReflectsNoMeasuring)
{
    CCommListCtrl list;
    CNoMeasureHost host(list);
    ASSERT_TRUE(host.Open());
    AddColumns(list, {100, 100});
    AddRows(list, {{"a", "b"}, {"c", "d"}});
    const COLORREF crRow = RGB(250, 240, 200);
    list.SetRowBkColor(crRow);
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CRect rcRow;
    ASSERT_TRUE(list.GetItemRect(1, &rcRow, LVIR_BOUNDS));
    EXPECT_NE(20, rcRow.Height()) << "the list view kept its own height";
    CClientPixels pixels(list.m_hWnd);
    EXPECT_EQ(crRow, pixels.At(90, rcRow.top + 2));
    EXPECT_EQ(crRow, pixels.At(190, rcRow.bottom - 3));
}

TEST_F(CommListCtrlTest, LongCellEndsInAnEllipsisInsideItsCell)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {150, 60});
    CString strLong('W', 300);
    AddRows(list, {{strLong, ""}, {"W", ""}});
    list.SetItemText(0, 1, "");
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CClientPixels pixels(list.m_hWnd);
    CRect rcRow;
    ASSERT_TRUE(list.GetItemRect(0, &rcRow, LVIR_BOUNDS));
    // The last characters of the text area are the ellipsis's dots, which
    // leave most of it blank; cut-off W's would fill it.
    CRect rcEnd(150 - 1 - 5 - 12, rcRow.top + 1, 150 - 1 - 5, rcRow.bottom - 2);
    int nInk = pixels.CountOtherThan(rcEnd, RGB(255, 255, 255));
    EXPECT_GT(nInk, 0);
    EXPECT_LT(nInk, rcEnd.Width() * rcEnd.Height() / 4);
    // Nothing of it in the next cell.
    CRect rcNext(151, rcRow.top, 150 + 59, rcRow.bottom - 1);
    EXPECT_EQ(0, pixels.CountOtherThan(rcNext, RGB(255, 255, 255)));
}

TEST_F(CommListCtrlTest, FindTextSelectsTheNextMatchingRow)
{
    CCommListCtrl list;
    Open(list);
    AddColumns(list, {80, 80});
    AddRows(list, {{"りんご", "赤"}, {"メロン", "緑"}, {"キウイ", "緑"}, {"ぶどう", "紫"}});
    list.SelectSingleItem(0);
    EXPECT_TRUE(list.FindNextAndSelect("緑", -1, -1, TRUE, FALSE));
    EXPECT_EQ(1, list.GetCurrentRow());
    EXPECT_TRUE(list.FindNextAndSelect("緑", -1, 1, TRUE, FALSE));
    EXPECT_EQ(2, list.GetCurrentRow());
    EXPECT_FALSE(list.FindNextAndSelect("緑", -1, 1, TRUE, FALSE));
    EXPECT_EQ(2, list.GetCurrentRow());
    EXPECT_TRUE(list.FindNextAndSelect("緑", -1, -1, TRUE, TRUE));
    EXPECT_EQ(1, list.GetCurrentRow());

    EXPECT_EQ(1, list.MoveSelectedItem(TRUE) + 1); // up to row 0
    EXPECT_STREQ("メロン|りんご|キウイ|ぶどう", ColumnTexts(list, 0));
}
namespace
{
// Column 1 shows the application icon in every row.
class CIconList : public CCommListCtrl
{
public:
    HICON GetCellIcon(int, int nColumn, BOOL) override
    {
        return nColumn == 1 ? ::LoadIcon(nullptr, IDI_APPLICATION) : nullptr;
    }
};
} // namespace

TEST_F(CommListCtrlTest, IconCellsShowTheirIconAndFixedChecksAreTinted)
{
    CIconList list;
    Open(list);
    AddColumns(list, {80, 80});
    AddRows(list, {{"", "テキスト"}, {"", ""}});
    list.SetColumnStyle(0, LISTCOLUMN_CHECKBOX);
    list.SetColumnStyle(1, LISTCOLUMN_ICON);
    list.SetCellFlags(0, 0, LISTCELL_FIXED);
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CClientPixels pixels(list.m_hWnd);
    CRect rcIcon, rcCheck, rcFree;
    ASSERT_TRUE(list.GetCellRect(0, 1, LVIR_BOUNDS, &rcIcon));
    // The icon in the middle of the cell, and no text where text would start.
    rcIcon.right -= 1;
    rcIcon.bottom -= 1;
    CRect rcMiddle(rcIcon.CenterPoint().x - 8, rcIcon.CenterPoint().y - 8, rcIcon.CenterPoint().x + 8,
                   rcIcon.CenterPoint().y + 8);
    EXPECT_GT(pixels.CountOtherThan(rcMiddle, RGB(255, 255, 255)), 20);
    CRect rcTextStart(rcIcon.left + 1, rcIcon.top + 1, rcMiddle.left - 1, rcIcon.bottom - 1);
    EXPECT_EQ(0, pixels.CountOtherThan(rcTextStart, RGB(255, 255, 255)));
    // The fixed check box's inside is light grey; the free one's white.
    ASSERT_TRUE(list.GetCellRect(0, 0, LVIR_BOUNDS, &rcCheck));
    EXPECT_EQ(RGB(0xD0, 0xD0, 0xD0), pixels.At(rcCheck.left + 3 + 4, rcCheck.top + 3 + 4));
    ASSERT_TRUE(list.GetCellRect(1, 0, LVIR_BOUNDS, &rcFree));
    EXPECT_EQ(RGB(255, 255, 255), pixels.At(rcFree.left + 3 + 4, rcFree.top + 3 + 4));
}

namespace
{
// A main frame with an icon menu of the sort arrows.
class CIconMenuFrame : public CFrameWnd, public CFrameIconSource
{
public:
    CIconMenuFrame()
    {
        m_iconMenu.CreateImageList(6, 16, 16);
        m_iconMenu.AddBitmap(IDB_LIST_SORT_ARROWS, 0x808000);
    }
    BOOL SetWindowIconFromMenu(CWnd*, int) override { return FALSE; }
    CIconMenu* GetIconMenu() override { return &m_iconMenu; }
    CIconMenu m_iconMenu;
};
} // namespace

TEST_F(CommListCtrlTest, FrameMenuIconsComeFromTheMainFramesIconMenu)
{
    CIconMenuFrame* pFrame = new CIconMenuFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "アイコン"));
    CCommListCtrl list;
    CListHost host(list);
    ASSERT_TRUE(host.Open(pFrame));
    HICON hIcon = list.GetFrameMenuIcon(2);
    EXPECT_NE(nullptr, hIcon);
    EXPECT_EQ(hIcon, list.GetFrameMenuIcon(2)); // made once
    EXPECT_EQ(nullptr, list.GetFrameMenuIcon(-1));
    EXPECT_EQ(nullptr, list.GetFrameMenuIcon(6));
    host.DestroyWindow();
    pFrame->DestroyWindow();

    // No frame of that kind: no icon.
    CCommListCtrl plain;
    Open(plain);
    EXPECT_EQ(nullptr, plain.GetFrameMenuIcon(0));
}

#endif // _WIN32
