#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "auction/accounts/UserAccount.h"
#include "client/ClientTestSupport.h"
#include "client/DataFileTestSupport.h"
#include "client/ItemFields.h"
#include "client/ListPageLayouts.h"
#include "client/ListRefresh.h"
#include "client/ListResourceIds.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"

namespace
{
// What the fake reader answers for one read.
struct PageAnswer
{
    int answer;
    std::string userId;
    int pageCount; // reported after page 1 only
    int items;
};

// Answers each read from a script (the last answer repeats) and records
// the pages asked for and the ID expected.
class CFakeReader : public CListPageReader
{
public:
    CFakeReader(std::deque<PageAnswer>& script, std::vector<int>& pages, std::vector<std::string>& expected)
        : m_script(script), m_pages(pages), m_expected(expected)
    {
    }

    void SetExpectedUserId(LPCTSTR id) override { m_expectedId = id; }
    int ReadPage(int page, BOOL readPageCount, CTanzoAuctionItemList& items) override
    {
        m_pages.push_back(page);
        m_expected.push_back((LPCTSTR)m_expectedId);
        const PageAnswer a = m_script.front();
        if (m_script.size() > 1)
            m_script.pop_front();
        m_userId = a.userId.c_str();
        if (readPageCount)
            m_pageCount = a.pageCount;
        for (int i = 0; i < a.items; ++i)
        {
            TanzoAuctionItem* item = new TanzoAuctionItem;
            CString id;
            id.Format("p%di%d", page, i);
            item->SetAuctionID(id);
            items.AddTail(item);
        }
        return a.answer;
    }
    CString GetUserId() const override { return m_userId; }
    int GetPageCount() const override { return m_pageCount; }

private:
    std::deque<PageAnswer>& m_script;
    std::vector<int>& m_pages;
    std::vector<std::string>& m_expected;
    CString m_expectedId;
    CString m_userId;
    int m_pageCount = 0;
};

// The document with accounts; its log-ins are counted and succeed.
class CRefreshDocData : public CTestDocData
{
public:
    explicit CRefreshDocData(const CString& root) : CTestDocData(root) {}

    int LogInCurrentUser(CHttpComm*, CProgressSink*, CWnd*, int) override
    {
        ++logins;
        return loginResult;
    }

    int logins = 0;
    int loginResult = LoginDone;
};

class CFakeHost : public CListRefreshHost
{
public:
    explicit CFakeHost(CRefreshDocData& doc) : m_doc(doc) {}
    ~CFakeHost() override { CMyAuctionListReader::FreeItems(rows); }

    int GetListKind() const override { return kind; }
    CListPageReader* CreateReader() override
    {
        return haveReader ? new CFakeReader(script, pages, expectedIds) : nullptr;
    }
    void BeginRefresh() override
    {
        events += "begin;";
        CMyAuctionListReader::FreeItems(rows);
    }
    void EndRefresh() override { events += "end;"; }
    int GetRowCount() const override { return (int)rows.GetCount(); }
    void AppendRows(CTanzoAuctionItemList& items) override
    {
        while (!items.IsEmpty())
            rows.AddTail(items.RemoveHead());
    }
    void ShowEmptyNote() override { events += "empty;"; }
    void OnPagesRead() override { events += "read;"; }
    void OnRecorded() override { events += "recorded;"; }
    int AskToAddUserId(LPCTSTR id) override
    {
        events += std::string("ask ") + id + ";";
        if (!addAnswer.empty())
        {
            CUserAccount account;
            account.SetID(addAnswer.c_str());
            m_doc.Add(account);
            return 3;
        }
        return 12;
    }
    CHttpComm* GetHttpComm() override { return nullptr; }
    CProgressSink* GetProgressSink() override { return nullptr; }
    CWnd* GetLoginParent() override { return nullptr; }
    int GetLoginType() override { return 0; }

    std::string RowIds() const
    {
        std::string ids;
        for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
            ids += std::string(rows.GetNext(pos)->GetAuctionID()) + " ";
        return ids;
    }

