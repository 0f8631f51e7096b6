#ifndef TANZO_AUCTION_AUCTIONCHARGEOPTION_H
#define TANZO_AUCTION_AUCTIONCHARGEOPTION_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CAuctionListingForm;

// The paid listing options of an item.
class CAuctionChargeOption
{
public:
    // Option bits.
    enum : DWORD
    {
        OptionBold = 0x1,
        OptionHighlight = 0x2,
        OptionWrapping = 0x8,
        OptionAffiliate = 0x10000000,
        OptionsCharged = 0x1000000B
    };

    CAuctionChargeOption();
    virtual ~CAuctionChargeOption();

    void Clear();
    void CopyFrom(const CAuctionChargeOption& other);
    BOOL IsEqual(const CAuctionChargeOption& other) const;

    int GetFeaturedAmount() const { return m_featuredAmount; }
    LONGLONG GetReservePrice() const { return m_reservePrice; }
    int GetGiftIcon() const { return m_giftIcon; }
    DWORD GetOptionBits() const { return m_optionBits; }
    int GetCpaRate() const { return m_cpaRate; } // in tenths
    void SetFeaturedAmount(int amount) { m_featuredAmount = amount; }
    void SetReservePrice(LONGLONG price) { m_reservePrice = price; }
    void SetGiftIcon(int icon) { m_giftIcon = icon; }
    void SetOptionBits(DWORD bits) { m_optionBits = bits; }
    void SetCpaRate(int rate) { m_cpaRate = rate; }

    BOOL IsGiftIconValid() const { return m_giftIcon >= 2 && m_giftIcon <= 8; }
    DWORD TestOptionBits(DWORD mask) const { return m_optionBits & mask; }
    BOOL HasAnyOption() const;
    // "%d.%d" of the rate in tenths; with dropZero a trailing ".0" goes.
    void FormatCpaRate(CString& out, BOOL dropZero) const;

    void WriteToListingForm(CAuctionListingForm& form) const;
    // TRUE when the option fields of the form are short digit texts.
    static BOOL ValidateListingForm(const CAuctionListingForm& form);

private:
    int m_featuredAmount;
    LONGLONG m_reservePrice;
    int m_giftIcon;
    DWORD m_optionBits;
    int m_cpaRate;
};

#endif // TANZO_AUCTION_AUCTIONCHARGEOPTION_H
