// The uninstaller's decisions: which recorded "Path" it follows (a changed
// value never makes it delete another file), and the one message of a run
// over each step's result, with the steps that a failure skips.
#include "install/UninstallRules.h"
#include "install/InstallResourceIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
TEST(UninstallRulesTest, RecordedPathIsFollowedOnlyToTheProgramInTheFolder)
{
    const struct
    {
        const char* path;
        const char* folder;
        BOOL bFollowed;
    } cases[] = {
        {"C:\\Program Files\\Velmar Soft\\Tanzo\\tanzo.exe", "C:\\Program Files\\Velmar Soft\\Tanzo", TRUE},
        {"c:\\program files\\velmar soft\\tanzo\\TANZO.EXE", "C:\\Program Files\\Velmar Soft\\Tanzo\\", TRUE},
        {"C:\\ソフト\\tanzo.exe", "C:\\ソフト", TRUE},
        // Another file, or the program's name in another folder.
        {"C:\\Windows\\explorer.exe", "C:\\Program Files\\Velmar Soft\\Tanzo", FALSE},
        {"C:\\Program Files\\Velmar Soft\\Tanzo\\tanzo-uninstall.exe",
         "C:\\Program Files\\Velmar Soft\\Tanzo", FALSE},
        {"C:\\Other\\tanzo.exe", "C:\\Program Files\\Velmar Soft\\Tanzo", FALSE},
        {"C:\\Program Files\\Velmar Soft\\Tanzo\\sub\\tanzo.exe", "C:\\Program Files\\Velmar Soft\\Tanzo",
         FALSE},
        {"C:\\Program Files\\Velmar Soft\\Tanzo\\..\\tanzo.exe", "C:\\Program Files\\Velmar Soft\\Tanzo",
         FALSE},
        // Without a folder, any full path to a file of the program's name.
        {"D:\\Tools\\tanzo.exe", "", TRUE},
        {"D:\\Tools\\tanzo.exe", nullptr, TRUE},
        {"D:\\Tools\\data.dat", "", FALSE},
        {"tanzo.exe", "", FALSE},
        {"", "C:\\Tanzo", FALSE},
        {"C:\\Tanzo\\", "C:\\Tanzo", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bFollowed, IsInstalledProgramPath(c.path, c.folder, "tanzo.exe"))
            << c.path << " / " << c.folder;
    // No program name: nothing is followed.
    EXPECT_FALSE(IsInstalledProgramPath("C:\\Tanzo\\tanzo.exe", "C:\\Tanzo", ""));
    EXPECT_FALSE(IsInstalledProgramPath("C:\\Tanzo\\tanzo.exe", "C:\\Tanzo", nullptr));
}

TEST(UninstallRulesTest, FirstFailureNamesTheRunAndSkipsWhatDependsOnIt)
{
    const int ok = 1, failed = 0;
    const struct
    {
        const char* name;
        int files, registry, startup, startMenu, desktop; // as the run would find them
        std::vector<int> run;                             // which steps ran
        UINT nMessage;
    } cases[] = {
        {"all done", ok, ok, ok, ok, ok, {1, 1, 1, 1, 1}, IDS_UNINSTALL_DONE},
        {"files", failed, ok, ok, ok, ok, {1, 0, 0, 0, 0}, IDS_UNINSTALL_FILES_FAILED},
        {"registry", ok, failed, ok, ok, ok, {1, 1, 0, 0, 0}, IDS_UNINSTALL_REGISTRY_FAILED},
        {"start-up", ok, ok, failed, ok, ok, {1, 1, 1, 1, 1}, IDS_UNINSTALL_STARTUP_FAILED},
        {"start menu replaces start-up",
         ok,
         ok,
         failed,
         failed,
         ok,
         {1, 1, 1, 1, 1},
         IDS_UNINSTALL_START_MENU_FAILED},
        {"start menu", ok, ok, ok, failed, failed, {1, 1, 1, 1, 1}, IDS_UNINSTALL_START_MENU_FAILED},
        {"desktop only alone", ok, ok, failed, ok, failed, {1, 1, 1, 1, 1}, IDS_UNINSTALL_STARTUP_FAILED},
        {"desktop", ok, ok, ok, ok, failed, {1, 1, 1, 1, 1}, IDS_UNINSTALL_DESKTOP_FAILED},
    };
    const UninstallStep steps[] = {uninstallFiles, uninstallRegistry, uninstallStartup, uninstallStartMenu,
                                   uninstallDesktop};
    for (const auto& c : cases)
    {
        const int results[] = {c.files, c.registry, c.startup, c.startMenu, c.desktop};
        CUninstallOutcome outcome;
        std::vector<int> run;
        for (int i = 0; i < 5; ++i)
        {
            const BOOL bRun = outcome.ShouldRun(steps[i]);
            run.push_back(bRun ? 1 : 0);
            if (bRun)
                outcome.Note(steps[i], results[i] == ok);
        }
        EXPECT_EQ(c.run, run) << c.name;
        EXPECT_EQ(c.nMessage, outcome.GetMessageId()) << c.name;
    }
}
} // namespace
