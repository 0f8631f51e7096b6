// The painted labels on a real dialog: a long text is shortened with
// "..." and offered whole as the tip, the link opens only by a click on
// its text (the shell's hook records it) and shows the hand only there,
// the link label's menu copies and opens, and the character counter.
#ifdef _WIN32
#include "DialogTestUtil.h"
#include "TestAppComm.h"
#include "TestResources.h"
#include "WinTestUtil.h"

#include "app/BaseDialog.h"
#include "app/CharCountStatic.h"
#include "app/ClipboardShell.h"
#include "app/DecorateStatic.h"
#include "app/URLStatic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_opened;

INT_PTR RecordOpen(LPCTSTR lpszTarget, HWND)
{
    g_opened.push_back(lpszTarget);
    return 42;
}

class CStaticsDialog : public CBaseDialog
{
public:
    CStaticsDialog() : CBaseDialog(IDD_TEST_STATICS) {}
    CDecorateStatic m_label;
    CURLStatic m_link;
    CCharCountStatic m_count;
    CHintStatic m_hint;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CBaseDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_DECORATED, m_label);
        DDX_Control(pDX, IDC_TEST_LINK, m_link);
        DDX_Control(pDX, IDC_TEST_COUNT, m_count);
        DDX_Control(pDX, IDC_TEST_HINT, m_hint);
    }
};

class DecorateStaticTest : public ::testing::Test
{
protected:
    DecorateStaticTest()
    {
        g_opened.clear();
        m_pfnOld = SetShellOpenHook(RecordOpen);
        m_dlg.CreateModeless(nullptr);
        m_dlg.SetWindowPos(&CWnd::wndTop, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        Paint();
    }
    ~DecorateStaticTest() override
    {
        m_dlg.DestroyWindow();
        SetShellOpenHook(m_pfnOld);
    }
    void Paint()
    {
        m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
    }
    static CString Tip(CToolTipTextSource& source)
    {
        CString strTip;
        source.GetToolTipText(strTip);
        return strTip;
    }

    CTestAppComm app;
    CStaticsDialog m_dlg;
    SHELL_OPEN_HOOK m_pfnOld = nullptr;
};

TEST_F(DecorateStaticTest, LongTextIsShortenedAndItsTipIsTheWholeText)
{
    const CString strLong = "とても長いラベルの文章はこの幅には入りきらない";
    m_dlg.m_label.SetText(strLong);
    m_dlg.m_label.SetLinkUrl("https://help.example/");
    m_dlg.m_label.Redraw();
    Paint();
    EXPECT_TRUE(m_dlg.m_label.TestState(CDecorateStatic::stateShortened));
    EXPECT_EQ(strLong, Tip(m_dlg.m_label));
    CString strText;
    m_dlg.m_label.GetText(strText);
    EXPECT_EQ(strLong, strText); // the label keeps its text

    // The dialog offers it as the label's tip.
    CString strDialogTip;
    EXPECT_TRUE(m_dlg.GetToolTipText(IDC_TEST_DECORATED, strDialogTip));
    EXPECT_EQ(strLong, strDialogTip);

    m_dlg.m_label.SetText("短い");
    m_dlg.m_label.Redraw();
    Paint();
    EXPECT_FALSE(m_dlg.m_label.TestState(CDecorateStatic::stateShortened));
    EXPECT_EQ(CString("https://help.example/"), Tip(m_dlg.m_label));

    m_dlg.m_label.SetLinkUrl("");
    CString strNone;
    EXPECT_FALSE(m_dlg.m_label.GetToolTipText(strNone));
    EXPECT_FALSE(m_dlg.GetToolTipText(IDC_TEST_DECORATED, strNone));
}

TEST_F(DecorateStaticTest, LinkOpensOnlyByAClickOnItsText)
{
    RUN_WHERE_THE_CURSOR_MOVES();
    CURLStatic& link = m_dlg.m_link;
    // The template gave no SS_NOTIFY: the first paint adds it.
    EXPECT_NE(0u, link.GetStyle() & SS_NOTIFY);
    CString strUrl;
    link.GetLinkUrl(strUrl);
    EXPECT_EQ(CString("https://auctions.example/"), strUrl); // the link is the text
    const CRect rcText = link.GetTextRect();
    ASSERT_FALSE(rcText.IsRectEmpty());
    CRect rcClient;
    link.GetClientRect(&rcClient);
    ASSERT_LT(rcText.right + 5, rcClient.right);

    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcText.right + 4, rcText.CenterPoint().y));
    link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcText.right + 4, rcText.CenterPoint().y));
    EXPECT_TRUE(g_opened.empty());
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcText.left + 2, rcText.CenterPoint().y));
    link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcText.left + 2, rcText.CenterPoint().y));
    EXPECT_EQ((std::vector<std::string>{"https://auctions.example/"}), g_opened);

    // The hand only over the text.
    auto cursorAt = [&](int x)
    {
        POINT pt = {x, rcText.CenterPoint().y};
        link.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        link.SendMessage(WM_SETCURSOR, (WPARAM)link.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    CCursorTestLock lock;
    POINT ptCheck = {rcText.left + 2, rcText.CenterPoint().y};
    link.ClientToScreen(&ptCheck);
    ::SetCursorPos(ptCheck.x, ptCheck.y);
    POINT ptNow;
    ::GetCursorPos(&ptNow);
    if (ptNow.x != ptCheck.x || ptNow.y != ptCheck.y)
        GTEST_SKIP() << "the cursor cannot be moved on this display";
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_HAND), cursorAt(rcText.left + 2));
    EXPECT_NE(::LoadCursorA(nullptr, IDC_HAND), cursorAt(rcText.right + 4));
}

