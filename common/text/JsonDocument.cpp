#include "text/JsonDocument.h"

#include "text/JsonValue.h"

CJsonDocument::CJsonDocument() = default;

CJsonDocument::~CJsonDocument()
{
    delete m_pRoot;
}

int CJsonDocument::Parse(LPCTSTR lpszText)
{
    delete m_pRoot;
    m_pRoot = nullptr;
    return JsonReadText(lpszText, m_options.Get(), m_pRoot);
}
