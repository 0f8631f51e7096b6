#ifndef TANZO_AFX_ELEMENTS_H
#define TANZO_AFX_ELEMENTS_H

#include <new>
#include <type_traits>

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/wintypes.h"

// What the collections do with their elements. A program adapts them to
// its own element types by overloading (or specialising) these functions,
// as with MFC's templates.

// A place in a list or a map.
struct tagPOSITION
{
};
typedef tagPOSITION* POSITION;

// GetStartPosition of a map that is not empty.
#define BEFORE_START_POSITION ((POSITION)(INT_PTR)-1)

// Elements are value-initialised: numbers and pointers start as zero.
template <class TYPE> inline void AFXAPI ConstructElements(TYPE* pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
        ::new ((void*)pElements) TYPE();
}

template <class TYPE> inline void AFXAPI DestructElements(TYPE* pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
        pElements->~TYPE();
}

template <class TYPE> inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, int nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Integers and pointers lose their low bits, which aligned pointers and
// small keys share; keys that differ only there share a bucket.
template <class ARG_KEY> inline UINT AFXAPI HashKey(ARG_KEY key)
{
    if constexpr (std::is_pointer<ARG_KEY>::value)
        return (UINT)((UINT_PTR)key >> 4);
    else
        return (UINT)((DWORD)key >> 4);
}

// Strings hash by their bytes, each taken as a signed char, whatever the
// compiler's char: the buckets, and so the order in which a map writes its
// keys, are part of the format of stored maps, which keep that order.
UINT AFXAPI HashKey(LPCTSTR key);
UINT AFXAPI HashKey(const CString& key);

// The default writes the bytes of the elements as they are in memory,
// which on our (little-endian) platforms is the archive's byte order.
// Pointers and types that cannot be copied as bytes have no such form:
// serialising them throws CNotSupportedException; give them an overload.
template <class TYPE> void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, int nCount)
{
    if constexpr (std::is_pointer<TYPE>::value || !std::is_trivially_copyable<TYPE>::value)
    {
        AfxThrowNotSupportedException();
    }
    else
    {
        // In pieces, so that no byte count overflows a UINT.
        const int nPiece = (int)(0x100000 / sizeof(TYPE)) + 1;
        while (nCount > 0)
        {
            int n = nCount < nPiece ? nCount : nPiece;
            UINT nBytes = (UINT)(n * sizeof(TYPE));
            if (ar.IsStoring())
                ar.Write(pElements, nBytes);
            else if (ar.Read(pElements, nBytes) != nBytes)
                AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
            pElements += n;
            nCount -= n;
        }
    }
}

void AFXAPI SerializeElements(CArchive& ar, CString* pElements, int nCount);
void AFXAPI SerializeElements(CArchive& ar, CObject** pElements, int nCount);

#endif // TANZO_AFX_ELEMENTS_H
