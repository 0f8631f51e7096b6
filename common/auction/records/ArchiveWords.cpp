#include "auction/records/ArchiveWords.h"

#include "afx/Archive.h"
#include "afx/Exception.h"

void StoreInt64(CArchive& ar, LONGLONG value)
{
    ULONGLONG bits = (ULONGLONG)value;
    ar << (DWORD)(bits & 0xFFFFFFFFu);
    ar << (DWORD)(bits >> 32);
}

LONGLONG LoadInt64(CArchive& ar)
{
    DWORD low = 0;
    DWORD high = 0;
    ar >> low;
    ar >> high;
    return (LONGLONG)(((ULONGLONG)high << 32) | low);
}

DWORD LoadCount(CArchive& ar, DWORD nMax)
{
    DWORD count = 0;
    ar >> count;
    if (count > nMax)
        AfxThrowArchiveException(CArchiveException::badIndex, nullptr);
    return count;
}
