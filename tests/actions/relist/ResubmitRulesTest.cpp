// The rules of the re-listing dialogs without their windows: what the paid
// options page accepts and says at its bounds, and what the confirmation
// list allows, refuses on OK and gives its edit dialogs.
#include <gtest/gtest.h>

#include <vector>

#include "app/DialogResourceIds.h"
#include "auction/records/AuctionChargeOption.h"
#include "client/TanzoAuctionItem.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/relist/ChargeOptionInput.h"
#include "client/actions/relist/ResubmitConfirmRules.h"

TEST(ChargeOptionInput, RangesAtTheirBounds)
{
    auto featured = [](const char* text)
    {
        ChargeOptionInput input;
        input.bFeatured = TRUE;
        input.featuredAmount = text;
        return input;
    };
    auto reserve = [](const char* text)
    {
        ChargeOptionInput input;
        input.bReserve = TRUE;
        input.reservePrice = text;
        return input;
    };
    auto cpa = [](const char* text)
    {
        ChargeOptionInput input;
        input.bCpa = TRUE;
        input.cpaRate = text;
        return input;
    };
    const struct
    {
        ChargeOptionInput input;
        LONGLONG minimum;
        int error;
        int featured;
        LONGLONG reserve;
        int cpa;
    } cases[] = {
        {featured("20"), 1, ChargeInputOk, 20, 0, 0},
        {featured("999"), 1, ChargeInputOk, 999, 0, 0},
        {featured("19"), 1, ChargeFeaturedRange, 0, 0, 0},
        {featured("1,000"), 1, ChargeFeaturedRange, 0, 0, 0},
        {featured("10"), 1, ChargeFeaturedRange, 0, 0, 0},
        {featured(""), 1, ChargeFeaturedRange, 0, 0, 0},
        {reserve("1,500"), 1500, ChargeInputOk, 0, 1500, 0},
        {reserve("1,000"), 1500, ChargeReserveRange, 0, 0, 0},
        {reserve("9,999,999,999"), 1, ChargeInputOk, 0, 9999999999LL, 0},
        {reserve("10,000,000,000"), 1, ChargeReserveRange, 0, 0, 0},
        {reserve("0"), 0, ChargeReserveRange, 0, 0, 0}, // a minimum below 1 is 1
        {reserve("1"), -5, ChargeInputOk, 0, 1, 0},
        {reserve(""), 1, ChargeReserveRange, 0, 0, 0},
        {cpa("1.0"), 1, ChargeInputOk, 0, 0, 10},
        {cpa("1"), 1, ChargeInputOk, 0, 0, 10},
        {cpa("99.9"), 1, ChargeInputOk, 0, 0, 999},
        {cpa("2.2"), 1, ChargeInputOk, 0, 0, 22},
        {cpa(".5"), 1, ChargeCpaRange, 0, 0, 0},
        {cpa("0.9"), 1, ChargeCpaRange, 0, 0, 0},
        {cpa("100"), 1, ChargeCpaRange, 0, 0, 0},
        {cpa("100.0"), 1, ChargeCpaRange, 0, 0, 0},
        {cpa("2.25"), 1, ChargeCpaDecimals, 0, 0, 0},
        {cpa("2.x"), 1, ChargeCpaRange, 0, 0, 0},
        {cpa(""), 1, ChargeCpaRange, 0, 0, 0},
    };
    for (const auto& c : cases)
    {
        CAuctionChargeOption option;
        const int error = ReadChargeOptionInput(c.input, c.minimum, option);
        EXPECT_EQ(c.error, error) << (LPCTSTR)c.input.featuredAmount << (LPCTSTR)c.input.reservePrice
                                  << (LPCTSTR)c.input.cpaRate;
        if (c.error == ChargeInputOk)
        {
            EXPECT_EQ(c.featured, option.GetFeaturedAmount());
            EXPECT_EQ(c.reserve, option.GetReservePrice());
            EXPECT_EQ(c.cpa, option.GetCpaRate());
        }
    }
}

