#ifndef TANZO_INSTALL_FOLDERPICKER_H
#define TANZO_INSTALL_FOLDERPICKER_H

// The shell's folder picker (Windows builds).

#include "afx/String.h"
#include "afx/wintypes.h"

class CWnd;

// Shows the picker owned by pOwner, titled with string nIDTitle, with the
// initial folder selected; TRUE and the picked folder's path, FALSE on
// Cancel. The picker makes no new folder: a new one is typed.
BOOL BrowseForFolder(CWnd* pOwner, LPCTSTR lpszInitialFolder, CString& strFolder, UINT nIDTitle);

#endif // TANZO_INSTALL_FOLDERPICKER_H
