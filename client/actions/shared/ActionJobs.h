#ifndef TANZO_CLIENT_ACTIONS_ACTIONJOBS_H
#define TANZO_CLIENT_ACTIONS_ACTIONJOBS_H

// The item actions' side of the list pages' hand-over (Windows builds):
// their dialogs and jobs, registered by the program at start-up
// (SetItemJobs). Each topic keeps its hand-overs in a file of its own.

#include "client/ItemJobs.h"

class CRunOperationDialog;
class CTanzoOperation;

class CActionJobs : public CItemJobs
{
public:
    // Re-listing (ResubmitJobs.cpp).
    CItemJobResult Resubmit(CTanzoTabbedPage& page, const CItemSelection& items, int listKind) override;

    // Feedback, partners and removal (FeedbackJobs.cpp).
    CItemJobResult Rate(CTanzoTabbedPage& page, const CItemSelection& items, BOOL asSeller) override;
    CItemJobResult Remove(CTanzoTabbedPage& page, const CItemSelection& items, LPCTSTR listUrl,
                          int removalKind) override;
    BOOL SelectPartners(CWnd* pParent, TanzoAuctionItem& item, int mode, BOOL namedWinner) override;
    BOOL ShowWinnerList(CWnd* pParent, TanzoAuctionItem& item, BOOL namedWinner, BOOL* pChanged) override;

    // Description additions and featured amounts (ItemUpdateJobs.cpp).
    CItemJobResult AddDescription(CTanzoTabbedPage& page, const CItemSelection& items) override;
    CItemJobResult SetFeaturedAmount(CTanzoTabbedPage& page, const CItemSelection& items) override;

private:
    // The job over the items behind the run dialog over the page
    // (ActionJobs.cpp).
    static CItemJobResult RunJob(CTanzoOperation& job, CTanzoTabbedPage& page, const CItemSelection& items);
    // The run dialog of the job, to its end: whether the job ran to its end
    // and whether it sent a final post.
    static CItemJobResult RunDialog(CRunOperationDialog& run, const CTanzoOperation& job);
};

#endif // TANZO_CLIENT_ACTIONS_ACTIONJOBS_H
