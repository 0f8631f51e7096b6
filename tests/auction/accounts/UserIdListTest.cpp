// What the user-ID dialogs accept and what the list dialog reports after
// its rows were added, edited and deleted.
#include "AccountTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserIdChecks.h"
#include "auction/accounts/UserIdListData.h"
#include "auction/accounts/UserIdResourceIds.h"

#include <gtest/gtest.h>

#include <string>

TEST(UserIdChecks, IdsAndPasswordsAreHalfWidthAndNotEmpty)
{
    const std::string s32(32, 'p');
    const std::string s33(33, 'p');
    const struct
    {
        const char* text;
        UINT nId;       // CheckUserIdText
        UINT nPassword; // CheckPasswordText
    } cases[] = {
        {"", IDS_USERID_EMPTY, IDS_USERID_EMPTY},
        {"taro_01", 0, 0},
        {"a-b.c", 0, 0},
        {"たろう", IDS_USERID_NOT_ASCII, IDS_USERID_NOT_ASCII},
        {"taroｱ", IDS_USERID_NOT_ASCII, IDS_USERID_NOT_ASCII}, // half-width katakana
        {"ｔａｒｏ", IDS_USERID_NOT_ASCII, IDS_USERID_NOT_ASCII},
        {s32.c_str(), 0, 0},
        {s33.c_str(), 0, IDS_PASSWORD_TOO_LONG},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.nId, CheckUserIdText(c.text)) << c.text;
        EXPECT_EQ(c.nPassword, CheckPasswordText(c.text)) << c.text;
    }
    EXPECT_EQ((UINT)IDS_USERID_EMPTY, CheckUserIdText(nullptr));
    EXPECT_EQ((UINT)IDS_USERID_EMPTY, CheckPasswordText(nullptr));
}

TEST(UserIdChecks, NewIdMayNotRepeatAnExistingOneInAnyCase)
{
    CStringList existing;
    for (const char* id : {"Taro", "hanako"})
        existing.AddTail(LowerUserId(id));
    EXPECT_EQ(CString("taro"), existing.GetHead());

    const struct
    {
        const char* id;
        UINT nMessage;
    } cases[] = {
        {"taro", IDS_USERID_EXISTS},   {"TARO", IDS_USERID_EXISTS},
        {"Hanako", IDS_USERID_EXISTS}, {"taro2", 0},
        {"", IDS_USERID_EMPTY},        {"たろう", IDS_USERID_NOT_ASCII},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nMessage, CheckNewUserId(c.id, existing)) << c.id;
    EXPECT_EQ(0u, CheckNewUserId("taro", CStringList()));
}

