#ifndef TANZO_CLIENT_ITEMJOBS_H
#define TANZO_CLIENT_ITEMJOBS_H

// Where the item commands of the list pages hand over, once they have
// checked that they may run and the user has confirmed: the dialogs and
// jobs of the item actions (Windows builds). The list page does what
// comes before (enabling, the question, the targets) and after (reloading
// the user's records, refreshing, the closing message); the actions fill
// in the middle by registering a CItemJobs of their own at start-up.
// Until one is registered every hand-over changes nothing and reports
// that nothing was done.

#include "afx/wintypes.h"
#include "client/ListCommandRules.h"

class CTanzoTabbedPage;
class CWnd;
class TanzoAuctionItem;

// How a hand-over ended: the job's done flag (it sent at least one final
// post: the operation's flag bit 2) and the run dialog's result (1 when
// the job ran to its end).
struct CItemJobResult
{
    int done = 0;
    int runResult = 0;
};

class CItemJobs
{
public:
    virtual ~CItemJobs();

    // Each gets the page the command came from (the dialogs' parent, the
    // list's sort state) and the confirmed items in list order; the items
    // belong to the page's list and stay valid until the job returns.

    // The description dialog, then the description job over the items.
    virtual CItemJobResult AddDescription(CTanzoTabbedPage& page, const CItemSelection& items);
    // The featured-amount dialog, then its job.
    virtual CItemJobResult SetFeaturedAmount(CTanzoTabbedPage& page, const CItemSelection& items);
    // The removal job over the list at listUrl (the list's status page on
    // the closed-list host) with its removal kind (0 closed with a winner,
    // 1 closed without a winner, 2 won).
    virtual CItemJobResult Remove(CTanzoTabbedPage& page, const CItemSelection& items, LPCTSTR listUrl,
                                  int removalKind);
    // The re-listing confirmation and settings dialogs, then the
    // re-listing job; listKind is 1 or 2.
    virtual CItemJobResult Resubmit(CTanzoTabbedPage& page, const CItemSelection& items, int listKind);
    // The rating settings dialog, then the feedback job over the targets
    // (their buyers marked with the target flag); asSeller 1 rates winners,
    // 0 sellers.
    virtual CItemJobResult Rate(CTanzoTabbedPage& page, const CItemSelection& items, BOOL asSeller);
    // The partner-selection dialog of an item with several winners (mode
    // 0 rating targets, 1 rated, 2 rating forbidden), the winner-list
    // placeholder first when namedWinner. On OK the dialog's buyers replace
    // the item's (TanzoAuctionItem::ReplaceBuyers) and the result is TRUE;
    // FALSE leaves the item as it was.
    virtual BOOL SelectPartners(CWnd* pParent, TanzoAuctionItem& item, int mode, BOOL namedWinner);
    // The winner list of an item with several winners (the placeholder
    // first when namedWinner). TRUE when it was shown; *pChanged TRUE when
    // its winners replaced the item's buyers.
    virtual BOOL ShowWinnerList(CWnd* pParent, TanzoAuctionItem& item, BOOL namedWinner, BOOL* pChanged);
};

// The registered actions; the default ones until a CItemJobs is set.
CItemJobs& GetItemJobs();
// Null brings the defaults back; the caller keeps the object alive.
void SetItemJobs(CItemJobs* pJobs);

#endif // TANZO_CLIENT_ITEMJOBS_H
