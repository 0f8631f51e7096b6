// The help window under Wine: one window for the whole program, opened by
// F1 or the Help button of a dialog, taken to the page of whichever dialog
// or launcher asks, hidden by its close button and destroyed when the main
// frame and its dialogs are gone; and the help pages the test program's
// dialogs name.
#include "BrowserHostTest.h"
#include "BrowserTestResources.h"

#include "afx/RegKey.h"
#include "app/BaseDialog.h"
#include "app/HelpWindowLauncher.h"
#include "controls/BrowserResourceIds.h"
#include "controls/HelpPages.h"
#include "controls/HelpWindow.h"
#include "controls/HtmlCommView.h"
#include "controls/HtmlFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class CTestHelpDialog : public CBaseDialog
{
public:
    CTestHelpDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId)
        : CBaseDialog(nIDTemplate, pParent, nHelpId)
    {
    }
    void PostNcDestroy() override { delete this; }
};

// A main frame that shows its own help, as the program's does, and
// closes it when it goes.
class CTestMainFrame : public CFrameWnd
{
public:
    CHelpWindowLauncher m_help;

protected:
    afx_msg void OnDestroy()
    {
        m_help.Close();
        CFrameWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestMainFrame, CFrameWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CString HelpCaption()
{
    CString format, title, caption;
    format.LoadString(IDS_HELP_CAPTION);
    title.LoadString(AFX_IDS_APP_TITLE);
    caption.Format(format, (LPCTSTR)title);
    return caption;
}

struct HelpWindowSearch
{
    CString caption;
    std::vector<HWND> found;
};

BOOL CALLBACK NoteHelpWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<HelpWindowSearch*>(lParam);
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    char szText[256] = {};
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    if (dwProcess == ::GetCurrentProcessId() && pSearch->caption == szText)
        pSearch->found.push_back(hWnd);
    return TRUE;
}

// The top-level windows of this process with the help window's caption.
std::vector<HWND> HelpWindows()
{
    HelpWindowSearch search{HelpCaption(), {}};
    ::EnumWindows(NoteHelpWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Where the help window's browser goes for a page (a failed navigation
// still sets the browser's address).
CString PageUrl(UINT nPageId)
{
    char szModule[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    CString url;
    url.Format("res://%s/%u", szModule, nPageId);
    return url;
}

CHelpWindow* HelpWindowOf(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CHelpWindow)) ? static_cast<CHelpWindow*>(pWnd)
                                                                         : nullptr;
}

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pfnOldFactory = SetHelpWindowFactory(nullptr);
        RegisterHelpWindow();
        CRegKey::DeleteTree(HKEY_CURRENT_USER, theApp.GetProfileSectionKey("Dialog\\404"));
        m_pFrame = new CTestMainFrame;
        ASSERT_TRUE(
            m_pFrame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300)));
        m_hFrame = m_pFrame->m_hWnd;
        m_pFirst = OpenDialog(IDD_TEST_HELP_FIRST, IDH_TEST_FIRST);
        m_pSecond = OpenDialog(IDD_TEST_HELP_SECOND, IDH_TEST_SECOND);
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            ::DestroyWindow(m_hFrame);
        PumpPending();
        SetHelpWindowFactory(m_pfnOldFactory);
    }

    CTestHelpDialog* OpenDialog(UINT nIDTemplate, UINT nHelpId)
    {
        auto* pDialog = new CTestHelpDialog(nIDTemplate, m_pFrame, nHelpId);
        EXPECT_TRUE(pDialog->CreateModeless(m_pFrame));
        pDialog->ShowWindow(SW_SHOW);
        return pDialog;
    }

    HELP_WINDOW_FACTORY m_pfnOldFactory = nullptr;
    CTestMainFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CTestHelpDialog* m_pFirst = nullptr;
    CTestHelpDialog* m_pSecond = nullptr;
};
} // namespace

