#include "client/actions/shared/ActionJobs.h"

#include "client/TanzoTabbedPage.h"
#include "client/actions/updates/AddDescriptionDialog.h"
#include "client/actions/updates/FeaturedAmountDialog.h"
#include "client/actions/updates/FeaturedAmountOperation.h"
#include "client/actions/updates/UpdateAuctionOperation.h"

CItemJobResult CActionJobs::AddDescription(CTanzoTabbedPage& page, const CItemSelection& items)
{
    if (items.GetSize() == 0)
        return CItemJobResult();
    // The dialog confirms the text and keeps it for the job to its end.
    CAddDescriptionDialog dialog(&page, CAddDescriptionDialog::ModeAddToItems);
    if (dialog.DoModal() != IDOK)
        return CItemJobResult();
    CUpdateAuctionOperation job(&dialog.GetSettingsPane());
    return RunJob(job, page, items);
}

CItemJobResult CActionJobs::SetFeaturedAmount(CTanzoTabbedPage& page, const CItemSelection& items)
{
    if (items.GetSize() == 0)
        return CItemJobResult();
    CFeaturedAmountDialog dialog(&page);
    if (dialog.DoModal() != IDOK)
        return CItemJobResult();
    CFeaturedAmountOperation job(dialog.GetAmount());
    return RunJob(job, page, items);
}
