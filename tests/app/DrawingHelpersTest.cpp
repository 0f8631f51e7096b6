// The shared drawing and control helpers on real windows: the off-screen
// buffer, the menu helpers, the input method switch and the greyed Close
// command of a busy main window.
#ifdef _WIN32
#include "TestAppComm.h"
#include "TestResources.h"
#include "WinTestUtil.h"

#include "afx/FrameWnd.h"
#include "afx/Menu.h"
#include "afx/MsgMap.h"
#include "afx/ScopedWin.h"
#include "afx/Wnd.h"
#include "app/BusyState.h"
#include "app/ImeModeSwitch.h"
#include "app/MemoryDC.h"
#include "app/MenuHelpers.h"

#include <gtest/gtest.h>

#include <imm.h>

#include <set>
#include <string>
#include <vector>

namespace
{
// ---- CMemoryDC ----

class MemoryDCTest : public ::testing::Test
{
protected:
    MemoryDCTest()
    {
        m_screen.Attach(::CreateCompatibleDC(nullptr));
        m_target.CreateCompatibleBitmap(CDC::FromHandle(CScopedGetDC(nullptr)), 40, 30);
        m_pSelect.reset(new CScopedSelectObject(m_screen, m_target));
        m_screen.FillSolidRect(0, 0, 40, 30, RGB(0, 0, 0));
    }

    CDC m_screen;
    CBitmap m_target;
    std::unique_ptr<CScopedSelectObject> m_pSelect;
};

TEST_F(MemoryDCTest, CreateTwiceKeepsOneBufferAndFlushCopiesTheRectangle)
{
    CMemoryDC buffer(&m_screen);
    CDC* pFirst = buffer.Create(20, 10);
    ASSERT_NE(nullptr, pFirst);
    HGDIOBJ hFirstBitmap = ::GetCurrentObject(pFirst->m_hDC, OBJ_BITMAP);
    CDC* pSecond = buffer.Create(40, 30);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_EQ(0u, (UINT)::GetObjectType(hFirstBitmap)); // the first bitmap is gone
    EXPECT_EQ(40, buffer.GetWidth());
    EXPECT_EQ(30, buffer.GetHeight());

    buffer.Fill(RGB(255, 0, 0));
    const CRect rcPart(5, 5, 15, 10);
    EXPECT_TRUE(buffer.Flush(&rcPart));
    EXPECT_EQ(RGB(255, 0, 0), m_screen.GetPixel(5, 5));
    EXPECT_EQ(RGB(255, 0, 0), m_screen.GetPixel(14, 9));
    EXPECT_EQ(RGB(0, 0, 0), m_screen.GetPixel(15, 9));
    EXPECT_EQ(RGB(0, 0, 0), m_screen.GetPixel(4, 5));
}

TEST_F(MemoryDCTest, FlushAfterReleaseDoesNothing)
{
    CMemoryDC buffer(&m_screen);
    ASSERT_NE(nullptr, buffer.Create(40, 30));
    buffer.Fill(RGB(0, 255, 0));
    buffer.Release();
    EXPECT_EQ(0, buffer.GetWidth());
    const CRect rcAll(0, 0, 40, 30);
    EXPECT_FALSE(buffer.Flush(&rcAll));
    EXPECT_FALSE(buffer.ClipToTarget());
    EXPECT_EQ(RGB(0, 0, 0), m_screen.GetPixel(10, 10));

    CMemoryDC noTarget(nullptr);
    EXPECT_EQ(nullptr, noTarget.Create(10, 10));
    EXPECT_FALSE(noTarget.Flush(&rcAll));
}

TEST_F(MemoryDCTest, ClipToTargetPaintsOnlyTheInvalidPart)
{
    m_screen.IntersectClipRect(0, 0, 10, 10);
    CMemoryDC buffer(&m_screen);
    ASSERT_NE(nullptr, buffer.Create(40, 30));
    buffer.Fill(RGB(0, 0, 0));
    EXPECT_TRUE(buffer.ClipToTarget());
    buffer.GetDC()->FillSolidRect(0, 0, 40, 30, RGB(0, 0, 255));
    EXPECT_EQ(RGB(0, 0, 255), buffer.GetDC()->GetPixel(9, 9));
    EXPECT_EQ(RGB(0, 0, 0), buffer.GetDC()->GetPixel(20, 20));

    // An empty clip box has nothing to paint.
    m_screen.IntersectClipRect(50, 50, 60, 60);
    EXPECT_FALSE(buffer.ClipToTarget());
}

// ---- Menus ----

std::vector<std::string> MenuItems(CMenu& menu)
{
    std::vector<std::string> items;
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i)
    {
        if ((menu.GetMenuState(i, MF_BYPOSITION) & MF_SEPARATOR) != 0)
        {
            items.push_back("-");
            continue;
        }
        CString strText;
        menu.GetMenuString(i, strText, MF_BYPOSITION);
        items.push_back((LPCTSTR)strText);
    }
    return items;
}

