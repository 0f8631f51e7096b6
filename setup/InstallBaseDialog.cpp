#include "setup/InstallBaseDialog.h"

#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "afx/RegKey.h"
#include "afx/WinThread.h"
#include "app/AppComm.h"
#include "install/DisableControlsScope.h"
#include "install/FileNameParts.h"
#include "install/InstallResourceIds.h"
#include "install/InstallRules.h"
#include "install/SystemFolders.h"
#include "install/VersionRules.h"
#include "setup/SetupResourceIds.h"
#include "text/PathUtil.h"
#include "text/SystemInfo.h"

#include <shlobj.h>

#include <chrono>
#include <thread>

IMPLEMENT_DYNAMIC(CInstallBaseDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CInstallBaseDialog, CBaseDialog)
END_MESSAGE_MAP()

namespace
{
const int kFinalPumpRounds = 5;
const int kFinalPumpPauseMs = 100;
} // namespace

CInstallBaseDialog::CInstallBaseDialog(UINT nIDTemplate, LPCTSTR lpszProductKey, LPCTSTR lpszProductName,
                                       LPCTSTR lpszDisplayName, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId),
      CInstallationRecord(lpszProductKey, lpszProductName, lpszDisplayName)
{
}

CInstallBaseDialog::~CInstallBaseDialog()
{
    ClearCarriedFiles();
}

BOOL CInstallBaseDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (IsUnsupportedWindows())
    {
        CString strOs, strMessage;
        GetOsName(strOs, TRUE);
        strMessage.FormatMessage(IDS_INSTALL_UNSUPPORTED_OS, (LPCTSTR)strOs);
        AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    CString strStored, strProgramFiles, strFolder;
    GetInstallationValue("Dir", strStored);
    GetProgramFilesFolder(strProgramFiles);
    DefaultInstallFolder(strStored, strProgramFiles, GetProductName(), strFolder);
    SetFolderText(strFolder);
    return TRUE;
}

LPCTSTR CInstallBaseDialog::GetClientWindowClass()
{
    return nullptr;
}

void CInstallBaseDialog::SetFolderText(LPCTSTR) {}

void CInstallBaseDialog::FocusFolderEdit() {}

void CInstallBaseDialog::FocusStartMenuCheck() {}

void CInstallBaseDialog::AddCarriedFiles(LPCTSTR) {}

void CInstallBaseDialog::ClearCarriedFiles()
{
    for (POSITION pos = m_carriedFiles.GetHeadPosition(); pos != nullptr;)
        delete static_cast<CCarriedFile*>(m_carriedFiles.GetNext(pos));
    m_carriedFiles.RemoveAll();
}

