#include <gtest/gtest.h>

#include <vector>

#include "afx/ArchiveBytes.h"
#include "auction/shipping/AuctionShipMethods.h"
#include "auction/shipping/ShippingTestStrings.h"

namespace
{
CShipMethod Method(LPCTSTR name, int feeType, LONGLONG fee = -1, LONGLONG r1 = -1, LONGLONG r2 = -1,
                   LONGLONG r3 = -1, LPCTSTR link = "")
{
    CShipMethod m;
    m.SetName(name);
    m.SetFeeType(feeType);
    m.SetFee(fee);
    m.SetRegionFee1(r1);
    m.SetRegionFee2(r2);
    m.SetRegionFee3(r3);
    m.SetLink(link);
    return m;
}

std::vector<UINT> PrefectureIds()
{
    std::vector<UINT> ids;
    for (UINT i = 1; i <= 47; ++i)
        ids.push_back(576 + i);
    return ids;
}
} // namespace

TEST(SelectValue, AlternatesCompareAsBooleans)
{
    EXPECT_TRUE(CSelectValue(60, 1).IsEqual(CSelectValue(60, 5)));
    EXPECT_FALSE(CSelectValue(60, 1).IsEqual(CSelectValue(60, 0)));
    EXPECT_FALSE(CSelectValue(60, 0).IsEqual(CSelectValue(80, 0)));
    EXPECT_TRUE(CSelectValuePair(60, 1, 2, 0).IsEqual(CSelectValuePair(60, 2, 2, 0)));
    EXPECT_FALSE(CSelectValuePair(60, 1, 2, 0).IsEqual(CSelectValuePair(60, 1, 2, 1)));
}

TEST(SelectValue, FormatChoosesTheTextByTheAlternate)
{
    CString out = "old";
    EXPECT_TRUE(CSelectValue(60, 1).Format(out, IDT_SIZE_UPTO, IDT_SIZE_OVER));
    EXPECT_STREQ("60cm以下", out);
    EXPECT_TRUE(CSelectValue(170, 0).Format(out, IDT_SIZE_UPTO, IDT_SIZE_OVER));
    EXPECT_STREQ("170cm超", out);
    EXPECT_FALSE(CSelectValue(0, 1).Format(out, IDT_SIZE_UPTO, IDT_SIZE_OVER));
    EXPECT_TRUE(out.IsEmpty());
    out = "old";
    EXPECT_FALSE(CSelectValue(60, 1).Format(out, 0, IDT_SIZE_OVER));
    EXPECT_TRUE(out.IsEmpty());
}

TEST(SelectValue, PairFormat)
{
    struct Case
    {
        CSelectValuePair pair;
        UINT emptyId;
        const char* expected;
        BOOL result;
    } cases[] = {
        {CSelectValuePair(60, 1, 2, 1), 0, "60cm以下 / 2kg以下", TRUE},
        {CSelectValuePair(170, 0, 0, 0), 0, "170cm超 / ", TRUE},
        {CSelectValuePair(0, 0, 30, 0), IDT_UNDECIDED, "未定 / 30kg超", TRUE},
        {CSelectValuePair(0, 0, 0, 0), IDT_UNDECIDED, "未定 / 未定", TRUE},
        {CSelectValuePair(0, 1, 0, 1), 0, "untouched", FALSE},
    };
    for (const Case& c : cases)
    {
        CString out = "untouched";
        EXPECT_EQ(c.result, c.pair.Format(out, IDT_SIZE_UPTO, IDT_SIZE_OVER, IDT_WEIGHT_UPTO, IDT_WEIGHT_OVER,
                                          c.emptyId));
        EXPECT_STREQ(c.expected, out);
    }
}

TEST(ShipMethod, NewMethodHasNoFees)
{
    CShipMethod m;
    EXPECT_EQ(0, m.GetFeeType());
    EXPECT_FALSE(m.HasFee());
    EXPECT_FALSE(m.HasAnyRegionFee());
    EXPECT_FALSE(m.IsValid());
    EXPECT_EQ(-1, m.GetRegionFee(0));
    m.SetRegionFee3(700);
    EXPECT_EQ(700, m.GetRegionFee(2));
    EXPECT_EQ(-1, m.GetRegionFee(3));
    EXPECT_EQ(-1, m.GetRegionFee(-1));
    EXPECT_TRUE(m.HasRegionFee3());
    EXPECT_TRUE(m.HasAnyRegionFee());
}

