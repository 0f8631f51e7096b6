#ifndef TANZO_BENCH_JOBCLOCK_H
#define TANZO_BENCH_JOBCLOCK_H

// The clocks of a job's benchmark (Windows build): the wall and the job
// thread's CPU time noted as each item starts, and the figures of a band
// of items.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

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

inline void PrintBand(const char* name, const CItemClock& clock, int first, int last)
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

#endif // TANZO_BENCH_JOBCLOCK_H
