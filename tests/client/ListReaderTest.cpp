#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "client/ClientTestSupport.h"
#include "client/ListReaders.h"
#include "client/StatusPageFixture.h"
#include "client/TanzoAuctionItem.h"
#include "net/ProgressSink.h"
#include "text/HtmlDocument.h"

namespace
{
const char kSellingUrl[] = "http://open.example/jp/show/mystatus?select=selling&alocale=0jp&s1=end&o1=a";
const char kClosedUrl[] = "http://closed.example/jp/show/mystatus?select=closed&hasWinner=1";
const char kWonUrl[] = "http://closed.example/jp/show/mystatus?select=won";

// The items of a read, deleted with the fixture.
struct Read
{
    CTanzoAuctionItemList items;
    int answer = -1;
    DWORD reached = 0;
    ~Read() { CMyAuctionListReader::FreeItems(items); }
    const TanzoAuctionItem& At(int i) const { return *items.GetAt(items.FindIndex(i)); }
};

void ReadFixture(CMyAuctionListReader& reader, const char* fixture, const char* url, Read& read,
                 BOOL pageCount = TRUE)
{
    CHtmlDocument page(ReadStatusFixture(fixture));
    read.answer = reader.ReadPage(page, url, read.items, pageCount, &read.reached);
}

class CStatusLines : public CProgressSink
{
public:
    void SetStatus(LPCTSTR text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};
} // namespace

TEST(ListReader, SellingPage)
{
    CFixtureOrigins origins;
    CSellingListReader reader;
    reader.SetExpectedUserId("Demo_Seller");
    Read read;
    ReadFixture(reader, "selling.html", kSellingUrl, read);
    ASSERT_EQ(CMyAuctionListReader::PageRead, read.answer);
    EXPECT_STREQ("demo_seller", reader.GetUserId());
    EXPECT_EQ(1, reader.GetPageCount());
    ASSERT_EQ(3, (int)read.items.GetCount());

    const TanzoAuctionItem& first = read.At(0);
    EXPECT_STREQ("x100000001", first.GetAuctionID());
    EXPECT_STREQ("http://page.example/jp/auction/x100000001", first.GetItemURL());
    EXPECT_STREQ("ヴィンテージ 腕時計 & 箱", first.GetTitle());
    EXPECT_EQ(12800, first.GetCurrentPrice());
    EXPECT_EQ(3, first.GetBidCount());
    EXPECT_EQ(std::vector<std::string>{"bidder_a"}, BuyerNames(first));
    EXPECT_STREQ("3日", first.GetRemainingTimeText());
    EXPECT_EQ(5, first.GetNumber5());
    EXPECT_EQ(0u, first.GetItemFlags());
    EXPECT_FALSE(first.GetChargeOption().HasAnyOption());

    // Premium icon, featured icon, bold title, highlighted row; a link
    // relative to the page.
    const TanzoAuctionItem& second = read.At(1);
    EXPECT_STREQ("http://open.example/jp/auction/x100000002", second.GetItemURL());
    EXPECT_STREQ("限定 カメラ", second.GetTitle());
    EXPECT_EQ((DWORD)TanzoAuctionItem::ItemFlagPremium, second.GetItemFlags());
    EXPECT_EQ(1, second.GetChargeOption().GetFeaturedAmount());
    EXPECT_EQ((DWORD)(CAuctionChargeOption::OptionBold | CAuctionChargeOption::OptionHighlight),
              second.GetChargeOption().GetOptionBits());
    EXPECT_EQ(0, second.GetBuyerCount());
    EXPECT_EQ((5 * 60 + 1) * 60, second.GetTime().GetTime());

    EXPECT_STREQ("12分", read.At(2).GetRemainingTimeText());
    EXPECT_EQ(12, read.At(2).GetNumber5());
}

TEST(ListReader, ClosedPageWithWinners)
{
    CFixtureOrigins origins;
    CClockScope clock{LocalTime(2024, 1, 2, 12)};
    CClosedWinnerListReader reader;
    Read read;
    ReadFixture(reader, "closed-winner.html", kClosedUrl, read);
    ASSERT_EQ(CMyAuctionListReader::PageRead, read.answer);
    // No item count on the page: the pager's links give 3 (the link back
    // to page 2 ends the search, other lists' links do not count).
    EXPECT_EQ(3, reader.GetPageCount());
    ASSERT_EQ(3, (int)read.items.GetCount());

    const TanzoAuctionItem& first = read.At(0);
    EXPECT_STREQ("x200000001", first.GetAuctionID());
    // One winner in three columns is one buyer.
    EXPECT_EQ(std::vector<std::string>{"Winner_A"}, BuyerNames(first));
    EXPECT_EQ(12800, first.GetCurrentPrice());
    EXPECT_EQ(LocalTime(2024, 1, 3, 10).GetTime(), first.GetEndTime().GetTime());
    EXPECT_FALSE(first.HasSeveralWinners());

    const TanzoAuctionItem& second = read.At(1);
    EXPECT_EQ((std::vector<std::string>{"top_bidder", "落札者一覧"}), BuyerNames(second));
    EXPECT_TRUE(second.HasSeveralWinners());
    EXPECT_EQ(LocalTime(2023, 12, 30, 23, 59).GetTime(), second.GetEndTime().GetTime());
    // The closed lists have no highlight.
    EXPECT_FALSE(second.GetChargeOption().HasAnyOption());

    EXPECT_EQ(0, read.At(2).GetBuyerCount());
    EXPECT_EQ(800, read.At(2).GetCurrentPrice());
}

TEST(ListReader, WonPageFromTheRemovalForm)
{
    CFixtureOrigins origins;
    CClockScope clock{LocalTime(2024, 1, 2, 12)};
    CWonListReader reader;
    Read read;
    ReadFixture(reader, "won.html", kWonUrl, read);
    ASSERT_EQ(CMyAuctionListReader::PageRead, read.answer);
    EXPECT_EQ(1, reader.GetPageCount());
    ASSERT_EQ(2, (int)read.items.GetCount());
    EXPECT_STREQ("x300000001", read.At(0).GetAuctionID());
    EXPECT_STREQ("shop-kyoto", read.At(0).GetSellerID());
    EXPECT_EQ(4500, read.At(0).GetCurrentPrice());
    EXPECT_EQ(2, read.At(0).GetBidCount());
    EXPECT_STREQ("ＤＶＤ", read.At(1).GetTitle());
    EXPECT_EQ(LocalTime(2024, 1, 4, 21, 30).GetTime(), read.At(1).GetEndTime().GetTime());
}

TEST(ListReader, CellsHoldTheTextABrowserShowsNotTheMarkupLeftAsText)
{
    CFixtureOrigins origins;
    CClockScope clock{LocalTime(2024, 1, 2, 12)};
    CWonListReader reader;
    Read read;
    ReadFixture(reader, "won-markup.html", kWonUrl, read);
    ASSERT_EQ(CMyAuctionListReader::PageRead, read.answer);
    ASSERT_EQ(3, (int)read.items.GetCount());
    const struct
    {
        const char* id;
        const char* title;
        const char* seller;
    } rows[] = {
        // An unknown namespaced tag, an end tag with a blank.
        {"x300000011", "ブローチ 銀", "shop-kyoto"},
        // Escaped brackets and a lone "<" are text; a comment is not.
        {"x300000012", "<新品> 1<2 箱", "taro_y"},
        {"x300000013", "時計!", "hana_k"},
    };
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(rows[i].id);
        EXPECT_STREQ(rows[i].id, read.At(i).GetAuctionID());
        // The headers with markup found their columns.
        EXPECT_STREQ(rows[i].title, read.At(i).GetTitle());
        EXPECT_STREQ(rows[i].seller, read.At(i).GetSellerID());
    }
    EXPECT_STREQ("http://page.example/jp/auction/x300000011", read.At(0).GetItemURL());
    EXPECT_EQ(4500, read.At(0).GetCurrentPrice());
}

