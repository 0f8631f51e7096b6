// The application profile: values written through CWinApp land under
// Software\<key>\<profile>\<section> and read back with their types; the
// native build keeps the same tree in memory, Windows in the registry.
#include "afx/Profile.h"
#include "afx/WinApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
const char kRoot[] = "Software\\Tanzo Profile Test";

class ProfileTest : public ::testing::Test
{
protected:
    ProfileTest()
    {
        AfxProfileDelete(kRoot, nullptr);
        app.SetRegistryKey("Tanzo Profile Test");
    }
    ~ProfileTest() override { AfxProfileDelete(kRoot, nullptr); }

    CWinApp app{"ProfileApp"};
};

TEST_F(ProfileTest, RegistryKeyNamesTheTreeAndTheProfile)
{
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_STREQ("Tanzo Profile Test", app.m_pszRegistryKey);
    EXPECT_STREQ("ProfileApp", app.m_pszProfileName);
    EXPECT_EQ(CString("Software\\Tanzo Profile Test\\ProfileApp\\Settings"),
              app.GetProfileSectionKey("Settings"));

    // A program replaces the profile name as MFC programs do.
    free((void*)app.m_pszProfileName);
    app.m_pszProfileName = strdup("Tanzo3");
    ASSERT_TRUE(app.WriteProfileInt("Settings", "UserCount", 3));

    DWORD dwType = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(
        AfxProfileRead("Software\\Tanzo Profile Test\\Tanzo3\\Settings", "UserCount", &dwType, &data));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    ASSERT_EQ(4u, data.size());
    EXPECT_EQ(3, data[0]);
}

TEST_F(ProfileTest, ValuesRoundTripWithTheirTypes)
{
    ASSERT_TRUE(app.WriteProfileInt("Settings", "Count", -5));
    ASSERT_TRUE(app.WriteProfileString("Settings", "Name", "表示ソフト"));
    BYTE bytes[] = {0x00, 0x5C, 0xFF, 0x00};
    ASSERT_TRUE(app.WriteProfileBinary("Bar\\State", "Data", bytes, sizeof(bytes)));

    EXPECT_EQ((UINT)-5, app.GetProfileInt("Settings", "Count", 7));
    EXPECT_EQ(CString("表示ソフト"), app.GetProfileString("Settings", "Name"));
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Bar\\State", "Data", &pData, &nBytes));
    std::unique_ptr<BYTE[]> owned(pData);
    ASSERT_EQ(sizeof(bytes), nBytes);
    EXPECT_EQ(0, std::memcmp(bytes, pData, nBytes));

    // Names compare without regard to case, as the registry's do.
    EXPECT_EQ((UINT)-5, app.GetProfileInt("SETTINGS", "count", 7));

    // Overwriting changes the type.
    ASSERT_TRUE(app.WriteProfileString("Settings", "Count", "12"));
    EXPECT_EQ(CString("12"), app.GetProfileString("Settings", "Count"));
}

TEST_F(ProfileTest, MissingOrMistypedValuesReadAsTheDefault)
{
    EXPECT_EQ(42u, app.GetProfileInt("Settings", "Missing", 42));
    EXPECT_EQ(CString(""), app.GetProfileString("Settings", "Missing"));
    EXPECT_EQ(CString("def"), app.GetProfileString("Settings", "Missing", "def"));
    BYTE* pData = reinterpret_cast<BYTE*>(1);
    UINT nBytes = 9;
    EXPECT_FALSE(app.GetProfileBinary("Settings", "Missing", &pData, &nBytes));
    EXPECT_EQ(nullptr, pData);
    EXPECT_EQ(0u, nBytes);

    // A text is not an integer and an integer is not a text.
    app.WriteProfileString("Settings", "Text", "12");
    app.WriteProfileInt("Settings", "Number", 12);
    EXPECT_EQ(1u, app.GetProfileInt("Settings", "Text", 1));
    EXPECT_EQ(CString("x"), app.GetProfileString("Settings", "Number", "x"));
    EXPECT_FALSE(app.GetProfileBinary("Settings", "Text", &pData, &nBytes));

    // An empty text is a value, not a missing one.
    app.WriteProfileString("Settings", "Empty", "");
    EXPECT_EQ(CString(""), app.GetProfileString("Settings", "Empty", "def"));
}

TEST_F(ProfileTest, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    app.WriteProfileString("Dialog\\152", "Width", "300");
    app.WriteProfileString("Dialog\\152", "Height", "200");
    app.WriteProfileString("Settings", "Keep", "yes");

    ASSERT_TRUE(app.WriteProfileString("Dialog\\152", "Width", nullptr));
    EXPECT_EQ(CString("gone"), app.GetProfileString("Dialog\\152", "Width", "gone"));
    EXPECT_EQ(CString("200"), app.GetProfileString("Dialog\\152", "Height"));

    ASSERT_TRUE(app.WriteProfileString("Dialog\\152", nullptr, nullptr));
    EXPECT_EQ(CString("gone"), app.GetProfileString("Dialog\\152", "Height", "gone"));
    EXPECT_EQ(CString("yes"), app.GetProfileString("Settings", "Keep"));
}

TEST_F(ProfileTest, EmptyBinaryIsAValue)
{
    ASSERT_TRUE(app.WriteProfileBinary("Settings", "Blob", nullptr, 0));
    BYTE* pData = nullptr;
    UINT nBytes = 5;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &pData, &nBytes));
    delete[] pData;
    EXPECT_EQ(0u, nBytes);
}

TEST(ProfileApp, TheLatestApplicationIsTheCurrentOne)
{
    {
        CWinApp first("First");
        EXPECT_EQ(&first, AfxGetApp());
        EXPECT_STREQ("First", AfxGetAppName());
        EXPECT_NE(nullptr, first.m_pszExeName);
    }
    EXPECT_EQ(nullptr, AfxGetApp());
}
} // namespace
