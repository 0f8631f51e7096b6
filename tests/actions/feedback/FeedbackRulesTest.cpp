// The feedback road's rules apart from windows and network: ratings and
// their texts, to whom a run goes, and the partner dialogs' check boxes,
// OK and the partners rebuilt after a fetch.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/TanzoAuctionItem.h"
#include "client/TemplateRateEditItem.h"
#include "client/actions/feedback/PartnerSelection.h"
#include "client/actions/feedback/RateTargetText.h"
#include "client/actions/feedback/RateValues.h"

namespace
{
std::string Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return (LPCTSTR)text;
}

struct Partner
{
    const char* name;
    DWORD flags;
};

// The partners in a list that the caller keeps.
class Partners
{
public:
    Partners(const std::vector<Partner>& partners)
    {
        for (const Partner& p : partners)
        {
            TanzoAuctionBuyer buyer(p.name, 0, 1, 1);
            buyer.SetFlags(p.flags);
            list.AddTail(buyer);
        }
    }
    operator CTanzoAuctionBuyerList&() { return list; }

    CTanzoAuctionBuyerList list;
};

// "name:flags|..." of a partner list.
std::string Describe(const CTanzoAuctionBuyerList& list)
{
    std::string out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        const TanzoAuctionBuyer& buyer = list.GetNext(pos);
        if (!out.empty())
            out += "|";
        out += std::string((LPCTSTR)buyer.GetName()) + ":" + std::to_string(buyer.GetFlags());
    }
    return out;
}

std::vector<int> States(int mode, const CTanzoAuctionBuyerList& partners)
{
    CArray<int, int> states;
    GetPartnerCheckStates(mode, partners, states);
    return std::vector<int>(states.GetData(), states.GetData() + states.GetSize());
}

const DWORD kTarget = TanzoAuctionBuyer::FlagTarget;
const DWORD kRated = TanzoAuctionBuyer::FlagRated;
const DWORD kForbidden = TanzoAuctionBuyer::FlagForbidden;
const int kOff = PartnerUnchecked;
const int kOn = PartnerChecked;
const int kFixed = PartnerFixed;
} // namespace

TEST(FeedbackRules, RatingValuesIndexesAndTexts)
{
    // The combo lists the best rating first.
    const struct
    {
        int value;
        int index;
        const char* text;
    } values[] = {
        {5, 0, "非常に良い"}, {4, 1, "良い"},       {3, 2, "どちらでもない"},
        {2, 3, "悪い"},       {1, 4, "非常に悪い"}, {0, -1, ""},
        {6, -1, ""},          {-1, -1, ""},
    };
    for (const auto& v : values)
    {
        EXPECT_EQ(v.index, CRateValueToIndex(v.value)) << v.value;
        CString text = "untouched";
        EXPECT_EQ(v.index >= 0, CRateValueToText(v.value, text) != FALSE) << v.value;
        EXPECT_EQ(v.text, std::string((LPCTSTR)text)) << v.value;
        if (v.index >= 0)
        {
            EXPECT_EQ(v.value, CRateIndexToValue(v.index));
        }
    }
    // An entry outside the five is the best rating.
    for (int index : {-1, 5, 7})
        EXPECT_EQ(5, CRateIndexToValue(index)) << index;
}

TEST(FeedbackRules, ATemplateOutsideTheRatingsShowsNoRating)
{
    for (int rating : {0, 6})
    {
        CTemplateRateEditItem item(rating, "ありがとうございました", "");
        CString text;
        EXPECT_FALSE(CRateValueToText(item.GetRating(), text));
        CString menu;
        item.GetMenuText(menu);
        EXPECT_EQ("ありがとうございました", std::string((LPCTSTR)menu)) << rating;
    }
    CTemplateRateEditItem good(4, "また\r\nよろしく", "");
    CString menu;
    good.GetMenuText(menu);
    EXPECT_EQ("[" + Text(968) + "]またよろしく", std::string((LPCTSTR)menu));
}

