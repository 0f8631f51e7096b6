// The main frame's tool bar: a drop-down button without a pop-up still
// answers TBDDRET_DEFAULT, one with a menu shows it, image lists set twice
// keep their images, button texts skip separators, the button size fits
// the texts, and the background colour changes only when it differs.
#ifdef _WIN32
#include "DialogTestUtil.h"
#include "TestAppComm.h"
#include "TestResources.h"

#include "afx/CommonControls.h"
#include "afx/FrameWnd.h"
#include "afx/Menu.h"
#include "app/CommToolBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class CTestToolBar : public CCommToolBar
{
public:
    void OnPrepareDropDownMenu(CMenu* pPopup) override { m_nPrepared = (int)pPopup->GetMenuItemCount(); }
    int m_nPrepared = -1;
};

class CommToolBarTest : public ::testing::Test
{
protected:
    CommToolBarTest()
    {
        m_pFrame = new CFrameWnd;
        m_pFrame->Create(nullptr, "ツールバー", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300));
        m_bar.CreateEx(m_pFrame, TBSTYLE_FLAT);
        m_bar.LoadToolBar(IDR_TEST_TOOLBAR);
    }
    ~CommToolBarTest() override
    {
        m_pFrame->DestroyWindow();
        PumpPending();
    }
    LRESULT DropDown(UINT nCommand)
    {
        NMTOOLBARA info = {};
        info.hdr.hwndFrom = m_bar.m_hWnd;
        info.hdr.idFrom = (UINT_PTR)m_bar.GetDlgCtrlID();
        info.hdr.code = TBN_DROPDOWN;
        info.iItem = (int)nCommand;
        return m_pFrame->SendMessage(WM_NOTIFY, info.hdr.idFrom, (LPARAM)&info);
    }
    int ImageCount(UINT nMessage)
    {
        HIMAGELIST hList = (HIMAGELIST)m_bar.SendMessage(nMessage);
        return hList != nullptr ? ::ImageList_GetImageCount(hList) : -1;
    }

    CTestAppComm app;
    CFrameWnd* m_pFrame = nullptr;
    CTestToolBar m_bar;
};

TEST_F(CommToolBarTest, DropDownWithoutAPopupAnswersDefault)
{
    ASSERT_EQ(3, m_bar.GetToolBarCtrl().GetButtonCount());
    EXPECT_TRUE(m_bar.AddDropDownMenu(ID_TEST_BUTTON_A, IDR_TEST_NO_POPUP));
    EXPECT_FALSE(m_bar.AddDropDownMenu(61999, IDR_TEST_POPUP)); // no such button
    EXPECT_EQ(TBDDRET_DEFAULT, DropDown(ID_TEST_BUTTON_A));
    EXPECT_EQ(-1, m_bar.m_nPrepared);
    EXPECT_EQ(TBDDRET_DEFAULT, DropDown(ID_TEST_BUTTON_B)); // no menu at all

    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE;
    m_bar.SendMessage(TB_GETBUTTONINFOA, ID_TEST_BUTTON_A, (LPARAM)&info);
    EXPECT_NE(0, info.fsStyle & TBSTYLE_DROPDOWN);

    ASSERT_TRUE(m_bar.AddDropDownMenu(ID_TEST_BUTTON_B, IDR_TEST_POPUP));
    BOOL bShown = FALSE;
    std::vector<std::string> items;
    CloseMenuSoon(&bShown, [&](HWND hMenuWnd) { items = OpenMenuItems(hMenuWnd); });
    EXPECT_EQ(TBDDRET_DEFAULT, DropDown(ID_TEST_BUTTON_B));
    EXPECT_TRUE(bShown);
    EXPECT_EQ(4, m_bar.m_nPrepared);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(0u, items[0].find("項目A(&A) 61101"));
}

