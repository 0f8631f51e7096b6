#ifndef TANZO_CLIENT_ACTIONS_LEAVEFEEDBACKOPERATION_H
#define TANZO_CLIENT_ACTIONS_LEAVEFEEDBACKOPERATION_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "client/TanzoOperation.h"

class CStringList;

// The feedback job: for each target item, as the seller each chosen
// winner and as the buyer the seller, through the service's three
// feedback pages (input, confirmation, final post); then the partner, and
// the item once all its partners are done, is marked rated in the user's
// data. The first failure ends the job.
class CLeaveFeedbackOperation : public CTanzoOperation
{
public:
    enum
    {
        OperationType = 8
    };

    // nRating 1 to 5; the comment goes as given.
    CLeaveFeedbackOperation(BOOL bAsSeller, int nRating, LPCTSTR comment, CHttpComm* pHttpComm = nullptr,
                            CProgressSink* pSink = nullptr);
    ~CLeaveFeedbackOperation() override;

    BOOL Run() override;
    int GetOperationType() const override;
    // The command that ran the job tells the user.
    void ReportResult(BOOL bOk) override;

    // The seller's side of one item: each buyer chosen as a target.
    BOOL LeaveFeedbackForBuyers(AuctionItem* pItem);
    // One partner of one item; no partner named: the item's only one.
    // pLinkCache: the item page's links, shared by the item's partners.
    BOOL LeaveFeedback(AuctionItem* pItem, LPCTSTR partner, CStringList* pLinkCache);

private:
    BOOL IsForbidden(AuctionItem* pItem, LPCTSTR partner) const;
    BOOL OpenFeedbackPage(AuctionItem* pItem, LPCTSTR partner, CStringList* pLinkCache);
    BOOL PostInputForm(AuctionItem* pItem);
    BOOL PostConfirmation(AuctionItem* pItem);
    void MarkRated(AuctionItem* pItem, LPCTSTR partner);
    // The feedback job tells its failures in a plain box, without the
    // error icon of the other jobs.
    void ShowPlainError(UINT nID);

    BOOL m_bAsSeller;
    int m_nRating;
    CString m_strComment;
    BOOL m_bStored; // the user's item data changed
};

#endif // TANZO_CLIENT_ACTIONS_LEAVEFEEDBACKOPERATION_H
