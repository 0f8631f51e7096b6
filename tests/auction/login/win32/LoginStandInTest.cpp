// The log-in controller over WinInet against the stand-in of the service,
// its dialogs replaced by fakes that act as the user would.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/login/FakeLoginDialogs.h"
#include "auction/login/LoginAddresses.h"
#include "auction/login/PageReaders.h"
#include "net/HttpComm.h"
#include "net/HttpTestSupport.h"
#include "net/ProgressSink.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"
#include "text/HtmlDocument.h"

#include <wininet.h>

namespace
{
const char kUser[] = "demo_seller1";
const char kPassword[] = "pass-seller1";
const char kOneTimePassword[] = "123456";

CUserAccount Account(const char* id = kUser, const char* password = kPassword)
{
    CUserAccount account;
    account.SetID(id);
    account.SetPassword(password);
    return account;
}

size_t Count(const std::vector<LoggedRequest>& log, const char* method, const char* host = nullptr)
{
    size_t n = 0;
    for (const LoggedRequest& request : log)
        n += request.method == method && (host == nullptr || request.host == host);
    return n;
}

class LoginStandIn : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        comm.Add(CHttpComm::flagQuiet);
        controller.SetProgressSink(&sink);
    }

    void TearDown() override
    {
        // Nothing of one test's session may reach the next.
        controller.LogOut();
        ResetServiceOrigins();
    }

    // The ID the service's pages now show, "" when none.
    std::string ShownId()
    {
        CHttpComm pages;
        pages.Add(CHttpComm::flagQuiet);
        for (int i = 0; i < LoginIdPageCount; ++i)
        {
            CString id;
            if (pages.Request(GetLoginIdPage(i), nullptr, FALSE) && GetLoginUserIdFromPage(&pages, id))
                return (LPCTSTR)id;
        }
        return "";
    }

    CHttpComm comm;
    CRecordingProgressSink sink;
    CFakeDialogLoginController controller{&comm};
};

TEST_F(LoginStandIn, SignsInWithTheAccountsIdOverAPlantedOne)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_hidden_id\": \"demo_seller2\"}"));
    EXPECT_TRUE(controller.Login(Account(), nullptr));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(controller.calls.empty());
    std::vector<LoggedRequest> posts;
    for (const LoggedRequest& request : StandIn::Log("/config/login"))
        if (request.method == "POST")
            posts.push_back(request);
    ASSERT_EQ(1u, posts.size());
    EXPECT_NE(std::string::npos, posts[0].body.find("&login=demo_seller1&"));
    EXPECT_EQ(std::string::npos, posts[0].body.find("demo_seller2"));
    EXPECT_EQ(kUser, ShownId());
}

TEST_F(LoginStandIn, RefusesToPostToAnotherOrigin)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_action\": \"other\"}"));
    EXPECT_FALSE(controller.Login(Account(), nullptr));
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_FORM_UNREADABLE, "action"), sink.messages[0]);
    EXPECT_EQ(0u, Count(StandIn::Log(), "POST"));
    EXPECT_FALSE(controller.IsCancelled());
}

