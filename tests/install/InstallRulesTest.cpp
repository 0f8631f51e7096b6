// The installer's decisions over what the user chose: the install folder as
// typed (two-byte characters whose second byte is a backslash or '|'
// included), the default folder, the stored shortcut choice and the
// command that removes the installation.
#include "install/InstallRules.h"
#include "install/InstallResourceIds.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(InstallRulesTest, RequestIsCheckedInOrder)
{
    const struct
    {
        BOOL bStartMenu, bDesktop;
        const char* typed;
        UINT nMessage;
        const char* folder; // when accepted
    } cases[] = {
        // No shortcut kind comes first, even before an empty folder.
        {FALSE, FALSE, "", IDS_INSTALL_NO_SHORTCUT_KIND, nullptr},
        {FALSE, FALSE, "C:\\Tanzo", IDS_INSTALL_NO_SHORTCUT_KIND, nullptr},
        {TRUE, FALSE, "", IDS_INSTALL_FOLDER_EMPTY, nullptr},
        {FALSE, TRUE, "C:\\Program Files\\Velmar Soft\\Tanzo", 0, "C:\\Program Files\\Velmar Soft\\Tanzo"},
        {TRUE, TRUE, "C:\\Tanzo\\", 0, "C:\\Tanzo"},
        {TRUE, TRUE, "C:", 0, "C:"},
        {TRUE, TRUE, "D:\\", 0, "D:"},
        {TRUE, TRUE, "\\\\server\\share\\Tanzo", 0, "\\\\server\\share\\Tanzo"},
        {TRUE, TRUE, "\\\\server\\share", 0, "\\\\server\\share"},
        // The drive part.
        {TRUE, TRUE, "Program Files\\x", IDS_INSTALL_FOLDER_BAD_DRIVE, nullptr},
        {TRUE, TRUE, "\\Tanzo", IDS_INSTALL_FOLDER_BAD_DRIVE, nullptr},
        {TRUE, TRUE, "C:Tanzo", IDS_INSTALL_FOLDER_BAD_DRIVE, nullptr},
        {TRUE, TRUE, "CD:\\Tanzo", IDS_INSTALL_FOLDER_BAD_DRIVE, nullptr},
        {TRUE, TRUE, "\\", IDS_INSTALL_FOLDER_BAD_DRIVE, nullptr},
        // Empty names and forbidden characters.
        {TRUE, TRUE, "C:\\a\\\\b", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "C:\\a:b", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "C:\\a/b", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "C:\\a\"b", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "C:\\a?b", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "C:\\a*b", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "C:\\a<b", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "C:\\a>b\\c", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "C:\\Tanzo\\a|b", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        {TRUE, TRUE, "\\\\server\\share\\a*", IDS_INSTALL_FOLDER_BAD_CHARACTER, nullptr},
        // "ソ" and "表" end in the byte of '\', "ポ" in that of '|'.
        {TRUE, TRUE, "C:\\ソフト\\Tanzo", 0, "C:\\ソフト\\Tanzo"},
        {TRUE, TRUE, "C:\\ソ", 0, "C:\\ソ"},
        {TRUE, TRUE, "C:\\表\\", 0, "C:\\表"},
        {TRUE, TRUE, "C:\\ポート", 0, "C:\\ポート"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        CString strFolder;
        EXPECT_EQ(c.nMessage, CheckInstallRequest(c.bStartMenu, c.bDesktop, c.typed, strFolder));
        if (c.folder != nullptr)
        {
            EXPECT_EQ(std::string(c.folder), std::string(strFolder));
        }
    }
}

TEST(InstallRulesTest, DefaultFolderIsTheStoredOneElseUnderProgramFiles)
{
    const struct
    {
        const char* stored;
        const char* programFiles;
        BOOL bKnown;
        const char* folder;
    } cases[] = {
        {"", "C:\\Program Files", TRUE, "C:\\Program Files\\Velmar Soft\\Tanzo"},
        {nullptr, "C:\\Program Files (x86)\\", TRUE, "C:\\Program Files (x86)\\Velmar Soft\\Tanzo"},
        {"D:\\アプリ\\たんぞ", "C:\\Program Files", TRUE, "D:\\アプリ\\たんぞ"},
        {"D:\\Tanzo", "", TRUE, "D:\\Tanzo"},
        {"", "", FALSE, ""},
        {nullptr, nullptr, FALSE, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.folder);
        CString strFolder = "before";
        EXPECT_EQ(c.bKnown, DefaultInstallFolder(c.stored, c.programFiles, "Tanzo", strFolder));
        EXPECT_EQ(std::string(c.folder), std::string(strFolder));
    }
}

TEST(InstallRulesTest, StoredShortcutChoiceFollowsTheBoxes)
{
    const struct
    {
        BOOL bStartMenu, bDesktop;
        int nValue;
    } cases[] = {
        {TRUE, TRUE, 3},
        {TRUE, FALSE, 1},
        {FALSE, TRUE, 2},
        {FALSE, FALSE, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nValue);
        EXPECT_EQ(c.nValue, ShortcutChoicesToValue(c.bStartMenu, c.bDesktop));
        BOOL bStartMenu = !c.bStartMenu, bDesktop = !c.bDesktop;
        ShortcutChoicesFromValue(c.nValue, bStartMenu, bDesktop);
        EXPECT_EQ(c.bStartMenu, bStartMenu);
        EXPECT_EQ(c.bDesktop, bDesktop);
    }
    // Other bits are not choices.
    BOOL bStartMenu = TRUE, bDesktop = TRUE;
    ShortcutChoicesFromValue(4, bStartMenu, bDesktop);
    EXPECT_FALSE(bStartMenu);
    EXPECT_FALSE(bDesktop);
    ShortcutChoicesFromValue(-1, bStartMenu, bDesktop);
    EXPECT_TRUE(bStartMenu);
    EXPECT_TRUE(bDesktop);
}

TEST(InstallRulesTest, UninstallCommandIsQuoted)
{
    const struct
    {
        const char* folder;
        const char* name;
        const char* command;
    } cases[] = {
        {"C:\\Program Files\\Velmar Soft\\Tanzo", "tanzo-uninstall.exe",
         "\"C:\\Program Files\\Velmar Soft\\Tanzo\\tanzo-uninstall.exe\""},
        {"C:\\ソ", "tanzo-uninstall.exe", "\"C:\\ソ\\tanzo-uninstall.exe\""},
        {"C:\\Tanzo\\", "tanzo-uninstall.exe", "\"C:\\Tanzo\\tanzo-uninstall.exe\""},
        {"C:\\Tanzo", "", ""},
        {"C:\\Tanzo", nullptr, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(std::string(c.command), std::string(MakeUninstallCommand(c.folder, c.name)));
    }
}
} // namespace
