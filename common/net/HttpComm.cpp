#include "net/HttpComm.h"

#include "afx/Collections.h"
#include "afx/MessageBox.h"
#include "afx/ParseUrl.h"
#ifdef _WIN32
#include "app/WindowHelpers.h"
#endif
#include "net/HttpExchange.h"
#include "net/HttpRules.h"
#include "net/HttpStatusSink.h"
#include "text/Charset.h"
#include "text/JisConvert.h"
#include "text/MarkupNode.h"
#include "text/UrlUtil.h"
#include "text/WideConvert.h"

#include <cstring>
#include <memory>
#include <utility>

namespace
{
const char kFormContentType[] = "Content-type: application/x-www-form-urlencoded\r\n";

// Marks a Send running for as long as it runs. Ended by the destructor, so
// that an exception passing through (only WinInet's are caught) does not
// leave the object refusing every later request.
class CSendingMark
{
public:
    explicit CSendingMark(std::shared_ptr<HttpRequestState> pState) : m_pState(std::move(pState))
    {
        m_pState->bBusy = TRUE;
    }
    ~CSendingMark() { m_pState->bBusy = FALSE; }
    CSendingMark(const CSendingMark&) = delete;
    CSendingMark& operator=(const CSendingMark&) = delete;

    HttpRequestState& State() const { return *m_pState; }

private:
    // Shared, so that it outlives the object when that is destroyed meanwhile.
    std::shared_ptr<HttpRequestState> m_pState;
};
} // namespace

CHttpComm::CHttpComm()
    : m_pState(std::make_shared<HttpRequestState>()), m_dwStatusCode(0), m_dwLastError(0),
      m_dwRequestFlags(kDefaultRequestFlags)
{
}

CHttpComm::~CHttpComm()
{
    if (m_pState->bBusy)
    {
        m_pState->bDetached = TRUE;
        m_pState->bCancel = TRUE;
        m_pState->pSink = nullptr;
    }
}

void CHttpComm::SetCancel(BOOL bCancel)
{
    m_pState->bCancel = bCancel;
}

BOOL CHttpComm::IsCancelled() const
{
    return m_pState->bCancel;
}

BOOL CHttpComm::IsSending() const
{
    return m_pState->bBusy;
}

void CHttpComm::SetStatusSink(CHttpStatusSink* pSink)
{
    m_pState->pSink = pSink;
}

CHttpStatusSink* CHttpComm::GetStatusSink() const
{
    return m_pState->pSink;
}

void CHttpComm::GetUrl(CString& out) const
{
    out = m_strUrl;
}

BOOL CHttpComm::IsRedirectRefused() const
{
    return m_state.TestAny(stateRedirectRefused) != 0;
}

BOOL CHttpComm::GetSchemeAndHost(CString& out) const
{
    return ::GetSchemeAndHost(m_strUrl, out);
}

int CHttpComm::ShowMessage(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (m_pState->pSink != nullptr)
        return m_pState->pSink->ShowMessage(lpszText, nType, nIDHelp);
    return AfxMessageBox(lpszText, nType, nIDHelp);
}

int CHttpComm::ShowMessageId(UINT nID, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nID);
    return ShowMessage(text, nType, nIDHelp);
}

BOOL CHttpComm::Request(LPCTSTR url, LPCTSTR body, BOOL bRetry)
{
    DWORD dwLength = body != nullptr ? (DWORD)std::strlen(body) : 0;
    return Send(url, body, dwLength, nullptr, bRetry, 0);
}

BOOL CHttpComm::Send(LPCTSTR url, LPCVOID pBody, DWORD dwLength, LPCTSTR pszHeaders, BOOL bRetry, int nDepth)
{
    // The status callback pumps messages: a command may try to start
    // another request on this object while one runs.
    if (m_pState->bBusy)
        return FALSE;
    CSendingMark sending(m_pState);
#ifdef _WIN32
    CBusyCursor cursor;
#endif
    return RunSend(sending.State(), CString(url), pBody, dwLength, pszHeaders, bRetry, nDepth);
}

