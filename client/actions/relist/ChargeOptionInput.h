#ifndef TANZO_CLIENT_ACTIONS_CHARGEOPTIONINPUT_H
#define TANZO_CLIENT_ACTIONS_CHARGEOPTIONINPUT_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CAuctionChargeOption;

// The number an edit holds, its digit grouping left out; FALSE when it
// holds no digit or anything but digits and commas.
BOOL ReadWholeNumber(const CString& text, LONGLONG& value);

// What the paid-options page holds when OK is pressed: each value's box
// and the text of its edit, the chosen gift icon and the option boxes.
struct ChargeOptionInput
{
    BOOL bFeatured = FALSE;
    CString featuredAmount;
    BOOL bReserve = FALSE;
    CString reservePrice;
    BOOL bGift = FALSE;
    int nGiftIndex = 0; // into the seven gift icons
    BOOL bCpa = FALSE;
    CString cpaRate; // percent, one decimal place
    BOOL bBold = FALSE;
    BOOL bHighlight = FALSE;
    BOOL bWrapping = FALSE;
    BOOL bAffiliate = FALSE;
};

// Which value is wrong, in the order the page checks them.
enum ChargeInputError
{
    ChargeInputOk = -1,
    ChargeReserveRange = 0,
    ChargeFeaturedRange = 1,
    ChargeCpaRange = 2,
    ChargeCpaDecimals = 3
};

enum
{
    MinFeaturedAmount = 20,
    MaxFeaturedAmount = 999,
    MinCpaRate = 10,  // tenths of a percent
    MaxCpaRate = 999, // tenths of a percent
    GiftIconCount = 7,
    FirstGiftIcon = 2
};
const LONGLONG MaxReservePrice = 9999999999LL;

// The values of the ticked boxes into option (an unticked value is 0);
// the first value that is empty or out of its range, else ChargeInputOk.
// A reserve price must reach nReserveMinimum (below 1 counts as 1).
int ReadChargeOptionInput(const ChargeOptionInput& input, LONGLONG nReserveMinimum,
                          CAuctionChargeOption& option);

// The message of an error (900, 842, 1164, 1165); empty for another kind.
CString FormatChargeInputError(int nError, LONGLONG nReserveMinimum);

#endif // TANZO_CLIENT_ACTIONS_CHARGEOPTIONINPUT_H
