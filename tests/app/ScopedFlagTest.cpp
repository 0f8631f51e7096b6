// The busy flag of a scope: set while the scope runs, its earlier value
// back afterwards, also when the scopes nest.
#include "app/BusyState.h"

#include <gtest/gtest.h>

namespace
{
TEST(ScopedFlagTest, SetForTheScopeAndPutBack)
{
    const struct
    {
        const char* name;
        int before;
        int after;
    } cases[] = {
        {"clear flag", 0, 0},
        {"flag already set", 1, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        int nFlag = c.before;
        {
            CScopedFlag busy(&nFlag);
            EXPECT_EQ(1, nFlag);
        }
        EXPECT_EQ(c.after, nFlag);
    }
}

TEST(ScopedFlagTest, NestedScopesEndWithTheOutermostValue)
{
    int nFlag = 0;
    {
        CScopedFlag outer(&nFlag);
        {
            CScopedFlag inner(&nFlag);
            EXPECT_EQ(1, nFlag);
        }
        // The inner scope found it set and leaves it set.
        EXPECT_EQ(1, nFlag);
    }
    EXPECT_EQ(0, nFlag);
}

// A scope given no flag touches nothing, not even a flag that another
// scope holds around it.
TEST(ScopedFlagTest, NullFlagIsHarmless)
{
    int nFlag = 0;
    {
        CScopedFlag outer(&nFlag);
        {
            CScopedFlag none(nullptr);
            EXPECT_EQ(1, nFlag);
        }
        EXPECT_EQ(1, nFlag);
    }
    EXPECT_EQ(0, nFlag);
}
} // namespace
