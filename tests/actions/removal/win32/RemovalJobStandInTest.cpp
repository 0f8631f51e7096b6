// The removal job against the stand-in: the list's form posted 50 IDs at a
// time, the memos of the items removed gone from the file, a refused post
// and one whose answer was lost that keep their items and memos, and the
// won list's own path.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "actions/feedback/win32/FeedbackStandIn.h"
#include "actions/shared/win32/JobRecordingSink.h"
#include "auction/accounts/UserAccount.h"
#include "client/DataFileTestSupport.h"
#include "client/DataSetFiles.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoOperation.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/removal/RemoveFromListOperation.h"
#include "net/HttpComm.h"
#include "net/HttpTestSupport.h"
#include "net/ProgressSink.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

using namespace FeedbackStandIn;

namespace
{
const char kSeller[] = "demo_seller1";
const char kStartState[] = "{\"clock\": \"2024-01-02 12:00\", \"auto_login\": \"demo_seller1\"}";

// The seller's document in a folder of the test's own.
std::unique_ptr<CTestDocData> OpenDocument(const CString& folder)
{
    std::unique_ptr<CTestDocData> doc(new CTestDocData(folder));
    CUserAccount account;
    account.SetID(kSeller);
    account.SetPassword("pass-seller1");
    doc->Add(account);
    return doc;
}

std::string MemoOf(CTanzoDocData& doc, const TanzoAuctionItem& item)
{
    TanzoAuctionItemUserEdit record(item);
    if (!doc.LookupUserEdit(record))
        return "(none)";
    return (LPCTSTR)record.GetMemo();
}

class RemovalJob : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        ASSERT_TRUE(StandIn::SetState(kStartState));
        http.Add(CHttpComm::flagQuiet);
    }
    void TearDown() override
    {
        StandIn::Reset();
        ResetServiceOrigins();
    }

    // Every target with a memo, on disk before the job runs.
    void StoreMemos(const std::vector<TanzoAuctionItem*>& targets)
    {
        std::unique_ptr<CTestDocData> doc = OpenDocument(folder.Path());
        for (TanzoAuctionItem* pItem : targets)
        {
            pItem->SetMemo(("memo " + std::string((LPCTSTR)pItem->GetAuctionID())).c_str());
            doc->StoreUserEdit(TanzoAuctionItemUserEdit(*pItem));
        }
        ASSERT_TRUE(doc->TransferDataSet(dataSetUserEdits, TRUE));
    }

    BOOL RunJob(const char* list, int nKind, const std::vector<TanzoAuctionItem*>& targets)
    {
        std::unique_ptr<CTestDocData> doc = OpenDocument(folder.Path());
        doc->EnsureDataSetLoaded(dataSetUserEdits);
        CRemoveFromListOperation job(ListUrl(list).c_str(), nKind, &http, &sink);
        job.SetOwner(doc.get());
        for (TanzoAuctionItem* pItem : targets)
            job.AddTarget(pItem);
        const BOOL bDone = job.Run();
        flag2 = job.TestFlag2() != FALSE;
        return bDone;
    }

    static std::vector<std::string> IdsOf(const std::vector<TanzoAuctionItem*>& items)
    {
        std::vector<std::string> ids;
        for (const TanzoAuctionItem* pItem : items)
            ids.push_back((LPCTSTR)pItem->GetAuctionID());
        return ids;
    }

    CTempFolder folder;
    CHttpComm http;
    CJobRecordingSink sink;
    bool flag2 = false;
};
} // namespace

TEST_F(RemovalJob, FiftyOneItemsGoInTwoPostsAndTheirMemosLeaveTheFile)
{
    Items items = ReadList("closed-winner", 2);
    ASSERT_GE(items.size(), 52u);
    std::vector<TanzoAuctionItem*> targets;
    for (size_t i = 0; i < 51; ++i)
        targets.push_back(items[i].get());
    StoreMemos(targets);
    // One item not removed keeps its memo.
    StoreMemos({items[51].get()});

    EXPECT_TRUE(RunJob("closed-winner", CRemoveFromListOperation::RemoveClosedWithWinner, targets));
    EXPECT_EQ(std::vector<std::string>{}, sink.messages);
    EXPECT_TRUE(flag2);
    EXPECT_EQ((std::vector<std::string>{FormatText(IDS_REMOVE_CAPTION, 1, 2),
                                        FormatText(IDS_REMOVE_CAPTION, 2, 2)}),
              sink.captions);
    // The first post names more items, the second only the last one.
    ASSERT_EQ(2u, sink.subStatuses.size());
    CString first, last;
    targets[0]->FormatTitleWithID(first, FALSE);
    targets[50]->FormatTitleWithID(last, FALSE);
    EXPECT_EQ(std::string((LPCTSTR)first) + LoadText(IDS_REMOVE_MORE_ITEMS), sink.subStatuses[0]);
    EXPECT_EQ(std::string((LPCTSTR)last), sink.subStatuses[1]);

    const Removals removed = Removed("closed-winner");
    EXPECT_EQ(IdsOf(targets), removed.ids);
    EXPECT_EQ(2, removed.posts);
    EXPECT_EQ(0, removed.errors);
    EXPECT_TRUE(Removed("won").ids.empty());

    std::unique_ptr<CTestDocData> again = OpenDocument(folder.Path());
    for (TanzoAuctionItem* pItem : targets)
        EXPECT_EQ("(none)", MemoOf(*again, *pItem)) << (LPCTSTR)pItem->GetAuctionID();
    EXPECT_EQ("memo " + std::string((LPCTSTR)items[51]->GetAuctionID()), MemoOf(*again, *items[51]));
}

