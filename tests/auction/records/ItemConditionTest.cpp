#include <gtest/gtest.h>

#include "afx/ArchiveBytes.h"
#include "auction/records/ItemCondition.h"

TEST(ItemCondition, NewAndClearedRecordHoldsCodeFive)
{
    CItemCondition condition;
    EXPECT_EQ(5, condition.GetCondition());
    condition.SetCondition(1);
    condition.SetComment("傷あり");
    condition.Clear();
    EXPECT_EQ(5, condition.GetCondition());
    EXPECT_TRUE(condition.GetComment().IsEmpty());
}

TEST(ItemCondition, EqualityIsExactOnTheComment)
{
    CItemCondition a, b;
    a.SetComment("Scratch");
    b.SetComment("scratch");
    EXPECT_FALSE(a.IsEqual(b));
    b.SetComment("Scratch");
    EXPECT_TRUE(a.IsEqual(b));
    b.SetCondition(0);
    EXPECT_FALSE(a.IsEqual(b));
}

TEST(ItemCondition, ArchiveBytes)
{
    CItemCondition condition;
    condition.SetCondition(3);
    condition.SetComment("ab");
    Bytes bytes = Stored([&](CArchive& ar) { condition.Serialize(ar, 3); });
    EXPECT_EQ(ToHex(HexBytes("03 00 00 00 02 61 62")), ToHex(bytes));

    CItemCondition loaded;
    loaded.SetComment("old");
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 3); }));
    EXPECT_TRUE(loaded.IsEqual(condition));
}

TEST(ItemCondition, LoadingTakesDefaultsForWhatIsMissingOrOutOfRange)
{
    struct Case
    {
        const char* bytes;
        DWORD parts;
        int code;
        const char* comment;
    } cases[] = {
        {"09 00 00 00", 1, 5, ""}, {"ff ff ff ff", 1, 5, ""}, {"07 00 00 00", 1, 7, ""},
        {"00 00 00 00", 1, 0, ""}, {"01 78", 2, 5, "x"}, // the comment alone: code stays the default
    };
    for (const Case& c : cases)
    {
        CItemCondition loaded;
        loaded.SetCondition(2);
        loaded.SetComment("old");
        ASSERT_EQ(-1, LoadCause(HexBytes(c.bytes), [&](CArchive& ar) { loaded.Serialize(ar, c.parts); }))
            << c.bytes;
        EXPECT_EQ(c.code, loaded.GetCondition()) << c.bytes;
        EXPECT_STREQ(c.comment, loaded.GetComment()) << c.bytes;
    }
}

TEST(ItemCondition, TruncatedArchiveThrows)
{
    CItemCondition loaded;
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause(HexBytes("03 00 00 00 05 61"), [&](CArchive& ar) { loaded.Serialize(ar, 3); }));
}
