#include "afx/ParseUrl.h"

#include <gtest/gtest.h>

TEST(AfxParseURL, SplitsKnownServices)
{
    struct Case
    {
        const char* url;
        DWORD service;
        const char* server;
        const char* object;
        INTERNET_PORT port;
    } cases[] = {
        {"http://example.jp", AFX_INET_SERVICE_HTTP, "example.jp", "/", 80},
        {"https://example.jp/a/b?x=1#f", AFX_INET_SERVICE_HTTPS, "example.jp", "/a/b?x=1#f", 443},
        {"HTTP://Example.JP:8080/p", AFX_INET_SERVICE_HTTP, "Example.JP", "/p", 8080},
        {"http://127.0.0.1:49152?q=1", AFX_INET_SERVICE_HTTP, "127.0.0.1", "/?q=1", 49152},
        {"ftp://user:pw@files.example.jp/pub", AFX_INET_SERVICE_FTP, "files.example.jp", "/pub", 21},
        {"http://[::1]:81/", AFX_INET_SERVICE_HTTP, "[::1]", "/", 81},
        {"https://host:/x", AFX_INET_SERVICE_HTTPS, "host", "/x", 443},
    };
    for (const Case& c : cases)
    {
        DWORD service = 0;
        CString server, object;
        INTERNET_PORT port = 0;
        ASSERT_TRUE(AfxParseURL(c.url, service, server, object, port)) << c.url;
        EXPECT_EQ(c.service, service) << c.url;
        EXPECT_STREQ(c.server, server) << c.url;
        EXPECT_STREQ(c.object, object) << c.url;
        EXPECT_EQ(c.port, port) << c.url;
    }
}

TEST(AfxParseURL, RefusesWhatIsNoAbsoluteUrl)
{
    for (const char* url : {"", "example.jp/a", "/relative/path", "mailto:a@b.jp", "gopherx://h/",
                            "http:///path", "http://host:99999/", "http://host:8a/", "res://x.exe/1"})
    {
        DWORD service = 0;
        CString server = "stale", object = "stale";
        INTERNET_PORT port = 1;
        EXPECT_FALSE(AfxParseURL(url, service, server, object, port)) << url;
        EXPECT_EQ((DWORD)AFX_INET_SERVICE_UNK, service) << url;
        EXPECT_TRUE(server.IsEmpty()) << url;
    }
    DWORD service = 0;
    CString server, object;
    INTERNET_PORT port = 0;
    EXPECT_FALSE(AfxParseURL(nullptr, service, server, object, port));
}
