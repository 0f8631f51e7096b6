#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "afx/String.h"
#include "net/HttpRules.h"
#include "text/Charset.h"

namespace
{
struct ResolveCase
{
    const char* current;
    const char* url;
    const char* expected;
};

const ResolveCase kResolveCases[] = {
    // Nothing to resolve against, or an address of its own.
    {"", "http://h/a#frag", "http://h/a"},
    {"", "page.html", "page.html"},
    {"http://h/a/b.html", "https://other/x?q=1#f", "https://other/x?q=1"},
    {"http://h/a/b.html", "ftp://f/x", "ftp://f/x"},
    {"http://h/a/b.html", "mailto:a@b", "mailto:a@b"},
    {"http://h/a/b.html", "javascript:void(0)", "javascript:void(0)"},
    // From the root of the current host: its port stays, a default one is not written.
    {"http://h:8080/a/b", "/c?d=1", "http://h:8080/c?d=1"},
    {"https://h/a/b", "/c", "https://h/c"},
    {"https://h:443/a", "/c#top", "https://h/c"},
    {"http://h/a/b", "/p/http://x", "http://h/p/http://x"},
    // Another host with the current scheme.
    {"http://h:8080/a/b", "//other:9090/p?q", "http://other:9090/p?q"},
    {"https://h/a", "//other/p", "https://other/p"},
    {"http://h:8080/a/b", "//", "http://h:8080/"},
    // Relative to the folder of the current address.
    {"http://h/a/b.html", "c.html", "http://h/a/c.html"},
    {"http://h/a/b.html?x=1/2", "c.html", "http://h/a/c.html"},
    {"http://h/a/b.html", "./c.html?x", "http://h/a/c.html?x"},
    {"http://h/a/b.html", "./", "http://h/a/"},
    {"http://h/a/b.html", "../c", "http://h/a/../c"},
    {"http://h/a/b", "c?u=http://x/y", "http://h/a/c?u=http://x/y"},
    {"http://h/a/b", "c/d:e", "http://h/a/c/d:e"},
    {"http://h/a/b", "1a:b", "http://h/a/1a:b"},
    {"http://h:8080", "c", "http://h:8080/c"},
    // A query alone replaces the query of the current address.
    {"http://h/a/b.cgi?x=1", "?y=2", "http://h/a/b.cgi?y=2"},
    // No host to take: the text stays as it is (and is refused later).
    {"mailto:x@y", "/x", "/x"},
};

TEST(HttpRules, ResolvesAgainstTheCurrentUrl)
{
    for (const ResolveCase& c : kResolveCases)
        EXPECT_STREQ(c.expected, ResolveHttpUrl(c.current, c.url)) << c.current << " + " << c.url;
}

struct LocationCase
{
    const char* headers;
    BOOL found;
    const char* target;
};

const LocationCase kLocationCases[] = {
    {"HTTP/1.1 302 Found\r\nLocation: /a\r\n\r\n", TRUE, "/a"},
    // Content-Location first must not be taken for the target.
    {"HTTP/1.1 302 Found\r\nContent-Location: /wrong\r\nLocation: /right\r\n\r\n", TRUE, "/right"},
    {"HTTP/1.1 302 Found\r\nContent-Location: /only\r\n\r\n", FALSE, ""},
    {"HTTP/1.1 302 Found\r\nX-Location: /no\r\n\r\n", FALSE, ""},
    {"HTTP/1.1 302 Found\r\nlocation:   /b  \r\n\r\n", TRUE, "/b"},
    {"HTTP/1.1 301 Moved\r\nLOCATION:\thttp://x/Path?A=B \r\n\r\n", TRUE, "http://x/Path?A=B"},
    {"HTTP/1.1 302 Found\r\nLocation:   \r\n\r\n", FALSE, ""},
    {"HTTP/1.1 302 Found\nLocation: /lf-only\n\n", TRUE, "/lf-only"},
    {"", FALSE, ""},
};

TEST(HttpRules, FindsTheLocationHeaderOnly)
{
    for (const LocationCase& c : kLocationCases)
    {
        CString target("stale");
        EXPECT_EQ(c.found, FindLocationHeader(c.headers, target)) << c.headers;
        EXPECT_STREQ(c.target, target) << c.headers;
    }
}

struct LineCase
{
    std::string in;
    std::string out;
};

TEST(HttpRules, MakesBareLineFeedsCrLf)
{
    const LineCase cases[] = {
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"\n\n", "\r\n\r\n"},
        {"a\r\n\nb", "a\r\n\r\nb"},
        {"a\rb\r", "a\rb\r"},
        {std::string("a\0\nb", 4), std::string("a\0\r\nb", 5)},
        {"", ""},
        {"no line end", "no line end"},
        {"\nab\r\ncd\ne", "\r\nab\r\ncd\r\ne"},
        {"\r\n", "\r\n"},
        {"\r\r\n\n\r", "\r\r\n\r\n\r"},
    };
    for (const LineCase& c : cases)
    {
        CString out = MakeCrLfLineEnds(c.in.data(), (int)c.in.size());
        EXPECT_EQ(c.out, std::string((LPCTSTR)out, (size_t)out.GetLength())) << c.in;
        // Into the room of a longer earlier page, as the HTTP client reuses it.
        CString room(std::string(300, 'x').c_str());
        MakeCrLfLineEnds(c.in.data(), (int)c.in.size(), room);
        EXPECT_EQ(c.out, std::string((LPCTSTR)room, (size_t)room.GetLength())) << c.in;
    }
}

