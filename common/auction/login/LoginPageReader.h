#ifndef TANZO_AUCTION_LOGINPAGEREADER_H
#define TANZO_AUCTION_LOGINPAGEREADER_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CHtmlDocument;

// What the log-in reads from the service's pages: its forms, the value
// its script would put into the form, whether an answer means success,
// the error it shows, and the copy of a page that a dialog shows.

// The log-in form's markup: the form named "login_form", else the first
// whose action holds the log-in host's "/config/login" (https:// form
// first, then http://).
BOOL FindLoginForm(CHtmlDocument& page, CString& formHtml);

// The image-character form (name, else id "captchaForm") and the value of
// its ".done" input.
BOOL FindCaptchaForm(CHtmlDocument& page, CString& formHtml);
BOOL ReadCaptchaDoneValue(LPCTSTR formHtml, CString& out);

// The form posting to the protected log-in host's "/otp", and the ".done"
// parameter (decoded) of its action.
BOOL FindOneTimePasswordForm(CHtmlDocument& page, CString& formHtml);
BOOL ReadOneTimePasswordDoneValue(LPCTSTR formHtml, CString& out);

// The value that a script of the page assigns to the ".albatross" input:
// getElementsByName(".albatross")...= "value". FALSE when none is found
// or the value is empty.
BOOL ReadAlbatrossValue(CHtmlDocument& page, CString& out);

// Whether the answer to the posted form means a log-in: a refresh that
// names the done address (or, when its target cannot be read, a link to
// the done address whose text is that address), else a final URL that is
// the done address.
BOOL IsLoginAnswerDone(CHtmlDocument& page, LPCTSTR finalUrl, LPCTSTR doneUrl);

// The error text of a rejected log-in form (markup of the form): the
// "errMsg" block of its "inputArea", without line breaks and trimmed.
BOOL GetLoginErrorText(LPCTSTR formHtml, CString& out);

// An address the account's ID and password may be sent to: https:// on the
// log-in host, or the configured log-in origin itself (a stand-in may be
// plain http://).
BOOL IsLoginPostTarget(LPCTSTR url);

// The page as a dialog shows it from a file: a "base" naming the page's
// scheme and host first in its head, the content-type meta naming charset
// (Shift_JIS when 0), the text converted to that charset. FALSE without a
// head that has children.
BOOL MakeLoginPageSnapshot(LPCTSTR body, LPCTSTR url, int charset, CString& out);

#endif // TANZO_AUCTION_LOGINPAGEREADER_H
