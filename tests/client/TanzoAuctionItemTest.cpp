#include <gtest/gtest.h>

#include "client/ClientTestSupport.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"

namespace
{
typedef TanzoAuctionItem Item;

// An item with every client member set.
void FillClientMembers(Item& item)
{
    item.GetUserState().SetMark(16);
    item.GetUserState().AddFlags(CItemUserState::StateRated);
    item.GetSalesMode().Set(CSalesMode::Offer);
    item.GetChargeOption().SetFeaturedAmount(300);
    item.SetEditedDescription("説明");
    item.SetRemainingTimeText("3日");
    item.AddEditFlags(Item::EditTitle | Item::EditDescription);
}

void ExpectClientMembersReset(const Item& item)
{
    EXPECT_EQ(0, item.GetUserState().GetMark());
    EXPECT_EQ(0u, item.GetUserState().GetFlags());
    EXPECT_EQ(0u, item.GetSalesMode().Get());
    EXPECT_FALSE(item.GetChargeOption().HasAnyOption());
    EXPECT_TRUE(item.GetEditedDescription().IsEmpty());
    EXPECT_TRUE(item.GetRemainingTimeText().IsEmpty());
    EXPECT_EQ(0u, item.GetEditFlags());
}
} // namespace

TEST(TanzoAuctionItem, KeyTimeFromEndTimeOrRemainingText)
{
    const struct
    {
        const char* text;
        LONGLONG seconds;
    } cases[] = {
        {"3日", (3 * 24 + 1) * 3600},
        {"3時間", (3 * 60 + 1) * 60},
        {"3時", (3 * 60 + 1) * 60},
        {"45分", 45 * 60},
        {"2日 5時間", (2 * 24 + 1) * 3600}, // the largest unit decides
        {"残り 12時間", (12 * 60 + 1) * 60},
        {"日", 0},   // the word at the start
        {"終了", 0}, // no unit word
        {"", 0},
    };
    for (const auto& c : cases)
    {
        Item item;
        item.SetAuctionID("k1");
        item.SetRemainingTimeText(c.text);
        EXPECT_EQ(c.seconds, item.GetTime().GetTime()) << c.text;
        EXPECT_STREQ("k1", item.GetKey());
    }
    Item ended;
    ended.SetRemainingTimeText("3日");
    ended.SetEndTime(CTime(1700000000));
    EXPECT_EQ(1700000000, ended.GetTime().GetTime());
    CString shown;
    EXPECT_TRUE(ended.FormatRemainingTime(shown));
    EXPECT_STREQ("3日", shown);
}

TEST(TanzoAuctionItem, ClearRemovesTheEditFlagsOfItsGroups)
{
    const DWORD allEdits = 0x7BF;
    const struct
    {
        DWORD group;
        DWORD edit;
    } cases[] = {
        {AuctionItem::GroupTitle, Item::EditTitle},
        {AuctionItem::GroupStartPrice, Item::EditStartPrice},
        {AuctionItem::GroupBuyNowPrice, Item::EditBuyNowPrice},
        {AuctionItem::GroupNumber1, Item::EditQuantity},
        {AuctionItem::GroupCondition, Item::EditCondition},
        {AuctionItem::GroupShipping, Item::EditShipping},
        {AuctionItem::GroupPair, Item::EditSizeWeight},
        {AuctionItem::GroupAuctionID, 0},
    };
    for (const auto& c : cases)
    {
        Item item;
        item.AddEditFlags(allEdits);
        item.Clear(c.group);
        EXPECT_EQ(allEdits & ~c.edit, item.GetEditFlags()) << std::hex << c.group;
    }
    // Sales mode, description and paid options have no group of their own.
    Item item;
    item.AddEditFlags(allEdits);
    item.Clear(AuctionItem::AllGroups);
    EXPECT_EQ(Item::EditSalesMode | Item::EditDescription | Item::EditChargeOptions, item.GetEditFlags());
    item.ClearAll();
    EXPECT_EQ(0u, item.GetEditFlags());
}

