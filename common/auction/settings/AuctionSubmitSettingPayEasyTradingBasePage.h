#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYEASYTRADINGBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYEASYTRADINGBASEPAGE_H

// The payment page of listings settled through the service's easy trading
// (Windows builds): check boxes for bank transfer and for the service's
// settlement, a hint, and a link to the service's page where the seller
// registers his bank accounts. The client binds the controls.

#include "app/DecorateStatic.h"
#include "app/URLStatic.h"
#include "auction/settings/AuctionSubmitSettingPayBasePage.h"
#include "auction/settings/SubmitPayEasyTradingSettings.h"

class CAuctionSubmitSettingPayEasyTradingBasePage : public CAuctionSubmitSettingPayBasePage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingPayEasyTradingBasePage)
public:
    CAuctionSubmitSettingPayEasyTradingBasePage(UINT nIDTemplate, int nPageMode, CWnd* pParentWnd = nullptr);

    BOOL SaveSettings() override;
    BOOL Apply(CAuctionListingForm& form) override;
    BOOL IsDefault() override;
    void InitControls() override;
    void UpdateControls() override;
    void SetDefaults() override;
    BOOL Validate(CTabbedDialog* pDialog) override;
    BOOL HasNoPaymentChoice() override;

    // The link's address as its tip.
    void AddContactLinkTooltip();
    void FocusFirstControl();
    CSubmitPayEasyTradingSettings& GetSettings() { return m_settings; }

protected:
    CButton m_bankCheck;
    CButton m_serviceCheck;
    CHintStatic m_hint;
    CURLStatic m_contactLink;
    CSubmitPayEasyTradingSettings m_settings;

private:
    CButton& CheckOf(DWORD dwBit)
    {
        return dwBit == CSubmitPaySettings::PayBankTransfer ? m_bankCheck : m_serviceCheck;
    }
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYEASYTRADINGBASEPAGE_H
