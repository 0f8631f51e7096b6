#include "auction/login/AuctionLoginController.h"

#include "auction/accounts/UserAccount.h"
#include "auction/login/LoginAddresses.h"
#include "auction/login/LoginFormFieldSet.h"
#include "auction/login/LoginPageReader.h"
#include "auction/login/PageReaders.h"
#include "net/HttpComm.h"
#include "net/HttpRules.h"
#include "text/HtmlDocument.h"
#include "text/MbcsString.h"
#include "text/TextEscapes.h"

#include <memory>

namespace
{
// For as long as it lives, a redirect the client refuses is the log-in's to
// report: the client shows nothing for it.
class CRefusedRedirectScope
{
public:
    explicit CRefusedRedirectScope(CHttpComm& comm)
        : m_comm(comm), m_bWasSet(comm.TestAny(CHttpComm::flagCallerReportsRefusedRedirect) != 0)
    {
        m_comm.Add(CHttpComm::flagCallerReportsRefusedRedirect);
    }
    ~CRefusedRedirectScope()
    {
        if (!m_bWasSet)
            m_comm.Remove(CHttpComm::flagCallerReportsRefusedRedirect);
    }
    CRefusedRedirectScope(const CRefusedRedirectScope&) = delete;
    CRefusedRedirectScope& operator=(const CRefusedRedirectScope&) = delete;

private:
    CHttpComm& m_comm;
    BOOL m_bWasSet;
};
} // namespace

CAuctionLoginController::CAuctionLoginController(CHttpComm* pHttpComm)
    : m_progress(pHttpComm, nullptr), m_nLoginType(LoginHttp), m_bReported(FALSE)
{
}

CAuctionLoginController::~CAuctionLoginController() {}

BOOL CAuctionLoginController::Login(const CUserAccount& account, CWnd* pParent)
{
    m_bReported = FALSE;
    CProgressTextGuard guard(&m_progress);
    switch (m_nLoginType)
    {
    case LoginScript:
    case LoginBrowserFilled:
    case LoginBrowserManual:
        return InteractiveLogin(account, m_nLoginType, pParent);
    default:
        return HttpLogin(GetLoginUrl(), account, pParent, 0);
    }
}

BOOL CAuctionLoginController::LogOut()
{
    CHttpComm* pComm = m_progress.GetHttpComm();
    if (pComm == nullptr)
        return FALSE;
    CProgressTextGuard guard(&m_progress);
    m_progress.SetStatusId(IDS_LOGIN_STATUS_LOGOUT);
    return Fetch(GetLogoutUrl(), nullptr);
}

void CAuctionLoginController::OnBeforeCaptcha() {}

void CAuctionLoginController::OnAfterCaptcha(BOOL bResult) {}

BOOL CAuctionLoginController::OnFormReadFailed(CHtmlDocument* pForm, CHtmlDocument* pPage)
{
    ShowFormUnreadable("hidden");
    return TRUE;
}

int CAuctionLoginController::GetCaptchaTimeout()
{
    return 0;
}

int CAuctionLoginController::GetOneTimePasswordTimeout()
{
    return 0;
}

int CAuctionLoginController::GetDialogTimeout(int nType)
{
    return nType == LoginScript ? ScriptDialogTimeout : 0;
}

