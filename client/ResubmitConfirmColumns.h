#ifndef TANZO_CLIENT_RESUBMITCONFIRMCOLUMNS_H
#define TANZO_CLIENT_RESUBMITCONFIRMCOLUMNS_H

// The columns of the re-listing confirmation list: headings, width keys
// and defaults, alignment, styles and the item fields they show.

#include "afx/wintypes.h"
#include "client/ListPageLayouts.h"

enum
{
    ResubmitConfirmColumnCount = 7
};

// The column's description; null outside the columns.
const ListColumnSpec* GetResubmitConfirmColumn(int nColumn);
// ItemField::None for a column the list does not have.
int GetResubmitConfirmColumnKind(int nColumn);
// -1 for a field the list does not show.
int GetResubmitConfirmKindColumn(int nKind);

#endif // TANZO_CLIENT_RESUBMITCONFIRMCOLUMNS_H
