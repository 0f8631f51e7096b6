#include <gtest/gtest.h>

#include "auction/shipping/ShipEditorRules.h"
#include "auction/shipping/ShippingTestStrings.h"

namespace
{
CShipMethod Method(int feeType, LONGLONG fee, LONGLONG r1 = -1, LONGLONG r2 = -1, LONGLONG r3 = -1,
                   LPCTSTR link = "")
{
    CShipMethod m;
    m.SetName("便");
    m.SetFeeType(feeType);
    m.SetFee(fee);
    m.SetRegionFee1(r1);
    m.SetRegionFee2(r2);
    m.SetRegionFee3(r3);
    m.SetLink(link);
    return m;
}
} // namespace

TEST(ShipEditorRules, ActionsByRowAndCount)
{
    struct Case
    {
        int nRow;
        int nCount;
        BOOL add, edit, del, up, down;
    } cases[] = {
        {-1, 0, TRUE, FALSE, FALSE, FALSE, FALSE}, {0, 1, TRUE, TRUE, TRUE, FALSE, FALSE},
        {0, 3, TRUE, TRUE, TRUE, FALSE, TRUE},     {1, 3, TRUE, TRUE, TRUE, TRUE, TRUE},
        {2, 3, TRUE, TRUE, TRUE, TRUE, FALSE},     {-1, 3, TRUE, FALSE, FALSE, FALSE, FALSE},
        {9, 10, FALSE, TRUE, TRUE, TRUE, FALSE},   {-1, 10, FALSE, FALSE, FALSE, FALSE, FALSE},
        {3, 3, TRUE, FALSE, FALSE, FALSE, FALSE},  {4, 11, FALSE, TRUE, TRUE, TRUE, TRUE},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.add, CanDoShipEditAction(ShipEditAdd, c.nRow, c.nCount)) << c.nRow << "/" << c.nCount;
        EXPECT_EQ(c.edit, CanDoShipEditAction(ShipEditEdit, c.nRow, c.nCount)) << c.nRow << "/" << c.nCount;
        EXPECT_EQ(c.del, CanDoShipEditAction(ShipEditDelete, c.nRow, c.nCount)) << c.nRow << "/" << c.nCount;
        EXPECT_EQ(c.up, CanDoShipEditAction(ShipEditUp, c.nRow, c.nCount)) << c.nRow << "/" << c.nCount;
        EXPECT_EQ(c.down, CanDoShipEditAction(ShipEditDown, c.nRow, c.nCount)) << c.nRow << "/" << c.nCount;
    }
    EXPECT_FALSE(CanDoShipEditAction(5, 0, 3));
}

