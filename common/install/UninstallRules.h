#ifndef TANZO_INSTALL_UNINSTALLRULES_H
#define TANZO_INSTALL_UNINSTALLRULES_H

// The uninstaller's decisions: which recorded program file it may delete,
// which removal steps run after a failure, and the one message that ends
// the run.

#include "afx/String.h"
#include "afx/wintypes.h"

// TRUE when the recorded "Path" names the program file in the recorded
// install folder (full paths, compared without case; a trailing backslash
// of the folder ignored). With no folder, any path whose file name is the
// program's. Anything else is never deleted: the value may have been
// changed by hand or by other software.
BOOL IsInstalledProgramPath(LPCTSTR lpszPath, LPCTSTR lpszFolder, LPCTSTR lpszProgramFileName);

// The removal steps in their order.
enum UninstallStep
{
    uninstallFiles,
    uninstallRegistry,
    uninstallStartup,
    uninstallStartMenu,
    uninstallDesktop
};

// The outcome of a run, step by step: the first failure is kept, except
// that the start menu's replaces the start-up folder's; the desktop's
// counts only when nothing failed before. A failed file step skips the
// registry and the shortcuts, a failed registry step the shortcuts.
class CUninstallOutcome
{
public:
    BOOL ShouldRun(UninstallStep step) const;
    void Note(UninstallStep step, BOOL bSucceeded);
    // The message of the first failure, else the one of a complete run.
    UINT GetMessageId() const;

private:
    UINT m_nError = 0;
    BOOL m_bFilesFailed = FALSE;
    BOOL m_bRegistryFailed = FALSE;
};

#endif // TANZO_INSTALL_UNINSTALLRULES_H
