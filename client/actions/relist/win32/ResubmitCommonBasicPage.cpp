#include "client/actions/relist/ResubmitCommonBasicPage.h"

#include "afx/DataExchange.h"
#include "app/DialogProfile.h"
#include "auction/settings/SubmitBasicSettings.h"
#include "client/actions/relist/ResubmitResourceIds.h"

IMPLEMENT_DYNAMIC(CResubmitCommonBasicPage, CResubmitSettingBasicPage)

CResubmitCommonBasicPage::CResubmitCommonBasicPage(CWnd* pParentWnd)
    : CResubmitSettingBasicPage(IDD_RESUBMIT_COMMON_BASIC, pParentWnd, IDH_RESUBMIT_SETTING), m_sink(*this)
{
    TakeOlderSettings();
}

void CResubmitCommonBasicPage::TakeOlderSettings()
{
    // Saved once by any release of this page: its own values hold.
    if (GetPermanentState().TestAny(CSubmitSettingPageState::StateCreated) || m_state.GetRegVersion() != 0)
        return;
    CSubmitBasicSettings& settings = GetSettings();
    settings.SetDuration(
        GetDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "Duration", CSubmitBasicSettings::DefaultDuration));
    settings.SetClosingTime(GetDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "ClosingTime",
                                                CSubmitBasicSettings::DefaultClosingTime));
    settings.SetNumResubmit(GetDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "NumResubmit",
                                                CSubmitBasicSettings::DefaultNumResubmit));
    DWORD dwToggles = settings.GetToggles() & ~CSubmitBasicSettings::ToggleAutoExtension;
    if (GetDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "AutoExtension", 1) != 0)
        dwToggles |= CSubmitBasicSettings::ToggleAutoExtension;
    settings.SetToggles(dwToggles);
    SaveSettings();
}

void CResubmitCommonBasicPage::DoDataExchange(CDataExchange* pDX)
{
    CResubmitSettingBasicPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESUBMIT_DURATION, m_durationEdit);
    DDX_Control(pDX, IDC_RESUBMIT_DURATION_SPIN, m_durationSpin);
    DDX_Control(pDX, IDC_RESUBMIT_CLOSING_TIME, m_closingTimeEdit);
    DDX_Control(pDX, IDC_RESUBMIT_CLOSING_TIME_SPIN, m_closingTimeSpin);
    DDX_Control(pDX, IDC_RESUBMIT_NUM_RESUBMIT, m_numResubmitEdit);
    DDX_Control(pDX, IDC_RESUBMIT_NUM_RESUBMIT_SPIN, m_numResubmitSpin);
    DDX_Control(pDX, IDC_RESUBMIT_CLOSE_EARLY, m_closeEarlyCheck);
    DDX_Control(pDX, IDC_RESUBMIT_AUTO_EXTENSION, m_autoExtensionCheck);
}

BOOL CResubmitCommonBasicPage::CPaneSink::ApplyToListingForm(CAuctionListingForm& form, int)
{
    return m_page.Apply(form);
}

BOOL CResubmitCommonBasicPage::CPaneSink::ReadAndSave(int bSave)
{
    if (!m_page.Validate(nullptr))
        return FALSE;
    if (bSave)
        m_page.SaveSettings();
    return TRUE;
}

void CResubmitCommonBasicPage::CPaneSink::ResetToDefaults()
{
    m_page.ResetToDefaults();
}
