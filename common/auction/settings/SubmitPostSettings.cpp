#include "auction/settings/SubmitPostSettings.h"

#include "auction/settings/AuctionListingForm.h"

namespace
{
const char kSellerPaysKey[] = "Shipping";
const char kShipTimeKey[] = "ShipTime";
const char kScheduleKey[] = "ShipSchedule_Rev2";
const char kOldScheduleKey[] = "ShipSchedule";
const char kToggleKey[] = "ToggleVal";
const char kLocationKey[] = "LocCd";
const char kCityKey[] = "City";
} // namespace

CSubmitPostSettings::CSubmitPostSettings(UINT nSettingsId, DWORD dwPageOptions, int nPageMode)
    : CSubmitSettings(nSettingsId, nPageMode), m_pageOptions(dwPageOptions)
{
    Load();
}

void CSubmitPostSettings::Load()
{
    SetDefaults();
    if (KeepsPlace())
    {
        m_nSellerPays = ReadInt(kSellerPaysKey, 0);
        m_nLocation = ReadInt(kLocationKey, DefaultLocation);
        m_strCity = ReadString(kCityKey);
    }
    if (KeepsShipTime())
        m_nShipTime = ReadInt(kShipTimeKey, 0);
    if (KeepsSchedule())
        m_nSchedule = ReadSchedule();
    m_dwToggles = (DWORD)ReadInt(kToggleKey, 0) & GetToggleMask();
}

// The older version kept only three schedules (0..2) under another key.
int CSubmitPostSettings::ReadSchedule() const
{
    int nIndex = ReadInt(kScheduleKey, -1);
    if (nIndex < 0)
    {
        nIndex = ReadInt(kOldScheduleKey, -1);
        if (nIndex < 0 || nIndex > 2)
            nIndex = 0;
    }
    return IsValidSchedule(nIndex) ? nIndex : 0;
}

void CSubmitPostSettings::Save() const
{
    if (KeepsSchedule())
        WriteInt(kScheduleKey, m_nSchedule);
    if (KeepsShipTime())
        WriteInt(kShipTimeKey, m_nShipTime);
    if (KeepsPlace())
    {
        WriteInt(kSellerPaysKey, m_nSellerPays);
        WriteInt(kLocationKey, GetLocation());
        WriteString(kCityKey, m_strCity);
    }
    WriteInt(kToggleKey, (int)m_dwToggles);
}

BOOL CSubmitPostSettings::Apply(CAuctionListingForm& form) const
{
    if (HasSchedule())
    {
        if (m_nPageMode == 0)
            form.SetAt(LF_SHIP_TIME, "payment");
        if (KeepsSchedule())
        {
            if ((m_dwToggles & ToggleSchedule) != 0 && IsValidSchedule(m_nSchedule))
                form.SetInt(LF_SHIP_SCHEDULE, ScheduleCode(m_nSchedule));
            else
                form.ClearAt(LF_SHIP_SCHEDULE);
        }
    }
    else
    {
        if (KeepsShipTime())
            form.SetAt(LF_SHIP_TIME, m_nShipTime != 0 ? "close" : "payment");
        if (m_nPageMode == 0)
            form.ClearAt(LF_SHIP_SCHEDULE);
    }
    if (m_nPageMode == 0 || m_nPageMode == 2)
        form.SetAt(LF_YPK_OK, !HasSchedule() && (m_dwToggles & ToggleDeliveryOption) != 0 ? "1" : "");
    if (!KeepsPlace())
        return TRUE;
    form.SetAt(LF_SHIPPING, m_nSellerPays != 0 ? "seller" : "buyer");
    form.SetAt(LF_INTL_OK, (m_dwToggles & ToggleInternational) != 0 ? "1" : "");
    form.SetInt(LF_LOCATION, GetLocation());
    form.SetAt(LF_CITY, m_strCity);
    return TRUE;
}

BOOL CSubmitPostSettings::IsDefault() const
{
    return m_nSellerPays == 0 && m_nShipTime == 0 && m_nSchedule == 0 && m_dwToggles == 0 &&
           GetLocation() == DefaultLocation && m_strCity.IsEmpty();
}

void CSubmitPostSettings::SetDefaults()
{
    m_nSellerPays = 0;
    m_nShipTime = 0;
    m_nSchedule = 0;
    m_dwToggles = 0;
    m_nLocation = DefaultLocation;
    m_strCity.Empty();
}

int CSubmitPostSettings::GetLocation() const
{
    return m_nLocation >= 1 && m_nLocation <= m_nPrefectureCount ? m_nLocation : DefaultLocation;
}

DWORD CSubmitPostSettings::GetToggleMask() const
{
    DWORD dwMask =
        HasSchedule() ? ToggleInternational | ToggleSchedule : ToggleInternational | ToggleDeliveryOption;
    switch (m_nPageMode)
    {
    case 1:
        return dwMask & ToggleInternational;
    case 2:
        return dwMask & ToggleDeliveryOption;
    case 3:
        return dwMask & ToggleSchedule;
    default:
        return dwMask;
    }
}

int CSubmitPostSettings::ScheduleCode(int nIndex)
{
    static const int kCodes[ScheduleCount] = {1, 4, 5, 6};
    return IsValidSchedule(nIndex) ? kCodes[nIndex] : 0;
}
