#ifndef TANZO_AUCTION_AUCTIONBUYER_H
#define TANZO_AUCTION_AUCTIONBUYER_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CArchive;

// One buyer (winner or bidder) of an item. The client derives its own
// buyer record from it; AuctionItem makes its buyers through CreateBuyer.
class AuctionBuyer
{
public:
    // Fields of Serialize.
    enum
    {
        FieldName = 0x1,
        FieldAmount = 0x2,
        FieldCount = 0x4,
        FieldState = 0x8,
        AllFields = 0xF
    };

    AuctionBuyer(LPCTSTR name = nullptr, LONGLONG amount = 0, int count = 0, int state = 1);
    AuctionBuyer(const AuctionBuyer& other);
    AuctionBuyer& operator=(const AuctionBuyer& other);

    virtual ~AuctionBuyer();
    virtual LPCTSTR GetTypeName() const;
    virtual void Clear();
    virtual void CopyFrom(const AuctionBuyer& other);
    virtual AuctionBuyer& Assign(const AuctionBuyer& other);
    // Names compare without regard to case.
    virtual BOOL IsEqual(const AuctionBuyer& other) const;
    // No version word; reading clears first; a state outside 1..2 reads as 1.
    virtual void Serialize(CArchive& ar, DWORD flags);

    BOOL IsDifferent(const AuctionBuyer& other) const { return !IsEqual(other); }

    const CString& GetName() const { return m_name; }
    LONGLONG GetAmount() const { return m_amount; }
    int GetCount() const { return m_count; }
    int GetState() const { return m_state; }
    void SetName(LPCTSTR name) { m_name = name; }
    void SetAmount(LONGLONG amount) { m_amount = amount; }
    void SetCount(int count) { m_count = count; }
    void SetState(int state) { m_state = state; }

private:
    CString m_name;
    int m_count;
    LONGLONG m_amount;
    int m_state;
};

#endif // TANZO_AUCTION_AUCTIONBUYER_H
