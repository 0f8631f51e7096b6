#include "client/actions/shared/ActionJobs.h"

#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/RunOperationDialog.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoTabbedPage.h"
#include "client/actions/relist/ResubmitConfirmDialog.h"
#include "client/actions/relist/ResubmitOperation.h"
#include "client/actions/relist/ResubmitSettingDialog.h"
#include "client/actions/relist/ResubmitWindowPrompt.h"

CItemJobResult CActionJobs::Resubmit(CTanzoTabbedPage& page, const CItemSelection& items, int listKind)
{
    if (items.GetSize() == 0 || (listKind != ListKind::ClosedWinner && listKind != ListKind::ClosedNoWinner))
        return CItemJobResult();

    CResubmitConfirmDialog confirm(listKind, &page);
    for (int i = 0; i < items.GetSize(); ++i)
        confirm.AddItem(*items[i]);
    confirm.StoreSortState(page.GetList());
    if (confirm.DoModal() != IDOK)
        return CItemJobResult();
    CResubmitConfirmDialog::ItemList confirmed;
    confirm.GetItems(confirmed);

    // The settings pane lives with the dialog: the job uses it to its end.
    CResubmitSettingDialog settings(CResubmitSettingDialog::ModeBeforeResubmit, &page);
    if (settings.DoModal() != IDOK)
        return CItemJobResult();

    CResubmitOperation job(settings.GetSelectedSettings());
    if (COptionSettings* pOptions = GetOptionSettings())
        job.SetOptionBits(pOptions->MaskOptionBits(COptionSettings::StoredOptionBits));
    // Items re-listed from the list without a winner leave it at its
    // next reading.
    if (listKind == ListKind::ClosedNoWinner)
        job.SetEditMode(CResubmitOperation::EditMarkRelisted);
    for (const auto& pItem : confirmed)
        job.AddTarget(pItem.get());
    CRunOperationDialog run(&job, &page);
    CResubmitWindowPrompt prompt(&run);
    job.SetPrompt(&prompt);
    return RunDialog(run, job);
}
