#include "setup/InstallDialog.h"

#include "afx/DataExchange.h"
#include "afx/LoadText.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "controls/ControlsResourceIds.h"
#include "install/FolderPicker.h"
#include "install/InstallResourceIds.h"
#include "install/InstallRules.h"
#include "install/VersionRules.h"
#include "res/versions.h"
#include "setup/SetupResourceIds.h"
#include "text/PathUtil.h"
#include "text/SystemInfo.h"

IMPLEMENT_DYNAMIC(CInstallDialog, CInstallBaseDialog)

BEGIN_MESSAGE_MAP(CInstallDialog, CInstallBaseDialog)
ON_BN_CLICKED(IDC_INSTALL_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_INSTALL_RUN, OnInstall)
END_MESSAGE_MAP()

namespace
{
const char kToggleKey[] = "ToggleVal";
const char kClientFileName[] = "tanzo.exe";
const char kUninstallerFileName[] = "tanzo-uninstall.exe";
const char kCarriedType[] = "BINARY";
const COLORREF kHeadingText = RGB(107, 146, 96);
const COLORREF kHeadingBack = RGB(202, 242, 122);

VS_FIXEDFILEINFO ClientVersion()
{
    const DWORD ms = MAKELONG(TANZO_CLIENT_VERSION_MINOR, TANZO_CLIENT_VERSION_MAJOR);
    const DWORD ls = MAKELONG(TANZO_CLIENT_VERSION_REVISION, TANZO_CLIENT_VERSION_BUILD);
    return MakeVersionBlock(ms, ls, ms, ls);
}

VS_FIXEDFILEINFO UninstallerVersion()
{
    const DWORD ms = MAKELONG(TANZO_UNINSTALL_VERSION_MINOR, TANZO_UNINSTALL_VERSION_MAJOR);
    const DWORD ls = MAKELONG(TANZO_UNINSTALL_VERSION_REVISION, TANZO_UNINSTALL_VERSION_BUILD);
    return MakeVersionBlock(ms, ls, ms, ls);
}

} // namespace

CInstallDialog::CInstallDialog(CWnd* pParentWnd)
    : CInstallBaseDialog(IDD_INSTALL, "Software\\Velmar Soft\\Tanzo3", "Tanzo", "", pParentWnd,
                         IDR_INSTALL_HELP)
{
    SetDisplayName(LoadText(IDS_PRODUCT_DISPLAY_NAME));
    // Install and Cancel have tips of their own.
    ClearDialogOption(dialogStandardTips);
}

CInstallDialog::~CInstallDialog() {}

void CInstallDialog::DoDataExchange(CDataExchange* pDX)
{
    CInstallBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INSTALL_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_INSTALL_FOLDER, m_folder);
    DDX_Control(pDX, IDC_INSTALL_STATUS, m_status);
    DDX_Control(pDX, IDC_INSTALL_VERSION, m_version);
}

BOOL CInstallDialog::OnInitDialog()
{
    CInstallBaseDialog::OnInitDialog();
    BOOL bStartMenu = FALSE, bDesktop = FALSE;
    ShortcutChoicesFromValue(GetSettingInt(kToggleKey, shortcutDefault), bStartMenu, bDesktop);
    CheckDlgButton(IDC_INSTALL_START_MENU, bStartMenu ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_INSTALL_DESKTOP, bDesktop ? BST_CHECKED : BST_UNCHECKED);

    m_status.SetTextColor(kHeadingText);
    m_status.SetBkColor(kHeadingBack);
    m_status.SetStyleBits(CDecorateStatic::styleBold);

    const VS_FIXEDFILEINFO version = ClientVersion();
    CString strVersion;
    strVersion.Format("Version %s",
                      (LPCTSTR)VersionTextFromWords(version.dwFileVersionMS, version.dwFileVersionLS));
    m_version.SetText(strVersion);
    m_version.SetWindowText(strVersion);
    m_version.SetStyleBits(CDecorateStatic::styleBold | CDecorateStatic::styleFrame);
    m_version.SetTextColor(kHeadingText);
    m_version.SetBkColor(kHeadingBack);
    m_version.SetFrameColor(kHeadingText);
    m_version.SetHorzMargins(5);
    m_version.SetVertMargins(3);
    m_version.Invalidate();

    CContextMenuExclusionList::AddTail(IDC_INSTALL_FOLDER);
    SetWindowText(AfxGetApp()->m_pszAppName);
    return TRUE;
}

void CInstallDialog::SetStandardToolTips()
{
    CInstallBaseDialog::SetStandardToolTips();
    AddToolTipById(IDC_INSTALL_RUN, IDS_TIP_INSTALL_RUN);
    AddToolTipById(IDCANCEL, IDS_TIP_INSTALL_CANCEL);
    AddToolTipById(IDC_INSTALL_DESKTOP, IDS_TIP_INSTALL_DESKTOP);
    AddToolTipById(IDC_INSTALL_START_MENU, IDS_TIP_INSTALL_START_MENU);
    AddToolTipById(IDC_INSTALL_FOLDER, IDS_TIP_INSTALL_FOLDER);
    AddToolTipById(IDC_INSTALL_BROWSE, IDS_TIP_INSTALL_BROWSE);
}

