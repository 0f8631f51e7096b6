#ifndef TANZO_AUCTION_AUCTIONTARGETLISTOPERATION_H
#define TANZO_AUCTION_AUCTIONTARGETLISTOPERATION_H

#include "afx/List.h"
#include "auction/operations/AuctionOperationBase.h"

class AuctionItem;

// An operation over a list of items, which it does not own.
class CAuctionTargetListOperation : public CAuctionOperationBase
{
public:
    CAuctionTargetListOperation(CHttpComm* pHttpComm, CProgressSink* pSink);
    ~CAuctionTargetListOperation() override;

    int GetTargetCount() const override;
    void AddTarget(AuctionItem* pItem);
    const CTypedPtrList<CPtrList, AuctionItem*>& GetTargets() const { return m_targets; }

private:
    CTypedPtrList<CPtrList, AuctionItem*> m_targets;
};

#endif // TANZO_AUCTION_AUCTIONTARGETLISTOPERATION_H
