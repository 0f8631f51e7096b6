#include "auction/login/YahooLoginScriptDialog.h"

#include "auction/login/LoginDialogRules.h"
#include "auction/login/LoginPageFill.h"
#include "auction/login/LoginResourceIds.h"
#include "controls/PageElement.h"

namespace
{
const LoginDialogLayout kLayout = {
    IDD_LOGIN_SCRIPT,
    "login_script_dlg",
    IDC_LOGIN_SCRIPT_MESSAGE,
    0,
    IDC_LOGIN_SCRIPT_PLACEHOLDER,
    IDC_LOGIN_SCRIPT_BROWSER,
    IDC_LOGIN_SCRIPT_ABORT,
    0,
    0,
};
} // namespace

IMPLEMENT_DYNAMIC(CYahooLoginScriptDialog, CYahooLoginBaseDialog)

CYahooLoginScriptDialog::CYahooLoginScriptDialog(CWnd* pParentWnd)
    : CYahooLoginBaseDialog(kLayout, pParentWnd)
{
    GetOptions().Add(PREVIEW_HIDDEN_BROWSER);
}

void CYahooLoginScriptDialog::OnDocumentComplete(LPCTSTR lpszURL)
{
    std::unique_ptr<CPageElementList> pPage = GetPageElements();
    if (m_state.TestAny(StateStart))
    {
        m_state.Remove(StateStart);
        // The first document may come from anywhere a redirect led: the
        // account is not put into it unless it is the log-in page.
        int nAction = DecideScriptStartDocument(lpszURL, !m_strStartUrl.IsEmpty());
        if (nAction == LoginDocumentFillForm)
        {
            const int filled = pPage ? FillLoginForm(*pPage, m_account.GetID(), m_account.GetPassword()) : 0;
            nAction = DecideScriptFilledForm(filled);
        }
        if (nAction == LoginDocumentSubmit)
            ApplyDocument(SubmitPageForm(*pPage, "login_form") ? LoginDocumentNothing : LoginDocumentFail);
        else
            ApplyDocument(nAction);
        return;
    }
    const LoginDocument document =
        pPage ? ReadLoginDocument(*pPage, lpszURL) : LoginDocument{lpszURL, FALSE, FALSE, FALSE};
    ApplyDocument(DecideScriptDocument(m_state.Get(), document, m_strDone));
}
