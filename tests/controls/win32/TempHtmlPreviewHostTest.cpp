// The preview host under Wine: the temporary file it writes and removes,
// the browser it makes over the placeholder, and what it lets the page
// do: its own file and the page's own navigations pass, a link the user
// clicks opens outside.
#include "BrowserHostTest.h"

#include "app/ClipboardShell.h"
#include "controls/BrowserNavigation.h"
#include "controls/HtmlCommView.h"
#include "controls/TempHtmlPreviewHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
class CTestPreviewHost : public CTempHtmlPreviewHost
{
public:
    BOOL OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                           CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel) override
    {
        BOOL bCancel = CTempHtmlPreviewHost::OnBeforeNavigate2(lpszURL, nFlags, lpszTargetFrameName,
                                                               baPostedData, lpszHeaders, pbCancel);
        m_navigations.push_back({lpszURL, bCancel});
        return bCancel;
    }
    void OnDownloadComplete() override { ++m_nDownloads; }

    struct Navigation
    {
        CString url;
        BOOL bCancelled;
    };
    std::vector<Navigation> m_navigations;
    int m_nDownloads = 0;
};

// What the shell was asked to open.
std::vector<CString> g_opened;

INT_PTR RecordShellOpen(LPCTSTR lpszTarget, HWND)
{
    g_opened.push_back(lpszTarget);
    return 33;
}

BOOL Exists(LPCTSTR lpszPath)
{
    return ::GetFileAttributesA(lpszPath) != INVALID_FILE_ATTRIBUTES;
}

CString WorkFile()
{
    CString path;
    EXPECT_TRUE(theApp.GetTempWorkFilePath(path));
    return path;
}

class TempHtmlPreviewHostTest : public BrowserHostTest
{
protected:
    void SetUp() override
    {
        BrowserHostTest::SetUp();
        m_pHost = std::make_unique<CTestPreviewHost>();
        m_pHost->SetOwner(&m_host);
        ASSERT_TRUE(m_status.Create("old", WS_CHILD | WS_VISIBLE, CRect(10, 230, 310, 250), &m_host, 4092));
        m_pHost->SetStatusWindow(&m_status);
    }
    void TearDown() override
    {
        m_pHost.reset();
        BrowserHostTest::TearDown();
    }

    std::unique_ptr<CTestPreviewHost> m_pHost;
    CDecorateStatic m_status;
};
} // namespace

TEST_F(TempHtmlPreviewHostTest, MakesItsBrowserOverThePlaceholder)
{
    ASSERT_TRUE(m_pHost->CreateFrame(CRect(20, 30, 220, 130), 4094));
    CHtmlFrame* pFrame = m_pHost->GetFrame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(4094, pFrame->GetDlgCtrlID());
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_EQ(static_cast<CHtmlViewEvents*>(m_pHost.get()), pFrame->GetView()->GetListener());
    // On top of its siblings, so that it covers the placeholder.
    EXPECT_EQ(pFrame->m_hWnd, ::GetWindow(m_host.m_hWnd, GW_CHILD));

    CTestPreviewHost hidden;
    hidden.SetOwner(&m_host);
    hidden.GetOptions().Add(PREVIEW_HIDDEN_BROWSER);
    ASSERT_TRUE(hidden.CreateFrame(CRect(0, 0, 50, 50), 4095));
    EXPECT_FALSE(hidden.GetFrame()->IsWindowVisible());

    CTestPreviewHost ownerless;
    EXPECT_FALSE(ownerless.CreateFrame(CRect(0, 0, 50, 50), 4096));
    EXPECT_EQ(nullptr, ownerless.GetFrame());
}

