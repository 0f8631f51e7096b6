// The sort cores: keys compare without case and two-byte aware, rows keep
// their item and state together, and the direction negates the order.
#include "controls/ListSort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Sorts items "0".."n-1" whose keys are given, with states; returns the
// items' numbers in the new order.
std::string SortedOrder(const std::vector<CString>& keys, BOOL bDescending,
                        std::vector<CListSortEntry>* pOut = nullptr)
{
    std::vector<int> items(keys.size());
    std::vector<CListSortEntry> entries;
    for (size_t i = 0; i < keys.size(); ++i)
    {
        items[i] = (int)i;
        entries.push_back({&items[i], (UINT)(i == 1 ? 3 : 0), (int)i});
    }
    CListSortContext context;
    context.pKeys = &keys;
    context.bDescending = bDescending;
    {
        CListSortScope scope(&context);
        EXPECT_EQ(&context, GetListSortContext());
        SortListEntries(entries, CompareSortEntriesByKey);
    }
    EXPECT_EQ(nullptr, GetListSortContext());
    std::string order;
    for (const CListSortEntry& entry : entries)
        order += std::to_string(*(int*)entry.pItem);
    if (pOut != nullptr)
        *pOut = entries;
    return order;
}
} // namespace

TEST(ListSort, KeysCompareWithoutCaseAndByCharacter)
{
    EXPECT_EQ(0, CompareSortKeys("abc", "ABC"));
    EXPECT_GT(0, CompareSortKeys("abc", "abd"));
    EXPECT_GT(0, CompareSortKeys("Z", "あ")); // a two-byte character after every one-byte one
    EXPECT_GT(0, CompareSortKeys("", "a"));
    std::vector<CString> keys = {"b", "A"};
    EXPECT_LT(0, CompareSnapshotRows(keys, 0, 1));
    EXPECT_EQ(0, CompareSnapshotRows(keys, 0, 2));
    EXPECT_EQ(0, CompareSnapshotRows(keys, -1, 0));
}

TEST(ListSort, EntriesKeepItemAndStateTogetherInEitherDirection)
{
    std::vector<CString> keys = {"melon", "Apple", "banana", "cherry"};
    std::vector<CListSortEntry> entries;
    EXPECT_EQ("1230", SortedOrder(keys, FALSE, &entries));
    // Item 1 had the state bits and the key of row 1.
    EXPECT_EQ(3u, entries[0].nState);
    EXPECT_EQ(1, entries[0].nRow);
    EXPECT_EQ("0321", SortedOrder(keys, TRUE));
}

TEST(ListSort, WithoutContextOrItemsNothingCompares)
{
    int item = 0;
    CListSortEntry a = {&item, 0, 0};
    CListSortEntry b = {&item, 0, 1};
    EXPECT_EQ(0, CompareSortEntriesByKey(&a, &b));
    std::vector<CString> keys = {"a", "b"};
    CListSortContext context;
    context.pKeys = &keys;
    CListSortScope scope(&context);
    EXPECT_GT(0, CompareSortEntriesByKey(&a, &b));
    CListSortEntry empty = {nullptr, 0, 1};
    EXPECT_EQ(0, CompareSortEntriesByKey(&a, &empty));
}
