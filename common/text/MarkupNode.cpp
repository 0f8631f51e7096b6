#include "text/MarkupNode.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "text/HtmlTagTable.h"
#include "text/MarkupArena.h"
#include "text/MarkupWalk.h"
#include "text/MbcsString.h"
#include "text/NumberText.h"

namespace
{

inline BOOL IsEmptyText(LPCTSTR text)
{
    return text == nullptr || *text == '\0';
}

// SetText and AppendText of the text and comment leaves.
BOOL ReplaceLeafText(CString& strText, LPCTSTR text)
{
    if (text != nullptr)
        strText = text;
    return TRUE;
}

BOOL AppendLeafText(CString& strText, LPCTSTR text)
{
    if (!IsEmptyText(text))
        strText += text;
    return TRUE;
}

// out += the bytes, with no string made of them first.
void AppendCounted(CString& out, LPCTSTR p, int n)
{
    if (n <= 0)
        return;
    const int nOld = out.GetLength();
    char* pBuffer = out.GetBuffer(nOld + n);
    std::memcpy(pBuffer + nOld, p, (size_t)n);
    out.ReleaseBuffer(nOld + n);
}

// The bytes of a text kept in place (span not null) or in its string.
void GetSpanOrString(LPCTSTR span, int nSpan, const CString& text, LPCTSTR& p, int& nLength)
{
    p = span != nullptr ? span : (LPCTSTR)text;
    nLength = span != nullptr ? nSpan : text.GetLength();
}

void AppendStartTag(CString& out, LPCTSTR name, const CMarkupAttributeList& attributes)
{
    out += '<';
    out += name;
    attributes.AppendMarkup(out);
    out += '>';
}

} // namespace

// --- attributes -------------------------------------------------------------

CMarkupAttribute::CMarkupAttribute(LPCTSTR name, LPCTSTR value)
    : m_pStrings(new Strings{CString(name), CString(value)}), m_nValue(value != nullptr ? 0 : -1)
{
}

CMarkupAttribute::CMarkupAttribute(CString&& name, CString&& value, BOOL bHasValue)
    : m_pStrings(new Strings{std::move(name), std::move(value)}), m_nValue(bHasValue ? 0 : -1)
{
    if (!bHasValue)
        m_pStrings->strValue.Empty();
}

CMarkupAttribute::CMarkupAttribute(LPCTSTR name, int nName, LPCTSTR value, int nValue)
    : m_pName(name), m_pValue(nValue >= 0 ? value : name), m_nName(nName), m_nValue(nValue < 0 ? -1 : nValue)
{
}

CMarkupAttribute::CMarkupAttribute(const CMarkupAttribute& other) : m_nValue(other.HasValue() ? 0 : -1)
{
    LPCTSTR p;
    int n;
    other.GetNameBytes(p, n);
    CString name(p, n);
    other.GetValueBytes(p, n);
    m_pStrings = new Strings{std::move(name), CString(p, n)};
}

CMarkupAttribute::CMarkupAttribute(CMarkupAttribute&& other) noexcept
    : m_pStrings(other.m_pStrings), m_pName(other.m_pName), m_pValue(other.m_pValue), m_nName(other.m_nName),
      m_nValue(other.m_nValue)
{
    other.m_pStrings = nullptr;
}

