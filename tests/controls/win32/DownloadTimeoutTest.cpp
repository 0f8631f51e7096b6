// The download time-out against the stand-in's page whose headers come
// late: the browser is stopped and the listener told, unless no time-out
// is set.
#include "BrowserHostTest.h"
#include "net/win32/StandIn.h"

#include "controls/HtmlCommView.h"
#include "controls/HtmlViewEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
class CDownloadListener : public CHtmlViewEvents
{
public:
    void OnDownloadBegin() override
    {
        m_events.push_back("DownloadBegin");
        // Whether the view set its timer: killing it tells.
        if (m_pView != nullptr && m_bProbeTimer)
            m_bTimerRunning = ::KillTimer(m_pView->m_hWnd, HTMLVIEW_TIMER_DOWNLOAD);
    }
    void OnDownloadComplete() override { m_events.push_back("DownloadComplete"); }
    void OnDownloadTimeout() override { m_events.push_back("DownloadTimeout"); }

    BOOL Has(const char* event) const
    {
        for (const std::string& e : m_events)
            if (e == event)
                return TRUE;
        return FALSE;
    }

    CHtmlCommView* m_pView = nullptr;
    BOOL m_bProbeTimer = FALSE;
    BOOL m_bTimerRunning = FALSE;
    std::vector<std::string> m_events;
};

class DownloadTimeoutTest : public BrowserHostTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        BrowserHostTest::SetUp();
        ASSERT_NE(nullptr, m_pFrame);
        m_pView = m_pFrame->GetView();
        m_listener.m_pView = m_pView;
        m_pFrame->SetListener(&m_listener);
    }

    CHtmlCommView* m_pView = nullptr;
    CDownloadListener m_listener;
};
} // namespace

TEST_F(DownloadTimeoutTest, ALateAnswerIsStoppedAtTheTimeout)
{
    m_pView->SetDownloadTimeout(1);
    ASSERT_TRUE(m_pFrame->Navigate(StandIn::Url("AUCTIONS", "/test/slow?wait=3").c_str()));
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Has("DownloadTimeout") != FALSE; }));
    // Told once, before the page's headers could have come, and stopped.
    std::vector<std::string> expected = {"DownloadBegin", "DownloadTimeout"};
    std::vector<std::string> beforeStop(m_listener.m_events.begin(),
                                        m_listener.m_events.begin() +
                                            std::min<size_t>(2, m_listener.m_events.size()));
    EXPECT_EQ(expected, beforeStop);
    EXPECT_FALSE(m_pView->GetBusy());
    EXPECT_FALSE(::KillTimer(m_pView->m_hWnd, HTMLVIEW_TIMER_DOWNLOAD));
}

TEST_F(DownloadTimeoutTest, NoTimeoutStartsNoTimer)
{
    m_listener.m_bProbeTimer = TRUE;
    m_pView->SetDownloadTimeout(0);
    ASSERT_TRUE(m_pFrame->Navigate(StandIn::Url("AUCTIONS", "/test/slow?wait=3").c_str()));
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Has("DownloadComplete") != FALSE; }));
    EXPECT_FALSE(m_listener.m_bTimerRunning);
    EXPECT_FALSE(m_listener.Has("DownloadTimeout"));
}

TEST_F(DownloadTimeoutTest, TheTimerRunsWhileTheDownloadDoes)
{
    m_listener.m_bProbeTimer = TRUE;
    m_pView->SetDownloadTimeout(30);
    ASSERT_TRUE(m_pFrame->Navigate(StandIn::Url("AUCTIONS", "/test/slow?wait=3").c_str()));
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Has("DownloadBegin") != FALSE; }));
    EXPECT_TRUE(m_listener.m_bTimerRunning);
    m_pFrame->Stop();
}

TEST_F(DownloadTimeoutTest, PostDataAndTheMethodReachTheServer)
{
    ASSERT_TRUE(m_pFrame->Navigate(StandIn::Url("AUCTIONS", "/test/echo").c_str(), 0, nullptr,
                                   "Content-Type: application/x-www-form-urlencoded\r\n", "a=1&b=2", 0));
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Has("DownloadComplete") != FALSE; }));
    std::vector<LoggedRequest> log;
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            log = StandIn::Log("/test/echo");
            return !log.empty();
        }));
    EXPECT_EQ("POST", log[0].method);
    EXPECT_EQ("a=1&b=2", log[0].body);
    // Wine's Gecko installer never came up: the download ended by itself.
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, "Wine Gecko Installer"));
}
