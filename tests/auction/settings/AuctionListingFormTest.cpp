#include <gtest/gtest.h>

#include <string>

#include "auction/records/AuctionChargeOption.h"
#include "auction/records/AuctionItem.h"
#include "auction/records/ItemCondition.h"
#include "auction/settings/AuctionListingForm.h"
#include "auction/shipping/ParcelSizeCodes.h"
#include "net/PageFixture.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"

namespace
{
CShipMethod Method(LPCTSTR name, LONGLONG fee = -1, LONGLONG r1 = -1, LONGLONG r2 = -1, LONGLONG r3 = -1,
                   LPCTSTR link = "")
{
    CShipMethod m;
    m.SetName(name);
    m.SetFee(fee);
    m.SetRegionFee1(r1);
    m.SetRegionFee2(r2);
    m.SetRegionFee3(r3);
    m.SetLink(link);
    m.UpdateFeeType();
    return m;
}

struct Form
{
    CHtmlDocument page;
    CAuctionListingForm form;
    explicit Form(const char* fixture = nullptr)
        : page(fixture ? ReadFormFixture(fixture) : CString("<html><body></body></html>")),
          form(&page, CHARSET_UTF8)
    {
    }
};
} // namespace

TEST(ListingForm, FieldNames)
{
    Form f;
    EXPECT_EQ(194, f.form.GetFieldCount());
    struct Case
    {
        int index;
        const char* name;
    } cases[] = {
        {0, "tos"},
        {10, "category"},
        {11, "ImageFullPath1"},
        {20, "ImageFullPath10"},
        {41, "image_comment1"},
        {51, "userID"},
        {69, "dskPayment"},
        {70, "bkname1"},
        {89, "paymethod10"},
        {90, "intlOK"},
        {99, "hb_itemweight"},
        {100, "shipname1"},
        {119, "shipfee10"},
        {150, "isolatedislandshipping1"},
        {169, "shipratelink10"},
        {170, "intlauction"},
        {182, "shippinginput"},
        {188, "selectedHacoboonMiniCvsPref"},
        {193, "is_jp_yupack_official_ship"},
    };
    for (const Case& c : cases)
    {
        EXPECT_STREQ(c.name, f.form.GetFieldName(c.index)) << c.index;
        EXPECT_EQ(c.index, f.form.IndexOfName(c.name)) << c.name;
    }
    EXPECT_EQ(1, f.form.IndexOfName("TITLE"));
    EXPECT_EQ(-1, f.form.IndexOfName("crumb"));
    EXPECT_TRUE(f.form.GetFieldName(194).IsEmpty());
    // Every name is a field of its own.
    for (int i = 0; i < 194; ++i)
        EXPECT_EQ(i, f.form.IndexOfName(f.form.GetFieldName(i))) << i;
}

TEST(ListingForm, SalesMode)
{
    Form f;
    struct Case
    {
        int kind;
        const char* mode;
        const char* offer;
        int readBack;
    } cases[] = {
        {0, "auction", "", 0}, {1, "buynow", "", 1}, {2, "offer", "1", 2}, {3, "", "", 0}, {-1, "", "", 0},
    };
    for (const Case& c : cases)
    {
        f.form.SetAt(LF_OFFER, "old");
        f.form.SetSalesMode(c.kind);
        EXPECT_STREQ(c.mode, f.form.GetAt(LF_SALES_MODE)) << c.kind;
        EXPECT_STREQ(c.offer, f.form.GetAt(LF_OFFER)) << c.kind;
        EXPECT_EQ(c.readBack, f.form.GetSalesMode());
        int mode = -1;
        f.form.GetSalesMode(mode);
        EXPECT_EQ(c.readBack, mode);
    }
    f.form.SetAt(LF_SALES_MODE, "BuyNow");
    EXPECT_EQ(0, f.form.GetSalesMode()) << "case-sensitive";
}

