#include "text/BitFlags.h"

#include "afx/Archive.h"

template <class TFlags> CBitFlagsT<TFlags>::~CBitFlagsT() = default;

template <class TFlags> TFlags& CBitFlagsT<TFlags>::Set(DWORD dwFlags)
{
    m_dwFlags = dwFlags;
    return Self();
}

template <class TFlags> DWORD CBitFlagsT<TFlags>::Get() const
{
    return m_dwFlags;
}

template <class TFlags> TFlags& CBitFlagsT<TFlags>::Add(DWORD dwBits)
{
    m_dwFlags |= dwBits;
    return Self();
}

template <class TFlags> DWORD CBitFlagsT<TFlags>::TestAny(DWORD dwBits) const
{
    return m_dwFlags & dwBits;
}

template <class TFlags> BOOL CBitFlagsT<TFlags>::TestAll(DWORD dwBits) const
{
    return dwBits != 0 && (m_dwFlags & dwBits) == dwBits;
}

template <class TFlags> TFlags& CBitFlagsT<TFlags>::Remove(DWORD dwBits)
{
    m_dwFlags &= ~dwBits;
    return Self();
}

template <class TFlags> TFlags& CBitFlagsT<TFlags>::SetOrRemove(DWORD dwBits, BOOL bOn)
{
    return bOn ? Add(dwBits) : Remove(dwBits);
}

template <class TFlags> TFlags& CBitFlagsT<TFlags>::Toggle(DWORD dwBits)
{
    return TestAny(dwBits) != 0 ? Remove(dwBits) : Add(dwBits);
}

template <class TFlags> TFlags& CBitFlagsT<TFlags>::SetMasked(DWORD dwValue, DWORD dwMask)
{
    return Set((m_dwFlags & ~dwMask) | (dwValue & dwMask));
}

template <class TFlags> TFlags& CBitFlagsT<TFlags>::Clear()
{
    m_dwFlags = 0;
    return Self();
}

template <class TFlags> BOOL CBitFlagsT<TFlags>::Equals(const TFlags& other) const
{
    return m_dwFlags == static_cast<const CBitFlagsT&>(other).m_dwFlags;
}

template <class TFlags> TFlags& CBitFlagsT<TFlags>::Assign(const TFlags& other)
{
    m_dwFlags = static_cast<const CBitFlagsT&>(other).m_dwFlags;
    return Self();
}

template <class TFlags> CArchive& CBitFlagsT<TFlags>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_dwFlags;
    else
        ar >> m_dwFlags;
    return ar;
}

template class CBitFlagsT<CBitFlags>;
template class CBitFlagsT<CBitFlagsEx>;

CBitFlags::~CBitFlags() = default;
CBitFlagsEx::~CBitFlagsEx() = default;
