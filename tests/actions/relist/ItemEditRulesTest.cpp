// The rules of the item edit dialogs of re-listing without their windows:
// what the hub's OK hands to the rows, what its statics and tool tips say,
// the condition lists and questions, and the shipping dialogs' checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "auction/shipping/ShipMethod.h"
#include "client/TanzoAuctionItem.h"
#include "client/actions/relist/ItemConditionNames.h"
#include "client/actions/relist/ResubmitItemEditRules.h"
#include "text/NumberText.h"

namespace
{
typedef TanzoAuctionItem Item;

std::string Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return (LPCTSTR)text;
}

std::string Amount(LONGLONG value)
{
    CString text;
    FormatAmountWithUnit(value, text);
    return (LPCTSTR)text;
}

CShipMethod Method(LPCTSTR name, int feeType, LONGLONG fee = -1, LPCTSTR link = "")
{
    CShipMethod m;
    m.SetName(name);
    m.SetFeeType(feeType);
    m.SetFee(fee);
    m.SetLink(link);
    return m;
}

const LONGLONG kNone = -2; // no edit expected
} // namespace

TEST(ItemEditHub, OkTakesPricesAndSalesMode)
{
    const struct
    {
        const char* what;
        BOOL multi;
        const char* price;
        int mode;          // the sales-mode dialog's choice, -1 none
        LONGLONG buyNow;   // the buy-now dialog's amount, -1 none
        DWORD resultEdits; // what the record already had edited
        UINT message;
        LONGLONG start;        // kNone: start price not edited
        int resultMode;        // -1: sales mode not edited
        LONGLONG resultBuyNow; // kNone: buy-now not edited
    } cases[] = {
        {"fixed price takes the typed price", FALSE, "5000", 1, -1, 0, 0, 5000, 1, 5000},
        {"offers take it too", FALSE, "5,000", 2, -1, 0, 0, 5000, 2, 5000},
        {"auction mode keeps no buy-now", FALSE, "5000", 0, -1, 0, 0, 5000, 0, kNone},
        {"buy-now 0 makes an auction", FALSE, "1000", -1, 0, 0, 0, kNone, 0, 0},
        {"buy-now above start makes an auction", FALSE, "1000", -1, 2000, 0, 0, kNone, 0, 2000},
        {"unless the mode was edited before", FALSE, "1000", -1, 2000, Item::EditSalesMode, 0, kNone, -1,
         2000},
        {"start above buy-now", FALSE, "3000", -1, 2000, 0, 901, kNone, -1, kNone},
        {"start equal to buy-now", FALSE, "2000", -1, 2000, 0, 0, 2000, -1, 2000},
        {"the same price is no edit", FALSE, "1000", -1, -1, 0, 0, kNone, -1, kNone},
        {"empty in single mode", FALSE, "", -1, -1, 0, 900, kNone, -1, kNone},
        {"zero", FALSE, "0", -1, -1, 0, 900, kNone, -1, kNone},
        {"upper bound", FALSE, "9999999999", -1, -1, 0, 0, 9999999999LL, -1, kNone},
        {"above it", FALSE, "10000000000", -1, -1, 0, 900, kNone, -1, kNone},
        {"not a number", FALSE, "12a", -1, -1, 0, 900, kNone, -1, kNone},
        {"batch: empty keeps each row's price", TRUE, "", -1, -1, 0, 0, kNone, -1, kNone},
        {"batch: empty with a fixed price", TRUE, " ", 1, -1, 0, 0, kNone, 1, kNone},
        {"batch: zero typed", TRUE, "0", -1, -1, 0, 900, kNone, -1, kNone},
        {"batch: a price typed", TRUE, "700", -1, -1, 0, 0, 700, -1, kNone},
    };
    for (const auto& c : cases)
    {
        Item working;
        Item result;
        result.SetStartPrice(1000);
        result.AddEditFlags(c.resultEdits);
        if (c.mode >= 0)
        {
            working.GetSalesMode().Set(c.mode);
            working.AddEditFlags(Item::EditSalesMode);
        }
        if (c.buyNow >= 0)
        {
            working.SetBuyNowPrice(c.buyNow);
            working.AddEditFlags(Item::EditBuyNowPrice);
        }
        const DWORD before = result.GetEditFlags();
        EXPECT_EQ(c.message, ApplyItemEditOk(c.multi, c.price, working, result)) << c.what;
        if (c.message != 0)
        {
            EXPECT_EQ(before, result.GetEditFlags()) << c.what << ": a refused OK changes nothing";
            continue;
        }
        EXPECT_EQ(c.start != kNone, result.TestEditFlags(Item::EditStartPrice) != 0) << c.what;
        EXPECT_EQ(c.start != kNone ? c.start : 1000, result.GetStartPrice()) << c.what;
        if (c.resultMode >= 0)
        {
            EXPECT_TRUE(result.TestEditFlags(Item::EditSalesMode)) << c.what;
            EXPECT_EQ((DWORD)c.resultMode, result.GetSalesMode().Get()) << c.what;
        }
        else
        {
            EXPECT_EQ(before & Item::EditSalesMode, result.TestEditFlags(Item::EditSalesMode)) << c.what;
        }
        EXPECT_EQ(c.resultBuyNow != kNone, result.TestEditFlags(Item::EditBuyNowPrice) != 0) << c.what;
        if (c.resultBuyNow != kNone)
        {
            EXPECT_EQ(c.resultBuyNow, result.GetBuyNowPrice()) << c.what;
        }
    }
}

