// The status bar on a real frame: timed texts on their timers, panes that
// become drawn by the bar and plain again, coloured panes repainted when a
// text changes, what a drawn pane looks like, the menu item a pane names,
// clicks on panes and the badge of a highlighted pane; a screenshot of a
// frame whose bar shows them.
#ifdef _WIN32
#include "DialogTestUtil.h"
#include "Screenshot.h"
#include "TestAppComm.h"
#include "TestResources.h"

#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "afx/Gdi.h"
#include "afx/Menu.h"
#include "afx/MsgMap.h"
#include "afx/ScopedWin.h"
#include "app/CommStatusBar.h"
#include "app/HighlightStatusBar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace
{
// Counts what the bar draws and which panes are clicked.
class CTestStatusBar : public CHighlightStatusBar
{
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        m_drawn.push_back((int)lpDrawItemStruct->itemID);
        CHighlightStatusBar::DrawItem(lpDrawItemStruct);
    }
    void OnPaneClick(int nIndex) override { m_clicks.push_back(nIndex); }
    void OnPaneRightClick(int nIndex) override { m_clicks.push_back(100 + nIndex); }
    int DrawnCount(int nIndex) const
    {
        int n = 0;
        for (int i : m_drawn)
            n += i == nIndex ? 1 : 0;
        return n;
    }

    std::vector<int> m_drawn;
    std::vector<int> m_clicks;
};

class CBarFrame : public CFrameWnd
{
public:
    CTestStatusBar m_bar;
};

const UINT kIndicators[] = {ID_SEPARATOR, ID_TEST_INDICATOR_LOGIN, ID_TEST_INDICATOR_COUNT,
                            ID_TEST_INDICATOR_PAGE};

class StatusBarTest : public ::testing::Test
{
protected:
    StatusBarTest()
    {
        m_pFrame = new CBarFrame;
        m_pFrame->Create(nullptr, "ステータスバー", WS_OVERLAPPEDWINDOW, CRect(40, 40, 760, 300));
        m_pFrame->m_bar.Create(m_pFrame);
        m_pFrame->m_bar.SetIndicators(kIndicators, 4);
        m_pFrame->RecalcLayout();
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        m_pFrame->UpdateWindow();
        PumpPending();
    }
    ~StatusBarTest() override
    {
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
    }
    CTestStatusBar& Bar() { return m_pFrame->m_bar; }
    BOOL IsOwnerDrawn(int nIndex) { return Bar().TestPaneStyle(nIndex, SBT_OWNERDRAW); }
    // What the control itself holds for a plain pane.
    CString ControlText(int nIndex)
    {
        char szText[256] = {};
        Bar().SendMessage(SB_GETTEXTA, (WPARAM)nIndex, (LPARAM)szText);
        return szText;
    }

    CTestAppComm m_app;
    CBarFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(StatusBarTest, TimedTextOfKindOneEndsAfterTwoSecondsAndLeavesThePanePlain)
{
    ASSERT_TRUE(Bar().SetPaneText(2, "保存しました"));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Bar().ShowTimedTextByKind(2, 1, RGB(255, 0, 0), RGB(255, 255, 0), TRUE));
    EXPECT_TRUE(Bar().IsTimedTextShowing(2));
    EXPECT_TRUE(IsOwnerDrawn(2));
    EXPECT_EQ(CString(""), Bar().GetPaneText(2)); // the pane's own text was emptied
    EXPECT_EQ(CString("保存しました"), Bar().GetPaneRecord(2)->m_strTimedText);

    ASSERT_TRUE(PumpUntil([&] { return !Bar().IsTimedTextShowing(2); }, 10000));
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    EXPECT_GE(elapsed, 1900);
    EXPECT_LT(elapsed, 7000);
    EXPECT_FALSE(IsOwnerDrawn(2));
    EXPECT_TRUE(Bar().GetPaneRecord(2)->IsPlain());
    EXPECT_EQ(CString(""), ControlText(2));
    EXPECT_FALSE(Bar().KillTimer(0x110C)); // gone with the end
}

