#include <gtest/gtest.h>

#include "auction/login/LoginDialogRules.h"
#include "auction/login/LoginStepDialog.h"
#include "net/ServiceHosts.h"

namespace
{
const char kDone[] = "https://auctions.yahoo.co.jp/topic/notice/";
const char kLogin[] = "https://login.yahoo.co.jp/config/login?.src=auc&.done=x";
const char kProtected[] = "https://protect.login.yahoo.co.jp/otp?.done=x";
const char kElsewhere[] = "https://ads.example.com/";

const DWORD kStart = CLoginStepDialog::StateStart;
const DWORD kRequested = CLoginStepDialog::StateLoginRequested;
const DWORD kSucceeded = CLoginStepDialog::StateSucceeded;

class LoginDialogRules : public ::testing::Test
{
protected:
    ~LoginDialogRules() override { ResetServiceOrigins(); }
};
} // namespace

TEST_F(LoginDialogRules, AddressClasses)
{
    struct Case
    {
        const char* url;
        BOOL login, protectedLogin, supportRegistration;
    } cases[] = {
        {"https://login.yahoo.co.jp/config/login?.src=auc", TRUE, FALSE, FALSE},
        {"http://login.yahoo.co.jp/config/login_verify2?.ct=1", TRUE, FALSE, FALSE},
        {"https://login.yahoo.co.jp/logincushion/?x", TRUE, FALSE, FALSE},
        {"https://login.yahoo.co.jp/easylogin/", TRUE, FALSE, FALSE},
        {"https://login.yahoo.co.jp/logout_logbackin/", TRUE, FALSE, FALSE},
        // The same paths on another host are no log-in page.
        {"https://login.example.com/config/login", FALSE, FALSE, FALSE},
        {"https://ads.example.com/?r=https://login.yahoo.co.jp/config/login", FALSE, FALSE, FALSE},
        {"https://login.yahoo.co.jp.example.com/config/login", FALSE, FALSE, FALSE},
        {"https://login.yahoo.co.jp/", FALSE, FALSE, FALSE},
        {"https://protect.login.yahoo.co.jp/otp", FALSE, TRUE, FALSE},
        {"http://protect.login.yahoo.co.jp", FALSE, TRUE, FALSE},
        {"https://protect.login.yahoo.co.jp/suppreg/add", FALSE, TRUE, TRUE},
        {"https://login.yahoo.co.jp/config/suppreg/?x=1", FALSE, FALSE, TRUE},
        {"https://login.yahoo.co.jp/SuppReg#top", FALSE, FALSE, TRUE},
        {"https://ads.example.com/suppreg/", FALSE, FALSE, FALSE},
        {"", FALSE, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.login, IsLoginDialogLoginPage(c.url)) << c.url;
        EXPECT_EQ(c.protectedLogin, IsProtectedLoginPage(c.url)) << c.url;
        EXPECT_EQ(c.supportRegistration, IsSupportRegistrationPage(c.url)) << c.url;
    }

    // The stand-in's origins stand in for the hosts.
    ASSERT_TRUE(SetServiceOrigin(HostLogin, "http://127.0.0.1:4000"));
    EXPECT_TRUE(IsLoginDialogLoginPage("http://127.0.0.1:4000/config/login"));
    EXPECT_FALSE(IsLoginDialogLoginPage("http://127.0.0.1:40001/config/login"));
    EXPECT_FALSE(IsLoginDialogLoginPage("https://login.yahoo.co.jp/config/login"));
}

TEST_F(LoginDialogRules, DoneTests)
{
    struct Case
    {
        const char* url;
        BOOL done;        // the browser log-in's test
        BOOL oneTimeDone; // the one-time password's test
    } cases[] = {
        {kDone, TRUE, TRUE},
        {"https://auctions.yahoo.co.jp/topic/notice/?x", TRUE, TRUE},
        {"HTTPS://AUCTIONS.YAHOO.CO.JP/topic/notice/", FALSE, TRUE},
        {"https://auctions.yahoo.co.jp/topic/notice", TRUE, TRUE},
        {"https://auctions.yahoo.co.jp/topic/notice/more.html", FALSE, TRUE},
        {"https://", FALSE, FALSE},
        {"https://auctions.yahoo.co.jp/", FALSE, FALSE},
        {"", FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.done, IsLoginDoneAddress(c.url, kDone)) << c.url;
        EXPECT_EQ(c.oneTimeDone, IsOneTimePasswordDone(c.url, kDone)) << c.url;
    }
    EXPECT_FALSE(IsOneTimePasswordDone(kDone, ""));
}

