// The values of the listing-settings pages without their windows: what
// each reads from a profile (defaults, masks per mode and option, old and
// out-of-range values), what it saves, what it writes into a listing
// form, and when a page counts as untouched.

#include <gtest/gtest.h>

#include <string>

#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/DialogProfile.h"
#include "app/ProfileTestUtil.h"
#include "auction/records/AuctionChargeOption.h"
#include "auction/settings/AuctionListingForm.h"
#include "auction/settings/ChargeOptionControlValues.h"
#include "auction/settings/SubmitBasicSettings.h"
#include "auction/settings/SubmitBidLimitSettings.h"
#include "auction/settings/SubmitMarkdownSettings.h"
#include "auction/settings/SubmitPayEasyTradingSettings.h"
#include "auction/settings/SubmitPayNormalSettings.h"
#include "auction/settings/SubmitPostSettings.h"
#include "auction/settings/SubmitReturnPolicySettings.h"
#include "auction/settings/SubmitSettingPageState.h"
#include "net/ServiceHosts.h"
#include "text/Charset.h"

namespace
{
const char kRoot[] = "Software\\Tanzo Submit Settings Test";
const UINT kPage = 30512;

class SubmitSettings : public ::testing::Test
{
protected:
    SubmitSettings()
    {
        AfxProfileDelete(kRoot, nullptr);
        app.SetRegistryKey("Tanzo Submit Settings Test");
    }
    ~SubmitSettings() override { AfxProfileDelete(kRoot, nullptr); }

    void Store(LPCTSTR key, int value) { WriteDialogProfileInt(kPage, key, value); }
    void Store(LPCTSTR key, LPCTSTR value) { WriteDialogProfileString(kPage, key, value); }
    std::string Stored(LPCTSTR key) { return StoredProfileValue(app, GetDialogProfileSection(kPage), key); }

    CWinApp app{"SubmitSettingsApp"};
};

// A listing form whose fields all hold a marker, so that a field the
// settings leave alone shows.
class CMarkedForm : public CAuctionListingForm
{
public:
    CMarkedForm() : CAuctionListingForm(nullptr, CHARSET_UTF8)
    {
        for (int i = 0; i < LF_FIELD_COUNT; ++i)
            SetAt(i, "-");
    }
    std::string At(int i) const { return (LPCTSTR)GetAt(i); }
    // The fields that no longer hold the marker.
    std::string Written() const
    {
        std::string fields;
        for (int i = 0; i < LF_FIELD_COUNT; ++i)
        {
            if (GetAt(i) != "-")
                fields += (fields.empty() ? "" : " ") + std::to_string(i) + "=" + (LPCTSTR)GetAt(i);
        }
        return fields;
    }
};
} // namespace

