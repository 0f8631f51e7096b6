#include <gtest/gtest.h>

#include <functional>

#include "auction/settings/AuctionListingForm.h"
#include "client/ClientTestSupport.h"
#include "client/ShipProblemMessages.h"
#include "client/TanzoAuctionItem.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"

namespace
{
typedef TanzoAuctionItem Item;

CShipMethod Method(LPCTSTR name, LONGLONG fee = -1, int feeType = -1, LPCTSTR link = "")
{
    CShipMethod m;
    m.SetName(name);
    m.SetFee(fee);
    m.SetLink(link);
    m.UpdateFeeType();
    if (feeType >= 0)
        m.SetFeeType(feeType);
    return m;
}

struct Form
{
    CHtmlDocument page{"<html><body></body></html>"};
    CAuctionListingForm form{&page, CHARSET_UTF8};
};

std::string Field(const CAuctionListingForm& form, int i)
{
    return (LPCTSTR)form.GetAt(i);
}

// The names of a table as message 1318 lists them.
std::string NameLines(std::initializer_list<UINT> ids)
{
    std::string out;
    for (UINT id : ids)
        out += (out.empty() ? "・" : "\r\n・") + Text(id);
    return out;
}
} // namespace

TEST(ListingFormEdits, WritesOnlyTheEditedGroups)
{
    Item item;
    item.SetTitle("題名").SetNumber1(4).SetStartPrice(1000);
    item.SetEditedDescription("A&B <b>&nbsp;&amp;");
    item.SetCondition(1);
    Form f;
    f.form.SetAt(LF_TITLE, "from the page");
    ASSERT_TRUE(item.WriteEditsToListingForm(f.form, FALSE, FALSE));
    EXPECT_EQ("from the page", Field(f.form, LF_TITLE));
    EXPECT_EQ("", Field(f.form, LF_START_PRICE));

    item.AddEditFlags(Item::EditTitle | Item::EditQuantity | Item::EditDescription | Item::EditCondition);
    ASSERT_TRUE(item.WriteEditsToListingForm(f.form, FALSE, FALSE));
    EXPECT_EQ("題名", Field(f.form, LF_TITLE));
    EXPECT_EQ("4", Field(f.form, LF_QUANTITY));
    EXPECT_EQ("A&B <b>&nbsp;&amp;", Field(f.form, LF_DESCRIPTION));
    EXPECT_EQ("new", Field(f.form, LF_CONDITION));
    EXPECT_EQ("", Field(f.form, LF_START_PRICE));
}

TEST(ListingFormEdits, PricesAndSalesMode)
{
    const struct
    {
        const char* what;
        LONGLONG start, buyNow;
        DWORD mode, edits;
        const char* formMode; // the form's sales mode before
        const char* formBuyNow;
        BOOL result;
        UINT message;
        const char* wantMode;
    } cases[] = {
        {"an auction at one price sells at once", 5000, 5000, CSalesMode::Auction, 0xE, "", "", TRUE, 0,
         "buynow"},
        {"an auction with a higher buy-now stays", 1000, 5000, CSalesMode::Auction, 0xE, "", "", TRUE, 0,
         "auction"},
        {"buy-now below start comes first", 5000, 1000, CSalesMode::Offer, 0xE, "", "", FALSE, 904, "offer"},
        {"offer without buy-now", 1000, 0, CSalesMode::Offer, 0xE, "", "", FALSE, 1059, "offer"},
        {"offer at two prices", 1000, 2000, CSalesMode::Offer, 0xE, "", "", FALSE, 1060, "offer"},
        {"offer at one price", 3000, 3000, CSalesMode::Offer, 0xE, "", "", TRUE, 0, "offer"},
        {"a fixed-price form whose prices part falls back", 1000, 0, 0, Item::EditStartPrice, "buynow",
         "2000", TRUE, 0, "auction"},
        {"no price written: no check", 1000, 0, 0, Item::EditTitle, "buynow", "2000", TRUE, 0, "buynow"},
        {"buy-now 0 empties the field", 1000, 0, 0, Item::EditStartPrice | Item::EditBuyNowPrice, "", "2000",
         TRUE, 0, "auction"},
    };
    for (const auto& c : cases)
    {
        Item item;
        item.SetStartPrice(c.start).SetBuyNowPrice(c.buyNow);
        item.GetSalesMode().Set(c.mode);
        item.AddEditFlags(c.edits);
        Form f;
        f.form.SetAt(LF_SALES_MODE, c.formMode);
        f.form.SetAt(LF_BUY_NOW_PRICE, c.formBuyNow);
        CBoxRecorder boxes;
        EXPECT_EQ(c.result, item.WriteEditsToListingForm(f.form, FALSE, FALSE)) << c.what;
        EXPECT_EQ(c.wantMode, Field(f.form, LF_SALES_MODE).empty() ? "auction" : Field(f.form, LF_SALES_MODE))
            << c.what;
        ASSERT_EQ(c.message ? 1u : 0u, boxes.texts.size()) << c.what;
        if (c.message == 0)
            continue;
        CString expected = Text(c.message).c_str();
        if (c.message != 1059)
        {
            CString format = expected;
            expected.Format(format, c.start == 5000 ? "5,000 円" : "1,000 円",
                            c.buyNow == 1000 ? "1,000 円" : "2,000 円");
        }
        EXPECT_EQ((LPCTSTR)expected, boxes.texts[0]) << c.what;
        EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), boxes.types[0]);
    }
}

