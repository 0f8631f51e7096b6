#include "text/JsonScalars.h"

CJsonInteger::~CJsonInteger() = default;

int CJsonInteger::GetTypeId() const
{
    return JSON_TYPE_INTEGER;
}

CJsonValue* CJsonInteger::Clone() const
{
    return new CJsonInteger(m_nValue);
}

void CJsonInteger::GetTypeName(CString& strName) const
{
    strName = "integer";
}

void CJsonInteger::ToText(CString& strText) const
{
    strText.Format("%d", m_nValue);
}

int CJsonInteger::GetInt() const
{
    return m_nValue;
}

CJsonBoolean::~CJsonBoolean() = default;

int CJsonBoolean::GetTypeId() const
{
    return JSON_TYPE_BOOLEAN;
}

CJsonValue* CJsonBoolean::Clone() const
{
    return new CJsonBoolean(m_bValue);
}

void CJsonBoolean::GetTypeName(CString& strName) const
{
    strName = "boolean";
}

void CJsonBoolean::ToText(CString& strText) const
{
    strText = m_bValue ? "true" : "false";
}

int CJsonBoolean::GetInt() const
{
    return m_bValue ? 1 : 0;
}

CJsonNull::~CJsonNull() = default;

int CJsonNull::GetTypeId() const
{
    return JSON_TYPE_NULL;
}

CJsonValue* CJsonNull::Clone() const
{
    return new CJsonNull;
}

void CJsonNull::GetTypeName(CString& strName) const
{
    strName = "null";
}

void CJsonNull::ToText(CString& strText) const
{
    strText = "null";
}
