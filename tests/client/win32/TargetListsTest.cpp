// The partner list in a small dialog that answers for the partner
// dialogs: its cells, the link under the mouse, its pop-up menus whose
// commands reach the dialog, links opened with a click, and its buyers,
// each freed once however the rows go.
#include <gtest/gtest.h>

#include "app/ClipboardShell.h"
#include "app/DialogResourceIds.h"
#include "app/DialogTestUtil.h"
#include "app/TestAppComm.h"
#include "client/TanzoListParent.h"
#include "client/TanzoRateTargetListCtrl.h"
#include "client/TargetListResourceIds.h"
#include "controls/ListTestHost.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{
// The dialog that holds a list, as the partner dialogs answer for it.
class CTargetListHost : public CListHost, public CTanzoListParent
{
public:
    explicit CTargetListHost(CCommListCtrl& list) : CListHost(list, kTestListStyle | LVS_OWNERDATA, 240, 120)
    {
    }

    void ShowListHoverText(LPCTSTR lpszText) override { m_hovers.push_back(lpszText); }
    int GetListDisplayMode() override { return m_nDisplayMode; }
    void ShowListStatusText(LPCTSTR lpszText, BOOL bTimed) override
    {
        m_statuses.push_back(std::string(bTimed ? "timed:" : "") + lpszText);
    }
    BOOL IsListCommandEnabled(UINT nID) override { return m_disabled.count(nID) == 0; }

    int m_nDisplayMode = 0;
    std::map<UINT, bool> m_disabled;
    std::vector<std::string> m_hovers;
    std::vector<std::string> m_statuses;
    std::vector<UINT> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam == 0)
            m_commands.push_back(LOWORD(wParam));
        return CListHost::OnCommand(wParam, lParam);
    }
};

// A buyer that counts its deletions.
class CCountedBuyer : public TanzoAuctionBuyer
{
public:
    CCountedBuyer(LPCTSTR name, DWORD flags, std::map<std::string, int>& deletions)
        : TanzoAuctionBuyer(name), m_deletions(deletions)
    {
        SetFlags(flags);
    }
    ~CCountedBuyer() override { ++m_deletions[(LPCTSTR)GetName()]; }

private:
    std::map<std::string, int>& m_deletions;
};

// The items of a pop-up and of its menu, by command (0 for separators).
std::vector<UINT> MenuCommands(HWND hMenuWnd)
{
    std::vector<UINT> ids;
    HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0);
    for (int i = 0; hMenu != nullptr && i < ::GetMenuItemCount(hMenu); ++i)
        ids.push_back(::GetMenuItemID(hMenu, i));
    return ids;
}

std::vector<std::string> g_opened;
INT_PTR RecordOpen(LPCTSTR target, HWND)
{
    g_opened.push_back(target);
    return 33;
}

class RateTargetList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = std::make_unique<CTargetListHost>(m_list);
        ASSERT_TRUE(m_pHost->Open());
        m_list.InsertColumn(0, "取引相手", LVCFMT_LEFT, 120);
        m_list.InsertColumn(1, "評価", LVCFMT_CENTER, 60);
        m_list.SetColumnStyle(0, LISTCOLUMN_LINK | LISTCOLUMN_UNDERLINE);
        m_list.SetColumnStyle(1, LISTCOLUMN_ICON);
    }
    void TearDown() override
    {
        m_pHost.reset();
        PumpPending();
    }
    void Fill(const std::vector<std::pair<const char*, DWORD>>& buyers)
    {
        m_list.SetItemCount((int)buyers.size(), 0);
        for (size_t i = 0; i < buyers.size(); ++i)
            EXPECT_TRUE(m_list.SetRowRecord(
                (int)i, new CCountedBuyer(buyers[i].first, buyers[i].second, m_deletions)));
        m_list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    // The user right-clicks the list at a client point; the pop-up's items
    // are read, then the pop-up closes, or the mnemonic chooses an item.
    std::vector<UINT> RightClickAt(CPoint pt, char chChoose = 0)
    {
        m_list.SetCursorAt(pt);
        std::vector<UINT> items;
        BOOL bShown = FALSE;
        WhenMenuShows(
            [&](HWND hMenu)
            {
                bShown = TRUE;
                items = MenuCommands(hMenu);
                if (chChoose == 0)
                    ::EndMenu();
                else
                    ::PostMessageA(hMenu, WM_CHAR, (BYTE)chChoose, 1);
            });
        // The list view waits for the button's release before it answers.
        m_list.PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        m_list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
        PumpPending();
        if (!bShown)
            items.clear();
        return items;
    }
    CPoint LinkCenter(int nRow)
    {
        CRect rcLink;
        EXPECT_TRUE(m_list.GetCellLinkRect(nRow, 0, &rcLink)) << nRow;
        return rcLink.CenterPoint();
    }

    CTestAppComm m_app;
    CTestCursorList<CTanzoRateTargetListCtrl> m_list;
    std::unique_ptr<CTargetListHost> m_pHost;
    std::map<std::string, int> m_deletions;
};
} // namespace