TEST(ListingFormEdits, PaidOptionsThatDoNotFitStop)
{
    Item item;
    item.AddEditFlags(Item::EditChargeOptions);
    item.GetChargeOption().SetFeaturedAmount(500);
    item.GetChargeOption().SetOptionBits(CAuctionChargeOption::OptionBold);
    Form f;
    CBoxRecorder boxes;
    EXPECT_TRUE(item.WriteEditsToListingForm(f.form, TRUE, FALSE));
    EXPECT_EQ("500", Field(f.form, LF_FEATURED_AMOUNT));
    EXPECT_EQ("yes", Field(f.form, LF_BOLD));
    item.GetChargeOption().SetFeaturedAmount(1000); // four digits: the service takes three
    EXPECT_FALSE(item.WriteEditsToListingForm(f.form, TRUE, FALSE));
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(Text(921), boxes.texts[0]);
}

TEST(ListingFormEdits, ShippingProblems)
{
    const std::string flatRate = NameLines({1307, 1308, 1309, 1310, 1311, 1312, 1313});
    const std::string noArrival = NameLines({1308, 1309, 1310, 1311, 1312, 1313});
    auto message = [](UINT id, const std::string& a = "", const std::string& b = "")
    {
        CString text;
        text.FormatMessage(id, a.c_str(), b.c_str());
        return std::string((LPCTSTR)text);
    };
    const struct
    {
        const char* what;
        BOOL easy;
        std::function<void(Item&)> set;
        std::string shown;
    } cases[] = {
        {"nothing to send with", TRUE, [](Item&) {}, Text(1205)},
        {"a fee by link", TRUE, [](Item& i) { i.AppendShipMethod(Method("便", -1, -1, "http://fees")); },
         Text(1206)},
        {"fee and no fee", TRUE,
         [](Item& i)
         {
             i.AppendShipMethod(Method("便A", 500));
             i.AppendShipMethod(Method("便B"));
         },
         Text(1207)},
        {"arrival and fee", TRUE,
         [](Item& i)
         {
             i.AppendShipMethod(Method("便A", 500));
             i.AppendShipMethod(Method("便B", -1, CShipMethod::FeeClient));
         },
         Text(1304)},
        {"a service's name", TRUE,
         [](Item& i) { i.AppendShipMethod(Method("ゆうパック（おてがる版）80", 900)); },
         message(1314, Text(1303))},
        {"one flat-rate method without fee", TRUE, [](Item& i) { i.AppendShipMethod(Method("ゆうメール")); },
         message(1315, "ゆうメール", flatRate) + Text(1317)},
        {"flat-rate methods without fee", TRUE,
         [](Item& i)
         {
             i.AppendShipMethod(Method("ゆうメール"));
             i.AppendShipMethod(Method("定形郵便"));
         },
         message(1316, flatRate) + Text(1317)},
        {"flat rate paid on arrival", TRUE,
         [](Item& i) { i.AppendShipMethod(Method("レターパックライト", -1, CShipMethod::FeeClient)); },
         message(1319, Text(1310), noArrival)},
        {"two parcel sizes", TRUE,
         [](Item& i)
         {
             i.SetShipFlags(0x22);
             CSelectValuePair small(60, 0, 2, 0), large(100, 0, 2, 0);
             i.SetPair1(small);
             i.SetPair3(large);
         },
         Text(1244)},
        {"ordinary: a service", FALSE, [](Item& i) { i.SetShipFlags(0x02); }, Text(1208)},
        {"ordinary: regional fees", FALSE,
         [](Item& i)
         {
             CShipMethod m = Method("便", 500);
             m.SetRegionFee1(900);
             m.UpdateFeeType();
             i.AppendShipMethod(m);
         },
         Text(1209)},
        {"ordinary: paid on arrival", FALSE,
         [](Item& i) { i.AppendShipMethod(Method("便", -1, CShipMethod::FeeClient)); }, Text(1320)},
        {"ordinary: plain fees pass", FALSE, [](Item& i) { i.AppendShipMethod(Method("便", 500)); }, ""},
        {"easy: plain fees pass", TRUE, [](Item& i) { i.AppendShipMethod(Method("便", 500)); }, ""},
    };
    for (const auto& c : cases)
    {
        Item item;
        item.AddEditFlags(Item::EditShipping);
        c.set(item);
        Form f;
        CBoxRecorder boxes;
        EXPECT_EQ(c.shown.empty(), item.WriteEditsToListingForm(f.form, c.easy, FALSE)) << c.what;
        if (c.shown.empty())
        {
            EXPECT_TRUE(boxes.texts.empty()) << c.what;
            EXPECT_EQ("便", Field(f.form, LF_SHIP_NAME1)) << c.what;
            continue;
        }
        ASSERT_EQ(1u, boxes.texts.size()) << c.what;
        EXPECT_EQ(c.shown, boxes.texts[0]) << c.what;
        EXPECT_EQ("", Field(f.form, LF_SHIP_NAME1)) << c.what;
    }
}