TEST(FeedbackRules, SendTargetText)
{
    TanzoAuctionItem item;
    item.SetAuctionID("x100").SetTitle("古い時計").SetSellerID("seller_1");
    const std::string title = "＜古い時計＞";
    struct Case
    {
        const char* what;
        std::vector<Partner> buyers;
        bool asSeller;
        std::string text;
    } cases[] = {
        {"the chosen buyers",
         {{"a_1", kTarget}, {"b_2", kRated}, {"c_3", kTarget | kRated}},
         true,
         "a_1, c_3 " + title},
        {"none chosen", {{"a_1", 0}}, true, " " + title},
        {"the buyer rates the seller", {{"a_1", kTarget}}, false, "seller_1 " + title},
    };
    for (const Case& c : cases)
    {
        Partners buyers(c.buyers);
        item.ReplaceBuyers(buyers);
        CString text;
        EXPECT_TRUE(FormatRateTargetText(&item, c.asSeller, text)) << c.what;
        EXPECT_EQ(c.text, std::string((LPCTSTR)text)) << c.what;
        CRateTargetTextConverter converter(c.asSeller);
        CPtrList items;
        items.AddTail(&item);
        items.AddTail(&item);
        converter.JoinTexts(items, text);
        EXPECT_EQ(c.text + ", " + c.text, std::string((LPCTSTR)text)) << c.what;
    }
    CString text;
    EXPECT_FALSE(FormatRateTargetText(nullptr, TRUE, text));
}

