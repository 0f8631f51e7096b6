// The main window's item lists in this process against the stand-in: the
// pages, their refresh, the page commands, the bar, the memo and page
// dialogs, stopping, and the hand-over of the item commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ClipboardShell.h"
#include "auction/UserAccount.h"
#include "client/ClientTestSupport.h"
#include "client/IdPageBar.h"
#include "client/ItemJobs.h"
#include "client/ListResourceIds.h"
#include "client/PageNumberDialog.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoResourceIds.h"
#include "client/TanzoTabbedPage.h"
#include "client/TanzoTabsTabbedDialog.h"
#include "client/win32/ClientAppFixture.h"
#include "controls/ControlsRes.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"
#include "text/Scramble.h"

namespace
{
const char kDemoId[] = "demo_seller1";
const char kDemoPassword[] = "pass-seller1";

// The log's length: a reset of the stand-in would also end its sessions.
size_t g_logMark = 0;
void MarkLog()
{
    g_logMark = StandIn::Log().size();
}

// The status pages asked for since the mark, as "list page" ("selling 1",
// "closed-1 2"...), in order.
std::vector<std::string> StatusPagesRead()
{
    std::vector<std::string> pages;
    const std::vector<LoggedRequest> log = StandIn::Log();
    for (size_t i = g_logMark; i < log.size(); ++i)
    {
        const LoggedRequest& request = log[i];
        if (request.path != "/jp/show/mystatus")
            continue;
        const std::string& t = request.target;
        std::string list = t.find("select=selling") != std::string::npos ? "selling"
                           : t.find("select=won") != std::string::npos    ? "won"
                           : t.find("hasWinner=1") != std::string::npos   ? "closed-1"
                                                                          : "closed-0";
        const size_t apg = t.find("apg=");
        pages.push_back(list + " " + (apg == std::string::npos ? "1" : t.substr(apg + 4)));
    }
    return pages;
}

int CountRequests(const char* method, const char* path)
{
    int count = 0;
    for (const LoggedRequest& request : StandIn::Log(path))
        count += request.method == method;
    return count;
}

class ListWindowsTest : public ClientAppTest
{
protected:
    ListWindowsTest()
    {
        StandIn::Reset();
        MarkLog();
        StandIn::UseServiceOrigins();
        m_app.m_bFirstRefresh = TRUE;
        // The demo account, signed in automatically.
        CString scrambled;
        EncodeScrambledText32(kDemoPassword, scrambled);
        SetSetting("UserCount", 1);
        SetSettingText("UserID01", kDemoId);
        SetSettingText("UserPswd01", scrambled);
        SetSettingText("CurUserID", kDemoId);
    }
    ~ListWindowsTest() override
    {
        Close();
        SetItemJobs(nullptr);
        ResetServiceOrigins();
    }

    void SetSettingText(LPCTSTR lpszKey, LPCTSTR lpszValue)
    {
        AfxProfileWrite(CLIENT_PROFILE_KEY "\\Settings", lpszKey, REG_SZ, lpszValue,
                        (DWORD)::lstrlenA(lpszValue) + 1);
    }
    CTanzoTabsTabbedDialog* Tabs()
    {
        CTanzoView* pView = Frame() != nullptr ? Frame()->GetTanzoView() : nullptr;
        return pView != nullptr ? pView->GetTabs() : nullptr;
    }
    CTanzoTabbedPage* Page(int nTab) { return Tabs() != nullptr ? Tabs()->GetTanzoPage(nTab) : nullptr; }
    void Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID, 0); }
    std::string PaneText(int nPane)
    {
        return (LPCTSTR)Frame()->GetMainStatusBar().GetPaneText(nPane);
    }
    std::string BarText(int nTab, int nID)
    {
        CIdPageBar* pBar = Page(nTab)->GetBar();
        CWnd* pControl = pBar->GetDlgItem(nID);
        if (pControl == nullptr || !pControl->IsWindowVisible())
            return "(hidden)";
        if (auto* pLabel = dynamic_cast<CDecorateStatic*>(pControl))
        {
            CString text;
            pLabel->GetText(text);
            return (LPCTSTR)text;
        }
        return ControlText(pBar->m_hWnd, nID);
    }
    std::string Cell(int nTab, int nRow, int nKind)
    {
        CTanzoTabbedPage* pPage = Page(nTab);
        CString text;
        pPage->GetList().GetItemColumnText(pPage->GetList().GetRowRecord(nRow), pPage->GetColumnOfFieldKind(nKind),
                                           &text, 0);
        return (LPCTSTR)text;
    }
};
} // namespace

