#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/TieOrder.h"

namespace
{
class Keyed : public CItemKeyInterface
{
public:
    Keyed(LPCTSTR key, LONGLONG time) : m_key(key), m_time(time) {}
    const CString& GetKey() const override { return m_key; }
    CTime GetTime() const override { return CTime(m_time); }

private:
    CString m_key;
    LONGLONG m_time;
};

// Whether the comparison (negated for a descending sort, as the lists do)
// orders every pair of rows as expected lists them, so that any sort
// algorithm, stable or not, arrives at expected.
bool OrdersAs(const std::vector<const Keyed*>& rows, const std::string& expected, bool descending)
{
    CTieOrderMap table;
    std::vector<const CItemKeyInterface*> records(rows.begin(), rows.end());
    BuildTieOrder(records.data(), (int)records.size(), table, !descending);
    auto find = [&](char key)
    {
        for (const Keyed* row : rows)
            if (row->GetKey()[0] == key)
                return row;
        return (const Keyed*)nullptr;
    };
    for (size_t i = 0; i < expected.size(); ++i)
        for (size_t j = i + 1; j < expected.size(); ++j)
        {
            int result = CompareTimesKeepingOrder(find(expected[i]), find(expected[j]), table);
            if ((descending ? -result : result) >= 0)
                return false;
        }
    return true;
}
} // namespace

TEST(TieOrder, EqualTimesKeepTheirOrderInBothDirections)
{
    // Equal times that are not neighbours too: a, c, e share one time.
    Keyed a("a", 100), b("b", 50), c("c", 100), d("d", 200), e("e", 100), f("f", 50);
    std::vector<const Keyed*> rows = {&a, &b, &c, &d, &e, &f};
    EXPECT_TRUE(OrdersAs(rows, "bfaced", false));
    EXPECT_TRUE(OrdersAs(rows, "dacebf", true));
    EXPECT_FALSE(OrdersAs(rows, "bfeacd", false));
    // Sorting the sorted rows again keeps them.
    EXPECT_TRUE(OrdersAs({&b, &f, &a, &c, &e, &d}, "bfaced", false));
}

TEST(TieOrder, TableAndComparisonEdges)
{
    CTieOrderMap table;
    Keyed unnamed("", 10), named("n", 10);
    const CItemKeyInterface* records[] = {&unnamed, nullptr, &named};
    EXPECT_TRUE(BuildTieOrder(records, 3, table, TRUE));
    EXPECT_EQ(1, table.GetCount());
    int place = -1;
    ASSERT_TRUE(table.Lookup("n", place));
    EXPECT_EQ(2, place);
    BuildTieOrder(records, 3, table, FALSE);
    ASSERT_TRUE(table.Lookup("n", place));
    EXPECT_EQ(1, place); // count minus index
    EXPECT_FALSE(BuildTieOrder(records, 0, table, TRUE));
    EXPECT_TRUE(table.IsEmpty());

    // Times far apart still compare by sign; missing records give 0.
    Keyed early("x", 0), late("y", 0xFFFFFFFFLL);
    EXPECT_EQ(-1, CompareTimesKeepingOrder(&early, &late, table));
    EXPECT_EQ(1, CompareTimesKeepingOrder(&late, &early, table));
    EXPECT_EQ(0, CompareTimesKeepingOrder(nullptr, &late, table));
    // Equal times without both keys in the table are equal.
    EXPECT_EQ(0, CompareTimesKeepingOrder(&unnamed, &named, table));
}
