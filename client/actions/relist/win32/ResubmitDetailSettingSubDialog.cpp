#include "client/actions/relist/ResubmitDetailSettingSubDialog.h"

#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitDetailSettingPages.h"
#include "client/actions/relist/ResubmitDetailSettingPayPages.h"
#include "client/actions/relist/ResubmitDetailSettingPostPages.h"

IMPLEMENT_DYNAMIC(CResubmitDetailSettingSubDialog, CTabbedDialog)

CResubmitDetailSettingSubDialog::CResubmitDetailSettingSubDialog(UINT nIDTemplate, UINT nIDTabCtrl,
                                                                 CWnd* pParentWnd)
    : CTabbedDialog(nIDTemplate, nIDTabCtrl, pParentWnd, 0, nIDTemplate)
{
    m_validation.Add(validateUncreated);
    SetDialogOption(dialogHosted);
}

CAuctionSubmitSettingBasePage* CResubmitDetailSettingSubDialog::GetSettingPage(int nIndex) const
{
    return dynamic_cast<CAuctionSubmitSettingBasePage*>(GetPage(nIndex));
}

// Enter and Escape belong to the dialog around the page; its OK reads
// these pages.
void CResubmitDetailSettingSubDialog::OnOK()
{
    CBaseDialog::OnOK();
}

void CResubmitDetailSettingSubDialog::OnCancel()
{
    CBaseDialog::OnCancel();
}

CResubmitDetailSettingBidLimitSubDialog::CResubmitDetailSettingBidLimitSubDialog(CWnd* pParentWnd)
    : CResubmitDetailSettingSubDialog(IDD_DETAIL_BIDLIMIT_SUB, IDC_DETAIL_BIDLIMIT_SUB_TABS, pParentWnd)
{
}

void CResubmitDetailSettingBidLimitSubDialog::AddPages()
{
    AddPage(new CResubmitDetailSettingSalesContractPage(this));
}

CResubmitDetailSettingPaySubDialog::CResubmitDetailSettingPaySubDialog(CWnd* pParentWnd)
    : CResubmitDetailSettingSubDialog(IDD_DETAIL_PAY_SUB, IDC_DETAIL_PAY_SUB_TABS, pParentWnd)
{
}

void CResubmitDetailSettingPaySubDialog::AddPages()
{
    AddPage(new CResubmitDetailSettingPayNormalPage(this));
    AddPage(new CResubmitDetailSettingPayEasyTradingPage(this));
}

CResubmitDetailSettingPostSubDialog::CResubmitDetailSettingPostSubDialog(CWnd* pParentWnd)
    : CResubmitDetailSettingSubDialog(IDD_DETAIL_POST_SUB, IDC_DETAIL_POST_SUB_TABS, pParentWnd)
{
}

void CResubmitDetailSettingPostSubDialog::AddPages()
{
    AddPage(new CResubmitDetailSettingPostNormalPage(this));
    AddPage(new CResubmitDetailSettingPostEasyTradingPage(this));
}
