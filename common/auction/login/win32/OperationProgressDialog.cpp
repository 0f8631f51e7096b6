#include "auction/login/OperationProgressDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/operations/OperationResourceIds.h"

#include <memory>

IMPLEMENT_DYNAMIC(COperationProgressDialog, CHttpProgressDialog)

BEGIN_MESSAGE_MAP(COperationProgressDialog, CHttpProgressDialog)
ON_BN_CLICKED(IDC_LOGIN_TEST_ABORT, OnAbort)
END_MESSAGE_MAP()

COperationProgressDialog::COperationProgressDialog(UINT nIDTemplate, const CUserAccount& account,
                                                   CWnd* pParentWnd)
    : CHttpProgressDialog(nIDTemplate, pParentWnd), m_account(account)
{
}

COperationProgressDialog::~COperationProgressDialog() = default;

void COperationProgressDialog::DoDataExchange(CDataExchange* pDX)
{
    CHttpProgressDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOGIN_TEST_STATUS, m_status);
    DDX_Control(pDX, IDC_LOGIN_TEST_MARKS, m_marks);
}

BOOL COperationProgressDialog::OnInitDialog()
{
    CHttpProgressDialog::OnInitDialog();
    CString strTitle;
    if (GetTitle(strTitle))
        SetWindowText(strTitle);
    return TRUE;
}

BOOL COperationProgressDialog::GetTitle(CString&)
{
    return FALSE;
}

CProgressMarkStatic* COperationProgressDialog::GetMarkStatic()
{
    return m_marks.GetSafeHwnd() != nullptr ? &m_marks : nullptr;
}

CAuctionLoginController* COperationProgressDialog::CreateLoginController()
{
    return new CAuctionLoginController(&m_comm);
}

void COperationProgressDialog::SetStatus(LPCTSTR lpszText)
{
    if (lpszText != nullptr && *lpszText != '\0' && m_status.GetSafeHwnd() != nullptr)
        m_status.SetWindowText(lpszText);
}

int COperationProgressDialog::ShowMessage(LPCTSTR lpszText, UINT nType)
{
    // What fails after 中止 is the abort itself.
    if (IsCancelled())
        return IDCANCEL;
    return AfxMessageBox(lpszText, nType);
}

void COperationProgressDialog::DoWork()
{
    if (IsCancelled())
    {
        m_result.Add(resultLoginAborted);
        EndDialog(IDCANCEL);
        return;
    }
    m_marks.AddMark(CProgressMarkStatic::markClear);
    m_result.Clear();
    BOOL bLoggedIn = FALSE;
    {
        std::unique_ptr<CAuctionLoginController> pController(CreateLoginController());
        pController->SetProgressSink(this);
        pController->SetLoginType(m_nLoginType);
        bLoggedIn = pController->LogOut() && pController->Login(m_account, this);
        if (!bLoggedIn && pController->IsCancelled())
            m_result.Add(resultLoginAborted);
    }
    // 中止 abandons the test whatever the log-in came to.
    if (IsCancelled())
    {
        m_result.Add(resultLoginAborted);
        bLoggedIn = FALSE;
    }
    EndDialog(bLoggedIn ? IDOK : IDCANCEL);
}

void COperationProgressDialog::OnCancel()
{
    CancelWork();
    CHttpProgressDialog::OnCancel();
}

void COperationProgressDialog::OnAbort()
{
    OnCancel();
}
