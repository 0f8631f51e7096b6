// The feedback job against the stand-in: each chosen partner rated once
// through the three feedback pages and marked, on disk too, the failures
// that stop the job at the item that failed, and 中止 at any request.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FeedbackStandIn.h"
#include "actions/shared/win32/JobRecordingSink.h"
#include "actions/shared/win32/StopWhenHeld.h"
#include "app/DialogTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "client/DataFileTestSupport.h"
#include "client/DataSetFiles.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/LeaveFeedbackOperation.h"
#include "net/HttpComm.h"
#include "net/HttpTestSupport.h"
#include "net/ProgressSink.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

using namespace FeedbackStandIn;

namespace
{
const char kSeller[] = "demo_seller1";
// The same demo items at every reset; the first page signs the seller in.
const char kStartState[] = "{\"clock\": \"2024-01-02 12:00\", \"auto_login\": \"demo_seller1\"}";
const char kComment[] = "迅速な対応ありがとうございました。＜またよろしく＞ & \"感謝\"";

class FeedbackJob : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        ASSERT_TRUE(StandIn::SetState(kStartState));
        http.Add(CHttpComm::flagQuiet);
        doc = OpenDocument();
    }
    void TearDown() override
    {
        ReleaseAll();
        StandIn::Reset();
        ResetServiceOrigins();
    }

    // The closed items with a single winner, each chosen as the list page
    // chooses it.
    static std::vector<TanzoAuctionItem*> SingleWinnerItems(Items& items, size_t count)
    {
        std::vector<TanzoAuctionItem*> chosen;
        for (auto& item : items)
        {
            if (chosen.size() == count)
                break;
            if (item->GetBuyerCount() != 1 || item->HasWinnerListEntry())
                continue;
            item->AddFlagsToAllBuyers(TanzoAuctionBuyer::FlagTarget);
            chosen.push_back(item.get());
        }
        return chosen;
    }
    static std::string Name(const TanzoAuctionItem& item)
    {
        CString name;
        item.GetFirstBuyerName(name);
        return (LPCTSTR)name;
    }

    // A fresh stand-in and an empty document, in which the session begins
    // again.
    void Restart()
    {
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::SetState(kStartState));
        doc.reset();
        folder.reset(new CTempFolder);
        doc = OpenDocument();
    }

    // The seller's document in the test's folder.
    std::unique_ptr<CTestDocData> OpenDocument()
    {
        std::unique_ptr<CTestDocData> opened(new CTestDocData(folder->Path()));
        CUserAccount account;
        account.SetID(kSeller);
        account.SetPassword("pass-seller1");
        opened->Add(account);
        opened->EnsureDataSetLoaded(dataSetUserEdits);
        return opened;
    }

    // The item's record as a document opened afresh reads it from the file;
    // FALSE for none.
    BOOL StoredRecord(const TanzoAuctionItem& item, TanzoAuctionItemUserEdit& record)
    {
        std::unique_ptr<CTestDocData> fresh = OpenDocument();
        TanzoAuctionItem key;
        key.SetAuctionID(item.GetAuctionID());
        record = TanzoAuctionItemUserEdit(key);
        return fresh->LookupUserEdit(record);
    }
    DWORD StoredState(const TanzoAuctionItem& item)
    {
        TanzoAuctionItemUserEdit record;
        return StoredRecord(item, record) ? record.GetFlags() : 0;
    }

    BOOL RunJob(CLeaveFeedbackOperation& job, const std::vector<TanzoAuctionItem*>& targets)
    {
        job.SetOwner(doc.get());
        for (TanzoAuctionItem* pItem : targets)
            job.AddTarget(pItem);
        return job.Run();
    }

    std::unique_ptr<CTempFolder> folder{new CTempFolder};
    CHttpComm http;
    CJobRecordingSink sink;
    std::unique_ptr<CTestDocData> doc;
};
} // namespace

