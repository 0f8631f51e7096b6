#include <gtest/gtest.h>

#include <string>

#include "auction/login/LoginAddresses.h"
#include "auction/login/LoginFormFieldSet.h"
#include "auction/login/LoginPageReader.h"
#include "auction/login/LoginPages.h"
#include "net/ServiceHosts.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

namespace
{
const char kDone[] = "https://auctions.yahoo.co.jp/topic/notice/";

class LoginPageReader : public ::testing::Test
{
protected:
    LoginPageReader() { SetServiceOrigin(HostProtectedLogin, "https://otp.example.jp"); }
    ~LoginPageReader() override { ResetServiceOrigins(); }
};

// The action of the form found, "" when none.
std::string LoginFormAction(const char* html)
{
    CHtmlDocument page(html);
    CString form;
    if (!FindLoginForm(page, form))
        return "";
    CHtmlDocument found(form);
    CString action;
    found.GetAttribute("form", "action", action);
    return (LPCTSTR)action;
}
} // namespace

TEST_F(LoginPageReader, FindsTheLogInForm)
{
    struct Case
    {
        const char* html;
        const char* action;
    } cases[] = {
        {"<form action=/a></form><form name=LOGIN_FORM action=/by-name></form>", "/by-name"},
        {"<form action=/a></form><form action='https://login.yahoo.co.jp/config/login?.src=auc'></form>",
         "https://login.yahoo.co.jp/config/login?.src=auc"},
        // The https:// form wins over an earlier http:// one.
        {"<form action='http://login.yahoo.co.jp/config/login'></form>"
         "<form action='https://login.yahoo.co.jp/config/login_verify2'></form>",
         "https://login.yahoo.co.jp/config/login_verify2"},
        {"<form action='http://login.yahoo.co.jp/config/login'></form>",
         "http://login.yahoo.co.jp/config/login"},
        {"<form action='https://elsewhere.example.jp/config/login'></form>", ""},
        {"<form name=captchaForm action='/config/login_verify2'></form>", ""},
        {"<p>no form</p>", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.action, LoginFormAction(c.html)) << c.html;
}

TEST_F(LoginPageReader, FieldNamesInOrder)
{
    CLoginFormFieldSet fields(nullptr);
    const char* const names[] = {
        ".albatross", ".tries",      ".src",     ".md5",      ".hash",   ".js",        ".last",  "promo",
        ".intl",      ".bypass",     ".partner", ".u",        ".v",      ".challenge", ".yplus", ".emailCode",
        "pkg",        "stepid",      ".ev",      ".protoctl", "hasMsgr", ".chkP",      ".done",  "login",
        "passwd",     ".persistent", ".pd",      "logout",    ".nojs",
    };
    ASSERT_EQ(29, fields.GetFieldCount());
    for (int i = 0; i < 29; ++i)
    {
        EXPECT_STREQ(names[i], fields.GetFieldName(i)) << i;
        EXPECT_EQ(i, fields.IndexOfName(names[i])) << names[i];
    }
    // A page without a charset of its own is answered in UTF-8.
    EXPECT_EQ(CHARSET_UTF8, fields.GetCharset());
    CHtmlDocument euc("<html></html>");
    euc.SetCharset(CHARSET_EUCJP);
    EXPECT_EQ(CHARSET_EUCJP, CLoginFormFieldSet(&euc).GetCharset());
}

TEST_F(LoginPageReader, ScriptValueOfAlbatross)
{
    struct Case
    {
        const char* html;
        const char* value; // null: none
    } cases[] = {
        {"<script>document.getElementsByName(\".albatross\")[0].value = \"x1_Y\";</script>", "x1_Y"},
        {"<script>var a;</script><script>f(); "
         "document.getElementsByName(\".albatross\")[0].value=\"v2\"</script>",
         "v2"},
        {"<script>document.getElementsByName(\".albatross\")[0].value = \"\";</script>", nullptr},
        {"<script>document.getElementsByName('.albatross')[0].value = 'q';</script>", nullptr},
        {"<p>document.getElementsByName(\".albatross\")[0].value = \"text\";</p>", nullptr},
        {"<script>document.getElementsByName(\".albatross\")[0].value = \"cut", nullptr},
    };
    for (const Case& c : cases)
    {
        CHtmlDocument page(c.html);
        CString value;
        EXPECT_EQ(c.value != nullptr, ReadAlbatrossValue(page, value)) << c.html;
        if (c.value != nullptr)
        {
            EXPECT_STREQ(c.value, value) << c.html;
        }
    }
}

// The service's page as the log-in reads it: its own inputs, then the
// account, the script's value, no ".nojs".
TEST_F(LoginPageReader, FormOfTheServicePage)
{
    CHtmlDocument page(ReadLoginFixture("login-page.html"));
    CString formHtml;
    ASSERT_TRUE(FindLoginForm(page, formHtml));
    CHtmlDocument form(formHtml);
    CLoginFormFieldSet fields(&page);
    ASSERT_TRUE(fields.ReadFormInputs(&form));
    // The search form's input is not the log-in form's.
    CString extra;
    EXPECT_FALSE(fields.GetExtraValue("fr", extra));
    EXPECT_STREQ("somebody_else", fields.GetAt(CLoginFormFieldSet::FieldLogin));

    fields.SetAt(CLoginFormFieldSet::FieldLogin, "taro_1");
    fields.SetAt(CLoginFormFieldSet::FieldPassword, "p&ss word");
    fields.SetAt(CLoginFormFieldSet::FieldPersistent, "y");
    CString albatross;
    ASSERT_TRUE(ReadAlbatrossValue(page, albatross));
    fields.SetAt(CLoginFormFieldSet::FieldAlbatross, albatross);
    fields.ClearAt(CLoginFormFieldSet::FieldNoScript);
    CString body;
    ASSERT_TRUE(fields.BuildBody(body));
    EXPECT_STREQ(".albatross=dD0xNzAw_a1&.tries=1&.src=auc&.intl=jp"
                 "&.done=https%3A%2F%2Fauctions.yahoo.co.jp%2Ftopic%2Fnotice%2F"
                 "&login=taro_1&passwd=p%26ss+word&.persistent=y&crumb=c%261",
                 body);
}

TEST_F(LoginPageReader, AnswerMeansDone)
{
    struct Case
    {
        const char* html;
        const char* finalUrl;
        BOOL done;
    } cases[] = {
        {"<meta http-equiv=refresh content='0; url=https://auctions.yahoo.co.jp/topic/notice/'>", "", TRUE},
        {"<meta http-equiv=Refresh content='0; URL=HTTPS://AUCTIONS.YAHOO.CO.JP/topic/notice/'>", "", TRUE},
        // The refresh decides, whatever the final URL says.
        {"<meta http-equiv=refresh content='0; url=https://auctions.yahoo.co.jp/'>", kDone, FALSE},
        {"<meta http-equiv=refresh content='0'><a href='https://auctions.yahoo.co.jp/topic/notice/'>"
         "<b>https://auctions.yahoo.co.jp/topic/notice/</b></a>",
         "", TRUE},
        {"<meta http-equiv=refresh content='0'><a href='https://auctions.yahoo.co.jp/topic/notice/'>次へ</a>",
         kDone, FALSE},
        {"<p>ok</p>", kDone, TRUE},
        {"<p>ok</p>", "http://auctions.yahoo.co.jp/topic/notice?from=login", TRUE},
        {"<p>ok</p>", "https://auctions.yahoo.co.jp/topic/notice/other", FALSE},
        {"<p>ok</p>", "https://", FALSE},
        {"<p>ok</p>", "", FALSE},
    };
    for (const Case& c : cases)
    {
        CHtmlDocument page(c.html);
        EXPECT_EQ(c.done, IsLoginAnswerDone(page, c.finalUrl, kDone)) << c.html << " " << c.finalUrl;
    }
}

TEST_F(LoginPageReader, ErrorTextOfARejectedForm)
{
    struct Case
    {
        const char* form;
        const char* text; // null: none
    } cases[] = {
        {"<form><div id=inputArea><div id=errMsg>\r\n  IDまたはパスワードが\r\n正しくありません。 "
         "</div></div></form>",
         "IDまたはパスワードが正しくありません。"},
        {"<form><div class=inputArea><div class='errMsg red'><p>入力して&amp;ください</p></div></div></form>",
         "入力して&ください"},
        // Without an input area the form is searched.
        {"<form><p><div id=errMsg>ロックされています</div></p></form>", "ロックされています"},
        // The error of another area is not this form's.
        {"<form><div id=inputArea><input name=login></div><div id=errMsg>古い</div></form>", nullptr},
        {"<form><div id=inputArea><div id=errMsg> \r\n </div></div></form>", nullptr},
        {"<form><input name=login></form>", nullptr},
    };
    for (const Case& c : cases)
    {
        CString text;
        EXPECT_EQ(c.text != nullptr, GetLoginErrorText(c.form, text)) << c.form;
        EXPECT_STREQ(c.text ? c.text : "", text) << c.form;
    }
}

// The account's ID and password go to the log-in host only.
TEST_F(LoginPageReader, PostTargets)
{
    struct Case
    {
        const char* loginOrigin; // null: the default
        const char* url;
        BOOL allowed;
    } cases[] = {
        {nullptr, "https://login.yahoo.co.jp/config/login?", TRUE},
        {nullptr, "HTTPS://Login.Yahoo.co.jp/config/login", TRUE},
        {nullptr, "http://login.yahoo.co.jp/config/login", FALSE},
        {nullptr, "https://login.yahoo.co.jp.example.com/config/login", FALSE},
        {nullptr, "https://elsewhere/config/login", FALSE},
        {nullptr, "https://elsewhere/?https://login.yahoo.co.jp/", FALSE},
        {nullptr, "", FALSE},
        {"http://127.0.0.1:4000", "http://127.0.0.1:4000/config/login", TRUE},
        {"http://127.0.0.1:4000", "https://127.0.0.1:4000/config/login", TRUE},
        {"http://127.0.0.1:4000", "http://127.0.0.1:40001/config/login", FALSE},
        {"http://127.0.0.1:4000", "http://127.0.0.1:4001/config/login", FALSE},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(SetServiceOrigin(HostLogin, c.loginOrigin));
        EXPECT_EQ(c.allowed, IsLoginPostTarget(c.url)) << c.url;
    }
}

TEST_F(LoginPageReader, CaptchaAndOneTimePasswordForms)
{
    CHtmlDocument captcha(
        "<form id=captchaForm action='/config/login_verify2'>"
        "<input type=hidden name=.done value='https://auctions.yahoo.co.jp/topic/notice/'></form>");
    CString form, done;
    ASSERT_TRUE(FindCaptchaForm(captcha, form));
    ASSERT_TRUE(ReadCaptchaDoneValue(form, done));
    EXPECT_STREQ(kDone, done);
    EXPECT_FALSE(FindOneTimePasswordForm(captcha, form));

    CHtmlDocument noDone("<form name=captchaForm><input type=hidden name=.done value=''></form>");
    ASSERT_TRUE(FindCaptchaForm(noDone, form));
    EXPECT_FALSE(ReadCaptchaDoneValue(form, done));

    CHtmlDocument otp(
        "<form action='/x'></form><form method=post "
        "action='https://otp.example.jp/otp?.done=https%3A%2F%2Fauctions.yahoo.co.jp%2Ftopic%2Fnotice%2F"
        "&amp;.src=auc'><input name=code></form>");
    ASSERT_TRUE(FindOneTimePasswordForm(otp, form));
    ASSERT_TRUE(ReadOneTimePasswordDoneValue(form, done));
    EXPECT_STREQ(kDone, done);
    EXPECT_FALSE(FindCaptchaForm(otp, form));

    CHtmlDocument otpElsewhere("<form action='https://otp.example.jp.evil.example/otp?.done=x'></form>");
    EXPECT_FALSE(FindOneTimePasswordForm(otpElsewhere, form));
}

TEST_F(LoginPageReader, SnapshotForTheDialog)
{
    const char* page = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">"
                       "<title>認証</title></head><body><img src=\"/captcha.png\"></body></html>";
    CString snapshot;
    ASSERT_TRUE(MakeLoginPageSnapshot(page, "https://login.yahoo.co.jp:8443/config/login_verify2?.ct=1",
                                      CHARSET_SJIS, snapshot));
    EXPECT_STREQ(
        "<html><head><base href=\"https://login.yahoo.co.jp:8443/\"><meta http-equiv=\"Content-Type\" "
        "content=\"text/html; charset=Shift_JIS\"><title>認証</title></head><body><img "
        "src=\"/captcha.png\"></body></html>",
        snapshot);

    // The page's own charset names the bytes; none means Shift_JIS.
    ASSERT_TRUE(MakeLoginPageSnapshot(page, "http://127.0.0.1:4000/x", CHARSET_EUCJP, snapshot));
    EXPECT_NE(-1, snapshot.Find("<base href=\"http://127.0.0.1:4000/\">"));
    EXPECT_NE(-1, snapshot.Find("charset=EUC-JP"));
    EXPECT_NE(-1, snapshot.Find("<title>\xc7\xa7\xbe\xda</title>")); // 認証 in EUC-JP
    ASSERT_TRUE(MakeLoginPageSnapshot(page, "http://127.0.0.1:4000/x", CHARSET_UNKNOWN, snapshot));
    EXPECT_NE(-1, snapshot.Find("charset=Shift_JIS"));

    EXPECT_FALSE(
        MakeLoginPageSnapshot("<html><body>no head</body></html>", "https://a/", CHARSET_SJIS, snapshot));
    EXPECT_FALSE(MakeLoginPageSnapshot("<html><head></head><body></body></html>", "https://a/", CHARSET_SJIS,
                                       snapshot));
    EXPECT_TRUE(snapshot.IsEmpty());
}