// The service answers the post with a redirect that keeps the body: the
// password goes again only to the log-in origin itself.
TEST_F(LoginStandIn, PasswordFollowsNoRedirectOffTheLogInOrigin)
{
    const std::string login = StandIn::Origin("LOGIN");
    const std::string portal = StandIn::Origin("PORTAL");
    // "https:" on the log-in host's own address is another origin too.
    const std::string secure = "https" + login.substr(login.find(':'));
    struct Case
    {
        std::string location;
        int status;
    } cases[] = {
        {portal + "/config/login", 307},
        {portal + "/config/login", 308},
        {"//" + portal.substr(portal.find("//") + 2) + "/config/login", 307},
        {secure + "/config/login", 307},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.location + " " + std::to_string(c.status));
        ASSERT_TRUE(StandIn::Reset());
        sink.messages.clear();
        ASSERT_TRUE(StandIn::AddFault("{\"host\": \"login\", \"path\": \"/config/login\", \"method\": "
                                      "\"POST\", \"action\": \"redirect\", \"status\": " +
                                      std::to_string(c.status) + ", \"location\": \"" + c.location + "\"}"));
        EXPECT_FALSE(controller.Login(Account(), nullptr));
        ASSERT_EQ(1u, sink.messages.size());
        EXPECT_EQ(LoadText(IDS_LOGIN_FAILED), sink.messages[0]);
        EXPECT_FALSE(controller.IsCancelled());
        const std::vector<LoggedRequest> log = StandIn::Log();
        EXPECT_EQ(1u, Count(log, "POST"));
        EXPECT_EQ(1u, Count(log, "POST", "login"));
        size_t withPassword = 0;
        for (const LoggedRequest& request : log)
        {
            const bool carries = request.body.find(kPassword) != std::string::npos;
            withPassword += carries;
            EXPECT_TRUE(!carries || request.host == "login") << request.host << request.target;
        }
        EXPECT_EQ(1u, withPassword);
        EXPECT_EQ(0u, Count(log, "GET", "portal") + Count(log, "POST", "portal"));
        EXPECT_EQ("", ShownId());
    }

    // On the origin itself the body goes along, and the log-in goes on.
    ASSERT_TRUE(StandIn::Reset());
    sink.messages.clear();
    ASSERT_TRUE(StandIn::AddFault("{\"host\": \"login\", \"path\": \"/config/login\", \"method\": "
                                  "\"POST\", \"times\": 1, \"action\": \"redirect\", \"status\": 307, "
                                  "\"location\": \"" +
                                  login + "/config/login\"}"));
    EXPECT_TRUE(controller.Login(Account(), nullptr));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(2u, Count(StandIn::Log("/config/login"), "POST", "login"));
    EXPECT_EQ(kUser, ShownId());
}

// The log-in page leads to a page without any form: one message says so.
TEST_F(LoginStandIn, PageWithoutALogInFormSaysSoOnce)
{
    ASSERT_TRUE(
        StandIn::AddFault("{\"host\": \"login\", \"path\": \"/config/login\", \"method\": \"GET\", "
                          "\"times\": 1, \"action\": \"redirect\", \"status\": 302, \"location\": \"" +
                          StandIn::Origin("PORTAL") + "/\"}"));
    EXPECT_FALSE(controller.Login(Account(), nullptr));
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_NO_FORM), sink.messages[0]);
    EXPECT_TRUE(controller.calls.empty());
    EXPECT_EQ(0u, Count(StandIn::Log(), "POST"));
}

TEST_F(LoginStandIn, WrongPasswordShowsTheServicesTextOrTheOwnMessage)
{
    EXPECT_FALSE(controller.Login(Account(kUser, "wrong"), nullptr));
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_SERVER_ERROR, "IDまたはパスワードが正しくありません。"), sink.messages[0]);

    sink.messages.clear();
    ASSERT_TRUE(StandIn::SetState("{\"login_error\": \"empty\"}"));
    EXPECT_FALSE(controller.Login(Account(kUser, "wrong"), nullptr));
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_FAILED), sink.messages[0]);
    EXPECT_EQ("", ShownId());
}

// The fake sends the image characters as the browser would and hands back
// the address the form leads to; the service asks again every time.
TEST_F(LoginStandIn, CaptchaEveryTimeEndsAfterFourPages)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_captcha\": true}"));
    controller.answer = [](const FakeLoginCall& call)
    {
        FakeLoginAnswer answer;
        std::string body;
        bool post = false;
        if (call.kind == CLoginStepDialog::KindCaptcha &&
            BuildFormSubmission(call.html, "", "captchaForm", {{"captchaAnswer", "abcd"}}, answer.nextUrl,
                                body, post))
            answer.result = IDOK;
        return answer;
    };
    EXPECT_FALSE(controller.Login(Account(), nullptr));
    ASSERT_EQ(3u, controller.calls.size());
    for (const FakeLoginCall& call : controller.calls)
    {
        EXPECT_EQ(CLoginStepDialog::KindCaptcha, call.kind);
        EXPECT_EQ(std::string(GetLoginDoneUrl()), call.done);
        // The copy shows the service's page from its own host.
        EXPECT_NE(std::string::npos, call.html.find("<base href=\"" + StandIn::Origin("LOGIN") + "/\">"));
    }
    size_t pages = 0;
    for (const LoggedRequest& request : StandIn::Log())
        pages += request.method == "GET" && request.host == "login" &&
                 (request.path == "/config/login" || request.path == "/config/login_verify2");
    EXPECT_EQ(4u, pages);
    EXPECT_EQ(4u, Count(StandIn::Log("/config/login"), "POST"));
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_FAILED), sink.messages[0]);
    EXPECT_FALSE(controller.IsCancelled());
}

