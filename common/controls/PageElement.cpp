#include "controls/PageElement.h"

#include "text/MbcsString.h"

namespace
{
BOOL IsEmptyText(LPCTSTR lpsz)
{
    return lpsz == nullptr || *lpsz == '\0';
}

// Calls found(element) for each match until it answers TRUE.
template <class Found>
void ForEachMatch(CPageElementList& list, LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue,
                  int nFlags, Found found)
{
    int nCount = list.GetCount();
    for (int i = 0; i < nCount; ++i)
    {
        std::unique_ptr<CPageElement> pElement = list.GetAt(i);
        if (pElement && PageElementMatches(*pElement, lpszTag, lpszAttrName, lpszAttrValue, nFlags) &&
            found(std::move(pElement)))
            return;
    }
}

CString TrimBlanks(const CString& text)
{
    CString result(text);
    result.TrimLeft();
    result.TrimRight();
    return result;
}
} // namespace

BOOL PageElementMatches(CPageElement& element, LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue,
                        int nFlags)
{
    if (IsEmptyText(lpszTag) || !MbsEqualNoCase(element.GetTagName(), lpszTag))
        return FALSE;
    if (IsEmptyText(lpszAttrName) || lpszAttrValue == nullptr)
        return TRUE;
    CString strValue;
    if (!element.GetAttribute(lpszAttrName, strValue))
        return FALSE;
    if ((nFlags & PAGE_FIND_CONTAINS) != 0)
        return *lpszAttrValue == '\0' || MbsFindNoCase(strValue, lpszAttrValue) >= 0;
    return MbsEqualNoCase(strValue, lpszAttrValue);
}

int CountPageElements(CPageElementList& list, LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue,
                      int nFlags)
{
    int nMatches = 0;
    ForEachMatch(list, lpszTag, lpszAttrName, lpszAttrValue, nFlags,
                 [&](std::unique_ptr<CPageElement>)
                 {
                     ++nMatches;
                     return (nFlags & PAGE_FIND_FIRST) != 0;
                 });
    return nMatches;
}

BOOL FindPageElement(CPageElementList& list, LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue,
                     int nFlags)
{
    return CountPageElements(list, lpszTag, lpszAttrName, lpszAttrValue, nFlags) > 0;
}

std::unique_ptr<CPageElement> GetFirstPageElement(CPageElementList& list, LPCTSTR lpszTag,
                                                  LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue, int nFlags)
{
    std::unique_ptr<CPageElement> pFirst;
    ForEachMatch(list, lpszTag, lpszAttrName, lpszAttrValue, nFlags,
                 [&](std::unique_ptr<CPageElement> pElement)
                 {
                     pFirst = std::move(pElement);
                     return TRUE;
                 });
    return pFirst;
}

BOOL SetPageElementValue(CPageElementList& list, LPCTSTR lpszTag, LPCTSTR lpszAttrToSet, LPCTSTR lpszValue,
                         LPCTSTR lpszMatchAttr, LPCTSTR lpszMatchValue)
{
    if (IsEmptyText(lpszAttrToSet))
        return FALSE;
    std::unique_ptr<CPageElement> pElement =
        GetFirstPageElement(list, lpszTag, lpszMatchAttr, lpszMatchValue);
    if (!pElement)
        return FALSE;
    CString display;
    if (ParseDisplayAssignment(lpszAttrToSet, lpszValue, display))
        return pElement->SetDisplay(display);
    return pElement->SetAttribute(lpszAttrToSet, lpszValue != nullptr ? lpszValue : "");
}

std::unique_ptr<CPageElement> GetPageForm(CPageElementList& list, LPCTSTR lpszName)
{
    if (IsEmptyText(lpszName))
        return nullptr;
    return GetFirstPageElement(list, "form", "name", lpszName);
}

BOOL SubmitPageForm(CPageElementList& list, LPCTSTR lpszName)
{
    std::unique_ptr<CPageElement> pForm = GetPageForm(list, lpszName);
    return pForm && pForm->Submit();
}

BOOL ParseDisplayAssignment(LPCTSTR lpszAttr, LPCTSTR lpszValue, CString& display)
{
    display.Empty();
    if (lpszAttr == nullptr || lpszValue == nullptr || !MbsEqualNoCase(lpszAttr, "style"))
        return FALSE;
    CString value = TrimBlanks(lpszValue);
    if (!MatchText(value, "display:", MATCH_NOCASE | MATCH_PREFIX))
        return FALSE;
    value = value.Mid(8);
    if (!value.IsEmpty() && value[value.GetLength() - 1] == ';')
        value = value.Left(value.GetLength() - 1);
    display = TrimBlanks(value);
    return TRUE;
}
