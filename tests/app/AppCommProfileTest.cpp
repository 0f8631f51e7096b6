// The profile of a program on CAppComm: after the start-up the registry key
// is the company name and the profile the program's own name, so that
// "Settings" and "Installation" are keys under
// HKEY_CURRENT_USER\Software\Velmar Soft\Tanzo3 (in memory natively).
#include "TestAppComm.h"

#include "afx/Profile.h"
#include "app/AppShareNet.h"

#include <gtest/gtest.h>

namespace
{
const char kSettingsKey[] = "Software\\Velmar Soft\\Tanzo3\\Settings";
const char kInstallationKey[] = "Software\\Velmar Soft\\Tanzo3\\Installation";
// Value names of this test only: other test programs share the profile.
const char kIntName[] = "AppCommProfileTestInt";
const char kTextName[] = "AppCommProfileTestText";

class AppCommProfileTest : public ::testing::Test
{
protected:
    AppCommProfileTest()
    {
        Cleanup();
#ifdef _WIN32
        // No window class and no mutex: the start-up without the check.
        m_bStarted = app.InitInstance();
#else
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
        m_bStarted = TRUE;
#endif
    }
    ~AppCommProfileTest() override
    {
#ifdef _WIN32
        app.ExitInstance();
#endif
        Cleanup();
    }
    static void Cleanup()
    {
        for (const char* key : {kSettingsKey, kInstallationKey})
            for (const char* value : {kIntName, kTextName})
                AfxProfileDelete(key, value);
    }
    static BOOL Read(const char* key, const char* value, DWORD& type, std::string& data)
    {
        std::vector<BYTE> bytes;
        if (!AfxProfileRead(key, value, &type, &bytes))
            return FALSE;
        data.assign(bytes.begin(), bytes.end());
        return TRUE;
    }

    CTestAppComm app;
    BOOL m_bStarted = FALSE;
};

TEST_F(AppCommProfileTest, StartUpNamesTheProfile)
{
    ASSERT_TRUE(m_bStarted);
    EXPECT_STREQ("Velmar Soft", g_szCompanyName);
    EXPECT_STREQ("Velmar Soft", app.m_pszRegistryKey);
    EXPECT_STREQ("Tanzo3", app.m_pszProfileName);
    EXPECT_EQ(CString(kSettingsKey), app.GetProfileSectionKey("Settings"));
    // The profile name was the application's own until the program set its.
    ASSERT_FALSE(app.m_calls.empty());
    EXPECT_EQ("InitProfileName key=Velmar Soft profile=TestAppComm", app.m_calls[0]);
}

TEST_F(AppCommProfileTest, SettingsAreValuesOfTheSettingsKey)
{
    EXPECT_EQ(7u, app.GetSettingInt(kIntName, 7));
    EXPECT_TRUE(app.WriteSettingInt(kIntName, -3));
    EXPECT_EQ((UINT)-3, app.GetSettingInt(kIntName, 7));

    EXPECT_EQ(CString(""), app.GetSettingString(kTextName));
    EXPECT_EQ(CString("既定"), app.GetSettingString(kTextName, "既定"));
    EXPECT_TRUE(app.WriteSettingString(kTextName, "表示ソフト"));
    EXPECT_EQ(CString("表示ソフト"), app.GetSettingString(kTextName, "既定"));

    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(Read(kSettingsKey, kIntName, type, data));
    EXPECT_EQ((DWORD)REG_DWORD, type);
    ASSERT_TRUE(Read(kSettingsKey, kTextName, type, data));
    EXPECT_EQ((DWORD)REG_SZ, type);
    EXPECT_EQ(std::string("表示ソフト", sizeof("表示ソフト")), data);
    EXPECT_FALSE(Read(kInstallationKey, kTextName, type, data));
}

TEST_F(AppCommProfileTest, InstallationValuesAreTheirOwnSection)
{
    EXPECT_EQ(CString(""), app.GetInstallationString(kTextName, nullptr));
    EXPECT_TRUE(app.WriteInstallationString(kTextName, "C:\\Program Files\\Velmar Soft\\Tanzo"));
    EXPECT_EQ(CString("C:\\Program Files\\Velmar Soft\\Tanzo"), app.GetInstallationString(kTextName));
    EXPECT_EQ(CString(""), app.GetSettingString(kTextName));

    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(Read(kInstallationKey, kTextName, type, data));
    EXPECT_EQ(std::string("C:\\Program Files\\Velmar Soft\\Tanzo", 35), data);
}

TEST(AppShareNetTest, RunTimeClassSitsOnCAppComm)
{
    class CShareNetApp : public CAppShareNet
    {
    public:
        void InitProfileName() override {}
        LPCTSTR GetWindowClassName() override { return nullptr; }
        LPCTSTR GetMutexName() override { return nullptr; }
    } app;
    const CRuntimeClass* pClass = app.GetRuntimeClass();
    EXPECT_STREQ("CAppShareNet", pClass->m_lpszClassName);
    EXPECT_STREQ("CAppComm", pClass->m_pBaseClass->m_lpszClassName);
    EXPECT_TRUE(app.IsKindOf(RUNTIME_CLASS(CWinApp)));
}
} // namespace