TEST(ListingForm, ItemCondition)
{
    Form f;
    const char* const texts[] = {"used",   "new",    "other",  "used10", "used20",
                                 "used40", "used60", "used80", "",       ""};
    const int codes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, -1};
    for (int i = 0; i < 10; ++i)
    {
        CItemCondition condition;
        condition.SetCondition(codes[i]);
        condition.SetComment("傷");
        f.form.SetItemCondition(condition);
        EXPECT_STREQ(texts[i], f.form.GetAt(LF_CONDITION)) << codes[i];
        EXPECT_STREQ("傷", f.form.GetAt(LF_CONDITION_COMMENT));
    }
}

TEST(ListingForm, ParcelCodes)
{
    struct Case
    {
        int row;
        int number;
        int upTo;
        int sizeCode;
        int weightCode;
    } cases[] = {
        {0, 60, 1, 1, 0},  {0, 170, 0, 10, 0}, {1, 170, 0, 0, 0}, {2, 170, 0, 0, 0}, {3, 170, 0, 0, 0},
        {3, 170, 1, 9, 0}, {2, 170, 1, 0, 0},  {0, 30, 0, 0, 8},  {0, 30, 1, 0, 7},  {1, 25, 1, 0, 6},
        {1, 30, 1, 0, 0},  {0, 4, 1, 0, 9},    {0, 21, 1, 0, 17}, {4, 60, 1, 0, 0},  {-1, 60, 1, 0, 0},
        {0, -60, 1, 0, 0}, {0, 426, 1, 0, 0},  {0, 286, 1, 0, 0},
    };
    for (const Case& c : cases)
    {
        CSelectValue value(c.number, c.upTo);
        EXPECT_EQ(c.sizeCode, ParcelSizeCode(c.row, value)) << c.row << " " << c.number;
        EXPECT_EQ(c.weightCode, ParcelWeightCode(c.row, value)) << c.row << " " << c.number;
    }
    CSelectValue value(1, 1);
    ASSERT_TRUE(ParcelSizeFromCode(0, 10, value));
    EXPECT_EQ(170, value.GetNumber());
    EXPECT_EQ(0, value.GetIndex());
    ASSERT_TRUE(ParcelWeightFromCode(2, 6, value));
    EXPECT_EQ(25, value.GetNumber());
    EXPECT_NE(0, value.GetIndex());
    EXPECT_FALSE(ParcelSizeFromCode(1, 10, value));
    EXPECT_EQ(25, value.GetNumber()) << "unchanged";
}

TEST(ListingForm, ShippingMethodsWithoutServiceForm)
{
    Form f;
    AuctionItem item;
    item.AppendShipMethod(Method("A", 500, -1, -1, -1, "http://link-a"));
    item.AppendShipMethod(Method("B", -1, 100, 200, 300));
    item.AppendShipMethod(Method("C", -1, -1, -1, -1, "http://link-c"));
    item.SetShipFlags(0x7F);
    for (int i = 0; i < 10; ++i)
        f.form.SetAt(LF_SHIP_NAME1 + i, "stale");
    f.form.SetShippingMethods(item, FALSE);
    EXPECT_STREQ("A", f.form.GetAt(100));
    EXPECT_STREQ("B", f.form.GetAt(101));
    EXPECT_STREQ("C", f.form.GetAt(102));
    for (int i = 3; i < 10; ++i)
        EXPECT_TRUE(f.form.IsEmptyAt(100 + i)) << i;
    EXPECT_STREQ("500", f.form.GetAt(110));
    EXPECT_TRUE(f.form.IsEmptyAt(111));
    for (int i = 120; i < 160; ++i)
        EXPECT_TRUE(f.form.IsEmptyAt(i)) << i;
    EXPECT_TRUE(f.form.IsEmptyAt(160)) << "a method with a fee has no link";
    EXPECT_TRUE(f.form.IsEmptyAt(161));
    EXPECT_STREQ("http://link-c", f.form.GetAt(162));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_IS_OTHER_SHIP));
    for (int field : {186, 187, 188, 189, 190, 191, 192, 193})
        EXPECT_TRUE(f.form.IsEmptyAt(field)) << field;
}

