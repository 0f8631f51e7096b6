// The small dialog bases of the auction library on templates in the
// client's place, driven by control id as a user would.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "TestResources.h"
#include "afx/Controls.h"
#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/DialogTestUtil.h"
#include "auction/dialogs/AmountDialog.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/login/LoginSettingDialog.h"
#include "auction/records/ItemConditionDialog.h"
#include "net/HttpTestSupport.h"

namespace
{
const char kRegistryKey[] = "Tanzo Auction Dialog Test";

std::string TextOf(CWnd& dlg, int nID)
{
    CString text;
    dlg.GetDlgItem(nID)->GetWindowText(text);
    return (LPCTSTR)text;
}

class AuctionDialogs : public ::testing::Test
{
protected:
    AuctionDialogs()
    {
        AfxProfileDelete(CString("Software\\") + kRegistryKey, nullptr);
        app.SetRegistryKey(kRegistryKey);
    }
    ~AuctionDialogs() override { AfxProfileDelete(CString("Software\\") + kRegistryKey, nullptr); }

    CWinApp app{"AuctionDialogTest"};
};

class CTestAmountDialog : public CAmountDialog
{
public:
    CTestAmountDialog() : CAmountDialog(IDD_TEST_AMOUNT) {}

    CNumberEdit& Edit() { return m_edit; }
    int m_nRangeErrors = 0;

protected:
    void ShowRangeError(int nKind) override
    {
        EXPECT_EQ(1, nKind);
        ++m_nRangeErrors;
    }
};

// Index to code: 新品、未使用 1, 未使用に近い 3, 中古 0, その他 2.
class CTestConditionDialog : public CItemConditionDialog
{
public:
    CTestConditionDialog() : CItemConditionDialog(IDD_TEST_CONDITION) {}

    CComboBox& Conditions() { return m_conditionCombo; }
    CComboBox& Comments() { return m_commentCombo; }
    int m_nCommentRequests = 0;
    std::string m_question;

protected:
    int IndexFromCondition(int nCode) override
    {
        for (int i = 0; i < 4; ++i)
            if (kCodes[i] == nCode)
                return i;
        return -1;
    }
    int ConditionFromIndex(int nIndex) override { return nIndex >= 0 && nIndex < 4 ? kCodes[nIndex] : 5; }
    UINT GetConditionListTextId() override { return IDS_TEST_CONDITION_LIST; }
    void NotifyCommentRequired() override { ++m_nCommentRequests; }
    BOOL GetConfirmText(int nCode, BOOL bHasComment, CString& strText) override
    {
        if (nCode != 0 && nCode != 2)
            return FALSE;
        strText.Format("%d %d", nCode, bHasComment);
        m_question = (LPCTSTR)strText;
        return TRUE;
    }

private:
    static constexpr int kCodes[4] = {1, 3, 0, 2};
};
} // namespace

TEST_F(AuctionDialogs, AmountStartsAtTheEffectiveMinimum)
{
    CTestAmountDialog dlg;
    dlg.SetMinimum(0);
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 EXPECT_EQ("1", TextOf(dlg, IDC_AMOUNT_EDIT));
                                 EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(IDC_AMOUNT_ENABLE));
                                 EXPECT_FALSE(dlg.GetDlgItem(IDC_AMOUNT_EDIT)->IsWindowEnabled());
                                 EXPECT_FALSE(dlg.GetDlgItem(IDC_AMOUNT_UNIT)->IsWindowEnabled());
                                 // The check box turns the edit and its labels on.
                                 dlg.CheckDlgButton(IDC_AMOUNT_ENABLE, BST_CHECKED);
                                 ClickButton(dlg, IDC_AMOUNT_ENABLE);
                                 EXPECT_TRUE(dlg.GetDlgItem(IDC_AMOUNT_EDIT)->IsWindowEnabled());
                                 EXPECT_TRUE(dlg.GetDlgItem(IDC_AMOUNT_LABEL)->IsWindowEnabled());
                                 dlg.CheckDlgButton(IDC_AMOUNT_ENABLE, BST_UNCHECKED);
                                 ClickButton(dlg, IDC_AMOUNT_ENABLE);
                                 EXPECT_FALSE(dlg.GetDlgItem(IDC_AMOUNT_EDIT)->IsWindowEnabled());
                                 ClickButton(dlg, IDOK);
                             }));
    EXPECT_EQ(0, dlg.GetAmount());
}

TEST_F(AuctionDialogs, AmountTakesTenDigits)
{
    CTestAmountDialog dlg;
    dlg.SetMinimum(100);
    dlg.SetAmount(9999999999LL);
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 EXPECT_EQ("9,999,999,999", TextOf(dlg, IDC_AMOUNT_EDIT));
                                 EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_AMOUNT_ENABLE));
                                 EXPECT_EQ(dlg.GetDlgItem(IDC_AMOUNT_EDIT)->m_hWnd, ::GetFocus());
                                 // An eleventh digit is refused.
                                 dlg.Edit().SetSel(-1, -1);
                                 dlg.Edit().SendMessage(WM_CHAR, '5', 1);
                                 EXPECT_EQ("9,999,999,999", TextOf(dlg, IDC_AMOUNT_EDIT));
                                 ClickButton(dlg, IDOK);
                             }));
    EXPECT_EQ(9999999999LL, dlg.GetAmount());
    EXPECT_EQ(0, dlg.m_nRangeErrors);
}