TEST_F(CommToolBarTest, ImageListsSetTwiceKeepTheirImages)
{
    const int nBefore = ImageCount(TB_GETIMAGELIST);
    ASSERT_GT(nBefore, 0);
    for (int i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        m_bar.SetImageLists(IDR_TEST_TOOLBAR, IDR_TEST_TOOLBAR, RGB(192, 192, 192), RGB(192, 192, 192),
                            ILC_COLOR24);
        EXPECT_EQ(2, ImageCount(TB_GETIMAGELIST));
        EXPECT_EQ(2, ImageCount(TB_GETHOTIMAGELIST));
        EXPECT_EQ(m_bar.GetImages(CCommToolBar::imagesNormal).GetSafeHandle(),
                  (HIMAGELIST)m_bar.SendMessage(TB_GETIMAGELIST));
        int cx = 0, cy = 0;
        m_bar.GetImages(CCommToolBar::imagesHot).GetIconSize(&cx, &cy);
        EXPECT_EQ(16, cx);
        EXPECT_EQ(15, cy);
    }
    m_bar.SetImageList(5, IDR_TEST_TOOLBAR, 0, ILC_COLOR24); // no such list: nothing
    EXPECT_EQ(2, ImageCount(TB_GETIMAGELIST));
}

TEST_F(CommToolBarTest, TextsSkipSeparatorsAndSizeTheButtons)
{
    const UINT ids[] = {IDS_TEST_BUTTON_A, IDS_TEST_BUTTON_B, 0};
    EXPECT_TRUE(m_bar.SetDisplayFormat(ids, TBSTYLE_FLAT, TBSTYLE_LIST, TRUE));
    EXPECT_EQ(CString("出品中"), m_bar.GetButtonText(0));
    EXPECT_EQ(CString(""), m_bar.GetButtonText(1)); // the separator
    EXPECT_EQ(CString("落札分の一覧"), m_bar.GetButtonText(2));
    EXPECT_NE(0u, m_bar.GetStyle() & TBSTYLE_FLAT);
    EXPECT_EQ(0u, m_bar.GetStyle() & TBSTYLE_LIST);

    // The size is the average of the two buttons' widths, rounded up.
    CRect rcA, rcB;
    m_bar.SendMessage(TB_GETITEMRECT, 0, (LPARAM)&rcA);
    m_bar.SendMessage(TB_GETITEMRECT, 2, (LPARAM)&rcB);
    EXPECT_TRUE(m_bar.FitButtonSize(TRUE));
    const CSize size = m_bar.GetToolBarCtrl().GetButtonSize();
    EXPECT_EQ((rcA.Width() + rcB.Width() + 1) / 2, size.cx);

    EXPECT_TRUE(m_bar.SetDisplayFormat(nullptr, TBSTYLE_FLAT, TBSTYLE_LIST, FALSE));
    EXPECT_EQ(CString(""), m_bar.GetButtonText(0));
    EXPECT_FALSE(m_bar.SetButtonTexts(nullptr));
}

TEST_F(CommToolBarTest, OnlySeparatorsHaveNoSizeToFit)
{
    CTestToolBar bar;
    ASSERT_TRUE(bar.CreateEx(m_pFrame, TBSTYLE_FLAT));
    EXPECT_FALSE(bar.FitButtonSize(TRUE)); // no buttons
    const UINT separators[] = {ID_SEPARATOR, ID_SEPARATOR};
    ASSERT_TRUE(bar.SetButtons(separators, 2));
    EXPECT_FALSE(bar.FitButtonSize(TRUE));
    EXPECT_TRUE(bar.FitButtonSize(FALSE));
    bar.DestroyWindow();
}

TEST_F(CommToolBarTest, BackgroundColourChangesOnlyWhenItDiffers)
{
    EXPECT_EQ((COLORREF)-1, m_bar.GetBackgroundColor());
    EXPECT_FALSE(m_bar.SetBackgroundColor((COLORREF)-1));
    EXPECT_TRUE(m_bar.SetBackgroundColor(RGB(10, 20, 30)));
    EXPECT_FALSE(m_bar.SetBackgroundColor(RGB(10, 20, 30)));
    EXPECT_EQ(RGB(10, 20, 30), m_bar.GetBackgroundColor());
    m_bar.Repaint();
    EXPECT_TRUE(m_bar.SetBackgroundColor((COLORREF)-1));
}
} // namespace
#endif // _WIN32
