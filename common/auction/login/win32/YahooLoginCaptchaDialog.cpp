#include "auction/login/YahooLoginCaptchaDialog.h"

#include "auction/login/LoginDialogRules.h"
#include "auction/login/LoginResourceIds.h"

namespace
{
const LoginDialogLayout kLayout = {
    IDD_LOGIN_CAPTCHA,
    "login_captcha_dlg",
    IDC_LOGIN_CAPTCHA_MESSAGE,
    IDC_LOGIN_CAPTCHA_STATUS,
    IDC_LOGIN_CAPTCHA_PLACEHOLDER,
    IDC_LOGIN_CAPTCHA_BROWSER,
    IDC_LOGIN_CAPTCHA_ABORT,
    880,
    620,
};
} // namespace

IMPLEMENT_DYNAMIC(CYahooLoginCaptchaDialog, CYahooLoginBaseImplDialog)

CYahooLoginCaptchaDialog::CYahooLoginCaptchaDialog(LPCTSTR lpszHtml, LPCTSTR lpszDone, CWnd* pParentWnd)
    : CYahooLoginBaseImplDialog(kLayout, lpszHtml, pParentWnd)
{
    SetDoneUrl(lpszDone);
}

BOOL CYahooLoginCaptchaDialog::GetNextUrl(CString& out) const
{
    out = m_strNextUrl;
    return !out.IsEmpty();
}

BOOL CYahooLoginCaptchaDialog::OnBeforeNavigate2(LPCTSTR lpszURL, DWORD, LPCTSTR lpszTargetFrameName,
                                                 CByteArray&, LPCTSTR, BOOL*)
{
    const LoginNavigation navigation = {lpszURL, lpszTargetFrameName, nullptr};
    return ApplyNavigation(DecideCaptchaNavigation(m_state.Get(), navigation), lpszURL);
}

void CYahooLoginCaptchaDialog::OnDocumentComplete(LPCTSTR lpszURL)
{
    const LoginDocument document = {lpszURL, FALSE, FALSE, FALSE};
    const int nAction = DecideCaptchaDocument(m_state.Get(), document, m_strDone);
    if (nAction == LoginDocumentDone)
        m_strNextUrl = lpszURL;
    ApplyDocument(nAction);
}