class MenuHelpersTest : public ::testing::Test
{
protected:
    MenuHelpersTest()
    {
        m_menu.CreatePopupMenu();
        m_menu.AppendMenu(MF_STRING, 1, "一");
        m_menu.AppendMenu(MF_STRING, 2, "二");
        m_menu.AppendMenu(MF_STRING, 3, "三");
    }
    CMenu m_menu;
};

TEST_F(MenuHelpersTest, InsertsThePopupsItemsInOrder)
{
    const struct
    {
        const char* name;
        UINT position;
        UINT flags;
        std::vector<std::string> expected;
    } cases[] = {
        {"separators on both sides",
         2,
         MENU_INSERT_SEPARATOR_BEFORE | MENU_INSERT_SEPARATOR_AFTER,
         {"一", "二", "-", "項目A(&A)", "項目B(&B)", "-", "三"}},
        {"no separators", 0, 0, {"項目A(&A)", "項目B(&B)", "一", "二", "三"}},
        {"separator in front, by command",
         3,
         MENU_INSERT_BYCOMMAND | MENU_INSERT_SEPARATOR_BEFORE,
         {"一", "二", "-", "項目A(&A)", "項目B(&B)", "三"}},
        {"at the end", 3, MENU_INSERT_SEPARATOR_BEFORE, {"一", "二", "三", "-", "項目A(&A)", "項目B(&B)"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 1, "一");
        menu.AppendMenu(MF_STRING, 2, "二");
        menu.AppendMenu(MF_STRING, 3, "三");
        EXPECT_TRUE(InsertMenuFromResource(&menu, c.position, IDR_TEST_POPUP, c.flags));
        EXPECT_EQ(c.expected, MenuItems(menu));
    }
}

TEST_F(MenuHelpersTest, InsertedItemsCarryTheirCommands)
{
    ASSERT_TRUE(InsertMenuFromResource(&m_menu, 2, IDR_TEST_POPUP,
                                       MENU_INSERT_SEPARATOR_BEFORE | MENU_INSERT_SEPARATOR_AFTER));
    EXPECT_EQ((UINT)ID_TEST_ITEM_A, m_menu.GetMenuItemID(3));
    EXPECT_EQ((UINT)ID_TEST_ITEM_B, m_menu.GetMenuItemID(4));
    // The item without text stays out.
    EXPECT_EQ((UINT)-1, m_menu.GetMenuState(ID_TEST_ITEM_EMPTY, MF_BYCOMMAND));
}

TEST_F(MenuHelpersTest, MissingResourceOrPopupInsertsNothing)
{
    EXPECT_FALSE(InsertMenuFromResource(&m_menu, 0, IDR_TEST_NO_POPUP, MENU_INSERT_SEPARATOR_BEFORE));
    EXPECT_FALSE(InsertMenuFromResource(&m_menu, 0, 61999, MENU_INSERT_SEPARATOR_BEFORE));
    EXPECT_FALSE(InsertMenuFromResource(&m_menu, 77, IDR_TEST_POPUP, MENU_INSERT_BYCOMMAND));
    EXPECT_EQ(3u, m_menu.GetMenuItemCount());
}

class CSomeCommands : public CCommandStateProvider
{
public:
    explicit CSomeCommands(std::set<UINT> enabled) : m_enabled(std::move(enabled)) {}
    BOOL IsCommandEnabled(UINT nID) override
    {
        m_asked.push_back(nID);
        return m_enabled.count(nID) != 0;
    }
    std::set<UINT> m_enabled;
    std::vector<UINT> m_asked;
};

TEST_F(MenuHelpersTest, UpdateEnablesByTheProviderAndSkipsSeparators)
{
    m_menu.InsertMenu(1, MF_BYPOSITION | MF_SEPARATOR);
    m_menu.EnableMenuItem(3, MF_BYCOMMAND | MF_GRAYED);
    CSomeCommands provider({3});
    UpdateMenuItems(&m_menu, &provider);
    EXPECT_EQ((std::vector<UINT>{1, 2, 3}), provider.m_asked);
    EXPECT_NE(0u, m_menu.GetMenuState(1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(0u, m_menu.GetMenuState(2, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, m_menu.GetMenuState(3, MF_BYCOMMAND) & MF_GRAYED);
}

// ---- Input method ----

class ImeSwitchTest : public ::testing::Test
{
protected:
    ImeSwitchTest() : m_window(UniqueName("TanzoImeClass"), WS_POPUP | WS_VISIBLE) {}

    BOOL IsOpen()
    {
        HIMC hImc = ::ImmGetContext(m_window.m_hWnd);
        BOOL bOpen = ::ImmGetOpenStatus(hImc);
        ::ImmReleaseContext(m_window.m_hWnd, hImc);
        return bOpen;
    }
    void SetOpen(BOOL bOpen)
    {
        HIMC hImc = ::ImmGetContext(m_window.m_hWnd);
        ::ImmSetOpenStatus(hImc, bOpen);
        ::ImmReleaseContext(m_window.m_hWnd, hImc);
    }
    void RequireInputContext()
    {
        HIMC hImc = ::ImmGetContext(m_window.m_hWnd);
        if (hImc == nullptr)
            GTEST_SKIP() << "no input context for windows on this system";
        ::ImmReleaseContext(m_window.m_hWnd, hImc);
    }

    CCountingWindow m_window;
};

TEST_F(ImeSwitchTest, ModesOpenCloseOrLeaveAndRestoreTheUsersState)
{
    RequireInputContext();
    const struct
    {
        const char* name;
        int mode;
        BOOL before;
        BOOL whileFocused;
    } cases[] = {
        {"open", CImeModeSwitch::modeOpen, FALSE, TRUE},
        {"close", CImeModeSwitch::modeClose, TRUE, FALSE},
        {"leave closed", CImeModeSwitch::modeLeave, FALSE, FALSE},
        {"leave open", CImeModeSwitch::modeLeave, TRUE, TRUE},
    };
    CWnd* pWnd = CWnd::FromHandle(m_window.m_hWnd);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetOpen(c.before);
        CImeModeSwitch ime(c.mode);
        ime.Apply(pWnd);
        EXPECT_EQ(c.whileFocused, IsOpen());
        ime.Restore();
        EXPECT_EQ(c.before, IsOpen());
    }
}

TEST_F(ImeSwitchTest, SecondApplyKeepsTheFirstSavedState)
{
    RequireInputContext();
    CWnd* pWnd = CWnd::FromHandle(m_window.m_hWnd);
    SetOpen(FALSE);
    CImeModeSwitch ime(CImeModeSwitch::modeOpen);
    ime.Apply(pWnd);
    ASSERT_TRUE(IsOpen());
    ime.Apply(pWnd); // the state is open now, but the saved one stays closed
    ime.Restore();
    EXPECT_FALSE(IsOpen());

    // Restored once, the next focus saves afresh.
    SetOpen(TRUE);
    ime.SetMode(CImeModeSwitch::modeClose);
    ime.Apply(pWnd);
    EXPECT_FALSE(IsOpen());
    ime.Restore();
    EXPECT_TRUE(IsOpen());
}

TEST_F(ImeSwitchTest, KeeperWithoutWindowDoesNothing)
{
    CImeStatusKeeper keeper;
    EXPECT_FALSE(keeper.IsSaved());
    EXPECT_FALSE(keeper.SetOpen(TRUE));
    EXPECT_FALSE(keeper.Restore());
    EXPECT_FALSE(keeper.Save(nullptr));
    EXPECT_FALSE(keeper.IsSaved());
}

// ---- Close of a busy main window ----

class CBarChild : public CWnd
{
public:
    int m_nUpdates = 0;

protected:
    afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM)
    {
        ++m_nUpdates;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarChild, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

TEST(MainWindowCloseTest, GreysAndEnablesCloseAndUpdatesTheBars)
{
    CTestAppComm app;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "メイン"));
    CBarChild bar;
    ASSERT_TRUE(bar.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, 100));
    app.m_pMainWnd = pFrame;

    EnableMainWindowClose(FALSE);
    EXPECT_NE(0u, pFrame->GetSystemMenu(FALSE)->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(1, bar.m_nUpdates);
    EnableMainWindowClose(TRUE);
    EXPECT_EQ(0u, pFrame->GetSystemMenu(FALSE)->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(2, bar.m_nUpdates);

    // A main window that is no frame is left alone.
    CCountingWindow plain(UniqueName("TanzoPlainMainClass"), WS_OVERLAPPEDWINDOW);
    app.m_pMainWnd = CWnd::FromHandle(plain.m_hWnd);
    EnableMainWindowClose(FALSE);
    EXPECT_EQ(0u, ::GetMenuState(::GetSystemMenu(plain.m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);

    app.m_pMainWnd = nullptr;
    EnableMainWindowClose(FALSE); // nothing to do
    pFrame->DestroyWindow();
}
} // namespace
#endif // _WIN32
