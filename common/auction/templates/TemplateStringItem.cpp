#include "auction/templates/TemplateStringItem.h"

#include "afx/Archive.h"
#include "auction/templates/TemplateMenuText.h"

IMPLEMENT_SERIAL(CTemplateStringItem, CObject, 1)

CTemplateStringItem::CTemplateStringItem(LPCTSTR lpszTitle, LPCTSTR lpszText)
    : m_title(lpszTitle), m_text(lpszText)
{
}

CTemplateStringItem::CTemplateStringItem(const CTemplateStringItem& other)
    : CObject(), m_title(other.m_title), m_text(other.m_text)
{
}

CTemplateStringItem::~CTemplateStringItem() {}

void CTemplateStringItem::Serialize(CArchive& ar, DWORD flags)
{
    if (ar.IsStoring())
    {
        if (flags & FieldTitle)
            ar << m_title;
        if (flags & FieldText)
            ar << m_text;
        return;
    }
    Clear();
    if (flags & FieldTitle)
        ar >> m_title;
    if (flags & FieldText)
        ar >> m_text;
}

void CTemplateStringItem::CopyFrom(const CTemplateStringItem& other)
{
    if (&other == this)
        return;
    m_title = other.m_title;
    m_text = other.m_text;
}

CTemplateStringItem* CTemplateStringItem::Clone() const
{
    return new CTemplateStringItem(*this);
}

void CTemplateStringItem::Clear()
{
    m_title.Empty();
    m_text.Empty();
}

void CTemplateStringItem::GetMenuText(CString& strOut) const
{
    strOut = MakeTemplateMenuText(m_text.IsEmpty() ? m_title : m_text);
}
