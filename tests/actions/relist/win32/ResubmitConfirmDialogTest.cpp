// The re-listing confirmation driven by control id as a user would: the
// rows as given (a start price taken from the current price), the page's
// sort, the buttons by selection, moving a row, the paid options of the
// selected rows, the find and the status line, OK's refusal and what OK
// hands back, the column widths kept, and its look.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "actions/shared/win32/ActionDialogTestSupport.h"
#include "afx/TestText.h"
#include "app/DecorateStatic.h"
#include "app/Screenshot.h"
#include "auction/records/AuctionChargeOption.h"
#include "client/FindResourceIds.h"
#include "client/ItemFields.h"
#include "client/ResubmitConfirmColumns.h"
#include "client/TanzoAuctionItem.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/relist/ResubmitChargeOptionDialog.h"
#include "client/actions/relist/ResubmitConfirmDialog.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "controls/ControlsResourceIds.h"

namespace
{
const char kRegistryKey[] = "Tanzo Resubmit Confirm Test";

struct Row
{
    const char* id;
    const char* title;
    LONGLONG startPrice;
    LONGLONG currentPrice;
    const char* memo;
};

// A list of a page: its columns show the kinds of their numbers.
class CPageLikeList : public CTanzoAItemBaseListCtrl
{
public:
    int GetColumnKind(int nColumn) override { return nColumn; }
    int GetKindColumn(int nKind) override { return nKind; }
    CListCellMenu* CreateCellMenu() override { return nullptr; }
    void ShowHoverText(LPCTSTR) override {}
};

const Row kRows[] = {
    {"c100000001", "木製の本棚「北欧」 <幅60cm>", 1000, 1500, "倉庫A"},
    {"c100000002", "陶器のマグカップ 2個組", 0, 300, ""},
    {"c100000003", "革の名刺入れ &nbsp;茶色", 500, 800, "再出品しない"},
    {"c100000004", "ガラスの花瓶 \"青\"", 2000, 2500, ""},
};

std::unique_ptr<TanzoAuctionItem> MakeRow(const Row& row)
{
    std::unique_ptr<TanzoAuctionItem> item(new TanzoAuctionItem);
    item->SetAuctionID(row.id);
    item->SetTitle(row.title);
    item->SetStartPrice(row.startPrice);
    item->SetCurrentPrice(row.currentPrice);
    item->SetMemo(row.memo);
    return item;
}

class ResubmitConfirm : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (dlg != nullptr && ::IsWindow(dlg->m_hWnd))
            dlg->DestroyWindow();
    }

    // The dialog over the first count rows, modeless so that the test
    // drives it between its steps.
    void Make(int count, int listKind = 1)
    {
        dlg.reset(new CResubmitConfirmDialog(listKind));
        for (int i = 0; i < count; ++i)
            dlg->AddItem(*MakeRow(kRows[i]));
    }
    void Open(int count, int listKind = 1)
    {
        Make(count, listKind);
        Show();
    }
    void Show()
    {
        ASSERT_TRUE(dlg->CreateModeless(nullptr));
        dlg->SetWindowPos(&CWnd::wndTop, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        PumpPending();
    }
    HWND Wnd() const { return dlg->m_hWnd; }
    std::string Caption(HWND hWnd)
    {
        char szText[256] = {};
        ::GetWindowTextA(hWnd, szText, sizeof(szText));
        return szText;
    }
    CTanzoResubmitConfirmListCtrl& List() { return dlg->GetList(); }
    void Select(std::initializer_list<int> rows)
    {
        List().SetItemStateMasked(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int nRow : rows)
            List().SetItemStateMasked(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        PumpPending();
    }
    std::vector<std::string> RowIds()
    {
        std::vector<std::string> ids;
        for (int nRow = 0; nRow < List().GetItemCount(); ++nRow)
            ids.push_back((LPCTSTR)List().GetRowRecord(nRow)->GetAuctionID());
        return ids;
    }
    std::string Status()
    {
        CString text;
        auto* pStatus =
            dynamic_cast<CDecorateStatic*>(CWnd::FromHandlePermanent(FindControl(Wnd(), IDC_CONFIRM_STATUS)));
        if (pStatus != nullptr)
            pStatus->GetText(text);
        return (LPCTSTR)text;
    }
    BOOL Enabled(int nID) { return ::IsWindowEnabled(FindControl(Wnd(), nID)); }
    // The dialog the confirmation opened over itself, once it shows.
    void WhenPopupShows(std::function<void(HWND)> steps)
    {
        HWND hOwner = Wnd();
        CallWhen([hOwner] { return FindOwnedWindow(hOwner) != nullptr; },
                 [hOwner, steps] { steps(FindOwnedWindow(hOwner)); });
    }

    CProfileScope profile{kRegistryKey};
    CMessageBoxRecorder boxes;
    std::unique_ptr<CResubmitConfirmDialog> dlg;
};
} // namespace

