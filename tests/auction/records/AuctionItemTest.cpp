#include <gtest/gtest.h>

#include <string>

#include "afx/ArchiveBytes.h"
#include "auction/records/AuctionItem.h"
#include "net/ServiceHosts.h"

namespace
{
// A client's buyer with a field of its own and a longer archive record.
class FlaggedBuyer : public AuctionBuyer
{
public:
    DWORD m_mark = 0;

    LPCTSTR GetTypeName() const override { return "FlaggedBuyer"; }
    void CopyFrom(const AuctionBuyer& other) override
    {
        AuctionBuyer::CopyFrom(other);
        if (const FlaggedBuyer* flagged = dynamic_cast<const FlaggedBuyer*>(&other))
            m_mark = flagged->m_mark;
    }
    void Serialize(CArchive& ar, DWORD flags) override
    {
        AuctionBuyer::Serialize(ar, flags);
        if (ar.IsStoring())
            ar << m_mark;
        else
            ar >> m_mark;
    }
};

class FlaggedItem : public AuctionItem
{
public:
    AuctionBuyer* CreateBuyer(const AuctionBuyer* source) const override
    {
        FlaggedBuyer* buyer = new FlaggedBuyer;
        if (source != nullptr)
            buyer->CopyFrom(*source);
        return buyer;
    }
};

class NoBuyerItem : public AuctionItem
{
public:
    AuctionBuyer* CreateBuyer(const AuctionBuyer*) const override { return nullptr; }
};

CTime g_now;
CTime TestClock()
{
    return g_now;
}

struct ClockScope
{
    explicit ClockScope(const CTime& now)
    {
        g_now = now;
        SetAuctionClock(TestClock);
    }
    ~ClockScope() { SetAuctionClock(nullptr); }
};

struct OriginScope
{
    ~OriginScope() { ResetServiceOrigins(); }
};

std::string Repeat(char ch, int n)
{
    return std::string((size_t)n, ch);
}
} // namespace

TEST(AuctionItem, NewRecordValues)
{
    AuctionItem item;
    EXPECT_STREQ("AuctionItem", item.GetTypeName());
    EXPECT_EQ(-1, item.GetBidCount());
    EXPECT_EQ(-1, item.GetNumber4());
    EXPECT_EQ(-1, item.GetLocalNumber());
    EXPECT_EQ(0, item.GetNumber5());
    EXPECT_EQ(0xFFFFFFFFu, item.GetItemFlags());
    EXPECT_EQ(0u, item.GetItemFlags2());
    EXPECT_EQ(5, item.GetCondition());
    EXPECT_EQ(13, item.GetPrefecture());
    EXPECT_TRUE(item.GetAuctionID().IsEmpty());
    EXPECT_TRUE(item.GetTitle().IsEmpty());
    EXPECT_EQ(0, item.GetBuyerCount());
    EXPECT_EQ(0, item.GetEndTime().GetTime());
}

TEST(AuctionItem, ClearByGroups)
{
    AuctionItem item;
    item.SetTitle("t").SetBidCount(4).SetBuyNowPrice(100).SetItemFlags(0x20).SetLocalNumber(3);
    item.AddBuyerValues("b", 1, 1, 1);
    item.SetCondition(1);
    item.Clear(AuctionItem::GroupTitle | AuctionItem::GroupBidCount | AuctionItem::GroupItemFlags |
               AuctionItem::GroupCondition);
    EXPECT_TRUE(item.GetTitle().IsEmpty());
    EXPECT_EQ(-1, item.GetBidCount());
    EXPECT_EQ(0xFFFFFFFFu, item.GetItemFlags());
    EXPECT_EQ(5, item.GetCondition());
    EXPECT_EQ(100, item.GetBuyNowPrice());
    EXPECT_EQ(3, item.GetLocalNumber());
    EXPECT_EQ(1, item.GetBuyerCount());
    item.ClearAll();
    EXPECT_EQ(0, item.GetBuyerCount());
    EXPECT_EQ(-1, item.GetLocalNumber());
}

