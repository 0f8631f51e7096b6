#include "text/JsonContainer.h"

#include "text/JsonKeyValue.h"
#include "text/MbcsString.h"

CJsonContainer::CJsonContainer(int nCount) : m_elements(nCount > 0 ? (size_t)nCount : 0, nullptr) {}

CJsonContainer::~CJsonContainer()
{
    for (CJsonValue* pValue : m_elements)
        delete pValue;
}

int CJsonContainer::GetCount() const
{
    return (int)m_elements.size();
}

CJsonValue* CJsonContainer::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return m_elements[(size_t)nIndex];
}

BOOL CJsonContainer::CanTake(const CJsonValue* pValue) const
{
    return CanHold(pValue) && Accepts(pValue);
}

BOOL CJsonContainer::SetAt(int nIndex, CJsonValue* pValue)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    CJsonValue*& pSlot = m_elements[(size_t)nIndex];
    if (pValue != nullptr && pValue == pSlot)
        return TRUE;
    if (!CanTake(pValue))
        return FALSE;
    delete pSlot;
    pSlot = pValue;
    SetParentOf(pValue, this);
    return TRUE;
}

int CJsonContainer::IndexOf(const CJsonValue* pValue) const
{
    if (pValue == nullptr)
        return -1;
    for (size_t i = 0; i < m_elements.size(); i++)
        if (m_elements[i] == pValue)
            return (int)i;
    return -1;
}

CJsonKeyValue* CJsonContainer::Find(LPCTSTR lpszName, UINT nFlags) const
{
    for (CJsonValue* pValue : m_elements)
    {
        if (pValue == nullptr || pValue->GetTypeId() != JSON_TYPE_KEY_VALUE)
            continue;
        CJsonKeyValue* pMember = static_cast<CJsonKeyValue*>(pValue);
        if (pMember->GetValue() != nullptr && MatchText(pMember->GetKey(), lpszName, nFlags))
            return pMember;
    }
    for (CJsonValue* pValue : m_elements)
    {
        if (pValue == nullptr)
            continue;
        if (CJsonKeyValue* pFound = pValue->Find(lpszName, nFlags))
            return pFound;
    }
    return nullptr;
}

BOOL CJsonContainer::Append(CJsonValue* pValue)
{
    if (!CanTake(pValue))
        return FALSE;
    m_elements.push_back(pValue);
    SetParentOf(pValue, this);
    return TRUE;
}

BOOL CJsonContainer::Remove(CJsonValue* pValue)
{
    return RemoveAt(IndexOf(pValue));
}

BOOL CJsonContainer::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    CJsonValue* pValue = m_elements[(size_t)nIndex];
    m_elements.erase(m_elements.begin() + nIndex);
    if (pValue != nullptr)
        SetParentOf(pValue, nullptr);
    return TRUE;
}

CJsonValue* CJsonContainer::Clone() const
{
    CJsonContainer* pCopy = CreateEmpty();
    for (size_t i = 0; i < m_elements.size(); i++)
        if (m_elements[i] != nullptr)
            pCopy->SetAt((int)i, m_elements[i]->Clone());
    return pCopy;
}

void CJsonContainer::JoinElements(CString& strText, int nStyle, BOOL bJson) const
{
    LPCTSTR lpszBrackets = GetBrackets();
    strText = lpszBrackets[0];
    CString strElement;
    for (size_t i = 0; i < m_elements.size(); i++)
    {
        if (i > 0)
            strText += ", ";
        if (m_elements[i] == nullptr)
            continue;
        if (bJson)
            m_elements[i]->ToText(strElement);
        else
            m_elements[i]->ToTextStyled(strElement, nStyle);
        strText += strElement;
    }
    strText += lpszBrackets[1];
}

void CJsonContainer::ToText(CString& strText) const
{
    JoinElements(strText, 0, TRUE);
}

void CJsonContainer::ToTextStyled(CString& strText, int nStyle) const
{
    JoinElements(strText, nStyle, FALSE);
}

BOOL CJsonContainer::Accepts(const CJsonValue*) const
{
    return TRUE;
}

CJsonArray::~CJsonArray() = default;

int CJsonArray::GetTypeId() const
{
    return JSON_TYPE_ARRAY;
}

void CJsonArray::GetTypeName(CString& strName) const
{
    strName = "array";
}

CJsonContainer* CJsonArray::CreateEmpty() const
{
    return new CJsonArray(GetCount());
}

LPCTSTR CJsonArray::GetBrackets() const
{
    return "[]";
}

CJsonObject::~CJsonObject() = default;

int CJsonObject::GetTypeId() const
{
    return JSON_TYPE_OBJECT;
}

void CJsonObject::GetTypeName(CString& strName) const
{
    strName = "object";
}

CJsonContainer* CJsonObject::CreateEmpty() const
{
    return new CJsonObject(GetCount());
}

BOOL CJsonObject::Accepts(const CJsonValue* pValue) const
{
    return pValue->GetTypeId() == JSON_TYPE_KEY_VALUE;
}

LPCTSTR CJsonObject::GetBrackets() const
{
    return "{}";
}
