#ifndef TANZO_AUCTION_SUBMITPAYEASYTRADINGSETTINGS_H
#define TANZO_AUCTION_SUBMITPAYEASYTRADINGSETTINGS_H

#include "auction/settings/SubmitPaySettings.h"

// Payment of a listing settled through the service's easy trading: bank
// transfer to the accounts registered with the service (mode 3 keeps only
// this), and the service's own settlement (mode 1 keeps only this).
class CSubmitPayEasyTradingSettings : public CSubmitPaySettings
{
public:
    CSubmitPayEasyTradingSettings(UINT nSettingsId, int nPageMode);

    void Load() override;
    void Save() const override;
    BOOL Apply(CAuctionListingForm& form) const override;
    BOOL IsDefault() const override;
    void SetDefaults() override;

    DWORD GetDefaultBits() const override;
    DWORD GetBitMask() const override;
    BOOL HasNoPaymentChoice() const override;

    // Whether the mode shows the contact-settings link (the bank accounts
    // are registered there).
    BOOL HasContactLink() const { return m_nPageMode == 0 || m_nPageMode == 3; }
    // The OK check of the page: mode 0 wants one of the two ticked.
    BOOL IsChoiceMissing(DWORD dwBits) const;

    // The service's page where the seller registers his bank accounts.
    static CString GetContactSettingsURL();
};

#endif // TANZO_AUCTION_SUBMITPAYEASYTRADINGSETTINGS_H
