#include "client/UserIdAddDialog.h"

#include "auction/accounts/UserIdResourceIds.h"
#include "client/LoginConfirmation.h"
#include "client/TextResourceIds.h"

CUserIdAddDialog::CUserIdAddDialog(CWnd* pParent) : CUserIdEditDialog(IDD, pParent, 0, SettingsId) {}

CUserIdAddDialog::~CUserIdAddDialog() {}

BOOL CUserIdAddDialog::OnInitDialog()
{
    CUserIdEditDialog::OnInitDialog();
    if (GetEditExisting() == 1)
    {
        CString caption;
        caption.LoadString(IDS_EDIT_CAPTION);
        SetWindowText(caption);
    }
    return TRUE;
}

void CUserIdAddDialog::SetStandardToolTips()
{
    CUserIdEditDialog::SetStandardToolTips();
    if (GetEditExisting() != 1)
        AddToolTipById(IDC_USERID_ID, IDS_TIP_ID);
    AddToolTipById(IDC_USERID_MEMO, IDS_TIP_USER_ID_MEMO);
    AddToolTipById(IDC_USERID_PASSWORD, IDS_TIP_PASSWORD);
}

BOOL CUserIdAddDialog::VerifyAccount(const CUserAccount& account, CWnd* pDialog)
{
    return ConfirmLoginOrSwitch(account, pDialog);
}