TEST_F(HelpWindowTest, OneWindowForEveryDialogAtThePageOfTheDialogThatAsks)
{
    // F1 in the first dialog.
    m_pFirst->SendMessage(WM_HELP, 0, 0);
    std::vector<HWND> windows = HelpWindows();
    ASSERT_EQ(1u, windows.size());
    HWND hHelp = windows[0];
    CHelpWindow* pHelp = HelpWindowOf(hHelp);
    ASSERT_NE(nullptr, pHelp);
    EXPECT_TRUE(::IsWindowVisible(hHelp));
    EXPECT_EQ(nullptr, ::GetWindow(hHelp, GW_OWNER));
    CString title;
    title.LoadString(AFX_IDS_APP_TITLE);
    EXPECT_FALSE(title.IsEmpty());
    char szCaption[256] = {};
    ::GetWindowTextA(hHelp, szCaption, sizeof(szCaption));
    EXPECT_STREQ(CString("ヘルプ - ") + title, szCaption);
    CRect rect;
    ::GetWindowRect(hHelp, &rect);
    EXPECT_EQ(720, rect.Width());
    EXPECT_EQ(560, rect.Height());
    EXPECT_EQ((UINT)IDH_TEST_FIRST, pHelp->GetHelpId());
    EXPECT_EQ(::LoadIconA(nullptr, IDI_QUESTION), (HICON)::SendMessageA(hHelp, WM_GETICON, ICON_SMALL, 0));

    // The browser fills the placeholder and was taken to the page.
    CHtmlFrame* pFrame = pHelp->GetFrame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(IDC_HELP_BROWSER, pFrame->GetDlgCtrlID());
    EXPECT_EQ(static_cast<CHtmlViewEvents*>(pHelp), pFrame->GetView()->GetListener());
    EXPECT_STREQ(PageUrl(IDH_TEST_FIRST), pFrame->GetView()->GetLocationURL());

    // The Help button of the second dialog: the same window, its page.
    CWnd* pHelpButton = m_pSecond->GetDlgItem(IDC_DIALOG_HELP);
    ASSERT_NE(nullptr, pHelpButton);
    pHelpButton->SendMessage(BM_CLICK);
    EXPECT_EQ(windows, HelpWindows());
    EXPECT_EQ((UINT)IDH_TEST_SECOND, pHelp->GetHelpId());
    EXPECT_TRUE(PumpUntil([&] { return pFrame->GetView()->GetLocationURL() == PageUrl(IDH_TEST_SECOND); }))
        << pFrame->GetView()->GetLocationURL();

    // The close button hides it; the first dialog's F1 brings it back at
    // the first dialog's page.
    pHelp->GetDlgItem(IDC_HELP_CLOSE)->SendMessage(BM_CLICK);
    EXPECT_TRUE(::IsWindow(hHelp));
    EXPECT_FALSE(::IsWindowVisible(hHelp));
    m_pFirst->SendMessage(WM_HELP, 0, 0);
    EXPECT_EQ(windows, HelpWindows());
    EXPECT_TRUE(::IsWindowVisible(hHelp));
    EXPECT_EQ((UINT)IDH_TEST_FIRST, pHelp->GetHelpId());
    EXPECT_TRUE(PumpUntil([&] { return pFrame->GetView()->GetLocationURL() == PageUrl(IDH_TEST_FIRST); }))
        << pFrame->GetView()->GetLocationURL();

    // Escape hides it too.
    pHelp->SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(::IsWindowVisible(hHelp));
    EXPECT_TRUE(::IsWindow(hHelp));
}

TEST_F(HelpWindowTest, TheOpenWindowFollowsTheLaunchersRequestForAnotherPage)
{
    ASSERT_TRUE(m_pFrame->m_help.Show(IDH_TEST_FIRST));
    std::vector<HWND> windows = HelpWindows();
    ASSERT_EQ(1u, windows.size());
    CHelpWindow* pHelp = HelpWindowOf(windows[0]);
    ASSERT_NE(nullptr, pHelp);
    CHtmlFrame* pFrame = pHelp->GetFrame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_TRUE(PumpUntil([&] { return pFrame->GetView()->GetLocationURL() == PageUrl(IDH_TEST_FIRST); }))
        << pFrame->GetView()->GetLocationURL();

    // Hidden and behind the main frame, then asked for another page by
    // the same launcher: the same window, at that page, in front.
    pHelp->GetDlgItem(IDC_HELP_CLOSE)->SendMessage(BM_CLICK);
    m_pFrame->SetActiveWindow();
    ASSERT_TRUE(m_pFrame->m_help.Show(IDH_TEST_SECOND));
    EXPECT_EQ(windows, HelpWindows());
    EXPECT_TRUE(::IsWindowVisible(windows[0]));
    EXPECT_EQ(windows[0], ::GetActiveWindow());
    EXPECT_EQ((UINT)IDH_TEST_SECOND, pHelp->GetHelpId());
    EXPECT_TRUE(PumpUntil([&] { return pFrame->GetView()->GetLocationURL() == PageUrl(IDH_TEST_SECOND); }))
        << pFrame->GetView()->GetLocationURL();
}

