#include "auction/settings/AuctionSubmitSettingBaseDialog.h"

#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "auction/settings/AuctionSubmitSettingBasicBasePage.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingBaseDialog, CTabbedDialog)

CAuctionSubmitSettingBaseDialog::CAuctionSubmitSettingBaseDialog(UINT nIDTemplate, UINT nIDTabCtrl,
                                                                 DWORD dwDialogOptions, CWnd* pParentWnd,
                                                                 UINT nHelpId, UINT nSettingsId)
    : CTabbedDialog(nIDTemplate, nIDTabCtrl, pParentWnd, nHelpId, nSettingsId), m_options(dwDialogOptions)
{
    // Pages never shown are checked too: their stored values may never
    // have been seen.
    m_validation.Add(validateUncreated);
}

CAuctionSubmitSettingBasicBasePage* CAuctionSubmitSettingBaseDialog::GetBasicPage()
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (auto* pPage = dynamic_cast<CAuctionSubmitSettingBasicBasePage*>(GetPage(i)))
            return pPage;
    }
    return nullptr;
}

void CAuctionSubmitSettingBaseDialog::SaveAllPages()
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (CAuctionSubmitSettingBasePage* pPage = GetSettingPage(i))
            pPage->SaveSettings();
    }
}

void CAuctionSubmitSettingBaseDialog::ResetAllPagesToDefaults()
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (CAuctionSubmitSettingBasePage* pPage = GetSettingPage(i))
            pPage->ResetToDefaults();
    }
}

CAuctionSubmitSettingBasePage* CAuctionSubmitSettingBaseDialog::GetSettingPage(int nIndex) const
{
    return dynamic_cast<CAuctionSubmitSettingBasePage*>(GetPage(nIndex));
}

int CAuctionSubmitSettingBaseDialog::GetNumResubmit()
{
    CAuctionSubmitSettingBasicBasePage* pBasic = GetBasicPage();
    return pBasic != nullptr ? pBasic->GetNumResubmit() : -1;
}