TEST_F(ResubmitConfirm, OpensOnTheRowsAsGivenWithTheirCount)
{
    Open(4);
    EXPECT_EQ("再出品の設定 - 再出品", Caption(Wnd()));
    EXPECT_EQ((std::vector<std::string>{"c100000001", "c100000002", "c100000003", "c100000004"}), RowIds());
    CString count;
    count.Format(LoadText(IDS_ITEM_COUNT).c_str(), 4);
    EXPECT_EQ((LPCTSTR)count, ControlText(Wnd(), IDC_CONFIRM_COUNT));
    EXPECT_EQ(0, List().GetFirstSelected());
    EXPECT_EQ(1u, List().GetSelectedCount());

    // The headings are the string table's.
    const UINT headings[] = {1108, 891, 892, 843, 898, 937, 978};
    ASSERT_EQ(7, List().GetColumnCount());
    for (int nColumn = 0; nColumn < 7; ++nColumn)
    {
        char szText[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = szText;
        column.cchTextMax = sizeof(szText);
        ::SendMessageA(List().m_hWnd, LVM_GETCOLUMNA, nColumn, (LPARAM)&column);
        EXPECT_EQ(LoadText(headings[nColumn]), szText) << nColumn;
    }

    // An item never given a start price goes up again at its current one,
    // as an edit of its start price.
    const int nStart = GetResubmitConfirmKindColumn(ItemField::StartPrice);
    EXPECT_EQ(300, List().GetRowRecord(1)->GetStartPrice());
    EXPECT_TRUE(List().GetRowRecord(1)->TestEditFlags(TanzoAuctionItem::EditStartPrice));
    EXPECT_NE(std::string::npos, std::string((LPCTSTR)List().GetCellText(1, nStart)).find("300"));
    EXPECT_EQ(1000, List().GetRowRecord(0)->GetStartPrice());
    EXPECT_FALSE(List().GetRowRecord(0)->TestEditFlags(TanzoAuctionItem::EditStartPrice));
}

TEST_F(ResubmitConfirm, ThePagesSortShowsOnItsColumn)
{
    const struct
    {
        int pageKind;
        BOOL descending;
        int column; // of the confirmation, -1 for none
    } cases[] = {
        // The pages' current price is the start price here.
        {ItemField::CurrentPrice, TRUE, GetResubmitConfirmKindColumn(ItemField::StartPrice)},
        {ItemField::EndTime, FALSE, GetResubmitConfirmKindColumn(ItemField::EndTime)},
        {ItemField::Buyer, TRUE, -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pageKind);
        CPageLikeList page;
        page.SetSortColumn(c.pageKind);
        page.SetDescending(c.descending);
        Make(2);
        dlg->StoreSortState(page);
        Show();
        EXPECT_EQ(c.column, List().GetSortColumn());
        if (c.column >= 0)
        {
            EXPECT_EQ(c.descending, List().GetDescending());
        }
        // The rows stay in the order they came.
        EXPECT_EQ((std::vector<std::string>{"c100000001", "c100000002"}), RowIds());
        dlg->DestroyWindow();
    }
}

TEST_F(ResubmitConfirm, ButtonsFollowTheSelection)
{
    const struct
    {
        int rows;
        std::vector<int> selected;
        BOOL charge, up, down;
    } cases[] = {
        {1, {0}, TRUE, FALSE, FALSE}, {3, {0}, TRUE, FALSE, TRUE},     {3, {1}, TRUE, TRUE, TRUE},
        {3, {2}, TRUE, TRUE, FALSE},  {3, {0, 2}, TRUE, FALSE, FALSE}, {3, {}, FALSE, FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, " << c.selected.size() << " selected");
        Open(c.rows);
        List().SetItemStateMasked(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int nRow : c.selected)
            List().SetItemStateMasked(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        PumpPending();
        EXPECT_EQ(c.charge, Enabled(IDC_CONFIRM_CHARGE));
        EXPECT_EQ(c.up, Enabled(IDC_CONFIRM_UP));
        EXPECT_EQ(c.down, Enabled(IDC_CONFIRM_DOWN));
        EXPECT_EQ(c.charge, Enabled(IDC_CONFIRM_EDIT));
        EXPECT_EQ(c.charge, dlg->IsCommandEnabled(ID_CONFIRM_EDIT));
        EXPECT_EQ(c.rows > 1, dlg->IsCommandEnabled(ID_CONFIRM_FIND_NEXT));
        EXPECT_EQ(c.rows > 1, dlg->IsCommandEnabled(ID_CONFIRM_FIND_PREVIOUS));
        EXPECT_TRUE(dlg->IsCommandEnabled(ID_CONFIRM_FIND));
        dlg->DestroyWindow();
    }
}

TEST_F(ResubmitConfirm, AMovedRowDropsTheSortAndOKHandsTheRowsBackInOrder)
{
    CPageLikeList page;
    page.SetSortColumn(ItemField::EndTime);
    Make(4);
    dlg->StoreSortState(page);
    Show();
    ASSERT_GE(List().GetSortColumn(), 0);
    Select({2});
    ClickControl(Wnd(), IDC_CONFIRM_UP);
    EXPECT_EQ((std::vector<std::string>{"c100000001", "c100000003", "c100000002", "c100000004"}), RowIds());
    EXPECT_EQ(-1, List().GetSortColumn());
    EXPECT_EQ(1, List().GetFirstSelected());
    ClickControl(Wnd(), IDC_CONFIRM_UP);
    // At the top: up is grey, and the focus that was on it went on.
    EXPECT_EQ(0, List().GetFirstSelected());
    EXPECT_FALSE(Enabled(IDC_CONFIRM_UP));
    // The bottom row down, from the pop-up's command.
    Select({3});
    dlg->SendMessage(WM_COMMAND, ID_CONFIRM_DOWN, 0);
    EXPECT_EQ("c100000004", RowIds()[3]);
    dlg->SendMessage(WM_COMMAND, ID_CONFIRM_UP, 0);
    EXPECT_EQ((std::vector<std::string>{"c100000003", "c100000001", "c100000004", "c100000002"}), RowIds());

    ClickControl(Wnd(), IDOK);
    EXPECT_FALSE(::IsWindowVisible(Wnd()));
    CResubmitConfirmDialog::ItemList items;
    dlg->GetItems(items);
    std::vector<std::string> ids;
    for (const auto& pItem : items)
        ids.push_back((LPCTSTR)pItem->GetAuctionID());
    EXPECT_EQ((std::vector<std::string>{"c100000003", "c100000001", "c100000004", "c100000002"}), ids);
    // With the start price the confirmation gave it.
    EXPECT_EQ(300, items[3]->GetStartPrice());
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(ResubmitConfirm, PaidOptionsGoToEverySelectedRow)
{
    Open(4);
    Select({0, 2, 3});
    std::string caption, reserveMinimum;
    WhenPopupShows(
        [&](HWND hOptions)
        {
            caption = Caption(hOptions);
            reserveMinimum = ControlText(hOptions, IDC_CHARGE_RESERVE_EDIT);
            ClickControl(hOptions, IDC_CHARGE_RESERVE_CHECK);
            ClickControl(hOptions, IDC_CHARGE_FEATURED_CHECK);
            SetControlText(hOptions, IDC_CHARGE_FEATURED_EDIT, "40");
            SetControlText(hOptions, IDC_CHARGE_RESERVE_EDIT, "3000");
            ClickControl(hOptions, IDC_CHARGE_BOLD);
            ::SetFocus(FindControl(hOptions, IDOK));
            ClickControl(hOptions, IDOK);
        });
    ClickControl(Wnd(), IDC_CONFIRM_CHARGE);
    EXPECT_EQ(LoadText(IDS_CHARGE_CAPTION_SEVERAL), caption);
    // The largest start price of the rows is the least reserve price.
    EXPECT_EQ("2,000", reserveMinimum);
    EXPECT_TRUE(boxes.texts.empty()) << boxes.texts[0];
    const int nMarks = GetResubmitConfirmKindColumn(ItemField::ChargeOptions);
    for (int nRow = 0; nRow < 4; ++nRow)
    {
        SCOPED_TRACE(nRow);
        const TanzoAuctionItem* pItem = List().GetRowRecord(nRow);
        const bool bSelected = nRow != 1;
        EXPECT_EQ(bSelected, pItem->TestEditFlags(TanzoAuctionItem::EditChargeOptions) != 0);
        EXPECT_EQ(bSelected ? 40 : 0, pItem->GetChargeOption().GetFeaturedAmount());
        EXPECT_EQ(bSelected ? 3000 : 0, pItem->GetChargeOption().GetReservePrice());
        EXPECT_EQ(bSelected, pItem->GetChargeOption().TestOptionBits(CAuctionChargeOption::OptionBold) != 0);
        CString marks;
        pItem->FormatChargeOptionMarks(marks);
        EXPECT_EQ(marks, List().GetCellText(nRow, nMarks));
    }

    // One row: the caption of the template; its Cancel changes nothing.
    Select({1});
    WhenPopupShows(
        [&](HWND hOptions)
        {
            caption = Caption(hOptions);
            ClickControl(hOptions, IDC_CHARGE_BOLD);
            ClickControl(hOptions, IDCANCEL);
        });
    ClickControl(Wnd(), IDC_CONFIRM_CHARGE);
    EXPECT_EQ("有料オプション設定", caption);
    EXPECT_FALSE(List().GetRowRecord(1)->TestEditFlags(TanzoAuctionItem::EditChargeOptions));
    EXPECT_FALSE(List().GetRowRecord(1)->GetChargeOption().HasAnyOption());
}

TEST_F(ResubmitConfirm, OkRefusesABuyNowPriceBelowTheStartPrice)
{
    Make(2);
    auto edited = MakeRow(kRows[2]);
    edited->SetStartPrice(1000);
    edited->SetBuyNowPrice(500);
    edited->AddEditFlags(TanzoAuctionItem::EditBuyNowPrice);
    dlg->AddItem(*edited);
    // The same prices unedited are the service's business.
    auto unedited = MakeRow(kRows[3]);
    unedited->SetBuyNowPrice(100);
    dlg->AddItem(*unedited);
    Show();
    ClickControl(Wnd(), IDOK);
    EXPECT_TRUE(::IsWindowVisible(Wnd()));
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(0u, boxes.texts[0].find(LoadText(1084).substr(0, 20)));
    EXPECT_NE(std::string::npos,
              boxes.texts[0].find("革の名刺入れ &nbsp;茶色 (c100000003)\r\n開始価格：1,000 円"))
        << boxes.texts[0];
    EXPECT_EQ(2, List().GetFirstSelected());
    EXPECT_EQ(1u, List().GetSelectedCount());
}

TEST_F(ResubmitConfirm, FindSelectsRowsAndTellsInTheStatusLine)
{
    Open(4);
    WhenPopupShows(
        [](HWND hFind)
        {
            SetControlText(hFind, IDC_FIND_TEXT, "の");
            ClickControl(hFind, IDC_FIND_SEARCH);
        });
    // Ctrl+F on the list, as the keys send it.
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    List().SetFocus();
    List().PostMessage(WM_KEYDOWN, 'F', 0);
    PumpUntil([&] { return !Status().empty(); }, 5000);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(0, List().GetFirstSelected());
    CString found;
    found.Format(LoadText(IDS_FIND_STATUS).c_str(), "の");
    EXPECT_EQ((LPCTSTR)found, Status());

    // F3 goes on down; the find's text stays over the hover texts.
    List().PostMessage(WM_KEYDOWN, VK_F3, 0);
    PumpPending();
    EXPECT_EQ(1, List().GetFirstSelected());
    dlg->ShowListStatusText("メモ", FALSE);
    EXPECT_EQ((LPCTSTR)found, Status());
    // Its time over, the next hover text shows.
    dlg->SendMessage(WM_TIMER, CResubmitConfirmDialog::StatusTimer, 0);
    dlg->ShowListStatusText("メモ", FALSE);
    EXPECT_EQ("メモ", Status());
    List().PostMessage(WM_KEYDOWN, VK_F3, 0);
    PumpPending();
    EXPECT_EQ(2, List().GetFirstSelected());
}

TEST_F(ResubmitConfirm, ThePopUpOffersWhatTheSelectionAllows)
{
    Open(3);
    std::vector<std::string> items;
    WhenMenuShows(
        [&](HWND hMenu)
        {
            items = OpenMenuItems(hMenu);
            // "↓ひとつ下へ(&D)" by its key.
            ::PostMessageA(hMenu, WM_CHAR, 'D', 1);
        });
    RECT rcRow = {};
    ListView_GetItemRect(List().m_hWnd, 0, &rcRow, LVIR_BOUNDS);
    List().PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(rcRow.left + 4, rcRow.top + 2));
    List().SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(rcRow.left + 4, rcRow.top + 2));
    PumpPending();
    // The menu's items by command; the link's two come on top only over a link.
    std::map<UINT, bool> grey;
    for (const std::string& item : items)
    {
        const size_t space = item.find(' '); // the menu's texts have none
        const UINT nID = (UINT)atoi(item.c_str() + space + 1);
        if (nID != 0)
            grey[nID] = item.find(" grey") != std::string::npos;
    }
    const std::map<UINT, bool> expected = {{ID_CONFIRM_EDIT, false},
                                           {ID_CONFIRM_CHARGE, false},
                                           {ID_CONFIRM_SELECT_ALL, false},
                                           {ID_CONFIRM_UP, true},
                                           {ID_CONFIRM_DOWN, false},
                                           {ID_CONFIRM_FIND, false},
                                           {ID_CONFIRM_FIND_PREVIOUS, false},
                                           {ID_CONFIRM_FIND_NEXT, false},
                                           {41000, false}};
    for (const auto& e : expected)
    {
        ASSERT_EQ(1u, grey.count(e.first)) << e.first;
        EXPECT_EQ(e.second, grey[e.first]) << e.first;
    }
    EXPECT_EQ((std::vector<std::string>{"c100000002", "c100000001", "c100000003"}), RowIds());
}

TEST_F(ResubmitConfirm, ColumnWidthsAreKeptUnderTheirKeys)
{
    Open(2);
    List().SetColumnWidth(2, 222);
    List().SetColumnWidth(6, 77);
    dlg->DestroyWindow();
    EXPECT_EQ("222", profile.Stored(IDD_RESUBMIT_CONFIRM, "ColumnWidthTitle"));
    EXPECT_EQ("77", profile.Stored(IDD_RESUBMIT_CONFIRM, "ColumnWidthMemo"));
    EXPECT_EQ("80", profile.Stored(IDD_RESUBMIT_CONFIRM, "ColumnWidthStartPrice"));
    Open(2);
    EXPECT_EQ(222, List().GetColumnWidth(2));
    EXPECT_EQ(93, List().GetColumnWidth(5));
}

TEST_F(ResubmitConfirm, Screenshot)
{
    RUN_IN_SCREENSHOT_PROCESS();
    CResubmitConfirmDialog shown(2);
    for (const Row& row : kRows)
        shown.AddItem(*MakeRow(row));
    std::string missing;
    const ScreenshotResult shot = ShootModalDialog(shown, "resubmit-confirm", missing);
    EXPECT_TRUE(shot.bSaved) << shot.path;
    EXPECT_GT(shot.nColours, 8) << "blank picture: " << shot.path;
    EXPECT_EQ("", missing);
}