TEST(TanzoAuctionItem, CopyFromTakesClientMembersOnlyFromClientItems)
{
    AuctionItem plain;
    plain.SetAuctionID("p1").SetTitle("plain");
    Item item;
    FillClientMembers(item);
    item.CopyFrom(plain, AuctionItem::AllGroups);
    EXPECT_STREQ("plain", item.GetTitle());
    ExpectClientMembersReset(item);

    Item source;
    FillClientMembers(source);
    source.SetTitle("source");
    Item target;
    target.CopyFrom(source, AuctionItem::GroupAuctionID); // the client's part comes whatever the mask
    EXPECT_TRUE(target.GetTitle().IsEmpty());
    EXPECT_EQ(16, target.GetUserState().GetMark());
    EXPECT_EQ((DWORD)CSalesMode::Offer, target.GetSalesMode().Get());
    EXPECT_EQ(300, target.GetChargeOption().GetFeaturedAmount());
    EXPECT_STREQ("説明", target.GetEditedDescription());
    EXPECT_STREQ("3日", target.GetRemainingTimeText());
    EXPECT_EQ(Item::EditTitle | Item::EditDescription, target.GetEditFlags());

    Item copy(source);
    EXPECT_STREQ("source", copy.GetTitle());
    EXPECT_EQ(source.GetEditFlags(), copy.GetEditFlags());
}

TEST(TanzoAuctionItem, KeepCommonFieldsDropsTheEditsOfDifferingValues)
{
    const DWORD edits = Item::EditTitle | Item::EditSalesMode | Item::EditDescription |
                        Item::EditChargeOptions | Item::EditQuantity;
    const struct
    {
        const char* what;
        void (*change)(Item&);
        DWORD kept;
    } cases[] = {
        {"same", [](Item&) {}, edits},
        {"title", [](Item& i) { i.SetTitle("other"); }, edits & ~Item::EditTitle},
        {"sales mode", [](Item& i) { i.GetSalesMode().Set(CSalesMode::BuyNow); },
         edits & ~Item::EditSalesMode},
        {"description", [](Item& i) { i.SetEditedDescription("other"); }, edits & ~Item::EditDescription},
        {"paid options", [](Item& i) { i.GetChargeOption().SetReservePrice(5); },
         edits & ~Item::EditChargeOptions},
        {"remaining time", [](Item& i) { i.SetRemainingTimeText("1日"); }, edits},
        {"mark", [](Item& i) { i.GetUserState().SetMark(2); }, edits},
    };
    for (const auto& c : cases)
    {
        Item a, b;
        for (Item* item : {&a, &b})
        {
            item->SetTitle("same");
            item->SetEditedDescription("same");
            item->AddEditFlags(edits);
        }
        c.change(b);
        a.KeepCommonFields(b);
        EXPECT_EQ(c.kept, a.GetEditFlags()) << c.what;
    }
    // Only the edits both share stay.
    Item a, b;
    a.AddEditFlags(Item::EditTitle | Item::EditQuantity);
    b.AddEditFlags(Item::EditTitle);
    a.KeepCommonFields(b);
    EXPECT_EQ((DWORD)Item::EditTitle, a.GetEditFlags());

    Item client;
    FillClientMembers(client);
    AuctionItem plain;
    client.KeepCommonFields(plain);
    ExpectClientMembersReset(client);
}