TEST(UserIdChecks, PasswordOfAnExistingEntryChangesOnlyWhenItDiffers)
{
    const struct
    {
        BOOL bEditExisting;
        const char* stored;
        const char* entered;
        BOOL bChanged;
    } cases[] = {
        {FALSE, "", "pw", TRUE},  {FALSE, "pw", "pw", TRUE}, {TRUE, "pw", "pw", FALSE},
        {TRUE, "pw", "PW", TRUE}, {TRUE, "pw", "pw2", TRUE}, {TRUE, "", "pw", TRUE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bChanged, IsPasswordChanged(c.bEditExisting, c.stored, c.entered))
            << c.bEditExisting << " " << c.stored << " " << c.entered;
}

namespace
{
// The list dialog's data with three accounts handed in.
class UserIdListDataTest : public ::testing::Test
{
protected:
    UserIdListDataTest()
    {
        data.AddEntry(Account("alpha", "pw-a", "一つ目"));
        data.AddEntry(Account("Beta", "pw-b", "二つ目"));
        data.AddEntry(Account("gamma", "pw-c", ""));
        data.ResetRows();
    }
    std::string Entry(int nIndex)
    {
        CUserAccount out = Account("?", "?", "?");
        if (!data.GetEntry(nIndex, out))
            return "(none)";
        return std::string(out.GetID()) + "/" + (LPCTSTR)out.GetPassword() + "/" + (LPCTSTR)out.GetMemo();
    }
    std::string Added(int nIndex)
    {
        CUserAccount out = Account("?", "?", "?");
        if (!data.GetAddedEntry(nIndex, out))
            return "(none)";
        return std::string(out.GetID()) + "/" + (LPCTSTR)out.GetPassword() + "/" + (LPCTSTR)out.GetMemo();
    }

    CUserIdListData data;
};
} // namespace

TEST_F(UserIdListDataTest, RowsStartAsHandedIn)
{
    ASSERT_EQ(3, data.GetRowCount());
    EXPECT_EQ(CString("Beta"), data.GetRow(1)->strId);
    EXPECT_EQ(CString("pw-b"), data.GetRow(1)->strPassword);
    EXPECT_EQ(USERID_ROW_HANDED_IN, data.GetRow(1)->nState);
    EXPECT_EQ(nullptr, data.GetRow(3));
    EXPECT_FALSE(data.IsChanged());
    EXPECT_EQ(1, data.FindEntry("BETA"));
    EXPECT_EQ(-1, data.FindEntry("delta"));
    EXPECT_EQ(-1, data.FindEntry(""));
    EXPECT_TRUE(data.HasEntry("Gamma"));
    EXPECT_EQ("alpha/pw-a/一つ目", Entry(0));
    EXPECT_EQ("(none)", Entry(3));
    EXPECT_EQ("(none)", Entry(-1));
}

TEST_F(UserIdListDataTest, MemoEditOfTheSecondRowReportsEntryOneModifiedAndNothingAdded)
{
    ASSERT_TRUE(data.EditRow(1, "メモだけ", "pw-b"));
    EXPECT_TRUE(data.IsChanged());
    EXPECT_EQ(USERID_ROW_CHANGED, data.GetRow(1)->nState);
    data.CommitRows();
    EXPECT_EQ(3, data.GetEntryCount());
    EXPECT_EQ(0, data.GetAddedCount());
    EXPECT_TRUE(data.IsModified(1));
    EXPECT_TRUE(data.IsModified(-1));
    EXPECT_FALSE(data.IsModified(0));
    EXPECT_FALSE(data.IsModified(2));
    EXPECT_EQ("Beta/pw-b/メモだけ", Entry(1));
    EXPECT_EQ("alpha/pw-a/一つ目", Entry(0));
}

TEST_F(UserIdListDataTest, AddedEditedAndDeletedRowsEndInTheirPlaces)
{
    EXPECT_EQ(3, data.AddRow("delta", "追加", "pw-d"));
    ASSERT_TRUE(data.EditRow(3, "追加して編集", "pw-d2")); // an added row stays added
    ASSERT_TRUE(data.DeleteRow(0));
    ASSERT_TRUE(data.EditRow(1, "", "new-c")); // gamma, now the second row
    EXPECT_FALSE(data.EditRow(4, "", ""));
    EXPECT_FALSE(data.DeleteRow(-1));
    data.CommitRows();

    ASSERT_EQ(2, data.GetEntryCount());
    EXPECT_EQ("Beta/pw-b/二つ目", Entry(0));
    EXPECT_EQ("gamma/new-c/", Entry(1));
    EXPECT_FALSE(data.IsModified(0));
    EXPECT_TRUE(data.IsModified(1));
    ASSERT_EQ(1, data.GetAddedCount());
    EXPECT_EQ("delta/pw-d2/追加して編集", Added(0));
    EXPECT_EQ("(none)", Added(1));
    EXPECT_FALSE(data.HasEntry("alpha"));
}

TEST_F(UserIdListDataTest, AccountOfARowForTheLogInTest)
{
    data.AddRow("delta", "追加", "pw-d");
    data.EditRow(2, "", "pw-c2");
    const struct
    {
        int nRow;
        const char* id;
        const char* password;
    } cases[] = {{1, "Beta", "pw-b"}, {2, "gamma", "pw-c2"}, {3, "delta", "pw-d"}};
    for (const auto& c : cases)
    {
        CUserAccount account;
        ASSERT_TRUE(data.GetRowAccount(c.nRow, account)) << c.nRow;
        EXPECT_EQ(CString(c.id), account.GetID()) << c.nRow;
        EXPECT_EQ(CString(c.password), account.GetPassword()) << c.nRow;
    }
    CUserAccount none = Account("keep", "k", "");
    EXPECT_FALSE(data.GetRowAccount(4, none));
    EXPECT_EQ(CString("keep"), none.GetID());
}

TEST(UserIdListData, PlainEntriesCopyWithoutPasswords)
{
    CUserIdListData data;
    data.AddEntry(CUserIdEntry("suzuki", "取引先"));
    CUserAccount out = Account("x", "keep", "y");
    ASSERT_TRUE(data.GetEntry(0, out));
    EXPECT_EQ(CString("suzuki"), out.GetID());
    EXPECT_EQ(CString("取引先"), out.GetMemo());
    EXPECT_EQ(CString("keep"), out.GetPassword());
    CUserIdEntry entry;
    ASSERT_TRUE(data.GetEntry(0, entry));
    EXPECT_EQ(CString("suzuki"), entry.GetID());
}