TEST_F(StatusBarTest, TimerOfAPaneEndsItsTimedTextOnly)
{
    ASSERT_TRUE(Bar().SetPaneText(1, "ログイン中"));
    ASSERT_TRUE(Bar().SetPaneText(2, "3 件"));
    ASSERT_TRUE(Bar().ShowTimedTextByKind(1, 2, RGB(0, 0, 255), STATUSPANE_NO_COLOR, FALSE));
    ASSERT_TRUE(Bar().ShowTimedTextByKind(2, 2, RGB(0, 0, 255), STATUSPANE_NO_COLOR, FALSE));
    // Texts set while a timed text shows are kept for the end.
    ASSERT_TRUE(Bar().SetPaneText(1, "ログイン済み"));

    Bar().SendMessage(WM_TIMER, 0x110B);
    EXPECT_FALSE(Bar().IsTimedTextShowing(1));
    EXPECT_TRUE(Bar().IsTimedTextShowing(2));
    EXPECT_EQ(CString("ログイン済み"), ControlText(1));
    EXPECT_FALSE(Bar().KillTimer(0x110B));
    EXPECT_TRUE(Bar().KillTimer(0x110C)); // pane 2's still runs

    // Another kind ends it; kind 0 changes nothing.
    ASSERT_TRUE(Bar().ShowTimedTextByKind(1, 1, RGB(0, 0, 255), STATUSPANE_NO_COLOR, FALSE));
    EXPECT_FALSE(Bar().ShowTimedTextByKind(1, 0, 0, 0, TRUE));
    EXPECT_TRUE(Bar().IsTimedTextShowing(1));
    EXPECT_TRUE(Bar().ShowTimedTextByKind(1, 3, 0, 0, TRUE));
    EXPECT_FALSE(Bar().IsTimedTextShowing(1));
    EXPECT_EQ(CString("ログイン済み"), Bar().GetPaneText(1));
}

TEST_F(StatusBarTest, TimedTextIsRefusedOutsideTheFirstSixteenPanes)
{
    std::vector<UINT> ids(18, ID_TEST_INDICATOR_COUNT);
    ids[0] = ID_SEPARATOR;
    ASSERT_TRUE(Bar().SetIndicators(ids.data(), (int)ids.size()));
    for (int nIndex : {16, 17, 18, -1})
    {
        EXPECT_FALSE(Bar().ShowTimedTextByKind(nIndex, 1, 0, 0, FALSE)) << nIndex;
        EXPECT_FALSE(Bar().IsTimedTextShowing(nIndex)) << nIndex;
    }
    EXPECT_FALSE(Bar().KillTimer(0x110A + 16));
    EXPECT_TRUE(Bar().ShowTimedTextByKind(15, 1, 0, 0, FALSE));
    EXPECT_FALSE(Bar().SetPaneTextColor(18, 0));
    EXPECT_FALSE(Bar().SetPaneAlignment(-1, 1));
}

TEST_F(StatusBarTest, PaneIsDrawnByTheBarOnlyWhileItHasALookOfItsOwn)
{
    const struct
    {
        const char* name;
        BOOL (*change)(CCommStatusBar&);
        BOOL bOwnerDrawn;
    } steps[] = {
        {"centred", [](CCommStatusBar& b) { return b.SetPaneAlignment(1, STATUSPANE_ALIGN_CENTER); }, TRUE},
        {"red", [](CCommStatusBar& b) { return b.SetPaneTextColor(1, RGB(255, 0, 0)); }, TRUE},
        {"left", [](CCommStatusBar& b) { return b.SetPaneAlignment(1, STATUSPANE_ALIGN_LEFT); }, TRUE},
        {"no colour", [](CCommStatusBar& b) { return b.SetPaneTextColor(1, STATUSPANE_NO_COLOR); }, FALSE},
        {"background", [](CCommStatusBar& b) { return b.SetPaneBkColor(1, RGB(0, 0, 0)); }, TRUE},
        {"no background", [](CCommStatusBar& b) { return b.SetPaneBkColor(1, STATUSPANE_NO_COLOR); }, FALSE},
    };
    ASSERT_TRUE(Bar().SetPaneText(1, "ログイン: 自動"));
    for (const auto& step : steps)
    {
        EXPECT_TRUE(step.change(Bar())) << step.name;
        EXPECT_EQ(step.bOwnerDrawn, IsOwnerDrawn(1)) << step.name;
    }
    // A plain pane is the control's own again, with its text.
    EXPECT_EQ(CString("ログイン: 自動"), ControlText(1));
}