TEST_F(HelpWindowTest, HelpStaysWhileADialogThatAskedIsOpen)
{
    m_pFirst->SendMessage(WM_HELP, 0, 0);
    m_pSecond->SendMessage(WM_HELP, 0, 0);
    std::vector<HWND> windows = HelpWindows();
    ASSERT_EQ(1u, windows.size());
    m_pFirst->DestroyWindow();
    EXPECT_TRUE(::IsWindow(windows[0]));
    EXPECT_EQ((UINT)IDH_TEST_SECOND, HelpWindowOf(windows[0])->GetHelpId());
    m_pSecond->DestroyWindow();
    EXPECT_FALSE(::IsWindow(windows[0]));
}

TEST_F(HelpWindowTest, DestroyingTheMainFrameDestroysIt)
{
    m_pFrame->m_help.Show(IDH_TEST_SECOND);
    m_pFirst->SendMessage(WM_HELP, 0, 0);
    std::vector<HWND> windows = HelpWindows();
    ASSERT_EQ(1u, windows.size());
    ::DestroyWindow(m_hFrame);
    EXPECT_FALSE(::IsWindow(windows[0]));
    EXPECT_TRUE(HelpWindows().empty());
}

TEST_F(HelpWindowTest, HelpInsideTheHelpWindowKeepsItsPage)
{
    m_pFirst->SendMessage(WM_HELP, 0, 0);
    std::vector<HWND> windows = HelpWindows();
    ASSERT_EQ(1u, windows.size());
    ::SendMessageA(windows[0], WM_HELP, 0, 0);
    EXPECT_EQ(windows, HelpWindows());
    EXPECT_EQ((UINT)IDH_TEST_FIRST, HelpWindowOf(windows[0])->GetHelpId());
    // It holds no launcher of its own: closing the dialog destroys it.
    ::DestroyWindow(m_hFrame);
    EXPECT_FALSE(::IsWindow(windows[0]));
}

TEST(HelpPagesResourceTest, EveryHelpIdOfTheDialogsHasItsPageLinkingTheStyleSheet)
{
    HMODULE hModule = AfxGetResourceHandle();
    CString style;
    ASSERT_TRUE(LoadHelpPage(hModule, IDR_HELP_STYLE, style));
    EXPECT_NE(-1, style.Find("body"));
    for (UINT nHelpId : {IDH_TEST_FIRST, IDH_TEST_SECOND})
    {
        CString page;
        ASSERT_TRUE(LoadHelpPage(hModule, nHelpId, page)) << nHelpId;
        EXPECT_TRUE(LinksHelpStyle(page)) << nHelpId;
    }
    CString missing;
    EXPECT_FALSE(LoadHelpPage(hModule, 30999, missing));
}

static BOOL CALLBACK NoteResourceId(HMODULE, LPCSTR, LPSTR lpName, LONG_PTR lParam)
{
    if (IS_INTRESOURCE(lpName))
        reinterpret_cast<std::vector<UINT>*>(lParam)->push_back((UINT)(UINT_PTR)lpName);
    return TRUE;
}

TEST(HelpPagesResourceTest, EveryPageOfTheProgramLinksTheStyleSheet)
{
    std::vector<UINT> ids;
    ::EnumResourceNamesA(AfxGetResourceHandle(), RT_HTML, NoteResourceId, reinterpret_cast<LONG_PTR>(&ids));
    ASSERT_FALSE(ids.empty());
    for (UINT nId : ids)
    {
        if (nId == IDR_HELP_STYLE)
            continue;
        CString page;
        ASSERT_TRUE(LoadHelpPage(AfxGetResourceHandle(), nId, page));
        EXPECT_TRUE(LinksHelpStyle(page)) << "page " << nId;
    }
}
