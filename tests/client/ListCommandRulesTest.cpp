#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afx/afxres.h"
#include "app/DialogResourceIds.h"
#include "client/ClientTestSupport.h"
#include "client/ListCommandRules.h"
#include "client/ListPageLayouts.h"
#include "client/ListResourceIds.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoResourceIds.h"

namespace
{
typedef TanzoAuctionItem Item;

// Items owned by the test, and the selection over them.
struct Selection
{
    std::vector<std::unique_ptr<Item>> items;
    CItemSelection selection;

    Item& Add(const char* id, DWORD state = 0, int mark = 0)
    {
        items.emplace_back(new Item);
        Item& item = *items.back();
        item.SetAuctionID(id);
        item.SetTitle(CString("品物") + id);
        item.GetUserState().SetFlags(state);
        item.GetUserState().SetMark(mark);
        selection.Add(&item);
        return item;
    }
};

void AddWinners(Item& item, int count)
{
    for (int i = 0; i < count; ++i)
        item.AddBuyerValues(CString("w") + (char)('1' + i), 100, 1, 1);
}
} // namespace

// Each page disables what it does not offer; then the common rules.
TEST(ListCommandRules, EnablingPerPage)
{
    const UINT commands[] = {ID_ITEM_EARLY_CLOSE,      ID_ITEM_CANCEL,  ID_ITEM_FEATURED_AMOUNT,
                             ID_ITEM_ADD_DESCRIPTION,  ID_ITEM_RATE,    ID_ITEM_RESUBMIT,
                             ID_ITEM_REMOVE,           ID_ITEM_MEMO,    ID_ITEM_RATED,
                             ID_ITEM_RATING_FORBIDDEN, ID_LIST_WINNERS, ID_MARK_A};
    // One selected item with several winners, among three rows.
    const char* expected[ListKind::Count] = {
        "111100010001", // selling: no rating, re-listing, removal, rating states or winner list
        "000011111111", // closed with a winner
        "000001110001", // closed without a winner
        "000010111101", // won
    };
    for (int kind = 0; kind < ListKind::Count; ++kind)
    {
        ListCommandState state;
        state.listKind = kind;
        state.rowCount = 3;
        state.selectedCount = 1;
        state.selectedHasWinners = TRUE;
        std::string enabled;
        for (UINT id : commands)
            enabled += IsListCommandEnabled(state, id) ? '1' : '0';
        EXPECT_EQ(expected[kind], enabled) << "page " << kind;
    }
}

