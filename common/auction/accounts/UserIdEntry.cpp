#include "auction/accounts/UserIdEntry.h"

#include "afx/Archive.h"

CUserIdEntry::CUserIdEntry(LPCTSTR id, LPCTSTR memo) : m_id(id), m_memo(memo) {}

CUserIdEntry::~CUserIdEntry() {}

CUserIdEntry* CUserIdEntry::Clone() const
{
    return new CUserIdEntry(*this);
}

void CUserIdEntry::Serialize(CArchive& ar, DWORD)
{
    if (ar.IsStoring())
    {
        ar << m_id << m_memo;
        return;
    }
    m_id.Empty();
    m_memo.Empty();
    ar >> m_id >> m_memo;
}

BOOL CUserIdEntry::IsValid() const
{
    return !m_id.IsEmpty();
}

void CUserIdEntry::CopyFrom(const CUserIdEntry& other)
{
    if (&other == this)
        return;
    m_id = other.m_id;
    m_memo = other.m_memo;
}