TEST(AuctionItem, DefaultCopyLeavesOutExtraText2AndLocalNumber)
{
    AuctionItem source;
    source.SetAuctionID("a1").SetExtraText("memo").SetExtraText1("x").SetLocalNumber(7).SetNumber5(9);
    source.AddBuyerValues("b", 10, 1, 2);
    source.SetFirst(60, 1);
    source.AppendShipMethod(CShipMethod());
    AuctionItem copy;
    copy.CopyDefault(source);
    EXPECT_STREQ("a1", copy.GetAuctionID());
    EXPECT_STREQ("x", copy.GetExtraText1());
    EXPECT_TRUE(copy.GetExtraText().IsEmpty());
    EXPECT_EQ(-1, copy.GetLocalNumber());
    EXPECT_EQ(9, copy.GetNumber5());
    EXPECT_EQ(1, copy.GetBuyerCount());
    EXPECT_EQ(60, copy.GetFirst().GetNumber());
    EXPECT_EQ(1, copy.GetShipMethodCount());
    copy.Assign(source);
    EXPECT_STREQ("memo", copy.GetExtraText());
    EXPECT_EQ(7, copy.GetLocalNumber());
    copy.Assign(copy); // itself: nothing changes
    EXPECT_EQ(1, copy.GetBuyerCount());
}

TEST(AuctionItem, CopiedBuyersAreMadeByTheTargetsCreateBuyer)
{
    AuctionItem plain;
    plain.AddBuyerValues("b", 10, 1, 2);
    FlaggedItem derived;
    derived.Assign(plain);
    FlaggedBuyer buyer;
    buyer.m_mark = 5;
    ASSERT_TRUE(derived.GetBuyerAt(0, buyer));
    EXPECT_STREQ("b", buyer.GetName());

    // SetBuyerAt writes through the stored buyer, which keeps its class.
    buyer.m_mark = 9;
    ASSERT_TRUE(derived.SetBuyerAt(0, buyer));
    FlaggedBuyer back;
    ASSERT_TRUE(derived.GetBuyerAt(0, back));
    EXPECT_EQ(9u, back.m_mark);
    EXPECT_FALSE(derived.SetBuyerAt(1, buyer));
    EXPECT_FALSE(derived.GetBuyerAt(-1, buyer));

    NoBuyerItem none;
    none.AddBuyerValues("b", 1, 1, 1);
    EXPECT_EQ(0, none.GetBuyerCount());
}

TEST(AuctionItem, FindBuyerIgnoresCase)
{
    AuctionItem item;
    item.AddBuyerValues("Alpha", 100, 1, 1);
    item.AddBuyerValues("beta", 200, 2, 2);
    EXPECT_EQ(1, item.FindBuyerIndex("BETA"));
    EXPECT_EQ(-1, item.FindBuyerIndex("gamma"));
    EXPECT_EQ(-1, item.FindBuyerIndex(nullptr));
    AuctionBuyer found;
    ASSERT_TRUE(item.FindBuyer("alpha", found));
    EXPECT_EQ(100, found.GetAmount());
    EXPECT_FALSE(item.FindBuyer("gamma", found));
    CAuctionBuyerList list;
    EXPECT_TRUE(item.CopyBuyersTo(list));
    EXPECT_EQ(2, (int)list.GetCount());
}

TEST(AuctionItem, BuyerSummary)
{
    struct Case
    {
        std::vector<const char*> buyers;
        int number1;
        LONGLONG buyNow;
        BOOL result;
        const char* text;
    } cases[] = {
        {{"a", "b", "c"}, 2, 0, TRUE, "a 他2名"},
        {{"a", "b", "c"}, 0, 0, TRUE, "a 他2名"},
        {{"a", "b", "c"}, 1, 0, TRUE, "a"},
        {{"a", "b", "c"}, -3, 0, TRUE, "a"},
        {{"a", "b", "c"}, 1, 500, TRUE, "a 他2名"},
        {{"a"}, 2, 0, TRUE, "a"},
        {{"なし"}, 2, 0, FALSE, "untouched"},
        {{"なし", "b"}, 2, 0, TRUE, "なし 他1名"},
        {{}, 2, 0, FALSE, "untouched"},
    };
    for (const Case& c : cases)
    {
        AuctionItem item;
        for (const char* name : c.buyers)
            item.AddBuyerValues(name, 0, 0, 1);
        item.SetNumber1(c.number1).SetBuyNowPrice(c.buyNow);
        CString out = "untouched";
        EXPECT_EQ(c.result, item.GetBuyerSummary(out));
        EXPECT_STREQ(c.text, out);
    }
}

