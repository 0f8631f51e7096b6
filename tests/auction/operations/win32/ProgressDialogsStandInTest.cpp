// The progress dialogs against the stand-in: the log-in test of an account
// and an operation run behind its preparation dialog, driven as the user
// would (the abort button by its id).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afx/String.h"
#include "app/DialogTestUtil.h"
#include "app/TestAppComm.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/login/OperationProgressDialog.h"
#include "auction/operations/AuctionTargetListOperation.h"
#include "auction/operations/OperationResourceIds.h"
#include "auction/operations/PrepareProgressDialog.h"
#include "net/HttpTestSupport.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
const char kOperationPath[] = "/jp/show/operation";

CUserAccount Account(const char* password)
{
    CUserAccount account;
    account.SetID("demo_seller1");
    account.SetPassword(password);
    return account;
}

std::string ControlText(HWND hDialog, int nID)
{
    char szText[512] = {};
    ::GetDlgItemTextA(hDialog, nID, szText, sizeof(szText));
    return szText;
}

// Runs action from the message loop that runs then, once condition holds.
void CallWhen(std::function<bool()> condition, std::function<void()> action, int nTries = 1000)
{
    CallSoon(
        [=]
        {
            if (condition())
                action();
            else if (nTries > 0)
                CallWhen(condition, action, nTries - 1);
        },
        20);
}

// The bands of rows in which a window shows ink of the text colour, as it
// paints itself now.
int TextBands(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    HDC hDC = ::GetDC(hWnd);
    const COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < rc.bottom; ++y)
    {
        bool ink = false;
        for (int x = 0; x < rc.right && !ink; ++x)
            ink = ::GetPixel(hDC, x, y) == crText;
        if (ink && !inBand)
            ++bands;
        inBand = ink;
    }
    ::ReleaseDC(hWnd, hDC);
    return bands;
}

size_t Count(const char* method, const char* path)
{
    size_t n = 0;
    for (const LoggedRequest& request : StandIn::Log(path))
        n += request.method == method;
    return n;
}

class ProgressDialogs : public ::testing::Test
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

    CTestAppComm app;
};
} // namespace

TEST_F(ProgressDialogs, LogInTestOfTheDemoAccount)
{
    CMessageBoxes boxes({IDOK});
    COperationProgressDialog dialog(IDD_LOGIN_TEST_PROGRESS, Account("pass-seller1"));
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_FALSE(dialog.IsLoginAborted());
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(1u, Count("POST", "/config/login"));
}

TEST_F(ProgressDialogs, LogInTestWithAWrongPassword)
{
    CMessageBoxes boxes({IDOK});
    COperationProgressDialog dialog(IDD_LOGIN_TEST_PROGRESS, Account("wrong"));
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(dialog.IsLoginAborted());
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(LoadText(IDS_LOGIN_SERVER_ERROR, "IDまたはパスワードが正しくありません。"), boxes.texts[0]);
}

TEST_F(ProgressDialogs, AbortDuringTheLogInTest)
{
    // The log-in page keeps the test waiting.
    ASSERT_TRUE(StandIn::SetState("{\"login_wait\": 2}"));
    CMessageBoxes boxes({IDOK});
    COperationProgressDialog dialog(IDD_LOGIN_TEST_PROGRESS, Account("pass-seller1"));
    const std::string fetching = LoadText(IDS_LOGIN_STATUS_PAGE);
    CallWhen(
        [&]
        { return dialog.GetSafeHwnd() != nullptr && ControlText(dialog, IDC_LOGIN_TEST_STATUS) == fetching; },
        [&] { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LOGIN_TEST_ABORT, BN_CLICKED)); });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(dialog.IsLoginAborted());
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(0u, Count("POST", "/config/login"));
}

namespace
{
// An operation whose work the test supplies; it records what it had.
class COperation : public CAuctionTargetListOperation
{
public:
    COperation() : CAuctionTargetListOperation(nullptr, nullptr) {}
    BOOL Run() override
    {
        hadHost =
            GetHostWindow() != nullptr && GetHttpComm() != nullptr && GetProgress().GetSink() != nullptr;
        return work ? work(*this) : Get(StandIn::Url("AUCTIONS", kOperationPath).c_str());
    }
    int CanRun() override { return canRun; }
    void ReportResult(BOOL) override {}
    void ReportError(int, LPARAM) override {}

