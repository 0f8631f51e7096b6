// The two jobs on items on sale over 500 items each against the stand-in
// of the service (Windows build under Wine, inside
// tools/stand-in/with-stand-in): a text added to the descriptions and the
// featured amount per day, the selling items cycled to 500 targets, in
// pages as long as the service's. Printed per job: the whole run, the time
// waiting for the service and the job's own time (the CPU time of its
// thread) per item, for the first and the last hundred items.
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "JobClock.h"
#include "actions/relist/win32/ResubmitStandIn.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "client/actions/updates/DescriptionAdditionSink.h"
#include "client/actions/updates/FeaturedAmountOperation.h"
#include "client/actions/updates/UpdateAuctionOperation.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
const int kItems = 500;
// The job's own time per item (ms).
const double kOwnTarget = 10;
const int kPageBytes = 150000;
const char kAddition[] = "<b>追記</b>：送料&手数料&nbsp;込み<br>\r\n発送は平日のみです。";

// One job over the items from a stand-in made new; FALSE when it stopped.
BOOL RunJob(const char* name, const std::vector<ResubmitStandIn::ServedItem>& served, bench::Targets& targets,
            const std::function<std::unique_ptr<CTanzoOperation>(CHttpComm*, CProgressSink*)>& makeJob)
{
    char state[96];
    // Each item comes round four times: any new amount is taken.
    std::snprintf(state, sizeof(state), "{\"page_bytes\": %d, \"featured_step\": 0}", kPageBytes);
    if (!StandIn::Reset() || !StandIn::SetState(state))
    {
        std::printf("bench_itemupdates: the stand-in refused its scenario\n");
        return FALSE;
    }
    std::vector<std::unique_ptr<TanzoAuctionItem>> items;
    for (int i = 0; i < kItems; ++i)
        items.push_back(ResubmitStandIn::MakeItem(served[i % served.size()]));
    CUserAccountList accounts;
    CUserAccount account;
    account.SetID("demo_seller1");
    account.SetPassword("pass-seller1");
    accounts.Add(account);
    CHttpComm http;
    http.Add(CHttpComm::flagQuiet);
    CItemClock clock;
    std::unique_ptr<CTanzoOperation> job = makeJob(&http, &clock);
    job->SetOwner(&accounts);
    for (auto& item : items)
        job->AddTarget(item.get());

    const double wall0 = WallSeconds();
    const double cpu0 = ThreadSeconds();
    const BOOL bDone = job->Run();
    const double wall = WallSeconds() - wall0;
    const double cpu = ThreadSeconds() - cpu0;
    clock.SetTitle(nullptr); // the end of the last item

    std::printf("%s, %d items against the stand-in (%d distinct items on sale, pages of %d KB)\n", name,
                kItems, (int)served.size(), kPageBytes / 1000);
    if (!bDone || (int)clock.wall.size() != kItems + 1)
    {
        std::printf("  the job stopped after %d items: %s\n", (int)clock.wall.size() - 1,
                    clock.messages.empty() ? "" : clock.messages.back().c_str());
        return FALSE;
    }
    std::printf("  whole run: %.2f s, of it %.2f s waiting for the service, %.2f s the job's own\n", wall,
                wall - cpu, cpu);
    PrintBands(name, clock, kItems, targets, kOwnTarget);
    return TRUE;
}
} // namespace

int main()
{
    if (!StandIn::Available() || !StandIn::Reset() || !StandIn::UseServiceOrigins())
    {
        std::printf("bench_itemupdates: run inside tools/stand-in/with-stand-in\n");
        return 1;
    }
    const std::vector<ResubmitStandIn::ServedItem> served = ResubmitStandIn::ClosedItems("selling", 1000);
    if (served.empty())
    {
        std::printf("bench_itemupdates: the stand-in lists no items on sale\n");
        return 1;
    }
    CDescriptionAdditionSink text;
    text.SetText(kAddition);
    bench::Targets targets;
    const BOOL bAdded = RunJob("Description additions", served, targets,
                               [&](CHttpComm* pHttp, CProgressSink* pSink)
                               { return std::make_unique<CUpdateAuctionOperation>(&text, pHttp, pSink); });
    const BOOL bFeatured = RunJob("Featured amounts", served, targets,
                                  [](CHttpComm* pHttp, CProgressSink* pSink)
                                  { return std::make_unique<CFeaturedAmountOperation>(300, pHttp, pSink); });
    StandIn::Reset();
    ResetServiceOrigins();
    targets.Print();
    return bAdded && bFeatured ? 0 : 1;
}
