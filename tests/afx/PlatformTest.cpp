// The platform the rest of the tests stand on: the code page of literals
// and of the system, and the string table read from the resource scripts.
#include "afx/StringTable.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Platform, LiteralsAreShiftJis)
{
    const unsigned char* s = (const unsigned char*)"表ソ";
    EXPECT_EQ(0x95, s[0]);
    EXPECT_EQ(0x5C, s[1]);
    EXPECT_EQ(0x83, s[2]);
    EXPECT_EQ(0x5C, s[3]);
}

#ifdef _WIN32
TEST(Platform, AnsiCodePageIs932)
{
    EXPECT_EQ(932u, ::GetACP());
}
#endif

TEST(Platform, StringTableComesFromTheResourceScripts)
{
    char buf[512];
    int n = AfxLoadString(550, buf, sizeof(buf));
    const char expected[] = "リダイレクトの回数が多すぎるため、ページへのアクセスができません。\r\n"
                            "リダイレクトループが含まれている可能性があります。";
    EXPECT_EQ((int)std::strlen(expected), n);
    EXPECT_STREQ(expected, buf);

    EXPECT_EQ(0, AfxLoadString(999999, buf, sizeof(buf)));
    EXPECT_STREQ("", buf);

    // A short buffer truncates, as LoadString does.
    char small[5];
    EXPECT_EQ(4, AfxLoadString(550, small, sizeof(small)));
    EXPECT_EQ(0, std::memcmp(small, expected, 4));
}
