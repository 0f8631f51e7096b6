// The charset of a page named by its meta tag, for pages of 20 KB and
// 200 KB made of "<meta" with a single ">" at their end: time and heap
// taken stay flat when the search is linear and bounded.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "net/HttpRules.h"

#include "HeapCount.h"

namespace
{
using Clock = std::chrono::steady_clock;

void MetaPage(size_t bytes)
{
    std::string page;
    while (page.size() + 5 < bytes)
        page += "<meta";
    page += ">";
    double best = 1e9;
    size_t base = g_nHeapNow;
    g_nHeapPeak = g_nHeapNow;
    int charset = 0;
    for (int run = 0; run < 5; ++run)
    {
        auto start = Clock::now();
        charset = FindMetaCharset(page.data(), (int)page.size());
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::printf("page of %6zu bytes of \"<meta\": charset %d in %8.3f ms, at most %9zu bytes taken\n",
                page.size(), charset, best * 1e3, (g_nHeapPeak - base));
}
} // namespace

int main()
{
    MetaPage(20 * 1024);
    MetaPage(200 * 1024);
    return 0;
}
