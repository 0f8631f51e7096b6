#include "afx/Elements.h"

namespace
{
UINT HashBytes(LPCTSTR p, int nLength)
{
    UINT nHash = 0;
    for (int i = 0; i < nLength; ++i)
        nHash = nHash * 33 + (UINT)(int)(signed char)p[i];
    return nHash;
}
} // namespace

UINT AFXAPI HashKey(LPCTSTR key)
{
    int nLength = 0;
    while (key[nLength] != '\0')
        ++nLength;
    return HashBytes(key, nLength);
}

UINT AFXAPI HashKey(const CString& key)
{
    return HashBytes(key, key.GetLength());
}

void AFXAPI SerializeElements(CArchive& ar, CString* pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
    {
        if (ar.IsStoring())
            ar << *pElements;
        else
            ar >> *pElements;
    }
}

void AFXAPI SerializeElements(CArchive& ar, CObject** pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
    {
        if (ar.IsStoring())
            ar << *pElements;
        else
            ar >> *pElements;
    }
}
