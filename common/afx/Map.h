#ifndef TANZO_AFX_MAP_H
#define TANZO_AFX_MAP_H

#include <cassert>
#include <memory>

#include "afx/Elements.h"

// A hash map with chained buckets. The number of buckets is fixed (17
// unless InitHashTable says otherwise) and chains grow with the count, so
// the order of a walk, and of a written map, depends only on the keys, the
// order in which they were added and the table size: stored maps rely on
// it. A new entry goes first in its bucket; a loaded one last, so that a
// map loaded and written again gives the same bytes. Once the chains grow
// long, an index over the whole hash value, growing with the count, finds
// the entries in constant time.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        CAssoc** ppPrev; // the link that points here
        UINT nHashValue; // the bucket
        UINT nKeyHash;   // HashKey of the key
        CAssoc* pIndexNext;
        KEY key;
        VALUE value;
    };

public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    // Entries are allocated one by one; the block size is accepted for the
    // callers' sake.
    explicit CMap(int nBlockSize = 10) : m_nHashTableSize(17), m_nCount(0), m_nIndexBits(0) {}
    ~CMap() override { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // The value of key, added as a value-initialised VALUE if missing.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    // The entry at rNextPosition; rNextPosition moves on (NULL at the end).
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Only while the map is empty. A prime somewhat above the expected
    // count keeps the chains short.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE);

    void Serialize(CArchive& ar) override;

protected:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash, UINT& nKeyHash) const;
    // A new entry linked in at *ppLink of its bucket's chain.
    CAssoc* NewAssoc(ARG_KEY key, UINT nHash, UINT nKeyHash, CAssoc** ppLink);
    UINT IndexSlot(UINT nKeyHash) const { return (UINT)((nKeyHash * 2654435761u) >> (32 - m_nIndexBits)); }
    void GrowIndex();

    std::unique_ptr<CAssoc*[]> m_pHashTable;
    UINT m_nHashTableSize;
    int m_nCount;
    std::unique_ptr<CAssoc*[]> m_pIndex; // 2^m_nIndexBits slots, or none while the chains are short
    int m_nIndexBits;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow)
{
    assert(m_nCount == 0 && nHashSize > 0);
    m_pHashTable.reset();
    if (bAllocNow)
        m_pHashTable.reset(new CAssoc*[nHashSize]());
    m_nHashTableSize = nHashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nHash, UINT& nKeyHash) const
{
    nKeyHash = HashKey(key);
    nHash = nKeyHash % m_nHashTableSize;
    if (m_pIndex)
    {
        for (CAssoc* pAssoc = m_pIndex[IndexSlot(nKeyHash)]; pAssoc != nullptr; pAssoc = pAssoc->pIndexNext)
            if (pAssoc->nKeyHash == nKeyHash && CompareElements(&pAssoc->key, &key))
                return pAssoc;
        return nullptr;
    }
    if (!m_pHashTable)
        return nullptr;
    for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
        if (CompareElements(&pAssoc->key, &key))
            return pAssoc;
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc(ARG_KEY key, UINT nHash, UINT nKeyHash, CAssoc** ppLink)
{
    CAssoc* pAssoc = new CAssoc{*ppLink, ppLink, nHash, nKeyHash, nullptr, KEY(key), VALUE()};
    if (pAssoc->pNext != nullptr)
        pAssoc->pNext->ppPrev = &pAssoc->pNext;
    *ppLink = pAssoc;
    ++m_nCount;
    if (m_pIndex)
    {
        CAssoc*& rSlot = m_pIndex[IndexSlot(nKeyHash)];
        pAssoc->pIndexNext = rSlot;
        rSlot = pAssoc;
    }
    // The index starts once the chains hold four entries on average, and
    // doubles to keep one entry per slot on average.
    if (m_pIndex ? m_nIndexBits < 30 && m_nCount > (1 << m_nIndexBits)
                 : (UINT)m_nCount > 4 * m_nHashTableSize)
        GrowIndex();
    return pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GrowIndex()
{
    int nBits = 4;
    while (nBits < 29 && (1 << nBits) < m_nCount)
        ++nBits;
    m_nIndexBits = nBits + 1;
    m_pIndex.reset(new CAssoc*[(size_t)1 << m_nIndexBits]());
    for (UINT nBucket = 0; nBucket < m_nHashTableSize; ++nBucket)
        for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
        {
            CAssoc*& rSlot = m_pIndex[IndexSlot(pAssoc->nKeyHash)];
            pAssoc->pIndexNext = rSlot;
            rSlot = pAssoc;
        }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nHash, nKeyHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash, nKeyHash);
    if (pAssoc == nullptr)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash, nKeyHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash, nKeyHash);
    if (pAssoc == nullptr)
    {
        if (!m_pHashTable)
            InitHashTable(m_nHashTableSize);
        pAssoc = NewAssoc(key, nHash, nKeyHash, &m_pHashTable[nHash]);
    }
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    UINT nHash, nKeyHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash, nKeyHash);
    if (pAssoc == nullptr)
        return FALSE;
    *pAssoc->ppPrev = pAssoc->pNext;
    if (pAssoc->pNext != nullptr)
        pAssoc->pNext->ppPrev = pAssoc->ppPrev;
    if (m_pIndex)
    {
        CAssoc** ppSlot = &m_pIndex[IndexSlot(nKeyHash)];
        while (*ppSlot != pAssoc)
            ppSlot = &(*ppSlot)->pIndexNext;
        *ppSlot = pAssoc->pIndexNext;
    }
    delete pAssoc;
    --m_nCount;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable)
    {
        for (UINT nHash = 0; nHash < m_nHashTableSize; ++nHash)
        {
            CAssoc* pAssoc = m_pHashTable[nHash];
            while (pAssoc != nullptr)
            {
                CAssoc* pNext = pAssoc->pNext;
                delete pAssoc;
                pAssoc = pNext;
            }
        }
    }
    // The table size stays as InitHashTable set it.
    m_pHashTable.reset();
    m_pIndex.reset();
    m_nIndexBits = 0;
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const
{
    assert(m_pHashTable && rNextPosition != nullptr);
    CAssoc* pAssocRet = reinterpret_cast<CAssoc*>(rNextPosition);
    if (rNextPosition == BEFORE_START_POSITION)
    {
        pAssocRet = nullptr;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize && pAssocRet == nullptr; ++nBucket)
            pAssocRet = m_pHashTable[nBucket];
        assert(pAssocRet != nullptr);
    }
    CAssoc* pAssocNext = pAssocRet->pNext;
    for (UINT nBucket = pAssocRet->nHashValue + 1; pAssocNext == nullptr && nBucket < m_nHashTableSize;
         ++nBucket)
        pAssocNext = m_pHashTable[nBucket];
    rNextPosition = reinterpret_cast<POSITION>(pAssocNext);
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        if (!m_pHashTable)
            return;
        for (UINT nHash = 0; nHash < m_nHashTableSize; ++nHash)
            for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
            {
                SerializeElements(ar, &pAssoc->key, 1);
                SerializeElements(ar, &pAssoc->value, 1);
            }
        return;
    }
    // Loaded entries join those already in the map, each new one last in
    // its bucket, so that the map is written again in the order read.
    DWORD nNewCount = ar.ReadCount();
    if (nNewCount == 0)
        return;
    if (!m_pHashTable)
        InitHashTable(m_nHashTableSize);
    std::unique_ptr<CAssoc**[]> ppTails(new CAssoc**[m_nHashTableSize]);
    for (UINT nHash = 0; nHash < m_nHashTableSize; ++nHash)
    {
        CAssoc** ppLink = &m_pHashTable[nHash];
        while (*ppLink != nullptr)
            ppLink = &(*ppLink)->pNext;
        ppTails[nHash] = ppLink;
    }
    while (nNewCount-- > 0)
    {
        KEY newKey{};
        VALUE newValue{};
        SerializeElements(ar, &newKey, 1);
        SerializeElements(ar, &newValue, 1);
        UINT nHash, nKeyHash;
        CAssoc* pAssoc = GetAssocAt(newKey, nHash, nKeyHash);
        if (pAssoc == nullptr)
        {
            pAssoc = NewAssoc(newKey, nHash, nKeyHash, ppTails[nHash]);
            ppTails[nHash] = &pAssoc->pNext;
        }
        pAssoc->value = newValue;
    }
}

// Maps of pointers that read as pointers of VALUE (and KEY).
template <class BASE_CLASS, class KEY, class VALUE> class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        return BASE_CLASS::Lookup(key, (typename BASE_CLASS::BASE_VALUE&)rValue);
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) { return (VALUE&)BASE_CLASS::operator[](key); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        BASE_CLASS::GetNextAssoc(rPosition, (typename BASE_CLASS::BASE_KEY&)rKey,
                                 (typename BASE_CLASS::BASE_VALUE&)rValue);
    }
};

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(int nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(int nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(int nBlockSize = 10) : CMap(nBlockSize) {}
};

// Holds the pointers only: deleting the objects is the owner's business.
class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(int nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapStringToPtr : public CMap<CString, const CString&, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(int nBlockSize = 10) : CMap(nBlockSize) {}
};

// Holds the pointers only: deleting the objects is the owner's business.
class CMapStringToOb : public CMap<CString, const CString&, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(int nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapStringToString : public CMap<CString, const CString&, CString, const CString&>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(int nBlockSize = 10) : CMap(nBlockSize) {}
};

#endif // TANZO_AFX_MAP_H
