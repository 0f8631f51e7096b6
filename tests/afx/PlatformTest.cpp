// The platform the rest of the tests stand on: the code page of literals
// and of the system, Japanese text through a window and the registry, and
// the string table read from the resource scripts.
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
    EXPECT_EQ(932u, ::GetACP()) << "LANG and LC_ALL must be ja_JP.UTF-8";
}

TEST(Platform, JapaneseTextRoundTripsThroughAWindowAndTheRegistry)
{
    const char kJapanese[] = "表示ソフト：ｶﾀｶﾅと漢字";
    HWND hWnd = ::CreateWindowExA(0, "STATIC", kJapanese, WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hWnd);
    char title[64] = {};
    ::GetWindowTextA(hWnd, title, sizeof(title));
    EXPECT_STREQ(kJapanese, title);
    ::DestroyWindow(hWnd);

    const char* path = "Software\\Velmar Soft\\TanzoPlatformTest";
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS,
                                               nullptr, &hKey, nullptr));
    EXPECT_EQ(ERROR_SUCCESS,
              ::RegSetValueExA(hKey, "v", 0, REG_SZ, (const BYTE*)kJapanese, (DWORD)sizeof(kJapanese)));
    char value[64] = {};
    DWORD dwType = 0, cb = sizeof(value);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "v", nullptr, &dwType, (BYTE*)value, &cb));
    ::RegCloseKey(hKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, path);
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_STREQ(kJapanese, value);
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