TEST(ChargeOptionInput, UntickedValuesAreNeitherReadNorChecked)
{
    ChargeOptionInput input;
    input.featuredAmount = "5";
    input.reservePrice = "";
    input.cpaRate = "2.25";
    input.nGiftIndex = 3;
    input.bBold = TRUE;
    input.bWrapping = TRUE;
    CAuctionChargeOption option;
    option.SetFeaturedAmount(300);
    EXPECT_EQ(ChargeInputOk, ReadChargeOptionInput(input, 1000, option));
    EXPECT_EQ(0, option.GetFeaturedAmount());
    EXPECT_EQ(0, option.GetReservePrice());
    EXPECT_EQ(0, option.GetCpaRate());
    EXPECT_FALSE(option.IsGiftIconValid());
    EXPECT_EQ(CAuctionChargeOption::OptionBold | CAuctionChargeOption::OptionWrapping,
              option.GetOptionBits());

    input.bGift = TRUE;
    input.bHighlight = TRUE;
    input.bAffiliate = TRUE;
    ASSERT_EQ(ChargeInputOk, ReadChargeOptionInput(input, 1000, option));
    EXPECT_EQ(5, option.GetGiftIcon()); // the fourth of icons 2..8
    EXPECT_EQ(CAuctionChargeOption::OptionBold | CAuctionChargeOption::OptionHighlight |
                  CAuctionChargeOption::OptionWrapping | CAuctionChargeOption::OptionAffiliate,
              option.GetOptionBits());
    input.nGiftIndex = 6;
    ReadChargeOptionInput(input, 1000, option);
    EXPECT_EQ(8, option.GetGiftIcon());
}

TEST(ChargeOptionInput, MessagesNameTheirRanges)
{
    EXPECT_STREQ(
        "数値が範囲外、もしくは数値が入力されていません。\r\n1500～9999999999までの数値を入力してください。",
        FormatChargeInputError(ChargeReserveRange, 1500));
    EXPECT_STREQ(
        "数値が範囲外、もしくは数値が入力されていません。\r\n1～9999999999までの数値を入力してください。",
        FormatChargeInputError(ChargeReserveRange, 0));
    EXPECT_STREQ(
        "数値が範囲外、もしくは数値が入力されていません。\r\n\"20～999\"までの数値を入力してください。",
        FormatChargeInputError(ChargeFeaturedRange, 1500));
    EXPECT_STREQ(
        "数値が範囲外、もしくは数値が入力されていません。\r\n\"1.0～99.9\"までの数値を入力してください。",
        FormatChargeInputError(ChargeCpaRange, 1500));
    EXPECT_STREQ(
        "小数点第二位以上入力されています。小数点以下は第一位までしか設定できません。\r\n（例：○2.2、×2.25）",
        FormatChargeInputError(ChargeCpaDecimals, 1500));
    EXPECT_STREQ("", FormatChargeInputError(ChargeInputOk, 1500));
    EXPECT_STREQ("", FormatChargeInputError(4, 1500));
}

