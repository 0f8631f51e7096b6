#include "install/SystemFolders.h"

#include "afx/RegKey.h"
#include "text/PathUtil.h"

#include <shlobj.h>

namespace
{
const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The registry's paths are read as MAX_PATH + 1 bytes at most.
const DWORD kMaxRegistryPath = MAX_PATH + 1;

BOOL ReadRegistryFolder(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszValue, CString& out)
{
    CRegKey key;
    if (key.Open(hRoot, lpszKey, KEY_READ) != ERROR_SUCCESS)
        return FALSE;
    CString strFolder;
    if (key.QueryStringValue(lpszValue, strFolder, kMaxRegistryPath) != ERROR_SUCCESS || strFolder.IsEmpty())
        return FALSE;
    out = strFolder;
    return TRUE;
}
} // namespace

BOOL GetProgramFilesFolder(CString& out)
{
    return GetSpecialFolder(CSIDL_PROGRAM_FILES, out) ||
           ReadRegistryFolder(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", out);
}

BOOL GetDesktopFolder(CString& out)
{
    return GetSpecialFolder(CSIDL_DESKTOP, out) ||
           ReadRegistryFolder(HKEY_CURRENT_USER, kShellFoldersKey, "Desktop", out);
}

BOOL GetUserProgramsFolder(CString& out)
{
    return GetSpecialFolder(CSIDL_PROGRAMS, out);
}

BOOL GetCommonProgramsFolder(CString& out)
{
    return GetSpecialFolder(CSIDL_COMMON_PROGRAMS, out) ||
           ReadRegistryFolder(HKEY_LOCAL_MACHINE, kShellFoldersKey, "Common Programs", out);
}

BOOL GetStartupFolder(CString& out)
{
    return GetSpecialFolder(CSIDL_STARTUP, out);
}

BOOL GetStartMenuFolder(BOOL bAllUsers, CString& out)
{
    return GetSpecialFolder(bAllUsers ? CSIDL_COMMON_STARTMENU : CSIDL_STARTMENU, out);
}
