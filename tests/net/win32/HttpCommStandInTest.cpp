// CHttpComm over WinInet against the local stand-in of the service.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/String.h"
#include "afx/WinApp.h"
#include "net/HttpComm.h"
#include "net/HttpRules.h"
#include "net/HttpTestSupport.h"
#include "text/Charset.h"
#include "text/SystemInfo.h"

#include "StandIn.h"

#include <urlmon.h>
#include <wininet.h>

namespace
{
const char kFixtureText[] = "表示ソフトの動作確認：日本語のページです。";

class HttpStandIn : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
    }

    static std::string Url(const std::string& path, const char* host = "AUCTIONS")
    {
        return StandIn::Url(host, path);
    }

    static std::string FirstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

    static std::string HeaderOf(const std::string& echo, const std::string& name)
    {
        std::string key = "\r\n" + name + ": ";
        size_t at = echo.find(key);
        if (at == std::string::npos)
            return "<none>";
        at += key.size();
        return echo.substr(at, echo.find("\r\n", at) - at);
    }

    static std::string BodyOfEcho(const std::string& echo)
    {
        size_t at = echo.find("\r\n\r\n");
        return at == std::string::npos ? std::string() : echo.substr(at + 4);
    }
};

TEST_F(HttpStandIn, FollowsTwentyRedirectsAndRefusesTheTwentyFirst)
{
    CMessageBoxes boxes;
    CHttpComm comm;
    EXPECT_TRUE(comm.Request(Url("/test/redirect/302/20").c_str()));
    EXPECT_EQ(Url("/test/redirect/302/0"), UrlOf(comm));
    EXPECT_EQ("GET /test/redirect/302/0 HTTP/1.1", FirstLine(BodyOf(comm)));
    EXPECT_EQ(21u, StandIn::Log().size());
    EXPECT_TRUE(boxes.texts.empty());

    ASSERT_TRUE(StandIn::Reset());
    EXPECT_FALSE(comm.Request(Url("/test/redirect/301/21").c_str()));
    EXPECT_EQ(21u, StandIn::Log().size());
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ("リダイレクトの回数が多すぎるため、ページへのアクセスができません。\r\n"
              "リダイレクトループが含まれている可能性があります。",
              boxes.texts[0]);
    EXPECT_EQ((UINT)MB_OK, boxes.types[0]);
}

TEST_F(HttpStandIn, RedirectOfAPostBecomesAGetUnless307Or308)
{
    const std::string body = "name=%E5%87%BA%E5%93%81&id=12";
    for (int code : {301, 302, 303, 307, 308})
    {
        CHttpComm comm;
        std::string url = Url("/test/redirect/" + std::to_string(code) + "/1");
        ASSERT_TRUE(comm.Send(url.c_str(), body.data(), (DWORD)body.size(), nullptr, TRUE, 0)) << code;
        std::string echo = BodyOf(comm);
        bool keeps = code == 307 || code == 308;
        EXPECT_EQ(keeps ? "POST /test/redirect/" + std::to_string(code) + "/0 HTTP/1.1"
                        : "GET /test/redirect/" + std::to_string(code) + "/0 HTTP/1.1",
                  FirstLine(echo));
        EXPECT_EQ(keeps ? body : "", BodyOfEcho(echo)) << code;
        if (keeps)
        {
            EXPECT_EQ("application/x-www-form-urlencoded", HeaderOf(echo, "Content-type")) << code;
        }
    }
}

TEST_F(HttpStandIn, ExtraHeadersOfAPostAreSent)
{
    CHttpComm comm;
    const char body[] = "--b\r\nx\r\n--b--\r\n";
    ASSERT_TRUE(comm.Send(Url("/test/echo").c_str(), body, (DWORD)strlen(body),
                          "Content-Type: multipart/form-data; boundary=b\r\n", TRUE, 0));
    std::string echo = BodyOf(comm, TRUE);
    EXPECT_EQ("multipart/form-data; boundary=b", HeaderOf(echo, "Content-Type"));
    EXPECT_EQ(body, BodyOfEcho(echo));
}

TEST_F(HttpStandIn, FinalUrlAfterRedirects)
{
    const std::string login = StandIn::Origin("LOGIN");
    const std::string auctions = StandIn::Origin("AUCTIONS");
    struct
    {
        std::string url;
        std::string final;
    } cases[] = {
        {Url("/test/redirect/302/2?loc=relative"), auctions + "/test/redirect/302/0?loc=relative"},
        {Url("/test/redirect/302/2?loc=dot"), auctions + "/test/redirect/302/0?loc=dot"},
        {Url("/test/redirect/302/2?loc=scheme"), auctions + "/test/redirect/302/0?loc=scheme"},
        {Url("/test/redirect/303/2?loc=path&to=login"), login + "/test/redirect/303/0?loc=path&to=login"},
        {Url("/test/redirect/302/1?loc=scheme&to=login"), login + "/test/redirect/302/0?loc=scheme&to=login"},
        {Url("/test/redirect/302/1?final=/test/page&to=login"), login + "/test/page"},
        {Url("/test/content-location"), auctions + "/test/echo"},
    };
    for (const auto& c : cases)
    {
        CMessageBoxes boxes;
        CHttpComm comm;
        EXPECT_TRUE(comm.Request(c.url.c_str())) << c.url;
        EXPECT_EQ(c.final, UrlOf(comm)) << c.url;
        EXPECT_TRUE(boxes.texts.empty()) << c.url;
        CString origin;
        EXPECT_TRUE(comm.GetSchemeAndHost(origin));
        EXPECT_EQ(c.final.substr(0, c.final.find('/', 7)), (LPCTSTR)origin);
    }

    // Later requests resolve against the final URL.
    CHttpComm comm;
    ASSERT_TRUE(comm.Request(Url("/test/redirect/302/1?final=/test/page&to=login").c_str()));
    ASSERT_TRUE(comm.Request("echo?x=1"));
    EXPECT_EQ(login + "/test/echo?x=1", UrlOf(comm));
    EXPECT_EQ("GET /test/echo?x=1 HTTP/1.1", FirstLine(BodyOf(comm)));
    ASSERT_TRUE(comm.Request("/test/page?x=1"));
    EXPECT_EQ(login + "/test/page?x=1", UrlOf(comm));
}

TEST_F(HttpStandIn, ServerErrorIsNotRetried)
{
    CMessageBoxes boxes;
    CHttpComm comm;
    EXPECT_FALSE(comm.Request(Url("/test/status/404").c_str()));
    EXPECT_EQ(404u, comm.GetStatusCode());
    EXPECT_EQ(1u, StandIn::Log().size());
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ("サーバーがエラーを返しました。\r\n（HTTPステータスコード：404）", boxes.texts[0]);
    EXPECT_EQ(kRetryCancelBox, boxes.types[0]);
}

TEST_F(HttpStandIn, ResetGetIsRetriedOnceAutomatically)
{
    CMessageBoxes boxes;
    CCountingSink sink;
    CHttpComm comm;
    comm.SetStatusSink(&sink);
    ASSERT_TRUE(comm.Request(Url("/test/reset/once/get").c_str()));
    EXPECT_EQ(1, sink.retries);
    std::vector<LoggedRequest> log = StandIn::Log();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ("reset", log[0].status);
    EXPECT_EQ("200", log[1].status);
    CString hits;
    EXPECT_TRUE(comm.GetElementText("p", hits, "id", "hits", MARKUP_FIND_INNER));
    EXPECT_STREQ("2", hits);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_FALSE(sink.statuses.empty());
}

TEST_F(HttpStandIn, FailuresWithoutAnswer)
{
    struct
    {
        const char* path;
        bool post;
        size_t attempts;
        const char* prefix; // of the box text
        const char* suffix;
    } cases[] = {
        // Wine reports a reset before the reply to a GET as 12030.
        {"/test/reset/always?mode=rst", false, 2, "インターネットへの接続に失敗しました。\r\n（",
         "エラー番号：12030）"},
        // A close without any reply: status 0 and no error.
        {"/test/reset/always?mode=close", false, 2, "インターネットへの接続に失敗しました。",
         "失敗しました。"},
        // A POST is never sent twice by itself, however it failed (Wine
        // answers a reset POST with status 0 too).
        {"/test/reset/always?mode=rst", true, 1, "インターネットへの接続に失敗しました。", ""},
        {"/test/reset/always?mode=close", true, 1, "インターネットへの接続に失敗しました。", ""},
    };
    for (const auto& c : cases)
    {
        ASSERT_TRUE(StandIn::Reset());
        CMessageBoxes boxes;
        CHttpComm comm;
        EXPECT_FALSE(
            comm.Send(Url(c.path).c_str(), c.post ? "a=1" : nullptr, c.post ? 3 : 0, nullptr, TRUE, 0))
            << c.path;
        EXPECT_EQ(c.attempts, StandIn::Log().size()) << c.path << c.post;
        ASSERT_EQ(1u, boxes.texts.size()) << c.path;
        const std::string& text = boxes.texts[0];
        EXPECT_EQ(0u, text.find(c.prefix)) << c.path << ": " << text;
        EXPECT_EQ(text.size() - strlen(c.suffix), text.rfind(c.suffix)) << c.path << ": " << text;
        EXPECT_EQ(kRetryCancelBox, boxes.types[0]);
    }
}

