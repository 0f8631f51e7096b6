#ifndef TANZO_AFX_PROFILE_H
#define TANZO_AFX_PROFILE_H

#include "afx/wintypes.h"

#include <vector>

// The value store under CWinApp's profile calls (afx/WinApp.h). Keys are
// paths below HKEY_CURRENT_USER ("Software\\Velmar Soft\\Tanzo3\\Settings").
// On Windows this is the registry; the native build keeps the same tree in
// memory, so that portable code using the profile is tested without
// Windows. Key and value names compare without regard to ASCII case, as
// the registry's do.

#ifndef _WIN32
#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#endif

// Reads a value: TRUE with its type and bytes (strings with their NUL)
// when the key and the value exist.
BOOL AfxProfileRead(LPCTSTR lpszKey, LPCTSTR lpszValue, DWORD* pdwType, std::vector<BYTE>* pData);

// Writes a value, creating the key and its parents.
BOOL AfxProfileWrite(LPCTSTR lpszKey, LPCTSTR lpszValue, DWORD dwType, const void* pData, UINT nBytes);

// Deletes one value; with lpszValue null, the key with all its subkeys.
// TRUE when it existed and is gone.
BOOL AfxProfileDelete(LPCTSTR lpszKey, LPCTSTR lpszValue);

#ifndef _WIN32
// Empties the in-memory store (tests start from a clean profile).
void AfxProfileClear();
// While set, every write and delete fails, as under a key the user may
// not change (tests of what callers make of a refused write).
void AfxProfileSetReadOnly(BOOL bReadOnly);
#endif

#endif // TANZO_AFX_PROFILE_H
