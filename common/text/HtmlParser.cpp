#include "text/HtmlParser.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "text/HtmlTagTable.h"

CHtmlParser::CHtmlParser(CMarkupElement* pContainer, int nStrictness)
    : CMarkupParser(pContainer, nStrictness, TRUE)
{
}

int CHtmlParser::CloseElement(LPCTSTR name, int nLength)
{
    int nTag = LookupHtmlTag(name, nLength);
    size_t nTop = m_open.size() - 1;
    if (nTag >= 0 && nTop > 0 && Current().nTag == nTag)
    {
        PopTo(nTop);
        return MARKUP_PARSE_DONE;
    }
    // The nearest open element of that name, if no element lies between
    // that its end tag may not pass: "</div>" closes a "p" or "span" left
    // open inside the div, "</b>" does not close a "div" inside the b.
    if (nTag >= 0)
    {
        int nOpen = m_lastOpen[nTag];
        if (nOpen >= std::max(Current().nBarrier, 1) && nOpen < (int)nTop)
        {
            PopTo((size_t)nOpen);
            return MARKUP_PARSE_DONE;
        }
    }
    return GetStrictness() > 0 ? MARKUP_PARSE_STRAY_END_TAG : MARKUP_PARSE_DONE;
}

CMarkupNode* CHtmlParser::CreateNode(LPCTSTR name)
{
    if (name == nullptr || *name == '\0')
        return nullptr;
    int n = (int)std::strlen(name);
    if (n >= 3 && std::memcmp(name, "!--", 3) == 0)
        return CMarkupParser::CreateNode(name);
    DWORD dwFlags = 0;
    int nTag = LookupHtmlTag(name, n, &dwFlags);
    // "<br/>": a known name closed in the XHTML manner.
    if (nTag < 0 && n > 1 && name[n - 1] == '/')
        nTag = LookupHtmlTag(name, --n, &dwFlags);
    if (nTag < 0)
        return nullptr;
    CMarkupNode* pNode;
    if ((dwFlags & HTML_TAG_EMPTY) != 0)
        pNode = new CMarkupTag(name, n, nTag);
    else
        pNode = new CMarkupTagElement(name, n, nTag);
    m_pCreated = pNode;
    m_nCreatedTag = nTag;
    m_dwCreatedFlags = dwFlags;
    return pNode;
}

int CHtmlParser::PlaceNode(CMarkupNode* pNode)
{
    static const int nTable = LookupHtmlTag("table");
    static const int nTd = LookupHtmlTag("td");
    const OpenElement parent = Current();
    if (pNode->GetType() == MARKUP_TAG_ELEMENT)
    {
        int nTag = TagOf(pNode);
        if (m_open.size() > 1 && (parent.dwFlags & HTML_TAG_OPTIONAL_END) != 0 &&
            !CanContainTag(parent.nTag, nTag))
            PopTo(m_open.size() - 1);
        if (parent.nTag == nTable && nTag == nTd)
        {
            if (GetStrictness() >= 2)
            {
                delete pNode;
                return MARKUP_PARSE_CELL_IN_TABLE;
            }
            CMarkupTagElement* pRow = new CMarkupTagElement("tr");
            Append(pRow);
            Push(pRow);
        }
    }
    Append(pNode);
    if (!pNode->IsLeaf())
        Push(static_cast<CMarkupElement*>(pNode));
    m_pCreated = nullptr;
    return MARKUP_PARSE_DONE;
}
