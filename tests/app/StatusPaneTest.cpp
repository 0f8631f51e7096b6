// The status bar's rules without windows: when a pane is drawn by the bar,
// what a timed text shows and how long, which timer belongs to which pane,
// which menu item a pane's text names, numbers in panes, and the badge of
// a highlighted pane on a recording bar.
#include "TestResources.h"

#include "app/StatusPane.h"
#include "app/StatusPaneHighlight.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

TEST(StatusPane, AnyColourAlignmentOrTimedTextMakesThePaneDrawnByTheBar)
{
    struct Step
    {
        const char* name;
        void (*change)(CStatusPane&);
        BOOL bPlain;
    } steps[] = {
        {"new", [](CStatusPane&) {}, TRUE},
        {"text colour", [](CStatusPane& p) { p.m_crText = 0x0000FF; }, FALSE},
        {"text colour back", [](CStatusPane& p) { p.m_crText = STATUSPANE_NO_COLOR; }, TRUE},
        {"black background", [](CStatusPane& p) { p.m_crBack = 0x000000; }, FALSE},
        {"background back", [](CStatusPane& p) { p.m_crBack = STATUSPANE_NO_COLOR; }, TRUE},
        {"centred", [](CStatusPane& p) { p.m_nAlign = STATUSPANE_ALIGN_CENTER; }, FALSE},
        {"left again", [](CStatusPane& p) { p.m_nAlign = STATUSPANE_ALIGN_LEFT; }, TRUE},
        {"timed text", [](CStatusPane& p) { p.SetTimedText(2, "保存しました", 0xFF, 0xFFFF); }, FALSE},
        {"timed text ended", [](CStatusPane& p) { p.SetTimedText(0, "x", 0xFF, 0xFFFF); }, TRUE},
    };
    CStatusPane pane;
    for (const Step& step : steps)
    {
        step.change(pane);
        EXPECT_EQ(step.bPlain, pane.IsPlain()) << step.name;
    }
}

TEST(StatusPane, TimedTextShowsItsTextAndColoursUntilItEnds)
{
    CStatusPane pane;
    pane.m_crText = 0x112233;
    const CString strPaneText("ページ 1");
    pane.SetTimedText(8, "取得しました", 0x0000FF, STATUSPANE_NO_COLOR);
    EXPECT_TRUE(pane.IsTimedTextShowing());
    EXPECT_EQ(CString("取得しました"), pane.GetShownText(strPaneText));
    EXPECT_EQ((COLORREF)0x0000FF, pane.GetShownTextColor());
    EXPECT_EQ(STATUSPANE_NO_COLOR, pane.GetShownBkColor());

    pane.SetTimedText(0, "取得しました", 0x0000FF, 0x00FF00);
    EXPECT_FALSE(pane.IsTimedTextShowing());
    EXPECT_TRUE(pane.m_strTimedText.IsEmpty());
    EXPECT_EQ(strPaneText, pane.GetShownText(strPaneText));
    EXPECT_EQ((COLORREF)0x112233, pane.GetShownTextColor());
    EXPECT_EQ(STATUSPANE_NO_COLOR, pane.GetShownBkColor());

    // A negative time ends it too.
    pane.SetTimedText(2, "a", 1, 2);
    pane.SetTimedText(-3, "a", 1, 2);
    EXPECT_FALSE(pane.IsTimedTextShowing());
}