TEST(AuctionItem, WinnerListEntry)
{
    AuctionItem item;
    EXPECT_FALSE(item.HasWinnerListEntry());
    EXPECT_FALSE(IsWinnerListText(""));
    EXPECT_FALSE(IsWinnerListText(nullptr));
    item.AddBuyerValues("落札者一覧", 0, 0, 1);
    EXPECT_TRUE(item.HasWinnerListEntry());
    EXPECT_TRUE(item.HasSeveralWinners());
    AuctionItem two;
    two.AddBuyerValues("a", 0, 0, 1);
    EXPECT_FALSE(two.HasSeveralWinners());
    two.AddBuyerValues("b", 0, 0, 1);
    EXPECT_TRUE(two.HasSeveralWinners());
}

TEST(AuctionItem, KeepCommonFieldsOverSeveralItems)
{
    AuctionItem a, b, c;
    for (AuctionItem* item : {&a, &b, &c})
    {
        item->SetTitle("same").SetStartPrice(1000).SetItemFlags2(0x7);
        item->SetFirst(60, 1);
        item->SetCondition(2);
        item->AddBuyerValues("x", 10, 1, 1);
    }
    a.SetAuctionID("a").SetBuyNowPrice(5000).SetItemFlags(0x31);
    b.SetAuctionID("b").SetBuyNowPrice(5000).SetItemFlags(0x23);
    c.SetAuctionID("c").SetBuyNowPrice(6000).SetItemFlags(0x21).SetItemFlags2(0x5);
    b.AppendShipMethod(CShipMethod());
    c.AppendShipMethod(CShipMethod());
    c.SetComment("note");

    AuctionItem common;
    common.Assign(a);
    common.KeepCommonFields(b);
    EXPECT_TRUE(common.GetAuctionID().IsEmpty());
    EXPECT_EQ(5000, common.GetBuyNowPrice());
    EXPECT_EQ(0x21u, common.GetItemFlags());
    EXPECT_EQ(0, common.GetShipMethodCount());
    common.KeepCommonWith(c);
    EXPECT_STREQ("same", common.GetTitle());
    EXPECT_EQ(1000, common.GetStartPrice());
    EXPECT_EQ(0, common.GetBuyNowPrice());
    EXPECT_EQ(0x21u, common.GetItemFlags());
    EXPECT_EQ(0x5u, common.GetItemFlags2());
    EXPECT_EQ(60, common.GetFirst().GetNumber());
    EXPECT_EQ(5, common.GetCondition()) << "comments differ: the condition is cleared";
    EXPECT_EQ(1, common.GetBuyerCount());

    // An unknown flag word on either side leaves the words unknown.
    AuctionItem unknown;
    unknown.Assign(a);
    unknown.SetItemFlags(0xFFFFFFFF);
    common.KeepCommonFields(unknown);
    EXPECT_EQ(0xFFFFFFFFu, common.GetItemFlags());
    AuctionItem known;
    known.Assign(a);
    known.KeepCommonFields(unknown);
    EXPECT_EQ(0xFFFFFFFFu, known.GetItemFlags());

    // Buyer lists compare pairwise; two empty lists are equal.
    AuctionItem noBuyers1, noBuyers2;
    noBuyers1.SetTitle("t");
    noBuyers2.SetTitle("t");
    noBuyers1.KeepCommonFields(noBuyers2);
    EXPECT_STREQ("t", noBuyers1.GetTitle());
    AuctionItem other;
    other.Assign(a);
    other.SetBuyerAt(0, AuctionBuyer("X", 10, 1, 1)); // names compare without case
    AuctionItem keep;
    keep.Assign(a);
    keep.KeepCommonFields(other);
    EXPECT_EQ(1, keep.GetBuyerCount());
    other.SetBuyerAt(0, AuctionBuyer("x", 11, 1, 1));
    keep.KeepCommonFields(other);
    EXPECT_EQ(0, keep.GetBuyerCount());
}

