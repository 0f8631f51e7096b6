// The class library's internet classes over WinInet, against the stand-in.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "afx/Inet.h"
#include "afx/ParseUrl.h"

#include "StandIn.h"

namespace
{
struct Target
{
    CString server;
    CString object;
    INTERNET_PORT port = 0;
};

Target Parse(const std::string& url)
{
    Target target;
    DWORD service = 0;
    EXPECT_TRUE(AfxParseURL(url.c_str(), service, target.server, target.object, target.port)) << url;
    return target;
}

std::string ReadAll(CHttpFile& file)
{
    std::string body;
    char buffer[512];
    for (UINT n; (n = file.Read(buffer, sizeof(buffer))) != 0;)
        body.append(buffer, n);
    return body;
}

// Records the contexts and notifications that reach the session.
class CRecordingSession : public CInternetSession
{
public:
    CRecordingSession() : CInternetSession("tanzo-test", 3) {}

    void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID, DWORD) override
    {
        contexts.insert(dwContext);
        statuses.insert(dwInternetStatus);
    }

    std::set<DWORD_PTR> contexts;
    std::set<DWORD> statuses;
};

class InetClasses : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
    }
};

TEST_F(InetClasses, GetReadsStatusHeadersAndBody)
{
    std::string url = StandIn::Url("AUCTIONS", "/test/status/201?header=X-Test:%20yes&body=created");
    Target target = Parse(url);
    CInternetSession session("tanzo-test");
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(target.server, target.port));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, target.object));
    EXPECT_EQ("GET", std::string(file->GetVerb()));
    EXPECT_EQ(url, std::string(file->GetFileURL()));
    EXPECT_TRUE(file->SendRequest());

    DWORD status = 0;
    EXPECT_TRUE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(201u, status);
    CString headers;
    EXPECT_TRUE(file->QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, headers));
    EXPECT_EQ(0, headers.Find("HTTP/1."));
    EXPECT_GT(headers.Find("\r\nX-Test: yes\r\n"), 0);
    CString type;
    EXPECT_TRUE(file->QueryInfo(HTTP_QUERY_CONTENT_TYPE, type));
    EXPECT_STREQ("text/html; charset=UTF-8", type);
    CString missing("stale");
    EXPECT_FALSE(file->QueryInfo(HTTP_QUERY_LOCATION, missing));
    EXPECT_TRUE(missing.IsEmpty());
    EXPECT_EQ("created", ReadAll(*file));
    EXPECT_EQ(7u, file->GetPosition());
}

TEST_F(InetClasses, PostWritesTheBodyInPieces)
{
    Target target = Parse(StandIn::Url("SELL", "/test/echo"));
    CInternetSession session;
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(target.server, target.port));
    std::unique_ptr<CHttpFile> file(
        connection->OpenRequest("POST", target.object, nullptr, 1, nullptr, nullptr,
                                INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE));
    std::string body(3000, 'x');
    body += "end";
    EXPECT_TRUE(file->AddRequestHeaders("Content-Type: text/plain\r\n"));
    EXPECT_TRUE(file->SendRequestEx((DWORD)body.size()));
    for (size_t at = 0; at < body.size(); at += 1024)
        file->Write(body.data() + at, (UINT)std::min<size_t>(1024, body.size() - at));
    EXPECT_TRUE(file->EndRequest());
    std::string echo = ReadAll(*file);
    EXPECT_EQ(0u, echo.find("POST /test/echo HTTP/1.1\r\n"));
    EXPECT_NE(std::string::npos, echo.find("\r\nContent-Type: text/plain\r\n"));
    EXPECT_EQ(body, echo.substr(echo.find("\r\n\r\n") + 4));
}

TEST_F(InetClasses, FailuresThrowInternetExceptions)
{
    // Nothing listens on the loopback's discard port.
    CInternetSession session;
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("127.0.0.1", 9));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest("GET", "/", nullptr, 42));
    try
    {
        file->SendRequest();
        ADD_FAILURE() << "no exception";
    }
    catch (CInternetException* e)
    {
        EXPECT_EQ((DWORD)ERROR_INTERNET_CANNOT_CONNECT, e->m_dwError);
        EXPECT_EQ(42u, e->m_dwContext);
        char message[256];
        EXPECT_TRUE(e->GetErrorMessage(message, sizeof(message)));
        std::string text = message;
        EXPECT_FALSE(text.empty());
        EXPECT_NE('\n', text.back());
        char tiny[5];
        EXPECT_TRUE(e->GetErrorMessage(tiny, sizeof(tiny)));
        EXPECT_LE(strlen(tiny), 4u);
        e->Delete();
    }
    EXPECT_THROW(file->Seek(0, CFile::begin), CNotSupportedException*);
}

TEST_F(InetClasses, StatusCallbackCarriesTheCallersContexts)
{
    Target target = Parse(StandIn::Url("AUCTIONS", "/test/page"));
    CRecordingSession session;
    EXPECT_TRUE(session.EnableStatusCallback(TRUE));
    {
        std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(target.server, target.port));
        std::unique_ptr<CHttpFile> file(connection->OpenRequest("GET", target.object, nullptr, 5));
        file->SendRequest();
        ReadAll(*file);
    }
    EXPECT_EQ((std::set<DWORD_PTR>{3, 5}), session.contexts);
    EXPECT_EQ(1u, session.statuses.count(INTERNET_STATUS_REQUEST_SENT));
    EXPECT_EQ(1u, session.statuses.count(INTERNET_STATUS_HANDLE_CLOSING));
}
} // namespace
