#include "install/UninstallRules.h"

#include "install/FileNameParts.h"
#include "install/InstallResourceIds.h"
#include "text/MbcsString.h"
#include "text/PathUtil.h"
#include "text/TextCut.h"

BOOL IsInstalledProgramPath(LPCTSTR lpszPath, LPCTSTR lpszFolder, LPCTSTR lpszProgramFileName)
{
    if (lpszPath == nullptr || lpszProgramFileName == nullptr || *lpszProgramFileName == '\0')
        return FALSE;
    CString strFileName;
    if (!GetFileNamePart(lpszPath, strFileName) || !MbsEqualNoCase(strFileName, lpszProgramFileName))
        return FALSE;
    if (lpszFolder == nullptr || *lpszFolder == '\0')
        return TRUE;
    CString strFolder = lpszFolder;
    RemoveTrailingBackslash(strFolder);
    CString strExpected;
    JoinPath(strExpected, strFolder, lpszProgramFileName);
    return MbsEqualNoCase(lpszPath, strExpected);
}

BOOL CUninstallOutcome::ShouldRun(UninstallStep step) const
{
    switch (step)
    {
    case uninstallFiles:
        return TRUE;
    case uninstallRegistry:
        return !m_bFilesFailed;
    default:
        return !m_bFilesFailed && !m_bRegistryFailed;
    }
}

void CUninstallOutcome::Note(UninstallStep step, BOOL bSucceeded)
{
    if (bSucceeded)
        return;
    switch (step)
    {
    case uninstallFiles:
        m_bFilesFailed = TRUE;
        if (m_nError == 0)
            m_nError = IDS_UNINSTALL_FILES_FAILED;
        break;
    case uninstallRegistry:
        m_bRegistryFailed = TRUE;
        if (m_nError == 0)
            m_nError = IDS_UNINSTALL_REGISTRY_FAILED;
        break;
    case uninstallStartup:
        if (m_nError == 0)
            m_nError = IDS_UNINSTALL_STARTUP_FAILED;
        break;
    case uninstallStartMenu:
        if (m_nError == 0 || m_nError == IDS_UNINSTALL_STARTUP_FAILED)
            m_nError = IDS_UNINSTALL_START_MENU_FAILED;
        break;
    case uninstallDesktop:
        if (m_nError == 0)
            m_nError = IDS_UNINSTALL_DESKTOP_FAILED;
        break;
    }
}

UINT CUninstallOutcome::GetMessageId() const
{
    return m_nError != 0 ? m_nError : IDS_UNINSTALL_DONE;
}