TEST(AuctionItem, RemainingTimeTexts)
{
    const CTime now(2020, 3, 5, 12, 0, 0);
    ClockScope clock(now);
    struct Case
    {
        LONGLONG seconds;
        const char* text;
    } cases[] = {
        {3 * 86400 + 5, "3 日"},
        {86400, "1 日"},
        {86399, "23 時間"},
        {3 * 3600, "3 時間"},
        {2 * 3600 + 5 * 60, "2 時間 05 分"},
        {3600, "1 時間 00 分"},
        {3599, "59 分"},
        {10 * 60, "10 分"},
        {9 * 60 + 7, "9 分 07 秒"},
        {60, "1 分 00 秒"},
        {59, "59 秒"},
        {1, "1 秒"},
        {0, "終了"},
        {-5, "終了"},
        {-4000, "終了"},
    };
    for (const Case& c : cases)
    {
        AuctionItem item;
        item.SetEndTime(now + CTimeSpan(c.seconds));
        CString out;
        item.FormatRemainingTime(out);
        EXPECT_STREQ(c.text, out) << c.seconds;
        EXPECT_EQ(c.seconds, item.GetRemainingTime());
        EXPECT_EQ(c.seconds <= 0, item.IsEnded() != FALSE) << c.seconds;
    }
}

TEST(AuctionItem, TimeTexts)
{
    AuctionItem item;
    CString out = "old";
    EXPECT_FALSE(item.FormatEndTime(out));
    EXPECT_TRUE(out.IsEmpty()) << "time 0 is no time";
    item.SetEndTime(CTime(2021, 3, 5, 9, 7, 0));
    item.SetStartTime(CTime(2021, 12, 25, 23, 59, 30));
    EXPECT_TRUE(item.FormatEndTime(out));
    EXPECT_STREQ(" 3月 5日 09時07分", out);
    EXPECT_TRUE(item.FormatStartTime(out));
    EXPECT_STREQ("12月25日 23時59分", out);
}

TEST(AuctionItem, TitleWithID)
{
    struct Case
    {
        std::string title;
        std::string shown;
    } cases[] = {
        {Repeat('a', 60), Repeat('a', 60)},
        {Repeat('a', 70), Repeat('a', 60) + "..."},
        // Byte 60 would split a two-byte character: 59 bytes are kept.
        {Repeat('a', 59) + "あいう", Repeat('a', 59) + "..."},
        {Repeat('a', 61) + "...", Repeat('a', 61) + "..."},
        {Repeat('a', 64), Repeat('a', 60) + "..."},
        {Repeat('a', 64) + "...", Repeat('a', 60) + "..."},
        {"", ""},
    };
    for (const Case& c : cases)
    {
        AuctionItem item;
        item.SetTitle(c.title.c_str()).SetAuctionID("x123");
        CString out;
        item.FormatTitleWithID(out, FALSE);
        EXPECT_EQ(c.shown + " (x123)", std::string((LPCTSTR)out)) << c.title;
        item.FormatTitleWithID(out, TRUE);
        EXPECT_EQ(c.shown + "\r\n(x123)", std::string((LPCTSTR)out)) << c.title;
    }
}

