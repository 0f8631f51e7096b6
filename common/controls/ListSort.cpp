#include "controls/ListSort.h"

#include "text/MbcsString.h"

#include <cstdlib>

namespace
{
const CListSortContext* g_pSortContext = nullptr;
} // namespace

int CompareSortKeys(LPCTSTR a, LPCTSTR b)
{
    return MbsCompareNoCase(a, b);
}

int CompareSnapshotRows(const std::vector<CString>& keys, int a, int b)
{
    if (a < 0 || b < 0 || a >= (int)keys.size() || b >= (int)keys.size())
        return 0;
    return CompareSortKeys(keys[a], keys[b]);
}

const CListSortContext* GetListSortContext()
{
    return g_pSortContext;
}

CListSortScope::CListSortScope(const CListSortContext* pContext) : m_pPrevious(g_pSortContext)
{
    g_pSortContext = pContext;
}

CListSortScope::~CListSortScope()
{
    g_pSortContext = m_pPrevious;
}

int CompareSortEntriesByKey(const void* pEntry1, const void* pEntry2)
{
    const CListSortContext* pContext = g_pSortContext;
    auto* a = (const CListSortEntry*)pEntry1;
    auto* b = (const CListSortEntry*)pEntry2;
    if (pContext == nullptr || pContext->pKeys == nullptr || a == nullptr || b == nullptr ||
        a->pItem == nullptr || b->pItem == nullptr)
        return 0;
    return ApplySortDirection(CompareSnapshotRows(*pContext->pKeys, a->nRow, b->nRow), pContext->bDescending);
}

void SortListEntries(std::vector<CListSortEntry>& entries, PFNLISTSORTCOMPARE pfnCompare)
{
    if (entries.size() > 1 && pfnCompare != nullptr)
        std::qsort(entries.data(), entries.size(), sizeof(CListSortEntry), pfnCompare);
}
