#include <gtest/gtest.h>

#include <memory>

#include "afx/ArchiveBytes.h"
#include "auction/accounts/UserAccount.h"
#include "text/Scramble.h"

TEST(UserIdEntry, ValidityAndClone)
{
    CUserIdEntry entry;
    EXPECT_FALSE(entry.IsValid());
    entry.SetID("user1");
    entry.SetMemo("main");
    EXPECT_TRUE(entry.IsValid());
    std::unique_ptr<CUserIdEntry> clone(entry.Clone());
    entry.SetID("changed");
    EXPECT_STREQ("user1", clone->GetID());
    EXPECT_STREQ("main", clone->GetMemo());
}

TEST(UserIdEntry, ArchiveBytes)
{
    CUserIdEntry entry("ab", "メモ");
    Bytes bytes = Stored([&](CArchive& ar) { entry.Serialize(ar, 0); });
    EXPECT_EQ(ToHex(HexBytes("02 61 62 04 83 81 83 82")), ToHex(bytes));
    CUserIdEntry loaded("old", "old");
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 0); }));
    EXPECT_STREQ("ab", loaded.GetID());
    EXPECT_STREQ("メモ", loaded.GetMemo());
}

TEST(UserAccount, ValidNeedsIdAndPassword)
{
    CUserAccount account;
    account.SetID("user1");
    EXPECT_FALSE(account.IsValid());
    ASSERT_TRUE(account.SetPassword("pw"));
    EXPECT_TRUE(account.IsValid());
    account.SetID("");
    EXPECT_FALSE(account.IsValid());
}

TEST(UserAccount, CloneIsIndependent)
{
    CUserAccount account;
    account.SetID("user1");
    account.SetPassword("secret");
    account.SetMemo("memo");
    std::unique_ptr<CUserAccount> clone(account.Clone());
    account.SetPassword("other");
    account.SetMemo("x");
    EXPECT_STREQ("user1", clone->GetID());
    EXPECT_STREQ("secret", clone->GetPassword());
    EXPECT_STREQ("memo", clone->GetMemo());

    // Through the base's table too.
    const CUserIdEntry& base = *clone;
    std::unique_ptr<CUserIdEntry> again(base.Clone());
    ASSERT_NE(nullptr, dynamic_cast<CUserAccount*>(again.get()));
    EXPECT_STREQ("secret", static_cast<CUserAccount*>(again.get())->GetPassword());
}

TEST(UserAccount, PasswordsLongerThan32BytesAreRefused)
{
    CUserAccount account;
    ASSERT_TRUE(account.SetPassword("12345678901234567890123456789012"));
    EXPECT_FALSE(account.SetPassword("123456789012345678901234567890123"));
    EXPECT_STREQ("12345678901234567890123456789012", account.GetPassword());
    // Counted in bytes: 17 two-byte characters are 34 bytes.
    EXPECT_FALSE(account.SetPassword("あいうえおかきくけこさしすせそたち"));
    EXPECT_TRUE(account.SetPassword("あいうえおかきくけこさしすせそた"));
    EXPECT_TRUE(account.SetPassword(""));
    EXPECT_TRUE(account.GetPassword().IsEmpty());
}

TEST(UserAccount, ArchiveHoldsThePasswordScrambled)
{
    CUserAccount account;
    account.SetID("id");
    account.SetMemo("m");
    account.SetPassword("pa ss");
    Bytes bytes = Stored([&](CArchive& ar) { account.Serialize(ar, 0); });
    // ID, memo, then a 510-character text: 0xFF and the length as a WORD.
    Bytes head = HexBytes("02 69 64 01 6d ff fe 01");
    ASSERT_EQ(head.size() + 510, bytes.size());
    EXPECT_EQ(ToHex(head), ToHex(Bytes(bytes.begin(), bytes.begin() + head.size())));
    std::string scrambled(bytes.begin() + head.size(), bytes.end());
    for (char ch : scrambled)
        ASSERT_TRUE(ch >= 0x20 && ch <= 0x2F);
    EXPECT_EQ(std::string::npos, scrambled.find("pa ss"));
    CString plain;
    ASSERT_TRUE(DecodeScrambledText32(scrambled.c_str(), plain));
    EXPECT_STREQ("pa ss", plain);

    CUserAccount loaded;
    loaded.SetPassword("old");
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 0); }));
    EXPECT_STREQ("id", loaded.GetID());
    EXPECT_STREQ("m", loaded.GetMemo());
    EXPECT_STREQ("pa ss", loaded.GetPassword());
}

TEST(UserAccount, EmptyPasswordIsStoredScrambledToo)
{
    CUserAccount account;
    account.SetID("id");
    Bytes bytes = Stored([&](CArchive& ar) { account.Serialize(ar, 0); });
    EXPECT_EQ(3u + 1 + 3 + 510, bytes.size());
    CUserAccount loaded;
    loaded.SetPassword("old");
    ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, 0); }));
    EXPECT_TRUE(loaded.GetPassword().IsEmpty());
}

TEST(UserAccount, StoredTextOfAnotherLengthGivesNoPassword)
{
    // "id", "", then a scrambled text of 3 characters.
    CUserAccount loaded;
    loaded.SetPassword("old");
    ASSERT_EQ(-1,
              LoadCause(HexBytes("02 69 64 00 03 21 22 23"), [&](CArchive& ar) { loaded.Serialize(ar, 0); }));
    EXPECT_STREQ("id", loaded.GetID());
    EXPECT_TRUE(loaded.GetPassword().IsEmpty());
}

TEST(UserAccount, TruncatedArchiveThrows)
{
    CUserAccount account;
    account.SetID("id");
    account.SetPassword("pw");
    Bytes bytes = Stored([&](CArchive& ar) { account.Serialize(ar, 0); });
    ASSERT_EQ(3u + 1 + 3 + 510, bytes.size());
    for (size_t n : {0, 1, 3, 4, 6, 200, 516})
    {
        Bytes cut(bytes.begin(), bytes.begin() + n);
        CUserAccount loaded;
        EXPECT_EQ(CArchiveException::endOfFile,
                  LoadCause(cut, [&](CArchive& ar) { loaded.Serialize(ar, 0); }))
            << n;
    }
}
