// The small framework dialogs on real dialogs: the find dialog's history
// and option, the memo dialog's title, limit and history, and the question
// dialog's icon, default answer and system menu.
#ifdef _WIN32
#include "ControlsTestUtil.h"

#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "afx/Profile.h"
#include "afx/Time.h"
#include "app/DialogProfile.h"
#include "app/ProfileTestUtil.h"
#include "controls/ControlsResourceIds.h"
#include "controls/FindBaseDialog.h"
#include "controls/MemoHistoryDialog.h"
#include "controls/QuestionDialog.h"
#include "controls/TextSizeDialog.h"
#include "controls/VersionInfoDialog.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
const UINT kFindSettings = 62190;
const UINT kMemoSettings = 62191;

std::vector<std::string> g_boxes;

int RecordBox(LPCTSTR lpszText, UINT nType, void*)
{
    g_boxes.push_back(lpszText);
    return AfxDefaultMessageBoxAnswer(nType);
}

class SmallDialogsTest : public ::testing::Test
{
protected:
    SmallDialogsTest()
    {
        // Not the client's own key: other test programs running beside
        // this one empty that whole key.
        app.SetRegistryKey("Tanzo Small Dialogs Test");
        app.InitProfileName();
        Cleanup();
        g_boxes.clear();
        m_pfnOldHook = AfxSetMessageBoxHook(RecordBox);
    }
    ~SmallDialogsTest() override
    {
        PumpPending();
        AfxSetMessageBoxHook(m_pfnOldHook);
        Cleanup();
    }
    void Cleanup()
    {
        for (UINT id : {kFindSettings, kMemoSettings})
            AfxProfileDelete(app.GetProfileSectionKey(GetDialogProfileSection(id)), nullptr);
    }
    std::string Stored(UINT id, const char* key)
    {
        return StoredProfileValue(app, GetDialogProfileSection(id), key);
    }
    static std::vector<std::string> Items(CComboBox& combo)
    {
        std::vector<std::string> items;
        for (int i = 0; i < combo.GetCount(); ++i)
        {
            CString text;
            combo.GetLBText(i, text);
            items.push_back((LPCTSTR)text);
        }
        return items;
    }
    // Runs the dialog modally; the step runs once it shows (and has
    // painted), and ends it.
    static int RunModal(CDialog& dlg, std::function<void()> step)
    {
        std::function<void()> waitShown;
        waitShown = [&dlg, step, &waitShown]
        {
            if (dlg.m_hWnd == nullptr || !dlg.IsWindowVisible())
            {
                CallSoon(waitShown, 10);
                return;
            }
            dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
            step();
        };
        CallSoon(waitShown);
        return (int)dlg.DoModal();
    }

    CTestAppComm app;
    AFX_MESSAGEBOX_HOOK m_pfnOldHook = nullptr;
};

// ---- the find dialog ----

class CTestFindDialog : public CFindBaseDialog
{
public:
    CTestFindDialog() : CFindBaseDialog(IDD_TEST_FIND, nullptr, 0, kFindSettings) {}

    CCommComboBox& Combo() { return m_combo; }

protected:
    CButton* GetOptionCheckBox() override { return (CButton*)GetDlgItem(IDC_TEST_FIND_OPTION); }
    // The search button searches only with a text.
    void OnOK() override
    {
        if (ReadInput())
            CFindBaseDialog::OnOK();
    }
};

TEST_F(SmallDialogsTest, FindRefusesAnEmptyTextAndKeepsTheDialogOpen)
{
    CTestFindDialog dlg;
    std::vector<std::string> items;
    CString strShown = "?";
    const int nResult = RunModal(dlg,
                                 [&]
                                 {
                                     items = Items(dlg.Combo());
                                     dlg.Combo().GetWindowText(strShown);
                                     dlg.SendMessage(WM_COMMAND, IDOK);
                                     EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
                                     dlg.Combo().SetWindowText("表示");
                                     dlg.SendMessage(WM_COMMAND, IDOK);
                                 });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_TRUE(items.empty());
    EXPECT_STREQ("", strShown);
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_EQ("何も入力されていません。", g_boxes[0]);
    CString strSearch;
    dlg.GetSearchText(strSearch);
    EXPECT_STREQ("表示", strSearch);
    EXPECT_EQ("表示", Stored(kFindSettings, "FindString01"));
    EXPECT_EQ("", Stored(kFindSettings, "FindString02"));
    EXPECT_EQ("", Stored(kFindSettings, "FindString20"));
}

