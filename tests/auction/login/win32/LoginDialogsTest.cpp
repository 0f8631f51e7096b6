// The log-in dialogs on their own templates, and run by the log-in
// controller against the stand-in. Wine here has no browser engine: the
// browser navigates but loads no document, so what follows a loaded page
// is the rules' business (LoginDialogRulesTest); here the windows, the
// time-out, the abort and the button that declares success.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/DialogTestUtil.h"
#include "app/WinTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/login/FakeLoginDialogs.h"
#include "auction/login/LoginAddresses.h"
#include "auction/login/LoginResourceIds.h"
#include "auction/login/YahooLoginCaptchaDialog.h"
#include "auction/login/YahooLoginManualDialog.h"
#include "auction/login/YahooLoginOneTimePswdDialog.h"
#include "auction/login/YahooLoginScriptDialog.h"
#include "net/HttpComm.h"
#include "net/HttpTestSupport.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
const char kRegistryKey[] = "Tanzo Login Dialog Test";
const char kUser[] = "demo_seller1";
const char kPassword[] = "pass-seller1";
const char kPage[] = "<html><head><title>認証</title></head><body><form></form></body></html>";
// The notice that closes by itself is template 562, marked by control 4126.
const int kNoticeMarker = 4126;

CUserAccount Account()
{
    CUserAccount account;
    account.SetID(kUser);
    account.SetPassword(kPassword);
    return account;
}

std::string TextOf(HWND hWnd, int nID = 0)
{
    char szText[1024] = {};
    ::GetWindowTextA(nID != 0 ? ::GetDlgItem(hWnd, nID) : hWnd, szText, sizeof(szText));
    return szText;
}

// Runs steps inside a dialog's modal loop once a window of the thread with
// that caption shows; a dialog still open after 30 s is closed.
void WhenShown(const char* caption, std::function<void(HWND)> steps)
{
    struct Wait
    {
        std::string caption;
        std::function<void(HWND)> steps;
        int nTries = 3000;
    };
    auto wait = std::make_shared<Wait>(Wait{caption, std::move(steps)});
    std::shared_ptr<std::function<void()>> poll = std::make_shared<std::function<void()>>();
    *poll = [wait, poll]
    {
        struct Finder
        {
            const std::string* caption;
            HWND hWnd = nullptr;
            static BOOL CALLBACK Check(HWND hWnd, LPARAM lParam)
            {
                Finder* self = (Finder*)lParam;
                if (::IsWindowVisible(hWnd) && TextOf(hWnd) == *self->caption)
                {
                    self->hWnd = hWnd;
                    return FALSE;
                }
                return TRUE;
            }
        } finder{&wait->caption};
        ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Check, (LPARAM)&finder);
        if (finder.hWnd != nullptr)
        {
            wait->steps(finder.hWnd);
            *poll = nullptr; // breaks the cycle
            return;
        }
        if (--wait->nTries > 0)
            CallSoon(*poll, 10);
        else
            *poll = nullptr;
    };
    CallSoon(*poll, 10);
}

// Runs steps inside the dialog's modal loop once its window shows.
void WhenVisible(CDialog& dlg, std::function<void()> steps)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [&dlg, steps, poll]
    {
        if (dlg.m_hWnd != nullptr && dlg.IsWindowVisible())
        {
            steps();
            *poll = nullptr; // breaks the cycle
            return;
        }
        CallSoon(*poll, 10);
    };
    CallSoon(*poll, 10);
}

void Command(HWND hDialog, int nID)
{
    ::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDialog, nID));
}

class LoginDialogs : public ::testing::Test
{
protected:
    LoginDialogs()
    {
        AfxProfileDelete(CString("Software\\") + kRegistryKey, nullptr);
        app.SetRegistryKey(kRegistryKey);
        comm.Add(CHttpComm::flagQuiet);
    }
    ~LoginDialogs() override
    {
        AfxProfileDelete(CString("Software\\") + kRegistryKey, nullptr);
        ResetServiceOrigins();
    }

    void UseStandIn()
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
    }

    CWinApp app{"LoginDialogTest"};
    CHttpComm comm;
    CRecordingProgressSink sink;
};

// The controller with the real dialogs, a time-out of its own choosing.
class CTimedLoginController : public CAuctionLoginController
{
public:
    explicit CTimedLoginController(CHttpComm* pHttpComm) : CAuctionLoginController(pHttpComm) {}
    int GetDialogTimeout(int) override { return m_nTimeout; }
    int m_nTimeout = 0;
};
} // namespace

