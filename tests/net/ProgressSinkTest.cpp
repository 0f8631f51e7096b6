#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "afx/String.h"
#include "net/HttpStatusSink.h"
#include "net/ProgressSink.h"
#include "net/ProgressSinkRef.h"

namespace
{
const UINT kRedirectMessageId = 550; // a text of the client's string table

// Answers every message box and records it.
class CMessageBoxRecorder
{
public:
    CMessageBoxRecorder(int nAnswer) : m_nAnswer(nAnswer)
    {
        m_pfnPrevious = AfxSetMessageBoxHook(Hook, this);
    }
    ~CMessageBoxRecorder() { AfxSetMessageBoxHook(m_pfnPrevious); }

    std::vector<std::string> texts;
    std::vector<UINT> types;

private:
    static int Hook(LPCTSTR lpszText, UINT nType, void* pParam)
    {
        CMessageBoxRecorder* self = static_cast<CMessageBoxRecorder*>(pParam);
        self->texts.push_back(lpszText);
        self->types.push_back(nType);
        return self->m_nAnswer;
    }

    int m_nAnswer;
    AFX_MESSAGEBOX_HOOK m_pfnPrevious;
};

// Supplies only what it must, so that the defaults are what runs.
class CStatusOnlySink : public CProgressSink
{
public:
    void SetStatus(LPCTSTR lpszText) override { calls.push_back(std::string("status:") + lpszText); }

