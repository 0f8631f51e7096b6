// Feedback and removal from the main window's lists against the stand-in,
// as a user does it: a partner marked forbidden through the partner dialog
// (the winner list read from the item page), twelve closed items rated with
// the partners chosen, a template applied and the run confirmed; the
// buyer's side on the won list; items removed from the won list. Then what
// the service holds and what a document read afresh from the file shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FeedbackStandIn.h"
#include "PartnerDialogControls.h"
#include "actions/shared/win32/ActionControls.h"
#include "actions/shared/win32/ListJobFixture.h"
#include "afx/TestText.h"
#include "auction/accounts/UserAccount.h"
#include "client/DataSetFiles.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoResourceIds.h"
#include "client/TanzoTabbedPage.h"
#include "client/TanzoTemplateList.h"
#include "client/TemplateRateEditItem.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/TanzoSendTargetSelectBaseDialog.h"
#include "client/actions/shared/ActionCommands.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"
#include "net/win32/StandIn.h"

using namespace FeedbackStandIn;

namespace
{
const char kDemoId[] = "demo_seller1";
const char kDemoPassword[] = "pass-seller1";
const char kTemplateComment[] = "迅速なお取引ありがとうございました。＜またよろしく＞ & \"感謝\"";

std::vector<DWORD> BuyerFlags(const CTanzoAuctionBuyerList& buyers)
{
    std::vector<DWORD> flags;
    for (POSITION pos = buyers.GetHeadPosition(); pos != nullptr;)
        flags.push_back(buyers.GetNext(pos).GetFlags());
    return flags;
}

class FeedbackFromList : public ListJobTest
{
protected:
    // Marks set without the question that may stop asking.
    FeedbackFromList() { SetSetting("OptionValue", 0); }

    static void SelectRows(CTanzoAItemBaseListCtrl& list, const std::vector<int>& rows)
    {
        list.SetItemStateMasked(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int nRow : rows)
            list.SetItemStateMasked(nRow, LVIS_SELECTED, LVIS_SELECTED);
    }
    // The row of an auction ID, -1 for none.
    static int RowOf(CTanzoAItemBaseListCtrl& list, const std::string& id)
    {
        const std::vector<std::string> ids = RowIds(list);
        const auto found = std::find(ids.begin(), ids.end(), id);
        return found != ids.end() ? (int)(found - ids.begin()) : -1;
    }

    // The item's record as a document opened afresh reads it from the
    // file; FALSE for none.
    BOOL StoredRecord(const std::string& id, TanzoAuctionItemUserEdit& record)
    {
        CTestDocData fresh(m_folder.Path());
        CUserAccount account;
        account.SetID(kDemoId);
        account.SetPassword(kDemoPassword);
        fresh.Add(account);
        TanzoAuctionItem key;
        key.SetAuctionID(id.c_str());
        record = TanzoAuctionItemUserEdit(key);
        return fresh.LookupUserEdit(record);
    }
    // The posts to the path since the log held nSince requests.
    static int PostsTo(const char* path, size_t nSince)
    {
        int nPosts = 0;
        const std::vector<LoggedRequest> log = StandIn::Log();
        for (size_t i = nSince; i < log.size(); ++i)
            nPosts += log[i].method == "POST" && log[i].path == path ? 1 : 0;
        return nPosts;
    }
};
} // namespace

