// One request of the HTTP client over WinInet.

#include "afx/Inet.h"
#include "net/HttpExchange.h"
#include "net/HttpStatusSink.h"
#include "net/win32/InternetCommSession.h"

#include <memory>

namespace
{
struct TimeoutOption
{
    DWORD dwOption;
    DWORD dwMilliseconds;
};

const TimeoutOption kTimeouts[] = {
    {INTERNET_OPTION_CONNECT_TIMEOUT, 60000},      {INTERNET_OPTION_SEND_TIMEOUT, 60000},
    {INTERNET_OPTION_RECEIVE_TIMEOUT, 10000},      {INTERNET_OPTION_DATA_SEND_TIMEOUT, 60000},
    {INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, 60000},
};

const DWORD kWriteChunk = 1024;

// Hands notifications on to the request's sink for as long as it has one:
// the sink goes away with the CHttpComm when that is destroyed meanwhile.
class CRequestSink : public CHttpStatusSink
{
public:
    explicit CRequestSink(HttpRequestState& state) : m_state(state) {}

    void OnInternetStatus(DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                          DWORD dwStatusInformationLength) override
    {
        if (m_state.pSink != nullptr)
            m_state.pSink->OnInternetStatus(dwInternetStatus, lpvStatusInformation,
                                            dwStatusInformationLength);
    }

private:
    HttpRequestState& m_state;
};

template <class T> void CloseAndDelete(std::unique_ptr<T>& p)
{
    if (p)
        p->Close();
    p.reset();
}

void SendBody(CHttpFile& file, HttpExchange& exchange, const HttpRequestState& state)
{
    file.AddRequestHeaders(exchange.pszHeaders, HTTP_ADDREQ_FLAG_ADD_IF_NEW, -1);
    file.SendRequestEx(exchange.dwBodyLength, HSR_INITIATE, 1);
    const char* pData = static_cast<const char*>(exchange.pBody);
    DWORD dwDone = 0;
    while (dwDone < exchange.dwBodyLength && !state.bCancel)
    {
        DWORD dwPiece = exchange.dwBodyLength - dwDone;
        if (dwPiece > kWriteChunk)
            dwPiece = kWriteChunk;
        file.Write(pData + dwDone, dwPiece);
        dwDone += dwPiece;
    }
    if (!state.bCancel)
        file.EndRequest(0, nullptr, 1);
}

// The answer as WinInet's request handle gives it.
class CWinInetAnswer : public CHttpAnswer
{
public:
    explicit CWinInetAnswer(CHttpFile& file) : m_file(file) {}
    BOOL QueryStatusCode(DWORD& dwStatus) override { return m_file.QueryInfoStatusCode(dwStatus); }
    BOOL QueryRawHeaders(CString& strHeaders) override
    {
        return m_file.QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, strHeaders);
    }
    BOOL QueryContentType(CString& strContentType) override
    {
        return m_file.QueryInfo(HTTP_QUERY_CONTENT_TYPE, strContentType);
    }
    UINT Read(void* pBuffer, UINT nCount) override { return m_file.Read(pBuffer, nCount); }

private:
    CHttpFile& m_file;
};
} // namespace

void RunWinInetExchange(HttpExchange& exchange, HttpRequestState& state)
{
    CRequestSink sink(state);
    const BOOL bPost = exchange.pBody != nullptr && exchange.dwBodyLength > 0;
    exchange.bSucceeded = FALSE;
    exchange.failure = HttpFailConnection;

    // Declared in this order so that they close in the reverse one.
    std::unique_ptr<CInternetCommSession> pSession;
    std::unique_ptr<CHttpConnection> pConnection;
    std::unique_ptr<CHttpFile> pFile;
    try
    {
        pSession.reset(new CInternetCommSession(exchange.strAgent, state.pSink != nullptr ? &sink : nullptr));
        for (const TimeoutOption& timeout : kTimeouts)
            pSession->SetOption(timeout.dwOption, timeout.dwMilliseconds);

        pConnection.reset(pSession->GetHttpConnection(exchange.strServer, exchange.nPort));
        if (!state.bCancel)
        {
            DWORD dwFlags = exchange.dwRequestFlags | (exchange.bSecure ? INTERNET_FLAG_SECURE : 0);
            pFile.reset(pConnection->OpenRequest(bPost ? "POST" : "GET", exchange.strObject, nullptr, 1,
                                                 nullptr, nullptr, dwFlags));
            // Wine does not pass the session's time-outs on to its requests.
            for (const TimeoutOption& timeout : kTimeouts)
                pFile->SetOption(timeout.dwOption, timeout.dwMilliseconds);
        }
        BOOL bSent = FALSE;
        if (pFile && !state.bCancel)
        {
            if (bPost)
                SendBody(*pFile, exchange, state);
            else
                pFile->SendRequest();
            bSent = TRUE;
        }
        if (bSent && !state.bCancel)
        {
            CWinInetAnswer answer(*pFile);
            exchange.bSucceeded = ReadHttpAnswer(answer, exchange, state);
        }
    }
    catch (CInternetException* e)
    {
        exchange.bSucceeded = FALSE;
        exchange.failure = HttpFailInternet;
        exchange.dwError = e->m_dwError;
        char szMessage[256];
        if (!e->GetErrorMessage(szMessage, sizeof(szMessage)))
            szMessage[0] = '\0';
        exchange.strErrorText = MakeInternetErrorText(szMessage, e->m_dwError);
        e->Delete();
    }
    CloseAndDelete(pFile);
    CloseAndDelete(pConnection);
    CloseAndDelete(pSession);
}
