#include "text/JsonKeyValue.h"

#include "text/JsonString.h"

CJsonKeyValue::CJsonKeyValue(LPCTSTR lpszKey, DWORD dwQuote) : m_strKey(lpszKey), m_quote(dwQuote) {}

CJsonKeyValue::~CJsonKeyValue()
{
    delete m_pValue;
}

BOOL CJsonKeyValue::SetValue(CJsonValue* pValue)
{
    if (pValue == m_pValue)
        return TRUE;
    if (pValue != nullptr && !CanHold(pValue))
        return FALSE;
    delete m_pValue;
    m_pValue = pValue;
    if (pValue != nullptr)
        SetParentOf(pValue, this);
    return TRUE;
}

CJsonValue* CJsonKeyValue::DetachValue()
{
    CJsonValue* pValue = m_pValue;
    m_pValue = nullptr;
    if (pValue != nullptr)
        SetParentOf(pValue, nullptr);
    return pValue;
}

int CJsonKeyValue::GetTypeId() const
{
    return JSON_TYPE_KEY_VALUE;
}

CJsonKeyValue* CJsonKeyValue::Find(LPCTSTR lpszName, UINT nFlags) const
{
    return m_pValue != nullptr ? m_pValue->Find(lpszName, nFlags) : nullptr;
}

CJsonValue* CJsonKeyValue::Clone() const
{
    CJsonKeyValue* pCopy = new CJsonKeyValue(m_strKey, m_quote.Get());
    if (m_pValue != nullptr)
        pCopy->SetValue(m_pValue->Clone());
    return pCopy;
}

void CJsonKeyValue::GetTypeName(CString& strName) const
{
    strName = "key_value";
}

void CJsonKeyValue::ToText(CString& strText) const
{
    strText.Empty();
    JsonAppendQuoted(strText, m_strKey, m_quote.TestAny(JSON_QUOTE_SINGLE) != 0);
    strText += ": ";
    if (m_pValue != nullptr)
    {
        CString strValue;
        m_pValue->ToText(strValue);
        strText += strValue;
    }
}

void CJsonKeyValue::ToTextStyled(CString& strText, int nStyle) const
{
    strText = m_strKey;
    strText += ": ";
    if (m_pValue != nullptr)
    {
        CString strValue;
        m_pValue->ToTextStyled(strValue, nStyle);
        strText += strValue;
    }
}
