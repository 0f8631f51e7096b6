#include "auction/login/YahooLoginManualDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "app/DialogLayoutRules.h"
#include "app/MessageBoxDialog.h"
#include "auction/login/LoginDialogRules.h"
#include "auction/login/LoginPageFill.h"
#include "auction/login/LoginResourceIds.h"
#include "controls/PageElement.h"

namespace
{
const LoginDialogLayout kLayout = {
    IDD_LOGIN_MANUAL,
    "login_dlg",
    IDC_LOGIN_MANUAL_MESSAGE,
    IDC_LOGIN_MANUAL_STATUS,
    IDC_LOGIN_MANUAL_PLACEHOLDER,
    IDC_LOGIN_MANUAL_BROWSER,
    IDC_LOGIN_MANUAL_ABORT,
    1020,
    640,
};
const int kStartDelayMs = 1000;
} // namespace

IMPLEMENT_DYNAMIC(CYahooLoginManualDialog, CYahooLoginBaseDialog)

BEGIN_MESSAGE_MAP(CYahooLoginManualDialog, CYahooLoginBaseDialog)
ON_BN_CLICKED(IDC_LOGIN_MANUAL_DECLARE, OnDeclareSuccess)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CYahooLoginManualDialog::CYahooLoginManualDialog(CWnd* pParentWnd, UINT nSettingsId)
    : CYahooLoginBaseDialog(kLayout, pParentWnd, nSettingsId)
{
}

CYahooLoginManualDialog::~CYahooLoginManualDialog() {}

void CYahooLoginManualDialog::DoDataExchange(CDataExchange* pDX)
{
    CYahooLoginBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOGIN_MANUAL_ABORT, m_abort);
    DDX_Control(pDX, IDC_LOGIN_MANUAL_DECLARE, m_declare);
}

BOOL CYahooLoginManualDialog::OnInitDialog()
{
    const BOOL bResult = CYahooLoginBaseDialog::OnInitDialog();
    AddToolTipById(IDC_LOGIN_MANUAL_ABORT, IDS_TIP_LOGIN_ABORT);
    AddToolTipById(IDC_LOGIN_MANUAL_DECLARE, IDS_TIP_LOGIN_DECLARE);
    return bResult;
}

void CYahooLoginManualDialog::RegisterLayoutControls()
{
    CYahooLoginBaseDialog::RegisterLayoutControls();
    AddControl(IDC_LOGIN_MANUAL_DECLARE, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
}

void CYahooLoginManualDialog::RefreshPreview()
{
    if (m_mode.TestAny(modeReauthenticate))
    {
        CString text;
        text.LoadString(IDS_LOGIN_REAUTH_CAPTION);
        SetWindowText(text);
        text.LoadString(IDS_LOGIN_REAUTH_MESSAGE);
        m_message.SetText(text);
        m_message.Redraw();
    }
    CYahooLoginBaseDialog::RefreshPreview();
}

void CYahooLoginManualDialog::OnStartFailed()
{
    AfxMessageBox(m_mode.TestAny(modeReauthenticate) ? IDS_LOGIN_REAUTH_START_FAILED : IDS_LOGIN_START_FAILED,
                  MB_OK | MB_ICONEXCLAMATION);
    CYahooLoginBaseDialog::OnStartFailed();
}

void CYahooLoginManualDialog::OnStarted()
{
    // The user types an ID and a password: the input method is off.
    if (m_ime.Save(this))
        m_ime.SetOpen(FALSE);
}

void CYahooLoginManualDialog::OnDocumentComplete(LPCTSTR lpszURL)
{
    std::unique_ptr<CPageElementList> pPage = GetPageElements();
    const LoginDocument document =
        pPage ? ReadLoginDocument(*pPage, lpszURL) : LoginDocument{lpszURL, FALSE, FALSE, FALSE};
    const int nAction = DecideManualDocument(m_state.Get(), document, m_strDone);
    switch (nAction)
    {
    case LoginDocumentArmStartTimer:
        m_state.Remove(StateStart);
        m_state.Add(StateStartTimer);
        SetTimer(IDT_LOGIN_START, kStartDelayMs);
        break;
    case LoginDocumentFillForm:
        FillForm();
        break;
    case LoginDocumentDeclareSuccess:
        ShowDeclareState();
        break;
    default:
        ApplyDocument(nAction);
        break;
    }
}

void CYahooLoginManualDialog::ShowDeclareState()
{
    m_declare.ShowWindow(SW_SHOW);
    CString text;
    text.LoadString(IDS_LOGIN_DECLARE_HINT);
    m_message.SetText(text);
    m_message.AddStyleBits(CDecorateStatic::styleBold);
    m_message.SetTextColor(RGB(255, 0, 0));
    m_message.SetBkColor(RGB(255, 255, 255));
    m_message.Redraw();
}

void CYahooLoginManualDialog::OnDeclareSuccess()
{
    EndWithSuccess();
}

void CYahooLoginManualDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != IDT_LOGIN_START)
    {
        CYahooLoginBaseDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(IDT_LOGIN_START);
    m_state.Remove(StateStartTimer);
    CSimpleMessageDialog notice(IDS_LOGIN_MOVING, this);
    notice.DoModal();
    if (!NavigateToStart())
        AfxMessageBox(IDS_LOGIN_MOVE_FAILED, MB_OK | MB_ICONEXCLAMATION);
    m_state.Add(StateLoginRequested);
}

void CYahooLoginManualDialog::OnDestroy()
{
    if (m_state.TestAny(StateStartTimer))
        KillTimer(IDT_LOGIN_START);
    m_ime.Restore();
    CYahooLoginBaseDialog::OnDestroy();
}