// The first refresh signs in with the stored account and shows page 1.
TEST_F(ListWindowsTest, StartShowsTheFirstPageOfTheSellingList)
{
    ASSERT_TRUE(StandIn::Available());
    ASSERT_TRUE(Start());
    CTanzoTabbedPage* pPage = Page(0);
    ASSERT_NE(nullptr, pPage);
    EXPECT_EQ(ListKind::Selling, pPage->GetListKind());
    EXPECT_EQ(50, pPage->GetList().GetItemCount());
    EXPECT_EQ(CListRefresh::Completed, pPage->GetLastRefreshOutcome());
    EXPECT_EQ("項目数：50", PaneText(3));
    EXPECT_EQ(std::vector<std::string>({"selling 1", "selling 1"}), StatusPagesRead());
    EXPECT_EQ(1, CountRequests("POST", "/config/login"));
    EXPECT_EQ(kDemoId, BarText(0, IDC_BAR_USER_ID));
    EXPECT_EQ("1", BarText(0, IDC_BAR_PAGE_NUMBER));
    EXPECT_EQ("(hidden)", BarText(0, IDC_BAR_ALL));
    EXPECT_EQ("（ページ数：3）", BarText(0, IDC_BAR_PAGE_COUNT));
    EXPECT_EQ(1, Doc()->GetCurrentPage(ListKind::Selling));
    EXPECT_EQ(3, Doc()->GetPageCount(ListKind::Selling));
    EXPECT_FALSE(Cell(0, 0, ItemField::Title).empty());
}

// Next page, a page of the bar's menu, all pages, and F5 after all pages.
TEST_F(ListWindowsTest, PageCommandsReadThePagesAsked)
{
    ASSERT_TRUE(Start());
    MarkLog();
    Command(ID_PAGE_NEXT);
    EXPECT_EQ(std::vector<std::string>({"selling 2"}), StatusPagesRead());
    EXPECT_EQ("2", BarText(0, IDC_BAR_PAGE_NUMBER));
    EXPECT_EQ(50, Page(0)->GetList().GetItemCount());

    MarkLog();
    Command(ID_PAGE_CHOICE_FIRST + 2);
    EXPECT_EQ(std::vector<std::string>({"selling 3"}), StatusPagesRead());
    EXPECT_EQ(30, Page(0)->GetList().GetItemCount());

    MarkLog();
    Command(ID_PAGE_ALL);
    EXPECT_EQ(std::vector<std::string>({"selling 1", "selling 2", "selling 3"}), StatusPagesRead());
    EXPECT_EQ(130, Page(0)->GetList().GetItemCount());
    EXPECT_EQ("(hidden)", BarText(0, IDC_BAR_PAGE_NUMBER));
    EXPECT_EQ("ALL", BarText(0, IDC_BAR_ALL));
    EXPECT_EQ(0, Doc()->GetCurrentPage(ListKind::Selling));

    MarkLog();
    Command(ID_LIST_REFRESH);
    EXPECT_EQ(std::vector<std::string>({"selling 1", "selling 2", "selling 3"}), StatusPagesRead());
}

// A tab is read when it is first selected, and not again when it comes
// back.
TEST_F(ListWindowsTest, EachTabRefreshesOnItsFirstSelection)
{
    ASSERT_TRUE(Start());
    HWND hTabs = Tabs()->GetTabCtrl().m_hWnd;
    const char* lists[] = {"closed-1 1", "closed-0 1", "won 1"};
    const int rows[] = {50, 50, 50};
    for (int nTab = 1; nTab <= 3; ++nTab)
    {
        MarkLog();
        ClickTab(hTabs, nTab);
        EXPECT_EQ(std::vector<std::string>({lists[nTab - 1]}), StatusPagesRead()) << nTab;
        ASSERT_NE(nullptr, Page(nTab));
        EXPECT_EQ(nTab, Page(nTab)->GetListKind());
        EXPECT_EQ(rows[nTab - 1], Page(nTab)->GetList().GetItemCount()) << nTab;
    }
    MarkLog();
    ClickTab(hTabs, 0);
    ClickTab(hTabs, 2);
    EXPECT_TRUE(StatusPagesRead().empty());
    EXPECT_EQ("項目数：50", PaneText(3));
}