TEST_F(SmallDialogsTest, FindKeepsTwentyTextsMostRecentFirst)
{
    CTestFindDialog dlg;
    for (int i = 1; i <= 21; ++i)
    {
        CString text;
        text.Format("語%02d", i);
        RunModal(dlg,
                 [&]
                 {
                     dlg.Combo().SetWindowText(text);
                     dlg.SendMessage(WM_COMMAND, IDOK);
                 });
    }
    EXPECT_EQ("語21", Stored(kFindSettings, "FindString01"));
    EXPECT_EQ("語02", Stored(kFindSettings, "FindString20"));
    EXPECT_EQ("(none)", Stored(kFindSettings, "FindString21"));

    // Opened again: the last search shows, the list holds the history; a
    // text searched before moves to the top.
    std::vector<std::string> items;
    CString strShown;
    RunModal(dlg,
             [&]
             {
                 items = Items(dlg.Combo());
                 dlg.Combo().GetWindowText(strShown);
                 dlg.Combo().SetWindowText("語10");
                 dlg.SendMessage(WM_COMMAND, IDOK);
             });
    ASSERT_EQ(20u, items.size());
    EXPECT_EQ("語21", items[0]);
    EXPECT_EQ("語02", items[19]);
    EXPECT_STREQ("語21", strShown);
    EXPECT_EQ("語10", Stored(kFindSettings, "FindString01"));
    EXPECT_EQ("語21", Stored(kFindSettings, "FindString02"));
    EXPECT_EQ("語02", Stored(kFindSettings, "FindString20"));
}

TEST_F(SmallDialogsTest, FindOptionFollowsTheCheckBox)
{
    CTestFindDialog dlg;
    dlg.SetOption(TRUE);
    UINT nShown = BST_UNCHECKED;
    RunModal(dlg,
             [&]
             {
                 nShown = dlg.IsDlgButtonChecked(IDC_TEST_FIND_OPTION);
                 dlg.CheckDlgButton(IDC_TEST_FIND_OPTION, BST_UNCHECKED);
                 dlg.Combo().SetWindowText("abc");
                 dlg.SendMessage(WM_COMMAND, IDOK);
             });
    EXPECT_EQ((UINT)BST_CHECKED, nShown);
    EXPECT_FALSE(dlg.TestOption(CFindBaseDialog::optionChecked));

    RunModal(dlg,
             [&]
             {
                 nShown = dlg.IsDlgButtonChecked(IDC_TEST_FIND_OPTION);
                 dlg.CheckDlgButton(IDC_TEST_FIND_OPTION, BST_CHECKED);
                 dlg.SendMessage(WM_COMMAND, IDOK);
             });
    EXPECT_EQ((UINT)BST_UNCHECKED, nShown);
    EXPECT_TRUE(dlg.TestOption(CFindBaseDialog::optionChecked));
}

// ---- the memo dialog ----

class CTestMemoDialog : public CMemoHistoryDialog
{
public:
    CTestMemoDialog() : CMemoHistoryDialog(IDD_TEST_MEMO, nullptr, 0, kMemoSettings) {}
    CCommComboBox& Combo() { return m_combo; }

protected:
    UINT GetTitleId() override { return IDS_TEST_MEMO_TITLE; }
};

