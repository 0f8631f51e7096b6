#ifndef TANZO_AUCTION_SALESMODE_H
#define TANZO_AUCTION_SALESMODE_H

#include "afx/wintypes.h"

// How an item is sold: 0 auction, 1 buy-now, 2 offer (buy-now open to
// price offers).
class CSalesMode
{
public:
    enum
    {
        Auction = 0,
        BuyNow = 1,
        Offer = 2
    };

    CSalesMode(DWORD code = Auction) : m_code(code) {}

    DWORD Get() const { return m_code; }
    void Set(DWORD code) { m_code = code; }
    void Reset() { m_code = Auction; }
    BOOL IsFixedPrice() const { return m_code == BuyNow || m_code == Offer; }

    bool operator==(const CSalesMode& other) const { return m_code == other.m_code; }
    bool operator!=(const CSalesMode& other) const { return m_code != other.m_code; }

private:
    DWORD m_code;
};

#endif // TANZO_AUCTION_SALESMODE_H
