#ifndef TANZO_AUCTION_SUBMITBASICSETTINGS_H
#define TANZO_AUCTION_SUBMITBASICSETTINGS_H

#include "auction/settings/SubmitSettings.h"

// The basic listing settings: duration, closing hour, number of automatic
// re-listings, early close and automatic extension.
class CSubmitBasicSettings : public CSubmitSettings
{
public:
    // Toggle bits ("ToggleVal").
    enum : DWORD
    {
        ToggleCloseEarly = 0x1,
        ToggleAutoExtension = 0x2,
        ToggleMask = 0x3
    };
    enum
    {
        DefaultDuration = 5,
        MinDuration = 1,
        MaxDuration = 7,
        DefaultClosingTime = 21,
        MaxClosingTime = 23,
        DefaultNumResubmit = 3,
        MaxNumResubmit = 3
    };

    explicit CSubmitBasicSettings(UINT nSettingsId);

    void Load() override;
    void Save() const override;
    BOOL Apply(CAuctionListingForm& form) const override;
    BOOL IsDefault() const override;
    void SetDefaults() override;

    DWORD GetToggles() const { return m_dwToggles; }
    int GetDuration() const { return m_nDuration; }
    int GetClosingTime() const { return m_nClosingTime; }
    int GetNumResubmit() const { return m_nNumResubmit; }
    void SetToggles(DWORD dwToggles) { m_dwToggles = dwToggles & ToggleMask; }
    void SetDuration(int nDays) { m_nDuration = nDays; }
    void SetClosingTime(int nHour) { m_nClosingTime = nHour; }
    void SetNumResubmit(int nCount) { m_nNumResubmit = nCount; }

    // A number of re-listings as the rest of the program may use it:
    // anything outside 0..3 (an unreadable spin among them) is 3.
    static int ClampNumResubmit(int nCount);

private:
    DWORD m_dwToggles = 0;
    int m_nDuration = DefaultDuration;
    int m_nClosingTime = DefaultClosingTime;
    int m_nNumResubmit = DefaultNumResubmit;
};

#endif // TANZO_AUCTION_SUBMITBASICSETTINGS_H
