// The texts the dialogs shorten: a tip longer than 500 bytes is cut at a
// character boundary and ends in "...".
#include "app/DialogTextRules.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(DialogTextRulesTest, LongTipsAreCutWithAnEllipsis)
{
    const struct
    {
        const char* name;
        std::string text;
        std::string shown;
    } cases[] = {
        {"600 one-byte characters", RepeatText("a", 600), RepeatText("a", 500) + "..."},
        {"600 bytes of two-byte characters", RepeatText("あ", 300), RepeatText("あ", 250) + "..."},
        {"a two-byte character across byte 500", "x" + RepeatText("あ", 300),
         "x" + RepeatText("あ", 249) + "..."},
        {"exactly 500 bytes", RepeatText("あ", 250), RepeatText("あ", 250)},
        {"short", "短い説明", "短い説明"},
        {"empty", "", ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CString shown = MakeToolTipText(c.text.c_str());
        EXPECT_EQ(c.shown, std::string((LPCTSTR)shown));
        EXPECT_LE(shown.GetLength(), TOOLTIP_TEXT_MAX_BYTES + 3);
    }
}

TEST(DialogTextRulesTest, CharacterCounterShowsHalvesBoldAndRed)
{
    const struct
    {
        int count, warning, maximum;
        const char* text;
        BOOL bold, over;
    } cases[] = {
        {0, 0, 0, "0", FALSE, FALSE},     {7, 0, 0, "3.5", FALSE, FALSE},      {8, 0, 0, "4", FALSE, FALSE},
        {98, 90, 100, "49", TRUE, FALSE}, {99, 90, 100, "49.5", TRUE, TRUE}, // red from one below the maximum
        {100, 0, 100, "50", FALSE, TRUE}, {89, 90, 100, "44.5", FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.count);
        const CharCountLook look = MakeCharCountLook(c.count, c.warning, c.maximum);
        EXPECT_EQ(CString(c.text), look.strText);
        EXPECT_EQ(c.bold, look.bBold);
        EXPECT_EQ(c.over, look.bOver);
    }
}
} // namespace
