// Which of two program versions is newer (the words in the order that
// decides), and which Windows versions are refused or warned about.
#include "install/VersionRules.h"

#include <gtest/gtest.h>

namespace
{
// a.b.c.d as the two words of a version.
DWORD Ms(int a, int b)
{
    return (DWORD)((a << 16) | b);
}
DWORD Ls(int c, int d)
{
    return (DWORD)((c << 16) | d);
}

TEST(VersionRulesTest, NewerOlderEqualOrMissing)
{
    const VS_FIXEDFILEINFO carried = MakeVersionBlock(Ms(3, 1), Ls(4, 0), Ms(3, 1), Ls(4, 0));
    const struct
    {
        const char* name;
        VS_FIXEDFILEINFO a, b;
        int nResult;
    } cases[] = {
        {"3.1.4.0 against 3.1.3.9", carried, MakeVersionBlock(Ms(3, 1), Ls(3, 9), Ms(3, 1), Ls(3, 9)),
         versionFirstNewer},
        {"3.1.3.9 against 3.1.4.0", MakeVersionBlock(Ms(3, 1), Ls(3, 9), Ms(3, 1), Ls(3, 9)), carried,
         versionFirstOlder},
        {"3.2.0.0 against 3.1.4.0", MakeVersionBlock(Ms(3, 2), 0, Ms(3, 2), 0), carried, versionFirstNewer},
        {"equal", carried, carried, versionEqual},
        // The file version's first word decides before the product's.
        {"file first", MakeVersionBlock(Ms(3, 0), 0, Ms(4, 0), 0), MakeVersionBlock(Ms(3, 1), 0, Ms(3, 1), 0),
         versionFirstOlder},
        // The product version's first word before the file version's second.
        {"product before build", MakeVersionBlock(Ms(3, 1), Ls(9, 0), Ms(3, 0), 0),
         MakeVersionBlock(Ms(3, 1), 0, Ms(3, 1), 0), versionFirstOlder},
        {"file build before product build", MakeVersionBlock(Ms(3, 1), Ls(4, 0), Ms(3, 1), 0),
         MakeVersionBlock(Ms(3, 1), Ls(3, 0), Ms(3, 1), Ls(9, 0)), versionFirstNewer},
        {"product build last", MakeVersionBlock(Ms(3, 1), Ls(4, 0), Ms(3, 1), Ls(4, 1)), carried,
         versionFirstNewer},
        {"unsigned words", MakeVersionBlock(0x80000000u, 0, 0, 0), MakeVersionBlock(1, 0, 0, 0),
         versionFirstNewer},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.nResult, CompareFileVersions(&c.a, &c.b));
    }
    EXPECT_EQ(versionMissing, CompareFileVersions(nullptr, &carried));
    EXPECT_EQ(versionMissing, CompareFileVersions(&carried, nullptr));
    EXPECT_EQ(versionMissing, CompareFileVersions(nullptr, nullptr));
}

TEST(VersionRulesTest, OnlyTheFourVersionWordsAreFilled)
{
    const VS_FIXEDFILEINFO block = MakeVersionBlock(1, 2, 3, 4);
    const DWORD* words = reinterpret_cast<const DWORD*>(&block);
    const DWORD expected[13] = {0, 0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(52u, sizeof(block));
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(expected[i], words[i]) << "word " << i;
}

TEST(VersionRulesTest, WindowsVersionsRefusedOrWarnedAbout)
{
    const struct
    {
        const char* name;
        DWORD platformId, major, minor;
        BOOL bOlderThan7, bUnsupported;
    } cases[] = {
        {"Win32s", 0, 3, 10, TRUE, TRUE},
        {"Windows 95", 1, 4, 0, TRUE, TRUE},
        {"Windows Me", 1, 4, 90, TRUE, TRUE},
        {"Windows NT 3.51", 2, 3, 51, TRUE, TRUE},
        {"Windows NT 4.0", 2, 4, 0, TRUE, FALSE},
        {"Windows XP", 2, 5, 1, TRUE, FALSE},
        {"Windows Vista", 2, 6, 0, TRUE, FALSE},
        {"Windows 7", 2, 6, 1, FALSE, FALSE},
        {"Windows 8", 2, 6, 2, FALSE, FALSE},
        {"Windows 10", 2, 10, 0, FALSE, FALSE},
        {"another platform", 3, 5, 0, FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bOlderThan7, IsOlderThanWindows7Version(c.platformId, c.major, c.minor));
        EXPECT_EQ(c.bUnsupported, IsUnsupportedWindowsVersion(c.platformId, c.major, c.minor));
    }
}
} // namespace
