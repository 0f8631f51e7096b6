#ifndef TANZO_TEXT_MARKUPMATCH_H
#define TANZO_TEXT_MARKUPMATCH_H

#include <cstring>
#include <utility>
#include <vector>

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/MarkupNode.h"
#include "text/MarkupWalk.h"

// Name and attribute tests for readers that look at every node of a page:
// the answers of IsNamed, GetAttributeList()->Find and a value compared as
// a terminated string, without a call per byte or a copy of the value.
// The names given are ASCII in lower case; then a name matches only when
// each of its bytes is ASCII, so folding bytes agrees with the two-byte
// aware comparison.

inline bool AsciiNameIs(LPCTSTR name, const char* lower)
{
    const BYTE* p = (const BYTE*)name;
    for (; *lower != '\0'; ++p, ++lower)
    {
        unsigned c = *p;
        if (c - 'A' < 26u)
            c += 'a' - 'A';
        if (c != (BYTE)*lower)
            return false;
    }
    return *p == '\0';
}

// The same test of a name given as bytes, which end at a NUL they may hold
// as the name's string would.
inline bool AsciiNameIs(LPCTSTR name, int nLength, const char* lower)
{
    const BYTE* p = (const BYTE*)name;
    const BYTE* pEnd = p + nLength;
    for (; *lower != '\0'; ++p, ++lower)
    {
        if (p == pEnd)
            return false;
        unsigned c = *p;
        if (c - 'A' < 26u)
            c += 'a' - 'A';
        if (c != (BYTE)*lower)
            return false;
    }
    return p == pEnd || *p == '\0';
}

inline bool NodeNameIs(const CMarkupNode* pNode, const char* lower)
{
    return AsciiNameIs(pNode->GetNameText(), lower);
}

inline const CMarkupAttribute* FindNodeAttribute(const CMarkupNode* pNode, const char* lower)
{
    const CMarkupAttributeList* pList = pNode->GetAttributeList();
    if (pList == nullptr)
        return nullptr;
    for (int i = 0, n = pList->GetCount(); i < n; ++i)
    {
        LPCTSTR pName;
        int nName;
        pList->GetAt(i).GetNameBytes(pName, nName);
        if (AsciiNameIs(pName, nName, lower))
            return &pList->GetAt(i);
    }
    return nullptr;
}

// The value's bytes up to a NUL it may hold, as a CString of it compares.
inline void GetTerminatedValue(const CMarkupAttribute& attribute, LPCTSTR& p, int& nLength)
{
    attribute.GetValueBytes(p, nLength);
    if (const void* pNul = std::memchr(p, '\0', (size_t)nLength))
        nLength = (int)(static_cast<LPCTSTR>(pNul) - p);
}

// GetAttribute, the name found in place.
inline BOOL GetAttributeText(const CMarkupNode* pNode, const char* lower, CString& out)
{
    const CMarkupAttribute* pAttribute = FindNodeAttribute(pNode, lower);
    if (pAttribute == nullptr)
        return FALSE;
    LPCTSTR p;
    int n;
    pAttribute->GetValueBytes(p, n);
    out = CString(p, n);
    return TRUE;
}

// The value equals text (case-sensitive), as CString's == tells.
inline bool AttributeValueIs(const CMarkupAttribute& attribute, const char* text)
{
    LPCTSTR p;
    int n;
    GetTerminatedValue(attribute, p, n);
    return (size_t)n == std::strlen(text) && std::memcmp(p, text, (size_t)n) == 0;
}

// Calls visit(node) for pStart and then every node below it in document
// order, as MarkupWalk::Prune does, answering MarkupWalk::Descend,
// SkipChildren or Stop; the stack holds runs of children, and empty
// containers are never put on it.
template <class Visit> void VisitNodes(const CMarkupNode* pStart, Visit visit)
{
    typedef CMarkupNode* const* Run;
    MarkupWalk::Next next = visit(pStart);
    if (next != MarkupWalk::Descend || pStart->IsLeaf())
        return;
    const CMarkupNodeVector& top = MarkupWalk::Children(pStart);
    if (top.empty())
        return;
    // Indexed rather than pushed, so that the steps stay inline.
    std::vector<std::pair<Run, Run>> stack(32);
    size_t depth = 0;
    stack[depth++] = std::make_pair(top.data(), top.data() + top.size());
    while (depth > 0)
    {
        std::pair<Run, Run>& run = stack[depth - 1];
        const CMarkupNode* pNode = *run.first++;
        if (run.first == run.second)
            --depth;
        next = visit(pNode);
        if (next == MarkupWalk::Stop)
            return;
        if (next != MarkupWalk::Descend || pNode->IsLeaf())
            continue;
        const CMarkupNodeVector& children = MarkupWalk::Children(pNode);
        if (children.empty())
            continue;
        if (depth == stack.size())
            stack.resize(depth * 2);
        stack[depth++] = std::make_pair(children.data(), children.data() + children.size());
    }
}

#endif // TANZO_TEXT_MARKUPMATCH_H
