#include "auction/settings/AuctionSubmitSettingBasicBasePage.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingBasicBasePage, CAuctionSubmitSettingBasePage)

CAuctionSubmitSettingBasicBasePage::CAuctionSubmitSettingBasicBasePage(UINT nIDTemplate, CWnd* pParentWnd,
                                                                       UINT nHelpId, UINT nSettingsId)
    : CAuctionSubmitSettingBasePage(nIDTemplate, 0, pParentWnd, nHelpId, nSettingsId),
      m_settings(GetSettingsId())
{
}

BOOL CAuctionSubmitSettingBasicBasePage::SaveSettings()
{
    return SaveWithVersion(m_settings);
}

BOOL CAuctionSubmitSettingBasicBasePage::Apply(CAuctionListingForm& form)
{
    return m_settings.Apply(form);
}

BOOL CAuctionSubmitSettingBasicBasePage::IsDefault()
{
    return m_settings.IsDefault();
}

void CAuctionSubmitSettingBasicBasePage::InitControls()
{
    const struct
    {
        CDigitEdit& edit;
        CSpinButtonCtrl& spin;
        int nChars;
        int nLower;
        int nUpper;
    } fields[] = {
        {m_durationEdit, m_durationSpin, 1, CSubmitBasicSettings::MinDuration,
         CSubmitBasicSettings::MaxDuration},
        {m_closingTimeEdit, m_closingTimeSpin, 2, 0, CSubmitBasicSettings::MaxClosingTime},
        {m_numResubmitEdit, m_numResubmitSpin, 1, 0, CSubmitBasicSettings::MaxNumResubmit},
    };
    for (const auto& field : fields)
    {
        field.edit.LimitText(field.nChars);
        field.spin.SetBuddy(&field.edit);
        field.spin.SetRange(field.nLower, field.nUpper);
        AddTail((DWORD)field.edit.GetDlgCtrlID());
    }
}

void CAuctionSubmitSettingBasicBasePage::UpdateControls()
{
    m_durationSpin.SetPos(m_settings.GetDuration());
    m_closingTimeSpin.SetPos(m_settings.GetClosingTime());
    m_numResubmitSpin.SetPos(m_settings.GetNumResubmit());
    SetChecked(m_closeEarlyCheck, (m_settings.GetToggles() & CSubmitBasicSettings::ToggleCloseEarly) != 0);
    SetChecked(m_autoExtensionCheck,
               (m_settings.GetToggles() & CSubmitBasicSettings::ToggleAutoExtension) != 0);
}

void CAuctionSubmitSettingBasicBasePage::SetDefaults()
{
    m_settings.SetDefaults();
}

BOOL CAuctionSubmitSettingBasicBasePage::Validate(CTabbedDialog*)
{
    if (!HasWindow())
        return ValidateUnshown();
    const struct
    {
        CSpinButtonCtrl& spin;
        CDigitEdit& edit;
        int nError;
    } fields[] = {
        {m_durationSpin, m_durationEdit, ErrorDuration},
        {m_closingTimeSpin, m_closingTimeEdit, ErrorClosingTime},
        {m_numResubmitSpin, m_numResubmitEdit, ErrorNumResubmit},
    };
    int nValues[3] = {};
    for (int i = 0; i < 3; ++i)
    {
        if (!ReadSpinPos(fields[i].spin, nValues[i]))
        {
            ShowInputError(fields[i].nError);
            FocusEdit(fields[i].edit);
            return FALSE;
        }
    }
    m_settings.SetDuration(nValues[0]);
    m_settings.SetClosingTime(nValues[1]);
    m_settings.SetNumResubmit(nValues[2]);
    DWORD dwToggles = 0;
    if (IsChecked(m_closeEarlyCheck))
        dwToggles |= CSubmitBasicSettings::ToggleCloseEarly;
    if (IsChecked(m_autoExtensionCheck))
        dwToggles |= CSubmitBasicSettings::ToggleAutoExtension;
    m_settings.SetToggles(dwToggles);
    return TRUE;
}

int CAuctionSubmitSettingBasicBasePage::GetNumResubmit()
{
    int nCount = m_settings.GetNumResubmit();
    if (HasWindow() && !ReadSpinPos(m_numResubmitSpin, nCount))
        nCount = -1;
    return CSubmitBasicSettings::ClampNumResubmit(nCount);
}
