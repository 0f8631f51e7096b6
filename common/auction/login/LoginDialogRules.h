#ifndef TANZO_AUCTION_LOGINDIALOGRULES_H
#define TANZO_AUCTION_LOGINDIALOGRULES_H

#include "afx/String.h"
#include "afx/wintypes.h"

// What the log-in dialogs do with the browser's events: plain decisions
// over their state bits (CLoginStepDialog::State...), the address, the
// target frame and the posted data, so that they are tested without a
// browser.

// Classes of address, each bound to the configured hosts: the log-in pages
// of the log-in host (its "/config/login" pages and the cushion pages
// before them), the pages of the protected log-in host, the support
// registration the service may put in between, and the done address.
BOOL IsLoginDialogLoginPage(LPCTSTR url);
// A log-in page the account may be filled into: one on the configured
// log-in origin itself, its scheme included (never an http:// page of an
// https:// host).
BOOL IsLoginFormPage(LPCTSTR url);
BOOL IsProtectedLoginPage(LPCTSTR url);
BOOL IsSupportRegistrationPage(LPCTSTR url);
BOOL IsLoginDoneAddress(LPCTSTR url, LPCTSTR done);
// The one-time-password dialog's success: the done address, or an address
// below it (with a query, a deeper path); never the reverse.
BOOL IsOneTimePasswordDone(LPCTSTR url, LPCTSTR done);
// The captcha dialog's address to go on with: a log-in page whose ".done"
// is the done address and whose ".ct" is not empty.
BOOL IsCaptchaContinueUrl(LPCTSTR url, LPCTSTR done);

// What to do with a navigation the browser is about to make.
enum LoginNavigationAction
{
    LoginNavigationPass,        // let it go
    LoginNavigationOpenOutside, // cancel it, stop the browser, open the address outside
    LoginNavigationDone,        // cancel it: the log-in succeeded, end with OK
    LoginNavigationFail,        // cancel it: the log-in failed, end with Cancel
};

struct LoginNavigation
{
    LPCTSTR url;
    LPCTSTR targetFrame; // a named frame is the page's own business
    LPCTSTR postData;    // form data sent with it, null when none
};

int DecideCaptchaNavigation(DWORD state, const LoginNavigation& navigation);
int DecideOneTimePasswordNavigation(DWORD state, const LoginNavigation& navigation, LPCTSTR done);
// The browser log-in also learns the ID the user sends: a log-in page
// empties seenId and, when it posts a form, takes its "login" value. A
// form posted to a log-in page off the configured origin is not sent: it
// carries the password.
int DecideBrowserLoginNavigation(DWORD state, const LoginNavigation& navigation, LPCTSTR done,
                                 CString& seenId);

// What to do when a document has loaded.
enum LoginDocumentAction
{
    LoginDocumentNothing,
    LoginDocumentLeaveStart,     // the dialog's own page is done: clear the start state
    LoginDocumentArmStartTimer,  // browser log-in: leave the start state, go to the log-in page soon
    LoginDocumentDone,           // success: end with OK
    LoginDocumentFillForm,       // a log-in page: put in the account
    LoginDocumentDeclareSuccess, // offer the button that declares success
    LoginDocumentLoginPageAgain, // scripted log-in: the form came back; end with Cancel
    LoginDocumentFail,           // scripted log-in: end with Cancel
    LoginDocumentSubmit,         // scripted log-in: send the filled-in form
};

// What the dialog knows of the document that loaded.
struct LoginDocument
{
    LPCTSTR url;
    BOOL hasLoginForm;   // a form named "login_form"
    BOOL hasCaptchaForm; // a form named "captchaForm"
    BOOL hasRefresh;     // a refresh meta: the page moves on by itself
};

int DecideCaptchaDocument(DWORD state, const LoginDocument& document, LPCTSTR done);
int DecideOneTimePasswordDocument(DWORD state, const LoginDocument& document, LPCTSTR done);
int DecideManualDocument(DWORD state, const LoginDocument& document, LPCTSTR done);
// Later documents of the scripted log-in.
int DecideScriptDocument(DWORD state, const LoginDocument& document, LPCTSTR done);

// Results of filling the log-in form.
enum
{
    LoginFilledId = 0x1,
    LoginFilledPassword = 0x2,
};
// The scripted log-in's first document (url): the account goes only into a
// log-in page of the configured origin (LoginDocumentFillForm); any other
// page ends the log-in, and without a start address there is nothing to
// lose by waiting.
int DecideScriptStartDocument(LPCTSTR url, BOOL hasStartUrl);
// The filled-in form (filled: LoginFilled... bits): send it when both went
// in, else give up.
int DecideScriptFilledForm(int filled);

#endif // TANZO_AUCTION_LOGINDIALOGRULES_H
