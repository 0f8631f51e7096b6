#include "auction/login/YahooLoginBaseDialog.h"

#include <exdisp.h>

#include "auction/login/LoginDialogRules.h"
#include "auction/login/LoginPageFill.h"
#include "controls/HtmlFrame.h"
#include "controls/PageElement.h"
#include "text/TextSplit.h"

IMPLEMENT_DYNAMIC(CYahooLoginBaseDialog, CYahooLoginBaseImplDialog)

CYahooLoginBaseDialog::CYahooLoginBaseDialog(const LoginDialogLayout& layout, CWnd* pParentWnd,
                                             UINT nSettingsId)
    : CYahooLoginBaseImplDialog(layout, nullptr, pParentWnd, nSettingsId)
{
}

CYahooLoginBaseDialog::~CYahooLoginBaseDialog() {}

BOOL CYahooLoginBaseDialog::GetLoginUserId(CString& out) const
{
    out = m_strSeenId;
    return !out.IsEmpty();
}

void CYahooLoginBaseDialog::RefreshPreview()
{
    CString done;
    GetQueryParameter(m_strStartUrl, ".done", done, TRUE);
    SetDoneUrl(done);
    if (NavigateToStart())
        OnStarted();
    else
        OnStartFailed();
}

BOOL CYahooLoginBaseDialog::NavigateToStart()
{
    CHtmlFrame* pFrame = GetFrame();
    return !m_strStartUrl.IsEmpty() && pFrame != nullptr && pFrame->Navigate(m_strStartUrl, navNoHistory);
}

void CYahooLoginBaseDialog::OnStartFailed()
{
    EndDialog(IDCANCEL);
}

void CYahooLoginBaseDialog::OnStarted() {}

BOOL CYahooLoginBaseDialog::OnBeforeNavigate2(LPCTSTR lpszURL, DWORD, LPCTSTR lpszTargetFrameName,
                                              CByteArray& baPostedData, LPCTSTR, BOOL*)
{
    // Posted form data, as text without the terminating NULs.
    int nLength = (int)baPostedData.GetSize();
    while (nLength > 0 && baPostedData[nLength - 1] == 0)
        --nLength;
    const CString postData(nLength > 0 ? (LPCTSTR)baPostedData.GetData() : "", nLength);
    const LoginNavigation navigation = {lpszURL, lpszTargetFrameName, postData};
    return ApplyNavigation(DecideBrowserLoginNavigation(m_state.Get(), navigation, m_strDone, m_strSeenId),
                           lpszURL);
}

int CYahooLoginBaseDialog::FillForm()
{
    std::unique_ptr<CPageElementList> pPage = GetPageElements();
    return pPage ? FillLoginForm(*pPage, m_account.GetID(), m_account.GetPassword()) : 0;
}
