#include "uninstall/UninstallBaseDialog.h"

#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "install/DisableControlsScope.h"
#include "install/InstallResourceIds.h"
#include "install/UninstallRules.h"

IMPLEMENT_DYNAMIC(CUninstallBaseDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CUninstallBaseDialog, CBaseDialog)
END_MESSAGE_MAP()

CUninstallBaseDialog::CUninstallBaseDialog(UINT nIDTemplate, LPCTSTR lpszProductKey, LPCTSTR lpszAppName,
                                           LPCTSTR lpszDisplayName, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId),
      CInstallationRecord(lpszProductKey, lpszAppName, lpszDisplayName)
{
}

CUninstallBaseDialog::~CUninstallBaseDialog() {}

LPCTSTR CUninstallBaseDialog::GetClientWindowClass()
{
    return nullptr;
}

BOOL CUninstallBaseDialog::CheckClientNotRunning()
{
    HWND hWnd = FindClientWindow(GetClientWindowClass());
    return hWnd == nullptr || ReportClientRunning(CWnd::FromHandle(hWnd));
}

void CUninstallBaseDialog::FinishUninstall()
{
    RemoveTempLeftovers("");
}

BOOL CUninstallBaseDialog::ReportClientRunning(CWnd*)
{
    ShowDisplayNameMessage(IDS_UNINSTALL_CLIENT_RUNNING, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

BOOL CUninstallBaseDialog::RemoveStartMenuShortcut(BOOL bAllUsers)
{
    if (!CInstallationRecord::RemoveStartMenuShortcut(bAllUsers))
        return FALSE;
    RefreshShellFolder(bAllUsers ? shellCommonStartMenu : shellUserStartMenu);
    return TRUE;
}

BOOL CUninstallBaseDialog::RemoveDesktopShortcut()
{
    if (!CInstallationRecord::RemoveDesktopShortcut())
        return FALSE;
    RefreshShellFolder(shellDesktop);
    return TRUE;
}

void CUninstallBaseDialog::EnableControls(BOOL bEnable)
{
    if (CMenu* pMenu = GetSystemMenu(FALSE))
        pMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
}

void CUninstallBaseDialog::RunUninstall()
{
    CDisableControlsScope disabled(this);
    if (!CheckClientNotRunning())
        return;

    CUninstallOutcome outcome;
    outcome.Note(uninstallFiles, DeleteProgramFile());
    if (outcome.ShouldRun(uninstallRegistry))
        outcome.Note(uninstallRegistry, Unregister());
    if (outcome.ShouldRun(uninstallStartup))
    {
        outcome.Note(uninstallStartup, RemoveStartupShortcut());
        // Both sides are tried; the step holds only when both went.
        const BOOL bUser = RemoveStartMenuShortcut(FALSE);
        const BOOL bCommon = RemoveStartMenuShortcut(TRUE);
        outcome.Note(uninstallStartMenu, bUser && bCommon);
        outcome.Note(uninstallDesktop, RemoveDesktopShortcut());
    }
    FinishUninstall();
    const UINT nMessage = outcome.GetMessageId();
    AfxMessageBox(nMessage, MB_OK | (nMessage == IDS_UNINSTALL_DONE ? MB_ICONINFORMATION : MB_ICONSTOP));
}
