// The owner-data list over item pointers: a sort keeps selection and focus
// with their items, a move swaps two items, deleting shifts them, the
// count drops or adds rows and texts are cut to the list view's buffer.
#ifdef _WIN32
#include "ListTestHost.h"
#include "app/TestAppComm.h"
#include "controls/CommListCtrlOwnerData.h"

#include <memory>

namespace
{
struct CItem
{
    CString strName;
    CString strNote;
};

class CItemList : public CCommListCtrlOwnerData
{
public:
    BOOL GetItemColumnText(void* pItem, int nColumn, CString* pText, int nForSort) override
    {
        auto* p = (CItem*)pItem;
        *pText = nColumn == 0 ? p->strName : p->strNote;
        if (nForSort)
            ++m_nSortTexts;
        return TRUE;
    }
    void Fill(std::vector<CItem>& items)
    {
        SetItemCount((int)items.size(), 0);
        for (size_t i = 0; i < items.size(); ++i)
            SetItemPtr((int)i, &items[i]);
    }
    int m_nSortTexts = 0;
};

const DWORD kOwnerDataStyle = kTestListStyle | LVS_OWNERDATA;

class OwnerDataListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = std::make_unique<CListHost>(m_list, kOwnerDataStyle);
        ASSERT_TRUE(m_pHost->Open());
        AddColumns(m_list, {100, 100});
    }
    void TearDown() override
    {
        m_list.SetItemCount(0, 0);
        m_pHost.reset();
        PumpPending();
    }
    // Items "item000" ... with notes counting down.
    void MakeItems(int nCount)
    {
        m_items.resize(nCount);
        for (int i = 0; i < nCount; ++i)
        {
            m_items[i].strName.Format("item%03d", i);
            m_items[i].strNote.Format("%03d", nCount - 1 - i);
        }
        m_list.Fill(m_items);
    }
    CItem* ItemAt(int nRow) { return (CItem*)m_list.GetItemPtr(nRow); }

    CTestAppComm m_app;
    CItemList m_list;
    std::unique_ptr<CListHost> m_pHost;
    std::vector<CItem> m_items;
};
} // namespace

