#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "client/ClientTestSupport.h"
#include "client/ItemFields.h"
#include "client/ItemListSort.h"
#include "client/ListResourceIds.h"
#include "client/TanzoAuctionItem.h"
#include "controls/ListSort.h"

namespace
{
typedef TanzoAuctionItem Item;

std::string FieldText(const Item& item, int kind)
{
    CString text;
    GetItemFieldText(item, kind, text);
    return (LPCTSTR)text;
}

std::string FieldLink(const Item& item, int kind)
{
    CString link;
    GetItemFieldLink(item, kind, link);
    return (LPCTSTR)link;
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

// An item of the closed list with a winner, as the reader makes it.
Item* MakeWinnerItem(const char* id, const char* title)
{
    Item* item = new Item;
    item->SetAuctionID(id);
    item->SetTitle(title);
    item->SetItemURL(CString("https://page.example/jp/auction/") + id);
    item->SetCurrentPrice(12800);
    item->SetStartPrice(1000);
    item->SetBidCount(4);
    item->SetNumber5(7);
    item->SetSellerID("seller_a");
    item->SetEndTime(LocalTime(2024, 3, 1, 10, 0));
    return item;
}
} // namespace

TEST(ItemFields, CellTextAndLinkPerKind)
{
    std::unique_ptr<Item> one(MakeWinnerItem("x100", "古い時計"));
    one->AddBuyerValues("buyer_b", 12800, 1, 1);
    one->SetMemo("発送済み");
    std::unique_ptr<Item> several(MakeWinnerItem("x200", "切手セット"));
    several->AddBuyerValues("w1", 500, 1, 1);
    several->AddBuyerValues("w2", 500, 1, 1);
    several->AddBuyerValues("w3", 500, 1, 1);
    std::unique_ptr<Item> listed(MakeWinnerItem("x300", "本"));
    listed->AddBuyerValues(Text(IDS_WINNER_LIST).c_str(), 0, 1, 1);
    std::unique_ptr<Item> bare(new Item);
    bare->SetAuctionID("x400");

    const std::string winners = Text(IDS_WINNER_LIST);
    const struct
    {
        const Item* item;
        int kind;
        std::string text;
        const char* linkPart; // null: no link
    } cases[] = {
        {one.get(), ItemField::AuctionID, "x100", nullptr},
        {one.get(), ItemField::Title, "古い時計", "/jp/auction/x100"},
        {one.get(), ItemField::StartPrice, "1,000 円", nullptr},
        {one.get(), ItemField::CurrentPrice, "12,800 円", nullptr},
        {one.get(), ItemField::BidCount, "4", "/jp/show/bid_hist"},
        {bare.get(), ItemField::BidCount, "", nullptr},
        {one.get(), ItemField::WatchCount, "7", nullptr},
        {bare.get(), ItemField::WatchCount, "", nullptr},
        {one.get(), ItemField::Buyer, "buyer_b", "buyer_b"},
        {several.get(), ItemField::Buyer, winners, "/jp/show/allwinners"},
        {listed.get(), ItemField::Buyer, winners, "/jp/show/allwinners"},
        {bare.get(), ItemField::Buyer, "", nullptr},
        {one.get(), ItemField::Seller, "seller_a", "seller_a"},
        {bare.get(), ItemField::EndTime, "", nullptr},
        {one.get(), ItemField::Memo, "発送済み", nullptr},
        {one.get(), ItemField::Mark, "", nullptr},
        {one.get(), ItemField::None, "", nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(c.text, FieldText(*c.item, c.kind));
        const std::string link = FieldLink(*c.item, c.kind);
        if (c.linkPart == nullptr)
            EXPECT_EQ("", link);
        else
            EXPECT_TRUE(Contains(link, c.linkPart)) << link;
    }
    CString endText;
    one->FormatEndTime(endText);
    EXPECT_FALSE(endText.IsEmpty());
    EXPECT_EQ(std::string(endText), FieldText(*one, ItemField::EndTime));
    one->SetRemainingTimeText("3日");
    EXPECT_EQ("3日", FieldText(*one, ItemField::RemainingTime));
}

TEST(ItemFields, ComparisonPerKind)
{
    CTieOrderMap noTies;
    const struct
    {
        int kind;
        void (*setA)(Item&);
        void (*setB)(Item&);
        int sign;
    } cases[] = {
        // Prices by value: 1,000 after 200, also for start prices.
        {ItemField::StartPrice, [](Item& i) { i.SetStartPrice(1000); }, [](Item& i) { i.SetStartPrice(200); },
         1},
        {ItemField::CurrentPrice, [](Item& i) { i.SetCurrentPrice(1000); },
         [](Item& i) { i.SetCurrentPrice(200); }, 1},
        // A difference beyond 32 bits keeps its sign.
        {ItemField::CurrentPrice, [](Item& i) { i.SetCurrentPrice(0x100000001LL); },
         [](Item& i) { i.SetCurrentPrice(2); }, 1},
        {ItemField::BidCount, [](Item& i) { i.SetBidCount(9); }, [](Item& i) { i.SetBidCount(10); }, -1},
        {ItemField::WatchCount, [](Item& i) { i.SetNumber5(3); }, [](Item& i) { i.SetNumber5(3); }, 0},
        // Texts without regard to case.
        {ItemField::Title, [](Item&) {}, [](Item&) {}, -1},
        {ItemField::Title, [](Item& i) { i.SetTitle("b"); }, [](Item& i) { i.SetTitle("A"); }, 1},
        {ItemField::Memo, [](Item& i) { i.SetMemo("x"); }, [](Item& i) { i.SetMemo("X"); }, 0},
        // Images by index: a mark of 16 (image 20) after one of 256 (16).
        {ItemField::Mark, [](Item& i) { i.GetUserState().SetMark(16); },
         [](Item& i) { i.GetUserState().SetMark(256); }, 1},
        {ItemField::FeaturedMark, [](Item& i) { i.GetChargeOption().SetFeaturedAmount(20); }, [](Item&) {},
         1},
        {ItemField::RatingMark, [](Item& i) { i.GetUserState().AddFlags(CItemUserState::StateRated); },
         [](Item& i) { i.GetUserState().AddFlags(CItemUserState::StateForbidden); }, -1},
        {ItemField::EndTime, [](Item& i) { i.SetEndTime(LocalTime(2024, 1, 2)); },
         [](Item& i) { i.SetEndTime(LocalTime(2024, 1, 1)); }, 1},
    };
    for (const auto& c : cases)
    {
        std::unique_ptr<Item> x(MakeWinnerItem("x1", "apple"));
        std::unique_ptr<Item> y(MakeWinnerItem("x2", "Banana"));
        c.setA(*x);
        c.setB(*y);
        const int result = CompareItemFields(*x, *y, c.kind, noTies, FALSE);
        EXPECT_EQ(c.sign, result > 0 ? 1 : (result < 0 ? -1 : 0)) << "kind " << c.kind;
    }
    EXPECT_TRUE(IsTextSortKind(ItemField::Buyer));
    EXPECT_FALSE(IsTextSortKind(ItemField::StartPrice));
}

TEST(ItemFields, MarkImages)
{
    const struct
    {
        int mark;
        int image;
    } cases[] = {{1, 24},   {2, 23},   {3, 22},   {4, 21},    {16, 20},   {32, 19},   {48, 18},   {64, 17},
                 {256, 16}, {512, 15}, {768, 14}, {1024, 13}, {1280, 12}, {1536, 11}, {1792, 10}, {2048, 9},
                 {2304, 8}, {2560, 7}, {2816, 6}, {0, -1},    {5, -1},    {257, -1},  {3072, -1}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.image, GetMarkImage(c.mark)) << c.mark;
        Item item;
        item.GetUserState().SetMark(c.mark);
        EXPECT_EQ(c.image, GetItemFieldImage(item, ItemField::Mark)) << c.mark;
    }
}

TEST(ItemFields, RatingAndFeaturedImages)
{
    const DWORD R = TanzoAuctionBuyer::FlagRated;
    const DWORD F = TanzoAuctionBuyer::FlagForbidden;
    const struct
    {
        DWORD state;
        std::vector<DWORD> buyers; // flags; two or more make several winners
        int image;
    } cases[] = {
        {0, {}, ItemImage::None},
        {CItemUserState::StateRated, {}, ItemImage::Rated},
        {CItemUserState::StateForbidden | CItemUserState::StateRated, {R, F}, ItemImage::Forbidden},
        // A forbidden winner ends the scan, whatever the item's own state.
        {CItemUserState::StateRated, {R, F, R}, ItemImage::BuyerForbidden},
        {CItemUserState::StateRated, {R, 0}, ItemImage::Rated},
        {0, {0, R}, ItemImage::SomeBuyersRated},
        {0, {0, 0}, ItemImage::None},
        // One buyer is not several winners: its flags are not looked at.
        {0, {F}, ItemImage::None},
    };
    for (size_t n = 0; n < sizeof(cases) / sizeof(cases[0]); ++n)
    {
        const auto& c = cases[n];
        Item item;
        item.GetUserState().SetFlags(c.state);
        for (size_t i = 0; i < c.buyers.size(); ++i)
        {
            TanzoAuctionBuyer buyer(CString("w") + (char)('1' + i));
            buyer.SetFlags(c.buyers[i]);
            item.AddBuyer(buyer);
        }
        EXPECT_EQ(c.image, GetItemFieldImage(item, ItemField::RatingMark)) << "case " << n;
    }

    Item item;
    EXPECT_EQ(ItemImage::None, GetItemFieldImage(item, ItemField::FeaturedMark));
    item.GetUserState().AddActionFlags(ActionFeaturedDone);
    EXPECT_EQ(ItemImage::FeaturedDone, GetItemFieldImage(item, ItemField::FeaturedMark));
    item.GetChargeOption().SetFeaturedAmount(30);
    EXPECT_EQ(ItemImage::Featured, GetItemFieldImage(item, ItemField::FeaturedMark));
}

TEST(ItemFields, HoverTexts)
{
    std::unique_ptr<Item> several(MakeWinnerItem("x1", "切手"));
    several->AddBuyerValues("w1", 1, 1, 1);
    several->AddBuyerValues("w2", 1, 1, 1);
    several->SetMemo("要確認");
    std::unique_ptr<Item> listed(MakeWinnerItem("x2", "本"));
    listed->AddBuyerValues(Text(IDS_WINNER_LIST).c_str(), 0, 1, 1);

    CString text;
    BuildItemHoverText(several.get(), ItemField::Buyer, text);
    EXPECT_EQ(Text(IDS_SHOW_WINNERS) + "（落札者： w1, w2）", std::string(text));
    BuildItemHoverText(listed.get(), ItemField::Buyer, text);
    EXPECT_EQ(Text(IDS_SHOW_WINNERS), std::string(text));
    BuildItemHoverText(several.get(), ItemField::Title, text);
    EXPECT_EQ("https://page.example/jp/auction/x1", std::string(text));
    BuildItemHoverText(several.get(), -1, text);
    EXPECT_EQ("メモ：要確認", std::string(text));
    BuildItemHoverText(listed.get(), -1, text);
    EXPECT_TRUE(text.IsEmpty());
    BuildItemHoverText(nullptr, ItemField::Title, text);
    EXPECT_TRUE(text.IsEmpty());
}

// Items of equal end time, not next to each other, keep the order in
// which they were read whichever way the list sorts.
TEST(ItemFields, EqualTimesKeepTheirOrderBothWays)
{
    const CTime t0 = LocalTime(2024, 5, 1, 9, 0);
    const CTime t1 = LocalTime(2024, 5, 2, 9, 0);
    const CTime t2 = LocalTime(2024, 5, 3, 9, 0);
    const struct
    {
        const char* id;
        CTime end;
    } read[] = {{"a", t1}, {"b", t2}, {"c", t1}, {"d", t0}, {"e", t1}, {"f", t2}};
    std::vector<std::unique_ptr<Item>> items;
    std::vector<const CItemKeyInterface*> keys;
    for (const auto& r : read)
    {
        items.emplace_back(new Item);
        items.back()->SetAuctionID(r.id);
        items.back()->SetEndTime(r.end);
        keys.push_back(items.back().get());
    }
    CTieOrderMap ties;
    ASSERT_TRUE(BuildTieOrder(keys.data(), (int)keys.size(), ties, TRUE));

    for (int kind : {ItemField::EndTime, ItemField::RemainingTime})
    {
        for (BOOL descending : {FALSE, TRUE})
        {
            // The rows stand in another order than they were read.
            std::vector<CListSortEntry> rows;
            for (auto it = items.rbegin(); it != items.rend(); ++it)
                rows.push_back({it->get(), 0, (int)rows.size()});
            SortItemEntries(rows, kind, descending, ties);
            std::string order;
            for (const CListSortEntry& row : rows)
                order += ((const Item*)row.pItem)->GetAuctionID();
            EXPECT_EQ(descending ? "bfaced" : "dacebf", order) << "kind " << kind;
        }
    }
}

TEST(ItemFields, FlagsLinksAndResortKinds)
{
    const DWORD flags[] = {1, 2, 0, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 0};
    for (int kind = 0; kind < ItemField::None; ++kind)
    {
        EXPECT_EQ(flags[kind], GetFieldFlagOfKind(kind)) << kind;
        if (flags[kind] != 0)
        {
            EXPECT_EQ(kind, GetKindOfFieldFlag(flags[kind]));
        }
    }
    EXPECT_EQ(0u, GetFieldFlagOfKind(ItemField::None));
    EXPECT_EQ(ItemField::None, GetKindOfFieldFlag(3));

    const struct
    {
        const char* url;
        BOOL openable;
    } links[] = {{"http://a.example/x", TRUE}, {"HTTPS://a.example/", TRUE},
                 {"file:///C:/x.exe", FALSE},  {"\\\\server\\share\\x", FALSE},
                 {"ftp://a.example/", FALSE},  {"javascript:alert(1)", FALSE},
                 {"/jp/auction/x1", FALSE},    {"", FALSE}};
    for (const auto& l : links)
        EXPECT_EQ(l.openable, IsOpenableLink(l.url)) << l.url;
    EXPECT_FALSE(IsOpenableLink(nullptr));

    for (int kind = 0; kind <= ItemField::None; ++kind)
    {
        const bool always = kind <= 3 || (kind >= 7 && kind <= 9);
        EXPECT_EQ(always, IsAlwaysResortKind(kind) != FALSE) << kind;
    }
}