TEST(StatusPane, KindsOfTimedTextAreDurations)
{
    const struct
    {
        int nKind;
        int nSeconds;
    } cases[] = {{0, -1}, {1, 2}, {2, 8}, {3, 0}, {-1, 0}, {100, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.nSeconds, TimedTextSecondsOfKind(c.nKind)) << c.nKind;
}

TEST(StatusPane, OnlyTheFirstSixteenPanesHaveATimer)
{
    const struct
    {
        int nPane;
        int nCount;
        BOOL bCan;
    } cases[] = {{0, 3, TRUE},   {2, 3, TRUE},    {3, 3, FALSE}, {-1, 3, FALSE},
                 {15, 20, TRUE}, {16, 20, FALSE}, {0, 0, FALSE}};
    for (const auto& c : cases)
        EXPECT_EQ(c.bCan, CanShowTimedText(c.nPane, c.nCount)) << c.nPane << " of " << c.nCount;

    EXPECT_EQ(0x110Cu, StatusPaneTimerId(2));
    const struct
    {
        UINT_PTR nTimer;
        int nPane;
    } timers[] = {{0x110A, 0}, {0x110C, 2}, {0x1119, 15}, {0x1109, -1}, {0x111A, -1}, {0, -1}};
    for (const auto& t : timers)
        EXPECT_EQ(t.nPane, StatusPaneOfTimer(t.nTimer)) << std::hex << t.nTimer;
}

TEST(StatusPane, MenuItemTextWithoutItsAcceleratorNamesThePane)
{
    const struct
    {
        const char* item;
        const char* asPane;
    } texts[] = {
        {"自動ログイン(&A)", "自動ログイン"},
        {"手動ログ&イン", "手動ログイン"},
        {"半&自動(&S)", "半&自動"},
        {"(&X)", ""},
        {"表示", "表示"},
        {"", ""},
    };
    for (const auto& t : texts)
        EXPECT_EQ(CString(t.asPane), MenuTextAsPaneText(t.item)) << t.item;

    CStringArray items;
    for (const char* item : {"自動ログイン(&A)", "手動ログ&イン", "半&自動(&S)", "手動ログイン"})
        items.Add(item);
    const struct
    {
        const char* pane;
        int nItem;
    } finds[] = {{"自動ログイン", 0}, {"手動ログイン", 1}, {"半自動", -1}, {"半&自動", 2}, {"ログイン", -1}};
    for (const auto& f : finds)
        EXPECT_EQ(f.nItem, FindMenuItemByPaneText(items, f.pane)) << f.pane;
}

TEST(StatusPane, NumberInAPaneFollowsItsFormatString)
{
    EXPECT_EQ(CString("42"), FormatPaneNumber(42, 0));
    EXPECT_EQ(CString("-7"), FormatPaneNumber(-7, 0));
    EXPECT_EQ(CString("未読 5 件"), FormatPaneNumber(5, IDS_TEST_PANE_COUNT));
}

namespace
{
// A bar that records what a highlight does to its panes.
class CRecordingBar : public CStatusPaneBar
{
public:
    struct Pane
    {
        int cxWidth = 80;
        std::string text;
        UINT nStyle = 0;
        int nAlign = 0;
        COLORREF crText = STATUSPANE_NO_COLOR;
        COLORREF crBack = STATUSPANE_NO_COLOR;
    };

    int GetPaneWidth(int nIndex) const override
    {
        auto it = panes.find(nIndex);
        return it != panes.end() ? it->second.cxWidth : 80;
    }
    int SetPaneWidth(int nIndex, int cxWidth) override
    {
        int cxOld = panes[nIndex].cxWidth;
        panes[nIndex].cxWidth = cxWidth;
        return cxOld;
    }
    BOOL SetPaneText(int nIndex, LPCTSTR lpszText, BOOL) override
    {
        panes[nIndex].text = lpszText;
        return TRUE;
    }
    BOOL SetPaneNumber(int nIndex, int nValue, UINT nFormatId, BOOL bUpdate) override
    {
        return SetPaneText(nIndex, FormatPaneNumber(nValue, nFormatId), bUpdate);
    }
    void AddPaneStyle(int nIndex, UINT nStyle) override { panes[nIndex].nStyle |= nStyle; }
    BOOL SetPaneAlignment(int nIndex, int nAlign, BOOL) override
    {
        panes[nIndex].nAlign = nAlign;
        return TRUE;
    }
    BOOL SetPaneTextColor(int nIndex, COLORREF cr, BOOL) override
    {
        panes[nIndex].crText = cr;
        return TRUE;
    }
    BOOL SetPaneBkColor(int nIndex, COLORREF cr, BOOL) override
    {
        panes[nIndex].crBack = cr;
        return TRUE;
    }

    std::map<int, Pane> panes;
};
} // namespace

TEST(StatusPaneHighlight, KindsDressTheirPane)
{
    CRecordingBar bar;
    CStatusPaneDarkHighlight dark;
    dark.SetStatusBar(&bar);
    ASSERT_TRUE(dark.Begin(1));
    CStatusPaneBlueHighlight blue;
    blue.SetStatusBar(&bar);
    ASSERT_TRUE(blue.Begin(3));

    const struct
    {
        int nPane;
        int nAlign;
        COLORREF crText;
    } cases[] = {{1, STATUSPANE_ALIGN_CENTER, 0x000000}, {3, STATUSPANE_ALIGN_RIGHT, 0xFF0000}};
    for (const auto& c : cases)
    {
        const CRecordingBar::Pane& pane = bar.panes[c.nPane];
        EXPECT_EQ((UINT)STATUSPANE_STYLE_NOBORDERS, pane.nStyle) << c.nPane;
        EXPECT_EQ(c.nAlign, pane.nAlign) << c.nPane;
        EXPECT_EQ(c.crText, pane.crText) << c.nPane;
        EXPECT_EQ((COLORREF)0xFFFFFF, pane.crBack) << c.nPane;
    }
}

TEST(StatusPaneHighlight, BeginNeedsABarAndHoldsOnePane)
{
    CStatusPaneBlueHighlight highlight;
    EXPECT_FALSE(highlight.Begin(2));
    EXPECT_FALSE(highlight.SetNumber(5, 0));
    EXPECT_FALSE(highlight.SetText("x", TRUE));

    CRecordingBar bar;
    highlight.SetStatusBar(&bar);
    EXPECT_TRUE(highlight.Begin(2));
    EXPECT_FALSE(highlight.Begin(4));
    EXPECT_EQ(2, highlight.GetPane());
    EXPECT_EQ(0u, bar.panes.count(4)); // the second pane stays untouched
    EXPECT_FALSE(highlight.SetText(nullptr, TRUE));
}

TEST(StatusPaneHighlight, BadgeHidesBelowTwoAndComesBackInItsWidth)
{
    CRecordingBar bar;
    bar.panes[2].cxWidth = 64;
    CStatusPaneBlueHighlight highlight;
    highlight.SetStatusBar(&bar);
    ASSERT_TRUE(highlight.Begin(2));

    const struct
    {
        const char* step;
        int nValue; // -1: SetText of text instead
        const char* text;
        int cxWidth;
        const char* shown;
    } steps[] = {
        {"count 5", 5, nullptr, 64, "未読 5 件"},
        {"count 1 hides", 1, nullptr, 0, ""},
        {"count 0 stays hidden", 0, nullptr, 0, ""},
        {"count 12 shows again", 12, nullptr, 64, "未読 12 件"},
        {"empty text hides", -1, "", 0, ""},
        {"text shows again", -1, "新着", 64, "新着"},
        {"a text keeps a shown pane", -1, "更新", 64, "更新"},
    };
    for (const auto& s : steps)
    {
        if (s.nValue >= 0)
            EXPECT_TRUE(highlight.SetNumber(s.nValue, IDS_TEST_PANE_COUNT)) << s.step;
        else
            EXPECT_TRUE(highlight.SetText(s.text, TRUE)) << s.step;
        EXPECT_EQ(s.cxWidth, bar.panes[2].cxWidth) << s.step;
        EXPECT_EQ(std::string(s.shown), bar.panes[2].text) << s.step;
    }
}