TEST_F(HttpStandIn, ReceiveTimeOutReachesTheRequest)
{
    // The answer would come after 20 seconds: the 10-second receive
    // time-out ends the request first. A POST, so that it is waited for
    // once only (Wine reports it as an answer with status 0).
    CMessageBoxes boxes;
    CHttpComm comm;
    EXPECT_FALSE(comm.Send(Url("/test/slow?wait=20").c_str(), "a=1", 3, nullptr, TRUE, 0));
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(0u, boxes.texts[0].find("インターネットへの接続に失敗しました。")) << boxes.texts[0];
    EXPECT_EQ(1u, StandIn::Log().size());
}

TEST_F(HttpStandIn, RetryChosenByTheUser)
{
    CHttpComm comm;
    {
        // A POST is sent again only when the user asks.
        CMessageBoxes boxes({IDRETRY, IDCANCEL});
        ASSERT_TRUE(comm.Send(Url("/test/reset/once/post").c_str(), "a=1", 3, nullptr, TRUE, 0));
        std::vector<LoggedRequest> log = StandIn::Log();
        ASSERT_EQ(2u, log.size());
        for (const LoggedRequest& request : log)
        {
            EXPECT_EQ("POST", request.method);
            EXPECT_EQ("a=1", request.body);
        }
        EXPECT_EQ(1u, boxes.texts.size());
    }
    {
        // A GET: the automatic retry, the user's retry, then Cancel.
        ASSERT_TRUE(StandIn::Reset());
        CMessageBoxes boxes({IDRETRY, IDCANCEL});
        EXPECT_FALSE(comm.Request(Url("/test/reset/always").c_str()));
        EXPECT_EQ(3u, StandIn::Log().size());
        EXPECT_EQ(2u, boxes.texts.size());
    }
}