TEST(ListingForm, ShippingMethodsWithServiceForm)
{
    Form f;
    AuctionItem item;
    item.AppendShipMethod(Method("A", 500, 700, -1, 900));
    item.AppendShipMethod(Method("B", -1, 100, 200, 300)); // regional fees without a fee
    item.AppendShipMethod(Method("C", -1, -1, -1, -1, "http://link-c"));
    item.SetShipFlags(0x02 | 0x08 | 0x10);
    item.SetPrefecture(27);
    item.SetPair1(CSelectValuePair(80, 1, 5, 1));
    item.SetPair2(CSelectValuePair(60, 1, 2, 1));
    f.form.SetShippingMethods(item, TRUE);
    EXPECT_STREQ("700", f.form.GetAt(130));
    EXPECT_TRUE(f.form.IsEmptyAt(140));
    EXPECT_STREQ("900", f.form.GetAt(150));
    EXPECT_STREQ("1", f.form.GetAt(120));
    EXPECT_TRUE(f.form.IsEmptyAt(121)) << "regional fees need a fee";
    EXPECT_TRUE(f.form.IsEmptyAt(131));
    EXPECT_TRUE(f.form.IsEmptyAt(162)) << "no links with the service form";
    EXPECT_STREQ("yes", f.form.GetAt(LF_IS_OTHER_SHIP));
    EXPECT_STREQ("yes", f.form.GetAt(LF_TAQBIN_SHIP));
    EXPECT_STREQ("yes", f.form.GetAt(LF_HB_SHIP));
    EXPECT_STREQ("yes", f.form.GetAt(LF_HB_MINI_SHIP));
    EXPECT_STREQ("27", f.form.GetAt(LF_HB_MINI_PREFECTURE));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_NEKOPOSU_SHIP));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_YUPACK_SHIP));
    // Both 0x02 and 0x08 with sizes known: the 0x02 service's pair, row 2.
    EXPECT_STREQ("3", f.form.GetAt(LF_ITEM_SIZE));
    EXPECT_STREQ("2", f.form.GetAt(LF_ITEM_WEIGHT));

    item.SetChoice1(1); // 0x02's size decided later: 0x08's pair, row 1
    f.form.SetShippingMethods(item, TRUE);
    EXPECT_STREQ("1", f.form.GetAt(LF_ITEM_SIZE));
    EXPECT_STREQ("1", f.form.GetAt(LF_ITEM_WEIGHT));

    item.SetChoice2(1); // no size known: the fields are emptied
    f.form.SetShippingMethods(item, TRUE);
    EXPECT_TRUE(f.form.IsEmptyAt(LF_ITEM_SIZE));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_ITEM_WEIGHT));

    AuctionItem none;
    f.form.SetShippingMethods(none, TRUE);
    EXPECT_TRUE(f.form.IsEmptyAt(LF_IS_OTHER_SHIP));
}

TEST(ListingForm, YupackSizeComesBeforeHacoboon)
{
    Form f;
    AuctionItem item;
    item.SetShipFlags(0x08 | 0x20);
    item.SetPair2(CSelectValuePair(60, 1, 2, 1));
    item.SetPair3(CSelectValuePair(170, 1, 25, 1));
    f.form.SetShippingMethods(item, TRUE);
    EXPECT_STREQ("9", f.form.GetAt(LF_ITEM_SIZE));
    EXPECT_STREQ("6", f.form.GetAt(LF_ITEM_WEIGHT));
}

