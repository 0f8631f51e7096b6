#include "client/actions/removal/RemovalBatches.h"

#include "auction/records/AuctionItem.h"
#include "client/actions/feedback/FeedbackResourceIds.h"

int GetRemovalBatchCount(const CAuctionItemPtrList& targets)
{
    int nIds = 0;
    for (POSITION pos = targets.GetHeadPosition(); pos != nullptr;)
    {
        const AuctionItem* pItem = targets.GetNext(pos);
        if (pItem != nullptr && !pItem->GetAuctionID().IsEmpty())
            ++nIds;
    }
    return (nIds + RemovalBatchSize - 1) / RemovalBatchSize;
}

BOOL TakeRemovalBatch(const CAuctionItemPtrList& targets, POSITION& pos, CStringList& ids)
{
    ids.RemoveAll();
    while (pos != nullptr && ids.GetCount() < RemovalBatchSize)
    {
        const AuctionItem* pItem = targets.GetAt(pos);
        if (pItem == nullptr)
            return FALSE;
        targets.GetNext(pos);
        if (!pItem->GetAuctionID().IsEmpty())
            ids.AddTail(pItem->GetAuctionID());
    }
    return TRUE;
}

void FormatRemovalItemLine(const AuctionItem& first, BOOL bMoreFollow, CString& out)
{
    first.FormatTitleWithID(out, FALSE);
    if (bMoreFollow)
    {
        CString more;
        more.LoadString(IDS_REMOVE_MORE_ITEMS);
        out += more;
    }
}
