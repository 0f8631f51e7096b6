// Saving and loading the user's records of 10,000 items through their data
// file on disk, as the document does: the whole file written to a
// temporary file that is then moved over the old one, and read back into
// the map by auction ID. Target: under 50 ms each.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "client/DataFileSystem.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoDocData.h"

#include "BenchDocData.h"
#include "Targets.h"

#include <unistd.h>

namespace
{
using Clock = std::chrono::steady_clock;

const int kRecords = 10000;
const int kRuns = 7;

// A record as a user leaves them: a memo, a mark, and for every tenth item
// its three winners with their flags.
TanzoAuctionItemUserEdit MakeRecord(int i)
{
    TanzoAuctionItem item;
    char id[32];
    std::snprintf(id, sizeof id, "x%09d", 100000000 + i * 7919);
    item.SetAuctionID(id);
    item.SetMemo("発送済み・評価待ち");
    item.GetUserState().SetMark(256 * (1 + i % 11));
    item.GetUserState().AddFlags(i % 4);
    if (i % 10 == 0)
    {
        item.AddBuyerValues("winner_one", 1200, 1, 0);
        item.AddBuyerValues("winner_two", 1100, 1, 0);
        item.AddBuyerValues("winner_three", 1000, 1, 0);
    }
    return TanzoAuctionItemUserEdit(item);
}

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main()
{
    char folder[] = "/tmp/tanzo-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr)
    {
        std::perror("mkdtemp");
        return 1;
    }
    std::vector<TanzoAuctionItemUserEdit> records;
    for (int i = 0; i < kRecords; ++i)
        records.push_back(MakeRecord(i));

    std::vector<double> saves, loads;
    int loaded = 0;
    for (int run = 0; run < kRuns; ++run)
    {
        {
            CBenchDocData doc(folder, "bench_user");
            for (const TanzoAuctionItemUserEdit& record : records)
                doc.StoreUserEdit(record);
            const Clock::time_point start = Clock::now();
            if (!doc.TransferDataSet(dataSetUserEdits, TRUE))
            {
                std::fprintf(stderr, "the save failed\n");
                return 1;
            }
            saves.push_back(Milliseconds(Clock::now() - start));
        }
        CBenchDocData doc(folder, "bench_user");
        const Clock::time_point start = Clock::now();
        doc.EnsureDataSetLoaded(dataSetUserEdits);
        loads.push_back(Milliseconds(Clock::now() - start));
        loaded = doc.GetUserEditCount();
    }
    GetDiskFileSystem().RemoveFolderTree(folder);
    if (loaded != kRecords)
    {
        std::fprintf(stderr, "loaded %d of %d records\n", loaded, kRecords);
        return 1;
    }
    std::printf("user-edit data file, %d records (median of %d runs; target under 50 ms each)\n", kRecords,
                kRuns);
    bench::Targets targets;
    const double save = Median(saves), load = Median(loads);
    std::printf("  save (temporary file and rename)  %8.2f ms (target < 50: %s)\n", save,
                targets.Check("saving the data file under 50 ms", save < 50) ? "met" : "missed");
    std::printf("  load                              %8.2f ms (target < 50: %s)\n", load,
                targets.Check("loading the data file under 50 ms", load < 50) ? "met" : "missed");
    std::printf("\n");
    targets.Print();
    return 0;
}