TEST_F(LoginDialogRules, CaptchaContinueAddress)
{
    struct Case
    {
        const char* url;
        BOOL next;
    } cases[] = {
        {"https://login.yahoo.co.jp/config/"
         "login_verify2?.src=auc&.done=https%3A%2F%2Fauctions.yahoo.co.jp%2Ftopic"
         "%2Fnotice%2F&.ct=a1",
         TRUE},
        {"https://login.yahoo.co.jp/config/login_verify2?.done=HTTPS://AUCTIONS.YAHOO.CO.JP/topic/notice/"
         "&.ct=a1",
         TRUE},
        // Another done address keeps the dialog running.
        {"https://login.yahoo.co.jp/config/login_verify2?.done=https%3A%2F%2Fauctions.yahoo.co.jp%2F&.ct=a1",
         FALSE},
        {"https://login.yahoo.co.jp/config/"
         "login_verify2?.done=https%3A%2F%2Fauctions.yahoo.co.jp%2Ftopic%2Fnotice%2F"
         "&.ct=",
         FALSE},
        {"https://ads.example.com/config/"
         "login_verify2?.done=https%3A%2F%2Fauctions.yahoo.co.jp%2Ftopic%2Fnotice%2F"
         "&.ct=a1",
         FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.next, IsCaptchaContinueUrl(c.url, kDone)) << c.url;
}

TEST_F(LoginDialogRules, Navigations)
{
    enum
    {
        Captcha,
        OneTime,
        Browser
    };
    struct Case
    {
        int dialog;
        DWORD state;
        const char* url;
        const char* frame;
        int action;
    } cases[] = {
        {Captcha, kStart, kElsewhere, "", LoginNavigationPass},
        {Captcha, 0, "about:blank", "", LoginNavigationPass},
        {Captcha, 0, kElsewhere, "ad_frame", LoginNavigationPass},
        {Captcha, 0, kLogin, "", LoginNavigationPass},
        {Captcha, 0, kDone, "", LoginNavigationOpenOutside},
        {Captcha, 0, kElsewhere, "", LoginNavigationOpenOutside},
        {OneTime, kStart, kDone, "", LoginNavigationPass},
        {OneTime, 0, "https://auctions.yahoo.co.jp/topic/notice/?from=otp", "", LoginNavigationDone},
        {OneTime, 0, kProtected, "", LoginNavigationPass},
        {OneTime, 0, kLogin, "", LoginNavigationOpenOutside},
        {OneTime, 0, "https://", "", LoginNavigationOpenOutside},
        {Browser, kStart, kElsewhere, "", LoginNavigationPass},
        {Browser, kRequested, kDone, "", LoginNavigationDone},
        {Browser, kRequested, kLogin, "", LoginNavigationPass},
        {Browser, kRequested, kProtected, "", LoginNavigationPass},
        {Browser, kRequested, "https://login.yahoo.co.jp/suppreg", "", LoginNavigationPass},
        {Browser, kRequested, kElsewhere, "", LoginNavigationOpenOutside},
        {Browser, kRequested, kElsewhere, "side", LoginNavigationPass},
    };
    for (const Case& c : cases)
    {
        LoginNavigation navigation = {c.url, c.frame, nullptr};
        CString seen;
        int action = c.dialog == Captcha   ? DecideCaptchaNavigation(c.state, navigation)
                     : c.dialog == OneTime ? DecideOneTimePasswordNavigation(c.state, navigation, kDone)
                                           : DecideBrowserLoginNavigation(c.state, navigation, kDone, seen);
        EXPECT_EQ(c.action, action) << c.dialog << " " << c.state << " " << c.url << " " << c.frame;
    }
}

// The ID the user sends is what the browser log-in compares.
TEST_F(LoginDialogRules, BrowserLogInSeesThePostedId)
{
    CString seen = "earlier";
    LoginNavigation post = {"https://login.yahoo.co.jp/config/login?", "",
                            ".tries=1&login=Demo%5Fseller1&passwd=x"};
    EXPECT_EQ(LoginNavigationPass, DecideBrowserLoginNavigation(kRequested, post, kDone, seen));
    EXPECT_STREQ("Demo_seller1", seen);

    LoginNavigation get = {kLogin, "", nullptr};
    EXPECT_EQ(LoginNavigationPass, DecideBrowserLoginNavigation(kRequested, get, kDone, seen));
    EXPECT_TRUE(seen.IsEmpty());

    // A post elsewhere tells nothing.
    seen = "kept";
    LoginNavigation other = {kElsewhere, "", "login=intruder"};
    EXPECT_EQ(LoginNavigationOpenOutside, DecideBrowserLoginNavigation(kRequested, other, kDone, seen));
    EXPECT_STREQ("kept", seen);
}

TEST_F(LoginDialogRules, Documents)
{
    enum
    {
        Captcha,
        OneTime,
        Manual,
        Script
    };
    const char* next =
        "https://login.yahoo.co.jp/config/login_verify2?.done=https%3A%2F%2Fauctions.yahoo.co.jp%2Ftopic%2F"
        "notice%2F&.ct=z";
    struct Case
    {
        int dialog;
        DWORD state;
        const char* url;
        BOOL loginForm, captchaForm, refresh;
        int action;
    } cases[] = {
        {Captcha, kStart, next, FALSE, FALSE, FALSE, LoginDocumentLeaveStart},
        {Captcha, 0, next, FALSE, FALSE, FALSE, LoginDocumentDone},
        {Captcha, 0, kLogin, TRUE, FALSE, FALSE, LoginDocumentNothing},
        {OneTime, kStart, kDone, FALSE, FALSE, FALSE, LoginDocumentLeaveStart},
        {OneTime, 0, "https://auctions.yahoo.co.jp/topic/notice/x", FALSE, FALSE, FALSE, LoginDocumentDone},
        {OneTime, 0, kProtected, FALSE, FALSE, FALSE, LoginDocumentNothing},
        {Manual, kStart, kLogin, TRUE, TRUE, FALSE, LoginDocumentNothing},
        {Manual, kStart, kLogin, TRUE, FALSE, FALSE, LoginDocumentArmStartTimer},
        {Manual, 0, kDone, FALSE, FALSE, FALSE, LoginDocumentNothing}, // before the log-in page was asked for
        {Manual, kRequested, kDone, FALSE, FALSE, FALSE, LoginDocumentDone},
        {Manual, kRequested, kLogin, TRUE, FALSE, FALSE, LoginDocumentFillForm},
        {Manual, kRequested | kSucceeded, kLogin, TRUE, FALSE, FALSE, LoginDocumentNothing},
        {Manual, kRequested, kElsewhere, FALSE, FALSE, FALSE, LoginDocumentDeclareSuccess},
        {Manual, kRequested, kElsewhere, TRUE, FALSE, FALSE, LoginDocumentNothing},
        {Manual, kRequested, kProtected, FALSE, TRUE, FALSE, LoginDocumentNothing},
        {Script, 0, kDone, FALSE, FALSE, FALSE, LoginDocumentDone},
        {Script, 0, kLogin, FALSE, FALSE, TRUE,
         LoginDocumentNothing}, // the answer moving on to the done address
        {Script, 0, kLogin, TRUE, FALSE, FALSE, LoginDocumentLoginPageAgain},
        {Script, kSucceeded, kLogin, TRUE, FALSE, FALSE, LoginDocumentNothing},
        {Script, 0, kProtected, FALSE, FALSE, FALSE, LoginDocumentFail},
    };
    for (const Case& c : cases)
    {
        LoginDocument document = {c.url, c.loginForm, c.captchaForm, c.refresh};
        int action = c.dialog == Captcha   ? DecideCaptchaDocument(c.state, document, kDone)
                     : c.dialog == OneTime ? DecideOneTimePasswordDocument(c.state, document, kDone)
                     : c.dialog == Manual  ? DecideManualDocument(c.state, document, kDone)
                                           : DecideScriptDocument(c.state, document, kDone);
        EXPECT_EQ(c.action, action) << c.dialog << " " << c.state << " " << c.url;
    }

    EXPECT_EQ(LoginDocumentSubmit, DecideScriptFilledForm(LoginFilledId | LoginFilledPassword));
    EXPECT_EQ(LoginDocumentFail, DecideScriptFilledForm(LoginFilledId));
    EXPECT_EQ(LoginDocumentFail, DecideScriptFilledForm(0));
}

// The account goes only into a log-in page of the configured origin, with
// its scheme: wherever else the first document came from, the scripted
// log-in ends without filling anything in.
TEST_F(LoginDialogRules, AccountGoesOnlyIntoTheConfiguredLogInPage)
{
    struct Case
    {
        const char* url;
        BOOL fill;
    } cases[] = {
        {kLogin, TRUE},
        {"HTTPS://LOGIN.YAHOO.CO.JP/config/login?.src=auc", TRUE},
        {"https://login.yahoo.co.jp/config/login_verify2?.ct=1", TRUE},
        {"https://login.yahoo.co.jp/logincushion/", TRUE},
        {"http://login.yahoo.co.jp/config/login?.src=auc", FALSE}, // plain http of the https host
        {"https://login.example.com/config/login", FALSE},
        {"https://login.yahoo.co.jp.example.com/config/login", FALSE},
        {"https://login.yahoo.co.jp:8443/config/login", FALSE},
        {"https://ads.example.com/?r=https://login.yahoo.co.jp/config/login", FALSE},
        {"https://login.yahoo.co.jp/", FALSE},
        {kProtected, FALSE},
        {kDone, FALSE},
        {"about:blank", FALSE},
        {"", FALSE},
    };
    const LoginNavigation kAnyPost = {nullptr, "", "login=demo&passwd=secret"};
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.fill, IsLoginFormPage(c.url)) << c.url;
        EXPECT_EQ(c.fill ? LoginDocumentFillForm : LoginDocumentFail, DecideScriptStartDocument(c.url, TRUE))
            << c.url;
        const LoginDocument document = {c.url, TRUE, FALSE, FALSE};
        const int manual = DecideManualDocument(kRequested, document, kDone);
        EXPECT_EQ(c.fill, manual == LoginDocumentFillForm) << c.url;
        // A form posted to a log-in page passes only on the origin itself.
        LoginNavigation post = kAnyPost;
        post.url = c.url;
        CString seen;
        if (IsLoginDialogLoginPage(c.url))
        {
            EXPECT_EQ(c.fill ? LoginNavigationPass : LoginNavigationFail,
                      DecideBrowserLoginNavigation(kRequested, post, kDone, seen))
                << c.url;
        }
    }
    EXPECT_EQ(LoginDocumentNothing, DecideScriptStartDocument("about:blank", FALSE));

    // With the stand-in's plain http origin, that origin is the one.
    ASSERT_TRUE(SetServiceOrigin(HostLogin, "http://127.0.0.1:4000"));
    EXPECT_EQ(LoginDocumentFillForm, DecideScriptStartDocument("http://127.0.0.1:4000/config/login?x", TRUE));
    EXPECT_EQ(LoginDocumentFail, DecideScriptStartDocument("https://127.0.0.1:4000/config/login?x", TRUE));
    EXPECT_EQ(LoginDocumentFail, DecideScriptStartDocument("http://127.0.0.1:4001/config/login?x", TRUE));
    EXPECT_EQ(LoginDocumentFail, DecideScriptStartDocument("http://127.0.0.2:4000/config/login?x", TRUE));
}