TEST(ShipMethod, UpdateFeeType)
{
    struct Case
    {
        CShipMethod method;
        int feeType;
    } cases[] = {
        {Method("a", 0, -1, -1, -1, -1, "http://x"), CShipMethod::FeeLink},
        {Method("a", 0, 500, 800), CShipMethod::FeeRegional},
        {Method("a", 0, -1, -1, -1, 100), CShipMethod::FeeRegional},
        {Method("a", 3, 0), CShipMethod::FeeOne},
        {Method("a", 0), CShipMethod::FeeNone},
        {Method("a", 0, 500, -1, -1, -1, "http://x"), CShipMethod::FeeOne},
    };
    for (Case& c : cases)
    {
        c.method.UpdateFeeType();
        EXPECT_EQ(c.feeType, c.method.GetFeeType());
    }
}

TEST(ShipMethod, EqualityComparesEveryField)
{
    CShipMethod a = Method("A", 1, 100, 1, 2, 3, "l");
    EXPECT_TRUE(a.IsEqual(Method("A", 1, 100, 1, 2, 3, "l")));
    EXPECT_FALSE(a.IsEqual(Method("a", 1, 100, 1, 2, 3, "l")));
    EXPECT_FALSE(a.IsEqual(Method("A", 0, 100, 1, 2, 3, "l")));
    EXPECT_FALSE(a.IsEqual(Method("A", 1, 101, 1, 2, 3, "l")));
    EXPECT_FALSE(a.IsEqual(Method("A", 1, 100, 1, 2, 4, "l")));
    EXPECT_FALSE(a.IsEqual(Method("A", 1, 100, 1, 2, 3, "L")));
}

TEST(ShipMethod, FormatRegionFees)
{
    CShipMethod m = Method("A", 1, -1, 500, -1, 1000);
    const UINT ids[] = {IDT_REGION1, IDT_REGION2, IDT_REGION3};
    CString out;
    EXPECT_TRUE(m.FormatRegionFees(out, ids, IDT_BRACKETS, IDT_SEPARATOR));
    EXPECT_STREQ("[本州500 円／沖縄1,000 円]", out);
    EXPECT_TRUE(m.FormatRegionFees(out, nullptr, 0, 0));
    EXPECT_STREQ(" 500 円 1,000 円", out);

    out = "old";
    EXPECT_FALSE(Method("B", 0, 300).FormatRegionFees(out, ids, IDT_BRACKETS, IDT_SEPARATOR));
    EXPECT_STREQ("old", out);
}

TEST(ShipMethod, ArchiveBytes)
{
    CShipMethod m = Method("A", 1, -1, 500, -1, 1000, "");
    Bytes bytes = Stored([&](CArchive& ar) { m.Serialize(ar, 31); });
    EXPECT_EQ(ToHex(HexBytes("01 41"
                             " 01 00 00 00"
                             " ff ff ff ff ff ff ff ff"
                             " f4 01 00 00 00 00 00 00"
                             " ff ff ff ff ff ff ff ff"
                             " e8 03 00 00 00 00 00 00"
                             " 00")),
              ToHex(bytes));
    CShipMethod loaded = Method("old", 2, 1, 1, 1, 1, "old");
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 31); }));
    EXPECT_TRUE(loaded.IsEqual(m));
}

TEST(ShipMethod, LoadedFeeTypeOutOfRangeBecomesThree)
{
    for (const char* word : {"09 00 00 00", "05 00 00 00", "ff ff ff ff"})
    {
        CShipMethod loaded;
        ASSERT_EQ(-1, LoadCause(HexBytes(word), [&](CArchive& ar) { loaded.Serialize(ar, 2); }));
        EXPECT_EQ(3, loaded.GetFeeType()) << word;
    }
    CShipMethod four;
    ASSERT_EQ(-1, LoadCause(HexBytes("04 00 00 00"), [&](CArchive& ar) { four.Serialize(ar, 2); }));
    EXPECT_EQ(4, four.GetFeeType());
}

