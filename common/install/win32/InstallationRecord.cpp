#include "install/InstallationRecord.h"

#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "afx/RegKey.h"
#include "app/ChoiceMessageDialog.h"
#include "controls/ControlsResourceIds.h"
#include "install/InstallResourceIds.h"
#include "install/ResourceFile.h"
#include "install/ShortcutFile.h"
#include "install/SystemFolders.h"
#include "install/UninstallRules.h"
#include "install/VersionRules.h"
#include "text/PathUtil.h"
#include "text/SystemInfo.h"

#include <shlobj.h>

namespace
{
const char kInstallationSubkey[] = "Installation";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char* const kProductSubkeys[] = {"Default", "Settings",         "WindowState", "Dialog",
                                       "Bar",     "Recent File List", "Installer"};
const DWORD kMaxInstallationValue = MAX_PATH;

BOOL IsDeleted(LONG rc)
{
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

BOOL IsFolder(LPCTSTR lpszPath)
{
    DWORD dwAttributes = ::GetFileAttributesA(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CString OsName()
{
    CString strName;
    GetOsName(strName, TRUE);
    return strName;
}
} // namespace

CInstallationRecord::CInstallationRecord(LPCTSTR lpszProductKey, LPCTSTR lpszProductName,
                                         LPCTSTR lpszDisplayName)
    : m_strProductKey(lpszProductKey), m_strProductName(lpszProductName), m_strDisplayName(lpszDisplayName)
{
}

CInstallationRecord::~CInstallationRecord() = default;

BOOL CInstallationRecord::DeleteProgramFile()
{
    CString strPath, strFolder;
    if (!GetProgramPath(strPath) || strPath.IsEmpty())
        return TRUE;
    GetInstallationValue("Dir", strFolder);
    if (!IsInstalledProgramPath(strPath, strFolder, m_strProgramFileName))
        return TRUE;
    return RemoveFileIfExists(strPath);
}

BOOL CInstallationRecord::CreateStartMenuShortcut(LPCTSTR lpszTarget, BOOL bAllUsers)
{
    CString strGroup, strLink;
    if (!GetStartMenuShortcutPath(bAllUsers, strGroup, strLink))
    {
        AfxMessageBox(IDS_START_MENU_FOLDER_UNKNOWN, MB_OK);
        return FALSE;
    }
    if (!IsFolder(strGroup) && !CreateFolderTree(strGroup))
        return FALSE;
    return CreateShortcutFile(strLink, m_strDisplayName, lpszTarget, nullptr);
}

BOOL CInstallationRecord::RemoveStartMenuShortcut(BOOL bAllUsers)
{
    CString strGroup, strLink;
    if (!GetStartMenuShortcutPath(bAllUsers, strGroup, strLink))
        return FALSE;
    if (!RemoveFileIfExists(strLink))
        return FALSE;
    // Only an empty folder goes: other programs of the maker may live there.
    ::RemoveDirectoryA(strGroup);
    return TRUE;
}

BOOL CInstallationRecord::CreateDesktopShortcut(LPCTSTR lpszTarget)
{
    CString strLink;
    if (!GetDesktopShortcutPath(strLink))
    {
        AfxMessageBox(IDS_DESKTOP_FOLDER_UNKNOWN, MB_OK);
        return FALSE;
    }
    return CreateShortcutFile(strLink, m_strDisplayName, lpszTarget, nullptr);
}

BOOL CInstallationRecord::RemoveDesktopShortcut()
{
    CString strLink;
    return GetDesktopShortcutPath(strLink) && RemoveFileIfExists(strLink);
}

BOOL CInstallationRecord::RemoveStartupShortcut()
{
    CString strLink;
    return GetStartupShortcutPath(strLink) && RemoveFileIfExists(strLink);
}

BOOL CInstallationRecord::RemoveTempLeftovers(LPCTSTR lpszName)
{
    CString strTemp;
    if (!GetTempFolder(strTemp, FALSE))
        return TRUE;
    CString strFolder;
    JoinPath(strFolder, strTemp,
             lpszName != nullptr && *lpszName != '\0' ? lpszName : (LPCTSTR)m_strProductName);
    return !IsFolder(strFolder) || RemoveTree(strFolder);
}

BOOL CInstallationRecord::Register(LPCTSTR lpszFolder, LPCTSTR lpszProgramPath, LPCTSTR lpszUninstallCommand)
{
    CRegKey product, installation;
    if (product.Create(HKEY_CURRENT_USER, m_strProductKey, KEY_ALL_ACCESS) != ERROR_SUCCESS ||
        installation.Create(product, kInstallationSubkey, KEY_ALL_ACCESS) != ERROR_SUCCESS ||
        installation.SetStringValue("Path", lpszProgramPath) != ERROR_SUCCESS ||
        installation.SetStringValue("Dir", lpszFolder) != ERROR_SUCCESS)
        return FALSE;
    if (lpszUninstallCommand == nullptr || *lpszUninstallCommand == '\0')
        return TRUE;

    CRegKey uninstall, entry;
    if (uninstall.Create(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_ALL_ACCESS) != ERROR_SUCCESS ||
        entry.Create(uninstall, m_strProductName, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return FALSE;
    const struct
    {
        LPCTSTR lpszName;
        CString strValue;
    } texts[] = {
        {"DisplayName", m_strDisplayName},         {"UninstallString", lpszUninstallCommand},
        {"DisplayIcon", lpszProgramPath},          {"InstallLocation", lpszFolder},
        {"Publisher", LoadText(IDS_MAKER_FOLDER)}, {"HelpLink", LoadText(IDS_PRODUCT_URL)},
    };
    for (const auto& text : texts)
    {
        if (entry.SetStringValue(text.lpszName, text.strValue) != ERROR_SUCCESS)
            return FALSE;
    }
    return entry.SetDWORDValue("NoModify", 1) == ERROR_SUCCESS &&
           entry.SetDWORDValue("NoRepair", 1) == ERROR_SUCCESS;
}

BOOL CInstallationRecord::Unregister()
{
    BOOL bDone = TRUE;
    CRegKey product;
    if (product.Open(HKEY_CURRENT_USER, m_strProductKey, KEY_ALL_ACCESS) == ERROR_SUCCESS &&
        RemoveProductSubkeys(product) != ERROR_SUCCESS)
        bDone = FALSE;

    CRegKey uninstall;
    LONG rc = uninstall.Open(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_ALL_ACCESS);
    if (rc == ERROR_FILE_NOT_FOUND)
        return bDone;
    if (rc != ERROR_SUCCESS || !IsDeleted(CRegKey::DeleteTree(uninstall, m_strProductName)))
        return FALSE;
    return bDone;
}

LONG CInstallationRecord::RemoveProductSubkeys(HKEY hKey)
{
    LONG first = ERROR_SUCCESS;
    for (const char* pszName : kProductSubkeys)
    {
        LONG rc = CRegKey::DeleteTree(hKey, pszName);
        if (!IsDeleted(rc) && first == ERROR_SUCCESS)
            first = rc;
    }
    return first;
}

void CInstallationRecord::EnableControls(BOOL) {}

BOOL CInstallationRecord::GetInstallationValue(LPCTSTR lpszName, CString& strValue) const
{
    strValue.Empty();
    CString strKey;
    JoinPath(strKey, m_strProductKey, kInstallationSubkey);
    CRegKey key;
    return key.Open(HKEY_CURRENT_USER, strKey, KEY_READ) == ERROR_SUCCESS &&
           key.QueryStringValue(lpszName, strValue, kMaxInstallationValue) == ERROR_SUCCESS;
}

BOOL CInstallationRecord::GetProgramPath(CString& strPath) const
{
    return GetInstallationValue("Path", strPath);
}

BOOL CInstallationRecord::MakeShortcutPath(BOOL bFolderKnown, const CString& strFolder,
                                           CString& strPath) const
{
    if (!bFolderKnown || strFolder.IsEmpty())
        return FALSE;
    JoinPath(strPath, strFolder, m_strDisplayName + ".lnk");
    return TRUE;
}

BOOL CInstallationRecord::GetDesktopShortcutPath(CString& strPath) const
{
    CString strFolder;
    return MakeShortcutPath(GetDesktopFolder(strFolder), strFolder, strPath);
}

BOOL CInstallationRecord::GetStartupShortcutPath(CString& strPath) const
{
    CString strFolder;
    return MakeShortcutPath(GetStartupFolder(strFolder), strFolder, strPath);
}

BOOL CInstallationRecord::GetStartMenuShortcutPath(BOOL bAllUsers, CString& strGroupFolder,
                                                   CString& strPath) const
{
    CString strPrograms;
    BOOL bKnown = bAllUsers ? GetCommonProgramsFolder(strPrograms) : GetUserProgramsFolder(strPrograms);
    if (!bKnown || strPrograms.IsEmpty())
        return FALSE;
    JoinPath(strGroupFolder, strPrograms, LoadText(IDS_MAKER_FOLDER));
    return MakeShortcutPath(TRUE, strGroupFolder, strPath);
}

void CInstallationRecord::RefreshShellFolder(int nKind)
{
    CString strFolder;
    BOOL bKnown = FALSE;
    switch (nKind)
    {
    case shellUserStartMenu:
    case shellCommonStartMenu:
        bKnown = GetStartMenuFolder(nKind == shellCommonStartMenu, strFolder);
        break;
    case shellDesktop:
        bKnown = GetDesktopFolder(strFolder);
        break;
    default:
        return;
    }
    if (bKnown && !strFolder.IsEmpty())
        ::SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA, (LPCTSTR)strFolder, nullptr);
}

BOOL CInstallationRecord::InstallFile(LPCTSTR lpszTarget, UINT nResourceId, const VS_FIXEDFILEINFO* pVersion,
                                      LPCTSTR lpszResourceType)
{
    VS_FIXEDFILEINFO existing;
    if (pVersion != nullptr && FileExists(lpszTarget) && GetFileFixedVersion(lpszTarget, existing) &&
        CompareFileVersions(&existing, pVersion) == versionFirstNewer)
    {
        CString strQuestion;
        strQuestion.FormatMessage(IDS_INSTALL_NEWER_FILE, lpszTarget);
        if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return TRUE;
    }
    return WriteResourceToFile(lpszTarget, nResourceId, lpszResourceType);
}

HWND CInstallationRecord::FindClientWindow(LPCTSTR lpszWindowClass)
{
    if (lpszWindowClass == nullptr || *lpszWindowClass == '\0')
        return nullptr;
    return ::FindWindowA(lpszWindowClass, nullptr);
}

int CInstallationRecord::ShowDisplayNameMessage(UINT nIDMessage, UINT nType)
{
    CString strMessage;
    strMessage.FormatMessage(nIDMessage, (LPCTSTR)m_strDisplayName);
    return AfxMessageBox(strMessage, nType);
}

int CInstallationRecord::AskOldOsWarning(UINT nIDMessage)
{
    if (nIDMessage == 0)
        return IDYES;
    const CString strOs = OsName();
    CString strMessage, strHeading, strCaption;
    strMessage.FormatMessage(nIDMessage, (LPCTSTR)strOs);
    strHeading.FormatMessage(IDS_OLD_OS_HEADING, (LPCTSTR)strOs);
    strCaption.Format(LoadText(IDS_OLD_OS_CAPTION), (LPCTSTR)strOs);
    CChoiceMessageDialog dlg(strMessage);
    dlg.SetHeading(strHeading);
    dlg.SetCaption(strCaption);
    dlg.SetButtons(messageButtonsYesNo, messageIconWarning, 0);
    return (int)dlg.DoModal();
}
