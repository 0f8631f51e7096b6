#include "text/JsonValue.h"

#include "text/JsonKeyValue.h"
#include "text/JsonScalars.h"
#include "text/JsonString.h"

CJsonValue::~CJsonValue() = default;

CJsonValue* CJsonValue::GetParent() const
{
    return m_pParent;
}

int CJsonValue::GetCount() const
{
    return 0;
}

CJsonValue* CJsonValue::GetAt(int) const
{
    return nullptr;
}

BOOL CJsonValue::SetAt(int, CJsonValue*)
{
    return FALSE;
}

BOOL CJsonValue::SetAtText(int nIndex, LPCTSTR lpszText)
{
    if (lpszText == nullptr)
        return FALSE;
    CJsonString* pValue = new CJsonString(lpszText);
    if (SetAt(nIndex, pValue))
        return TRUE;
    delete pValue;
    return FALSE;
}

BOOL CJsonValue::SetAtInt(int nIndex, int nValue)
{
    CJsonInteger* pValue = new CJsonInteger(nValue);
    if (SetAt(nIndex, pValue))
        return TRUE;
    delete pValue;
    return FALSE;
}

int CJsonValue::IndexOf(const CJsonValue*) const
{
    return -1;
}

CJsonKeyValue* CJsonValue::Find(LPCTSTR, UINT) const
{
    return nullptr;
}

BOOL CJsonValue::Append(CJsonValue*)
{
    return FALSE;
}

BOOL CJsonValue::Remove(CJsonValue*)
{
    return FALSE;
}

void CJsonValue::ToTextStyled(CString& strText, int) const
{
    ToText(strText);
}

void CJsonValue::ResetCache() {}

int CJsonValue::GetInt() const
{
    return 0;
}

BOOL CJsonValue::CanHold(const CJsonValue* pValue) const
{
    if (pValue == nullptr || pValue->GetParent() != nullptr)
        return FALSE;
    for (const CJsonValue* pHolder = this; pHolder != nullptr; pHolder = pHolder->GetParent())
        if (pHolder == pValue)
            return FALSE;
    return TRUE;
}

CJsonValue* CJsonValue::FindValue(LPCTSTR lpszName, UINT nFlags) const
{
    CJsonKeyValue* pMember = Find(lpszName, nFlags);
    return pMember != nullptr ? pMember->GetValue() : nullptr;
}
