// Colour helpers and the entries of the colour combo: HTML texts, shifts,
// brightness, and which entry a colour selects in each shade.
#include "text/Colors.h"
#include "text/ColorComboEntries.h"

#include <gtest/gtest.h>

TEST(Colors, HtmlTextUsesKeywordsOnlyWhenAskedAndWritesRedFirst)
{
    struct Case
    {
        COLORREF color;
        BOOL bNames;
        const char* text;
    } cases[] = {
        {0x808000, TRUE, "teal"},     {0x808000, FALSE, "#008080"}, {0x0000FF, TRUE, "red"},
        {0x0000FF, FALSE, "#FF0000"}, {0xFF00FF, TRUE, "fuchsia"},  {0x123456, TRUE, "#563412"},
        {0x000000, TRUE, "black"},    {0xFFFFFF, TRUE, "white"},    {(COLORREF)-1, TRUE, "#FFFFFF"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, ColorToHtmlText(c.color, c.bNames)) << std::hex << c.color << " " << c.bNames;
}

TEST(Colors, ShiftClampsEachChannel)
{
    struct Case
    {
        COLORREF color;
        int nDelta;
        COLORREF result;
    } cases[] = {
        {RGB(224, 240, 255), 32, RGB(255, 255, 255)},
        {RGB(10, 200, 255), -300, RGB(0, 0, 0)},
        {RGB(10, 20, 30), 48, RGB(58, 68, 78)},
        {RGB(100, 30, 250), -48, RGB(52, 0, 202)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, ShiftColor(c.color, c.nDelta))
            << std::hex << c.color << " by " << std::dec << c.nDelta;
}

TEST(Colors, BrightnessAndClosenessAtTheirEdges)
{
    EXPECT_FALSE(IsBrightColor(RGB(128, 128, 128))); // 384
    EXPECT_TRUE(IsBrightColor(RGB(129, 128, 128)));
    EXPECT_TRUE(IsBrightColor(RGB(255, 255, 255)));
    EXPECT_FALSE(IsBrightColor(0x800000)); // navy

    EXPECT_TRUE(IsNearBlack(RGB(47, 47, 47)));
    EXPECT_FALSE(IsNearBlack(RGB(48, 0, 0)));
    EXPECT_TRUE(IsNearWhite(RGB(223, 255, 255)));
    EXPECT_FALSE(IsNearWhite(RGB(255, 222, 255)));
    EXPECT_TRUE(ColorsClose(RGB(10, 20, 30), RGB(15, 15, 35), 5));
    EXPECT_FALSE(ColorsClose(RGB(10, 20, 30), RGB(15, 15, 36), 5));
}

TEST(ColorComboEntries, IndexAndColourAreInversesInEachShade)
{
    for (int nShade : {COLOR_SHADE_NORMAL, COLOR_SHADE_DARK, COLOR_SHADE_LIGHT})
    {
        CColorComboEntries entries;
        entries.SetShade(nShade);
        for (int i = 0; i < COLOR_COMBO_FIXED_COUNT; ++i)
        {
            COLORREF c = entries.ColorOfIndex(i);
            int nIndex = entries.IndexOfColor(c);
            // Two fixed entries may share a colour (black in the dark shade).
            EXPECT_EQ(c, entries.ColorOfIndex(nIndex)) << "shade " << nShade << " index " << i;
            EXPECT_LE(nIndex, i);
        }
    }
    EXPECT_EQ(0x0000B0u, FixedComboColor(0, COLOR_SHADE_DARK));
    EXPECT_EQ(0x78E0FFu, FixedComboColor(1, COLOR_SHADE_LIGHT));
    EXPECT_EQ(0x808080u, FixedComboColor(12, 7)); // any other shade is normal
    EXPECT_EQ((COLORREF)-1, FixedComboColor(14, COLOR_SHADE_NORMAL));
}

TEST(ColorComboEntries, SelectingAColourOutsideTheShadeFallsToTheOtherEntry)
{
    CColorComboEntries entries;
    entries.SetOtherEntry(TRUE);
    entries.SetShade(COLOR_SHADE_DARK);
    // Pure red is a normal-shade colour: the other entry takes it.
    EXPECT_EQ(14, entries.ChooseIndexFor(0x0000FF));
    EXPECT_EQ(0x0000FFu, entries.GetOtherColor());
    EXPECT_EQ(0x0000FFu, entries.ColorOfIndex(14));
    // A colour of the shade selects its own entry and leaves the other colour.
    EXPECT_EQ(0, entries.ChooseIndexFor(0x0000B0));
    EXPECT_EQ(0x0000FFu, entries.GetOtherColor());

    CColorComboEntries plain;
    EXPECT_EQ(-1, plain.ChooseIndexFor(0x123456));
    EXPECT_EQ(0xFFFFFFu, plain.GetOtherColor());
}

TEST(ColorComboEntries, StandardEntryComesBeforeTheOtherAndStandsForNoColour)
{
    CColorComboEntries entries;
    entries.SetOtherEntry(TRUE);
    entries.SetStandardEntry(TRUE);
    entries.SetStandardColor(0x00FF00);
    entries.SetOtherColor(0x123456);
    EXPECT_EQ(16, entries.GetEntryCount());
    EXPECT_EQ(14, entries.GetStandardIndex());
    EXPECT_EQ(15, entries.GetOtherIndex());
    EXPECT_EQ(0x00FF00u, entries.ColorOfIndex(14));
    EXPECT_EQ(0x123456u, entries.ColorOfIndex(15));
    EXPECT_EQ((COLORREF)-1, entries.ColorOfIndex(16));
    EXPECT_EQ((COLORREF)-1, entries.ColorOfIndex(-1));
    EXPECT_EQ(14, entries.IndexOfColor((COLORREF)-1));
    EXPECT_EQ(14, entries.ChooseIndexFor((COLORREF)-1));
    EXPECT_EQ(0x123456u, entries.GetOtherColor());

    EXPECT_FALSE(entries.SetShade(COLOR_SHADE_NORMAL));
    EXPECT_TRUE(entries.SetShade(COLOR_SHADE_LIGHT));
    EXPECT_EQ(COLOR_SHADE_LIGHT, entries.GetShade());
    EXPECT_TRUE(entries.HasOtherEntry());
}
