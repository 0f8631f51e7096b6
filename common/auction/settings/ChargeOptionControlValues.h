#ifndef TANZO_AUCTION_CHARGEOPTIONCONTROLVALUES_H
#define TANZO_AUCTION_CHARGEOPTIONCONTROLVALUES_H

#include "afx/wintypes.h"

class CAuctionChargeOption;

// What the listing-options page first shows for a record: each value's
// check box, and in its edit the value or, while the box is clear, the
// smallest amount the service takes, so that ticking the box offers a
// valid amount.
struct ChargeOptionControlValues
{
    enum
    {
        MinFeaturedAmount = 20,
        MinCpaRate = 10, // in tenths
        FirstGiftIcon = 2
    };

    BOOL bFeatured = FALSE;
    int nFeaturedAmount = MinFeaturedAmount;
    BOOL bReserve = FALSE;
    LONGLONG nReservePrice = 0;
    BOOL bGift = FALSE;
    int nGiftIndex = 0; // into the page's gift choices
    BOOL bCpa = FALSE;
    int nCpaWhole = 1;
    int nCpaFraction = 0;
    BOOL bBold = FALSE;
    BOOL bHighlight = FALSE;
    BOOL bWrapping = FALSE;
    BOOL bAffiliate = FALSE;
};

ChargeOptionControlValues GetChargeOptionControlValues(const CAuctionChargeOption& option,
                                                       LONGLONG nReservePriceMinimum);

#endif // TANZO_AUCTION_CHARGEOPTIONCONTROLVALUES_H