TEST(ListingForm, ReadShippingMethodsBack)
{
    Form f;
    AuctionItem item;
    item.AppendShipMethod(Method("A", 500, 700, -1, 900));
    item.AppendShipMethod(Method("B", 0));
    item.SetShipFlags(0x01 | 0x02 | 0x04 | 0x08 | 0x10 | 0x20 | 0x40);
    item.SetPrefecture(40);
    item.SetPair1(CSelectValuePair(100, 1, 10, 1));
    f.form.SetShippingMethods(item, TRUE);
    f.form.SetShippingInput(0);

    AuctionItem back;
    back.AppendShipMethod(Method("old", 1));
    f.form.ReadShippingMethods(back, TRUE);
    ASSERT_EQ(2, back.GetShipMethodCount());
    CShipMethodList methods;
    back.GetShipMethods(methods);
    EXPECT_TRUE(methods.GetHead().IsEqual(Method("A", 500, 700, -1, 900)));
    EXPECT_TRUE(methods.GetTail().IsEqual(Method("B", 0)));
    EXPECT_EQ(0x7Fu, back.GetShipFlags());
    EXPECT_EQ(40, back.GetPrefecture());
    EXPECT_EQ(0, back.GetChoice1());
    EXPECT_TRUE(back.GetPair1().IsEqual(CSelectValuePair(100, 1, 10, 1)));

    f.form.SetShippingInput(CAuctionListingForm::ShippingInputLater);
    f.form.ReadShippingMethods(back, TRUE);
    EXPECT_EQ(0x7Fu, back.GetShipFlags());
    EXPECT_EQ(1, back.GetChoice1());
    EXPECT_EQ(1, back.GetChoice2());
    EXPECT_EQ(1, back.GetChoice3());
    EXPECT_TRUE(back.GetPair1().IsEqual(CSelectValuePair())) << "not read while decided later";

    // "arrival" keeps the methods and leaves the flags at their reset value.
    f.form.SetShippingInput(CAuctionListingForm::ShippingInputArrival |
                            CAuctionListingForm::ShippingInputLater);
    EXPECT_STREQ("later", f.form.GetAt(LF_SHIPPING_INPUT));
    f.form.SetShippingInput(CAuctionListingForm::ShippingInputArrival);
    EXPECT_STREQ("arrival", f.form.GetAt(LF_SHIPPING_INPUT));
    f.form.ReadShippingMethods(back, TRUE);
    EXPECT_EQ(2, back.GetShipMethodCount());
    EXPECT_EQ(0u, back.GetShipFlags());
    EXPECT_EQ(13, back.GetPrefecture());
}

TEST(ListingForm, ReadShippingMethodsReadsEachServiceSizeInItsRow)
{
    Form f;
    f.form.SetShippingInput(0);
    for (int field : {LF_TAQBIN_SHIP, LF_HB_SHIP, LF_YUPACK_SHIP})
        f.form.SetAt(field, "yes");
    f.form.SetAt(LF_ITEM_SIZE, "9"); // 170 cm: only the 0x20 service has it
    f.form.SetAt(LF_ITEM_WEIGHT, "6");
    AuctionItem back;
    back.SetChoice3(1);
    f.form.ReadShippingMethods(back, TRUE);
    EXPECT_EQ(0x2Au, back.GetShipFlags());
    EXPECT_EQ(0, back.GetChoice3());
    // The terms are reset first; a code missing from a row leaves that part.
    EXPECT_TRUE(back.GetPair1().IsEqual(CSelectValuePair(0, 0, 25, 1)));
    EXPECT_TRUE(back.GetPair2().IsEqual(CSelectValuePair(0, 0, 25, 1)));
    EXPECT_TRUE(back.GetPair3().IsEqual(CSelectValuePair(170, 1, 25, 1)));
}

TEST(ListingForm, ReadShippingMethodsStopsAtTheFirstEmptyName)
{
    Form f;
    f.form.SetAt(100, "A");
    f.form.SetAt(160, "http://a");
    f.form.SetAt(102, "C");
    f.form.SetAt(130, "999");
    AuctionItem back;
    f.form.ReadShippingMethods(back, FALSE);
    ASSERT_EQ(1, back.GetShipMethodCount());
    CShipMethod first;
    back.GetFirstShipMethod(first);
    EXPECT_TRUE(first.IsEqual(Method("A", -1, -1, -1, -1, "http://a")));
    EXPECT_EQ(CShipMethod::FeeLink, first.GetFeeType());
}

