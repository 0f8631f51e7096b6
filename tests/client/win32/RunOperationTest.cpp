// A job of the client behind its dialog, against the stand-in: a job that
// must not run shows nothing, the service's refusals show over the dialog
// (two of them with a link), 中止 stops it, and what it did to an item
// reaches the document. The log-in test of an ID behind its own dialog.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ClientAppFixture.h"

#include "app/ClipboardShell.h"
#include "app/DialogResourceIds.h"
#include "app/URLStatic.h"
#include "auction/accounts/UserAccount.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/operations/OperationResourceIds.h"
#include "client/LoginTestDialog.h"
#include "client/RunOperationDialog.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoOperation.h"
#include "net/HttpTestSupport.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
const char kOperationPath[] = "/jp/show/operation";

// A job whose work the test supplies.
class CTestJob : public CTanzoOperation
{
public:
    CTestJob() : CTanzoOperation(nullptr, nullptr) {}
    BOOL Run() override
    {
        ++runs;
        return work ? work(*this) : TRUE;
    }
    int CanRun() override { return canRun; }
    void ReportResult(BOOL) override {}
    CRunOperationDialog* Dialog() { return static_cast<CRunOperationDialog*>(GetHostWindow()); }

    std::function<BOOL(CTestJob&)> work;
    int canRun = 1;
    int runs = 0;
};

// The message box of the program (template 561) that shows now: its
// message, the text of its link line and the address a click on it opens.
struct ChoiceBox
{
    std::string message = "(not shown)";
    std::string linkText;
    std::string opened;
    HWND hOwner = nullptr;
};

// Reads the next box of the program while the job waits in it, clicks its
// link (the shell is not asked) and closes it.
void AnswerChoiceBox(ChoiceBox& box)
{
    WhenDialogShows(IDC_MESSAGE_TEXT,
                    [&box](HWND hBox)
                    {
                        static std::string* s_pOpened;
                        s_pOpened = &box.opened;
                        SHELL_OPEN_HOOK pfnOld = SetShellOpenHook(
                            [](LPCTSTR lpszTarget, HWND) -> INT_PTR
                            {
                                *s_pOpened = lpszTarget;
                                return 42;
                            });
                        box.message = ControlText(hBox, IDC_MESSAGE_TEXT);
                        box.linkText = ControlText(hBox, IDC_MESSAGE_URL);
                        box.hOwner = ::GetWindow(hBox, GW_OWNER);
                        if (auto* pLink = dynamic_cast<CURLStatic*>(
                                CWnd::FromHandlePermanent(::GetDlgItem(hBox, IDC_MESSAGE_URL))))
                        {
                            const CRect rcText = pLink->GetTextRect();
                            const LPARAM at = MAKELPARAM(rcText.left + 2, rcText.CenterPoint().y);
                            pLink->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
                            pLink->SendMessage(WM_LBUTTONUP, 0, at);
                        }
                        SetShellOpenHook(pfnOld);
                        Click(hBox, IDC_MESSAGE_BUTTON_SINGLE);
                    });
}

class RunOperation : public ClientAppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
    }
    void TearDown() override
    {
        StandIn::Reset();
        ResetServiceOrigins();
    }
};
} // namespace

TEST_F(RunOperation, AJobThatMustNotRunShowsNoWindow)
{
    CTestJob job;
    job.canRun = 0;
    CRunOperationDialog dialog(&job);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(0, job.runs);
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
}

TEST_F(RunOperation, TheServicesRefusalsShowOverTheDialog)
{
    // A page without the service's name: the job may have failed.
    CMessageBoxes boxes({IDOK});
    CTestJob job;
    HWND hJobDialog = nullptr;
    boxes.onShow = [&] { EXPECT_TRUE(::IsWindowVisible(hJobDialog)); };
    job.work = [&](CTestJob& self)
    {
        hJobDialog = self.Dialog()->GetSafeHwnd();
        self.ReportError(CAuctionOperationBase::ErrorNotServicePage, 0);
        return FALSE;
    };
    CRunOperationDialog dialog(&job);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(std::vector<std::string>{LoadText(IDS_MAYBE_FAILED)}, boxes.texts);

    // The trading system's announcement: the service refused, with a link
    // to its announcement on the configured host.
    ChoiceBox box;
    job.work = [&](CTestJob& self)
    {
        hJobDialog = self.Dialog()->GetSafeHwnd();
        AnswerChoiceBox(box);
        self.ReportError(CAuctionOperationBase::ErrorAnnouncement, 0);
        return TRUE;
    };
    CRunOperationDialog second(&job);
    EXPECT_EQ(IDOK, second.DoModal());
    EXPECT_EQ(LoadText(IDS_REFUSED_BY_SERVICE), box.message);
    const std::string announcement = StandIn::Origin("TRADING") + "/trs/announcement.html";
    EXPECT_EQ(announcement, box.linkText);
    EXPECT_EQ(announcement, box.opened);
    EXPECT_EQ(hJobDialog, box.hOwner);

    // No bank account for easy trading: a link to the contact settings.
    ChoiceBox bank;
    job.work = [&](CTestJob& self)
    {
        hJobDialog = self.Dialog()->GetSafeHwnd();
        AnswerChoiceBox(bank);
        self.GetProgress().ShowMessageId(IDS_BANK_ACCOUNT_MISSING, MB_OK);
        return FALSE;
    };
    CRunOperationDialog third(&job);
    EXPECT_EQ(IDCANCEL, third.DoModal());
    EXPECT_EQ(LoadText(IDS_BANK_ACCOUNT_MISSING), bank.message);
    EXPECT_EQ(LoadText(IDS_BANK_ACCOUNT_LINK), bank.linkText);
    EXPECT_EQ(StandIn::Origin("CONTACT") + "/setting/top?fnavi=2", bank.opened);
    EXPECT_EQ(hJobDialog, bank.hOwner);
    // Other messages go to the plain box.
    EXPECT_EQ(1u, boxes.texts.size());
}

