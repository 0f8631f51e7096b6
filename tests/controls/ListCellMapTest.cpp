// Cell values of the lists move with their rows: deleted, moved, swapped
// and sorted rows carry their checks and links along.
#include "controls/ListCellMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// "row:column=value" for every entry, in order.
std::string Dump(const CListCellMap<int>& map)
{
    std::string text;
    map.ForEach(
        [&](int nRow, int nColumn, int nValue) {
            text += std::to_string(nRow) + ":" + std::to_string(nColumn) + "=" + std::to_string(nValue) + " ";
        });
    return text;
}

// A flag on column 0 of rows 0..4, valued 10 + row, and one on 2:3.
CListCellMap<int> FiveRows()
{
    CListCellMap<int> map;
    for (int nRow = 0; nRow < 5; ++nRow)
        map.SetAt(nRow, 0, 10 + nRow);
    map.SetAt(2, 3, 99);
    return map;
}
} // namespace

TEST(ListCellMap, RowOperationsCarryTheirValues)
{
    struct Case
    {
        const char* name;
        void (*apply)(CListCellMap<int>&);
        const char* result;
    } cases[] = {
        {"delete 2", [](CListCellMap<int>& m) { m.DeleteRow(2); }, "0:0=10 1:0=11 2:0=13 3:0=14 "},
        {"delete last", [](CListCellMap<int>& m) { m.DeleteRow(4); }, "0:0=10 1:0=11 2:0=12 2:3=99 3:0=13 "},
        {"insert 1", [](CListCellMap<int>& m) { m.InsertRow(1); },
         "0:0=10 2:0=11 3:0=12 3:3=99 4:0=13 5:0=14 "},
        {"move 2 to 4", [](CListCellMap<int>& m) { m.MoveRow(2, 4); },
         "0:0=10 1:0=11 2:0=13 3:0=14 4:0=12 4:3=99 "},
        {"move 4 to 0", [](CListCellMap<int>& m) { m.MoveRow(4, 0); },
         "0:0=14 1:0=10 2:0=11 3:0=12 3:3=99 4:0=13 "},
        {"move to itself", [](CListCellMap<int>& m) { m.MoveRow(3, 3); },
         "0:0=10 1:0=11 2:0=12 2:3=99 3:0=13 4:0=14 "},
        {"swap 2 and 4", [](CListCellMap<int>& m) { m.SwapRows(2, 4); },
         "0:0=10 1:0=11 2:0=14 3:0=13 4:0=12 4:3=99 "},
        {"reverse",
         [](CListCellMap<int>& m) {
             m.Reorder({4, 3, 2, 1, 0});
         },
         "0:0=14 1:0=13 2:0=12 2:3=99 3:0=11 4:0=10 "},
        {"rows from 2 gone", [](CListCellMap<int>& m) { m.TruncateRows(2); }, "0:0=10 1:0=11 "},
        {"row 2 taken out and put back at 0",
         [](CListCellMap<int>& m)
         {
             CListCellMap<int>::Row row = m.ExtractRow(2);
             m.RestoreRow(0, row);
         },
         "0:0=12 0:3=99 1:0=11 3:0=13 4:0=14 "},
        {"order without row 4",
         [](CListCellMap<int>& m) {
             m.Reorder({1, 0, 2});
         },
         "0:0=11 1:0=10 2:0=12 2:3=99 "},
    };
    for (const Case& c : cases)
    {
        CListCellMap<int> map = FiveRows();
        c.apply(map);
        EXPECT_EQ(c.result, Dump(map)) << c.name;
    }
}

TEST(ListCellMap, LookupRemoveAndEmpty)
{
    CListCellMap<int> map;
    int nValue = -1;
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.Lookup(0, 0, nValue));
    map.SetAt(1, 2, 5);
    map.SetAt(1, 2, 6);
    EXPECT_EQ(1, map.GetCount());
    EXPECT_TRUE(map.Lookup(1, 2, nValue));
    EXPECT_EQ(6, nValue);
    EXPECT_FALSE(map.Lookup(2, 1, nValue));
    EXPECT_FALSE(map.RemoveKey(2, 1));
    EXPECT_TRUE(map.RemoveKey(1, 2));
    EXPECT_TRUE(map.IsEmpty());
    map.SetAt(-1, 0, 1); // keys are whatever the caller gives
    map.DeleteRow(-1);
    EXPECT_TRUE(map.IsEmpty());
}
