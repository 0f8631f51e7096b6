#include "auction/records/AuctionBuyer.h"

#include "afx/Archive.h"
#include "auction/records/ArchiveWords.h"

AuctionBuyer::AuctionBuyer(LPCTSTR name, LONGLONG amount, int count, int state)
    : m_name(name), m_count(count), m_amount(amount), m_state(state)
{
}

AuctionBuyer::AuctionBuyer(const AuctionBuyer& other)
    : m_name(other.m_name), m_count(other.m_count), m_amount(other.m_amount), m_state(other.m_state)
{
}

AuctionBuyer& AuctionBuyer::operator=(const AuctionBuyer& other)
{
    return Assign(other);
}

AuctionBuyer::~AuctionBuyer() {}

LPCTSTR AuctionBuyer::GetTypeName() const
{
    return "AuctionBuyer";
}

void AuctionBuyer::Clear()
{
    m_name.Empty();
    m_amount = 0;
    m_count = 0;
    m_state = 1;
}

void AuctionBuyer::CopyFrom(const AuctionBuyer& other)
{
    if (&other == this)
        return;
    m_name = other.m_name;
    m_amount = other.m_amount;
    m_count = other.m_count;
    m_state = other.m_state;
}

AuctionBuyer& AuctionBuyer::Assign(const AuctionBuyer& other)
{
    CopyFrom(other);
    return *this;
}

BOOL AuctionBuyer::IsEqual(const AuctionBuyer& other) const
{
    if (&other == this)
        return TRUE;
    return m_name.CompareNoCase(other.m_name) == 0 && m_amount == other.m_amount &&
           m_count == other.m_count && m_state == other.m_state;
}

void AuctionBuyer::Serialize(CArchive& ar, DWORD flags)
{
    if (ar.IsStoring())
    {
        if (flags & FieldName)
            ar << m_name;
        if (flags & FieldAmount)
            StoreInt64(ar, m_amount);
        if (flags & FieldCount)
            ar << (LONG)m_count;
        if (flags & FieldState)
            ar << (LONG)m_state;
        return;
    }
    Clear();
    if (flags & FieldName)
        ar >> m_name;
    if (flags & FieldAmount)
        m_amount = LoadInt64(ar);
    if (flags & FieldCount)
    {
        LONG count = 0;
        ar >> count;
        m_count = (int)count;
    }
    if (flags & FieldState)
    {
        LONG state = 0;
        ar >> state;
        m_state = (state >= 1 && state <= 2) ? (int)state : 1;
    }
}
