#ifndef TANZO_NET_HTTPEXCHANGE_H
#define TANZO_NET_HTTPEXCHANGE_H

// One request and its answer, without redirects or retries: the part of
// CHttpComm::Send that talks to the network (WinInet on Windows). Tests
// may put a hook in its place to answer without a network.

#include "afx/ParseUrl.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "net/HttpRules.h"

class CHttpStatusSink;

// What a running request shares with its CHttpComm. The object may go away
// while the request runs (a window closed from a message pumped by the
// status callback); it then marks the state detached and the request ends
// without touching it again.
struct HttpRequestState
{
    BOOL bCancel = FALSE;
    CHttpStatusSink* pSink = nullptr; // not owned
    BOOL bBusy = FALSE;               // a Send is running
    BOOL bDetached = FALSE;           // its CHttpComm is gone
};

struct HttpExchange
{
    // The request: POST when pBody is set and dwBodyLength > 0, else GET.
    CString strAgent;
    BOOL bSecure = FALSE;
    CString strServer;
    INTERNET_PORT nPort = 0;
    CString strObject; // path and query
    const void* pBody = nullptr;
    DWORD dwBodyLength = 0;
    LPCTSTR pszHeaders = nullptr; // extra header lines of a POST
    DWORD dwRequestFlags = 0;

    // The answer. bSucceeded with a target: a redirect; without: the body
    // was read (unless the request was cancelled).
    BOOL bSucceeded = FALSE;
    DWORD dwStatus = 0;
    CString strTarget;
    int nCharset = 0; // named by the Content-Type header
    CString strBody;  // as received
    HttpFailureKind failure = HttpFailConnection;
    DWORD dwError = 0;    // WinInet error of HttpFailInternet
    CString strErrorText; // the text shown in parentheses of the failure box
};

// Runs the hook when one is set, else the platform's exchange. Without a
// platform (the native build) every request fails to connect.
void RunHttpExchange(HttpExchange& exchange, HttpRequestState& state);

typedef void (*HTTP_EXCHANGE_HOOK)(HttpExchange& exchange, HttpRequestState& state, void* pParam);
// Sets the hook (null removes it) and returns the previous one.
HTTP_EXCHANGE_HOOK SetHttpExchangeHook(HTTP_EXCHANGE_HOOK pfnHook, void* pParam = nullptr);

// The answer to a sent request as the exchange reads it: WinInet's request
// handle, or a test's script.
class CHttpAnswer
{
public:
    virtual ~CHttpAnswer() = default;
    virtual BOOL QueryStatusCode(DWORD& dwStatus) = 0;
    // The status line and header lines, each ended by CR LF.
    virtual BOOL QueryRawHeaders(CString& strHeaders) = 0;
    virtual BOOL QueryContentType(CString& strContentType) = 0;
    // Up to nCount bytes of the body; 0 at its end.
    virtual UINT Read(void* pBuffer, UINT nCount) = 0;
};

// Status, redirect target, charset and body of the answer into the
// exchange. FALSE when the request failed (the failure is set in the
// exchange when it is the server's); TRUE for a redirect, a page, or a
// cancel before the body.
BOOL ReadHttpAnswer(CHttpAnswer& answer, HttpExchange& exchange, const HttpRequestState& state);

#ifdef _WIN32
void RunWinInetExchange(HttpExchange& exchange, HttpRequestState& state);
#endif

#endif // TANZO_NET_HTTPEXCHANGE_H
