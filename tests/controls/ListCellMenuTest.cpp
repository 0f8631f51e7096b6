// The context menu of a link cell: the link's commands come first only
// over a link text, and the link's text goes to the clipboard.
#ifdef _WIN32
#include "controls/ListCellMenu.h"
#include "ListTestHost.h"
#include "ListTestResources.h"
#include "afx/Menu.h"
#include "app/ClipboardShell.h"
#include "app/TestAppComm.h"
#include "app/WinTestUtil.h"

#include <memory>

namespace
{
// Remembers what the pop-up held when it was about to show.
class CTestCellMenu : public CListCellMenu
{
public:
    BOOL GetCellLinkText(CCommListCtrl* pList, CString& strText) override
    {
        if (!HasHitCell())
            return FALSE;
        strText = pList->GetItemText(m_nHitRow, m_nHitColumn);
        return TRUE;
    }
    void PrepareMenu(CCommListCtrl*, CMenu* pPopup) override
    {
        m_items.clear();
        for (UINT i = 0; i < pPopup->GetMenuItemCount(); ++i)
            m_items.push_back(pPopup->GetMenuItemID((int)i));
    }
    std::vector<UINT> m_items;
};

class ListCellMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = std::make_unique<CListHost>(m_list);
        ASSERT_TRUE(m_pHost->Open());
        AddColumns(m_list, {80, 160});
        AddRows(m_list, {{"a", "https://example.jp/a"}, {"b", "https://example.jp/b"}});
        m_list.SetColumnStyle(1, LISTCOLUMN_LINK);
        m_list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    int TrackAt(CPoint pt)
    {
        m_list.SetCursorAt(pt);
        CloseMenuSoon();
        return m_menu.Track(&m_list, m_pHost.get(), IDR_TEST_CELL_MENU, IDR_TEST_LINK_MENU);
    }

    CTestAppComm m_app;
    CTestCursorList<CCommListCtrl> m_list;
    std::unique_ptr<CListHost> m_pHost;
    CTestCellMenu m_menu;
};
} // namespace

TEST_F(ListCellMenuTest, LinkCommandsComeFirstOverALinkText)
{
    CRect rcLink;
    ASSERT_TRUE(m_list.GetCellLinkRect(1, 1, &rcLink));
    TrackAt(rcLink.CenterPoint());
    EXPECT_EQ(
        (std::vector<UINT>{ID_TEST_OPEN_LINK, ID_TEST_COPY_LINK, 0, ID_TEST_REFRESH, ID_TEST_PROPERTIES}),
        m_menu.m_items);
    EXPECT_TRUE(m_menu.HasHitCell());
    EXPECT_EQ(1, m_menu.GetHitRow());
    EXPECT_EQ(1, m_menu.GetHitColumn());

    // Beside the link: the list's own menu, no hit cell.
    TrackAt(CellCenter(m_list, 0, 0));
    EXPECT_EQ((std::vector<UINT>{ID_TEST_REFRESH, ID_TEST_PROPERTIES}), m_menu.m_items);
    EXPECT_FALSE(m_menu.HasHitCell());
    EXPECT_EQ(0, m_menu.Track(&m_list, m_pHost.get(), 0, IDR_TEST_LINK_MENU));
}

TEST_F(ListCellMenuTest, CopyPutsTheLinkOnTheClipboardAndForgetsTheCell)
{
    CClipboardTestLock lock;
    CRect rcLink;
    ASSERT_TRUE(m_list.GetCellLinkRect(0, 1, &rcLink));
    TrackAt(rcLink.CenterPoint());
    ASSERT_TRUE(m_menu.HasHitCell());
    EXPECT_TRUE(m_menu.CopyCellLink(&m_list));
    CString strText;
    ASSERT_TRUE(GetClipboardText(strText, nullptr, FALSE));
    EXPECT_STREQ("https://example.jp/a", strText);
    EXPECT_FALSE(m_menu.HasHitCell());
    // Nothing hit: nothing copied, nothing opened.
    EXPECT_FALSE(m_menu.CopyCellLink(&m_list));
    EXPECT_FALSE(m_menu.OpenCellLink(&m_list));
}
#endif // _WIN32
