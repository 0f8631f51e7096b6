#include "text/SystemInfo.h"

#include <gtest/gtest.h>

TEST(SystemInfo, OsNames)
{
    struct Case
    {
        DWORD platform, major, minor;
        BOOL friendly;
        const char* name;
    } cases[] = {
        {2, 6, 1, FALSE, "Windows NT 6.1"}, {2, 6, 1, TRUE, "Windows 7"},
        {2, 6, 2, FALSE, "Windows NT 6.2"}, {2, 6, 2, TRUE, "Windows NT 6.2"},
        {2, 5, 1, TRUE, "Windows XP"},      {2, 5, 2, TRUE, "Windows Server 2003"},
        {1, 4, 10, TRUE, "Windows 98"},     {1, 4, 10, FALSE, "Windows 4.10"},
        {1, 4, 90, TRUE, "Windows Me"},     {1, 4, 3, TRUE, "Windows 4.3"},
        {0, 3, 11, TRUE, "Windows 3.11"},   {9, 1, 0, FALSE, "Windows"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.name, OsNameFromVersion(c.platform, c.major, c.minor, c.friendly))
            << c.platform << " " << c.major << "." << c.minor;
}

TEST(SystemInfo, VersionText)
{
    struct Case
    {
        DWORD ms, ls;
        const char* text;
    } cases[] = {
        {0x00030001, 0x00000000, "3.1"}, {0x00030002, 0x00050000, "3.25"}, {0x0003000A, 0x00000000, "3.a"},
        {0x00030000, 0x00000000, "3.0"}, {0x00030001, 0x00040000, "3.14"}, {0x00010002, 0x00030004, "1.234"},
        {0x00100000, 0x00000000, "10."}, {0x00030010, 0x00000000, "3.1"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, VersionTextFromWords(c.ms, c.ls)) << std::hex << c.ms << " " << c.ls;
}

#ifdef _WIN32
TEST(SystemInfo, RunningSystem)
{
    CString name;
    ASSERT_TRUE(GetOsName(name, FALSE));
    EXPECT_EQ(0, name.Find("Windows"));
    CString path;
    ASSERT_TRUE(GetModulePath(path));
    EXPECT_GT(path.Find(".exe"), 0);
    // Test programs carry no version resource.
    CString version = "stale";
    GetOwnVersionText(version);
    EXPECT_TRUE(version.IsEmpty());
}
#endif
