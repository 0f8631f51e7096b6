// The main window's item lists in this process against the stand-in: the
// pages, their refresh, the page commands, the bar, the memo and page
// dialogs, stopping, and the hand-over of the item commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/ClipboardShell.h"
#include "app/DialogResourceIds.h"
#include "app/Screenshot.h"
#include "auction/accounts/AccountTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserIdResourceIds.h"
#include "client/ClientTestSupport.h"
#include "client/DataFileTestSupport.h"
#include "client/FindResourceIds.h"
#include "client/IdPageBar.h"
#include "client/ItemJobs.h"
#include "client/ListResourceIds.h"
#include "client/MainStatusBar.h"
#include "client/MarkCommands.h"
#include "client/PageNumberDialog.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoResourceIds.h"
#include "client/TanzoTabbedPage.h"
#include "client/TanzoTabsTabbedDialog.h"
#include "client/win32/ClientAppFixture.h"
#include "controls/ControlsResourceIds.h"
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
                           : t.find("select=won") != std::string::npos   ? "won"
                           : t.find("hasWinner=1") != std::string::npos  ? "closed-1"
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
    std::string PaneText(int nPane) { return (LPCTSTR)Frame()->GetMainStatusBar().GetPaneText(nPane); }
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
    // The row of the tab's list that shows the item, or -1.
    int RowOf(int nTab, const CString& auctionId)
    {
        CTanzoListCtrl& list = Page(nTab)->GetList();
        for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
        {
            if (list.GetRowRecord(nRow) != nullptr && list.GetRowRecord(nRow)->GetAuctionID() == auctionId)
                return nRow;
        }
        return -1;
    }
    std::string Cell(int nTab, int nRow, int nKind)
    {
        CTanzoTabbedPage* pPage = Page(nTab);
        CString text;
        pPage->GetList().GetItemColumnText(pPage->GetList().GetRowRecord(nRow),
                                           pPage->GetColumnOfFieldKind(nKind), &text, 0);
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

// The list keeps the field kind of each of its page's columns (none outside
// them); once its columns change it asks the page again.
TEST_F(ListWindowsTest, TheListKeepsItsColumnsKindsUntilTheColumnsChange)
{
    ASSERT_TRUE(Start());
    CTanzoTabbedPage* pPage = Page(0);
    ASSERT_NE(nullptr, pPage);
    CTanzoListCtrl& list = pPage->GetList();
    const ListPageLayout& layout = *GetListPageLayout(ListKind::Selling);
    ASSERT_EQ(layout.columnCount, list.GetColumnCount());
    for (int nColumn = -1; nColumn <= layout.columnCount; ++nColumn)
        EXPECT_EQ(GetColumnFieldKind(layout, nColumn), list.GetColumnKind(nColumn)) << nColumn;

    list.SetColumnKinds(std::vector<int>((size_t)layout.columnCount, ItemField::Memo));
    EXPECT_EQ(ItemField::Memo, list.GetColumnKind(0));
    list.InsertColumn(layout.columnCount, "new");
    EXPECT_EQ(GetColumnFieldKind(layout, 0), list.GetColumnKind(0));
    list.SetColumnKinds(std::vector<int>((size_t)layout.columnCount + 1, ItemField::Memo));
    list.DeleteColumn(layout.columnCount);
    EXPECT_EQ(GetColumnFieldKind(layout, 0), list.GetColumnKind(0));
    EXPECT_EQ(ItemField::None, list.GetColumnKind(layout.columnCount));
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

// Memos and marks set on rows of two lists are in the data file after the
// close and on the same items after a restart.
TEST_F(ListWindowsTest, MemosAndMarksOfTwoListsSurviveARestart)
{
    ASSERT_TRUE(Start());
    struct Case
    {
        int nTab;
        int nRow;
        UINT nMarkCommand;
        const char* memo;
        CString auctionId;
        int nMark;
    } cases[] = {{0, 3, ID_MARK_STAR, "梱包済み", "", 0}, {1, 5, ID_MARK_A, "入金待ち", "", 0}};
    for (Case& c : cases)
    {
        SCOPED_TRACE(c.nTab);
        ASSERT_TRUE(MarkValueOfCommand(c.nMarkCommand, c.nMark));
        ClickTab(Tabs()->GetTabCtrl().m_hWnd, c.nTab);
        CTanzoListCtrl& list = Page(c.nTab)->GetList();
        ASSERT_GT(list.GetItemCount(), c.nRow);
        list.SelectSingleItem(c.nRow);
        c.auctionId = list.GetRowRecord(c.nRow)->GetAuctionID();
        Command(c.nMarkCommand);
        const std::string memo = c.memo;
        WhenDialogShows(IDC_MEMO_TEXT,
                        [memo](HWND hDialog)
                        {
                            ::SetDlgItemTextA(hDialog, IDC_MEMO_TEXT, memo.c_str());
                            Click(hDialog, IDOK);
                        });
        Command(ID_ITEM_MEMO);
        EXPECT_EQ(c.memo, Cell(c.nTab, c.nRow, ItemField::Memo));
    }
    Close();

    CTestDocData data(m_folder.Path());
    data.Add(Account(kDemoId, kDemoPassword));
    for (const Case& c : cases)
    {
        TanzoAuctionItem probe;
        probe.SetAuctionID(c.auctionId);
        TanzoAuctionItemUserEdit record(probe);
        ASSERT_TRUE(data.LookupUserEdit(record)) << c.auctionId;
        EXPECT_EQ(c.memo, std::string((LPCTSTR)record.GetMemo()));
    }

    ASSERT_TRUE(Start());
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nTab);
        ClickTab(Tabs()->GetTabCtrl().m_hWnd, c.nTab);
        const int nRow = RowOf(c.nTab, c.auctionId);
        ASSERT_GE(nRow, 0);
        EXPECT_EQ(c.memo, Cell(c.nTab, nRow, ItemField::Memo));
        EXPECT_EQ(c.nMark, Page(c.nTab)->GetList().GetRowRecord(nRow)->GetUserState().GetMark());
    }
}

