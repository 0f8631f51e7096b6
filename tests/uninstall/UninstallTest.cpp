// The uninstaller driven as a user would, in a Wine prefix of its own: the
// install and uninstall round trip compared by snapshots of the drive and
// the registry, and the runs that stop, keep the user's data, meet files
// held open or find the record changed by hand.
#ifdef _WIN32
#include "Snapshot.h"
#include "install/InstallTestUtil.h"
#include "setup/ProgramDriver.h"

#include "afx/LoadText.h"
#include "afx/RegKey.h"
#include "afx/afxres.h"
#include "app/ChildProcess.h"
#include "install/InstallResourceIds.h"
#include "install/InstallRules.h"
#include "install/InstallationRecord.h"
#include "install/ShortcutFile.h"
#include "install/SystemFolders.h"
#include "setup/SetupResourceIds.h"
#include "text/PathUtil.h"
#include "uninstall/UninstallResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace
{
const char kMakerKey[] = "Software\\Velmar Soft";
const char kProductKey[] = "Software\\Velmar Soft\\Tanzo3";
const char kInstallationKey[] = "Software\\Velmar Soft\\Tanzo3\\Installation";
const char kToggleKey[] = "Software\\Velmar Soft\\Tanzo3\\Uninstaller\\Dialog\\129";
const char kEntryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tanzo";
const char kClientClass[] = "VelmarsoftTanzoClass";
const char* const kSettingsSubkeys[] = {"Default", "Settings",         "WindowState", "Dialog",
                                        "Bar",     "Recent File List", "Installer"};
const char* const kProductKeys[] = {"Software\\Velmar Soft\\Tanzo", "Software\\Velmar Soft\\Tanzo2",
                                    "Software\\Velmar Soft\\Tanzo3"};

const std::vector<UINT> kMessages = {IDS_UNINSTALL_FILES_FAILED,
                                     IDS_UNINSTALL_REGISTRY_FAILED,
                                     IDS_UNINSTALL_START_MENU_FAILED,
                                     IDS_UNINSTALL_DESKTOP_FAILED,
                                     IDS_UNINSTALL_DONE,
                                     IDS_UNINSTALL_STARTUP_FAILED,
                                     IDS_UNINSTALL_CLIENT_RUNNING};

// The application base's message when the running copy shows no window.
const UINT kRunningCopyNotFound = 626;

// A text of another program of the build, from its own string table.
CString ProgramText(LPCTSTR lpszUnixPath, UINT nID)
{
    char szText[1024] = {};
    HMODULE hModule = ::LoadLibraryExA(WindowsPathOf(lpszUnixPath), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule != nullptr)
    {
        ::LoadStringA(hModule, nID, szText, sizeof(szText));
        ::FreeLibrary(hModule);
    }
    return szText;
}

// What Wine itself writes while programs run, whatever they do.
bool IsWinesOwn(const std::string& entry)
{
    static const char* const prefixes[] = {
        // Its record of the shell folders, written again on each query.
        "reg:HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\",
        "reg:HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\",
        // Its own settings and caches.
        "reg:HKCU\\Software\\Wine",
        "reg:HKLM\\Software\\Wine",
        // The internet layer's proxy setting, made for any program that
        // goes online (the client's first refresh does).
        "reg:HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
    };
    for (const char* prefix : prefixes)
    {
        if (entry.compare(0, strlen(prefix), prefix) == 0)
            return true;
    }
    // And its cookie store in the user's profile.
    return entry.compare(0, 5, "file:") == 0 &&
           entry.find("\\AppData\\Local\\Microsoft\\Windows\\INetCookies") != std::string::npos;
}

class UninstallTest : public ::testing::Test
{
protected:
    UninstallTest() : m_record(kProductKey, "Tanzo", LoadText(IDS_PRODUCT_DISPLAY_NAME)) {}

    void SetUp() override
    {
        // Wine makes some special folders on their first query: before any
        // snapshot.
        CString strFolder;
        ASSERT_TRUE(GetProgramFilesFolder(m_strProgramFiles));
        GetDesktopFolder(strFolder);
        GetUserProgramsFolder(strFolder);
        GetCommonProgramsFolder(strFolder);
        GetStartupFolder(strFolder);
        GetStartMenuFolder(FALSE, strFolder);
        GetStartMenuFolder(TRUE, strFolder);
        ASSERT_TRUE(GetSpecialFolder(CSIDL_APPDATA, m_strAppData));
        ASSERT_TRUE(GetTempFolder(m_strTemp, FALSE));

        JoinPath(m_strMakerFolder, m_strProgramFiles, "Velmar Soft");
        JoinPath(m_strDir, m_strMakerFolder, "Tanzo");
        JoinPath(m_strClient, m_strDir, "tanzo.exe");
        JoinPath(m_strUninstaller, m_strDir, "tanzo-uninstall.exe");
        JoinPath(m_strAppMaker, m_strAppData, "Velmar Soft");
        JoinPath(m_strAppFolder, m_strAppMaker, "Tanzo");
        JoinPath(m_strUserData, m_strAppFolder, "UserData");
        JoinPath(m_strTempLeftovers, m_strTemp, "Tanzo");
        JoinPath(m_strElsewhere, m_strTemp, "UninstallTestElsewhere");
        CString strGroup;
        ASSERT_TRUE(m_record.GetStartMenuShortcutPath(FALSE, strGroup, m_strUserLink));
        ASSERT_TRUE(m_record.GetStartMenuShortcutPath(TRUE, strGroup, m_strCommonLink));
        ASSERT_TRUE(m_record.GetDesktopShortcutPath(m_strDesktopLink));
        ASSERT_TRUE(m_record.GetStartupShortcutPath(m_strStartupLink));
        m_strTitle = LoadText(AFX_IDS_APP_TITLE);
        Clean();
    }
    void TearDown() override { Clean(); }

    void Clean()
    {
        RemoveTree(m_strMakerFolder);
        RemoveTree(m_strAppMaker);
        RemoveTree(m_strTempLeftovers);
        RemoveTree(m_strElsewhere);
        CRegKey::DeleteTree(HKEY_CURRENT_USER, kMakerKey);
        CRegKey::DeleteTree(HKEY_LOCAL_MACHINE, kEntryKey);
        m_record.RemoveStartMenuShortcut(FALSE);
        m_record.RemoveStartMenuShortcut(TRUE);
        m_record.RemoveDesktopShortcut();
        m_record.RemoveStartupShortcut();
    }

    // An installation as the installer leaves it, with settings of all
    // three product generations, shortcuts everywhere, user data and
    // leftovers.
    void SeedInstallation()
    {
        ASSERT_TRUE(CreateFolderTree(m_strDir));
        ASSERT_TRUE(::CopyFileA(WindowsPathOf(TANZO_CLIENT_EXE), m_strClient, FALSE));
        ASSERT_TRUE(::CopyFileA(WindowsPathOf(TANZO_UNINSTALL_EXE), m_strUninstaller, FALSE));
        ASSERT_TRUE(
            m_record.Register(m_strDir, m_strClient, MakeUninstallCommand(m_strDir, "tanzo-uninstall.exe")));
        ASSERT_TRUE(m_record.CreateStartMenuShortcut(m_strClient, FALSE));
        ASSERT_TRUE(m_record.CreateDesktopShortcut(m_strClient));
        SeedUserState();
    }
    // What the user's use leaves beside the installation.
    void SeedUserState()
    {
        for (const char* product : kProductKeys)
        {
            for (const char* subkey : kSettingsSubkeys)
                WriteRegistryString(HKEY_CURRENT_USER, CString(product) + "\\" + subkey, "Value", "x");
            WriteRegistryString(HKEY_CURRENT_USER, CString(product) + "\\Extra", "Value", "kept");
        }
        ASSERT_TRUE(m_record.CreateStartMenuShortcut(m_strClient, TRUE));
        ASSERT_TRUE(CreateShortcutFile(m_strStartupLink, m_record.GetDisplayName(), m_strClient, nullptr));
        CString strSub;
        JoinPath(strSub, m_strUserData, "テンプレート");
        ASSERT_TRUE(CreateFolderTree(strSub));
        ASSERT_TRUE(WriteFileBytes(m_strUserData + "\\accounts.dat", "accounts"));
        ASSERT_TRUE(WriteFileBytes(strSub + "\\template.txt", "template"));
        ASSERT_TRUE(CreateFolderTree(m_strTempLeftovers));
        ASSERT_TRUE(WriteFileBytes(m_strTempLeftovers + "\\work.tmp", "work"));
    }

    // Runs the uninstaller at that path, ticks the box as asked and
    // presses Yes; the messages shown. The program has ended.
    std::vector<UINT> Uninstall(LPCTSTR lpszProgram, BOOL bUserData, const char* arguments = nullptr)
    {
        CProgramDriver driver(lpszProgram, m_strTitle, arguments);
        if (driver.WaitForDialog() == nullptr)
            return {9999};
        driver.SetCheck(IDC_UNINSTALL_USER_DATA, bUserData);
        std::vector<UINT> shown = driver.Click(IDOK, kMessages);
        EXPECT_TRUE(driver.WaitForExit());
        return shown;
    }

    bool SettingsRemoved(const char* product) const
    {
        for (const char* subkey : kSettingsSubkeys)
        {
            if (RegistryKeyExists(HKEY_CURRENT_USER, CString(product) + "\\" + subkey))
                return false;
        }
        return true;
    }

    CInstallationRecord m_record;
    CString m_strProgramFiles, m_strMakerFolder, m_strDir, m_strClient, m_strUninstaller;
    CString m_strAppData, m_strAppMaker, m_strAppFolder, m_strUserData;
    CString m_strTemp, m_strTempLeftovers, m_strElsewhere;
    CString m_strUserLink, m_strCommonLink, m_strDesktopLink, m_strStartupLink;
    CString m_strTitle;
};

TEST_F(UninstallTest, RoundTripLeavesTheMachineAsItWasButWhatIsKept)
{
    const Snapshot before = TakeSnapshot();
    {
        CProgramDriver setup(WindowsPathOf(TANZO_SETUP_EXE), ProgramText(TANZO_SETUP_EXE, AFX_IDS_APP_TITLE));
        ASSERT_NE(nullptr, setup.WaitForDialog()) << "the installer's dialog did not show";
        EXPECT_EQ(3u, setup.Click(IDC_INSTALL_RUN, {}).size());
        EXPECT_TRUE(setup.WaitForExit());
    }
    ASSERT_TRUE(IsFile(m_strClient));
    {
        CChildProcess client(m_strClient, kClientClass, nullptr);
        HWND hClient = client.WaitForWindow();
        ASSERT_NE(nullptr, hClient) << "the installed client opened no window";
        EXPECT_TRUE(CloseDecliningBoxes(client, hClient));
    }
    SeedUserState();

    // Started as the system's list of programs starts it.
    const std::string command = ReadRegistryValue(HKEY_LOCAL_MACHINE, kEntryKey, "UninstallString");
    ASSERT_GE(command.size(), 2u);
    ASSERT_EQ('"', command.front());
    ASSERT_EQ('"', command.back());
    std::vector<std::string> enabledWhileTold;
    {
        CProgramDriver driver(command.substr(1, command.size() - 2).c_str(), m_strTitle);
        ASSERT_NE(nullptr, driver.WaitForDialog());
        driver.SetCheck(IDC_UNINSTALL_USER_DATA, TRUE);
        auto onBox = [&](const DrivenBox&)
        {
            for (int nID : {IDOK, IDCANCEL})
            {
                if (::IsWindowEnabled(driver.Item(nID)))
                    enabledWhileTold.push_back(std::to_string(nID));
            }
        };
        EXPECT_EQ(std::vector<UINT>{IDS_UNINSTALL_DONE}, driver.Click(IDOK, kMessages, {}, onBox));
        EXPECT_TRUE(driver.WaitForExit());
    }
    EXPECT_TRUE(enabledWhileTold.empty());

    const std::string dir = "file:" + std::string(m_strDir);
    const std::string maker = "reg:HKCU\\Software\\Velmar Soft";
    std::vector<std::string> expected = {
        "+ file:" + std::string(m_strMakerFolder),
        "+ " + dir,
        "+ " + dir + "\\tanzo-uninstall.exe",
        "+ file:" + std::string(m_strAppMaker),
        "+ file:" + std::string(m_strAppFolder),
        "+ " + maker,
        "+ " + maker + "\\Tanzo3",
        "+ " + maker + "\\Tanzo3\\Installation",
        "+ " + maker + "\\Tanzo3\\Installation|Dir",
        "+ " + maker + "\\Tanzo3\\Installation|Path",
        "+ " + maker + "\\Tanzo3\\Uninstaller",
        "+ " + maker + "\\Tanzo3\\Uninstaller\\Dialog",
        "+ " + maker + "\\Tanzo3\\Uninstaller\\Dialog\\129",
        "+ " + maker + "\\Tanzo3\\Uninstaller\\Dialog\\129|ToggleVal",
    };
    for (const char* product : {"Tanzo", "Tanzo2", "Tanzo3"})
    {
        if (std::string(product) != "Tanzo3")
            expected.push_back("+ " + maker + "\\" + product);
        expected.push_back("+ " + maker + "\\" + product + "\\Extra");
        expected.push_back("+ " + maker + "\\" + product + "\\Extra|Value");
    }
    std::vector<std::string> differences = SnapshotDifferences(before, TakeSnapshot(), IsWinesOwn);
    std::sort(expected.begin(), expected.end());
    std::sort(differences.begin(), differences.end());
    EXPECT_EQ(expected, differences);
    EXPECT_EQ("dword:1", ReadRegistryValue(HKEY_CURRENT_USER, kToggleKey, "ToggleVal"));
}

TEST_F(UninstallTest, RunningClientOrNoChangesNothing)
{
    SeedInstallation();
    {
        CChildProcess client(TANZO_CLIENT_EXE, kClientClass);
        HWND hClient = client.WaitForWindow();
        ASSERT_NE(nullptr, hClient);
        const Snapshot running = TakeSnapshot();
        EXPECT_EQ(std::vector<UINT>{IDS_UNINSTALL_CLIENT_RUNNING}, Uninstall(m_strUninstaller, TRUE));
        EXPECT_EQ(std::vector<std::string>{}, SnapshotDifferences(running, TakeSnapshot(), IsWinesOwn));
        EXPECT_EQ("(none)", ReadRegistryValue(HKEY_CURRENT_USER, kToggleKey, "ToggleVal"));
        EXPECT_TRUE(CloseDecliningBoxes(client, hClient));
    }
    // No: nothing at all.
    const Snapshot again = TakeSnapshot();
    {
        CProgramDriver driver(m_strUninstaller, m_strTitle);
        ASSERT_NE(nullptr, driver.WaitForDialog());
        ::PostMessageA(driver.Item(IDCANCEL), BM_CLICK, 0, 0);
        EXPECT_TRUE(driver.WaitForExit());
        EXPECT_TRUE(driver.AnswerUntilExit(kMessages).empty());
    }
    EXPECT_EQ(std::vector<std::string>{}, SnapshotDifferences(again, TakeSnapshot(), IsWinesOwn));
}

TEST_F(UninstallTest, UserDataStaysUnlessTickedAndTheChoiceIsKept)
{
    SeedInstallation();
    EXPECT_EQ(std::vector<UINT>{IDS_UNINSTALL_DONE}, Uninstall(m_strUninstaller, FALSE));
    EXPECT_EQ(std::string("accounts"), ReadFileBytes(m_strUserData + "\\accounts.dat"));
    EXPECT_EQ("dword:0", ReadRegistryValue(HKEY_CURRENT_USER, kToggleKey, "ToggleVal"));
    EXPECT_FALSE(IsFile(m_strClient));
    EXPECT_TRUE(IsFile(m_strUninstaller));

    // The next start shows the box as left; a run after a complete removal
    // changes nothing else.
    const Snapshot before = TakeSnapshot();
    {
        CProgramDriver driver(m_strUninstaller, m_strTitle);
        ASSERT_NE(nullptr, driver.WaitForDialog());
        EXPECT_FALSE(driver.IsChecked(IDC_UNINSTALL_USER_DATA));
        EXPECT_EQ(std::vector<UINT>{IDS_UNINSTALL_DONE}, driver.Click(IDOK, kMessages));
        EXPECT_TRUE(driver.WaitForExit());
    }
    EXPECT_EQ(std::vector<std::string>{}, SnapshotDifferences(before, TakeSnapshot(), IsWinesOwn));
}

TEST_F(UninstallTest, ChangedRecordNeverLeadsToOtherFiles)
{
    // The install folder deleted by hand, the uninstaller run from a copy.
    SeedInstallation();
    ASSERT_TRUE(CreateFolderTree(m_strElsewhere));
    CString strCopy = m_strElsewhere + "\\tanzo-uninstall.exe";
    ASSERT_TRUE(::CopyFileA(m_strUninstaller, strCopy, FALSE));
    ASSERT_TRUE(RemoveTree(m_strDir));
    EXPECT_EQ(std::vector<UINT>{IDS_UNINSTALL_DONE}, Uninstall(strCopy, TRUE));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kEntryKey));
    for (const char* product : kProductKeys)
        EXPECT_TRUE(SettingsRemoved(product)) << product;
    for (const CString& strLink : {m_strUserLink, m_strCommonLink, m_strDesktopLink, m_strStartupLink})
        EXPECT_FALSE(IsFile(strLink)) << strLink;

    // "Path" names a file outside the install folder: it stays.
    Clean();
    SeedInstallation();
    CString strOther;
    JoinPath(strOther, m_strMakerFolder, "other.exe");
    ASSERT_TRUE(WriteFileBytes(strOther, "other"));
    WriteRegistryString(HKEY_CURRENT_USER, kInstallationKey, "Path", strOther);
    EXPECT_EQ(std::vector<UINT>{IDS_UNINSTALL_DONE}, Uninstall(m_strUninstaller, TRUE));
    EXPECT_EQ(std::string("other"), ReadFileBytes(strOther));
    EXPECT_FALSE(IsFile(m_strClient));

    // No "Dir": the user's data is not touched, even ticked.
    Clean();
    SeedInstallation();
    {
        CRegKey key;
        ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, kInstallationKey, KEY_ALL_ACCESS));
        ::RegDeleteValueA(key, "Dir");
    }
    EXPECT_EQ(std::vector<UINT>{IDS_UNINSTALL_DONE}, Uninstall(m_strUninstaller, TRUE));
    EXPECT_EQ(std::string("accounts"), ReadFileBytes(m_strUserData + "\\accounts.dat"));
}

