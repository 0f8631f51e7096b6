// The preview dialog under Wine: the browser in the placeholder's place,
// the temporary file it shows and removes, its default size, and a
// download that takes too long ending the dialog.
#include "BrowserTestApp.h"
#include "BrowserTestResources.h"
#include "net/win32/StandIn.h"

#include "afx/MessageBox.h"
#include "afx/RegKey.h"
#include "controls/BrowserResourceIds.h"
#include "controls/HtmlCommView.h"
#include "controls/HtmlFrame.h"
#include "controls/TempHtmlPreviewBaseDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class CTestPreviewDialog : public CTempHtmlPreviewBaseDialog
{
public:
    explicit CTestPreviewDialog(LPCTSTR lpszHtml, BOOL bResizable = FALSE)
        : CTempHtmlPreviewBaseDialog(IDD_TEST_PREVIEW)
    {
        SetHtml(lpszHtml);
        if (bResizable)
            EnableResize(TRUE);
    }
    BOOL GetDefaultSize(CSize& size) override
    {
        size = m_defaultSize;
        return size.cx > 0;
    }
    void RefreshPreview() override
    {
        if (m_slowUrl.IsEmpty())
        {
            CTempHtmlPreviewBaseDialog::RefreshPreview();
            return;
        }
        GetFrame()->GetView()->SetDownloadTimeout(1);
        GetFrame()->Navigate(m_slowUrl);
    }

    CSize m_defaultSize{0, 0};
    CString m_slowUrl;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CTempHtmlPreviewBaseDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_PREVIEW_STATUS, m_statusStatic);
        DDX_Control(pDX, IDC_TEST_PREVIEW_PLACEHOLDER, m_placeholder);
    }
};

CString PreviewFile()
{
    CString path;
    EXPECT_TRUE(theApp.GetTempWorkFilePath(path));
    return path + "_preview_dlg.htm";
}

CRect ChildRect(CWnd* pParent, int nID)
{
    CRect rect;
    pParent->GetDlgItem(nID)->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

int RecordBox(LPCTSTR lpszText, UINT nType, void* pParam)
{
    static_cast<std::vector<CString>*>(pParam)->push_back(lpszText);
    return AfxDefaultMessageBoxAnswer(nType);
}

class PreviewDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CRegKey::DeleteTree(HKEY_CURRENT_USER, theApp.GetProfileSectionKey("Dialog\\30110"));
    }
    void TearDown() override { PumpPending(); }
};
} // namespace

TEST_F(PreviewDialogTest, ShowsItsHtmlThroughATemporaryFileAndRemovesIt)
{
    const char kHtml[] = "<html><body><p>商品説明のプレビュー</p></body></html>\r\n";
    CString path = PreviewFile();
    {
        CTestPreviewDialog dialog(kHtml);
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        EXPECT_EQ(kHtml, ReadWholeFile(path));
        EXPECT_STREQ(path, dialog.GetFilePath());

        // The browser took the placeholder's place.
        CHtmlFrame* pFrame = dialog.GetFrame();
        ASSERT_NE(nullptr, pFrame);
        EXPECT_EQ(IDC_PREVIEW_DIALOG_BROWSER, pFrame->GetDlgCtrlID());
        EXPECT_EQ(ChildRect(&dialog, IDC_TEST_PREVIEW_PLACEHOLDER),
                  ChildRect(&dialog, IDC_PREVIEW_DIALOG_BROWSER));
        ASSERT_TRUE(PumpUntil([&] { return !pFrame->GetView()->GetLocationURL().IsEmpty(); }));
        EXPECT_TRUE(dialog.IsOwnFile(pFrame->GetView()->GetLocationURL()))
            << pFrame->GetView()->GetLocationURL();
        EXPECT_EQ(::LoadIconA(nullptr, IDI_INFORMATION), dialog.GetIcon(TRUE));
        dialog.DestroyWindow();
        // The file lives as long as the dialog object.
        EXPECT_EQ(kHtml, ReadWholeFile(path));
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path));
}

TEST_F(PreviewDialogTest, OpensAtItsDefaultSizeAndTheBrowserGrowsWithIt)
{
    CTestPreviewDialog dialog("<p>x</p>", TRUE);
    dialog.m_defaultSize = CSize(780, 600);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    CRect rect;
    dialog.GetWindowRect(&rect);
    EXPECT_EQ(780, rect.Width());
    EXPECT_EQ(600, rect.Height());

    // The browser fills what the template gave the placeholder and more;
    // the status line keeps to the bottom, stretched; OK stays in the corner.
    CRect client, browser, status, ok;
    dialog.GetClientRect(&client);
    browser = ChildRect(&dialog, IDC_PREVIEW_DIALOG_BROWSER);
    status = ChildRect(&dialog, IDC_TEST_PREVIEW_STATUS);
    ok = ChildRect(&dialog, IDOK);
    CRect placeholder = ChildRect(&dialog, IDC_TEST_PREVIEW_PLACEHOLDER);
    EXPECT_GT(browser.Width(), placeholder.Width());
    EXPECT_GT(browser.Height(), placeholder.Height());
    EXPECT_EQ(client.right - browser.right, client.right - status.right);
    EXPECT_LT(browser.bottom, status.top);
    EXPECT_EQ(status.right, ok.right);
    EXPECT_GT(ok.top, status.bottom);
    // The template leaves 5 dialog units under OK.
    CRect margin(0, 0, 0, 5);
    ::MapDialogRect(dialog.m_hWnd, &margin);
    EXPECT_EQ(margin.bottom, client.bottom - ok.bottom);
    dialog.DestroyWindow();
}

TEST_F(PreviewDialogTest, ADownloadThatTakesTooLongEndsTheDialog)
{
    ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
    std::vector<CString> boxes;
    AFX_MESSAGEBOX_HOOK pfnOld = AfxSetMessageBoxHook(RecordBox, &boxes);
    CTestPreviewDialog dialog("");
    dialog.m_slowUrl = StandIn::Url("AUCTIONS", "/test/slow?wait=3").c_str();
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    AfxSetMessageBoxHook(pfnOld);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("ダウンロード処理がタイムアウトしました。", boxes[0]);
}
