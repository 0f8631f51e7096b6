// The texts the dialogs shorten: a tip longer than 500 bytes is cut at a
// character boundary and ends in "...".
#include "app/DialogTextRules.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Repeat(const char* piece, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += piece;
    return s;
}

TEST(DialogTextRulesTest, LongTipsAreCutWithAnEllipsis)
{
    const struct
    {
        const char* name;
        std::string text;
        std::string shown;
    } cases[] = {
        {"600 one-byte characters", Repeat("a", 600), Repeat("a", 500) + "..."},
        {"600 bytes of two-byte characters", Repeat("あ", 300), Repeat("あ", 250) + "..."},
        {"a two-byte character across byte 500", "x" + Repeat("あ", 300), "x" + Repeat("あ", 249) + "..."},
        {"exactly 500 bytes", Repeat("あ", 250), Repeat("あ", 250)},
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
} // namespace