TEST_F(RunOperation, AbortEndsTheJob)
{
    CMessageBoxes boxes({IDOK});
    CTestJob job;
    BOOL bFetched = TRUE;
    job.work = [&](CTestJob& self)
    {
        self.Dialog()->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PREPARE_ABORT, BN_CLICKED));
        bFetched = self.Get(StandIn::Url("AUCTIONS", kOperationPath).c_str());
        // Once stopped, the job tells nothing more.
        self.ReportError(CAuctionOperationBase::ErrorNotServicePage, 0);
        self.GetProgress().ShowMessageId(IDS_REFUSED_BY_SERVICE, MB_OK);
        return bFetched;
    };
    CRunOperationDialog dialog(&job);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(bFetched);
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_TRUE(StandIn::Log(kOperationPath).empty());
}

TEST_F(RunOperation, WhatAJobDidToAnItemReachesTheDocument)
{
    ASSERT_TRUE(Start());
    CUserAccount account;
    account.SetID("demo_seller1");
    account.SetPassword("pass-seller1");
    Doc()->Add(account);

    TanzoAuctionItem item;
    item.SetAuctionID("x777");
    item.SetMemo("発送済み");
    AuctionItem plain;
    plain.SetAuctionID("x888");
    CTestJob job;
    EXPECT_EQ(static_cast<CUserAccountList*>(Doc()), job.GetOwner());
    job.work = [&](CTestJob& self)
    {
        EXPECT_TRUE(self.SaveItemState(&item, 0x2));
        EXPECT_FALSE(self.SaveItemState(&plain, 0x2));
        EXPECT_FALSE(self.SaveItemState(nullptr, 0x2));
        // The job's requests sign in as the document's current user.
        return self.Get(StandIn::Url("AUCTIONS", kOperationPath).c_str());
    };
    CRunOperationDialog dialog(&job, Frame());
    EXPECT_EQ(IDOK, dialog.DoModal());

    TanzoAuctionItem key;
    key.SetAuctionID("x777");
    TanzoAuctionItemUserEdit stored(key);
    ASSERT_TRUE(Doc()->LookupUserEdit(stored));
    EXPECT_EQ("発送済み", std::string(stored.GetMemo()));
    EXPECT_EQ(0x2u, stored.GetActionFlags());
    key.SetAuctionID("x888");
    TanzoAuctionItemUserEdit none(key);
    EXPECT_FALSE(Doc()->LookupUserEdit(none));
    EXPECT_EQ(1, Doc()->GetUserEditCount());
}

namespace
{
class LoginTest : public RunOperation
{
};

CUserAccount DemoAccount(const char* password)
{
    CUserAccount account;
    account.SetID("demo_seller1");
    account.SetPassword(password);
    return account;
}
} // namespace

TEST_F(LoginTest, TheDialogNamesTheIdInItsCaption)
{
    for (BOOL bSwitch : {FALSE, TRUE})
    {
        std::string caption;
        CLoginTestDialog dialog(DemoAccount("pass-seller1"));
        dialog.SetSwitchMode(bSwitch);
        CallWhenShown(&dialog.m_hWnd, [&] { caption = WindowText(dialog.m_hWnd); });
        EXPECT_EQ(IDOK, dialog.DoModal());
        CString expected;
        expected.Format(LoadText(bSwitch ? IDS_SWITCHING_CAPTION : IDS_TESTING_CAPTION).c_str(),
                        "demo_seller1");
        EXPECT_EQ(std::string(expected), caption);
    }
}

TEST_F(LoginTest, AbortIsAbandonedAndTellsNothing)
{
    ASSERT_TRUE(StandIn::SetState("{\"login_wait\": 2}"));
    CMessageBoxes boxes({IDOK});
    CLoginTestDialog dialog(DemoAccount("pass-seller1"));
    const std::string fetching = LoadText(IDS_LOGIN_STATUS_PAGE);
    std::function<void()> abortWhenFetching;
    abortWhenFetching = [&]
    {
        if (dialog.GetSafeHwnd() != nullptr && ControlText(dialog, IDC_LOGIN_TEST_STATUS) == fetching)
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LOGIN_TEST_ABORT, BN_CLICKED));
        else
            CallSoon(abortWhenFetching, 20);
    };
    CallSoon(abortWhenFetching, 20);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(dialog.IsLoginAborted());
    EXPECT_TRUE(boxes.texts.empty());
}
