// Tabbed dialogs as a user drives them: pages are made when their tab is
// first shown and keep their state when the user switches back and forth,
// OK selects the page that fails its check, the last tab is kept as
// "SelectTab", help reaches the right page without asking round in
// circles, and the owner-drawn tab strip keeps its colours and passes the
// mouse on.
#ifdef _WIN32
#include "DialogTestUtil.h"
#include "TestAppComm.h"
#include "TestResources.h"

#include "afx/Gdi.h"
#include "afx/ImageList.h"
#include "afx/MessageBox.h"
#include "afx/Profile.h"
#include "app/TabbedDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_events;

class CTestPage : public CTabbedPage
{
public:
    CTestPage(const char* title, UINT nHelpId = 0)
        : CTabbedPage(IDD_TEST_PAGE, nullptr, nHelpId), m_strTitle(title)
    {
    }
    ~CTestPage() override { g_events.push_back("deleted " + m_strTitle); }
    void GetTitle(CString& strTitle) override { strTitle = m_strTitle.c_str(); }
    BOOL Validate(CTabbedDialog*) override
    {
        g_events.push_back("validated " + m_strTitle);
        return m_bValid;
    }
    void OnSetInitialFocus() override { ++m_nActivations; }

    std::string m_strTitle;
    BOOL m_bValid = TRUE;
    int m_nActivations = 0;
};

class CTestTabbedDialog : public CTabbedDialog
{
public:
    explicit CTestTabbedDialog(UINT nHelpId = 0, UINT nPageHelp = 0)
        : CTabbedDialog(IDD_TEST_TABBED, IDC_TEST_TABS, nullptr, nHelpId), m_nPageHelp(nPageHelp)
    {
    }
    void AddPages() override
    {
        for (const char* title : {"出品中", "落札者あり", "落札者なし", "落札分"})
        {
            auto* pPage = new CTestPage(title, m_nPageHelp);
            m_pages.push_back(pPage);
            AddPage(pPage);
        }
    }
    void OnTabStripMouseMove(UINT nFlags, int x, int y) override { m_moves.push_back(CPoint(x, y)); }

    // The user clicks tab nIndex: the strip selects it and tells the dialog.
    void ClickTab(int nIndex) { ::ClickTab(m_tabCtrl.m_hWnd, nIndex); }
    CTestPage* TestPage(int nIndex) { return m_pages[nIndex]; }

    UINT m_nPageHelp;
    std::vector<CTestPage*> m_pages;
    std::vector<CPoint> m_moves;
};

class TabbedDialogTest : public ::testing::Test
{
protected:
    TabbedDialogTest()
    {
        g_events.clear();
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
        Cleanup();
    }
    ~TabbedDialogTest() override
    {
        PumpPending();
        Cleanup();
    }
    void Cleanup()
    {
        AfxProfileDelete(app.GetProfileSectionKey(GetDialogProfileSection(IDD_TEST_TABBED)), nullptr);
    }

    CTestAppComm app;
};

TEST_F(TabbedDialogTest, PagesAreMadeOnFirstShowAndKeepTheirState)
{
    CTestTabbedDialog dlg;
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.ShowWindow(SW_SHOWNA);
    ASSERT_EQ(4, dlg.GetPageCount());
    ASSERT_EQ(4, dlg.GetTabCtrl().GetItemCount());
    CString strTab;
    dlg.GetTabCtrl().GetTabText(3, strTab);
    EXPECT_EQ(CString("落札分"), strTab);
    EXPECT_EQ(0, dlg.GetCurSel());
    EXPECT_TRUE(dlg.GetPageEntry(0)->IsPageCreated());
    for (int i = 1; i < 4; ++i)
        EXPECT_FALSE(dlg.GetPageEntry(i)->IsPageCreated()) << i;

    CTestPage* pFirst = dlg.TestPage(0);
    pFirst->SetDlgItemText(IDC_TEST_PAGE_EDIT, "入力した値");
    pFirst->CheckDlgButton(IDC_TEST_PAGE_CHECK, BST_CHECKED);
    const HWND hFirst = pFirst->m_hWnd;

    dlg.ClickTab(2);
    EXPECT_TRUE(dlg.GetPageEntry(2)->IsPageCreated());
    EXPECT_FALSE(dlg.GetPageEntry(1)->IsPageCreated());
    EXPECT_TRUE(dlg.TestPage(2)->IsWindowVisible());
    EXPECT_FALSE(pFirst->IsWindowVisible());

    dlg.ClickTab(0);
    EXPECT_EQ(hFirst, pFirst->m_hWnd); // hidden, not destroyed
    EXPECT_TRUE(pFirst->IsWindowVisible());
    CString strValue;
    pFirst->GetDlgItemText(IDC_TEST_PAGE_EDIT, strValue);
    EXPECT_EQ(CString("入力した値"), strValue);
    EXPECT_EQ((UINT)BST_CHECKED, pFirst->IsDlgButtonChecked(IDC_TEST_PAGE_CHECK));

    // The shown page covers the strip's display area, without a caption.
    CRect rcArea;
    dlg.GetTabCtrl().GetWindowRect(&rcArea);
    dlg.GetTabCtrl().AdjustRect(FALSE, &rcArea);
    CRect rcPage;
    pFirst->GetWindowRect(&rcPage);
    EXPECT_TRUE(rcArea == rcPage);
    EXPECT_EQ(0u, pFirst->GetStyle() & WS_CAPTION);
    EXPECT_TRUE(pFirst->TestDialogOption(CBaseDialog::dialogHosted));
    EXPECT_FALSE(pFirst->TestDialogOption(CBaseDialog::dialogStandardTips));

    // Each showing tells the page (after the first, which was posted too).
    PumpPending();
    EXPECT_EQ(2, pFirst->m_nActivations);
    EXPECT_EQ(1, dlg.TestPage(2)->m_nActivations);

    dlg.DestroyWindow();
    g_events.clear();
}

