#ifndef TANZO_TESTS_AUCTION_AUCTIONITEMTESTSTRINGS_H
#define TANZO_TESTS_AUCTION_AUCTIONITEMTESTSTRINGS_H

#include "auction/ArchiveTestUtil.h"

// The program's own texts that the item record uses.
inline bool EnsureItemStrings()
{
    return EnsureStrings({
        {627, " 他%d名"},
        {628, "なし"},
        {629, "終了"},
        {630, "%d 秒"},
        {631, "%d 分 %02d 秒"},
        {632, "%d 分"},
        {633, "%d 時間 %02d 分"},
        {634, "%d 時間"},
        {635, "%d 日"},
        {636, "%2d月%2d日 %02d時%02d分"},
        {637, "落札者一覧"},
    });
}

#define REQUIRE_ITEM_STRINGS()                                                                               \
    if (!EnsureItemStrings())                                                                                \
    GTEST_SKIP() << "the string table lacks the texts 627 to 637"

#endif // TANZO_TESTS_AUCTION_AUCTIONITEMTESTSTRINGS_H
