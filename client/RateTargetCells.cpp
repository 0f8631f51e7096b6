#include "client/RateTargetCells.h"

#include "auction/records/AuctionItem.h"
#include "client/TanzoAuctionBuyer.h"

BOOL GetRateTargetText(const TanzoAuctionBuyer& buyer, int nColumn, CString& out)
{
    out.Empty();
    if (nColumn == RateTargetColumnID)
        out = buyer.GetName();
    return !out.IsEmpty();
}

BOOL GetRateTargetLink(const TanzoAuctionBuyer& buyer, int nColumn, CString& out)
{
    out.Empty();
    return nColumn == RateTargetColumnID && MakeSellerPageURL(buyer.GetName(), out);
}

int GetRateTargetImage(const TanzoAuctionBuyer& buyer, int nColumn)
{
    if (nColumn != RateTargetColumnRating)
        return RateTargetNoImage;
    if (buyer.TestFlags(TanzoAuctionBuyer::FlagForbidden))
        return RateTargetImageForbidden;
    if (buyer.TestFlags(TanzoAuctionBuyer::FlagRated))
        return RateTargetImageRated;
    return RateTargetNoImage;
}
