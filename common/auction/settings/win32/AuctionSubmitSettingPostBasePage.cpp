#include "auction/settings/AuctionSubmitSettingPostBasePage.h"

#include "app/WindowHelpers.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingPostBasePage, CAuctionSubmitSettingBasePage)

CAuctionSubmitSettingPostBasePage::CAuctionSubmitSettingPostBasePage(UINT nIDTemplate, DWORD dwPageOptions,
                                                                     int nPageMode, CWnd* pParentWnd,
                                                                     UINT nHelpId, UINT nSettingsId)
    : CAuctionSubmitSettingBasePage(nIDTemplate, nPageMode, pParentWnd, nHelpId, nSettingsId),
      m_settings(GetSettingsId(), dwPageOptions, nPageMode)
{
}

CSubmitPostSettings& CAuctionSubmitSettingPostBasePage::GetSettings()
{
    // The stored prefecture is taken as it is and checked against the
    // list when it is used: the derived page's list may be longer.
    const int nCount = CountChoices(ChoicePrefecture);
    if (nCount > 0)
        m_settings.SetPrefectureCount(nCount);
    return m_settings;
}

BOOL CAuctionSubmitSettingPostBasePage::SaveSettings()
{
    return SaveWithVersion(GetSettings());
}

BOOL CAuctionSubmitSettingPostBasePage::Apply(CAuctionListingForm& form)
{
    return GetSettings().Apply(form);
}

BOOL CAuctionSubmitSettingPostBasePage::IsDefault()
{
    return GetSettings().IsDefault();
}

void CAuctionSubmitSettingPostBasePage::InitControls()
{
    if (m_settings.KeepsSchedule())
        FillChoices(m_scheduleCombo, ChoiceSchedule);
    else if (m_settings.KeepsShipTime())
        FillChoices(m_shipTimeCombo, ChoiceShipTime);
    if (m_settings.KeepsPlace())
    {
        FillChoices(m_sellerPaysCombo, ChoiceSellerPays);
        FillChoices(m_prefectureCombo, ChoicePrefecture);
        m_cityEdit.LimitText(MaxCityChars);
        AddTail((DWORD)m_cityEdit.GetDlgCtrlID());
    }
}

void CAuctionSubmitSettingPostBasePage::UpdateControls()
{
    const CSubmitPostSettings& settings = GetSettings();
    const DWORD dwToggles = settings.GetToggles();
    if (settings.KeepsPlace())
    {
        m_sellerPaysCombo.SetCurSel(settings.GetSellerPays());
        SetChecked(m_internationalCheck, (dwToggles & CSubmitPostSettings::ToggleInternational) != 0);
        m_prefectureCombo.SetCurSel(settings.GetLocation() - 1);
        m_cityEdit.SetWindowText(settings.GetCity());
    }
    if (settings.KeepsSchedule())
    {
        SetChecked(m_scheduleCheck, (dwToggles & CSubmitPostSettings::ToggleSchedule) != 0);
        m_scheduleCombo.SetCurSel(settings.GetSchedule());
    }
    else if (settings.KeepsShipTime())
    {
        m_shipTimeCombo.SetCurSel(settings.GetShipTime());
        SetChecked(m_deliveryOptionCheck, (dwToggles & CSubmitPostSettings::ToggleDeliveryOption) != 0);
    }
    UpdateEnabling(1);
}

void CAuctionSubmitSettingPostBasePage::SetDefaults()
{
    m_settings.SetDefaults();
}

void CAuctionSubmitSettingPostBasePage::UpdateEnabling(DWORD dwWhich)
{
    if ((dwWhich & 1) == 0 || !m_settings.KeepsSchedule())
        return;
    const BOOL bOn = IsChecked(m_scheduleCheck);
    EnableWindowIfExists(&m_scheduleLabel1, bOn);
    EnableWindowIfExists(&m_scheduleLabel2, bOn);
    EnableWindowIfExists(&m_scheduleCombo, bOn);
}

BOOL CAuctionSubmitSettingPostBasePage::Validate(CTabbedDialog*)
{
    if (!HasWindow())
        return ValidateUnshown();
    CSubmitPostSettings& settings = GetSettings();
    DWORD dwToggles = 0;
    if (settings.KeepsPlace())
    {
        // A combo box without a selection keeps the stored value.
        if (m_sellerPaysCombo.GetCurSel() >= 0)
            settings.SetSellerPays(m_sellerPaysCombo.GetCurSel());
        if (m_prefectureCombo.GetCurSel() >= 0)
            settings.SetLocation(m_prefectureCombo.GetCurSel() + 1);
        CString strCity;
        m_cityEdit.GetWindowText(strCity);
        settings.SetCity(strCity);
        if (IsChecked(m_internationalCheck))
            dwToggles |= CSubmitPostSettings::ToggleInternational;
    }
    if (settings.KeepsShipTime())
    {
        if (m_shipTimeCombo.GetCurSel() >= 0)
            settings.SetShipTime(m_shipTimeCombo.GetCurSel());
        if (IsChecked(m_deliveryOptionCheck))
            dwToggles |= CSubmitPostSettings::ToggleDeliveryOption;
    }
    if (settings.KeepsSchedule())
    {
        const BOOL bOn = IsChecked(m_scheduleCheck);
        if (bOn)
            dwToggles |= CSubmitPostSettings::ToggleSchedule;
        settings.SetSchedule(bOn ? m_scheduleCombo.GetCurSel() : 0);
    }
    settings.SetToggles(dwToggles);
    return TRUE;
}

void CAuctionSubmitSettingPostBasePage::FocusFirstControl()
{
    CWnd* pFirst = nullptr;
    switch (m_nPageMode)
    {
    case 2:
        pFirst = &m_shipTimeCombo;
        break;
    case 3:
        pFirst = &m_scheduleCheck;
        break;
    default:
        pFirst = &m_sellerPaysCombo;
        break;
    }
    if (IsWindowValid(pFirst))
        GotoDlgCtrl(pFirst);
}
