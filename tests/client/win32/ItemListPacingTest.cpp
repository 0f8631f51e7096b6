// The item list's paced rows: while pacing, appended rows reach the list
// view's count by a timer or at once when pacing ends, in the order they
// came, and the first rows at once; without pacing every append shows.
#include <gtest/gtest.h>

#include "app/DialogTestUtil.h"
#include "app/TestAppComm.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoListCtrl.h"
#include "controls/ListTestHost.h"

#include <vector>

namespace
{
class ItemListPacingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Open());
        m_list.InsertColumn(0, "ID", LVCFMT_LEFT, 100);
    }
    void TearDown() override { m_host.DestroyWindow(); }

    // Appends nCount items named from nFirst on.
    void Append(int nFirst, int nCount)
    {
        std::vector<TanzoAuctionItem*> items;
        for (int i = nFirst; i < nFirst + nCount; ++i)
        {
            CString strId;
            strId.Format("x%04d", i);
            items.push_back(new TanzoAuctionItem);
            items.back()->SetAuctionID(strId);
        }
        m_list.AppendRows(items.data(), (int)items.size());
    }
    void ExpectRowsInOrder(int nCount)
    {
        ASSERT_EQ(nCount, m_list.GetItemCount());
        for (int nRow = 0; nRow < nCount; ++nRow)
        {
            CString strId;
            strId.Format("x%04d", nRow);
            ASSERT_STREQ(strId, m_list.GetRowRecord(nRow)->GetAuctionID()) << "row " << nRow;
        }
    }

    CTanzoListCtrl m_list;
    CListHost m_host{m_list, kTestListStyle | LVS_OWNERDATA, 200, 120};
};

TEST_F(ItemListPacingTest, PacedRowsComeByTheTimerOrWhenPacingEnds)
{
    for (bool bEndPacing : {false, true})
    {
        SCOPED_TRACE(bEndPacing ? "pacing ended" : "timer");
        m_list.ReleaseAllRows();
        m_list.SetPacedCount(TRUE);
        Append(0, 50);
        // The first page shows at once.
        EXPECT_EQ(50, m_list.GetItemCount());
        for (int nPage = 1; nPage < 20; ++nPage)
            Append(nPage * 50, 50);
        EXPECT_EQ(1000, m_list.GetItemArraySize());
        if (bEndPacing)
            m_list.SetPacedCount(FALSE);
        else
            EXPECT_TRUE(PumpUntil([this] { return m_list.GetItemCount() == 1000; }));
        ExpectRowsInOrder(1000);
        m_list.SetPacedCount(FALSE);
    }
}

TEST_F(ItemListPacingTest, WithoutPacingEveryAppendShows)
{
    Append(0, 50);
    Append(50, 50);
    ExpectRowsInOrder(100);
    m_list.ReleaseAllRows();
    EXPECT_EQ(0, m_list.GetItemCount());
    EXPECT_EQ(0, m_list.GetItemArraySize());
}
} // namespace