TEST(ItemEditHub, BatchEditsReachEveryRowButTheTitle)
{
    Item rows[3];
    const LONGLONG prices[3] = {1000, 2500, 4000};
    for (int i = 0; i < 3; ++i)
    {
        rows[i].SetTitle(i == 0 ? "one" : "two");
        rows[i].SetStartPrice(prices[i]);
        rows[i].SetNumber1(1);
    }
    Item working;
    Item result;
    working.SetTitle("typed title");
    working.GetSalesMode().Set(CSalesMode::BuyNow);
    working.SetNumber1(5);
    working.SetEditedDescription("A&B &nbsp;<b>説明</b>");
    working.SetCondition(3);
    working.SetFirst(60, 1);
    working.AddEditFlags(Item::EditTitle | Item::EditSalesMode | Item::EditQuantity | Item::EditDescription |
                         Item::EditCondition | Item::EditSizeWeight);
    ASSERT_EQ(0u, ApplyItemEditOk(TRUE, "", working, result));
    for (int i = 0; i < 3; ++i)
    {
        GetItemEditResult(TRUE, result, rows[i]);
        const std::string what = "row " + std::to_string(i);
        EXPECT_EQ(prices[i], rows[i].GetStartPrice()) << what;
        EXPECT_EQ(prices[i], rows[i].GetBuyNowPrice()) << what << ": the fixed price is the row's own";
        EXPECT_EQ((DWORD)CSalesMode::BuyNow, rows[i].GetSalesMode().Get()) << what;
        EXPECT_EQ(5, rows[i].GetNumber1()) << what;
        EXPECT_STREQ("A&B &nbsp;<b>説明</b>", rows[i].GetEditedDescription()) << what;
        EXPECT_EQ(3, rows[i].GetCondition()) << what;
        EXPECT_EQ(60, rows[i].GetFirst().GetNumber()) << what;
        EXPECT_FALSE(rows[i].TestEditFlags(Item::EditTitle | Item::EditStartPrice)) << what;
        EXPECT_TRUE(rows[i].TestEditFlags(Item::EditQuantity)) << what;
        EXPECT_TRUE(rows[i].TestEditFlags(Item::EditSizeWeight)) << what;
    }
    EXPECT_STREQ("one", rows[0].GetTitle());

    // One row takes the whole record, the title with it.
    Item single;
    single.SetTitle("old");
    Item singleResult;
    singleResult.SetStartPrice(800);
    ASSERT_EQ(0u, ApplyItemEditOk(FALSE, "800", working, singleResult));
    GetItemEditResult(FALSE, singleResult, single);
    EXPECT_STREQ("typed title", single.GetTitle());
    EXPECT_TRUE(single.TestEditFlags(Item::EditTitle | Item::EditQuantity));
    EXPECT_EQ(800, single.GetBuyNowPrice());
}