TEST(AuctionItem, CountsAsText)
{
    AuctionItem item;
    CString out = "old";
    EXPECT_FALSE(item.FormatBidCount(out));
    EXPECT_STREQ("old", out);
    item.SetBidCount(0);
    EXPECT_FALSE(item.FormatBidCount(out));
    item.SetBidCount(12).SetNumber5(3);
    EXPECT_TRUE(item.FormatBidCount(out));
    EXPECT_STREQ("12", out);
    EXPECT_TRUE(item.FormatNumber5(out));
    EXPECT_STREQ("3", out);
}

TEST(AuctionItem, UrlsOnTheConfiguredHosts)
{
    OriginScope restore;
    ASSERT_TRUE(SetServiceOrigin(HostAuctions, "http://127.0.0.1:8080/"));
    AuctionItem item;
    item.SetAuctionID("x100").SetSellerID("seller1").SetItemURL("http://127.0.0.1:8081/jp/auction/x100");
    CString out = "old";
    EXPECT_TRUE(item.GetBidHistoryURL(out));
    EXPECT_STREQ("http://127.0.0.1:8080/jp/show/bid_hist?aID=x100", out);
    EXPECT_TRUE(item.GetSellerPageURL(out));
    EXPECT_STREQ("http://127.0.0.1:8080/seller/seller1", out);
    EXPECT_TRUE(item.MakeFeedbackURLForSeller(out));
    EXPECT_STREQ("http://127.0.0.1:8080/jp/show/leavefeedback?t=seller1&aID=x100", out);
    // The item's own host keeps its port.
    EXPECT_TRUE(item.GetAllWinnersURL(out));
    EXPECT_STREQ("http://127.0.0.1:8081/jp/show/allwinners?aID=x100", out);

    ResetServiceOrigins();
    EXPECT_TRUE(item.GetBidHistoryURL(out));
    EXPECT_EQ(CString(GetDefaultServiceOrigin(HostAuctions)) + "/jp/show/bid_hist?aID=x100", out);
    EXPECT_EQ(0, CString(GetDefaultServiceOrigin(HostAuctions)).Find("https://"));
}

TEST(AuctionItem, ItemHost)
{
    struct Case
    {
        const char* url;
        const char* host;
    } cases[] = {
        {"https://page.example.jp/jp/auction/x1", "https://page.example.jp"},
        {"HTTP://Page.example.jp:80/jp/auction/x1", "http://Page.example.jp"},
        {"ftp://files.example.jp/a", "ftp://files.example.jp"},
        {"page.example.jp/jp/auction/x1", "page.example.jp"},
        {"/jp/auction/x1", ""},
        {"", ""},
    };
    for (const Case& c : cases)
    {
        AuctionItem item;
        item.SetItemURL(c.url).SetAuctionID("x1");
        CString host = "old";
        EXPECT_EQ(*c.host != '\0', item.GetItemHost(host) != FALSE) << c.url;
        EXPECT_STREQ(c.host, host) << c.url;
        CString url = "old";
        EXPECT_EQ(*c.host != '\0', item.MakeURLOnItemHost("/jp/show/allwinners", url) != FALSE) << c.url;
        EXPECT_EQ(*c.host == '\0', url.IsEmpty() != FALSE) << c.url;
    }
}