TEST_F(LoginDialogs, TemplatesTextsAndDefaultSizes)
{
    struct Case
    {
        std::function<CYahooLoginBaseImplDialog*()> make;
        const char* caption;
        int message;
        const char* text;
        int abort;
        const char* abortText;
        int browser;
        int cx, cy; // 0: the template's size
        BOOL browserVisible;
    } cases[] = {
        {[] { return new CYahooLoginCaptchaDialog(kPage, GetLoginDoneUrl()); }, "ログインの文字認証",
         IDC_LOGIN_CAPTCHA_MESSAGE,
         "オークションサーバーは画像による文字認証を要求しています。\r\n画像に表示されている文字を入力して、["
         "続ける] "
         "をクリックしてください。",
         IDC_LOGIN_CAPTCHA_ABORT, "中止(&A)", IDC_LOGIN_CAPTCHA_BROWSER, 880, 620, TRUE},
        {[] { return new CYahooLoginOneTimePswdDialog(kPage, GetLoginDoneUrl()); },
         "ワンタイムパスワードの認証", IDC_LOGIN_OTP_MESSAGE,
         "オークションサーバーはワンタイムパスワードによる認証を要求しています。\r\nワンタイムパスワードを入"
         "力して、["
         "認証] をクリックしてください。",
         IDC_LOGIN_OTP_ABORT, "中止(&A)", IDC_LOGIN_OTP_BROWSER, 880, 620, TRUE},
        {[]
         {
             auto* p = new CYahooLoginManualDialog(nullptr, CAuctionLoginController::ManualDialogSettingsId);
             p->SetStartUrl(GetLoginUrl());
             return p;
         },
         "ログインの認証", IDC_LOGIN_MANUAL_MESSAGE,
         "オークションサーバーはログインを要求しています。\r\nYahoo! JAPAN "
         "IDとパスワードを入力し、「ログイン」ボタンをクリックしてください。",
         IDC_LOGIN_MANUAL_ABORT, "実行を中止する(&A)", IDC_LOGIN_MANUAL_BROWSER, 1020, 640, TRUE},
        {[]
         {
             auto* p = new CYahooLoginScriptDialog();
             p->SetStartUrl(GetLoginUrl());
             return p;
         },
         "", IDC_LOGIN_SCRIPT_MESSAGE, "スクリプトによるログインを実行しています...", IDC_LOGIN_SCRIPT_ABORT,
         "中止(&A)", IDC_LOGIN_SCRIPT_BROWSER, 0, 0, FALSE},
    };
    // Nothing leaves the program: the stand-in stands in for the service.
    UseStandIn();
    for (const Case& c : cases)
    {
        std::unique_ptr<CYahooLoginBaseImplDialog> dlg(c.make());
        INT_PTR nResult = 0;
        BOOL bShown = FALSE;
        WhenVisible(*dlg,
                    [&]
                    {
                        HWND hWnd = dlg->m_hWnd;
                        bShown = TRUE;
                        EXPECT_EQ(c.caption, TextOf(hWnd)) << c.caption;
                        EXPECT_EQ(c.text, TextOf(hWnd, c.message)) << c.caption;
                        EXPECT_EQ(c.abortText, TextOf(hWnd, c.abort)) << c.caption;
                        HWND hBrowser = ::GetDlgItem(hWnd, c.browser);
                        ASSERT_NE(nullptr, hBrowser) << c.caption;
                        EXPECT_EQ(c.browserVisible, ::IsWindowVisible(hBrowser) != FALSE) << c.caption;
                        if (c.cx > 0)
                        {
                            CRect rect;
                            dlg->GetWindowRect(&rect);
                            EXPECT_EQ(c.cx, rect.Width()) << c.caption;
                            EXPECT_EQ(c.cy, rect.Height()) << c.caption;
                        }
                        // 中止 ends the dialog as the user's abort.
                        Command(hWnd, c.abort);
                    });
        nResult = dlg->RunModal();
        EXPECT_TRUE(bShown) << c.caption;
        EXPECT_EQ(IDCANCEL, nResult) << c.caption;
        EXPECT_TRUE(dlg->TestState(CLoginStepDialog::StateAborted)) << c.caption;
        EXPECT_FALSE(dlg->TestState(CLoginStepDialog::StateTimedOut)) << c.caption;
    }
}

