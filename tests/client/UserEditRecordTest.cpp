#include <gtest/gtest.h>

#include "afx/ArchiveBytes.h"
#include "client/ClientTestSupport.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"

namespace
{
typedef TanzoAuctionItemUserEdit Record;

const LONGLONG kNow = 1700000000; // 0x6553F100

// "x123", memo "メモ", state 3, touched at kNow, local number 7, mark 256,
// buyers "ab" (flag 1) and "cd" (flag 6).
Record SampleRecord()
{
    CClockScope clock{CTime(kNow)};
    TanzoAuctionItem item;
    item.SetAuctionID("x123").SetLocalNumber(7);
    item.SetMemo("メモ");
    item.GetUserState().SetMark(256);
    item.GetUserState().AddFlags(3);
    item.GetUserState().AddActionFlags(8); // never stored
    item.AddBuyerValues("ab", 500, 2, 2);
    item.AddBuyerValues("cd", 0, 1, 1);
    TanzoAuctionBuyer buyer;
    item.GetBuyerAt(0, buyer);
    buyer.SetFlags(1);
    item.SetBuyerAt(0, buyer);
    item.GetBuyerAt(1, buyer);
    buyer.SetFlags(6);
    item.SetBuyerAt(1, buyer);
    return Record(item);
}

const char kVersion1Bytes[] =
    "02 00 00 00  04 78 31 32 33  04 83 81 83 82  03 00 00 00  00 f1 53 65  07 00 00 00";
const char kVersion2Tail[] = "00 01 00 00  02 00 00 00  02 61 62 01 00 00 00  02 63 64 06 00 00 00";

Bytes Version2Bytes()
{
    return HexBytes((std::string(kVersion1Bytes) + " " + kVersion2Tail).c_str());
}

int Load(const Bytes& bytes, int fileVersion, Record& record)
{
    return LoadCause(bytes, [&](CArchive& ar) { record.Serialize(ar, fileVersion); });
}
} // namespace

TEST(UserEditRecord, WritesTheBytesOfBothFileVersions)
{
    Record record = SampleRecord();
    EXPECT_EQ(ToHex(HexBytes(kVersion1Bytes)), ToHex(Stored([&](CArchive& ar) { record.Serialize(ar, 1); })));
    EXPECT_EQ(ToHex(Version2Bytes()), ToHex(Stored([&](CArchive& ar) { record.Serialize(ar, 2); })));
}

TEST(UserEditRecord, ReadsBothFileVersions)
{
    Record record;
    ASSERT_EQ(-1, Load(Version2Bytes(), 2, record));
    EXPECT_STREQ("x123", record.GetAuctionID());
    EXPECT_STREQ("メモ", record.GetMemo());
    EXPECT_EQ(3u, record.GetFlags());
    EXPECT_EQ(0u, record.GetActionFlags());
    EXPECT_EQ(kNow, record.GetUpdateTime().GetTime());
    EXPECT_EQ(7, record.GetLocalNumber());
    EXPECT_EQ(256, record.GetMark());
    CTanzoAuctionBuyerList buyers;
    ASSERT_TRUE(record.GetBuyers(buyers));
    ASSERT_EQ(2, (int)buyers.GetCount());
    // A stored buyer is its name and flags; the rest is a new buyer's.
    const TanzoAuctionBuyer& first = buyers.GetHead();
    EXPECT_STREQ("ab", first.GetName());
    EXPECT_EQ(1u, first.GetFlags());
    EXPECT_EQ(0, first.GetAmount());
    EXPECT_EQ(1, first.GetCount());
    EXPECT_EQ(1, first.GetState());
    EXPECT_EQ(6u, buyers.GetTail().GetFlags());

    Record old;
    ASSERT_EQ(-1, Load(HexBytes(kVersion1Bytes), 1, old));
    EXPECT_STREQ("x123", old.GetAuctionID());
    EXPECT_EQ(0, old.GetMark());
    EXPECT_EQ(0, old.GetBuyerCount());
}

