#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGBASICBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGBASICBASEPAGE_H

// The basic listing settings page (Windows builds): duration, closing hour
// and number of automatic re-listings, each an edit with a spin, and the
// early-close and automatic-extension check boxes. The client binds the
// controls below to its template.

#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "auction/settings/SubmitBasicSettings.h"
#include "controls/NumberEdit.h"

class CAuctionSubmitSettingBasicBasePage : public CAuctionSubmitSettingBasePage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingBasicBasePage)
public:
    // Input errors.
    enum
    {
        ErrorDuration = 0,
        ErrorClosingTime = 1,
        ErrorNumResubmit = 2
    };

    explicit CAuctionSubmitSettingBasicBasePage(UINT nIDTemplate, CWnd* pParentWnd = nullptr,
                                                UINT nHelpId = 0, UINT nSettingsId = 0);

    BOOL SaveSettings() override;
    BOOL Apply(CAuctionListingForm& form) override;
    BOOL IsDefault() override;
    void InitControls() override;
    void UpdateControls() override;
    void SetDefaults() override;
    BOOL Validate(CTabbedDialog* pDialog) override;

    // The spin's when the window exists, else the stored one; 3 for
    // anything outside 0..3.
    int GetNumResubmit();
    void FocusDuration() { FocusEdit(m_durationEdit); }
    CSubmitBasicSettings& GetSettings() { return m_settings; }

protected:
    CDigitEdit m_durationEdit;
    CSpinButtonCtrl m_durationSpin;
    CDigitEdit m_closingTimeEdit;
    CSpinButtonCtrl m_closingTimeSpin;
    CDigitEdit m_numResubmitEdit;
    CSpinButtonCtrl m_numResubmitSpin;
    CButton m_closeEarlyCheck;
    CButton m_autoExtensionCheck;
    CSubmitBasicSettings m_settings;
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGBASICBASEPAGE_H
