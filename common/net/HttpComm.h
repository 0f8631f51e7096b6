#ifndef TANZO_NET_HTTPCOMM_H
#define TANZO_NET_HTTPCOMM_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/BitFlags.h"
#include "text/HtmlDocument.h"

#include <memory>

class CHttpStatusSink;
struct HttpRequestState;

// The program's HTTP client: one conversation, request after request, on
// the user-interface thread. Send blocks until the answer is complete while
// the status callback pumps messages, follows redirects itself, tries a
// failed bodyless request once more, asks the user on other failures
// (unless quiet) and keeps the final URL. The answer's body, converted to
// code page 932 by its charset, is the source of the document part, so a
// fetched page is queried on this object directly.
class CHttpComm : public CBitFlags, public CHtmlDocument
{
public:
    // Bits of the flag word.
    enum
    {
        flagQuiet = 0x01, // no message box at all; failures are only returned
        // A redirect refused for its body (IsRedirectRefused) ends the
        // request without a message: the caller tells the user itself.
        flagCallerReportsRefusedRedirect = 0x02,
    };
    // Bits of the state word.
    enum
    {
        stateCharsetKnown = 0x02,    // charset determined (header, meta tag or guess)
        stateRedirectRefused = 0x04, // a 307/308 would have taken the body off its origin
    };
    // INTERNET_FLAG_RELOAD, INTERNET_FLAG_EXISTING_CONNECT,
    // INTERNET_FLAG_NO_CACHE_WRITE and INTERNET_FLAG_NO_AUTO_REDIRECT.
    static const DWORD kDefaultRequestFlags = 0xA4200000;

    CHttpComm();
    // Destroyed while its Send runs (from a pumped message), it leaves the
    // request cancelled, and Send returns FALSE without touching it again.
    ~CHttpComm() override;

    // One request: url absolute or relative to the current URL; a POST of
    // dwLength bytes of pBody with the extra header lines pszHeaders (the
    // form content type when null), else a GET. bRetry allows the one
    // automatic retry of a bodyless request. nDepth is the redirect depth,
    // 0 from every caller. TRUE when an answer below 400 was read
    // completely. FALSE on failure or cancel, and at once for a call made
    // while another Send of this object runs.
    BOOL Send(LPCTSTR url, LPCVOID pBody, DWORD dwLength, LPCTSTR pszHeaders, BOOL bRetry, int nDepth = 0);
    // GET when body is null or empty, else a form POST of the text.
    BOOL Request(LPCTSTR url, LPCTSTR body = nullptr, BOOL bRetry = TRUE);

    // Read by a running request between its steps; cleared by each Send.
    void SetCancel(BOOL bCancel);
    BOOL IsCancelled() const;
    BOOL IsSending() const;

    void SetStatusSink(CHttpStatusSink* pSink);
    CHttpStatusSink* GetStatusSink() const;

    // The absolute URL of the last request, after redirects the final one.
    void GetUrl(CString& out) const;
    // Scheme and host of the current URL (with its port when it is not the
    // scheme's default); FALSE when it cannot be parsed.
    BOOL GetSchemeAndHost(CString& out) const;
    // bRaw: the body as received (bare LFs made CR LF); otherwise the body
    // in code page 932. TRUE when it is not empty.
    BOOL GetBody(CString& out, BOOL bRaw = FALSE);
    // The body's charset: from the Content-Type header, else the page's
    // meta tag, else a guess made once per answer.
    int GetCharset() override;
    DWORD GetStatusCode() const { return m_dwStatusCode; }
    // The WinInet error of the last failed request, 0 when none.
    DWORD GetLastError() const { return m_dwLastError; }
    // The last request failed because a redirect would have sent its body
    // to another origin (DecideRedirectStep); nothing was sent there.
    BOOL IsRedirectRefused() const;

    // The page's source is the answer: it cannot be set from outside.
    void SetSource(LPCTSTR text) override;
    BOOL LoadSource() override;

    // Through the status sink when there is one, else AfxMessageBox.
    int ShowMessage(LPCTSTR lpszText, UINT nType, UINT nIDHelp = 0);
    int ShowMessageId(UINT nID, UINT nType, UINT nIDHelp = 0);

    // In a parsed page, the first <meta http-equiv="Content-Type"> of the
    // head that names a known charset is made to name nCharset instead;
    // TRUE when it was changed.
    static BOOL SetMetaCharset(CHtmlDocument& document, int nCharset);

private:
    // Send's work; returns at once, without touching the object, when the
    // object is destroyed meanwhile (state.bDetached).
    BOOL RunSend(HttpRequestState& state, CString strUrl, LPCVOID pBody, DWORD dwLength, LPCTSTR pszHeaders,
                 BOOL bRetry, int nDepth);
    void ConvertBody();

    CString m_strUrl;
    CString m_strRawBody;
    CString m_strReadBuffer;                    // the last answer's room, kept for the next
    CString m_strSourceRoom;                    // the last converted page's room, likewise
    std::shared_ptr<HttpRequestState> m_pState; // cancel flag and status sink
    CString m_strUserAgent;
    DWORD m_dwStatusCode;
    DWORD m_dwLastError;
    DWORD m_dwRequestFlags;
    CBitFlagsEx m_state;
};

#ifdef _WIN32
// "Mozilla/5.0 (compatible; VS %s %s; WinInet; %s)" with the application's
// name, its file version and the plain Windows name; TRUE when not empty.
BOOL BuildUserAgent(CString& out);
// Gives the embedded browser the same User-Agent; called once at start-up.
BOOL SetBrowserUserAgent();
#endif

#endif // TANZO_NET_HTTPCOMM_H
