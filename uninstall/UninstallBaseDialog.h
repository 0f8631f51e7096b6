#ifndef TANZO_UNINSTALL_UNINSTALLBASEDIALOG_H
#define TANZO_UNINSTALL_UNINSTALLBASEDIALOG_H

// CUninstallBaseDialog: the dialog a removal runs in. Unless the client
// runs, it removes the program files, the registry entries and the
// shortcuts in this order, each only when what it depends on went, and
// tells the first failure or that all is done.

#include "app/BaseDialog.h"
#include "install/InstallationRecord.h"

class CUninstallBaseDialog : public CBaseDialog, public CInstallationRecord
{
    DECLARE_DYNAMIC(CUninstallBaseDialog)
public:
    CUninstallBaseDialog(UINT nIDTemplate, LPCTSTR lpszProductKey, LPCTSTR lpszAppName,
                         LPCTSTR lpszDisplayName, CWnd* pParentWnd, UINT nHelpId);
    ~CUninstallBaseDialog() override;

    using CWnd::GetWindow;

    // The window class of a running client that stops the removal; none
    // by default.
    virtual LPCTSTR GetClientWindowClass();
    virtual BOOL CheckClientNotRunning();
    // After every run that passed the check: the leftovers in the
    // temporary folder.
    virtual void FinishUninstall();
    // 543; FALSE: nothing is removed.
    virtual BOOL ReportClientRunning(CWnd* pWnd);

    // The shell hears of each side that went.
    BOOL RemoveStartMenuShortcut(BOOL bAllUsers) override;
    BOOL RemoveDesktopShortcut() override;
    // The Close item of the system menu.
    void EnableControls(BOOL bEnable) override;

    // The removal and its one message.
    void RunUninstall();

protected:
    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_UNINSTALL_UNINSTALLBASEDIALOG_H
