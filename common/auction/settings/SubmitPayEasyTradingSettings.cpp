#include "auction/settings/SubmitPayEasyTradingSettings.h"

#include "auction/settings/AuctionListingForm.h"
#include "net/ServiceHosts.h"

namespace
{
const DWORD kBothBits = CSubmitPaySettings::PayBankTransfer | CSubmitPaySettings::PayServiceSettle;
const char kContactSettingsPath[] = "/setting/top?fnavi=2";
} // namespace

CSubmitPayEasyTradingSettings::CSubmitPayEasyTradingSettings(UINT nSettingsId, int nPageMode)
    : CSubmitPaySettings(nSettingsId, nPageMode)
{
    Load();
}

void CSubmitPayEasyTradingSettings::Load()
{
    LoadBits();
}

void CSubmitPayEasyTradingSettings::Save() const
{
    SaveBits();
}

BOOL CSubmitPayEasyTradingSettings::Apply(CAuctionListingForm& form) const
{
    if (m_nPageMode != 1)
    {
        form.SetBankIdInputMode((m_dwBits & PayBankTransfer) != 0 ? CAuctionListingForm::BankIdCopy
                                                                  : CAuctionListingForm::BankIdNamesOnly);
    }
    if (m_nPageMode != 3)
        form.SetAt(LF_YPM_OK, (m_dwBits & PayServiceSettle) != 0 ? "1" : "");
    return TRUE;
}

BOOL CSubmitPayEasyTradingSettings::IsDefault() const
{
    return m_dwBits == GetDefaultBits();
}

void CSubmitPayEasyTradingSettings::SetDefaults()
{
    m_dwBits = GetDefaultBits();
}

DWORD CSubmitPayEasyTradingSettings::GetDefaultBits() const
{
    switch (m_nPageMode)
    {
    case 0:
        return kBothBits;
    case 1:
        return PayServiceSettle;
    case 3:
        return PayBankTransfer;
    default:
        return 0;
    }
}

DWORD CSubmitPayEasyTradingSettings::GetBitMask() const
{
    switch (m_nPageMode)
    {
    case 1:
        return PayServiceSettle;
    case 3:
        return PayBankTransfer;
    default:
        return kBothBits;
    }
}

BOOL CSubmitPayEasyTradingSettings::HasNoPaymentChoice() const
{
    switch (m_nPageMode)
    {
    case 0:
        return (m_dwBits & kBothBits) == 0;
    case 1:
        return (m_dwBits & PayServiceSettle) == 0;
    case 3:
        return (m_dwBits & PayBankTransfer) == 0;
    default:
        return FALSE;
    }
}

BOOL CSubmitPayEasyTradingSettings::IsChoiceMissing(DWORD dwBits) const
{
    return m_nPageMode == 0 && (dwBits & kBothBits) == 0;
}

CString CSubmitPayEasyTradingSettings::GetContactSettingsURL()
{
    CString strURL;
    MakeServiceURL(HostContact, kContactSettingsPath, strURL);
    return strURL;
}
