// The installation record without a window, with a product key and names
// of the test's own: the registration with and without the removal entry
// and its removal, the shortcut pairs read back through the shell, the
// program file and the temporary leftovers, and the carried files written
// over newer, equal, older, unversioned and absent files.
#ifdef _WIN32
#include "InstallTestResources.h"
#include "InstallTestUtil.h"
#include "app/WinTestUtil.h"

#include "afx/MessageBox.h"
#include "install/InstallationRecord.h"
#include "install/ResourceFile.h"
#include "install/SystemFolders.h"
#include "install/VersionRules.h"
#include "text/PathUtil.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kCarriedType[] = "BINARY";
const char* const kSettingsSubkeys[] = {"Default", "Settings",         "WindowState", "Dialog",
                                        "Bar",     "Recent File List", "Installer"};

struct RecordedBox
{
    std::string text;
    UINT nType;
};

struct BoxAnswers
{
    int nAnswer = IDNO;
    std::vector<RecordedBox> boxes;
};

int AnswerBox(LPCTSTR lpszText, UINT nType, void* pParam)
{
    auto* pAnswers = static_cast<BoxAnswers*>(pParam);
    pAnswers->boxes.push_back({lpszText, nType});
    return pAnswers->nAnswer;
}

std::string CarriedBytes()
{
    HRSRC hInfo = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_TEST_CARRIED), kCarriedType);
    HGLOBAL hData = ::LoadResource(nullptr, hInfo);
    return std::string(static_cast<const char*>(::LockResource(hData)), ::SizeofResource(nullptr, hInfo));
}

class InstallationRecordTest : public ::testing::Test
{
protected:
    InstallationRecordTest()
        : m_strName(UniqueName("TanzoTest")), m_strProductKey("Software\\Velmar Soft\\" + m_strName),
          m_strEntryKey(CString(kUninstallKey) + "\\" + m_strName),
          m_record(m_strProductKey, m_strName, UniqueName("たんぞテスト"))
    {
        CString strTemp;
        GetTempFolder(strTemp, FALSE);
        JoinPath(m_strFolder, strTemp, UniqueName("TanzoRecordTest"));
        RemoveTree(m_strFolder);
        ::CreateDirectoryA(m_strFolder, nullptr);
        m_pfnOldHook = AfxSetMessageBoxHook(AnswerBox, &m_answers);
    }
    ~InstallationRecordTest() override
    {
        AfxSetMessageBoxHook(m_pfnOldHook);
        RemoveTree(m_strFolder);
        CRegKey::DeleteTree(HKEY_CURRENT_USER, m_strProductKey);
        CRegKey::DeleteTree(HKEY_LOCAL_MACHINE, m_strEntryKey);
        m_record.RemoveStartMenuShortcut(FALSE);
        m_record.RemoveStartMenuShortcut(TRUE);
        m_record.RemoveDesktopShortcut();
        m_record.RemoveStartupShortcut();
    }
    CString InFolder(LPCTSTR lpszName) const
    {
        CString strPath;
        JoinPath(strPath, m_strFolder, lpszName);
        return strPath;
    }
    std::string Installation(LPCTSTR lpszName) const
    {
        return ReadRegistryValue(HKEY_CURRENT_USER, m_strProductKey + "\\Installation", lpszName);
    }
    std::string Entry(LPCTSTR lpszName) const
    {
        return ReadRegistryValue(HKEY_LOCAL_MACHINE, m_strEntryKey, lpszName);
    }
    std::string DisplayName() const { return std::string(m_record.GetDisplayName()); }

    CString m_strName;
    CString m_strProductKey;
    CString m_strEntryKey;
    CInstallationRecord m_record;
    CString m_strFolder;
    BoxAnswers m_answers;
    AFX_MESSAGEBOX_HOOK m_pfnOldHook = nullptr;
};

