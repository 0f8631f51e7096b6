#ifndef TANZO_AUCTION_SUBMITPAYNORMALSETTINGS_H
#define TANZO_AUCTION_SUBMITPAYNORMALSETTINGS_H

#include "afx/Collections.h"
#include "auction/settings/SubmitPaySettings.h"

// Payment of an ordinary listing: bank transfer, two further methods of the
// form, the service's settlement, and the seller's bank names and other
// payment methods (up to 10 of each). Modes 0 and 2 keep the two lists;
// mode 1 keeps only the service's settlement, mode 2 everything else.
class CSubmitPayNormalSettings : public CSubmitPaySettings
{
public:
    enum
    {
        MaxListEntries = 10
    };

    CSubmitPayNormalSettings(UINT nSettingsId, int nPageMode);

    void Load() override;
    void Save() const override;
    BOOL Apply(CAuctionListingForm& form) const override;
    BOOL IsDefault() const override;
    void SetDefaults() override;

    DWORD GetDefaultBits() const override;
    // Also the bits whose check boxes the mode shows.
    DWORD GetBitMask() const override;
    BOOL HasNoPaymentChoice() const override;

    BOOL HasLists() const { return m_nPageMode == 0 || m_nPageMode == 2; }
    const CStringArray& GetBankNames() const { return m_bankNames; }
    const CStringArray& GetOtherMethods() const { return m_otherMethods; }
    void SetBankNames(const CStringArray& names) { m_bankNames.Copy(names); }
    void SetOtherMethods(const CStringArray& methods) { m_otherMethods.Copy(methods); }

    // The OK check of the page in mode 0: some payment must be offered.
    BOOL IsChoiceMissing(DWORD dwBits, int nOtherMethods) const;

private:
    CStringArray m_bankNames;
    CStringArray m_otherMethods;
};

#endif // TANZO_AUCTION_SUBMITPAYNORMALSETTINGS_H
