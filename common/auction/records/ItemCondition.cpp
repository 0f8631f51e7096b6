#include "auction/records/ItemCondition.h"

#include "afx/Archive.h"

CItemCondition::CItemCondition() : m_condition(DefaultCondition) {}

CItemCondition& CItemCondition::operator=(const CItemCondition& other)
{
    Assign(other);
    return *this;
}

void CItemCondition::Clear()
{
    m_condition = DefaultCondition;
    m_comment.Empty();
}

void CItemCondition::Assign(const CItemCondition& other)
{
    if (&other == this)
        return;
    m_condition = other.m_condition;
    m_comment = other.m_comment;
}

void CItemCondition::CopyTo(CItemCondition& other) const
{
    other.Assign(*this);
}

BOOL CItemCondition::IsEqual(const CItemCondition& other) const
{
    return m_condition == other.m_condition && m_comment == other.m_comment;
}

void CItemCondition::Serialize(CArchive& ar, DWORD parts)
{
    if (ar.IsStoring())
    {
        if (parts & PartCode)
            ar << (LONG)m_condition;
        if (parts & PartComment)
            ar << m_comment;
        return;
    }
    Clear();
    if (parts & PartCode)
    {
        LONG code = 0;
        ar >> code;
        m_condition = (code >= 0 && code <= MaxCondition) ? (int)code : DefaultCondition;
    }
    if (parts & PartComment)
        ar >> m_comment;
}