TEST(ItemEditHub, FullTitleAndBuyNowMinimum)
{
    const std::string cut53 = std::string(50, 'a') + "...";
    const std::string cut54 = std::string(51, 'a') + "...";
    const struct
    {
        BOOL multi;
        std::string title;
        DWORD workingEdits;
        BOOL fetch;
    } cases[] = {
        {FALSE, cut53, 0, FALSE},
        {FALSE, cut54, 0, TRUE},
        {FALSE, std::string(60, 'a'), 0, FALSE},
        {TRUE, cut54, 0, FALSE},
        {FALSE, cut54, Item::EditTitle, FALSE},
    };
    for (const auto& c : cases)
    {
        Item working;
        Item result;
        result.SetTitle(c.title.c_str());
        working.AddEditFlags(c.workingEdits);
        EXPECT_EQ(c.fetch, NeedsFullTitle(c.multi, working, result)) << c.title.size() << " " << c.multi;
    }

    Item result;
    result.SetStartPrice(1200);
    EXPECT_EQ(3000, GetBuyNowMinimum(FALSE, "3,000", result));
    EXPECT_EQ(1200, GetBuyNowMinimum(FALSE, "", result));
    EXPECT_EQ(0, GetBuyNowMinimum(TRUE, "", result));
    for (LONGLONG m : {0LL, 1LL})
        EXPECT_EQ(1, GetBuyNowRangeMinimum(m)) << m;
    EXPECT_EQ(2, GetBuyNowRangeMinimum(2));
    CString range;
    FormatItemEditRange(GetBuyNowRangeMinimum(0), kItemEditMaxStartPrice, range);
    EXPECT_NE(std::string::npos, std::string(range).find("1～9999999999"));
}

TEST(ItemEditHub, DisplayTexts)
{
    EXPECT_EQ("オークション形式", Text(GetSalesModeNameId(0)));
    EXPECT_EQ("定額", Text(GetSalesModeNameId(1)));
    EXPECT_EQ("定額 + 値下げ交渉", Text(GetSalesModeNameId(2)));
    EXPECT_EQ(0u, GetSalesModeNameId(3));
    EXPECT_EQ(0u, GetSalesModeNameId(-1));
    EXPECT_EQ("開始価格(&P)", Text(GetPriceLabelId(0)));
    EXPECT_EQ("即決価格(&P)", Text(GetPriceLabelId(2)));

    CString out;
    FormatBuyNowPriceText(0, out);
    EXPECT_STREQ("なし", out);
    FormatBuyNowPriceText(1234567, out);
    EXPECT_EQ(Amount(1234567), (LPCTSTR)out);
    FormatQuantityText(0, out);
    EXPECT_STREQ("", out);
    FormatQuantityText(12, out);
    EXPECT_STREQ("12", out);

    CItemCondition condition;
    condition.SetCondition(9);
    FormatConditionText(condition, out);
    EXPECT_STREQ("全体的に状態が悪い", out);
    condition.SetCondition(2);
    condition.SetComment("箱なし");
    FormatConditionText(condition, out);
    EXPECT_STREQ("その他（箱なし）", out);

    CAuctionShipMethods shipping;
    FormatShippingText(shipping, out);
    EXPECT_STREQ("設定しない", out);
    shipping.AppendShipMethod(Method("定形外", CShipMethod::FeeOne, 500));
    shipping.AppendShipMethod(Method("宅配", CShipMethod::FeeClient));
    shipping.AppendShipMethod(Method("表", CShipMethod::FeeLink, -1, "http://example.com/"));
    FormatShippingText(shipping, out);
    EXPECT_EQ("定形外（" + Amount(500) + "）、宅配（着払い）、表（http://example.com/）", (LPCTSTR)out);

    CSelectValuePair pair;
    FormatSizeWeightText(pair, out);
    EXPECT_STREQ("設定しない / 設定しない", out);
    pair.SetFirst(60, 1);
    pair.SetSecond(2, 0);
    FormatSizeWeightText(pair, out);
    EXPECT_STREQ("～60cm / 2kg～", out);
}

