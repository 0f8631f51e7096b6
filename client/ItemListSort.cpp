#include "client/ItemListSort.h"

#include "client/ItemFields.h"
#include "client/TanzoAuctionItem.h"

namespace
{
const CItemSortParams* g_pItemSort = nullptr;
} // namespace

CItemSortScope::CItemSortScope(const CItemSortParams* pParams) : m_pPrevious(g_pItemSort)
{
    g_pItemSort = pParams;
}

CItemSortScope::~CItemSortScope()
{
    g_pItemSort = m_pPrevious;
}

int CompareItemSortEntries(const void* pEntry1, const void* pEntry2)
{
    const CListSortContext* pContext = GetListSortContext();
    const CItemSortParams* pParams = g_pItemSort;
    auto* a = (const CListSortEntry*)pEntry1;
    auto* b = (const CListSortEntry*)pEntry2;
    if (pContext == nullptr || pParams == nullptr || pParams->ties == nullptr || a->pItem == nullptr ||
        b->pItem == nullptr)
        return 0;
    const BOOL descending = pContext->bDescending;
    return ApplySortDirection(CompareItemFields(*(const TanzoAuctionItem*)a->pItem,
                                                *(const TanzoAuctionItem*)b->pItem, pParams->kind,
                                                *pParams->ties, descending),
                              descending);
}

void SortItemEntries(std::vector<CListSortEntry>& entries, int kind, BOOL descending,
                     const CTieOrderMap& ties)
{
    CListSortContext context;
    context.bDescending = descending;
    std::vector<CString> keys;
    if (IsTextSortKind(kind))
    {
        keys.resize(entries.size());
        for (size_t i = 0; i < entries.size(); ++i)
        {
            entries[i].nRow = (int)i;
            if (entries[i].pItem != nullptr)
                GetItemFieldText(*(const TanzoAuctionItem*)entries[i].pItem, kind, keys[i]);
        }
        context.pKeys = &keys;
        CListSortScope scope(&context);
        SortListEntries(entries, CompareSortEntriesByKey);
        return;
    }
    const CItemSortParams params = {kind, &ties};
    CItemSortScope itemScope(&params);
    CListSortScope scope(&context);
    SortListEntries(entries, CompareItemSortEntries);
}