TEST_F(RemovalJob, ASecondPostRefusedOrUnansweredStopsTheJobKeepingItsItemAndMemo)
{
    Items items = ReadList("closed-winner", 2);
    ASSERT_GE(items.size(), 51u);
    std::vector<TanzoAuctionItem*> targets;
    for (size_t i = 0; i < 51; ++i)
        targets.push_back(items[i].get());
    const std::vector<TanzoAuctionItem*> firstBatch(targets.begin(), targets.begin() + 50);
    const std::string second = (LPCTSTR)targets[50]->GetAuctionID();
    CString secondLine;
    targets[50]->FormatTitleWithID(secondLine, FALSE);
    const char kSecondPostLost[] =
        "{\"path\": \"/jp/config/removeclosed\", \"action\": \"lost\", \"nth\": 2}";
    const struct
    {
        const char* name;
        std::string state;
        const char* fault;
        std::string shown;
        bool namesItem;
        bool storedByService; // the second post's item is off the service's list
        int errors;
    } cases[] = {
        {"refused", "{\"remove_error\": [\"" + second + "\"]}", nullptr,
         "選択されたオークションを削除できませんでした。", false, false, 1},
        // Sent once: whether it was taken is the service's to know.
        {"answer lost after the service stored it", "{}", kSecondPostLost, LoadText(IDS_MAYBE_FAILED), true,
         true, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::SetState(kStartState));
        ASSERT_TRUE(StandIn::SetState(c.state));
        if (c.fault != nullptr)
        {
            ASSERT_TRUE(StandIn::AddFault(c.fault));
        }
        sink = CJobRecordingSink();
        StoreMemos(targets);

        EXPECT_FALSE(RunJob("closed-winner", CRemoveFromListOperation::RemoveClosedWithWinner, targets));
        ASSERT_EQ(1u, sink.messages.size());
        EXPECT_NE(std::string::npos, sink.messages[0].find(c.shown)) << sink.messages[0];
        if (c.namesItem)
        {
            EXPECT_NE(std::string::npos, sink.messages[0].find((LPCTSTR)secondLine)) << sink.messages[0];
        }

        EXPECT_EQ(2u, StandIn::Log("/jp/config/removeclosed").size());
        const Removals removed = Removed("closed-winner");
        std::vector<std::string> gone = IdsOf(firstBatch);
        if (c.storedByService)
            gone.push_back(second);
        EXPECT_EQ(gone, removed.ids);
        EXPECT_EQ(2, removed.posts);
        EXPECT_EQ(c.errors, removed.errors);

        std::unique_ptr<CTestDocData> again = OpenDocument(folder.Path());
        for (TanzoAuctionItem* pItem : firstBatch)
            EXPECT_EQ("(none)", MemoOf(*again, *pItem)) << (LPCTSTR)pItem->GetAuctionID();
        EXPECT_EQ("memo " + second, MemoOf(*again, *targets[50]));
    }
}

TEST_F(RemovalJob, AnItemWithoutAnIdTakesNoPlaceAndTheWonListPostsToItsOwnPath)
{
    Items items = ReadList("won");
    ASSERT_GE(items.size(), 3u);
    TanzoAuctionItem noId;
    noId.SetTitle("no ID");
    std::vector<TanzoAuctionItem*> targets = {items[0].get(), &noId, items[1].get(), items[2].get()};

    EXPECT_TRUE(RunJob("won", CRemoveFromListOperation::RemoveWon, targets));
    EXPECT_EQ(std::vector<std::string>{}, sink.messages);
    EXPECT_EQ(std::vector<std::string>{FormatText(IDS_REMOVE_CAPTION, 1, 1)}, sink.captions);
    const Removals removed = Removed("won");
    EXPECT_EQ(IdsOf({items[0].get(), items[1].get(), items[2].get()}), removed.ids);
    EXPECT_EQ(1, removed.posts);
    EXPECT_TRUE(Removed("closed-winner").ids.empty());
}
