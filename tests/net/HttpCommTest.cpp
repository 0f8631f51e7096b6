// The request logic of CHttpComm over a scripted exchange: redirects,
// retries, messages, cancel, re-entry and the page it leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/Exception.h"
#include "afx/MessageBox.h"
#include "afx/String.h"
#include "net/HttpComm.h"
#include "net/HttpExchange.h"
#include "net/HttpRules.h"
#include "net/HttpStatusSink.h"
#include "text/Charset.h"
#include "text/JisConvert.h"
#include "text/WideConvert.h"

#include "net/FakeNetwork.h"
#include "net/HttpTestSupport.h"

namespace
{
void FailInternet(HttpExchange& x, DWORD error, const char* message)
{
    x.failure = HttpFailInternet;
    x.dwError = error;
    x.strErrorText = MakeInternetErrorText(message, error);
}

// "/r/N" redirects to "/r/N-1" with a relative target; "/r/0" is the page.
void RedirectChain(const SentRequest& sent, HttpExchange& x, HttpRequestState&)
{
    size_t slash = sent.url.rfind('/');
    int n = std::stoi(sent.url.substr(slash + 1));
    if (n == 0)
        Respond(x, 200, "", "<p>end</p>");
    else
        Respond(x, 302, std::to_string(n - 1));
}

TEST(HttpComm, FollowsTwentyRedirectsAndRefusesTheTwentyFirst)
{
    CFakeNetwork net(RedirectChain);
    CMessageBoxes boxes;
    CHttpComm comm;
    EXPECT_TRUE(comm.Request("http://h:8080/r/20"));
    EXPECT_EQ(21u, net.requests.size());
    EXPECT_EQ("http://h:8080/r/0", UrlOf(comm));
    EXPECT_EQ("<p>end</p>", BodyOf(comm));
    EXPECT_TRUE(boxes.texts.empty());

    net.requests.clear();
    EXPECT_FALSE(comm.Request("http://h:8080/r/21"));
    EXPECT_EQ(21u, net.requests.size());
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(LoadText(IDS_HTTP_TOO_MANY_REDIRECTS), boxes.texts[0]);
    EXPECT_EQ("http://h:8080/r/1", UrlOf(comm));
}

TEST(HttpComm, RedirectAfterPostTurnsIntoGetUnless307Or308)
{
    const char body[] = "a=1&b=2";
    const char headers[] = "Content-type: text/plain\r\n";
    for (const char* target : {"http://h/done", "done"})
    {
        for (DWORD status : {301u, 302u, 303u, 307u, 308u})
        {
            CFakeNetwork net(
                [status, target](const SentRequest& sent, HttpExchange& x, HttpRequestState&)
                {
                    if (sent.url == "http://h/form")
                        Respond(x, status, target);
                    else
                        Respond(x, 200, "", "ok");
                });
            CHttpComm comm;
            EXPECT_TRUE(comm.Send("http://h/form", body, 7, headers, TRUE, 0)) << status;
            ASSERT_EQ(2u, net.requests.size());
            EXPECT_TRUE(net.requests[0].post);
            EXPECT_EQ(headers, net.requests[0].headers);
            bool keeps = status == 307 || status == 308;
            EXPECT_EQ(keeps, net.requests[1].post) << status;
            EXPECT_EQ(keeps ? body : "", net.requests[1].body) << status;
            EXPECT_EQ(keeps ? headers : "", net.requests[1].headers) << status;
            EXPECT_EQ("http://h/done", UrlOf(comm));
            EXPECT_FALSE(comm.IsRedirectRefused());
        }
    }
}

// A 307 or 308 that would take a posted body to another origin is not
// followed at all; a GET goes wherever the redirect leads.
TEST(HttpComm, RedirectNeverTakesABodyOffItsOrigin)
{
    struct
    {
        const char* from;
        const char* to;
        DWORD status;
        bool post;
        bool followed;
    } cases[] = {
        {"http://h/form", "http://other:81/done", 307, true, false},
        {"https://h/form", "http://h/form", 308, true, false},
        {"https://h/form", "https://h:8443/form", 307, true, false},
        {"http://h/form", "//other/done", 307, true, false},
        {"http://h/form", "http://other:81/done", 302, true, true},
        {"http://h/page", "http://other:81/done", 307, false, true},
    };
    for (const auto& c : cases)
    {
        CFakeNetwork net(
            [&c](const SentRequest& sent, HttpExchange& x, HttpRequestState&)
            {
                if (sent.url == c.from)
                    Respond(x, c.status, c.to);
                else
                    Respond(x, 200, "", "ok");
            });
        CMessageBoxes boxes;
        CHttpComm comm;
        EXPECT_EQ(c.followed, comm.Request(c.from, c.post ? "passwd=secret" : nullptr) != FALSE) << c.to;
        EXPECT_EQ(c.followed ? 2u : 1u, net.requests.size()) << c.to;
        for (const SentRequest& sent : net.requests)
            EXPECT_TRUE(sent.url == c.from || !sent.post) << c.to;
        EXPECT_EQ(!c.followed, comm.IsRedirectRefused() != FALSE) << c.to;
        // Refused: a failure the client reports (Cancel chosen: no second try).
        ASSERT_EQ(c.followed ? 0u : 1u, boxes.texts.size()) << c.to;
        if (!c.followed)
        {
            EXPECT_EQ(LoadText(IDS_HTTP_CONNECT_FAILED), boxes.texts[0]);
            EXPECT_EQ((UINT)(MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2), boxes.types[0]);
        }
    }

    // The caller that reports it itself gets no box; the next request
    // starts clean.
    CFakeNetwork net(
        [](const SentRequest& sent, HttpExchange& x, HttpRequestState&)
        {
            if (sent.url == "http://h/form")
                Respond(x, 307, "http://other/form");
            else
                Respond(x, 200, "", "ok");
        });
    CMessageBoxes boxes;
    CHttpComm comm;
    comm.Add(CHttpComm::flagCallerReportsRefusedRedirect);
    EXPECT_FALSE(comm.Request("http://h/form", "passwd=secret"));
    EXPECT_TRUE(comm.IsRedirectRefused());
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(1u, net.requests.size());
    EXPECT_TRUE(comm.Request("http://h/page"));
    EXPECT_FALSE(comm.IsRedirectRefused());
}

TEST(HttpComm, FormPostWithoutHeadersSendsTheFormContentType)
{
    CFakeNetwork net([](const SentRequest&, HttpExchange& x, HttpRequestState&)
                     { Respond(x, 200, "", "ok"); });
    CHttpComm comm;
    EXPECT_TRUE(comm.Request("http://h/form", "a=1"));
    EXPECT_TRUE(comm.Request("http://h/page", ""));
    ASSERT_EQ(2u, net.requests.size());
    EXPECT_EQ("Content-type: application/x-www-form-urlencoded\r\n", net.requests[0].headers);
    EXPECT_EQ("a=1", net.requests[0].body);
    EXPECT_FALSE(net.requests[1].post);
}

struct FailureCase
{
    const char* name;
    bool post;
    std::function<void(HttpExchange&)> fail;
    size_t attempts; // with the user answering Cancel
    bool serverError;
    const char* errorText;
};

TEST(HttpComm, RetriesOnceAutomaticallyThenAsksTheUser)
{
    const FailureCase cases[] = {
        {"no connection", false, [](HttpExchange&) {}, 2, false, ""},
        {"status 0", false, [](HttpExchange& x) { Respond(x, 0); }, 2, false, ""},
        {"redirect without target", false, [](HttpExchange& x) { Respond(x, 302); }, 2, false, ""},
        {"reset", false, [](HttpExchange& x) { FailInternet(x, 12031, "reset"); }, 2, false,
         "reset/エラー番号：12031"},
        {"aborted", false, [](HttpExchange& x) { FailInternet(x, 12030, "aborted"); }, 2, false,
         "aborted/エラー番号：12030"},
        {"time-out", false, [](HttpExchange& x) { FailInternet(x, 12002, "time-out"); }, 2, false,
         "time-out/エラー番号：12002"},
        {"cannot connect", false, [](HttpExchange& x) { FailInternet(x, 12029, "refused"); }, 1, false,
         "refused/エラー番号：12029"},
        {"404", false, [](HttpExchange& x) { Respond(x, 404); }, 1, true, "HTTPステータスコード：404"},
        {"POST no connection", true, [](HttpExchange&) {}, 1, false, ""},
        {"POST reset", true, [](HttpExchange& x) { FailInternet(x, 12031, "reset"); }, 1, false,
         "reset/エラー番号：12031"},
    };
    for (const FailureCase& c : cases)
    {
        CFakeNetwork net([&c](const SentRequest&, HttpExchange& x, HttpRequestState&) { c.fail(x); });
        CMessageBoxes boxes;
        CHttpComm comm;
        EXPECT_FALSE(comm.Send("http://h/x", c.post ? "a=1" : nullptr, c.post ? 3 : 0, nullptr, TRUE, 0))
            << c.name;
        EXPECT_EQ(c.attempts, net.requests.size()) << c.name;
        ASSERT_EQ(1u, boxes.texts.size()) << c.name;
        EXPECT_EQ((LPCTSTR)MakeFailureMessage(c.serverError, c.errorText), boxes.texts[0]) << c.name;
        EXPECT_EQ(kRetryCancelBox, boxes.types[0]) << c.name;
        EXPECT_FALSE(comm.IsCancelled()) << c.name;
    }
}

TEST(HttpComm, RetryNoticeGoesToTheSinkAndBoxesToo)
{
    CFakeNetwork net([](const SentRequest&, HttpExchange& x, HttpRequestState&)
                     { FailInternet(x, 12002, "t"); });
    CMessageBoxes boxes;
    CCountingSink sink;
    CHttpComm comm;
    comm.SetStatusSink(&sink);
    EXPECT_FALSE(comm.Request("http://h/x"));
    EXPECT_EQ(1, sink.retries);
    EXPECT_EQ(1u, sink.messages.size());
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(12002u, comm.GetLastError());

    // Without retry permission: no automatic retry at all.
    net.requests.clear();
    EXPECT_FALSE(comm.Request("http://h/x", nullptr, FALSE));
    EXPECT_EQ(1u, net.requests.size());
    EXPECT_EQ(1, sink.retries);
}

TEST(HttpComm, UserRetryResendsToTheResolvedAddress)
{
    int calls = 0;
    CFakeNetwork net(
        [&calls](const SentRequest& sent, HttpExchange& x, HttpRequestState&)
        {
            if (sent.url != "http://h/a/b.html" && ++calls <= 2)
                FailInternet(x, 12029, "refused");
            else
                Respond(x, 200, "", "ok");
        });
    CMessageBoxes boxes({IDRETRY, IDRETRY, IDCANCEL});
    CHttpComm comm;
    EXPECT_TRUE(comm.Request("http://h/a/b.html"));
    EXPECT_TRUE(comm.Request("sub/c.html"));
    ASSERT_EQ(4u, net.requests.size());
    for (size_t i = 1; i < net.requests.size(); ++i)
        EXPECT_EQ("http://h/a/sub/c.html", net.requests[i].url) << i;
    EXPECT_EQ(2u, boxes.texts.size());
    EXPECT_EQ("http://h/a/sub/c.html", UrlOf(comm));
}

TEST(HttpComm, UserRetryOfAPostSendsItAgainOnlyThen)
{
    int calls = 0;
    CFakeNetwork net(
        [&calls](const SentRequest&, HttpExchange& x, HttpRequestState&)
        {
            if (++calls == 1)
                FailInternet(x, 12031, "reset");
            else
                Respond(x, 200, "", "ok");
        });
    CMessageBoxes boxes({IDRETRY});
    CHttpComm comm;
    EXPECT_TRUE(comm.Send("http://h/post", "x=1", 3, nullptr, TRUE, 0));
    ASSERT_EQ(2u, net.requests.size());
    EXPECT_EQ(1u, boxes.texts.size());
    EXPECT_EQ("x=1", net.requests[1].body);
}

TEST(HttpComm, QuietShowsNothing)
{
    const std::function<void(HttpExchange&)> failures[] = {
        [](HttpExchange&) {},
        [](HttpExchange& x) { Respond(x, 500); },
        [](HttpExchange& x) { FailInternet(x, 12029, "refused"); },
        [](HttpExchange& x) { Respond(x, 302, "/loop"); },
    };
    CMessageBoxes boxes;
    CCountingSink sink;
    for (const auto& fail : failures)
    {
        CFakeNetwork net([&fail](const SentRequest&, HttpExchange& x, HttpRequestState&) { fail(x); });
        CHttpComm comm;
        comm.Add(CHttpComm::flagQuiet);
        EXPECT_FALSE(comm.Request("http://h/loop"));
        comm.SetStatusSink(&sink);
        EXPECT_FALSE(comm.Request("ftp://h/file"));
    }
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_TRUE(sink.messages.empty());
}

TEST(HttpComm, RefusesOtherSchemesWithoutNetwork)
{
    CFakeNetwork net([](const SentRequest&, HttpExchange& x, HttpRequestState&) { Respond(x, 200); });
    CMessageBoxes boxes;
    CHttpComm comm;
    EXPECT_FALSE(comm.Request("ftp://h/file"));
    EXPECT_FALSE(comm.Request("mailto:a@b"));
    EXPECT_TRUE(net.requests.empty());
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ(LoadText(IDS_HTTP_NOT_HTTP_URL), boxes.texts[0]);
    EXPECT_EQ((UINT)MB_OK, boxes.types[0]);
    EXPECT_EQ("mailto:a@b", UrlOf(comm));
}

TEST(HttpComm, CancelEndsTheRequestWithoutMessage)
{
    CFakeNetwork net(
        [](const SentRequest&, HttpExchange& x, HttpRequestState& state)
        {
            state.bCancel = TRUE;
            FailInternet(x, 12031, "reset");
        });
    CMessageBoxes boxes;
    CHttpComm comm;
    EXPECT_FALSE(comm.Request("http://h/x"));
    EXPECT_TRUE(comm.IsCancelled());
    EXPECT_EQ(1u, net.requests.size());
    EXPECT_TRUE(boxes.texts.empty());

    // The next request starts uncancelled.
    CFakeNetwork ok([](const SentRequest&, HttpExchange& x, HttpRequestState&)
                    { Respond(x, 200, "", "ok"); });
    EXPECT_TRUE(comm.Request("http://h/x"));
    EXPECT_FALSE(comm.IsCancelled());
}

TEST(HttpComm, RefusesASecondSendWhileOneRuns)
{
    CHttpComm comm;
    BOOL nested = TRUE;
    CFakeNetwork net(
        [&](const SentRequest& sent, HttpExchange& x, HttpRequestState&)
        {
            if (sent.url == "http://h/outer")
                nested = comm.Request("http://h/inner");
            Respond(x, 200, "", "outer page");
        });
    EXPECT_TRUE(comm.Request("http://h/outer"));
    EXPECT_FALSE(nested);
    EXPECT_EQ(1u, net.requests.size());
    EXPECT_EQ("outer page", BodyOf(comm));
    EXPECT_EQ("http://h/outer", UrlOf(comm));
    EXPECT_FALSE(comm.IsSending());
}

TEST(HttpComm, ExceptionPassingThroughLeavesTheObjectUsable)
{
    // Only WinInet's exceptions are caught by the request; any other goes
    // to the caller, and the object must still take the next request.
    bool fail = true;
    CFakeNetwork net(
        [&fail](const SentRequest&, HttpExchange& x, HttpRequestState&)
        {
            if (fail)
                AfxThrowMemoryException();
            Respond(x, 200, "", "ok");
        });
    CHttpComm comm;
    bool thrown = false;
    try
    {
        comm.Request("http://h/x");
    }
    catch (CException* e)
    {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_FALSE(comm.IsSending());
    fail = false;
    EXPECT_TRUE(comm.Request("http://h/y"));
    EXPECT_EQ("ok", BodyOf(comm));
}

TEST(HttpComm, DestroyedWhileSendingEndsTheRequest)
{
    // Destroyed from inside the exchange, then an answer that would lead
    // to a redirect, a retry and a message box: none of them may touch it.
    const std::function<void(HttpExchange&)> answers[] = {
        [](HttpExchange& x) { Respond(x, 302, "/next"); },
        [](HttpExchange& x) { FailInternet(x, 12031, "reset"); },
        [](HttpExchange& x) { Respond(x, 404); },
        [](HttpExchange& x) { Respond(x, 200, "", "page"); },
    };
    CMessageBoxes boxes;
    for (const auto& answer : answers)
    {
        CCountingSink sink;
        CHttpComm* pComm = new CHttpComm;
        pComm->SetStatusSink(&sink);
        CFakeNetwork net(
            [&](const SentRequest&, HttpExchange& x, HttpRequestState& state)
            {
                delete pComm;
                EXPECT_TRUE(state.bCancel);
                EXPECT_EQ(nullptr, state.pSink);
                answer(x);
            });
        EXPECT_FALSE(pComm->Request("http://h/x"));
        EXPECT_EQ(1u, net.requests.size());
        EXPECT_EQ(0, sink.retries);
        EXPECT_TRUE(sink.messages.empty());
    }
    EXPECT_TRUE(boxes.texts.empty());

    // Destroyed while the failure box is shown.
    CFakeNetwork net([](const SentRequest&, HttpExchange& x, HttpRequestState&) { Respond(x, 503); });
    CHttpComm* pComm = new CHttpComm;
    CMessageBoxes retry({IDRETRY});
    retry.onShow = [&pComm]() { delete pComm; };
    EXPECT_FALSE(pComm->Request("http://h/x"));
    EXPECT_EQ(1u, net.requests.size());
}

std::string ToEuc(const char* sjis)
{
    CString out;
    SjisToEuc(sjis, out);
    return (LPCTSTR)out;
}

std::string ToUtf8(const char* sjis)
{
    CString out;
    AnsiToUtf8(sjis, out);
    return (LPCTSTR)out;
}

TEST(HttpComm, ConvertsTheBodyByItsCharset)
{
    const char* text = "表示ソフトの動作確認：日本語のページです。";
    const std::string head = "<html><head>";
    const std::string metaEuc = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">";
    const std::string rest = "</head><body><p id=\"text\">";
    const std::string end = "</p></body></html>\n";
    struct
    {
        const char* name;
        std::string body;
        const char* contentType;
        int charset;
    } cases[] = {
        {"header", head + rest + ToEuc(text) + end, "text/html; charset=EUC-JP", CHARSET_EUCJP},
        {"meta", head + metaEuc + rest + ToEuc(text) + end, "text/html", CHARSET_EUCJP},
        {"header over meta", head + metaEuc + rest + ToUtf8(text) + end, "text/html; charset=utf-8",
         CHARSET_UTF8},
        {"guess", head + rest + ToUtf8(text) + end, "text/html", CHARSET_UTF8},
        {"utf-8 with mark", "\xEF\xBB\xBF" + head + rest + ToUtf8(text) + end, "text/html; charset=UTF-8",
         CHARSET_UTF8},
        {"shift_jis", head + rest + text + end, "text/html; charset=Shift_JIS", CHARSET_SJIS},
    };
    for (const auto& c : cases)
    {
        CFakeNetwork net([&c](const SentRequest&, HttpExchange& x, HttpRequestState&)
                         { Respond(x, 200, "", c.body, c.contentType); });
        CHttpComm comm;
        ASSERT_TRUE(comm.Request("http://h/page")) << c.name;
        EXPECT_EQ(c.charset, comm.GetCharset()) << c.name;
        CString value;
        ASSERT_TRUE(comm.GetElementText("p", value, "id", "text", MARKUP_FIND_INNER)) << c.name;
        EXPECT_STREQ(text, value) << c.name;
        std::string raw = BodyOf(comm, TRUE);
        EXPECT_EQ(c.body.substr(0, c.body.size() - 1) + "\r\n", raw) << c.name;
    }
}

TEST(HttpComm, GuessesTheCharsetOnce)
{
    // EUC-JP bytes that also read as Shift_JIS: the guess is made once and
    // holds for the rest of the answer.
    std::string body = "<p>" + ToEuc("日本語") + "</p>";
    CFakeNetwork net([&body](const SentRequest&, HttpExchange& x, HttpRequestState&)
                     { Respond(x, 200, "", body, "text/html"); });
    CHttpComm comm;
    ASSERT_TRUE(comm.Request("http://h/page"));
    int first = comm.GetCharset();
    EXPECT_NE(CHARSET_UNKNOWN, first);
    EXPECT_EQ(first, comm.GetCharset());

    // Plain ASCII stays unknown and is copied unchanged.
    body = "<p>abc</p>\n";
    ASSERT_TRUE(comm.Request("http://h/page"));
    EXPECT_EQ(CHARSET_UNKNOWN, comm.GetCharset());
    EXPECT_EQ("<p>abc</p>\r\n", BodyOf(comm));
}

TEST(HttpComm, EachRequestReplacesThePage)
{
    std::string body = "<html><body><input name=\"a\" value=\"1\"></body></html>";
    int status = 200;
    CFakeNetwork net([&](const SentRequest&, HttpExchange& x, HttpRequestState&)
                     { Respond(x, status, "", body); });
    CMessageBoxes boxes;
    CHttpComm comm;
    comm.SetSource("<p>ignored</p>");
    EXPECT_TRUE(comm.IsSourceEmpty());
    ASSERT_TRUE(comm.Request("http://h/1"));
    CString value;
    EXPECT_TRUE(comm.GetInputValue("a", value));
    EXPECT_STREQ("1", value);

    body = "<html><body><input name=\"a\" value=\"2\"></body></html>";
    ASSERT_TRUE(comm.Request("http://h/2"));
    EXPECT_TRUE(comm.GetInputValue("a", value));
    EXPECT_STREQ("2", value);

    status = 404;
    EXPECT_FALSE(comm.Request("http://h/3"));
    EXPECT_FALSE(comm.GetInputValue("a", value));
    EXPECT_EQ(404u, comm.GetStatusCode());
    EXPECT_EQ(0u, comm.GetLastError());
}

TEST(HttpComm, AShortPageAfterALongOneKeepsNothingOfIt)
{
    // The rooms of the body as read, as received and as converted serve
    // the next answer: a shorter page must read as it would alone.
    const char* text = "日本語のページ";
    struct
    {
        const char* name;
        std::string (*encode)(const char*);
        const char* contentType;
    } cases[] = {
        {"euc-jp", ToEuc, "text/html; charset=EUC-JP"},
        {"utf-8", ToUtf8, "text/html; charset=utf-8"},
        {"shift_jis", [](const char* sjis) { return std::string(sjis); }, "text/html; charset=Shift_JIS"},
    };
    for (const auto& c : cases)
    {
        const std::string longPage = "<html><body><p id=\"text\">" + std::string(200000, 'x') +
                                     c.encode(text) + "</p></body></html>\n";
        const std::string shortPage = "<p id=\"text\">" + c.encode(text) + "</p>\n";
        const std::string* pBody = &longPage;
        CFakeNetwork net([&](const SentRequest&, HttpExchange& x, HttpRequestState&)
                         { Respond(x, 200, "", *pBody, c.contentType); });
        CHttpComm comm;
        ASSERT_TRUE(comm.Request("http://h/long")) << c.name;
        CString value;
        ASSERT_TRUE(comm.GetElementText("p", value, "id", "text", MARKUP_FIND_INNER)) << c.name;
        EXPECT_EQ(200000 + (int)std::strlen(text), value.GetLength()) << c.name;

        pBody = &shortPage;
        ASSERT_TRUE(comm.Request("http://h/short")) << c.name;
        ASSERT_TRUE(comm.GetElementText("p", value, "id", "text", MARKUP_FIND_INNER)) << c.name;
        EXPECT_STREQ(text, value) << c.name;
        EXPECT_EQ(shortPage.substr(0, shortPage.size() - 1) + "\r\n", BodyOf(comm, TRUE)) << c.name;
        CString converted;
        ASSERT_TRUE(comm.GetBody(converted)) << c.name;
        EXPECT_EQ(std::string("<p id=\"text\">") + text + "</p>\r\n", (LPCTSTR)converted) << c.name;
    }
}

TEST(HttpComm, SetMetaCharsetRewritesTheHeadsContentType)
{
    const char* page =
        "<html><head><meta http-equiv=\"Refresh\" content=\"5\">"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=EUC-JP\"></head>"
        "<body><meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\"></body></html>";
    CHtmlDocument document(page);
    EXPECT_FALSE(CHttpComm::SetMetaCharset(document, CHARSET_EUCJP));
    EXPECT_FALSE(CHttpComm::SetMetaCharset(document, CHARSET_UNKNOWN));
    EXPECT_TRUE(CHttpComm::SetMetaCharset(document, CHARSET_SJIS));
    CStringList contents;
    document.GetAttributes("meta", "content", contents);
    ASSERT_EQ(3, contents.GetCount());
    POSITION pos = contents.GetHeadPosition();
    EXPECT_STREQ("5", contents.GetNext(pos));
    EXPECT_STREQ("text/html; charset=Shift_JIS", contents.GetNext(pos));
    EXPECT_STREQ("text/html; charset=EUC-JP", contents.GetNext(pos));

    CHtmlDocument noHead(
        "<body><meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\"></body>");
    EXPECT_FALSE(CHttpComm::SetMetaCharset(noHead, CHARSET_SJIS));
}

TEST(HttpAnswer, TheBodyIsReadToItsEndOrUntilACancel)
{
    const std::string body(10000, 'x');
    HttpExchange x;
    HttpRequestState state;
    CScriptedAnswer whole(200, "", body, "text/html; charset=EUC-JP");
    EXPECT_TRUE(ReadHttpAnswer(whole, x, state));
    EXPECT_EQ(body.size(), (size_t)x.strBody.GetLength());
    EXPECT_EQ(CHARSET_EUCJP, x.nCharset);

    // Read into the room of a longer body, it is the new body alone.
    HttpExchange reused;
    reused.strBody = std::string(300000, 'y').c_str();
    CScriptedAnswer again(200, "", body, "text/html");
    EXPECT_TRUE(ReadHttpAnswer(again, reused, state));
    EXPECT_EQ(body, (LPCTSTR)reused.strBody);

    // A cancel while the body arrives ends the reading with what came.
    HttpExchange cut;
    CScriptedAnswer cancelled(200, "", body, "text/html");
    int reads = 0;
    cancelled.m_pfnAfterRead = [&] { state.bCancel = ++reads == 2; };
    EXPECT_TRUE(ReadHttpAnswer(cancelled, cut, state));
    EXPECT_EQ(2000, cut.strBody.GetLength());

    // Cancelled before the body: nothing of it is read.
    HttpExchange early;
    CScriptedAnswer unread(200, "", body, "text/html; charset=UTF-8");
    EXPECT_TRUE(ReadHttpAnswer(unread, early, state));
    EXPECT_TRUE(early.strBody.IsEmpty());
    EXPECT_EQ(0, early.nCharset);
}

#ifndef _WIN32
TEST(HttpComm, WithoutNetworkEveryRequestFailsToConnect)
{
    CMessageBoxes boxes;
    CHttpComm comm;
    EXPECT_FALSE(comm.Request("http://h/x"));
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(LoadText(IDS_HTTP_CONNECT_FAILED), boxes.texts[0]);
}
#endif
} // namespace