TEST_F(LoginDialogs, ManualDialogOffersTheDeclarationLater)
{
    UseStandIn();
    CYahooLoginManualDialog dlg(nullptr, CAuctionLoginController::ManualDialogSettingsId);
    dlg.SetStartUrl(GetLoginUrl());
    WhenVisible(dlg,
                [&]
                {
                    HWND hDeclare = ::GetDlgItem(dlg.m_hWnd, IDC_LOGIN_MANUAL_DECLARE);
                    EXPECT_FALSE(::IsWindowVisible(hDeclare));
                    EXPECT_EQ("ログインが成功したと見なす(&L)", TextOf(hDeclare));
                    EXPECT_EQ(std::string(GetLoginDoneUrl()), (LPCTSTR)dlg.GetDoneUrl());
                    Command(dlg.m_hWnd, IDC_LOGIN_MANUAL_DECLARE);
                });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.TestState(CLoginStepDialog::StateSucceeded));
    EXPECT_FALSE(dlg.TestState(CLoginStepDialog::StateAborted));
}

TEST_F(LoginDialogs, ManualDialogWithoutAStartTellsTheUser)
{
    CMessageBoxes boxes({IDOK});
    CYahooLoginManualDialog dlg(nullptr, CAuctionLoginController::ManualDialogSettingsId);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_START_FAILED), boxes.texts[0]);
    EXPECT_FALSE(dlg.TestState(CLoginStepDialog::StateAborted));
}

// The hidden browser's first page came from another host (a redirect led
// there): nothing goes into it, and the dialog ends as a failed log-in.
TEST_F(LoginDialogs, ScriptedDialogFillsNoPageOfAnotherHost)
{
    UseStandIn();
    CYahooLoginScriptDialog dlg;
    dlg.SetStartUrl(GetLoginUrl());
    dlg.SetAccount(Account());
    const std::string elsewhere = StandIn::Origin("PORTAL") + "/config/login?.src=auc";
    WhenVisible(dlg, [&] { dlg.OnDocumentComplete(elsewhere.c_str()); });
    EXPECT_EQ(IDCANCEL, dlg.RunModal());
    EXPECT_FALSE(dlg.TestState(CLoginStepDialog::StateAborted));
    EXPECT_FALSE(dlg.TestState(CLoginStepDialog::StateLoginPageAgain));
    for (const LoggedRequest& request : StandIn::Log())
        EXPECT_NE("POST", request.method) << request.host << request.target;
}

// The log-in page answers late; the dialog gives up after its second and
// says why, and the controller adds nothing.
TEST_F(LoginDialogs, TimeOutShowsItsOwnMessageOnly)
{
    UseStandIn();
    ASSERT_TRUE(StandIn::SetState("{\"login_wait\": 3}"));
    CTimedLoginController controller(&comm);
    controller.SetProgressSink(&sink);
    controller.m_nTimeout = 1;
    controller.SetLoginType(CAuctionLoginController::LoginScript);
    CMessageBoxWatcher::Options options;
    options.nMarkerId = kNoticeMarker;
    CMessageBoxWatcher notice(::GetCurrentProcessId(), options);
    EXPECT_FALSE(controller.Login(Account(), nullptr));
    notice.Join();
    ASSERT_TRUE(notice.Shown());
    EXPECT_NE(std::string::npos, notice.m_text.find(LoadText(IDS_LOGIN_TIMED_OUT))) << notice.m_text;
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_FALSE(controller.IsCancelled());
}

// 中止 in a dialog the controller shows is the user's cancel.
TEST_F(LoginDialogs, AbortReachesTheController)
{
    UseStandIn();
    CTimedLoginController controller(&comm);
    controller.SetProgressSink(&sink);
    controller.SetLoginType(CAuctionLoginController::LoginBrowserManual);
    WhenShown("ログインの認証", [](HWND hWnd) { Command(hWnd, IDC_LOGIN_MANUAL_ABORT); });
    EXPECT_FALSE(controller.Login(Account(), nullptr));
    EXPECT_TRUE(controller.IsCancelled());
    EXPECT_TRUE(sink.messages.empty());
}

// The user signed in in the browser and says so; the service's pages tell
// who it was.
TEST_F(LoginDialogs, DeclaredSuccessIsCheckedOnTheServicesPages)
{
    UseStandIn();
    CTimedLoginController controller(&comm);
    controller.SetProgressSink(&sink);
    controller.SetLoginType(CAuctionLoginController::LoginBrowserFilled);
    WhenShown("ログインの認証",
              [](HWND hWnd)
              {
                  CHttpComm browser;
                  EXPECT_TRUE(SignInAsBrowser((LPCTSTR)GetLoginUrl(), kUser, kPassword, browser));
                  Command(hWnd, IDC_LOGIN_MANUAL_DECLARE);
              });
    EXPECT_TRUE(controller.Login(Account(), nullptr));
    EXPECT_TRUE(sink.messages.empty());
    size_t notices = 0;
    for (const LoggedRequest& request : StandIn::Log("/topic/notice/"))
        notices += request.method == "GET";
    EXPECT_LE(1u, notices);
    controller.LogOut();
}