TEST_F(SubmitSettings, UntouchedIsNeverShownOnlyDefaultsAndNoOlderSave)
{
    struct Case
    {
        const char* name;
        int permanentState; // -1: none stored
        int regVersion;     // 0: none stored
        BOOL bDefault;
        BOOL bUntouched;
        DWORD dwStateAfter;
    } cases[] = {
        {"never shown, defaults, fresh profile", -1, 0, TRUE, TRUE, 0},
        {"after one save by this version", -1, 3, TRUE, TRUE, 0},
        {"saved by a later version", -1, 7, TRUE, TRUE, 0},
        {"saved by version 2: shown then", -1, 2, TRUE, FALSE, 0x1},
        {"saved by version 1", -1, 1, TRUE, FALSE, 0},
        {"shown in an earlier run", 0x1, 3, TRUE, FALSE, 0x1},
        {"marked by the client", 0x2, 0, TRUE, FALSE, 0x2},
        {"values changed", -1, 0, FALSE, FALSE, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        AfxProfileDelete(kRoot, nullptr);
        if (c.permanentState >= 0)
            Store("PermanentStateVal", c.permanentState);
        CSubmitSettingPageState state(kPage);
        if (c.regVersion != 0)
        {
            EXPECT_TRUE(state.SetRegVersion(c.regVersion));
        }
        EXPECT_EQ(c.regVersion, state.GetRegVersion());
        EXPECT_EQ(c.bUntouched, state.IsUntouched(c.bDefault, state.GetRegVersion()));
        EXPECT_EQ(c.dwStateAfter, state.GetPermanentState().Get());
        state.SavePermanentState();
        EXPECT_EQ(std::to_string(c.dwStateAfter), Stored("PermanentStateVal"));
    }
}

TEST_F(SubmitSettings, BasicPageDefaultsSaveAndFields)
{
    CSubmitBasicSettings fresh(kPage);
    EXPECT_EQ(5, fresh.GetDuration());
    EXPECT_EQ(21, fresh.GetClosingTime());
    EXPECT_EQ(3, fresh.GetNumResubmit());
    EXPECT_EQ(3u, fresh.GetToggles());
    EXPECT_TRUE(fresh.IsDefault());
    CMarkedForm form;
    EXPECT_TRUE(fresh.Apply(form));
    EXPECT_EQ("53=5 54=21 55=3 58=yes 59=yes", form.Written());

    Store("ToggleVal", 0xfe); // only bits 1 and 2 count
    Store("Duration", 7);
    Store("ClosingTime", 0);
    Store("NumResubmit", 0);
    CSubmitBasicSettings stored(kPage);
    EXPECT_EQ(2u, stored.GetToggles());
    EXPECT_FALSE(stored.IsDefault());
    CMarkedForm storedForm;
    stored.Apply(storedForm);
    EXPECT_EQ("53=7 54=0 55=0 58= 59=yes", storedForm.Written());

    stored.SetDefaults();
    EXPECT_TRUE(stored.IsDefault());
    stored.Save();
    EXPECT_EQ("3", Stored("ToggleVal"));
    EXPECT_EQ("5", Stored("Duration"));
    EXPECT_EQ("21", Stored("ClosingTime"));
    EXPECT_EQ("3", Stored("NumResubmit"));
}

TEST_F(SubmitSettings, NumberOfResubmitsOutsideItsRangeIsThree)
{
    const struct
    {
        int value;
        int clamped;
    } cases[] = {{0, 0}, {2, 2}, {3, 3}, {4, 3}, {-1, 3}, {65535, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(c.clamped, CSubmitBasicSettings::ClampNumResubmit(c.value)) << c.value;
}

TEST_F(SubmitSettings, BidderLimitsByModeAndOption)
{
    struct Case
    {
        const char* name;
        DWORD options;
        int mode;
        int stored; // -1: nothing stored
        DWORD toggles;
        BOOL bDefault;
        const char* fields;
    } cases[] = {
        {"fresh, mode 0", 0, 0, -1, 0x3, TRUE, "62=0 63=yes 64="},
        {"fresh, mode 3", 0x1, 3, -1, 0x0, TRUE, "185="},
        {"mode 0 with the sales contract", 0x1, 0, 0xff, 0x17, FALSE, "62=0 63=yes 64=1 185=1"},
        {"mode 0 without it", 0, 0, 0xff, 0x7, FALSE, "62=0 63=yes 64=1"},
        {"mode 1 never keeps the contract", 0x1, 1, 0xff, 0x7, FALSE, "62=0 63=yes 64=1"},
        {"mode 3 with the option", 0x1, 3, 0xff, 0x10, FALSE, "185=1"},
        {"mode 3 without the option", 0, 3, 0xff, 0x0, TRUE, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        AfxProfileDelete(kRoot, nullptr);
        if (c.stored >= 0)
            Store("ToggleVal", c.stored);
        CSubmitBidLimitSettings settings(kPage, c.options, c.mode);
        EXPECT_EQ(c.toggles, settings.GetToggles());
        EXPECT_EQ(c.bDefault, settings.IsDefault());
        CMarkedForm form;
        settings.Apply(form);
        EXPECT_EQ(c.fields, form.Written());
    }
}

TEST_F(SubmitSettings, MarkdownRatioAndItsCheckAgainstResubmits)
{
    Store("MarkdownRatio", 7);
    Store("ToggleVal", 3);
    CSubmitMarkdownSettings settings(kPage);
    EXPECT_TRUE(settings.IsOn());
    EXPECT_EQ(0, settings.GetRatioIndex());
    CMarkedForm form;
    settings.Apply(form);
    EXPECT_EQ("56=1 57=5", form.Written());

    EXPECT_EQ(CSubmitMarkdownSettings::CheckNoResubmit, settings.CheckResubmits(0));
    EXPECT_EQ(CSubmitMarkdownSettings::CheckConfirm, settings.CheckResubmits(-1)); // no basic page
    EXPECT_EQ(CSubmitMarkdownSettings::CheckConfirm, settings.CheckResubmits(3));

    settings.SetRatioIndex(5);
    settings.Apply(form);
    EXPECT_EQ("30", form.At(LF_MARKDOWN_RATIO));
    settings.SetOn(FALSE);
    EXPECT_EQ(CSubmitMarkdownSettings::CheckPasses, settings.CheckResubmits(0));
    settings.Apply(form);
    EXPECT_EQ("56= 57=", form.Written());
    settings.Save();
    EXPECT_EQ("0", Stored("ToggleVal"));
    EXPECT_EQ("5", Stored("MarkdownRatio"));
    EXPECT_FALSE(settings.IsDefault());
    settings.SetDefaults();
    EXPECT_TRUE(settings.IsDefault());
}

TEST_F(SubmitSettings, PaymentBitsByModeOfBothPages)
{
    struct Case
    {
        const char* name;
        bool normal;
        int mode;
        int stored;
        DWORD bits;
        BOOL bDefault;
    } cases[] = {
        {"normal, mode 0, all bits stored", true, 0, 0x7ffff, 0x4000d, FALSE},
        {"normal, mode 2, all bits stored", true, 2, 0x7ffff, 0xd, FALSE},
        {"normal, mode 1", true, 1, 0x7ffff, 0x40000, TRUE},
        {"normal, mode 0, fresh", true, 0, -1, 0x40001, TRUE},
        {"normal, mode 2, fresh", true, 2, -1, 0x1, TRUE},
        {"normal, mode 5, fresh", true, 5, -1, 0x0, TRUE},
        {"easy trading, mode 0, all bits stored", false, 0, 0x7ffff, 0x40001, TRUE},
        {"easy trading, mode 0, none", false, 0, 0, 0x0, FALSE},
        {"easy trading, mode 3", false, 3, 0x7ffff, 0x1, TRUE},
        {"easy trading, mode 1, fresh", false, 1, -1, 0x40000, TRUE},
        {"easy trading, mode 3, fresh", false, 3, -1, 0x1, TRUE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        AfxProfileDelete(kRoot, nullptr);
        if (c.stored >= 0)
            Store("Aspj", c.stored);
        if (c.normal)
        {
            CSubmitPayNormalSettings settings(kPage, c.mode);
            EXPECT_EQ(c.bits, settings.GetBits());
            EXPECT_EQ(c.bDefault, settings.IsDefault());
        }
        else
        {
            CSubmitPayEasyTradingSettings settings(kPage, c.mode);
            EXPECT_EQ(c.bits, settings.GetBits());
            EXPECT_EQ(c.bDefault, settings.IsDefault());
        }
    }
}

TEST_F(SubmitSettings, NormalPaymentFieldsAndLists)
{
    Store("Aspj", 0x40005);
    Store("BankName01", "みずほ銀行");
    Store("BankName02", "ゆうちょ銀行");
    Store("OtherPayMethod01", "現金書留");
    {
        CSubmitPayNormalSettings mode2(kPage, 2);
        EXPECT_FALSE(mode2.IsDefault());
        CMarkedForm form;
        mode2.Apply(form);
        // Field 68 belongs to mode 0 and 1; the lists run to ten fields each.
        EXPECT_EQ("-", form.At(LF_YPM_OK));
        EXPECT_EQ("65=yes 66=yes 67= 70=みずほ銀行 71=ゆうちょ銀行 72= 73= 74= 75= 76= 77= 78= 79= "
                  "80=現金書留 81= 82= 83= 84= 85= 86= 87= 88= 89=",
                  form.Written());

        mode2.SetBits(0x4);
        mode2.Apply(form);
        EXPECT_EQ("", form.At(LF_BANK_NAME1)); // no bank names without bank transfer
        EXPECT_EQ("現金書留", form.At(LF_PAY_METHOD1));
        EXPECT_FALSE(mode2.HasNoPaymentChoice());
        EXPECT_FALSE(mode2.IsChoiceMissing(0, 0)); // the check is mode 0's
    }
    {
        CSubmitPayNormalSettings mode1(kPage, 1);
        EXPECT_EQ(0, mode1.GetBankNames().GetSize());
        CMarkedForm form;
        mode1.Apply(form);
        EXPECT_EQ("68=1", form.Written());
        mode1.SetBits(0);
        EXPECT_TRUE(mode1.HasNoPaymentChoice());
    }
    {
        CSubmitPayNormalSettings mode0(kPage, 0);
        EXPECT_TRUE(mode0.IsChoiceMissing(0, 0));
        EXPECT_FALSE(mode0.IsChoiceMissing(0, 1));
        EXPECT_FALSE(mode0.IsChoiceMissing(0x8, 0));
        CStringArray names;
        names.Add("三井住友銀行");
        mode0.SetBankNames(names);
        mode0.SetOtherMethods(CStringArray());
        mode0.Save();
        EXPECT_EQ("三井住友銀行", Stored("BankName01"));
        EXPECT_EQ("", Stored("BankName02"));
        EXPECT_EQ("", Stored("BankName10"));
        EXPECT_EQ("", Stored("OtherPayMethod01"));
        mode0.SetDefaults();
        EXPECT_TRUE(mode0.IsDefault());
    }
}

TEST_F(SubmitSettings, EasyTradingFieldsByMode)
{
    struct Case
    {
        int mode;
        DWORD bits;
        int bankIdMode;
        const char* fields;
        BOOL bNoChoice;
    } cases[] = {
        {0, 0x40001, CAuctionListingForm::BankIdCopy, "68=1", FALSE},
        {0, 0x40000, CAuctionListingForm::BankIdNamesOnly, "68=1", FALSE},
        {0, 0, CAuctionListingForm::BankIdNamesOnly, "68=", TRUE},
        {1, 0x40000, -1, "68=1", FALSE}, // the bank-ID mode stays as it was
        {3, 0x1, CAuctionListingForm::BankIdCopy, "", FALSE},
        {3, 0, CAuctionListingForm::BankIdNamesOnly, "", TRUE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.mode);
        CSubmitPayEasyTradingSettings settings(kPage, c.mode);
        settings.SetBits(c.bits);
        CMarkedForm form;
        form.SetBankIdInputMode(-1);
        settings.Apply(form);
        EXPECT_EQ(c.bankIdMode, form.GetBankIdInputMode());
        EXPECT_EQ(c.fields, form.Written());
        EXPECT_EQ(c.bNoChoice, settings.HasNoPaymentChoice());
        EXPECT_EQ(c.bNoChoice && c.mode == 0, settings.IsChoiceMissing(c.bits));
    }
}

TEST_F(SubmitSettings, ContactLinkGoesToTheConfiguredHost)
{
    EXPECT_EQ(CString("https://contact.auctions.yahoo.co.jp/setting/top?fnavi=2"),
              CSubmitPayEasyTradingSettings::GetContactSettingsURL());
    ASSERT_TRUE(SetServiceOrigin(HostContact, "http://127.0.0.1:4011"));
    EXPECT_EQ(CString("http://127.0.0.1:4011/setting/top?fnavi=2"),
              CSubmitPayEasyTradingSettings::GetContactSettingsURL());
    ResetServiceOrigins();
}

TEST_F(SubmitSettings, ShippingScheduleFromTheOlderKey)
{
    struct Case
    {
        const char* name;
        int rev2; // -1: missing
        int old;  // -1: missing
        int index;
    } cases[] = {
        {"only the old key, 2", -1, 2, 2},     {"only the old key, 3: the old version knew three", -1, 3, 0},
        {"the new key wins", 3, 1, 3},         {"a negative new key: the old one", -5, 1, 1},
        {"the new key out of range", 4, 1, 0}, {"neither", -1, -1, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        AfxProfileDelete(kRoot, nullptr);
        if (c.rev2 != -1)
            Store("ShipSchedule_Rev2", c.rev2);
        if (c.old != -1)
            Store("ShipSchedule", c.old);
        CSubmitPostSettings settings(kPage, CSubmitPostSettings::OptionSchedule, 0);
        EXPECT_EQ(c.index, settings.GetSchedule());
    }

    AfxProfileDelete(kRoot, nullptr);
    Store("ShipSchedule", 2);
    Store("ToggleVal", 0x10);
    CSubmitPostSettings settings(kPage, CSubmitPostSettings::OptionSchedule, 0);
    CMarkedForm form;
    settings.Apply(form);
    EXPECT_EQ("5", form.At(LF_SHIP_SCHEDULE));
    EXPECT_EQ("payment", form.At(LF_SHIP_TIME));
    EXPECT_EQ("", form.At(LF_YPK_OK)); // the newer form has no delivery option
    settings.Save();
    EXPECT_EQ("2", Stored("ShipSchedule_Rev2"));
    EXPECT_EQ("(none)", Stored("ShipTime"));

    // Without the option the schedule is neither read nor kept.
    CSubmitPostSettings older(kPage, 0, 0);
    EXPECT_EQ(0, older.GetSchedule());
}

TEST_F(SubmitSettings, PrefectureOutsideThePagesListIsTokyo)
{
    struct Case
    {
        int stored;
        int count;
        int location;
    } cases[] = {
        {0, 47, 13}, {48, 47, 13}, {48, 48, 48}, {1, 47, 1}, {47, 47, 47}, {-3, 47, 13},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.stored) + " of " + std::to_string(c.count));
        Store("LocCd", c.stored);
        CSubmitPostSettings settings(kPage, 0, 0);
        settings.SetPrefectureCount(c.count);
        EXPECT_EQ(c.location, settings.GetLocation());
        EXPECT_EQ(c.location == 13, settings.IsDefault());
        CMarkedForm form;
        settings.Apply(form);
        EXPECT_EQ(std::to_string(c.location), form.At(LF_LOCATION));
    }
}

TEST_F(SubmitSettings, ShippingFieldsByModeAndOption)
{
    Store("Shipping", 1);
    Store("ShipTime", 1);
    Store("ShipSchedule_Rev2", 1);
    Store("ToggleVal", 0xff);
    Store("LocCd", 27);
    Store("City", "大阪市");
    struct Case
    {
        const char* name;
        DWORD options;
        int mode;
        DWORD toggles;
        const char* fields;
    } cases[] = {
        {"mode 0", 0, 0, 0xa, "60=seller 61=close 90=1 91=1 92=27 93=大阪市 183="},
        {"mode 0, schedule", 0x1, 0, 0x12, "60=seller 61=payment 90=1 91= 92=27 93=大阪市 183=4"},
        {"mode 1", 0, 1, 0x2, "60=seller 90=1 92=27 93=大阪市"},
        {"mode 2", 0, 2, 0x8, "61=close 91=1"},
        {"mode 2, schedule", 0x1, 2, 0x0, "91="},
        {"mode 3, schedule", 0x1, 3, 0x10, "183=4"},
        {"mode 3 without it", 0, 3, 0x0, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSubmitPostSettings settings(kPage, c.options, c.mode);
        EXPECT_EQ(c.toggles, settings.GetToggles());
        CMarkedForm form;
        settings.Apply(form);
        EXPECT_EQ(c.fields, form.Written());
    }

    CSubmitPostSettings unticked(kPage, CSubmitPostSettings::OptionSchedule, 3);
    unticked.SetToggles(0);
    CMarkedForm form;
    unticked.Apply(form);
    EXPECT_EQ("183=", form.Written());
}

TEST_F(SubmitSettings, ShippingSaveKeepsOnlyTheModesValues)
{
    CSubmitPostSettings mode2(kPage, 0, 2);
    mode2.SetShipTime(1);
    mode2.SetToggles(0xff);
    mode2.SetCity("横浜市"); // not the mode's
    mode2.Save();
    EXPECT_EQ("1", Stored("ShipTime"));
    EXPECT_EQ("8", Stored("ToggleVal"));
    EXPECT_EQ("(none)", Stored("City"));
    EXPECT_EQ("(none)", Stored("LocCd"));

    CSubmitPostSettings mode0(kPage, 0, 0);
    EXPECT_FALSE(mode0.IsDefault());
    mode0.SetDefaults();
    EXPECT_TRUE(mode0.IsDefault());
    mode0.Save();
    EXPECT_EQ("13", Stored("LocCd"));
    EXPECT_EQ("0", Stored("Shipping"));
    EXPECT_EQ("", Stored("City"));
}

TEST_F(SubmitSettings, ReturnPolicyIsNeverAnEmptyField)
{
    CSubmitReturnPolicySettings fresh(kPage);
    EXPECT_TRUE(fresh.IsDefault());
    CMarkedForm form;
    fresh.Apply(form);
    EXPECT_EQ("94=0 95=", form.Written());

    fresh.SetPolicy(2);
    fresh.SetNote("未使用品に限ります");
    fresh.Save();
    CSubmitReturnPolicySettings stored(kPage);
    EXPECT_FALSE(stored.IsDefault());
    stored.Apply(form);
    EXPECT_EQ("94=1 95=未使用品に限ります", form.Written());
}

TEST(ChargeOptionControls, InitialValuesOfTheRecord)
{
    struct Case
    {
        const char* name;
        int featured;
        LONGLONG reserve;
        LONGLONG minimum;
        int gift;
        int cpa;
        DWORD bits;
        ChargeOptionControlValues expected;
    };
    auto values = [](BOOL bFeatured, int nFeatured, BOOL bReserve, LONGLONG nReserve, BOOL bGift, int nGift,
                     BOOL bCpa, int nWhole, int nFraction, DWORD dwBits)
    {
        ChargeOptionControlValues v;
        v.bFeatured = bFeatured;
        v.nFeaturedAmount = nFeatured;
        v.bReserve = bReserve;
        v.nReservePrice = nReserve;
        v.bGift = bGift;
        v.nGiftIndex = nGift;
        v.bCpa = bCpa;
        v.nCpaWhole = nWhole;
        v.nCpaFraction = nFraction;
        v.bBold = (dwBits & 0x1) != 0;
        v.bHighlight = (dwBits & 0x2) != 0;
        v.bWrapping = (dwBits & 0x8) != 0;
        v.bAffiliate = (dwBits & 0x10000000) != 0;
        return v;
    };
    const Case cases[] = {
        {"nothing set", 0, 0, 1, 0, 0, 0, values(FALSE, 20, FALSE, 1, FALSE, 0, FALSE, 1, 0, 0)},
        {"reserve 0 with minimum 1000", 0, 0, 1000, 0, 0, 0,
         values(FALSE, 20, FALSE, 1000, FALSE, 0, FALSE, 1, 0, 0)},
        {"reserve 500 with minimum 1000", 0, 500, 1000, 0, 0, 0,
         values(FALSE, 20, TRUE, 1000, FALSE, 0, FALSE, 1, 0, 0)},
        {"featured 10 is raised to 20", 10, 0, 1, 0, 0, 0,
         values(TRUE, 20, FALSE, 1, FALSE, 0, FALSE, 1, 0, 0)},
        {"featured 150", 150, 0, 1, 0, 0, 0, values(TRUE, 150, FALSE, 1, FALSE, 0, FALSE, 1, 0, 0)},
        {"gift icon 9 is not one", 0, 0, 1, 9, 0, 0, values(FALSE, 20, FALSE, 1, FALSE, 0, FALSE, 1, 0, 0)},
        {"gift icons 2 and 8", 0, 0, 1, 8, 0, 0, values(FALSE, 20, FALSE, 1, TRUE, 6, FALSE, 1, 0, 0)},
        {"CPA 35", 0, 0, 1, 0, 35, 0, values(FALSE, 20, FALSE, 1, FALSE, 0, TRUE, 3, 5, 0)},
        {"CPA 5 is raised to 1.0", 0, 0, 1, 0, 5, 0, values(FALSE, 20, FALSE, 1, FALSE, 0, TRUE, 1, 0, 0)},
        {"option bits", 0, 0, 1, 0, 0, 0x1000000b,
         values(FALSE, 20, FALSE, 1, FALSE, 0, FALSE, 1, 0, 0x1000000b)},
        {"other bits show nothing", 0, 0, 1, 0, 0, 0x4,
         values(FALSE, 20, FALSE, 1, FALSE, 0, FALSE, 1, 0, 0)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CAuctionChargeOption option;
        option.SetFeaturedAmount(c.featured);
        option.SetReservePrice(c.reserve);
        option.SetGiftIcon(c.gift);
        option.SetCpaRate(c.cpa);
        option.SetOptionBits(c.bits);
        const ChargeOptionControlValues v = GetChargeOptionControlValues(option, c.minimum);
        const ChargeOptionControlValues& e = c.expected;
        EXPECT_EQ(e.bFeatured, v.bFeatured);
        EXPECT_EQ(e.nFeaturedAmount, v.nFeaturedAmount);
        EXPECT_EQ(e.bReserve, v.bReserve);
        EXPECT_EQ(e.nReservePrice, v.nReservePrice);
        EXPECT_EQ(e.bGift, v.bGift);
        EXPECT_EQ(e.nGiftIndex, v.nGiftIndex);
        EXPECT_EQ(e.bCpa, v.bCpa);
        EXPECT_EQ(e.nCpaWhole, v.nCpaWhole);
        EXPECT_EQ(e.nCpaFraction, v.nCpaFraction);
        EXPECT_EQ(e.bBold, v.bBold);
        EXPECT_EQ(e.bHighlight, v.bHighlight);
        EXPECT_EQ(e.bWrapping, v.bWrapping);
        EXPECT_EQ(e.bAffiliate, v.bAffiliate);
    }
}