    int kind = ListKind::ClosedWinner;
    BOOL haveReader = TRUE;
    std::deque<PageAnswer> script;
    std::vector<int> pages;
    std::vector<std::string> expectedIds;
    std::string events;
    std::string addAnswer; // the ID the add dialog adds, none when empty
    CTanzoAuctionItemList rows;

private:
    CRefreshDocData& m_doc;
};

class ListRefreshTest : public ::testing::Test
{
protected:
    ListRefreshTest() : doc(folder.Path()), host(doc)
    {
        CUserAccount account;
        account.SetID("demo_seller1");
        account.SetPassword("pass");
        doc.Add(account);
        doc.SetCurrentUserID("demo_seller1");
    }

    CTempFolder folder;
    CRefreshDocData doc;
    CFakeHost host;
};

const std::string kUser = "demo_seller1";
} // namespace

TEST_F(ListRefreshTest, EachAnswerOfTheReader)
{
    const struct
    {
        const char* name;
        std::deque<PageAnswer> script;
        int outcome;
        int logins;
        const char* rows;
        const char* events;
        std::vector<std::string> boxes;
    } cases[] = {
        {"parsed",
         {{0, kUser, 4, 2}},
         CListRefresh::Completed,
         0,
         "p1i0 p1i1 ",
         "begin;read;recorded;end;",
         {}},
        {"log-in page",
         {{1, "", 0, 0}, {0, kUser, 4, 1}},
         CListRefresh::Completed,
         1,
         "p1i0 ",
         "begin;read;recorded;end;",
         {}},
        {"another user",
         {{2, "demo_seller2", 0, 0}, {0, kUser, 4, 1}},
         CListRefresh::Completed,
         1,
         "p1i0 ",
         "begin;read;recorded;end;",
         {}},
        {"no table",
         {{3, kUser, 1, 0}},
         CListRefresh::Completed,
         0,
         "",
         "begin;empty;read;recorded;end;",
         {}},
        {"stopped", {{4, kUser, 4, 0}}, CListRefresh::Stopped, 0, "", "begin;read;end;", {}},
        {"fetch failed",
         {{5, "", 0, 0}},
         CListRefresh::FetchFailed,
         0,
         "",
         "begin;read;end;",
         {Text(IDS_PAGE_LOAD_FAILED)}},
        {"always a log-in page",
         {{1, "", 0, 0}},
         CListRefresh::LoginFailed,
         3,
         "",
         "begin;read;end;",
         {Text(IDS_AUTO_LOGIN_FAILED)}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CBoxRecorder boxes;
        host.script = c.script;
        host.pages.clear();
        host.events.clear();
        doc.logins = 0;
        doc.SetCurrentPage(ListKind::ClosedWinner, 7);
        CListRefresh refresh(host, doc);
        EXPECT_EQ(1, refresh.Refresh(1, -1));
        EXPECT_EQ(c.outcome, refresh.GetOutcome());
        EXPECT_EQ(c.logins, doc.logins);
        EXPECT_EQ(c.rows, host.RowIds());
        EXPECT_EQ(c.events, host.events);
        EXPECT_EQ(c.boxes, boxes.texts);
        // Only a refresh that ended normally records its page.
        EXPECT_EQ(c.outcome == CListRefresh::Completed ? 1 : 7, doc.GetCurrentPage(ListKind::ClosedWinner));
    }
}

TEST_F(ListRefreshTest, NoReaderNoRefresh)
{
    host.haveReader = FALSE;
    CListRefresh refresh(host, doc);
    EXPECT_EQ(0, refresh.Refresh(1, -1));
    EXPECT_EQ("", host.events);
}

TEST_F(ListRefreshTest, FailedLogInEndsAtOnce)
{
    CBoxRecorder boxes;
    doc.loginResult = CUserAccountList::LoginIdNotFound;
    host.script = {{0, kUser, 3, 2}, {1, "", 0, 0}};
    CListRefresh refresh(host, doc);
    refresh.Refresh(1, 3);
    EXPECT_EQ(CListRefresh::LoginFailed, refresh.GetOutcome());
    EXPECT_EQ(1, doc.logins);
    EXPECT_EQ((std::vector<int>{1, 2}), host.pages);
    EXPECT_EQ("p1i0 p1i1 ", host.RowIds());
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_NE(std::string::npos, boxes.texts[0].find("demo_seller1"));
}

TEST_F(ListRefreshTest, PageCountLimitsTheRange)
{
    host.script = {{0, kUser, 2, 1}};
    CListRefresh refresh(host, doc);
    refresh.Refresh(1, 5);
    EXPECT_EQ((std::vector<int>{1, 2}), host.pages);
    EXPECT_EQ("p1i0 p2i0 ", host.RowIds());
    EXPECT_EQ(0, doc.GetCurrentPage(ListKind::ClosedWinner));
    EXPECT_EQ(2, doc.GetPageCount(ListKind::ClosedWinner));

    // A count of one leaves a single page: it is recorded as the current.
    host.script = {{0, kUser, 1, 1}};
    host.pages.clear();
    refresh.Refresh(1, 5);
    EXPECT_EQ((std::vector<int>{1}), host.pages);
    EXPECT_EQ(1, doc.GetCurrentPage(ListKind::ClosedWinner));
    EXPECT_EQ(1, doc.GetPageCount(ListKind::ClosedWinner));
}

// A log-in asked for on page 3 reads page 3 again and keeps what pages 1
// and 2 gave; the range asked for is recorded.
TEST_F(ListRefreshTest, LogInMidwayKeepsTheEarlierPages)
{
    host.script = {{0, kUser, 5, 1}, {0, kUser, 0, 1}, {1, "", 0, 0}, {0, kUser, 0, 1}};
    CListRefresh refresh(host, doc);
    refresh.Refresh(1, 3);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 3}), host.pages);
    EXPECT_EQ(1, doc.logins);
    EXPECT_EQ("p1i0 p2i0 p3i0 ", host.RowIds());
    EXPECT_EQ(CListRefresh::Completed, refresh.GetOutcome());
    EXPECT_EQ(0, doc.GetCurrentPage(ListKind::ClosedWinner));
    EXPECT_EQ(5, doc.GetPageCount(ListKind::ClosedWinner));

    // Three log-ins a page; the count starts again on the next page.
    host.script = {{1, "", 0, 0}, {1, "", 0, 0}, {0, kUser, 2, 1}, {1, "", 0, 0},
                   {1, "", 0, 0}, {1, "", 0, 0}, {0, kUser, 0, 1}};
    host.pages.clear();
    doc.logins = 0;
    refresh.Refresh(1, 2);
    EXPECT_EQ(CListRefresh::Completed, refresh.GetOutcome());
    EXPECT_EQ(5, doc.logins);
    EXPECT_EQ("p1i0 p2i0 ", host.RowIds());
}

