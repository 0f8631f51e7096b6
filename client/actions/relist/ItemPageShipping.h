#ifndef TANZO_CLIENT_ACTIONS_ITEMPAGESHIPPING_H
#define TANZO_CLIENT_ACTIONS_ITEMPAGESHIPPING_H

#include "afx/Collections.h"
#include "afx/wintypes.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CHtmlDocument;

// What an item page tells of its shipping when the listing form leaves it
// open: the method cells, whether the buyer pays on arrival, and whether
// the only method is the discontinued box service.

// The "td" cells of property "DeliveryMethod" inside the page's
// "decInfoTable" blocks, else anywhere on the page; TRUE when any.
BOOL CollectDeliveryMethodCells(CHtmlDocument* pPage, CPtrList& cells);

// A cell's row, without the cell itself and its heading, reads "着払い" or
// "着払" (what follows a last colon and a first bracket left out).
BOOL HasCashOnDeliveryRow(const CPtrList& cells);

// The cells are exactly one, which links to the box service's pages or
// reads its name.
BOOL IsOnlyHacoboonCell(const CPtrList& cells);

#endif // TANZO_CLIENT_ACTIONS_ITEMPAGESHIPPING_H