TEST_F(FeedbackFromList, TheSellerRatesTwelveClosedItemsWithTheirChosenPartners)
{
    ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
    ASSERT_TRUE(Start());
    CTanzoListCtrl* pList = ShowTab(1, 1);
    ASSERT_NE(nullptr, pList);
    // Two items with several winners: one with three, whose list shows the
    // top bidder beside the winner list's link, and one the list shows by
    // that link only (sold at a fixed price).
    std::string threeId, otherId;
    std::vector<int> singles;
    for (int nRow = 0; nRow < pList->GetItemCount(); ++nRow)
    {
        const TanzoAuctionItem* pItem = pList->GetRowRecord(nRow);
        const std::string id = (LPCTSTR)pItem->GetAuctionID();
        if (!pItem->HasSeveralWinners())
        {
            if (singles.size() < 10)
                singles.push_back(nRow);
            continue;
        }
        if (threeId.empty() && !pItem->HasWinnerListEntry() && Winners(id).size() == 3)
            threeId = id;
        else if (otherId.empty() && pItem->HasWinnerListEntry())
            otherId = id;
    }
    ASSERT_FALSE(threeId.empty());
    ASSERT_FALSE(otherId.empty());
    ASSERT_EQ(10u, singles.size());
    const std::vector<std::string> three = Winners(threeId);
    const std::vector<std::string> other = Winners(otherId);

    // The third winner of the first marked forbidden: the partner dialog
    // reads the winners from the item page as it opens.
    SelectRows(*pList, {RowOf(*pList, threeId)});
    std::vector<std::string> forbiddenRows;
    std::string forbiddenCaption;
    CallWhen([] { return ReadyPartnerDialog(IDC_RATE_TARGET_ALL) != nullptr; },
             [&]
             {
                 HWND hDialog = ReadyPartnerDialog(IDC_RATE_TARGET_ALL);
                 forbiddenCaption = WindowText(hDialog);
                 forbiddenRows = RowNames(hDialog);
                 CTanzoRateTargetListCtrl& list = PartnerDialogOf(hDialog)->GetList();
                 list.SelectSingleItem(2);
                 ::SendMessageA(list.m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
                 Click(hDialog, IDOK);
             });
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RATING_FORBIDDEN, 0);
    EXPECT_EQ(LoadText(IDS_RATE_TARGET_FORBIDDEN_CAPTION), forbiddenCaption);
    EXPECT_EQ(three, forbiddenRows);
    {
        TanzoAuctionItem key;
        key.SetAuctionID(threeId.c_str());
        TanzoAuctionItemUserEdit record(key);
        ASSERT_TRUE(Doc()->LookupUserEdit(record));
        CTanzoAuctionBuyerList buyers;
        record.GetBuyers(buyers);
        EXPECT_EQ((std::vector<DWORD>{0, 0, TanzoAuctionBuyer::FlagForbidden}), BuyerFlags(buyers));
    }

    // The rating templates hold the comment the run takes.
    CTemplateRateEditItem good(4, kTemplateComment, "");
    Doc()->AddTemplate(dataSetSellerRatingTemplates, &good);

    // Twelve rows: the ten with one winner and the two with several.
    std::vector<int> rows = singles;
    rows.insert(rows.begin() + 3, RowOf(*pList, threeId));
    rows.push_back(RowOf(*pList, otherId));
    SelectRows(*pList, rows);
    std::vector<std::string> ids;
    for (int nRow : rows)
        ids.push_back((LPCTSTR)pList->GetRowRecord(nRow)->GetAuctionID());

    // The session lapses before the second item's winners are read.
    ASSERT_TRUE(StandIn::SetState("{\"feedback_charset\": \"shift_jis\"}"));
    const size_t nLogged = StandIn::Log().size();
    m_boxes.nAnswer = IDYES;
    std::vector<int> threeOpen, threeAll, otherOpen, otherAll;
    std::vector<std::string> otherRows;
    std::string ratingShown, commentShown, confirmRating, confirmComment;
    bool bConfirmed = false;
    WhenDialogShows(
        IDC_RATE_TARGET_ALL,
        [&](HWND hThree)
        {
            threeOpen = CheckCells(hThree);
            Click(hThree, IDC_RATE_TARGET_ALL);
            threeAll = CheckCells(hThree);
            StandIn::SetState("{\"lapse_now\": true}");
            CallWhen([hThree] { return ReadyPartnerDialog(IDC_RATE_TARGET_ALL, hThree) != nullptr; },
                     [&, hThree]
                     {
                         HWND hOther = ReadyPartnerDialog(IDC_RATE_TARGET_ALL, hThree);
                         otherRows = RowNames(hOther);
                         otherOpen = CheckCells(hOther);
                         Click(hOther, IDC_RATE_TARGET_ALL);
                         otherAll = CheckCells(hOther);
                         WhenDialogShows(IDC_RATE_COMMENT,
                                         [&](HWND hRate)
                                         {
                                             ::SendMessageA(hRate, WM_COMMAND, ID_TEMPLATE_FIRST_RATING, 0);
                                             ratingShown = ControlText(hRate, IDC_RATE_VALUE);
                                             commentShown = ControlText(hRate, IDC_RATE_COMMENT);
                                             WhenDialogShows(IDC_RATE_CONFIRM_COMMENT,
                                                             [&](HWND hConfirm)
                                                             {
                                                                 bConfirmed = true;
                                                                 confirmRating = DrawnText(::GetDlgItem(
                                                                     hConfirm, IDC_RATE_CONFIRM_VALUE));
                                                                 confirmComment = DrawnText(::GetDlgItem(
                                                                     hConfirm, IDC_RATE_CONFIRM_COMMENT));
                                                                 Click(hConfirm, IDOK);
                                                             });
                                             Click(hRate, IDOK);
                                         });
                         Click(hOther, IDOK);
                     });
            Click(hThree, IDOK);
        });
    CRunCaptions run;
    ASSERT_TRUE(run.IsHooked());
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RATE, 0);

    // The first not rated is chosen; the forbidden one cannot be, even by
    // "select all".
    EXPECT_EQ((std::vector<int>{LISTCELL_CHECKED, 0, LISTCELL_FIXED}), threeOpen);
    EXPECT_EQ((std::vector<int>{LISTCELL_CHECKED, LISTCELL_CHECKED, LISTCELL_FIXED}), threeAll);
    EXPECT_EQ(other, otherRows);
    ASSERT_FALSE(otherOpen.empty());
    EXPECT_EQ(LISTCELL_CHECKED, otherOpen[0]);
    EXPECT_EQ(std::vector<int>(other.size(), LISTCELL_CHECKED), otherAll);
    EXPECT_EQ(1, PostsTo("/config/login", nLogged));
    EXPECT_EQ(LoadText(829), ratingShown);
    EXPECT_EQ(kTemplateComment, commentShown);
    EXPECT_TRUE(bConfirmed);
    EXPECT_EQ(LoadText(829), confirmRating);
    EXPECT_EQ(kTemplateComment, confirmComment);
    std::vector<std::string> expectedCaptions;
    for (int i = 1; i <= 12; ++i)
        expectedCaptions.push_back(FormatText(IDS_FEEDBACK_CAPTION, i, 12));
    EXPECT_EQ(expectedCaptions, run.captions);
    ASSERT_FALSE(m_boxes.texts.empty());
    EXPECT_EQ(LoadText(907), m_boxes.texts.back());

    // One feedback per chosen partner, none for the forbidden one.
    auto given = FeedbackGiven();
    EXPECT_EQ(12u, given.size());
    for (size_t i = 0; i < ids.size(); ++i)
    {
        SCOPED_TRACE(ids[i]);
        std::vector<std::string> rated;
        if (ids[i] == threeId)
            rated = {three[0], three[1]};
        else if (ids[i] == otherId)
            rated = other;
        else
        {
            CString name;
            pList->GetRowRecord(rows[i])->GetFirstBuyerName(name);
            rated = {(LPCTSTR)name};
        }
        std::set<std::string> expected(rated.begin(), rated.end()), got;
        for (const auto& partner : given[ids[i]])
        {
            got.insert(partner.first);
            EXPECT_EQ(1, partner.second.count) << partner.first;
            EXPECT_EQ(1, partner.second.attempts) << partner.first;
            EXPECT_EQ("good", partner.second.rating) << partner.first;
            EXPECT_EQ(kTemplateComment, partner.second.comment) << partner.first;
        }
        EXPECT_EQ(expected, got);

        // The marks, in a document read afresh from the file: the item only
        // when all its partners are rated.
        TanzoAuctionItemUserEdit record;
        ASSERT_TRUE(StoredRecord(ids[i], record));
        EXPECT_EQ(ids[i] != threeId, (record.GetFlags() & CItemUserState::StateRated) != 0);
        if (ids[i] == threeId || ids[i] == otherId)
        {
            CTanzoAuctionBuyerList buyers;
            record.GetBuyers(buyers);
            const DWORD chosenRated = TanzoAuctionBuyer::FlagTarget | TanzoAuctionBuyer::FlagRated;
            const std::vector<DWORD> expectedFlags =
                ids[i] == threeId
                    ? std::vector<DWORD>{chosenRated, chosenRated, TanzoAuctionBuyer::FlagForbidden}
                    : std::vector<DWORD>(other.size(), chosenRated);
            EXPECT_EQ(expectedFlags, BuyerFlags(buyers));
        }
    }
}