TEST(ResubmitConfirmRules, CommandsByRowsAndSelection)
{
    const struct
    {
        UINT id;
        int rows, selected, first;
        BOOL enabled;
    } cases[] = {
        {IDC_CONFIRM_EDIT, 3, 0, -1, FALSE},
        {IDC_CONFIRM_EDIT, 3, 2, 0, TRUE},
        {ID_CONFIRM_CHARGE, 1, 1, 0, TRUE},
        {IDC_CONFIRM_CHARGE, 0, 0, -1, FALSE},
        {IDC_CONFIRM_UP, 3, 1, 1, TRUE},
        {ID_CONFIRM_UP, 3, 1, 0, FALSE},
        {IDC_CONFIRM_UP, 3, 2, 1, FALSE},
        {IDC_CONFIRM_UP, 1, 1, 0, FALSE},
        {IDC_CONFIRM_DOWN, 3, 1, 1, TRUE},
        {ID_CONFIRM_DOWN, 3, 1, 2, FALSE},
        {IDC_CONFIRM_DOWN, 1, 1, 0, FALSE},
        {IDC_CONFIRM_DOWN, 3, 0, -1, FALSE},
        {ID_CONFIRM_SELECT_ALL, 1, 0, -1, TRUE},
        {ID_CONFIRM_SELECT_ALL, 0, 0, -1, FALSE},
        {ID_CONFIRM_FIND, 1, 0, -1, TRUE},
        {ID_CONFIRM_FIND_NEXT, 1, 1, 0, FALSE},
        {ID_CONFIRM_FIND_PREVIOUS, 2, 0, -1, TRUE},
        {ID_LINK_COPY, 2, 1, 1, TRUE},
        {ID_LINK_OPEN, 2, 0, -1, FALSE},
        {IDOK, 2, 1, 0, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.enabled, IsConfirmCommandEnabled(c.id, c.rows, c.selected, c.first))
            << c.id << " " << c.rows << " " << c.selected << " " << c.first;
}

TEST(ResubmitConfirmRules, StartPriceFromTheCurrentPrice)
{
    const struct
    {
        LONGLONG start, current;
        BOOL taken;
        LONGLONG after;
    } cases[] = {
        {0, 300, TRUE, 300},
        {0, 0, FALSE, 0},
        {1000, 300, FALSE, 1000},
    };
    for (const auto& c : cases)
    {
        TanzoAuctionItem item;
        item.SetStartPrice(c.start);
        item.SetCurrentPrice(c.current);
        EXPECT_EQ(c.taken, TakeCurrentPriceAsStart(item));
        EXPECT_EQ(c.after, item.GetStartPrice());
        EXPECT_EQ(c.taken, item.TestEditFlags(TanzoAuctionItem::EditStartPrice) != 0);
    }
}

TEST(ResubmitConfirmRules, BuyNowBelowStartOnlyWhenEdited)
{
    const struct
    {
        LONGLONG start, buyNow;
        DWORD edits;
        BOOL refused;
    } cases[] = {
        {1000, 500, TanzoAuctionItem::EditBuyNowPrice, TRUE},
        {1000, 500, TanzoAuctionItem::EditStartPrice, FALSE},
        {1000, 1000, TanzoAuctionItem::EditBuyNowPrice, FALSE},
        {1000, 0, TanzoAuctionItem::EditBuyNowPrice, FALSE},
    };
    for (const auto& c : cases)
    {
        TanzoAuctionItem item;
        item.SetAuctionID("x100");
        item.SetTitle("花瓶");
        item.SetStartPrice(c.start);
        item.SetBuyNowPrice(c.buyNow);
        item.AddEditFlags(c.edits);
        CString message;
        EXPECT_EQ(c.refused, IsBuyNowBelowStart(item, message)) << c.start << " " << c.buyNow;
        if (c.refused)
        {
            EXPECT_STREQ(
                "即決価格が開始価格より低く設定されています。\r\n即決価格は開始価格以上に設定してください。"
                "\r\n\r\n花瓶 (x100)\r\n開始価格：1,000 円\r\n即決価格：500 円",
                message);
        }
    }
}

TEST(ResubmitConfirmRules, WorkingRecordOfSeveralRows)
{
    TanzoAuctionItem a, b, c;
    a.SetTitle("同じ");
    b.SetTitle("同じ");
    c.SetTitle("同じ");
    a.SetStartPrice(1000);
    b.SetStartPrice(2500);
    c.SetStartPrice(1000);
    a.GetChargeOption().SetFeaturedAmount(50);
    b.GetChargeOption().SetFeaturedAmount(50);
    c.GetChargeOption().SetFeaturedAmount(60);
    const std::vector<const TanzoAuctionItem*> rows = {&a, &b, &c};
    TanzoAuctionItem common;
    BuildCommonItem(rows, common);
    EXPECT_STREQ("同じ", common.GetTitle());
    EXPECT_EQ(0, common.GetStartPrice());
    EXPECT_EQ(0, common.GetChargeOption().GetFeaturedAmount());
    EXPECT_EQ(2500, GetLargestStartPrice(rows));

    TanzoAuctionItem one;
    BuildCommonItem({&c}, one);
    EXPECT_EQ(60, one.GetChargeOption().GetFeaturedAmount());
    EXPECT_EQ(1000, one.GetStartPrice());

    CAuctionChargeOption option;
    option.SetReservePrice(3000);
    ApplyChargeOption(a, option);
    EXPECT_EQ(3000, a.GetChargeOption().GetReservePrice());
    EXPECT_EQ(0, a.GetChargeOption().GetFeaturedAmount());
    EXPECT_TRUE(a.TestEditFlags(TanzoAuctionItem::EditChargeOptions));
}
