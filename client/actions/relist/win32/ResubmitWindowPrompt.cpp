#include "client/actions/relist/ResubmitWindowPrompt.h"

#include "app/ChoiceMessageDialog.h"
#include "app/MessageBoxDialog.h"
#include "client/actions/relist/ResubmitEditFieldDialogs.h"
#include "client/actions/relist/ResubmitEditShipMethodDialog.h"
#include "net/HttpComm.h"
#include "net/ProgressSinkRef.h"

BOOL CResubmitWindowPrompt::IsStopped(const CProgressSinkRef& progress)
{
    return progress.GetHttpComm() != nullptr && progress.GetHttpComm()->IsCancelled();
}

BOOL CResubmitWindowPrompt::EditShipMethods(CAuctionShipMethods& methods, BOOL bOfferFollowing,
                                            BOOL& bForFollowing)
{
    bForFollowing = FALSE;
    typedef CResubmitEditShipMethodControlTabbedBaseDialog CShipDialog;
    // The methods are asked for an easy-transaction listing.
    CShipDialog dialog(CShipDialog::ModeJob, m_pParentWnd);
    dialog.SetShipMethods(methods);
    dialog.SetListingKind(ShipListingEasyTransaction);
    dialog.SetOfferFollowing(bOfferFollowing);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    dialog.GetShipMethods(methods);
    bForFollowing = bOfferFollowing && dialog.GetFlags().TestAny(CShipDialog::FlagForFollowing);
    return TRUE;
}

BOOL CResubmitWindowPrompt::EditItemCondition(CItemCondition& condition, BOOL bOfferFollowing,
                                              BOOL& bForFollowing)
{
    bForFollowing = FALSE;
    typedef CResubmitEditItemConditionDialog CConditionDialog;
    CConditionDialog dialog(CConditionDialog::ModeNewList |
                                (bOfferFollowing ? CConditionDialog::ModeOfferFollowing : 0),
                            m_pParentWnd);
    dialog.SetCondition(condition);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    condition = dialog.GetCondition();
    bForFollowing = bOfferFollowing && dialog.GetFlags().TestAny(CConditionDialog::FlagForFollowing);
    return TRUE;
}

void CResubmitWindowPrompt::ShowNotice(const CProgressSinkRef& progress, LPCTSTR text)
{
    if (IsStopped(progress))
        return;
    CSimpleMessageDialog notice(text, m_pParentWnd);
    notice.DoModal();
}

int CResubmitWindowPrompt::ShowHeadedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR heading,
                                             UINT nType)
{
    if (IsStopped(progress))
        return IDCANCEL;
    CChoiceMessageDialog box(text, m_pParentWnd);
    box.SetStyle(nType);
    box.SetHeading(heading);
    return (int)box.DoModal();
}

int CResubmitWindowPrompt::ShowLinkedMessage(const CProgressSinkRef& progress, LPCTSTR text, LPCTSTR url,
                                             LPCTSTR linkText, UINT nType)
{
    if (IsStopped(progress))
        return IDCANCEL;
    CChoiceMessageDialog box(text, m_pParentWnd);
    box.SetStyle(nType);
    box.SetUrl(url, linkText);
    return (int)box.DoModal();
}