BOOL CAuctionLoginController::HttpLogin(LPCTSTR url, const CUserAccount& account, CWnd* pParent, int nDepth)
{
    CHttpComm* pComm = m_progress.GetHttpComm();
    if (pComm == nullptr || url == nullptr || *url == '\0' || !account.IsValid())
        return FALSE;
    Set(0);
    CProgressTextGuard guard(&m_progress);

    m_progress.SetStatusId(IDS_LOGIN_STATUS_PAGE);
    if (!Fetch(url, nullptr))
        return FALSE;

    CString formHtml;
    if (!FindLoginForm(*pComm, formHtml))
    {
        CString nextUrl;
        if (nDepth < MaxLoginPageDepth && RunCaptchaStep(pParent, nextUrl))
            return HttpLogin(nextUrl, account, pParent, nDepth + 1);
        const BOOL bSignedIn = RunOneTimePasswordStep(account, pParent);
        if (!bSignedIn && !IsCancelled() && !m_bReported)
            ShowMessageId(IDS_LOGIN_NO_FORM);
        return bSignedIn;
    }

    // The page's own inputs first: it must not be able to replace the
    // account's ID or password.
    CHtmlDocument form(formHtml);
    CLoginFormFieldSet fields(pComm);
    if (!fields.ReadFormInputs(&form))
    {
        OnFormReadFailed(&form, pComm);
        return FALSE;
    }
    fields.SetAt(CLoginFormFieldSet::FieldLogin, account.GetID());
    fields.SetAt(CLoginFormFieldSet::FieldPassword, account.GetPassword());
    fields.SetAt(CLoginFormFieldSet::FieldPersistent, "y");
    CString albatross;
    const BOOL bScripted = ReadAlbatrossValue(*pComm, albatross);
    if (bScripted)
        fields.SetAt(CLoginFormFieldSet::FieldAlbatross, albatross);
    fields.ClearAt(CLoginFormFieldSet::FieldNoScript);

    CString format, status;
    format.LoadString(IDS_LOGIN_STATUS_POST);
    status.Format(format, (LPCTSTR)account.GetID());
    m_progress.SetStatus(status);

    // The ID and password go to the log-in host only, whatever the page
    // names as the form's action.
    CString action, pageUrl;
    if (!form.GetAttribute("form", "action", action))
    {
        ShowFormUnreadable("action");
        return FALSE;
    }
    DecodeHtmlEntities(action);
    pComm->GetUrl(pageUrl);
    const CString target = ResolveHttpUrl(pageUrl, action);
    if (!IsLoginPostTarget(target))
    {
        ShowFormUnreadable("action");
        return FALSE;
    }
    CString body;
    fields.BuildBody(body);
    {
        // A redirect may not carry the password off the log-in origin.
        CRefusedRedirectScope refusal(*pComm);
        if (!Fetch(target, body))
        {
            if (pComm->IsRedirectRefused() && !IsCancelled())
                ShowMessageId(IDS_LOGIN_FAILED);
            return FALSE;
        }
    }

    CString finalUrl;
    pComm->GetUrl(finalUrl);
    BOOL bSuccess = IsLoginAnswerDone(*pComm, finalUrl, GetLoginDoneUrl());
    // What the answer says is read now: the steps below load other pages.
    CString answerForm;
    const BOOL bFormAgain = !bSuccess && FindLoginForm(*pComm, answerForm);
    if (!bSuccess)
    {
        if (bScripted)
        {
            CString nextUrl;
            if (nDepth < MaxLoginPageDepth && RunCaptchaStep(pParent, nextUrl))
                return HttpLogin(nextUrl, account, pParent, nDepth + 1);
            bSuccess = RunOneTimePasswordStep(account, pParent);
        }
        else
            bSuccess = InteractiveLogin(account, LoginScript, pParent);
    }
    if (!bSuccess && !IsCancelled())
    {
        CString error;
        if (bFormAgain)
            GetLoginErrorText(answerForm, error);
        else
            bSuccess = IsSignedInAs(account, IDS_LOGIN_STATUS_CHECK);
        if (!bSuccess && !m_bReported && !IsCancelled())
        {
            if (error.IsEmpty())
                ShowMessageId(IDS_LOGIN_FAILED);
            else
            {
                CString message;
                message.FormatMessage(IDS_LOGIN_SERVER_ERROR, (LPCTSTR)error);
                ShowMessage(message);
            }
        }
    }
    return bSuccess;
}

BOOL CAuctionLoginController::InteractiveLogin(const CUserAccount& account, int nType, CWnd* pParent)
{
    Set(0);
    int nKind;
    switch (nType)
    {
    case LoginScript:
        nKind = CLoginStepDialog::KindScript;
        break;
    case LoginBrowserFilled:
    case LoginBrowserManual:
        nKind = CLoginStepDialog::KindManual;
        break;
    default:
        return FALSE;
    }
    std::unique_ptr<CLoginStepDialog> pDialog(CreateLoginDialog(nKind, nullptr, nullptr, pParent));
    if (!pDialog)
        return FALSE;
    const int nTimeout = GetDialogTimeout(nType);
    if (nTimeout > 0)
        pDialog->SetTimeout(nTimeout);
    pDialog->SetStartUrl(GetLoginUrl());
    if (nType == LoginBrowserManual)
    {
        CUserAccount idOnly;
        idOnly.SetID(account.GetID());
        pDialog->SetAccount(idOnly);
    }
    else
        pDialog->SetAccount(account);

    BOOL bSuccess = FALSE;
    if (RunDialog(*pDialog) == IDOK)
    {
        CString id;
        if (!pDialog->GetLoginUserId(id) || id.IsEmpty())
            ReadLoggedInUserId(id, IDS_LOGIN_STATUS_READ_ID);
        if (!id.IsEmpty())
        {
            bSuccess = MbsEqualNoCase(id, account.GetID());
            if (!bSuccess)
            {
                CString message;
                message.FormatMessage(IDS_LOGIN_OTHER_USER, (LPCTSTR)account.GetID());
                ShowMessage(message);
            }
        }
    }
    else if (nKind == CLoginStepDialog::KindScript && !IsCancelled() && !m_bReported)
        ShowMessageId(pDialog->TestState(CLoginStepDialog::StateLoginPageAgain) ? IDS_LOGIN_FAILED
                                                                                : IDS_LOGIN_SCRIPT_FAILED);
    return bSuccess;
}

