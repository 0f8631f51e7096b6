#include <gtest/gtest.h>

#include "auction/login/LoginAddresses.h"
#include "auction/login/LoginPages.h"
#include "auction/login/PageReaders.h"
#include "net/ServiceHosts.h"
#include "text/HtmlDocument.h"

namespace
{
// Each host back to its default when a test ends.
class PageReaders : public ::testing::Test
{
protected:
    ~PageReaders() override { ResetServiceOrigins(); }
};
} // namespace

TEST_F(PageReaders, LoginPageUrl)
{
    struct Case
    {
        const char* loginOrigin; // null: the default
        const char* url;
        BOOL expected;
    } cases[] = {
        {nullptr, "https://login.yahoo.co.jp/config/login?.src=auc", TRUE},
        {nullptr, "http://login.yahoo.co.jp/config/login_verify2?.ct=1", TRUE},
        {nullptr, "HTTPS://LOGIN.YAHOO.CO.JP/", TRUE},
        {nullptr, "https://login.yahoo.co.jp", TRUE},
        {nullptr, "https://login.yahoo.co.jp?x=1", TRUE},
        {nullptr, "https://login.yahoo.co.jp.example.com/config/login", FALSE},
        {nullptr, "https://elsewhere/config/login", FALSE},
        {nullptr, "ftp://login.yahoo.co.jp/", FALSE},
        {nullptr, "", FALSE},
        {nullptr, nullptr, FALSE},
        {"http://127.0.0.1:4000", "http://127.0.0.1:4000/config/login", TRUE},
        {"http://127.0.0.1:4000", "https://127.0.0.1:4000/config/login", TRUE},
        {"http://127.0.0.1:4000", "http://127.0.0.1:40001/config/login", FALSE},
        {"http://127.0.0.1:4000", "https://login.yahoo.co.jp/config/login", FALSE},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(SetServiceOrigin(HostLogin, c.loginOrigin));
        EXPECT_EQ(c.expected, IsLoginPageUrl(c.url)) << (c.url ? c.url : "(null)");
    }
}

TEST_F(PageReaders, LinksToAHost)
{
    struct Case
    {
        const char* pointsOrigin;
        const char* href;
        const char* path;
        BOOL expected;
    } cases[] = {
        {nullptr, "//points.yahoo.co.jp/book/", "/book", TRUE},
        {nullptr, "http://points.yahoo.co.jp/book", "/book", TRUE},
        {nullptr, "https://points.yahoo.co.jp/help/book", "/book", FALSE},
        {nullptr, "https://points.yahoo.co.jp", nullptr, TRUE},
        {nullptr, "https://points.yahoo.co.jp.example.com/", nullptr, FALSE},
        {"http://127.0.0.1:4000", "http://127.0.0.1:4000/book", "/book", TRUE},
        {"http://127.0.0.1:4000", "http://127.0.0.1:40001/book", "/book", FALSE},
        {"http://127.0.0.1:4000", "http://127.0.0.1:40001/", nullptr, FALSE},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(SetServiceOrigin(HostPoints, c.pointsOrigin));
        EXPECT_EQ(c.expected, LinksToService(c.href, HostPoints, c.path)) << c.href;
    }
}

// Each page holds the source named and, where it matters, a later one that
// must lose against it.
TEST_F(PageReaders, UserIdSourcesInOrder)
{
    struct Case
    {
        const char* fixture;
        const char* id; // null: none
    } cases[] = {
        {"id-masthead-greeting.html", "mast_1"}, {"id-header-strong.html", "strong_1"},
        {"id-msthd-name.html", "name_2"},        {"id-msthd-user.html", "user_2p"},
        {"id-loginbar.html", "bar_3"},           {"id-first-bold.html", "bold_4"},
        {"id-points.html", "point_5"},           {"id-table.html", "table_6"},
        {"id-personal.html", "pb_user7"},        {"id-none.html", nullptr},
    };
    for (const Case& c : cases)
    {
        CHtmlDocument page(ReadLoginFixture(c.fixture));
        CString id = "stale";
        EXPECT_EQ(c.id != nullptr, GetLoginUserIdFromPage(&page, id)) << c.fixture;
        EXPECT_STREQ(c.id ? c.id : "", id) << c.fixture;
    }
    CString id = "stale";
    EXPECT_FALSE(GetLoginUserIdFromPage(nullptr, id));
    EXPECT_TRUE(id.IsEmpty());
    CHtmlDocument empty;
    EXPECT_FALSE(GetLoginUserIdFromPage(&empty, id));
}

