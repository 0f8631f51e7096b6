// The category dialog's history on a template in the client's place,
// driven as a user would.

#include <gtest/gtest.h>

#include <string>

#include "EditorTestResources.h"
#include "EditorTestUtil.h"
#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "app/DialogTestUtil.h"
#include "app/ProfileTestUtil.h"
#include "auction/records/AuctionCategoryReferBaseDialog.h"
#include "net/HttpTestSupport.h"

namespace
{
class CCategoryPage : public CTabbedPage
{
public:
    CCategoryPage() : CTabbedPage(IDD_TEST_CATEGORY_PAGE) {}
    void GetTitle(CString& strTitle) override { strTitle = "カテゴリ"; }
};

// Loads the remembered categories into its history list, as the client's
// dialogs do.
class CTestCategoryDialog : public CAuctionCategoryReferBaseDialog
{
public:
    CTestCategoryDialog() : CAuctionCategoryReferBaseDialog(IDD_TEST_CATEGORIES, IDC_TEST_CATEGORY_TABS) {}

    CListBox& History() { return m_historyList; }

protected:
    void AddPages() override { AddPage(new CCategoryPage); }
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionCategoryReferBaseDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_CATEGORY_HISTORY, m_historyList);
        DDX_Control(pDX, IDC_TEST_CATEGORY_USE, m_selectionButtons[0]);
        DDX_Control(pDX, IDC_TEST_CATEGORY_FORGET, m_selectionButtons[1]);
    }
    BOOL OnInitDialog() override
    {
        const int nCount = GetDialogProfileInt(GetSettingsId(), "CategoryNum", 0);
        for (int i = 0; i < nCount; ++i)
        {
            AuctionCategory* pCategory = m_categories.CreateElement();
            if (m_categories.ReadElement(*pCategory, GetSettingsId(), i))
                m_categories.Append(pCategory);
            else
                delete pCategory;
        }
        CAuctionCategoryReferBaseDialog::OnInitDialog();
        for (int i = 0; i < m_categories.GetCount(); ++i)
            m_historyList.AddString(m_categories.GetAt(i)->GetName());
        return TRUE;
    }
    BOOL ConfirmClearCategories() override
    {
        return AfxMessageBox(IDS_TEST_CATEGORY_CLEAR_QUESTION, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
               IDYES;
    }
};

class CategoryDialogs : public EditorDialogs
{
protected:
    CategoryDialogs()
    {
        CAuctionCategoryList list;
        list.WriteElement(AuctionCategory(2084005403, "本、雑誌"), IDD_TEST_CATEGORIES, 0);
        list.WriteElement(AuctionCategory(23336, "家電"), IDD_TEST_CATEGORIES, 1);
        list.WriteCount(IDD_TEST_CATEGORIES, 2);
    }
    std::string Stored(LPCTSTR lpszKey)
    {
        return StoredProfileValue(app, GetDialogProfileSection(IDD_TEST_CATEGORIES), lpszKey);
    }
    // The user picks row nRow: the list box tells its dialog.
    static void SelectRow(CTestCategoryDialog& dlg, int nRow)
    {
        dlg.History().SetCurSel(nRow);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_HISTORY, LBN_SELCHANGE),
                        (LPARAM)dlg.History().m_hWnd);
    }
};
} // namespace

TEST_F(CategoryDialogs, ButtonsNeedASelectionAndADoubleClickIsOk)
{
    CTestCategoryDialog dlg;
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 EXPECT_EQ(2, dlg.History().GetCount());
                                 EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_CATEGORY_USE));
                                 EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_CATEGORY_FORGET));
                                 SelectRow(dlg, 1);
                                 EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_CATEGORY_USE));
                                 EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_CATEGORY_FORGET));
                                 SelectRow(dlg, -1);
                                 EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_CATEGORY_USE));
                                 // Back and forward without a frame do nothing.
                                 dlg.SendMessage(WM_COMMAND, IDC_CATEGORY_BACK);
                                 dlg.SendMessage(WM_COMMAND, IDC_CATEGORY_FORWARD);
                                 SelectRow(dlg, 0);
                                 dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_HISTORY, LBN_DBLCLK),
                                                 (LPARAM)dlg.History().m_hWnd);
                             }));
}

TEST_F(CategoryDialogs, ClearingAsksThenZeroesTheCount)
{
    CTestCategoryDialog dlg;
    CMessageBoxes boxes({IDNO, IDYES});
    EXPECT_EQ(IDCANCEL, RunModal(dlg,
                                 [&]
                                 {
                                     SelectRow(dlg, 0);
                                     ClickButton(dlg, IDC_CATEGORY_CLEAR); // No
                                     EXPECT_EQ(2, dlg.History().GetCount());
                                     EXPECT_EQ("2", Stored("CategoryNum"));
                                     ClickButton(dlg, IDC_CATEGORY_CLEAR); // Yes
                                     EXPECT_EQ(0, dlg.History().GetCount());
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_CATEGORY_USE));
                                     ClickButton(dlg, IDCANCEL);
                                 }));
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ("選択履歴をクリアします。よろしいですか？", boxes.texts[0]);
    EXPECT_EQ("0", Stored("CategoryNum"));
    EXPECT_EQ("2084005403", Stored("Category001"));
    EXPECT_EQ("家電", Stored("CategoryName002"));
}