TEST_F(FeedbackJob, TheSellerRatesEachChosenWinnerOnce)
{
    Items items = ReadList("closed-winner");
    ASSERT_EQ(50u, items.size());
    std::vector<TanzoAuctionItem*> targets = SingleWinnerItems(items, 10);
    // An item with several winners: two chosen, the others forbidden.
    TanzoAuctionItem* pSeveral = nullptr;
    std::vector<std::string> winners;
    for (auto& item : items)
    {
        if (item->HasWinnerListEntry() && (winners = Winners((LPCTSTR)item->GetAuctionID())).size() >= 3)
        {
            pSeveral = item.get();
            break;
        }
    }
    ASSERT_NE(nullptr, pSeveral);
    CTanzoAuctionBuyerList partners;
    for (size_t i = 0; i < winners.size(); ++i)
    {
        TanzoAuctionBuyer partner(winners[i].c_str(), 0, 1, 1);
        partner.SetFlags(i < 2 ? TanzoAuctionBuyer::FlagTarget : TanzoAuctionBuyer::FlagForbidden);
        partners.AddTail(partner);
    }
    pSeveral->ReplaceBuyers(partners);
    targets.insert(targets.begin() + 3, pSeveral);
    targets.push_back(SingleWinnerItems(items, 11).back());
    ASSERT_EQ(12u, targets.size());
    // The session lapses as the job begins: the job signs in again.
    ASSERT_TRUE(StandIn::SetState("{\"feedback_charset\": \"shift_jis\", \"lapse_now\": true}"));

    CLeaveFeedbackOperation job(TRUE, 4, kComment, &http, &sink);
    EXPECT_TRUE(RunJob(job, targets));
    EXPECT_EQ(std::vector<std::string>{}, sink.messages);
    EXPECT_TRUE(job.TestFlag2());
    std::vector<std::string> expected;
    for (int i = 1; i <= 12; ++i)
        expected.push_back(FormatText(IDS_FEEDBACK_CAPTION, i, 12));
    EXPECT_EQ(expected, sink.captions);

    auto given = FeedbackGiven();
    size_t nGiven = 0;
    for (const auto& item : given)
        nGiven += item.second.size();
    EXPECT_EQ(13u, nGiven);
    EXPECT_EQ(targets.size(), given.size());
    for (TanzoAuctionItem* pItem : targets)
    {
        const std::string id = (LPCTSTR)pItem->GetAuctionID();
        SCOPED_TRACE(id);
        const std::vector<std::string> rated = pItem == pSeveral
                                                   ? std::vector<std::string>{winners[0], winners[1]}
                                                   : std::vector<std::string>{Name(*pItem)};
        ASSERT_EQ(rated.size(), given[id].size());
        for (const std::string& partner : rated)
        {
            const Feedback& feedback = given[id][partner];
            EXPECT_EQ(1, feedback.count) << partner;
            EXPECT_EQ(1, feedback.attempts) << partner;
            EXPECT_EQ("good", feedback.rating) << partner;
            EXPECT_EQ(kComment, feedback.comment) << partner;
        }
        // The item is rated only when all its partners are, on disk too.
        EXPECT_EQ(pItem != pSeveral, pItem->GetUserState().TestFlags(CItemUserState::StateRated) != 0);
        EXPECT_EQ(pItem != pSeveral, (StoredState(*pItem) & CItemUserState::StateRated) != 0);
    }
    // The partners chosen are rated, the forbidden ones untouched.
    CTanzoAuctionBuyerList stored;
    pSeveral->GetBuyers(stored);
    std::vector<DWORD> flags, expectedFlags;
    for (POSITION pos = stored.GetHeadPosition(); pos != nullptr;)
        flags.push_back(stored.GetNext(pos).GetFlags());
    for (size_t i = 0; i < winners.size(); ++i)
        expectedFlags.push_back(i < 2 ? TanzoAuctionBuyer::FlagTarget | TanzoAuctionBuyer::FlagRated
                                      : TanzoAuctionBuyer::FlagForbidden);
    EXPECT_EQ(expectedFlags, flags);
    TanzoAuctionItemUserEdit record;
    ASSERT_TRUE(StoredRecord(*pSeveral, record));
    record.GetBuyers(stored);
    flags.clear();
    for (POSITION pos = stored.GetHeadPosition(); pos != nullptr;)
        flags.push_back(stored.GetNext(pos).GetFlags());
    EXPECT_EQ(expectedFlags, flags);
}

TEST_F(FeedbackJob, TheBuyerRatesTheSeller)
{
    Items items = ReadList("won");
    ASSERT_GE(items.size(), 2u);
    std::vector<TanzoAuctionItem*> targets = {items[0].get(), items[1].get()};
    CLeaveFeedbackOperation job(FALSE, 1, kComment, &http, &sink);
    EXPECT_TRUE(RunJob(job, targets));
    EXPECT_EQ(std::vector<std::string>{}, sink.messages);
    auto given = FeedbackGiven();
    for (TanzoAuctionItem* pItem : targets)
    {
        const std::string id = (LPCTSTR)pItem->GetAuctionID();
        ASSERT_EQ(1u, given[id].size()) << id;
        const Feedback& feedback = given[id][(LPCTSTR)pItem->GetSellerID()];
        EXPECT_EQ(1, feedback.count) << id;
        EXPECT_EQ("veryBad", feedback.rating) << id;
        EXPECT_EQ(kComment, feedback.comment) << id;
        EXPECT_NE(0u, pItem->GetUserState().TestFlags(CItemUserState::StateRated)) << id;
        EXPECT_NE(0u, StoredState(*pItem) & CItemUserState::StateRated) << id;
    }
}

