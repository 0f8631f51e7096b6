#include "client/actions/relist/OlderSettingsTakeover.h"

#include "afx/Collections.h"
#include "app/DialogProfile.h"
#include "auction/settings/SubmitPayNormalSettings.h"
#include "auction/settings/SubmitPostSettings.h"

namespace
{
const char kInheritedKey[] = "InheritRegVal";
const char kStateKey[] = "PermanentStateVal";
const DWORD kStateUsed = 0x1;
const DWORD kOlderPayBits = 0x40001;
} // namespace

BOOL TakeOverOlderSettings(UINT nPageId, UINT nOlderId, const std::function<void()>& copy)
{
    if (GetDialogProfileInt(nPageId, kInheritedKey, 0) != 0)
        return FALSE;
    const BOOL bCopy = ((DWORD)GetDialogProfileInt(nOlderId, kStateKey, 0) & kStateUsed) != 0;
    if (bCopy)
        copy();
    WriteDialogProfileInt(nPageId, kInheritedKey, 1);
    return bCopy;
}

void TakeOlderPayment(CSubmitPayNormalSettings& settings, UINT nOlderId, DWORD dwBits)
{
    settings.SetBits((DWORD)GetDialogProfileInt(nOlderId, "Aspj", (int)kOlderPayBits) & dwBits);
    if (!settings.HasLists())
        return;
    CStringArray entries;
    GetDialogProfileStringArray(nOlderId, "BankName%02d", entries, CSubmitPayNormalSettings::MaxListEntries);
    settings.SetBankNames(entries);
    GetDialogProfileStringArray(nOlderId, "OtherPayMethod%02d", entries,
                                CSubmitPayNormalSettings::MaxListEntries);
    settings.SetOtherMethods(entries);
}

void TakeOlderShipping(CSubmitPostSettings& settings, UINT nOlderId, DWORD dwToggles)
{
    settings.SetToggles((DWORD)GetDialogProfileInt(nOlderId, "ToggleVal", 0) & dwToggles);
    if (settings.KeepsPlace())
    {
        settings.SetSellerPays(GetDialogProfileInt(nOlderId, "Shipping", 0));
        settings.SetLocation(GetDialogProfileInt(nOlderId, "LocCd", CSubmitPostSettings::DefaultLocation));
        CString city;
        GetDialogProfileString(nOlderId, "City", city, "");
        settings.SetCity(city);
    }
    if (settings.KeepsShipTime())
        settings.SetShipTime(GetDialogProfileInt(nOlderId, "ShipTime", 0));
}
