#include "auction/operations/PrepareProgressDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "auction/operations/AuctionOperationBase.h"
#include "auction/operations/OperationResourceIds.h"
#include "text/MbcsString.h"

namespace
{
const COLORREF kSubStatusBack = 0xFFFFFF;
const COLORREF kSubStatusFrame = 0xFF9090;
} // namespace

IMPLEMENT_DYNAMIC(CPrepareProgressDialog, CHttpProgressDialog)

BEGIN_MESSAGE_MAP(CPrepareProgressDialog, CHttpProgressDialog)
ON_BN_CLICKED(IDC_PREPARE_ABORT, OnAbort)
END_MESSAGE_MAP()

CPrepareProgressDialog::CPrepareProgressDialog(UINT nIDTemplate, CAuctionOperationBase* pOperation,
                                               CWnd* pParentWnd)
    : CHttpProgressDialog(nIDTemplate, pParentWnd), m_pOperation(pOperation)
{
}

CPrepareProgressDialog::~CPrepareProgressDialog() = default;

INT_PTR CPrepareProgressDialog::DoModal()
{
    if (m_pOperation == nullptr || m_pOperation->CanRun() == 0)
        return IDCANCEL;
    return CHttpProgressDialog::DoModal();
}

void CPrepareProgressDialog::DoDataExchange(CDataExchange* pDX)
{
    CHttpProgressDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREPARE_SUB_STATUS, m_subStatus);
    DDX_Control(pDX, IDC_PREPARE_STATUS, m_status);
    DDX_Control(pDX, IDC_PREPARE_MARKS, m_marks);
}

BOOL CPrepareProgressDialog::OnInitDialog()
{
    CHttpProgressDialog::OnInitDialog();
    m_subStatus.SetStyleBits(CDecorateStatic::styleFrame);
    m_subStatus.SetBkColor(kSubStatusBack);
    m_subStatus.SetFrameColor(kSubStatusFrame);
    // The operation's image of the main window's menus, else its own icon.
    const int nType = m_pOperation->GetOperationType();
    if (nType < 0 || !SetFrameIcon(nType))
    {
        const UINT nIDIcon = m_pOperation->GetIconResourceId();
        if (nIDIcon != 0)
            SetAppIcon(nIDIcon);
    }
    return TRUE;
}

CProgressMarkStatic* CPrepareProgressDialog::GetMarkStatic()
{
    return m_marks.GetSafeHwnd() != nullptr ? &m_marks : nullptr;
}

void CPrepareProgressDialog::SetStatus(LPCTSTR lpszText)
{
    if (lpszText == nullptr || *lpszText == '\0' || m_status.GetSafeHwnd() == nullptr)
        return;
    if (MbsFind(lpszText, "\r\n") >= 0)
        m_status.ModifyStyle(SS_CENTERIMAGE, 0);
    else
        m_status.ModifyStyle(0, SS_CENTERIMAGE);
    m_status.SetWindowText(lpszText);
    m_status.Invalidate();
}

void CPrepareProgressDialog::SetTitle(LPCTSTR lpszText)
{
    SetWindowText(lpszText != nullptr ? lpszText : "");
}

void CPrepareProgressDialog::SetSubStatus(LPCTSTR lpszText)
{
    m_subStatus.SetText(lpszText != nullptr ? lpszText : "");
    if (m_subStatus.GetSafeHwnd() != nullptr)
        m_subStatus.RedrawWindow();
}

int CPrepareProgressDialog::ShowMessage(LPCTSTR lpszText, UINT nType)
{
    if (!MayTell())
        return IDCANCEL;
    return AfxMessageBox(lpszText, nType);
}

BOOL CPrepareProgressDialog::MayTell() const
{
    return !IsCancelled() || m_bStoppedWhilePosting;
}

BOOL CPrepareProgressDialog::Send(LPCTSTR lpszUrl, LPCVOID pBody, DWORD dwLength, LPCTSTR lpszHeaders)
{
    const BOOL bWasPosting = m_bPosting;
    m_bPosting = pBody != nullptr && dwLength > 0;
    const BOOL bAnswered = CHttpProgressDialog::Send(lpszUrl, pBody, dwLength, lpszHeaders);
    m_bPosting = bWasPosting;
    return bAnswered;
}

void CPrepareProgressDialog::DoWork()
{
    if (IsCancelled())
    {
        EndDialog(IDCANCEL);
        return;
    }
    m_marks.AddMark(CProgressMarkStatic::markClear);
    m_pOperation->SetHttpComm(&m_comm);
    m_pOperation->SetProgressSink(this);
    m_pOperation->SetHostWindow(this);
    const BOOL bDone = m_pOperation->Run();
    // The conversation, the sink and the host end with this dialog.
    m_pOperation->SetHttpComm(nullptr);
    m_pOperation->SetProgressSink(nullptr);
    m_pOperation->SetHostWindow(nullptr);
    EndDialog(bDone ? IDOK : IDCANCEL);
}

void CPrepareProgressDialog::OnCancel()
{
    if (!IsCancelled() && m_bPosting)
        m_bStoppedWhilePosting = TRUE;
    CancelWork();
    CHttpProgressDialog::OnCancel();
}

void CPrepareProgressDialog::OnAbort()
{
    OnCancel();
}