    std::function<BOOL(COperation&)> work;
    int canRun = 1;
    BOOL hadHost = FALSE;
};

class CPrepareDialog : public CPrepareProgressDialog
{
public:
    explicit CPrepareDialog(CAuctionOperationBase* pOperation)
        : CPrepareProgressDialog(IDD_PREPARE_PROGRESS, pOperation)
    {
    }
    BOOL OnInitDialog() override
    {
        ++initialised;
        return CPrepareProgressDialog::OnInitDialog();
    }
    std::string SubStatus() const
    {
        CString text;
        m_subStatus.GetText(text);
        return (LPCTSTR)text;
    }
    int initialised = 0;
};
} // namespace

TEST_F(ProgressDialogs, AnOperationThatMustNotRunShowsNoWindow)
{
    COperation operation;
    operation.canRun = 0;
    CPrepareDialog dialog(&operation);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(0, dialog.initialised);
    EXPECT_FALSE(operation.hadHost);
}

TEST_F(ProgressDialogs, AnOperationRunsThroughTheDialogAndSignsInAgain)
{
    CUserAccountList accounts;
    accounts.Add(Account("pass-seller1"));
    COperation operation;
    operation.SetOwner(&accounts);
    CPrepareDialog dialog(&operation);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1, dialog.initialised);
    EXPECT_TRUE(operation.hadHost);
    EXPECT_EQ(1u, Count("POST", "/config/login"));
    EXPECT_EQ(2u, Count("GET", kOperationPath));
    // What the dialog lent the operation went with it.
    EXPECT_EQ(nullptr, operation.GetHttpComm());
    EXPECT_EQ(nullptr, operation.GetHostWindow());
    EXPECT_EQ(nullptr, operation.GetProgress().GetSink());
}

TEST_F(ProgressDialogs, StatusTextsTitleAndMessages)
{
    CMessageBoxes boxes({IDOK});
    COperation operation;
    DWORD dwTwoLines = 0, dwOneLine = 0;
    int twoLineBands = 0, oneLineBands = 0;
    std::string twoLines, caption, subStatus;
    operation.work = [&](COperation& op)
    {
        CPrepareDialog* pDialog = static_cast<CPrepareDialog*>(op.GetHostWindow());
        HWND hStatus = ::GetDlgItem(*pDialog, IDC_PREPARE_STATUS);
        op.GetProgress().SetStatus("一行目\r\n二行目");
        dwTwoLines = (DWORD)::GetWindowLongA(hStatus, GWL_STYLE);
        twoLineBands = TextBands(hStatus);
        twoLines = ControlText(*pDialog, IDC_PREPARE_STATUS);
        op.GetProgress().SetStatus("");
        EXPECT_EQ(twoLines, ControlText(*pDialog, IDC_PREPARE_STATUS));
        op.GetProgress().SetStatus("一行");
        dwOneLine = (DWORD)::GetWindowLongA(hStatus, GWL_STYLE);
        oneLineBands = TextBands(hStatus);
        op.GetProgress().SetTitle("再出品中");
        caption.resize(64);
        caption.resize(::GetWindowTextA(*pDialog, &caption[0], 64));
        op.GetProgress().SetSubStatus("3 / 10 件");
        subStatus = pDialog->SubStatus();
        op.ReportServerError("在庫がありません");
        return TRUE;
    };
    CPrepareDialog dialog(&operation);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(0u, dwTwoLines & SS_CENTERIMAGE);
    EXPECT_EQ("一行目\r\n二行目", twoLines);
    EXPECT_EQ((DWORD)SS_CENTERIMAGE, dwOneLine & SS_CENTERIMAGE);
    EXPECT_EQ(2, twoLineBands);
    EXPECT_EQ(1, oneLineBands);
    EXPECT_EQ("再出品中", caption);
    EXPECT_EQ("3 / 10 件", subStatus);
    EXPECT_EQ(std::vector<std::string>{LoadText(IDS_SERVER_ERROR, "在庫がありません")}, boxes.texts);
}

TEST_F(ProgressDialogs, AbortStopsTheOperationsRequests)
{
    CMessageBoxes boxes({IDOK});
    COperation operation;
    BOOL bFetched = TRUE;
    operation.work = [&](COperation& op)
    {
        static_cast<CPrepareProgressDialog*>(op.GetHostWindow())
            ->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PREPARE_ABORT, BN_CLICKED));
        bFetched = op.Get(StandIn::Url("AUCTIONS", kOperationPath).c_str());
        op.ReportServerError("x");
        return bFetched;
    };
    CPrepareDialog dialog(&operation);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(bFetched);
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_TRUE(StandIn::Log(kOperationPath).empty());
}
