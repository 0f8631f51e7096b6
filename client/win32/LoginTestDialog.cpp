#include "client/LoginTestDialog.h"

#include "auction/operations/OperationResourceIds.h"

IMPLEMENT_DYNAMIC(CLoginTestDialog, COperationProgressDialog)

CLoginTestDialog::CLoginTestDialog(const CUserAccount& account, CWnd* pParentWnd)
    : COperationProgressDialog(IDD_LOGIN_TEST_PROGRESS, account, pParentWnd)
{
}

CLoginTestDialog::~CLoginTestDialog() {}

BOOL CLoginTestDialog::GetTitle(CString& strTitle)
{
    CString format;
    if (!format.LoadString(m_bSwitchMode ? IDS_SWITCHING_CAPTION : IDS_TESTING_CAPTION))
        return FALSE;
    strTitle.Format(format, (LPCTSTR)m_account.GetID());
    return TRUE;
}