TEST_F(RateTargetList, ShowsEachBuyersIdAsALinkAndNoTextInTheRatingColumn)
{
    Fill({{"buyer_a", 0}, {"buyer_b", TanzoAuctionBuyer::FlagRated}});
    EXPECT_STREQ("buyer_a", m_list.GetItemText(0, 0));
    EXPECT_STREQ("buyer_b", m_list.GetItemText(1, 0));
    EXPECT_STREQ("", m_list.GetItemText(1, 1));
    CString strLink;
    EXPECT_TRUE(m_list.GetCellLink(1, 0, strLink));
    EXPECT_NE(-1, strLink.Find("/seller/buyer_b")) << (LPCTSTR)strLink;
    EXPECT_FALSE(m_list.GetCellLink(1, 1, strLink));
    EXPECT_TRUE(strLink.IsEmpty());
    // No flag, no image; the link text was drawn and can be hit.
    EXPECT_EQ(nullptr, m_list.GetCellIcon(0, 1, FALSE));
    CRect rcLink;
    EXPECT_TRUE(m_list.GetCellLinkRect(0, 0, &rcLink));
}

TEST_F(RateTargetList, TheLinkUnderTheMouseGoesToTheDialog)
{
    Fill({{"buyer_a", 0}, {"buyer_b", 0}});
    const CPoint pts[] = {CellCenter(m_list, 1, 0), CellCenter(m_list, 1, 1), CPoint(200, 110)};
    for (const CPoint& pt : pts)
        m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(3u, m_pHost->m_hovers.size());
    EXPECT_NE(std::string::npos, m_pHost->m_hovers[0].find("/seller/buyer_b")) << m_pHost->m_hovers[0];
    EXPECT_EQ("", m_pHost->m_hovers[1]);
    EXPECT_EQ("", m_pHost->m_hovers[2]);
}

TEST_F(RateTargetList, PopUpDependsOnTheDisplayModeAndPutsTheLinkOnTopOverALink)
{
    Fill({{"buyer_a", 0}, {"buyer_b", 0}});
    const std::vector<UINT> choice = {ID_RATE_TARGET_ALL, ID_RATE_TARGET_NONE, 0, ID_RATE_TARGET_UPDATE, 0,
                                      ID_DIALOG_HELP};
    const std::vector<UINT> winners = {ID_RATE_TARGET_UPDATE, 0, ID_DIALOG_HELP};
    const std::vector<UINT> link = {ID_LINK_COPY, ID_LINK_OPEN, 0};
    struct Case
    {
        int nMode;
        bool bOnLink;
        std::vector<UINT> items;
    } cases[] = {
        {0, false, choice}, {1, false, choice}, {2, true, link}, {3, false, winners}, {3, true, link},
    };
    for (const Case& c : cases)
    {
        m_pHost->m_nDisplayMode = c.nMode;
        std::vector<UINT> expected = c.items;
        if (c.bOnLink)
        {
            const std::vector<UINT>& rest = c.nMode == 3 ? winners : choice;
            expected.insert(expected.end(), rest.begin(), rest.end());
        }
        const CPoint pt = c.bOnLink ? LinkCenter(1) : CellCenter(m_list, 1, 1);
        EXPECT_EQ(expected, RightClickAt(pt)) << "mode " << c.nMode << (c.bOnLink ? ", on a link" : "");
    }
}

