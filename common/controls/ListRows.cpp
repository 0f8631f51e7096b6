#include "controls/ListRows.h"

#include <algorithm>

BOOL ClampRowRange(int& nFirst, int& nLast, int nCount)
{
    if (nCount <= 0)
        return FALSE;
    if (nFirst < 0)
        nFirst = 0;
    if (nLast < 0 || nLast > nCount - 1)
        nLast = nCount - 1;
    return nFirst <= nLast;
}

BOOL GetShownRowRange(int nTop, int nPerPage, int& nFirst, int& nLast)
{
    nFirst = nTop;
    nLast = std::max(0, nTop + nPerPage);
    return nFirst >= 0 && nLast >= nFirst;
}

int SwapRowItems(CPtrArray& items, int nRowCount, int nFrom, int nTo)
{
    int nRows = std::min(nRowCount, (int)items.GetSize());
    if (nFrom < 0 || nTo < 0 || nFrom >= nRows || nTo >= nRows)
        return -1;
    if (nFrom == nTo)
        return nFrom;
    void* pItem = items[nFrom];
    items[nFrom] = items[nTo];
    items[nTo] = pItem;
    return nTo;
}