TEST_F(LoginStandIn, OneTimePasswordSentInTheBrowserSignsIn)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_otp\": true}"));
    controller.answer = [](const FakeLoginCall& call)
    {
        FakeLoginAnswer answer;
        CHttpComm browser;
        if (call.kind == CLoginStepDialog::KindOneTimePassword &&
            SubmitFormAsBrowser(call.html, "", nullptr, {{"otp", kOneTimePassword}}, browser))
        {
            answer.result = IDOK;
            answer.state = CLoginStepDialog::StateSucceeded;
        }
        return answer;
    };
    EXPECT_TRUE(controller.Login(Account(), nullptr));
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(1u, controller.calls.size());
    EXPECT_EQ(std::string(GetLoginDoneUrl()), controller.calls[0].done);
    // The ID came from the notice page, after the code was sent.
    std::vector<LoggedRequest> log = StandIn::Log();
    size_t otp = log.size(), notice = log.size();
    for (size_t i = 0; i < log.size(); ++i)
    {
        if (log[i].path == "/otp" && otp == log.size())
            otp = i;
        if (log[i].path == "/topic/notice/" && i > otp)
            notice = std::min(notice, i);
    }
    ASSERT_LT(otp, log.size());
    EXPECT_LT(notice, log.size());
    EXPECT_EQ(kUser, ShownId());
}

TEST_F(LoginStandIn, OneTimePasswordDialogOkWithoutTheCodeIsNoLogIn)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_otp\": true}"));
    controller.answer = [](const FakeLoginCall&)
    {
        FakeLoginAnswer answer;
        answer.result = IDOK;
        return answer;
    };
    EXPECT_FALSE(controller.Login(Account(), nullptr));
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_FAILED), sink.messages[0]);
}

// A page without the script: the post alone does not sign in, and the
// scripted dialog signs in as the browser would.
TEST_F(LoginStandIn, ScriptedDialogSignsInWithoutTheScriptValue)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_script\": false, \"login_success\": \"elsewhere\"}"));
    controller.answer = [](const FakeLoginCall& call)
    {
        FakeLoginAnswer answer;
        CHttpComm browser;
        if (call.kind == CLoginStepDialog::KindScript &&
            SignInAsBrowser(call.startUrl, call.accountId, call.password, browser))
        {
            answer.result = IDOK;
            answer.loginUserId = call.accountId;
        }
        return answer;
    };
    EXPECT_TRUE(controller.Login(Account(), nullptr));
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(1u, controller.calls.size());
    EXPECT_EQ(CLoginStepDialog::KindScript, controller.calls[0].kind);
    EXPECT_EQ(std::string(GetLoginUrl()), controller.calls[0].startUrl);
    EXPECT_EQ(CAuctionLoginController::ScriptDialogTimeout, controller.calls[0].timeout);
    EXPECT_EQ(kPassword, controller.calls[0].password);
    EXPECT_EQ(kUser, ShownId());
}

// The post fails (wrong password) and so does the dialog: one message.
TEST_F(LoginStandIn, ScriptedDialogWithAnotherIdShowsOneMessage)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_script\": false}"));
    controller.answer = [](const FakeLoginCall&)
    {
        FakeLoginAnswer answer;
        answer.result = IDOK;
        answer.loginUserId = "demo_seller2";
        return answer;
    };
    EXPECT_FALSE(controller.Login(Account(kUser, "wrong"), nullptr));
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_OTHER_USER, kUser), sink.messages[0]);
}

TEST_F(LoginStandIn, ScriptedDialogFailureMessages)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_script\": false}"));
    struct Case
    {
        DWORD state;
        const char* message; // null: none
    } cases[] = {
        {0, "699"},
        {CLoginStepDialog::StateLoginPageAgain, "735"},
        {CLoginStepDialog::StateTimedOut, nullptr}, // the dialog said why
        {CLoginStepDialog::StateAborted, nullptr},
    };
    for (const Case& c : cases)
    {
        sink.messages.clear();
        controller.answer = [&](const FakeLoginCall&)
        {
            FakeLoginAnswer answer;
            answer.state = c.state;
            return answer;
        };
        EXPECT_FALSE(controller.Login(Account(kUser, "wrong"), nullptr)) << c.state;
        if (c.message == nullptr)
        {
            EXPECT_TRUE(sink.messages.empty()) << c.state;
        }
        else
        {
            ASSERT_EQ(1u, sink.messages.size()) << c.state;
            EXPECT_EQ(LoadText(std::stoi(c.message)), sink.messages[0]);
        }
        EXPECT_EQ(c.state == CLoginStepDialog::StateAborted, controller.IsCancelled() != FALSE) << c.state;
    }
}

