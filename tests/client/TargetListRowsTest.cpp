// The rows of the partner list: what a buyer's cells show, and the rows'
// ownership of their records; the confirmation list's columns.
#include <gtest/gtest.h>

#include "client/RateTargetCells.h"
#include "client/ResubmitConfirmColumns.h"
#include "client/RowRecords.h"
#include "client/TanzoAuctionBuyer.h"

#include <map>

TEST(RateTargetCells, RatingImageFollowsTheBuyersFlags)
{
    const struct
    {
        DWORD flags;
        int image;
    } cases[] = {
        {0, RateTargetNoImage},
        {TanzoAuctionBuyer::FlagTarget, RateTargetNoImage},
        {TanzoAuctionBuyer::FlagRated, RateTargetImageRated},
        {TanzoAuctionBuyer::FlagForbidden, RateTargetImageForbidden},
        // Forbidden wins over rated.
        {TanzoAuctionBuyer::FlagRated | TanzoAuctionBuyer::FlagForbidden, RateTargetImageForbidden},
        {TanzoAuctionBuyer::FlagTarget | TanzoAuctionBuyer::FlagRated, RateTargetImageRated},
    };
    for (const auto& c : cases)
    {
        TanzoAuctionBuyer buyer("buyer_a");
        buyer.SetFlags(c.flags);
        EXPECT_EQ(c.image, GetRateTargetImage(buyer, RateTargetColumnRating)) << c.flags;
        // Only the rating column has images.
        EXPECT_EQ(RateTargetNoImage, GetRateTargetImage(buyer, RateTargetColumnID)) << c.flags;
        EXPECT_EQ(RateTargetNoImage, GetRateTargetImage(buyer, 2)) << c.flags;
    }
}

TEST(RateTargetCells, OnlyTheIdColumnHasATextAndALink)
{
    TanzoAuctionBuyer buyer("buyer_a");
    buyer.SetFlags(TanzoAuctionBuyer::FlagRated | TanzoAuctionBuyer::FlagForbidden);
    CString text, link;
    EXPECT_TRUE(GetRateTargetText(buyer, RateTargetColumnID, text));
    EXPECT_STREQ("buyer_a", text);
    ASSERT_TRUE(GetRateTargetLink(buyer, RateTargetColumnID, link));
    EXPECT_EQ(0, link.Find("http")) << (LPCTSTR)link;
    EXPECT_EQ(link.GetLength() - 15, link.Find("/seller/buyer_a")) << (LPCTSTR)link;

    for (int column : {(int)RateTargetColumnRating, 2, -1})
    {
        text = "x";
        link = "x";
        EXPECT_FALSE(GetRateTargetText(buyer, column, text)) << column;
        EXPECT_TRUE(text.IsEmpty()) << column;
        EXPECT_FALSE(GetRateTargetLink(buyer, column, link)) << column;
        EXPECT_TRUE(link.IsEmpty()) << column;
    }
    // A buyer without a name has neither.
    TanzoAuctionBuyer nameless;
    EXPECT_FALSE(GetRateTargetText(nameless, RateTargetColumnID, text));
    EXPECT_FALSE(GetRateTargetLink(nameless, RateTargetColumnID, link));
}

namespace
{
// A buyer that counts how often each one is deleted.
class CCountedBuyer : public TanzoAuctionBuyer
{
public:
    CCountedBuyer(std::map<int, int>& deletions, int nId) : m_deletions(deletions), m_nId(nId) {}
    ~CCountedBuyer() override { ++m_deletions[m_nId]; }

private:
    std::map<int, int>& m_deletions;
    int m_nId;
};

// A list as the windows hold it: the array of row pointers, and the rows'
// ownership of the records, which goes with the list.
struct CTestRows
{
    CPtrArray items;
    CRowRecords<TanzoAuctionBuyer> records{items};

    // The array is cut or grown as a list's row count is set.
    void SetRowCount(int nCount)
    {
        if (nCount < items.GetSize())
            records.DeleteFrom(nCount);
        const int nOld = (int)items.GetSize();
        items.SetSize(nCount);
        for (int i = nOld; i < nCount; ++i)
            items[i] = nullptr;
    }
};
} // namespace

