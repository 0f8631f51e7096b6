// The winner list's update from the item page behind its progress dialog:
// the partners named there, a page that needs the user again, a page that
// names nobody, a missing page and 中止 while the page is held.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "FeedbackStandIn.h"
#include "afx/TestText.h"
#include "app/DialogTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "client/ClientTestSupport.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/WinnerListUpdateDialog.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

using namespace FeedbackStandIn;

namespace
{
const char kSeller[] = "demo_seller1";
const char kStartState[] = "{\"clock\": \"2024-01-02 12:00\", \"auto_login\": \"demo_seller1\"}";

std::vector<std::string> ToVector(const CStringList& list)
{
    std::vector<std::string> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back((LPCTSTR)list.GetNext(pos));
    return out;
}

class WinnerListUpdate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        ASSERT_TRUE(StandIn::SetState(kStartState));
        CUserAccount account;
        account.SetID(kSeller);
        account.SetPassword("pass-seller1");
        accounts.Add(account);
        items = ReadList("closed-winner");
        pItem = FirstWinnerListItem(items);
        ASSERT_NE(nullptr, pItem);
        id = (LPCTSTR)pItem->GetAuctionID();
    }
    void TearDown() override
    {
        ReleaseAll();
        StandIn::Reset();
        ResetServiceOrigins();
    }

    // The dialog run to its end; ids gets what it read.
    INT_PTR Run(CStringList& ids, std::function<void(CWinnerListUpdateDialog&)> steps = nullptr)
    {
        CWinnerListUpdateDialog dialog(pItem);
        dialog.SetAccountList(&accounts);
        if (steps)
            CallSoon([&] { steps(dialog); });
        const INT_PTR nResult = dialog.DoModal();
        dialog.GetPartnerIds(ids);
        return nResult;
    }

    size_t ItemPageFetches() { return StandIn::Log("/jp/auction/" + id).size(); }

    CUserAccountList accounts;
    Items items;
    TanzoAuctionItem* pItem = nullptr;
    std::string id;
};
} // namespace

TEST_F(WinnerListUpdate, ReadsThePartnersTheItemPageNames)
{
    struct Case
    {
        const char* page;
        bool caseSwapped;
    } cases[] = {{"normal", false}, {"twice", false}, {"case", true}};
    const std::vector<std::string> winners = Winners(id);
    ASSERT_GE(winners.size(), 2u);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.page);
        ASSERT_TRUE(StandIn::SetState(std::string("{\"item_page\": \"") + c.page + "\"}"));
        CBoxRecorder boxes;
        CStringList ids;
        EXPECT_EQ(IDOK, Run(ids));
        EXPECT_TRUE(boxes.texts.empty());
        std::vector<std::string> expected = winners;
        for (std::string& winner : expected)
        {
            for (char& ch : winner)
                ch = c.caseSwapped ? (char)(isupper((unsigned char)ch) ? tolower(ch) : toupper(ch)) : ch;
        }
        // A partner linked twice is one partner.
        EXPECT_EQ(expected, ToVector(ids));
    }
}

TEST_F(WinnerListUpdate, PagesThatGiveNoPartner)
{
    struct Case
    {
        const char* page;
        std::vector<std::string> messages;
        size_t fetches;
    } cases[] = {
        // Links without "t": nothing to say.
        {"no_t", {}, 1},
        {"missing", {LoadText(IDS_WINNER_PAGE_MISSING)}, 1},
        // Another user each time: signed in again three times, then given up.
        {"other_user", {LoadText(IDS_AUTO_LOGIN_FAILED)}, 4},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.page);
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::SetState(kStartState));
        ASSERT_TRUE(StandIn::SetState(std::string("{\"item_page\": \"") + c.page + "\"}"));
        CBoxRecorder boxes;
        CStringList ids;
        EXPECT_EQ(IDCANCEL, Run(ids));
        EXPECT_TRUE(ids.IsEmpty());
        EXPECT_EQ(c.messages, boxes.texts);
        EXPECT_EQ(c.fetches, ItemPageFetches());
    }
}

TEST_F(WinnerListUpdate, ALapsedSessionIsRenewedOnce)
{
    ASSERT_TRUE(StandIn::SetState("{\"lapse_now\": true}"));
    CBoxRecorder boxes;
    CStringList ids;
    EXPECT_EQ(IDOK, Run(ids));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(Winners(id), ToVector(ids));
    // The page before and after the one log-in.
    EXPECT_EQ(2u, ItemPageFetches());
}

TEST_F(WinnerListUpdate, StoppedWhileThePageIsHeldShowsNothing)
{
    ASSERT_TRUE(StandIn::SetState("{\"item_page\": \"missing\"}"));
    ASSERT_TRUE(StandIn::AddFault("{\"path\": \"/jp/auction/" + id + "\", \"action\": \"hold\"}"));
    CBoxRecorder boxes;
    CStringList ids;
    // The stand-in is asked from a thread of its own, which stops the work
    // as 中止 does: this thread is inside the held request.
    CWinnerListUpdateDialog dialog(pItem);
    dialog.SetAccountList(&accounts);
    std::atomic<bool> held{false}, done{false};
    std::thread watcher(
        [&]
        {
            while (!done && !held)
            {
                held = !Held().empty();
                if (held)
                    dialog.CancelWork();
                else
                    ::Sleep(10);
            }
        });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    done = true;
    watcher.join();
    EXPECT_TRUE(held);
    EXPECT_FALSE(dialog.GetPartnerIds(ids));
    EXPECT_EQ(std::vector<std::string>{}, boxes.texts);
}