TEST_F(UninstallTest, FilesHeldOpenStopTheStepsThatFollow)
{
    enum Held
    {
        heldUserData,
        heldUserLink,
        heldStartupLink
    };
    const struct
    {
        const char* name;
        Held held; // a file held open without sharing
        UINT nMessage;
        bool bRegistryRemoved;
        bool bDesktopRemoved;
    } cases[] = {
        {"user data", heldUserData, IDS_UNINSTALL_FILES_FAILED, false, false},
        {"user's start-menu shortcut", heldUserLink, IDS_UNINSTALL_START_MENU_FAILED, true, true},
        {"start-up shortcut", heldStartupLink, IDS_UNINSTALL_STARTUP_FAILED, true, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Clean();
        SeedInstallation();
        CString strHeld = m_strUserData + "\\accounts.dat";
        if (c.held == heldUserLink)
        {
            strHeld = m_strUserLink;
            // The all-users side has none.
            ASSERT_TRUE(m_record.RemoveStartMenuShortcut(TRUE));
        }
        else if (c.held == heldStartupLink)
            strHeld = m_strStartupLink;
        HANDLE hHeld = ::CreateFileA(strHeld, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
        EXPECT_EQ(std::vector<UINT>{c.nMessage}, Uninstall(m_strUninstaller, TRUE));
        ::CloseHandle(hHeld);
        EXPECT_EQ(c.bRegistryRemoved, !RegistryKeyExists(HKEY_LOCAL_MACHINE, kEntryKey));
        EXPECT_EQ(c.bRegistryRemoved, SettingsRemoved("Software\\Velmar Soft\\Tanzo3"));
        EXPECT_EQ(c.bDesktopRemoved, !IsFile(m_strDesktopLink));
        EXPECT_TRUE(IsFile(strHeld));
    }
}

TEST_F(UninstallTest, SecondStartBringsTheFirstForwardOrTellsWhyItEnds)
{
    SeedInstallation();
    {
        CProgramDriver first(m_strUninstaller, m_strTitle);
        HWND hDialog = first.WaitForDialog();
        ASSERT_NE(nullptr, hDialog);
        ::ShowWindow(hDialog, SW_MINIMIZE);
        ASSERT_TRUE(WaitFor([&] { return ::IsIconic(hDialog) != FALSE; }));
        CProgramDriver second(m_strUninstaller, m_strTitle);
        EXPECT_TRUE(second.AnswerUntilExit(kMessages).empty());
        EXPECT_TRUE(WaitFor([&] { return !::IsIconic(hDialog) && ::GetForegroundWindow() == hDialog; }));
        ::PostMessageA(first.Item(IDCANCEL), BM_CLICK, 0, 0);
        EXPECT_TRUE(first.WaitForExit());
    }
    HANDLE hMutex = ::CreateMutexA(nullptr, TRUE, "Mutex-Velmarsoft-Tanzo-Uninstaller");
    ASSERT_NE(nullptr, hMutex);
    {
        CProgramDriver second(m_strUninstaller, m_strTitle);
        EXPECT_EQ(std::vector<UINT>{kRunningCopyNotFound}, second.AnswerUntilExit({kRunningCopyNotFound}));
    }
    ::CloseHandle(hMutex);
    EXPECT_TRUE(IsFile(m_strClient));
}
} // namespace
#endif // _WIN32
