// What the client's template pieces share beyond the description dialog:
// the rating dialog's menu over its role's set, the managers' new rows of
// their set's kind, and the preview of a description with its temporary
// file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ActionDialogTestSupport.h"
#include "afx/File.h"
#include "afx/TestText.h"
#include "app/AppComm.h"
#include "app/DialogTestUtil.h"
#include "client/DataFileTestSupport.h"
#include "client/DataSetFiles.h"
#include "client/TemplateRateEditItem.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/RateSettingDialog.h"
#include "client/actions/feedback/RateValues.h"
#include "client/actions/shared/DescriptionPreviewDialog.h"
#include "client/actions/shared/TanzoTemplateListDialog.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"

namespace
{
class TemplateMenu : public ::testing::Test
{
protected:
    static constexpr const char* kKey = "Tanzo Template Menu Test";
    CProfileScope profile{kKey};
    CMessageBoxRecorder boxes;
    CTempFolder folder;
    CTestDocData doc{folder.Path()};
};

// A manager of a set, its new rows seen from outside.
class CSetManager : public CTanzoTemplateListDialog
{
public:
    explicit CSetManager(int nSet) : CTanzoTemplateListDialog(0), m_nSet(nSet) {}
    std::unique_ptr<CTemplateStringItem> NewItem()
    {
        return std::unique_ptr<CTemplateStringItem>(CreateItem());
    }
    int MaxCount() { return GetMaxCount(); }

protected:
    int GetTemplateSet() override { return m_nSet; }
    int GetColumnCount() override { return 1; }
    LPCTSTR GetColumnWidthKey(int) override { return "Width"; }
    int GetDefaultColumnWidth(int) override { return 100; }
    UINT GetColumnTitleId(int) override { return 0; }
    int GetColumnFormat(int) override { return LVCFMT_LEFT; }
    void GetRowText(int, CString&) override {}

private:
    int m_nSet;
};

// A program's application object, whose temporary work file the preview
// writes beside.
class CPreviewApp : public CAppComm
{
public:
    explicit CPreviewApp(LPCTSTR lpszKey) : CAppComm("TanzoPreviewTest") { SetRegistryKey(lpszKey); }
    void InitProfileName() override {}
    LPCTSTR GetWindowClassName() override { return nullptr; }
    LPCTSTR GetMutexName() override { return nullptr; }
};

std::string FileText(const CString& path)
{
    std::string text;
    try
    {
        CFile file(path, CFile::modeRead);
        std::vector<char> bytes((size_t)file.GetLength());
        if (!bytes.empty())
            file.Read(bytes.data(), (UINT)bytes.size());
        text.assign(bytes.begin(), bytes.end());
    }
    catch (CFileException* e)
    {
        e->Delete();
        return "(missing)";
    }
    return text;
}

// What a preview dialog showed before it was closed.
struct Shown
{
    std::string caption, button, html, file;
    int width = 0, height = 0;
};

Shown ShowPreview(LPCTSTR text)
{
    Shown shown;
    CDescriptionPreviewDialog dialog(text);
    RunModal(dialog,
             [&]
             {
                 char szCaption[64] = {};
                 ::GetWindowTextA(dialog.m_hWnd, szCaption, sizeof(szCaption));
                 shown.caption = szCaption;
                 shown.button = ControlText(dialog.m_hWnd, IDOK);
                 CRect rc;
                 dialog.GetWindowRect(&rc);
                 shown.width = rc.Width();
                 shown.height = rc.Height();
                 shown.html = (LPCTSTR)dialog.GetHtml();
                 shown.file = dialog.GetFilePath().IsEmpty() ? "(none)" : FileText(dialog.GetFilePath());
                 ClickButton(dialog, IDOK);
             });
    return shown;
}
} // namespace

