#include "text/UrlUtil.h"

#include <gtest/gtest.h>

TEST(UrlUtil, SchemeTestsFollowTheFlags)
{
    const UINT web = URL_SCHEME_HTTP | URL_SCHEME_HTTPS;
    EXPECT_TRUE(HasUrlScheme("HTTP://a.jp/", URL_SCHEME_HTTP));
    EXPECT_FALSE(HasUrlScheme("https://a.jp/", URL_SCHEME_HTTP));
    EXPECT_TRUE(HasUrlScheme("https://a.jp/", web));
    EXPECT_TRUE(HasUrlScheme("Res://tanzo.exe/1", URL_SCHEME_RES));
    EXPECT_TRUE(HasUrlScheme("ftp://a.jp", URL_SCHEME_FTP));
    EXPECT_FALSE(HasUrlScheme("http:/a.jp", web));
    EXPECT_FALSE(HasUrlScheme(nullptr, web));

    EXPECT_TRUE(IsEmptyOrSchemeOnly("", web));
    EXPECT_TRUE(IsEmptyOrSchemeOnly(nullptr, web));
    EXPECT_TRUE(IsEmptyOrSchemeOnly("HTTP://", web));
    EXPECT_FALSE(IsEmptyOrSchemeOnly("http://a", web));
    EXPECT_FALSE(IsEmptyOrSchemeOnly("ftp://", web));

    EXPECT_TRUE(IsMailtoUrl("MailTo:someone@example.jp"));
    EXPECT_FALSE(IsMailtoUrl("http://mailto:"));
}

TEST(UrlUtil, SchemeAndHostKeepsOnlyAPortOfItsOwn)
{
    CString out = "untouched";
    EXPECT_TRUE(GetSchemeAndHost("https://a.example.jp/x?y", out));
    EXPECT_STREQ("https://a.example.jp", out);
    EXPECT_TRUE(GetSchemeAndHost("https://a.example.jp:443/x", out));
    EXPECT_STREQ("https://a.example.jp", out);
    EXPECT_TRUE(GetSchemeAndHost("http://127.0.0.1:5000/p", out));
    EXPECT_STREQ("http://127.0.0.1:5000", out);
    EXPECT_TRUE(GetSchemeAndHost("ftp://f.example.jp:2121", out));
    EXPECT_STREQ("ftp://f.example.jp:2121", out);
    out = "untouched";
    EXPECT_FALSE(GetSchemeAndHost("file://c/x", out));
    EXPECT_FALSE(GetSchemeAndHost("no url", out));
    EXPECT_STREQ("untouched", out);

    EXPECT_TRUE(GetSchemePrefix("res://x.exe/1", out));
    EXPECT_STREQ("res://", out);
    EXPECT_FALSE(GetSchemePrefix("://x", out));
    EXPECT_FALSE(GetSchemePrefix("x", out));
}

TEST(UrlUtil, CompareUrlsIgnoresSchemeQueryFragmentAndOneSlash)
{
    struct Case
    {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"http://a.jp/p/", "https://a.jp/p?x=1", true},
        {"http://a.jp/p#top", "http://a.jp/p", true},
        {"http://a.jp/p//", "http://a.jp/p", false}, // one slash only
        {"http://a.jp/P", "http://a.jp/p", false},   // byte for byte
        {"/", "", false},                            // a lone "/" stays
        {nullptr, "", true},
        {"http://a.jp/表", "http://a.jp/表/", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.same, CompareUrls(c.a, c.b) == 0) << (c.a ? c.a : "(null)") << " ~ " << c.b;
    EXPECT_LT(CompareUrls("http://a.jp/a", "http://a.jp/b"), 0);
}

TEST(UrlUtil, FileUrlToPathGivesTheLocalPath)
{
    struct Case
    {
        const char* url;
        const char* path; // null: not a file
    } cases[] = {
        {"file:///C:/a%20b/c.htm", "C:\\a b\\c.htm"},
        {"FILE:///c:/x/y.htm", "c:\\x\\y.htm"},
        {"file://C:/x.htm", "C:\\x.htm"},
        {"file:/C:/x.htm", "C:\\x.htm"},
        {"file://localhost/C:/x.htm", "C:\\x.htm"},
        {"file://server/share/x.htm", "\\\\server\\share\\x.htm"},
        {"file:///C:/a+b%2Bc%zz%4", "C:\\a+b+c%zz%4"},
        {"file:///C:/%00x", "C:\\%00x"},
        {"file:///C:/表/ソ.htm", "C:\\表\\ソ.htm"},
        {"C:\\Temp\\a.htm", "C:\\Temp\\a.htm"},
        {"C:/Temp/a.htm", "C:\\Temp\\a.htm"},
        {"\\\\server\\share\\a.htm", "\\\\server\\share\\a.htm"},
        {"http://example.jp/a.htm", nullptr},
        {"about:blank", nullptr},
        {"res://C:\\t.exe/410", nullptr},
        {"relative\\a.htm", nullptr},
        {"file:", nullptr},
        {"", nullptr},
        {nullptr, nullptr},
    };
    for (const Case& c : cases)
    {
        CString path = "stale";
        EXPECT_EQ(c.path != nullptr, FileUrlToPath(c.url, path)) << (c.url != nullptr ? c.url : "(null)");
        EXPECT_STREQ(c.path != nullptr ? c.path : "", path) << (c.url != nullptr ? c.url : "(null)");
    }
}
