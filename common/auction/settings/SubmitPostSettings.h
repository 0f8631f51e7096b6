#ifndef TANZO_AUCTION_SUBMITPOSTSETTINGS_H
#define TANZO_AUCTION_SUBMITPOSTSETTINGS_H

#include "auction/settings/SubmitSettings.h"
#include "text/BitFlags.h"

// The shipping terms of a listing: who pays the shipping, the seller's
// prefecture and city (modes 0 and 1), international shipping, the
// service's delivery option and the shipping time (modes 0 and 2), or, on
// the newer form (page option 1), the shipping schedule (modes 0 and 3).
class CSubmitPostSettings : public CSubmitSettings
{
public:
    // Page options.
    enum : DWORD
    {
        OptionSchedule = 0x1 // the form with a shipping schedule instead of the shipping time
    };
    // Toggle bits ("ToggleVal").
    enum : DWORD
    {
        ToggleInternational = 0x2,
        ToggleDeliveryOption = 0x8,
        ToggleSchedule = 0x10
    };
    enum
    {
        DefaultLocation = 13,
        DefaultPrefectureCount = 47,
        ScheduleCount = 4
    };

    CSubmitPostSettings(UINT nSettingsId, DWORD dwPageOptions, int nPageMode);

    void Load() override;
    void Save() const override;
    BOOL Apply(CAuctionListingForm& form) const override;
    BOOL IsDefault() const override;
    void SetDefaults() override;

    BOOL HasSchedule() const { return m_pageOptions.TestAny(OptionSchedule) != 0; }
    // Which groups of values the mode keeps.
    BOOL KeepsPlace() const { return m_nPageMode == 0 || m_nPageMode == 1; }
    BOOL KeepsShipTime() const { return !HasSchedule() && (m_nPageMode == 0 || m_nPageMode == 2); }
    BOOL KeepsSchedule() const { return HasSchedule() && (m_nPageMode == 0 || m_nPageMode == 3); }

    // The number of prefectures of the page's list: a stored prefecture
    // outside 1..count reads as 13.
    void SetPrefectureCount(int nCount) { m_nPrefectureCount = nCount; }
    int GetPrefectureCount() const { return m_nPrefectureCount; }

    int GetSellerPays() const { return m_nSellerPays; }
    int GetShipTime() const { return m_nShipTime; }
    int GetSchedule() const { return m_nSchedule; }
    DWORD GetToggles() const { return m_dwToggles; }
    int GetLocation() const;
    const CString& GetCity() const { return m_strCity; }
    void SetSellerPays(int nSellerPays) { m_nSellerPays = nSellerPays; }
    void SetShipTime(int nShipTime) { m_nShipTime = nShipTime; }
    void SetSchedule(int nIndex) { m_nSchedule = IsValidSchedule(nIndex) ? nIndex : 0; }
    void SetToggles(DWORD dwToggles) { m_dwToggles = dwToggles & GetToggleMask(); }
    void SetLocation(int nLocation) { m_nLocation = nLocation; }
    void SetCity(LPCTSTR lpszCity) { m_strCity = lpszCity; }

    DWORD GetToggleMask() const;
    static BOOL IsValidSchedule(int nIndex) { return nIndex >= 0 && nIndex < ScheduleCount; }
    // The service's code of a schedule index (1, 4, 5, 6); 0 for none.
    static int ScheduleCode(int nIndex);

private:
    int ReadSchedule() const;

    CBitFlags m_pageOptions;
    int m_nPrefectureCount = DefaultPrefectureCount;
    int m_nSellerPays = 0;
    int m_nShipTime = 0;
    int m_nSchedule = 0;
    DWORD m_dwToggles = 0;
    int m_nLocation = DefaultLocation; // as stored
    CString m_strCity;
};

#endif // TANZO_AUCTION_SUBMITPOSTSETTINGS_H
