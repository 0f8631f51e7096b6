// The listener's defaults: every navigation passes, nothing is blocked,
// and a time-out is told to the user with the program's text.
#include "controls/HtmlViewEvents.h"

#include "afx/MessageBox.h"
#include "afx/StringTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
int RecordBox(LPCTSTR lpszText, UINT nType, void* pParam)
{
    static_cast<std::vector<CString>*>(pParam)->push_back(lpszText);
    return AfxDefaultMessageBoxAnswer(nType);
}
} // namespace

TEST(HtmlViewEventsTest, DefaultsLetEverythingPassAndReportTheTimeout)
{
    CHtmlViewEvents events;
    CByteArray post;
    BOOL bCancel = FALSE;
    EXPECT_FALSE(events.OnBeforeNavigate2("https://x/", 0, "", post, "", &bCancel));
    EXPECT_FALSE(bCancel);
    EXPECT_FALSE(events.IsContextMenuBlocked());

    std::vector<CString> boxes;
    AFX_MESSAGEBOX_HOOK pfnOld = AfxSetMessageBoxHook(RecordBox, &boxes);
    events.OnDownloadTimeout();
    AfxSetMessageBoxHook(pfnOld);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("ダウンロード処理がタイムアウトしました。", boxes[0]);
}
