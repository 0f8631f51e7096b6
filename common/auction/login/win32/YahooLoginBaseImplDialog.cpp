#include "auction/login/YahooLoginBaseImplDialog.h"

#include "afx/DataExchange.h"
#include "app/ClipboardShell.h"
#include "app/DialogLayoutRules.h"
#include "app/DialogResourceIds.h"
#include "app/MessageBoxDialog.h"
#include "auction/login/LoginDialogRules.h"
#include "auction/login/LoginResourceIds.h"
#include "controls/HtmlCommView.h"
#include "controls/HtmlFrame.h"

IMPLEMENT_DYNAMIC(CYahooLoginBaseImplDialog, CTempHtmlPreviewBaseDialog)

BEGIN_MESSAGE_MAP(CYahooLoginBaseImplDialog, CTempHtmlPreviewBaseDialog)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CYahooLoginBaseImplDialog::CYahooLoginBaseImplDialog(const LoginDialogLayout& layout, LPCTSTR lpszHtml,
                                                     CWnd* pParentWnd, UINT nSettingsId)
    : CTempHtmlPreviewBaseDialog(layout.nTemplate, pParentWnd, nSettingsId), m_layout(layout),
      m_state(StateStart)
{
    if (lpszHtml != nullptr)
        SetHtml(lpszHtml);
    if (layout.cxDefault > 0 && layout.cyDefault > 0)
        EnableResize(TRUE, layout.cxDefault, layout.cyDefault);
}

CYahooLoginBaseImplDialog::~CYahooLoginBaseImplDialog() {}

void CYahooLoginBaseImplDialog::SetStartUrl(LPCTSTR) {}

void CYahooLoginBaseImplDialog::SetAccount(const CUserAccount&) {}

BOOL CYahooLoginBaseImplDialog::GetLoginUserId(CString& out) const
{
    out.Empty();
    return FALSE;
}

BOOL CYahooLoginBaseImplDialog::GetNextUrl(CString& out) const
{
    out.Empty();
    return FALSE;
}

void CYahooLoginBaseImplDialog::DoDataExchange(CDataExchange* pDX)
{
    CTempHtmlPreviewBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, m_layout.nMessage, m_message);
    if (m_layout.nStatus != 0)
        DDX_Control(pDX, m_layout.nStatus, m_statusStatic);
    DDX_Control(pDX, m_layout.nPlaceholder, m_placeholder);
}

BOOL CYahooLoginBaseImplDialog::GetDefaultSize(CSize& size)
{
    if (m_layout.cxDefault <= 0 || m_layout.cyDefault <= 0)
        return FALSE;
    size = CSize(m_layout.cxDefault, m_layout.cyDefault);
    return TRUE;
}

void CYahooLoginBaseImplDialog::RegisterLayoutControls()
{
    // The browser and the status line below it are anchored by the base.
    CTempHtmlPreviewBaseDialog::RegisterLayoutControls();
    AddControl(m_layout.nMessage, ANCHOR_GROW_X);
    AddControl(m_layout.nAbort, ANCHOR_MOVE_Y);
    AddControl(IDC_DIALOG_HELP, ANCHOR_MOVE_Y);
}

BOOL CYahooLoginBaseImplDialog::OnInitDialog()
{
    const BOOL bResult = CTempHtmlPreviewBaseDialog::OnInitDialog();
    // The start may have ended the dialog already.
    if (m_nTimeout > 0 && (m_nFlags & WF_CONTINUEMODAL) != 0)
    {
        SetTimer(IDT_LOGIN_TIMEOUT, (UINT)m_nTimeout * 1000);
        m_state.Add(StateTimerRunning);
    }
    return bResult;
}

BOOL CYahooLoginBaseImplDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == m_layout.nAbort && HIWORD(wParam) == BN_CLICKED)
    {
        OnCancel();
        return TRUE;
    }
    return CTempHtmlPreviewBaseDialog::OnCommand(wParam, lParam);
}

void CYahooLoginBaseImplDialog::OnCancel()
{
    m_state.Add(StateAborted);
    CTempHtmlPreviewBaseDialog::OnCancel();
}

void CYahooLoginBaseImplDialog::EndWithSuccess()
{
    m_state.Add(StateSucceeded);
    EndDialog(IDOK);
}

void CYahooLoginBaseImplDialog::OpenOutside(LPCTSTR lpszURL)
{
    if (CHtmlFrame* pFrame = GetFrame())
        pFrame->Stop();
    OpenInBrowser(lpszURL, m_hWnd);
}

BOOL CYahooLoginBaseImplDialog::ApplyNavigation(int nAction, LPCTSTR lpszURL)
{
    switch (nAction)
    {
    case LoginNavigationPass:
        return FALSE;
    case LoginNavigationDone:
        EndWithSuccess();
        return TRUE;
    case LoginNavigationFail:
        if (CHtmlFrame* pFrame = GetFrame())
            pFrame->Stop();
        EndDialog(IDCANCEL);
        return TRUE;
    default:
        OpenOutside(lpszURL);
        return TRUE;
    }
}

BOOL CYahooLoginBaseImplDialog::ApplyDocument(int nAction)
{
    switch (nAction)
    {
    case LoginDocumentNothing:
        return TRUE;
    case LoginDocumentLeaveStart:
        m_state.Remove(StateStart);
        return TRUE;
    case LoginDocumentDone:
        EndWithSuccess();
        return TRUE;
    case LoginDocumentLoginPageAgain:
        m_state.Add(StateLoginPageAgain);
        EndDialog(IDCANCEL);
        return TRUE;
    case LoginDocumentFail:
        EndDialog(IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

std::unique_ptr<CPageElementList> CYahooLoginBaseImplDialog::GetPageElements()
{
    CHtmlFrame* pFrame = GetFrame();
    CHtmlCommView* pView = pFrame != nullptr ? pFrame->GetView() : nullptr;
    return pView != nullptr ? pView->GetPageElements() : nullptr;
}

void CYahooLoginBaseImplDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != IDT_LOGIN_TIMEOUT || !m_state.TestAny(StateTimerRunning))
    {
        CTempHtmlPreviewBaseDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(IDT_LOGIN_TIMEOUT);
    m_state.Remove(StateTimerRunning);
    // The dialog tells why it stopped; the controller adds nothing.
    m_state.Add(StateTimedOut);
    CSimpleMessageDialog message(IDS_LOGIN_TIMED_OUT, this, 0, CMessageBoxDialog::optionAutoClose);
    message.DoModal();
    EndDialog(IDCANCEL);
}

void CYahooLoginBaseImplDialog::OnDestroy()
{
    if (m_state.TestAny(StateTimerRunning))
    {
        KillTimer(IDT_LOGIN_TIMEOUT);
        m_state.Remove(StateTimerRunning);
    }
    CTempHtmlPreviewBaseDialog::OnDestroy();
}
