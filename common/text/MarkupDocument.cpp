#include "text/MarkupDocument.h"

#include "text/MarkupParser.h"
#include "text/MarkupWalk.h"
#include "text/MbcsString.h"

namespace
{

// The markup a query gives for a match: outer, or with inner the
// children's markup of a container (a leaf tag gives its own).
void GetMatchMarkup(const CMarkupNode* pNode, BOOL bInner, CString& out)
{
    out.Empty();
    if (bInner && !pNode->IsLeaf())
        static_cast<const CMarkupElement*>(pNode)->GetInnerMarkup(out);
    else
        pNode->GetMarkup(out, TRUE);
}

} // namespace

CMarkupDocument::CMarkupDocument(LPCTSTR source) : m_strSource(source) {}

CMarkupDocument::~CMarkupDocument() {}

void CMarkupDocument::SetSource(LPCTSTR text)
{
    Clear();
    m_strSource = text;
}

BOOL CMarkupDocument::LoadSource()
{
    return FALSE;
}

BOOL CMarkupDocument::IsEmptyTagName(LPCTSTR) const
{
    return FALSE;
}

CMarkupParser* CMarkupDocument::CreateParser(CMarkupRoot* pRoot)
{
    return new CMarkupParser(pRoot, 0);
}

void CMarkupDocument::GetSource(CString& out)
{
    if (m_strSource.IsEmpty() && !m_root.HasNoChildren())
        m_root.GetMarkup(m_strSource, TRUE);
    out = m_strSource;
}

const CString& CMarkupDocument::GetSourceText()
{
    if (m_strSource.IsEmpty() && !m_root.HasNoChildren())
        m_root.GetMarkup(m_strSource, TRUE);
    return m_strSource;
}

void CMarkupDocument::Clear()
{
    m_strSource.Empty();
    m_root.DeleteAllChildren();
}

BOOL CMarkupDocument::Parse()
{
    m_root.DeleteAllChildren();
    if (m_strSource.IsEmpty() && !LoadSource())
        return FALSE;
    CMarkupParser* pParser = CreateParser(&m_root);
    if (pParser == nullptr)
        return FALSE;
    pParser->Parse(m_strSource, m_strSource.GetLength());
    delete pParser;
    return TRUE;
}

BOOL CMarkupDocument::SetFromElement(CMarkupNode* pNode)
{
    if (pNode == nullptr || pNode == &m_root)
        return FALSE;
    // A node of this very tree must survive the Clear.
    if (pNode->GetParent() != nullptr)
        pNode->GetParent()->RemoveChild(pNode);
    Clear();
    return m_root.AppendChild(pNode);
}

template <class Found>
BOOL CMarkupDocument::ForEachMatch(LPCTSTR tag, LPCTSTR attrName, LPCTSTR attrValue, int flags, Found found,
                                   bool bOutermost)
{
    if (tag == nullptr || *tag == '\0')
        return FALSE;
    if (m_root.HasNoChildren() && !Parse())
        return FALSE;
    int nKind = IsEmptyTagName(tag) ? MARKUP_TAG : MARKUP_TAG_ELEMENT;
    BOOL bContains = (flags & MARKUP_FIND_CONTAINS) != 0;
    BOOL bParent = (flags & MARKUP_FIND_PARENT) != 0;
    // Names that differ in their first byte (ASCII letters folded, as the
    // comparison folds them) are told apart without a call.
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? (char)(c + 32) : c; };
    const char first = fold(*tag);
    auto visit = [&](CMarkupNode* pNode) -> bool
    {
        if (pNode->GetType() != nKind || fold(*pNode->GetNameText()) != first ||
            !pNode->Matches(tag, attrName, attrValue, bContains))
            return false;
        CMarkupNode* pResult = bParent ? pNode->GetParent() : pNode;
        return pResult != nullptr && found(pResult);
    };
    if ((flags & MARKUP_FIND_TOP_LEVEL) != 0)
    {
        for (CMarkupNode* pChild : MarkupWalk::Children(&m_root))
            if (visit(pChild))
                break;
    }
    else if (bOutermost)
        MarkupWalk::Prune(&m_root,
                          [&](CMarkupNode* pNode)
                          {
                              if (pNode->GetType() != nKind ||
                                  !pNode->Matches(tag, attrName, attrValue, bContains))
                                  return MarkupWalk::Descend;
                              return visit(pNode) ? MarkupWalk::Stop : MarkupWalk::SkipChildren;
                          });
    else
        MarkupWalk::Find(&m_root, visit);
    return TRUE;
}

BOOL CMarkupDocument::FindElements(LPCTSTR tag, CPtrList& nodes, LPCTSTR attrName, LPCTSTR attrValue,
                                   int flags)
{
    BOOL bFirst = (flags & MARKUP_FIND_FIRST) != 0;
    ForEachMatch(tag, attrName, attrValue, flags,
                 [&](CMarkupNode* pNode)
                 {
                     nodes.AddTail(pNode);
                     return bFirst;
                 });
    return !nodes.IsEmpty();
}

