// 中止 in each of the five jobs as the program runs it, behind its run
// dialog, while the stand-in holds the job's k-th request: the job ends
// there and sends nothing more; it tells 906 with the item when the
// request held belonged to the item's final post (the service may have
// taken it), and nothing at any other moment.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ActionDialogTestSupport.h"
#include "StopWhenHeld.h"
#include "actions/feedback/win32/FeedbackStandIn.h"
#include "actions/relist/win32/ResubmitStandIn.h"
#include "app/WinTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "auction/operations/OperationResourceIds.h"
#include "client/DataFileTestSupport.h"
#include "client/DataSetFiles.h"
#include "client/RunOperationDialog.h"
#include "client/TanzoOperation.h"
#include "client/actions/feedback/LeaveFeedbackOperation.h"
#include "client/actions/relist/ResubmitOperation.h"
#include "client/actions/removal/RemoveFromListOperation.h"
#include "client/actions/updates/DescriptionAdditionSink.h"
#include "client/actions/updates/FeaturedAmountOperation.h"
#include "client/actions/updates/UpdateAuctionOperation.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
// The same demo items at every reset; the job's first page signs the
// seller in.
const char kStartState[] = "{\"clock\": \"2024-01-02 12:00\", \"auto_login\": \"demo_seller1\"}";

typedef std::vector<std::unique_ptr<TanzoAuctionItem>> Items;

// The seller's document, in a folder of its own, as the jobs' owner.
std::unique_ptr<CTestDocData> OpenDocument(const CString& folder)
{
    std::unique_ptr<CTestDocData> doc(new CTestDocData(folder));
    CUserAccount account;
    account.SetID("demo_seller1");
    account.SetPassword("pass-seller1");
    doc->Add(account);
    doc->EnsureDataSetLoaded(dataSetUserEdits);
    return doc;
}

// Items of a list as the stand-in serves them; for the featured amount
// only items without one.
Items ServedItems(const char* list, size_t count, bool bUnfeatured = false)
{
    Items items;
    for (const ResubmitStandIn::ServedItem& served : ResubmitStandIn::ClosedItems(list, 20))
    {
        if (items.size() == count)
            break;
        const auto amount = served.record.find("featured_amount");
        if (bUnfeatured && amount != served.record.end() && amount->second != "0" && !amount->second.empty())
            continue;
        items.push_back(ResubmitStandIn::MakeItem(served));
    }
    return items;
}

// The closed items with a single winner, chosen as the list page chooses
// them for feedback.
Items SingleWinnerItems(size_t count)
{
    Items chosen;
    for (auto& item : FeedbackStandIn::ReadList("closed-winner"))
    {
        if (chosen.size() == count)
            break;
        if (item->GetBuyerCount() != 1 || item->HasWinnerListEntry())
            continue;
        item->AddFlagsToAllBuyers(TanzoAuctionBuyer::FlagTarget);
        chosen.push_back(std::move(item));
    }
    return chosen;
}

bool HasBody(const LoggedRequest& request, const char* part)
{
    return request.body.find(part) != std::string::npos;
}

// One job of the table: its items (read once), how it is made over copies
// of them, and which request is an item's final post.
struct JobCase
{
    const char* name;
    std::function<Items()> items;
    std::function<std::unique_ptr<CTanzoOperation>()> make;
    std::function<bool(const LoggedRequest&)> isFinalPost;
};

std::string Requests(const std::vector<LoggedRequest>& log)
{
    std::string text;
    for (const LoggedRequest& request : log)
        text += request.method + " " + request.path + " " + request.status + "\n";
    return text;
}

class JobStopInRunner : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        ASSERT_TRUE(Restart());
    }
    void TearDown() override
    {
        StandIn::ReleaseHeld(true);
        StandIn::Reset();
        ResetServiceOrigins();
    }
    bool Restart() { return StandIn::Reset() && StandIn::SetState(kStartState); }

    // The job over copies of the items behind the program's run dialog;
    // stopped at the first request held when bStop.
    INT_PTR Run(const JobCase& c, const Items& items, bool bStop, bool* pbStopped = nullptr)
    {
        std::unique_ptr<CTanzoOperation> job = c.make();
        CTempFolder folder;
        std::unique_ptr<CTestDocData> doc = OpenDocument(folder.Path());
        job->SetOwner(doc.get());
        Items copies;
        for (const auto& item : items)
        {
            copies.emplace_back(new TanzoAuctionItem(*item));
            job->AddTarget(copies.back().get());
        }
        CRunOperationDialog run(job.get());
        if (!bStop)
            return run.DoModal();
        CStopWhenHeld stopper(run);
        const INT_PTR nResult = run.DoModal();
        const bool bStopped = stopper.Join();
        if (pbStopped != nullptr)
            *pbStopped = bStopped;
        return nResult;
    }

    // The program's application: its requests take the user's input while
    // they wait.
    CProfileScope profile{UniqueName("Tanzo Job Stop Test")};
    CScriptedPrompt prompt;
    CDescriptionAdditionSink addition;
};
} // namespace

