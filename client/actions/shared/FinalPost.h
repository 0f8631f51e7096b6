#ifndef TANZO_CLIENT_ACTIONS_FINALPOST_H
#define TANZO_CLIENT_ACTIONS_FINALPOST_H

#include "afx/wintypes.h"

class AuctionItem;
class CProgressSinkRef;
class CTanzoOperation;

// The post of an item that the service acts on (it lists, rates, adds,
// sets or removes), url-encoded body to url: sent once, neither repeated
// nor asked about by the HTTP layer, with the job marked as having made
// one (flag 2). TRUE when it was answered. Without an answer the service
// may have taken it, so the user is told to look (ShowFinalPostUnanswered),
// also when 中止 stopped it on its way; a post that a stop kept from
// leaving tells nothing.
BOOL SendFinalPost(CTanzoOperation& job, LPCTSTR url, LPCTSTR body, const AuctionItem& item);

// 906 with the item's title and ID: whether the service took the item's
// final post is unknown.
void ShowFinalPostUnanswered(const CProgressSinkRef& progress, const AuctionItem& item);

#endif // TANZO_CLIENT_ACTIONS_FINALPOST_H
