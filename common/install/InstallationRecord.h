#ifndef TANZO_INSTALL_INSTALLATIONRECORD_H
#define TANZO_INSTALL_INSTALLATIONRECORD_H

// CInstallationRecord: what an installation of the client leaves on the
// system, and how each piece is written and removed (Windows builds): the
// program files, the values "Path" and "Dir" under the "Installation"
// subkey of the product key (HKEY_CURRENT_USER), the system's removal entry
// (HKEY_LOCAL_MACHINE ...\Uninstall\<product name>), the shortcuts named by
// the display name in the start menu's maker folder (string 436), on the
// desktop and in the start-up folder, the profile's settings subkeys and a
// leftover folder in the temporary folder.
//
// The installer's and the uninstaller's dialogs derive from it as their
// second base, call its steps in their own order and override a step where
// they add to it. Every step reports by its BOOL; only the shortcut steps
// (745, 746), InstallFile (question 744) and AskOldOsWarning show anything.

#include "afx/String.h"
#include "afx/wintypes.h"

class CInstallationRecord
{
public:
    // Kinds of RefreshShellFolder.
    enum
    {
        shellUserStartMenu = 0,
        shellCommonStartMenu = 1,
        shellDesktop = 2
    };

    // The product key is a path below HKEY_CURRENT_USER; the product name
    // names the removal entry and the default leftovers folder; the display
    // name the removal entry's "DisplayName" and the shortcuts.
    CInstallationRecord(LPCTSTR lpszProductKey, LPCTSTR lpszProductName, LPCTSTR lpszDisplayName);
    virtual ~CInstallationRecord();

    // The file named by "Path", only when it is the program file in the
    // "Dir" folder (IsInstalledProgramPath): TRUE when there is no such
    // value, when it names another file (which stays), when the file is
    // absent or was deleted.
    virtual BOOL DeleteProgramFile();
    // The shortcut in the maker folder of the user's or all users' programs
    // folder, which is made when missing; 745 when the programs folder is
    // unknown.
    virtual BOOL CreateStartMenuShortcut(LPCTSTR lpszTarget, BOOL bAllUsers);
    // Deletes that shortcut (TRUE when absent) and then the maker folder
    // when it is empty.
    virtual BOOL RemoveStartMenuShortcut(BOOL bAllUsers);
    // 746 when the desktop folder is unknown.
    virtual BOOL CreateDesktopShortcut(LPCTSTR lpszTarget);
    // TRUE when the shortcut is absent or was deleted; FALSE when the
    // folder is unknown.
    virtual BOOL RemoveDesktopShortcut();
    virtual BOOL RemoveStartupShortcut();
    // The folder of that name (empty: the product name) in the temporary
    // folder, with everything in it; TRUE when there is no such folder.
    virtual BOOL RemoveTempLeftovers(LPCTSTR lpszName);
    // "Path" and "Dir", then, with an uninstall command, the removal entry's
    // eight values. The first failure ends it; what was written stays.
    virtual BOOL Register(LPCTSTR lpszFolder, LPCTSTR lpszProgramPath, LPCTSTR lpszUninstallCommand);
    // The product key's settings subkeys and the removal entry; the product
    // key and its "Installation" values stay. A key that is not there
    // counts as deleted; FALSE on any other error.
    virtual BOOL Unregister();
    // Deletes the subkeys "Default", "Settings", "WindowState", "Dialog",
    // "Bar", "Recent File List" and "Installer" of the key, each with
    // everything below it; the first error other than a missing key, else
    // ERROR_SUCCESS.
    virtual LONG RemoveProductSubkeys(HKEY hKey);
    // The dialogs enable or disable their controls.
    virtual void EnableControls(BOOL bEnable);

    // A value under HKEY_CURRENT_USER\<product key>\Installation (at most
    // 260 bytes); FALSE (and empty) when it cannot be read.
    BOOL GetInstallationValue(LPCTSTR lpszName, CString& strValue) const;
    BOOL GetProgramPath(CString& strPath) const;
    // <folder>\<display name>.lnk; FALSE when the folder is unknown.
    BOOL GetDesktopShortcutPath(CString& strPath) const;
    BOOL GetStartupShortcutPath(CString& strPath) const;
    // The maker folder and the shortcut in it; FALSE when the programs
    // folder is unknown.
    BOOL GetStartMenuShortcutPath(BOOL bAllUsers, CString& strGroupFolder, CString& strPath) const;
    // Tells the shell that a folder changed (kinds above).
    void RefreshShellFolder(int nKind);
    // Writes a carried file. With a version block, over a file whose own
    // version is newer, question 744 comes first: any answer but Yes
    // keeps the file, which counts as written.
    BOOL InstallFile(LPCTSTR lpszTarget, UINT nResourceId, const VS_FIXEDFILEINFO* pVersion,
                     LPCTSTR lpszResourceType);
    // The top-level window of that class; null when there is none or no
    // class is named.
    static HWND FindClientWindow(LPCTSTR lpszWindowClass);
    // Message nIDMessage with the display name as its insert.
    int ShowDisplayNameMessage(UINT nIDMessage, UINT nType);
    // The old-system warning on the program's own box: message nIDMessage,
    // heading 747 and caption 748, all with the system's name; IDYES at
    // once for 0. The button pressed.
    int AskOldOsWarning(UINT nIDMessage);

    const CString& GetProductKey() const { return m_strProductKey; }
    const CString& GetProductName() const { return m_strProductName; }
    const CString& GetDisplayName() const { return m_strDisplayName; }
    void SetDisplayName(LPCTSTR lpszDisplayName) { m_strDisplayName = lpszDisplayName; }
    // The installed program's file name, which "Path" must end in; none:
    // "Path" is never followed.
    void SetProgramFileName(LPCTSTR lpszFileName) { m_strProgramFileName = lpszFileName; }
    const CString& GetProgramFileName() const { return m_strProgramFileName; }

protected:
    // <folder>\<display name>.lnk
    BOOL MakeShortcutPath(BOOL bFolderKnown, const CString& strFolder, CString& strPath) const;

    CString m_strProductKey;
    CString m_strProductName;
    CString m_strDisplayName;
    CString m_strProgramFileName;

private:
    CInstallationRecord(const CInstallationRecord&) = delete;
    CInstallationRecord& operator=(const CInstallationRecord&) = delete;
};

#endif // TANZO_INSTALL_INSTALLATIONRECORD_H
