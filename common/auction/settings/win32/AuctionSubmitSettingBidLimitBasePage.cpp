#include "auction/settings/AuctionSubmitSettingBidLimitBasePage.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingBidLimitBasePage, CAuctionSubmitSettingBasePage)

const DWORD CAuctionSubmitSettingBidLimitBasePage::kCheckBits[CheckCount] = {
    CSubmitBidLimitSettings::ToggleMinRating, CSubmitBidLimitSettings::ToggleBadRatingRatio,
    CSubmitBidLimitSettings::ToggleCreditLimit, CSubmitBidLimitSettings::ToggleSalesContract};

CAuctionSubmitSettingBidLimitBasePage::CAuctionSubmitSettingBidLimitBasePage(UINT nIDTemplate,
                                                                             DWORD dwPageOptions,
                                                                             int nPageMode, CWnd* pParentWnd,
                                                                             UINT nHelpId, UINT nSettingsId)
    : CAuctionSubmitSettingBasePage(nIDTemplate, nPageMode, pParentWnd, nHelpId, nSettingsId),
      m_settings(GetSettingsId(), dwPageOptions, nPageMode)
{
}

BOOL CAuctionSubmitSettingBidLimitBasePage::SaveSettings()
{
    return SaveWithVersion(m_settings);
}

BOOL CAuctionSubmitSettingBidLimitBasePage::Apply(CAuctionListingForm& form)
{
    return m_settings.Apply(form);
}

BOOL CAuctionSubmitSettingBidLimitBasePage::IsDefault()
{
    return m_settings.IsDefault();
}

void CAuctionSubmitSettingBidLimitBasePage::InitControls() {}

void CAuctionSubmitSettingBidLimitBasePage::UpdateControls()
{
    const DWORD dwShown = m_settings.GetShownToggles();
    for (int i = 0; i < CheckCount; ++i)
    {
        if ((dwShown & kCheckBits[i]) != 0)
            SetChecked(m_checks[i], (m_settings.GetToggles() & kCheckBits[i]) != 0);
    }
}

void CAuctionSubmitSettingBidLimitBasePage::SetDefaults()
{
    m_settings.SetDefaults();
}

BOOL CAuctionSubmitSettingBidLimitBasePage::Validate(CTabbedDialog*)
{
    if (!HasWindow())
        return ValidateUnshown();
    const DWORD dwShown = m_settings.GetShownToggles();
    DWORD dwToggles = 0;
    for (int i = 0; i < CheckCount; ++i)
    {
        if ((dwShown & kCheckBits[i]) != 0 && IsChecked(m_checks[i]))
            dwToggles |= kCheckBits[i];
    }
    m_settings.SetToggles(dwToggles);
    return TRUE;
}

void CAuctionSubmitSettingBidLimitBasePage::FocusFirstControl()
{
    CButton& check = m_nPageMode == 3 ? m_checks[3] : m_checks[0];
    if (::IsWindow(check.m_hWnd))
        GotoDlgCtrl(&check);
}