BOOL CInstallBaseDialog::EnsureFolderExists(LPCTSTR lpszFolder)
{
    if (FileExists(lpszFolder))
        return TRUE;
    CString strQuestion;
    strQuestion.FormatMessage(IDS_INSTALL_FOLDER_MISSING, lpszFolder);
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    if (!CreateFolderTree(lpszFolder))
    {
        AfxMessageBox(IDS_INSTALL_FOLDER_CREATE_FAILED, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

BOOL CInstallBaseDialog::CheckClientNotRunning()
{
    HWND hWnd = FindClientWindow(GetClientWindowClass());
    return hWnd == nullptr || ReportClientRunning(CWnd::FromHandle(hWnd));
}

BOOL CInstallBaseDialog::ReportClientRunning(CWnd*)
{
    ShowDisplayNameMessage(IDS_INSTALL_CLIENT_RUNNING, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

void CInstallBaseDialog::FinishInstall(LPCTSTR, LPCTSTR lpszProgramFileName)
{
    CString strTitle;
    if (GetFileTitleNoExt(lpszProgramFileName, strTitle))
        RemoveTempLeftovers(strTitle);
}

void CInstallBaseDialog::ReportFileProgress(int, LPCTSTR) {}

void CInstallBaseDialog::EnableControls(BOOL bEnable)
{
    if (CMenu* pMenu = GetSystemMenu(FALSE))
        pMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
}

BOOL CInstallBaseDialog::CreateStartMenuShortcut(LPCTSTR lpszTarget, BOOL bAllUsers)
{
    BOOL bResult = TRUE;
    if (IsStartMenuChecked())
    {
        RemoveStartMenuShortcut(!bAllUsers);
        bResult = CInstallationRecord::CreateStartMenuShortcut(lpszTarget, bAllUsers);
    }
    else
    {
        RemoveStartMenuShortcut(FALSE);
        RemoveStartMenuShortcut(TRUE);
    }
    RefreshShellFolder(shellUserStartMenu);
    RefreshShellFolder(shellCommonStartMenu);
    return bResult;
}

BOOL CInstallBaseDialog::CreateDesktopShortcut(LPCTSTR lpszTarget)
{
    const BOOL bChecked = IsDesktopChecked();
    const BOOL bResult =
        bChecked ? CInstallationRecord::CreateDesktopShortcut(lpszTarget) : RemoveDesktopShortcut();
    if (bResult)
    {
        RefreshShellFolder(shellDesktop);
        if (bChecked)
            ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
    }
    return bResult;
}

BOOL CInstallBaseDialog::RunInstall(LPCTSTR lpszFolder, LPCTSTR lpszProgramFileName,
                                    LPCTSTR lpszUninstallerFileName)
{
    CDisableControlsScope disabled(this);

    CString strFolder;
    const UINT nRefusal =
        CheckInstallRequest(IsStartMenuChecked(), IsDesktopChecked(), lpszFolder, strFolder);
    if (nRefusal != 0)
    {
        AfxMessageBox(nRefusal, MB_OK | MB_ICONEXCLAMATION);
        disabled.Enable(TRUE);
        if (nRefusal == IDS_INSTALL_NO_SHORTCUT_KIND)
            FocusStartMenuCheck();
        else
            FocusFolderEdit();
        return FALSE;
    }
    if (!EnsureFolderExists(strFolder) || !CheckClientNotRunning())
        return FALSE;
    if (AfxMessageBox(IDS_INSTALL_CONFIRM, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    ClearCarriedFiles();
    AddCarriedFiles(lpszFolder);
    int nIndex = 0;
    for (POSITION pos = m_carriedFiles.GetHeadPosition(); pos != nullptr; ++nIndex)
    {
        const auto* pFile = static_cast<const CCarriedFile*>(m_carriedFiles.GetNext(pos));
        if (!InstallFile(pFile->GetTargetPath(), pFile->GetResourceId(), pFile->GetVersion(),
                         pFile->GetResourceType()))
        {
            CString strMessage;
            strMessage.FormatMessage(IDS_INSTALL_COPY_FAILED, (LPCTSTR)pFile->GetTargetPath());
            AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
            EndDialog(IDCANCEL);
            return FALSE;
        }
        CString strFileName;
        GetFileNamePart(pFile->GetTargetPath(), strFileName);
        ReportFileProgress(nIndex, strFileName);
        PumpMessages(AfxGetThread());
    }

    CString strProgramPath;
    JoinPath(strProgramPath, strFolder, lpszProgramFileName);
    const CString strUninstallCommand = MakeUninstallCommand(strFolder, lpszUninstallerFileName);
    if (!Register(strFolder, strProgramPath,
                  strUninstallCommand.IsEmpty() ? nullptr : (LPCTSTR)strUninstallCommand))
    {
        AfxMessageBox(IDS_INSTALL_REGISTER_FAILED, MB_OK | MB_ICONSTOP);
        EndDialog(IDCANCEL);
        return FALSE;
    }
    if (!CreateStartMenuShortcut(strProgramPath, FALSE))
        AfxMessageBox(IDS_INSTALL_START_MENU_FAILED, MB_OK | MB_ICONEXCLAMATION);
    if (!CreateDesktopShortcut(strProgramPath))
        AfxMessageBox(IDS_INSTALL_DESKTOP_FAILED, MB_OK | MB_ICONEXCLAMATION);
    FinishInstall(strFolder, lpszProgramFileName);
    // The status line and the bar repaint before the closing message.
    for (int i = 0; i < kFinalPumpRounds; ++i)
    {
        PumpMessages(AfxGetThread());
        std::this_thread::sleep_for(std::chrono::milliseconds(kFinalPumpPauseMs));
    }
    AfxMessageBox(IDS_INSTALL_DONE, MB_OK | MB_ICONINFORMATION);
    EndDialog(IDOK);
    return TRUE;
}