TEST_F(FeedbackJob, AForbiddenItemStopsBeforeAnyRequest)
{
    Items items = ReadList("closed-winner");
    std::vector<TanzoAuctionItem*> targets = SingleWinnerItems(items, 2);
    ASSERT_EQ(2u, targets.size());
    targets[0]->GetUserState().AddFlags(CItemUserState::StateForbidden);
    const int nBefore = RequestCount();
    CLeaveFeedbackOperation job(TRUE, 5, kComment, &http, &sink);
    EXPECT_FALSE(RunJob(job, targets));
    EXPECT_EQ(std::vector<std::string>{LoadText(IDS_FEEDBACK_FORBIDDEN)}, sink.messages);
    EXPECT_EQ(nBefore, RequestCount());
    EXPECT_FALSE(job.TestFlag2());
    EXPECT_TRUE(FeedbackGiven().empty());
}

TEST_F(FeedbackJob, AFailureOnTheSecondItemStopsThere)
{
    Items items = ReadList("closed-winner");
    std::vector<TanzoAuctionItem*> single = SingleWinnerItems(items, 3);
    ASSERT_EQ(3u, single.size());
    const std::string second = (LPCTSTR)single[1]->GetAuctionID();
    auto serverError = [](const char* text)
    {
        CString message;
        message.FormatMessage(672, text);
        return std::string((LPCTSTR)message);
    };
    CString line;
    single[1]->FormatTitleWithID(line, FALSE);
    const std::string maybeFailed = LoadText(906) + "\r\n\r\n" + (LPCTSTR)line;
    struct Case
    {
        const char* what;
        std::string state; // the second item's switch
        std::string fault;
        bool notEnded;      // the list shows the second item still running
        bool severalNoName; // the second item has a partner without an ID
        std::string message;
        int attempts; // final posts of the second item that reached the service
        int count;    // and that it took
    } cases[] = {
        {"no form on a running item", "{\"feedback_form\": {\"" + second + "\": \"none\"}}", "", true, false,
         LoadText(IDS_FEEDBACK_NOT_ENDED), 0, 0},
        {"no form", "{\"feedback_form\": {\"" + second + "\": \"none\"}}", "", false, false,
         LoadText(IDS_FEEDBACK_NO_INPUT_FORM), 0, 0},
        {"no rating in the form", "{\"feedback_form\": {\"" + second + "\": \"no_rating\"}}", "", false,
         false, LoadText(IDS_FEEDBACK_NO_FORM_FIELDS), 0, 0},
        {"no confirmation form", "{\"feedback_preview\": {\"" + second + "\": \"no_form\"}}", "", false,
         false, LoadText(IDS_FEEDBACK_NO_CONFIRMATION_FORM), 0, 0},
        {"an error on completion", "{\"feedback_result\": {\"" + second + "\": \"error\"}}", "", false, false,
         serverError("評価を送信できませんでした。しばらくしてからもう一度お試しください。"), 1, 0},
        {"the form again on completion", "{\"feedback_result\": {\"" + second + "\": \"form_again\"}}", "",
         false, false, serverError("入力内容に誤りがあります。もう一度入力してください。"), 1, 0},
        {"the answer to the final post lost after it was taken", "",
         "{\"path\": \"/jp/submit/leavefeedback\", \"action\": \"lost\", \"nth\": 2}", false, false,
         maybeFailed, 1, 1},
        {"several partners, one without an ID", "", "", false, true, LoadText(IDS_FEEDBACK_NO_PARTNER_ID), 0,
         0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Restart();
        if (!c.state.empty())
        {
            ASSERT_TRUE(StandIn::SetState(c.state));
        }
        if (!c.fault.empty())
        {
            ASSERT_TRUE(StandIn::AddFault(c.fault));
        }
        std::vector<std::unique_ptr<TanzoAuctionItem>> copies;
        std::vector<TanzoAuctionItem*> targets;
        for (TanzoAuctionItem* pItem : single)
        {
            copies.emplace_back(new TanzoAuctionItem(*pItem));
            targets.push_back(copies.back().get());
        }
        // Whether the item has ended decides between the two messages.
        const CTimeSpan day(1, 0, 0, 0);
        targets[1]->SetEndTime(c.notEnded ? CTime::GetCurrentTime() + day : CTime::GetCurrentTime() - day);
        if (c.severalNoName)
        {
            CTanzoAuctionBuyerList partners;
            targets[1]->GetBuyers(partners);
            TanzoAuctionBuyer unnamed("", 0, 1, 1);
            unnamed.SetFlags(TanzoAuctionBuyer::FlagTarget);
            partners.AddHead(unnamed);
            targets[1]->ReplaceBuyers(partners);
        }
        sink.messages.clear();
        CLeaveFeedbackOperation job(TRUE, 3, kComment, &http, &sink);
        EXPECT_FALSE(RunJob(job, targets));
        EXPECT_EQ(std::vector<std::string>{c.message}, sink.messages);

        auto given = FeedbackGiven();
        const Feedback& first = given[(LPCTSTR)targets[0]->GetAuctionID()][Name(*targets[0])];
        EXPECT_EQ(1, first.count);
        EXPECT_EQ(1, first.attempts);
        EXPECT_NE(0u, targets[0]->GetUserState().TestFlags(CItemUserState::StateRated));
        EXPECT_NE(0u, StoredState(*targets[0]) & CItemUserState::StateRated);
        const Feedback& failed = given[second][Name(*targets[1])];
        EXPECT_EQ(c.attempts, failed.attempts);
        EXPECT_EQ(c.count, failed.count);
        EXPECT_EQ(0u, targets[1]->GetUserState().TestFlags(CItemUserState::StateRated));
        EXPECT_EQ(0u, StoredState(*targets[1]));
        EXPECT_EQ(0u, given.count((LPCTSTR)targets[2]->GetAuctionID()));
        EXPECT_EQ(0u, targets[2]->GetUserState().GetFlags());
    }
}

TEST_F(FeedbackJob, StoppedAtAnyRequestEndsAtOnceAndPostsNothingTwice)
{
    Items items = ReadList("closed-winner");
    std::vector<TanzoAuctionItem*> single = SingleWinnerItems(items, 2);
    ASSERT_EQ(2u, single.size());
    // How many requests a whole run makes.
    Restart();
    const int nStart = RequestCount();
    {
        std::vector<std::unique_ptr<TanzoAuctionItem>> copies;
        std::vector<TanzoAuctionItem*> targets;
        for (TanzoAuctionItem* pItem : single)
        {
            copies.emplace_back(new TanzoAuctionItem(*pItem));
            targets.push_back(copies.back().get());
        }
        CLeaveFeedbackOperation job(TRUE, 5, kComment, &http, &sink);
        ASSERT_TRUE(RunJob(job, targets));
    }
    const std::vector<LoggedRequest> whole = StandIn::Log();
    const int nRequests = RequestCount() - nStart;
    ASSERT_GE(nRequests, 8);
    ASSERT_EQ((size_t)nRequests, whole.size());

    for (int k = 1; k <= nRequests; ++k)
    {
        SCOPED_TRACE("request " + std::to_string(k));
        Restart();
        ASSERT_TRUE(StandIn::AddFault("{\"action\": \"hold\", \"nth\": " + std::to_string(k) + "}"));
        std::vector<std::unique_ptr<TanzoAuctionItem>> copies;
        std::vector<TanzoAuctionItem*> targets;
        for (TanzoAuctionItem* pItem : single)
        {
            copies.emplace_back(new TanzoAuctionItem(*pItem));
            targets.push_back(copies.back().get());
        }
        sink.messages.clear();
        http.SetCancel(FALSE);
        CLeaveFeedbackOperation job(TRUE, 5, kComment, &http, &sink);
        CStopWhenHeld stopper(http);
        EXPECT_FALSE(RunJob(job, targets));
        EXPECT_TRUE(stopper.Join());
        // Nothing after the request held; stopped in a final post, the user
        // is told to look at its item: the service may have taken it.
        EXPECT_EQ(k, RequestCount() - nStart);
        std::vector<std::string> told;
        size_t nFinal = 0;
        for (int i = 0; i < k; ++i)
            nFinal += whole[i].method == "POST" && whole[i].path == "/jp/submit/leavefeedback";
        if (whole[k - 1].path == "/jp/submit/leavefeedback")
        {
            CString line;
            targets[nFinal - 1]->FormatTitleWithID(line, FALSE);
            told.push_back(LoadText(IDS_MAYBE_FAILED) + "\r\n\r\n" + (LPCTSTR)line);
        }
        EXPECT_EQ(told, sink.messages);
        EXPECT_EQ(0u, targets[1]->GetUserState().GetFlags());
        for (const auto& item : FeedbackGiven())
        {
            for (const auto& partner : item.second)
            {
                EXPECT_LE(partner.second.attempts, 1) << item.first;
                EXPECT_LE(partner.second.count, 1) << item.first;
            }
        }
    }
}