TEST_F(StatusBarTest, ColouredPanesAreRepaintedAtOnceWhenATextChanges)
{
    ASSERT_TRUE(Bar().SetPaneText(1, "自動"));
    ASSERT_TRUE(Bar().SetPaneTextColor(1, RGB(0, 0, 255)));
    ASSERT_TRUE(Bar().SetPaneBkColor(3, RGB(255, 255, 255)));
    ASSERT_TRUE(PumpUntil([&] { return Bar().DrawnCount(1) > 0 && Bar().DrawnCount(3) > 0; }));
    PumpPending();

    // The same text again repaints nothing.
    Bar().m_drawn.clear();
    EXPECT_TRUE(Bar().SetPaneText(1, "自動"));
    PumpPending();
    EXPECT_TRUE(Bar().m_drawn.empty());

    // A new text on a coloured pane: it and the other coloured one are
    // drawn before the call returns.
    EXPECT_TRUE(Bar().SetPaneText(1, "手動"));
    EXPECT_GE(Bar().DrawnCount(1), 1);
    EXPECT_GE(Bar().DrawnCount(3), 1);
    EXPECT_EQ(0, Bar().DrawnCount(2));

    // Without the option they wait for the next paint.
    Bar().RemoveOption(CCommStatusBar::optionRedrawColoredPanes);
    Bar().m_drawn.clear();
    EXPECT_TRUE(Bar().SetPaneText(1, "半自動"));
    EXPECT_EQ(0, Bar().DrawnCount(3));
    EXPECT_EQ(CString("半自動"), Bar().GetPaneText(1));
}

TEST_F(StatusBarTest, DrawnPaneFillsOnlyTheTextCellWithItsBackground)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 220, 40));
    CScopedSelectObject select(dc, (HGDIOBJ)bitmap.m_hObject);

    const COLORREF crBack = RGB(0, 255, 0);
    const COLORREF crText = RGB(255, 0, 0);
    struct Result
    {
        int nLeftBack = 0, nRightBack = 0, nText = 0;
    };
    auto draw = [&](int nAlign, COLORREF crPaneBack)
    {
        Bar().SetPaneText(2, "WWW");
        Bar().SetPaneAlignment(2, nAlign, FALSE);
        Bar().SetPaneTextColor(2, crText, FALSE);
        Bar().SetPaneBkColor(2, crPaneBack, FALSE);
        dc.FillSolidRect(0, 0, 220, 40, RGB(0, 0, 0));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_STATIC;
        dis.itemID = 2;
        dis.hDC = dc.m_hDC;
        dis.rcItem = CRect(10, 5, 210, 35);
        Bar().DrawItem(&dis);
        Result result;
        for (int x = 11; x < 211; ++x)
        {
            for (int y = 4; y < 34; ++y)
            {
                COLORREF cr = dc.GetPixel(x, y);
                if (cr == crBack)
                    ++(x < 110 ? result.nLeftBack : result.nRightBack);
                else if (cr == crText)
                    ++result.nText;
            }
        }
        // The pane is copied one pixel right and one up: the column left
        // of it keeps the black, the top row and the right edge are painted.
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(10, 20));
        EXPECT_NE(RGB(0, 0, 0), dc.GetPixel(210, 20));
        EXPECT_NE(RGB(0, 0, 0), dc.GetPixel(100, 4));
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(100, 34));
        return result;
    };

    Result right = draw(STATUSPANE_ALIGN_RIGHT, crBack);
    EXPECT_GT(right.nText, 0);
    EXPECT_GT(right.nRightBack, 0);
    EXPECT_EQ(0, right.nLeftBack);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), dc.GetPixel(20, 20));

    Result left = draw(STATUSPANE_ALIGN_LEFT, crBack);
    EXPECT_GT(left.nLeftBack, 0);
    EXPECT_EQ(0, left.nRightBack);

    Result none = draw(STATUSPANE_ALIGN_CENTER, STATUSPANE_NO_COLOR);
    EXPECT_GT(none.nText, 0);
    EXPECT_EQ(0, none.nLeftBack + none.nRightBack);
}