TEST(ListingForm, SellerPaysShipping)
{
    Form f;
    for (int i = 0; i < 10; ++i)
        f.form.SetAt(110 + i, "100");
    f.form.SetAt(LF_ITEM_SIZE, "3");
    f.form.SetAt(LF_ITEM_WEIGHT, "2");
    f.form.SetAt(LF_SHIPPING_INPUT, "later");
    f.form.SetAt(LF_SHIPPING, "buyer");
    f.form.ApplySellerPaysShipping();
    EXPECT_STREQ("100", f.form.GetAt(110));
    EXPECT_STREQ("later", f.form.GetAt(LF_SHIPPING_INPUT));
    f.form.SetAt(LF_SHIPPING, "Seller");
    f.form.ApplySellerPaysShipping();
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(f.form.IsEmptyAt(110 + i));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_ITEM_SIZE));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_ITEM_WEIGHT));
    EXPECT_STREQ("now", f.form.GetAt(LF_SHIPPING_INPUT));
}

TEST(ListingForm, SizeWeightRows)
{
    Form f;
    f.form.SetSizeWeight(CSelectValuePair(170, 0, 30, 0));
    EXPECT_STREQ("10", f.form.GetAt(LF_ITEM_SIZE));
    EXPECT_STREQ("8", f.form.GetAt(LF_ITEM_WEIGHT));
    f.form.SetServiceSizeWeight(CSelectValuePair(170, 0, 30, 0), 3, 3);
    EXPECT_TRUE(f.form.IsEmptyAt(LF_ITEM_SIZE));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_ITEM_WEIGHT));

    CSelectValuePair pair(1, 1, 2, 1);
    f.form.SetAt(LF_ITEM_SIZE, "10");
    f.form.SetAt(LF_ITEM_WEIGHT, "2");
    f.form.ReadServiceSizeWeight(pair, 1, 1);
    EXPECT_EQ(1, pair.GetFirst().GetNumber()) << "code 10 is not in row 1: unchanged";
    EXPECT_EQ(5, pair.GetSecond().GetNumber());
}

TEST(ListingForm, MergeKeepsMarkdownConsistent)
{
    struct Case
    {
        const char* numResubmit;
        const char* markdown;
        const char* ratio;
        const char* markdownAfter;
        const char* ratioAfter;
    } cases[] = {
        {"0", "1", "10", "", ""}, {"", "1", "10", "", ""}, {"2", "1", "10", "1", "10"},
        {"2", "", "10", "", ""},  {"2", "", "0", "", "0"}, {"3", "", "", "", ""},
    };
    for (const Case& c : cases)
    {
        Form f("listing-service.html");
        f.form.SetAt(LF_NUM_RESUBMIT, c.numResubmit);
        f.form.SetAt(LF_MARKDOWN, c.markdown);
        f.form.SetAt(LF_MARKDOWN_RATIO, c.ratio);
        f.form.MergeFetchedForm(&f.page, TRUE, nullptr);
        EXPECT_STREQ(c.markdownAfter, f.form.GetAt(LF_MARKDOWN)) << c.numResubmit << "/" << c.markdown;
        EXPECT_STREQ(c.ratioAfter, f.form.GetAt(LF_MARKDOWN_RATIO)) << c.numResubmit << "/" << c.markdown;
        EXPECT_STREQ("yes", f.form.GetAt(LF_TOS));
    }
}

TEST(ListingForm, MergeDropsFeesOfUnnamedMethods)
{
    Form f("listing-service.html");
    f.form.SetAt(100, "A");
    for (int base : {110, 120, 130, 140, 150, 160})
    {
        f.form.SetAt(base, "1");
        f.form.SetAt(base + 1, "1");
    }
    f.form.MergeFetchedForm(&f.page, TRUE, nullptr);
    for (int base : {110, 120, 130, 140, 150, 160})
    {
        EXPECT_STREQ("1", f.form.GetAt(base)) << base;
        EXPECT_TRUE(f.form.IsEmptyAt(base + 1)) << base + 1;
    }
}

