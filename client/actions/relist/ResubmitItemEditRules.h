#ifndef TANZO_CLIENT_ACTIONS_RESUBMITITEMEDITRULES_H
#define TANZO_CLIENT_ACTIONS_RESUBMITITEMEDITRULES_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CAuctionShipMethods;
class CItemCondition;
class CSelectValuePair;
class TanzoAuctionItem;

// The rules of the item edit dialogs of re-listing without their windows.

enum : DWORD
{
    // What OK hands to the selected rows in batch mode (all but the title).
    ItemEditBatchResultMask = 0x73E,
    // What the field dialogs' edits add to the result record on OK.
    ItemEditBatchWorkingMask = 0x730,
    ItemEditSingleWorkingMask = 0x731
};

// The start price the hub accepts.
const LONGLONG kItemEditMinStartPrice = 1;
const LONGLONG kItemEditMaxStartPrice = 9999999999LL;

// OK of the edit hub: the start price typed (digits, commas allowed) and
// the field dialogs' edits in working go into result. Returns 0 when the
// dialog may close, else the message to show (900 range, 901 start above
// buy-now) with result untouched. In batch mode an empty price leaves
// every row's own price.
UINT ApplyItemEditOk(BOOL bMulti, LPCTSTR startPriceText, const TanzoAuctionItem& working,
                     TanzoAuctionItem& result);

// Each selected row takes the hub's result: in batch mode its edits but
// the title, else the whole record.
void GetItemEditResult(BOOL bMulti, const TanzoAuctionItem& result, TanzoAuctionItem& target);

// Message 900 with the range.
void FormatItemEditRange(LONGLONG minimum, LONGLONG maximum, CString& out);

// The buy-now dialog's starting minimum: the typed start price, or in
// single mode without one the record's own.
LONGLONG GetBuyNowMinimum(BOOL bMulti, LPCTSTR startPriceText, const TanzoAuctionItem& result);
// The least buy-now price the range message names.
LONGLONG GetBuyNowRangeMinimum(LONGLONG minimum);

// The full title is fetched for the title dialog only for a title the
// list cut: longer than 53 bytes and ending in "...".
BOOL NeedsFullTitle(BOOL bMulti, const TanzoAuctionItem& working, const TanzoAuctionItem& result);

// Display texts of the hub's value statics.
UINT GetSalesModeNameId(int mode); // 0 for an unknown mode
UINT GetPriceLabelId(int mode);    // start or fixed price
void FormatBuyNowPriceText(LONGLONG price, CString& out);
void FormatQuantityText(int quantity, CString& out);
void FormatConditionText(const CItemCondition& condition, CString& out);
void FormatShippingText(const CAuctionShipMethods& shipping, CString& out);
void FormatSizeWeightText(const CSelectValuePair& pair, CString& out);

// The title edit's tool tip: the limit and the length typed so far in
// double-byte characters (a single byte counts a half).
void FormatTitleLengthTip(const CString& title, CString& out);

// The condition combo: the list without "中古" and "その他" (mode 1) or the
// older one. A code not listed has no position (-1); a position outside
// the list gives the default condition.
int GetConditionListCount(BOOL bNewList);
int ConditionCodeToPosition(int code, BOOL bNewList);
int ConditionPositionToCode(int position, BOOL bNewList);

// The question asked before storing a condition that is going away; 0 when
// none. question gets its text.
UINT GetConditionQuestion(const CItemCondition& condition, CString& question);

// The quantity the spin control starts at.
int ClampEditQuantity(int quantity);

// The listing kind a shipping dialog checks its methods for.
enum ShipListingKind
{
    ShipListingUnset = 0,
    ShipListingNormal = 1,
    ShipListingEasyTransaction = 2
};

// The shipping dialog's caption for a listing kind.
void FormatShipDialogCaption(int listingKind, CString& out);

// Shipping a normal listing cannot carry: 1209 with regional fees on the
// general page, 1208 with a ticked service on the service pages; else 0.
UINT CheckGeneralMethodsForKind(int listingKind, const CAuctionShipMethods& shipping);
UINT CheckServicesForKind(int listingKind, const CAuctionShipMethods& shipping);

// Where the shipping dialog points at a problem kind: the tab in front,
// and the fee type of the general page's method to select (-1 for none).
int GetShipProblemTab(int problemKind);
int GetShipProblemFeeType(int problemKind);

// The method entry dialog's input and what OK checks.
struct ShipMethodEntryInput
{
    CString name;
    int feeType = 0;
    CString fee;
    CString regionFees[3];
    CString link;
};
enum
{
    ShipEntryFocusNone = 0,
    ShipEntryFocusName,
    ShipEntryFocusFee,
    ShipEntryFocusRegion,
    ShipEntryFocusLink
};
// 0 when the input can be stored, with the values the method takes (-1 for
// a fee not set); else the message (517, 900, 1221, 478, 1050, 1051) and
// the control to focus.
UINT CheckShipMethodEntry(const ShipMethodEntryInput& input, LONGLONG& fee, LONGLONG regionFees[3],
                          int& focus);

#endif // TANZO_CLIENT_ACTIONS_RESUBMITITEMEDITRULES_H