TEST(AuctionItem, UrlBuildersRefuseMissingInput)
{
    AuctionItem item;
    item.SetItemURL("https://page.example.jp/jp/auction/x1");
    CString out = "old";
    EXPECT_FALSE(item.MakeItemURL("https://h", "/p", out)) << "no auction ID";
    EXPECT_TRUE(out.IsEmpty());
    item.SetAuctionID("x1");
    out = "old";
    EXPECT_FALSE(item.MakeItemURL("", "/p", out));
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_FALSE(item.MakeItemURL(nullptr, "/p", out));
    EXPECT_FALSE(item.MakeItemURL("https://h", nullptr, out));
    EXPECT_FALSE(item.MakeItemURL("https://h", "", out));
    EXPECT_TRUE(item.MakeItemURL("https://h", "/p", out));
    EXPECT_STREQ("https://h/p?aID=x1", out);

    out = "old";
    EXPECT_FALSE(item.MakeFeedbackURL("", out));
    EXPECT_TRUE(out.IsEmpty());
    out = "old";
    EXPECT_FALSE(item.MakeFeedbackURLForSeller(out)) << "no seller ID";
    EXPECT_TRUE(out.IsEmpty());
    out = "old";
    EXPECT_FALSE(item.MakeFeedbackURLForBuyer(0, out));
    EXPECT_TRUE(out.IsEmpty());
    out = "old";
    EXPECT_FALSE(item.GetBuyerPageURL(out));
    EXPECT_TRUE(out.IsEmpty());
    out = "old";
    EXPECT_FALSE(MakeSellerPageURL("", out));
    EXPECT_TRUE(out.IsEmpty());

    item.AddBuyerValues("winner9", 0, 0, 1);
    EXPECT_TRUE(item.MakeFeedbackURLForBuyer(0, out));
    EXPECT_NE(-1, out.Find("/jp/show/leavefeedback?t=winner9&aID=x1"));
    EXPECT_FALSE(item.MakeFeedbackURLForBuyer(1, out));
    EXPECT_TRUE(item.GetBuyerPageURL(out));
    EXPECT_NE(-1, out.Find("/seller/winner9"));

    AuctionItem several;
    several.SetItemURL("https://page.example.jp/jp/auction/x2").SetAuctionID("x2");
    several.AddBuyerValues("落札者一覧", 0, 0, 1);
    EXPECT_TRUE(several.GetBuyerPageURL(out));
    EXPECT_STREQ("https://page.example.jp/jp/show/allwinners?aID=x2", out);
}

namespace
{
// An item of every kind of field, saved with flags 0x3B.
void FillGoldenItem(AuctionItem& item)
{
    item.SetAuctionID("x1").SetTitle("T").SetSellerID("s");
    item.AddBuyerValues("b", 1000, 1, 2);
    item.SetNumber1(1).SetBidCount(5).SetNumber5(8);
    item.SetStartTime(CTime(0x5E000000)).SetEndTime(CTime(0x5E001000));
    item.SetItemFlags(0x20).SetStartPrice(1000).SetCurrentPrice(0x100000000LL);
    item.SetFirst(60, 1);
    item.SetSecond(2, 0);
    CShipMethod method;
    method.SetName("A");
    method.SetFeeType(1);
    method.SetRegionFee1(500);
    method.SetRegionFee3(1000);
    item.AppendShipMethod(method);
    item.SetShipFlags(0x02);
    item.SetCondition(1);
}

const char* const kGoldenItem =
    "02 00 00 00"                                      // version
    " 02 78 31 00 01 54 01 73"                         // "x1", "", "T", "s"
    " 01 00 00 00 01 62 e8 03 00 00 00 00 00 00"       // one buyer: "b", 1000
    " 01 00 00 00 02 00 00 00"                         // count 1, state 2
    " 00 00 00"                                        // extra texts
    " 01 00 00 00 00 00 00 00 05 00 00 00"             // number 1, number 2, bids
    " ff ff ff ff 00 00 00 00"                         // number 4, number 6
    " 00 00 00 5e 00 10 00 5e"                         // start and end time
    " 20 00 00 00 00 00 00 00 ff ff ff ff"             // item flags, flags 2, local number
    " e8 03 00 00 00 00 00 00 00 00 00 00 01 00 00 00" // start, current price
    " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00" // price 3, buy-it-now price
    " 3c 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00" // the pair
    " 01 00 00 00 01 41 01 00 00 00 ff ff ff ff ff ff ff ff"
    " f4 01 00 00 00 00 00 00 ff ff ff ff ff ff ff ff e8 03 00 00 00 00 00 00 00" // method "A"
    " 02 00 00 00"                                                                // shipping flags
    " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"                // group 1
    " 00 00 00 00 0d 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"    // group 2
    " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"                // group 3
    " 01 00 00 00 00";                                                            // condition
} // namespace