TEST_F(FeedbackFromList, TheBuyerRatesTheSellersOfWonItems)
{
    ASSERT_TRUE(Start());
    CTanzoListCtrl* pList = ShowTab(3, 1);
    ASSERT_NE(nullptr, pList);
    ASSERT_GE(pList->GetItemCount(), 2);
    SelectRows(*pList, {0, 1});
    const std::map<std::string, std::string> sellers = {
        {(LPCTSTR)pList->GetRowRecord(0)->GetAuctionID(), (LPCTSTR)pList->GetRowRecord(0)->GetSellerID()},
        {(LPCTSTR)pList->GetRowRecord(1)->GetAuctionID(), (LPCTSTR)pList->GetRowRecord(1)->GetSellerID()}};

    m_boxes.nAnswer = IDYES;
    std::string role;
    WhenDialogShows(IDC_RATE_COMMENT,
                    [&](HWND hRate)
                    {
                        role = ControlText(hRate, IDC_RATE_ROLE);
                        ::SendMessageA(::GetDlgItem(hRate, IDC_RATE_VALUE), CB_SETCURSEL, 4, 0);
                        WhenDialogShows(IDC_RATE_CONFIRM_COMMENT,
                                        [](HWND hConfirm) { Click(hConfirm, IDOK); });
                        Click(hRate, IDOK);
                    });
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RATE, 0);
    EXPECT_EQ(LoadText(IDS_RATE_AS_BUYER), role);

    auto given = FeedbackGiven();
    ASSERT_EQ(2u, given.size());
    for (const auto& item : sellers)
    {
        SCOPED_TRACE(item.first);
        ASSERT_EQ(1u, given[item.first].size());
        const Feedback& feedback = given[item.first][item.second];
        EXPECT_EQ(1, feedback.count);
        EXPECT_EQ("veryBad", feedback.rating);
        EXPECT_EQ(LoadText(IDS_RATE_COMMENT_AS_BUYER), feedback.comment);
        TanzoAuctionItemUserEdit record;
        ASSERT_TRUE(StoredRecord(item.first, record));
        EXPECT_NE(0u, record.GetFlags() & CItemUserState::StateRated);
    }
}