TEST_F(HttpStandIn, QuietShowsNoBox)
{
    const std::string urls[] = {
        Url("/test/status/500"),        Url("/test/reset/always"), Url("/test/reset/always?mode=close"),
        Url("/test/redirect/302/loop"), "ftp://127.0.0.1/file",
    };
    CMessageBoxes boxes;
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    for (const std::string& url : urls)
        EXPECT_FALSE(comm.Request(url.c_str())) << url;
    EXPECT_FALSE(comm.Send(Url("/test/reset/always").c_str(), "a=1", 3, nullptr, TRUE, 0));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(HttpStandIn, EveryCharsetReachesShiftJis)
{
    struct
    {
        const char* charset;
        int code;
    } charsets[] = {
        {"shift_jis", CHARSET_SJIS},
        {"euc-jp", CHARSET_EUCJP},
        {"utf-8", CHARSET_UTF8},
        {"iso-2022-jp", CHARSET_ISO2022JP},
    };
    for (const auto& charset : charsets)
    {
        for (const char* where : {"header", "meta", "meta-nohead", "none"})
        {
            CHttpComm comm;
            std::string url = Url(std::string("/test/charset/") + charset.charset + "/" + where);
            ASSERT_TRUE(comm.Request(url.c_str())) << url;
            EXPECT_EQ(charset.code, comm.GetCharset()) << url;
            CString text;
            EXPECT_TRUE(comm.GetElementText("p", text, "id", "text", MARKUP_FIND_INNER)) << url;
            EXPECT_STREQ(kFixtureText, text) << url;
            CString title;
            EXPECT_TRUE(comm.GetTitle(title)) << url;
            EXPECT_STREQ("文字コードの確認", title) << url;
        }
    }
}

TEST_F(HttpStandIn, SendsItsUserAgent)
{
    CHttpComm comm;
    ASSERT_TRUE(comm.Request(Url("/test/echo").c_str()));
    std::string agent = HeaderOf(BodyOf(comm, TRUE), "User-Agent");

    CString version, os;
    GetOwnVersionText(version);
    ASSERT_TRUE(GetOsName(os, FALSE));
    EXPECT_EQ((LPCTSTR)FormatUserAgent(AfxGetAppName(), version, os), agent);
    CString built;
    EXPECT_TRUE(BuildUserAgent(built));
    EXPECT_EQ((LPCTSTR)built, agent);
    EXPECT_EQ(0u, agent.find("Mozilla/5.0 (compatible; VS ")) << agent;
    EXPECT_NE(std::string::npos, agent.find("; WinInet; Windows")) << agent;

    // The embedded browser gets the same.
    EXPECT_TRUE(SetBrowserUserAgent());
    char browserAgent[512] = {};
    DWORD length = 0;
    // (Its result is E_OUTOFMEMORY even when the text fits.)
    UrlMkGetSessionOption(URLMON_OPTION_USERAGENT, browserAgent, sizeof(browserAgent) - 1, &length, 0);
    EXPECT_EQ(agent, std::string(browserAgent));
}

TEST_F(HttpStandIn, CancelFromTheSinkStopsBetweenChunks)
{
    const int kChunks = 4;
    const int kSize = 8192;
    CMessageBoxes boxes;
    CCountingSink sink;
    CHttpComm comm;
    comm.SetStatusSink(&sink);
    // Headers come with the first answer notification after the request
    // is sent; every read of the body brings another.
    bool sent = false;
    int answers = 0;
    sink.onStatus = [&](DWORD status)
    {
        if (status == INTERNET_STATUS_REQUEST_SENT)
            sent = true;
        else if (status == INTERNET_STATUS_RESPONSE_RECEIVED && sent && ++answers == 2)
            comm.SetCancel(TRUE);
    };
    std::string url =
        Url("/test/slow?chunks=" + std::to_string(kChunks) + "&size=" + std::to_string(kSize) + "&delay=0.5");
    EXPECT_FALSE(comm.Request(url.c_str()));
    EXPECT_TRUE(comm.IsCancelled());
    std::string body = BodyOf(comm, TRUE);
    EXPECT_FALSE(body.empty());
    EXPECT_LT(body.size(), (size_t)(kChunks * kSize));
    EXPECT_EQ(0u, body.find("chunk 1 "));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(0, sink.retries);
}

TEST_F(HttpStandIn, SecondSendWhileOneRunsIsRefused)
{
    CCountingSink sink;
    CHttpComm comm;
    comm.SetStatusSink(&sink);
    int refused = 0;
    sink.onStatus = [&](DWORD)
    {
        if (!comm.Request(Url("/test/echo").c_str()))
            ++refused;
    };
    ASSERT_TRUE(comm.Request(Url("/test/page").c_str()));
    EXPECT_EQ((int)sink.statuses.size(), refused);
    EXPECT_GT(refused, 0);
    std::vector<LoggedRequest> log = StandIn::Log();
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ("/test/page", log[0].path);
    EXPECT_EQ(Url("/test/page"), UrlOf(comm));
    EXPECT_FALSE(comm.IsSending());
}

TEST_F(HttpStandIn, DestroyedFromTheSinkEndsTheRequest)
{
    CMessageBoxes boxes;
    CCountingSink sink;
    CHttpComm* pComm = new CHttpComm;
    pComm->SetStatusSink(&sink);
    sink.onStatus = [&](DWORD)
    {
        delete pComm;
        pComm = nullptr;
        sink.onStatus = nullptr;
    };
    CHttpComm* pRunning = pComm;
    EXPECT_FALSE(pRunning->Request(Url("/test/reset/always").c_str()));
    EXPECT_EQ(nullptr, pComm);
    EXPECT_EQ(0, sink.retries);
    EXPECT_TRUE(boxes.texts.empty());

    // The next conversation is not disturbed.
    CHttpComm comm;
    EXPECT_TRUE(comm.Request(Url("/test/page").c_str()));
}

TEST_F(HttpStandIn, FetchedPageAnswersDocumentQueries)
{
    CHttpComm comm;
    ASSERT_TRUE(comm.Request(Url("/test/page?a=1").c_str()));
    CString title, host, path;
    EXPECT_TRUE(comm.GetTitle(title));
    EXPECT_STREQ("test page", title);
    EXPECT_TRUE(comm.GetElementText("p", host, "id", "host", MARKUP_FIND_INNER));
    EXPECT_STREQ("auctions", host);
    EXPECT_TRUE(comm.GetElementText("p", path, "id", "path", MARKUP_FIND_INNER));
    EXPECT_STREQ("/test/page?a=1", path);

    // The next request replaces the page.
    ASSERT_TRUE(comm.Request(Url("/test/lines/mixed").c_str()));
    EXPECT_FALSE(comm.GetTitle(title));
    EXPECT_EQ("line 1\r\nline 2\r\nline 3\r\n", BodyOf(comm, TRUE));
}
} // namespace
