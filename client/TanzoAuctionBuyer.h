#ifndef TANZO_CLIENT_TANZOAUCTIONBUYER_H
#define TANZO_CLIENT_TANZOAUCTIONBUYER_H

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/records/AuctionBuyer.h"
#include "text/BitFlags.h"

// A buyer of one of the client's items: the common buyer and a flag word
// that the feedback road and the list pages keep per buyer.
class TanzoAuctionBuyer : public AuctionBuyer
{
public:
    // Flag bits.
    enum : DWORD
    {
        FlagTarget = 0x1,   // chosen as a feedback target
        FlagRated = 0x2,    // feedback left for this buyer
        FlagForbidden = 0x4 // feedback forbidden for this buyer
    };

    TanzoAuctionBuyer(LPCTSTR name = nullptr, LONGLONG amount = 0, int count = 1, int state = 1);
    TanzoAuctionBuyer(const TanzoAuctionBuyer& other);
    TanzoAuctionBuyer& operator=(const TanzoAuctionBuyer& other);
    ~TanzoAuctionBuyer() override;

    LPCTSTR GetTypeName() const override;
    void Clear() override;
    // The flag word comes along only from another client buyer.
    void CopyFrom(const AuctionBuyer& other) override;
    void Serialize(CArchive& ar, DWORD flags) override;

    DWORD GetFlags() const { return m_flags.Get(); }
    void SetFlags(DWORD value) { m_flags.Set(value); }
    void AddFlags(DWORD bits) { m_flags.Add(bits); }
    void ClearFlags(DWORD bits) { m_flags.Remove(bits); }
    DWORD TestFlags(DWORD bits) const { return m_flags.TestAny(bits); }

private:
    CBitFlagsEx m_flags;
};

// TRUE when the buyer's class is the client's (by its type name).
BOOL IsTanzoAuctionBuyer(const AuctionBuyer* buyer);

// Buyers carried by value between items, user-edit records and lists.
typedef CList<TanzoAuctionBuyer, const TanzoAuctionBuyer&> CTanzoAuctionBuyerList;

// The buyer at pos (a copy); pos moves on to the next one.
TanzoAuctionBuyer GetNextBuyerCopy(const CTanzoAuctionBuyerList& list, POSITION& pos);

#endif // TANZO_CLIENT_TANZOAUCTIONBUYER_H
