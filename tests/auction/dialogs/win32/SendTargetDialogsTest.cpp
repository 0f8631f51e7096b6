// The partner-selection dialog on a template in the client's place,
// driven as a user would.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorTestResources.h"
#include "EditorTestUtil.h"
#include "afx/DataExchange.h"
#include "app/DialogTestUtil.h"
#include "auction/dialogs/SendTargetSelectBaseDialog.h"

namespace
{
struct Row
{
    const char* name;
    int nFlags; // of the check cell
};

class CTestTargetsDialog : public CSendTargetSelectBaseDialog
{
public:
    CTestTargetsDialog() : CSendTargetSelectBaseDialog(IDD_TEST_TARGETS) {}

    CCommListCtrl& List() { return m_list; }
    CDecorateStatic& Hint() { return m_hintStatic; }
    CURLStatic& Link() { return m_linkStatic; }

    // The rows of each FillList in turn (the last repeats).
    std::vector<std::vector<Row>> m_fills;
    int m_nFills = 0;
    int m_nCheckColumn = 0;
    BOOL m_bRefreshOnShow = TRUE;
    std::vector<int> m_noTargets;

protected:
    BOOL OnInitDialog() override
    {
        // Dialogs that should end by themselves do not hang a failing test.
        EndDialogAfter(m_hWnd);
        return CSendTargetSelectBaseDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        CSendTargetSelectBaseDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_TARGET_LINK, m_linkStatic);
        DDX_Control(pDX, IDC_TEST_TARGET_LIST, m_list);
        DDX_Control(pDX, IDC_TEST_TARGET_ALL, m_buttons[0]);
        DDX_Control(pDX, IDC_TEST_TARGET_NONE, m_buttons[1]);
        DDX_Control(pDX, IDC_TEST_TARGET_OTHER, m_buttons[2]);
        DDX_Control(pDX, IDC_TEST_TARGET_HINT, m_hintStatic);
    }
    CCommListCtrl* GetListCtrl() override { return &m_list; }
    int GetColumnCount() override { return 2; }
    UINT GetColumnTitleId(int nColumn) override
    {
        return nColumn == 0 ? IDS_TEST_TARGET_NAME : IDS_TEST_TARGET_PAGE;
    }
    int GetColumnFormat(int) override { return LVCFMT_LEFT; }
    BOOL GetLinkColumn(int& nColumn, COLORREF& crText) override
    {
        nColumn = 1;
        crText = RGB(0, 0, 255);
        return TRUE;
    }
    int GetCheckColumn() override { return m_nCheckColumn; }
    void OnNoTarget(int nReason) override { m_noTargets.push_back(nReason); }
    BOOL GetHeaderLink(CString& strText, CString& strAddress) override
    {
        strText = "評価の一覧";
        strAddress = "https://example.jp/rating/list";
        return TRUE;
    }
    void FillList() override
    {
        const std::vector<Row>& rows =
            m_fills.empty() ? std::vector<Row>() : m_fills[std::min<size_t>(m_nFills, m_fills.size() - 1)];
        ++m_nFills;
        for (const Row& row : rows)
        {
            const int nRow = m_list.InsertItem(m_list.GetItemCount(), row.name);
            m_list.SetItemText(nRow, 1, "https://example.jp/user");
            if (m_nCheckColumn >= 0)
                m_list.SetCellFlags(nRow, m_nCheckColumn, row.nFlags);
        }
    }
    BOOL NeedsRefreshOnShow() override { return m_bRefreshOnShow; }

    CCommListCtrl m_list;
};

class SendTargetDialogs : public EditorDialogs
{
};
} // namespace

TEST_F(SendTargetDialogs, OkWantsATickedPartner)
{
    struct Case
    {
        const char* name;
        int nCheckColumn;
        std::vector<Row> rows;
        std::vector<int> noTargets; // after the first OK
        bool bCloses;
    } cases[] = {
        {"no row ticked", 0, {{"a", 0}, {"b", 0}}, {1}, false},
        {"only fixed cells ticked",
         0,
         {{"a", LISTCELL_CHECKED | LISTCELL_FIXED}, {"b", LISTCELL_FIXED}},
         {1},
         false},
        {"a row ticked", 0, {{"a", 0}, {"b", LISTCELL_CHECKED}}, {}, true},
        {"no check column", -1, {{"a", 0}}, {}, true},
        {"a check column past the columns", 2, {{"a", 0}}, {}, false},
    };
    for (const Case& c : cases)
    {
        CTestTargetsDialog dlg;
        dlg.m_nCheckColumn = c.nCheckColumn;
        dlg.m_fills = {c.rows};
        std::vector<int> noTargets;
        bool bOpenAfterOk = false;
        const INT_PTR nResult = RunModal(dlg,
                                         [&]
                                         {
                                             ClickButton(dlg, IDOK);
                                             noTargets = dlg.m_noTargets;
                                             bOpenAfterOk =
                                                 ::IsWindow(dlg.m_hWnd) && ::IsWindowVisible(dlg.m_hWnd);
                                             if (bOpenAfterOk)
                                                 ClickButton(dlg, IDCANCEL);
                                         });
        EXPECT_EQ(c.noTargets, noTargets) << c.name;
        EXPECT_EQ(!c.bCloses, bOpenAfterOk) << c.name;
        EXPECT_EQ(c.bCloses ? IDOK : IDCANCEL, nResult) << c.name;
    }
}

