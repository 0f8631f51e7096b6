#include <gtest/gtest.h>

#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/login/LoginSettingType.h"

namespace
{
const char kRoot[] = "Software\\Tanzo Login Setting Test";

class LoginSetting : public ::testing::Test
{
protected:
    LoginSetting()
    {
        AfxProfileDelete(kRoot, nullptr);
        app.SetRegistryKey("Tanzo Login Setting Test");
    }
    ~LoginSetting() override { AfxProfileDelete(kRoot, nullptr); }

    CWinApp app{"LoginSettingApp"};
};
} // namespace

TEST_F(LoginSetting, StoredValuesAndTheControllersTypes)
{
    struct Case
    {
        int stored;
        int type;
        int loginType;
    } cases[] = {
        {0, 0, CAuctionLoginController::LoginHttp},
        {1, 1, CAuctionLoginController::LoginBrowserFilled},
        {2, 2, CAuctionLoginController::LoginBrowserManual},
        {3, 0, CAuctionLoginController::LoginHttp},
        {5, 0, CAuctionLoginController::LoginHttp},
        {-1, 0, CAuctionLoginController::LoginHttp},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(app.WriteProfileInt("Settings", "LoginSettingType", c.stored));
        CLoginSettingType setting;
        setting.SetType(2);
        setting.LoadFromProfile(&app);
        EXPECT_EQ(c.type, setting.GetType()) << c.stored;
        EXPECT_EQ(c.loginType, setting.GetLoginType()) << c.stored;
    }
}

TEST_F(LoginSetting, MissingValueIsAutomaticAndSavingWritesTheType)
{
    CLoginSettingType setting;
    setting.SetType(1);
    setting.LoadFromProfile(&app);
    EXPECT_EQ(CLoginSettingType::Automatic, setting.GetType());

    setting.SetType(CLoginSettingType::Manual);
    setting.SaveToProfile(&app);
    EXPECT_EQ(2u, app.GetProfileInt("Settings", "LoginSettingType", 9));
    CLoginSettingType copy;
    copy = setting;
    EXPECT_EQ(CLoginSettingType::Manual, copy.GetType());
    copy.Clear();
    EXPECT_EQ(CLoginSettingType::Automatic, copy.GetType());
}

TEST_F(LoginSetting, Texts)
{
    const char* const texts[] = {"自動（推奨）", "半手動", "手動"};
    for (int type = 0; type < 3; ++type)
    {
        CString text;
        ASSERT_TRUE(CLoginSettingType::LoadLoginSettingTypeText(type, text)) << type;
        EXPECT_STREQ(texts[type], text);
    }
    CString text = "kept";
    EXPECT_FALSE(CLoginSettingType::LoadLoginSettingTypeText(3, text));
    EXPECT_FALSE(CLoginSettingType::LoadLoginSettingTypeText(-1, text));
    EXPECT_STREQ("kept", text);
}
