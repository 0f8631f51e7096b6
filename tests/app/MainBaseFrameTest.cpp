// The main frame base on real frames: the placement and the bars come back
// on the next creation as they were left, a frame that may not close or is
// busy stays open and writes nothing, the end of a session writes what a
// close would, and the frame's menus, icons, help and state bits.
#ifdef _WIN32
#include "DialogTestUtil.h"
#include "ProfileTestUtil.h"
#include "TestAppComm.h"
#include "TestResources.h"

#include "afx/ControlBar.h"
#include "afx/Menu.h"
#include "afx/MsgMap.h"
#include "afx/Profile.h"
#include "app/BusyState.h"
#include "app/CommStatusBar.h"
#include "app/IconMenu.h"
#include "app/MainBaseFrame.h"
#include "app/Placement.h"
#include "controls/ListControlResourceIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const UINT kIndicators[] = {ID_SEPARATOR, ID_TEST_INDICATOR_LOGIN};
const UINT kButtons[] = {ID_TEST_ITEM_A, ID_SEPARATOR, ID_TEST_ITEM_B};

class CTestMainFrame : public CMainBaseFrame
{
public:
    CIconMenu* GetIconMenu() override { return &m_iconMenu; }
    CCommStatusBar* GetStatusBar() override { return &m_statusBar; }
    BOOL CanCloseFrame() override { return m_bCanClose; }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        if (!CMainBaseFrame::PreCreateWindow(cs))
            return FALSE;
        SetDefaultWindowSize(1080, 680);
        return TRUE;
    }

    CToolBar m_toolBar;
    CCommStatusBar m_statusBar;
    CIconMenu m_iconMenu;
    BOOL m_bCanClose = TRUE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        // The images before the base prepares the menu bar.
        m_iconMenu.CreateImageList(6, 16, 16);
        m_iconMenu.AddBitmap(IDB_LIST_SORT_ARROWS, RGB(0x80, 0x80, 0x00));
        if (CMainBaseFrame::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!m_toolBar.CreateEx(this) || !m_toolBar.SetButtons(kButtons, 3) || !m_statusBar.Create(this) ||
            !m_statusBar.SetIndicators(kIndicators, 2))
            return -1;
        LoadFrameBarState();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestMainFrame, CMainBaseFrame)
ON_WM_CREATE()
END_MESSAGE_MAP()

class CFakeHelp : public CHelpWindowHandle
{
public:
    static std::vector<std::string> s_events;
    explicit CFakeHelp(UINT nPageId) { s_events.push_back("made " + std::to_string(nPageId)); }
    ~CFakeHelp() override { s_events.push_back("destroyed"); }
    void ShowAgain(UINT nPageId) override { s_events.push_back("shown again at " + std::to_string(nPageId)); }
    static CHelpWindowHandle* Make(UINT nPageId) { return new CFakeHelp(nPageId); }
};
std::vector<std::string> CFakeHelp::s_events;

class MainBaseFrameTest : public ::testing::Test
{
protected:
    MainBaseFrameTest()
    {
        // A profile of its own: other test programs run at the same time.
        m_app.m_strProfileName = "TanzoFrameTest";
        m_app.SetRegistryKey(g_szCompanyName);
        m_app.InitProfileName();
        Cleanup();
    }
    ~MainBaseFrameTest() override
    {
        if (::IsWindow(m_hWndFrame))
            ::DestroyWindow(m_hWndFrame);
        m_app.m_pMainWnd = nullptr;
        Cleanup();
    }
    void Cleanup()
    {
        for (const char* section : {"WindowState", "Bar"})
            AfxProfileDelete(m_app.GetProfileSectionKey(section), nullptr);
    }
    std::string Stored(const char* section, const char* key)
    {
        return StoredProfileValue(m_app, section, key);
    }

    // A new frame as the client makes its main window, not shown yet.
    CTestMainFrame* Create()
    {
        auto* pFrame = new CTestMainFrame;
        EXPECT_TRUE(pFrame->Create(nullptr, "メインフレーム", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                                   nullptr, MAKEINTRESOURCEA(IDR_TEST_FRAME_MENU)));
        m_hWndFrame = pFrame->m_hWnd;
        return pFrame;
    }
    void Show(CTestMainFrame* pFrame)
    {
        pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        pFrame->RestoreMaximizedState();
        PumpPending();
    }
    BOOL IsOpen() const { return ::IsWindow(m_hWndFrame); }
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(rc);
        return rc;
    }
    // The work area of the monitor the window is on.
    static CRect WorkArea(CWnd* pWnd)
    {
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        ::GetMonitorInfoA(::MonitorFromWindow(pWnd->m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
        return CRect(mi.rcWork);
    }

    CTestAppComm m_app;
    HWND m_hWndFrame = nullptr;
};
} // namespace