struct MetaCase
{
    const char* page;
    int charset;
};

const MetaCase kMetaCases[] = {
    {"<html><head><title>t</title><meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">"
     "</head><body></body></html>",
     CHARSET_EUCJP},
    {"<HTML><HEAD><META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; charset=Shift_JIS\"></HEAD></HTML>",
     CHARSET_SJIS},
    // Without a head, meta tags anywhere count.
    {"<html><body><p>x</p><meta http-equiv=\"content-type\" content=\"text/html; "
     "charset=x-sjis\"></body></html>",
     CHARSET_SJIS},
    // With a head, only its own.
    {"<html><head><title>t</title></head><body><meta http-equiv=\"Content-Type\" "
     "content=\"text/html; charset=UTF-8\"></body></html>",
     CHARSET_UNKNOWN},
    // The first one that names a known charset.
    {"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-unknown\">"
     "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"></head>",
     CHARSET_UTF8},
    {"<head><meta http-equiv=\"Refresh\" content=\"0; charset=EUC-JP\">"
     "<meta name=\"Content-Type\" content=\"text/html; charset=EUC-JP\"></head>",
     CHARSET_UNKNOWN},
    {"<head><meta charset=\"UTF-8\"></head>", CHARSET_UNKNOWN},
    {"<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-2022-JP\"></head>",
     CHARSET_ISO2022JP},
    {"<html><body>no meta</body></html>", CHARSET_UNKNOWN},
    {"", CHARSET_UNKNOWN},
};

TEST(HttpRules, FindsTheCharsetNamedByAMetaTag)
{
    for (const MetaCase& c : kMetaCases)
        EXPECT_EQ(c.charset, FindMetaCharset(c.page, (int)std::strlen(c.page))) << c.page;

    // Only the first 64 KB are searched.
    const std::string meta = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">";
    std::string page = std::string(65536 - meta.size(), ' ') + meta;
    EXPECT_EQ(CHARSET_EUCJP, FindMetaCharset(page.data(), (int)page.size()));
    page.insert(0, " ");
    EXPECT_EQ(CHARSET_UNKNOWN, FindMetaCharset(page.data(), (int)page.size()));

    // Tags that never close before the last one: each "<meta" is read
    // once, with the one that closes them.
    std::string open;
    for (int i = 0; i < 5000; ++i)
        open += "<meta ";
    page = open + meta.substr(1);
    EXPECT_EQ(CHARSET_EUCJP, FindMetaCharset(page.data(), (int)page.size()));
}