TEST(AuctionItem, ArchiveBytesVersion2)
{
    AuctionItem item;
    FillGoldenItem(item);
    Bytes bytes = Stored([&](CArchive& ar) { item.Serialize(ar, 0x3B); });
    EXPECT_EQ(ToHex(HexBytes(kGoldenItem)), ToHex(bytes));

    AuctionItem loaded;
    loaded.SetExtraText("old").SetLocalNumber(4).AddBuyerValues("old", 1, 1, 1);
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 0x3B); }));
    Bytes again = Stored([&](CArchive& ar) { loaded.Serialize(ar, 0x3B); });
    EXPECT_EQ(ToHex(bytes), ToHex(again));
    EXPECT_EQ(0, loaded.GetNumber5());
    EXPECT_EQ(1, loaded.GetBuyerCount());
    EXPECT_EQ(0x100000000LL, loaded.GetCurrentPrice());
    EXPECT_EQ(CTime(0x5E001000), loaded.GetEndTime());
    EXPECT_EQ(1, loaded.GetCondition());
    EXPECT_EQ(1, loaded.GetShipMethodCount());
    EXPECT_EQ(2u, loaded.GetShipFlags());
}

TEST(AuctionItem, VersionOneReadsAlikeAndOthersThrow)
{
    AuctionItem item;
    FillGoldenItem(item);
    Bytes v1 = HexBytes(kGoldenItem);
    v1[0] = 1;
    AuctionItem loaded;
    ASSERT_EQ(-1, LoadCause(v1, [&](CArchive& ar) { loaded.Serialize(ar, 0x3B); }));
    EXPECT_STREQ("x1", loaded.GetAuctionID());

    for (unsigned char version : {0, 3, 0xff})
    {
        Bytes bad = HexBytes(kGoldenItem);
        bad[0] = version;
        AuctionItem other;
        other.SetTitle("old");
        EXPECT_EQ(CArchiveException::badIndex,
                  LoadCause(bad, [&](CArchive& ar) { other.Serialize(ar, 0x3B); }));
        EXPECT_TRUE(other.GetTitle().IsEmpty()) << "cleared before the version is read";
    }
}

TEST(AuctionItem, TruncatedArchiveThrowsAtEveryCut)
{
    Bytes bytes = HexBytes(kGoldenItem);
    for (size_t n = 0; n < bytes.size(); ++n)
    {
        Bytes cut(bytes.begin(), bytes.begin() + n);
        FlaggedItem loaded;
        EXPECT_EQ(CArchiveException::endOfFile,
                  LoadCause(cut, [&](CArchive& ar) { loaded.Serialize(ar, 0x3B); }))
            << n;
    }
}

TEST(AuctionItem, CorruptBuyerCountThrows)
{
    AuctionItem loaded;
    EXPECT_EQ(CArchiveException::badIndex, LoadCause(HexBytes("02 00 00 00 00 00 00 00 ff ff ff ff"),
                                                     [&](CArchive& ar) { loaded.Serialize(ar, 1); }));
    EXPECT_EQ(0, loaded.GetBuyerCount());
}

TEST(AuctionItem, ItemFlagsMaskedOnLoadingUnlessUnknown)
{
    struct Case
    {
        DWORD stored;
        DWORD loaded;
    } cases[] = {
        {0xFFFFFFFF, 0xFFFFFFFF},
        {0xFFFFFFFE, 0x0F000EFE},
        {0x00000020, 0x00000020},
        {0x10000100, 0x00000000},
    };
    for (const Case& c : cases)
    {
        AuctionItem item;
        item.SetItemFlags(c.stored).SetItemFlags2(0xFFFFFFFF);
        Bytes bytes = Stored([&](CArchive& ar) { item.Serialize(ar, 1); });
        AuctionItem loaded;
        ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 1); }));
        EXPECT_EQ(c.loaded, loaded.GetItemFlags()) << std::hex << c.stored;
        EXPECT_EQ(0x03001FFFu, loaded.GetItemFlags2());
    }
}