TEST_F(MainBaseFrameTest, FirstRunIsTheDefaultSizeCentredInTheWorkArea)
{
    CTestMainFrame* pFrame = Create();
    CRect rcExpected;
    ASSERT_TRUE(PlaceInWorkArea(WorkArea(pFrame), 0, 0, 1080, 680, TRUE, rcExpected));
    EXPECT_EQ(rcExpected, WindowRect(pFrame));
    Show(pFrame);
    EXPECT_FALSE(pFrame->IsZoomed());
    EXPECT_TRUE(pFrame->GetWindowState().IsMaximizedRestored());

    pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(std::to_string(rcExpected.Width()), Stored("WindowState\\0", "Width"));
    EXPECT_EQ(std::to_string(rcExpected.Height()), Stored("WindowState\\0", "Height"));
    EXPECT_EQ("0", Stored("WindowState\\0", "Maximized"));
}

TEST_F(MainBaseFrameTest, ClosedMaximisedComesBackInItsNormalSizeThenMaximised)
{
    CTestMainFrame* pFrame = Create();
    Show(pFrame);
    pFrame->MoveWindow(30, 20, 600, 400);
    pFrame->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(pFrame->IsZoomed());
    pFrame->SendMessage(WM_CLOSE);
    ASSERT_FALSE(IsOpen());
    EXPECT_EQ("600", Stored("WindowState\\0", "Width"));
    EXPECT_EQ("400", Stored("WindowState\\0", "Height"));
    EXPECT_EQ("1", Stored("WindowState\\0", "Maximized"));

    // The next run: the normal size, centred, then maximised once shown.
    pFrame = Create();
    CRect rcExpected;
    ASSERT_TRUE(PlaceInWorkArea(WorkArea(pFrame), 0, 0, 600, 400, TRUE, rcExpected));
    EXPECT_EQ(rcExpected, WindowRect(pFrame));
    EXPECT_FALSE(pFrame->IsZoomed());
    Show(pFrame);
    EXPECT_TRUE(pFrame->IsZoomed());

    // Closed before it was shown, the frame leaves "Maximized" as it was.
    pFrame->SendMessage(WM_CLOSE);
    pFrame = Create();
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ("1", Stored("WindowState\\0", "Maximized"));
    EXPECT_EQ("600", Stored("WindowState\\0", "Width"));
}

TEST_F(MainBaseFrameTest, HiddenBarsStayHiddenAfterARestart)
{
    CTestMainFrame* pFrame = Create();
    Show(pFrame);
    EXPECT_TRUE(pFrame->m_statusBar.IsWindowVisible());
    pFrame->ShowControlBar(&pFrame->m_statusBar, FALSE, FALSE);
    pFrame->SendMessage(WM_CLOSE);
    ASSERT_FALSE(IsOpen());
    EXPECT_EQ("2", Stored("Bar\\State-Summary", "Bars"));

    pFrame = Create();
    Show(pFrame);
    EXPECT_TRUE(pFrame->m_toolBar.IsWindowVisible());
    EXPECT_FALSE(pFrame->m_statusBar.IsWindowVisible());

    // Both hidden, then both back.
    pFrame->ShowControlBar(&pFrame->m_toolBar, FALSE, FALSE);
    pFrame->SendMessage(WM_CLOSE);
    pFrame = Create();
    Show(pFrame);
    EXPECT_FALSE(pFrame->m_toolBar.IsWindowVisible());
    EXPECT_FALSE(pFrame->m_statusBar.IsWindowVisible());
    pFrame->ShowControlBar(&pFrame->m_toolBar, TRUE, FALSE);
    pFrame->ShowControlBar(&pFrame->m_statusBar, TRUE, FALSE);
    pFrame->SendMessage(WM_CLOSE);
    pFrame = Create();
    Show(pFrame);
    EXPECT_TRUE(pFrame->m_toolBar.IsWindowVisible());
    EXPECT_TRUE(pFrame->m_statusBar.IsWindowVisible());
}

