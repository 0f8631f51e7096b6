#ifndef TANZO_INSTALL_FILENAMEPARTS_H
#define TANZO_INSTALL_FILENAMEPARTS_H

// Parts of file names and paths (code page 932 texts; a trail byte is never
// taken for the character searched).

#include "afx/String.h"
#include "afx/wintypes.h"

// The text after the last ch; empty when there is no ch or nothing after
// it. TRUE when that text is not empty.
BOOL GetTailAfterLast(LPCTSTR text, char ch, CString& out);

// The file name of a path: the text after its last backslash.
BOOL GetFileNamePart(LPCTSTR path, CString& out);

// The file name (the whole text when it has no backslash) before its first
// '.': "C:\Tanzo\tanzo.exe" gives "tanzo". FALSE when the file name is
// empty; out is then empty too.
BOOL GetFileTitleNoExt(LPCTSTR path, CString& out);

#endif // TANZO_INSTALL_FILENAMEPARTS_H
