#ifndef TANZO_INSTALL_SYSTEMFOLDERS_H
#define TANZO_INSTALL_SYSTEMFOLDERS_H

// The system's folders that an installation writes into (Windows builds).
// Each asks the shell first; some fall back to the registry's record of
// the shell folders. FALSE (out unchanged) when the folder is not known.

#include "afx/String.h"
#include "afx/wintypes.h"

BOOL GetProgramFilesFolder(CString& out);
BOOL GetDesktopFolder(CString& out);
BOOL GetUserProgramsFolder(CString& out);
// Never the user's own programs folder: a shortcut meant for all users
// must not land there.
BOOL GetCommonProgramsFolder(CString& out);
BOOL GetStartupFolder(CString& out);
// The user's and all users' start menus, which the shell is told about.
BOOL GetStartMenuFolder(BOOL bAllUsers, CString& out);

#endif // TANZO_INSTALL_SYSTEMFOLDERS_H