TEST_F(InstallationRecordTest, RegisterWritesTheInstallationValuesAndTheRemovalEntry)
{
    const CString strProgram = InFolder("tanzo.exe");
    // Without a command there is no removal entry.
    ASSERT_TRUE(m_record.Register(m_strFolder, strProgram, ""));
    EXPECT_EQ(std::string(strProgram), Installation("Path"));
    EXPECT_EQ(std::string(m_strFolder), Installation("Dir"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, m_strEntryKey));
    ASSERT_TRUE(m_record.Register(m_strFolder, strProgram, nullptr));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, m_strEntryKey));

    const CString strCommand = "\"" + InFolder("tanzo-uninstall.exe") + "\"";
    ASSERT_TRUE(m_record.Register(m_strFolder, strProgram, strCommand));
    EXPECT_EQ(DisplayName(), Entry("DisplayName"));
    EXPECT_EQ(std::string(strCommand), Entry("UninstallString"));
    EXPECT_EQ(std::string(strProgram), Entry("DisplayIcon"));
    EXPECT_EQ(std::string(m_strFolder), Entry("InstallLocation"));
    EXPECT_EQ(std::string("ベルマソフト"), Entry("Publisher"));
    CString strHelpLink;
    strHelpLink.LoadString(425);
    EXPECT_FALSE(strHelpLink.IsEmpty());
    EXPECT_EQ(std::string(strHelpLink), Entry("HelpLink"));
    EXPECT_EQ(std::string("dword:1"), Entry("NoModify"));
    EXPECT_EQ(std::string("dword:1"), Entry("NoRepair"));

    CString strValue;
    EXPECT_TRUE(m_record.GetProgramPath(strValue));
    EXPECT_EQ(strProgram, strValue);
    EXPECT_TRUE(m_record.GetInstallationValue("Dir", strValue));
    EXPECT_EQ(m_strFolder, strValue);
    EXPECT_FALSE(m_record.GetInstallationValue("NoSuchValue", strValue));
    EXPECT_TRUE(strValue.IsEmpty());
}

TEST_F(InstallationRecordTest, UnregisterRemovesTheSettingsAndTheEntryButKeepsTheInstallation)
{
    ASSERT_TRUE(m_record.Register(m_strFolder, InFolder("tanzo.exe"), "\"C:\\x\\tanzo-uninstall.exe\""));
    for (const char* pszSubkey : kSettingsSubkeys)
        WriteRegistryString(HKEY_CURRENT_USER, m_strProductKey + "\\" + pszSubkey + "\\Inner", "Value", "x");
    WriteRegistryString(HKEY_CURRENT_USER, m_strProductKey + "\\Other", "Value", "kept");
    WriteRegistryString(HKEY_LOCAL_MACHINE, m_strEntryKey + "\\Inner", "Value", "x");

    EXPECT_TRUE(m_record.Unregister());
    for (const char* pszSubkey : kSettingsSubkeys)
        EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, m_strProductKey + "\\" + pszSubkey)) << pszSubkey;
    EXPECT_EQ(std::string("kept"),
              ReadRegistryValue(HKEY_CURRENT_USER, m_strProductKey + "\\Other", "Value"));
    EXPECT_EQ(std::string(InFolder("tanzo.exe")), Installation("Path"));
    EXPECT_EQ(std::string(m_strFolder), Installation("Dir"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, m_strEntryKey));
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));

    // Nothing left to remove is no failure; neither is a product key that
    // was never made.
    EXPECT_TRUE(m_record.Unregister());
    CInstallationRecord never(UniqueName("Software\\Velmar Soft\\TanzoNever"), UniqueName("TanzoNever"), "x");
    EXPECT_TRUE(never.Unregister());
    CRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, m_strProductKey, KEY_ALL_ACCESS));
    EXPECT_EQ(ERROR_SUCCESS, m_record.RemoveProductSubkeys(key));
}

TEST_F(InstallationRecordTest, RemovingTheSettingsReportsTheFirstRealError)
{
    // A key handle that is not open fails every deletion with the same
    // error; missing subkeys of an open one fail none.
    CRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_CURRENT_USER, m_strProductKey, KEY_ALL_ACCESS));
    EXPECT_EQ(ERROR_SUCCESS, m_record.RemoveProductSubkeys(key));
    HKEY hClosed = key.Detach();
    ::RegCloseKey(hClosed);
    EXPECT_EQ(ERROR_INVALID_HANDLE, m_record.RemoveProductSubkeys(hClosed));
}

TEST_F(InstallationRecordTest, ShortcutPairsAreMadeAndRemoved)
{
    const CString strTarget = InFolder("tanzo.exe");
    ASSERT_TRUE(WriteFileBytes(strTarget, "program"));
    const std::string strLinkName = DisplayName() + ".lnk";

    for (BOOL bAllUsers : {FALSE, TRUE})
    {
        SCOPED_TRACE(bAllUsers ? "all users" : "this user");
        CString strPrograms;
        ASSERT_TRUE(bAllUsers ? GetCommonProgramsFolder(strPrograms) : GetUserProgramsFolder(strPrograms));
        CString strGroup, strLink;
        JoinPath(strGroup, strPrograms, "ベルマソフト");
        JoinPath(strLink, strGroup, strLinkName.c_str());
        CString strGroupOut, strLinkOut;
        ASSERT_TRUE(m_record.GetStartMenuShortcutPath(bAllUsers, strGroupOut, strLinkOut));
        EXPECT_EQ(strGroup, strGroupOut);
        EXPECT_EQ(strLink, strLinkOut);
        const bool bGroupWasThere = IsFolder(strGroup);

        // Never made: removing it is no failure.
        EXPECT_TRUE(m_record.RemoveStartMenuShortcut(bAllUsers));
        ASSERT_TRUE(m_record.CreateStartMenuShortcut(strTarget, bAllUsers));
        ShortcutFields fields = ReadShortcut(strLink);
        ASSERT_TRUE(fields.bRead);
        EXPECT_EQ(std::string(strTarget), fields.target);
        EXPECT_EQ(DisplayName(), fields.description);
        EXPECT_EQ(std::string(), fields.arguments);

        // Another program's shortcut keeps the maker folder.
        CString strOther;
        JoinPath(strOther, strGroup, UniqueName("他のソフト") + ".lnk");
        ASSERT_TRUE(WriteFileBytes(strOther, "other"));
        EXPECT_TRUE(m_record.RemoveStartMenuShortcut(bAllUsers));
        EXPECT_FALSE(IsFile(strLink));
        EXPECT_TRUE(IsFile(strOther));
        ::DeleteFileA(strOther);

        // Alone in it, the folder goes with it.
        ASSERT_TRUE(m_record.CreateStartMenuShortcut(strTarget, bAllUsers));
        EXPECT_TRUE(m_record.RemoveStartMenuShortcut(bAllUsers));
        EXPECT_FALSE(IsFile(strLink));
        if (!bGroupWasThere)
        {
            EXPECT_FALSE(IsFolder(strGroup));
        }
    }

    CString strDesktop, strDesktopLink;
    ASSERT_TRUE(GetDesktopFolder(strDesktop));
    JoinPath(strDesktopLink, strDesktop, strLinkName.c_str());
    CString strLinkOut;
    ASSERT_TRUE(m_record.GetDesktopShortcutPath(strLinkOut));
    EXPECT_EQ(strDesktopLink, strLinkOut);
    EXPECT_TRUE(m_record.RemoveDesktopShortcut());
    ASSERT_TRUE(m_record.CreateDesktopShortcut(strTarget));
    ShortcutFields fields = ReadShortcut(strDesktopLink);
    ASSERT_TRUE(fields.bRead);
    EXPECT_EQ(std::string(strTarget), fields.target);
    EXPECT_EQ(DisplayName(), fields.description);
    EXPECT_TRUE(m_record.RemoveDesktopShortcut());
    EXPECT_FALSE(IsFile(strDesktopLink));

    // The start-up folder's shortcut is only ever removed.
    CString strStartup, strStartupLink;
    ASSERT_TRUE(GetStartupFolder(strStartup));
    JoinPath(strStartupLink, strStartup, strLinkName.c_str());
    EXPECT_TRUE(m_record.RemoveStartupShortcut());
    ::CreateDirectoryA(strStartup, nullptr);
    ASSERT_TRUE(WriteFileBytes(strStartupLink, "link"));
    EXPECT_TRUE(m_record.RemoveStartupShortcut());
    EXPECT_FALSE(IsFile(strStartupLink));
    EXPECT_TRUE(m_answers.boxes.empty());
}

TEST_F(InstallationRecordTest, ProgramFileAndTemporaryLeftoversGo)
{
    m_record.SetProgramFileName("tanzo.exe");
    // No "Path": nothing to delete.
    EXPECT_TRUE(m_record.DeleteProgramFile());
    const CString strProgram = InFolder("tanzo.exe");
    ASSERT_TRUE(m_record.Register(m_strFolder, strProgram, ""));
    EXPECT_TRUE(m_record.DeleteProgramFile());
    ASSERT_TRUE(WriteFileBytes(strProgram, "program"));
    EXPECT_TRUE(m_record.DeleteProgramFile());
    EXPECT_FALSE(IsFile(strProgram));

    // A "Path" changed to name another file: that file stays, the step
    // goes on.
    const CString strOther = InFolder("other.exe");
    ASSERT_TRUE(WriteFileBytes(strOther, "other"));
    ASSERT_TRUE(m_record.Register(m_strFolder, strOther, ""));
    EXPECT_TRUE(m_record.DeleteProgramFile());
    EXPECT_EQ(std::string("other"), ReadFileBytes(strOther));
    // Without the program's name the record follows no "Path" at all.
    ASSERT_TRUE(WriteFileBytes(strProgram, "program"));
    ASSERT_TRUE(m_record.Register(m_strFolder, strProgram, ""));
    m_record.SetProgramFileName("");
    EXPECT_TRUE(m_record.DeleteProgramFile());
    EXPECT_EQ(std::string("program"), ReadFileBytes(strProgram));

    CString strTemp;
    ASSERT_TRUE(GetTempFolder(strTemp, FALSE));
    const struct
    {
        const char* name;  // given to RemoveTempLeftovers
        CString strFolder; // what it removes
    } cases[] = {
        {"", m_strName},
        {nullptr, m_strName},
        {"tanzo-test-leftovers", "tanzo-test-leftovers"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.strFolder);
        CString strLeftovers, strInner;
        JoinPath(strLeftovers, strTemp, c.strFolder);
        JoinPath(strInner, strLeftovers, "内側");
        ASSERT_TRUE(CreateFolderTree(strInner));
        ASSERT_TRUE(WriteFileBytes(strInner + "\\残り.tmp", "x"));
        EXPECT_TRUE(m_record.RemoveTempLeftovers(c.name));
        EXPECT_FALSE(IsFolder(strLeftovers));
        // Gone already: no failure.
        EXPECT_TRUE(m_record.RemoveTempLeftovers(c.name));
    }
    // A file of that name is no leftover folder.
    CString strFile;
    JoinPath(strFile, strTemp, m_strName);
    ASSERT_TRUE(WriteFileBytes(strFile, "kept"));
    EXPECT_TRUE(m_record.RemoveTempLeftovers(""));
    EXPECT_EQ(std::string("kept"), ReadFileBytes(strFile));
    ::DeleteFileA(strFile);
}

TEST_F(InstallationRecordTest, CarriedFileOverNewerEqualOlderUnversionedAndAbsentFiles)
{
    const std::string strOlder = ReadFileBytes(WindowsPathOf(TANZO_STUB_OLDER_EXE));
    const std::string strNewer = ReadFileBytes(WindowsPathOf(TANZO_STUB_NEWER_EXE));
    ASSERT_NE(std::string("(none)"), strOlder);
    ASSERT_NE(std::string("(none)"), strNewer);
    const std::string strCarried = CarriedBytes();
    const std::string strPlain = "plain text, no version";
    const VS_FIXEDFILEINFO current = MakeVersionBlock(0x30001, 0x40000, 0x30001, 0x40000);
    const VS_FIXEDFILEINFO older = MakeVersionBlock(0x30001, 0x30009, 0x30001, 0x30009);
    const struct
    {
        const char* name;
        const std::string* pExisting; // null: no file there
        const VS_FIXEDFILEINFO* pCarried;
        int nAnswer;
        bool bAsked;
        bool bWritten;
    } cases[] = {
        {"absent", nullptr, &current, IDNO, false, true},
        {"older", &strOlder, &current, IDNO, false, true},
        {"equal", &strOlder, &older, IDNO, false, true},
        {"newer, kept", &strNewer, &current, IDNO, true, false},
        {"newer, replaced", &strNewer, &current, IDYES, true, true},
        {"no version of its own", &strPlain, &current, IDNO, false, true},
        {"nothing to compare with", &strNewer, nullptr, IDNO, false, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CString strTarget = InFolder("対象.exe");
        ::DeleteFileA(strTarget);
        std::string strBefore = "(none)";
        if (c.pExisting != nullptr)
        {
            strBefore = *c.pExisting;
            ASSERT_TRUE(WriteFileBytes(strTarget, strBefore));
        }
        m_answers.boxes.clear();
        m_answers.nAnswer = c.nAnswer;

        EXPECT_TRUE(m_record.InstallFile(strTarget, IDR_TEST_CARRIED, c.pCarried, kCarriedType));
        EXPECT_EQ(c.bWritten ? strCarried : strBefore, ReadFileBytes(strTarget));
        ASSERT_EQ(c.bAsked ? 1u : 0u, m_answers.boxes.size());
        if (c.bAsked)
        {
            EXPECT_EQ(std::string("インストール先に今回のバージョンより新しいファイルが存在します。\r\n"
                                  "ファイルをコピーしますか？\r\nファイル：") +
                          std::string(strTarget) + "\r\n（コピーしないことを推奨します）",
                      m_answers.boxes[0].text);
            EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), m_answers.boxes[0].nType);
        }
        EXPECT_EQ(std::vector<std::string>{"対象.exe"}, ListFolder(m_strFolder));
    }
}

TEST_F(InstallationRecordTest, FailedWriteLeavesTheOldFileAndNoOtherFile)
{
    const CString strTarget = InFolder("tanzo.exe");
    ASSERT_TRUE(WriteFileBytes(strTarget, "working install"));

    // A resource the program does not have.
    EXPECT_FALSE(WriteResourceToFile(strTarget, IDR_TEST_MISSING, kCarriedType));
    EXPECT_FALSE(WriteResourceToFile(strTarget, IDR_TEST_CARRIED, "NOSUCHTYPE"));
    EXPECT_EQ(std::string("working install"), ReadFileBytes(strTarget));
    EXPECT_EQ(std::vector<std::string>{"tanzo.exe"}, ListFolder(m_strFolder));

    // The file held open by a program that lets nobody else at it.
    HANDLE hHeld = ::CreateFileA(strTarget, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    EXPECT_FALSE(WriteResourceToFile(strTarget, IDR_TEST_CARRIED, kCarriedType));
    ::CloseHandle(hHeld);
    EXPECT_EQ(std::string("working install"), ReadFileBytes(strTarget));
    EXPECT_EQ(std::vector<std::string>{"tanzo.exe"}, ListFolder(m_strFolder));

    // A folder in the file's place, and a folder that is not there.
    const CString strFolderInPlace = InFolder("folder.exe");
    ASSERT_TRUE(::CreateDirectoryA(strFolderInPlace, nullptr));
    EXPECT_FALSE(WriteResourceToFile(strFolderInPlace, IDR_TEST_CARRIED, kCarriedType));
    EXPECT_TRUE(IsFolder(strFolderInPlace));
    EXPECT_FALSE(WriteResourceToFile(InFolder("missing\\tanzo.exe"), IDR_TEST_CARRIED, kCarriedType));
    std::vector<std::string> names = ListFolder(m_strFolder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"folder.exe", "tanzo.exe"}), names);

    // Written whole once nothing is in the way.
    EXPECT_TRUE(WriteResourceToFile(strTarget, IDR_TEST_CARRIED, kCarriedType));
    EXPECT_EQ(CarriedBytes(), ReadFileBytes(strTarget));
}

TEST_F(InstallationRecordTest, NoOldSystemWarningWithoutAMessage)
{
    EXPECT_EQ(IDYES, m_record.AskOldOsWarning(0));
}
} // namespace
#endif // _WIN32