TEST_F(MainBaseFrameTest, FrameThatMayNotCloseStaysOpenAndWritesNothing)
{
    CTestMainFrame* pFrame = Create();
    Show(pFrame);
    pFrame->m_bCanClose = FALSE;
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(IsOpen());
    EXPECT_FALSE(pFrame->CloseFrame());
    EXPECT_EQ("(none)", Stored("Bar\\State-Summary", "Bars"));
    EXPECT_EQ(0, (int)pFrame->SendMessage(WM_QUERYENDSESSION));

    pFrame->m_bCanClose = TRUE;
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ("2", Stored("Bar\\State-Summary", "Bars"));
}

TEST_F(MainBaseFrameTest, BusyFrameRefusesCloseAndLogOffUntilTheWorkEnds)
{
    CTestMainFrame* pFrame = Create();
    Show(pFrame);
    m_app.m_pMainWnd = pFrame;
    EXPECT_FALSE(pFrame->IsFrameBusy());

    EnableMainWindowClose(FALSE);
    EXPECT_TRUE(pFrame->IsFrameBusy());
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(0, (int)pFrame->SendMessage(WM_QUERYENDSESSION));
    EXPECT_EQ("(none)", Stored("Bar\\State-Summary", "Bars"));

    EnableMainWindowClose(TRUE);
    EXPECT_FALSE(pFrame->IsFrameBusy());
    EXPECT_NE(0, (int)pFrame->SendMessage(WM_QUERYENDSESSION));
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ("2", Stored("Bar\\State-Summary", "Bars"));
}

TEST_F(MainBaseFrameTest, EndOfTheSessionWritesBarsAndPlacement)
{
    CTestMainFrame* pFrame = Create();
    Show(pFrame);
    pFrame->ShowControlBar(&pFrame->m_toolBar, FALSE, FALSE);
    pFrame->MoveWindow(40, 30, 640, 420);
    pFrame->SendMessage(WM_ENDSESSION, FALSE);
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ("640", Stored("WindowState\\0", "Width"));
    EXPECT_EQ("420", Stored("WindowState\\0", "Height"));
    EXPECT_EQ("0", Stored("WindowState\\0", "Maximized"));
    EXPECT_EQ("2", Stored("Bar\\State-Summary", "Bars"));
    EXPECT_EQ("0", Stored("Bar\\State-Bar0", "Visible"));
    EXPECT_EQ("1", Stored("Bar\\State-Bar1", "Visible"));
}

TEST_F(MainBaseFrameTest, PlacementSavedAfterEachMoveWhenAsked)
{
    CTestMainFrame* pFrame = Create();
    Show(pFrame);
    pFrame->SetFrameOption(CMainBaseFrame::optionSaveStateOnMove);

    pFrame->SendMessage(WM_ENTERSIZEMOVE);
    EXPECT_TRUE(pFrame->TestFrameState(CMainBaseFrame::stateSizeMove));
    pFrame->MoveWindow(10, 10, 500, 350);
    EXPECT_EQ("(none)", Stored("WindowState\\0", "Width"));
    pFrame->SendMessage(WM_EXITSIZEMOVE);
    EXPECT_FALSE(pFrame->TestFrameState(CMainBaseFrame::stateSizeMove));
    EXPECT_EQ("500", Stored("WindowState\\0", "Width"));

    // Not again when the window goes.
    pFrame->MoveWindow(10, 10, 520, 350);
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ("500", Stored("WindowState\\0", "Width"));
}

TEST_F(MainBaseFrameTest, MenuLoopIsKnown)
{
    CTestMainFrame* pFrame = Create();
    pFrame->SendMessage(WM_ENTERMENULOOP, FALSE);
    EXPECT_TRUE(pFrame->TestFrameState(CMainBaseFrame::stateMenuLoop));
    EXPECT_FALSE(pFrame->TestFrameState(CMainBaseFrame::stateSizeMove));
    pFrame->SendMessage(WM_EXITMENULOOP, FALSE);
    EXPECT_FALSE(pFrame->TestFrameState(CMainBaseFrame::stateMenuLoop));
}

