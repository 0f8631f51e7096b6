#include "install/FolderPicker.h"

#include "afx/Wnd.h"

#include <shlobj.h>

namespace
{
int CALLBACK SelectInitialFolder(HWND hWnd, UINT uMsg, LPARAM, LPARAM lpData)
{
    if (uMsg == BFFM_INITIALIZED && lpData != 0)
        ::SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
    return 0;
}
} // namespace

BOOL BrowseForFolder(CWnd* pOwner, LPCTSTR lpszInitialFolder, CString& strFolder, UINT nIDTitle)
{
    CString strTitle;
    strTitle.LoadString(nIDTitle);
    CString strInitial(lpszInitialFolder != nullptr ? lpszInitialFolder : "");
    BROWSEINFOA info = {};
    info.hwndOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
    info.lpszTitle = strTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = SelectInitialFolder;
    info.lParam = (LPARAM)(LPCTSTR)strInitial;
    LPITEMIDLIST items = ::SHBrowseForFolderA(&info);
    if (items == nullptr)
        return FALSE;
    char szPath[MAX_PATH] = {};
    BOOL bPath = ::SHGetPathFromIDListA(items, szPath);
    ::CoTaskMemFree(items);
    if (!bPath)
        return FALSE;
    strFolder = szPath;
    return TRUE;
}
