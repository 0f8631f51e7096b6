// The install dialog in this process: its look with the Japanese texts (a
// PNG in the build folder), and an install's disabling of the controls
// and of the system menu's Close item.
#ifdef _WIN32
#include "EnableStates.h"
#include "app/Screenshot.h"
#include "app/TestAppComm.h"

#include "app/DialogResourceIds.h"
#include "setup/InstallDialog.h"
#include "setup/SetupResourceIds.h"

#include <gtest/gtest.h>

namespace
{
class InstallDialogTest : public ::testing::Test
{
protected:
    InstallDialogTest() : app("たんぞインストーラー")
    {
        app.m_strProfileName = "Tanzo3\\Installer";
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
    }
    CTestAppComm app;
};

TEST_F(InstallDialogTest, Screenshot)
{
    RUN_IN_SCREENSHOT_PROCESS();
    CInstallDialog dlg;
    std::string missing;
    const ScreenshotResult shot = ShootModalDialog(dlg, "install-dialog", missing);
    EXPECT_TRUE(shot.bSaved) << shot.path;
    EXPECT_GT(shot.nColours, 8) << "blank picture";
    EXPECT_EQ("", missing);
}

TEST_F(InstallDialogTest, InstallDisablesTheControlsAndTheCloseItem)
{
    CInstallDialog dlg;
    const EnableStates states = ReadEnableStates(
        dlg, {IDCANCEL, IDC_DIALOG_HELP, IDC_INSTALL_RUN, IDC_INSTALL_BROWSE, IDC_INSTALL_GROUP,
              IDC_INSTALL_DESKTOP, IDC_INSTALL_START_MENU, IDC_INSTALL_FOLDER});
    EXPECT_EQ("", states.enabledWhenOff);
    EXPECT_EQ("", states.disabledWhenOn);
    EXPECT_NE(0u, states.nCloseWhenOff & MF_GRAYED);
    EXPECT_EQ(0u, states.nCloseWhenOn & (MF_GRAYED | MF_DISABLED));
}
} // namespace
#endif // _WIN32
