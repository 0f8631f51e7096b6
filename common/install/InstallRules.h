#ifndef TANZO_INSTALL_INSTALLRULES_H
#define TANZO_INSTALL_INSTALLRULES_H

// The installer's decisions over the user's choices: the shortcut boxes and
// their stored value, the install folder as typed, the default folder and
// the command that removes the installation.

#include "afx/String.h"
#include "afx/wintypes.h"

// Bits of the stored shortcut choice ("ToggleVal").
enum
{
    shortcutStartMenu = 0x1,
    shortcutDesktop = 0x2,
    shortcutDefault = shortcutStartMenu | shortcutDesktop
};

int ShortcutChoicesToValue(BOOL bStartMenu, BOOL bDesktop);
// Bits other than the two are ignored.
void ShortcutChoicesFromValue(int nValue, BOOL& bStartMenu, BOOL& bDesktop);

// Checks a request to install: 0 when it may go on, else the message that
// refuses it: 465 (no shortcut kind), 447 (no folder), 448 (no drive or
// UNC share first), 449 (an empty folder name or one with / " ? * < > | :).
// strFolder is then the typed folder without one trailing backslash.
UINT CheckInstallRequest(BOOL bStartMenu, BOOL bDesktop, LPCTSTR lpszTyped, CString& strFolder);

// The stored folder, else <program files>\Velmar Soft\<product folder>;
// FALSE (and empty) when neither is known.
BOOL DefaultInstallFolder(LPCTSTR lpszStored, LPCTSTR lpszProgramFiles, LPCTSTR lpszProductFolder,
                          CString& strFolder);

// The uninstaller in the folder, quoted: the system runs an unquoted path
// with blanks as its first word. Empty without a file name.
CString MakeUninstallCommand(LPCTSTR lpszFolder, LPCTSTR lpszUninstallerFileName);

#endif // TANZO_INSTALL_INSTALLRULES_H
