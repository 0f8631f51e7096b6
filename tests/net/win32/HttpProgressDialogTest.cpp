// The HTTP progress dialog against the stand-in: its work starts once it
// is shown, each status of a request adds one ">" to the mark line (a new
// request starts the line afresh, a full line starts again from empty),
// once cancelled its requests fail without reaching the service, and a
// Cancel pressed while a request held the window back spares the user the
// failure's question.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TestAppComm.h"

#include "afx/DataExchange.h"
#include "net/HttpProgressDialog.h"
#include "net/HttpTestSupport.h"
#include "net/ProgressMarkStatic.h"

#include "StandIn.h"
#include "TestResources.h"

namespace
{
class CTestProgressDialog : public CHttpProgressDialog
{
public:
    CTestProgressDialog() : CHttpProgressDialog(IDD_TEST_PROGRESS) {}

    CProgressMarkStatic* GetMarkStatic() override { return &m_marks; }
    void DoWork() override
    {
        ++m_nWorkRuns;
        m_bVisibleAtWork = IsWindowVisible();
        if (m_work)
            m_work(this);
    }
    void OnInternetStatus(DWORD dwStatus, LPVOID pInfo, DWORD dwLength) override
    {
        ++m_nStatuses;
        CHttpProgressDialog::OnInternetStatus(dwStatus, pInfo, dwLength);
    }
    void OnCancel() override
    {
        CancelWork();
        CHttpProgressDialog::OnCancel();
    }
    CString Marks()
    {
        CString strText;
        m_marks.GetText(strText);
        return strText;
    }

    CProgressMarkStatic m_marks;
    CProgressMarkStatic m_shortMarks;
    std::function<void(CTestProgressDialog*)> m_work;
    int m_nWorkRuns = 0;
    BOOL m_bVisibleAtWork = FALSE;
    int m_nStatuses = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CHttpProgressDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_MARKS, m_marks);
        DDX_Control(pDX, IDC_TEST_SHORT_MARKS, m_shortMarks);
    }
};

class HttpProgressDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
    }
    static std::string Url(const std::string& path) { return StandIn::Url("AUCTIONS", path); }

    CTestAppComm app;
};

TEST_F(HttpProgressDialogTest, WorkStartsOnceShownAndMarksEveryStatus)
{
    CTestProgressDialog dlg;
    std::vector<int> statuses;
    std::vector<int> marks;
    dlg.m_work = [&](CTestProgressDialog* p)
    {
        for (int i = 0; i < 2; ++i)
        {
            p->m_nStatuses = 0;
            EXPECT_TRUE(p->Request(Url("/test/page").c_str()));
            statuses.push_back(p->m_nStatuses);
            marks.push_back(p->Marks().GetLength());
            EXPECT_EQ(std::string(p->m_nStatuses, '>'), std::string((LPCTSTR)p->Marks()));
        }
        p->EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nWorkRuns);
    EXPECT_TRUE(dlg.m_bVisibleAtWork);
    ASSERT_EQ(2u, statuses.size());
    EXPECT_GT(statuses[0], 0);
    // The second request's line holds only its own marks.
    EXPECT_EQ(statuses, marks);
    EXPECT_EQ(2u, StandIn::Log("/test/page").size());
}

TEST_F(HttpProgressDialogTest, HiddenDialogWaitsWithItsWork)
{
    CTestProgressDialog dlg;
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    const DWORD dwStart = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - dwStart < 400)
    {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    EXPECT_EQ(0, dlg.m_nWorkRuns);
    dlg.ShowWindow(SW_SHOWNA);
    while (dlg.m_nWorkRuns == 0 && ::GetTickCount() - dwStart < 20000)
    {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    EXPECT_EQ(1, dlg.m_nWorkRuns);
    EXPECT_TRUE(dlg.m_bVisibleAtWork);
    dlg.DestroyWindow();
}

TEST_F(HttpProgressDialogTest, AfterCancelNoRequestLeaves)
{
    CTestProgressDialog dlg;
    BOOL bSent = TRUE;
    dlg.m_work = [&](CTestProgressDialog* p)
    {
        p->SendMessage(WM_COMMAND, IDCANCEL, 0); // the user's Cancel
        bSent = p->Request(Url("/test/page").c_str());
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(bSent);
    EXPECT_TRUE(dlg.IsCancelled());
    EXPECT_TRUE(StandIn::Log().empty());
}

TEST_F(HttpProgressDialogTest, AfterCancelTheWorksOwnRequestsFailToo)
{
    // Work that runs requests on the conversation itself, whose every
    // request clears the conversation's cancel flag.
    CTestProgressDialog dlg;
    BOOL bRead = TRUE;
    dlg.m_work = [&](CTestProgressDialog* p)
    {
        p->SendMessage(WM_COMMAND, IDCANCEL, 0);
        bRead = p->GetComm().Request(Url("/test/page").c_str());
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(bRead);
    EXPECT_TRUE(dlg.IsCancelled());
}

TEST_F(HttpProgressDialogTest, ACancelWaitingInTheQueueIsTakenBeforeTheFailureIsAsked)
{
    // A request that waited for its answer let no input through: the
    // user's Cancel is still queued when the failure is to be told.
    const struct
    {
        bool bCancelQueued;
        int nAnswer;
        size_t nBoxes;
        int nResult;
    } cases[] = {{true, IDCANCEL, 0, IDCANCEL}, {false, IDRETRY, 1, IDOK}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bCancelQueued);
        CMessageBoxes boxes({IDRETRY});
        CTestProgressDialog dlg;
        int nAnswer = 0;
        dlg.m_work = [&](CTestProgressDialog* p)
        {
            if (c.bCancelQueued)
                p->PostMessage(WM_COMMAND, IDCANCEL, 0);
            CHttpStatusSink& sink = *p;
            nAnswer = sink.ShowMessage("通信に失敗しました", kRetryCancelBox, 0);
            if (!c.bCancelQueued)
                p->EndDialog(IDOK);
        };
        EXPECT_EQ(c.nResult, dlg.DoModal());
        EXPECT_EQ(c.nAnswer, nAnswer);
        EXPECT_EQ(c.nBoxes, boxes.texts.size());
        EXPECT_EQ(c.bCancelQueued, (bool)dlg.IsCancelled());
    }
}

TEST_F(HttpProgressDialogTest, FullMarkLineStartsAgainFromEmpty)
{
    CTestProgressDialog dlg;
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.ShowWindow(SW_SHOWNA);
    int nLongest = 0;
    BOOL bRestarted = FALSE;
    for (int i = 0; i < 60; ++i)
    {
        dlg.m_shortMarks.AddMark(i == 30 ? CProgressMarkStatic::markRetry : CProgressMarkStatic::markStatus);
        dlg.m_shortMarks.UpdateWindow();
        CString strText;
        dlg.m_shortMarks.GetText(strText);
        if (strText.GetLength() < nLongest)
            bRestarted = TRUE;
        nLongest = std::max(nLongest, strText.GetLength());
    }
    EXPECT_TRUE(bRestarted);
    EXPECT_LT(nLongest, 30);
    dlg.m_shortMarks.AddMark(CProgressMarkStatic::markClear);
    CString strText;
    dlg.m_shortMarks.GetText(strText);
    EXPECT_TRUE(strText.IsEmpty());
    dlg.DestroyWindow();
}
} // namespace