TEST(ListingForm, MergeWithServiceFormKeepsOnlyOfferedServices)
{
    Form f("listing-service.html");
    for (int field : {186, 187, 189, 190, 191, 192, 193, 65, 66, 67, 68})
        f.form.SetAt(field, "yes");
    f.form.MergeFetchedForm(&f.page, TRUE, nullptr);
    EXPECT_STREQ("yes", f.form.GetAt(LF_NEKOPOSU_SHIP));
    EXPECT_STREQ("yes", f.form.GetAt(LF_TAQBIN_SHIP));
    EXPECT_STREQ("yes", f.form.GetAt(LF_YUPACKET_SHIP));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_HB_SHIP)) << "disabled on the page";
    EXPECT_TRUE(f.form.IsEmptyAt(LF_HB_MINI_SHIP)) << "not on the page";
    EXPECT_TRUE(f.form.IsEmptyAt(LF_TAQBIN_COMPACT_SHIP));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_YUPACK_SHIP));
    for (int field : {65, 66, 67})
        EXPECT_TRUE(f.form.IsEmptyAt(field)) << field;
    EXPECT_STREQ("yes", f.form.GetAt(LF_YPM_OK));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_DSK_PAYMENT)) << "ypmOK is set";
}

TEST(ListingForm, MergeOffersDeskPaymentWhenNothingIsChosen)
{
    Form f("listing-service.html");
    f.form.MergeFetchedForm(&f.page, TRUE, nullptr);
    EXPECT_STREQ("ypmOK", f.form.GetAt(LF_DSK_PAYMENT));

    Form other("listing-bkid-by-id.html"); // no dskPayment input
    other.form.MergeFetchedForm(&other.page, TRUE, nullptr);
    EXPECT_TRUE(other.form.IsEmptyAt(LF_DSK_PAYMENT));
}

TEST(ListingForm, MergeBankIdModes)
{
    struct Case
    {
        int mode;
        const char* fixture;
        const char* name;
        const char* value; // nullptr: not added
        int taken;
    } cases[] = {
        {0, "listing-service.html", "bkid_1", nullptr, 0},
        {1, "listing-service.html", "bkid_1", "0005-123", 1},
        {1, "listing-service.html", "bkid_2", "", 1},
        {1, "listing-service.html", "bkid_&3", "01&02", 1}, // posted as a browser would
        {1, "listing-service.html", "bkid_&amp;3", nullptr, 1},
        {1, "listing-service.html", "other9", nullptr, 1},
        {2, "listing-service.html", "bkid_1", "", 0},
        {1, "listing-bkid-by-id.html", "bankAccount", "777", 1},
        {2, "listing-bkid-by-id.html", "bankAccount", "", 0},
    };
    for (const Case& c : cases)
    {
        Form f(c.fixture);
        f.form.SetBankIdInputMode(c.mode);
        int taken = 0;
        f.form.MergeFetchedForm(&f.page, TRUE, &taken);
        CString value;
        BOOL found = f.form.GetExtraValue(c.name, value);
        EXPECT_EQ(c.value != nullptr, found != FALSE) << c.mode << " " << c.name;
        EXPECT_STREQ(c.value != nullptr ? c.value : "", value) << c.mode << " " << c.name;
        EXPECT_EQ(c.taken, taken) << c.mode << " " << c.fixture;
    }
    // Without the service form no bank-ID input is copied.
    Form f("listing-service.html");
    f.form.SetBankIdInputMode(1);
    f.form.MergeFetchedForm(&f.page, FALSE, nullptr);
    CString value;
    EXPECT_FALSE(f.form.GetExtraValue("bkid_1", value));
}

