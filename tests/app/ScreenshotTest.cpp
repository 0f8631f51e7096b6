// Screenshots of the message box (heading, link line, check box) and of a
// tabbed dialog, each shown in a virtual desktop of its own: the PNG files
// are written to the test program's folder ("screenshots"), they are not
// blank, and every character of their texts has a glyph in the font that
// shows it.
#ifdef _WIN32
#include "Screenshot.h"
#include "DialogTestUtil.h"
#include "TestAppComm.h"
#include "TestResources.h"

#include "afx/Profile.h"
#include "app/ChoiceMessageDialog.h"
#include "app/TabbedDialog.h"

#include <gtest/gtest.h>

namespace
{
const UINT kTabbedSettingsId = 61913;

class CShotPage : public CTabbedPage
{
public:
    explicit CShotPage(const char* title) : CTabbedPage(IDD_TEST_PAGE), m_strTitle(title) {}
    void GetTitle(CString& strTitle) override { strTitle = m_strTitle; }
    CString m_strTitle;
};

class CShotTabbedDialog : public CTabbedDialog
{
public:
    CShotTabbedDialog() : CTabbedDialog(IDD_TEST_TABBED, IDC_TEST_TABS, nullptr, 0, kTabbedSettingsId) {}
    void AddPages() override
    {
        for (const char* title : {"出品中", "落札者あり", "落札者なし", "落札分"})
            AddPage(new CShotPage(title));
    }
};

class ScreenshotTest : public ::testing::Test
{
protected:
    ScreenshotTest() : app("たんぞ")
    {
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
    }
    ~ScreenshotTest() override
    {
        AfxProfileDelete(app.GetProfileSectionKey(GetDialogProfileSection(kTabbedSettingsId)), nullptr);
    }
    CTestAppComm app;
};

TEST_F(ScreenshotTest, MessageBoxWithHeadingLinkAndCheckBox)
{
    RUN_IN_SCREENSHOT_PROCESS();
    CChoiceMessageDialog box("出品中の商品を再出品します。よろしいですか?\r\n"
                             "再出品の条件は前回の出品と同じです。");
    box.SetStyle(MB_YESNO | MB_ICONQUESTION);
    box.SetHeading("再出品の確認");
    box.SetUrl("https://auctions.example/help/resubmit.html", "再出品についてのヘルプ");
    box.SetDontShowAgain();
    box.RemoveOptions(CMessageBoxDialog::optionBeep);
    std::string missing;
    const ScreenshotResult shot = ShootModalDialog(box, "message-box", missing);
    EXPECT_TRUE(shot.bSaved) << shot.path;
    EXPECT_GT(shot.nWidth, 100);
    EXPECT_GT(shot.nColours, 8) << "blank picture";
    EXPECT_EQ("", missing);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES == ::GetFileAttributesA(shot.path.c_str()), FALSE) << shot.path;
}

TEST_F(ScreenshotTest, TabbedDialog)
{
    RUN_IN_SCREENSHOT_PROCESS();
    CShotTabbedDialog dlg;
    std::string missing;
    const ScreenshotResult shot = ShootModalDialog(dlg, "tabbed-dialog", missing);
    EXPECT_TRUE(shot.bSaved) << shot.path;
    EXPECT_GT(shot.nColours, 8) << "blank picture";
    EXPECT_EQ("", missing);
}
} // namespace
#endif // _WIN32