TEST_F(PageReaders, PointsLinkFollowsTheConfiguredHost)
{
    CHtmlDocument page(ReadLoginFixture("id-points.html"));
    CString id;
    ASSERT_TRUE(SetServiceOrigin(HostPoints, "https://points.example.com"));
    ASSERT_TRUE(GetLoginUserIdFromPage(&page, id));
    EXPECT_STREQ("wrong_5", id);
}

TEST_F(PageReaders, Greetings)
{
    struct Case
    {
        const char* text;
        const char* id; // null: none
    } cases[] = {
        {"こんにちは、taro_1さん", "taro_1"},
        {"ようこそ　<b>taro_1</b>　さん！", "taro_1"},
        {"こんにちは、taro_1さん [ログアウト] [ヘルプ]", "taro_1"},
        {"taro_1さん、ようこそ", "taro_1"},
        {"こんにちは&nbsp;taro_1&nbsp;さん", "taro_1"},
        {"こんにちは、abcさん", nullptr},                              // 3 bytes
        {"こんにちは、abcdefghijabcdefghijabcdefghijabさん", nullptr}, // 32 bytes
        {"こんにちは、abcdefghijabcdefghijabcdefghijaさん", "abcdefghijabcdefghijabcdefghija"},
        {"こんにちは、taro_1", nullptr},
        {"taro_1さん", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases)
    {
        CString id;
        EXPECT_EQ(c.id != nullptr, ExtractGreetingUserId(c.text, id)) << c.text;
        if (c.id != nullptr)
        {
            EXPECT_STREQ(c.id, id) << c.text;
        }
    }
}

TEST_F(PageReaders, ValidUserIds)
{
    struct Case
    {
        const char* text;
        BOOL valid;
    } cases[] = {
        {"abcd", TRUE},
        {"a_b-c.d9", TRUE},
        {"abc", FALSE},
        {"1234", FALSE},
        {"12a4", TRUE},
        {"ab cd", FALSE},
        {"ab\tcd", FALSE},
        {"abcd\xb1", FALSE},
        {"たろうさん", FALSE},
        {"", FALSE},
        {"abcdefghijabcdefghijabcdefghija", TRUE},
        {"abcdefghijabcdefghijabcdefghijab", FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, IsValidUserId(c.text)) << c.text;
}

TEST_F(PageReaders, AlertBoxText)
{
    struct Case
    {
        const char* fixture;
        const char* className;
        BOOL strip;
        const char* text; // null: none
    } cases[] = {
        {"alert-visible.html", "untHead", TRUE, "入力内容に誤りが\r\nあります。&"},
        {"alert-visible.html", "untHead", FALSE, "入力内容に     誤りが\r\nあります。&"},
        {"alert-visible.html", "untBody", TRUE, "商品IDを確認して\r\nください。"},
        {"alert-visible.html", "untFoot", TRUE, nullptr},
        {"alert-hidden.html", "untHead", TRUE, nullptr},
        {"alert-hidden.html", nullptr, TRUE, nullptr},
        {"id-none.html", "untHead", TRUE, nullptr},
    };
    for (const Case& c : cases)
    {
        CHtmlDocument page(ReadLoginFixture(c.fixture));
        CString text = "stale";
        EXPECT_EQ(c.text != nullptr, GetPageMessageText(&page, text, c.className, c.strip))
            << c.fixture << " " << (c.className ? c.className : "");
        EXPECT_STREQ(c.text ? c.text : "", text) << c.fixture << " " << (c.className ? c.className : "");
    }
    // Without a class name the box itself speaks.
    CHtmlDocument page("<body><div id=modAlertBox> 出品  できません </div></body>");
    CString text;
    ASSERT_TRUE(ReadAlertBoxText(&page, text, nullptr, FALSE));
    EXPECT_STREQ("出品  できません", text);
}
