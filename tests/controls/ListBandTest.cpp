// The rubber band in a real list: a drag in the empty part shows the band
// and selects the rows it covers; far below the list it scrolls to the end
// in a loop; the band shows as a layered window and, without one, as an
// opaque window over the band.
#ifdef _WIN32
#include "ListTestHost.h"
#include "app/TestAppComm.h"
#include "controls/CommListCtrlOwnerData.h"
#include "controls/TranslucentPopup.h"

#include <memory>

namespace
{
class CNumberList : public CCommListCtrlOwnerData
{
public:
    BOOL GetItemColumnText(void* pItem, int, CString* pText, int) override
    {
        pText->Format("%d", *(int*)pItem);
        return TRUE;
    }
    // How deep DragMove calls nest.
    void DragMove(CPoint point) override
    {
        ++m_nDepth;
        m_nMaxDepth = m_nDepth > m_nMaxDepth ? m_nDepth : m_nMaxDepth;
        CCommListCtrlOwnerData::DragMove(point);
        --m_nDepth;
    }
    int m_nDepth = 0;
    int m_nMaxDepth = 0;
};

// Starts a band at a client point of the list's empty part: the button
// goes down there and the mouse moves away at once.
template <class TList> void StartBand(CTestCursorList<TList>& list, CPoint pt, UINT nKeys = 0)
{
    list.SetCursorAt(pt);
    CHeldKeys keys({VK_LBUTTON});
    // DragDetect takes this move from the queue.
    list.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30000, 30000));
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | nKeys, MAKELPARAM(pt.x, pt.y));
}

// Moves the mouse to a client point during the drag.
template <class TList> void MoveBand(CTestCursorList<TList>& list, CPoint pt)
{
    list.SetCursorAt(pt);
    list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

class ListBandTest : public ::testing::Test
{
protected:
    void Open(CCommListCtrl& list, DWORD dwStyle)
    {
        m_pHost = std::make_unique<CListHost>(list, dwStyle);
        ASSERT_TRUE(m_pHost->Open());
        AddColumns(list, {60, 60});
        PumpPending();
    }
    void TearDown() override
    {
        m_pHost.reset();
        PumpPending();
    }
    std::unique_ptr<CListHost> m_pHost;
};
} // namespace

TEST_F(ListBandTest, DragFarBelowScrollsALongListToItsEnd)
{
    CTestAppComm app;
    CTestCursorList<CNumberList> list;
    Open(list, kTestListStyle | LVS_OWNERDATA);
    // Many pages long: nesting would show in the depth long before
    // the end. Every row is a real scroll and paint (about 20 ms under
    // Wine), so the count sets the test's time.
    const int N = 500;
    std::vector<int> numbers(N);
    for (int i = 0; i < N; ++i)
        numbers[i] = i;
    list.SetItemCount(N, 0);
    for (int i = 0; i < N; ++i)
        list.SetItemPtr(i, &numbers[i]);
    CRect rcClient;
    list.GetClientRect(&rcClient);

    StartBand(list, CPoint(rcClient.right - 10, 40));
    ASSERT_TRUE(list.GetBandTracker().IsDragging());
    // Resting far below: the list scrolls on to its end, row after row,
    // without one call nesting in another.
    MoveBand(list, CPoint(30, rcClient.bottom + 300));
    EXPECT_GE(list.GetTopIndex() + list.GetCountPerPage(), N - 1);
    EXPECT_EQ(1, list.m_nMaxDepth);
    EXPECT_TRUE(list.IsRowSelected(N - 1));
    EXPECT_FALSE(list.GetBandTracker().HasPendingPoint());

    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(list.GetBandTracker().IsDragging());
    EXPECT_EQ(nullptr, list.GetBandTracker().GetBandWindow());
    EXPECT_NE(list.m_hWnd, ::GetCapture());
    list.SetItemCount(0, 0);
}

TEST_F(ListBandTest, RestingJustBelowScrollsOnTheTimer)
{
    CTestAppComm app;
    CTestCursorList<CCommListCtrl> list;
    Open(list, kTestListStyle);
    for (int i = 0; i < 40; ++i)
        AddRows(list, {{"x", "y"}});
    CRect rcClient;
    list.GetClientRect(&rcClient);
    StartBand(list, CPoint(rcClient.right - 10, 40));
    MoveBand(list, CPoint(rcClient.right - 30, rcClient.bottom + 5));
    EXPECT_EQ(1, list.GetTopIndex());
    EXPECT_TRUE(list.GetBandTracker().HasPendingPoint());
    // The timer's turn: one more line.
    list.SendMessage(WM_TIMER, LIST_TIMER_AUTOSCROLL, 0);
    EXPECT_EQ(2, list.GetTopIndex());
    list.SendMessage(WM_LBUTTONUP, 0, 0);
}

