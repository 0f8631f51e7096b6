// The main of the Windows test programs. The test programs run at once on
// one display: each runs on a desktop of its own, so that a window another
// one shows takes neither its foreground window nor its focus.
#include "app/TestDesktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

// GoogleTest's pattern rule: '*' any text, '?' one character.
bool MatchesPattern(const char* pattern, const char* text)
{
    if (*pattern == '\0')
        return *text == '\0';
    if (*pattern == '*')
        return MatchesPattern(pattern + 1, text) || (*text != '\0' && MatchesPattern(pattern, text + 1));
    if (*text == '\0' || (*pattern != '?' && *pattern != *text))
        return false;
    return MatchesPattern(pattern + 1, text + 1);
}

bool MatchesOneOf(const std::string& patterns, const std::string& name)
{
    size_t start = 0;
    while (start <= patterns.size())
    {
        size_t end = patterns.find(':', start);
        if (end == std::string::npos)
            end = patterns.size();
        if (MatchesPattern(patterns.substr(start, end - start).c_str(), name.c_str()))
            return true;
        start = end + 1;
    }
    return false;
}

// What --gtest_filter selects: the positive patterns ("*" when none) less
// the negative ones after '-'.
bool FilterSelects(const std::string& filter, const std::string& name)
{
    const size_t dash = filter.find('-');
    std::string positive = filter.substr(0, dash);
    if (positive.empty())
        positive = "*";
    const std::string negative = dash == std::string::npos ? std::string() : filter.substr(dash + 1);
    return MatchesOneOf(positive, name) && (negative.empty() || !MatchesOneOf(negative, name));
}

int EnvironmentNumber(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::atoi(value) : -1;
}

// TANZO_SUITE_SHARDS=n and TANZO_SUITE_SHARD=i give this run a share of
// the suites that the filter selects, whole: the cases of a suite share
// their fixture's profile key and files, so that two processes never run
// cases of one suite at once. Suites go, the largest first, to the share
// that holds the fewest cases.
void KeepSuitesOfShard()
{
    const int nShards = EnvironmentNumber("TANZO_SUITE_SHARDS");
    const int nShard = EnvironmentNumber("TANZO_SUITE_SHARD");
    if (nShards < 2 || nShard < 0 || nShard >= nShards)
        return;
    const std::string filter = ::testing::GTEST_FLAG(filter);
    const ::testing::UnitTest* pUnit = ::testing::UnitTest::GetInstance();
    std::vector<std::vector<std::string>> suites;
    for (int i = 0; i < pUnit->total_test_suite_count(); ++i)
    {
        const ::testing::TestSuite* pSuite = pUnit->GetTestSuite(i);
        std::vector<std::string> names;
        for (int j = 0; j < pSuite->total_test_count(); ++j)
        {
            const std::string name = std::string(pSuite->name()) + "." + pSuite->GetTestInfo(j)->name();
            if (FilterSelects(filter, name))
                names.push_back(name);
        }
        if (!names.empty())
            suites.push_back(names);
    }
    std::stable_sort(suites.begin(), suites.end(),
                     [](const std::vector<std::string>& a, const std::vector<std::string>& b)
                     { return a.size() > b.size(); });
    std::vector<size_t> counts((size_t)nShards, 0);
    std::string kept;
    for (const std::vector<std::string>& names : suites)
    {
        const size_t share = (size_t)(std::min_element(counts.begin(), counts.end()) - counts.begin());
        counts[share] += names.size();
        if (share != (size_t)nShard)
            continue;
        for (const std::string& name : names)
            kept += (kept.empty() ? "" : ":") + name;
    }
    // A share without suites runs nothing.
    ::testing::GTEST_FLAG(filter) = kept.empty() ? "-*" : kept;
}

} // namespace

int main(int argc, char** argv)
{
    if (!WasStartedOnNamedDesktop())
    {
        DWORD dwExitCode = 1;
        if (RunOnDesktopOfItsOwn(dwExitCode))
            return (int)dwExitCode;
        std::fprintf(stderr, "no desktop of its own could be made: the tests share the display's\n");
    }
    ::testing::InitGoogleTest(&argc, argv);
    // A copy that runs one test on the display's desktop runs that test.
    if (!IsTestCopy())
        KeepSuitesOfShard();
    return RUN_ALL_TESTS();
}