TEST(AuctionShipping, ResetValues)
{
    CAuctionShipping terms;
    terms.SetShipFlags(0x7F);
    terms.SetChoice2(1);
    terms.SetPrefecture(40);
    terms.SetPair3(CSelectValuePair(60, 1, 2, 1));
    terms.Reset();
    EXPECT_EQ(0u, terms.GetShipFlags());
    EXPECT_EQ(0, terms.GetChoice2());
    EXPECT_EQ(13, terms.GetPrefecture());
    EXPECT_TRUE(terms.GetPair3().IsEqual(CSelectValuePair()));
}

TEST(AuctionShipping, PrefectureName)
{
    std::vector<UINT> ids = PrefectureIds();
    CAuctionShipping terms;
    CString name;
    EXPECT_TRUE(terms.GetPrefectureName(name, ids.data()));
    EXPECT_STREQ("東京都", name);
    EXPECT_FALSE(terms.GetPrefectureName(name, nullptr));
    terms.SetPrefecture(48);
    EXPECT_FALSE(terms.GetPrefectureName(name, ids.data()));
}

TEST(AuctionShipping, LoadedPrefectureAndChoicesOutOfRangeTakeDefaults)
{
    struct Case
    {
        const char* prefecture;
        int expected;
    } cases[] = {{"1b 00 00 00", 27}, {"00 00 00 00", 13}, {"30 00 00 00", 13},
                 {"01 00 00 00", 1},  {"2f 00 00 00", 47}, {"ff ff ff ff", 13}};
    for (const Case& c : cases)
    {
        // Group 2: choice, prefecture, pair.
        Bytes bytes = HexBytes("02 00 00 00");
        Bytes pref = HexBytes(c.prefecture);
        bytes.insert(bytes.end(), pref.begin(), pref.end());
        bytes.resize(bytes.size() + 16, 0);
        CAuctionShipping loaded;
        ASSERT_EQ(
            -1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, CAuctionShipping::PartGroup2); }));
        EXPECT_EQ(c.expected, loaded.GetPrefecture()) << c.prefecture;
        EXPECT_EQ(0, loaded.GetChoice2()) << "a choice of 2 reads as 0";
    }
}

TEST(AuctionShipping, FlagsOfGroupsNotStoredAreDropped)
{
    CAuctionShipping terms;
    terms.SetShipFlags(0x7F);
    terms.SetChoice1(1);
    struct Case
    {
        DWORD parts;
        DWORD flags;
    } cases[] = {
        {0x02, 0x00}, {0x02 | 0x04, 0x07}, {0x02 | 0x08, 0x18}, {0x02 | 0x10, 0x60}, {0x1E, 0x7F},
    };
    for (const Case& c : cases)
    {
        Bytes bytes = Stored([&](CArchive& ar) { terms.Serialize(ar, c.parts); });
        CAuctionShipping loaded;
        ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, c.parts); }));
        EXPECT_EQ(c.flags, loaded.GetShipFlags()) << c.parts;
    }
}