TEST_F(MainBaseFrameTest, MenuBarIsDrawnByTheIconMenu)
{
    CTestMainFrame* pFrame = Create();
    HMENU hFile = ::GetSubMenu(::GetMenu(pFrame->m_hWnd), 0);
    ASSERT_NE(nullptr, hFile);
    EXPECT_EQ(1, pFrame->m_iconMenu.GetMenuCount(ICONMENU_TREE_BAR));
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoA(hFile, 0, TRUE, &mii));
    EXPECT_NE(0u, mii.fType & MFT_OWNERDRAW);

    // An item added later is marked as its pop-up opens.
    ::AppendMenuA(hFile, MF_STRING, ID_TEST_ITEM_EMPTY, "後から");
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hFile, 0);
    ASSERT_TRUE(::GetMenuItemInfoA(hFile, 3, TRUE, &mii));
    EXPECT_NE(0u, mii.fType & MFT_OWNERDRAW);

    // The bar's items are measured by the icon menu.
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ID_TEST_ITEM_A;
    MENUITEMINFOA data = {};
    data.cbSize = sizeof(data);
    data.fMask = MIIM_DATA;
    ::GetMenuItemInfoA(hFile, ID_TEST_ITEM_A, FALSE, &data);
    mis.itemData = data.dwItemData;
    pFrame->SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis);
    EXPECT_GT(mis.itemWidth, 0u);
    EXPECT_GT(mis.itemHeight, 0u);

    // Owner-drawn items keep their texts: the status bar still finds the
    // item its pane names.
    pFrame->m_statusBar.SetPaneText(1, "項目B");
    EXPECT_TRUE(pFrame->m_statusBar.CheckMenuItemByPaneText(1, CMenu::FromHandle(hFile)));
    EXPECT_NE(0u, ::GetMenuState(hFile, ID_TEST_ITEM_B, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MainBaseFrameTest, WindowsTakeTheirSmallIconFromTheIconMenu)
{
    CTestMainFrame* pFrame = Create();
    HICON hIcon = pFrame->GetIconMenuIcon(2);
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(nullptr, pFrame->GetIconMenuIcon(40));

    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, "STATIC", "他", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_TRUE(pFrame->SetWindowIconFromMenu(&other, 2));
    EXPECT_EQ((LRESULT)hIcon, other.SendMessage(WM_GETICON, ICON_SMALL));
    EXPECT_FALSE(pFrame->SetWindowIconFromMenu(&other, 40));
    other.DestroyWindow();
    EXPECT_FALSE(pFrame->SetWindowIconFromMenu(&other, 2));
    EXPECT_FALSE(pFrame->SetWindowIconFromMenu(nullptr, 2));

    // A frame without an icon menu gives none.
    CMainBaseFrame plain;
    EXPECT_EQ(nullptr, plain.GetIconMenuIcon(2));
    EXPECT_EQ(nullptr, plain.GetStatusBar());
    EXPECT_FALSE(plain.SetStatusBarOption(CCommStatusBar::optionRedrawColoredPanes));
    EXPECT_FALSE(plain.TestStatusBarOption(CCommStatusBar::optionRedrawColoredPanes));
}

TEST_F(MainBaseFrameTest, StatusBarOptionsGoThroughTheFrame)
{
    CTestMainFrame* pFrame = Create();
    EXPECT_TRUE(pFrame->TestStatusBarOption(CCommStatusBar::optionRedrawColoredPanes));
    EXPECT_TRUE(pFrame->ClearStatusBarOption(CCommStatusBar::optionRedrawColoredPanes));
    EXPECT_FALSE(pFrame->m_statusBar.TestOption(CCommStatusBar::optionRedrawColoredPanes));
    EXPECT_TRUE(pFrame->SetStatusBarOption(CCommStatusBar::optionRedrawColoredPanes));
    EXPECT_TRUE(pFrame->m_statusBar.TestOption(CCommStatusBar::optionRedrawColoredPanes));
}

TEST_F(MainBaseFrameTest, HelpWindowGoesWithTheFrame)
{
    CFakeHelp::s_events.clear();
    HELP_WINDOW_FACTORY pfnOld = SetHelpWindowFactory(CFakeHelp::Make);
    CTestMainFrame* pFrame = Create();
    EXPECT_TRUE(pFrame->ShowHelp(7));
    EXPECT_TRUE(pFrame->ShowHelp(9));
    pFrame->SendMessage(WM_CLOSE);
    SetHelpWindowFactory(pfnOld);
    // The window made for one page follows a request for another.
    EXPECT_EQ((std::vector<std::string>{"made 7", "shown again at 9", "destroyed"}), CFakeHelp::s_events);
}
#endif // _WIN32
