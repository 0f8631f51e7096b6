#ifndef TANZO_TESTS_NET_FAKENETWORK_H
#define TANZO_TESTS_NET_FAKENETWORK_H

// The network played by a test: every request of CHttpComm is logged and
// answered by a handler, which answers as a server would (Respond), so
// that the exchange reads the answer as it reads WinInet's.

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "afx/String.h"
#include "net/HttpExchange.h"
#include "net/HttpRules.h"

struct SentRequest
{
    std::string url;
    bool post;
    std::string body;
    std::string headers;
};

// Plays the network: each request is logged and answered by the handler.
class CFakeNetwork
{
public:
    typedef std::function<void(const SentRequest&, HttpExchange&, HttpRequestState&)> Handler;

    explicit CFakeNetwork(Handler handler) : m_handler(std::move(handler))
    {
        SetHttpExchangeHook(Hook, this);
    }
    ~CFakeNetwork() { SetHttpExchangeHook(nullptr); }

    std::vector<SentRequest> requests;

private:
    static void Hook(HttpExchange& x, HttpRequestState& state, void* pParam)
    {
        CFakeNetwork* self = static_cast<CFakeNetwork*>(pParam);
        SentRequest sent;
        sent.url = x.bSecure ? "https://" : "http://";
        sent.url += (LPCTSTR)x.strServer;
        if (x.nPort != (x.bSecure ? 443 : 80))
            sent.url += ":" + std::to_string(x.nPort);
        sent.url += (LPCTSTR)x.strObject;
        sent.post = x.pBody != nullptr && x.dwBodyLength > 0;
        if (sent.post)
        {
            sent.body.assign(static_cast<const char*>(x.pBody), x.dwBodyLength);
            sent.headers = x.pszHeaders != nullptr ? x.pszHeaders : "";
        }
        self->requests.push_back(sent);
        x.bSucceeded = FALSE;
        x.failure = HttpFailConnection;
        self->m_handler(sent, x, state);
    }

    Handler m_handler;
};

// An answer as a server sends it: status line, Location, Content-Type and
// body, handed out in pieces as a network would.
class CScriptedAnswer : public CHttpAnswer
{
public:
    CScriptedAnswer(DWORD status, const std::string& location, const std::string& body,
                    const std::string& contentType)
        : m_status(status), m_location(location), m_body(body), m_contentType(contentType)
    {
    }
    BOOL QueryStatusCode(DWORD& dwStatus) override
    {
        dwStatus = m_status;
        return TRUE;
    }
    BOOL QueryRawHeaders(CString& strHeaders) override
    {
        std::string raw = "HTTP/1.1 " + std::to_string(m_status) + " X\r\n";
        if (!m_location.empty())
            raw += "Location: " + m_location + "\r\n";
        strHeaders = (raw + "\r\n").c_str();
        return TRUE;
    }
    BOOL QueryContentType(CString& strContentType) override
    {
        strContentType = m_contentType.c_str();
        return !m_contentType.empty();
    }
    UINT Read(void* pBuffer, UINT nCount) override
    {
        size_t n = std::min<size_t>({nCount, m_body.size() - m_offset, 1000});
        std::memcpy(pBuffer, m_body.data() + m_offset, n);
        m_offset += n;
        if (m_pfnAfterRead)
            m_pfnAfterRead();
        return (UINT)n;
    }

    std::function<void()> m_pfnAfterRead;

private:
    DWORD m_status;
    std::string m_location, m_body, m_contentType;
    size_t m_offset = 0;
};

// The answer read by the exchange's own dispatch, as over WinInet.
inline void Respond(HttpExchange& x, DWORD status, const std::string& location = "",
                    const std::string& body = "", const std::string& contentType = "text/html")
{
    CScriptedAnswer answer(status, location, body, contentType);
    HttpRequestState state;
    x.bSucceeded = ReadHttpAnswer(answer, x, state);
}

#endif // TANZO_TESTS_NET_FAKENETWORK_H