TEST(AuctionShipping, TermsText)
{
    std::vector<UINT> prefectures = PrefectureIds();
    const DWORD flagValues[] = {0x01, 0x02, 0x10, 0x20, 0};
    const UINT nameIds[] = {IDT_SERVICE1, IDT_SERVICE2, IDT_SERVICE3, IDT_SERVICE4, 0};
    CAuctionShipping terms;
    terms.SetShipFlags(0x01 | 0x02 | 0x10 | 0x20);
    terms.SetPair1(CSelectValuePair(60, 1, 2, 1));
    terms.SetChoice3(1); // decided later: no detail
    terms.SetPrefecture(27);

    CShippingTermsEntryList entries;
    ASSERT_TRUE(terms.BuildShippingTermsEntries(entries, flagValues, nameIds, IDT_SIZE_UPTO, IDT_SIZE_OVER,
                                                IDT_WEIGHT_UPTO, IDT_WEIGHT_OVER, prefectures.data()));
    ASSERT_EQ(4, (int)entries.GetCount());
    EXPECT_STREQ("60cm以下 / 2kg以下", entries.GetAt(entries.FindIndex(1)).GetDetail());
    EXPECT_STREQ("大阪府", entries.GetAt(entries.FindIndex(2)).GetDetail());

    CString text;
    ASSERT_TRUE(terms.FormatShippingTermsText(text, IDT_NAME_VALUE, "、", flagValues, nameIds, IDT_SIZE_UPTO,
                                              IDT_SIZE_OVER, IDT_WEIGHT_UPTO, IDT_WEIGHT_OVER,
                                              prefectures.data()));
    EXPECT_STREQ("ネコポス、宅急便:60cm以下 / 2kg以下、はこBOON:大阪府、ゆうパック", text);

    // A missing table or format id, and a zero name id ending the walk.
    EXPECT_FALSE(terms.BuildShippingTermsEntries(entries, flagValues, nameIds, 0, IDT_SIZE_OVER,
                                                 IDT_WEIGHT_UPTO, IDT_WEIGHT_OVER, nullptr));
    const UINT shortNames[] = {IDT_SERVICE1, 0};
    ASSERT_TRUE(terms.BuildShippingTermsEntries(entries, flagValues, shortNames, IDT_SIZE_UPTO, IDT_SIZE_OVER,
                                                IDT_WEIGHT_UPTO, IDT_WEIGHT_OVER, nullptr));
    EXPECT_EQ(1, (int)entries.GetCount());
    EXPECT_FALSE(terms.FormatShippingTermsText(text, 0, "、", flagValues, nameIds, IDT_SIZE_UPTO,
                                               IDT_SIZE_OVER, IDT_WEIGHT_UPTO, IDT_WEIGHT_OVER, nullptr));
}

TEST(AuctionShipMethods, ArchiveBytes)
{
    CAuctionShipMethods methods;
    methods.AppendShipMethod(Method("A", 1, -1, 500, -1, 1000, ""));
    methods.SetShipFlags(0x2A);
    methods.SetPair1(CSelectValuePair(60, 1, 2, 0));
    methods.SetChoice2(1);
    methods.SetPrefecture(27);
    methods.SetPair3(CSelectValuePair(80, 1, 5, 1));
    Bytes bytes = Stored([&](CArchive& ar) { methods.Serialize(ar, 31, 31); });
    EXPECT_EQ(ToHex(HexBytes("01 00 00 00"
                             " 01 41 01 00 00 00 ff ff ff ff ff ff ff ff"
                             " f4 01 00 00 00 00 00 00 ff ff ff ff ff ff ff ff e8 03 00 00 00 00 00 00 00"
                             " 2a 00 00 00"
                             " 00 00 00 00 3c 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00"
                             " 01 00 00 00 1b 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                             " 00 00 00 00 50 00 00 00 01 00 00 00 05 00 00 00 01 00 00 00")),
              ToHex(bytes));

    CAuctionShipMethods loaded;
    loaded.AppendShipMethod(Method("old", 0, 1));
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 31, 31); }));
    EXPECT_TRUE(loaded.IsEqual(methods));

    for (size_t n = 0; n < bytes.size(); ++n)
    {
        Bytes cut(bytes.begin(), bytes.begin() + n);
        EXPECT_EQ(CArchiveException::endOfFile,
                  LoadCause(cut, [&](CArchive& ar) { loaded.Serialize(ar, 31, 31); }))
            << n;
    }
}

TEST(AuctionShipMethods, CorruptCountIsRefusedBeforeAnythingIsRead)
{
    for (const char* count : {"65 00 00 00", "ff ff ff ff", "00 00 00 80"})
    {
        CAuctionShipMethods loaded;
        EXPECT_EQ(CArchiveException::badIndex,
                  LoadCause(HexBytes(count), [&](CArchive& ar) { loaded.Serialize(ar, 1, 31); }))
            << count;
        EXPECT_EQ(0, loaded.GetShipMethodCount());
    }
}