TEST(ListCommandRules, EnablingByStateAndSelection)
{
    const struct
    {
        const char* name;
        ListCommandState state;
        UINT id;
        BOOL enabled;
    } cases[] = {
        {"memo without a selection", {1, FALSE, FALSE, TRUE, 3, 0}, ID_ITEM_MEMO, FALSE},
        {"memo while busy", {1, TRUE, FALSE, TRUE, 3, 1}, ID_ITEM_MEMO, FALSE},
        {"stop while refreshing", {1, TRUE, TRUE, TRUE, 0, 0}, ID_LIST_STOP, TRUE},
        {"stop while busy otherwise", {1, TRUE, FALSE, TRUE, 0, 0}, ID_LIST_STOP, FALSE},
        {"stop when idle", {1, FALSE, FALSE, TRUE, 3, 1}, ID_LIST_STOP, FALSE},
        {"refresh of an empty list", {1, FALSE, FALSE, TRUE, 0, 0}, ID_LIST_REFRESH, TRUE},
        {"refresh while busy", {1, TRUE, TRUE, TRUE, 0, 0}, ID_LIST_REFRESH, FALSE},
        {"exit while busy", {1, TRUE, TRUE, TRUE, 0, 0}, ID_APP_EXIT, FALSE},
        {"ID management", {0, FALSE, FALSE, TRUE, 0, 0}, ID_USER_ID_MANAGE, TRUE},
        {"help while busy", {1, TRUE, TRUE, TRUE, 0, 0}, ID_DIALOG_HELP, TRUE},
        {"help without a help page", {1, FALSE, FALSE, FALSE, 3, 1}, ID_DIALOG_HELP, FALSE},
        {"select all with a row", {1, FALSE, FALSE, TRUE, 1, 0}, ID_LIST_SELECT_ALL, TRUE},
        {"find without rows", {1, FALSE, FALSE, TRUE, 0, 0}, ID_LIST_FIND, FALSE},
        {"find next with one row", {1, FALSE, FALSE, TRUE, 1, 0}, ID_LIST_FIND_NEXT, FALSE},
        {"find previous with two rows", {1, FALSE, FALSE, TRUE, 2, 0}, ID_LIST_FIND_PREVIOUS, TRUE},
        {"browser with two selected", {1, FALSE, FALSE, TRUE, 3, 2}, ID_LIST_SHOW_IN_BROWSER, FALSE},
        {"browser with one selected", {1, FALSE, FALSE, TRUE, 3, 1}, ID_LIST_SHOW_IN_BROWSER, TRUE},
        {"rate when all are forbidden", {1, FALSE, FALSE, TRUE, 3, 2, TRUE}, ID_ITEM_RATE, FALSE},
        {"rate when some are not", {1, FALSE, FALSE, TRUE, 3, 2, FALSE}, ID_ITEM_RATE, TRUE},
        {"winners of one winner", {1, FALSE, FALSE, TRUE, 3, 1, FALSE, FALSE}, ID_LIST_WINNERS, FALSE},
        {"winners of two rows", {1, FALSE, FALSE, TRUE, 3, 2, FALSE, TRUE}, ID_LIST_WINNERS, FALSE},
        {"link copy with a selection", {1, FALSE, FALSE, TRUE, 3, 1}, ID_LINK_COPY, TRUE},
        {"mark button", {0, FALSE, FALSE, TRUE, 3, 1}, ID_MARK_BUTTON, TRUE},
        {"page of no kind", {7, FALSE, FALSE, TRUE, 3, 1}, ID_ITEM_MEMO, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.enabled, IsListCommandEnabled(c.state, c.id)) << c.name;
}

TEST(ListCommandRules, SelectionFactsAndChecks)
{
    Selection s;
    s.Add("a", CItemUserState::StateRated | CItemUserState::StateForbidden, 16);
    s.Add("b", CItemUserState::StateForbidden, 16);
    ListCommandState state;
    DescribeSelection(s.selection, state);
    EXPECT_EQ(2, state.selectedCount);
    EXPECT_TRUE(state.allSelectedForbidden);
    EXPECT_FALSE(state.selectedHasWinners);

    EXPECT_FALSE(IsListCommandChecked(s.selection, ID_ITEM_RATED));
    EXPECT_TRUE(IsListCommandChecked(s.selection, ID_ITEM_RATING_FORBIDDEN));
    EXPECT_TRUE(IsListCommandChecked(s.selection, ID_MARK_A));
    EXPECT_FALSE(IsListCommandChecked(s.selection, ID_MARK_B));
    EXPECT_FALSE(IsListCommandChecked(s.selection, ID_MARK_NONE));
    EXPECT_FALSE(IsListCommandChecked(s.selection, ID_ITEM_MEMO));

    Item& third = s.Add("c", 0, 0);
    DescribeSelection(s.selection, state);
    EXPECT_FALSE(state.allSelectedForbidden);
    EXPECT_FALSE(IsListCommandChecked(s.selection, ID_ITEM_RATING_FORBIDDEN));
    EXPECT_FALSE(IsListCommandChecked(s.selection, ID_MARK_A));
    third.GetUserState().SetMark(16);
    EXPECT_TRUE(IsListCommandChecked(s.selection, ID_MARK_A));

    Selection none;
    DescribeSelection(none.selection, state);
    EXPECT_FALSE(state.allSelectedForbidden);
    EXPECT_FALSE(IsListCommandChecked(none.selection, ID_MARK_NONE));
    EXPECT_FALSE(IsListCommandChecked(none.selection, ID_ITEM_RATED));

    Selection single;
    AddWinners(single.Add("d"), 2);
    DescribeSelection(single.selection, state);
    EXPECT_TRUE(state.selectedHasWinners);
    Selection unmarked;
    unmarked.Add("e");
    EXPECT_TRUE(IsListCommandChecked(unmarked.selection, ID_MARK_NONE));
}

TEST(ListCommandRules, SelectionQuestions)
{
    const DWORD forbidden = CItemUserState::StateForbidden;
    const struct
    {
        const char* name;
        std::vector<DWORD> states;
        DWORD excluded;
        UINT partial;
        const char* question; // null: none asked
        std::vector<int> kept;
    } cases[] = {
        {"one item", {0}, 0, 0, "\"品物a (a)\"\r\nの落札者を評価します。よろしいですか？", {0}},
        {"several",
         {0, 0, 0},
         0,
         0,
         "選択された3個のオークションの落札者を評価します。\r\nよろしいですか？",
         {0, 1, 2}},
        {"some taken out",
         {0, forbidden, 0},
         forbidden,
         IDS_ASK_RATE_SELLER_SOME,
         "選択された3個のオークションのうち、評価禁止ではない2個のオークションの落札者を評価します。\r\nよろ"
         "しいですか？",
         {0, 2}},
        {"some taken out, no partial text",
         {forbidden, 0, 0},
         forbidden,
         0,
         "選択された2個のオークションの落札者を評価します。\r\nよろしいですか？",
         {1, 2}},
        {"one of several left",
         {forbidden, 0},
         forbidden,
         IDS_ASK_RATE_SELLER_SOME,
         "選択された2個のオークションのうち、評価禁止ではない1個のオークションの落札者を評価します。\r\nよろ"
         "しいですか？",
         {1}},
        {"one left of one",
         {0},
         forbidden,
         IDS_ASK_RATE_SELLER_SOME,
         "\"品物a (a)\"\r\nの落札者を評価します。よろしいですか？",
         {0}},
        {"all taken out", {forbidden, forbidden}, forbidden, IDS_ASK_RATE_SELLER_SOME, nullptr, {}},
        {"nothing selected", {}, 0, 0, nullptr, {}},
    };
    for (const auto& c : cases)
    {
        Selection s;
        for (size_t i = 0; i < c.states.size(); ++i)
            s.Add(CString((char)('a' + i)), c.states[i]);
        CArray<int, int> kept;
        CString question;
        const BOOL asked = BuildSelectionQuestion(s.selection, c.excluded, IDS_ASK_RATE_SELLER_ONE,
                                                  IDS_ASK_RATE_SELLER_MANY, c.partial, kept, question);
        EXPECT_EQ(c.question != nullptr, asked != FALSE) << c.name;
        EXPECT_EQ(c.question ? c.question : "", std::string(question)) << c.name;
        std::vector<int> keptIndexes(kept.GetData(), kept.GetData() + kept.GetSize());
        EXPECT_EQ(c.kept, keptIndexes) << c.name;
    }
}

// Two of three rated: all become rated; all rated: all are cleared; with
// the buyers, items with several winners carry their winners along.
TEST(ListCommandRules, ToggleOfTheRatingStates)
{
    const DWORD rated = CItemUserState::StateRated;
    Selection s;
    s.Add("a", rated);
    s.Add("b");
    Item& c = s.Add("c", rated);
    AddWinners(c, 2);
    for (int round = 0; round < 2; ++round)
    {
        const BOOL allSet = AllHaveToggleState(s.selection, RatingToggle::Rated);
        EXPECT_EQ(round == 1, allSet != FALSE);
        for (int i = 0; i < s.selection.GetSize(); ++i)
            ToggleItemState(*s.selection[i], RatingToggle::Rated, allSet, TRUE);
        for (int i = 0; i < s.selection.GetSize(); ++i)
            EXPECT_EQ(round == 0 ? rated : 0u, s.selection[i]->GetUserState().GetFlags()) << round << i;
        EXPECT_EQ(round == 0, c.AllBuyersHaveFlags(TanzoAuctionBuyer::FlagRated) != FALSE);
    }

    // Without the buyers the winners stay as they are.
    ToggleItemState(c, RatingToggle::Forbidden, FALSE, FALSE);
    EXPECT_EQ(CItemUserState::StateForbidden, c.GetUserState().GetFlags());
    EXPECT_FALSE(c.AllBuyersHaveFlags(TanzoAuctionBuyer::FlagForbidden));

    // After a partner selection the winners decide.
    c.AddFlagsToAllBuyers(TanzoAuctionBuyer::FlagRated);
    TakeToggleStateFromBuyers(c, RatingToggle::Rated);
    EXPECT_TRUE(c.GetUserState().TestFlags(rated));
    TakeToggleStateFromBuyers(c, RatingToggle::Forbidden);
    EXPECT_FALSE(c.GetUserState().TestFlags(CItemUserState::StateForbidden));

    EXPECT_TRUE(TogglesThroughPartners(c, 1, TRUE));
    EXPECT_FALSE(TogglesThroughPartners(c, 2, TRUE));
    EXPECT_FALSE(TogglesThroughPartners(c, 1, FALSE));
    EXPECT_FALSE(TogglesThroughPartners(*s.selection[0], 1, TRUE));
    // The partner selection edits the flag the toggle then reads.
    EXPECT_EQ(PartnerMode::Rated, GetTogglePartnerMode(RatingToggle::Rated));
    EXPECT_EQ(PartnerMode::Forbidden, GetTogglePartnerMode(RatingToggle::Forbidden));
    EXPECT_EQ(4u, GetToggleConfirmOption(RatingToggle::Rated));
    EXPECT_EQ(8u, GetToggleConfirmOption(RatingToggle::Forbidden));
}

TEST(ListCommandRules, ToggleQuestions)
{
    const DWORD rated = CItemUserState::StateRated;
    const DWORD forbidden = CItemUserState::StateForbidden;
    const struct
    {
        std::vector<DWORD> states;
        int winners; // of the first item
        int which;
        BOOL withBuyers;
        UINT id;
    } cases[] = {
        {{0}, 0, RatingToggle::Rated, TRUE, IDS_ASK_RATED_ONE},
        {{rated}, 0, RatingToggle::Rated, TRUE, IDS_ASK_UNRATED_ONE},
        {{rated}, 2, RatingToggle::Rated, TRUE, IDS_ASK_RATED_WINNERS},
        {{rated}, 2, RatingToggle::Rated, FALSE, IDS_ASK_UNRATED_ONE},
        {{0}, 2, RatingToggle::Forbidden, TRUE, IDS_ASK_FORBID_WINNERS},
        {{forbidden}, 0, RatingToggle::Forbidden, TRUE, IDS_ASK_ALLOW_ONE},
        {{0}, 0, RatingToggle::Forbidden, FALSE, IDS_ASK_FORBID_ONE},
        {{rated, 0}, 2, RatingToggle::Rated, TRUE, IDS_ASK_RATED_MANY},
        {{rated, rated}, 0, RatingToggle::Rated, TRUE, IDS_ASK_UNRATED_MANY},
        {{forbidden, 0}, 0, RatingToggle::Forbidden, TRUE, IDS_ASK_FORBID_MANY},
        {{forbidden, forbidden}, 0, RatingToggle::Forbidden, TRUE, IDS_ASK_ALLOW_MANY},
    };
    for (const auto& c : cases)
    {
        Selection s;
        for (size_t i = 0; i < c.states.size(); ++i)
            s.Add(CString((char)('a' + i)), c.states[i]);
        AddWinners(*s.items[0], c.winners);
        CString question, expected;
        BuildToggleQuestion(s.selection, c.which, c.withBuyers, question);
        if (c.states.size() == 1)
            expected.FormatMessage(c.id, "品物a (a)");
        else
            expected.FormatMessage(c.id, (int)c.states.size());
        EXPECT_EQ(std::string(expected), std::string(question)) << c.id;
        EXPECT_FALSE(question.IsEmpty());
    }
}

TEST(ListCommandRules, CommonMemo)
{
    const struct
    {
        std::vector<const char*> memos;
        const char* common;
    } cases[] = {
        {{"発送済み"}, "発送済み"},     {{"発送済み", "発送済み"}, "発送済み"},
        {{"発送済み", "入金待ち"}, ""}, {{"発送済み", ""}, ""},
        {{"", "発送済み"}, ""},         {{}, ""},
    };
    for (const auto& c : cases)
    {
        Selection s;
        for (size_t i = 0; i < c.memos.size(); ++i)
            s.Add(CString((char)('a' + i))).SetMemo(c.memos[i]);
        CString memo;
        GetCommonMemo(s.selection, memo);
        EXPECT_STREQ(c.common, memo);
    }
}