TEST(TanzoAuctionItem, MergeEditsKeepsPricesAndModeConsistent)
{
    const DWORD kAll = 0x7FF;
    const struct
    {
        const char* what;
        // this item
        LONGLONG start, buyNow;
        DWORD mode, edits;
        // the other item
        LONGLONG otherStart, otherBuyNow;
        DWORD otherMode, otherEdits;
        DWORD mask;
        // result
        LONGLONG wantStart, wantBuyNow;
        DWORD wantMode, wantEdits;
    } cases[] = {
        {"start price alone", 1000, 0, 0, 0, 2000, 0, 0, Item::EditStartPrice, kAll, 2000, 0, 0,
         Item::EditStartPrice},
        {"masked out", 1000, 0, 0, 0, 2000, 0, 0, Item::EditStartPrice, Item::EditTitle, 1000, 0, 0, 0},
        {"not edited there", 1000, 0, 0, 0, 2000, 0, 0, 0, kAll, 1000, 0, 0, 0},
        {"fixed price takes the start price as buy-now", 1000, 3000, 0, 0, 0, 0, CSalesMode::BuyNow,
         Item::EditSalesMode, kAll, 1000, 1000, CSalesMode::BuyNow,
         Item::EditSalesMode | Item::EditBuyNowPrice},
        {"fixed price without a start price stays", 0, 3000, 0, 0, 0, 0, CSalesMode::BuyNow,
         Item::EditSalesMode, kAll, 0, 3000, CSalesMode::BuyNow, Item::EditSalesMode},
        {"buy-now price removed makes an auction", 1000, 1000, CSalesMode::BuyNow, 0, 0, 0, 0,
         Item::EditBuyNowPrice, kAll, 1000, 0, CSalesMode::Auction,
         Item::EditBuyNowPrice | Item::EditSalesMode},
        {"buy-now above the start makes an auction", 1000, 1000, CSalesMode::BuyNow, 0, 0, 5000, 0,
         Item::EditBuyNowPrice, kAll, 1000, 5000, CSalesMode::Auction,
         Item::EditBuyNowPrice | Item::EditSalesMode},
        {"a mode edit of its own stays", 1000, 1000, CSalesMode::BuyNow, Item::EditSalesMode, 0, 5000, 0,
         Item::EditBuyNowPrice, Item::EditSalesMode | Item::EditBuyNowPrice | Item::EditStartPrice, 5000,
         5000, CSalesMode::BuyNow, Item::EditSalesMode | Item::EditBuyNowPrice | Item::EditStartPrice},
        {"fixed start follows to buy-now", 1000, 1000, CSalesMode::BuyNow, 0, 4000, 0, 0,
         Item::EditStartPrice, kAll, 4000, 4000, CSalesMode::BuyNow,
         Item::EditStartPrice | Item::EditBuyNowPrice},
        {"without the mode in the mask", 1000, 1000, CSalesMode::BuyNow, 0, 0, 0, 0, Item::EditBuyNowPrice,
         Item::EditBuyNowPrice, 1000, 0, CSalesMode::BuyNow, Item::EditBuyNowPrice},
    };
    for (const auto& c : cases)
    {
        Item item, other;
        item.SetStartPrice(c.start).SetBuyNowPrice(c.buyNow);
        item.GetSalesMode().Set(c.mode);
        item.AddEditFlags(c.edits);
        other.SetStartPrice(c.otherStart).SetBuyNowPrice(c.otherBuyNow);
        other.GetSalesMode().Set(c.otherMode);
        other.AddEditFlags(c.otherEdits);
        item.MergeEdits(other, c.mask);
        EXPECT_EQ(c.wantStart, item.GetStartPrice()) << c.what;
        EXPECT_EQ(c.wantBuyNow, item.GetBuyNowPrice()) << c.what;
        EXPECT_EQ(c.wantMode, item.GetSalesMode().Get()) << c.what;
        EXPECT_EQ(c.wantEdits, item.GetEditFlags()) << c.what;
    }
}

TEST(TanzoAuctionItem, MergeEditsTakesTheOtherGroups)
{
    Item other;
    other.SetTitle("新しい題").SetNumber1(3);
    other.SetEditedDescription("desc");
    other.SetCondition(1);
    other.AppendShipMethod(CShipMethod());
    other.SetFirst(60, 1);
    other.AddEditFlags(Item::EditTitle | Item::EditQuantity | Item::EditDescription | Item::EditCondition |
                       Item::EditShipping | Item::EditSizeWeight);
    Item item;
    item.MergeEdits(other, Item::EditTitle | Item::EditDescription | Item::EditShipping);
    EXPECT_STREQ("新しい題", item.GetTitle());
    EXPECT_STREQ("desc", item.GetEditedDescription());
    EXPECT_EQ(1, item.GetShipMethodCount());
    EXPECT_EQ(0, item.GetNumber1());
    EXPECT_EQ(CItemCondition::DefaultCondition, item.GetCondition());
    EXPECT_EQ(Item::EditTitle | Item::EditDescription | Item::EditShipping, item.GetEditFlags());
    item.MergeEdits(other, 0x7FF);
    EXPECT_EQ(3, item.GetNumber1());
    EXPECT_EQ(1, item.GetCondition());
    EXPECT_EQ(60, item.GetFirst().GetNumber());
}

