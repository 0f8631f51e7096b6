#include "auction/records/SelectValue.h"

#include "afx/Archive.h"

void CSelectValue::Clear()
{
    m_number = 0;
    m_alternate = 0;
}

BOOL CSelectValue::IsEqual(const CSelectValue& other) const
{
    return m_number == other.m_number && (m_alternate != 0) == (other.m_alternate != 0);
}

BOOL CSelectValue::Format(CString& out, UINT idIfAlternate, UINT idOtherwise) const
{
    out.Empty();
    if (m_number <= 0)
        return FALSE;
    UINT id = m_alternate ? idIfAlternate : idOtherwise;
    CString format;
    if (id == 0 || !format.LoadString(id))
        return FALSE;
    out.Format(format, m_number);
    return !out.IsEmpty();
}

void CSelectValue::Serialize(CArchive& ar, DWORD flags)
{
    if (ar.IsStoring())
    {
        if (flags & FieldNumber)
            ar << (LONG)m_number;
        if (flags & FieldAlternate)
            ar << (LONG)m_alternate;
        return;
    }
    Clear();
    LONG value = 0;
    if (flags & FieldNumber)
    {
        ar >> value;
        m_number = (int)value;
    }
    if (flags & FieldAlternate)
    {
        ar >> value;
        m_alternate = (int)value;
    }
}

CSelectValuePair::CSelectValuePair(int firstNumber, int firstAlternate, int secondNumber, int secondAlternate)
    : m_first(firstNumber, firstAlternate), m_second(secondNumber, secondAlternate)
{
}

void CSelectValuePair::Reset()
{
    m_first.Clear();
    m_second.Clear();
}

void CSelectValuePair::CopyFrom(const CSelectValuePair& other)
{
    m_first = other.m_first;
    m_second = other.m_second;
}

BOOL CSelectValuePair::IsEqual(const CSelectValuePair& other) const
{
    if (&other == this)
        return TRUE;
    return m_first.IsEqual(other.m_first) && m_second.IsEqual(other.m_second);
}

void CSelectValuePair::GetFirst(int& number, int& alternate) const
{
    number = m_first.GetNumber();
    alternate = m_first.GetIndex();
}

void CSelectValuePair::GetSecond(int& number, int& alternate) const
{
    number = m_second.GetNumber();
    alternate = m_second.GetIndex();
}

void CSelectValuePair::SetFirst(int number, int alternate)
{
    m_first = CSelectValue(number, alternate);
}

void CSelectValuePair::SetSecond(int number, int alternate)
{
    m_second = CSelectValue(number, alternate);
}

BOOL CSelectValuePair::Format(CString& out, UINT a1, UINT b1, UINT a2, UINT b2, UINT emptyId) const
{
    CString first;
    CString second;
    m_first.Format(first, a1, b1);
    m_second.Format(second, a2, b2);
    if (emptyId != 0)
    {
        if (first.IsEmpty())
            first.LoadString(emptyId);
        if (second.IsEmpty())
            second.LoadString(emptyId);
    }
    if (first.IsEmpty() && second.IsEmpty())
        return FALSE;
    out.Format("%s / %s", (LPCTSTR)first, (LPCTSTR)second);
    return TRUE;
}

void CSelectValuePair::Serialize(CArchive& ar, DWORD flags)
{
    if (!ar.IsStoring())
        Reset();
    if (flags & PartFirst)
        m_first.Serialize(ar, CSelectValue::FieldNumber | CSelectValue::FieldAlternate);
    if (flags & PartSecond)
        m_second.Serialize(ar, CSelectValue::FieldNumber | CSelectValue::FieldAlternate);
}
