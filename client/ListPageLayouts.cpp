#include "client/ListPageLayouts.h"

#include "client/ItemFields.h"
#include "client/ListResourceIds.h"
#include "client/OptionSettings.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoResourceIds.h"

namespace
{
const int L = ListAlignLeft;
const int R = ListAlignRight;
const int C = ListAlignCenter;
const int LINK = ListColumnLinkStyle;
const int IMAGE = ListColumnImageStyle;

const ListColumnSpec kSellingColumns[] = {
    {IDS_COLUMN_MARK, "ColumnWidthCommMark", 28, C, ItemField::Mark, IMAGE},
    {IDS_COLUMN_ID, "ColumnWidthID", 85, L, ItemField::AuctionID, 0},
    {IDS_COLUMN_TITLE, "ColumnWidthTitle", 340, L, ItemField::Title, LINK},
    {IDS_COLUMN_CURRENT_PRICE, "ColumnWidthCurPrice", 80, R, ItemField::CurrentPrice, 0},
    {IDS_COLUMN_BIDS, "ColumnWidthBidHistoryNum", 28, C, ItemField::BidCount, LINK},
    {IDS_COLUMN_TOP_BIDDER, "ColumnWidthBuyer", 100, C, ItemField::Buyer, LINK},
    {IDS_COLUMN_REMAINING, "ColumnWidthRestTime", 100, R, ItemField::RemainingTime, 0},
    {IDS_COLUMN_WATCH, "ColumnWidthWatchListNum", 28, C, ItemField::WatchCount, 0},
    {IDS_COLUMN_FEATURED, "ColumnWidthFeaturedAmountMark", 28, C, ItemField::FeaturedMark, IMAGE},
    {IDS_COLUMN_MEMO, "ColumnWidthMemo", 150, L, ItemField::Memo, 0},
};

const ListColumnSpec kClosedWinnerColumns[] = {
    {IDS_COLUMN_MARK, "ColumnWidthCommMark", 28, C, ItemField::Mark, IMAGE},
    {IDS_COLUMN_ID, "ColumnWidthID", 85, L, ItemField::AuctionID, 0},
    {IDS_COLUMN_TITLE, "ColumnWidthTitle", 340, L, ItemField::Title, LINK},
    {IDS_COLUMN_CURRENT_PRICE, "ColumnWidthCurPrice", 80, R, ItemField::CurrentPrice, 0},
    {IDS_COLUMN_WINNER, "ColumnWidthBuyer", 100, C, ItemField::Buyer, LINK},
    {IDS_COLUMN_END_TIME, "ColumnWidthEndTime", 123, L, ItemField::EndTime, 0},
    {IDS_COLUMN_RATING, "ColumnWidthRatingMark", 28, C, ItemField::RatingMark, IMAGE},
    {IDS_COLUMN_MEMO, "ColumnWidthMemo", 150, L, ItemField::Memo, 0},
};

const ListColumnSpec kClosedNoWinnerColumns[] = {
    {IDS_COLUMN_MARK, "ColumnWidthCommMark", 28, C, ItemField::Mark, IMAGE},
    {IDS_COLUMN_ID, "ColumnWidthID", 85, L, ItemField::AuctionID, 0},
    {IDS_COLUMN_TITLE, "ColumnWidthTitle", 340, L, ItemField::Title, LINK},
    {IDS_COLUMN_CURRENT_PRICE, "ColumnWidthCurPrice", 80, R, ItemField::CurrentPrice, 0},
    {IDS_COLUMN_END_TIME, "ColumnWidthEndTime", 123, L, ItemField::EndTime, 0},
    {IDS_COLUMN_MEMO, "ColumnWidthMemo", 150, L, ItemField::Memo, 0},
};

const ListColumnSpec kWonColumns[] = {
    {IDS_COLUMN_MARK, "ColumnWidthCommMark", 28, C, ItemField::Mark, IMAGE},
    {IDS_COLUMN_ID, "ColumnWidthID", 85, L, ItemField::AuctionID, 0},
    {IDS_COLUMN_TITLE, "ColumnWidthTitle", 340, L, ItemField::Title, LINK},
    {IDS_COLUMN_CURRENT_PRICE, "ColumnWidthCurPrice", 80, R, ItemField::CurrentPrice, 0},
    {IDS_COLUMN_SELLER, "ColumnWidthSeller", 100, C, ItemField::Seller, LINK},
    {IDS_COLUMN_END_TIME, "ColumnWidthEndTime", 120, L, ItemField::EndTime, 0},
    {IDS_COLUMN_RATING, "ColumnWidthRatingMark", 28, C, ItemField::RatingMark, IMAGE},
    {IDS_COLUMN_MEMO, "ColumnWidthMemo", 150, L, ItemField::Memo, 0},
};

// The selling page offers neither the rating states nor the winner list.
const UINT kSellingDisabled[][2] = {{ID_ITEM_RATE, ID_ITEM_REMOVE},
                                    {ID_ITEM_RATED, ID_ITEM_RATING_FORBIDDEN},
                                    {ID_LIST_WINNERS, ID_LIST_WINNERS},
                                    {0, 0}};
const UINT kClosedWinnerDisabled[][2] = {{ID_ITEM_EARLY_CLOSE, ID_ITEM_ADD_DESCRIPTION}, {0, 0}};
const UINT kClosedNoWinnerDisabled[][2] = {{ID_ITEM_EARLY_CLOSE, ID_ITEM_RATE},
                                           {ID_ITEM_RATED, ID_ITEM_RATING_FORBIDDEN},
                                           {ID_LIST_WINNERS, ID_LIST_WINNERS},
                                           {0, 0}};
const UINT kWonDisabled[][2] = {{ID_ITEM_EARLY_CLOSE, ID_ITEM_ADD_DESCRIPTION},
                                {ID_ITEM_RESUBMIT, ID_ITEM_RESUBMIT},
                                {ID_LIST_WINNERS, ID_LIST_WINNERS},
                                {0, 0}};

#define COLUMNS(a) a, (int)(sizeof(a) / sizeof(a[0]))

const ListPageLayout kPages[ListKind::Count] = {
    {ListKind::Selling, IDD_PAGE_SELLING, IDC_LIST_SELLING, IDC_EMPTY_SELLING, IDC_BUSY_SELLING,
     IDS_TAB_SELLING, COLUMNS(kSellingColumns), 16, kSellingDisabled, ItemField::RemainingTime, FALSE,
     COptionSettings::ColorPageBgSelling, nullptr, -1, -1, -1},
    {ListKind::ClosedWinner, IDD_PAGE_CLOSED_WINNER, IDC_LIST_CLOSED_WINNER, IDC_EMPTY_CLOSED_WINNER,
     IDC_BUSY_CLOSED_WINNER, IDS_TAB_CLOSED_WINNER, COLUMNS(kClosedWinnerColumns), 0, kClosedWinnerDisabled,
     ItemField::EndTime, TRUE, COptionSettings::ColorPageBgClosed,
     "/jp/show/mystatus?select=closed&hasWinner=1", 0, 1, 1},
    {ListKind::ClosedNoWinner, IDD_PAGE_CLOSED_NO_WINNER, IDC_LIST_CLOSED_NO_WINNER,
     IDC_EMPTY_CLOSED_NO_WINNER, IDC_BUSY_CLOSED_NO_WINNER, IDS_TAB_CLOSED_NO_WINNER,
     COLUMNS(kClosedNoWinnerColumns), 0, kClosedNoWinnerDisabled, ItemField::EndTime, TRUE,
     COptionSettings::ColorPageBgClosedNoWinner, "/jp/show/mystatus?select=closed&hasWinner=0", 1, -1, -1},
    {ListKind::Won, IDD_PAGE_WON, IDC_LIST_WON, IDC_EMPTY_WON, IDC_BUSY_WON, IDS_TAB_WON,
     COLUMNS(kWonColumns), 0, kWonDisabled, ItemField::EndTime, TRUE, COptionSettings::ColorPageBgWon,
     "/jp/show/mystatus?select=won", 2, 0, 0},
};

#undef COLUMNS
} // namespace