TEST_F(TemplateMenu, TheRatingDialogsMenuAddsTheInputWithItsRating)
{
    const CTemplateRateEditItem kept(4, "良い取引でした。");
    doc.AddTemplate(dataSetSellerRatingTemplates, &kept);
    CRateSettingDialog dialog(CRateSettingDialog::flagFeedback | CRateSettingDialog::flagAsSeller);
    dialog.SetDocument(&doc);
    std::vector<std::string> menu;
    RunModal(dialog,
             [&]
             {
                 CloseMenuSoon(nullptr, [&](HWND hMenu) { menu = OpenMenuItems(hMenu); });
                 ClickButton(dialog, IDC_RATE_TEMPLATE_BUTTON);
                 ::SetWindowTextA(dialog.GetDlgItem(IDC_RATE_COMMENT)->m_hWnd, "また機会があれば。");
                 ::SendMessageA(dialog.GetDlgItem(IDC_RATE_VALUE)->m_hWnd, CB_SETCURSEL, 1, 0);
                 boxes.nAnswer = IDYES;
                 dialog.SendMessage(WM_COMMAND, ID_TEMPLATE_ADD_CURRENT, 0);
                 dialog.EndDialog(IDCANCEL);
             });
    ASSERT_EQ(4u, menu.size());
    EXPECT_EQ("&1 [良い]良い取引でした。 33160", menu[3]);
    EXPECT_EQ((std::vector<std::string>{LoadText(IDS_TEMPLATE_ADD_QUESTION), LoadText(IDS_TEMPLATE_ADDED)}),
              boxes.texts);
    ASSERT_EQ(2, doc.GetTemplateCount(dataSetSellerRatingTemplates));
    CTemplateRateEditItem added;
    ASSERT_TRUE(doc.GetTemplate(dataSetSellerRatingTemplates, 1, added));
    EXPECT_EQ("また機会があれば。", std::string((LPCTSTR)added.GetTitle()));
    EXPECT_EQ(CRateIndexToValue(1), added.GetRating());
    // The buyer's set is another one.
    EXPECT_EQ(0, doc.GetTemplateCount(dataSetBuyerRatingTemplates));
}

TEST_F(TemplateMenu, AManagersNewRowsAreOfItsSetsKind)
{
    const struct
    {
        int nSet;
        bool bRating;
    } cases[] = {{dataSetDescriptionTemplates, false},
                 {dataSetSellerRatingTemplates, true},
                 {dataSetBuyerRatingTemplates, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nSet);
        CSetManager manager(c.nSet);
        EXPECT_EQ(20, manager.MaxCount());
        std::unique_ptr<CTemplateStringItem> item = manager.NewItem();
        ASSERT_NE(nullptr, item);
        EXPECT_EQ(c.bRating, dynamic_cast<CTemplateRateEditItem*>(item.get()) != nullptr);
    }
}

TEST_F(TemplateMenu, APreviewShowsItsTextOrNothingAndTellsWhenItHasNoFile)
{
    const std::string text = "<b>説明</b>&nbsp;送料&込み<br>";
    Shown given, none, failed;
    {
        CPreviewApp app(kKey);
        given = ShowPreview(text.c_str());
        none = ShowPreview(nullptr);
    }
    EXPECT_EQ("プレビュー", given.caption);
    EXPECT_EQ("閉じる(&C)", given.button);
    EXPECT_EQ(CDescriptionPreviewDialog::DefaultWidth, given.width);
    EXPECT_EQ(CDescriptionPreviewDialog::DefaultHeight, given.height);
    EXPECT_NE(std::string::npos, given.html.find(text));
    EXPECT_EQ(given.html, given.file);
    EXPECT_EQ("", none.html);
    EXPECT_EQ("", none.file);
    EXPECT_TRUE(boxes.texts.empty());

    // No folder for temporary files: told, and the dialog still shows.
    char szTemp[MAX_PATH] = {};
    ::GetEnvironmentVariableA("TMP", szTemp, sizeof(szTemp));
    const std::string missing = std::string((LPCTSTR)folder.Path()) + "\\missing";
    ::SetEnvironmentVariableA("TMP", missing.c_str());
    {
        CPreviewApp app(kKey);
        failed = ShowPreview(text.c_str());
    }
    ::SetEnvironmentVariableA("TMP", szTemp[0] != '\0' ? szTemp : nullptr);
    EXPECT_EQ("(none)", failed.file);
    EXPECT_EQ(std::vector<std::string>{LoadText(IDS_TEMP_FILE_FAILED)}, boxes.texts);
    EXPECT_EQ("プレビュー", failed.caption);
}
