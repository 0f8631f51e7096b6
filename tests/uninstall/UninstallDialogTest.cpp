// The uninstall dialog in this process: its look with the Japanese texts (a
// PNG in the build folder), and a removal's disabling of Yes, No and the
// system menu's Close item.
#ifdef _WIN32
#include "app/Screenshot.h"
#include "app/TestAppComm.h"
#include "setup/EnableStates.h"

#include "uninstall/UninstallDialog.h"

#include <gtest/gtest.h>

namespace
{
class UninstallDialogTest : public ::testing::Test
{
protected:
    UninstallDialogTest() : app("たんぞアンインストーラー")
    {
        app.m_strProfileName = "Tanzo3\\Uninstaller";
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
    }
    CTestAppComm app;
};

TEST_F(UninstallDialogTest, Screenshot)
{
    RUN_IN_SCREENSHOT_PROCESS();
    CUninstallDialog dlg;
    std::string missing;
    const ScreenshotResult shot = ShootModalDialog(dlg, "uninstall-dialog", missing);
    EXPECT_TRUE(shot.bSaved) << shot.path;
    EXPECT_GT(shot.nColours, 8) << "blank picture";
    EXPECT_EQ("", missing);
}

TEST_F(UninstallDialogTest, RemovalDisablesYesNoAndTheCloseItem)
{
    CUninstallDialog dlg;
    const EnableStates states = ReadEnableStates(dlg, {IDOK, IDCANCEL});
    EXPECT_EQ("", states.enabledWhenOff);
    EXPECT_EQ("", states.disabledWhenOn);
    EXPECT_NE(0u, states.nCloseWhenOff & MF_GRAYED);
    EXPECT_EQ(0u, states.nCloseWhenOn & (MF_GRAYED | MF_DISABLED));
}
} // namespace
#endif // _WIN32
