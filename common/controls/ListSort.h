#ifndef TANZO_CONTROLS_LISTSORT_H
#define TANZO_CONTROLS_LISTSORT_H

// The sort cores of the lists. Every row's key is taken once before a sort
// and the comparison reads those keys, never the list's cells, which move
// while the list sorts.

#include "afx/String.h"
#include "afx/wintypes.h"

#include <vector>

// The case-insensitive, two-byte aware order of two keys.
int CompareSortKeys(LPCTSTR a, LPCTSTR b);
// The keys of rows a and b of a snapshot; 0 when either row is outside it.
int CompareSnapshotRows(const std::vector<CString>& keys, int a, int b);
// A descending sort negates every result.
inline int ApplySortDirection(int nResult, BOOL bDescending)
{
    return bDescending ? -nResult : nResult;
}

// One row of an owner-data list in a sort: its item, its focus and
// selection bits, and the row it stood on (the index of its key).
struct CListSortEntry
{
    void* pItem;
    UINT nState;
    int nRow;
};

// A comparison of two entries, for qsort.
typedef int (*PFNLISTSORTCOMPARE)(const void* pEntry1, const void* pEntry2);

// The sort being run: the list, the rows' keys (null when the comparison
// needs none) and its direction. One sort runs at a time.
struct CListSortContext
{
    const void* pList = nullptr;
    const std::vector<CString>* pKeys = nullptr;
    BOOL bDescending = FALSE;
};

// The context of the sort running now, null between sorts.
const CListSortContext* GetListSortContext();

// Makes a context the current one while it lives.
class CListSortScope
{
public:
    explicit CListSortScope(const CListSortContext* pContext);
    ~CListSortScope();

private:
    const CListSortContext* m_pPrevious;
    CListSortScope(const CListSortScope&) = delete;
    CListSortScope& operator=(const CListSortScope&) = delete;
};

// The default comparison: the entries' keys in the current context, in its
// direction; 0 without a context, keys or items.
int CompareSortEntriesByKey(const void* pEntry1, const void* pEntry2);

// Sorts the entries with the comparison, in the current context.
void SortListEntries(std::vector<CListSortEntry>& entries, PFNLISTSORTCOMPARE pfnCompare);

#endif // TANZO_CONTROLS_LISTSORT_H
