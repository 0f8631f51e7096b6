// The embedded browser under Wine: a frame made over a placeholder with
// its view, the navigation arguments and events that reach the listener,
// a listener's veto, the user's navigations, blocked right clicks and the
// element operations without a document. Wine here has no Gecko: navigations are made and
// raise their events, but no document ever loads.
#include "BrowserHostTest.h"

#include "controls/HtmlCommView.h"
#include "controls/HtmlViewEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct Navigation
{
    CString url;
    DWORD flags;
    CString target;
    std::string postData;
    CString headers;
};

class CRecordingListener : public CHtmlViewEvents
{
public:
    BOOL OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                           CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL*) override
    {
        m_navigations.push_back({lpszURL, nFlags, lpszTargetFrameName,
                                 std::string(reinterpret_cast<const char*>(baPostedData.GetData()),
                                             (size_t)baPostedData.GetSize()),
                                 lpszHeaders});
        m_events.push_back("BeforeNavigate2");
        return m_bVeto;
    }
    void OnDownloadBegin() override { m_events.push_back("DownloadBegin"); }
    void OnDownloadComplete() override { m_events.push_back("DownloadComplete"); }
    void OnDocumentComplete(LPCTSTR) override { m_events.push_back("DocumentComplete"); }
    void OnDownloadTimeout() override { m_events.push_back("DownloadTimeout"); }
    void OnBackEnabled(BOOL) override { ++m_nCommandStates; }
    void OnForwardEnabled(BOOL) override { ++m_nCommandStates; }

    int Count(const char* event) const
    {
        int n = 0;
        for (const std::string& e : m_events)
            n += e == event ? 1 : 0;
        return n;
    }

    BOOL m_bVeto = FALSE;
    std::vector<Navigation> m_navigations;
    std::vector<std::string> m_events;
    int m_nCommandStates = 0;
};

class HtmlFrameTest : public BrowserHostTest
{
protected:
    void SetUp() override
    {
        BrowserHostTest::SetUp();
        if (m_pFrame != nullptr)
            m_pFrame->SetListener(&m_listener);
    }

    CRecordingListener m_listener;
};

CString ModulePath()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    return szPath;
}
} // namespace

TEST_F(HtmlFrameTest, FrameMakesItsSilentViewOverThePlaceholder)
{
    EXPECT_EQ((int)kFrameId, m_pFrame->GetDlgCtrlID());
    EXPECT_EQ(m_host.m_hWnd, ::GetParent(m_pFrame->m_hWnd));
    CRect frameRect;
    m_pFrame->GetWindowRect(&frameRect);
    m_host.ScreenToClient(&frameRect);
    EXPECT_EQ(CRect(10, 20, 310, 220), frameRect);

    CHtmlCommView* pView = m_pFrame->GetView();
    ASSERT_NE(nullptr, pView);
    ASSERT_TRUE(::IsWindow(pView->m_hWnd));
    EXPECT_EQ(HTMLFRAME_VIEW_ID, pView->GetDlgCtrlID());
    EXPECT_EQ(m_pFrame->m_hWnd, ::GetParent(pView->m_hWnd));
    EXPECT_NE(0u, pView->GetStyle() & WS_CLIPCHILDREN);
    EXPECT_NE(0u, m_pFrame->GetStyle() & WS_CLIPCHILDREN);
    EXPECT_TRUE(pView->GetSilent());
    EXPECT_EQ(pView, m_pFrame->GetActiveView());

    // The view fills the frame, before and after the frame is resized.
    auto expectViewFillsFrame = [&]
    {
        CRect client, view;
        m_pFrame->GetClientRect(&client);
        pView->GetWindowRect(&view);
        m_pFrame->ScreenToClient(&view);
        EXPECT_EQ(client, view);
    };
    expectViewFillsFrame();
    m_pFrame->MoveWindow(0, 0, 420, 330);
    expectViewFillsFrame();
}

TEST_F(HtmlFrameTest, NavigationArgumentsReachTheListenerThenTheDownloadEvents)
{
    ASSERT_TRUE(m_pFrame->Navigate("about:blank", 0, nullptr, "X-Test: 1\r\n", "a=1&b=2", 0));
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Count("DownloadComplete") > 0; }));
    ASSERT_EQ(1u, m_listener.m_navigations.size());
    const Navigation& navigation = m_listener.m_navigations[0];
    EXPECT_STREQ("about:blank", navigation.url);
    EXPECT_STREQ("X-Test: 1\r\n", navigation.headers);
    // Wine 8 hands the event a copy of the right length but other bytes;
    // what was posted is checked where it arrives, at the stand-in
    // (DownloadTimeoutTest.PostDataAndTheMethodReachTheServer).
    EXPECT_EQ(7u, navigation.postData.size());
    EXPECT_STREQ("", navigation.target);
    EXPECT_EQ(0u, navigation.flags & HTMLNAV_BY_USER);
    std::vector<std::string> expected = {"BeforeNavigate2", "DownloadBegin", "DownloadComplete"};
    EXPECT_EQ(expected, m_listener.m_events);
    // Back and forward are reported as the navigation starts.
    EXPECT_GT(m_listener.m_nCommandStates, 0);
    EXPECT_EQ(0, m_listener.Count("DocumentComplete"));
}