BOOL CHttpComm::RunSend(HttpRequestState& state, CString strUrl, LPCVOID pBody, DWORD dwLength,
                        LPCTSTR pszHeaders, BOOL bRetry, int nDepth)
{
    for (;;)
    {
        m_strRawBody.Empty();
        CHtmlDocument::Clear();
        state.bCancel = FALSE;
        m_nCharset = CHARSET_UNKNOWN;
        m_dwStatusCode = 0;
        m_dwLastError = 0;
        m_state.Clear();

        m_strUrl = ResolveHttpUrl(m_strUrl, strUrl);
        // Both retry paths go to this address: resolving a relative url
        // again would resolve it against itself.
        const CString strResolved = m_strUrl;

        HttpExchange exchange;
        DWORD dwService = 0;
        if (!AfxParseURL(m_strUrl, dwService, exchange.strServer, exchange.strObject, exchange.nPort) ||
            (dwService != AFX_INET_SERVICE_HTTP && dwService != AFX_INET_SERVICE_HTTPS))
        {
            if (!TestAny(flagQuiet))
                ShowMessageId(IDS_HTTP_NOT_HTTP_URL, MB_OK);
            return FALSE;
        }
#ifdef _WIN32
        if (m_strUserAgent.IsEmpty())
            BuildUserAgent(m_strUserAgent);
#endif
        exchange.strAgent = m_strUserAgent;
        exchange.bSecure = dwService == AFX_INET_SERVICE_HTTPS;
        exchange.pBody = pBody;
        exchange.dwBodyLength = pBody != nullptr ? dwLength : 0;
        exchange.pszHeaders = pszHeaders != nullptr ? pszHeaders : kFormContentType;
        exchange.dwRequestFlags = m_dwRequestFlags;

        RunHttpExchange(exchange, state);
        if (state.bDetached)
            return FALSE;

        m_dwStatusCode = exchange.dwStatus;
        if (!exchange.bSucceeded && exchange.failure == HttpFailInternet)
            m_dwLastError = exchange.dwError;
        if (!exchange.strBody.IsEmpty())
            m_strRawBody = MakeCrLfLineEnds(exchange.strBody, exchange.strBody.GetLength());
        if (exchange.nCharset != CHARSET_UNKNOWN)
        {
            m_nCharset = exchange.nCharset;
            m_state.Add(stateCharsetKnown);
        }

        if (state.bCancel)
            return FALSE;
        if (exchange.bSucceeded)
        {
            if (exchange.strTarget.IsEmpty())
                return TRUE;
            if (nDepth >= kHttpMaxRedirectDepth)
            {
                if (!TestAny(flagQuiet))
                    ShowMessageId(IDS_HTTP_TOO_MANY_REDIRECTS, MB_OK);
                return FALSE;
            }
            const BOOL bHasBody = pBody != nullptr && dwLength > 0;
            const HttpRedirectStep step = DecideRedirectStep(exchange.dwStatus, bHasBody, m_strUrl,
                                                             ResolveHttpUrl(m_strUrl, exchange.strTarget));
            if (step != HttpRedirectRefused)
            {
                // Resolved against the URL that answered, by the next round.
                strUrl = exchange.strTarget;
                ++nDepth;
                if (step == HttpRedirectAsGet)
                {
                    pBody = nullptr;
                    dwLength = 0;
                    pszHeaders = nullptr;
                }
                continue;
            }
            // Nothing goes to the new address; the request failed here.
            m_state.Add(stateRedirectRefused);
            if (TestAny(flagCallerReportsRefusedRedirect))
                return FALSE;
            exchange.failure = HttpFailConnection;
            exchange.strErrorText.Empty();
        }

        const BOOL bHasBody = pBody != nullptr && dwLength > 0;
        if (MayRetryAutomatically(bRetry, bHasBody, exchange.failure, exchange.dwError))
        {
            if (state.pSink != nullptr)
                state.pSink->OnRetry();
            if (state.bDetached)
                return FALSE;
            strUrl = strResolved;
            bRetry = FALSE;
            nDepth = 0;
            continue;
        }
        if (TestAny(flagQuiet))
            return FALSE;
        CString message = MakeFailureMessage(exchange.failure == HttpFailServer, exchange.strErrorText);
        int nAnswer = ShowMessage(message, MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
        if (state.bDetached || nAnswer != IDRETRY)
            return FALSE;
        strUrl = strResolved;
        nDepth = 0;
    }
}

int CHttpComm::GetCharset()
{
    if (!m_state.TestAny(stateCharsetKnown))
    {
        m_nCharset = ChoosePageCharset(m_nCharset, m_strRawBody, m_strRawBody.GetLength());
        m_state.Add(stateCharsetKnown);
    }
    return m_nCharset;
}

void CHttpComm::ConvertBody()
{
    // Converted straight into the source: a page is large, and each copy
    // of it costs the heap fresh memory.
    const char* data = m_strRawBody;
    int length = m_strRawBody.GetLength();
    CString& converted = m_strSource;
    switch (GetCharset())
    {
    case CHARSET_ISO2022JP:
        JisToSjis(data, length, converted);
        break;
    case CHARSET_EUCJP:
        EucToSjis(data, length, converted);
        break;
    case CHARSET_UTF8:
        // A byte-order mark is no part of the page's text.
        if (length >= 3 && (BYTE)data[0] == 0xEF && (BYTE)data[1] == 0xBB && (BYTE)data[2] == 0xBF)
        {
            data += 3;
            length -= 3;
        }
        Utf8ToAnsi(data, length, converted);
        break;
    default:
        converted = m_strRawBody;
        break;
    }
}

BOOL CHttpComm::GetBody(CString& out, BOOL bRaw)
{
    if (bRaw)
    {
        out = m_strRawBody;
        return !out.IsEmpty();
    }
    if (m_strSource.IsEmpty() && !m_strRawBody.IsEmpty())
        ConvertBody();
    out = m_strSource;
    return !out.IsEmpty();
}

void CHttpComm::SetSource(LPCTSTR) {}

BOOL CHttpComm::LoadSource()
{
    if (m_strSource.IsEmpty() && !m_strRawBody.IsEmpty())
        ConvertBody();
    return !m_strSource.IsEmpty();
}

BOOL CHttpComm::SetMetaCharset(CHtmlDocument& document, int nCharset)
{
    CPtrList heads;
    if (!document.FindElements("head", heads, nullptr, nullptr, MARKUP_FIND_FIRST))
        return FALSE;
    CMarkupNode* pHead = static_cast<CMarkupNode*>(heads.GetHead());
    CPtrList metas;
    pHead->CollectByName("meta", metas);
    int nNamed = CHARSET_UNKNOWN;
    CMarkupNode* pMeta = FindCharsetMeta(metas, nNamed);
    CString contentType;
    if (pMeta == nullptr || nNamed == nCharset || !MakeContentTypeForCharset(nCharset, contentType))
        return FALSE;
    return pMeta->SetAttribute("content", contentType);
}
