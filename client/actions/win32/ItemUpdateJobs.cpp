#include "client/actions/ActionJobs.h"

#include "client/RunOperationDialog.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoTabbedPage.h"
#include "client/actions/AddDescriptionDialog.h"
#include "client/actions/FeaturedAmountDialog.h"
#include "client/actions/FeaturedAmountOperation.h"
#include "client/actions/UpdateAuctionOperation.h"

namespace
{
// The job over the items behind the run dialog: whether it ran to its end
// and whether it sent a final post.
CItemJobResult RunOverItems(CTanzoOperation& job, CTanzoTabbedPage& page, const CItemSelection& items)
{
    for (int i = 0; i < items.GetSize(); ++i)
        job.AddTarget(items[i]);
    CRunOperationDialog run(&job, &page);
    CItemJobResult result;
    result.runResult = run.DoModal() == IDOK ? 1 : 0;
    result.done = job.TestFlag2() ? 1 : 0;
    return result;
}
} // namespace

CItemJobResult CActionJobs::AddDescription(CTanzoTabbedPage& page, const CItemSelection& items)
{
    if (items.GetSize() == 0)
        return CItemJobResult();
    // The dialog confirms the text and keeps it for the job to its end.
    CAddDescriptionDialog dialog(&page, CAddDescriptionDialog::ModeAddToItems);
    if (dialog.DoModal() != IDOK)
        return CItemJobResult();
    CUpdateAuctionOperation job(&dialog.GetSettingsPane());
    return RunOverItems(job, page, items);
}

CItemJobResult CActionJobs::SetFeaturedAmount(CTanzoTabbedPage& page, const CItemSelection& items)
{
    if (items.GetSize() == 0)
        return CItemJobResult();
    CFeaturedAmountDialog dialog(&page);
    if (dialog.DoModal() != IDOK)
        return CItemJobResult();
    CFeaturedAmountOperation job(dialog.GetAmount());
    return RunOverItems(job, page, items);
}
