// The preview page of a tabbed dialog under Wine: made when its tab first
// shows, it writes its temporary file and shows it, and its browser takes
// the focus when the dialog has shown the page.
#include "BrowserTestApp.h"
#include "BrowserTestResources.h"

#include "afx/RegKey.h"
#include "app/TabbedDialog.h"
#include "controls/BrowserResourceIds.h"
#include "controls/HtmlCommView.h"
#include "controls/HtmlFrame.h"
#include "controls/TempHtmlPreviewBasePage.h"

#include <gtest/gtest.h>

namespace
{
const char kHtml[] = "<p>追加説明：<b>送料無料</b></p>";

class CTextPage : public CTabbedPage
{
public:
    CTextPage() : CTabbedPage(IDD_TEST_TEXT_PAGE) {}
    void GetTitle(CString& strTitle) override { strTitle = "テキスト"; }
};

class CTestPreviewPage : public CTempHtmlPreviewBasePage
{
public:
    CTestPreviewPage() : CTempHtmlPreviewBasePage(IDD_TEST_PREVIEW_PAGE) { SetHtml(kHtml); }
    void GetTitle(CString& strTitle) override { strTitle = "プレビュー"; }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CTempHtmlPreviewBasePage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_PAGE_STATUS, m_statusStatic);
        DDX_Control(pDX, IDC_TEST_PAGE_PLACEHOLDER, m_placeholder);
    }
};

class CPreviewTabbedDialog : public CTabbedDialog
{
public:
    CPreviewTabbedDialog() : CTabbedDialog(IDD_TEST_TABBED_PREVIEW, IDC_TEST_TABS) {}
    void AddPages() override
    {
        AddPage(new CTextPage);
        m_pPreview = new CTestPreviewPage;
        AddPage(m_pPreview);
    }
    // The user clicks the tab's middle.
    void ClickTab(int nIndex)
    {
        CRect rect;
        m_tabCtrl.SendMessage(TCM_GETITEMRECT, (WPARAM)nIndex, (LPARAM)&rect);
        LPARAM lPoint = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        m_tabCtrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        m_tabCtrl.SendMessage(WM_LBUTTONUP, 0, lPoint);
    }

    CTestPreviewPage* m_pPreview = nullptr;
};
} // namespace

TEST(PreviewPageTest, ShowsItsFileWhenItsTabShowsAndGivesTheBrowserTheFocus)
{
    CRegKey::DeleteTree(HKEY_CURRENT_USER, theApp.GetProfileSectionKey("Dialog\\30120"));
    CString work;
    ASSERT_TRUE(theApp.GetTempWorkFilePath(work));
    CString path = work + "_preview_page.htm";
    {
        CPreviewTabbedDialog dialog;
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        dialog.ShowWindow(SW_SHOW);
        EXPECT_FALSE(dialog.GetPageEntry(1)->IsPageCreated());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path));

        dialog.ClickTab(1);
        ASSERT_TRUE(dialog.GetPageEntry(1)->IsPageCreated());
        EXPECT_EQ(kHtml, ReadWholeFile(path));
        CHtmlFrame* pFrame = dialog.m_pPreview->GetFrame();
        ASSERT_NE(nullptr, pFrame);
        EXPECT_EQ(IDC_PREVIEW_PAGE_BROWSER, pFrame->GetDlgCtrlID());
        EXPECT_EQ(dialog.m_pPreview->m_hWnd, ::GetParent(pFrame->m_hWnd));

        // The dialog posts the page its activation whenever it shows it:
        // the browser takes the focus, wherever the user left it.
        HWND hView = pFrame->GetView()->m_hWnd;
        auto browserHasFocus = [&]
        {
            HWND hFocus = ::GetFocus();
            return hFocus == hView || ::IsChild(hView, hFocus);
        };
        EXPECT_TRUE(PumpUntil(browserHasFocus));
        dialog.m_pPreview->GetDlgItem(IDC_TEST_PAGE_EDIT)->SetFocus();
        dialog.ClickTab(0);
        dialog.ClickTab(1);
        EXPECT_TRUE(PumpUntil(browserHasFocus));
        dialog.DestroyWindow();
    }
    // The page went with its dialog, and its file with it.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path));
}
