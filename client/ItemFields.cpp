#include "client/ItemFields.h"

#include "client/ListResourceIds.h"
#include "client/TanzoAuctionItem.h"
#include "controls/ListSort.h"
#include "text/NumberText.h"
#include "text/UrlUtil.h"

namespace
{
template <typename T> int CompareValues(T a, T b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Mark values with an image, from image 24 down to image 6.
const int kMarkValues[] = {1,   2,    3,    4,    16,   32,   48,   64,   256, 512,
                           768, 1024, 1280, 1536, 1792, 2048, 2304, 2560, 2816};
const int kMarkCount = sizeof(kMarkValues) / sizeof(kMarkValues[0]);

// The field flag of each kind, 0 for none.
const DWORD kFieldFlags[ItemField::None] = {1, 2, 0, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 0};

BOOL FormatPrice(LONGLONG price, CString& out)
{
    FormatAmountWithUnit(price, out);
    return TRUE;
}
} // namespace

BOOL GetItemFieldText(const TanzoAuctionItem& item, int kind, CString& out)
{
    out.Empty();
    switch (kind)
    {
    case ItemField::AuctionID:
        out = item.GetAuctionID();
        break;
    case ItemField::Title:
        out = item.GetTitle();
        break;
    case ItemField::StartPrice:
        FormatPrice(item.GetStartPrice(), out);
        break;
    case ItemField::CurrentPrice:
        FormatPrice(item.GetCurrentPrice(), out);
        break;
    case ItemField::BidCount:
        item.FormatBidCount(out);
        break;
    case ItemField::WatchCount:
        item.FormatNumber5(out);
        break;
    case ItemField::Buyer:
        if (item.HasSeveralWinners())
            out.LoadString(IDS_WINNER_LIST);
        else
            item.GetBuyerSummary(out);
        break;
    case ItemField::Seller:
        out = item.GetSellerID();
        break;
    case ItemField::RemainingTime:
        item.FormatRemainingTime(out);
        break;
    case ItemField::EndTime:
        if (item.GetEndTime().GetTime() != 0)
            item.FormatEndTime(out);
        break;
    case ItemField::Memo:
        out = item.GetMemo();
        break;
    case ItemField::ChargeOptions:
        item.FormatChargeOptionMarks(out);
        break;
    default:
        break;
    }
    return !out.IsEmpty();
}

BOOL GetItemFieldLink(const TanzoAuctionItem& item, int kind, CString& out)
{
    out.Empty();
    switch (kind)
    {
    case ItemField::Title:
        out = item.GetItemURL();
        break;
    case ItemField::BidCount:
        // An empty cell has nothing to click.
        if (item.GetBidCount() > 0)
            item.GetBidHistoryURL(out);
        break;
    case ItemField::Buyer:
        if (item.HasSeveralWinners())
            item.GetAllWinnersURL(out);
        else
            item.GetBuyerPageURL(out);
        break;
    case ItemField::Seller:
        item.GetSellerPageURL(out);
        break;
    default:
        break;
    }
    return !out.IsEmpty();
}

int GetRatingMarkImage(const TanzoAuctionItem& item)
{
    const CItemUserState& state = item.GetUserState();
    if (state.TestFlags(CItemUserState::StateForbidden))
        return ItemImage::Forbidden;
    BOOL someRated = FALSE;
    if (item.HasSeveralWinners())
    {
        CTanzoAuctionBuyerList buyers;
        item.GetBuyers(buyers);
        for (POSITION pos = buyers.GetHeadPosition(); pos != nullptr;)
        {
            const TanzoAuctionBuyer& buyer = buyers.GetNext(pos);
            if (buyer.TestFlags(TanzoAuctionBuyer::FlagForbidden))
                return ItemImage::BuyerForbidden;
            if (buyer.TestFlags(TanzoAuctionBuyer::FlagRated))
                someRated = TRUE;
        }
    }
    if (state.TestFlags(CItemUserState::StateRated))
        return ItemImage::Rated;
    return someRated ? ItemImage::SomeBuyersRated : ItemImage::None;
}

int GetMarkImage(int mark)
{
    for (int i = 0; i < kMarkCount; ++i)
    {
        if (kMarkValues[i] == mark)
            return ItemImage::Count - 1 - i;
    }
    return ItemImage::None;
}

int GetItemFieldImage(const TanzoAuctionItem& item, int kind)
{
    switch (kind)
    {
    case ItemField::FeaturedMark:
        if (item.HasFeaturedAmount())
            return ItemImage::Featured;
        return item.GetUserState().TestActionFlags(ActionFeaturedDone) ? ItemImage::FeaturedDone
                                                                       : ItemImage::None;
    case ItemField::RatingMark:
        return GetRatingMarkImage(item);
    case ItemField::Mark:
        return GetMarkImage(item.GetUserState().GetMark());
    default:
        return ItemImage::None;
    }
}

BOOL IsTextSortKind(int kind)
{
    switch (kind)
    {
    case ItemField::AuctionID:
    case ItemField::Title:
    case ItemField::Buyer:
    case ItemField::Seller:
    case ItemField::Memo:
    case ItemField::ChargeOptions:
        return TRUE;
    default:
        return FALSE;
    }
}

int CompareItemFields(const TanzoAuctionItem& a, const TanzoAuctionItem& b, int kind,
                      const CTieOrderMap& ties, BOOL descending)
{
    switch (kind)
    {
    case ItemField::StartPrice:
        return CompareValues(a.GetStartPrice(), b.GetStartPrice());
    case ItemField::CurrentPrice:
        return CompareValues(a.GetCurrentPrice(), b.GetCurrentPrice());
    case ItemField::BidCount:
        return CompareValues(a.GetBidCount(), b.GetBidCount());
    case ItemField::WatchCount:
        return CompareValues(a.GetNumber5(), b.GetNumber5());
    case ItemField::RemainingTime:
    case ItemField::EndTime:
    {
        int result = CompareTimesKeepingOrder(&a, &b, ties);
        if (descending && a.GetTime() == b.GetTime())
            result = -result;
        return result;
    }
    case ItemField::FeaturedMark:
    case ItemField::RatingMark:
    case ItemField::Mark:
        return CompareValues(GetItemFieldImage(a, kind), GetItemFieldImage(b, kind));
    default:
    {
        CString textA, textB;
        GetItemFieldText(a, kind, textA);
        GetItemFieldText(b, kind, textB);
        return CompareSortKeys(textA, textB);
    }
    }
}

BOOL IsAlwaysResortKind(int kind)
{
    return (kind >= ItemField::AuctionID && kind <= ItemField::CurrentPrice) ||
           (kind >= ItemField::Seller && kind <= ItemField::EndTime);
}

DWORD GetFieldFlagOfKind(int kind)
{
    if (kind < 0 || kind >= ItemField::None)
        return 0;
    return kFieldFlags[kind];
}

int GetKindOfFieldFlag(DWORD flag)
{
    if (flag == 0)
        return ItemField::None;
    for (int kind = 0; kind < ItemField::None; ++kind)
    {
        if (kFieldFlags[kind] == flag)
            return kind;
    }
    return ItemField::None;
}

BOOL IsOpenableLink(LPCTSTR url)
{
    return url != nullptr && HasUrlScheme(url, URL_SCHEME_HTTP | URL_SCHEME_HTTPS);
}

void BuildItemHoverText(const TanzoAuctionItem* item, int linkKind, CString& out)
{
    out.Empty();
    if (item == nullptr)
        return;
    if (linkKind >= 0)
    {
        if (linkKind == ItemField::Buyer && item->HasSeveralWinners())
        {
            out.LoadString(IDS_SHOW_WINNERS);
            if (!item->HasWinnerListEntry())
            {
                CString names;
                for (int i = 0; i < item->GetBuyerCount(); ++i)
                {
                    AuctionBuyer buyer;
                    if (!item->GetBuyerAt(i, buyer))
                        continue;
                    if (!names.IsEmpty())
                        names += ", ";
                    names += buyer.GetName();
                }
                CString format, named;
                format.LoadString(IDS_WINNERS_NAMED);
                named.Format(format, (LPCTSTR)names);
                out += named;
            }
        }
        else
        {
            GetItemFieldLink(*item, linkKind, out);
        }
        return;
    }
    if (!item->GetMemo().IsEmpty())
    {
        CString format;
        format.LoadString(IDS_HOVER_MEMO);
        out.Format(format, (LPCTSTR)item->GetMemo());
    }
}