TEST(ListingForm, MergeWithClassicForm)
{
    Form f("listing-classic.html");
    for (int field = 65; field <= 89; ++field)
        f.form.SetAt(field, "x");
    f.form.MergeFetchedForm(&f.page, FALSE, nullptr);
    EXPECT_STREQ("x", f.form.GetAt(LF_ASPJ1));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_ASPJ3)) << "disabled";
    EXPECT_STREQ("x", f.form.GetAt(LF_ASPJ4)) << "only checked with the service form";
    EXPECT_TRUE(f.form.IsEmptyAt(LF_YPM_OK)) << "not offered";
    EXPECT_STREQ("x", f.form.GetAt(80));
    EXPECT_STREQ("x", f.form.GetAt(81));
    EXPECT_TRUE(f.form.IsEmptyAt(82));
    EXPECT_TRUE(f.form.IsEmptyAt(89));
    EXPECT_STREQ("x", f.form.GetAt(70)) << "bank names stay with aspj1";

    Form g("listing-no-aspj.html");
    for (int field = 65; field <= 89; ++field)
        g.form.SetAt(field, "x");
    g.form.MergeFetchedForm(&g.page, FALSE, nullptr);
    EXPECT_TRUE(g.form.IsEmptyAt(LF_ASPJ1));
    for (int i = 70; i < 80; ++i)
        EXPECT_TRUE(g.form.IsEmptyAt(i)) << i;
    EXPECT_STREQ("x", g.form.GetAt(80));
}

TEST(ListingForm, BodiesByteForByte)
{
    Form f("listing-service.html");
    EXPECT_EQ(CHARSET_UTF8, f.form.GetCharset());
    ASSERT_TRUE(f.form.ReadFormInputs(&f.page));
    f.form.SetAt(LF_TITLE, "テスト 1");
    f.form.SetSalesMode(0);
    f.form.SetAt(LF_START_PRICE, "1000");
    f.form.MergeFetchedForm(&f.page, TRUE, nullptr);
    CString body;
    ASSERT_TRUE(f.form.BuildBody(body));
    EXPECT_STREQ("tos=yes&Title=%E3%83%86%E3%82%B9%E3%83%88+1&salesmode=auction&StartPrice=1000"
                 "&dskPayment=ypmOK&crumb=abc123",
                 body);

    f.form.SetBoundary("xYz0");
    f.form.BuildMultipartBody(body, 0);
    EXPECT_STREQ("--xYz0\r\nContent-Disposition: form-data; name=\"tos\"\r\n\r\nyes\r\n"
                 "--xYz0\r\nContent-Disposition: form-data; name=\"Title\"\r\n\r\n"
                 "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 1\r\n"
                 "--xYz0\r\nContent-Disposition: form-data; name=\"salesmode\"\r\n\r\nauction\r\n"
                 "--xYz0\r\nContent-Disposition: form-data; name=\"StartPrice\"\r\n\r\n1000\r\n"
                 "--xYz0\r\nContent-Disposition: form-data; name=\"dskPayment\"\r\n\r\nypmOK\r\n"
                 "--xYz0\r\nContent-Disposition: form-data; name=\"crumb\"\r\n\r\nabc123\r\n"
                 "--xYz0--\r\n",
                 body);
}