TEST_F(JobStopInRunner, StoppedAtAnyRequestEachJobTellsOnlyOfAFinalPostOnItsWay)
{
    addition.SetText("追記：送料込み");
    const JobCase jobs[] = {
        {"re-listing", [] { return ServedItems("closed-nowinner", 2); },
         [this]
         {
             std::unique_ptr<CResubmitOperation> job(new CResubmitOperation(nullptr));
             job->SetPrompt(&prompt);
             return std::unique_ptr<CTanzoOperation>(std::move(job));
         },
         [](const LoggedRequest& r) { return r.method == "POST" && r.path == "/jp/config/submit"; }},
        {"feedback", [] { return SingleWinnerItems(2); },
         [] {
             return std::unique_ptr<CTanzoOperation>(
                 new CLeaveFeedbackOperation(TRUE, 5, "ありがとうございました"));
         },
         [](const LoggedRequest& r) { return r.method == "POST" && r.path == "/jp/submit/leavefeedback"; }},
        {"description additions", [] { return ServedItems("selling", 2); },
         [this] { return std::unique_ptr<CTanzoOperation>(new CUpdateAuctionOperation(&addition)); },
         [](const LoggedRequest& r) { return r.method == "POST" && r.path == "/jp/config/updateauction"; }},
        {"featured amount", [] { return ServedItems("selling", 2, true); },
         [] { return std::unique_ptr<CTanzoOperation>(new CFeaturedAmountOperation(300)); },
         [](const LoggedRequest& r) {
             return r.method == "POST" && r.path == "/jp/config/editfeatured" && HasBody(r, "action=submit");
         }},
        {"removal", [] { return SingleWinnerItems(2); },
         []
         {
             return std::unique_ptr<CTanzoOperation>(
                 new CRemoveFromListOperation(FeedbackStandIn::ListUrl("closed-winner").c_str(),
                                              CRemoveFromListOperation::RemoveClosedWithWinner));
         },
         [](const LoggedRequest& r) { return r.method == "POST" && r.path == "/jp/config/removeclosed"; }},
    };
    for (const JobCase& c : jobs)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Restart());
        const Items items = c.items();
        ASSERT_EQ(2u, items.size());

        // The requests of the whole run, each marked when it belongs to an
        // item's final post (its redirects followed within it), with the
        // item the post is for.
        ASSERT_TRUE(Restart());
        CMessageBoxRecorder wholeBoxes;
        ASSERT_EQ(IDOK, Run(c, items, false)) << Requests(StandIn::Log());
        EXPECT_EQ(std::vector<std::string>{}, wholeBoxes.texts);
        const std::vector<LoggedRequest> whole = StandIn::Log();
        std::vector<int> postOf(whole.size(), -1);
        int nPosts = 0;
        for (size_t i = 0; i < whole.size(); ++i)
        {
            if (c.isFinalPost(whole[i]))
                postOf[i] = nPosts++;
            else if (i > 0 && postOf[i - 1] >= 0 && whole[i - 1].status.size() == 3 &&
                     whole[i - 1].status[0] == '3')
                postOf[i] = postOf[i - 1];
        }
        // One final post per item; the removal's two items go in one.
        ASSERT_EQ(std::string(c.name) == "removal" ? 1 : 2, nPosts) << Requests(whole);

        for (size_t k = 1; k <= whole.size(); ++k)
        {
            SCOPED_TRACE("request " + std::to_string(k) + ": " + whole[k - 1].method + " " +
                         whole[k - 1].path);
            ASSERT_TRUE(Restart());
            ASSERT_TRUE(StandIn::AddFault("{\"action\": \"hold\", \"nth\": " + std::to_string(k) + "}"));
            CMessageBoxRecorder boxes;
            bool bStopped = false;
            EXPECT_EQ(IDCANCEL, Run(c, items, true, &bStopped));
            EXPECT_TRUE(bStopped);

            std::vector<std::string> expected;
            if (postOf[k - 1] >= 0)
            {
                CString line;
                items[postOf[k - 1]]->FormatTitleWithID(line, FALSE);
                CString message;
                message.LoadString(IDS_MAYBE_FAILED);
                expected.push_back((LPCTSTR)(message + "\r\n\r\n" + line));
            }
            EXPECT_EQ(expected, boxes.texts);
            // Nothing after the request held, and nothing twice.
            const std::vector<LoggedRequest> log = StandIn::Log();
            ASSERT_EQ(k, log.size()) << Requests(log);
            for (size_t i = 0; i < k; ++i)
            {
                EXPECT_EQ(whole[i].method, log[i].method) << i;
                EXPECT_EQ(whole[i].path, log[i].path) << i;
            }
        }
    }
}
