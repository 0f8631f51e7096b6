#include "client/actions/shared/ActionJobs.h"

#include "client/RunOperationDialog.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoOperation.h"
#include "client/TanzoTabbedPage.h"

CItemJobResult CActionJobs::RunJob(CTanzoOperation& job, CTanzoTabbedPage& page, const CItemSelection& items)
{
    for (int i = 0; i < items.GetSize(); ++i)
        job.AddTarget(items[i]);
    CRunOperationDialog run(&job, &page);
    return RunDialog(run, job);
}

CItemJobResult CActionJobs::RunDialog(CRunOperationDialog& run, const CTanzoOperation& job)
{
    CItemJobResult result;
    result.runResult = run.DoModal() == IDOK ? 1 : 0;
    result.done = job.TestFlag2() ? 1 : 0;
    return result;
}
