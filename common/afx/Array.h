#ifndef TANZO_AFX_ARRAY_H
#define TANZO_AFX_ARRAY_H

#include <algorithm>
#include <cassert>
#include <climits>
#include <memory>
#include <utility>
#include <vector>

#include "afx/Elements.h"

// A growable array. Indexes outside the array are the caller's error and
// only asserted. Elements may be any copyable type; on growth they are
// moved to the new storage.
template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject
{
public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    CArray() : m_pData(nullptr), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~CArray() override { RemoveAll(); }

    int GetSize() const { return m_nSize; }
    int GetUpperBound() const { return m_nSize - 1; }
    // nGrowBy: elements to add when the storage is full; 0 lets the array
    // choose, -1 keeps the present choice.
    void SetSize(int nNewSize, int nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    TYPE GetAt(int nIndex) const
    {
        assert(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    void SetAt(int nIndex, ARG_TYPE newElement)
    {
        assert(nIndex >= 0 && nIndex < m_nSize);
        m_pData[nIndex] = newElement;
    }
    TYPE& ElementAt(int nIndex)
    {
        assert(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(int nIndex, ARG_TYPE newElement);
    int Add(ARG_TYPE newElement)
    {
        int nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Both return or take the index of the first new element.
    int Append(const CArray& src);
    void Copy(const CArray& src);

    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

    // Inserting past the end grows the array to make room.
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void RemoveAt(int nIndex, int nCount = 1);
    void InsertAt(int nStartIndex, CArray* pNewArray);

    void Serialize(CArchive& ar) override;

protected:
    TYPE* m_pData;
    int m_nSize;
    int m_nMaxSize;
    int m_nGrowBy;

private:
    void Reallocate(int nNewMax);
};

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Reallocate(int nNewMax)
{
    assert(nNewMax >= m_nSize);
    std::allocator<TYPE> alloc;
    TYPE* pNew = nullptr;
    if (nNewMax > 0)
    {
        pNew = alloc.allocate((size_t)nNewMax);
        try
        {
            if constexpr (std::is_nothrow_move_constructible<TYPE>::value)
                std::uninitialized_move(m_pData, m_pData + m_nSize, pNew);
            else
                std::uninitialized_copy(m_pData, m_pData + m_nSize, pNew);
        }
        catch (...)
        {
            alloc.deallocate(pNew, (size_t)nNewMax);
            throw;
        }
    }
    std::destroy(m_pData, m_pData + m_nSize);
    if (m_pData != nullptr)
        alloc.deallocate(m_pData, (size_t)m_nMaxSize);
    m_pData = pNew;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy)
{
    assert(nNewSize >= 0);
    if (nGrowBy != -1)
        m_nGrowBy = nGrowBy;
    if (nNewSize == 0)
    {
        DestructElements(m_pData, m_nSize);
        m_nSize = 0;
        Reallocate(0);
        return;
    }
    if (nNewSize > m_nMaxSize)
    {
        int nGrow = m_nGrowBy;
        if (nGrow <= 0)
            nGrow = std::min(1024, std::max(4, m_nSize / 8));
        long long nNewMax = std::max((long long)nNewSize, (long long)m_nMaxSize + nGrow);
        Reallocate((int)std::min(nNewMax, (long long)INT_MAX));
    }
    if (nNewSize > m_nSize)
        ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
    else
        DestructElements(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize != m_nMaxSize)
        Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement)
{
    assert(nIndex >= 0);
    if (nIndex < m_nSize)
    {
        m_pData[nIndex] = newElement;
        return;
    }
    // newElement may be an element of this array, which growing moves.
    TYPE temp(newElement);
    SetSize(nIndex + 1, -1);
    m_pData[nIndex] = std::move(temp);
}

template <class TYPE, class ARG_TYPE> int CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    int nOldSize = m_nSize;
    int nCount = src.m_nSize; // src may be this array
    SetSize(m_nSize + nCount, -1);
    CopyElements(m_pData + nOldSize, src.m_pData, nCount);
    return nOldSize;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    CopyElements(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount)
{
    assert(nIndex >= 0 && nCount > 0);
    TYPE temp(newElement);
    if (nIndex >= m_nSize)
        SetSize(nIndex + nCount, -1);
    else
    {
        int nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
    for (int i = 0; i < nCount; ++i)
        m_pData[nIndex + i] = temp;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount)
{
    assert(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= m_nSize);
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    DestructElements(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CArray* pNewArray)
{
    assert(pNewArray != nullptr && nStartIndex >= 0);
    int nCount = pNewArray->m_nSize;
    if (nCount == 0)
        return;
    // Inserting an array into itself: take its elements before they move.
    std::vector<TYPE> copies;
    const TYPE* pSrc = pNewArray->m_pData;
    if (pNewArray == this)
    {
        copies.assign(m_pData, m_pData + m_nSize);
        pSrc = copies.data();
    }
    InsertAt(nStartIndex, pSrc[0], nCount);
    for (int i = 1; i < nCount; ++i)
        m_pData[nStartIndex + i] = pSrc[i];
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        SerializeElements(ar, m_pData, m_nSize);
        return;
    }
    // The count is not trusted: elements are read in pieces that grow with
    // what the file delivered (a quarter of it at most ahead), and move into
    // the array once they are all there. A count that the file does not back
    // costs little more memory than the elements read.
    DWORD nCount = ar.ReadCount();
    SetSize(0, -1);
    std::vector<std::pair<std::unique_ptr<TYPE[]>, DWORD>> pieces;
    DWORD nDone = 0;
    while (nDone < nCount)
    {
        DWORD nPiece = std::max<DWORD>(1024, nDone / 4);
        nPiece = std::min(nPiece, nCount - nDone);
        if ((ULONGLONG)nDone + nPiece > (ULONGLONG)INT_MAX)
            AfxThrowMemoryException();
        pieces.emplace_back(std::unique_ptr<TYPE[]>(new TYPE[nPiece]()), nPiece);
        SerializeElements(ar, pieces.back().first.get(), (int)nPiece);
        nDone += nPiece;
    }
    if (nDone == 0)
        return;
    Reallocate((int)nDone);
    for (auto& piece : pieces)
    {
        std::uninitialized_move(piece.first.get(), piece.first.get() + piece.second, m_pData + m_nSize);
        m_nSize += (int)piece.second;
        piece.first.reset();
    }
}

// Arrays of pointers that read as pointers of TYPE.
template <class BASE_CLASS, class TYPE> class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(int nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(int nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(int nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(int nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    int Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    int Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(int nIndex, TYPE newElement, int nCount = 1)
    {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    void InsertAt(int nStartIndex, CTypedPtrArray* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](int nIndex) const { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](int nIndex) { return (TYPE&)BASE_CLASS::operator[](nIndex); }
};

class CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
};

class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
};

class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
};

class CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
};

class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};

// Holds the pointers only: deleting the objects is the owner's business.
class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
};

class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)
};

#endif // TANZO_AFX_ARRAY_H