namespace
{
// What a stop during a held page saw.
struct StopWatch
{
    HWND hFrame = nullptr;
    BOOL bHeld = FALSE;
    BOOL bStillOpen = FALSE;
    BOOL bDone = FALSE;
};

// Once the stand-in holds a page: the main window is asked to close, then
// the refresh to stop.
void StopWhenHeld(std::shared_ptr<StopWatch> watch, int nTries)
{
    if (watch->bDone)
        return;
    if (StandIn::CountHeld() == 0)
    {
        if (nTries > 0)
            CallSoon([watch, nTries] { StopWhenHeld(watch, nTries - 1); }, 20);
        return;
    }
    watch->bHeld = TRUE;
    ::SendMessageA(watch->hFrame, WM_CLOSE, 0, 0);
    watch->bStillOpen = ::IsWindow(watch->hFrame);
    ::SendMessageA(watch->hFrame, WM_COMMAND, ID_LIST_STOP, 0);
    // The page held ends now, without a reply, rather than when the
    // connection's receive time-out lapses.
    StandIn::ReleaseHeld(true);
    watch->bDone = TRUE;
}
} // namespace

// A log-in that lapses between two pages is renewed and the pages read
// before stay; a stop while a page is held keeps the rows read so far and
// records nothing; the main window does not close while a page is read.
TEST_F(ListWindowsTest, ARefreshSignsInAgainAndStopsWithTheRowsRead)
{
    ASSERT_TRUE(Start());
    // The start's page 1 was the session's first page.
    ASSERT_TRUE(StandIn::SetState("{\"lapse_after\": 2}"));
    MarkLog();
    Command(ID_PAGE_ALL);
    EXPECT_EQ(std::vector<std::string>({"selling 1", "selling 2", "selling 2", "selling 3"}),
              StatusPagesRead());
    EXPECT_EQ(130, Page(0)->GetList().GetItemCount());
    EXPECT_EQ(CListRefresh::Completed, Page(0)->GetLastRefreshOutcome());
    EXPECT_EQ(0, Doc()->GetCurrentPage(ListKind::Selling));

    ASSERT_TRUE(StandIn::SetState("{\"lapse_after\": null}"));
    Command(ID_PAGE_FIRST);
    ASSERT_EQ(1, Doc()->GetCurrentPage(ListKind::Selling));
    ASSERT_TRUE(StandIn::AddFault("{\"path\": \"/jp/show/mystatus\", \"action\": \"hold\", \"nth\": 2}"));
    auto watch = std::make_shared<StopWatch>();
    watch->hFrame = Frame()->GetSafeHwnd();
    CallSoon([watch] { StopWhenHeld(watch, 1500); }, 20);
    Command(ID_PAGE_ALL);
    watch->bDone = TRUE;
    StandIn::ReleaseHeld(true);
    EXPECT_TRUE(watch->bHeld);
    EXPECT_TRUE(watch->bStillOpen);
    EXPECT_EQ(CListRefresh::Stopped, Page(0)->GetLastRefreshOutcome());
    EXPECT_EQ(50, Page(0)->GetList().GetItemCount());
    EXPECT_EQ(1, Doc()->GetCurrentPage(ListKind::Selling));
    EXPECT_TRUE(::IsWindow(watch->hFrame));
}

