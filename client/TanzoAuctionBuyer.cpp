#include "client/TanzoAuctionBuyer.h"

#include <cstring>

#include "afx/Archive.h"

namespace
{
const char kTypeName[] = "TanzoAuctionBuyer";
}

TanzoAuctionBuyer::TanzoAuctionBuyer(LPCTSTR name, LONGLONG amount, int count, int state)
    : AuctionBuyer(name, amount, count, state)
{
}

TanzoAuctionBuyer::TanzoAuctionBuyer(const TanzoAuctionBuyer& other)
    : AuctionBuyer(other), m_flags(other.m_flags)
{
}

TanzoAuctionBuyer& TanzoAuctionBuyer::operator=(const TanzoAuctionBuyer& other)
{
    Assign(other);
    return *this;
}

TanzoAuctionBuyer::~TanzoAuctionBuyer() {}

LPCTSTR TanzoAuctionBuyer::GetTypeName() const
{
    return kTypeName;
}

void TanzoAuctionBuyer::Clear()
{
    AuctionBuyer::Clear();
    m_flags.Set(0);
}

void TanzoAuctionBuyer::CopyFrom(const AuctionBuyer& other)
{
    if (&other == this)
        return;
    AuctionBuyer::CopyFrom(other);
    m_flags.Set(IsTanzoAuctionBuyer(&other) ? static_cast<const TanzoAuctionBuyer&>(other).GetFlags() : 0);
}

void TanzoAuctionBuyer::Serialize(CArchive& ar, DWORD flags)
{
    AuctionBuyer::Serialize(ar, flags);
    m_flags.Serialize(ar);
}

BOOL IsTanzoAuctionBuyer(const AuctionBuyer* buyer)
{
    return buyer != nullptr && std::strcmp(buyer->GetTypeName(), kTypeName) == 0;
}

TanzoAuctionBuyer GetNextBuyerCopy(const CTanzoAuctionBuyerList& list, POSITION& pos)
{
    return list.GetNext(pos);
}
