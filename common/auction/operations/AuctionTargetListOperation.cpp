#include "auction/operations/AuctionTargetListOperation.h"

CAuctionTargetListOperation::CAuctionTargetListOperation(CHttpComm* pHttpComm, CProgressSink* pSink)
    : CAuctionOperationBase(pHttpComm, pSink), m_targets(10)
{
}

CAuctionTargetListOperation::~CAuctionTargetListOperation() = default;

int CAuctionTargetListOperation::GetTargetCount() const
{
    return (int)m_targets.GetCount();
}

void CAuctionTargetListOperation::AddTarget(AuctionItem* pItem)
{
    m_targets.AddTail(pItem);
}
