#ifndef TANZO_CONTROLS_LISTFIND_H
#define TANZO_CONTROLS_LISTFIND_H

// Finding the row of a list whose cell text contains a pattern.

#include "afx/String.h"
#include "afx/wintypes.h"

#include <functional>

typedef std::function<CString(int nRow, int nColumn)> ListCellTextFn;

// The first row from nStartRow (limited to the rows) onwards, or
// backwards, with a non-empty cell that contains the pattern: every column
// (nColumn -1, from the first, or backwards from the last) or only
// nColumn. Without bCaseSensitive single-byte letters match either case;
// a match never starts inside a two-byte character. -1 for no rows, no
// columns or no match.
int FindRowWithText(const ListCellTextFn& getText, int nRows, int nColumns, LPCTSTR lpszText, int nStartRow,
                    int nColumn, BOOL bCaseSensitive, BOOL bBackward);

#endif // TANZO_CONTROLS_LISTFIND_H