TEST(ListingFormEdits, ShippingMessageIndexesOutsideTheTablesNameNothing)
{
    CAuctionShipMethods shipping;
    const struct
    {
        UINT id;
        DWORD index;
        std::string name;
    } cases[] = {
        {1314, 0, Text(1306)}, {1314, 2, Text(1303)}, {1314, 3, ""}, {1314, 0xFFFF, ""},
        {1319, 0, Text(1308)}, {1319, 5, Text(1313)}, {1319, 6, ""},
    };
    for (const auto& c : cases)
    {
        CString text, expected;
        FormatShipMethodProblem(shipping, c.id, c.index << 16, text);
        CString lines = c.id == 1319 ? NameLines({1308, 1309, 1310, 1311, 1312, 1313}).c_str() : "";
        expected.FormatMessage(c.id, c.name.c_str(), (LPCTSTR)lines);
        EXPECT_STREQ(expected, text) << c.id << " " << c.index;
    }
    EXPECT_EQ(0u, GetShipMethodProblemMessageId(shipping, 0));
    EXPECT_EQ(0u, GetShipMethodProblemMessageId(shipping, 9));
    EXPECT_EQ(0u, GetListingKindShipMessageId(0));
    EXPECT_EQ(0u, GetListingKindShipMessageId(4));
}

TEST(ListingFormEdits, ArrivalWithSellerPaidShippingAsks)
{
    const struct
    {
        const char* what;
        BOOL warn;
        const char* payer;
        int answer;
        BOOL result;
        size_t asked;
        const char* input;
    } cases[] = {
        {"answered No", TRUE, "seller", IDNO, FALSE, 1, ""},
        {"answered Yes", TRUE, "Seller", IDYES, TRUE, 1, "now"},
        {"option off", FALSE, "seller", IDNO, TRUE, 0, "now"},
        {"buyer pays", TRUE, "buyer", IDNO, TRUE, 0, "arrival"},
    };
    for (const auto& c : cases)
    {
        Item item;
        item.AddEditFlags(Item::EditShipping);
        item.AppendShipMethod(Method("着払い便", -1, CShipMethod::FeeClient));
        Form f;
        f.form.SetAt(LF_SHIPPING, c.payer);
        CBoxRecorder boxes({c.answer});
        EXPECT_EQ(c.result, item.WriteEditsToListingForm(f.form, TRUE, c.warn)) << c.what;
        ASSERT_EQ(c.asked, boxes.texts.size()) << c.what;
        if (c.asked)
        {
            EXPECT_EQ(Text(1321), boxes.texts[0]);
            EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), boxes.types[0]);
        }
        EXPECT_EQ(c.input, Field(f.form, LF_SHIPPING_INPUT)) << c.what;
    }
}