TEST_F(StatusBarTest, MenuItemNamedByThePaneIsChecked)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "自動(&A)");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, 2, "半&自動(&S)");
    menu.AppendMenu(MF_STRING, 3, "手&動");
    const struct
    {
        const char* pane;
        int nChecked; // position, -1 none
    } cases[] = {{"手動", 3}, {"自動", 0}, {"半自動", -1}, {"半&自動", 2}, {"", -1}};
    for (const auto& c : cases)
    {
        for (UINT i = 0; i < 4; ++i)
            menu.CheckMenuItem(i, MF_BYPOSITION | MF_UNCHECKED);
        Bar().SetPaneText(1, c.pane);
        EXPECT_EQ(c.nChecked >= 0, Bar().CheckMenuItemByPaneText(1, &menu)) << c.pane;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(i == c.nChecked, (menu.GetMenuState((UINT)i, MF_BYPOSITION) & MF_CHECKED) != 0)
                << c.pane << " " << i;
    }
    EXPECT_FALSE(Bar().CheckMenuItemByPaneText(9, &menu));
}

TEST_F(StatusBarTest, ClicksReachTheirPane)
{
    for (int nIndex : {1, 3})
    {
        CRect rc;
        Bar().GetItemRect(nIndex, rc);
        ASSERT_FALSE(rc.IsRectEmpty());
        LPARAM lParam = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);
        Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        Bar().SendMessage(WM_LBUTTONUP, 0, lParam);
        Bar().SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, lParam);
        Bar().SendMessage(WM_RBUTTONUP, 0, lParam);
    }
    EXPECT_EQ((std::vector<int>{1, 101, 3, 103}), Bar().m_clicks);
}

TEST_F(StatusBarTest, WidthAndNumberOfAPane)
{
    const int cxOld = Bar().GetPaneWidth(2);
    EXPECT_GT(cxOld, 0);
    EXPECT_EQ(cxOld, Bar().SetPaneWidth(2, 0));
    EXPECT_EQ(0, Bar().GetPaneWidth(2));
    EXPECT_EQ(ID_TEST_INDICATOR_COUNT, Bar().GetItemID(2)); // the id stays
    EXPECT_EQ(0, Bar().SetPaneWidth(2, 77));

    EXPECT_TRUE(Bar().SetPaneNumber(3, 12, 0));
    EXPECT_EQ(CString("12"), ControlText(3));
    EXPECT_TRUE(Bar().SetPaneNumber(3, 7, IDS_TEST_PANE_COUNT));
    EXPECT_EQ(CString("未読 7 件"), ControlText(3));
}

TEST_F(StatusBarTest, HighlightShowsACountInTheBlueBadge)
{
    CHighlightStatusBar unmade;
    EXPECT_FALSE(unmade.BeginHighlight(2));

    const int cxPane = Bar().GetPaneWidth(2);
    ASSERT_TRUE(Bar().BeginHighlight(2));
    EXPECT_FALSE(Bar().BeginHighlight(3));
    EXPECT_TRUE(Bar().TestPaneStyle(2, SBT_NOBORDERS));
    EXPECT_TRUE(IsOwnerDrawn(2));
    EXPECT_EQ(STATUSPANE_ALIGN_RIGHT, Bar().GetPaneRecord(2)->m_nAlign);
    EXPECT_EQ((COLORREF)0xFF0000, Bar().GetPaneRecord(2)->m_crText);

    EXPECT_TRUE(Bar().SetHighlightNumber(1, IDS_TEST_PANE_COUNT));
    EXPECT_EQ(0, Bar().GetPaneWidth(2));
    EXPECT_TRUE(Bar().SetHighlightNumber(5, IDS_TEST_PANE_COUNT));
    EXPECT_EQ(cxPane, Bar().GetPaneWidth(2));
    EXPECT_EQ(CString("未読 5 件"), Bar().GetPaneText(2));
}