TEST(HttpRules, ThePageCharsetComesFromTheHeaderTheMetaTagOrTheBytes)
{
    const char* meta = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">";
    const char* sjis = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x65\x83\x4c\x83\x58\x83\x67";
    const struct
    {
        int header;
        const char* page;
        int charset;
    } cases[] = {
        {CHARSET_UTF8, meta, CHARSET_UTF8},
        {CHARSET_UNKNOWN, meta, CHARSET_EUCJP},
        {CHARSET_UNKNOWN, sjis, CHARSET_SJIS},
        {CHARSET_UNKNOWN, "plain ascii", CHARSET_UNKNOWN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.charset, ChoosePageCharset(c.header, c.page, (int)std::strlen(c.page))) << c.page;
}

TEST(HttpRules, ClassifiesStatusCodes)
{
    const char* withTarget = "HTTP/1.1 302 Found\r\nLocation: /next\r\n\r\n";
    const char* without = "HTTP/1.1 302 Found\r\nContent-Length: 0\r\n\r\n";
    struct
    {
        DWORD status;
        const char* headers;
        HttpStatusOutcome outcome;
    } cases[] = {
        {200, "", HttpStatusDone},
        {304, "", HttpStatusDone},
        {305, withTarget, HttpStatusDone},
        {306, withTarget, HttpStatusDone},
        {399, "", HttpStatusDone},
        {301, withTarget, HttpStatusRedirect},
        {302, withTarget, HttpStatusRedirect},
        {303, withTarget, HttpStatusRedirect},
        {307, withTarget, HttpStatusRedirect},
        {308, withTarget, HttpStatusRedirect},
        {302, without, HttpStatusNoAnswer},
        {0, "", HttpStatusNoAnswer},
        {400, "", HttpStatusServerError},
        {404, withTarget, HttpStatusServerError},
        {503, "", HttpStatusServerError},
    };
    for (const auto& c : cases)
    {
        CString target;
        EXPECT_EQ(c.outcome, ClassifyHttpStatus(c.status, c.headers, target)) << c.status;
        EXPECT_EQ(c.outcome == HttpStatusRedirect, target == "/next") << c.status;
    }
    EXPECT_TRUE(RedirectKeepsBody(307));
    EXPECT_TRUE(RedirectKeepsBody(308));
    EXPECT_FALSE(RedirectKeepsBody(301));
    EXPECT_FALSE(RedirectKeepsBody(302));
    EXPECT_FALSE(RedirectKeepsBody(303));
}

// A body goes again only to the origin that it was sent to.
TEST(HttpRules, RedirectKeepsABodyOnlyOnItsOrigin)
{
    const char kFrom[] = "https://login.example.jp/config/login";
    struct
    {
        DWORD status;
        BOOL body;
        const char* to;
        HttpRedirectStep step;
    } cases[] = {
        {307, TRUE, "https://login.example.jp/config/login2", HttpRedirectWithBody},
        {308, TRUE, "https://LOGIN.Example.JP/x?y", HttpRedirectWithBody},
        {307, TRUE, "https://login.example.jp:443/x", HttpRedirectWithBody},
        {307, TRUE, "http://login.example.jp/config/login", HttpRedirectRefused}, // https to http
        {308, TRUE, "https://other.example.jp/config/login", HttpRedirectRefused},
        {307, TRUE, "https://login.example.jp:8443/config/login", HttpRedirectRefused},
        {307, TRUE, "https://login.example.jp.other.jp/", HttpRedirectRefused},
        {307, TRUE, "https://login.example.jp@other.jp/", HttpRedirectRefused},
        {307, TRUE, "ftp://login.example.jp/", HttpRedirectRefused},
        {307, TRUE, "", HttpRedirectRefused},
        // Without a body, or turned into a GET, nothing of it goes along.
        {307, FALSE, "http://other.example.jp/", HttpRedirectAsGet},
        {302, TRUE, "http://other.example.jp/", HttpRedirectAsGet},
        {303, TRUE, "https://login.example.jp/done", HttpRedirectAsGet},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.step, DecideRedirectStep(c.status, c.body, kFrom, c.to)) << c.status << " " << c.to;

    EXPECT_TRUE(IsSameHttpOrigin("http://127.0.0.1:4000/a", "HTTP://127.0.0.1:4000?b"));
    EXPECT_TRUE(IsSameHttpOrigin("http://h/a", "http://h:80/b"));
    EXPECT_FALSE(IsSameHttpOrigin("http://127.0.0.1:4000/a", "http://127.0.0.2:4000/a"));
    EXPECT_FALSE(IsSameHttpOrigin("http://127.0.0.1:4000/a", "http://127.0.0.1:4001/a"));
    EXPECT_FALSE(IsSameHttpOrigin("/a", "/a"));
    EXPECT_FALSE(IsSameHttpOrigin(nullptr, "http://h/"));
}

TEST(HttpRules, RetriesOnlyBodylessRequestsAfterTransientFailures)
{
    struct
    {
        BOOL allowed;
        BOOL body;
        HttpFailureKind kind;
        DWORD error;
        BOOL retry;
    } cases[] = {
        {TRUE, FALSE, HttpFailConnection, 0, TRUE},
        {FALSE, FALSE, HttpFailConnection, 0, FALSE},
        {TRUE, TRUE, HttpFailConnection, 0, FALSE},
        {TRUE, FALSE, HttpFailServer, 0, FALSE},
        {TRUE, FALSE, HttpFailInternet, 12002, TRUE},
        {TRUE, FALSE, HttpFailInternet, 12030, TRUE},
        {TRUE, FALSE, HttpFailInternet, 12031, TRUE},
        {TRUE, FALSE, HttpFailInternet, 12032, TRUE},
        {TRUE, FALSE, HttpFailInternet, 12152, TRUE},
        {TRUE, FALSE, HttpFailInternet, 12029, FALSE}, // cannot connect
        {TRUE, FALSE, HttpFailInternet, 12007, FALSE}, // name not resolved
        {TRUE, TRUE, HttpFailInternet, 12031, FALSE},
        {FALSE, FALSE, HttpFailInternet, 12031, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.retry, MayRetryAutomatically(c.allowed, c.body, c.kind, c.error))
            << c.allowed << c.body << c.kind << " " << c.error;
}

TEST(HttpRules, ErrorTexts)
{
    EXPECT_STREQ("接続がリセットされました。/エラー番号：12031",
                 MakeInternetErrorText("接続がリセットされました。\r\n", 12031));
    EXPECT_STREQ("エラー番号：12029", MakeInternetErrorText("", 12029));
    EXPECT_STREQ("HTTPステータスコード：404", MakeStatusErrorText(404));

    // A long message is cut at 255 bytes, never inside a two-byte character.
    std::string message = "x";
    for (int i = 0; i < 200; ++i)
        message += "表";
    CString text = MakeInternetErrorText(message.c_str(), 12002);
    CString expected(message.c_str(), 255);
    EXPECT_STREQ(expected + "/エラー番号：12002", text);
    message += "x";
    text = MakeInternetErrorText(("y" + message).c_str(), 12002);
    EXPECT_STREQ(CString(("y" + message).c_str(), 254) + "/エラー番号：12002", text);
}

TEST(HttpRules, FailureMessages)
{
    EXPECT_STREQ("サーバーがエラーを返しました。\r\n（HTTPステータスコード：404）",
                 MakeFailureMessage(TRUE, "HTTPステータスコード：404"));
    EXPECT_STREQ("インターネットへの接続に失敗しました。\r\n（x/エラー番号：12029）",
                 MakeFailureMessage(FALSE, "x/エラー番号：12029"));
    EXPECT_STREQ("サーバーがエラーを返しました。", MakeFailureMessage(TRUE, ""));
    EXPECT_STREQ("インターネットへの接続に失敗しました。", MakeFailureMessage(FALSE, nullptr));
}

TEST(HttpRules, UserAgent)
{
    EXPECT_STREQ("Mozilla/5.0 (compatible; VS Tanzo 3.1; WinInet; Windows NT 6.1)",
                 FormatUserAgent("Tanzo", "3.1", "Windows NT 6.1"));
    EXPECT_STREQ("Mozilla/5.0 (compatible; VS Software 3.25; WinInet; Windows 6.0)",
                 FormatUserAgent("", "3.25", "Windows 6.0"));
    EXPECT_STREQ("Mozilla/5.0 (compatible; VS Software ; WinInet; Windows NT 10.0)",
                 FormatUserAgent(nullptr, "", "Windows NT 10.0"));
}
} // namespace
