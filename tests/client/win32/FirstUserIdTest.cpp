// Asking for the first ID, against the stand-in: the notice, the add
// dialog, the log-in test that decides whether the dialog closes, and the
// switch of the current ID.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClientAppFixture.h"

#include "app/DialogResourceIds.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserIdResourceIds.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/operations/OperationResourceIds.h"
#include "client/LoginConfirmation.h"
#include "client/LoginTestDialog.h"
#include "net/HttpTestSupport.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
class FirstUserId : public ClientAppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(Start());
        // The service's hosts are the stand-in's from here on.
        ASSERT_TRUE(StandIn::UseServiceOrigins());
    }
    void TearDown() override
    {
        StandIn::Reset();
        ResetServiceOrigins();
    }

    // Reads and closes the notice, then fills the add dialog and presses
    // OK; afterwards runs then() while the dialog is still open (or not).
    void AnswerDialogs(const char* id, const char* password, std::function<void(HWND)> then)
    {
        WhenDialogShows(IDC_SIMPLE_TEXT,
                        [this](HWND hNotice)
                        {
                            notice = ControlText(hNotice, IDC_SIMPLE_TEXT);
                            ::SendMessageA(hNotice, WM_COMMAND, IDOK, 0);
                        });
        WhenDialogShows(IDC_USERID_PASSWORD,
                        [=](HWND hDialog)
                        {
                            caption = WindowText(hDialog);
                            presetId = ControlText(hDialog, IDC_USERID_ID);
                            ::SetDlgItemTextA(hDialog, IDC_USERID_ID, id);
                            ::SetDlgItemTextA(hDialog, IDC_USERID_PASSWORD, password);
                            ::SetDlgItemTextA(hDialog, IDC_USERID_MEMO, "メイン");
                            Click(hDialog, IDOK);
                            if (then)
                                then(::IsWindow(hDialog) ? hDialog : nullptr);
                        });
    }

    std::string notice = "(not shown)";
    std::string caption;
    std::string presetId;
};

// Presses 中止 of the log-in test dialog once it shows that status.
void AbortLogInTestWhenFetching(const std::string& status, int nTries = 1000)
{
    CallSoon(
        [=]
        {
            HWND hTest = FindDialogWith(IDC_LOGIN_TEST_ABORT);
            if (hTest != nullptr && ControlText(hTest, IDC_LOGIN_TEST_STATUS) == status)
                Click(hTest, IDC_LOGIN_TEST_ABORT);
            else if (nTries > 0)
                AbortLogInTestWhenFetching(status, nTries - 1);
        },
        20);
}
} // namespace

TEST_F(FirstUserId, TheDemoAccountIsTestedAndAdded)
{
    CMessageBoxes boxes({IDYES, IDOK});
    AnswerDialogs("demo_seller1", "pass-seller1", nullptr);
    EXPECT_EQ(AddUserIdAdded, AddUserIdWithDialog(nullptr, nullptr));
    EXPECT_EQ(LoadText(905), notice);
    EXPECT_EQ("ユーザーIDの追加", caption);
    EXPECT_EQ((std::vector<std::string>{LoadText(873, "demo_seller1"), LoadText(874)}), boxes.texts);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), boxes.types[0]);
    EXPECT_EQ((UINT)MB_ICONINFORMATION, boxes.types[1]);
    ASSERT_EQ(1, Doc()->GetCount());
    CUserAccount account;
    ASSERT_TRUE(Doc()->GetAt(0, account));
    EXPECT_EQ("demo_seller1", std::string(account.GetID()));
    EXPECT_EQ("pass-seller1", std::string(account.GetPassword()));
    EXPECT_EQ("メイン", std::string(account.GetMemo()));
    EXPECT_EQ("demo_seller1", std::string(Doc()->GetCurrentUserID()));
}

