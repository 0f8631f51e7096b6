#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGBIDLIMITBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGBIDLIMITBASEPAGE_H

// The bidder-limit settings page (Windows builds): four check boxes, the
// three limits and the sales contract. The client binds them.

#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "auction/settings/SubmitBidLimitSettings.h"

class CAuctionSubmitSettingBidLimitBasePage : public CAuctionSubmitSettingBasePage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingBidLimitBasePage)
public:
    enum
    {
        CheckCount = 4
    };

    CAuctionSubmitSettingBidLimitBasePage(UINT nIDTemplate, DWORD dwPageOptions, int nPageMode,
                                          CWnd* pParentWnd = nullptr, UINT nHelpId = 0, UINT nSettingsId = 0);

    BOOL SaveSettings() override;
    BOOL Apply(CAuctionListingForm& form) override;
    BOOL IsDefault() override;
    void InitControls() override;
    void UpdateControls() override;
    void SetDefaults() override;
    BOOL Validate(CTabbedDialog* pDialog) override;

    // The first check box of the mode.
    void FocusFirstControl();
    CSubmitBidLimitSettings& GetSettings() { return m_settings; }

    // The toggle bit of each check box.
    static const DWORD kCheckBits[CheckCount];

protected:
    CButton m_checks[CheckCount];
    CSubmitBidLimitSettings m_settings;
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGBIDLIMITBASEPAGE_H
