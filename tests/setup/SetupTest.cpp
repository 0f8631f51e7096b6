// The installer driven as a user would, in a Wine prefix of its own: the
// default install and what it leaves, the refusals, the questions over the
// folder, a running client, a copy that fails, the installed client's
// version, the shortcut choices, an old Windows and a second start.
#ifdef _WIN32
#include "ProgramDriver.h"
#include "install/InstallTestUtil.h"

#include "afx/LoadText.h"
#include "afx/RegKey.h"
#include "afx/afxres.h"
#include "app/DialogResourceIds.h"
#include "controls/ControlsResourceIds.h"
#include "install/InstallResourceIds.h"
#include "install/InstallationRecord.h"
#include "install/SystemFolders.h"
#include "setup/SetupResourceIds.h"
#include "text/PathUtil.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
const char kMakerKey[] = "Software\\Velmar Soft";
const char kProductKey[] = "Software\\Velmar Soft\\Tanzo3";
const char kInstallationKey[] = "Software\\Velmar Soft\\Tanzo3\\Installation";
const char kToggleKey[] = "Software\\Velmar Soft\\Tanzo3\\Installer\\Dialog\\130";
const char kEntryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tanzo";
const char kOldWindowsKey[] = "Software\\Wine\\AppDefaults\\tanzo-setup.exe";
const char kClientClass[] = "VelmarsoftTanzoClass";

const std::vector<UINT> kMessages = {IDS_INSTALL_NO_SHORTCUT_KIND, IDS_INSTALL_FOLDER_EMPTY,
                                     IDS_INSTALL_FOLDER_BAD_DRIVE, IDS_INSTALL_FOLDER_BAD_CHARACTER,
                                     IDS_INSTALL_FOLDER_MISSING,   IDS_INSTALL_FOLDER_CREATE_FAILED,
                                     IDS_INSTALL_CONFIRM,          IDS_INSTALL_COPY_FAILED,
                                     IDS_INSTALL_REGISTER_FAILED,  IDS_INSTALL_START_MENU_FAILED,
                                     IDS_INSTALL_DESKTOP_FAILED,   IDS_INSTALL_DONE,
                                     IDS_INSTALL_CLIENT_RUNNING,   IDS_INSTALL_NEWER_FILE,
                                     IDS_INSTALL_ALREADY_RUNNING,  IDS_INSTALL_OLD_OS,
                                     IDS_INSTALL_UNSUPPORTED_OS};

// Controls that an install disables, the Close item aside.
const int kDisabledControls[] = {
    IDCANCEL,          IDC_DIALOG_HELP,     IDC_INSTALL_RUN,        IDC_INSTALL_BROWSE,
    IDC_INSTALL_GROUP, IDC_INSTALL_DESKTOP, IDC_INSTALL_START_MENU, IDC_INSTALL_FOLDER};

CString SetupProgram()
{
    return WindowsPathOf(TANZO_SETUP_EXE);
}

// The bytes of a program of the build, read once for all the tests.
const std::string& BuiltBytes(LPCTSTR lpszUnixPath)
{
    static std::map<std::string, std::string> read;
    auto it = read.find(lpszUnixPath);
    if (it == read.end())
        it = read.emplace(lpszUnixPath, ReadFileBytes(WindowsPathOf(lpszUnixPath))).first;
    return it->second;
}

class SetupTest : public ::testing::Test
{
protected:
    SetupTest() : m_record(kProductKey, "Tanzo", LoadText(IDS_PRODUCT_DISPLAY_NAME)) {}

    void SetUp() override
    {
        ASSERT_TRUE(GetProgramFilesFolder(m_strProgramFiles));
        JoinPath(m_strMakerFolder, m_strProgramFiles, "Velmar Soft");
        JoinPath(m_strDir, m_strMakerFolder, "Tanzo");
        JoinPath(m_strClient, m_strDir, "tanzo.exe");
        JoinPath(m_strUninstaller, m_strDir, "tanzo-uninstall.exe");
        CString strTemp;
        ASSERT_TRUE(GetTempFolder(strTemp, FALSE));
        JoinPath(m_strTempLeftovers, strTemp, "tanzo");
        JoinPath(m_strOtherFolder, strTemp, "SetupTestFolder");
        CString strGroup;
        ASSERT_TRUE(m_record.GetStartMenuShortcutPath(FALSE, strGroup, m_strUserLink));
        ASSERT_TRUE(m_record.GetStartMenuShortcutPath(TRUE, strGroup, m_strCommonLink));
        ASSERT_TRUE(m_record.GetDesktopShortcutPath(m_strDesktopLink));
        m_strTitle = LoadText(AFX_IDS_APP_TITLE);
        Clean();
    }
    void TearDown() override { Clean(); }

    void Clean()
    {
        RemoveTree(m_strMakerFolder);
        RemoveTree(m_strTempLeftovers);
        RemoveTree(m_strOtherFolder);
        CRegKey::DeleteTree(HKEY_CURRENT_USER, kMakerKey);
        CRegKey::DeleteTree(HKEY_LOCAL_MACHINE, kEntryKey);
        CRegKey::DeleteTree(HKEY_CURRENT_USER, kOldWindowsKey);
        m_record.RemoveStartMenuShortcut(FALSE);
        m_record.RemoveStartMenuShortcut(TRUE);
        m_record.RemoveDesktopShortcut();
    }

    // Nothing of an install on the machine.
    void ExpectNothingWritten()
    {
        EXPECT_FALSE(FileExists(m_strClient));
        EXPECT_FALSE(FileExists(m_strUninstaller));
        EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, kInstallationKey));
        EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kEntryKey));
        EXPECT_FALSE(FileExists(m_strUserLink));
        EXPECT_FALSE(FileExists(m_strDesktopLink));
        EXPECT_EQ("(none)", ReadRegistryValue(HKEY_CURRENT_USER, kToggleKey, "ToggleVal"));
    }

    std::vector<UINT> Install(CProgramDriver& driver, const std::map<UINT, int>& answers = {},
                              const std::function<void(const DrivenBox&)>& onBox = nullptr)
    {
        return driver.Click(IDC_INSTALL_RUN, kMessages, answers, onBox);
    }

    // The client's "Installation" values, as written before a run.
    void SeedInstallation(LPCTSTR lpszDir)
    {
        CString strPath;
        JoinPath(strPath, lpszDir, "tanzo.exe");
        WriteRegistryString(HKEY_CURRENT_USER, kInstallationKey, "Path", strPath);
        WriteRegistryString(HKEY_CURRENT_USER, kInstallationKey, "Dir", lpszDir);
    }

    CInstallationRecord m_record;
    CString m_strProgramFiles, m_strMakerFolder, m_strDir, m_strClient, m_strUninstaller;
    CString m_strTempLeftovers, m_strOtherFolder;
    CString m_strUserLink, m_strCommonLink, m_strDesktopLink;
    CString m_strTitle;
};

TEST_F(SetupTest, DefaultRunInstallsTheProgramsTheRecordAndTheShortcuts)
{
    ASSERT_TRUE(CreateFolderTree(m_strTempLeftovers));
    CString strLeftover;
    JoinPath(strLeftover, m_strTempLeftovers, "old.txt");
    ASSERT_TRUE(WriteFileBytes(strLeftover, "old"));

    CProgramDriver driver(SetupProgram(), m_strTitle);
    ASSERT_NE(nullptr, driver.WaitForDialog()) << "the installer's dialog did not show";
    EXPECT_EQ(std::string(m_strDir), driver.Text(IDC_INSTALL_FOLDER));
    EXPECT_TRUE(driver.IsChecked(IDC_INSTALL_START_MENU));
    EXPECT_TRUE(driver.IsChecked(IDC_INSTALL_DESKTOP));
    EXPECT_EQ("Version 3.14", driver.Text(IDC_INSTALL_VERSION));

    std::vector<std::string> enabledWhileAsked;
    int nPosAtEnd = -1, nRangeAtEnd = -1;
    auto onBox = [&](const DrivenBox& box)
    {
        if (box.nID == IDS_INSTALL_CONFIRM)
        {
            for (int nID : kDisabledControls)
            {
                if (::IsWindowEnabled(driver.Item(nID)))
                    enabledWhileAsked.push_back(std::to_string(nID));
            }
        }
        if (box.nID == IDS_INSTALL_DONE)
        {
            HWND hProgress = driver.Item(IDC_INSTALL_PROGRESS);
            nPosAtEnd = (int)::SendMessageA(hProgress, PBM_GETPOS, 0, 0);
            nRangeAtEnd = (int)::SendMessageA(hProgress, PBM_GETRANGE, FALSE, 0);
        }
    };
    EXPECT_EQ((std::vector<UINT>{IDS_INSTALL_FOLDER_MISSING, IDS_INSTALL_CONFIRM, IDS_INSTALL_DONE}),
              Install(driver, {}, onBox));
    EXPECT_TRUE(driver.WaitForExit());
    EXPECT_TRUE(enabledWhileAsked.empty()) << "enabled while asked: " << enabledWhileAsked.front();
    EXPECT_EQ(2, nPosAtEnd);
    EXPECT_EQ(2, nRangeAtEnd);

    EXPECT_TRUE(FileHasBytes(m_strClient, BuiltBytes(TANZO_CLIENT_EXE)));
    EXPECT_TRUE(FileHasBytes(m_strUninstaller, BuiltBytes(TANZO_UNINSTALL_EXE)));
    EXPECT_EQ(std::string(m_strClient), ReadRegistryValue(HKEY_CURRENT_USER, kInstallationKey, "Path"));
    EXPECT_EQ(std::string(m_strDir), ReadRegistryValue(HKEY_CURRENT_USER, kInstallationKey, "Dir"));
    const std::map<std::string, std::string> entry = {
        {"DisplayName", std::string(LoadText(IDS_PRODUCT_DISPLAY_NAME))},
        {"UninstallString", "\"" + std::string(m_strUninstaller) + "\""},
        {"DisplayIcon", std::string(m_strClient)},
        {"InstallLocation", std::string(m_strDir)},
        {"Publisher", std::string(LoadText(IDS_MAKER_FOLDER))},
        {"HelpLink", std::string(LoadText(IDS_PRODUCT_URL))},
        {"NoModify", "dword:1"},
        {"NoRepair", "dword:1"}};
    for (const auto& value : entry)
        EXPECT_EQ(value.second, ReadRegistryValue(HKEY_LOCAL_MACHINE, kEntryKey, value.first.c_str()))
            << value.first;

    for (const CString& strLink : {m_strUserLink, m_strDesktopLink})
    {
        const ShortcutFields link = ReadShortcut(strLink);
        ASSERT_TRUE(link.bRead) << strLink;
        EXPECT_TRUE(IsSamePath(link.target.c_str(), m_strClient)) << link.target;
        EXPECT_EQ(std::string(LoadText(IDS_PRODUCT_DISPLAY_NAME)), link.description);
    }
    EXPECT_FALSE(FileExists(m_strCommonLink));
    EXPECT_EQ("dword:3", ReadRegistryValue(HKEY_CURRENT_USER, kToggleKey, "ToggleVal"));
    EXPECT_FALSE(FileExists(m_strTempLeftovers));

    // The shortcut's target is the client, which opens its window.
    const ShortcutFields link = ReadShortcut(m_strUserLink);
    CChildProcess client(CString(link.target.c_str()), kClientClass, nullptr);
    ASSERT_TRUE(client.m_bStarted);
    HWND hClient = client.WaitForWindow();
    ASSERT_NE(nullptr, hClient) << "the installed client opened no window";
    EXPECT_TRUE(CloseDecliningBoxes(client, hClient));
}

TEST_F(SetupTest, RefusalsWriteNothingAndGiveTheFocusBack)
{
    struct Case
    {
        BOOL bStartMenu, bDesktop;
        const char* folder;
        UINT nMessage;
        int nFocusId;
    } cases[] = {
        {FALSE, FALSE, "", IDS_INSTALL_NO_SHORTCUT_KIND, IDC_INSTALL_START_MENU},
        {TRUE, TRUE, "", IDS_INSTALL_FOLDER_EMPTY, IDC_INSTALL_FOLDER},
        {TRUE, TRUE, "Program Files\\x", IDS_INSTALL_FOLDER_BAD_DRIVE, IDC_INSTALL_FOLDER},
        {TRUE, FALSE, "C:\\a\\\\b", IDS_INSTALL_FOLDER_BAD_CHARACTER, IDC_INSTALL_FOLDER},
        {FALSE, TRUE, "C:\\a:b", IDS_INSTALL_FOLDER_BAD_CHARACTER, IDC_INSTALL_FOLDER},
    };
    CProgramDriver driver(SetupProgram(), m_strTitle);
    ASSERT_NE(nullptr, driver.WaitForDialog());
    for (const Case& c : cases)
    {
        driver.SetCheck(IDC_INSTALL_START_MENU, c.bStartMenu);
        driver.SetCheck(IDC_INSTALL_DESKTOP, c.bDesktop);
        driver.SetText(IDC_INSTALL_FOLDER, c.folder);
        EXPECT_EQ(std::vector<UINT>{c.nMessage}, Install(driver)) << c.folder;
        EXPECT_EQ(driver.Item(c.nFocusId), driver.WaitForFocus(driver.Item(c.nFocusId))) << c.folder;
        for (int nID : kDisabledControls)
            EXPECT_TRUE(::IsWindowEnabled(driver.Item(nID))) << c.folder << " control " << nID;
    }
    ExpectNothingWritten();
    EXPECT_FALSE(FileExists("C:\\a"));
    ::PostMessageA(driver.Item(IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(driver.WaitForExit());
    ExpectNothingWritten();
}

TEST_F(SetupTest, MissingFolderIsMadeOnlyWhenTheUserAgrees)
{
    // A two-byte character whose second byte is a backslash: exactly its
    // own levels are made.
    CString strFolder;
    JoinPath(strFolder, m_strOtherFolder, "ソフト\\Tanzo");
    CProgramDriver driver(SetupProgram(), m_strTitle);
    ASSERT_NE(nullptr, driver.WaitForDialog());
    driver.SetText(IDC_INSTALL_FOLDER, strFolder + "\\");
    EXPECT_EQ(std::vector<UINT>{IDS_INSTALL_FOLDER_MISSING},
              Install(driver, {{IDS_INSTALL_FOLDER_MISSING, IDNO}}));
    EXPECT_FALSE(FileExists(m_strOtherFolder));
    ExpectNothingWritten();

    EXPECT_EQ((std::vector<UINT>{IDS_INSTALL_FOLDER_MISSING, IDS_INSTALL_CONFIRM, IDS_INSTALL_DONE}),
              Install(driver));
    EXPECT_TRUE(driver.WaitForExit());
    EXPECT_EQ(std::vector<std::string>{"ソフト"}, ListFolder(m_strOtherFolder));
    CString strClient;
    JoinPath(strClient, strFolder, "tanzo.exe");
    EXPECT_TRUE(FileHasBytes(strClient, BuiltBytes(TANZO_CLIENT_EXE)));
    // Recorded without the trailing backslash.
    EXPECT_EQ(std::string(strFolder), ReadRegistryValue(HKEY_CURRENT_USER, kInstallationKey, "Dir"));
}

TEST_F(SetupTest, RunningClientStopsTheInstall)
{
    CChildProcess client(TANZO_CLIENT_EXE, kClientClass);
    HWND hClient = client.WaitForWindow();
    ASSERT_NE(nullptr, hClient);
    ASSERT_TRUE(CreateFolderTree(m_strDir));

    CProgramDriver driver(SetupProgram(), m_strTitle);
    ASSERT_NE(nullptr, driver.WaitForDialog());
    EXPECT_EQ(std::vector<UINT>{IDS_INSTALL_CLIENT_RUNNING}, Install(driver));
    EXPECT_FALSE(driver.HasEnded());
    ExpectNothingWritten();
    EXPECT_TRUE(CloseDecliningBoxes(client, hClient));
}

TEST_F(SetupTest, FailedCopyClosesTheDialogAndRegistersNothing)
{
    // The installed client held open without sharing: the old file and
    // the old record stay.
    ASSERT_TRUE(CreateFolderTree(m_strDir));
    const std::string oldBytes = BuiltBytes(TANZO_STUB_OLDER_EXE);
    ASSERT_TRUE(WriteFileBytes(m_strClient, oldBytes));
    SeedInstallation(m_strDir);
    // A registration would write it without the backslash.
    WriteRegistryString(HKEY_CURRENT_USER, kInstallationKey, "Dir", m_strDir + "\\");
    {
        HANDLE hHeld = ::CreateFileA(m_strClient, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
        CProgramDriver driver(SetupProgram(), m_strTitle);
        ASSERT_NE(nullptr, driver.WaitForDialog());
        EXPECT_EQ((std::vector<UINT>{IDS_INSTALL_CONFIRM, IDS_INSTALL_COPY_FAILED}), Install(driver));
        EXPECT_TRUE(driver.WaitForExit());
        ::CloseHandle(hHeld);
    }
    EXPECT_TRUE(FileHasBytes(m_strClient, oldBytes));
    EXPECT_EQ(std::string(m_strDir) + "\\", ReadRegistryValue(HKEY_CURRENT_USER, kInstallationKey, "Dir"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kEntryKey));
    EXPECT_EQ((std::vector<std::string>{"tanzo.exe"}), ListFolder(m_strDir));

    // A folder where the client goes fails even for an administrator.
    Clean();
    ASSERT_TRUE(CreateFolderTree(m_strClient));
    {
        CProgramDriver driver(SetupProgram(), m_strTitle);
        ASSERT_NE(nullptr, driver.WaitForDialog());
        EXPECT_EQ((std::vector<UINT>{IDS_INSTALL_CONFIRM, IDS_INSTALL_COPY_FAILED}), Install(driver));
        EXPECT_TRUE(driver.WaitForExit());
    }
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, kInstallationKey));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kEntryKey));
    EXPECT_FALSE(FileExists(m_strUserLink));
}

TEST_F(SetupTest, InstalledClientVersionDecidesTheQuestion)
{
    struct Case
    {
        const char* name;
        const char* installed;
        int nAnswer;
        std::vector<UINT> messages;
        bool bReplaced;
    } cases[] = {
        {"older", TANZO_STUB_OLDER_EXE, IDYES, {IDS_INSTALL_CONFIRM, IDS_INSTALL_DONE}, true},
        {"newer, kept",
         TANZO_STUB_NEWER_EXE,
         IDNO,
         {IDS_INSTALL_CONFIRM, IDS_INSTALL_NEWER_FILE, IDS_INSTALL_DONE},
         false},
        {"newer, replaced",
         TANZO_STUB_NEWER_EXE,
         IDYES,
         {IDS_INSTALL_CONFIRM, IDS_INSTALL_NEWER_FILE, IDS_INSTALL_DONE},
         true},
    };
    for (const Case& c : cases)
    {
        Clean();
        ASSERT_TRUE(CreateFolderTree(m_strDir));
        const std::string installed = BuiltBytes(c.installed);
        ASSERT_TRUE(WriteFileBytes(m_strClient, installed));
        CProgramDriver driver(SetupProgram(), m_strTitle);
        ASSERT_NE(nullptr, driver.WaitForDialog());
        EXPECT_EQ(c.messages, Install(driver, {{IDS_INSTALL_NEWER_FILE, c.nAnswer}})) << c.name;
        EXPECT_TRUE(driver.WaitForExit());
        EXPECT_TRUE(FileHasBytes(m_strClient, c.bReplaced ? BuiltBytes(TANZO_CLIENT_EXE) : installed))
            << c.name;
        EXPECT_TRUE(FileHasBytes(m_strUninstaller, BuiltBytes(TANZO_UNINSTALL_EXE))) << c.name;
        EXPECT_EQ(std::string(m_strClient), ReadRegistryValue(HKEY_CURRENT_USER, kInstallationKey, "Path"));
    }
}

TEST_F(SetupTest, StartMenuBoxOffRemovesTheOldShortcutAndItsFolder)
{
    ASSERT_TRUE(CreateFolderTree(m_strDir));
    ASSERT_TRUE(m_record.CreateStartMenuShortcut(m_strClient, FALSE));
    ASSERT_TRUE(FileExists(m_strUserLink));
    CProgramDriver driver(SetupProgram(), m_strTitle);
    ASSERT_NE(nullptr, driver.WaitForDialog());
    driver.SetCheck(IDC_INSTALL_START_MENU, FALSE);
    EXPECT_EQ((std::vector<UINT>{IDS_INSTALL_CONFIRM, IDS_INSTALL_DONE}), Install(driver));
    EXPECT_TRUE(driver.WaitForExit());
    CString strGroup, strLink;
    m_record.GetStartMenuShortcutPath(FALSE, strGroup, strLink);
    EXPECT_FALSE(FileExists(strGroup));
    EXPECT_TRUE(ReadShortcut(m_strDesktopLink).bRead);
    EXPECT_EQ("dword:2", ReadRegistryValue(HKEY_CURRENT_USER, kToggleKey, "ToggleVal"));

    // The next start shows the choice kept.
    CProgramDriver next(SetupProgram(), m_strTitle);
    ASSERT_NE(nullptr, next.WaitForDialog());
    EXPECT_FALSE(next.IsChecked(IDC_INSTALL_START_MENU));
    EXPECT_TRUE(next.IsChecked(IDC_INSTALL_DESKTOP));
    ::PostMessageA(next.Item(IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(next.WaitForExit());
}

TEST_F(SetupTest, RecordedFolderDeletedByHandIsMadeAgain)
{
    SeedInstallation(m_strOtherFolder);
    CProgramDriver driver(SetupProgram(), m_strTitle);
    ASSERT_NE(nullptr, driver.WaitForDialog());
    EXPECT_EQ(std::string(m_strOtherFolder), driver.Text(IDC_INSTALL_FOLDER));
    EXPECT_EQ((std::vector<UINT>{IDS_INSTALL_FOLDER_MISSING, IDS_INSTALL_CONFIRM, IDS_INSTALL_DONE}),
              Install(driver));
    EXPECT_TRUE(driver.WaitForExit());
    CString strClient;
    JoinPath(strClient, m_strOtherFolder, "tanzo.exe");
    EXPECT_TRUE(FileHasBytes(strClient, BuiltBytes(TANZO_CLIENT_EXE)));
    EXPECT_EQ(std::string(m_strOtherFolder),
              ReadRegistryValue(HKEY_LOCAL_MACHINE, kEntryKey, "InstallLocation"));
}

TEST_F(SetupTest, OldWindowsIsWarnedAboutBeforeEachInstall)
{
    WriteRegistryString(HKEY_CURRENT_USER, kOldWindowsKey, "Version", "vista");
    ASSERT_TRUE(CreateFolderTree(m_strDir));
    CProgramDriver driver(SetupProgram(), m_strTitle);
    ASSERT_NE(nullptr, driver.WaitForDialog());
    EXPECT_EQ(std::vector<UINT>{IDS_INSTALL_OLD_OS}, Install(driver, {{IDS_INSTALL_OLD_OS, IDNO}}));
    EXPECT_FALSE(driver.HasEnded());
    ExpectNothingWritten();
    // The question comes before the controls are disabled: the run goes on
    // after it.
    EXPECT_EQ((std::vector<UINT>{IDS_INSTALL_OLD_OS, IDS_INSTALL_CONFIRM, IDS_INSTALL_DONE}),
              driver.Click(IDC_INSTALL_RUN, kMessages, {}, nullptr, 2));
    EXPECT_TRUE(driver.WaitForExit());
    EXPECT_TRUE(FileHasBytes(m_strClient, BuiltBytes(TANZO_CLIENT_EXE)));
}

TEST_F(SetupTest, SecondStartBringsTheFirstForwardOrTellsWhyItEnds)
{
    {
        CProgramDriver first(SetupProgram(), m_strTitle);
        ASSERT_NE(nullptr, first.WaitForDialog());
        CCountingWindow other("SetupTestOther", WS_POPUP | WS_VISIBLE);
        ::SetForegroundWindow(other.m_hWnd);
        CProgramDriver second(SetupProgram(), m_strTitle);
        EXPECT_TRUE(second.AnswerUntilExit(kMessages).empty());
        EXPECT_EQ(first.Dialog(), ::GetForegroundWindow());
        ::PostMessageA(first.Item(IDCANCEL), BM_CLICK, 0, 0);
        EXPECT_TRUE(first.WaitForExit());
    }
    // The mutex is there, but no installer's window.
    HANDLE hMutex = ::CreateMutexA(nullptr, TRUE, "Mutex-Velmarsoft-Tanzo-Installer");
    ASSERT_NE(nullptr, hMutex);
    {
        CProgramDriver second(SetupProgram(), m_strTitle);
        EXPECT_EQ(std::vector<UINT>{IDS_INSTALL_ALREADY_RUNNING}, second.AnswerUntilExit(kMessages));
        EXPECT_TRUE(second.HasEnded());
    }
    ::CloseHandle(hMutex);
    ExpectNothingWritten();
}
} // namespace
#endif // _WIN32