class CHoverRecorder : public CLinkHoverSink
{
public:
    void OnLinkHover(LPCTSTR lpszLink) override { m_links.push_back(lpszLink); }
    std::vector<std::string> m_links;
};

TEST_F(DecorateStaticTest, LinkMenuCopiesAndOpensAndHoverNamesTheLink)
{
    CURLStatic& link = m_dlg.m_link;
    EXPECT_TRUE(link.IsLinkCommandEnabled(ID_LINK_COPY));
    EXPECT_TRUE(link.IsLinkCommandEnabled(ID_LINK_OPEN));
    EXPECT_FALSE(link.IsLinkCommandEnabled(ID_LINK_OPEN + 1));

    BOOL bShown = FALSE;
    std::vector<std::string> items;
    CloseMenuSoon(&bShown, [&](HWND hMenuWnd) { items = OpenMenuItems(hMenuWnd); });
    link.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(bShown);
    EXPECT_EQ((std::vector<std::string>{"リンクアドレスをコピー(&C) 41133", "リンクを開く(&O) 41134"}),
              items);

    {
        CClipboardTestLock lock;
        link.SendMessage(WM_COMMAND, ID_LINK_COPY, 0);
        CString strClip;
        EXPECT_TRUE(GetClipboardText(strClip, m_dlg.m_hWnd, FALSE));
        EXPECT_EQ(CString("https://auctions.example/"), strClip);
    }
    link.SendMessage(WM_COMMAND, ID_LINK_OPEN, 0);
    EXPECT_EQ((std::vector<std::string>{"https://auctions.example/"}), g_opened);

    CHoverRecorder hover;
    link.SetHoverSink(&hover);
    const CRect rcText = link.GetTextRect();
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcText.left + 1, rcText.top + 1));
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcText.right + 3, rcText.top + 1));
    EXPECT_EQ((std::vector<std::string>{"https://auctions.example/", ""}), hover.m_links);
    link.SetHoverSink(nullptr);
}

TEST_F(DecorateStaticTest, LinkWithoutAddressHasNoCommands)
{
    CURLStatic link;
    EXPECT_FALSE(link.IsLinkCommandEnabled(ID_LINK_COPY));
    link.SendMessage(WM_COMMAND, ID_LINK_OPEN, 0);
    EXPECT_TRUE(g_opened.empty());
}

TEST_F(DecorateStaticTest, CounterShowsFullWidthCharacters)
{
    CCharCountStatic& count = m_dlg.m_count;
    count.SetThreshold(CCharCountStatic::thresholdWarning, 90);
    count.SetThreshold(CCharCountStatic::thresholdMaximum, 100);
    count.SetThreshold(5, 1); // ignored
    const struct
    {
        int count;
        const char* text;
        BOOL bold;
        COLORREF colour;
    } cases[] = {
        {0, "0", FALSE, (COLORREF)-1},
        {7, "3.5", FALSE, (COLORREF)-1},
        {98, "49", TRUE, (COLORREF)-1},
        {99, "49.5", TRUE, RGB(255, 0, 0)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.count);
        count.SetCount(c.count, TRUE);
        CString strText;
        count.GetText(strText);
        EXPECT_EQ(CString(c.text), strText);
        EXPECT_EQ(c.bold, count.TestStyleBits(CDecorateStatic::styleBold));
        EXPECT_EQ(c.colour, count.GetTextColor());
    }
    count.SetCount(3, FALSE); // shown at the next update
    CString strText;
    count.GetText(strText);
    EXPECT_EQ(CString("49.5"), strText);
}

TEST_F(DecorateStaticTest, HintIsAFramedYellowBox)
{
    EXPECT_TRUE(m_dlg.m_hint.TestStyleBits(CDecorateStatic::styleFrame));
    EXPECT_TRUE(m_dlg.m_hint.TestOptions(CDecorateStatic::optionMultiLine));
    EXPECT_EQ((COLORREF)0xE2FFFF, m_dlg.m_hint.GetBkColor());
    EXPECT_EQ((COLORREF)0x2A2AA5, m_dlg.m_hint.GetTextColor());
}
} // namespace
#endif // _WIN32