TEST(ChargeOption, WritesTheListingForm)
{
    Form f;
    CAuctionChargeOption option;
    option.SetFeaturedAmount(20);
    option.SetReservePrice(5000);
    option.SetGiftIcon(8);
    option.SetCpaRate(35);
    option.SetOptionBits(CAuctionChargeOption::OptionBold | CAuctionChargeOption::OptionWrapping |
                         CAuctionChargeOption::OptionAffiliate);
    f.form.SetAt(LF_POSTAGE_FREE, "yes");
    option.WriteToListingForm(f.form);
    EXPECT_STREQ("20", f.form.GetAt(LF_FEATURED_AMOUNT));
    EXPECT_STREQ("5000", f.form.GetAt(LF_RESERVE_PRICE));
    EXPECT_STREQ("8", f.form.GetAt(LF_GIFT));
    EXPECT_STREQ("3.5", f.form.GetAt(LF_CPA_AMOUNT));
    EXPECT_STREQ("yes", f.form.GetAt(LF_BOLD));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_HIGHLIGHT));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_POSTAGE_FREE));
    EXPECT_STREQ("yes", f.form.GetAt(LF_WRAPPING));
    EXPECT_STREQ("1", f.form.GetAt(LF_AFFILIATE));
    EXPECT_STREQ("1", f.form.GetAt(LF_AFFILIATE_RATE));
    EXPECT_TRUE(CAuctionChargeOption::ValidateListingForm(f.form));

    option.Clear();
    option.SetGiftIcon(9);
    option.SetCpaRate(30);
    option.WriteToListingForm(f.form);
    EXPECT_TRUE(f.form.IsEmptyAt(LF_FEATURED_AMOUNT));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_RESERVE_PRICE));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_GIFT));
    EXPECT_STREQ("3", f.form.GetAt(LF_CPA_AMOUNT));
    EXPECT_TRUE(f.form.IsEmptyAt(LF_AFFILIATE));
    option.SetGiftIcon(1);
    option.WriteToListingForm(f.form);
    EXPECT_TRUE(f.form.IsEmptyAt(LF_GIFT));
}

TEST(ChargeOption, Values)
{
    CAuctionChargeOption option;
    EXPECT_FALSE(option.HasAnyOption());
    option.SetOptionBits(0x4);
    EXPECT_FALSE(option.HasAnyOption());
    option.SetOptionBits(0x10000000);
    EXPECT_TRUE(option.HasAnyOption());
    option.Clear();
    option.SetGiftIcon(2);
    EXPECT_TRUE(option.HasAnyOption());
    option.SetGiftIcon(9);
    EXPECT_FALSE(option.HasAnyOption());

    struct Case
    {
        int rate;
        const char* kept;
        const char* dropped;
    } cases[] = {
        {50, "5.0", "5"}, {105, "10.5", "10.5"}, {35, "3.5", "3.5"}, {100, "10.0", "10"}, {0, "0.0", "0"}};
    for (const Case& c : cases)
    {
        option.SetCpaRate(c.rate);
        CString out;
        option.FormatCpaRate(out, FALSE);
        EXPECT_STREQ(c.kept, out);
        option.FormatCpaRate(out, TRUE);
        EXPECT_STREQ(c.dropped, out);
    }

    CAuctionChargeOption copy;
    copy.CopyFrom(option);
    EXPECT_TRUE(copy.IsEqual(option));
    copy.SetReservePrice(1);
    EXPECT_FALSE(copy.IsEqual(option));
}

TEST(ChargeOption, ValidateListingForm)
{
    struct Case
    {
        int field;
        const char* value;
        BOOL valid;
    } cases[] = {
        {LF_FEATURED_AMOUNT, "1000", FALSE},
        {LF_FEATURED_AMOUNT, "999", TRUE},
        {LF_FEATURED_AMOUNT, "1.5", FALSE},
        {LF_CPA_AMOUNT, "2.5", TRUE},
        {LF_CPA_AMOUNT, "12.55", FALSE},
        {LF_CPA_AMOUNT, "2a", FALSE},
        {LF_GIFT, "2.5", FALSE},
        {LF_GIFT, "8", TRUE},
        {LF_GIFT, "10", FALSE},
        {LF_RESERVE_PRICE, "9999999999", TRUE},
        {LF_RESERVE_PRICE, "10000000000", FALSE},
        {LF_RESERVE_PRICE, "-1", FALSE},
    };
    for (const Case& c : cases)
    {
        Form f;
        f.form.SetAt(c.field, c.value);
        EXPECT_EQ(c.valid, CAuctionChargeOption::ValidateListingForm(f.form)) << c.field << " " << c.value;
    }
}
