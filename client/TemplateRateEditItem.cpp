#include "client/TemplateRateEditItem.h"

#include "afx/Archive.h"
#include "auction/templates/TemplateMenuText.h"

IMPLEMENT_SERIAL(CTemplateRateEditItem, CTemplateStringItem, 0)

CTemplateRateEditItem::CTemplateRateEditItem(int nRating, LPCTSTR lpszTitle, LPCTSTR lpszText)
    : CTemplateStringItem(lpszTitle, lpszText), m_nRating(nRating)
{
}

CTemplateRateEditItem::CTemplateRateEditItem(const CTemplateRateEditItem& other)
    : CTemplateStringItem(other), m_nRating(other.m_nRating)
{
}

CTemplateRateEditItem::~CTemplateRateEditItem() {}

void CTemplateRateEditItem::Serialize(CArchive& ar, DWORD flags)
{
    CTemplateStringItem::Serialize(ar, flags);
    if (ar.IsStoring())
    {
        ar << (LONG)m_nRating;
    }
    else
    {
        LONG nRating = 0;
        ar >> nRating;
        m_nRating = (int)nRating;
    }
}

void CTemplateRateEditItem::CopyFrom(const CTemplateStringItem& other)
{
    CTemplateStringItem::CopyFrom(other);
    if (const CTemplateRateEditItem* pRate = dynamic_cast<const CTemplateRateEditItem*>(&other))
        m_nRating = pRate->m_nRating;
}

CTemplateStringItem* CTemplateRateEditItem::Clone() const
{
    return new CTemplateRateEditItem(*this);
}

void CTemplateRateEditItem::Clear()
{
    CTemplateStringItem::Clear();
    m_nRating = DefaultRating;
}

BOOL CTemplateRateEditItem::LoadRatingMark(int nRating, CString& strOut)
{
    strOut.Empty();
    if (nRating < 1 || nRating > 5)
        return FALSE;
    return strOut.LoadString(IDS_RATING_MARK_FIRST + (5 - nRating));
}

void CTemplateRateEditItem::GetMenuText(CString& strOut) const
{
    CString text;
    CString mark;
    if (LoadRatingMark(m_nRating, mark))
        text = "[" + mark + "]";
    text += GetText().IsEmpty() ? GetTitle() : GetText();
    strOut = MakeTemplateMenuText(text);
}