BOOL CAuctionLoginController::ReadLoggedInUserId(CString& out, UINT nStatusId)
{
    out.Empty();
    CHttpComm* pComm = m_progress.GetHttpComm();
    if (pComm == nullptr)
        return FALSE;
    m_progress.SetStatusId(nStatusId != 0 ? nStatusId : (UINT)IDS_LOGIN_STATUS_READ_ID);
    for (int i = 0; i < LoginIdPageCount; ++i)
    {
        const CString page = GetLoginIdPage(i);
        CString current;
        pComm->GetUrl(current);
        if (!(i == 0 && MbsEqualNoCase(current, page)) && !Fetch(page, nullptr))
            break;
        if (GetLoginUserIdFromPage(pComm, out))
            return TRUE;
    }
    return FALSE;
}

#ifndef _WIN32
// Without windows there is no dialog to show.
CLoginStepDialog* CAuctionLoginController::CreateLoginDialog(int nKind, LPCTSTR html, LPCTSTR done,
                                                             CWnd* pParent)
{
    return nullptr;
}
#endif

BOOL CAuctionLoginController::RunCaptchaStep(CWnd* pParent, CString& nextUrl)
{
    CString formHtml;
    if (!FindCaptchaForm(*m_progress.GetHttpComm(), formHtml))
        return FALSE;
    OnBeforeCaptcha();
    Remove(flagCancelled);
    BOOL bResult = FALSE;
    CString done, snapshot;
    if (ReadCaptchaDoneValue(formHtml, done) && MakeSnapshot(snapshot))
    {
        std::unique_ptr<CLoginStepDialog> pDialog(
            CreateLoginDialog(CLoginStepDialog::KindCaptcha, snapshot, done, pParent));
        if (pDialog)
        {
            if (GetCaptchaTimeout() > 0)
                pDialog->SetTimeout(GetCaptchaTimeout());
            if (RunDialog(*pDialog) == IDOK)
                bResult = pDialog->GetNextUrl(nextUrl);
        }
    }
    OnAfterCaptcha(bResult);
    return bResult;
}

BOOL CAuctionLoginController::RunOneTimePasswordStep(const CUserAccount& account, CWnd* pParent)
{
    CString formHtml, done, snapshot;
    if (!FindOneTimePasswordForm(*m_progress.GetHttpComm(), formHtml))
        return FALSE;
    if (!ReadOneTimePasswordDoneValue(formHtml, done) || !MakeSnapshot(snapshot))
        return FALSE;
    std::unique_ptr<CLoginStepDialog> pDialog(
        CreateLoginDialog(CLoginStepDialog::KindOneTimePassword, snapshot, done, pParent));
    if (!pDialog)
        return FALSE;
    if (GetOneTimePasswordTimeout() > 0)
        pDialog->SetTimeout(GetOneTimePasswordTimeout());
    Remove(flagCancelled);
    // The dialog's OK means the service went on; whether it signed in as
    // this account the service's pages tell.
    if (RunDialog(*pDialog) != IDOK)
        return FALSE;
    return IsSignedInAs(account, IDS_LOGIN_STATUS_CHECK);
}

BOOL CAuctionLoginController::Fetch(LPCTSTR url, LPCTSTR body)
{
    CHttpComm* pComm = m_progress.GetHttpComm();
    if (pComm->Request(url, body, TRUE))
        return TRUE;
    // Stopped by the user (a progress dialog's 中止): a cancel, not a failure.
    if (pComm->IsCancelled())
        Add(flagCancelled);
    return FALSE;
}

INT_PTR CAuctionLoginController::RunDialog(CLoginStepDialog& dialog)
{
    const INT_PTR nResult = dialog.RunModal();
    if (dialog.TestState(CLoginStepDialog::StateAborted))
        Add(flagCancelled);
    if (dialog.TestState(CLoginStepDialog::StateTimedOut))
        m_bReported = TRUE;
    return nResult;
}

BOOL CAuctionLoginController::IsSignedInAs(const CUserAccount& account, UINT nStatusId)
{
    CString id;
    return ReadLoggedInUserId(id, nStatusId) && MbsEqualNoCase(id, account.GetID());
}

BOOL CAuctionLoginController::MakeSnapshot(CString& out)
{
    CHttpComm* pComm = m_progress.GetHttpComm();
    CString body, url;
    pComm->GetBody(body);
    pComm->GetUrl(url);
    return MakeLoginPageSnapshot(body, url, pComm->GetCharset(), out);
}

void CAuctionLoginController::ShowMessage(LPCTSTR text)
{
    m_progress.ShowMessage(text, 0);
    m_bReported = TRUE;
}

void CAuctionLoginController::ShowMessageId(UINT nID)
{
    m_progress.ShowMessageId(nID, 0);
    m_bReported = TRUE;
}

void CAuctionLoginController::ShowFormUnreadable(LPCTSTR what)
{
    CString message;
    message.FormatMessage(IDS_LOGIN_FORM_UNREADABLE, what);
    ShowMessage(message);
}