// The page dialog keeps its edit to the maximum's digits, and answers an
// empty or too large number with the range, staying open.
TEST_F(ListWindowsTest, ThePageDialogTakesOnlyAPageOfTheList)
{
    CBoxRecorder boxes;
    CPageNumberDialog dialog;
    dialog.SetCurrentPage(30);
    dialog.SetMaxPage(25);
    std::vector<std::string> limits;
    BOOL bOpenAfterErrors = FALSE;
    const INT_PTR nResult = RunModal(dialog,
                                     [&]
                                     {
                                         HWND hDialog = dialog.m_hWnd;
                                         limits.push_back(ControlText(hDialog, IDC_PAGE_NUMBER_EDIT));
                                         limits.push_back(std::to_string(::SendDlgItemMessageA(
                                             hDialog, IDC_PAGE_NUMBER_EDIT, EM_GETLIMITTEXT, 0, 0)));
                                         for (const char* entry : {"", "26", "0"})
                                         {
                                             ::SetDlgItemTextA(hDialog, IDC_PAGE_NUMBER_EDIT, entry);
                                             ClickButton(dialog, IDOK);
                                         }
                                         bOpenAfterErrors = ::IsWindow(hDialog);
                                         ::SetDlgItemTextA(hDialog, IDC_PAGE_NUMBER_EDIT, "7");
                                         ClickButton(dialog, IDOK);
                                     });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(7, dialog.GetCurrentPage());
    EXPECT_EQ(std::vector<std::string>({"25", "2"}), limits);
    EXPECT_TRUE(bOpenAfterErrors);
    CString expected;
    expected.FormatMessage(IDS_NUMBER_OUT_OF_RANGE, 1, 25);
    EXPECT_EQ(std::vector<std::string>(3, (LPCTSTR)expected), boxes.texts);
}

// From a profile without an ID the first refresh asks for one; the log-in
// test of the demo account signs in through the service's log-in page, and
// the selling list then shows its first page.
TEST_F(ListWindowsTest, AFirstRefreshWithoutAnIdAsksForOneThenShowsThePage)
{
    for (LPCTSTR key : {"UserCount", "UserID01", "UserPswd01", "CurUserID"})
        AfxProfileDelete(CLIENT_PROFILE_KEY "\\Settings", key);
    CBoxRecorder boxes({IDYES, IDOK});
    std::string notice = "(not shown)";
    WhenDialogShows(IDC_SIMPLE_TEXT,
                    [&notice](HWND hNotice)
                    {
                        notice = ControlText(hNotice, IDC_SIMPLE_TEXT);
                        ::SendMessageA(hNotice, WM_COMMAND, IDOK, 0);
                    });
    WhenDialogShows(IDC_USERID_PASSWORD,
                    [](HWND hDialog)
                    {
                        ::SetDlgItemTextA(hDialog, IDC_USERID_ID, kDemoId);
                        ::SetDlgItemTextA(hDialog, IDC_USERID_PASSWORD, kDemoPassword);
                        Click(hDialog, IDOK);
                    });
    ASSERT_TRUE(Start());
    CString asked;
    asked.FormatMessage(873, kDemoId);
    CString done;
    done.LoadString(874);
    CString shown;
    shown.LoadString(905);
    EXPECT_EQ((LPCTSTR)shown, notice);
    EXPECT_EQ((std::vector<std::string>{(LPCTSTR)asked, (LPCTSTR)done}), boxes.texts);
    ASSERT_EQ(1, Doc()->GetCount());
    EXPECT_STREQ(kDemoId, Doc()->GetCurrentUserID());
    EXPECT_GE(CountRequests("GET", "/config/login"), 1);
    EXPECT_GE(CountRequests("POST", "/config/login"), 1);
    EXPECT_EQ(50, Page(0)->GetList().GetItemCount());
    EXPECT_EQ("項目数：50", PaneText(3));
    EXPECT_EQ(kDemoId, BarText(0, IDC_BAR_USER_ID));
}