TEST_F(SmallDialogsTest, MemoTakesSixtyBytesAndRemembersTenMemos)
{
    for (int i = 1; i <= 10; ++i)
    {
        CString key, value;
        key.Format("HisMemo%02d", i);
        value.Format("メモ%d", i);
        WriteDialogProfileString(kMemoSettings, key, value);
    }
    CTestMemoDialog dlg;
    dlg.SetText("前のメモ");
    dlg.SetTitleMode(CMemoHistoryDialog::titleFromString);
    CString strCaption, strShown, strTyped;
    std::vector<std::string> items;
    const int nResult = RunModal(dlg,
                                 [&]
                                 {
                                     dlg.GetWindowText(strCaption);
                                     dlg.Combo().GetWindowText(strShown);
                                     items = Items(dlg.Combo());
                                     CCommEdit* pEdit = dlg.Combo().GetEditPart();
                                     ASSERT_NE(nullptr, pEdit);
                                     pEdit->SetWindowText("");
                                     // 31 two-byte characters: the last one does not fit.
                                     for (int i = 0; i < 31; ++i)
                                         TypeText(*pEdit, "あ");
                                     dlg.Combo().GetWindowText(strTyped);
                                     dlg.SendMessage(WM_COMMAND, IDOK);
                                 });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_STREQ("落札者へのメモ", strCaption);
    EXPECT_STREQ("前のメモ", strShown);
    ASSERT_EQ(10u, items.size());
    EXPECT_EQ("メモ1", items[0]);
    EXPECT_EQ(60, strTyped.GetLength());

    CString strMemo;
    dlg.GetText(strMemo);
    EXPECT_EQ(strTyped, strMemo);
    EXPECT_EQ((LPCTSTR)strTyped, Stored(kMemoSettings, "HisMemo01"));
    EXPECT_EQ("メモ1", Stored(kMemoSettings, "HisMemo02"));
    EXPECT_EQ("メモ9", Stored(kMemoSettings, "HisMemo10"));
}

TEST_F(SmallDialogsTest, EmptyMemoLeavesTheHistoryAlone)
{
    WriteDialogProfileString(kMemoSettings, "HisMemo01", "残る");
    CTestMemoDialog dlg;
    CString strCaption;
    RunModal(dlg,
             [&]
             {
                 dlg.GetWindowText(strCaption);
                 dlg.Combo().SetWindowText("");
                 dlg.SendMessage(WM_COMMAND, IDOK);
             });
    // Title mode 0 keeps the template's caption.
    EXPECT_STREQ("メモ", strCaption);
    EXPECT_EQ("残る", Stored(kMemoSettings, "HisMemo01"));
    EXPECT_EQ("(none)", Stored(kMemoSettings, "HisMemo02"));
}

// ---- the question dialog ----

TEST_F(SmallDialogsTest, QuestionShowsItsIconAndAnswersNoByDefault)
{
    CQuestionDialog dlg(IDD_TEST_QUESTION);
    HICON hIcon = nullptr;
    UINT nCloseState = 0;
    DWORD dwCancelStyle = 0;
    CString strOkTip = "?";
    const int nResult =
        RunModal(dlg,
                 [&]
                 {
                     HWND hFirstStatic = ::GetWindow(dlg.m_hWnd, GW_CHILD);
                     hIcon = (HICON)::SendMessageA(hFirstStatic, STM_GETICON, 0, 0);
                     nCloseState = dlg.GetSystemMenu(FALSE)->GetMenuState(SC_CLOSE, MF_BYCOMMAND);
                     dwCancelStyle = (DWORD)::GetWindowLongA(::GetDlgItem(dlg.m_hWnd, IDCANCEL), GWL_STYLE);
                     dlg.GetToolTip().GetCtrl().GetText(strOkTip, dlg.GetDlgItem(IDOK));
                     // Escape, as the keyboard sends it.
                     PressKey(::GetDlgItem(dlg.m_hWnd, IDCANCEL), VK_ESCAPE);
                 });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_NE(nullptr, hIcon);
    EXPECT_NE(0u, nCloseState & MF_GRAYED);
    // The dialog manager marks the button that takes the focus as default.
    EXPECT_EQ((DWORD)BS_DEFPUSHBUTTON, dwCancelStyle & 0xF);
    EXPECT_STREQ("", strOkTip);
}

// ---- the text-size dialog ----

class CTestTextSizeDialog : public CTextSizeDialog
{
public:
    CTestTextSizeDialog() : CTextSizeDialog(IDD_TEST_TEXT_SIZE) {}

    int SamplePointSize() const { return m_sample.GetFontPointSize(); }
    CString SampleText() const
    {
        CString text;
        m_sample.GetText(text);
        return text;
    }
    CCommComboBox& Combo() { return m_combo; }
    // The user picks an item of the list.
    void Pick(int nIndex)
    {
        m_combo.SetCurSel(nIndex);
        SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEXT_SIZE_LIST, CBN_SELCHANGE), (LPARAM)m_combo.m_hWnd);
    }

