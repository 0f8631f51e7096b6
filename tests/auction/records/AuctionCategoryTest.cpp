#include <gtest/gtest.h>

#include <string>

#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/DialogProfile.h"
#include "app/ProfileTestUtil.h"
#include "auction/records/AuctionCategoryList.h"

namespace
{
const char kRoot[] = "Software\\Tanzo Category Test";
const UINT kDialogId = 61950;

class AuctionCategories : public ::testing::Test
{
protected:
    AuctionCategories()
    {
        AfxProfileDelete(kRoot, nullptr);
        app.SetRegistryKey("Tanzo Category Test");
    }
    ~AuctionCategories() override { AfxProfileDelete(kRoot, nullptr); }

    // As stored: a string, or a number in decimal; "(none)" when missing.
    std::string Stored(LPCTSTR lpszKey)
    {
        return StoredProfileValue(app, GetDialogProfileSection(kDialogId), lpszKey);
    }

    CWinApp app{"CategoryTestApp"};
};

// A list whose keys have no names.
class CUnnamedList : public CAuctionCategoryList
{
public:
    LPCTSTR GetKeyName(int) override { return ""; }
};
} // namespace

TEST_F(AuctionCategories, KeyNames)
{
    CAuctionCategoryList list;
    EXPECT_STREQ("CategoryNum", list.GetKeyName(0));
    EXPECT_STREQ("Category%03d", list.GetKeyName(1));
    EXPECT_STREQ("CategoryName%03d", list.GetKeyName(2));
    EXPECT_EQ(nullptr, list.GetKeyName(3));
    EXPECT_EQ(nullptr, list.GetKeyName(-1));
}

TEST_F(AuctionCategories, ElementsRoundTripUnderNumberedKeys)
{
    CAuctionCategoryList list;
    list.WriteElement(AuctionCategory(2084005403, "本、雑誌"), kDialogId, 0);
    list.WriteElement(AuctionCategory(23336, ""), kDialogId, 11);
    list.WriteCount(kDialogId, 12);
    EXPECT_EQ("2084005403", Stored("Category001"));
    EXPECT_EQ("本、雑誌", Stored("CategoryName001"));
    EXPECT_EQ("23336", Stored("Category012"));
    EXPECT_EQ("", Stored("CategoryName012"));
    EXPECT_EQ("12", Stored("CategoryNum"));

    AuctionCategory read(5, "old");
    ASSERT_TRUE(list.ReadElement(read, kDialogId, 0));
    EXPECT_EQ(2084005403, read.GetNumber());
    EXPECT_STREQ("本、雑誌", read.GetName());
    ASSERT_TRUE(list.ReadElement(read, kDialogId, 11));
    EXPECT_EQ(23336, read.GetNumber());
    EXPECT_STREQ("", read.GetName());
}

TEST_F(AuctionCategories, ReadRefusesMissingOrZeroNumbers)
{
    CAuctionCategoryList list;
    WriteDialogProfileInt(kDialogId, "Category001", 100);
    WriteDialogProfileInt(kDialogId, "Category002", 0);
    WriteDialogProfileString(kDialogId, "CategoryName002", "消えた");
    WriteDialogProfileString(kDialogId, "CategoryName003", "番号なし");
    struct Case
    {
        int nIndex;
        BOOL result;
        int nNumber;
        const char* name;
    } cases[] = {
        {0, TRUE, 100, ""},
        {1, FALSE, 7, "old"},
        {2, FALSE, 7, "old"},
        {-1, FALSE, 7, "old"},
    };
    for (const Case& c : cases)
    {
        AuctionCategory element(7, "old");
        EXPECT_EQ(c.result, list.ReadElement(element, kDialogId, c.nIndex)) << c.nIndex;
        EXPECT_EQ(c.nNumber, element.GetNumber()) << c.nIndex;
        EXPECT_STREQ(c.name, element.GetName()) << c.nIndex;
    }
}

TEST_F(AuctionCategories, ClearingKeepsTheNumberedKeys)
{
    CAuctionCategoryList list;
    list.WriteElement(AuctionCategory(100, "a"), kDialogId, 0);
    list.WriteCount(kDialogId, 1);
    list.ClearCount(kDialogId);
    EXPECT_EQ("0", Stored("CategoryNum"));
    EXPECT_EQ("100", Stored("Category001"));
    EXPECT_EQ("a", Stored("CategoryName001"));
}

TEST_F(AuctionCategories, UnnamedKeysWriteAndReadNothing)
{
    CUnnamedList list;
    list.WriteElement(AuctionCategory(100, "a"), kDialogId, 0);
    list.WriteCount(kDialogId, 1);
    EXPECT_EQ("(none)", Stored("Category001"));
    EXPECT_EQ("(none)", Stored("CategoryName001"));
    EXPECT_EQ("(none)", Stored("CategoryNum"));
    WriteDialogProfileInt(kDialogId, "Category001", 100);
    AuctionCategory element;
    EXPECT_FALSE(list.ReadElement(element, kDialogId, 0));
}

TEST_F(AuctionCategories, RecordsAndTheirList)
{
    AuctionCategory a(3, "x");
    AuctionCategory b;
    EXPECT_STREQ("AuctionCategory", b.GetTypeName());
    EXPECT_EQ(&b, &b.Assign(a));
    EXPECT_EQ(3, b.GetNumber());
    EXPECT_STREQ("x", b.GetName());
    AuctionCategory unnamed(4, nullptr);
    EXPECT_TRUE(unnamed.GetName().IsEmpty());

    CAuctionCategoryList list;
    AuctionCategory* pNew = list.CreateElement();
    EXPECT_EQ(0, pNew->GetNumber());
    list.Append(pNew);
    list.Append(new AuctionCategory(9, "y"));
    EXPECT_EQ(2, list.GetCount());
    EXPECT_EQ(9, list.GetAt(1)->GetNumber());
    EXPECT_EQ(nullptr, list.GetAt(2));
    list.RemoveAll();
    EXPECT_EQ(0, list.GetCount());
}
