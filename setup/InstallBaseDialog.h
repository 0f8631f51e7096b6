#ifndef TANZO_SETUP_INSTALLBASEDIALOG_H
#define TANZO_SETUP_INSTALLBASEDIALOG_H

// CInstallBaseDialog: the dialog an install runs in. It checks the user's
// choices and the folder, writes the carried files with progress, records
// the installation, makes or removes the shortcuts and closes itself: IDOK
// after a completed install, IDCANCEL when copying or recording failed.
// Every refusal before the copying leaves it open and enabled.

#include "afx/List.h"
#include "app/BaseDialog.h"
#include "install/CarriedFile.h"
#include "install/InstallationRecord.h"

class CInstallBaseDialog : public CBaseDialog, public CInstallationRecord
{
    DECLARE_DYNAMIC(CInstallBaseDialog)
public:
    CInstallBaseDialog(UINT nIDTemplate, LPCTSTR lpszProductKey, LPCTSTR lpszProductName,
                       LPCTSTR lpszDisplayName, CWnd* pParentWnd, UINT nHelpId);
    ~CInstallBaseDialog() override;

    using CWnd::GetWindow;

    BOOL OnInitDialog() override;

    // The choices of the derived dialog's controls.
    virtual BOOL IsStartMenuChecked() = 0;
    virtual BOOL IsDesktopChecked() = 0;
    // The window class of a running client that stops the install; none
    // by default.
    virtual LPCTSTR GetClientWindowClass();
    virtual void SetFolderText(LPCTSTR lpszFolder);
    virtual void FocusFolderEdit();
    virtual void FocusStartMenuCheck();
    // Fills the carried-file list for the folder as typed.
    virtual void AddCarriedFiles(LPCTSTR lpszFolder);
    // TRUE when the folder exists or the user let it be made (452, 450).
    virtual BOOL EnsureFolderExists(LPCTSTR lpszFolder);
    virtual BOOL CheckClientNotRunning();
    // The last steps before the closing message: the leftovers of earlier
    // runs in the temporary folder.
    virtual void FinishInstall(LPCTSTR lpszFolder, LPCTSTR lpszProgramFileName);
    // 538; FALSE: the install stops.
    virtual BOOL ReportClientRunning(CWnd* pWnd);
    virtual void ReportFileProgress(int nIndex, LPCTSTR lpszFileName);

    // The Close item of the system menu too.
    void EnableControls(BOOL bEnable) override;
    // With the start-menu box: the shortcut of the other scope goes first;
    // without: both go. The shell hears of both start menus.
    BOOL CreateStartMenuShortcut(LPCTSTR lpszTarget, BOOL bAllUsers) override;
    // With the desktop box the shortcut, else its removal.
    BOOL CreateDesktopShortcut(LPCTSTR lpszTarget) override;

    // The install; TRUE when completed. An uninstaller file name that is
    // empty or null records no removal entry.
    BOOL RunInstall(LPCTSTR lpszFolder, LPCTSTR lpszProgramFileName, LPCTSTR lpszUninstallerFileName);

    void AddCarriedFile(CCarriedFile* pFile) { m_carriedFiles.AddTail(pFile); }
    void ClearCarriedFiles();
    const CPtrList& GetCarriedFiles() const { return m_carriedFiles; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    CPtrList m_carriedFiles;
};

#endif // TANZO_SETUP_INSTALLBASEDIALOG_H