TEST_F(ListBandTest, CtrlDragTogglesTheCoveredRows)
{
    CTestAppComm app;
    CTestCursorList<CCommListCtrl> list;
    Open(list, kTestListStyle);
    AddRows(list, {{"0", ""}, {"1", ""}, {"2", ""}, {"3", ""}, {"4", ""}, {"5", ""}});
    list.SetItemStateMasked(3, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemStateMasked(5, LVIS_SELECTED, LVIS_SELECTED);
    CRect rcClient;
    list.GetClientRect(&rcClient);
    {
        CHeldKeys keys({VK_CONTROL});
        StartBand(list, CPoint(rcClient.right - 10, CellCenter(list, 2, 0).y), MK_CONTROL);
    }
    // The band is shown at the first move and selects at the next.
    MoveBand(list, CellCenter(list, 4, 1));
    MoveBand(list, CellCenter(list, 4, 1) + CPoint(1, 0));
    CList<int, int> rows;
    list.GetSelectedRows(rows);
    CString strRows;
    for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
        strRows.Format("%s%d ", (LPCTSTR)strRows, rows.GetNext(pos));
    EXPECT_STREQ("2 4 5 ", strRows);
    list.SendMessage(WM_LBUTTONUP, 0, 0);
}

TEST_F(ListBandTest, SingleSelectionListSelectsTheFirstCoveredRowOnly)
{
    CTestAppComm app;
    CTestCursorList<CCommListCtrl> list;
    Open(list, kTestListStyle | LVS_SINGLESEL);
    AddRows(list, {{"0", ""}, {"1", ""}, {"2", ""}, {"3", ""}, {"4", ""}, {"5", ""}});
    CRect rcClient;
    list.GetClientRect(&rcClient);
    StartBand(list, CPoint(rcClient.right - 10, CellCenter(list, 1, 0).y));
    MoveBand(list, CellCenter(list, 4, 1));
    MoveBand(list, CellCenter(list, 4, 1) + CPoint(1, 0));
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_TRUE(list.IsRowSelected(1));
    list.SendMessage(WM_LBUTTONUP, 0, 0);
}

TEST_F(ListBandTest, BandShowsLayeredOrAsAnOpaqueWindowWithoutLayering)
{
    struct Case
    {
        const char* name;
        BOOL bLayeredApp; // an application object of the system's own kind
    } cases[] = {{"layered", TRUE}, {"fallback", FALSE}};
    for (const Case& c : cases)
    {
        std::unique_ptr<CWinApp> pApp;
        if (c.bLayeredApp)
            pApp = std::make_unique<CTestAppComm>();
        else
            pApp = std::make_unique<CWinApp>("PlainApp");
        CTestCursorList<CCommListCtrl> list;
        Open(list, kTestListStyle);
        AddRows(list, {{"0", ""}, {"1", ""}, {"2", ""}});
        CRect rcClient;
        list.GetClientRect(&rcClient);
        StartBand(list, CPoint(rcClient.right - 10, rcClient.bottom - 10));
        MoveBand(list, CellCenter(list, 1, 1));
        CTranslucentPopup* pBand = list.GetBandTracker().GetBandWindow();
        ASSERT_NE(nullptr, pBand) << c.name;
        EXPECT_TRUE(pBand->IsWindowVisible()) << c.name;
        EXPECT_EQ(!c.bLayeredApp, pBand->IsNonLayered()) << c.name;
        EXPECT_EQ(c.bLayeredApp, (pBand->GetExStyle() & WS_EX_LAYERED) != 0) << c.name;

        CRect rcBand, rcWindow, rcClip;
        ASSERT_TRUE(list.GetBandTracker().GetBandRect(&rcBand));
        list.GetBandClipRect(&rcClip);
        pBand->GetWindowRect(&rcWindow);
        CRect rcShown;
        rcShown.IntersectRect(&rcBand, &rcClip);
        // Layered, the window covers the list and paints the band in it;
        // opaque, the window is the band.
        EXPECT_EQ(c.bLayeredApp ? rcClip : rcShown, rcWindow) << c.name;
        EXPECT_EQ(rcShown, pBand->GetBandRect()) << c.name;
        if (c.bLayeredApp)
        {
            EXPECT_EQ((UINT)0xF, pBand->GetEdgeFlags());
        }
        list.SendMessage(WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(nullptr, list.GetBandTracker().GetBandWindow());
        m_pHost.reset();
    }
}
#endif // _WIN32
