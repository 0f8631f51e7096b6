#include "install/ResourceFile.h"

#include "afx/Exception.h"
#include "afx/File.h"
#include "afx/WinApp.h"
#include "text/PathUtil.h"

BOOL WriteResourceToFile(LPCTSTR lpszPath, UINT nResourceId, LPCTSTR lpszResourceType)
{
    HMODULE hModule = AfxGetResourceHandle();
    HRSRC hInfo = ::FindResourceA(hModule, MAKEINTRESOURCEA(nResourceId), lpszResourceType);
    HGLOBAL hData = hInfo != nullptr ? ::LoadResource(hModule, hInfo) : nullptr;
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (pData == nullptr)
        return FALSE;
    const DWORD dwSize = ::SizeofResource(hModule, hInfo);

    CString strFolder;
    GetDirectoryOfPath(lpszPath, strFolder);
    if (strFolder.IsEmpty())
        strFolder = ".";
    char szTemp[MAX_PATH] = {};
    if (::GetTempFileNameA(strFolder, "tnz", 0, szTemp) == 0)
        return FALSE;
    BOOL bWritten = FALSE;
    try
    {
        CFile file(szTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite);
        file.Write(pData, dwSize);
        file.Close();
        bWritten = TRUE;
    }
    catch (CFileException* e)
    {
        e->Delete();
    }
    if (bWritten && ::MoveFileExA(szTemp, lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return TRUE;
    ::DeleteFileA(szTemp);
    return FALSE;
}
