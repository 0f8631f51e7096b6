// The partner dialogs through the item actions' hand-overs, against the
// stand-in's item pages: the winner list read as it opens, a page naming
// nobody, a choice that must name a partner, and the list read again
// keeping each partner's marks whatever the letter case.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FeedbackStandIn.h"
#include "PartnerDialogControls.h"
#include "actions/shared/win32/ActionControls.h"
#include "afx/TestText.h"
#include "client/TanzoAuctionItem.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/PartnerSelection.h"
#include "client/actions/feedback/TanzoSendTargetSelectBaseDialog.h"
#include "client/actions/shared/ActionJobs.h"
#include "client/win32/ClientAppFixture.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"
#include "text/MbcsString.h"

using namespace FeedbackStandIn;

namespace
{
// The same demo items at every reset; the first page signs the seller in.
const char kStartState[] = "{\"clock\": \"2024-01-02 12:00\", \"auto_login\": \"demo_seller1\"}";
const DWORD kTarget = TanzoAuctionBuyer::FlagTarget;
const DWORD kRated = TanzoAuctionBuyer::FlagRated;
const DWORD kForbidden = TanzoAuctionBuyer::FlagForbidden;

struct Partner
{
    std::string name;
    DWORD flags;
    bool operator==(const Partner& other) const { return name == other.name && flags == other.flags; }
};

std::ostream& operator<<(std::ostream& out, const Partner& partner)
{
    return out << partner.name << ":" << partner.flags;
}

std::vector<Partner> PartnersOf(const TanzoAuctionItem& item)
{
    std::vector<Partner> out;
    CTanzoAuctionBuyerList buyers;
    item.GetBuyers(buyers);
    for (POSITION pos = buyers.GetHeadPosition(); pos != nullptr;)
    {
        const TanzoAuctionBuyer& buyer = buyers.GetNext(pos);
        out.push_back({(LPCTSTR)buyer.GetName(), buyer.GetFlags()});
    }
    return out;
}

void SetPartners(TanzoAuctionItem& item, const std::vector<Partner>& partners)
{
    CTanzoAuctionBuyerList buyers;
    for (const Partner& partner : partners)
    {
        TanzoAuctionBuyer buyer(partner.name.c_str(), 0, 1, 1);
        buyer.SetFlags(partner.flags);
        buyers.AddTail(buyer);
    }
    item.ReplaceBuyers(buyers);
}

class PartnerDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        ASSERT_TRUE(StandIn::SetState(kStartState));
        items = ReadList("closed-winner");
        pItem = FirstWinnerListItem(items);
        ASSERT_NE(nullptr, pItem);
        id = (LPCTSTR)pItem->GetAuctionID();
        winners = Winners(id);
        ASSERT_GE(winners.size(), 2u);
    }
    void TearDown() override
    {
        StandIn::Reset();
        ResetServiceOrigins();
    }

    CActionJobs jobs;
    CMessageBoxRecorder boxes;
    Items items;
    TanzoAuctionItem* pItem = nullptr;
    std::string id;
    std::vector<std::string> winners;
};
} // namespace

TEST_F(PartnerDialogs, TheWinnerListReadsThePartnersAsItOpens)
{
    // A rated item hands its mark to every partner read.
    pItem->GetUserState().AddFlags(CItemUserState::StateRated);
    std::vector<std::string> rows;
    int nColumns = 0, nColumnStyle = 0;
    CallWhen([] { return ReadyPartnerDialog(IDC_WINNER_LIST_CLOSE) != nullptr; },
             [&]
             {
                 HWND hDialog = ReadyPartnerDialog(IDC_WINNER_LIST_CLOSE);
                 CTanzoRateTargetListCtrl& list = PartnerDialogOf(hDialog)->GetList();
                 for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
                     rows.push_back((LPCTSTR)list.GetRowRecord(nRow)->GetName());
                 nColumns = list.GetColumnCount();
                 nColumnStyle = list.GetColumnStyle(0);
                 Click(hDialog, IDC_WINNER_LIST_CLOSE);
             });
    BOOL bChanged = FALSE;
    EXPECT_TRUE(jobs.ShowWinnerList(nullptr, *pItem, TRUE, &bChanged));
    EXPECT_EQ(winners, rows);
    EXPECT_EQ(2, nColumns);
    EXPECT_EQ(0, nColumnStyle & LISTCOLUMN_CHECKBOX);
    EXPECT_TRUE(bChanged);
    std::vector<Partner> expected;
    for (const std::string& winner : winners)
        expected.push_back({winner, kRated});
    EXPECT_EQ(expected, PartnersOf(*pItem));
    EXPECT_EQ(std::vector<std::string>{}, boxes.texts);
}