TEST_F(OwnerDataListTest, SortKeepsSelectionAndFocusWithTheirItemsAlsoOffThePage)
{
    MakeItems(200);
    m_list.SetSortMode(LIST_SORT_BY_ROW);
    m_list.SetItemStateMasked(5, LVIS_SELECTED, LVIS_SELECTED);
    m_list.SetItemStateMasked(150, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(0);
    ASSERT_LT(m_list.GetTopIndex() + m_list.GetCountPerPage(), 150) << "row 150 lies off the page";

    // Notes descending (item000 first), then ascending.
    m_list.SetSortColumn(1);
    m_list.SetDescending(TRUE);
    ASSERT_TRUE(m_list.SortByClickedColumn(1));
    EXPECT_STREQ("item000", ItemAt(0)->strName);
    m_list.ToggleDescending();
    ASSERT_TRUE(m_list.SortByClickedColumn(1));
    // Ascending by note: item199 first, item150 at row 49, item005 at row 194.
    ASSERT_STREQ("item199", ItemAt(0)->strName);
    CList<int, int> rows;
    CPtrList items;
    ASSERT_TRUE(m_list.GetSelectedItemPtrs(&items, &rows));
    ASSERT_EQ(2, rows.GetCount());
    EXPECT_EQ(49, rows.GetHead());
    EXPECT_EQ(194, rows.GetTail());
    EXPECT_EQ(&m_items[150], items.GetHead());
    EXPECT_EQ(&m_items[5], items.GetTail());
    EXPECT_EQ(49, m_list.GetFocusedRow());
    EXPECT_EQ(&m_items[150], m_list.GetFirstSelectedItemPtr());
    // Each row's key was taken once per sort.
    EXPECT_EQ(2 * 200, m_list.m_nSortTexts);
}

TEST_F(OwnerDataListTest, ChecksFollowTheirItemsThroughSortAndSwap)
{
    MakeItems(6);
    m_list.SetColumnStyle(0, LISTCOLUMN_CHECKBOX);
    m_list.SetCellFlags(1, 0, LISTCELL_CHECKED); // item001
    m_list.SetSortMode(LIST_SORT_BY_ROW);
    m_list.SetSortColumn(1);
    m_list.SetDescending(FALSE);
    ASSERT_TRUE(m_list.SortByClickedColumn(1)); // notes ascending: item005 ... item000
    ASSERT_EQ(&m_items[1], m_list.GetItemPtr(4));
    EXPECT_EQ(LISTCELL_CHECKED, m_list.GetCellFlags(4, 0));
    EXPECT_EQ(0, m_list.GetCellFlags(1, 0));
    EXPECT_EQ(2, m_list.MoveRow(4, 2));
    EXPECT_EQ(&m_items[1], m_list.GetItemPtr(2));
    EXPECT_EQ(LISTCELL_CHECKED, m_list.GetCellFlags(2, 0));
}

TEST_F(OwnerDataListTest, MovingSwapsDeletingShiftsAndTheCountDropsOrAddsRows)
{
    MakeItems(8);
    EXPECT_EQ(5, m_list.MoveRow(3, 5));
    EXPECT_EQ(&m_items[5], m_list.GetItemPtr(3));
    EXPECT_EQ(&m_items[4], m_list.GetItemPtr(4));
    EXPECT_EQ(&m_items[3], m_list.GetItemPtr(5));
    EXPECT_EQ(2, m_list.MoveRow(2, 2));
    EXPECT_EQ(-1, m_list.MoveRow(2, 8));
    EXPECT_STREQ("item003", m_list.GetItemText(5, 0));

    EXPECT_TRUE(m_list.DeleteRow(1));
    EXPECT_EQ(7, m_list.GetItemCount());
    EXPECT_EQ(7, m_list.GetItemArraySize());
    EXPECT_EQ(&m_items[2], m_list.GetItemPtr(1));
    EXPECT_STREQ("item002", m_list.GetItemText(1, 0));

    EXPECT_TRUE(m_list.SetItemCount(3, 0));
    EXPECT_EQ(3, m_list.GetItemCount());
    EXPECT_EQ(nullptr, m_list.GetItemPtr(3));
    EXPECT_TRUE(m_list.SetItemCount(5, 0));
    EXPECT_EQ(5, m_list.GetItemCount());
    EXPECT_EQ(nullptr, m_list.GetItemPtr(4));
    EXPECT_STREQ("", m_list.GetItemText(4, 0));
    EXPECT_STREQ("item000", m_list.GetItemText(0, 0));

    EXPECT_EQ(2, m_list.FindItemIndexInRange(&m_items[5], -1, -1));
    EXPECT_EQ(-1, m_list.FindItemIndexInRange(&m_items[7], 0, 99));
    EXPECT_EQ(0, m_list.FindVisibleItemIndex(&m_items[0]));

    EXPECT_TRUE(m_list.DeleteAllRows());
    EXPECT_EQ(0, m_list.GetItemArraySize());
    EXPECT_EQ(nullptr, m_list.GetItemPtr(0));
}

TEST_F(OwnerDataListTest, TextsAreCutToTheListViewsBuffer)
{
    MakeItems(1);
    m_items[0].strName = "あいうえお";
    char buf[8];
    std::memset(buf, 'x', sizeof(buf));
    // Seven bytes of room: three two-byte characters, never half of one.
    EXPECT_EQ(6, m_list.GetItemText(0, 0, buf, 8));
    EXPECT_STREQ("あいう", buf);
    CString strLong('a', 1000);
    m_items[0].strNote = strLong;
    EXPECT_EQ(strLong, m_list.GetCellText(0, 1));
}
#endif // _WIN32