TEST(ItemEditTitle, LengthTip)
{
    const struct
    {
        const char* title;
        const char* count;
    } cases[] = {
        {"あいうa", "現在の文字数は3.5文字です"},
        {"あいう", "現在の文字数は3文字です"},
        {"", "現在の文字数は0文字です"},
        {"a", "現在の文字数は0.5文字です"},
    };
    for (const auto& c : cases)
    {
        CString tip;
        FormatTitleLengthTip(c.title, tip);
        const std::string text = (LPCTSTR)tip;
        EXPECT_EQ(0u, text.find("タイトルを全角65文字以内で設定します\r\n")) << text;
        EXPECT_NE(std::string::npos, text.find(c.count)) << text;
    }
}

TEST(ItemEditCondition, ListsAndQuestions)
{
    EXPECT_EQ(6, GetConditionListCount(TRUE));
    EXPECT_EQ(8, GetConditionListCount(FALSE));
    const int newer[] = {1, 3, 4, 5, 6, 7};
    const int older[] = {1, 3, 4, 5, 6, 7, 0, 2};
    for (int i = 0; i < 8; ++i)
    {
        EXPECT_EQ(older[i], ConditionPositionToCode(i, FALSE));
        EXPECT_EQ(i, ConditionCodeToPosition(older[i], FALSE));
        if (i < 6)
        {
            EXPECT_EQ(newer[i], ConditionPositionToCode(i, TRUE));
            EXPECT_EQ(i, ConditionCodeToPosition(newer[i], TRUE));
        }
    }
    EXPECT_EQ(-1, ConditionCodeToPosition(0, TRUE)) << "中古 is not offered any more";
    EXPECT_EQ(-1, ConditionCodeToPosition(2, TRUE));
    for (int bad : {-1, 6, 8})
        EXPECT_EQ(5, ConditionPositionToCode(bad, bad == 6)) << bad;
    EXPECT_EQ(5, ConditionPositionToCode(8, FALSE));

    const struct
    {
        int code;
        const char* comment;
        UINT id;
        const char* question;
    } cases[] = {
        {0, "", 1325, "状態「中古」は、2019/01で廃止される予定です。\r\n設定しますか？"},
        {2, "箱なし", 1324,
         "状態「その他」、および、備考は、2019/01で廃止される予定です。\r\n設定しますか？"},
        {5, "小傷", 1326, "備考は、2019/01で廃止される予定です。\r\n設定しますか？"},
        {5, "", 0, ""},
    };
    for (const auto& c : cases)
    {
        CItemCondition condition;
        condition.SetCondition(c.code);
        condition.SetComment(c.comment);
        CString question;
        EXPECT_EQ(c.id, GetConditionQuestion(condition, question)) << c.code;
        EXPECT_STREQ(c.question, question) << c.code;
    }
}

TEST(ItemEditFields, QuantityAndShipCaption)
{
    const int quantities[][2] = {{0, 1}, {-3, 1}, {1, 1}, {99, 99}, {150, 99}, {7, 7}};
    for (const auto& q : quantities)
        EXPECT_EQ(q[1], ClampEditQuantity(q[0])) << q[0];

    CString caption;
    FormatShipDialogCaption(0, caption);
    EXPECT_STREQ("配送方法の変更", caption);
    FormatShipDialogCaption(1, caption);
    EXPECT_STREQ("配送方法の変更（通常出品向け）", caption);
    FormatShipDialogCaption(2, caption);
    EXPECT_STREQ("配送方法の変更（かんたん取引出品向け）", caption);
}

