// The four readers against the stand-in's status pages, fetched over
// WinInet as the program fetches them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client/ClientTestSupport.h"
#include "client/ListReaders.h"
#include "client/TanzoAuctionItem.h"
#include "net/HttpComm.h"
#include "net/HttpStatusSink.h"
#include "net/ProgressSink.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"
#include "text/JsonDocument.h"
#include "text/JsonValue.h"

namespace
{
// An item as the stand-in says its pages show it.
struct ServedItem
{
    std::string id, title, url, remaining, seller, bidder;
    LONGLONG price = 0, end = 0;
    int bids = 0, watch = 0, page = 0;
    bool premium = false, featured = false, bold = false, highlight = false;
    std::vector<std::string> winners;
};

std::string Text(const CJsonValue* object, const char* name)
{
    const CJsonValue* value = object->FindValue(name, 0);
    if (value == nullptr)
        return std::string();
    CString text;
    value->ToTextStyled(text, JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE);
    return text == "null" ? std::string() : std::string((LPCTSTR)text);
}

LONGLONG Number(const CJsonValue* object, const char* name)
{
    return _atoi64(Text(object, name).c_str());
}

bool Flag(const CJsonValue* object, const char* name)
{
    return Text(object, name) == "true";
}

// GET /control/items of a list (the first demo account's).
std::vector<ServedItem> ServedItems(const char* list)
{
    std::vector<ServedItem> items;
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    if (!comm.Request(StandIn::Url("CONTROL", std::string("/control/items?list=") + list).c_str(), nullptr,
                      FALSE))
        return items;
    CString body;
    comm.GetBody(body, TRUE);
    CJsonDocument json;
    if (json.Parse(body) != JSON_PARSE_OK || json.GetRoot() == nullptr)
        return items;
    const CJsonValue* entries = json.GetRoot()->FindValue("items", 0);
    for (int i = 0; entries != nullptr && i < entries->GetCount(); ++i)
    {
        const CJsonValue* e = entries->GetAt(i);
        ServedItem item;
        item.id = Text(e, "id");
        item.title = Text(e, "title");
        item.url = Text(e, "url");
        item.remaining = Text(e, "remaining");
        item.seller = Text(e, "seller");
        item.bidder = Text(e, "bidder");
        item.price = Number(e, "price");
        item.end = Number(e, "end");
        item.bids = (int)Number(e, "bids");
        item.watch = (int)Number(e, "watch");
        item.page = (int)Number(e, "page");
        item.premium = Flag(e, "premium");
        item.featured = Flag(e, "featured");
        item.bold = Flag(e, "bold");
        item.highlight = Flag(e, "highlight");
        const CJsonValue* winners = e->FindValue("winners", 0);
        for (int w = 0; winners != nullptr && w < winners->GetCount(); ++w)
        {
            CString name;
            winners->GetAt(w)->ToTextStyled(name, JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE);
            item.winners.push_back((LPCTSTR)name);
        }
        items.push_back(item);
    }
    return items;
}

// Cancels its conversation at the first notification of a request.
class CCancellingSink : public CHttpStatusSink
{
public:
    explicit CCancellingSink(CHttpComm& comm) : m_comm(comm) {}
    void OnInternetStatus(DWORD, LPVOID, DWORD) override { m_comm.SetCancel(TRUE); }

private:
    CHttpComm& m_comm;
};

class CStatusLines : public CProgressSink
{
public:
    void SetStatus(LPCTSTR text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

enum ListKind
{
    Selling,
    ClosedWinner,
    ClosedNoWinner,
    Won
};

const struct
{
    ListKind kind;
    const char* name;
    int pages;
} kLists[] = {
    {Selling, "selling", 3},
    {ClosedWinner, "closed-winner", 3},
    {ClosedNoWinner, "closed-nowinner", 2},
    {Won, "won", 2},
};

class StatusListStandIn : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        comm.Add(CHttpComm::flagQuiet);
    }

    void TearDown() override { ResetServiceOrigins(); }

    // A fresh stand-in at the test's clock, with the scenario values given.
    void Begin(const char* state)
    {
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::SetState("{\"clock\": \"2024-01-02 12:00\"}"));
        ASSERT_TRUE(StandIn::SetState(state));
    }

    CMyAuctionListReader* Reader(ListKind kind)
    {
        switch (kind)
        {
        case Selling:
            return &selling;
        case ClosedWinner:
            return &winner;
        case ClosedNoWinner:
            return &noWinner;
        default:
            return &won;
        }
    }

