#ifndef TANZO_AUCTION_SUBMITBIDLIMITSETTINGS_H
#define TANZO_AUCTION_SUBMITBIDLIMITSETTINGS_H

#include "auction/settings/SubmitSettings.h"
#include "text/BitFlags.h"

// The bidder limits of a listing (rating, bad-rating ratio, credit limit)
// and the sales-contract option. Modes 0 and 1 keep the three limits, modes
// 0 and 3 the sales contract, and that only where the page offers it.
class CSubmitBidLimitSettings : public CSubmitSettings
{
public:
    // Page options.
    enum : DWORD
    {
        OptionSalesContract = 0x1
    };
    // Toggle bits ("ToggleVal").
    enum : DWORD
    {
        ToggleMinRating = 0x1,
        ToggleBadRatingRatio = 0x2,
        ToggleCreditLimit = 0x4,
        ToggleSalesContract = 0x10,
        ToggleLimits = 0x7
    };

    CSubmitBidLimitSettings(UINT nSettingsId, DWORD dwPageOptions, int nPageMode);

    void Load() override;
    void Save() const override;
    BOOL Apply(CAuctionListingForm& form) const override;
    BOOL IsDefault() const override;
    void SetDefaults() override;

    DWORD GetToggles() const { return m_dwToggles; }
    void SetToggles(DWORD dwToggles) { m_dwToggles = dwToggles & GetToggleMask(); }
    const CBitFlags& GetPageOptions() const { return m_pageOptions; }

    DWORD GetDefaultToggles() const;
    DWORD GetToggleMask() const;
    // The bits whose check boxes the mode shows and whose fields it writes.
    DWORD GetShownToggles() const;

private:
    CBitFlags m_pageOptions;
    DWORD m_dwToggles = 0;
};

#endif // TANZO_AUCTION_SUBMITBIDLIMITSETTINGS_H