TEST_F(TabbedDialogTest, ResizedDialogRefitsTheShownPage)
{
    class CResizingDialog : public CTestTabbedDialog
    {
    public:
        CResizingDialog() { EnableResize(TRUE); }
        void RegisterLayoutControls() override
        {
            CTestTabbedDialog::RegisterLayoutControls();
            AddControl(IDC_TEST_TABS, ANCHOR_FILL);
            AddControl(IDOK, ANCHOR_BOTTOM_RIGHT);
        }
    } dlg;
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    CRect rcWindow;
    dlg.GetWindowRect(&rcWindow);
    dlg.MoveWindow(rcWindow.left, rcWindow.top, rcWindow.Width() + 80, rcWindow.Height() + 40);
    CRect rcArea;
    dlg.GetTabCtrl().GetWindowRect(&rcArea);
    dlg.GetTabCtrl().AdjustRect(FALSE, &rcArea);
    CRect rcPage;
    dlg.TestPage(0)->GetWindowRect(&rcPage);
    EXPECT_TRUE(rcArea == rcPage);
    EXPECT_GT(rcPage.Width(), 300);
    dlg.DestroyWindow();
    g_events.clear();
}

TEST_F(TabbedDialogTest, OkSelectsThePageThatFailsItsCheck)
{
    CTestTabbedDialog dlg;
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.TestPage(2)->m_bValid = FALSE;
    dlg.TestPage(3)->m_bValid = FALSE; // never shown: not checked
    dlg.ClickTab(2);
    dlg.ClickTab(0);
    g_events.clear();
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_EQ(2, dlg.GetCurSel());
    EXPECT_EQ((std::vector<std::string>{"validated 出品中", "validated 落札者なし"}), g_events);

    // With only the selected page checked, the one shown now.
    g_events.clear();
    dlg.GetValidationOptions().Add(CTabbedDialog::validateSelectedOnly);
    dlg.ClickTab(0);
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_EQ((std::vector<std::string>{"validated 出品中"}), g_events);
    dlg.DestroyWindow();
}

TEST_F(TabbedDialogTest, NeverShownPagesAreCheckedOnlyWhenAsked)
{
    CTestTabbedDialog dlg;
    dlg.GetValidationOptions().Add(CTabbedDialog::validateUncreated);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.TestPage(3)->m_bValid = FALSE;
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_EQ(3, dlg.GetCurSel());
    EXPECT_TRUE(dlg.GetPageEntry(3)->IsPageCreated());
    dlg.DestroyWindow();
}

TEST_F(TabbedDialogTest, LastTabIsKeptAndClampedAtTheStart)
{
    const struct
    {
        const char* name;
        int stored;
        int opened;
    } cases[] = {
        {"7 with four pages opens the fourth", 7, 3},
        {"negative opens the first", -2, 0},
        {"the second", 1, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        WriteDialogProfileInt(IDD_TEST_TABBED, "SelectTab", c.stored);
        CTestTabbedDialog dlg;
        ASSERT_TRUE(dlg.CreateModeless(nullptr));
        EXPECT_EQ(c.opened, dlg.GetCurSel());
        EXPECT_TRUE(dlg.GetPageEntry(c.opened)->IsStartPage());
        EXPECT_TRUE(dlg.GetPageEntry(c.opened)->IsCurrentPage());
        dlg.ClickTab(2);
        dlg.DestroyWindow();
        EXPECT_EQ(2, GetDialogProfileInt(IDD_TEST_TABBED, "SelectTab", -1));
    }
}

TEST_F(TabbedDialogTest, DialogDeletesItsPages)
{
    {
        CTestTabbedDialog dlg;
        ASSERT_TRUE(dlg.CreateModeless(nullptr));
        dlg.DestroyWindow();
        g_events.clear();
    }
    EXPECT_EQ(4u, g_events.size());
    EXPECT_EQ("deleted 出品中", g_events[0]);
}

struct CCapturedCmdUI : public CCmdUI
{
    int m_nEnabled = -1;
    void Enable(BOOL bOn) override { m_nEnabled = bOn ? 1 : 0; }
};

TEST_F(TabbedDialogTest, HelpOfPagesWithoutIdsEndsWithoutAskingRound)
{
    const struct
    {
        const char* name;
        UINT dialogHelp, pageHelp;
        UINT expected;
    } cases[] = {
        {"neither has an id", 0, 0, 0},
        {"the page has one", 0, 300, 300},
        {"the dialog has one", 200, 0, 200},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestTabbedDialog dlg(c.dialogHelp, c.pageHelp);
        ASSERT_TRUE(dlg.CreateModeless(nullptr));
        dlg.ShowWindow(SW_SHOW);
        CTestPage* pPage = dlg.TestPage(0);
        EXPECT_EQ(c.expected, dlg.GetHelpId());
        EXPECT_EQ(c.expected, pPage->GetHelpId());

        // F1 in the page, a right click on it and the update of 41000.
        HELPINFO info = {};
        info.cbSize = sizeof(info);
        pPage->SendMessage(WM_HELP, 0, (LPARAM)&info);
        if (c.expected == 0)
        {
            pPage->GetDlgItem(IDC_TEST_PAGE_EDIT)->PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, 0);
            PumpPending();
        }
        CCapturedCmdUI ui;
        ui.m_nID = ID_DIALOG_HELP;
        pPage->OnCmdMsg(ID_DIALOG_HELP, (int)CN_UPDATE_COMMAND_UI, &ui, nullptr);
        EXPECT_EQ(c.expected != 0 ? 1 : 0, ui.m_nEnabled);
        dlg.DestroyWindow();
    }
}

