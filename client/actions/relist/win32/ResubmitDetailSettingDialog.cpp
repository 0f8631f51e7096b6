#include "client/actions/relist/ResubmitDetailSettingDialog.h"

#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitDetailSettingPages.h"
#include "client/actions/relist/ResubmitDetailSettingPayPages.h"
#include "client/actions/relist/ResubmitDetailSettingPostPages.h"

IMPLEMENT_DYNAMIC(CResubmitDetailSettingDialog, CAuctionSubmitSettingBaseDialog)

CResubmitDetailSettingDialog::CResubmitDetailSettingDialog(CWnd* pParentWnd)
    : CAuctionSubmitSettingBaseDialog(IDD_RESUBMIT_DETAIL, IDC_DETAIL_TABS, 0, pParentWnd,
                                      IDH_RESUBMIT_SETTING, IDD_RESUBMIT_DETAIL),
      m_sink(*this)
{
    SetDialogOption(dialogHosted);
}

void CResubmitDetailSettingDialog::AddPages()
{
    AddPage(new CResubmitDetailSettingBasicPage(this));
    auto* pPayPage = new CResubmitDetailSettingPayPage(this);
    AddPage(pPayPage);
    pPayPage->PrepareSubPages();
    auto* pPostPage = new CResubmitDetailSettingPostPage(this);
    AddPage(pPostPage);
    pPostPage->PrepareSubPages();
    auto* pBidLimitPage = new CResubmitDetailSettingBidLimitPage(this);
    AddPage(pBidLimitPage);
    pBidLimitPage->PrepareSubPages();
    AddPage(new CResubmitDetailSettingMarkdownPage(this));
    AddPage(new CResubmitDetailSettingReturnPolicyPage(this));
}

void CResubmitDetailSettingDialog::OnOK()
{
    CBaseDialog::OnOK();
}

void CResubmitDetailSettingDialog::OnCancel()
{
    CBaseDialog::OnCancel();
}

BOOL CResubmitDetailSettingDialog::CPaneSink::ApplyToListingForm(CAuctionListingForm& form, int nFlag)
{
    BOOL bWritten = FALSE;
    for (int i = 0; i < m_dialog.GetPageCount(); ++i)
    {
        CAuctionSubmitSettingBasePage* pPage = m_dialog.GetSettingPage(i);
        if (auto* pContainer = dynamic_cast<CResubmitDetailContainerAddOn*>(pPage))
            bWritten |= pContainer->ApplyWithSubPages(form, nFlag);
        else if (pPage != nullptr)
            bWritten |= pPage->Apply(form);
    }
    return bWritten;
}

BOOL CResubmitDetailSettingDialog::CPaneSink::ReadAndSave(int bSave)
{
    if (!m_dialog.ValidatePages())
        return FALSE;
    if (bSave)
        m_dialog.SaveAllPages();
    return TRUE;
}

void CResubmitDetailSettingDialog::CPaneSink::ResetToDefaults()
{
    m_dialog.ResetAllPagesToDefaults();
}
