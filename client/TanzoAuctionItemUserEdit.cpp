#include "client/TanzoAuctionItemUserEdit.h"

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "auction/records/ArchiveWords.h"
#include "client/TanzoAuctionItem.h"

TanzoAuctionItemUserEdit::TanzoAuctionItemUserEdit() : m_localNumber(-1)
{
    Reset();
    Touch();
}

TanzoAuctionItemUserEdit::TanzoAuctionItemUserEdit(const TanzoAuctionItem& item) : m_localNumber(-1)
{
    CItemUserState::CopyFrom(item.GetUserState());
    m_auctionID = item.GetAuctionID();
    m_memo = item.GetMemo();
    Touch();
    m_localNumber = item.GetLocalNumber();
    if (item.GetBuyerCount() > 1)
        item.GetBuyers(m_buyers);
}

TanzoAuctionItemUserEdit::TanzoAuctionItemUserEdit(const TanzoAuctionItemUserEdit& other)
    : CItemUserState(), m_localNumber(-1)
{
    CopyFrom(other);
}

TanzoAuctionItemUserEdit& TanzoAuctionItemUserEdit::operator=(const TanzoAuctionItemUserEdit& other)
{
    CopyFrom(other);
    return *this;
}

TanzoAuctionItemUserEdit::~TanzoAuctionItemUserEdit() {}

BOOL TanzoAuctionItemUserEdit::IsEmpty(BOOL ignoreTimeAndId) const
{
    return CItemUserState::IsEmpty() && (ignoreTimeAndId || m_updateTime.GetTime() == 0) &&
           m_localNumber == -1 && (ignoreTimeAndId || m_auctionID.IsEmpty()) && m_memo.IsEmpty() &&
           m_buyers.IsEmpty();
}

void TanzoAuctionItemUserEdit::Reset()
{
    CItemUserState::Reset();
    m_updateTime = CTime(0);
    m_localNumber = -1;
    m_auctionID.Empty();
    m_memo.Empty();
    m_buyers.RemoveAll();
}

void TanzoAuctionItemUserEdit::CopyFrom(const TanzoAuctionItemUserEdit& other)
{
    if (&other == this)
        return;
    CItemUserState::CopyFrom(other);
    m_auctionID = other.m_auctionID;
    m_memo = other.m_memo;
    m_updateTime = other.m_updateTime;
    m_localNumber = other.m_localNumber;
    SetBuyers(other.m_buyers);
}

void TanzoAuctionItemUserEdit::Touch()
{
    m_updateTime = GetAuctionCurrentTime();
}

BOOL TanzoAuctionItemUserEdit::IsRecent() const
{
    const CTime now = GetAuctionCurrentTime();
    return m_updateTime >= now || (now - m_updateTime).GetTotalSeconds() <= KeepSeconds;
}

void TanzoAuctionItemUserEdit::SetBuyers(const CTanzoAuctionBuyerList& list)
{
    m_buyers.RemoveAll();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        m_buyers.AddTail(list.GetNext(pos));
}

BOOL TanzoAuctionItemUserEdit::GetBuyers(CTanzoAuctionBuyerList& list) const
{
    list.RemoveAll();
    for (POSITION pos = m_buyers.GetHeadPosition(); pos != nullptr;)
        list.AddTail(m_buyers.GetNext(pos));
    return !list.IsEmpty();
}

void TanzoAuctionItemUserEdit::Serialize(CArchive& ar, int fileVersion)
{
    if (ar.IsStoring())
    {
        ar << (LONG)RecordVersion << m_auctionID << m_memo << m_stateFlags << m_updateTime
           << (LONG)m_localNumber;
        if (fileVersion >= 2)
        {
            CChoiceValue::Serialize(ar, CChoiceValue::SerializeValue);
            ar << (DWORD)m_buyers.GetCount();
            for (POSITION pos = m_buyers.GetHeadPosition(); pos != nullptr;)
                m_buyers.GetNext(pos).Serialize(ar, AuctionBuyer::FieldName);
        }
        return;
    }

    Reset();
    LONG version = 0;
    ar >> version;
    if (version != 1 && version != 2)
        AfxThrowArchiveException(CArchiveException::badSchema, nullptr);
    ar >> m_auctionID >> m_memo >> m_stateFlags >> m_updateTime;
    m_stateFlags &= StoredStateFlags;
    LONG localNumber = -1;
    ar >> localNumber;
    m_localNumber = (int)localNumber;
    if (fileVersion < 2)
        return;
    CChoiceValue::Serialize(ar, CChoiceValue::SerializeValue);
    const DWORD count = LoadCount(ar, MaxStoredBuyers);
    for (DWORD i = 0; i < count; ++i)
    {
        TanzoAuctionBuyer buyer;
        buyer.Serialize(ar, AuctionBuyer::FieldName);
        // The file holds the name and the flags; the rest is a new buyer's.
        buyer.SetCount(1);
        m_buyers.AddTail(buyer);
    }
}
