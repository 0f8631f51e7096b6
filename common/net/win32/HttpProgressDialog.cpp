#include "net/HttpProgressDialog.h"

#include "afx/WinApp.h"
#include "app/AppComm.h"
#include "net/ProgressMarkStatic.h"

#include <cstring>

namespace
{
const UINT_PTR kStartTimer = 4356;
const UINT kStartDelay = 100;
} // namespace

IMPLEMENT_DYNAMIC(CHttpProgressDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CHttpProgressDialog, CBaseDialog)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CHttpProgressDialog::CHttpProgressDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, 0)
{
}

CHttpProgressDialog::~CHttpProgressDialog()
{
    m_comm.SetStatusSink(nullptr);
}

void CHttpProgressDialog::CancelWork()
{
    m_bWorkCancelled = TRUE;
    m_comm.SetCancel(TRUE);
}

BOOL CHttpProgressDialog::Send(LPCTSTR lpszUrl, LPCVOID pBody, DWORD dwLength, LPCTSTR lpszHeaders)
{
    if (IsCancelled())
        return FALSE;
    if (CProgressMarkStatic* pMarks = GetMarkStatic())
        pMarks->AddMark(CProgressMarkStatic::markClear);
    return m_comm.Send(lpszUrl, pBody, dwLength, lpszHeaders, TRUE, 0);
}

BOOL CHttpProgressDialog::Request(LPCTSTR lpszUrl, LPCTSTR lpszBody)
{
    return Send(lpszUrl, lpszBody, lpszBody != nullptr ? (DWORD)std::strlen(lpszBody) : 0, nullptr);
}

void CHttpProgressDialog::DoWork() {}

CProgressMarkStatic* CHttpProgressDialog::GetMarkStatic()
{
    return nullptr;
}

void CHttpProgressDialog::OnInternetStatus(DWORD, LPVOID, DWORD)
{
    if (m_bWorkCancelled)
        m_comm.SetCancel(TRUE);
    if (CProgressMarkStatic* pMarks = GetMarkStatic())
        pMarks->AddMark(CProgressMarkStatic::markStatus);
}

int CHttpProgressDialog::ShowMessage(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    // A request that waited for its answer took no input meanwhile: a 中止
    // pressed then is still queued, and asking whether to try again would
    // outlive it.
    PumpMessages(AfxGetApp());
    if (IsCancelled())
        return IDCANCEL;
    return CHttpStatusSink::ShowMessage(lpszText, nType, nIDHelp);
}

void CHttpProgressDialog::OnRetry()
{
    if (CProgressMarkStatic* pMarks = GetMarkStatic())
        pMarks->AddMark(CProgressMarkStatic::markRetry);
}

BOOL CHttpProgressDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_comm.SetStatusSink(this);
    SetTimer(kStartTimer, kStartDelay);
    return TRUE;
}

void CHttpProgressDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kStartTimer)
    {
        Default();
        return;
    }
    // The work starts once the user can see the dialog.
    if (::IsWindow(m_hWnd) && IsWindowVisible())
    {
        KillTimer(kStartTimer);
        DoWork();
    }
}

void CHttpProgressDialog::OnDestroy()
{
    KillTimer(kStartTimer);
    CBaseDialog::OnDestroy();
}