    // Page 1 with its page count, then the others; the answers in order.
    std::vector<int> ReadAllPages(CMyAuctionListReader& reader, CTanzoAuctionItemList& items)
    {
        std::vector<int> answers;
        reader.SetHttpComm(&comm);
        reader.SetExpectedUserId("demo_seller1");
        reader.SetPage(1);
        answers.push_back(reader.FetchPage(items, TRUE, nullptr));
        for (int page = 2; answers.back() == CMyAuctionListReader::PageRead && page <= reader.GetPageCount();
             ++page)
        {
            reader.SetPage(page);
            answers.push_back(reader.FetchPage(items, FALSE, nullptr));
        }
        return answers;
    }

    int FetchFirstPage(ListKind kind, CTanzoAuctionItemList& items)
    {
        CMyAuctionListReader* reader = Reader(kind);
        reader->SetHttpComm(&comm);
        reader->SetExpectedUserId("demo_seller1");
        reader->SetPage(1);
        return reader->FetchPage(items, TRUE, nullptr);
    }

    CClockScope clock{LocalTime(2024, 1, 2, 12)};
    CHttpComm comm;
    CSellingListReader selling;
    CClosedWinnerListReader winner;
    CClosedNoWinnerListReader noWinner;
    CWonListReader won;
};

void ExpectItemsAsServed(ListKind kind, const CTanzoAuctionItemList& items,
                         const std::vector<ServedItem>& served)
{
    ASSERT_EQ(served.size(), (size_t)items.GetCount());
    POSITION pos = items.GetHeadPosition();
    for (const ServedItem& s : served)
    {
        const TanzoAuctionItem& item = *items.GetNext(pos);
        SCOPED_TRACE(s.id);
        EXPECT_EQ(s.id, (LPCTSTR)item.GetAuctionID());
        EXPECT_EQ(s.title, (LPCTSTR)item.GetTitle());
        EXPECT_EQ(s.url, (LPCTSTR)item.GetItemURL());
        EXPECT_EQ(s.price, item.GetCurrentPrice());
        EXPECT_EQ(s.premium, (item.GetItemFlags() & TanzoAuctionItem::ItemFlagPremium) != 0);
        switch (kind)
        {
        case Selling:
        {
            EXPECT_EQ(s.bids, item.GetBidCount());
            EXPECT_EQ(s.remaining, (LPCTSTR)item.GetRemainingTimeText());
            EXPECT_EQ(s.watch, item.GetNumber5());
            EXPECT_EQ(s.bidder.empty() ? std::vector<std::string>() : std::vector<std::string>{s.bidder},
                      BuyerNames(item));
            const CAuctionChargeOption& options = item.GetChargeOption();
            EXPECT_EQ(s.featured, options.GetFeaturedAmount() == 1);
            EXPECT_EQ(s.bold, options.TestOptionBits(CAuctionChargeOption::OptionBold) != 0);
            EXPECT_EQ(s.highlight, options.TestOptionBits(CAuctionChargeOption::OptionHighlight) != 0);
            break;
        }
        case ClosedWinner:
        {
            std::vector<std::string> buyers;
            if (!s.bidder.empty())
                buyers.push_back(s.bidder);
            if (s.winners.size() > 1)
                buyers.push_back("落札者一覧");
            EXPECT_EQ(buyers, BuyerNames(item));
            EXPECT_EQ(s.winners.size() > 1, item.HasSeveralWinners() != FALSE);
            break;
        }
        case Won:
            EXPECT_EQ(s.seller, (LPCTSTR)item.GetSellerID());
            break;
        default:
            break;
        }
        if (kind != Selling)
        {
            EXPECT_EQ(s.bids, item.GetBidCount());
            EXPECT_EQ(s.end - s.end % 60, item.GetEndTime().GetTime());
        }
    }
}
} // namespace

