// What the embedded browser view decides without a browser: the bytes it
// posts, the address of a resource page, which navigation is the user's
// and what happens to a new window.
#include "controls/BrowserNavigation.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Bytes(const CByteArray& bytes)
{
    return std::string(reinterpret_cast<const char*>(bytes.GetData()), (size_t)bytes.GetSize());
}
} // namespace

TEST(BrowserNavigationTest, PostDataTakesTheGivenBytesOrTheWholeText)
{
    CByteArray bytes;
    MakePostData("a=1&b=2", 0, bytes);
    EXPECT_EQ(7, bytes.GetSize());
    EXPECT_EQ("a=1&b=2", Bytes(bytes));

    // A length counts bytes, NULs included.
    const char binary[] = {'x', '\0', 'y', 'z'};
    MakePostData(binary, 3, bytes);
    EXPECT_EQ(std::string("x\0y", 3), Bytes(bytes));

    MakePostData(nullptr, 5, bytes);
    EXPECT_EQ(0, bytes.GetSize());
    MakePostData("", 0, bytes);
    EXPECT_EQ(0, bytes.GetSize());
}

TEST(BrowserNavigationTest, ResourceAddressFromTheModulePath)
{
    CString url;
    ASSERT_TRUE(MakeResourceUrl("C:\\a b\\t.exe", 410, url));
    EXPECT_STREQ("res://C:\\a b\\t.exe/410", url);

    EXPECT_FALSE(MakeResourceUrl("", 410, url));
    EXPECT_TRUE(url.IsEmpty());
    EXPECT_FALSE(MakeResourceUrl(nullptr, 410, url));

    // MAX_PATH characters are the most a module path has.
    CString longest = "C:\\" + CString('a', HTML_MAX_MODULE_PATH - 3);
    EXPECT_TRUE(MakeResourceUrl(longest, 1, url));
    EXPECT_FALSE(MakeResourceUrl(longest + "b", 1, url));
}

TEST(BrowserNavigationTest, OnlyATopLevelNavigationSoonAfterTheInputIsTheUsers)
{
    struct Case
    {
        const char* name;
        BOOL bInput;
        DWORD dwInputTick;
        BOOL bTopLevel;
        const char* target;
        DWORD dwNow;
        BOOL bUser;
    } cases[] = {
        {"click then top-level", TRUE, 1000, TRUE, "", 1200, TRUE},
        {"no input", FALSE, 0, TRUE, "", 1200, FALSE},
        {"a frame's own navigation", TRUE, 1000, FALSE, "", 1200, FALSE},
        {"a named target frame", TRUE, 1000, TRUE, "main", 1200, FALSE},
        {"null target counts as none", TRUE, 1000, TRUE, nullptr, 1200, TRUE},
        {"too late", TRUE, 1000, TRUE, "", 1000 + HTMLNAV_USER_INPUT_WINDOW + 1, FALSE},
        {"just in time", TRUE, 1000, TRUE, "", 1000 + HTMLNAV_USER_INPUT_WINDOW, TRUE},
        {"across the tick wrap", TRUE, 0xFFFFFF00u, TRUE, "", 0x100, TRUE},
    };
    for (const Case& c : cases)
    {
        CUserInputTracker tracker;
        if (c.bInput)
            tracker.OnInput(c.dwInputTick);
        EXPECT_EQ(c.bUser, tracker.TakeNavigation(c.bTopLevel, c.target, c.dwNow)) << c.name;
    }
}

TEST(BrowserNavigationTest, OneInputMakesOneNavigationTheUsers)
{
    CUserInputTracker tracker;
    tracker.OnInput(500);
    // A frame loading first leaves the input for the page's own navigation.
    EXPECT_FALSE(tracker.TakeNavigation(FALSE, "", 510));
    EXPECT_TRUE(tracker.TakeNavigation(TRUE, "", 520));
    // The redirect that follows is the page's.
    EXPECT_FALSE(tracker.TakeNavigation(TRUE, "", 530));

    tracker.OnInput(600);
    tracker.Reset();
    EXPECT_FALSE(tracker.TakeNavigation(TRUE, "", 610));
}

TEST(BrowserNavigationTest, NewWindows)
{
    struct Case
    {
        BOOL bInPlace;
        const char* url;
        HtmlNewWindowAction action;
    } cases[] = {
        {TRUE, "about:blank", HTMLNEWWINDOW_USE_THIS},
        {TRUE, "ABOUT:BLANK", HTMLNEWWINDOW_USE_THIS},
        {TRUE, "https://example.jp/page", HTMLNEWWINDOW_NAVIGATE_HERE},
        {TRUE, "", HTMLNEWWINDOW_ALLOW},
        {TRUE, nullptr, HTMLNEWWINDOW_ALLOW},
        {FALSE, "https://example.jp/page", HTMLNEWWINDOW_ALLOW},
        {FALSE, "about:blank", HTMLNEWWINDOW_ALLOW},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.action, DecideNewWindow(c.bInPlace, c.url)) << (c.url != nullptr ? c.url : "(null)");
}
