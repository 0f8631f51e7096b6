// The feedback job over 500 items and the removal of 500 items against the
// stand-in of the service (Windows build under Wine, inside
// tools/stand-in/with-stand-in), in pages as long as the service's. The
// feedback job rates the one winner of each closed item (the items cycled
// to 500 targets) through the item page and the three feedback pages, its
// marks kept in a document whose file it writes at the end. The removal
// job takes the 500 items of a closed list with a winner that long off
// it in posts of 50, dropping the memo of each. Printed: the whole run,
// the time spent waiting for the service and the client's own time (the
// CPU time of its thread) per item, for the first and the last hundred
// items.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchDocData.h"
#include "JobClock.h"
#include "actions/feedback/win32/FeedbackStandIn.h"
#include "client/DataFileTestSupport.h"
#include "client/DataSetFiles.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/actions/feedback/LeaveFeedbackOperation.h"
#include "client/actions/removal/RemovalBatches.h"
#include "client/actions/removal/RemoveFromListOperation.h"
#include "net/HttpComm.h"
#include "net/ProgressSink.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

using namespace FeedbackStandIn;

namespace
{
const int kItems = 500;
const int kBand = 100;
// The job's own time per item (ms).
const double kOwnTarget = 10;
// About what a page of the service weighs.
const int kPageBytes = 150000;
const char kSeller[] = "demo_seller1";
const char kState[] = "{\"page_bytes\": 150000, \"auto_login\": \"demo_seller1\"}";

// Notes the clocks as each step starts (the job sets its caption then):
// an item of the feedback job, a post of the removal job.
class CStepClock : public CItemClock
{
public:
    void Note() { SetTitle(nullptr); }
    // Each step's times, spread over the items it handled.
    void Spread(int nItems, std::vector<double>& itemWall, std::vector<double>& itemCpu) const
    {
        for (size_t i = 0; i + 1 < wall.size(); ++i)
        {
            const int n = nItems > 0 ? nItems : 1;
            for (int k = 0; k < n; ++k)
            {
                itemWall.push_back((wall[i + 1] - wall[i]) / n);
                itemCpu.push_back((cpu[i + 1] - cpu[i]) / n);
            }
        }
    }
};

void PrintBand(const char* name, const std::vector<double>& wall, const std::vector<double>& cpu,
               size_t first, size_t last)
{
    double w = 0, c = 0;
    for (size_t i = first; i < last; ++i)
    {
        w += wall[i];
        c += cpu[i];
    }
    const double n = (double)(last - first);
    std::printf(
        "  %-16s per item: %7.2f ms in all, %7.2f ms waiting for the service, %6.2f ms the client's own\n",
        name, 1000 * w / n, 1000 * (w - c) / n, 1000 * c / n);
}

void PrintRun(const std::vector<double>& wall, const std::vector<double>& cpu)
{
    double w = 0, c = 0;
    for (size_t i = 0; i < wall.size(); ++i)
    {
        w += wall[i];
        c += cpu[i];
    }
    std::printf("  whole run: %.2f s, of it %.2f s waiting for the service, %.2f s the client's own\n", w,
                w - c, c);
    PrintBand("first hundred", wall, cpu, 0, kBand);
    PrintBand("last hundred", wall, cpu, wall.size() - kBand, wall.size());
}

bool StartStandIn()
{
    return StandIn::Reset() && StandIn::UseServiceOrigins() && StandIn::SetState(kState);
}

int BenchFeedback(bench::Targets& targets)
{
    Items closed = ReadList("closed-winner", 3);
    std::vector<const TanzoAuctionItem*> single;
    for (const auto& item : closed)
    {
        if (item->GetBuyerCount() == 1 && !item->HasWinnerListEntry())
            single.push_back(item.get());
    }
    if (single.empty())
    {
        std::printf("bench_feedback: the stand-in lists no closed item with one winner\n");
        return 1;
    }
    std::vector<std::unique_ptr<TanzoAuctionItem>> items;
    for (int i = 0; i < kItems; ++i)
    {
        items.emplace_back(new TanzoAuctionItem(*single[i % single.size()]));
        items.back()->AddFlagsToAllBuyers(TanzoAuctionBuyer::FlagTarget);
    }
    CTempFolder folder;
    CBenchDocData doc(folder.Path(), kSeller);
    doc.EnsureDataSetLoaded(dataSetUserEdits);
    CHttpComm http;
    http.Add(CHttpComm::flagQuiet);
    CStepClock clock;
    CLeaveFeedbackOperation job(TRUE, 5, "迅速なお取引ありがとうございました。", &http, &clock);
    job.SetOwner(&doc);
    for (auto& item : items)
        job.AddTarget(item.get());
    const BOOL bDone = job.Run();
    clock.Note(); // the end of the last item, its file written

    std::printf("Feedback job, %d items against the stand-in (%d distinct closed items, pages of %d KB)\n",
                kItems, (int)single.size(), kPageBytes / 1000);
    if (!bDone || (int)clock.wall.size() != kItems + 1)
    {
        std::printf("  the job stopped after %d items: %s\n", (int)clock.wall.size() - 1,
                    clock.messages.empty() ? "" : clock.messages.back().c_str());
        return 1;
    }
    std::vector<double> wall, cpu;
    clock.Spread(1, wall, cpu);
    double w = 0, c = 0;
    for (size_t i = 0; i < wall.size(); ++i)
    {
        w += wall[i];
        c += cpu[i];
    }
    std::printf("  whole run: %.2f s, of it %.2f s waiting for the service, %.2f s the client's own\n", w,
                w - c, c);
    PrintBands("feedback", clock, kItems, targets, kOwnTarget);
    return 0;
}

int BenchRemoval()
{
    char state[160];
    std::snprintf(state, sizeof(state),
                  "{\"page_bytes\": %d, \"auto_login\": \"%s\", \"list_counts\": {\"closed-winner\": %d}}",
                  kPageBytes, kSeller, kItems);
    if (!StandIn::Reset() || !StandIn::SetState(state))
    {
        std::printf("bench_removal: the stand-in refused its scenario\n");
        return 1;
    }
    Items items = ReadList("closed-winner", (kItems + RemovalBatchSize - 1) / RemovalBatchSize);
    if ((int)items.size() != kItems)
    {
        std::printf("bench_removal: the closed list with a winner shows %d items, not %d\n",
                    (int)items.size(), kItems);
        return 1;
    }
    // Every item has a memo, which its removal drops.
    CTempFolder folder;
    CBenchDocData doc(folder.Path(), kSeller);
    doc.EnsureDataSetLoaded(dataSetUserEdits);
    for (auto& item : items)
    {
        item->SetMemo("削除前のメモ");
        doc.StoreUserEdit(TanzoAuctionItemUserEdit(*item));
    }
    CHttpComm http;
    http.Add(CHttpComm::flagQuiet);
    CStepClock clock;
    CRemoveFromListOperation job(ListUrl("closed-winner").c_str(),
                                 CRemoveFromListOperation::RemoveClosedWithWinner, &http, &clock);
    job.SetOwner(&doc);
    for (auto& item : items)
        job.AddTarget(item.get());
    const BOOL bDone = job.Run();
    clock.Note(); // the end of the last post, the file written

    std::printf(
        "Removal job, %d items of the closed list with a winner against the stand-in in one job, posts of "
        "up to %d, pages of %d KB\n",
        kItems, (int)RemovalBatchSize, kPageBytes / 1000);
    const Removals removed = Removed("closed-winner");
    if (!bDone || doc.GetUserEditCount() != 0 || (int)removed.ids.size() != kItems)
    {
        std::printf("  the job stopped: %d items removed on the service, %d memos left: %s\n",
                    (int)removed.ids.size(), doc.GetUserEditCount(),
                    clock.messages.empty() ? "" : clock.messages.back().c_str());
        return 1;
    }
    std::vector<double> wall, cpu;
    clock.Spread(RemovalBatchSize, wall, cpu);
    PrintRun(wall, cpu);
    return 0;
}
} // namespace

int main()
{
    if (!StandIn::Available() || !StartStandIn())
    {
        std::printf("bench_feedback: run inside tools/stand-in/with-stand-in\n");
        return 1;
    }
    bench::Targets targets;
    int nResult = BenchFeedback(targets);
    if (nResult == 0)
        nResult = BenchRemoval();
    StandIn::Reset();
    ResetServiceOrigins();
    targets.Print();
    return nResult;
}
