// The profile section of a dialog: "Dialog\" plus its settings id, numbered
// keys, lists that end at the first empty value, and histories that always
// write every key.
#include "ProfileTestUtil.h"
#include "TestAppComm.h"

#include "afx/Profile.h"
#include "app/DialogProfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Settings ids of this test only: other test programs share the profile.
const UINT kId = 61901;
const UINT kOtherId = 61902;

class DialogProfileTest : public ::testing::Test
{
protected:
    DialogProfileTest()
    {
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
        Cleanup();
    }
    ~DialogProfileTest() override { Cleanup(); }
    void Cleanup()
    {
        for (UINT id : {kId, kOtherId})
            AfxProfileDelete(app.GetProfileSectionKey(GetDialogProfileSection(id)), nullptr);
    }
    std::string Stored(UINT id, const char* key)
    {
        return StoredProfileValue(app, GetDialogProfileSection(id), key);
    }
    void Store(UINT id, const char* key, const char* value) { WriteDialogProfileString(id, key, value); }

    CTestAppComm app;
};

TEST_F(DialogProfileTest, SectionAndKeys)
{
    EXPECT_EQ(CString("Dialog\\561"), GetDialogProfileSection(561));
    EXPECT_EQ(CString("FindString01"), FormatDialogProfileKey("FindString%02d", 1));
    EXPECT_EQ(CString("Category012"), FormatDialogProfileKey("Category%03d", 12));
    EXPECT_EQ(CString("Software\\Velmar Soft\\Tanzo3\\Dialog\\61901"),
              app.GetProfileSectionKey(GetDialogProfileSection(kId)));
}

TEST_F(DialogProfileTest, ValuesOfOneDialogStayInItsSection)
{
    WriteDialogProfileInt(kId, "Width", 640);
    WriteDialogProfileString(kOtherId, "Width", "x");
    EXPECT_EQ(640, GetDialogProfileInt(kId, "Width", 1));
    EXPECT_EQ(7, GetDialogProfileInt(kOtherId, "Height", 7));
    CString strValue;
    GetDialogProfileString(kOtherId, "Width", strValue);
    EXPECT_EQ(CString("x"), strValue);
    GetDialogProfileString(kId, "Missing", strValue, "既定");
    EXPECT_EQ(CString("既定"), strValue);
    WriteDialogProfileInt(kId, "SelectTab", -1);
    EXPECT_EQ(-1, GetDialogProfileInt(kId, "SelectTab", 0));
}

TEST_F(DialogProfileTest, HistoryEndsAtTheFirstEmptyValue)
{
    const struct
    {
        const char* name;
        std::vector<const char*> stored; // HisMemo01, 02, ...
        std::vector<const char*> loaded;
    } cases[] = {
        {"second empty", {"一", "", "三"}, {"一"}},
        {"all there", {"一", "二", "三"}, {"一", "二", "三"}},
        {"first empty", {"", "二"}, {}},
        {"more than the count",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Cleanup();
        for (size_t i = 0; i < c.stored.size(); ++i)
            Store(kId, FormatDialogProfileKey("HisMemo%02d", (int)i + 1), c.stored[i]);
        CStringArray entries;
        EXPECT_EQ(!c.loaded.empty(), LoadDialogHistory(kId, "HisMemo%02d", 10, entries));
        ASSERT_EQ((int)c.loaded.size(), entries.GetSize());
        for (size_t i = 0; i < c.loaded.size(); ++i)
            EXPECT_EQ(CString(c.loaded[i]), entries[(int)i]);
    }
}

TEST_F(DialogProfileTest, SavedHistoryWritesEveryKey)
{
    CStringArray entries;
    entries.Add("最新");
    entries.Add("前回");
    Store(kId, "HisMemo05", "古い値");
    SaveDialogHistory(kId, "HisMemo%02d", 10, entries);
    EXPECT_EQ("最新", Stored(kId, "HisMemo01"));
    EXPECT_EQ("前回", Stored(kId, "HisMemo02"));
    for (int i = 3; i <= 10; ++i)
        EXPECT_EQ("", Stored(kId, FormatDialogProfileKey("HisMemo%02d", i))) << i;
    EXPECT_EQ("(none)", Stored(kId, "HisMemo11"));
}

TEST_F(DialogProfileTest, StringArraysReadUpToTheFirstEmptyValue)
{
    Store(kId, "FindString01", "a");
    Store(kId, "FindString02", "b");
    Store(kId, "FindString04", "d");
    CStringArray array;
    array.Add("old");
    ASSERT_TRUE(GetDialogProfileStringArray(kId, "FindString%02d", array, 5));
    ASSERT_EQ(5, array.GetSize());
    EXPECT_EQ(CString("a"), array[0]);
    EXPECT_EQ(CString("b"), array[1]);
    EXPECT_EQ(CString(""), array[2]);
    EXPECT_EQ(CString(""), array[3]); // after the first empty one, not read
    EXPECT_EQ(CString(""), array[4]);

    // -1 reads as many as the array holds.
    CStringArray two;
    two.SetSize(2);
    EXPECT_TRUE(GetDialogProfileStringArray(kId, "FindString%02d", two, -1));
    EXPECT_EQ(CString("b"), two[1]);

    CStringArray none;
    EXPECT_FALSE(GetDialogProfileStringArray(kId, "FindString%02d", none, 0));
    EXPECT_FALSE(GetDialogProfileStringArray(kId, "FindString%02d", none, -1)); // empty array
    EXPECT_FALSE(GetDialogProfileStringArray(kId, "Nothing%02d", none, 3));
    EXPECT_EQ(3, none.GetSize());
}

TEST_F(DialogProfileTest, StringArraysWriteDefaultsPastTheArray)
{
    CStringArray array;
    array.Add("x");
    WriteDialogProfileStringArray(kId, "HisNote%02d", array, 3, "-");
    EXPECT_EQ("x", Stored(kId, "HisNote01"));
    EXPECT_EQ("-", Stored(kId, "HisNote02"));
    EXPECT_EQ("-", Stored(kId, "HisNote03"));
    // A negative count writes the array itself.
    array.Add("y");
    WriteDialogProfileStringArray(kOtherId, "HisNote%02d", array, -1, "-");
    EXPECT_EQ("y", Stored(kOtherId, "HisNote02"));
    EXPECT_EQ("(none)", Stored(kOtherId, "HisNote03"));
}
} // namespace
