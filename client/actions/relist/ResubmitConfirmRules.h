#ifndef TANZO_CLIENT_ACTIONS_RESUBMITCONFIRMRULES_H
#define TANZO_CLIENT_ACTIONS_RESUBMITCONFIRMRULES_H

#include <vector>

#include "afx/String.h"
#include "afx/wintypes.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CAuctionChargeOption;
class TanzoAuctionItem;

// The rules of the re-listing confirmation list without its window.

// Whether a command of the list (its buttons and menus) may run on a list of nRows rows of which nSelected
// are selected, nSelectedRow the first of them (-1 for none).
BOOL IsConfirmCommandEnabled(UINT nID, int nRows, int nSelected, int nSelectedRow);

// An item that was never given a start price of its own is listed again
// at its current price, as an edit of its start price; TRUE when it was.
BOOL TakeCurrentPriceAsStart(TanzoAuctionItem& item);

// The item's edited buy-now price lies below its start price; message gets
// 1084 with the item and both prices.
BOOL IsBuyNowBelowStart(const TanzoAuctionItem& item, CString& message);

// The record the edit dialogs show for the selected rows: the first one,
// then only what every further one has in common with it.
void BuildCommonItem(const std::vector<const TanzoAuctionItem*>& items, TanzoAuctionItem& out);

// The largest start price of the rows: the least a reserve price may be.
LONGLONG GetLargestStartPrice(const std::vector<const TanzoAuctionItem*>& items);

// The paid options confirmed for a row, as its edit.
void ApplyChargeOption(TanzoAuctionItem& item, const CAuctionChargeOption& option);

#endif // TANZO_CLIENT_ACTIONS_RESUBMITCONFIRMRULES_H
