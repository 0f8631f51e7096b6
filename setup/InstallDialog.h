#ifndef TANZO_SETUP_INSTALLDIALOG_H
#define TANZO_SETUP_INSTALLDIALOG_H

// CInstallDialog: the installer's one window. The user picks the folder
// and the shortcut kinds (kept as "ToggleVal"); Install runs the install
// of the client and the uninstaller it carries.

#include "afx/CommonControls.h"
#include "afx/Controls.h"
#include "app/DecorateStatic.h"
#include "controls/CommEdit.h"
#include "setup/InstallBaseDialog.h"

class CInstallDialog : public CInstallBaseDialog
{
    DECLARE_DYNAMIC(CInstallDialog)
public:
    explicit CInstallDialog(CWnd* pParentWnd = nullptr);
    ~CInstallDialog() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;
    void AdjustSystemMenu(CMenu* pSystemMenu) override;

    BOOL IsStartMenuChecked() override;
    BOOL IsDesktopChecked() override;
    LPCTSTR GetClientWindowClass() override;
    void SetFolderText(LPCTSTR lpszFolder) override;
    void FocusFolderEdit() override;
    void FocusStartMenuCheck() override;
    void AddCarriedFiles(LPCTSTR lpszFolder) override;
    void FinishInstall(LPCTSTR lpszFolder, LPCTSTR lpszProgramFileName) override;
    void ReportFileProgress(int nIndex, LPCTSTR lpszFileName) override;
    void EnableControls(BOOL bEnable) override;

protected:
    afx_msg void OnBrowse();
    afx_msg void OnInstall();
    DECLARE_MESSAGE_MAP()

private:
    void SetStatusText(LPCTSTR lpszText);

    CProgressCtrl m_progress;
    CCommEdit m_folder;
    CDecorateStatic m_status;
    CDecorateStatic m_version;
};

#endif // TANZO_SETUP_INSTALLDIALOG_H