TEST_F(ListRefreshTest, RecordingRules)
{
    // A single page keeps the stored count and records its number.
    doc.SetPageCount(ListKind::Won, 9);
    host.kind = ListKind::Won;
    host.script = {{0, kUser, 0, 1}};
    CListRefresh refresh(host, doc);
    refresh.Refresh(4, -1);
    EXPECT_EQ(4, doc.GetCurrentPage(ListKind::Won));
    EXPECT_EQ(9, doc.GetPageCount(ListKind::Won));
    EXPECT_EQ(std::vector<std::string>{kUser}, host.expectedIds);

    // A page that shows no ID: nothing asked, the current ID stays.
    host.script = {{0, "", 3, 1}};
    host.events.clear();
    refresh.Refresh(1, -1);
    EXPECT_EQ("begin;read;recorded;end;", host.events);
    EXPECT_STREQ("demo_seller1", doc.GetCurrentUserID());
    EXPECT_EQ(3, doc.GetPageCount(ListKind::Won));
}

TEST_F(ListRefreshTest, AnIdTheAccountsLack)
{
    // Cancelled: the refresh ends without recording.
    doc.SetCurrentPage(ListKind::ClosedWinner, 6);
    host.script = {{0, "stranger", 1, 2}};
    CListRefresh refresh(host, doc);
    refresh.Refresh(1, -1);
    EXPECT_EQ(CListRefresh::NotAdded, refresh.GetOutcome());
    EXPECT_EQ("begin;ask stranger;read;end;", host.events);
    EXPECT_EQ("", host.RowIds());
    EXPECT_EQ(6, doc.GetCurrentPage(ListKind::ClosedWinner));

    // That ID added: the page's rows count, and it is recorded.
    doc.RemoveAll();
    host.events.clear();
    host.addAnswer = "Stranger";
    refresh.Refresh(1, -1);
    EXPECT_EQ(CListRefresh::Completed, refresh.GetOutcome());
    EXPECT_EQ("begin;ask stranger;read;recorded;end;", host.events);
    EXPECT_EQ("p1i0 p1i1 ", host.RowIds());
    EXPECT_STRCASEEQ("stranger", doc.GetCurrentUserID());

    // Another ID added: the same page again.
    host.script = {{0, "third", 1, 1}, {0, "", 1, 1}};
    host.addAnswer = "fourth";
    host.pages.clear();
    host.events.clear();
    refresh.Refresh(1, -1);
    EXPECT_EQ((std::vector<int>{1, 1}), host.pages);
    EXPECT_EQ("begin;ask third;read;recorded;end;", host.events);
    EXPECT_EQ("p1i0 ", host.RowIds());
}

