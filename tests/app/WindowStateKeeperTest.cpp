// The main window's state between runs, over the placement routine and a
// window that lives in a work area of its own: the first run, stored sizes
// cut to the area, the position the centred window ignores, and the
// maximised state that is written only once it was restored.
#include "ProfileTestUtil.h"
#include "TestAppComm.h"

#include "afx/Profile.h"
#include "app/AppComm.h"
#include "app/Placement.h"
#include "app/WindowStateKeeper.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Index of these tests only: other test programs share the profile.
const int kIndex = 61;

class CTestWindow : public CKeptWindow
{
public:
    explicit CTestWindow(const CRect& rcWork) : m_rcWork(rcWork) {}

    BOOL IsKeptWindowValid() const override { return m_bValid; }
    BOOL GetNormalRect(CRect& rcNormal) const override
    {
        if (!m_bPlacementReadable)
            return FALSE;
        rcNormal = m_rcNormal;
        return TRUE;
    }
    BOOL IsKeptWindowMaximized() const override { return m_bMaximized; }
    BOOL MoveInWorkArea(int left, int top, int width, int height, BOOL bCenter) override
    {
        ++m_nMoves;
        return PlaceInWorkArea(m_rcWork, left, top, width, height, bCenter, m_rcNormal);
    }
    void ShowMaximized() override { m_bMaximized = TRUE; }

    CRect m_rcWork;
    CRect m_rcNormal{5, 5, 105, 105};
    BOOL m_bValid = TRUE;
    BOOL m_bPlacementReadable = TRUE;
    BOOL m_bMaximized = FALSE;
    int m_nMoves = 0;
};

class WindowStateKeeperTest : public ::testing::Test
{
protected:
    WindowStateKeeperTest()
    {
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
        Cleanup();
    }
    ~WindowStateKeeperTest() override { Cleanup(); }
    void Cleanup() { AfxProfileDelete(app.GetProfileSectionKey(GetWindowStateSection(kIndex)), nullptr); }
    std::string Stored(const char* key)
    {
        return StoredProfileValue(app, GetWindowStateSection(kIndex), key);
    }
    void Store(const char* key, int value) { app.WriteProfileInt(GetWindowStateSection(kIndex), key, value); }

    CTestAppComm app;
};
} // namespace

TEST_F(WindowStateKeeperTest, SectionIsNumbered)
{
    EXPECT_EQ(CString("WindowState\\0"), GetWindowStateSection(0));
    EXPECT_EQ(CString("WindowState\\12"), GetWindowStateSection(12));
}

TEST_F(WindowStateKeeperTest, RestoredSizeIsCutToTheWorkAreaAndCentred)
{
    const struct
    {
        const char* name;
        CRect rcWork;
        int width, height, left, top; // stored; 0 width: nothing stored
        DWORD dwOptions;
        CRect rcExpected;
    } cases[] = {
        {"first run", CRect(0, 0, 1600, 900), 0, 0, 0, 0, CWindowStateKeeper::optionAlwaysCenter,
         CRect(260, 110, 1340, 790)},
        {"first run, task bar on the left", CRect(60, 0, 1660, 900), 0, 0, 0, 0,
         CWindowStateKeeper::optionAlwaysCenter, CRect(320, 110, 1400, 790)},
        {"first run, small screen", CRect(0, 0, 1024, 740), 0, 0, 0, 0,
         CWindowStateKeeper::optionAlwaysCenter, CRect(0, 30, 1024, 710)},
        {"stored size", CRect(0, 0, 1600, 900), 800, 500, 0, 0, CWindowStateKeeper::optionAlwaysCenter,
         CRect(400, 200, 1200, 700)},
        {"wider than the screen", CRect(0, 0, 1600, 900), 2400, 600, 0, 0,
         CWindowStateKeeper::optionAlwaysCenter, CRect(0, 150, 1600, 750)},
        {"stored position unused", CRect(0, 0, 1600, 900), 800, 500, 30, 40,
         CWindowStateKeeper::optionAlwaysCenter, CRect(400, 200, 1200, 700)},
        {"stored position of a window not centred", CRect(0, 0, 1600, 900), 800, 500, 30, 40, 0,
         CRect(30, 40, 830, 540)},
    };
    for (const auto& c : cases)
    {
        Cleanup();
        if (c.width != 0)
        {
            Store("Width", c.width);
            Store("Height", c.height);
            Store("Left", c.left);
            Store("Top", c.top);
        }
        CTestWindow window(c.rcWork);
        CWindowStateKeeper keeper;
        keeper.Init(kIndex, &window, 0, 0, c.dwOptions);
        keeper.SetDefaultSize(1080, 680);
        EXPECT_TRUE(keeper.RestorePlacement()) << c.name;
        EXPECT_EQ(c.rcExpected, window.m_rcNormal) << c.name;
        EXPECT_FALSE(window.m_bMaximized) << c.name;
    }
}