TEST(UserEditRecord, LoadingRefusesOrMendsBadValues)
{
    const struct
    {
        const char* what;
        const char* bytes;
        int fileVersion;
        int cause;
        int mark;
        DWORD flags;
    } cases[] = {
        {"mark out of range", "02000000 00 00 00000000 00000000 ffffffff b80b0000 00000000", 2, -1, 0, 0},
        {"largest mark", "02000000 00 00 00000000 00000000 ffffffff 000b0000 00000000", 2, -1, 2816, 0},
        {"unknown state flags", "02000000 00 00 07000000 00000000 ffffffff 00000000 00000000", 2, -1, 0, 3},
        {"record version 1", "01000000 00 00 00000000 00000000 ffffffff", 1, -1, 0, 0},
        {"record version 3", "03000000 00 00 00000000 00000000 ffffffff", 1, CArchiveException::badSchema, 0,
         0},
        {"record version 0", "00000000", 1, CArchiveException::badSchema, 0, 0},
        {"truncated", "02000000 04 78 31", 1, CArchiveException::endOfFile, 0, 0},
        {"no buyers after the count", "02000000 00 00 00000000 00000000 ffffffff 00000000 02000000", 2,
         CArchiveException::endOfFile, 0, 0},
        {"buyer count beyond reason", "02000000 00 00 00000000 00000000 ffffffff 00000000 ffffff7f", 2,
         CArchiveException::badIndex, 0, 0},
    };
    for (const auto& c : cases)
    {
        Record record;
        EXPECT_EQ(c.cause, Load(HexBytes(c.bytes), c.fileVersion, record)) << c.what;
        if (c.cause == -1)
        {
            EXPECT_EQ(c.mark, record.GetMark()) << c.what;
            EXPECT_EQ(c.flags, record.GetFlags()) << c.what;
        }
    }
    // Every prefix of a good record ends in an archive exception, never more.
    const Bytes whole = Version2Bytes();
    for (size_t n = 0; n < whole.size(); ++n)
    {
        Record record;
        EXPECT_NE(-1, Load(Bytes(whole.begin(), whole.begin() + (long)n), 2, record)) << n;
    }
}

TEST(UserEditRecord, OneBuyerIsNoBuyerList)
{
    TanzoAuctionItem item;
    item.SetAuctionID("x1");
    item.AddBuyerValues("only", 100, 1, 1);
    EXPECT_EQ(0, Record(item).GetBuyerCount());
    item.AddBuyerValues("second", 100, 1, 1);
    EXPECT_EQ(2, Record(item).GetBuyerCount());
}

TEST(UserEditRecord, EmptyMeansNothingWorthKeeping)
{
    CClockScope clock{CTime(kNow)};
    Record fresh;
    EXPECT_EQ(kNow, fresh.GetUpdateTime().GetTime());
    EXPECT_FALSE(fresh.IsEmpty());
    EXPECT_TRUE(fresh.IsEmpty(TRUE));

    TanzoAuctionItem item;
    item.SetAuctionID("x1");
    Record idAndTime(item);
    EXPECT_TRUE(idAndTime.IsEmpty(TRUE));
    EXPECT_FALSE(idAndTime.IsEmpty(FALSE));

    const struct
    {
        const char* what;
        void (*change)(TanzoAuctionItem&);
    } kept[] = {
        {"local number 0", [](TanzoAuctionItem& i) { i.SetLocalNumber(0); }},
        {"memo", [](TanzoAuctionItem& i) { i.SetMemo("m"); }},
        {"mark", [](TanzoAuctionItem& i) { i.GetUserState().SetMark(1); }},
        {"state flag", [](TanzoAuctionItem& i) { i.GetUserState().AddFlags(2); }},
        {"action flag", [](TanzoAuctionItem& i) { i.GetUserState().AddActionFlags(1); }},
        {"buyers",
         [](TanzoAuctionItem& i)
         {
             i.AddBuyerValues("a", 0, 1, 1);
             i.AddBuyerValues("b", 0, 1, 1);
         }},
    };
    for (const auto& c : kept)
    {
        TanzoAuctionItem changed;
        changed.SetAuctionID("x1");
        c.change(changed);
        EXPECT_FALSE(Record(changed).IsEmpty(TRUE)) << c.what;
    }
    Record reset = SampleRecord();
    reset.Reset();
    EXPECT_TRUE(reset.IsEmpty());
}

TEST(UserEditRecord, RecentForOneHundredAndTwentyDays)
{
    CClockScope clock{CTime(kNow)};
    const struct
    {
        LONGLONG age;
        BOOL recent;
    } cases[] = {{0, TRUE}, {10368000, TRUE}, {10368001, FALSE}, {-86400, TRUE}, {kNow, FALSE}};
    for (const auto& c : cases)
    {
        Record record;
        record.SetUpdateTime(CTime(kNow - c.age));
        EXPECT_EQ(c.recent, record.IsRecent()) << c.age;
    }
}

TEST(UserEditRecord, CopiesAreWhole)
{
    Record source = SampleRecord();
    source.AddActionFlags(4);
    Record copy(source);
    EXPECT_STREQ("x123", copy.GetAuctionID());
    EXPECT_EQ(2, copy.GetBuyerCount());
    EXPECT_EQ(12u, copy.GetActionFlags()); // 8 came from the item
    Record assigned;
    assigned = source;
    EXPECT_EQ(256, assigned.GetMark());
    EXPECT_EQ(kNow, assigned.GetUpdateTime().GetTime());
    assigned = assigned;
    EXPECT_EQ(2, assigned.GetBuyerCount());
}
