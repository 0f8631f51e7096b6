#ifndef TANZO_CLIENT_ITEMLISTSORT_H
#define TANZO_CLIENT_ITEMLISTSORT_H

// Sorting rows of items by a field kind. Kinds shown as text sort by the
// cells' texts, taken once before the sort; the others compare the items'
// values, images or times, equal times keeping the order of a tie table.

#include <vector>

#include "afx/wintypes.h"
#include "controls/ListSort.h"
#include "text/TieOrder.h"

// The kind and tie table of the item sort being run; one at a time.
struct CItemSortParams
{
    int kind;
    const CTieOrderMap* ties;
};

// Makes the parameters the current ones while it lives.
class CItemSortScope
{
public:
    explicit CItemSortScope(const CItemSortParams* pParams);
    ~CItemSortScope();

private:
    const CItemSortParams* m_pPrevious;
    CItemSortScope(const CItemSortScope&) = delete;
    CItemSortScope& operator=(const CItemSortScope&) = delete;
};

// The comparison of two entries whose items are TanzoAuctionItem records,
// by the current item sort, in the current list sort's direction.
int CompareItemSortEntries(const void* pEntry1, const void* pEntry2);

// Sorts the entries (items: TanzoAuctionItem records) by the kind.
void SortItemEntries(std::vector<CListSortEntry>& entries, int kind, BOOL descending,
                     const CTieOrderMap& ties);

#endif // TANZO_CLIENT_ITEMLISTSORT_H
