#include "uninstall/UninstallDialog.h"

#include "afx/LoadText.h"
#include "afx/RegKey.h"
#include "afx/WinApp.h"
#include "app/DialogResourceIds.h"
#include "install/InstallResourceIds.h"
#include "text/PathUtil.h"
#include "uninstall/UninstallResourceIds.h"

IMPLEMENT_DYNAMIC(CUninstallDialog, CUninstallBaseDialog)

namespace
{
const char kToggleKey[] = "ToggleVal";
const char kProductKey[] = "Software\\Velmar Soft\\Tanzo3";
// The two product generations before this one kept their settings there.
const char* const kOlderProductKeys[] = {"Software\\Velmar Soft\\Tanzo", "Software\\Velmar Soft\\Tanzo2"};
const char kProgramFileName[] = "tanzo.exe";
const char kUserDataFolder[] = "UserData";

} // namespace

CUninstallDialog::CUninstallDialog(CWnd* pParentWnd)
    : CUninstallBaseDialog(IDD_UNINSTALL, kProductKey, "Tanzo", "", pParentWnd, IDR_UNINSTALL_HELP)
{
    SetDisplayName(LoadText(IDS_PRODUCT_DISPLAY_NAME));
    SetProgramFileName(kProgramFileName);
    // Yes and No have tips of their own.
    ClearDialogOption(dialogStandardTips);
}

CUninstallDialog::~CUninstallDialog() {}

BOOL CUninstallDialog::OnInitDialog()
{
    CUninstallBaseDialog::OnInitDialog();
    CheckDlgButton(IDC_UNINSTALL_USER_DATA,
                   (GetSettingInt(kToggleKey, 1) & 1) != 0 ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CUninstallDialog::SetStandardToolTips()
{
    CUninstallBaseDialog::SetStandardToolTips();
    AddToolTipById(IDOK, IDS_TIP_UNINSTALL_YES);
    AddToolTipById(IDCANCEL, IDS_TIP_UNINSTALL_NO);
    AddToolTipById(IDC_UNINSTALL_USER_DATA, IDS_TIP_UNINSTALL_USER_DATA);
}

LPCTSTR CUninstallDialog::GetClientWindowClass()
{
    return "VelmarsoftTanzoClass";
}

void CUninstallDialog::FinishUninstall()
{
    WriteSettingInt(kToggleKey, IsUserDataChecked() ? 1 : 0);
    CUninstallBaseDialog::FinishUninstall();
}

void CUninstallDialog::EnableControls(BOOL bEnable)
{
    for (int nID : {IDOK, IDCANCEL})
    {
        if (CWnd* pButton = GetDlgItem(nID))
            pButton->EnableWindow(bEnable);
    }
    CUninstallBaseDialog::EnableControls(bEnable);
}

BOOL CUninstallDialog::DeleteProgramFile()
{
    if (!CUninstallBaseDialog::DeleteProgramFile())
        return FALSE;
    CString strFolder;
    if (!GetInstallationValue("Dir", strFolder) || strFolder.IsEmpty())
        return TRUE;
    CString strProgram;
    JoinPath(strProgram, strFolder, kProgramFileName);
    if (!RemoveFileIfExists(strProgram))
        return FALSE;
    if (!IsUserDataChecked())
        return TRUE;
    // A fixed place, never one the recorded values name.
    CString strUserData;
    if (!GetAppDataFolder(strUserData, "Tanzo"))
        return FALSE;
    JoinPath(strUserData, strUserData, kUserDataFolder);
    return RemoveTree(strUserData);
}

BOOL CUninstallDialog::Unregister()
{
    const BOOL bResult = CUninstallBaseDialog::Unregister();
    for (LPCTSTR lpszKey : kOlderProductKeys)
    {
        CRegKey key;
        if (key.Open(HKEY_CURRENT_USER, lpszKey, KEY_ALL_ACCESS) == ERROR_SUCCESS)
            RemoveProductSubkeys(key);
    }
    return bResult;
}

void CUninstallDialog::OnOK()
{
    RunUninstall();
    EndDialog(IDOK);
}

BOOL CUninstallDialog::IsUserDataChecked() const
{
    return IsDlgButtonChecked(IDC_UNINSTALL_USER_DATA) == BST_CHECKED;
}