TEST_F(AuctionDialogs, AmountBelowTheMinimumKeepsTheDialogOpen)
{
    CTestAmountDialog dlg;
    dlg.SetMinimum(100);
    dlg.SetAmount(500);
    EXPECT_EQ(IDCANCEL, RunModal(dlg,
                                 [&]
                                 {
                                     dlg.Edit().SetValue(99);
                                     ClickButton(dlg, IDOK);
                                     EXPECT_EQ(1, dlg.m_nRangeErrors);
                                     EXPECT_EQ(dlg.GetDlgItem(IDC_AMOUNT_EDIT)->m_hWnd, ::GetFocus());
                                     ClickButton(dlg, IDCANCEL);
                                 }));
    EXPECT_EQ(500, dlg.GetAmount());
}

TEST_F(AuctionDialogs, AmountStartsEmptyWhenAsked)
{
    CTestAmountDialog dlg;
    dlg.SetAmount(300);
    dlg.AddOptions(AmountStartEmpty);
    EXPECT_EQ(IDCANCEL, RunModal(dlg,
                                 [&]
                                 {
                                     EXPECT_EQ("", TextOf(dlg, IDC_AMOUNT_EDIT));
                                     ClickButton(dlg, IDOK); // empty: below the minimum
                                     EXPECT_EQ(1, dlg.m_nRangeErrors);
                                     ClickButton(dlg, IDCANCEL);
                                 }));
}

TEST_F(AuctionDialogs, ConditionWantsACommentForCode2)
{
    CTestConditionDialog dlg;
    CItemCondition condition;
    condition.SetCondition(2);
    dlg.SetCondition(condition);
    CMessageBoxes boxes({IDYES});
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 EXPECT_EQ(4, dlg.Conditions().GetCount());
                                 EXPECT_EQ(3, dlg.Conditions().GetCurSel());
                                 ClickButton(dlg, IDOK);
                                 EXPECT_EQ(1, dlg.m_nCommentRequests);
                                 EXPECT_TRUE(dlg.m_question.empty());
                                 // The edit part of the comment combo has the focus.
                                 EXPECT_EQ(dlg.Comments().m_hWnd, ::GetParent(::GetFocus()));
                                 dlg.Comments().SetWindowText("箱なし");
                                 ClickButton(dlg, IDOK);
                             }));
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ("2 1", boxes.texts[0]);
    EXPECT_EQ(2, dlg.GetCondition().GetCondition());
    EXPECT_STREQ("箱なし", dlg.GetCondition().GetComment());
    // The comment joins the history of the dialog's section.
    CString key;
    key.Format("Dialog\\%d", IDD_TEST_CONDITION);
    EXPECT_STREQ("箱なし", app.GetProfileString(key, "HisNote01", ""));
}

TEST_F(AuctionDialogs, ConditionAsksBeforeCodesThatGoAway)
{
    CTestConditionDialog dlg;
    CItemCondition condition;
    condition.SetCondition(0);
    dlg.SetCondition(condition);
    CMessageBoxes boxes({IDNO, IDYES});
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 EXPECT_EQ(2, dlg.Conditions().GetCurSel());
                                 ClickButton(dlg, IDOK); // answered No: stays, on the condition
                                 ASSERT_EQ(1u, boxes.texts.size());
                                 EXPECT_EQ("0 0", boxes.texts[0]);
                                 EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
                                           boxes.types[0]);
                                 EXPECT_EQ(dlg.Conditions().m_hWnd, ::GetFocus());
                                 ClickButton(dlg, IDOK); // Yes
                             }));
    EXPECT_EQ(2u, boxes.texts.size());
    EXPECT_EQ(0, dlg.GetCondition().GetCondition());

    // Other codes without a comment are stored without a question; a code
    // the list lacks shows the default's place, here none.
    CTestConditionDialog other;
    condition.SetCondition(6);
    other.SetCondition(condition);
    EXPECT_EQ(IDOK, RunModal(other,
                             [&]
                             {
                                 EXPECT_EQ(CB_ERR, other.Conditions().GetCurSel());
                                 other.Conditions().SetCurSel(1);
                                 ClickButton(other, IDOK);
                             }));
    EXPECT_EQ(2u, boxes.texts.size());
    EXPECT_EQ(3, other.GetCondition().GetCondition());
}

TEST_F(AuctionDialogs, LoginSettingOffersTheThreeWaysAndResets)
{
    CLoginSettingType type;
    type.SetType(CLoginSettingType::Manual);
    CLoginSettingDialog dlg(IDD_TEST_LOGIN_SETTING);
    dlg.SetSettingType(type);
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 CComboBox* pCombo = (CComboBox*)dlg.GetDlgItem(IDC_LOGIN_SETTING);
                                 ASSERT_EQ(3, pCombo->GetCount());
                                 const char* const texts[] = {"自動（推奨）", "半手動", "手動"};
                                 for (int i = 0; i < 3; ++i)
                                 {
                                     CString text;
                                     pCombo->GetLBText(i, text);
                                     EXPECT_STREQ(texts[i], text);
                                 }
                                 EXPECT_EQ(2, pCombo->GetCurSel());
                                 ClickButton(dlg, IDC_LOGIN_SETTING_RESET);
                                 EXPECT_EQ(0, pCombo->GetCurSel());
                                 pCombo->SetCurSel(1);
                                 ClickButton(dlg, IDOK);
                             }));
    EXPECT_EQ(CLoginSettingType::SemiManual, dlg.GetSettingType().GetType());
    EXPECT_EQ(CAuctionLoginController::LoginBrowserFilled, dlg.GetSettingType().GetLoginType());

    // Reset alone makes the log-in automatic.
    CLoginSettingDialog reset(IDD_TEST_LOGIN_SETTING);
    reset.SetSettingType(type);
    EXPECT_EQ(IDOK, RunModal(reset,
                             [&]
                             {
                                 ClickButton(reset, IDC_LOGIN_SETTING_RESET);
                                 ClickButton(reset, IDOK);
                             }));
    EXPECT_EQ(CLoginSettingType::Automatic, reset.GetSettingType().GetType());
}
