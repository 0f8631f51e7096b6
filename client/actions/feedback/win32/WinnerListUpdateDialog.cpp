#include "client/actions/feedback/WinnerListUpdateDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "auction/accounts/UserAccountList.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/WinnerListPageReader.h"

IMPLEMENT_DYNAMIC(CWinnerListUpdateDialog, CHttpProgressDialog)

BEGIN_MESSAGE_MAP(CWinnerListUpdateDialog, CHttpProgressDialog)
ON_BN_CLICKED(IDC_WINNER_UPDATE_ABORT, OnAbort)
END_MESSAGE_MAP()

CWinnerListUpdateDialog::CWinnerListUpdateDialog(const AuctionItem* pItem, CWnd* pParentWnd)
    : CHttpProgressDialog(IDD_WINNER_LIST_UPDATE, pParentWnd), m_pItem(pItem), m_pAccounts(nullptr), m_ids(10)
{
}

CWinnerListUpdateDialog::~CWinnerListUpdateDialog() = default;

void CWinnerListUpdateDialog::DoDataExchange(CDataExchange* pDX)
{
    CHttpProgressDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WINNER_UPDATE_MARKS, m_marks);
    DDX_Control(pDX, IDC_WINNER_UPDATE_STATUS, m_status);
}

BOOL CWinnerListUpdateDialog::GetPartnerIds(CStringList& ids) const
{
    ids.RemoveAll();
    for (POSITION pos = m_ids.GetHeadPosition(); pos != nullptr;)
        ids.AddTail(m_ids.GetNext(pos));
    return !ids.IsEmpty();
}

CProgressMarkStatic* CWinnerListUpdateDialog::GetMarkStatic()
{
    return m_marks.GetSafeHwnd() != nullptr ? &m_marks : nullptr;
}

void CWinnerListUpdateDialog::SetStatus(LPCTSTR lpszText)
{
    if (lpszText != nullptr && *lpszText != '\0' && m_status.GetSafeHwnd() != nullptr)
        m_status.SetWindowText(lpszText);
}

int CWinnerListUpdateDialog::ShowMessage(LPCTSTR lpszText, UINT nType)
{
    if (IsCancelled())
        return IDCANCEL;
    return AfxMessageBox(lpszText, nType);
}

void CWinnerListUpdateDialog::DoWork()
{
    if (IsCancelled())
    {
        EndDialog(IDCANCEL);
        return;
    }
    m_marks.AddMark(CProgressMarkStatic::markClear);
    EndDialog(Fetch(0) ? IDOK : IDCANCEL);
}

BOOL CWinnerListUpdateDialog::Fetch(int nDepth)
{
    if (m_pItem == nullptr)
        return FALSE;
    CWinnerListPageReader reader(m_pItem, &GetComm());
    if (m_pAccounts != nullptr)
        reader.SetExpectedUserId(m_pAccounts->GetCurrentUserID());
    switch (reader.ReadPartners(m_ids))
    {
    case CWinnerListPageReader::ReadDone:
        return TRUE;
    case CWinnerListPageReader::ReadNeedsLogin:
    {
        if (m_pAccounts == nullptr)
            return FALSE;
        const int nCode = nDepth >= MaxLogins ? CUserAccountList::LoginFailed
                                              : m_pAccounts->LogInCurrentUser(&GetComm(), this, this, 0);
        if (nCode == CUserAccountList::LoginDone)
            return Fetch(nDepth + 1);
        m_pAccounts->ShowLogInError(nCode, &GetComm(), this);
        return FALSE;
    }
    case CWinnerListPageReader::ReadItemGone:
        if (!IsCancelled())
            ShowMessageId(IDS_WINNER_PAGE_MISSING, MB_OK);
        return FALSE;
    default:
        return FALSE;
    }
}

void CWinnerListUpdateDialog::OnCancel()
{
    CancelWork();
    CHttpProgressDialog::OnCancel();
}

void CWinnerListUpdateDialog::OnAbort()
{
    OnCancel();
}