TEST_F(RateTargetList, PopUpCommandsReachTheDialogAndTheLinkCommandsActOnTheHitBuyer)
{
    CClipboardTestLock lock;
    Fill({{"buyer_a", 0}, {"buyer_b", 0}});
    RightClickAt(CellCenter(m_list, 0, 1), 'u');
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_RATE_TARGET_NONE}, m_pHost->m_commands);

    // The dialog runs the link commands through the list.
    RightClickAt(LinkCenter(1), 'c');
    PumpPending();
    ASSERT_EQ(2u, m_pHost->m_commands.size());
    EXPECT_EQ((UINT)ID_LINK_COPY, m_pHost->m_commands[1]);
    EXPECT_TRUE(m_list.CopyLinkAddress());
    CString strText;
    ASSERT_TRUE(GetClipboardText(strText, nullptr, FALSE));
    EXPECT_NE(-1, strText.Find("/seller/buyer_b")) << (LPCTSTR)strText;

    // From the keyboard: the selected buyer's link.
    g_opened.clear();
    SHELL_OPEN_HOOK pfnOld = SetShellOpenHook(RecordOpen);
    m_list.SelectSingleItem(0);
    EXPECT_TRUE(m_list.OpenLink());
    SetShellOpenHook(pfnOld);
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_NE(std::string::npos, g_opened[0].find("/seller/buyer_a")) << g_opened[0];
}

TEST_F(RateTargetList, AClickOnALinkOpensIt)
{
    Fill({{"buyer_a", 0}, {"buyer_b", 0}});
    g_opened.clear();
    SHELL_OPEN_HOOK pfnOld = SetShellOpenHook(RecordOpen);
    ClickAt(m_list, LinkCenter(1));
    ClickAt(m_list, CellCenter(m_list, 0, 1));
    SetShellOpenHook(pfnOld);
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_NE(std::string::npos, g_opened[0].find("/seller/buyer_b")) << g_opened[0];
    EXPECT_TRUE(m_pHost->m_linkClicks.empty());
}

TEST_F(RateTargetList, EachBuyerIsFreedOnce)
{
    struct Case
    {
        const char* name;
        void (*steps)(CTanzoRateTargetListCtrl& list);
    } cases[] = {
        {"the dialog closed with its rows", [](CTanzoRateTargetListCtrl&) {}},
        {"all rows deleted, then the dialog closed",
         [](CTanzoRateTargetListCtrl& list) { EXPECT_TRUE(list.DeleteAllRows()); }},
        {"one row deleted", [](CTanzoRateTargetListCtrl& list) { EXPECT_TRUE(list.DeleteRow(1)); }},
        {"the row count cut to one", [](CTanzoRateTargetListCtrl& list) { list.SetItemCount(1, 0); }},
        {"a row given another buyer",
         [](CTanzoRateTargetListCtrl& list) { list.SetItemPtr(0, new TanzoAuctionBuyer("other")); }},
        {"sorted by the ID",
         [](CTanzoRateTargetListCtrl& list)
         {
             list.SetSortMode(LIST_SORT_BY_ROW);
             list.SortByClickedColumn(0);
         }},
    };
    for (const Case& c : cases)
    {
        m_deletions.clear();
        m_pHost = std::make_unique<CTargetListHost>(m_list);
        ASSERT_TRUE(m_pHost->Open());
        m_list.InsertColumn(0, "取引相手", LVCFMT_LEFT, 120);
        Fill({{"buyer_c", 0}, {"buyer_a", 0}, {"buyer_b", 0}});
        c.steps(m_list);
        m_pHost.reset();
        for (const char* name : {"buyer_a", "buyer_b", "buyer_c"})
            EXPECT_EQ(1, m_deletions[name]) << c.name << ": " << name;
    }
}
