// The tool-bar settings dialog: the format list follows the check box
// "ツールバーを表示する(&T)", also after "初期値に戻す(&D)", and OK keeps the
// shown state and the format that the program accepts.
#ifdef _WIN32
#include "app/TestAppComm.h"

#include "app/DialogResourceIds.h"
#include "controls/ToolBarSettingDialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
class CTestToolBarSettingDialog : public CToolBarSettingDialog
{
public:
    CTestToolBarSettingDialog() : CToolBarSettingDialog(IDD_TOOLBAR_SETTING) {}

    const UINT* GetFormatNameIds() override
    {
        static const UINT ids[] = {IDS_MESSAGE_YES, IDS_MESSAGE_NO, IDS_MESSAGE_CANCEL, 0};
        return ids;
    }
    void ResetToDefaults() override
    {
        Remove(flagShown);
        SetSelection(2);
    }
    BOOL ValidateFormat(int& nIndex) override
    {
        if (nIndex == 1)
            nIndex = 0; // the program's own rule
        return TRUE;
    }
    BOOL OnInitDialog() override
    {
        CToolBarSettingDialog::OnInitDialog();
        PostMessage(WM_APP);
        return TRUE;
    }
    std::function<void(CTestToolBarSettingDialog*)> m_whileShown;

    BOOL IsListEnabled() { return GetDlgItem(IDC_TOOLBAR_FORMAT)->IsWindowEnabled(); }
    BOOL IsLabelEnabled() { return GetDlgItem(IDC_TOOLBAR_FORMAT_LABEL)->IsWindowEnabled(); }
    void Click(int nID) { GetDlgItem(nID)->SendMessage(BM_CLICK); }

protected:
    afx_msg LRESULT OnShown(WPARAM, LPARAM)
    {
        if (m_whileShown)
            m_whileShown(this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestToolBarSettingDialog, CToolBarSettingDialog)
ON_MESSAGE(WM_APP, OnShown)
END_MESSAGE_MAP()

TEST(ToolBarSettingDialogTest, FormatListFollowsTheCheckBox)
{
    CTestAppComm app;
    CTestToolBarSettingDialog dlg;
    dlg.Add(CToolBarSettingDialog::flagShown);
    dlg.SetSelection(1);
    struct
    {
        int nCount = 0;
        int nInitialSel = -1;
        BOOL bInitialList = FALSE, bInitialLabel = FALSE;
        BOOL bListAfterUncheck = TRUE, bListAfterCheck = FALSE, bListAfterDefaults = TRUE;
        int nSelAfterDefaults = -1;
    } seen;
    dlg.m_whileShown = [&](CTestToolBarSettingDialog* p)
    {
        auto* pList = static_cast<CComboBox*>(p->GetDlgItem(IDC_TOOLBAR_FORMAT));
        seen.nCount = pList->GetCount();
        seen.nInitialSel = pList->GetCurSel();
        seen.bInitialList = p->IsListEnabled();
        seen.bInitialLabel = p->IsLabelEnabled();
        p->Click(IDC_TOOLBAR_SHOWN);
        seen.bListAfterUncheck = p->IsListEnabled() || p->IsLabelEnabled();
        p->Click(IDC_TOOLBAR_SHOWN);
        seen.bListAfterCheck = p->IsListEnabled() && p->IsLabelEnabled();
        p->Click(IDC_TOOLBAR_DEFAULTS);
        seen.bListAfterDefaults = p->IsListEnabled() || p->IsLabelEnabled();
        seen.nSelAfterDefaults = pList->GetCurSel();
        // The user shows the bar again and picks the second format.
        p->Click(IDC_TOOLBAR_SHOWN);
        pList->SetCurSel(1);
        p->Click(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(3, seen.nCount);
    EXPECT_EQ(1, seen.nInitialSel);
    EXPECT_TRUE(seen.bInitialList);
    EXPECT_TRUE(seen.bInitialLabel);
    EXPECT_FALSE(seen.bListAfterUncheck);
    EXPECT_TRUE(seen.bListAfterCheck);
    EXPECT_FALSE(seen.bListAfterDefaults);
    EXPECT_EQ(2, seen.nSelAfterDefaults);
    EXPECT_TRUE(dlg.TestAny(CToolBarSettingDialog::flagShown));
    EXPECT_EQ(0, dlg.GetSelection()); // passed through the program's rule
}

TEST(ToolBarSettingDialogTest, CancelKeepsTheValues)
{
    CTestAppComm app;
    CTestToolBarSettingDialog dlg;
    dlg.SetSelection(2);
    dlg.m_whileShown = [](CTestToolBarSettingDialog* p)
    {
        EXPECT_FALSE(p->IsListEnabled()); // the bar is hidden
        p->Click(IDC_TOOLBAR_SHOWN);
        p->Click(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(dlg.TestAny(CToolBarSettingDialog::flagShown));
    EXPECT_EQ(2, dlg.GetSelection());
}
} // namespace
#endif // _WIN32
