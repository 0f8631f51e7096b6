#include <gtest/gtest.h>

#include "afx/ArchiveBytes.h"
#include "auction/records/AuctionBuyer.h"

TEST(AuctionBuyer, ConstructionAndClear)
{
    AuctionBuyer buyer("taro", 1500, 2, 2);
    EXPECT_STREQ("taro", buyer.GetName());
    EXPECT_EQ(1500, buyer.GetAmount());
    EXPECT_EQ(2, buyer.GetCount());
    EXPECT_EQ(2, buyer.GetState());
    EXPECT_STREQ("AuctionBuyer", buyer.GetTypeName());
    buyer.Clear();
    EXPECT_TRUE(buyer.GetName().IsEmpty());
    EXPECT_EQ(0, buyer.GetAmount());
    EXPECT_EQ(0, buyer.GetCount());
    EXPECT_EQ(1, buyer.GetState());
    AuctionBuyer unnamed(nullptr);
    EXPECT_TRUE(unnamed.GetName().IsEmpty());
}

TEST(AuctionBuyer, EqualityIgnoresTheCaseOfTheName)
{
    AuctionBuyer a("Taro_X", 100, 1, 1);
    EXPECT_TRUE(a.IsEqual(AuctionBuyer("taro_x", 100, 1, 1)));
    EXPECT_TRUE(a.IsDifferent(AuctionBuyer("taro_x", 101, 1, 1)));
    EXPECT_TRUE(a.IsDifferent(AuctionBuyer("taro_x", 100, 2, 1)));
    EXPECT_TRUE(a.IsDifferent(AuctionBuyer("taro_x", 100, 1, 2)));
    EXPECT_TRUE(a.IsDifferent(AuctionBuyer("taro_y", 100, 1, 1)));
    // Two-byte names: a trail byte that looks like a letter is not folded
    // ("ア" is 0x83 0x41, "ャ" 0x83 0x61).
    EXPECT_TRUE(AuctionBuyer("ア").IsDifferent(AuctionBuyer("ャ")));
    EXPECT_TRUE(AuctionBuyer("ｱB").IsEqual(AuctionBuyer("ｱb")));
}

TEST(AuctionBuyer, ArchiveBytesAllFields)
{
    AuctionBuyer buyer("bob", 0x100000002LL, 3, 2);
    Bytes bytes = Stored([&](CArchive& ar) { buyer.Serialize(ar, 15); });
    EXPECT_EQ(ToHex(HexBytes("03 62 6f 62"
                             " 02 00 00 00 01 00 00 00"
                             " 03 00 00 00"
                             " 02 00 00 00")),
              ToHex(bytes));
    AuctionBuyer loaded("old", 9, 9, 2);
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 15); }));
    EXPECT_TRUE(loaded.IsEqual(buyer));
    EXPECT_EQ(0x100000002LL, loaded.GetAmount());
}

TEST(AuctionBuyer, NegativeAmountIsWrittenLowWordFirst)
{
    AuctionBuyer buyer("", -2, 0, 1);
    Bytes bytes = Stored([&](CArchive& ar) { buyer.Serialize(ar, 2); });
    EXPECT_EQ(ToHex(HexBytes("fe ff ff ff ff ff ff ff")), ToHex(bytes));
    AuctionBuyer loaded;
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 2); }));
    EXPECT_EQ(-2, loaded.GetAmount());
}

TEST(AuctionBuyer, LoadingClearsAndRepairsTheState)
{
    struct Case
    {
        const char* bytes;
        DWORD flags;
        int state;
    } cases[] = {
        {"05 00 00 00", 8, 1}, {"00 00 00 00", 8, 1}, {"ff ff ff ff", 8, 1},
        {"02 00 00 00", 8, 2}, {"01 00 00 00", 8, 1},
    };
    for (const Case& c : cases)
    {
        AuctionBuyer loaded("old", 5, 5, 2);
        ASSERT_EQ(-1, LoadCause(HexBytes(c.bytes), [&](CArchive& ar) { loaded.Serialize(ar, c.flags); }));
        EXPECT_EQ(c.state, loaded.GetState()) << c.bytes;
        EXPECT_TRUE(loaded.GetName().IsEmpty());
        EXPECT_EQ(0, loaded.GetAmount());
    }

    AuctionBuyer nameOnly("old", 5, 5, 2);
    ASSERT_EQ(-1, LoadCause(HexBytes("02 61 62"), [&](CArchive& ar) { nameOnly.Serialize(ar, 1); }));
    EXPECT_TRUE(nameOnly.IsEqual(AuctionBuyer("ab", 0, 0, 1)));
}

TEST(AuctionBuyer, TruncatedArchiveThrowsAtEveryCut)
{
    AuctionBuyer buyer("bob", 7, 3, 2);
    Bytes bytes = Stored([&](CArchive& ar) { buyer.Serialize(ar, 15); });
    for (size_t n = 0; n < bytes.size(); ++n)
    {
        AuctionBuyer loaded;
        Bytes cut(bytes.begin(), bytes.begin() + n);
        EXPECT_EQ(CArchiveException::endOfFile,
                  LoadCause(cut, [&](CArchive& ar) { loaded.Serialize(ar, 15); }))
            << n;
    }
}