protected:
    void OnReset() override { SetSelection(1); }
    UINT GetSampleFormatId() override { return IDS_TEST_SAMPLE_FORMAT; }
    const UINT* GetSizeListId() override
    {
        static const UINT ids[] = {IDS_TEST_SIZE_SMALL, IDS_TEST_SIZE_MIDDLE, IDS_TEST_SIZE_LARGE, 0};
        return ids;
    }
    // Nothing chosen is the middle size.
    BOOL MapSelection(int& nIndex) override
    {
        if (nIndex < 0 || nIndex > 2)
            nIndex = 1;
        return TRUE;
    }
    BOOL GetPointSize(int nIndex, int& nTenths) override
    {
        nTenths = 90 + 30 * nIndex;
        return TRUE;
    }
};

TEST_F(SmallDialogsTest, TextSizeSampleFollowsTheChosenSize)
{
    CTestTextSizeDialog dlg;
    dlg.SetSelection(2);
    struct Seen
    {
        int sel;
        int size;
    } initial{}, picked{}, reset{};
    CString strSample;
    std::vector<std::string> items;
    const int nResult = RunModal(dlg,
                                 [&]
                                 {
                                     items = Items(dlg.Combo());
                                     strSample = dlg.SampleText();
                                     initial = {dlg.Combo().GetCurSel(), dlg.SamplePointSize()};
                                     dlg.Pick(0);
                                     picked = {dlg.Combo().GetCurSel(), dlg.SamplePointSize()};
                                     dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEXT_SIZE_RESET, BN_CLICKED));
                                     reset = {dlg.Combo().GetCurSel(), dlg.SamplePointSize()};
                                     dlg.Pick(2);
                                     dlg.SendMessage(WM_COMMAND, IDOK);
                                 });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ((std::vector<std::string>{"小", "中", "大"}), items);
    EXPECT_STREQ("ベルマソフト たんぞ version 3.25", strSample);
    EXPECT_EQ(2, initial.sel);
    EXPECT_EQ(150, initial.size);
    EXPECT_EQ(0, picked.sel);
    EXPECT_EQ(90, picked.size);
    EXPECT_EQ(1, reset.sel);
    EXPECT_EQ(120, reset.size);
    EXPECT_EQ(2, dlg.GetSelection());

    // Nothing chosen goes through the dialog's own mapping.
    RunModal(dlg,
             [&]
             {
                 dlg.Combo().SetCurSel(-1);
                 dlg.SendMessage(WM_COMMAND, IDOK);
             });
    EXPECT_EQ(1, dlg.GetSelection());
}

// ---- the version dialog ----

TEST_F(SmallDialogsTest, VersionDialogShowsNameVersionYearsAndTheAddressTip)
{
    struct Case
    {
        int first, current;
        CString notice;
    } cases[] = {
        {2006, 2019, "2006-2019"},
        {2019, 2019, "2019"},
        {0, 0, ""},
    };
    cases[2].notice.Format("%d", CTime::GetCurrentTime().GetYear());
    for (const Case& c : cases)
    {
        CVersionInfoDialog dlg;
        dlg.SetFirstYear(c.first);
        dlg.SetCurrentYear(c.current);
        CString strLine, strNotice, strTip, strExpectedTip;
        HICON hIcon = nullptr;
        RunModal(dlg,
                 [&]
                 {
                     dlg.GetDlgItemText(IDC_VERSION_LINE, strLine);
                     dlg.GetDlgItemText(IDC_VERSION_NOTICE, strNotice);
                     hIcon = (HICON)dlg.SendDlgItemMessage(IDC_VERSION_ICON, STM_GETICON);
                     dlg.GetToolTip().GetCtrl().GetText(strTip, dlg.GetDlgItem(IDC_VERSION_URL));
                     dlg.SendMessage(WM_COMMAND, IDOK);
                 });
        EXPECT_STREQ(CString(app.m_pszAppName) + " Version 3.25", strLine);
        EXPECT_EQ(c.notice, strNotice);
        EXPECT_NE(nullptr, hIcon);
        ASSERT_TRUE(strExpectedTip.LoadString(IDS_PRODUCT_URL));
        EXPECT_EQ(strExpectedTip, strTip);
    }
}
} // namespace
#endif // _WIN32