CMarkupNode* CMarkupDocument::FindElement(LPCTSTR tag, LPCTSTR attrName, LPCTSTR attrValue, int flags)
{
    CMarkupNode* pFound = nullptr;
    ForEachMatch(tag, attrName, attrValue, flags & ~MARKUP_FIND_INNER,
                 [&](CMarkupNode* pNode)
                 {
                     pFound = pNode;
                     return true;
                 });
    return pFound != nullptr ? pFound->Clone() : nullptr;
}

BOOL CMarkupDocument::FindElementsToList(LPCTSTR tag, CMarkupElement* pContainer, LPCTSTR attrName,
                                         LPCTSTR attrValue, int flags)
{
    if (pContainer == nullptr)
        return FALSE;
    pContainer->DeleteAllChildren();
    // Copied after the search: the container may lie in this very tree.
    CPtrList found;
    FindElements(tag, found, attrName, attrValue, flags & ~MARKUP_FIND_FIRST);
    for (POSITION pos = found.GetHeadPosition(); pos != nullptr;)
        pContainer->AppendChild(static_cast<CMarkupNode*>(found.GetNext(pos))->Clone());
    return !pContainer->HasNoChildren();
}

BOOL CMarkupDocument::HasElement(LPCTSTR tag, LPCTSTR attrName, LPCTSTR attrValue, int flags)
{
    BOOL bFound = FALSE;
    ForEachMatch(tag, attrName, attrValue, flags & (MARKUP_FIND_CONTAINS | MARKUP_FIND_TOP_LEVEL),
                 [&](CMarkupNode*) { return bFound = TRUE; });
    return bFound;
}

BOOL CMarkupDocument::GetAttribute(LPCTSTR tag, LPCTSTR attrToRead, CString& out, LPCTSTR attrName,
                                   LPCTSTR attrValue, int flags)
{
    BOOL bFound = FALSE;
    ForEachMatch(tag, attrName, attrValue, flags & (MARKUP_FIND_CONTAINS | MARKUP_FIND_TOP_LEVEL),
                 [&](CMarkupNode* pNode) { return bFound = pNode->GetAttribute(attrToRead, out); });
    return bFound;
}

BOOL CMarkupDocument::GetAttributes(LPCTSTR tag, LPCTSTR attrToRead, CStringList& values, LPCTSTR attrName,
                                    LPCTSTR attrValue, int flags)
{
    ForEachMatch(tag, attrName, attrValue, flags & (MARKUP_FIND_CONTAINS | MARKUP_FIND_TOP_LEVEL),
                 [&](CMarkupNode* pNode)
                 {
                     CString value;
                     if (pNode->GetAttribute(attrToRead, value))
                         values.AddTail(value);
                     return false;
                 });
    return !values.IsEmpty();
}

BOOL CMarkupDocument::GetElementText(LPCTSTR tag, CString& out, LPCTSTR attrName, LPCTSTR attrValue,
                                     int flags)
{
    BOOL bFound = FALSE;
    ForEachMatch(tag, attrName, attrValue, flags,
                 [&](CMarkupNode* pNode)
                 {
                     GetMatchMarkup(pNode, (flags & MARKUP_FIND_INNER) != 0, out);
                     return bFound = TRUE;
                 });
    return bFound;
}

BOOL CMarkupDocument::GetElementTexts(LPCTSTR tag, CStringList& texts, LPCTSTR attrName, LPCTSTR attrValue,
                                      int flags)
{
    BOOL bFound = FALSE;
    ForEachMatch(tag, attrName, attrValue, flags,
                 [&](CMarkupNode* pNode)
                 {
                     CString markup;
                     GetMatchMarkup(pNode, (flags & MARKUP_FIND_INNER) != 0, markup);
                     texts.AddTail(markup);
                     bFound = TRUE;
                     return false;
                 });
    return bFound;
}

BOOL CMarkupDocument::ElementTextContains(LPCTSTR tag, LPCTSTR text, LPCTSTR attrName, LPCTSTR attrValue,
                                          int flags)
{
    if (text == nullptr)
        return FALSE;
    // The markup is searched as it is written out, never built. A match
    // inside another holds no more than that one's markup does: only the
    // outermost matches are searched.
    CMbsStreamFinder finder(text, TRUE);
    BOOL bFound = FALSE;
    ForEachMatch(
        tag, attrName, attrValue, flags & (MARKUP_FIND_CONTAINS | MARKUP_FIND_TOP_LEVEL),
        [&](CMarkupNode* pNode)
        {
            // Every markup contains the empty text.
            if (*text == '\0')
                return bFound = TRUE;
            finder.Restart();
            MarkupWalk::PutDeep(pNode, [&](const CString& piece) { finder.Feed(piece, piece.GetLength()); });
            return bFound = finder.Finish();
        },
        true);
    return bFound;
}
