// The re-listing job over 500 items against the stand-in of the service
// (Windows build under Wine, inside tools/stand-in/with-stand-in): the
// closed items cycled to 500 targets, each taken through the entry page,
// the form, the confirmation and the final post, in pages as long as the
// service's (their scripts and site links around the content). Printed: the whole run,
// the time spent waiting for the service and the job's own time (the CPU
// time of its thread) per item, for the first and the last hundred items;
// then the same run with edits on every item as the edit hub makes them
// (title, prices and sales mode, description, shipping, condition).
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "JobClock.h"
#include "actions/relist/win32/ResubmitStandIn.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "client/actions/relist/ResubmitItemEditRules.h"
#include "client/actions/relist/ResubmitOperation.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
const int kItems = 500;
// The job's own time per item (ms).
const double kOwnTarget = 10;
// About what a page of the service's listing road weighs.
const int kPageBytes = 150000;

// The edits of the hub in single mode on one item: the field dialogs'
// values in its working record, then its OK.
bool EditLikeTheHub(TanzoAuctionItem& item, int n)
{
    TanzoAuctionItem working;
    working.CopyFrom(item, AuctionItem::AllGroups);
    working.SetTitle((std::string("再出品 編集済み 品物 No.") + std::to_string(n)).c_str());
    working.GetSalesMode().Set(CSalesMode::BuyNow);
    working.SetEditedDescription("A&B &nbsp;<b>説明</b> \"引用\" ｶﾀｶﾅ");
    working.SetCondition(3);
    CShipMethod method;
    method.SetName("ゆうパケット");
    method.SetFee(250);
    CShipMethodList methods;
    methods.AddTail(method);
    working.SetShipMethods(methods);
    working.AddEditFlags(TanzoAuctionItem::EditTitle | TanzoAuctionItem::EditSalesMode |
                         TanzoAuctionItem::EditDescription | TanzoAuctionItem::EditCondition |
                         TanzoAuctionItem::EditShipping);
    TanzoAuctionItem result;
    result.CopyFrom(item, AuctionItem::AllGroups);
    if (ApplyItemEditOk(FALSE, std::to_string(3000 + 10 * (n % 100)).c_str(), working, result) != 0)
        return false;
    GetItemEditResult(FALSE, result, item);
    return true;
}

// One run over the served items cycled to kItems targets, its figures printed.
bool RunAndPrint(const std::vector<ResubmitStandIn::ServedItem>& served, bool bEdited,
                 bench::Targets& targets)
{
    std::vector<std::unique_ptr<TanzoAuctionItem>> items;
    for (int i = 0; i < kItems; ++i)
    {
        items.push_back(ResubmitStandIn::MakeItem(served[i % served.size()]));
        if (bEdited && !EditLikeTheHub(*items.back(), i))
        {
            std::printf("  the hub refused the edits of item %d\n", i);
            return false;
        }
    }

    CUserAccountList accounts;
    CUserAccount account;
    account.SetID("demo_seller1");
    account.SetPassword("pass-seller1");
    accounts.Add(account);
    CHttpComm http;
    http.Add(CHttpComm::flagQuiet);
    CItemClock clock;
    CResubmitOperation job(nullptr, &http, &clock);
    job.SetOwner(&accounts);
    for (auto& item : items)
        job.AddTarget(item.get());

    const double wall0 = WallSeconds();
    const double cpu0 = ThreadSeconds();
    const BOOL bDone = job.Run();
    const double wall = WallSeconds() - wall0;
    const double cpu = ThreadSeconds() - cpu0;
    clock.SetTitle(nullptr); // the end of the last item

    std::printf(
        "Re-listing job, %d items%s against the stand-in (%d distinct closed items, pages of %d KB)\n",
        kItems, bEdited ? " edited in the hub" : "", (int)served.size(), kPageBytes / 1000);
    if (!bDone || (int)clock.wall.size() != kItems + 1)
    {
        std::printf("  the job stopped after %d items: %s\n", (int)clock.wall.size() - 1,
                    clock.messages.empty() ? "" : clock.messages.back().c_str());
        return false;
    }
    std::printf("  whole run: %.2f s, of it %.2f s waiting for the service, %.2f s the job's own\n", wall,
                wall - cpu, cpu);
    PrintBands(bEdited ? "re-listing, edited" : "re-listing", clock, kItems, targets, kOwnTarget);
    return true;
}
} // namespace

int main()
{
    if (!StandIn::Available() || !StandIn::Reset() || !StandIn::UseServiceOrigins())
    {
        std::printf("bench_resubmit: run inside tools/stand-in/with-stand-in\n");
        return 1;
    }
    char state[64];
    std::snprintf(state, sizeof(state), "{\"page_bytes\": %d}", kPageBytes);
    if (!StandIn::SetState(state))
    {
        std::printf("bench_resubmit: the stand-in refused its scenario\n");
        return 1;
    }
    std::vector<ResubmitStandIn::ServedItem> served = ResubmitStandIn::ClosedItems("closed-winner", 1000);
    for (const auto& item : ResubmitStandIn::ClosedItems("closed-nowinner", 1000))
        served.push_back(item);
    if (served.empty())
    {
        std::printf("bench_resubmit: the stand-in lists no closed items\n");
        return 1;
    }
    bench::Targets targets;
    const bool bDone = RunAndPrint(served, false, targets) && RunAndPrint(served, true, targets);
    StandIn::Reset();
    ResetServiceOrigins();
    targets.Print();
    return bDone ? 0 : 1;
}