TEST(ListReader, TimeLimitEndsTheClosedLists)
{
    CFixtureOrigins origins;
    CClockScope clock{LocalTime(2024, 1, 2, 12)};
    CClosedWinnerListReader closed;
    closed.SetTimeLimit(LocalTime(2023, 12, 31));
    Read read;
    ReadFixture(closed, "closed-winner.html", kClosedUrl, read);
    ASSERT_EQ(CMyAuctionListReader::PageRead, read.answer);
    EXPECT_EQ((DWORD)CMyAuctionListReader::ReachedTimeLimit, read.reached);
    ASSERT_EQ(2, (int)read.items.GetCount());
    EXPECT_STREQ("x200000001", read.At(0).GetAuctionID());
    EXPECT_STREQ("x200000003", read.At(1).GetAuctionID());

    CSellingListReader selling;
    selling.SetTimeLimit(LocalTime(2030, 1, 1));
    EXPECT_EQ(0, selling.GetTimeLimit().GetTime());
}

TEST(ListReader, AnswersOtherThanItems)
{
    CFixtureOrigins origins;
    const struct
    {
        const char* what;
        const char* url;
        const char* expected;
        CMyAuctionListReader::StopTest stop;
        int answer;
        const char* shown;
    } cases[] = {
        {"log-in page", "https://login.example/config/login?.src=auc", "demo_seller", nullptr,
         CMyAuctionListReader::PageLogin, ""},
        {"log-in host on another port", "https://login.example:444/x", "", nullptr,
         CMyAuctionListReader::PageRead, "demo_seller"},
        {"another user", kSellingUrl, "someone_else", nullptr, CMyAuctionListReader::PageOtherUser,
         "demo_seller"},
        {"the same user in other letters", kSellingUrl, "DEMO_SELLER", nullptr,
         CMyAuctionListReader::PageRead, "demo_seller"},
        {"stopped", kSellingUrl, "demo_seller", []() { return TRUE; }, CMyAuctionListReader::PageStopped,
         "demo_seller"},
    };
    for (const auto& c : cases)
    {
        CSellingListReader reader;
        reader.SetExpectedUserId(c.expected);
        CHtmlDocument page(ReadStatusFixture("selling.html"));
        CTanzoAuctionItemList items;
        EXPECT_EQ(c.answer, reader.ReadPage(page, c.url, items, TRUE, nullptr, c.stop)) << c.what;
        EXPECT_STREQ(c.shown, c.answer == CMyAuctionListReader::PageLogin ? "" : (LPCTSTR)reader.GetUserId())
            << c.what;
        EXPECT_EQ(c.answer == CMyAuctionListReader::PageRead ? 3 : 0, (int)items.GetCount()) << c.what;
        CMyAuctionListReader::FreeItems(items);
    }

    // Pages without the list: no rows.
    const char* const empty[] = {
        "<html><body><div id=msthd><a id=msthdLoginName>demo_seller</a></div>"
        "<p>該当する商品はありません</p></body></html>",
        "<html><body><table><tr bgcolor=#fff><td>x1</td></tr></table></body></html>"};
    for (const char* text : empty)
    {
        CSellingListReader selling;
        CWonListReader won;
        for (CMyAuctionListReader* reader : {(CMyAuctionListReader*)&selling, (CMyAuctionListReader*)&won})
        {
            CHtmlDocument page(text);
            CTanzoAuctionItemList items;
            EXPECT_EQ(CMyAuctionListReader::PageNoRows,
                      reader->ReadPage(page, kSellingUrl, items, TRUE, nullptr));
            EXPECT_TRUE(items.IsEmpty());
        }
    }
}

