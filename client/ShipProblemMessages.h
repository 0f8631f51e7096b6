#ifndef TANZO_CLIENT_SHIPPROBLEMMESSAGES_H
#define TANZO_CLIENT_SHIPPROBLEMMESSAGES_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CAuctionShipMethods;

// Method names that the shipping check of an easy-transaction listing
// knows, as zero-terminated lists of string ids: names that only the
// service's own shipping may carry, flat-rate methods that cannot be
// listed without a fee, and flat-rate methods that cannot be paid on
// arrival.
extern const UINT kServiceShipNameIds[];
extern const UINT kFlatRateShipNameIds[];
extern const UINT kNoArrivalShipNameIds[];

// The message of a problem kind of CAuctionShipMethods::CheckShipMethods;
// 0 for none.
UINT GetShipMethodProblemMessageId(const CAuctionShipMethods& shipping, int kind);
// The message of an ordinary listing's shipping kind
// (CAuctionShipMethods::GetShippingKind); 0 for none.
UINT GetListingKindShipMessageId(int kind);

// The text of message id about the item's methods; detail is the check's,
// whose bits from 16 up index the name table the message names.
void FormatShipMethodProblem(const CAuctionShipMethods& shipping, UINT id, DWORD detail, CString& out);
void ShowShipMethodProblem(const CAuctionShipMethods& shipping, UINT id, DWORD detail);

#endif // TANZO_CLIENT_SHIPPROBLEMMESSAGES_H
