// Which texts may go to the user's browser, and that nothing else reaches
// the shell.
#include "app/WebAddress.h"
#ifdef _WIN32
#include "app/ClipboardShell.h"
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const struct
{
    const char* text;
    BOOL web;
} kCases[] = {
    {"http://auctions.example.jp/jp/auction/x1", TRUE},
    {"https://auctions.example.jp/", TRUE},
    {"HTTP://AUCTIONS.EXAMPLE.JP/", TRUE},
    {"Https://127.0.0.1:4000/config/login?.done=x#top", TRUE},
    {"https://example.jp/検索?q=表示", TRUE},
    {"file:///C:/Windows/notepad.exe", FALSE},
    {"FILE://server/share/x.exe", FALSE},
    {"\\\\host\\share\\x.exe", FALSE},
    {"C:\\Windows\\notepad.exe", FALSE},
    {"javascript:alert(1)", FALSE},
    {"mailto:someone@example.jp", FALSE},
    {"res://tanzo.exe/1", FALSE},
    {"ftp://ftp.example.jp/", FALSE},
    {"ms-settings:", FALSE},
    {"", FALSE},
    {" http://example.jp/", FALSE},
    {"\thttps://example.jp/", FALSE},
    {"http:example.jp", FALSE},
    {"http:/example.jp", FALSE},
    {"http://", FALSE},
    {"https:///C:/x", FALSE},
    {"http:\\\\host\\share", FALSE},
    {"http://\\\\host\\share", FALSE},
    // The shell's command line would end the address or split it here.
    {"http://example.jp/\" --load-extension=x", FALSE},
    {"http://example.jp/a b", FALSE},
    {"http://example.jp/\r\nx", FALSE},
    {"httpx://example.jp/", FALSE},
};
} // namespace

TEST(WebAddress, OnlyHttpAndHttpsAddresses)
{
    for (const auto& c : kCases)
        EXPECT_EQ(c.web, IsWebAddress(c.text)) << c.text;
    EXPECT_FALSE(IsWebAddress(nullptr));
}

#ifdef _WIN32
namespace
{
std::vector<std::string> g_opened;

INT_PTR RecordOpen(LPCTSTR lpszTarget, HWND)
{
    g_opened.push_back(lpszTarget);
    return 33;
}
} // namespace

TEST(WebAddress, OnlyWebAddressesReachTheShell)
{
    g_opened.clear();
    SHELL_OPEN_HOOK pfnOld = SetShellOpenHook(RecordOpen);
    std::vector<std::string> expected;
    for (const auto& c : kCases)
    {
        EXPECT_EQ(c.web, OpenInBrowser(c.text, nullptr)) << c.text;
        if (c.web)
            expected.push_back(c.text);
    }
    EXPECT_FALSE(OpenInBrowser(nullptr, nullptr));
    SetShellOpenHook(pfnOld);
    EXPECT_EQ(expected, g_opened);
}
#endif
