#include "controls/ChoiceValue.h"

#include "afx/Archive.h"

CChoiceValue::~CChoiceValue() {}

BOOL CChoiceValue::Set(int nValue)
{
    if (m_nValue == nValue)
        return FALSE;
    m_nValue = nValue;
    return TRUE;
}

void CChoiceValue::Serialize(CArchive& ar, DWORD flags)
{
    if (ar.IsLoading())
        Clear();
    if ((flags & SerializeValue) == 0)
        return;
    if (ar.IsStoring())
    {
        ar << (LONG)m_nValue;
        return;
    }
    LONG value = 0;
    ar >> value;
    m_nValue = value >= 0 && value <= MaxValue ? (int)value : 0;
}