TEST_F(FirstUserId, AWrongPasswordKeepsTheDialogOpen)
{
    CMessageBoxes boxes({IDYES, IDOK});
    BOOL bStillOpen = FALSE;
    AnswerDialogs("demo_seller1", "wrong",
                  [&](HWND hDialog)
                  {
                      bStillOpen = hDialog != nullptr && ::IsWindowVisible(hDialog);
                      if (hDialog != nullptr)
                          Click(hDialog, IDCANCEL);
                  });
    EXPECT_EQ(AddUserIdCancelled, AddUserIdWithDialog(Frame(), "preset_id"));
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ("preset_id", presetId);
    EXPECT_EQ((std::vector<std::string>{
                  LoadText(873, "demo_seller1"),
                  LoadText(IDS_LOGIN_SERVER_ERROR, "IDまたはパスワードが正しくありません。"), LoadText(875)}),
              boxes.texts);
    EXPECT_EQ(0, Doc()->GetCount());
}

TEST_F(FirstUserId, StoppingTheLogInTestTellsNothing)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_wait\": 2}"));
    CMessageBoxes boxes({IDYES, IDOK});
    // 中止 once the log-in test fetches the log-in page.
    boxes.onShow = [] { AbortLogInTestWhenFetching(LoadText(IDS_LOGIN_STATUS_PAGE)); };
    BOOL bStillOpen = FALSE;
    AnswerDialogs("demo_seller1", "pass-seller1",
                  [&](HWND hDialog)
                  {
                      bStillOpen = hDialog != nullptr;
                      if (hDialog != nullptr)
                          Click(hDialog, IDCANCEL);
                  });
    EXPECT_EQ(AddUserIdCancelled, AddUserIdWithDialog(nullptr, nullptr));
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(std::vector<std::string>{LoadText(873, "demo_seller1")}, boxes.texts);
    EXPECT_EQ(0, Doc()->GetCount());
}

TEST_F(FirstUserId, TheDocumentAsksForAnIdWhenALogInFindsNone)
{
    WhenDialogShows(IDC_SIMPLE_TEXT, [](HWND hNotice) { ::SendMessageA(hNotice, WM_COMMAND, IDOK, 0); });
    WhenDialogShows(IDC_USERID_PASSWORD, [](HWND hDialog) { Click(hDialog, IDCANCEL); });
    EXPECT_EQ((DWORD)AddUserIdCancelled, Doc()->GetLogInOptions());
    // Without a main window nobody can be asked.
    CTanzoDoc* pLoose = static_cast<CTanzoDoc*>(RUNTIME_CLASS(CTanzoDoc)->CreateObject());
    Close();
    EXPECT_EQ((DWORD)AddUserIdNoWindow, pLoose->GetLogInOptions());
    delete pLoose;
}

TEST_F(FirstUserId, SwitchingTheCurrentIdAsksAndTests)
{
    CMessageBoxes boxes({IDYES, IDOK});
    CUserAccount account;
    account.SetID("demo_seller1");
    account.SetPassword("pass-seller1");
    std::string caption;
    WhenDialogShows(IDC_LOGIN_TEST_ABORT, [&](HWND hTest) { caption = WindowText(hTest); });
    EXPECT_TRUE(ConfirmLoginOrSwitch(account, Frame()));
    EXPECT_EQ((std::vector<std::string>{LoadText(876, "demo_seller1"), LoadText(877)}), boxes.texts);
    CString expected;
    expected.Format(LoadText(IDS_SWITCHING_CAPTION).c_str(), "demo_seller1");
    EXPECT_EQ(std::string(expected), caption);
}

TEST_F(FirstUserId, StoppingTheSwitchsLogInTestTellsNothing)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_wait\": 2}"));
    CMessageBoxes boxes({IDYES, IDOK});
    boxes.onShow = [] { AbortLogInTestWhenFetching(LoadText(IDS_LOGIN_STATUS_PAGE)); };
    CUserAccount account;
    account.SetID("demo_seller2");
    account.SetPassword("pass-seller2");
    EXPECT_FALSE(ConfirmLoginOrSwitch(account, Frame()));
    EXPECT_EQ(std::vector<std::string>{LoadText(876, "demo_seller2")}, boxes.texts);
}
