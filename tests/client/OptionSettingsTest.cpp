// The client's options in the profile: what a stored value reads as, what
// goes back, and the rules of the accessors.
#include <gtest/gtest.h>

#include "afx/Profile.h"
#include "app/ProfileTestUtil.h"
#include "app/TestAppComm.h"
#include "client/OptionSettings.h"

namespace
{
const char kRegistryKey[] = "Tanzo Option Test";
const char kRoot[] = "Software\\Tanzo Option Test";

class Options : public ::testing::Test
{
protected:
    Options()
    {
        AfxProfileDelete(kRoot, nullptr);
        app.SetRegistryKey(kRegistryKey);
        app.InitProfileName();
    }
    ~Options() override { AfxProfileDelete(kRoot, nullptr); }

    std::string Stored(LPCTSTR key) const { return StoredProfileValue(app, "Settings", key); }

    CTestAppComm app{"OptionTest"};
};
} // namespace

TEST_F(Options, AnEmptyProfileGivesTheDefaults)
{
    COptionSettings options;
    EXPECT_EQ(0x3Fu, options.MaskOptionBits(0xFFFFFFFF));
    EXPECT_EQ(4, options.GetFontSizeType());
    EXPECT_EQ(2, options.GetToolBarFormat());
    EXPECT_EQ(0, options.GetType());
    EXPECT_EQ(0u, options.TestFindOptions(COptionSettings::FindMatchCase));
    const COLORREF defaults[] = {0x000000, 0xFF0000, 0xFFFFFF, 0xC0C0C0, 0x000080, 0xF8E0D0,
                                 0x808080, 0x78E0FF, 0xFFB0B0, 0xFFB0B0, 0xB0B0FF, 0xF8E0E0};
    for (int i = 0; i < COptionSettings::ColorCount; ++i)
    {
        EXPECT_EQ(defaults[i], options.GetColor(i)) << i;
        EXPECT_EQ(defaults[i], options.GetColor(i, TRUE)) << i;
    }
}

TEST_F(Options, StoredValuesOutsideTheirRangeAreCorrected)
{
    const struct
    {
        LPCTSTR key;
        int stored;
        int read;
    } cases[] = {
        {"OptionValue", 0xFF, 0x3F}, {"OptionValue", 0x14, 0x14}, {"OptionValue", 0x40, 0},
        {"FontSizeType", 7, 4},      {"FontSizeType", -1, 4},     {"FontSizeType", 6, 6},
        {"FontSizeType", 0, 0},      {"ToolBarDispFormat", 3, 2}, {"ToolBarDispFormat", -1, 2},
        {"ToolBarDispFormat", 0, 0}, {"LoginSettingType", 5, 0},  {"LoginSettingType", 2, 2},
        {"FindOption", 3, 1},        {"FindOption", 2, 0},
    };
    for (const auto& c : cases)
    {
        AfxProfileDelete(kRoot, nullptr);
        app.WriteSettingInt(c.key, c.stored);
        int read = 0;
        {
            COptionSettings options;
            const CString key = c.key;
            if (key == "OptionValue")
                read = (int)options.MaskOptionBits(0xFFFFFFFF);
            else if (key == "FontSizeType")
                read = options.GetFontSizeType();
            else if (key == "ToolBarDispFormat")
                read = options.GetToolBarFormat();
            else if (key == "LoginSettingType")
                read = options.GetType();
            else
                read = (int)options.TestFindOptions(0xFFFFFFFF);
        }
        EXPECT_EQ(c.read, read) << c.key << " = " << c.stored;
        // What was read is what goes back.
        EXPECT_EQ(std::to_string(c.read), Stored(c.key)) << c.key << " = " << c.stored;
    }
}