TEST(AuctionItem, MainFieldsKeepOnlyBuyerNamesByDefault)
{
    AuctionItem item;
    item.AddBuyerValues("b1", 500, 2, 2);
    item.AddBuyerValues("b2", 600, 3, 2);
    item.SetNumber5(7).SetTitle("t");
    Bytes bytes = Stored([&](CArchive& ar) { item.Serialize(ar, 1); });
    AuctionItem loaded;
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 1); }));
    ASSERT_EQ(2, loaded.GetBuyerCount());
    AuctionBuyer buyer;
    loaded.GetBuyerAt(1, buyer);
    EXPECT_TRUE(buyer.IsEqual(AuctionBuyer("b2", 0, 0, 1)));
    EXPECT_EQ(0, loaded.GetNumber5());
    EXPECT_STREQ("t", loaded.GetTitle());
}

TEST(AuctionItem, ShippingPartsOfTheArchive)
{
    AuctionItem item;
    CShipMethod method;
    method.SetName("m");
    method.SetFee(300);
    method.SetFeeType(4);
    method.SetRegionFee2(100);
    item.AppendShipMethod(method);
    item.SetShipFlags(0x10);
    item.SetPrefecture(27);

    // Bit 0x4 alone: names, fees and links; no terms.
    Bytes names = Stored([&](CArchive& ar) { item.Serialize(ar, 0x4); });
    AuctionItem loaded;
    ASSERT_EQ(-1, LoadCause(names, [&](CArchive& ar) { loaded.Serialize(ar, 0x4); }));
    CShipMethod back;
    ASSERT_TRUE(loaded.GetFirstShipMethod(back));
    EXPECT_EQ(300, back.GetFee());
    EXPECT_FALSE(back.HasAnyRegionFee());
    EXPECT_EQ(CShipMethod::FeeOne, back.GetFeeType()) << "worked out from the fees";
    EXPECT_EQ(0u, loaded.GetShipFlags());
    EXPECT_EQ(13, loaded.GetPrefecture());

    // Bit 0x8: everything.
    Bytes all = Stored([&](CArchive& ar) { item.Serialize(ar, 0x8); });
    ASSERT_EQ(-1, LoadCause(all, [&](CArchive& ar) { loaded.Serialize(ar, 0x8); }));
    EXPECT_TRUE(loaded.CAuctionShipMethods::IsEqual(item));
}

TEST(AuctionItem, DerivedBuyersKeepTheArchiveAligned)
{
    FlaggedItem item;
    item.AddBuyerValues("b1", 500, 2, 2);
    item.AddBuyerValues("b2", 600, 3, 2);
    item.SetTitle("t").SetCondition(1);
    Bytes derivedBytes = Stored([&](CArchive& ar) { item.Serialize(ar, 0x31); });

    AuctionItem plain;
    plain.Assign(item);
    Bytes plainBytes = Stored([&](CArchive& ar) { plain.Serialize(ar, 0x31); });
    EXPECT_EQ(ToHex(plainBytes), ToHex(derivedBytes)) << "buyers are stored in the plain layout";

    FlaggedItem loaded;
    ASSERT_EQ(-1, LoadCause(derivedBytes, [&](CArchive& ar) { loaded.Serialize(ar, 0x31); }));
    EXPECT_EQ(2, loaded.GetBuyerCount());
    EXPECT_EQ(1, loaded.GetCondition()) << "what follows the buyers is read in its place";
    FlaggedBuyer buyer;
    ASSERT_TRUE(loaded.GetBuyerAt(1, buyer));
    EXPECT_EQ(600, buyer.GetAmount());
    // Only a stored buyer of the derived class keeps the mark.
    buyer.m_mark = 7;
    loaded.SetBuyerAt(1, buyer);
    FlaggedBuyer back;
    loaded.GetBuyerAt(1, back);
    EXPECT_EQ(7u, back.m_mark);

    NoBuyerItem none;
    EXPECT_TRUE(Throws<CMemoryException>(
        [&] { Load(derivedBytes, [&](CArchive& ar) { none.Serialize(ar, 0x31); }); }))
        << "a record that cannot make buyers throws a memory exception";
}