TEST_F(FeedbackFromList, RemovedWonItemsLeaveTheListAndTheirMemos)
{
    ASSERT_TRUE(Start());
    CTanzoListCtrl* pList = ShowTab(3, 1);
    ASSERT_NE(nullptr, pList);
    ASSERT_GE(pList->GetItemCount(), 4);
    std::vector<std::string> ids;
    for (int nRow = 0; nRow < 3; ++nRow)
    {
        TanzoAuctionItem* pItem = pList->GetRowRecord(nRow);
        ids.push_back((LPCTSTR)pItem->GetAuctionID());
        pItem->SetMemo("消す前のメモ");
        Doc()->StoreUserEdit(TanzoAuctionItemUserEdit(*pItem));
    }
    ASSERT_TRUE(Doc()->TransferDataSet(dataSetUserEdits, TRUE));
    for (const std::string& id : ids)
    {
        TanzoAuctionItemUserEdit record;
        ASSERT_TRUE(StoredRecord(id, record)) << id;
    }
    SelectRows(*pList, {0, 1, 2});
    m_boxes.nAnswer = IDYES;
    const size_t nLogged = StandIn::Log().size();
    CRunCaptions run;
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_REMOVE, 0);

    EXPECT_EQ(std::vector<std::string>{FormatText(IDS_REMOVE_CAPTION, 1, 1)}, run.captions);
    const Removals removed = Removed("won");
    EXPECT_EQ(ids, removed.ids);
    EXPECT_EQ(1, removed.posts);
    EXPECT_EQ(1, PostsTo("/jp/config/removebid", nLogged));
    // The page read again without them; their memos are gone from the file.
    for (const std::string& id : ids)
    {
        EXPECT_EQ(-1, RowOf(Page(3)->GetList(), id)) << id;
        TanzoAuctionItemUserEdit record;
        EXPECT_FALSE(StoredRecord(id, record)) << id;
    }
}

