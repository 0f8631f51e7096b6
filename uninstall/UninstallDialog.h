#ifndef TANZO_UNINSTALL_UNINSTALLDIALOG_H
#define TANZO_UNINSTALL_UNINSTALLDIALOG_H

// CUninstallDialog: the uninstaller's one window. Yes removes the client
// (with the user's data when the box is ticked, kept as "ToggleVal") and
// closes it; No closes it.

#include "uninstall/UninstallBaseDialog.h"

class CUninstallDialog : public CUninstallBaseDialog
{
    DECLARE_DYNAMIC(CUninstallDialog)
public:
    explicit CUninstallDialog(CWnd* pParentWnd = nullptr);
    ~CUninstallDialog() override;

    BOOL OnInitDialog() override;
    void SetStandardToolTips() override;

    LPCTSTR GetClientWindowClass() override;
    void FinishUninstall() override;
    void EnableControls(BOOL bEnable) override;

    // The program files and, when ticked, the user's data.
    BOOL DeleteProgramFile() override;
    // The settings of this product and of the two before it, and the
    // removal entry; only this product's count.
    BOOL Unregister() override;

protected:
    void OnOK() override;

private:
    BOOL IsUserDataChecked() const;
};

#endif // TANZO_UNINSTALL_UNINSTALLDIALOG_H