TEST_F(StatusListStandIn, EachReaderReadsEveryPageOfTheDemoLists)
{
    for (const auto& list : kLists)
    {
        SCOPED_TRACE(list.name);
        Begin("{\"auto_login\": \"demo_seller1\"}");
        CStatusLines lines;
        CMyAuctionListReader& reader = *Reader(list.kind);
        reader.SetProgressSink(&lines);
        CTanzoAuctionItemList items;
        const std::vector<int> answers = ReadAllPages(reader, items);
        EXPECT_EQ(std::vector<int>(list.pages, CMyAuctionListReader::PageRead), answers);
        EXPECT_EQ(list.pages, reader.GetPageCount());
        EXPECT_STREQ("demo_seller1", reader.GetUserId());
        ExpectItemsAsServed(list.kind, items, ServedItems(list.name));
        CMyAuctionListReader::FreeItems(items);

        // One request a page.
        EXPECT_EQ((size_t)list.pages, StandIn::Log("/jp/show/mystatus").size());
        CString fetching, progress;
        progress.Format("(%d/%d)", list.pages, list.pages);
        CString format;
        format.LoadString(reader.GetStatusTextId(CMyAuctionListReader::PhaseFetching));
        fetching.Format(format, (LPCTSTR)progress);
        EXPECT_NE(lines.lines.end(),
                  std::find(lines.lines.begin(), lines.lines.end(), std::string(fetching)));
        reader.SetProgressSink(nullptr);
    }
}

TEST_F(StatusListStandIn, AnswersOtherThanItems)
{
    const struct
    {
        const char* what;
        const char* state;
        int answer;
    } cases[] = {
        {"not signed in", "{}", CMyAuctionListReader::PageLogin},
        {"another user", "{\"auto_login\": \"demo_seller1\", \"show_user\": \"demo_seller2\"}",
         CMyAuctionListReader::PageOtherUser},
        {"an empty list", "{\"auto_login\": \"demo_seller1\", \"status_empty\": true}",
         CMyAuctionListReader::PageNoRows},
        {"a server error", "{\"status_error\": 500}", CMyAuctionListReader::PageFetchFailed},
    };
    for (const auto& c : cases)
        for (const auto& list : kLists)
        {
            SCOPED_TRACE(std::string(c.what) + ", " + list.name);
            Begin(c.state);
            CTanzoAuctionItemList items;
            EXPECT_EQ(c.answer, FetchFirstPage(list.kind, items));
            EXPECT_TRUE(items.IsEmpty());
            if (c.answer == CMyAuctionListReader::PageOtherUser)
            {
                EXPECT_STREQ("demo_seller2", Reader(list.kind)->GetUserId());
            }
            CMyAuctionListReader::FreeItems(items);
        }
}

TEST_F(StatusListStandIn, StopDuringTheRequest)
{
    Begin("{\"auto_login\": \"demo_seller1\"}");
    CCancellingSink sink(comm);
    comm.SetStatusSink(&sink);
    CTanzoAuctionItemList items;
    EXPECT_EQ(CMyAuctionListReader::PageStopped, FetchFirstPage(Won, items));
    EXPECT_TRUE(items.IsEmpty());
    comm.SetStatusSink(nullptr);
}

TEST_F(StatusListStandIn, ALapsedLogInInTheMiddle)
{
    Begin("{\"auto_login\": \"demo_seller1\", \"lapse_after\": 1}");
    CTanzoAuctionItemList items;
    const std::vector<int> answers = ReadAllPages(selling, items);
    EXPECT_EQ((std::vector<int>{CMyAuctionListReader::PageRead, CMyAuctionListReader::PageLogin}), answers);
    EXPECT_EQ(50, (int)items.GetCount());
    CMyAuctionListReader::FreeItems(items);
}

TEST_F(StatusListStandIn, EveryCharsetReadsAlike)
{
    const char* const states[] = {
        "{\"status_charset\": \"euc-jp\"}",
        "{\"status_charset\": \"utf-8\"}",
        "{\"status_charset\": \"euc-jp\", \"status_charset_in\": \"meta\"}",
        "{\"status_charset\": \"utf-8\", \"status_charset_in\": \"header\"}",
        "{\"status_charset\": \"shift_jis\", \"status_charset_in\": \"meta\"}",
    };
    for (const auto& list : {kLists[0], kLists[1]})
    {
        for (const char* state : states)
        {
            SCOPED_TRACE(std::string(list.name) + " " + state);
            Begin("{\"auto_login\": \"demo_seller1\"}");
            ASSERT_TRUE(StandIn::SetState(state));
            const std::vector<ServedItem> served = ServedItems(list.name);
            CTanzoAuctionItemList items;
            ASSERT_EQ(CMyAuctionListReader::PageRead, FetchFirstPage(list.kind, items));
            EXPECT_EQ(list.pages, Reader(list.kind)->GetPageCount());
            ExpectItemsAsServed(list.kind, items,
                                std::vector<ServedItem>(served.begin(), served.begin() + 50));
            CMyAuctionListReader::FreeItems(items);
        }
    }
}