TEST(ShipEditorRules, FeeTextByFeeType)
{
    const UINT ids[] = {IDT_REGION1, IDT_REGION2, IDT_REGION3};
    struct Case
    {
        CShipMethod method;
        UINT typeTextId;
        const char* text;
    } cases[] = {
        {Method(0, 1500), 0, "1,500 円"},
        {Method(0, 0), 0, "0 円"},
        {Method(0, -1), 0, ""},
        {Method(1, 500, 800, -1, 1000), 0, "500 円[本州800 円／沖縄1,000 円]"},
        {Method(1, -1, 800), 0, "[本州800 円]"},
        {Method(1, 700), 0, "700 円"},
        {Method(2, 500, -1, -1, -1, "http://example.com/rates"), 0, "http://example.com/rates"},
        {Method(3, 500), IDT_ARRIVAL, "着払い"},
        {Method(4, 500), IDT_PREPAID, "Prepaid"},
        {Method(3, 500), 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text,
                     FormatShipMethodFeeText(c.method, ids, IDT_BRACKETS, IDT_SEPARATOR, c.typeTextId))
            << c.text;
}

TEST(ShipEditorRules, GroupIndexOfAStoredParcel)
{
    struct Case
    {
        int nTable;
        CSelectValue value;
        int nIndex;
    } cases[] = {
        {ParcelOptionSizes, CSelectValue(65, 1), 1},  {ParcelOptionSizes, CSelectValue(60, 1), 0},
        {ParcelOptionSizes, CSelectValue(160, 1), 5}, {ParcelOptionSizes, CSelectValue(170, 1), 5},
        {ParcelOptionSizes, CSelectValue(999, 1), 5}, {ParcelOptionSizes, CSelectValue(100, 0), 0},
        {ParcelOptionSizes, CSelectValue(0, 1), 0},   {ParcelExtraSizes, CSelectValue(170, 1), 6},
        {ParcelExtraSizes, CSelectValue(161, 1), 6},  {ParcelExtraSizes, CSelectValue(200, 1), 6},
        {ParcelGroupWeights, CSelectValue(6, 1), 2},  {ParcelGroupWeights, CSelectValue(30, 1), 5},
        {ParcelGroupWeights, CSelectValue(25, 0), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nIndex, FindParcelGroupIndex(c.nTable, c.value))
            << c.nTable << " " << c.value.GetNumber() << "/" << c.value.GetIndex();

    struct Back
    {
        int nTable;
        int nIndex;
        int nNumber;
    } backs[] = {
        {ParcelOptionSizes, 0, 60}, {ParcelOptionSizes, 5, 160}, {ParcelOptionSizes, 6, 0},
        {ParcelOptionSizes, -1, 0}, {ParcelExtraSizes, 6, 170},  {ParcelGroupWeights, 3, 15},
    };
    for (const Back& b : backs)
    {
        CSelectValue value = GetParcelGroupValue(b.nTable, b.nIndex);
        EXPECT_EQ(b.nNumber, value.GetNumber()) << b.nTable << " " << b.nIndex;
        EXPECT_EQ(1, value.GetIndex()) << b.nTable << " " << b.nIndex;
    }
}

TEST(ShipEditorRules, SizeWeightDialogIndexes)
{
    struct Case
    {
        int nTable;
        CSelectValue value;
        int nIndex;
    } cases[] = {
        {ParcelDialogSizes, CSelectValue(170, 1), 8},   {ParcelDialogSizes, CSelectValue(170, 0), 9},
        {ParcelDialogSizes, CSelectValue(60, 1), 0},    {ParcelDialogSizes, CSelectValue(60, 0), 0},
        {ParcelDialogSizes, CSelectValue(130, 1), 5},   {ParcelDialogSizes, CSelectValue(65, 1), -7},
        {ParcelDialogSizes, CSelectValue(0, 0), -7},    {ParcelDialogWeights, CSelectValue(30, 1), 15},
        {ParcelDialogWeights, CSelectValue(30, 0), 16}, {ParcelDialogWeights, CSelectValue(21, 1), 13},
        {ParcelDialogWeights, CSelectValue(3, 1), -7},
    };
    for (const Case& c : cases)
    {
        const int nIndex = FindSizeWeightIndex(c.nTable, c.value, -7);
        EXPECT_EQ(c.nIndex, nIndex) << c.nTable << " " << c.value.GetNumber() << "/" << c.value.GetIndex();
        // The index gives the value back.
        CSelectValue back(-1, -1);
        if (nIndex >= 0)
        {
            ASSERT_TRUE(GetSizeWeightValue(c.nTable, nIndex, back));
            EXPECT_EQ(c.value.GetNumber(), back.GetNumber());
            if (c.value.GetIndex() != 0 || nIndex == GetParcelTableCount(c.nTable))
            {
                EXPECT_TRUE(back.IsEqual(c.value)) << nIndex;
            }
        }
    }
    CSelectValue value;
    EXPECT_FALSE(GetSizeWeightValue(ParcelDialogSizes, 10, value));
    EXPECT_FALSE(GetSizeWeightValue(ParcelDialogWeights, -1, value));
    EXPECT_EQ(9, GetParcelTableCount(ParcelDialogSizes));
    EXPECT_EQ(16, GetParcelTableCount(ParcelDialogWeights));
}

TEST(ShipEditorRules, ServiceGroupLoads)
{
    CAuctionShipping terms;
    terms.SetShipFlags(0x01 | 0x02 | 0x20);
    terms.SetChoice1(1);
    terms.SetPair1(CSelectValuePair(65, 1, 7, 1));
    terms.SetPair3(CSelectValuePair(170, 1, 30, 1));

    CShipServiceGroupState option;
    LoadShipServiceGroup(ShipGroupOption, terms, option);
    EXPECT_TRUE(option.bChecks[0]);
    EXPECT_FALSE(option.bChecks[1]);
    EXPECT_TRUE(option.bChecks[2]);
    EXPECT_EQ(1, option.nTiming);
    EXPECT_EQ(1, option.nSize);   // 80 cm
    EXPECT_EQ(2, option.nWeight); // 10 kg

    CShipServiceGroupState extra;
    LoadShipServiceGroup(ShipGroupExtra, terms, extra);
    EXPECT_FALSE(extra.bChecks[0]);
    EXPECT_TRUE(extra.bChecks[1]);
    EXPECT_EQ(0, extra.nTiming);
    EXPECT_EQ(6, extra.nSize);   // 170 cm
    EXPECT_EQ(5, extra.nWeight); // 25 kg, the largest
}

TEST(ShipEditorRules, ServiceGroupStoresWhatIsChosen)
{
    struct Case
    {
        int nGroup;
        DWORD what;
        CShipServiceGroupState state;
        BOOL result;
        DWORD flags;
        int choice;
        CSelectValuePair pair;
    } cases[] = {
        // Flags of the boxes chosen; the others stay (0x08 and 0x40 were set).
        {ShipGroupOption,
         ShipOptionStore01 | ShipOptionStore04,
         {{TRUE, TRUE, FALSE}, 0, 2, 2},
         TRUE,
         0x4F,
         2,
         CSelectValuePair(1, 1, 1, 1)},
        {ShipGroupOption,
         ShipOptionStoreAll,
         {{FALSE, FALSE, TRUE}, 0, 2, 3},
         TRUE,
         0x4A,
         0,
         CSelectValuePair(100, 1, 15, 1)},
        // Decided later: the timing is stored and the parcel cleared.
        {ShipGroupOption,
         ShipOptionStoreAll,
         {{FALSE, FALSE, TRUE}, 1, 2, 3},
         TRUE,
         0x4A,
         1,
         CSelectValuePair()},
        // A timing that is neither 0 nor 1 counts 0; indexes outside give 0.
        {ShipGroupOption,
         ShipOptionStoreTiming | ShipOptionStoreSize,
         {{FALSE, FALSE, TRUE}, 5, 6, 0},
         TRUE,
         0x4B,
         0,
         CSelectValuePair(0, 1, 0, 0)},
        // The service's box unticked: neither timing nor parcel.
        {ShipGroupOption,
         ShipOptionStoreAll,
         {{FALSE, FALSE, FALSE}, 0, 2, 3},
         TRUE,
         0x48,
         2,
         CSelectValuePair(1, 1, 1, 1)},
        {ShipGroupOption, 0, {{TRUE, TRUE, TRUE}, 0, 2, 3}, FALSE, 0x4B, 2, CSelectValuePair(1, 1, 1, 1)},
        {ShipGroupExtra,
         ShipExtraStoreAll,
         {{FALSE, TRUE, FALSE}, 0, 6, 1},
         TRUE,
         0x2B,
         0,
         CSelectValuePair(170, 1, 5, 1)},
        {ShipGroupExtra,
         ShipExtraStore40 | ShipExtraStoreWeight,
         {{FALSE, TRUE, FALSE}, 0, 6, 1},
         TRUE,
         0x0B,
         2,
         CSelectValuePair(0, 0, 5, 1)},
    };
    for (const Case& c : cases)
    {
        CAuctionShipping terms;
        terms.SetShipFlags(0x4B);
        terms.SetChoice1(2);
        terms.SetChoice3(2);
        terms.SetPair1(CSelectValuePair(1, 1, 1, 1));
        terms.SetPair3(CSelectValuePair(1, 1, 1, 1));
        EXPECT_EQ(c.result, StoreShipServiceGroup(c.nGroup, terms, c.what, c.state))
            << c.nGroup << " " << c.what;
        EXPECT_EQ(c.flags, terms.GetShipFlags()) << c.nGroup << " " << c.what;
        const BOOL bOption = c.nGroup == ShipGroupOption;
        EXPECT_EQ(c.choice, bOption ? terms.GetChoice1() : terms.GetChoice3()) << c.nGroup << " " << c.what;
        const CSelectValuePair& pair = bOption ? terms.GetPair1() : terms.GetPair3();
        EXPECT_EQ(c.pair.GetFirst().GetNumber(), pair.GetFirst().GetNumber()) << c.nGroup << " " << c.what;
        EXPECT_EQ(c.pair.GetFirst().GetIndex(), pair.GetFirst().GetIndex()) << c.nGroup << " " << c.what;
        EXPECT_EQ(c.pair.GetSecond().GetNumber(), pair.GetSecond().GetNumber()) << c.nGroup << " " << c.what;
        EXPECT_EQ(c.pair.GetSecond().GetIndex(), pair.GetSecond().GetIndex()) << c.nGroup << " " << c.what;
        // The other group's words are untouched.
        EXPECT_EQ(2, bOption ? terms.GetChoice3() : terms.GetChoice1());
    }
}
