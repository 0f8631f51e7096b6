#include "auction/login/LoginDialogRules.h"

#include "auction/login/LoginAddresses.h"
#include "auction/login/LoginStepDialog.h"
#include "text/MbcsString.h"
#include "text/TextSplit.h"
#include "text/UrlUtil.h"

#include <cstring>

namespace
{
// What lies behind the host's origin, when the URL is on the host.
BOOL GetPathOnHost(LPCTSTR url, ServiceHost host, CString& rest)
{
    for (BOOL bSecure : {TRUE, FALSE})
    {
        const CString origin = MakeServiceAddress(host, bSecure, nullptr);
        if (BeginsWithOrigin(url, origin))
        {
            rest = url + origin.GetLength();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL IsBlank(LPCTSTR url)
{
    return url != nullptr && MbsEqualNoCase(url, "about:blank");
}

// The navigations every dialog lets pass: its own first page, a blank
// page, anything inside a named frame.
BOOL IsOwnNavigation(DWORD state, const LoginNavigation& navigation)
{
    return (state & CLoginStepDialog::StateStart) != 0 || IsBlank(navigation.url) ||
           (navigation.targetFrame != nullptr && *navigation.targetFrame != '\0');
}
} // namespace

BOOL IsLoginDialogLoginPage(LPCTSTR url)
{
    static const LPCTSTR kPaths[] = {"/config/login", "/logout_logbackin/", "/easylogin/", "/logincushion/"};
    CString rest;
    if (!GetPathOnHost(url, HostLogin, rest))
        return FALSE;
    for (LPCTSTR path : kPaths)
    {
        if (MbsFindNoCase(rest, path) >= 0)
            return TRUE;
    }
    return FALSE;
}

BOOL IsLoginFormPage(LPCTSTR url)
{
    return IsLoginDialogLoginPage(url) && BeginsWithOrigin(url, GetServiceOrigin(HostLogin));
}

BOOL IsProtectedLoginPage(LPCTSTR url)
{
    CString rest;
    return GetPathOnHost(url, HostProtectedLogin, rest);
}

BOOL IsSupportRegistrationPage(LPCTSTR url)
{
    CString rest;
    if (!GetPathOnHost(url, HostLogin, rest) && !GetPathOnHost(url, HostProtectedLogin, rest))
        return FALSE;
    if (MbsFindNoCase(rest, "/suppreg/") >= 0)
        return TRUE;
    // Without query and fragment, and without trailing "/".
    const int end = rest.FindOneOf("?#");
    if (end >= 0)
        rest = rest.Left(end);
    rest.TrimRight('/');
    return rest.GetLength() >= 7 && MbsEqualNoCase(rest.Right(7), "suppreg");
}

BOOL IsLoginDoneAddress(LPCTSTR url, LPCTSTR done)
{
    return url != nullptr && *url != '\0' && done != nullptr && *done != '\0' && CompareUrls(url, done) == 0;
}

BOOL IsOneTimePasswordDone(LPCTSTR url, LPCTSTR done)
{
    if (url == nullptr || *url == '\0' || done == nullptr || *done == '\0')
        return FALSE;
    return CompareUrls(url, done) == 0 || MbsCompareNNoCase(url, done, (int)strlen(done)) == 0;
}

BOOL IsCaptchaContinueUrl(LPCTSTR url, LPCTSTR done)
{
    CString next, ct;
    return IsLoginDialogLoginPage(url) && done != nullptr && GetQueryParameter(url, ".done", next, TRUE) &&
           MbsEqualNoCase(next, done) && GetQueryParameter(url, ".ct", ct, TRUE);
}

int DecideCaptchaNavigation(DWORD state, const LoginNavigation& navigation)
{
    if (IsOwnNavigation(state, navigation) || IsLoginDialogLoginPage(navigation.url))
        return LoginNavigationPass;
    return LoginNavigationOpenOutside;
}

int DecideOneTimePasswordNavigation(DWORD state, const LoginNavigation& navigation, LPCTSTR done)
{
    if (IsOwnNavigation(state, navigation))
        return LoginNavigationPass;
    if (IsOneTimePasswordDone(navigation.url, done))
        return LoginNavigationDone;
    return IsProtectedLoginPage(navigation.url) ? LoginNavigationPass : LoginNavigationOpenOutside;
}

int DecideBrowserLoginNavigation(DWORD state, const LoginNavigation& navigation, LPCTSTR done,
                                 CString& seenId)
{
    if (IsOwnNavigation(state, navigation))
        return LoginNavigationPass;
    if (IsLoginDoneAddress(navigation.url, done))
        return LoginNavigationDone;
    if (IsLoginDialogLoginPage(navigation.url))
    {
        seenId.Empty();
        if (navigation.postData == nullptr || *navigation.postData == '\0')
            return LoginNavigationPass;
        if (!IsLoginFormPage(navigation.url))
            return LoginNavigationFail;
        GetQueryParameter(CString("?") + navigation.postData, "login", seenId, TRUE);
        return LoginNavigationPass;
    }
    if (IsProtectedLoginPage(navigation.url) || IsSupportRegistrationPage(navigation.url))
        return LoginNavigationPass;
    return LoginNavigationOpenOutside;
}

int DecideCaptchaDocument(DWORD state, const LoginDocument& document, LPCTSTR done)
{
    if ((state & CLoginStepDialog::StateStart) != 0)
        return LoginDocumentLeaveStart;
    return IsCaptchaContinueUrl(document.url, done) ? LoginDocumentDone : LoginDocumentNothing;
}

int DecideOneTimePasswordDocument(DWORD state, const LoginDocument& document, LPCTSTR done)
{
    if ((state & CLoginStepDialog::StateStart) != 0)
        return LoginDocumentLeaveStart;
    return IsOneTimePasswordDone(document.url, done) ? LoginDocumentDone : LoginDocumentNothing;
}

int DecideManualDocument(DWORD state, const LoginDocument& document, LPCTSTR done)
{
    if ((state & CLoginStepDialog::StateStart) != 0)
        return document.hasCaptchaForm ? LoginDocumentNothing : LoginDocumentArmStartTimer;
    if ((state & CLoginStepDialog::StateLoginRequested) == 0)
        return LoginDocumentNothing;
    if (IsLoginDoneAddress(document.url, done))
        return LoginDocumentDone;
    if (IsLoginDialogLoginPage(document.url))
        return (state & CLoginStepDialog::StateSucceeded) != 0 || !IsLoginFormPage(document.url)
                   ? LoginDocumentNothing
                   : LoginDocumentFillForm;
    if (!document.hasLoginForm && !document.hasCaptchaForm)
        return LoginDocumentDeclareSuccess;
    return LoginDocumentNothing;
}

int DecideScriptDocument(DWORD state, const LoginDocument& document, LPCTSTR done)
{
    if (IsLoginDoneAddress(document.url, done))
        return LoginDocumentDone;
    // A page that moves on by itself (the answer to the form) is not the end.
    if ((state & CLoginStepDialog::StateSucceeded) != 0 || document.hasRefresh)
        return LoginDocumentNothing;
    return IsLoginDialogLoginPage(document.url) ? LoginDocumentLoginPageAgain : LoginDocumentFail;
}

int DecideScriptStartDocument(LPCTSTR url, BOOL hasStartUrl)
{
    if (IsLoginFormPage(url))
        return LoginDocumentFillForm;
    return hasStartUrl ? LoginDocumentFail : LoginDocumentNothing;
}

int DecideScriptFilledForm(int filled)
{
    const int both = LoginFilledId | LoginFilledPassword;
    return (filled & both) == both ? LoginDocumentSubmit : LoginDocumentFail;
}
