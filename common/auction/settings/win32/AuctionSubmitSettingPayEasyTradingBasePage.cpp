#include "auction/settings/AuctionSubmitSettingPayEasyTradingBasePage.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingPayEasyTradingBasePage, CAuctionSubmitSettingPayBasePage)

namespace
{
const DWORD kBits[] = {CSubmitPaySettings::PayBankTransfer, CSubmitPaySettings::PayServiceSettle};
} // namespace

CAuctionSubmitSettingPayEasyTradingBasePage::CAuctionSubmitSettingPayEasyTradingBasePage(UINT nIDTemplate,
                                                                                         int nPageMode,
                                                                                         CWnd* pParentWnd)
    : CAuctionSubmitSettingPayBasePage(nIDTemplate, nPageMode, pParentWnd),
      m_settings(GetSettingsId(), nPageMode)
{
}

BOOL CAuctionSubmitSettingPayEasyTradingBasePage::SaveSettings()
{
    return SaveWithVersion(m_settings);
}

BOOL CAuctionSubmitSettingPayEasyTradingBasePage::Apply(CAuctionListingForm& form)
{
    return m_settings.Apply(form);
}

BOOL CAuctionSubmitSettingPayEasyTradingBasePage::IsDefault()
{
    return m_settings.IsDefault();
}

void CAuctionSubmitSettingPayEasyTradingBasePage::InitControls()
{
    if (!m_settings.HasContactLink() || !::IsWindow(m_contactLink.m_hWnd))
        return;
    const CString strURL = CSubmitPayEasyTradingSettings::GetContactSettingsURL();
    m_contactLink.SetText(strURL);
    m_contactLink.SetLinkUrl(strURL);
    m_contactLink.SetBkColor(m_hint.GetBkColor());
    AddTail((DWORD)m_contactLink.GetDlgCtrlID());
}

void CAuctionSubmitSettingPayEasyTradingBasePage::UpdateControls()
{
    for (DWORD dwBit : kBits)
    {
        if ((m_settings.GetBitMask() & dwBit) != 0)
            SetChecked(CheckOf(dwBit), (m_settings.GetBits() & dwBit) != 0);
    }
}

void CAuctionSubmitSettingPayEasyTradingBasePage::SetDefaults()
{
    m_settings.SetDefaults();
}

BOOL CAuctionSubmitSettingPayEasyTradingBasePage::Validate(CTabbedDialog*)
{
    if (!HasWindow())
        return ValidateUnshown();
    DWORD dwBits = 0;
    for (DWORD dwBit : kBits)
    {
        if ((m_settings.GetBitMask() & dwBit) != 0 && IsChecked(CheckOf(dwBit)))
            dwBits |= dwBit;
    }
    if (m_settings.IsChoiceMissing(dwBits))
    {
        ShowInputError(0);
        GotoDlgCtrl(&m_serviceCheck);
        return FALSE;
    }
    m_settings.SetBits(dwBits);
    return TRUE;
}

BOOL CAuctionSubmitSettingPayEasyTradingBasePage::HasNoPaymentChoice()
{
    return m_settings.HasNoPaymentChoice();
}

void CAuctionSubmitSettingPayEasyTradingBasePage::AddContactLinkTooltip()
{
    if (m_settings.HasContactLink())
        AddToolTipText(&m_contactLink, CSubmitPayEasyTradingSettings::GetContactSettingsURL());
}

void CAuctionSubmitSettingPayEasyTradingBasePage::FocusFirstControl()
{
    CButton& check = m_nPageMode == 3 ? m_bankCheck : m_serviceCheck;
    if (::IsWindow(check.m_hWnd))
        GotoDlgCtrl(&check);
}
