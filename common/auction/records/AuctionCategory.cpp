#include "auction/records/AuctionCategory.h"

AuctionCategory::AuctionCategory(int nNumber, LPCTSTR lpszName) : m_nNumber(nNumber), m_name(lpszName) {}

AuctionCategory::~AuctionCategory() {}

LPCTSTR AuctionCategory::GetTypeName() const
{
    return "AuctionCategory";
}

void AuctionCategory::CopyFrom(const AuctionCategory& other)
{
    if (&other == this)
        return;
    m_nNumber = other.m_nNumber;
    m_name = other.m_name;
}

AuctionCategory& AuctionCategory::Assign(const AuctionCategory& other)
{
    CopyFrom(other);
    return *this;
}
