#ifndef TANZO_AFX_STRINGTABLE_H
#define TANZO_AFX_STRINGTABLE_H

#include "afx/wintypes.h"

// The program's string table. Its texts live in the resource scripts under
// res/: Windows builds read the compiled resources; the native build reads a
// table generated from the same scripts and registered at start-up.

struct AFX_STRING_ENTRY
{
    UINT nID;
    const char* pszText; // code page 932
};

// Registers a generated table (native build); later tables win on equal ids.
void AfxRegisterStringTable(const AFX_STRING_ENTRY* pEntries, int nCount);

// Copies the text of nID into lpszBuf (at most nMaxBuf - 1 bytes and a NUL)
// and returns its length; 0 when there is no such string.
int AfxLoadString(UINT nID, char* lpszBuf, UINT nMaxBuf);

#endif // TANZO_AFX_STRINGTABLE_H