namespace
{
// Types the text into the find dialog once it shows, and searches.
void SearchWhenAsked(const char* text)
{
    const std::string typed = text;
    WhenDialogShows(IDC_FIND_SEARCH,
                    [typed](HWND hDialog)
                    {
                        ::SetDlgItemTextA(hDialog, IDC_FIND_TEXT, typed.c_str());
                        Click(hDialog, IDC_FIND_SEARCH);
                    });
}
} // namespace

// Ctrl+F searches the list shown from its first row, F3 and Shift+F3 go on
// downwards and upwards, the status bar names the text; a text no row
// holds leaves the selection and clears the status.
TEST_F(ListWindowsTest, FindSelectsRowsOfTheListShownAndTellsInTheStatusBar)
{
    ASSERT_TRUE(Start());
    CTanzoListCtrl& list = Page(0)->GetList();
    std::vector<int> rows; // the rows whose title holds the text
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
    {
        if (Cell(0, nRow, ItemField::Title).find("#1") != std::string::npos)
            rows.push_back(nRow);
    }
    ASSERT_GE(rows.size(), 3u);
    list.SelectSingleItem(rows[2]);
    SearchWhenAsked("#1");
    Command(ID_LIST_FIND);
    EXPECT_EQ(rows[0], list.GetCurrentRow());
    CString status;
    status.Format(IDS_FIND_STATUS, "#1");
    EXPECT_EQ((LPCTSTR)status, PaneText(CMainStatusBar::paneMessage));

    Command(ID_LIST_FIND_NEXT);
    EXPECT_EQ(rows[1], list.GetCurrentRow());
    Command(ID_LIST_FIND_NEXT);
    EXPECT_EQ(rows[2], list.GetCurrentRow());
    Command(ID_LIST_FIND_PREVIOUS);
    EXPECT_EQ(rows[1], list.GetCurrentRow());
    EXPECT_EQ((LPCTSTR)status, PaneText(CMainStatusBar::paneMessage));

    SearchWhenAsked("どの行にもない文字列");
    Command(ID_LIST_FIND);
    EXPECT_EQ(rows[1], list.GetCurrentRow());
    EXPECT_EQ("", PaneText(CMainStatusBar::paneMessage));
}

