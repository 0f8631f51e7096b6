#ifndef TANZO_TEXT_TIEORDER_H
#define TANZO_TEXT_TIEORDER_H

#include "afx/Map.h"
#include "afx/String.h"
#include "afx/Time.h"
#include "afx/wintypes.h"

// What a record offers to code that orders records by time without
// knowing their class: its identity (an item's auction ID) and its time.
class CItemKeyInterface
{
public:
    virtual const CString& GetKey() const = 0;
    virtual CTime GetTime() const = 0;

protected:
    ~CItemKeyInterface() = default;
};

// Key of a record to its place in the order before a sort.
typedef CMap<CString, const CString&, int, int> CTieOrderMap;

// Fills table with the place of every record that has a key: its index
// when ascending, else count minus its index, so that records of equal
// time keep their order (adjacent or not) in either sort direction. Null
// records are passed over. TRUE when the table holds any entry.
BOOL BuildTieOrder(const CItemKeyInterface* const* records, int count, CTieOrderMap& table, BOOL ascending);

// A sort comparison of two records by time: -1, 0 or 1 by the sign of
// time(a) - time(b) (the difference itself may not fit an int); on equal
// times the difference of their places in the table when both are there.
// 0 when either record is null.
int CompareTimesKeepingOrder(const CItemKeyInterface* a, const CItemKeyInterface* b,
                             const CTieOrderMap& table);

#endif // TANZO_TEXT_TIEORDER_H