TEST_F(Options, WhatIsChangedReachesTheProfileWhenTheRecordGoes)
{
    {
        COptionSettings options;
        EXPECT_TRUE(options.RemoveOptionBits(COptionSettings::OptionConfirmRated));
        EXPECT_TRUE(options.SetFontSizeType(0));
        EXPECT_TRUE(options.SetToolBarFormat(1));
        options.SetType(CLoginSettingType::Manual);
        options.AddFindOptions(COptionSettings::FindMatchCase);
        EXPECT_TRUE(options.SetColor(COptionSettings::ColorToolBarBg, 0x123456));
        // Nothing written yet.
        EXPECT_EQ("(none)", Stored("OptionValue"));
    }
    EXPECT_EQ(std::to_string(0x3B), Stored("OptionValue"));
    EXPECT_EQ("0", Stored("FontSizeType"));
    EXPECT_EQ("1", Stored("ToolBarDispFormat"));
    EXPECT_EQ("2", Stored("LoginSettingType"));
    EXPECT_EQ("1", Stored("FindOption"));
    EXPECT_EQ(std::to_string(0x123456), Stored("ColorToolBarBg"));
    EXPECT_EQ(std::to_string(0x78E0FF), Stored("ColorPageBgSelling"));

    COptionSettings again;
    EXPECT_EQ(0x3Bu, again.MaskOptionBits(0xFF));
    EXPECT_EQ(0, again.GetFontSizeType());
    EXPECT_EQ(4, again.GetFontSizeType(TRUE));
    EXPECT_EQ(1, again.GetToolBarFormat());
    EXPECT_EQ(2, again.GetToolBarFormat(TRUE));
    EXPECT_EQ(2, again.GetType());
    EXPECT_EQ(0x123456u, again.GetColor(COptionSettings::ColorToolBarBg));
    EXPECT_EQ(0xF8E0E0u, again.GetColor(COptionSettings::ColorToolBarBg, TRUE));
}

TEST_F(Options, AccessorsTellWhetherAnythingChanged)
{
    COptionSettings options;
    // Adding: refused when any of the bits is set already.
    EXPECT_FALSE(options.AddOptionBits(0x04 | 0x08));
    EXPECT_TRUE(options.RemoveOptionBits(0x04));
    EXPECT_FALSE(options.AddOptionBits(0x04 | 0x08));
    EXPECT_EQ(0u, options.MaskOptionBits(0x04));
    EXPECT_TRUE(options.RemoveOptionBits(0x08));
    EXPECT_TRUE(options.AddOptionBits(0x04 | 0x08));
    // Removing: refused only when none of them is set.
    EXPECT_TRUE(options.RemoveOptionBits(0x04 | 0x40));
    EXPECT_FALSE(options.RemoveOptionBits(0x04));
    EXPECT_EQ(0x3Bu, options.MaskOptionBits(0xFF));
    EXPECT_EQ(0x3Fu, options.MaskOptionBits(0xFF, TRUE));

    EXPECT_FALSE(options.SetFontSizeType(4));
    EXPECT_TRUE(options.SetFontSizeType(2));
    EXPECT_TRUE(options.SetFontSizeType(9)); // the default
    EXPECT_EQ(4, options.GetFontSizeType());
    EXPECT_FALSE(options.SetToolBarFormat(2));
    EXPECT_FALSE(options.SetColor(0, 0x000000));
    EXPECT_FALSE(options.SetColor(12, 0x000001));
    EXPECT_EQ(0u, options.GetColor(12));
    EXPECT_EQ(nullptr, COptionSettings::GetColorKey(12));
    EXPECT_STREQ("OtherColorPageBgWon", COptionSettings::GetCustomColorKey(COptionSettings::ColorPageBgWon));
}

TEST(FontSizes, TheTableOfSizes)
{
    const int sizes[] = {150, 130, 120, 110, 100, 90, 80};
    for (int i = 0; i < 7; ++i)
    {
        int size = 0;
        EXPECT_TRUE(COptionSettings::GetFontSize(i, size));
        EXPECT_EQ(sizes[i], size);
    }
    int size = -5;
    EXPECT_FALSE(COptionSettings::GetFontSize(7, size));
    EXPECT_FALSE(COptionSettings::GetFontSize(-1, size));
    EXPECT_EQ(-5, size);
    const COptionSettings::FontSizeRow* row = COptionSettings::GetFontSizeRow(4);
    ASSERT_NE(nullptr, row);
    EXPECT_EQ(1156u, row->idsName);
    EXPECT_EQ(22, row->listValue1);
    EXPECT_EQ(24, row->listValue2);
    EXPECT_EQ(360, row->sampleWidth);
    EXPECT_EQ(26, row->sampleHeight);
}