namespace
{
// The submenu of hMenu, at any depth, that holds command nID, or null.
HMENU SubMenuOf(HMENU hMenu, UINT nID)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub == nullptr)
            continue;
        if (::GetMenuState(hSub, nID, MF_BYCOMMAND) != (UINT)-1)
        {
            HMENU hDeeper = SubMenuOf(hSub, nID);
            return hDeeper != nullptr ? hDeeper : hSub;
        }
    }
    return nullptr;
}
} // namespace

TEST_F(FeedbackFromList, TheMainMenuManagesEachTemplateSetOfTheDocument)
{
    // The frame's commands of the item actions, as the program hands them over.
    struct CommandsHandedOver
    {
        CActionCommands commands;
        CommandsHandedOver() { SetActionCommandTarget(&commands); }
        ~CommandsHandedOver() { SetActionCommandTarget(nullptr); }
    } handedOver;
    ASSERT_TRUE(Start());
    const struct
    {
        UINT nCommand;
        int set;
        int nList; // the manager's list
        std::string caption;
    } cases[] = {
        {ID_TEMPLATES_DESCRIPTION, dataSetDescriptionTemplates, IDC_DESCRIPTION_TEMPLATE_LIST, ""},
        {ID_TEMPLATES_RATE_AS_SELLER, dataSetSellerRatingTemplates, IDC_RATE_TEMPLATE_LIST,
         LoadText(IDS_RATE_TEMPLATES_AS_SELLER)},
        {ID_TEMPLATES_RATE_AS_BUYER, dataSetBuyerRatingTemplates, IDC_RATE_TEMPLATE_LIST,
         LoadText(IDS_RATE_TEMPLATES_AS_BUYER)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nCommand);
        HMENU hMenu = SubMenuOf(::GetMenu(Frame()->m_hWnd), c.nCommand);
        ASSERT_NE(nullptr, hMenu);
        Frame()->SendMessage(WM_INITMENUPOPUP, (WPARAM)hMenu, 0);
        EXPECT_EQ(0u, ::GetMenuState(hMenu, c.nCommand, MF_BYCOMMAND) & MF_GRAYED);

        // A rating template keeps its comment as its title, a description its text.
        const bool rated = c.set != dataSetDescriptionTemplates;
        Doc()->RemoveAllTemplates(c.set);
        for (const char* text : {"残す定型文", "消す定型文"})
        {
            const CTemplateRateEditItem rating(1, text);
            const CTemplateStringItem description(nullptr, text);
            Doc()->AddTemplate(c.set, rated ? &rating : &description);
        }
        int nRows = -1;
        std::string caption;
        m_boxes.nAnswer = IDYES;
        WhenDialogShows(
            c.nList,
            [&](HWND hManager)
            {
                char szCaption[256] = {};
                ::GetWindowTextA(hManager, szCaption, sizeof(szCaption));
                caption = szCaption;
                HWND hList = ::GetDlgItem(hManager, c.nList);
                nRows = ListView_GetItemCount(hList);
                ListView_SetItemState(hList, -1, 0, LVIS_SELECTED);
                ListView_SetItemState(hList, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                Click(hManager, c.nList == IDC_RATE_TEMPLATE_LIST ? IDC_RATE_TEMPLATE_DELETE
                                                                  : IDC_DESCRIPTION_TEMPLATE_DELETE);
                Click(hManager, IDOK);
            });
        Frame()->SendMessage(WM_COMMAND, c.nCommand, 0);
        EXPECT_EQ(2, nRows);
        if (!c.caption.empty())
        {
            EXPECT_EQ(c.caption, caption);
        }
        ASSERT_EQ(1, Doc()->GetTemplateCount(c.set));
        std::unique_ptr<CTemplateStringItem> item(CreateTemplateItem(c.set, nullptr));
        ASSERT_NE(nullptr, item);
        EXPECT_TRUE(Doc()->GetTemplate(c.set, 0, *item));
        EXPECT_EQ(std::string("残す定型文"), (LPCTSTR)(rated ? item->GetTitle() : item->GetText()));
        if (rated)
        {
            auto* pRating = dynamic_cast<CTemplateRateEditItem*>(item.get());
            ASSERT_NE(nullptr, pRating);
            EXPECT_EQ(1, pRating->GetRating());
        }
    }
}
