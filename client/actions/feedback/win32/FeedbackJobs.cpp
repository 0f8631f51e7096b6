#include "client/actions/shared/ActionJobs.h"

#include "client/TanzoAuctionItem.h"
#include "client/TanzoDoc.h"
#include "client/TanzoTabbedPage.h"
#include "client/actions/feedback/LeaveFeedbackOperation.h"
#include "client/actions/feedback/PartnerSelection.h"
#include "client/actions/feedback/RateSettingDialog.h"
#include "client/actions/feedback/TanzoSendTargetSelectBaseDialog.h"
#include "client/actions/removal/RemoveFromListOperation.h"

namespace
{
// The partners are read from the item page as the dialog opens when the
// list gave the winner list's link, alone or after the top bidder.
void AskForPartners(CTanzoSendTargetSelectBaseDialog& dialog, TanzoAuctionItem& item, BOOL namedWinner)
{
    dialog.SetItem(&item);
    if (namedWinner || HasWinnerListLink(item))
        dialog.SetOptions(CSendTargetSelectBaseDialog::OptionRefreshOnShow);
}
} // namespace

CItemJobResult CActionJobs::Rate(CTanzoTabbedPage& page, const CItemSelection& items, BOOL asSeller)
{
    if (items.GetSize() == 0)
        return CItemJobResult();
    CRateSettingDialog settings(
        CRateSettingDialog::flagFeedback |
            (asSeller ? CRateSettingDialog::flagAsSeller : CRateSettingDialog::flagAsBuyer),
        &page);
    settings.SetDocument(page.GetDocument());
    for (int i = 0; i < items.GetSize(); ++i)
        settings.AddTarget(items[i]);
    if (settings.DoModal() != IDOK)
        return CItemJobResult();
    CString comment;
    settings.GetComment(comment);
    CLeaveFeedbackOperation job(asSeller, settings.GetRateValue(), comment);
    return RunJob(job, page, items);
}

CItemJobResult CActionJobs::Remove(CTanzoTabbedPage& page, const CItemSelection& items, LPCTSTR listUrl,
                                   int removalKind)
{
    if (items.GetSize() == 0)
        return CItemJobResult();
    CRemoveFromListOperation job(listUrl, removalKind);
    return RunJob(job, page, items);
}

BOOL CActionJobs::SelectPartners(CWnd* pParent, TanzoAuctionItem& item, int mode, BOOL namedWinner)
{
    CRateTargetSelectDialog dialog(mode, pParent);
    AskForPartners(dialog, item, namedWinner);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    CTanzoAuctionBuyerList partners;
    dialog.GetTargets(partners);
    item.ReplaceBuyers(partners);
    return TRUE;
}

BOOL CActionJobs::ShowWinnerList(CWnd* pParent, TanzoAuctionItem& item, BOOL namedWinner, BOOL* pChanged)
{
    if (pChanged != nullptr)
        *pChanged = FALSE;
    CWinnerListDialog dialog(pParent);
    AskForPartners(dialog, item, namedWinner);
    dialog.DoModal();
    if ((dialog.GetOptionFlags() & CTanzoSendTargetSelectBaseDialog::OptionFetched) == 0)
        return TRUE;
    CTanzoAuctionBuyerList partners;
    dialog.GetTargets(partners);
    item.ReplaceBuyers(partners);
    if (pChanged != nullptr)
        *pChanged = TRUE;
    return TRUE;
}
