// Dialogs from resources: DDX loads the members into the controls and
// back, DDV refuses bad input and keeps the dialog open with the focus on
// the control, Cancel leaves the members alone; a modeless dialog's keys
// go through IsDialogMessage in the application's loop.
#include "TestApp.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace
{
class CTestDialog : public CDialog
{
public:
    CTestDialog() : CDialog(IDD_TEST_DIALOG) {}

    CString m_strName;
    int m_nCount = 0;
    int m_nFlag = 0;
    int m_nRadio = -1;
    int m_nCombo = -1;
    CString m_strList;
    CListCtrl m_list;

    // Run one by one, each on a posted message, after OnInitDialog.
    std::vector<std::function<void(CTestDialog*)>> m_steps;
    size_t m_nStep = 0;
    int m_nCancels = 0;

    void PostNextStep() { PostMessage(WM_APP); }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 10);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 0, 100);
        DDX_Check(pDX, IDC_FLAG, m_nFlag);
        DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
        DDX_CBIndex(pDX, IDC_COMBO, m_nCombo);
        DDX_LBString(pDX, IDC_LIST, m_strList);
        DDX_Control(pDX, IDC_LISTCTRL, m_list);
    }
    BOOL OnInitDialog() override
    {
        // The lists need their entries before the exchange selects one.
        for (const char* text : {"赤", "緑", "青"})
        {
            SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, (LPARAM)text);
            SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, (LPARAM)text);
        }
        CDialog::OnInitDialog();
        if (!m_steps.empty())
            PostNextStep();
        return TRUE;
    }
    void OnCancel() override
    {
        ++m_nCancels;
        CDialog::OnCancel();
    }
    afx_msg LRESULT OnStep(WPARAM, LPARAM)
    {
        if (m_nStep < m_steps.size())
            m_steps[m_nStep++](this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
ON_MESSAGE(WM_APP, OnStep)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PumpPending();
        theApp.m_boxes.clear();
        theApp.m_nBoxAnswer = 0;
        dlg.m_strName = "山田";
        dlg.m_nCount = 7;
        dlg.m_nFlag = 1;
        dlg.m_nRadio = 1;
        dlg.m_nCombo = 1;
        dlg.m_strList = "青";
    }

    CTestDialog dlg;
};

struct Loaded
{
    CString strName;
    CString strCount;
    UINT nFlag = 0;
    int nRadio = 0;
    int nCombo = -1;
    int nList = -1;
};

TEST_F(DialogTest, ModalDataExchangeRoundTrips)
{
    Loaded loaded;
    dlg.m_steps.push_back(
        [&loaded](CTestDialog* p)
        {
            p->GetDlgItemText(IDC_NAME, loaded.strName);
            p->GetDlgItemText(IDC_COUNT, loaded.strCount);
            loaded.nFlag = p->IsDlgButtonChecked(IDC_FLAG);
            loaded.nRadio = p->GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3);
            loaded.nCombo = (int)p->SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL);
            loaded.nList = (int)p->SendDlgItemMessage(IDC_LIST, LB_GETCURSEL);

            // What a user types and clicks.
            p->SetDlgItemText(IDC_NAME, "表示ソフト");
            p->SetDlgItemText(IDC_COUNT, " 42 ");
            p->CheckDlgButton(IDC_FLAG, BST_UNCHECKED);
            p->CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
            p->SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 2);
            p->SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, 0);
            p->PostMessage(WM_COMMAND, IDOK);
        });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    EXPECT_EQ(CString("山田"), loaded.strName);
    EXPECT_EQ(CString("7"), loaded.strCount);
    EXPECT_EQ((UINT)BST_CHECKED, loaded.nFlag);
    EXPECT_EQ(IDC_RADIO2, loaded.nRadio);
    EXPECT_EQ(1, loaded.nCombo);
    EXPECT_EQ(2, loaded.nList);

    EXPECT_EQ(CString("表示ソフト"), dlg.m_strName);
    EXPECT_EQ(42, dlg.m_nCount);
    EXPECT_EQ(0, dlg.m_nFlag);
    EXPECT_EQ(2, dlg.m_nRadio);
    EXPECT_EQ(2, dlg.m_nCombo);
    EXPECT_EQ(CString("赤"), dlg.m_strList);
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(DialogTest, InvalidInputKeepsTheDialogOpenUntilCorrected)
{
    // Each bad value is refused with its prompt; the focus goes back to
    // the field; the last, good one closes the dialog.
    int nFocusAfterFailure = 0;
    auto enter = [](int nID, const char* text)
    {
        return [nID, text](CTestDialog* p)
        {
            p->SetDlgItemText(nID, text);
            p->PostMessage(WM_COMMAND, IDOK);
            p->PostNextStep();
        };
    };
    dlg.m_steps.push_back(enter(IDC_COUNT, "abc"));
    dlg.m_steps.push_back(
        [&](CTestDialog* p)
        {
            CWnd* pFocus = CWnd::GetFocus();
            nFocusAfterFailure = pFocus != nullptr ? pFocus->GetDlgCtrlID() : 0;
            enter(IDC_COUNT, "101")(p);
        });
    dlg.m_steps.push_back(enter(IDC_COUNT, "99999999999"));
    dlg.m_steps.push_back(
        [&](CTestDialog* p)
        {
            p->SetDlgItemText(IDC_COUNT, "5");
            enter(IDC_NAME, "表示ソフトウ")(p); // 12 bytes
        });
    dlg.m_steps.push_back(enter(IDC_NAME, "短い"));
    EXPECT_EQ(IDOK, dlg.DoModal());

    ASSERT_EQ(4u, theApp.m_boxes.size());
    EXPECT_EQ(CString("整数を入力してください。"), theApp.m_boxes[0]);
    EXPECT_EQ(CString("0 から 100 までの整数を入力してください。"), theApp.m_boxes[1]);
    EXPECT_EQ(CString("整数を入力してください。"), theApp.m_boxes[2]); // out of int range
    EXPECT_EQ(CString("半角 10 文字以内で入力してください。"), theApp.m_boxes[3]);
    EXPECT_EQ(IDC_COUNT, nFocusAfterFailure);
    EXPECT_EQ(5, dlg.m_nCount);
    EXPECT_EQ(CString("短い"), dlg.m_strName);
}

