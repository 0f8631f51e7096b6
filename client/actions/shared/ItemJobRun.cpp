#include "client/actions/shared/ItemJobRun.h"

#include "auction/operations/AuctionTargetListOperation.h"
#include "auction/records/AuctionItem.h"

BOOL RunItemByItem(CAuctionTargetListOperation& job, const std::function<CString(int n, int count)>& caption,
                   const std::function<int(AuctionItem*)>& doItem)
{
    CProgressTextGuard clearStatus(&job.GetProgress());
    const CTypedPtrList<CPtrList, AuctionItem*>& targets = job.GetTargets();
    const int nCount = (int)targets.GetCount();
    int nIndex = 0;
    for (POSITION pos = targets.GetHeadPosition(); pos != nullptr;)
    {
        AuctionItem* pItem = targets.GetNext(pos);
        job.GetProgress().SetTitle(caption(++nIndex, nCount));
        if (doItem(pItem) == 0)
            return FALSE;
    }
    return TRUE;
}

void ShowItemHeading(CAuctionTargetListOperation& job, const AuctionItem& item, UINT nStatusId,
                     CString& heading)
{
    item.FormatTitleWithID(heading, FALSE);
    job.GetProgress().SetSubStatus(heading);
    job.GetProgress().SetStatusId(nStatusId);
}
