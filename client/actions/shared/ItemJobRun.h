#ifndef TANZO_CLIENT_ACTIONS_ITEMJOBRUN_H
#define TANZO_CLIENT_ACTIONS_ITEMJOBRUN_H

#include <functional>

#include "afx/String.h"
#include "afx/wintypes.h"

class AuctionItem;
class CAuctionTargetListOperation;

// The run of a job over its targets in list order: the caption of the n-th
// of count (from 1) shows before the item is done, and the first item that
// gives 0 ends the run with FALSE. The status line is cleared however the
// run ends.
BOOL RunItemByItem(CAuctionTargetListOperation& job, const std::function<CString(int n, int count)>& caption,
                   const std::function<int(AuctionItem*)>& doItem);

// The item's title with its ID as the second status line and the first
// status line nStatusId; heading gets the title with the ID.
void ShowItemHeading(CAuctionTargetListOperation& job, const AuctionItem& item, UINT nStatusId,
                     CString& heading);

#endif // TANZO_CLIENT_ACTIONS_ITEMJOBRUN_H