TEST_F(HtmlFrameTest, ResourcePagesAreAddressedByTheModulePath)
{
    ASSERT_TRUE(m_pFrame->NavigateResource(410));
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Count("DownloadComplete") > 0; }));
    ASSERT_EQ(1u, m_listener.m_navigations.size());
    EXPECT_STREQ("res://" + ModulePath() + "/410", m_listener.m_navigations[0].url);
    EXPECT_TRUE(m_listener.m_navigations[0].postData.empty());
}

TEST_F(HtmlFrameTest, AVetoOfTheListenerCancelsTheNavigation)
{
    m_listener.m_bVeto = TRUE;
    ASSERT_TRUE(m_pFrame->Navigate("about:blank"));
    // Nothing more comes of it: the next navigation is the first to load.
    m_listener.m_bVeto = FALSE;
    ASSERT_TRUE(m_pFrame->Navigate("about:blank#second"));
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Count("DownloadComplete") > 0; }));
    std::vector<std::string> expected = {"BeforeNavigate2", "BeforeNavigate2", "DownloadBegin",
                                         "DownloadComplete"};
    EXPECT_EQ(expected, m_listener.m_events);
    ASSERT_EQ(2u, m_listener.m_navigations.size());
    EXPECT_STREQ("about:blank#second", m_listener.m_navigations[1].url);
}

TEST_F(HtmlFrameTest, OperationsWithoutAViewDoNothing)
{
    m_pFrame->GetView()->DestroyWindow();
    EXPECT_FALSE(m_pFrame->IsViewValid());
    EXPECT_FALSE(m_pFrame->Navigate("about:blank"));
    EXPECT_FALSE(m_pFrame->NavigateResource(410));
    EXPECT_FALSE(m_pFrame->GoBack());
    EXPECT_FALSE(m_pFrame->GoForward());
    EXPECT_FALSE(m_pFrame->Stop());
    EXPECT_FALSE(m_pFrame->FindElement("input", "name", "login"));
    std::unique_ptr<CPageElement> form;
    EXPECT_FALSE(m_pFrame->GetForm(form, "login_form"));
    EXPECT_FALSE(form);
    m_pFrame->SetListener(nullptr);
    EXPECT_TRUE(m_listener.m_events.empty());
}

TEST_F(HtmlFrameTest, ElementOperationsWithoutADocumentFail)
{
    // Without Gecko no document ever loads.
    EXPECT_FALSE(m_pFrame->FindElement("input", "name", "login"));
    EXPECT_FALSE(m_pFrame->SetElementValue("input", "value", "x", "name", "login"));
    std::unique_ptr<CPageElement> form;
    EXPECT_FALSE(m_pFrame->GetForm(form, "login_form"));
    EXPECT_FALSE(m_pFrame->SubmitForm("login_form"));
}

TEST_F(HtmlFrameTest, ANavigationRightAfterAClickInThePageIsTheUsers)
{
    CHtmlCommView* pView = m_pFrame->GetView();
    auto clickInPage = [&]
    {
        MSG msg = {pView->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5), ::GetTickCount(), {0, 0}};
        EXPECT_FALSE(pView->PreTranslateMessage(&msg));
    };
    // As the page does it after a click: the browser navigates by itself.
    auto pageNavigates = [&](LPCTSTR lpszURL) { pView->CFixHtmlView::Navigate(lpszURL); };

    clickInPage();
    pageNavigates("about:blank#clicked");
    pageNavigates("about:blank#redirected");
    clickInPage();
    // What the program asks for is its own.
    m_pFrame->Navigate("about:blank#program");
    ASSERT_TRUE(PumpUntil([&] { return m_listener.m_navigations.size() >= 3; }));
    ASSERT_EQ(3u, m_listener.m_navigations.size());
    EXPECT_NE(0u, m_listener.m_navigations[0].flags & HTMLNAV_BY_USER);
    EXPECT_EQ(0u, m_listener.m_navigations[1].flags & HTMLNAV_BY_USER);
    EXPECT_EQ(0u, m_listener.m_navigations[2].flags & HTMLNAV_BY_USER);
}

TEST_F(HtmlFrameTest, RightClicksAreSwallowedWhenTheListenerBlocksTheMenu)
{
    class CBlockingListener : public CHtmlViewEvents
    {
    public:
        BOOL IsContextMenuBlocked() override { return m_bBlocked; }
        BOOL m_bBlocked = TRUE;
    } listener;
    m_pFrame->SetListener(&listener);
    CHtmlCommView* pView = m_pFrame->GetView();
    for (UINT message : {WM_RBUTTONDOWN, WM_RBUTTONDBLCLK})
    {
        MSG msg = {pView->m_hWnd, message, MK_RBUTTON, MAKELPARAM(5, 5), 0, {0, 0}};
        listener.m_bBlocked = TRUE;
        EXPECT_TRUE(pView->PreTranslateMessage(&msg)) << message;
        listener.m_bBlocked = FALSE;
        EXPECT_FALSE(pView->PreTranslateMessage(&msg)) << message;
    }
    // A click outside the browser is none of its business.
    listener.m_bBlocked = TRUE;
    MSG outside = {m_host.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, 0, 0, {0, 0}};
    EXPECT_FALSE(pView->PreTranslateMessage(&outside));
    m_pFrame->SetListener(nullptr);
}
