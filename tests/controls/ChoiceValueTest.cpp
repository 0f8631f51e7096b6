#include <gtest/gtest.h>

#include "afx/ArchiveBytes.h"
#include "controls/ChoiceValue.h"

TEST(ChoiceValue, LoadsOnlyValuesInRange)
{
    struct Case
    {
        const char* bytes;
        int value;
    } cases[] = {
        {"ff ff ff ff", 0},                                                                // -1
        {"01 0b 00 00", 0},                                                                // 2817
        {"00 0b 00 00", 2816}, {"00 00 00 00", 0}, {"03 00 00 00", 3}, {"00 00 00 80", 0}, // INT_MIN
    };
    for (const Case& c : cases)
    {
        CChoiceValue value;
        value.Set(99);
        EXPECT_EQ(-1, LoadCause(HexBytes(c.bytes),
                                [&](CArchive& ar) { value.Serialize(ar, CChoiceValue::SerializeValue); }))
            << c.bytes;
        EXPECT_EQ(c.value, value.GetValue()) << c.bytes;
    }
}

TEST(ChoiceValue, FlagsChooseWhetherTheValueIsStored)
{
    CChoiceValue value;
    value.Set(256);
    EXPECT_EQ("00 01 00 00",
              ToHex(Stored([&](CArchive& ar) { value.Serialize(ar, CChoiceValue::SerializeValue); })));
    EXPECT_TRUE(Stored([&](CArchive& ar) { value.Serialize(ar, 0); }).empty());

    // Loading without the flag reads nothing and still clears.
    CChoiceValue loaded;
    loaded.Set(5);
    EXPECT_EQ(-1, LoadCause(Bytes(), [&](CArchive& ar) { loaded.Serialize(ar, 0); }));
    EXPECT_TRUE(loaded.IsZero());

    // A cut-off value throws, as every short record does.
    EXPECT_NE(-1, LoadCause(HexBytes("00 01"),
                            [&](CArchive& ar) { loaded.Serialize(ar, CChoiceValue::SerializeValue); }));
}

TEST(ChoiceValue, SetTellsAChange)
{
    CChoiceValue a;
    EXPECT_TRUE(a.IsZero());
    EXPECT_TRUE(a.Set(3));
    EXPECT_FALSE(a.Set(3));
    CChoiceValue b;
    EXPECT_FALSE(a.IsEqual(b));
    b.Set(3);
    EXPECT_TRUE(a.IsEqual(b));
    a.Clear();
    EXPECT_TRUE(a.IsZero());
    EXPECT_TRUE(a.IsEqual(a));
}
