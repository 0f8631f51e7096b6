#include "install/ShortcutFile.h"

#include "afx/ComRef.h"
#include "afx/ScopedWin.h"

#include <objidl.h>
#include <shlobj.h>

BOOL CreateShortcutFile(LPCTSTR lpszLinkPath, LPCTSTR lpszDescription, LPCTSTR lpszTarget,
                        LPCTSTR lpszArguments)
{
    CScopedComInit com;
    CComRef<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(link.Out()))))
        return FALSE;
    CComRef<IPersistFile> file = link.Query<IPersistFile>(IID_IPersistFile);
    if (!file)
        return FALSE;
    if (FAILED(link->SetPath(lpszTarget)) || FAILED(link->SetDescription(lpszDescription)))
        return FALSE;
    if (lpszArguments != nullptr && *lpszArguments != '\0' && FAILED(link->SetArguments(lpszArguments)))
        return FALSE;
    WCHAR szPath[MAX_PATH] = {};
    if (::MultiByteToWideChar(CP_ACP, 0, lpszLinkPath, -1, szPath, MAX_PATH) == 0)
        return FALSE;
    return SUCCEEDED(file->Save(szPath, TRUE));
}