TEST_F(PartnerDialogs, APageThatNamesNobodyClosesTheDialogAndChangesNothing)
{
    ASSERT_TRUE(StandIn::SetState("{\"item_page\": \"no_t\"}"));
    const std::vector<Partner> before = PartnersOf(*pItem);
    EXPECT_FALSE(jobs.SelectPartners(nullptr, *pItem, PartnerModeChoose, TRUE));
    EXPECT_EQ(std::vector<std::string>{LoadText(IDS_RATE_TARGET_FETCH_FAILED)}, boxes.texts);
    EXPECT_EQ(before, PartnersOf(*pItem));

    boxes.texts.clear();
    BOOL bChanged = TRUE;
    EXPECT_TRUE(jobs.ShowWinnerList(nullptr, *pItem, TRUE, &bChanged));
    EXPECT_FALSE(bChanged);
    EXPECT_EQ(std::vector<std::string>{LoadText(IDS_RATE_TARGET_FETCH_FAILED)}, boxes.texts);
    EXPECT_EQ(before, PartnersOf(*pItem));
}

TEST_F(PartnerDialogs, AChoiceNamesAPartnerAndNeverAForbiddenOne)
{
    SetPartners(*pItem, {{"alpha_1", kRated}, {"beta_2", kForbidden}, {"gamma_3", 0}});
    std::vector<int> opened, cleared, all;
    bool bOpenAfterEmptyOk = false;
    size_t nBoxesAfterEmptyOk = 0;
    WhenDialogShows(IDC_RATE_TARGET_ALL,
                    [&](HWND hDialog)
                    {
                        opened = CheckCells(hDialog);
                        Click(hDialog, IDC_RATE_TARGET_NONE);
                        cleared = CheckCells(hDialog);
                        Click(hDialog, IDOK);
                        nBoxesAfterEmptyOk = boxes.texts.size();
                        bOpenAfterEmptyOk = ::IsWindowVisible(hDialog) != FALSE;
                        // The list's pop-up command does the same as the button.
                        ::SendMessageA(hDialog, WM_COMMAND, ID_RATE_TARGET_ALL, 0);
                        all = CheckCells(hDialog);
                        Click(hDialog, IDOK);
                    });
    EXPECT_TRUE(jobs.SelectPartners(nullptr, *pItem, PartnerModeChoose, FALSE));
    EXPECT_EQ((std::vector<int>{0, LISTCELL_FIXED, LISTCELL_CHECKED}), opened);
    EXPECT_EQ((std::vector<int>{0, LISTCELL_FIXED, 0}), cleared);
    EXPECT_TRUE(bOpenAfterEmptyOk);
    EXPECT_EQ(1u, nBoxesAfterEmptyOk);
    EXPECT_EQ(std::vector<std::string>{LoadText(IDS_RATE_TARGET_NONE_CHECKED)}, boxes.texts);
    EXPECT_EQ((std::vector<int>{LISTCELL_CHECKED, LISTCELL_FIXED, LISTCELL_CHECKED}), all);
    EXPECT_EQ(
        (std::vector<Partner>{{"alpha_1", kRated | kTarget}, {"beta_2", kForbidden}, {"gamma_3", kTarget}}),
        PartnersOf(*pItem));
}

TEST_F(PartnerDialogs, ReadAgainThePartnersKeepTheirMarksInOtherLetterCase)
{
    std::vector<Partner> known;
    for (size_t i = 0; i < winners.size(); ++i)
        known.push_back({winners[i], i == 0 ? kRated : i == 1 ? kForbidden : 0});
    SetPartners(*pItem, known);
    ASSERT_TRUE(StandIn::SetState("{\"item_page\": \"case\"}"));
    std::vector<int> before, after;
    std::string focusedAfter;
    std::string caption;
    WhenDialogShows(IDC_RATE_TARGET_ALL,
                    [&](HWND hDialog)
                    {
                        caption = WindowText(hDialog);
                        CTanzoRateTargetListCtrl& list = PartnerDialogOf(hDialog)->GetList();
                        before = CheckCells(hDialog);
                        list.SelectSingleItem(1);
                        ::SendMessageA(hDialog, WM_COMMAND, ID_RATE_TARGET_UPDATE, 0);
                        after = CheckCells(hDialog);
                        const int nFocused = list.GetFirstSelected();
                        if (nFocused >= 0)
                            focusedAfter = (LPCTSTR)list.GetRowRecord(nFocused)->GetName();
                        Click(hDialog, IDOK);
                    });
    EXPECT_TRUE(jobs.SelectPartners(nullptr, *pItem, PartnerModeForbidden, FALSE));
    EXPECT_EQ(LoadText(IDS_RATE_TARGET_FORBIDDEN_CAPTION), caption);
    std::vector<int> forbiddenSecond(winners.size(), 0);
    forbiddenSecond[1] = LISTCELL_CHECKED;
    EXPECT_EQ(forbiddenSecond, before);
    EXPECT_EQ(forbiddenSecond, after);
    EXPECT_TRUE(MbsEqualNoCase(focusedAfter.c_str(), winners[1].c_str())) << focusedAfter;

    const std::vector<Partner> stored = PartnersOf(*pItem);
    ASSERT_EQ(known.size(), stored.size());
    for (size_t i = 0; i < known.size(); ++i)
    {
        SCOPED_TRACE(known[i].name);
        // The spelling the page gives now, the marks the user gave before.
        EXPECT_NE(known[i].name, stored[i].name);
        EXPECT_TRUE(MbsEqualNoCase(known[i].name.c_str(), stored[i].name.c_str())) << stored[i].name;
        EXPECT_EQ(known[i].flags, stored[i].flags);
    }
}
