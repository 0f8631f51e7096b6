#include "client/actions/relist/ResubmitSettingBasicPage.h"

#include "app/DialogProfile.h"
#include "auction/settings/SubmitBasicSettings.h"
#include "client/actions/relist/ResubmitResourceIds.h"

IMPLEMENT_DYNAMIC(CResubmitSettingBasicPage, CAuctionSubmitSettingBasicBasePage)

CResubmitSettingBasicPage::CResubmitSettingBasicPage(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId,
                                                     UINT nSettingsId)
    : CAuctionSubmitSettingBasicBasePage(nIDTemplate, pParentWnd, nHelpId, nSettingsId)
{
}

void CResubmitSettingBasicPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_TITLE_BASIC);
}

void CResubmitSettingBasicPage::ShowInputError(int nWhich)
{
    int nLower = 0;
    int nUpper = 0;
    switch (nWhich)
    {
    case ErrorDuration:
        nLower = CSubmitBasicSettings::MinDuration;
        nUpper = CSubmitBasicSettings::MaxDuration;
        break;
    case ErrorClosingTime:
        nUpper = CSubmitBasicSettings::MaxClosingTime;
        break;
    case ErrorNumResubmit:
        nUpper = CSubmitBasicSettings::MaxNumResubmit;
        break;
    default:
        return;
    }
    CString text;
    text.FormatMessage(IDS_NUMBER_OUT_OF_RANGE, nLower, nUpper);
    ShowMessageText(text, MB_OK | MB_ICONEXCLAMATION, 0);
}

int CResubmitSettingBasicPage::GetRegVersion()
{
    const int nVersion = CAuctionSubmitSettingBasicBasePage::GetRegVersion();
    return nVersion != 0 ? nVersion : GetDialogProfileInt(IDD_DETAIL_PAY, "DlgRegVersion", 0);
}

void CResubmitSettingBasicPage::SetStandardToolTips()
{
    CAuctionSubmitSettingBasicBasePage::SetStandardToolTips();
    const struct
    {
        CWnd& control;
        UINT nTip;
    } tips[] = {
        {m_durationEdit, IDS_TIP_DURATION},        {m_durationSpin, IDS_TIP_DURATION},
        {m_closingTimeEdit, IDS_TIP_CLOSING_TIME}, {m_closingTimeSpin, IDS_TIP_CLOSING_TIME},
        {m_numResubmitEdit, IDS_TIP_NUM_RESUBMIT}, {m_numResubmitSpin, IDS_TIP_NUM_RESUBMIT},
        {m_closeEarlyCheck, IDS_TIP_CLOSE_EARLY},  {m_autoExtensionCheck, IDS_TIP_AUTO_EXTENSION},
    };
    for (const auto& tip : tips)
        if (::IsWindow(tip.control.m_hWnd))
            AddToolTip(&tip.control, tip.nTip);
}