TEST(AuctionShipMethods, FeeTypeNotStoredIsWorkedOut)
{
    CAuctionShipMethods methods;
    methods.AppendShipMethod(Method("fee", 4, 500));
    methods.AppendShipMethod(Method("link", 4, -1, -1, -1, -1, "http://x"));
    methods.AppendShipMethod(Method("none", 4));
    // Names, fees and links: what an item saves of its methods by default.
    Bytes bytes = Stored([&](CArchive& ar) { methods.Serialize(ar, 1, 21); });
    CAuctionShipMethods loaded;
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 1, 21); }));
    CShipMethodList list;
    loaded.GetShipMethods(list);
    ASSERT_EQ(3, (int)list.GetCount());
    EXPECT_EQ(CShipMethod::FeeOne, list.GetAt(list.FindIndex(0)).GetFeeType());
    EXPECT_EQ(CShipMethod::FeeLink, list.GetAt(list.FindIndex(1)).GetFeeType());
    EXPECT_EQ(CShipMethod::FeeNone, list.GetAt(list.FindIndex(2)).GetFeeType());
}

TEST(AuctionShipMethods, CopyAndCompare)
{
    CAuctionShipMethods a;
    a.AppendShipMethod(Method("A", 0, 100));
    a.SetShipFlags(0x10);
    CAuctionShipMethods b;
    EXPECT_FALSE(b.IsEqual(a));
    b.CopyFrom(a);
    EXPECT_TRUE(b.IsEqual(a));
    b.AppendShipMethod(Method("B", 0, 100));
    EXPECT_FALSE(b.IsEqual(a));
    a.CopyTo(b);
    EXPECT_TRUE(b.IsEqual(a));
    b.SetPrefecture(1);
    EXPECT_FALSE(b.IsEqual(a));
    CAuctionShipMethods empty1, empty2;
    EXPECT_TRUE(empty1.IsEqual(empty2));

    CShipMethod first;
    EXPECT_FALSE(empty1.GetFirstShipMethod(first));
    EXPECT_TRUE(a.GetFirstShipMethod(first));
    EXPECT_STREQ("A", first.GetName());
}

TEST(AuctionShipMethods, ShippingKind)
{
    CAuctionShipMethods m;
    EXPECT_EQ(0, m.GetShippingKind());
    m.AppendShipMethod(Method("c", 4));
    EXPECT_EQ(3, m.GetShippingKind());
    m.AppendShipMethod(Method("r", 1, -1, 100));
    EXPECT_EQ(2, m.GetShippingKind());
    CShipMethodList list;
    m.GetShipMethods(list);
    EXPECT_TRUE(HasShipMethodOfFeeType1(list));
    m.SetShipFlags(0x40);
    EXPECT_EQ(1, m.GetShippingKind());
}

TEST(AuctionShipMethods, MethodListText)
{
    CAuctionShipMethods m;
    m.AppendShipMethod(Method("A", 0, 500));
    m.AppendShipMethod(Method("B", 1, -1, 800));
    m.AppendShipMethod(Method("", 0, 100)); // not valid: left out
    m.AppendShipMethod(Method("C", 2, -1, -1, -1, -1, "http://x"));
    m.AppendShipMethod(Method("D", 3));
    m.AppendShipMethod(Method("E", 4));
    m.AppendShipMethod(Method("F", 1, 1300, 100));
    m.AppendShipMethod(Method("G", 0)); // no fee: the name alone
    CString out;
    ASSERT_TRUE(
        m.FormatShipMethodList(out, IDT_NAME_VALUE, IDT_NAME_LINK, IDT_REGION_TEXT, IDT_ARRIVAL, "/"));
    EXPECT_STREQ("A:500 円/B:地域別/C<http://x>/D/E:着払い/F:1,300 円/地域別/G", out);
    ASSERT_TRUE(m.FormatShipMethodList(out, IDT_NAME_VALUE, 0, 0, 0, ""));
    EXPECT_STREQ("A:500 円BCDEF:1,300 円G", out);
    EXPECT_FALSE(m.FormatShipMethodList(out, 0, 0, 0, 0, "/"));
}

namespace
{
struct CheckCase
{
    const char* what;
    std::vector<CShipMethod> methods;
    DWORD flags;
    int choice1, choice3;
    CSelectValuePair pair1, pair3;
    int result;
    DWORD detail;
};
} // namespace

