#include "app/DialogProfile.h"

#include "afx/WinApp.h"

CString GetDialogProfileSection(UINT nSettingsId)
{
    CString strSection;
    strSection.Format("Dialog\\%u", nSettingsId);
    return strSection;
}

CString FormatDialogProfileKey(LPCTSTR lpszFormat, int n)
{
    CString strKey;
    strKey.Format(lpszFormat, n);
    return strKey;
}

int GetDialogProfileInt(UINT nSettingsId, LPCTSTR lpszKey, int nDefault)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return nDefault;
    return (int)pApp->GetProfileInt(GetDialogProfileSection(nSettingsId), lpszKey, nDefault);
}

void GetDialogProfileString(UINT nSettingsId, LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
    {
        strValue = lpszDefault;
        return;
    }
    strValue = pApp->GetProfileString(GetDialogProfileSection(nSettingsId), lpszKey, lpszDefault);
}

void WriteDialogProfileInt(UINT nSettingsId, LPCTSTR lpszKey, int nValue)
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileInt(GetDialogProfileSection(nSettingsId), lpszKey, nValue);
}

void WriteDialogProfileString(UINT nSettingsId, LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileString(GetDialogProfileSection(nSettingsId), lpszKey, lpszValue);
}

BOOL GetDialogProfileStringArray(UINT nSettingsId, LPCTSTR lpszFormat, CStringArray& array, int nCount,
                                 LPCTSTR lpszDefault)
{
    if (nCount == -1)
        nCount = array.GetSize();
    if (nCount < 1)
        return FALSE;
    array.SetSize(nCount);
    BOOL bEnded = FALSE;
    int nRead = 0;
    for (int i = 0; i < nCount; ++i)
    {
        if (!bEnded)
        {
            GetDialogProfileString(nSettingsId, FormatDialogProfileKey(lpszFormat, i + 1), array[i],
                                   lpszDefault);
            bEnded = array[i].IsEmpty();
            if (!bEnded)
                ++nRead;
        }
        if (bEnded)
            array[i].Empty();
    }
    return nRead > 0;
}

void WriteDialogProfileStringArray(UINT nSettingsId, LPCTSTR lpszFormat, const CStringArray& array,
                                   int nCount, LPCTSTR lpszDefault)
{
    if (nCount < 0)
        nCount = array.GetSize();
    for (int i = 0; i < nCount; ++i)
        WriteDialogProfileString(nSettingsId, FormatDialogProfileKey(lpszFormat, i + 1),
                                 i < array.GetSize() ? (LPCTSTR)array[i] : lpszDefault);
}

BOOL LoadDialogHistory(UINT nSettingsId, LPCTSTR lpszFormat, int nCount, CStringArray& entries)
{
    entries.RemoveAll();
    for (int i = 0; i < nCount; ++i)
    {
        CString strEntry;
        GetDialogProfileString(nSettingsId, FormatDialogProfileKey(lpszFormat, i + 1), strEntry, "");
        if (strEntry.IsEmpty())
            break;
        entries.Add(strEntry);
    }
    return entries.GetSize() > 0;
}

void SaveDialogHistory(UINT nSettingsId, LPCTSTR lpszFormat, int nCount, const CStringArray& entries)
{
    WriteDialogProfileStringArray(nSettingsId, lpszFormat, entries, nCount, "");
}