void CInstallDialog::AdjustSystemMenu(CMenu* pSystemMenu)
{
    CInstallBaseDialog::AdjustSystemMenu(pSystemMenu);
    HICON hIcon = (HICON)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 0,
                                      0, LR_DEFAULTSIZE | LR_SHARED);
    if (hIcon != nullptr)
        SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);
}

BOOL CInstallDialog::IsStartMenuChecked()
{
    return IsDlgButtonChecked(IDC_INSTALL_START_MENU) == BST_CHECKED;
}

BOOL CInstallDialog::IsDesktopChecked()
{
    return IsDlgButtonChecked(IDC_INSTALL_DESKTOP) == BST_CHECKED;
}

LPCTSTR CInstallDialog::GetClientWindowClass()
{
    return "VelmarsoftTanzoClass";
}

void CInstallDialog::SetFolderText(LPCTSTR lpszFolder)
{
    m_folder.SetWindowText(lpszFolder);
}

void CInstallDialog::FocusFolderEdit()
{
    m_folder.SetFocus();
    m_folder.SetSel(0, -1);
    m_folder.SendMessage(EM_SCROLLCARET);
}

void CInstallDialog::FocusStartMenuCheck()
{
    if (CWnd* pCheck = GetDlgItem(IDC_INSTALL_START_MENU))
        pCheck->SetFocus();
}

void CInstallDialog::AddCarriedFiles(LPCTSTR lpszFolder)
{
    const VS_FIXEDFILEINFO client = ClientVersion();
    const VS_FIXEDFILEINFO uninstaller = UninstallerVersion();
    CString strTarget;
    JoinPath(strTarget, lpszFolder, kClientFileName);
    AddCarriedFile(new CCarriedFile(IDR_CARRIED_CLIENT, strTarget, &client, kCarriedType));
    JoinPath(strTarget, lpszFolder, kUninstallerFileName);
    AddCarriedFile(new CCarriedFile(IDR_CARRIED_UNINSTALLER, strTarget, &uninstaller, kCarriedType));
}

void CInstallDialog::FinishInstall(LPCTSTR lpszFolder, LPCTSTR lpszProgramFileName)
{
    SetStatusText(LoadText(IDS_INSTALL_STATUS_CLEANING));
    CInstallBaseDialog::FinishInstall(lpszFolder, lpszProgramFileName);
    WriteSettingInt(kToggleKey, ShortcutChoicesToValue(IsStartMenuChecked(), IsDesktopChecked()));
    SetStatusText(LoadText(IDS_INSTALL_STATUS_DONE));
}

void CInstallDialog::ReportFileProgress(int nIndex, LPCTSTR lpszFileName)
{
    if (nIndex == 0)
        m_progress.SetRange(0, (short)GetCarriedFiles().GetCount());
    m_progress.SetPos(nIndex + 1);
    CString strText;
    strText.FormatMessage(IDS_INSTALL_STATUS_COPYING, lpszFileName);
    SetStatusText(strText);
}

void CInstallDialog::EnableControls(BOOL bEnable)
{
    static const UINT controls[] = {
        IDCANCEL,          IDC_DIALOG_HELP,     IDC_INSTALL_RUN,        IDC_INSTALL_BROWSE,
        IDC_INSTALL_GROUP, IDC_INSTALL_DESKTOP, IDC_INSTALL_START_MENU, IDC_INSTALL_FOLDER};
    for (UINT nID : controls)
    {
        if (CWnd* pControl = GetDlgItem(nID))
            pControl->EnableWindow(bEnable);
    }
    CInstallBaseDialog::EnableControls(bEnable);
}

void CInstallDialog::OnBrowse()
{
    CString strFolder, strPicked;
    m_folder.GetWindowText(strFolder);
    if (BrowseForFolder(this, strFolder, strPicked, IDS_INSTALL_PICK_FOLDER))
        m_folder.SetWindowText(strPicked);
}

void CInstallDialog::OnInstall()
{
    if (IsOlderThanWindows7() && AskOldOsWarning(IDS_INSTALL_OLD_OS) != IDYES)
        return;
    CString strFolder;
    m_folder.GetWindowText(strFolder);
    RunInstall(strFolder, kClientFileName, kUninstallerFileName);
}

void CInstallDialog::SetStatusText(LPCTSTR lpszText)
{
    m_status.SetText(lpszText);
    m_status.SetWindowText(lpszText);
    m_status.Invalidate();
    m_status.UpdateWindow();
}
