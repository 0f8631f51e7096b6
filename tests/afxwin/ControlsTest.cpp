// Control wrappers: each method is the control's message, texts in code
// page 932 both ways.
#include "TestApp.h"

#include <gtest/gtest.h>

namespace
{
class ControlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            parent.CreateEx(0, AfxRegisterWndClass(0), "親", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CWnd parent;
};

TEST_F(ControlsTest, ListAndComboBoxTexts)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, CRect(0, 0, 100, 100), &parent, 1));
    EXPECT_EQ(0, combo.AddString("表示"));
    EXPECT_EQ(1, combo.AddString("ソフト"));
    CString str;
    combo.GetLBText(1, str);
    EXPECT_EQ(CString("ソフト"), str);
    EXPECT_EQ(1, combo.FindStringExact(-1, "ソフト"));
    combo.SetCurSel(0);
    combo.GetWindowText(str);
    EXPECT_EQ(CString("表示"), str);

    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_NOTIFY, CRect(0, 0, 100, 100), &parent, 2));
    list.AddString("一");
    list.AddString("二");
    list.SetItemData(1, 0xABCD);
    list.GetText(1, str);
    EXPECT_EQ(CString("二"), str);
    EXPECT_EQ((DWORD_PTR)0xABCD, list.GetItemData(1));
    EXPECT_EQ(2, list.GetCount());

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 100, 20), &parent, 3));
    edit.SetWindowText("漢字");
    edit.SetSel(0, -1);
    int nStart = -1;
    int nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_GT(nEnd, 0);
    edit.ReplaceSel("かな");
    edit.GetWindowText(str);
    EXPECT_EQ(CString("かな"), str);
    char line[32] = {};
    EXPECT_EQ(str.GetLength(), edit.GetLine(0, line, (int)sizeof(line) - 1));
}

TEST_F(ControlsTest, CommonControlsByMessage)
{
    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD, CRect(0, 0, 300, 200), &parent, 10));
    EXPECT_EQ(0, tab.InsertItem(0, "出品中"));
    EXPECT_EQ(1, tab.InsertItem(1, "落札"));
    tab.SetCurSel(1);
    EXPECT_EQ(1, tab.GetCurSel());
    EXPECT_EQ(2, tab.GetItemCount());
    CRect rect(0, 0, 300, 200);
    tab.AdjustRect(FALSE, rect);
    EXPECT_LT(rect.Height(), 200);

    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD, CRect(0, 0, 20, 20), &parent, 11));
    spin.SetRange(-5, 500);
    spin.SetPos(300);
    int nLower = 0;
    int nUpper = 0;
    spin.GetRange(nLower, nUpper);
    EXPECT_EQ(-5, nLower);
    EXPECT_EQ(500, nUpper);
    EXPECT_EQ(300, spin.GetPos());

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD, CRect(0, 0, 100, 10), &parent, 12));
    progress.SetRange32(0, 1000);
    progress.SetPos(250);
    EXPECT_EQ(250, progress.GetPos());

    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent, TTS_NOPREFIX));
    CButton button;
    ASSERT_TRUE(button.Create("OK", WS_CHILD, CRect(0, 0, 50, 20), &parent, IDOK));
    EXPECT_TRUE(tips.AddTool(&button, "ダイアログを閉じます"));
    EXPECT_EQ(1, tips.GetToolCount());
    CString strTip;
    tips.GetText(strTip, &button);
    EXPECT_EQ(CString("ダイアログを閉じます"), strTip);
    tips.SetTipBkColor(0xE2FFFF);
    EXPECT_EQ((COLORREF)0xE2FFFF, tips.GetTipBkColor());
    tips.DestroyWindow();
}

TEST_F(ControlsTest, MenusByPositionAndCommand)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 100, "開く(&O)\tCtrl+O");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 101, "閉じる");
    EXPECT_EQ(3u, menu.GetMenuItemCount());
    CString str;
    menu.GetMenuString(0, str, MF_BYPOSITION);
    EXPECT_EQ(CString("開く(&O)\tCtrl+O"), str);
    EXPECT_NE(0u, menu.GetMenuState(101, MF_BYCOMMAND) & MF_GRAYED);
    menu.CheckMenuItem(100, MF_BYCOMMAND | MF_CHECKED);
    EXPECT_NE(0u, menu.GetMenuState(100, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(&menu, CMenu::FromHandlePermanent(menu.m_hMenu));
    HMENU hMenu = menu.m_hMenu;
    menu.DestroyMenu();
    EXPECT_FALSE(::IsMenu(hMenu));
}
} // namespace
