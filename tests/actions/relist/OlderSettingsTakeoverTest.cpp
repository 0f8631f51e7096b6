// The detailed re-listing pages take over what an older release kept for
// payment and shipping: once per page, only from a section that was used,
// and each page only the values of its own mode.
#include <gtest/gtest.h>

#include <string>

#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/DialogProfile.h"
#include "app/ProfileTestUtil.h"
#include "auction/settings/SubmitPayNormalSettings.h"
#include "auction/settings/SubmitPostSettings.h"
#include "client/actions/relist/OlderSettingsTakeover.h"

namespace
{
const char kRoot[] = "Software\\Tanzo Older Settings Test";
const UINT kPage = 30180;
const UINT kSubPage = 30288;

class OlderSettingsTakeover : public ::testing::Test
{
protected:
    OlderSettingsTakeover()
    {
        AfxProfileDelete(kRoot, nullptr);
        app.SetRegistryKey("Tanzo Older Settings Test");
    }
    ~OlderSettingsTakeover() override { AfxProfileDelete(kRoot, nullptr); }

    std::string Stored(UINT nId, LPCTSTR key)
    {
        return StoredProfileValue(app, GetDialogProfileSection(nId), key);
    }
    int Takeover(UINT nPage, UINT nOlder)
    {
        int nCopies = 0;
        TakeOverOlderSettings(nPage, nOlder, [&] { ++nCopies; });
        return nCopies;
    }

    CWinApp app{"OlderSettingsApp"};
};
} // namespace

TEST_F(OlderSettingsTakeover, OnceAndOnlyFromAUsedSection)
{
    const struct
    {
        int olderState; // -1: the older section has none
        int copies;
    } cases[] = {{-1, 0}, {0, 0}, {2, 0}, {1, 1}, {3, 1}, {0x7, 1}};
    for (const auto& c : cases)
    {
        AfxProfileDelete(kRoot, nullptr);
        if (c.olderState >= 0)
            WriteDialogProfileInt(IDD_OLDER_PAY_SETTINGS, "PermanentStateVal", c.olderState);
        EXPECT_EQ(c.copies, Takeover(kPage, IDD_OLDER_PAY_SETTINGS)) << c.olderState;
        EXPECT_EQ("1", Stored(kPage, "InheritRegVal")) << c.olderState;
        // The next start copies nothing, whatever the older section says.
        EXPECT_EQ(0, Takeover(kPage, IDD_OLDER_PAY_SETTINGS)) << c.olderState;
    }

    // Each page keeps its own mark.
    AfxProfileDelete(kRoot, nullptr);
    WriteDialogProfileInt(IDD_OLDER_PAY_SETTINGS, "PermanentStateVal", 1);
    EXPECT_EQ(1, Takeover(kPage, IDD_OLDER_PAY_SETTINGS));
    EXPECT_EQ(1, Takeover(kSubPage, IDD_OLDER_PAY_SETTINGS));
    EXPECT_EQ("(none)", Stored(IDD_OLDER_PAY_SETTINGS, "InheritRegVal"));
}

TEST_F(OlderSettingsTakeover, PaymentBitsByModeAndTheLists)
{
    const struct
    {
        int older; // -1: none stored
        int mode;
        DWORD bits;
        DWORD expected;
    } cases[] = {
        {-1, 1, 0x40000, 0x40000}, {-1, 2, 0xD, 0x1},    {0x4000d, 1, 0x40000, 0x40000},
        {0x4000d, 2, 0xD, 0xD},    {0x5, 1, 0x40000, 0}, {0x7ffff, 2, 0xD, 0xD},
    };
    for (const auto& c : cases)
    {
        AfxProfileDelete(kRoot, nullptr);
        if (c.older >= 0)
            WriteDialogProfileInt(IDD_OLDER_PAY_SETTINGS, "Aspj", c.older);
        CSubmitPayNormalSettings settings(kPage, c.mode);
        TakeOlderPayment(settings, IDD_OLDER_PAY_SETTINGS, c.bits);
        EXPECT_EQ(c.expected, settings.GetBits()) << c.older << " mode " << c.mode;
    }

    AfxProfileDelete(kRoot, nullptr);
    WriteDialogProfileString(IDD_OLDER_PAY_SETTINGS, "BankName01", "ゆうちょ銀行");
    WriteDialogProfileString(IDD_OLDER_PAY_SETTINGS, "BankName02", "新生銀行");
    WriteDialogProfileString(IDD_OLDER_PAY_SETTINGS, "OtherPayMethod01", "現金手渡し");
    CSubmitPayNormalSettings normal(kSubPage, 2);
    TakeOlderPayment(normal, IDD_OLDER_PAY_SETTINGS, 0xD);
    ASSERT_GE(normal.GetBankNames().GetSize(), 2);
    ASSERT_GE(normal.GetOtherMethods().GetSize(), 1);
    EXPECT_STREQ("ゆうちょ銀行", normal.GetBankNames()[0]);
    EXPECT_STREQ("新生銀行", normal.GetBankNames()[1]);
    EXPECT_STREQ("現金手渡し", normal.GetOtherMethods()[0]);
    normal.Save();
    EXPECT_EQ("新生銀行", Stored(kSubPage, "BankName02"));
    EXPECT_EQ("現金手渡し", Stored(kSubPage, "OtherPayMethod01"));

    // The container page keeps no lists: none are written into its section.
    CSubmitPayNormalSettings container(kPage, 1);
    TakeOlderPayment(container, IDD_OLDER_PAY_SETTINGS, 0x40000);
    container.Save();
    EXPECT_EQ("(none)", Stored(kPage, "BankName01"));
}

TEST_F(OlderSettingsTakeover, ShippingValuesByMode)
{
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "ToggleVal", 0xA);
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "Shipping", 1);
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "LocCd", 48);
    WriteDialogProfileString(IDD_OLDER_POST_SETTINGS, "City", "那覇市");
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "ShipTime", 1);

    CSubmitPostSettings place(kPage, 0, 1);
    place.SetPrefectureCount(48);
    TakeOlderShipping(place, IDD_OLDER_POST_SETTINGS, 0x2);
    EXPECT_EQ(0x2u, place.GetToggles());
    EXPECT_EQ(1, place.GetSellerPays());
    EXPECT_EQ(48, place.GetLocation());
    EXPECT_STREQ("那覇市", place.GetCity());
    EXPECT_EQ(0, place.GetShipTime());

    CSubmitPostSettings normal(kSubPage, 0, 2);
    TakeOlderShipping(normal, IDD_OLDER_POST_SETTINGS, 0x8);
    EXPECT_EQ(0x8u, normal.GetToggles());
    EXPECT_EQ(1, normal.GetShipTime());
    EXPECT_EQ(0, normal.GetSellerPays());
    EXPECT_STREQ("", normal.GetCity());

    // Missing older values are the defaults.
    AfxProfileDelete(kRoot, nullptr);
    CSubmitPostSettings fresh(kPage, 0, 1);
    TakeOlderShipping(fresh, IDD_OLDER_POST_SETTINGS, 0x2);
    EXPECT_TRUE(fresh.IsDefault());
    EXPECT_EQ(13, fresh.GetLocation());
}