CMarkupAttribute& CMarkupAttribute::operator=(const CMarkupAttribute& other)
{
    if (this != &other)
    {
        CMarkupAttribute copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CMarkupAttribute& CMarkupAttribute::operator=(CMarkupAttribute&& other) noexcept
{
    if (this != &other)
    {
        delete m_pStrings;
        m_pStrings = other.m_pStrings;
        m_pName = other.m_pName;
        m_pValue = other.m_pValue;
        m_nName = other.m_nName;
        m_nValue = other.m_nValue;
        other.m_pStrings = nullptr;
    }
    return *this;
}

CMarkupAttribute::~CMarkupAttribute()
{
    delete m_pStrings;
}

void CMarkupAttribute::TakeStrings() const
{
    m_pStrings = new Strings{CString(m_pName, m_nName), CString(m_pValue, std::max(m_nValue, 0))};
    m_pName = nullptr;
    m_pValue = nullptr;
    m_nValue = m_nValue >= 0 ? 0 : -1;
}

void CMarkupAttribute::GetNameBytes(LPCTSTR& p, int& nLength) const
{
    if (m_pStrings != nullptr)
    {
        p = m_pStrings->strName;
        nLength = m_pStrings->strName.GetLength();
        return;
    }
    p = m_pName;
    nLength = m_nName;
}

void CMarkupAttribute::GetValueBytes(LPCTSTR& p, int& nLength) const
{
    if (m_pStrings != nullptr)
    {
        p = m_pStrings->strValue;
        nLength = m_pStrings->strValue.GetLength();
        return;
    }
    p = m_pValue;
    nLength = std::max(m_nValue, 0);
}

void CMarkupAttribute::SetValue(LPCTSTR value)
{
    if (m_pStrings == nullptr)
        TakeStrings();
    m_pStrings->strValue = value;
    m_nValue = value != nullptr ? 0 : -1;
}

void CMarkupAttribute::AppendMarkup(CString& out) const
{
    LPCTSTR p;
    int n;
    out += ' ';
    GetNameBytes(p, n);
    AppendCounted(out, p, n);
    if (!HasValue())
        return;
    out += "=\"";
    GetValueBytes(p, n);
    if (std::memchr(p, '"', (size_t)n) == nullptr)
        AppendCounted(out, p, n);
    else
    {
        CString value(p, n);
        value.Replace("\"", "&quot;");
        out += value;
    }
    out += '"';
}

static_assert(sizeof(int) * 2 % alignof(CMarkupAttribute) == 0, "attributes right after the count");

CMarkupAttributeList::CMarkupAttributeList(const CMarkupAttributeList& other)
{
    *this = other;
}

CMarkupAttributeList& CMarkupAttributeList::operator=(const CMarkupAttributeList& other)
{
    if (this == &other)
        return *this;
    RemoveAll();
    Reserve(other.GetCount());
    for (int i = 0; i < other.GetCount(); ++i)
        Add(CMarkupAttribute(other.GetAt(i)));
    return *this;
}

CMarkupAttributeList::~CMarkupAttributeList()
{
    RemoveAll();
    CMarkupArena::FreeAny(m_pBlock);
}

const CMarkupAttribute* CMarkupAttributeList::Find(LPCTSTR name) const
{
    if (name == nullptr)
        return nullptr;
    const int nWanted = (int)std::strlen(name);
    const CMarkupAttribute* pItems = Items();
    for (int i = 0; i < GetCount(); ++i)
    {
        LPCTSTR p;
        int n;
        pItems[i].GetNameBytes(p, n);
        // As terminated strings: up to a NUL the name may hold.
        if (const void* pNul = std::memchr(p, '\0', (size_t)n))
            n = (int)(static_cast<LPCTSTR>(pNul) - p);
        if (MbsCompareNoCase(p, n, name, nWanted) == 0)
            return &pItems[i];
    }
    return nullptr;
}

CMarkupAttribute* CMarkupAttributeList::Find(LPCTSTR name)
{
    return const_cast<CMarkupAttribute*>(static_cast<const CMarkupAttributeList*>(this)->Find(name));
}

void CMarkupAttributeList::Grow(int nCapacity)
{
    Block* pBlock = static_cast<Block*>(
        CMarkupArena::AllocateAny(sizeof(Block) + (size_t)nCapacity * sizeof(CMarkupAttribute)));
    const int nCount = GetCount();
    pBlock->nCount = nCount;
    pBlock->nCapacity = nCapacity;
    CMarkupAttribute* pTo = reinterpret_cast<CMarkupAttribute*>(pBlock + 1);
    CMarkupAttribute* pFrom = Items();
    for (int i = 0; i < nCount; ++i)
    {
        new (pTo + i) CMarkupAttribute(std::move(pFrom[i]));
        pFrom[i].~CMarkupAttribute();
    }
    CMarkupArena::FreeAny(m_pBlock);
    m_pBlock = pBlock;
}

void CMarkupAttributeList::Reserve(int nCount)
{
    if (nCount > (m_pBlock != nullptr ? m_pBlock->nCapacity : 0))
        Grow(nCount);
}

void CMarkupAttributeList::Add(CMarkupAttribute&& attribute)
{
    const int nCount = GetCount();
    if (m_pBlock == nullptr || nCount == m_pBlock->nCapacity)
        Grow(std::max(4, nCount * 2));
    new (Items() + nCount) CMarkupAttribute(std::move(attribute));
    ++m_pBlock->nCount;
}

void CMarkupAttributeList::Add(LPCTSTR name, LPCTSTR value)
{
    Add(CMarkupAttribute(name, value));
}

void CMarkupAttributeList::Set(LPCTSTR name, LPCTSTR value)
{
    CMarkupAttribute* pAttribute = Find(name);
    if (pAttribute != nullptr)
        pAttribute->SetValue(value);
    else
        Add(name, value);
}

BOOL CMarkupAttributeList::Remove(LPCTSTR name)
{
    CMarkupAttribute* pAttribute = Find(name);
    if (pAttribute == nullptr)
        return FALSE;
    CMarkupAttribute* pLast = Items() + GetCount() - 1;
    for (; pAttribute < pLast; ++pAttribute)
        *pAttribute = std::move(pAttribute[1]);
    pLast->~CMarkupAttribute();
    --m_pBlock->nCount;
    return TRUE;
}

void CMarkupAttributeList::RemoveAll()
{
    const int nCount = GetCount();
    CMarkupAttribute* pItems = Items();
    for (int i = 0; i < nCount; ++i)
        pItems[i].~CMarkupAttribute();
    if (m_pBlock != nullptr)
        m_pBlock->nCount = 0;
}

void CMarkupAttributeList::AppendMarkup(CString& out) const
{
    const CMarkupAttribute* pItems = Items();
    for (int i = 0; i < GetCount(); ++i)
        pItems[i].AppendMarkup(out);
}

// --- tag names --------------------------------------------------------------

CMarkupTagName::CMarkupTagName(LPCTSTR name)
{
    Assign(name, name != nullptr ? (int)std::strlen(name) : 0, -1);
}

CMarkupTagName::CMarkupTagName(LPCTSTR name, int nLength, int nTag)
{
    Assign(name, nLength, nTag);
}

CMarkupTagName::CMarkupTagName(const CMarkupTagName& other)
{
    LPCTSTR name = other;
    Assign(name, (int)std::strlen(name), -1);
}

CMarkupTagName& CMarkupTagName::operator=(const CMarkupTagName& other)
{
    if (this != &other)
    {
        LPCTSTR name = other;
        Assign(name, (int)std::strlen(name), -1);
    }
    return *this;
}

CMarkupTagName& CMarkupTagName::operator=(LPCTSTR name)
{
    Assign(name, name != nullptr ? (int)std::strlen(name) : 0, -1);
    return *this;
}

CMarkupTagName::~CMarkupTagName()
{
    Free();
}

void CMarkupTagName::Assign(LPCTSTR name, int nLength, int nTag)
{
    LPCTSTR p = nullptr;
    if (name != nullptr && nLength > 0)
    {
        if (nTag < 0)
            nTag = LookupHtmlTag(name, nLength);
        LPCTSTR spelt = GetHtmlTagNameAt(nTag);
        if (spelt != nullptr && std::memcmp(spelt, name, (size_t)nLength) == 0 && spelt[nLength] == '\0')
            p = spelt;
        else
        {
            char* pCopy = static_cast<char*>(CMarkupArena::AllocateAny((size_t)nLength + 1));
            std::memcpy(pCopy, name, (size_t)nLength);
            pCopy[nLength] = '\0';
            p = pCopy;
        }
    }
    Free();
    m_p = p;
}

void CMarkupTagName::Free()
{
    if (m_p != nullptr && !IsHtmlTagNameText(m_p))
        CMarkupArena::FreeAny(const_cast<char*>(m_p));
    m_p = nullptr;
}

// --- every node -------------------------------------------------------------

// The arena hands out pointer-aligned blocks (4 bytes on i686).
static_assert(alignof(CMarkupText) <= alignof(void*) && alignof(CMarkupComment) <= alignof(void*) &&
                  alignof(CMarkupTag) <= alignof(void*) && alignof(CMarkupTagElement) <= alignof(void*) &&
                  alignof(CMarkupRoot) <= alignof(void*),
              "node alignment");

void* CMarkupNode::operator new(size_t nBytes)
{
    return CMarkupArena::AllocateAny(nBytes);
}

void CMarkupNode::operator delete(void* p) noexcept
{
    CMarkupArena::FreeAny(p);
}

CMarkupNode::~CMarkupNode()
{
    if (m_pParent != nullptr)
        m_pParent->RemoveChild(this);
}

BOOL CMarkupNode::SetText(LPCTSTR)
{
    return FALSE;
}

BOOL CMarkupNode::AppendText(LPCTSTR)
{
    return FALSE;
}

int CMarkupNode::GetTextOfType(int nType, CString& out) const
{
    if (IsLeaf())
    {
        if (GetType() == nType)
            GetMarkup(out, TRUE);
        return GetType();
    }
    BOOL bWrap = nType == MARKUP_TAG_ELEMENT;
    MarkupWalk::Walk(
        this,
        [&](const CMarkupNode* p)
        {
            if (p->IsLeaf())
            {
                if (p->GetType() == nType)
                    p->AppendOpen(out);
                return false;
            }
            if (bWrap)
                p->AppendOpen(out);
            return true;
        },
        [&](const CMarkupNode* p)
        {
            if (bWrap)
                p->AppendClose(out);
        });
    return GetType();
}

BOOL CMarkupNode::IsNamed(LPCTSTR name) const
{
    return !IsEmptyText(name) && MbsCompareNoCase(GetNameText(), name) == 0;
}

BOOL CMarkupNode::Matches(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring) const
{
    BOOL bAnyName = IsEmptyText(name);
    BOOL bAnyAttribute = IsEmptyText(attrName);
    if (bAnyName && bAnyAttribute)
        return FALSE;
    if (!bAnyName && !IsNamed(name))
        return FALSE;
    if (bAnyAttribute)
        return TRUE;
    const CMarkupAttributeList* pList = GetAttributeList();
    const CMarkupAttribute* pAttribute = pList != nullptr ? pList->Find(attrName) : nullptr;
    if (pAttribute == nullptr)
        return FALSE;
    if (attrValue == nullptr)
        return TRUE;
    LPCTSTR value;
    int nValue;
    pAttribute->GetValueBytes(value, nValue);
    // Compared as a terminated string: up to a NUL it may hold.
    if (const void* pNul = std::memchr(value, '\0', (size_t)nValue))
        nValue = (int)(static_cast<LPCTSTR>(pNul) - value);
    if (!bSubstring)
        return MbsCompareNoCase(value, nValue, attrValue, (int)std::strlen(attrValue)) == 0;
    return *attrValue == '\0' || MbsFind(value, nValue, attrValue, (int)std::strlen(attrValue), 0) >= 0;
}

BOOL CMarkupNode::ContainsText(LPCTSTR text, BOOL bCaseSensitive) const
{
    if (text == nullptr)
        return FALSE;
    CString own;
    GetMarkup(own, FALSE);
    if (own.IsEmpty())
        return FALSE;
    // Every text contains the empty one.
    if (*text == '\0')
        return TRUE;
    if (bCaseSensitive)
        return MbsFind(own, text) >= 0;
    CString wanted(text);
    own.MakeUpper();
    wanted.MakeUpper();
    return MbsFind(own, wanted) >= 0;
}

CMarkupNode* CMarkupNode::FindByName(LPCTSTR name)
{
    return MarkupWalk::Find(this, [&](CMarkupNode* p) { return p->IsNamed(name); });
}

CMarkupNode* CMarkupNode::FindByType(int nType)
{
    return MarkupWalk::Find(this, [&](CMarkupNode* p) { return p->GetType() == nType; });
}

CMarkupNode* CMarkupNode::FindChildByName(LPCTSTR name)
{
    return IsLeaf() ? nullptr : static_cast<CMarkupElement*>(this)->GetChildList().FindByName(name);
}

CMarkupNode* CMarkupNode::FindChildByType(int nType)
{
    return IsLeaf() ? nullptr : static_cast<CMarkupElement*>(this)->GetChildList().FindByType(nType);
}

CMarkupNode* CMarkupNode::FindContainingText(LPCTSTR text, BOOL bCaseSensitive)
{
    return MarkupWalk::Find(this, [&](CMarkupNode* p) { return p->ContainsText(text, bCaseSensitive); });
}

CMarkupNode* CMarkupNode::FindMatching(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring)
{
    return MarkupWalk::Find(this, [&](CMarkupNode* p)
                            { return p->Matches(name, attrName, attrValue, bSubstring); });
}

CMarkupNode* CMarkupNode::FindAncestorByName(LPCTSTR name, const CMarkupNode* pStopAt)
{
    for (CMarkupNode* p = this; p != nullptr && p != pStopAt; p = p->m_pParent)
        if (p->IsNamed(name))
            return p;
    return nullptr;
}

void CMarkupNode::CollectByName(LPCTSTR name, CPtrList& list)
{
    MarkupWalk::Find(this,
                     [&](CMarkupNode* p)
                     {
                         if (p->IsNamed(name))
                             list.AddTail(p);
                         return false;
                     });
}

void CMarkupNode::CollectByType(int nType, CPtrList& list)
{
    MarkupWalk::Find(this,
                     [&](CMarkupNode* p)
                     {
                         if (p->GetType() == nType)
                             list.AddTail(p);
                         return false;
                     });
}

void CMarkupNode::CollectChildrenByName(LPCTSTR name, CPtrList& list)
{
    if (!IsLeaf())
        static_cast<CMarkupElement*>(this)->GetChildList().CollectByName(name, list);
}

void CMarkupNode::CollectChildrenByType(int nType, CPtrList& list)
{
    if (!IsLeaf())
        static_cast<CMarkupElement*>(this)->GetChildList().CollectByType(nType, list);
}

void CMarkupNode::CollectContainingText(LPCTSTR text, CPtrList& list, BOOL bCaseSensitive)
{
    MarkupWalk::Find(this,
                     [&](CMarkupNode* p)
                     {
                         if (p->ContainsText(text, bCaseSensitive))
                             list.AddTail(p);
                         return false;
                     });
}

void CMarkupNode::CollectMatching(LPCTSTR name, CPtrList& list, LPCTSTR attrName, LPCTSTR attrValue,
                                  BOOL bSubstring)
{
    MarkupWalk::Find(this,
                     [&](CMarkupNode* p)
                     {
                         if (p->Matches(name, attrName, attrValue, bSubstring))
                             list.AddTail(p);
                         return false;
                     });
}

CMarkupNode* CMarkupNode::GetChild(int) const
{
    return nullptr;
}

BOOL CMarkupNode::AppendChild(CMarkupNode*)
{
    return FALSE;
}

BOOL CMarkupNode::PrependChild(CMarkupNode*)
{
    return FALSE;
}

BOOL CMarkupNode::InsertChildBeside(CMarkupNode*, CMarkupNode*, BOOL)
{
    return FALSE;
}

BOOL CMarkupNode::InsertChildAt(int, CMarkupNode*, BOOL)
{
    return FALSE;
}

BOOL CMarkupNode::MoveChild(int, int)
{
    return FALSE;
}

BOOL CMarkupNode::RemoveChild(CMarkupNode*)
{
    return FALSE;
}

BOOL CMarkupNode::DeleteFirstMatching(LPCTSTR, LPCTSTR, LPCTSTR, BOOL)
{
    return FALSE;
}

BOOL CMarkupNode::DeleteAllChildren()
{
    return TRUE;
}

BOOL CMarkupNode::DeleteAllOfType(int)
{
    return TRUE;
}

BOOL CMarkupNode::DeleteAllMatching(LPCTSTR, LPCTSTR, LPCTSTR, BOOL)
{
    return TRUE;
}

BOOL CMarkupNode::ReplaceByName(LPCTSTR, const CMarkupNode*)
{
    return FALSE;
}

int CMarkupNode::GetChildCount(int) const
{
    return 0;
}

BOOL CMarkupNode::HasNoChildren() const
{
    return TRUE;
}

void CMarkupNode::GetName(CString& out) const
{
    out = GetNameText();
}

BOOL CMarkupNode::SetName(LPCTSTR)
{
    return FALSE;
}

void CMarkupNode::AppendClose(CString&) const {}

const CMarkupAttributeList* CMarkupNode::GetAttributeList() const
{
    return nullptr;
}

CMarkupAttributeList* CMarkupNode::GetMutableAttributeList()
{
    return nullptr;
}

CMarkupElement* CMarkupNode::CreateEmptyCopy() const
{
    return nullptr;
}

int CMarkupNode::CanHaveAttributes() const
{
    return GetAttributeList() != nullptr ? 1 : 0;
}

int CMarkupNode::GetAttributeCount() const
{
    const CMarkupAttributeList* pList = GetAttributeList();
    return pList != nullptr ? pList->GetCount() : 0;
}

BOOL CMarkupNode::AddAttributeInt(LPCTSTR name, int value)
{
    CString text;
    text.Format("%d", value);
    return AddAttribute(name, text);
}

BOOL CMarkupNode::AddAttribute(LPCTSTR name, LPCTSTR value)
{
    CMarkupAttributeList* pList = GetMutableAttributeList();
    if (pList == nullptr || name == nullptr)
        return FALSE;
    pList->Add(name, value);
    return TRUE;
}

BOOL CMarkupNode::SetAttributeInt(LPCTSTR name, int value)
{
    CString text;
    text.Format("%d", value);
    return SetAttribute(name, text);
}

BOOL CMarkupNode::SetAttribute(LPCTSTR name, LPCTSTR value)
{
    CMarkupAttributeList* pList = GetMutableAttributeList();
    if (pList == nullptr || name == nullptr)
        return FALSE;
    pList->Set(name, value);
    return TRUE;
}

BOOL CMarkupNode::GetAttributes(CStringList& names, CStringList& values) const
{
    const CMarkupAttributeList* pList = GetAttributeList();
    if (pList == nullptr)
        return FALSE;
    names.RemoveAll();
    values.RemoveAll();
    for (int i = 0; i < pList->GetCount(); ++i)
    {
        LPCTSTR p;
        int n;
        pList->GetAt(i).GetNameBytes(p, n);
        names.AddTail(CString(p, n));
        pList->GetAt(i).GetValueBytes(p, n);
        values.AddTail(CString(p, n));
    }
    return TRUE;
}

int CMarkupNode::GetAttributeInt(LPCTSTR name) const
{
    CString value;
    return GetAttribute(name, value) ? ParseIntSaturated(value) : 0;
}

BOOL CMarkupNode::GetAttribute(LPCTSTR name, CString& out) const
{
    const CMarkupAttributeList* pList = GetAttributeList();
    const CMarkupAttribute* pAttribute = pList != nullptr ? pList->Find(name) : nullptr;
    if (pAttribute == nullptr)
        return FALSE;
    LPCTSTR p;
    int n;
    pAttribute->GetValueBytes(p, n);
    out = CString(p, n);
    return TRUE;
}

BOOL CMarkupNode::RemoveAttribute(LPCTSTR name)
{
    CMarkupAttributeList* pList = GetMutableAttributeList();
    return pList != nullptr && pList->Remove(name);
}

BOOL CMarkupNode::RemoveAllAttributes()
{
    CMarkupAttributeList* pList = GetMutableAttributeList();
    if (pList == nullptr)
        return FALSE;
    pList->RemoveAll();
    return TRUE;
}

BOOL CMarkupNode::HasAttribute(LPCTSTR name) const
{
    const CMarkupAttributeList* pList = GetAttributeList();
    if (pList == nullptr)
        return FALSE;
    return name == nullptr ? pList->GetCount() > 0 : pList->Find(name) != nullptr;
}

// --- leaves -----------------------------------------------------------------

void CMarkupText::TakeText() const
{
    m_strText = CString(m_pSpan, m_nSpan);
    m_pSpan = nullptr;
}

void CMarkupText::GetTextBytes(LPCTSTR& p, int& nLength) const
{
    GetSpanOrString(m_pSpan, m_nSpan, m_strText, p, nLength);
}

void CMarkupText::SetSpan(LPCTSTR p, int nLength)
{
    m_strText.Empty();
    m_pSpan = nLength > 0 ? p : nullptr;
    m_nSpan = nLength;
}

void CMarkupText::AppendBytes(LPCTSTR p, int nLength)
{
    if (m_pSpan != nullptr && m_pSpan + m_nSpan == p)
    {
        m_nSpan += nLength;
        return;
    }
    if (m_pSpan != nullptr)
        TakeText();
    AppendCounted(m_strText, p, nLength);
}

void CMarkupText::GetMarkup(CString& out, BOOL) const
{
    if (m_pSpan != nullptr)
        out = CString(m_pSpan, m_nSpan);
    else
        out = m_strText;
}

void CMarkupText::AppendOpen(CString& out) const
{
    if (m_pSpan != nullptr)
        AppendCounted(out, m_pSpan, m_nSpan);
    else
        out += m_strText;
}

BOOL CMarkupText::SetText(LPCTSTR text)
{
    if (text != nullptr)
        m_pSpan = nullptr;
    return ReplaceLeafText(m_strText, text);
}

BOOL CMarkupText::AppendText(LPCTSTR text)
{
    if (!IsEmptyText(text) && m_pSpan != nullptr)
        TakeText();
    return AppendLeafText(m_strText, text);
}

CMarkupNode* CMarkupText::Clone() const
{
    CMarkupText* pCopy = new CMarkupText;
    LPCTSTR p;
    int n;
    GetTextBytes(p, n);
    pCopy->m_strText = CString(p, n);
    return pCopy;
}

void CMarkupComment::GetMarkup(CString& out, BOOL) const
{
    out.Empty();
    AppendOpen(out);
}

void CMarkupComment::AppendOpen(CString& out) const
{
    out += "<!--";
    out += m_strText;
    out += "-->";
}

BOOL CMarkupComment::SetText(LPCTSTR text)
{
    return ReplaceLeafText(m_strText, text);
}

BOOL CMarkupComment::AppendText(LPCTSTR text)
{
    return AppendLeafText(m_strText, text);
}

CMarkupNode* CMarkupComment::Clone() const
{
    CMarkupComment* pCopy = new CMarkupComment;
    pCopy->m_strText = m_strText;
    return pCopy;
}

void CMarkupTag::GetMarkup(CString& out, BOOL) const
{
    AppendOpen(out);
}

void CMarkupTag::AppendOpen(CString& out) const
{
    AppendStartTag(out, m_name, m_attributes);
}

CMarkupNode* CMarkupTag::Clone() const
{
    CMarkupTag* pCopy = new CMarkupTag(nullptr);
    pCopy->m_name = m_name;
    pCopy->m_attributes = m_attributes;
    return pCopy;
}

BOOL CMarkupTag::SetName(LPCTSTR name)
{
    if (name == nullptr)
        return FALSE;
    m_name = name;
    return TRUE;
}

// --- child list -------------------------------------------------------------

int CMarkupChildList::IndexOf(const CMarkupNode* pNode) const
{
    auto it = std::find(m_nodes.begin(), m_nodes.end(), pNode);
    return it != m_nodes.end() ? (int)(it - m_nodes.begin()) : -1;
}

CMarkupNode* CMarkupChildList::FindByName(LPCTSTR name) const
{
    for (CMarkupNode* pNode : m_nodes)
        if (pNode->IsNamed(name))
            return pNode;
    return nullptr;
}

CMarkupNode* CMarkupChildList::FindByType(int nType) const
{
    for (CMarkupNode* pNode : m_nodes)
        if (pNode->GetType() == nType)
            return pNode;
    return nullptr;
}

void CMarkupChildList::CollectByName(LPCTSTR name, CPtrList& list) const
{
    for (CMarkupNode* pNode : m_nodes)
        if (pNode->IsNamed(name))
            list.AddTail(pNode);
}

void CMarkupChildList::CollectByType(int nType, CPtrList& list) const
{
    for (CMarkupNode* pNode : m_nodes)
        if (pNode->GetType() == nType)
            list.AddTail(pNode);
}

int CMarkupChildList::CountOfType(int nType) const
{
    int n = 0;
    for (CMarkupNode* pNode : m_nodes)
        if (pNode->GetType() == nType)
            ++n;
    return n;
}

// --- containers -------------------------------------------------------------

CMarkupElement::~CMarkupElement()
{
    DeleteAllChildren();
}

void CMarkupElement::GetMarkup(CString& out, BOOL bDeep) const
{
    if (bDeep)
        MarkupWalk::AppendDeep(this, out);
    else
    {
        AppendOpen(out);
        AppendClose(out);
    }
}

void CMarkupElement::GetInnerMarkup(CString& out) const
{
    out.Empty();
    for (CMarkupNode* pChild : m_children.m_nodes)
        MarkupWalk::AppendDeep(pChild, out);
}

BOOL CMarkupElement::SetText(LPCTSTR text)
{
    CMarkupNode* pText = FindByType(MARKUP_TEXT);
    return pText != nullptr && pText->SetText(text);
}

BOOL CMarkupElement::AppendText(LPCTSTR text)
{
    CMarkupNode* pText = FindByType(MARKUP_TEXT);
    return pText != nullptr && pText->AppendText(text);
}

CMarkupNode* CMarkupElement::GetChild(int nIndex) const
{
    return m_children.GetAt(nIndex);
}

BOOL CMarkupElement::CanAdopt(const CMarkupNode* pNode) const
{
    if (pNode == nullptr || pNode == this)
        return FALSE;
    // Only a node with children can hold this element.
    if (pNode->IsLeaf() || pNode->HasNoChildren())
        return TRUE;
    for (const CMarkupNode* p = m_pParent; p != nullptr; p = p->m_pParent)
        if (p == pNode)
            return FALSE;
    return TRUE;
}

BOOL CMarkupElement::Insert(CMarkupNode* pNode, const CMarkupNode* pRef, BOOL bAfter)
{
    if (!CanAdopt(pNode))
        return FALSE;
    if (pNode->m_pParent != nullptr)
        pNode->m_pParent->RemoveChild(pNode);
    CMarkupNodeVector& nodes = m_children.m_nodes;
    int i = pRef != nullptr ? m_children.IndexOf(pRef) : -1;
    size_t at = i < 0 ? (bAfter ? nodes.size() : 0) : (size_t)(bAfter ? i + 1 : i);
    nodes.insert(nodes.begin() + at, pNode);
    pNode->m_pParent = this;
    return TRUE;
}

BOOL CMarkupElement::AppendChild(CMarkupNode* pNode)
{
    return Insert(pNode, nullptr, TRUE);
}

BOOL CMarkupElement::PrependChild(CMarkupNode* pNode)
{
    return Insert(pNode, nullptr, FALSE);
}

BOOL CMarkupElement::InsertChildBeside(CMarkupNode* pRef, CMarkupNode* pNode, BOOL bAfter)
{
    return Insert(pNode, pRef, bAfter);
}

BOOL CMarkupElement::InsertChildAt(int nIndex, CMarkupNode* pNode, BOOL bAfter)
{
    if (m_children.GetCount() == 0)
        return AppendChild(pNode);
    if (nIndex < 0 || nIndex >= m_children.GetCount())
        return FALSE;
    CMarkupNode* pRef = m_children.GetAt(nIndex);
    if (pRef == pNode)
        return FALSE;
    return Insert(pNode, pRef, bAfter);
}

BOOL CMarkupElement::MoveChild(int nFrom, int nTo)
{
    int n = m_children.GetCount();
    if (nFrom < 0 || nTo < 0 || nFrom >= n || nTo >= n)
        return FALSE;
    if (nFrom == nTo)
        return TRUE;
    CMarkupNodeVector& nodes = m_children.m_nodes;
    CMarkupNode* pNode = nodes[nFrom];
    nodes.erase(nodes.begin() + nFrom);
    nodes.insert(nodes.begin() + nTo, pNode);
    return TRUE;
}

BOOL CMarkupElement::RemoveChild(CMarkupNode* pNode)
{
    CMarkupNodeVector& nodes = m_children.m_nodes;
    // Readers mostly delete what they met last: search from the end.
    auto it = std::find(nodes.rbegin(), nodes.rend(), pNode);
    if (pNode == nullptr || it == nodes.rend())
        return FALSE;
    nodes.erase(std::next(it).base());
    pNode->m_pParent = nullptr;
    return TRUE;
}

BOOL CMarkupElement::DeleteFirstMatching(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring)
{
    for (CMarkupNode* pChild : m_children.m_nodes)
    {
        CMarkupNode* pFound = IsEmptyText(attrName)
                                  ? pChild->FindByName(name)
                                  : pChild->FindMatching(name, attrName, attrValue, bSubstring);
        if (pFound != nullptr)
        {
            delete pFound;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CMarkupElement::DeleteAllChildren()
{
    // Every element of a tree being deleted comes here emptied already.
    if (m_children.m_nodes.empty())
        return TRUE;
    CMarkupNodeVector work;
    work.swap(m_children.m_nodes);
    // Children go in document order: reverse the work list, which is
    // consumed from its end.
    std::reverse(work.begin(), work.end());
    MarkupWalk::DeleteTrees(work);
    return TRUE;
}

BOOL CMarkupElement::DeleteAllOfType(int nType)
{
    MarkupWalk::DeleteBelow(this, [&](const CMarkupNode* p) { return p->GetType() == nType; });
    return TRUE;
}

BOOL CMarkupElement::DeleteAllMatching(LPCTSTR name, LPCTSTR attrName, LPCTSTR attrValue, BOOL bSubstring)
{
    if (IsEmptyText(attrName))
        MarkupWalk::DeleteBelow(this, [&](const CMarkupNode* p) { return p->IsNamed(name); });
    else
        MarkupWalk::DeleteBelow(this, [&](const CMarkupNode* p)
                                { return p->Matches(name, attrName, attrValue, bSubstring); });
    return TRUE;
}

BOOL CMarkupElement::ReplaceByName(LPCTSTR name, const CMarkupNode* pReplacement)
{
    if (pReplacement == nullptr || IsEmptyText(name))
        return FALSE;
    // Copies come from a snapshot taken first: the replacement may itself
    // lie in this tree and be replaced on the way.
    CMarkupNode* pModel = pReplacement->Clone();
    BOOL bReplaced = FALSE;
    CMarkupNodeVector dead;
    CMarkupNodeVector stack(1, this);
    while (!stack.empty())
    {
        CMarkupNode* pElement = stack.back();
        stack.pop_back();
        for (CMarkupNode*& pNode : MarkupWalk::Children(pElement))
        {
            if (pNode->IsNamed(name))
            {
                CMarkupNode* pCopy = pModel->Clone();
                pNode->m_pParent = nullptr;
                dead.push_back(pNode);
                pCopy->m_pParent = static_cast<CMarkupElement*>(pElement);
                pNode = pCopy;
                bReplaced = TRUE;
            }
            else if (!pNode->IsLeaf())
                stack.push_back(pNode);
        }
    }
    MarkupWalk::DeleteTrees(dead);
    delete pModel;
    return bReplaced;
}

int CMarkupElement::GetChildCount(int nType) const
{
    return nType == 0 ? m_children.GetCount() : m_children.CountOfType(nType);
}

BOOL CMarkupElement::HasNoChildren() const
{
    return m_children.GetCount() == 0;
}

CMarkupNode* CMarkupElement::Clone() const
{
    CMarkupElement* pCopy = CreateEmptyCopy();
    std::vector<std::pair<const CMarkupElement*, CMarkupElement*>> stack;
    stack.emplace_back(this, pCopy);
    while (!stack.empty())
    {
        const CMarkupElement* pFrom = stack.back().first;
        CMarkupElement* pTo = stack.back().second;
        stack.pop_back();
        pTo->m_children.m_nodes.reserve(pFrom->m_children.m_nodes.size());
        for (const CMarkupNode* pChild : pFrom->m_children.m_nodes)
        {
            CMarkupNode* pChildCopy;
            if (pChild->IsLeaf())
                pChildCopy = pChild->Clone();
            else
            {
                CMarkupElement* pEmpty = pChild->CreateEmptyCopy();
                stack.emplace_back(static_cast<const CMarkupElement*>(pChild), pEmpty);
                pChildCopy = pEmpty;
            }
            pChildCopy->m_pParent = pTo;
            pTo->m_children.m_nodes.push_back(pChildCopy);
        }
    }
    return pCopy;
}

BOOL CMarkupTagElement::SetName(LPCTSTR name)
{
    if (name == nullptr)
        return FALSE;
    m_name = name;
    return TRUE;
}

void CMarkupTagElement::AppendOpen(CString& out) const
{
    AppendStartTag(out, m_name, m_attributes);
}

void CMarkupTagElement::AppendClose(CString& out) const
{
    out += "</";
    out += m_name;
    out += '>';
}

CMarkupElement* CMarkupTagElement::CreateEmptyCopy() const
{
    CMarkupTagElement* pCopy = new CMarkupTagElement(nullptr);
    pCopy->m_name = m_name;
    pCopy->m_attributes = m_attributes;
    return pCopy;
}

void CMarkupRoot::AppendOpen(CString&) const {}

CMarkupElement* CMarkupRoot::CreateEmptyCopy() const
{
    return new CMarkupRoot;
}