TEST(ItemEditShipping, ListingKindChecksAndProblemPlaces)
{
    CAuctionShipMethods regional;
    CShipMethod method = Method("宅配", CShipMethod::FeeRegional, 800);
    method.SetRegionFee1(1500);
    regional.AppendShipMethod(method);
    CAuctionShipMethods service;
    service.SetShipFlags(0x02);
    CAuctionShipMethods plain;
    plain.AppendShipMethod(Method("定形外", CShipMethod::FeeOne, 300));

    EXPECT_EQ(1209u, CheckGeneralMethodsForKind(1, regional));
    EXPECT_EQ(0u, CheckGeneralMethodsForKind(2, regional));
    EXPECT_EQ(0u, CheckGeneralMethodsForKind(0, regional));
    EXPECT_EQ(0u, CheckGeneralMethodsForKind(1, plain));
    EXPECT_EQ(1208u, CheckServicesForKind(1, service));
    EXPECT_EQ(0u, CheckServicesForKind(2, service));
    EXPECT_EQ(0u, CheckServicesForKind(1, plain));
    EXPECT_NE(std::string::npos, Text(1208).find("ヤフネコ!パック")) << "the service's own text";
    EXPECT_NE(std::string::npos, Text(1209).find("別料金（北海道、沖縄、離島）"));

    for (int kind = 1; kind <= 8; ++kind)
        EXPECT_EQ(kind == 8 ? 1 : 0, GetShipProblemTab(kind)) << kind;
    const int feeTypes[][2] = {{3, CShipMethod::FeeNone},
                               {4, CShipMethod::FeeClient},
                               {7, CShipMethod::FeeClient},
                               {1, -1},
                               {5, -1},
                               {8, -1}};
    for (const auto& f : feeTypes)
        EXPECT_EQ(f[1], GetShipProblemFeeType(f[0])) << f[0];
}

TEST(ItemEditShipping, MethodEntryChecks)
{
    auto entry = [](const char* name, int feeType, const char* fee, const char* link = "",
                    std::vector<const char*> regions = {"", "", ""})
    {
        ShipMethodEntryInput input;
        input.name = name;
        input.feeType = feeType;
        input.fee = fee;
        input.link = link;
        for (int i = 0; i < 3; ++i)
            input.regionFees[i] = regions[i];
        return input;
    };
    const struct
    {
        ShipMethodEntryInput input;
        UINT message;
        int focus;
        LONGLONG fee;
        LONGLONG region[3];
    } cases[] = {
        {entry("", 0, "100"), 517, ShipEntryFocusName, -1, {-1, -1, -1}},
        {entry("便", 0, "0"), 0, ShipEntryFocusNone, 0, {-1, -1, -1}},
        {entry("便", 0, "9999999"), 0, ShipEntryFocusNone, 9999999, {-1, -1, -1}},
        {entry("便", 0, "10000000"), 900, ShipEntryFocusFee, -1, {-1, -1, -1}},
        {entry("便", 0, ""), 900, ShipEntryFocusFee, -1, {-1, -1, -1}},
        {entry("便", 1, "500"), 1221, ShipEntryFocusRegion, 500, {-1, -1, -1}},
        {entry("便", 1, "500", "", {"", "800", ""}), 0, ShipEntryFocusNone, 500, {-1, 800, -1}},
        {entry("便", 2, "500", "http://"), 1050, ShipEntryFocusLink, -1, {-1, -1, -1}},
        {entry("便", 2, "", "https://"), 1050, ShipEntryFocusLink, -1, {-1, -1, -1}},
        {entry("便", 2, "", ""), 1050, ShipEntryFocusLink, -1, {-1, -1, -1}},
        {entry("便", 2, "", "example.com/fee"), 1051, ShipEntryFocusLink, -1, {-1, -1, -1}},
        {entry("便", 2, "", "http://例.jp/"), 478, ShipEntryFocusLink, -1, {-1, -1, -1}},
        {entry("便", 2, "", "https://example.com/fee"), 0, ShipEntryFocusNone, -1, {-1, -1, -1}},
        {entry("便", 3, "500", "", {"1", "2", "3"}), 0, ShipEntryFocusNone, -1, {-1, -1, -1}},
        {entry("便", 4, "500"), 0, ShipEntryFocusNone, -1, {-1, -1, -1}},
    };
    for (const auto& c : cases)
    {
        LONGLONG fee = 7;
        LONGLONG region[3] = {7, 7, 7};
        int focus = -5;
        const std::string what = std::string(c.input.name) + "/" + std::to_string(c.input.feeType) + "/" +
                                 (LPCTSTR)c.input.fee + "/" + (LPCTSTR)c.input.link;
        EXPECT_EQ(c.message, CheckShipMethodEntry(c.input, fee, region, focus)) << what;
        EXPECT_EQ(c.focus, focus) << what;
        if (c.message == 0)
        {
            EXPECT_EQ(c.fee, fee) << what;
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(c.region[i], region[i]) << what << " region " << i;
        }
    }
}
