#ifndef TANZO_CLIENT_RESUBMITCONFIRMCOLUMNS_H
#define TANZO_CLIENT_RESUBMITCONFIRMCOLUMNS_H

// The columns of the re-listing confirmation list and the item fields
// they show.

#include "afx/wintypes.h"

enum
{
    ResubmitConfirmColumnCount = 7
};

// ItemField::None for a column the list does not have.
int GetResubmitConfirmColumnKind(int nColumn);
// -1 for a field the list does not show.
int GetResubmitConfirmKindColumn(int nKind);

#endif // TANZO_CLIENT_RESUBMITCONFIRMCOLUMNS_H
