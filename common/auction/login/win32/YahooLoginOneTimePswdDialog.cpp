#include "auction/login/YahooLoginOneTimePswdDialog.h"

#include "auction/login/LoginDialogRules.h"
#include "auction/login/LoginResourceIds.h"

namespace
{
const LoginDialogLayout kLayout = {
    IDD_LOGIN_ONE_TIME_PASSWORD,
    "login_one_time_pswd_dlg",
    IDC_LOGIN_OTP_MESSAGE,
    0,
    IDC_LOGIN_OTP_PLACEHOLDER,
    IDC_LOGIN_OTP_BROWSER,
    IDC_LOGIN_OTP_ABORT,
    880,
    620,
};
} // namespace

IMPLEMENT_DYNAMIC(CYahooLoginOneTimePswdDialog, CYahooLoginBaseImplDialog)

CYahooLoginOneTimePswdDialog::CYahooLoginOneTimePswdDialog(LPCTSTR lpszHtml, LPCTSTR lpszDone,
                                                           CWnd* pParentWnd)
    : CYahooLoginBaseImplDialog(kLayout, lpszHtml, pParentWnd)
{
    SetDoneUrl(lpszDone);
}

BOOL CYahooLoginOneTimePswdDialog::OnBeforeNavigate2(LPCTSTR lpszURL, DWORD, LPCTSTR lpszTargetFrameName,
                                                     CByteArray&, LPCTSTR, BOOL*)
{
    const LoginNavigation navigation = {lpszURL, lpszTargetFrameName, nullptr};
    return ApplyNavigation(DecideOneTimePasswordNavigation(m_state.Get(), navigation, m_strDone), lpszURL);
}

void CYahooLoginOneTimePswdDialog::OnDocumentComplete(LPCTSTR lpszURL)
{
    const LoginDocument document = {lpszURL, FALSE, FALSE, FALSE};
    ApplyDocument(DecideOneTimePasswordDocument(m_state.Get(), document, m_strDone));
}