TEST_F(LoginStandIn, AbortInADialogIsACancelWithoutMessage)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_captcha\": true}"));
    controller.answer = [](const FakeLoginCall&)
    {
        FakeLoginAnswer answer;
        answer.state = CLoginStepDialog::StateAborted;
        return answer;
    };
    EXPECT_FALSE(controller.Login(Account(), nullptr));
    EXPECT_TRUE(controller.IsCancelled());
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(1u, controller.calls.size());
}

TEST_F(LoginStandIn, RefreshElsewhereWithTheIdShownSignsIn)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_success\": \"elsewhere\"}"));
    EXPECT_TRUE(controller.Login(Account(), nullptr));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(controller.calls.empty());

    // A redirect and an answer that only shows the ID sign in as well.
    for (const char* success : {"redirect", "id_only"})
    {
        ASSERT_TRUE(controller.LogOut());
        ASSERT_TRUE(StandIn::SetState(std::string("{\"login_success\": \"") + success + "\"}"));
        EXPECT_TRUE(controller.Login(Account("DEMO_SELLER1"), nullptr)) << success;
        EXPECT_TRUE(sink.messages.empty()) << success;
    }
}

TEST_F(LoginStandIn, LogOutLeavesNoIdOnThePages)
{
    ASSERT_TRUE(controller.Login(Account(), nullptr));
    ASSERT_EQ(kUser, ShownId());
    EXPECT_TRUE(controller.LogOut());
    EXPECT_EQ("", ShownId());
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LoginStandIn, BrowserLogInTypesGiveTheDialogWhatItNeeds)
{
    struct Case
    {
        int type;
        int kind;
        const char* password;
        int timeout;
    } cases[] = {
        {CAuctionLoginController::LoginScript, CLoginStepDialog::KindScript, kPassword, 90},
        {CAuctionLoginController::LoginBrowserFilled, CLoginStepDialog::KindManual, kPassword, 0},
        {CAuctionLoginController::LoginBrowserManual, CLoginStepDialog::KindManual, "", 0},
    };
    for (const Case& c : cases)
    {
        controller.calls.clear();
        controller.SetLoginType(c.type);
        // OK without an ID of its own: the controller asks the service's pages.
        controller.answer = [](const FakeLoginCall& call)
        {
            FakeLoginAnswer answer;
            CHttpComm browser;
            if (SignInAsBrowser(call.startUrl, kUser, kPassword, browser))
                answer.result = IDOK;
            return answer;
        };
        EXPECT_TRUE(controller.Login(Account(), nullptr)) << c.type;
        ASSERT_EQ(1u, controller.calls.size());
        EXPECT_EQ(c.kind, controller.calls[0].kind);
        EXPECT_EQ(kUser, controller.calls[0].accountId);
        EXPECT_EQ(c.password, controller.calls[0].password);
        EXPECT_EQ(c.timeout, controller.calls[0].timeout);
        EXPECT_EQ(std::string(GetLoginUrl()), controller.calls[0].startUrl);
        EXPECT_TRUE(sink.messages.empty());
        ASSERT_TRUE(controller.LogOut());
    }
}

// 中止 of a progress dialog stops the running request: the log-in ends as
// the user's cancel, with nothing to tell.
TEST_F(LoginStandIn, RequestStoppedByTheUserIsACancel)
{
    // The user stops the first request as its answer comes in.
    CCountingSink status;
    status.onStatus = [this](DWORD dwStatus)
    {
        if (dwStatus == INTERNET_STATUS_RESPONSE_RECEIVED)
            comm.SetCancel(TRUE);
    };
    comm.SetStatusSink(&status);
    EXPECT_FALSE(controller.Login(Account(), nullptr));
    comm.SetStatusSink(nullptr);
    EXPECT_TRUE(controller.IsCancelled());
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(0u, Count(StandIn::Log("/config/login"), "POST"));
}
} // namespace