TEST_F(SendTargetDialogs, CheckAllLeavesFixedCells)
{
    CTestTargetsDialog dlg;
    dlg.m_fills = {{{"a", 0},
                    {"禁止", LISTCELL_FIXED},
                    {"済み", LISTCELL_FIXED | LISTCELL_CHECKED},
                    {"b", LISTCELL_CHECKED}}};
    std::vector<int> all, none;
    RunModal(dlg,
             [&]
             {
                 dlg.SetAllChecks(TRUE);
                 for (int i = 0; i < 4; ++i)
                     all.push_back(dlg.List().GetCellFlags(i, 0));
                 dlg.SetAllChecks(FALSE);
                 for (int i = 0; i < 4; ++i)
                     none.push_back(dlg.List().GetCellFlags(i, 0));
                 ClickButton(dlg, IDCANCEL);
             });
    const int kChecked = LISTCELL_CHECKED;
    const int kFixed = LISTCELL_FIXED;
    EXPECT_EQ((std::vector<int>{kChecked, kFixed, kFixed | kChecked, kChecked}), all);
    EXPECT_EQ((std::vector<int>{0, kFixed, kFixed | kChecked, 0}), none);
}

TEST_F(SendTargetDialogs, RefreshesByTimerOnceShown)
{
    CTestTargetsDialog dlg;
    dlg.SetOptions(CSendTargetSelectBaseDialog::OptionRefreshOnShow);
    dlg.m_fills = {{}, {{"a", 0}, {"b", 0}}};
    std::string rows;
    EXPECT_EQ(IDCANCEL, RunModal(dlg,
                                 [&]
                                 {
                                     ASSERT_TRUE(PumpUntil([&] { return dlg.m_nFills == 2; }));
                                     rows = ColumnTexts(dlg.List());
                                     EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_TARGET_ALL));
                                     EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_TARGET_OTHER));
                                     ClickButton(dlg, IDCANCEL);
                                 }));
    EXPECT_EQ("a|b", rows);
    EXPECT_TRUE(dlg.m_noTargets.empty());
}

TEST_F(SendTargetDialogs, EmptyAfterTheRefreshEndsWithCancel)
{
    CTestTargetsDialog dlg;
    dlg.SetOptions(CSendTargetSelectBaseDialog::OptionRefreshOnShow);
    dlg.m_fills = {{{"a", 0}}, {}};
    // The dialog ends by itself.
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(2, dlg.m_nFills);
    EXPECT_EQ((std::vector<int>{0}), dlg.m_noTargets);
}

TEST_F(SendTargetDialogs, WithoutTheOptionNothingRefreshes)
{
    CTestTargetsDialog dlg;
    dlg.m_fills = {{}};
    EXPECT_EQ(IDCANCEL, RunModal(dlg,
                                 [&]
                                 {
                                     // The buttons need rows.
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TARGET_ALL));
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TARGET_NONE));
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TARGET_OTHER));
                                     ClickButton(dlg, IDCANCEL);
                                 }));
    EXPECT_EQ(1, dlg.m_nFills);
    EXPECT_TRUE(dlg.m_noTargets.empty());
}

TEST_F(SendTargetDialogs, HoveredLinkShowsInTheHintLine)
{
    CTestTargetsDialog dlg;
    dlg.m_fills = {{{"a", 0}}};
    std::string over, beside;
    RunModal(dlg,
             [&]
             {
                 CURLStatic& link = dlg.Link();
                 link.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                 const CRect rcText = link.GetTextRect();
                 ASSERT_FALSE(rcText.IsRectEmpty());
                 link.SendMessage(WM_MOUSEMOVE, 0,
                                  MAKELPARAM(rcText.CenterPoint().x, rcText.CenterPoint().y));
                 CString text;
                 dlg.Hint().GetText(text);
                 over = (LPCTSTR)text;
                 CRect rcClient;
                 link.GetClientRect(&rcClient);
                 link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcClient.right - 2, rcClient.CenterPoint().y));
                 dlg.Hint().GetText(text);
                 beside = (LPCTSTR)text;
                 ClickButton(dlg, IDCANCEL);
             });
    EXPECT_EQ("https://example.jp/rating/list", over);
    EXPECT_EQ("", beside);
}