// A switch to the second demo account from the ID menu reads the list
// again with that account's items; the first account's memo stays in its
// own file and shows again after switching back.
TEST_F(ListWindowsTest, ASwitchOfTheIdShowsThatAccountsItemsAndKeepsEachOnesMemos)
{
    CString scrambled;
    EncodeScrambledText32("pass-seller2", scrambled);
    SetSetting("UserCount", 2);
    SetSettingText("UserID02", "demo_seller2");
    SetSettingText("UserPswd02", scrambled);
    ASSERT_TRUE(Start());
    CTanzoListCtrl& list = Page(0)->GetList();
    ASSERT_EQ(50, list.GetItemCount());
    list.SelectSingleItem(0);
    const CString firstItem = list.GetRowRecord(0)->GetAuctionID();
    WhenDialogShows(IDC_MEMO_TEXT,
                    [](HWND hDialog)
                    {
                        ::SetDlgItemTextA(hDialog, IDC_MEMO_TEXT, "一人目のメモ");
                        Click(hDialog, IDOK);
                    });
    Command(ID_ITEM_MEMO);
    ASSERT_EQ("一人目のメモ", Cell(0, 0, ItemField::Memo));

    {
        CBoxRecorder boxes({IDYES, IDOK});
        MarkLog();
        Command(ID_USER_ID_FIRST + 1);
        CString asked;
        asked.FormatMessage(876, "demo_seller2");
        CString done;
        done.LoadString(877);
        EXPECT_EQ((std::vector<std::string>{(LPCTSTR)asked, (LPCTSTR)done}), boxes.texts);
    }
    EXPECT_STREQ("demo_seller2", Doc()->GetCurrentUserID());
    EXPECT_EQ("demo_seller2", BarText(0, IDC_BAR_USER_ID));
    const std::vector<std::string> read = StatusPagesRead();
    EXPECT_NE(read.end(), std::find(read.begin(), read.end(), "selling 1"));
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_EQ(-1, RowOf(0, firstItem));

    // Written to the first account's file when the switch left it.
    {
        CTestDocData data(m_folder.Path());
        data.Add(Account(kDemoId, kDemoPassword));
        TanzoAuctionItem probe;
        probe.SetAuctionID(firstItem);
        TanzoAuctionItemUserEdit record(probe);
        ASSERT_TRUE(data.LookupUserEdit(record));
        EXPECT_EQ("一人目のメモ", std::string((LPCTSTR)record.GetMemo()));
    }

    {
        CBoxRecorder boxes({IDYES, IDOK});
        Command(ID_USER_ID_FIRST);
    }
    EXPECT_STREQ(kDemoId, Doc()->GetCurrentUserID());
    const int nRow = RowOf(0, firstItem);
    ASSERT_GE(nRow, 0);
    EXPECT_EQ("一人目のメモ", Cell(0, nRow, ItemField::Memo));
}

// The main window with the selling and the closed lists filled, marks set
// and rows highlighted, on a desktop of its own.
TEST_F(ListWindowsTest, ScreenshotsOfTheSellingAndTheClosedList)
{
    RUN_IN_SCREENSHOT_PROCESS();
    std::vector<ScreenshotResult> shots;
    std::string missing;
    BOOL bStarted = FALSE;
    const BOOL bRan = RunInVirtualDesktop(
        [&]
        {
            bStarted = Start();
            if (!bStarted)
                return;
            CMainFrame* pFrame = Frame();
            const struct
            {
                int nTab;
                const char* name;
            } shotsToTake[] = {{0, "main-window-selling"}, {1, "main-window-closed"}};
            for (const auto& take : shotsToTake)
            {
                ClickTab(Tabs()->GetTabCtrl().m_hWnd, take.nTab);
                CTanzoListCtrl& list = Page(take.nTab)->GetList();
                for (int nRow : {0, 2, 4})
                {
                    list.SelectSingleItem(nRow);
                    Command(ID_MARK_FIRST + (UINT)nRow);
                }
                list.SelectSingleItem(1);
                list.SetItemStateMasked(2, LVIS_SELECTED, LVIS_SELECTED);
                pFrame->RedrawWindow(nullptr, nullptr,
                                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
                ScreenshotResult shot;
                PumpUntil(
                    [&]
                    {
                        shot = SaveWindowScreenshot(pFrame->GetSafeHwnd(), take.name);
                        return shot.nColours > 16;
                    },
                    10000);
                shots.push_back(shot);
                missing += MissingGlyphs(pFrame->GetSafeHwnd());
            }
            Close();
        });
    EXPECT_TRUE(bRan) << "no virtual desktop";
    ASSERT_TRUE(bStarted);
    ASSERT_EQ(2u, shots.size());
    for (const ScreenshotResult& shot : shots)
    {
        EXPECT_TRUE(shot.bSaved) << shot.path;
        EXPECT_GT(shot.nColours, 16) << "blank picture: " << shot.path;
    }
    EXPECT_EQ("", missing);
}