TEST(AuctionShipMethods, CheckShipMethods)
{
    const UINT prefixIds[] = {IDT_PREPAID, IDT_PAY_ON_DELIVERY, 0};
    const UINT wholeIds[] = {IDT_NONSTANDARD, IDT_YUMAIL, 0};
    const UINT arrivalIds[] = {IDT_YUMAIL, IDT_CARRIER, 0};
    const CSelectValuePair none;
    const CSelectValuePair p60(60, 1, 2, 1), p80(80, 1, 2, 1);
    const CheckCase cases[] = {
        {"nothing", {}, 0, 0, 0, none, none, 1, 0},
        {"a fee", {Method("a", 0, 100)}, 0, 0, 0, none, none, 0, 0},
        {"link", {Method("a", 0, 100), Method("b", 2)}, 0, 0, 0, none, none, 2, 0},
        {"no fee then fee", {Method("a", 3), Method("b", 0, 1)}, 0, 0, 0, none, none, 3, 0},
        {"fee then no fee", {Method("a", 0, 1), Method("b", 3)}, 0, 0, 0, none, none, 3, 0},
        {"only no fee", {Method("a", 3), Method("b", 3)}, 0, 0, 0, none, none, 0, 1},
        {"client kind with a service", {Method("a", 4)}, 0x08, 0, 0, none, none, 4, 0},
        {"client kind with a flag only", {Method("a", 4)}, 0x01, 0, 0, none, none, 4, 0},
        {"client kind then fee", {Method("a", 4), Method("b", 0, 1)}, 0, 0, 0, none, none, 4, 0},
        {"fee then client kind", {Method("a", 0, 1), Method("b", 4)}, 0, 0, 0, none, none, 4, 0},
        {"only client kind", {Method("a", 4), Method("b", 4)}, 0, 0, 0, none, none, 0, 2},
        {"sizes differ", {}, 0x22, 0, 0, p60, p80, 8, 0},
        {"sizes equal", {}, 0x22, 0, 0, p60, p60, 0, 0},
        {"size later: no fee", {Method("a", 3)}, 0x02, 1, 0, none, none, 0, 1},
        {"size later after a fee", {Method("a", 0, 1)}, 0x02, 1, 0, none, none, 3, 0},
        {"service with a fee after no fee", {Method("a", 3)}, 0x08, 0, 0, none, none, 3, 0},
        {"refused prefix", {Method("x", 0, 1), Method("着払い便", 0, 1)}, 0, 0, 0, none, none, 5, 0x10000},
        {"refused prefix ignores case", {Method("PREPAID mail", 0, 1)}, 0, 0, 0, none, none, 5, 0},
        {"known names", {Method("定形外", 3), Method("ゆうメール", 3)}, 0x41, 0, 0, none, none, 6, 0},
        {"an unknown name", {Method("定形外", 3), Method("other", 3)}, 0, 0, 0, none, none, 0, 1},
        {"known names with a service", {Method("定形外", 3)}, 0x10, 0, 0, none, none, 0, 1},
        {"arrival name", {Method("x", 4), Method("ヤマト", 4)}, 0, 0, 0, none, none, 7, 0x10000},
        {"flags without methods", {}, 0x01, 0, 0, none, none, 0, 0},
    };
    for (const CheckCase& c : cases)
    {
        CAuctionShipMethods m;
        for (const CShipMethod& method : c.methods)
            m.AppendShipMethod(method);
        m.SetShipFlags(c.flags);
        m.SetChoice1(c.choice1);
        m.SetChoice3(c.choice3);
        m.SetPair1(c.pair1);
        m.SetPair3(c.pair3);
        DWORD detail = 0xDEAD;
        EXPECT_EQ(c.result, m.CheckShipMethods(&detail, prefixIds, wholeIds, arrivalIds)) << c.what;
        EXPECT_EQ(c.detail, detail) << c.what;
        EXPECT_EQ(c.result, m.CheckShipMethods(nullptr, prefixIds, wholeIds, arrivalIds)) << c.what;
    }
}

TEST(AuctionShipMethods, CheckWithoutTables)
{
    CAuctionShipMethods m;
    m.AppendShipMethod(Method("着払い", 3));
    DWORD detail = 0;
    EXPECT_EQ(0, m.CheckShipMethods(&detail, nullptr, nullptr, nullptr));
    EXPECT_EQ(1u, detail);
    // A table that loads no text holds every name.
    const UINT unknownIds[] = {61999, 0};
    EXPECT_EQ(6, m.CheckShipMethods(&detail, nullptr, unknownIds, nullptr));
}