TEST(ListReader, UnknownHeadersLeaveRowsEmpty)
{
    CFixtureOrigins origins;
    CString text = ReadStatusFixture("closed-winner.html");
    text.Replace("商品ID", "番号");
    text.Replace("商品名", "タイトル");
    CClosedWinnerListReader reader;
    CHtmlDocument page(text);
    Read read;
    read.answer = reader.ReadPage(page, kClosedUrl, read.items, FALSE, nullptr);
    ASSERT_EQ(CMyAuctionListReader::PageRead, read.answer);
    ASSERT_EQ(3, (int)read.items.GetCount());
    EXPECT_TRUE(read.At(0).GetAuctionID().IsEmpty());
    EXPECT_TRUE(read.At(0).GetTitle().IsEmpty());
    EXPECT_EQ(12800, read.At(0).GetCurrentPrice()); // the known columns still count
    // Without the request the page count stays as it was.
    EXPECT_EQ(0, reader.GetPageCount());
}

TEST(ListReader, ShortRowsAreSkipped)
{
    CFixtureOrigins origins;
    CWonListReader reader;
    CHtmlDocument page("<form name=auctionList><table>"
                       "<tr bgcolor=#ccc><td>商品ID</td><td>商品名</td></tr>"
                       "<tr bgcolor=#fff><td>x1</td><td>一</td></tr>"
                       "<tr bgcolor=#fff><td colspan=2>お知らせ</td></tr>"
                       "<tr bgcolor=#fff><td>x2</td><td><table><tr><td>a</td><td>b</td></tr></table>二</td>"
                       "<td>extra</td></tr>"
                       "</table></form>");
    Read read;
    read.answer = reader.ReadPage(page, kWonUrl, read.items, FALSE, nullptr);
    ASSERT_EQ(CMyAuctionListReader::PageRead, read.answer);
    ASSERT_EQ(2, (int)read.items.GetCount());
    EXPECT_STREQ("x1", read.At(0).GetAuctionID());
    EXPECT_STREQ("x2", read.At(1).GetAuctionID());
    EXPECT_STREQ("ab二", read.At(1).GetTitle());
}