const ListPageLayout* GetListPageLayout(int listKind)
{
    if (listKind < 0 || listKind >= ListKind::Count)
        return nullptr;
    return &kPages[listKind];
}

int GetColumnFieldKind(const ListPageLayout& spec, int column)
{
    if (column < 0 || column >= spec.columnCount)
        return ItemField::None;
    return spec.columns[column].kind;
}

int GetColumnOfFieldFlag(const ListPageLayout& spec, DWORD flag)
{
    if (flag == 0 || (spec.unnamedFlags & flag) != 0)
        return -1;
    for (int column = 0; column < spec.columnCount; ++column)
    {
        if (GetFieldFlagOfKind(spec.columns[column].kind) == flag)
            return column;
    }
    return -1;
}

int GetColumnOfFieldKind(const ListPageLayout& spec, int kind)
{
    return GetColumnOfFieldFlag(spec, GetFieldFlagOfKind(kind));
}

BOOL IsCommandOffered(const ListPageLayout& spec, UINT id)
{
    for (const UINT(*range)[2] = spec.disabledRanges; (*range)[0] != 0; ++range)
    {
        if (id >= (*range)[0] && id <= (*range)[1])
            return FALSE;
    }
    return TRUE;
}

BOOL KeepListItem(int listKind, const TanzoAuctionItemUserEdit& record)
{
    switch (listKind)
    {
    case ListKind::Selling:
        return record.TestActionFlags(ActionEarlyClosed | ActionCancelled) == 0;
    case ListKind::ClosedNoWinner:
        return record.TestActionFlags(ActionResubmitted) == 0;
    default:
        return TRUE;
    }
}

void MergeListUserData(int listKind, TanzoAuctionItemUserEdit& record, const TanzoAuctionItem& item)
{
    record.RemoveActionFlags(record.GetActionFlags());
    record.Touch();
    if (listKind != ListKind::ClosedWinner)
    {
        record.RemoveAllBuyers();
        return;
    }
    // An item stored with several winners that now shows one: that
    // winner's stored flags become the item's rating state.
    if (record.GetBuyerCount() == 0 || item.HasWinnerListEntry() || item.GetBuyerCount() != 1)
        return;
    CString name;
    item.GetFirstBuyerName(name);
    DWORD flags = 0;
    CTanzoAuctionBuyerList buyers;
    record.GetBuyers(buyers);
    for (POSITION pos = buyers.GetHeadPosition(); pos != nullptr;)
    {
        const TanzoAuctionBuyer& buyer = buyers.GetNext(pos);
        if (buyer.GetName().CompareNoCase(name) == 0)
        {
            flags = buyer.GetFlags();
            break;
        }
    }
    if (flags & TanzoAuctionBuyer::FlagRated)
        record.AddFlags(CItemUserState::StateRated);
    else
        record.RemoveFlags(CItemUserState::StateRated);
    if (flags & TanzoAuctionBuyer::FlagForbidden)
        record.AddFlags(CItemUserState::StateForbidden);
    else
        record.RemoveFlags(CItemUserState::StateForbidden);
    record.RemoveAllBuyers();
}