TEST_F(TempHtmlPreviewHostTest, WritesTheFileShowsItAndRemovesIt)
{
    ASSERT_TRUE(m_pHost->CreateFrame(CRect(20, 30, 220, 130), 4094));
    m_pHost->SetHtml("<p>プレビュー</p>\r\n");
    ASSERT_TRUE(m_pHost->WriteAndShow("preview_dlg"));
    CString path = WorkFile() + "_preview_dlg.htm";
    EXPECT_STREQ(path, m_pHost->GetFilePath());
    EXPECT_EQ("<p>プレビュー</p>\r\n", ReadWholeFile(path));

    // The browser went to the file and was let through.
    ASSERT_TRUE(PumpUntil([&] { return m_pHost->m_nDownloads > 0; }));
    ASSERT_EQ(1u, m_pHost->m_navigations.size());
    EXPECT_FALSE(m_pHost->m_navigations[0].bCancelled) << m_pHost->m_navigations[0].url;
    EXPECT_TRUE(m_pHost->IsOwnFile(m_pHost->m_navigations[0].url)) << m_pHost->m_navigations[0].url;

    // Again under the same name: the same file, once in the list.
    m_pHost->SetHtml("");
    ASSERT_TRUE(m_pHost->WriteAndShow("preview_dlg"));
    EXPECT_EQ("", ReadWholeFile(path));
    EXPECT_EQ(1, m_pHost->GetWrittenFiles().GetCount());

    m_pHost.reset();
    EXPECT_FALSE(Exists(path));
}

TEST_F(TempHtmlPreviewHostTest, WithoutANameOrABrowserNothingIsShown)
{
    m_pHost->SetHtml("x");
    EXPECT_FALSE(m_pHost->WriteAndShow(""));
    EXPECT_FALSE(m_pHost->WriteAndShow(nullptr));
    EXPECT_EQ(0, m_pHost->GetWrittenFiles().GetCount());
    // No browser: the file is written, but not shown.
    EXPECT_FALSE(m_pHost->WriteAndShow("no_browser"));
    EXPECT_TRUE(Exists(WorkFile() + "_no_browser.htm"));
}

TEST_F(TempHtmlPreviewHostTest, AClickedLinkOpensOutsideThePagesOwnNavigationsStay)
{
    ASSERT_TRUE(m_pHost->CreateFrame(CRect(20, 30, 220, 130), 4094));
    g_opened.clear();
    SHELL_OPEN_HOOK pfnOld = SetShellOpenHook(RecordShellOpen);
    CHtmlCommView* pView = m_pHost->GetFrame()->GetView();
    MSG click = {pView->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5), ::GetTickCount(), {0, 0}};
    pView->PreTranslateMessage(&click);
    // What the page does after the click, and later by itself.
    pView->CFixHtmlView::Navigate("https://auctions.example.jp/item/1");
    pView->CFixHtmlView::Navigate("about:blank");
    ASSERT_TRUE(PumpUntil([&] { return m_pHost->m_nDownloads > 0; }));
    SetShellOpenHook(pfnOld);

    ASSERT_EQ(2u, m_pHost->m_navigations.size());
    EXPECT_TRUE(m_pHost->m_navigations[0].bCancelled);
    EXPECT_FALSE(m_pHost->m_navigations[1].bCancelled);
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_STREQ("https://auctions.example.jp/item/1", g_opened[0]);
    // Only the page's own navigation loaded.
    EXPECT_EQ(1, m_pHost->m_nDownloads);
}

TEST_F(TempHtmlPreviewHostTest, StatusTextsOfTheBrowserReachTheStatusWindow)
{
    ASSERT_TRUE(m_pHost->CreateFrame(CRect(20, 30, 220, 130), 4094));
    m_pHost->GetFrame()->Navigate("about:blank");
    ASSERT_TRUE(PumpUntil([&] { return m_pHost->m_nDownloads > 0; }));
    // The browser clears its status line as the navigation starts.
    CString text;
    m_status.GetText(text);
    EXPECT_STREQ("", text);
    EXPECT_TRUE(m_status.TestState(CDecorateStatic::stateTextSet));
    // The menu of a right click never comes.
    EXPECT_TRUE(m_pHost->IsContextMenuBlocked());
}
