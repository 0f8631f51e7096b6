// The re-listing job over 500 items against the stand-in of the service
// (Windows build under Wine, inside tools/stand-in/with-stand-in): the
// closed items cycled to 500 targets, each taken through the entry page,
// the form, the confirmation and the final post, in pages as long as the
// service's (their scripts and site links around the content). Printed: the whole run,
// the time spent waiting for the service and the job's own time (the CPU
// time of its thread) per item, for the first and the last hundred items.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "actions/win32/ResubmitStandIn.h"
#include "auction/UserAccount.h"
#include "auction/UserAccountList.h"
#include "client/actions/ResubmitOperation.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
const int kItems = 500;
const int kBand = 100;
// About what a page of the service's listing road weighs.
const int kPageBytes = 150000;

double ThreadSeconds()
{
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& ft)
    { return (double)(((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}

double WallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Notes the clocks as each item starts (the job sets its caption then).
class CItemClock : public CProgressSink
{
public:
    void SetTitle(LPCTSTR) override
    {
        wall.push_back(WallSeconds());
        cpu.push_back(ThreadSeconds());
    }
    void SetStatus(LPCTSTR) override {}
    void SetSubStatus(LPCTSTR) override {}
    int ShowMessage(LPCTSTR lpszText, UINT) override
    {
        messages.push_back(lpszText != nullptr ? lpszText : "");
        return IDOK;
    }
    std::vector<double> wall, cpu;
    std::vector<std::string> messages;
};

void PrintBand(const char* name, const CItemClock& clock, int first, int last)
{
    double wall = 0, cpu = 0;
    for (int i = first; i < last; ++i)
    {
        wall += clock.wall[i + 1] - clock.wall[i];
        cpu += clock.cpu[i + 1] - clock.cpu[i];
    }
    const int n = last - first;
    std::printf(
        "  %-16s per item: %7.1f ms in all, %7.1f ms waiting for the service, %6.1f ms the job's own\n", name,
        1000 * wall / n, 1000 * (wall - cpu) / n, 1000 * cpu / n);
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
    StandIn::Reset();
    ResetServiceOrigins();

    std::printf("Re-listing job, %d items against the stand-in (%d distinct closed items, pages of %d KB)\n",
                kItems, (int)served.size(), kPageBytes / 1000);
    if (!bDone || (int)clock.wall.size() != kItems + 1)
    {
        std::printf("  the job stopped after %d items: %s\n", (int)clock.wall.size() - 1,
                    clock.messages.empty() ? "" : clock.messages.back().c_str());
        return 1;
    }
    std::printf("  whole run: %.2f s, of it %.2f s waiting for the service, %.2f s the job's own\n", wall,
                wall - cpu, cpu);
    PrintBand("first hundred", clock, 0, kBand);
    PrintBand("last hundred", clock, kItems - kBand, kItems);
    return 0;
}