TEST_F(StatusBarTest, DestroyingTheBarEndsItsTimedTextsAndKeepsTheTexts)
{
    ASSERT_TRUE(Bar().SetPaneText(0, "受信しました"));
    ASSERT_TRUE(Bar().ShowTimedTextByKind(0, 2, RGB(255, 0, 0), STATUSPANE_NO_COLOR, FALSE));
    ASSERT_TRUE(Bar().ShowTimedTextByKind(3, 2, RGB(255, 0, 0), STATUSPANE_NO_COLOR, TRUE));
    Bar().DestroyWindow();
    EXPECT_FALSE(Bar().IsTimedTextShowing(0));
    EXPECT_FALSE(Bar().IsTimedTextShowing(3));
    EXPECT_EQ(CString("受信しました"), Bar().GetPaneText(0));
}

namespace
{
// Pixels of one colour inside a rectangle of the window as it shows.
int CountPixels(HWND hWnd, const CRect& rc, COLORREF cr)
{
    CScopedGetDC dc(hWnd);
    int nCount = 0;
    for (int x = rc.left; x < rc.right; ++x)
    {
        for (int y = rc.top; y < rc.bottom; ++y)
            nCount += ::GetPixel(dc, x, y) == cr ? 1 : 0;
    }
    return nCount;
}
} // namespace

TEST(StatusBarScreens, ColouredPanesTimedTextAndBadge)
{
    RUN_IN_SCREENSHOT_PROCESS();
    CTestAppComm app("たんぞ");
    ScreenshotResult shot;
    std::string missing;
    int nRed = 0, nYellow = 0, nBlue = 0;
    const BOOL bRan = RunInVirtualDesktop(
        [&]
        {
            auto* pFrame = new CBarFrame;
            pFrame->Create(nullptr, "ステータスバー", WS_OVERLAPPEDWINDOW, CRect(20, 20, 620, 200));
            CTestStatusBar& bar = pFrame->m_bar;
            bar.Create(pFrame);
            bar.SetIndicators(kIndicators, 4);
            bar.SetPaneText(0, "準備完了");
            bar.SetPaneText(1, "ログイン: 自動");
            bar.SetPaneTextColor(1, RGB(255, 0, 0));
            bar.BeginHighlight(2);
            bar.SetHighlightNumber(12, IDS_TEST_PANE_COUNT);
            bar.SetPaneText(3, "保存しました");
            bar.ShowTimedTextByKind(3, 2, RGB(0, 0, 0), RGB(255, 255, 0), TRUE);
            pFrame->RecalcLayout();
            pFrame->ShowWindow(SW_SHOW);
            pFrame->RedrawWindow(nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
            PumpUntil(
                [&]
                {
                    shot = SaveWindowScreenshot(pFrame->m_hWnd, "status-bar");
                    return shot.nColours > 8;
                },
                10000);
            CRect rc;
            bar.GetItemRect(1, rc);
            nRed = CountPixels(bar.m_hWnd, rc, RGB(255, 0, 0));
            bar.GetItemRect(2, rc);
            nBlue = CountPixels(bar.m_hWnd, rc, RGB(0, 0, 255));
            bar.GetItemRect(3, rc);
            nYellow = CountPixels(bar.m_hWnd, rc, RGB(255, 255, 0));
            missing = MissingGlyphs(pFrame->m_hWnd);
            pFrame->DestroyWindow();
        });
    EXPECT_TRUE(bRan) << "no virtual desktop";
    EXPECT_TRUE(shot.bSaved) << shot.path;
    EXPECT_GT(shot.nColours, 8) << "blank picture";
    EXPECT_EQ("", missing);
    EXPECT_GT(nRed, 0);
    EXPECT_GT(nBlue, 0);
    EXPECT_GT(nYellow, 0);
}
#endif // _WIN32
