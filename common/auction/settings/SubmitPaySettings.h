#ifndef TANZO_AUCTION_SUBMITPAYSETTINGS_H
#define TANZO_AUCTION_SUBMITPAYSETTINGS_H

#include "auction/settings/SubmitSettings.h"

// The payment methods a listing offers, as one word of bits ("Aspj") that
// each payment page reads with its mode's default and mask.
class CSubmitPaySettings : public CSubmitSettings
{
public:
    // Payment bits.
    enum : DWORD
    {
        PayBankTransfer = 0x1,     // "aspj1"; on the easy-trading page: the bank IDs of the fetched form
        PayOther3 = 0x4,           // "aspj3"
        PayOther4 = 0x8,           // "aspj4"
        PayServiceSettle = 0x40000 // "ypmOK", the service's own settlement
    };

    CSubmitPaySettings(UINT nSettingsId, int nPageMode);

    DWORD GetBits() const { return m_dwBits; }
    void SetBits(DWORD dwBits) { m_dwBits = dwBits & GetBitMask(); }

    virtual DWORD GetDefaultBits() const = 0;
    virtual DWORD GetBitMask() const = 0;
    // TRUE when the mode's payment choices are all off.
    virtual BOOL HasNoPaymentChoice() const = 0;

protected:
    void LoadBits();
    void SaveBits() const;

    DWORD m_dwBits = 0;
};

#endif // TANZO_AUCTION_SUBMITPAYSETTINGS_H
