#ifndef TANZO_AFX_LIST_H
#define TANZO_AFX_LIST_H

#include <cassert>
#include <utility>

#include "afx/Elements.h"

// A doubly linked list walked with POSITIONs. A POSITION stays valid until
// its element is removed. A null or stale POSITION is the caller's error
// and only asserted.
template <class TYPE, class ARG_TYPE = const TYPE&> class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    // Nodes are allocated one by one; the block size is accepted for the
    // callers' sake.
    explicit CList(int nBlockSize = 10) : m_pNodeHead(nullptr), m_pNodeTail(nullptr), m_nCount(0) {}
    ~CList() override { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead()
    {
        assert(m_pNodeHead != nullptr);
        return m_pNodeHead->data;
    }
    TYPE GetHead() const
    {
        assert(m_pNodeHead != nullptr);
        return m_pNodeHead->data;
    }
    TYPE& GetTail()
    {
        assert(m_pNodeTail != nullptr);
        return m_pNodeTail->data;
    }
    TYPE GetTail() const
    {
        assert(m_pNodeTail != nullptr);
        return m_pNodeTail->data;
    }

    TYPE RemoveHead();
    TYPE RemoveTail();

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(ToPos(m_pNodeHead), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(ToPos(m_pNodeTail), newElement); }
    // The elements of pNewList, in their order, before the head or after
    // the tail; pNewList may be this list.
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);

    void RemoveAll();

    POSITION GetHeadPosition() const { return ToPos(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPos(m_pNodeTail); }

    // The element at rPosition; rPosition moves on (NULL past the end).
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true); }
    TYPE GetNext(POSITION& rPosition) const { return const_cast<CList*>(this)->Step(rPosition, true); }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false); }
    TYPE GetPrev(POSITION& rPosition) const { return const_cast<CList*>(this)->Step(rPosition, false); }

    TYPE& GetAt(POSITION position) { return ToNode(position)->data; }
    TYPE GetAt(POSITION position) const { return ToNode(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ToNode(pos)->data = newElement; }
    void RemoveAt(POSITION position);

    // Before NULL is at the head, after NULL at the tail.
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // NULL when not found; the search starts after startAfter if given.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    // NULL when nIndex is outside the list.
    POSITION FindIndex(int nIndex) const;

    void Serialize(CArchive& ar) override;

protected:
    static POSITION ToPos(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static CNode* ToNode(POSITION pos)
    {
        assert(pos != nullptr);
        return reinterpret_cast<CNode*>(pos);
    }
    TYPE& Step(POSITION& rPosition, bool bForward)
    {
        CNode* pNode = ToNode(rPosition);
        rPosition = ToPos(bForward ? pNode->pNext : pNode->pPrev);
        return pNode->data;
    }

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    int m_nCount;
};

template <class TYPE, class ARG_TYPE> TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    assert(m_pNodeHead != nullptr);
    TYPE value(std::move(m_pNodeHead->data));
    RemoveAt(ToPos(m_pNodeHead));
    return value;
}

template <class TYPE, class ARG_TYPE> TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    assert(m_pNodeTail != nullptr);
    TYPE value(std::move(m_pNodeTail->data));
    RemoveAt(ToPos(m_pNodeTail));
    return value;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    assert(pNewList != nullptr);
    // Counted, so that a list added to itself stops at its old head.
    int nCount = pNewList->m_nCount;
    CNode* pNode = pNewList->m_pNodeTail;
    for (int i = 0; i < nCount; ++i, pNode = pNode->pPrev)
        AddHead(pNode->data);
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    assert(pNewList != nullptr);
    int nCount = pNewList->m_nCount;
    CNode* pNode = pNewList->m_pNodeHead;
    for (int i = 0; i < nCount; ++i, pNode = pNode->pNext)
        AddTail(pNode->data);
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    CNode* pNode = m_pNodeHead;
    while (pNode != nullptr)
    {
        CNode* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = nullptr;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pNode = ToNode(position);
    if (pNode->pPrev != nullptr)
        pNode->pPrev->pNext = pNode->pNext;
    else
    {
        assert(pNode == m_pNodeHead);
        m_pNodeHead = pNode->pNext;
    }
    if (pNode->pNext != nullptr)
        pNode->pNext->pPrev = pNode->pPrev;
    else
    {
        assert(pNode == m_pNodeTail);
        m_pNodeTail = pNode->pPrev;
    }
    delete pNode;
    --m_nCount;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* pOld = reinterpret_cast<CNode*>(position);
    if (pOld == nullptr)
        pOld = m_pNodeHead;
    CNode* pNew = new CNode{pOld, pOld != nullptr ? pOld->pPrev : nullptr, TYPE(newElement)};
    if (pNew->pPrev != nullptr)
        pNew->pPrev->pNext = pNew;
    else
        m_pNodeHead = pNew;
    if (pOld != nullptr)
        pOld->pPrev = pNew;
    else
        m_pNodeTail = pNew;
    ++m_nCount;
    return ToPos(pNew);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* pOld = reinterpret_cast<CNode*>(position);
    if (pOld == nullptr)
        pOld = m_pNodeTail;
    CNode* pNew = new CNode{pOld != nullptr ? pOld->pNext : nullptr, pOld, TYPE(newElement)};
    if (pNew->pNext != nullptr)
        pNew->pNext->pPrev = pNew;
    else
        m_pNodeTail = pNew;
    if (pOld != nullptr)
        pOld->pNext = pNew;
    else
        m_pNodeHead = pNew;
    ++m_nCount;
    return ToPos(pNew);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter != nullptr ? ToNode(startAfter)->pNext : m_pNodeHead;
    for (; pNode != nullptr; pNode = pNode->pNext)
        if (CompareElements(&pNode->data, &searchValue))
            return ToPos(pNode);
    return nullptr;
}

template <class TYPE, class ARG_TYPE> POSITION CList<TYPE, ARG_TYPE>::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return ToPos(pNode);
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
            SerializeElements(ar, &pNode->data, 1);
        return;
    }
    // Loaded elements follow those already in the list.
    DWORD nCount = ar.ReadCount();
    while (nCount-- > 0)
    {
        TYPE newData{};
        SerializeElements(ar, &newData, 1);
        AddTail(newData);
    }
}

// Lists of pointers that read as pointers of TYPE.
template <class BASE_CLASS, class TYPE> class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }

    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
    POSITION InsertBefore(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertAfter(position, newElement);
    }
};

class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};

// Holds the pointers only: deleting the objects is the owner's business.
class CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(int nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}
};

class CStringList : public CList<CString, const CString&>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(int nBlockSize = 10) : CList<CString, const CString&>(nBlockSize) {}
};

#endif // TANZO_AFX_LIST_H