TEST(FeedbackRules, CheckBoxesAsThePartnerDialogOpens)
{
    struct Case
    {
        const char* what;
        int mode;
        std::vector<Partner> partners;
        std::vector<int> states;
    } cases[] = {
        {"the first not rated is chosen, the forbidden fixed",
         PartnerModeChoose,
         {{"a", kRated}, {"b", kForbidden}, {"c", 0}, {"d", 0}},
         {kOff, kFixed, kOn, kOff}},
        {"all rated: the one chosen before",
         PartnerModeChoose,
         {{"a", kRated}, {"b", kRated | kTarget}, {"c", kRated | kTarget}},
         {kOff, kOn, kOff}},
        {"a forbidden partner is never chosen",
         PartnerModeChoose,
         {{"a", kForbidden}, {"b", kForbidden | kTarget}, {"c", kRated}},
         {kFixed, kFixed, kOff}},
        {"all rated, none chosen: nothing", PartnerModeChoose, {{"a", kRated}, {"b", kRated}}, {kOff, kOff}},
        {"rated marks", PartnerModeRated, {{"a", kRated}, {"b", kForbidden}, {"c", 0}}, {kOn, kOff, kOff}},
        {"forbidden marks", PartnerModeForbidden, {{"a", kRated}, {"b", kForbidden}}, {kOff, kOn}},
        {"the list only", PartnerModeShow, {{"a", kRated}, {"b", kForbidden | kTarget}}, {kOff, kOff}},
        {"no partners", PartnerModeChoose, {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.states, States(c.mode, Partners(c.partners))) << c.what;
}

TEST(FeedbackRules, OkStoresTheChecksInTheModesFlag)
{
    struct Case
    {
        const char* what;
        int mode;
        std::vector<int> states;
        bool stored;
        std::string after;
    } cases[] = {
        {"choosing", PartnerModeChoose, {kOn, kOff, kFixed}, true, "a:1|b:2|c:4"},
        {"choosing nothing keeps everything", PartnerModeChoose, {kOff, kOff, kFixed}, false, "a:0|b:3|c:5"},
        {"fixed boxes alone are no choice",
         PartnerModeChoose,
         {kFixed, kFixed, kFixed},
         false,
         "a:0|b:3|c:5"},
        {"rated", PartnerModeRated, {kOn, kOff, kOff}, true, "a:2|b:1|c:5"},
        {"forbidden", PartnerModeForbidden, {kOff, kOn, kOff}, true, "a:0|b:7|c:1"},
        {"the list only never changes a flag", PartnerModeShow, {kOn, kOn, kOn}, true, "a:0|b:3|c:5"},
        {"fewer states than partners", PartnerModeRated, {kOn}, true, "a:2|b:1|c:5"},
    };
    for (const Case& c : cases)
    {
        Partners partners({{"a", 0}, {"b", kTarget | kRated}, {"c", kTarget | kForbidden}});
        CArray<int, int> states;
        for (int state : c.states)
            states.Add(state);
        EXPECT_EQ(c.stored, StorePartnerChecks(c.mode, partners, states) != FALSE) << c.what;
        EXPECT_EQ(c.after, Describe(partners)) << c.what;
    }
}

TEST(FeedbackRules, PartnersRebuiltFromTheFetchedIds)
{
    const DWORD kItemRated = CItemUserState::StateRated;
    const DWORD kItemForbidden = CItemUserState::StateForbidden;
    struct Case
    {
        const char* what;
        std::vector<Partner> known;
        bool winnerListEntry;
        DWORD itemState;
        std::string after;
    } cases[] = {
        {"known flags by ID, letter case aside",
         {{"Alpha", kRated}, {"beta", kForbidden}},
         false,
         0,
         "alpha:2|BETA:4|gamma:0"},
        {"known partners: an unknown ID starts clean",
         {{"delta", kTarget}},
         false,
         kItemRated,
         "alpha:0|BETA:0|gamma:0"},
        {"no known partners, the winner list's link: the item's states",
         {},
         true,
         kItemRated | kItemForbidden,
         "alpha:6|BETA:6|gamma:6"},
        {"no known partners, the item rated", {}, true, kItemRated, "alpha:2|BETA:2|gamma:2"},
        {"no known partners, named buyers: nothing inherited",
         {},
         false,
         kItemRated,
         "alpha:0|BETA:0|gamma:0"},
    };
    CStringList ids;
    for (const char* id : {"alpha", "BETA", "gamma"})
        ids.AddTail(id);
    for (const Case& c : cases)
    {
        TanzoAuctionItem item;
        item.AddBuyerValues(c.winnerListEntry ? "落札者一覧" : "someone", 0, 1, 1);
        item.GetUserState().SetFlags(c.itemState);
        Partners out({{"stale", kTarget}});
        Partners known(c.known);
        RebuildPartners(ids, known, item, out);
        EXPECT_EQ(c.after, Describe(out)) << c.what;
        for (POSITION pos = out.list.GetHeadPosition(); pos != nullptr;)
        {
            const TanzoAuctionBuyer& buyer = out.list.GetNext(pos);
            EXPECT_EQ(1, buyer.GetCount());
            EXPECT_EQ(0, buyer.GetAmount());
            EXPECT_EQ(1, buyer.GetState());
        }
    }
}

TEST(FeedbackRules, KnownPartnersLeaveOutTheWinnerListsLink)
{
    TanzoAuctionItem item;
    Partners known({{"old", 0}});
    EXPECT_FALSE(GetKnownPartners(item, known));
    EXPECT_EQ("", Describe(known));
    item.AddBuyerValues("落札者一覧", 0, 1, 1);
    EXPECT_TRUE(HasWinnerListLink(item));
    EXPECT_FALSE(GetKnownPartners(item, known));
    // The list shows the link after the top bidder: the link is no partner.
    Partners topAndLink({{"top_1", 0}, {"落札者一覧", 0}});
    item.ReplaceBuyers(topAndLink);
    EXPECT_TRUE(HasWinnerListLink(item));
    EXPECT_FALSE(GetKnownPartners(item, known));
    EXPECT_EQ("", Describe(known));
    Partners buyers({{"a", kRated}, {"b", kForbidden}});
    item.ReplaceBuyers(buyers);
    EXPECT_FALSE(HasWinnerListLink(item));
    EXPECT_TRUE(GetKnownPartners(item, known));
    EXPECT_EQ("a:2|b:4", Describe(known));
}
