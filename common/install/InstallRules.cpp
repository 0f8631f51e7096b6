#include "install/InstallRules.h"

#include "afx/Collections.h"
#include "app/AppComm.h"
#include "install/InstallResourceIds.h"
#include "text/PathUtil.h"
#include "text/TextCut.h"

namespace
{
const char kForbiddenInFolderName[] = "/\"?*<>|:";

BOOL IsDrivePart(const CString& part)
{
    return IsUncPath(part) || (part.GetLength() == 2 && part[1] == ':');
}
} // namespace

int ShortcutChoicesToValue(BOOL bStartMenu, BOOL bDesktop)
{
    return (bStartMenu ? shortcutStartMenu : 0) | (bDesktop ? shortcutDesktop : 0);
}

void ShortcutChoicesFromValue(int nValue, BOOL& bStartMenu, BOOL& bDesktop)
{
    bStartMenu = (nValue & shortcutStartMenu) != 0;
    bDesktop = (nValue & shortcutDesktop) != 0;
}

UINT CheckInstallRequest(BOOL bStartMenu, BOOL bDesktop, LPCTSTR lpszTyped, CString& strFolder)
{
    strFolder = lpszTyped != nullptr ? lpszTyped : "";
    if (!bStartMenu && !bDesktop)
        return IDS_INSTALL_NO_SHORTCUT_KIND;
    if (strFolder.IsEmpty())
        return IDS_INSTALL_FOLDER_EMPTY;
    RemoveTrailingBackslash(strFolder);

    CStringList parts;
    SplitPath(strFolder, parts);
    POSITION pos = parts.GetHeadPosition();
    if (pos == nullptr || !IsDrivePart(parts.GetNext(pos)))
        return IDS_INSTALL_FOLDER_BAD_DRIVE;
    while (pos != nullptr)
    {
        const CString& part = parts.GetNext(pos);
        // FindOneOf steps over two-byte characters: "ポ" ends in the byte of '|'.
        if (part.IsEmpty() || part.FindOneOf(kForbiddenInFolderName) >= 0)
            return IDS_INSTALL_FOLDER_BAD_CHARACTER;
    }
    return 0;
}

BOOL DefaultInstallFolder(LPCTSTR lpszStored, LPCTSTR lpszProgramFiles, LPCTSTR lpszProductFolder,
                          CString& strFolder)
{
    strFolder.Empty();
    if (lpszStored != nullptr && *lpszStored != '\0')
        strFolder = lpszStored;
    else if (lpszProgramFiles != nullptr && *lpszProgramFiles != '\0')
    {
        JoinPath(strFolder, lpszProgramFiles, g_szCompanyName);
        JoinPath(strFolder, strFolder, lpszProductFolder);
    }
    return !strFolder.IsEmpty();
}

CString MakeUninstallCommand(LPCTSTR lpszFolder, LPCTSTR lpszUninstallerFileName)
{
    if (lpszUninstallerFileName == nullptr || *lpszUninstallerFileName == '\0')
        return CString();
    CString strPath;
    JoinPath(strPath, lpszFolder, lpszUninstallerFileName);
    return QuoteWith(strPath, '"');
}
