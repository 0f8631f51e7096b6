// The clipboard's text, through the real clipboard.
#ifdef _WIN32
#include "WinTestUtil.h"

#include "app/ClipboardShell.h"

#include <gtest/gtest.h>

TEST(ClipboardShell, TextGoesOnTheClipboardAndComesBack)
{
    CClipboardTestLock lock;
    EXPECT_FALSE(SetClipboardText("", nullptr, FALSE, FALSE));
    EXPECT_FALSE(SetClipboardText(nullptr, nullptr, FALSE, FALSE));
    ASSERT_TRUE(SetClipboardText("表示ソフト", nullptr, FALSE, FALSE));
    CString text;
    ASSERT_TRUE(GetClipboardText(text, nullptr, FALSE));
    EXPECT_STREQ("表示ソフト", text);
}
#endif
