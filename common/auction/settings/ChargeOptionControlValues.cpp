#include "auction/settings/ChargeOptionControlValues.h"

#include "auction/records/AuctionChargeOption.h"

ChargeOptionControlValues GetChargeOptionControlValues(const CAuctionChargeOption& option,
                                                       LONGLONG nReservePriceMinimum)
{
    ChargeOptionControlValues values;
    const int nFeatured = option.GetFeaturedAmount();
    values.bFeatured = nFeatured > 0;
    values.nFeaturedAmount = nFeatured > ChargeOptionControlValues::MinFeaturedAmount
                                 ? nFeatured
                                 : (int)ChargeOptionControlValues::MinFeaturedAmount;

    const LONGLONG nReserve = option.GetReservePrice();
    values.bReserve = nReserve > 0;
    values.nReservePrice = nReserve < nReservePriceMinimum ? nReservePriceMinimum : nReserve;

    values.bGift = option.IsGiftIconValid();
    values.nGiftIndex = values.bGift ? option.GetGiftIcon() - ChargeOptionControlValues::FirstGiftIcon : 0;

    const int nCpa = option.GetCpaRate();
    values.bCpa = nCpa > 0;
    const int nShownCpa =
        nCpa > ChargeOptionControlValues::MinCpaRate ? nCpa : (int)ChargeOptionControlValues::MinCpaRate;
    values.nCpaWhole = nShownCpa / 10;
    values.nCpaFraction = nShownCpa % 10;

    values.bBold = option.TestOptionBits(CAuctionChargeOption::OptionBold) != 0;
    values.bHighlight = option.TestOptionBits(CAuctionChargeOption::OptionHighlight) != 0;
    values.bWrapping = option.TestOptionBits(CAuctionChargeOption::OptionWrapping) != 0;
    values.bAffiliate = option.TestOptionBits(CAuctionChargeOption::OptionAffiliate) != 0;
    return values;
}