TEST_F(WindowStateKeeperTest, SizeThatIsNotPositiveLeavesTheWindowWhereItIs)
{
    for (int width : {0, -20})
    {
        Store("Width", width);
        Store("Height", 400);
        CTestWindow window(CRect(0, 0, 1600, 900));
        CWindowStateKeeper keeper;
        keeper.Init(kIndex, &window, 1080, 680, CWindowStateKeeper::optionAlwaysCenter);
        EXPECT_FALSE(keeper.RestorePlacement()) << width;
        EXPECT_EQ(CRect(5, 5, 105, 105), window.m_rcNormal) << width;
    }
}

TEST_F(WindowStateKeeperTest, MaximizedIsWrittenOnlyOnceItWasRestored)
{
    Store("Maximized", 1);
    CTestWindow window(CRect(0, 0, 1600, 900));
    window.m_rcNormal = CRect(200, 100, 1000, 700);
    CWindowStateKeeper keeper;
    keeper.Init(kIndex, &window, 1080, 680, CWindowStateKeeper::optionAlwaysCenter);

    // Closed before it was shown: the stored state stays.
    EXPECT_TRUE(keeper.Save());
    EXPECT_EQ("800", Stored("Width"));
    EXPECT_EQ("600", Stored("Height"));
    EXPECT_EQ("200", Stored("Left"));
    EXPECT_EQ("100", Stored("Top"));
    EXPECT_EQ("1", Stored("Maximized"));

    EXPECT_FALSE(keeper.IsMaximizedRestored());
    EXPECT_TRUE(keeper.RestoreMaximized());
    EXPECT_TRUE(keeper.IsMaximizedRestored());
    EXPECT_TRUE(window.m_bMaximized);

    window.m_bMaximized = FALSE;
    EXPECT_TRUE(keeper.Save());
    EXPECT_EQ("0", Stored("Maximized"));
    window.m_bMaximized = TRUE;
    EXPECT_TRUE(keeper.Save());
    EXPECT_EQ("1", Stored("Maximized"));
}

TEST_F(WindowStateKeeperTest, MaximizedStartFollowsTheStoredValueOrTheOption)
{
    const struct
    {
        const char* name;
        int nStored; // -1: none stored
        DWORD dwOptions;
        BOOL bMaximized;
    } cases[] = {
        {"stored 1", 1, 0, TRUE},
        {"stored 0", 0, CWindowStateKeeper::optionStartMaximized, FALSE},
        {"none stored", -1, 0, FALSE},
        {"none stored, start maximised", -1, CWindowStateKeeper::optionStartMaximized, TRUE},
    };
    for (const auto& c : cases)
    {
        Cleanup();
        if (c.nStored >= 0)
            Store("Maximized", c.nStored);
        CTestWindow window(CRect(0, 0, 1600, 900));
        CWindowStateKeeper keeper;
        keeper.Init(kIndex, &window, 1080, 680, c.dwOptions);
        EXPECT_TRUE(keeper.RestoreMaximized()) << c.name;
        EXPECT_EQ(c.bMaximized, window.m_bMaximized) << c.name;
        EXPECT_EQ(0, window.m_nMoves) << c.name;
    }
}

TEST_F(WindowStateKeeperTest, KeeperWithoutItsWindowOrIndexDoesNothing)
{
    Store("Width", 800);
    Store("Maximized", 1);
    CTestWindow gone(CRect(0, 0, 1600, 900));
    gone.m_bValid = FALSE;
    CTestWindow unreadable(CRect(0, 0, 1600, 900));
    unreadable.m_bPlacementReadable = FALSE;
    const struct
    {
        const char* name;
        int nIndex;
        CTestWindow* pWindow;
        BOOL bRestores;
    } cases[] = {
        {"no index", -1, &gone, FALSE},
        {"no window", kIndex, nullptr, FALSE},
        {"window gone", kIndex, &gone, FALSE},
        {"placement unreadable", kIndex, &unreadable, TRUE},
    };
    for (const auto& c : cases)
    {
        CWindowStateKeeper keeper;
        keeper.Init(c.nIndex, c.pWindow, 1080, 680, CWindowStateKeeper::optionAlwaysCenter);
        EXPECT_EQ(c.bRestores, keeper.RestorePlacement()) << c.name;
        EXPECT_EQ(c.bRestores, keeper.RestoreMaximized()) << c.name;
        EXPECT_FALSE(keeper.Save()) << c.name;
    }
    EXPECT_FALSE(gone.m_bMaximized);
    EXPECT_EQ(0, gone.m_nMoves);
    EXPECT_EQ("800", Stored("Width"));
    EXPECT_EQ("(none)", Stored("Height"));
}

TEST(WindowStateKeeperNoApp, WithoutApplicationTheDefaultsAreUsedAndNothingIsSaved)
{
    ASSERT_EQ(nullptr, AfxGetApp());
    CTestWindow window(CRect(0, 0, 1600, 900));
    CWindowStateKeeper keeper;
    keeper.Init(kIndex, &window, 1080, 680, CWindowStateKeeper::optionAlwaysCenter);
    EXPECT_TRUE(keeper.RestorePlacement());
    EXPECT_EQ(CRect(260, 110, 1340, 790), window.m_rcNormal);
    EXPECT_TRUE(keeper.RestoreMaximized());
    EXPECT_FALSE(window.m_bMaximized);
    EXPECT_FALSE(keeper.Save());
}
