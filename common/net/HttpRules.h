#ifndef TANZO_NET_HTTPRULES_H
#define TANZO_NET_HTTPRULES_H

// The decisions of the HTTP client that need no network: where a link or
// redirect leads, which header names the redirect target, how line ends of
// a body are made uniform, which charset a page names for itself, which
// failures are tried again without asking, and the texts of its messages.

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "net/HttpResourceIds.h"

class CMarkupNode;

// WinInet error codes the rules know by number (the same values as
// <wininet.h>; the portable core has no such header).
enum HttpInternetError
{
    HTTP_ERROR_TIMEOUT = 12002,            // ERROR_INTERNET_TIMEOUT
    HTTP_ERROR_CONNECTION_ABORTED = 12030, // ERROR_INTERNET_CONNECTION_ABORTED
    HTTP_ERROR_CONNECTION_RESET = 12031,   // ERROR_INTERNET_CONNECTION_RESET
    HTTP_ERROR_FORCE_RETRY = 12032,        // ERROR_INTERNET_FORCE_RETRY
    HTTP_ERROR_INVALID_RESPONSE = 12152,   // ERROR_HTTP_INVALID_SERVER_RESPONSE
};

// Messages of the HTTP client in the string table.
enum HttpMessageId
{
};

// The deepest redirect that is still followed: the 21st redirect of a
// chain is refused.
const int kHttpMaxRedirectDepth = 20;

// The absolute address of url as a request made from currentUrl would
// reach it. The fragment is dropped. An address with a scheme ("http:",
// "mailto:") stands as it is; "//host/path" takes the scheme of currentUrl; "/path" takes its
// scheme, host and port; "?query" its address without query; any other
// text its folder (a leading "./" is skipped, "../" is kept as written).
// With an empty currentUrl the result is url without fragment.
CString ResolveHttpUrl(LPCTSTR currentUrl, LPCTSTR url);

// The value of the "Location" header of raw response headers (lines ended
// by CR LF, the status line first), trimmed of blanks; only a line whose
// name is exactly Location, in any letter case, counts. FALSE when there is
// none or its value is empty.
BOOL FindLocationHeader(LPCTSTR rawHeaders, CString& target);

// Every LF that does not follow a CR becomes CR LF; CR LF pairs and lone
// CRs stay as they are. Counted bytes, NULs included.
CString MakeCrLfLineEnds(const char* data, int length);
// The same into out, whose buffer is used again (out must not hold data).
void MakeCrLfLineEnds(const char* data, int length, CString& out);

// The charset code (1 to 4) that a page names in a <meta http-equiv=
// "Content-Type"> tag, looked for in its head, or anywhere when it has no
// head, within the first 64 KB; 0 when none names a known charset.
int FindMetaCharset(const char* data, int length);

// The charset of a page: the one its Content-Type header names, else the
// one of its meta tag, else the one its bytes look like.
int ChoosePageCharset(int nHeaderCharset, const char* data, int length);

// Of the meta elements (CMarkupNode pointers, in page order), the first
// whose "http-equiv" is "Content-Type" in any letter case and whose
// "content" names a known charset; its code goes to nCharset. Null when
// there is none.
CMarkupNode* FindCharsetMeta(const CPtrList& metas, int& nCharset);

// 301, 302, 303, 307 and 308.
BOOL IsRedirectStatus(DWORD status);
// 307 and 308 send the same body to the new address; the others turn the
// request into a GET.
BOOL RedirectKeepsBody(DWORD status);

// TRUE when both are absolute http or https addresses of one origin: the
// same scheme, host (in any letter case) and port (a default port written
// or not).
BOOL IsSameHttpOrigin(LPCTSTR url, LPCTSTR otherUrl);

enum HttpRedirectStep
{
    HttpRedirectAsGet,    // follow it without the body
    HttpRedirectWithBody, // follow it with the same body and headers
    HttpRedirectRefused,  // the body would leave its origin: follow nothing
};

// How a redirect (status, to the absolute toUrl) of a request to fromUrl is
// followed. A body goes again only to the origin it was sent to: what a
// form posts (a password) must reach no other host, nor the same host over
// plain http.
HttpRedirectStep DecideRedirectStep(DWORD status, BOOL hasBody, LPCTSTR fromUrl, LPCTSTR toUrl);

enum HttpStatusOutcome
{
    HttpStatusDone,        // an answer below 400 that is not a redirect
    HttpStatusRedirect,    // a redirect with its target
    HttpStatusServerError, // 400 or above
    HttpStatusNoAnswer,    // status 0 (a connection closed without a reply) or
                           // a redirect without a target
};

// What the status of an answer means; rawHeaders are read for redirects.
HttpStatusOutcome ClassifyHttpStatus(DWORD status, LPCTSTR rawHeaders, CString& target);

// The WinInet errors after which a request may simply be sent again.
BOOL IsTransientInternetError(DWORD error);

enum HttpFailureKind
{
    HttpFailConnection, // no answer and no WinInet error: nothing connected,
                        // sending failed, status 0, or a redirect without target
    HttpFailInternet,   // a WinInet error
    HttpFailServer,     // the server answered with status 400 or above
};

// Whether a failed request is sent once more without asking the user.
// Never for a request with a body: a lost answer must not post twice.
BOOL MayRetryAutomatically(BOOL callerAllowsRetry, BOOL hasBody, HttpFailureKind kind, DWORD error);

// The error text of a WinInet error: its own message on one line, "/" and
// message 501 with the code; the message is cut to 255 bytes at a character
// boundary and left out when there is none.
CString MakeInternetErrorText(LPCTSTR errorMessage, DWORD error);
// Message 514 with the status.
CString MakeStatusErrorText(DWORD status);

// The text of the box that reports a failure: 552 or 498 with the error
// text, 551 or 497 without one.
CString MakeFailureMessage(BOOL serverError, LPCTSTR errorText);

// "Mozilla/5.0 (compatible; VS %s %s; WinInet; %s)" with the application
// name ("Software" when it is empty), the version text and the Windows name.
CString FormatUserAgent(LPCTSTR appName, LPCTSTR versionText, LPCTSTR osName);

#endif // TANZO_NET_HTTPRULES_H
