#include <gtest/gtest.h>

#include <string>

#include "client/ClientTestSupport.h"
#include "client/ItemFields.h"
#include "client/ListPageLayouts.h"
#include "client/ListResourceIds.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"

TEST(ListPageLayouts, FieldFlagsToColumnsPerPage)
{
    const DWORD flags[] = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096};
    // Per page, the column of each flag above (-1: none). The selling
    // page's watch-list column has no flag of its own.
    const int columns[ListKind::Count][13] = {
        {1, 2, 3, 4, -1, 5, -1, 6, -1, 8, -1, 9, 0},
        {1, 2, 3, -1, -1, 4, -1, -1, 5, -1, 6, 7, 0},
        {1, 2, 3, -1, -1, -1, -1, -1, 4, -1, -1, 5, 0},
        {1, 2, 3, -1, -1, -1, 4, -1, 5, -1, 6, 7, 0},
    };
    for (int kind = 0; kind < ListKind::Count; ++kind)
    {
        const ListPageLayout* spec = GetListPageLayout(kind);
        ASSERT_NE(nullptr, spec);
        EXPECT_EQ(kind, spec->listKind);
        for (int i = 0; i < 13; ++i)
            EXPECT_EQ(columns[kind][i], GetColumnOfFieldFlag(*spec, flags[i]))
                << "page " << kind << " flag " << flags[i];
        EXPECT_EQ(-1, GetColumnOfFieldFlag(*spec, 0));
        EXPECT_EQ(-1, GetColumnOfFieldFlag(*spec, 3));
        EXPECT_EQ(ItemField::None, GetColumnFieldKind(*spec, -1));
        EXPECT_EQ(ItemField::None, GetColumnFieldKind(*spec, spec->columnCount));
        EXPECT_EQ(ItemField::Mark, GetColumnFieldKind(*spec, 0));
        EXPECT_EQ(2, GetColumnOfFieldKind(*spec, ItemField::Title));
        EXPECT_EQ(-1, GetColumnOfFieldKind(*spec, ItemField::StartPrice));
    }
    EXPECT_EQ(ItemField::WatchCount, GetColumnFieldKind(*GetListPageLayout(ListKind::Selling), 7));
    EXPECT_EQ(nullptr, GetListPageLayout(-1));
    EXPECT_EQ(nullptr, GetListPageLayout(4));
}

TEST(ListPageLayouts, ColumnsReadTheirTexts)
{
    const struct
    {
        int kind;
        const char* headings;
        int links;
        int images;
    } pages[] = {
        {ListKind::Selling, "☆|商品ID|商品名|現在価格|入|最高額入札者|残り時間|ウ|注|メモ",
         (1 << 2) | (1 << 4) | (1 << 5), (1 << 0) | (1 << 8)},
        {ListKind::ClosedWinner, "☆|商品ID|商品名|現在価格|落札者|終了日時|評|メモ", (1 << 2) | (1 << 4),
         (1 << 0) | (1 << 6)},
        {ListKind::ClosedNoWinner, "☆|商品ID|商品名|現在価格|終了日時|メモ", 1 << 2, 1 << 0},
        {ListKind::Won, "☆|商品ID|商品名|現在価格|出品者|終了日時|評|メモ", (1 << 2) | (1 << 4),
         (1 << 0) | (1 << 6)},
    };
    const char* tabs[] = {"出品中", "出品終了 - 落札者あり", "出品終了 - 落札者なし", "落札"};
    for (const auto& p : pages)
    {
        const ListPageLayout& spec = *GetListPageLayout(p.kind);
        std::string headings;
        int links = 0, images = 0;
        for (int c = 0; c < spec.columnCount; ++c)
        {
            headings += (c ? "|" : "") + Text(spec.columns[c].headingId);
            if (spec.columns[c].style == ListColumnLinkStyle)
                links |= 1 << c;
            if (spec.columns[c].style == ListColumnImageStyle)
                images |= 1 << c;
        }
        EXPECT_EQ(p.headings, headings);
        EXPECT_EQ(p.links, links) << p.kind;
        EXPECT_EQ(p.images, images) << p.kind;
        EXPECT_EQ(tabs[p.kind], Text(spec.captionId));
    }
}

TEST(ListPageLayouts, KeptAndMergedRecords)
{
    const struct
    {
        int kind;
        DWORD actionFlags;
        BOOL keep;
    } keeps[] = {
        {ListKind::Selling, ActionEarlyClosed, FALSE},
        {ListKind::Selling, ActionCancelled, FALSE},
        {ListKind::Selling, ActionResubmitted, TRUE},
        {ListKind::ClosedNoWinner, ActionResubmitted, FALSE},
        {ListKind::ClosedNoWinner, ActionCancelled, TRUE},
        {ListKind::ClosedWinner, 0xF, TRUE},
        {ListKind::Won, 0xF, TRUE},
    };
    for (const auto& k : keeps)
    {
        TanzoAuctionItemUserEdit record;
        record.AddActionFlags(k.actionFlags);
        EXPECT_EQ(k.keep, KeepListItem(k.kind, record)) << k.kind << " " << k.actionFlags;
    }

    // A record of an item that had several winners, whose second winner
    // was rated and forbidden; the item now shows that winner alone.
    TanzoAuctionItem item;
    item.SetAuctionID("x1");
    item.AddBuyerValues("W2", 100, 1, 1);
    CTanzoAuctionBuyerList stored;
    TanzoAuctionBuyer first("w1"), second("w2");
    first.SetFlags(TanzoAuctionBuyer::FlagRated);
    second.SetFlags(TanzoAuctionBuyer::FlagRated | TanzoAuctionBuyer::FlagForbidden);
    stored.AddTail(first);
    stored.AddTail(second);
    for (int kind = 0; kind < ListKind::Count; ++kind)
    {
        TanzoAuctionItemUserEdit record;
        record.SetBuyers(stored);
        record.AddActionFlags(ActionEarlyClosed);
        record.SetUpdateTime(CTime(1000));
        MergeListUserData(kind, record, item);
        EXPECT_EQ(0u, record.GetActionFlags());
        EXPECT_GT(record.GetUpdateTime().GetTime(), 1000);
        EXPECT_EQ(0, record.GetBuyerCount()) << kind;
        EXPECT_EQ(kind == ListKind::ClosedWinner ? 3u : 0u, record.GetFlags()) << kind;
    }
    // Still several winners: the closed page keeps the stored winners.
    item.AddBuyerValues("w3", 100, 1, 1);
    TanzoAuctionItemUserEdit record;
    record.SetBuyers(stored);
    record.AddFlags(CItemUserState::StateRated);
    MergeListUserData(ListKind::ClosedWinner, record, item);
    EXPECT_EQ(2, record.GetBuyerCount());
    EXPECT_EQ(CItemUserState::StateRated, record.GetFlags());
    // One winner that the record does not know clears the states.
    TanzoAuctionItem other;
    other.AddBuyerValues("w9", 100, 1, 1);
    MergeListUserData(ListKind::ClosedWinner, record, other);
    EXPECT_EQ(0u, record.GetFlags());
    EXPECT_EQ(0, record.GetBuyerCount());
}
