#include "auction/settings/SubmitPayNormalSettings.h"

#include "app/DialogProfile.h"
#include "auction/settings/AuctionListingForm.h"

namespace
{
const char kBankNameFormat[] = "BankName%02d";
const char kOtherMethodFormat[] = "OtherPayMethod%02d";
const DWORD kAllBits = CSubmitPaySettings::PayBankTransfer | CSubmitPaySettings::PayOther3 |
                       CSubmitPaySettings::PayOther4 | CSubmitPaySettings::PayServiceSettle;

BOOL HasEntry(const CStringArray& entries)
{
    for (int i = 0; i < entries.GetSize(); ++i)
    {
        if (!entries[i].IsEmpty())
            return TRUE;
    }
    return FALSE;
}

// Ten fields from the entries; those past the list are emptied.
void WriteListFields(CAuctionListingForm& form, int nFirst, const CStringArray* pEntries)
{
    for (int i = 0; i < CSubmitPayNormalSettings::MaxListEntries; ++i)
    {
        if (pEntries != nullptr && i < pEntries->GetSize())
            form.SetAt(nFirst + i, (*pEntries)[i]);
        else
            form.ClearAt(nFirst + i);
    }
}
} // namespace

CSubmitPayNormalSettings::CSubmitPayNormalSettings(UINT nSettingsId, int nPageMode)
    : CSubmitPaySettings(nSettingsId, nPageMode)
{
    Load();
}

void CSubmitPayNormalSettings::Load()
{
    LoadBits();
    m_bankNames.RemoveAll();
    m_otherMethods.RemoveAll();
    if (HasLists())
    {
        GetDialogProfileStringArray(m_nSettingsId, kBankNameFormat, m_bankNames, MaxListEntries);
        GetDialogProfileStringArray(m_nSettingsId, kOtherMethodFormat, m_otherMethods, MaxListEntries);
    }
}

void CSubmitPayNormalSettings::Save() const
{
    SaveBits();
    if (HasLists())
    {
        WriteDialogProfileStringArray(m_nSettingsId, kBankNameFormat, m_bankNames, MaxListEntries);
        WriteDialogProfileStringArray(m_nSettingsId, kOtherMethodFormat, m_otherMethods, MaxListEntries);
    }
}

BOOL CSubmitPayNormalSettings::Apply(CAuctionListingForm& form) const
{
    const struct
    {
        DWORD dwBit;
        int nField;
        LPCTSTR lpszOn;
    } fields[] = {
        {PayBankTransfer, LF_ASPJ1, "yes"},
        {PayOther3, LF_ASPJ3, "yes"},
        {PayOther4, LF_ASPJ4, "yes"},
        {PayServiceSettle, LF_YPM_OK, "1"},
    };
    const DWORD dwShown = GetBitMask();
    for (const auto& field : fields)
    {
        if ((dwShown & field.dwBit) != 0)
            form.SetAt(field.nField, (m_dwBits & field.dwBit) != 0 ? field.lpszOn : "");
    }
    if (HasLists())
    {
        WriteListFields(form, LF_BANK_NAME1, (m_dwBits & PayBankTransfer) != 0 ? &m_bankNames : nullptr);
        WriteListFields(form, LF_PAY_METHOD1, &m_otherMethods);
    }
    return TRUE;
}

BOOL CSubmitPayNormalSettings::IsDefault() const
{
    return m_dwBits == GetDefaultBits() && !HasEntry(m_bankNames) && !HasEntry(m_otherMethods);
}

void CSubmitPayNormalSettings::SetDefaults()
{
    m_dwBits = GetDefaultBits();
    m_bankNames.RemoveAll();
    m_otherMethods.RemoveAll();
}

DWORD CSubmitPayNormalSettings::GetDefaultBits() const
{
    switch (m_nPageMode)
    {
    case 0:
        return PayBankTransfer | PayServiceSettle;
    case 1:
        return PayServiceSettle;
    case 2:
        return PayBankTransfer;
    default:
        return 0;
    }
}

DWORD CSubmitPayNormalSettings::GetBitMask() const
{
    switch (m_nPageMode)
    {
    case 1:
        return PayServiceSettle;
    case 2:
        return PayBankTransfer | PayOther3 | PayOther4;
    default:
        return kAllBits;
    }
}

BOOL CSubmitPayNormalSettings::HasNoPaymentChoice() const
{
    if (HasLists())
        return (m_dwBits & GetBitMask()) == 0 && !HasEntry(m_otherMethods);
    if (m_nPageMode == 1)
        return (m_dwBits & PayServiceSettle) == 0;
    return FALSE;
}

BOOL CSubmitPayNormalSettings::IsChoiceMissing(DWORD dwBits, int nOtherMethods) const
{
    return m_nPageMode == 0 && (dwBits & GetBitMask()) == 0 && nOtherMethods == 0;
}
