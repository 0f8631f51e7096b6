#ifndef TANZO_AUCTION_SUBMITMARKDOWNSETTINGS_H
#define TANZO_AUCTION_SUBMITMARKDOWNSETTINGS_H

#include "auction/settings/SubmitSettings.h"

// The markdown of an automatically re-listed item: on or off, and the
// ratio by index (0..5: 5 to 30 percent).
class CSubmitMarkdownSettings : public CSubmitSettings
{
public:
    enum
    {
        RatioCount = 6
    };
    // What the markdown asks of the other settings before it is accepted.
    enum Check
    {
        CheckPasses,     // off: nothing to ask
        CheckNoResubmit, // on without automatic re-listings: refused
        CheckConfirm     // on: the user confirms it
    };

    explicit CSubmitMarkdownSettings(UINT nSettingsId);

    void Load() override;
    void Save() const override;
    BOOL Apply(CAuctionListingForm& form) const override;
    BOOL IsDefault() const override;
    void SetDefaults() override;

    BOOL IsOn() const { return m_bOn; }
    int GetRatioIndex() const { return m_nRatioIndex; }
    void SetOn(BOOL bOn) { m_bOn = bOn != FALSE; }
    // An index outside 0..5 is 0.
    void SetRatioIndex(int nIndex);

    // The percentage of a ratio index; 0 for none.
    static int RatioPercent(int nIndex);
    // nNumResubmit: the dialog's number of automatic re-listings, -1 when
    // it has no basic page.
    Check CheckResubmits(int nNumResubmit) const;

private:
    BOOL m_bOn = FALSE;
    int m_nRatioIndex = 0;
};

#endif // TANZO_AUCTION_SUBMITMARKDOWNSETTINGS_H