TEST(ListReader, PageAddressesAndStatusTexts)
{
    CFixtureOrigins origins;
    CSellingListReader selling;
    CClosedWinnerListReader winner;
    CClosedNoWinnerListReader noWinner;
    CWonListReader won;
    const struct
    {
        CMyAuctionListReader* reader;
        const char* url;
        UINT fetching;
    } cases[] = {
        {&selling, kSellingUrl, 806},
        {&winner, kClosedUrl, 808},
        {&noWinner, "http://closed.example/jp/show/mystatus?select=closed&hasWinner=0", 810},
        {&won, kWonUrl, 812},
    };
    for (const auto& c : cases)
    {
        CString url;
        c.reader->SetPage(1);
        c.reader->BuildPageUrl(url);
        EXPECT_STREQ(c.url, url);
        c.reader->SetPage(3);
        c.reader->BuildPageUrl(url);
        EXPECT_EQ(std::string(c.url) + "&apg=3", (LPCTSTR)url);
        EXPECT_EQ(c.fetching, c.reader->GetStatusTextId(CMyAuctionListReader::PhaseFetching));
        EXPECT_EQ(c.fetching + 1, c.reader->GetStatusTextId(CMyAuctionListReader::PhaseReading));
    }

    // The reading text carries the progress once the page count is known.
    CStatusLines lines;
    winner.SetProgressSink(&lines);
    winner.SetPage(1);
    Read first;
    CHtmlDocument page1(ReadStatusFixture("closed-winner.html"));
    winner.ReadPage(page1, kClosedUrl, first.items, TRUE, nullptr);
    winner.SetPage(2);
    Read second;
    CHtmlDocument page2(ReadStatusFixture("closed-winner.html"));
    winner.ReadPage(page2, kClosedUrl, second.items, FALSE, nullptr);
    CString one, two;
    one.Format(Text(809).c_str(), "");
    two.Format(Text(809).c_str(), "(2/3)");
    EXPECT_EQ((std::vector<std::string>{(LPCTSTR)one, (LPCTSTR)two}), lines.lines);
}

TEST(ListReader, HeaderTablesFollowTheLists)
{
    CSellingListReader selling;
    CClosedWinnerListReader winner;
    CClosedNoWinnerListReader noWinner;
    CWonListReader won;
    const struct
    {
        CMyAuctionListReader* reader;
        std::vector<UINT> ids;
    } cases[] = {
        {&selling, {648, 649, 650, 651, 652, 653, 659, 656, 667, 668}},
        {&winner, {647, 648, 649, 650, 651, 652, 653, 654, 655, 656, 660, 661, 665, 666, 663, 664}},
        {&noWinner, {647, 648, 649, 650, 651, 652, 653, 654, 656, 662, 664}},
        {&won, {647, 648, 649, 657, 652, 658, 655, 654, 663}},
    };
    for (const auto& c : cases)
    {
        ASSERT_EQ((int)c.ids.size(), c.reader->GetHeaderCount());
        for (int i = 0; i < (int)c.ids.size(); ++i)
            EXPECT_EQ(c.ids[i], c.reader->GetHeaderTextId(i));
        EXPECT_EQ(CMyAuctionListReader::FieldNone, c.reader->GetHeaderCode((int)c.ids.size()));
    }
    EXPECT_EQ(CMyAuctionListReader::FieldWatchList, selling.GetHeaderCode(9));
    EXPECT_EQ(CMyAuctionListReader::FieldWinner, winner.GetHeaderCode(12));
    EXPECT_EQ(CMyAuctionListReader::FieldHighestBid, noWinner.GetHeaderCode(9));
    EXPECT_EQ(CMyAuctionListReader::FieldWinningPrice, won.GetHeaderCode(5));
}

TEST(ListReader, ADashIsNoPriceAndNoBids)
{
    CFixtureOrigins origins;
    CClosedNoWinnerListReader reader;
    CHtmlDocument page(
        "<form name=auctionList><table>"
        "<tr bgcolor=#eee><td>商品ID</td><td>現在価格</td><td>入札数</td><td>最高入札価格</td></tr>"
        "<tr bgcolor=#fff><td>x1</td><td>1,000円</td><td>0</td><td>-</td></tr>"
        "<tr bgcolor=#fff><td>x2</td><td>1,000円</td><td>2</td><td>1,500円</td></tr>"
        "<tr bgcolor=#fff><td>x3</td><td>-</td><td>-</td><td>-</td></tr>"
        "</table></form>");
    Read read;
    read.answer = reader.ReadPage(page, kClosedUrl, read.items, FALSE, nullptr);
    ASSERT_EQ(3, (int)read.items.GetCount());
    EXPECT_EQ(1000, read.At(0).GetCurrentPrice());
    EXPECT_EQ(0, read.At(0).GetBidCount());
    EXPECT_EQ(1500, read.At(1).GetCurrentPrice());
    EXPECT_EQ(0, read.At(2).GetCurrentPrice());
    EXPECT_EQ(0, read.At(2).GetBidCount()); // no bids, as the bid-count sort wants it
}