TEST(TanzoAuctionItem, BuyersAreClientBuyersWithFlags)
{
    Item item;
    EXPECT_FALSE(item.AllBuyersHaveFlags(TanzoAuctionBuyer::FlagRated));
    item.AddBuyerValues("alpha", 100, 1, 1);
    item.AddBuyerValues("beta", 200, 1, 1);
    item.AddFlagsToAllBuyers(TanzoAuctionBuyer::FlagRated | TanzoAuctionBuyer::FlagTarget);
    EXPECT_TRUE(item.AllBuyersHaveFlags(TanzoAuctionBuyer::FlagRated));
    item.ClearFlagsOfAllBuyers(TanzoAuctionBuyer::FlagRated);
    EXPECT_FALSE(item.AllBuyersHaveFlags(TanzoAuctionBuyer::FlagRated));
    EXPECT_TRUE(item.AllBuyersHaveFlags(TanzoAuctionBuyer::FlagTarget));

    CTanzoAuctionBuyerList buyers;
    ASSERT_TRUE(item.GetBuyers(buyers));
    ASSERT_EQ(2, (int)buyers.GetCount());
    POSITION pos = buyers.GetHeadPosition();
    TanzoAuctionBuyer first = GetNextBuyerCopy(buyers, pos);
    EXPECT_STREQ("alpha", first.GetName());
    EXPECT_EQ(100, first.GetAmount());
    EXPECT_EQ((DWORD)TanzoAuctionBuyer::FlagTarget, first.GetFlags());
    EXPECT_STREQ("beta", GetNextBuyerCopy(buyers, pos).GetName());
    EXPECT_EQ(nullptr, pos);

    // Copies made through a plain buyer lose the flags; client ones keep them.
    TanzoAuctionBuyer flagged("gamma");
    flagged.SetFlags(TanzoAuctionBuyer::FlagForbidden);
    CTanzoAuctionBuyerList replacement;
    replacement.AddTail(flagged);
    item.ReplaceBuyers(replacement);
    ASSERT_EQ(1, item.GetBuyerCount());
    TanzoAuctionBuyer back;
    ASSERT_TRUE(item.GetBuyerAt(0, back));
    EXPECT_EQ((DWORD)TanzoAuctionBuyer::FlagForbidden, back.GetFlags());
    EXPECT_TRUE(IsTanzoAuctionBuyer(&back));
    AuctionBuyer plain("plain");
    back.CopyFrom(plain);
    EXPECT_EQ(0u, back.GetFlags());
    EXPECT_FALSE(IsTanzoAuctionBuyer(&plain));
    EXPECT_FALSE(IsTanzoAuctionBuyer(nullptr));

    AuctionItem common;
    EXPECT_TRUE(IsTanzoAuctionItem(&item));
    EXPECT_FALSE(IsTanzoAuctionItem(&common));
}

TEST(TanzoAuctionItem, ApplyUserEditReplacesBuyersOnlyForSeveral)
{
    Item parsed;
    parsed.AddBuyerValues("winner", 12800, 1, 1);

    Item stored;
    stored.AddBuyerValues("winner", 0, 1, 1);
    stored.GetUserState().SetMark(256);
    stored.SetMemo("メモ");
    TanzoAuctionItemUserEdit one(stored);
    EXPECT_EQ(0, one.GetBuyerCount());
    parsed.ApplyUserEdit(one);
    EXPECT_EQ(256, parsed.GetUserState().GetMark());
    EXPECT_STREQ("メモ", parsed.GetMemo());
    ASSERT_EQ(1, parsed.GetBuyerCount());
    AuctionBuyer kept;
    parsed.GetBuyerAt(0, kept);
    EXPECT_EQ(12800, kept.GetAmount());

    stored.AddBuyerValues("second", 0, 1, 1);
    stored.AddFlagsToAllBuyers(TanzoAuctionBuyer::FlagRated);
    TanzoAuctionItemUserEdit several(stored);
    EXPECT_EQ(2, several.GetBuyerCount());
    parsed.ApplyUserEdit(several);
    ASSERT_EQ(2, parsed.GetBuyerCount());
    EXPECT_TRUE(parsed.AllBuyersHaveFlags(TanzoAuctionBuyer::FlagRated));
}

TEST(TanzoAuctionItem, ChargeOptionMarks)
{
    const struct
    {
        void (*set)(CAuctionChargeOption&);
        DWORD edits;
        const char* marks;
    } cases[] = {
        {[](CAuctionChargeOption&) {}, 0, ""},
        {[](CAuctionChargeOption&) {}, Item::EditChargeOptions, "（なし）"},
        {[](CAuctionChargeOption& o) { o.SetFeaturedAmount(100); }, 0, "[注目]"},
        {[](CAuctionChargeOption& o)
         {
             o.SetFeaturedAmount(100);
             o.SetReservePrice(5000);
             o.SetGiftIcon(2);
             o.SetCpaRate(10);
             o.SetOptionBits(CAuctionChargeOption::OptionsCharged);
         },
         Item::EditChargeOptions, "[注目][最低][目立][おすコレ][太字][背景][贈答][アフィ]"},
        {[](CAuctionChargeOption& o) { o.SetOptionBits(CAuctionChargeOption::OptionHighlight); }, 0,
         "[背景]"},
    };
    for (const auto& c : cases)
    {
        Item item;
        c.set(item.GetChargeOption());
        item.AddEditFlags(c.edits);
        CString marks = "untouched";
        item.FormatChargeOptionMarks(marks);
        EXPECT_STREQ(c.marks, marks);
    }
}
