// The mark that each mark command stores on an item.
#include <gtest/gtest.h>

#include "client/MarkCommands.h"

TEST(MarkCommands, EachCommandHasItsMark)
{
    const struct
    {
        UINT id;
        int value;
    } cases[] = {
        {33200, 1},    {33201, 2},    {33202, 3},    {33203, 4},    {33204, 16},
        {33205, 32},   {33206, 48},   {33207, 64},   {33208, 256},  {33209, 512},
        {33210, 768},  {33211, 1024}, {33212, 1280}, {33213, 1536}, {33214, 1792},
        {33215, 2048}, {33216, 2304}, {33217, 2560}, {33218, 2816}, {33219, 0},
    };
    for (const auto& c : cases)
    {
        int value = -1;
        EXPECT_TRUE(MarkValueOfCommand(c.id, value)) << c.id;
        EXPECT_EQ(c.value, value) << c.id;
    }
    // The mark button and its neighbours are no mark.
    for (UINT id : {33199u, 33220u, 0u})
    {
        int value = -1;
        EXPECT_FALSE(MarkValueOfCommand(id, value)) << id;
        EXPECT_EQ(-1, value) << id;
    }
}
