#ifndef TANZO_BENCH_JOBCLOCK_H
#define TANZO_BENCH_JOBCLOCK_H

// The clocks of a job's benchmark (Windows build): the wall, the job
// thread's CPU time and the heap's counts noted as each item starts, and
// the figures of a band of items. Include it in one source file of a
// program only (it counts the heap).

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "HeapCount.h"
#include "Targets.h"
#include "net/ProgressSink.h"

inline double ThreadSeconds()
{
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& ft)
    { return (double)(((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}

inline double WallSeconds()
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
        allocs.push_back(g_nHeapAllocs);
        allocBytes.push_back(g_nHeapAllocBytes);
        largeAllocs.push_back(g_nHeapLargeAllocs);
    }
    void SetStatus(LPCTSTR) override {}
    void SetSubStatus(LPCTSTR) override {}
    int ShowMessage(LPCTSTR lpszText, UINT) override
    {
        messages.push_back(lpszText != nullptr ? lpszText : "");
        return IDOK;
    }
    std::vector<double> wall, cpu;
    std::vector<size_t> allocs, allocBytes, largeAllocs;
    std::vector<std::string> messages;
};

// The band's figures; the job's own time per item is checked against
// ownTarget (ms) under the target's name.
inline void PrintBand(const char* name, const CItemClock& clock, int first, int last, bench::Targets& targets,
                      const char* target, double ownTarget)
{
    double wall = 0, cpu = 0;
    for (int i = first; i < last; ++i)
    {
        wall += clock.wall[i + 1] - clock.wall[i];
        cpu += clock.cpu[i + 1] - clock.cpu[i];
    }
    const int n = last - first;
    const double own = 1000 * cpu / n;
    const bool met = targets.Check(target, own < ownTarget);
    std::printf("  %-16s per item: %7.1f ms in all, %7.1f ms waiting for the service, %6.1f ms the job's own "
                "(target: under %.0f ms, %s)\n",
                name, 1000 * wall / n, 1000 * (wall - cpu) / n, own, ownTarget, met ? "met" : "missed");
    std::printf("  %-16s per item: %7.0f allocations, %7.0f KB allocated, %5.1f blocks of 64 KB and more\n",
                "", (double)(clock.allocs[last] - clock.allocs[first]) / n,
                (double)(clock.allocBytes[last] - clock.allocBytes[first]) / n / 1024,
                (double)(clock.largeAllocs[last] - clock.largeAllocs[first]) / n);
}

// The first and the last hundred items of a job of nItems, each checked
// against the target of the job's own time per item, and the last hundred
// against the first: the job's own time stays flat (within 2 ms) from the
// first items to the last.
inline void PrintBands(const char* job, const CItemClock& clock, int nItems, bench::Targets& targets,
                       double ownTarget)
{
    const int nBand = 100;
    char target[160];
    std::snprintf(target, sizeof(target), "%s: under %.0f ms the job's own per item", job, ownTarget);
    PrintBand("first hundred", clock, 0, nBand, targets, target, ownTarget);
    PrintBand("last hundred", clock, nItems - nBand, nItems, targets, target, ownTarget);
    auto own = [&](int first, int last)
    { return 1000 * (clock.cpu[last] - clock.cpu[first]) / (last - first); };
    const double growth = own(nItems - nBand, nItems) - own(0, nBand);
    std::snprintf(target, sizeof(target), "%s: flat from the first hundred items to the last", job);
    const bool met = targets.Check(target, growth < 2.0);
    std::printf(
        "  the last hundred's own time per item %+.1f ms from the first's (target: under +2 ms, %s)\n",
        growth, met ? "met" : "missed");
}

#endif // TANZO_BENCH_JOBCLOCK_H
