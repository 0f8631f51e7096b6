#ifndef TANZO_CONTROLS_LISTROWS_H
#define TANZO_CONTROLS_LISTROWS_H

// Row ranges of a list and the moves of an owner-data list's item
// pointers.

#include "afx/Array.h"
#include "afx/wintypes.h"

// Limits a row range to an array of nCount rows (-1 stands for first or
// last missing): first below 0 becomes 0, last below 0 or past the end the
// last row. FALSE for an empty array or a range that ends before it starts.
BOOL ClampRowRange(int& nFirst, int& nLast, int nCount);

// The rows shown: nTop to nTop + nPerPage, the last at least 0; FALSE when
// the range is not one.
BOOL GetShownRowRange(int nTop, int nPerPage, int& nFirst, int& nLast);

// Moving a row of an owner-data list swaps its item with the target's:
// nTo, or -1 when either row is negative or not below nRowCount (nor
// inside the array); equal rows answer the row.
int SwapRowItems(CPtrArray& items, int nRowCount, int nFrom, int nTo);

#endif // TANZO_CONTROLS_LISTROWS_H
