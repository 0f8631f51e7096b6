#include "text/TieOrder.h"

namespace
{
// A bucket count somewhat above count, odd and not divisible by a small
// prime, so that the chains stay short for a list of thousands of rows.
UINT TableSizeFor(int count)
{
    UINT n = (UINT)count + (UINT)count / 4 + 17;
    n |= 1;
    for (;; n += 2)
    {
        BOOL composite = FALSE;
        for (UINT d = 3; d * d <= n && d < 64; d += 2)
            if (n % d == 0)
            {
                composite = TRUE;
                break;
            }
        if (!composite)
            return n;
    }
}
} // namespace

BOOL BuildTieOrder(const CItemKeyInterface* const* records, int count, CTieOrderMap& table, BOOL ascending)
{
    table.RemoveAll();
    if (records == nullptr || count <= 0)
        return FALSE;
    table.InitHashTable(TableSizeFor(count));
    for (int i = 0; i < count; ++i)
    {
        const CItemKeyInterface* record = records[i];
        if (record == nullptr || record->GetKey().IsEmpty())
            continue;
        table.SetAt(record->GetKey(), ascending ? i : count - i);
    }
    return !table.IsEmpty();
}

int CompareTimesKeepingOrder(const CItemKeyInterface* a, const CItemKeyInterface* b,
                             const CTieOrderMap& table)
{
    if (a == nullptr || b == nullptr)
        return 0;
    const LONGLONG ta = a->GetTime().GetTime();
    const LONGLONG tb = b->GetTime().GetTime();
    if (ta != tb)
        return ta < tb ? -1 : 1;
    if (table.IsEmpty())
        return 0;
    int pa = -1;
    int pb = -1;
    if (!table.Lookup(a->GetKey(), pa) || !table.Lookup(b->GetKey(), pb) || pa < 0 || pb < 0)
        return 0;
    return pa - pb;
}