    std::vector<std::string> calls;
};

// Records everything, including the calls by id that the reference makes.
class CRecordingSink : public CStatusOnlySink
{
public:
    int ShowMessageId(UINT nID, UINT nType) override
    {
        calls.push_back("messageid:" + std::to_string(nID) + "," + std::to_string(nType));
        return IDNO;
    }
    int ShowMessage(LPCTSTR lpszText, UINT nType) override
    {
        calls.push_back(std::string("message:") + lpszText + "," + std::to_string(nType));
        return IDYES;
    }
    void SetTitle(LPCTSTR lpszText) override { calls.push_back(std::string("title:") + lpszText); }
    void SetSubStatus(LPCTSTR lpszText) override { calls.push_back(std::string("sub:") + lpszText); }
};

TEST(ProgressSinkTest, DefaultsLoadTheStringAndPassItOn)
{
    const std::string redirect = (LPCTSTR)LoadText(kRedirectMessageId);
    ASSERT_EQ(0, CString(redirect.c_str()).Find("リダイレクトの回数が多すぎる"));

    CStatusOnlySink sink;
    sink.SetStatusId(kRedirectMessageId);
    sink.SetStatusId(0);
    sink.SetStatusId(64999); // no such string
    // Title and second line are not shown by a sink that has none.
    sink.SetTitleId(kRedirectMessageId);
    sink.SetTitle("caption");
    sink.SetSubStatusId(kRedirectMessageId);
    sink.SetSubStatus("line");
    EXPECT_EQ((std::vector<std::string>{"status:" + redirect, "status:", "status:"}), sink.calls);

    CRecordingSink titled;
    titled.CProgressSink::SetTitleId(kRedirectMessageId);
    titled.CProgressSink::SetSubStatusId(kRedirectMessageId);
    titled.CProgressSink::ShowMessageId(kRedirectMessageId, MB_YESNO);
    EXPECT_EQ((std::vector<std::string>{"title:" + redirect, "sub:" + redirect,
                                        "message:" + redirect + "," + std::to_string(MB_YESNO)}),
              titled.calls);
}

TEST(ProgressSinkTest, DefaultMessagesAreFrameworkMessageBoxes)
{
    CMessageBoxRecorder boxes(IDRETRY);
    CStatusOnlySink sink;
    EXPECT_EQ(IDRETRY, sink.ShowMessage("通信に失敗しました", MB_RETRYCANCEL | MB_ICONWARNING));
    EXPECT_EQ(IDRETRY, sink.ShowMessageId(kRedirectMessageId, MB_OK));
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ("通信に失敗しました", boxes.texts[0]);
    EXPECT_EQ(MB_RETRYCANCEL | MB_ICONWARNING, boxes.types[0]);
    EXPECT_EQ(std::string(LoadText(kRedirectMessageId)), boxes.texts[1]);
    EXPECT_TRUE(sink.calls.empty());
}

TEST(ProgressSinkTest, ReferenceForwardsToItsSink)
{
    CRecordingSink sink;
    CProgressSinkRef ref(nullptr, &sink);
    ref.SetStatus("取得中");
    ref.SetStatusId(kRedirectMessageId);
    ref.SetStatusId(0);
    ref.SetTitle("title");
    ref.SetSubStatus("sub");
    ref.SetSubStatus(nullptr);
    ref.SetStatus(nullptr);
    EXPECT_EQ(IDYES, ref.ShowMessage("question", MB_YESNO));
    EXPECT_EQ(IDNO, ref.ShowMessageId(kRedirectMessageId, MB_YESNO));
    const std::vector<std::string> expected = {
        "status:取得中",
        "status:" + std::string(LoadText(kRedirectMessageId)),
        "status:",
        "title:title",
        "sub:sub",
        "sub:",
        "status:",
        "message:question," + std::to_string(MB_YESNO),
        "messageid:550," + std::to_string(MB_YESNO),
    };
    EXPECT_EQ(expected, sink.calls);
}

TEST(ProgressSinkTest, ReferenceWithoutSinkDoesNothing)
{
    CMessageBoxRecorder boxes(IDOK);
    CProgressSinkRef ref;
    EXPECT_EQ(nullptr, ref.GetSink());
    EXPECT_EQ(nullptr, ref.GetHttpComm());
    ref.SetStatus("x");
    ref.SetStatus(nullptr);
    ref.SetStatusId(kRedirectMessageId);
    ref.SetTitle("x");
    ref.SetSubStatus(nullptr);
    EXPECT_EQ(0, ref.ShowMessage("x", MB_OK));
    EXPECT_EQ(0, ref.ShowMessageId(kRedirectMessageId, MB_YESNO));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST(ProgressSinkTest, TextGuardClearsTheStatusOnEveryWayOut)
{
    CRecordingSink sink;
    CProgressSinkRef ref(nullptr, &sink);
    {
        CProgressTextGuard guard(&ref);
        ref.SetStatus("ログイン中");
    }
    EXPECT_EQ((std::vector<std::string>{"status:ログイン中", "status:"}), sink.calls);

    sink.calls.clear();
    try
    {
        CProgressTextGuard guard(&ref);
        ref.SetStatus("ログアウト中");
        throw 1;
    }
    catch (int)
    {
    }
    EXPECT_EQ((std::vector<std::string>{"status:ログアウト中", "status:"}), sink.calls);

    // Without a reference, or with one without sink, there is nothing to clear.
    {
        CProgressTextGuard none(nullptr);
        CProgressSinkRef silent;
        CProgressTextGuard quiet(&silent);
    }
}

class CStatusRecorder : public CHttpStatusSink
{
public:
    void OnInternetStatus(DWORD dwStatus, LPVOID, DWORD) override { statuses.push_back(dwStatus); }
    std::vector<DWORD> statuses;
};

TEST(ProgressSinkTest, HttpStatusSinkDefaults)
{
    CMessageBoxRecorder boxes(IDCANCEL);
    CStatusRecorder sink;
    CHttpStatusSink& base = sink;
    base.OnRetry();
    base.OnInternetStatus(10, nullptr, 0);
    EXPECT_EQ(IDCANCEL, base.ShowMessage("接続できません", MB_OKCANCEL, 497));
    EXPECT_EQ(std::vector<DWORD>{10}, sink.statuses);
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ("接続できません", boxes.texts[0]);
    EXPECT_EQ(MB_OKCANCEL, boxes.types[0]);
}
} // namespace
