#ifndef TANZO_AFX_LOADTEXT_H
#define TANZO_AFX_LOADTEXT_H

#include "afx/String.h"

// The text of nID in the program's string table; empty when there is none
// (id 0 names no text).
CString LoadText(UINT nID);

#endif // TANZO_AFX_LOADTEXT_H