TEST_F(TabbedDialogTest, MessageOfAPageShowsItsTabFirst)
{
    static std::vector<std::string> s_boxes;
    s_boxes.clear();
    AFX_MESSAGEBOX_HOOK pfnOld = AfxSetMessageBoxHook(
        [](LPCTSTR lpszText, UINT, void*)
        {
            s_boxes.push_back(lpszText);
            return IDOK;
        });
    CTestTabbedDialog dlg;
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.ClickTab(1);
    dlg.ClickTab(0);
    EXPECT_EQ(IDOK, dlg.TestPage(1)->ShowMessage(IDS_MESSAGE_DONT_SHOW_AGAIN, MB_OK));
    EXPECT_EQ(1, dlg.GetCurSel());
    ASSERT_EQ(1u, s_boxes.size());
    EXPECT_EQ("次回から表示しない(&E)", s_boxes[0]);
    AfxSetMessageBoxHook(pfnOld);
    dlg.DestroyWindow();
}

TEST_F(TabbedDialogTest, TabStripKeepsColoursImagesAndPassesTheMouseOn)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 15, ILC_COLOR24 | ILC_MASK, 2, 1));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDR_TEST_TOOLBAR));
    images.Add(&bitmap, RGB(192, 192, 192));
    ASSERT_EQ(2, images.GetImageCount());

    class CImagedDialog : public CTestTabbedDialog
    {
    public:
        CImageList* m_pImages = nullptr;
        void OnBeforeAddPages() override { m_tabCtrl.SetImageList(m_pImages); }
    } dlg;
    dlg.m_pImages = &images;
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    CCommTabCtrl& tabs = dlg.GetTabCtrl();
    // Two images for four tabs: the extra tabs have none.
    EXPECT_EQ(0, tabs.GetTabImage(0));
    EXPECT_EQ(1, tabs.GetTabImage(1));
    EXPECT_EQ(-1, tabs.GetTabImage(2));
    EXPECT_EQ(-1, tabs.GetTabImage(3));
    EXPECT_EQ(-1, tabs.GetTabImage(9));

    // Owner-drawn tabs are 21 high (and 96 wide in a strip of fixed width).
    CRect rcTab;
    tabs.GetItemRect(1, &rcTab);
    EXPECT_EQ(21, rcTab.Height());

    EXPECT_EQ((COLORREF)-1, tabs.GetTabBkColor(1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), tabs.GetEffectiveBkColor(1));
    tabs.SetDefaultBkColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), tabs.GetEffectiveBkColor(1));
    EXPECT_TRUE(tabs.SetTabBkColor(1, RGB(200, 0, 0), TRUE));
    EXPECT_TRUE(tabs.SetTabTextColor(1, RGB(0, 0, 200), TRUE));
    EXPECT_EQ(RGB(200, 0, 0), tabs.GetEffectiveBkColor(1));
    EXPECT_EQ(RGB(0, 0, 200), tabs.GetEffectiveTextColor(1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), tabs.GetEffectiveTextColor(2));
    EXPECT_FALSE(tabs.SetTabBkColor(9, RGB(1, 1, 1), FALSE));

    tabs.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
    CPoint pt(5, 6);
    tabs.MapWindowPoints(&dlg, &pt, 1);
    ASSERT_EQ(1u, dlg.m_moves.size());
    EXPECT_EQ(pt.x, dlg.m_moves[0].x);
    EXPECT_EQ(pt.y, dlg.m_moves[0].y);
    dlg.ShowWindow(SW_SHOW);
    dlg.UpdateWindow(); // draws every tab
    dlg.DestroyWindow();
}
} // namespace
#endif // _WIN32
