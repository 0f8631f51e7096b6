#include "client/ItemUserState.h"

#include "client/TanzoAuctionItem.h"

CItemUserState::CItemUserState(const TanzoAuctionItem& item) : m_stateFlags(0), m_actionFlags(0)
{
    CopyFrom(item.GetUserState());
}

CItemUserState::~CItemUserState() {}

BOOL CItemUserState::IsEmpty() const
{
    return IsZero() && m_stateFlags == 0 && m_actionFlags == 0;
}

void CItemUserState::Reset()
{
    Clear();
    m_stateFlags = 0;
    m_actionFlags = 0;
}

void CItemUserState::CopyFrom(const CItemUserState& other)
{
    if (&other == this)
        return;
    Set(other.GetValue());
    m_stateFlags = other.m_stateFlags;
    m_actionFlags = other.m_actionFlags;
}

BOOL CItemUserState::IsEqual(const CItemUserState& other) const
{
    return &other == this || (GetValue() == other.GetValue() && m_stateFlags == other.m_stateFlags &&
                              m_actionFlags == other.m_actionFlags);
}