TEST_F(ListRefreshTest, StoredRange)
{
    const struct
    {
        int current;
        int count;
        std::deque<PageAnswer> script;
        std::vector<int> pages;
    } cases[] = {
        {3, 5, {{0, kUser, 0, 1}}, {3}},
        {0, 3, {{0, kUser, 3, 1}}, {1, 2, 3}},
        // A single page above 1 that came back empty: page 1 instead.
        {4, 5, {{3, kUser, 0, 0}, {0, kUser, 2, 1}}, {4, 1}},
        {1, 5, {{3, kUser, 0, 0}}, {1}},
        // Not when it failed.
        {4, 5, {{5, kUser, 0, 0}}, {4}},
    };
    for (const auto& c : cases)
    {
        CBoxRecorder boxes;
        doc.SetCurrentPage(ListKind::ClosedWinner, c.current);
        doc.SetPageCount(ListKind::ClosedWinner, c.count);
        host.script = c.script;
        host.pages.clear();
        CListRefresh refresh(host, doc);
        EXPECT_EQ(1, refresh.RefreshStoredRange());
        EXPECT_EQ(c.pages, host.pages) << c.current << "/" << c.count;
    }
}

// Each parsed item takes the user's stored record; the selling page hides
// an item its early close ended, and every record goes back without its
// action flags.
TEST_F(ListRefreshTest, MergeWithTheUsersRecords)
{
    host.kind = ListKind::Selling;
    const struct
    {
        const char* id;
        const char* memo;
        int mark;
        DWORD action;
    } stored[] = {{"p1i0", "発送済み", 256, 0}, {"p1i1", "", 16, ActionEarlyClosed}, {"zz", "他", 0, 0}};
    for (const auto& s : stored)
    {
        TanzoAuctionItem item;
        item.SetAuctionID(s.id);
        item.SetMemo(s.memo);
        item.GetUserState().SetMark(s.mark);
        item.GetUserState().AddActionFlags(s.action);
        doc.StoreUserEdit(TanzoAuctionItemUserEdit(item));
    }
    host.script = {{0, kUser, 1, 3}};
    CListRefresh refresh(host, doc);
    refresh.Refresh(1, -1);
    EXPECT_EQ("p1i0 p1i2 ", host.RowIds());
    TanzoAuctionItem* first = host.rows.GetHead();
    EXPECT_STREQ("発送済み", first->GetMemo());
    EXPECT_EQ(256, first->GetUserState().GetMark());
    EXPECT_EQ(0, host.rows.GetTail()->GetUserState().GetMark());

    TanzoAuctionItem probe;
    probe.SetAuctionID("p1i1");
    TanzoAuctionItemUserEdit record(probe);
    ASSERT_TRUE(doc.LookupUserEdit(record));
    EXPECT_EQ(0u, record.GetActionFlags());
    EXPECT_EQ(16, record.GetMark());
    EXPECT_EQ(3, doc.GetUserEditCount());

    // Shown again at the next refresh.
    refresh.Refresh(1, -1);
    EXPECT_EQ("p1i0 p1i1 p1i2 ", host.RowIds());
}