TEST_F(DialogTest, CancelLeavesTheMembersAlone)
{
    dlg.m_steps.push_back(
        [](CTestDialog* p)
        {
            p->SetDlgItemText(IDC_NAME, "変更");
            p->SetDlgItemText(IDC_COUNT, "abc");
            p->PostMessage(WM_COMMAND, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(CString("山田"), dlg.m_strName);
    EXPECT_EQ(7, dlg.m_nCount);
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(DialogTest, ControlSubclassedByExchangeWorksAsItsClass)
{
    int nItems = -1;
    CString strCell;
    dlg.m_steps.push_back(
        [&](CTestDialog* p)
        {
            EXPECT_EQ(p->GetDlgItem(IDC_LISTCTRL)->m_hWnd, p->m_list.m_hWnd);
            EXPECT_EQ(&p->m_list, CWnd::FromHandlePermanent(p->m_list.m_hWnd));
            p->m_list.InsertColumn(0, "名前", LVCFMT_LEFT, 60);
            p->m_list.InsertColumn(1, "金額", LVCFMT_RIGHT, 60);
            p->m_list.InsertItem(0, "商品");
            p->m_list.SetItemText(0, 1, "１２３円");
            p->m_list.SetItemData(0, 0x1234);
            p->m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
            nItems = p->m_list.GetItemCount();
            strCell = p->m_list.GetItemText(0, 1);
            POSITION pos = p->m_list.GetFirstSelectedItemPosition();
            EXPECT_EQ(0, p->m_list.GetNextSelectedItem(pos));
            EXPECT_EQ(nullptr, pos);
            EXPECT_EQ((DWORD_PTR)0x1234, p->m_list.GetItemData(0));
            p->PostMessage(WM_COMMAND, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(1, nItems);
    EXPECT_EQ(CString("１２３円"), strCell);
    // The control object let its window go with the dialog.
    EXPECT_EQ(nullptr, dlg.m_list.m_hWnd);
}

TEST_F(DialogTest, ModelessDialogExchangesAndTakesDialogKeysFromTheLoop)
{
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    CString strName;
    dlg.GetDlgItemText(IDC_NAME, strName);
    EXPECT_EQ(CString("山田"), strName);

    dlg.SetDlgItemText(IDC_COUNT, "12");
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(12, dlg.m_nCount);
    dlg.SetDlgItemText(IDC_COUNT, "x");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(1u, theApp.m_boxes.size());

    // Esc in the edit becomes the dialog's Cancel.
    dlg.ShowWindow(SW_SHOW);
    dlg.GetDlgItem(IDC_NAME)->SetFocus();
    ::PostMessageA(::GetDlgItem(dlg.m_hWnd, IDC_NAME), WM_KEYDOWN, VK_ESCAPE, 1);
    PumpPending();
    EXPECT_EQ(1, dlg.m_nCancels);
    dlg.DestroyWindow();
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST_F(DialogTest, MissingTemplateFailsWithoutAWindow)
{
    CDialog missing(9999);
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_FALSE(missing.Create(9999));
    EXPECT_EQ(nullptr, missing.m_hWnd);
}
} // namespace