TEST(RowRecords, EveryRecordIsDeletedExactlyOnce)
{
    struct Case
    {
        const char* name;
        void (*steps)(CTestRows& rows, std::map<int, int>& deletions);
    } cases[] = {
        {"list destroyed with its rows", [](CTestRows&, std::map<int, int>&) {}},
        {"all rows deleted, then the list destroyed",
         [](CTestRows& rows, std::map<int, int>&)
         {
             rows.records.DeleteAll();
             for (int i = 0; i < rows.records.GetCount(); ++i)
                 EXPECT_EQ(nullptr, rows.records.Get(i));
             rows.items.RemoveAll();
         }},
        {"all rows deleted twice, the array kept",
         [](CTestRows& rows, std::map<int, int>&)
         {
             rows.records.DeleteAll();
             rows.records.DeleteAll();
         }},
        {"one row deleted, then the rest with the list",
         [](CTestRows& rows, std::map<int, int>& deletions)
         {
             rows.records.Delete(1);
             EXPECT_EQ(1, deletions[1]);
             rows.records.Delete(1);
             rows.items.RemoveAt(1);
         }},
        {"the rows cut to one",
         [](CTestRows& rows, std::map<int, int>& deletions)
         {
             rows.SetRowCount(1);
             EXPECT_EQ(0, deletions[0]);
             EXPECT_EQ(1, deletions[1]);
             EXPECT_EQ(1, deletions[2]);
         }},
        {"a record set again on its own row",
         [](CTestRows& rows, std::map<int, int>& deletions)
         {
             rows.records.Set(0, rows.records.Get(0));
             EXPECT_EQ(0, deletions[0]);
         }},
        {"rows moved as a sort moves them",
         [](CTestRows& rows, std::map<int, int>&)
         {
             void* p = rows.items[0];
             rows.items[0] = rows.items[2];
             rows.items[2] = p;
         }},
    };
    for (const Case& c : cases)
    {
        std::map<int, int> deletions;
        {
            CTestRows rows;
            rows.SetRowCount(3);
            for (int i = 0; i < 3; ++i)
                EXPECT_TRUE(rows.records.Set(i, new CCountedBuyer(deletions, i))) << c.name;
            c.steps(rows, deletions);
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(1, deletions[i]) << c.name << ", record " << i;
    }
}

TEST(RowRecords, ARowTakingAnotherRecordDeletesItsOld)
{
    std::map<int, int> deletions;
    {
        CTestRows rows;
        rows.SetRowCount(2);
        rows.records.Set(0, new CCountedBuyer(deletions, 0));
        rows.records.Set(0, new CCountedBuyer(deletions, 1));
        EXPECT_EQ(1, deletions[0]);
        EXPECT_EQ(0, deletions[1]);
        // A row past the array cannot take the record: it goes at once.
        EXPECT_FALSE(rows.records.Set(2, new CCountedBuyer(deletions, 2)));
        EXPECT_EQ(1, deletions[2]);
        EXPECT_FALSE(rows.records.Set(-1, new CCountedBuyer(deletions, 3)));
        EXPECT_EQ(1, deletions[3]);
        EXPECT_EQ(nullptr, rows.records.Get(2));
        EXPECT_EQ(nullptr, rows.records.Get(-1));
    }
    EXPECT_EQ(1, deletions[1]);
}

TEST(ResubmitConfirmColumns, ColumnsAndKindsMapBothWays)
{
    const int kinds[] = {13, 0, 1, 2, 9, 14, 12};
    for (int column = 0; column < 7; ++column)
    {
        EXPECT_EQ(kinds[column], GetResubmitConfirmColumnKind(column)) << column;
        EXPECT_EQ(column, GetResubmitConfirmKindColumn(kinds[column])) << kinds[column];
    }
    for (int column : {-1, 7, 20})
        EXPECT_EQ(15, GetResubmitConfirmColumnKind(column)) << column;
    for (int kind : {3, 4, 5, 6, 7, 8, 10, 11, 15, -1, 16})
        EXPECT_EQ(-1, GetResubmitConfirmKindColumn(kind)) << kind;
}
