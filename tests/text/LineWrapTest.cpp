#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "text/LineWrap.h"

namespace
{
std::vector<std::string> Lines(const CString& text)
{
    std::vector<std::string> lines;
    std::string s((LPCTSTR)text);
    size_t start = 0;
    for (;;)
    {
        size_t at = s.find("\r\n", start);
        lines.push_back(s.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return lines;
        start = at + 2;
    }
}
} // namespace

TEST(LineWrap, BreakRules)
{
    struct Case
    {
        const char* text;
        int position, length, previousLength;
        BOOL kinsoku;
        BOOL allowed;
    } cases[] = {
        {"ab", 1, 1, 1, FALSE, FALSE},                                  // inside a word
        {"a b", 2, 1, 1, FALSE, TRUE},                                  // after a blank
        {"a,b", 2, 1, 1, FALSE, TRUE},                                  // after a comma
        {"a.b", 2, 1, 1, FALSE, FALSE},                                 // after a full stop: still a word
        {"あい", 2, 2, 2, TRUE, TRUE},  {"あ。", 2, 2, 2, TRUE, FALSE}, // may not begin a line
        {"あ。", 2, 2, 2, FALSE, TRUE}, {"「あ", 2, 2, 2, TRUE, FALSE}, // may not end a line
        {"aｰ", 1, 1, 1, TRUE, FALSE},                                   // half-width prolonged sound mark
        {"a)", 1, 1, 1, TRUE, FALSE},   {"あa", 2, 1, 2, TRUE, TRUE},
        {"。", 0, 2, 0, FALSE, TRUE}, // a line start has no previous character
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.allowed, CanBreakBefore(c.text, c.position, c.length, c.previousLength, c.kinsoku))
            << c.text << " at " << c.position;

    EXPECT_EQ(4, FindLastBreak("abc defg", 8, 6, FALSE));
    EXPECT_EQ(4, FindLastBreak("あいう。", 8, 6, TRUE));
    EXPECT_EQ(0, FindLastBreak("abcdef", 6, 6, FALSE));
    EXPECT_EQ(-1, FindLastBreak("", 0, 6, FALSE));
}

TEST(LineWrap, WrapsByTheRules)
{
    struct Case
    {
        const char* name;
        const char* text;
        int width, overhang, flags;
        BOOL wrapped;
        const char* out;
    } cases[] = {
        {"kinsoku hangs the full stop", "あいう。", 6, 20, 3, FALSE, "あいう。"},
        {"looking back moves the break", "あいう。", 6, 20, 7, TRUE, "あい\r\nう。"},
        {"break after the blank", "abc defg", 6, 0, 5, TRUE, "abc \r\ndefg"},
        {"plain breaks at the width", "あいうえ", 4, 0, 0, TRUE, "あい\r\nうえ"},
        {"never inside a character", "aあb", 2, 0, 0, TRUE, "a\r\nあ\r\nb"},
        {"forced beyond the overhang", "abcdefghij", 4, 0, 1, TRUE, "abcd\r\nefgh\r\nij"},
        {"a word within the overhang stays", "abcdef", 4, 2, 1, FALSE, "abcdef"},
        {"negative overhang never forces", "abcdefgh", 3, -1, 1, FALSE, "abcdefgh"},
        {"line feeds start lines", "ab\ncd\nef", 2, 0, 0, FALSE, "ab\ncd\nef"},
        {"no break before a carriage return", "ab\r\ncd", 2, 0, 0, FALSE, "ab\r\ncd"},
        {"opening bracket stays with its word", "ab「cd」", 4, 2, 7, TRUE, "ab\r\n「cd」"},
        {"zero width", "abc", 0, 0, 0, FALSE, "abc"},
        {"empty text", "", 4, 0, 7, FALSE, ""},
    };
    for (const Case& c : cases)
    {
        CString text = c.text;
        EXPECT_EQ(c.wrapped, WrapText(text, c.width, c.overhang, c.flags, "\r\n")) << c.name;
        EXPECT_STREQ(c.out, text) << c.name;
    }
    CString text = "abcdef";
    EXPECT_FALSE(WrapText(text, 2, 0, 0, ""));
    EXPECT_FALSE(WrapText(text, 2, 0, 0, nullptr));
    EXPECT_STREQ("abcdef", text);
}

TEST(LineWrap, MessageBoxTextKeepsEveryCharacter)
{
    // The message box's settings on a long mixed text: nothing is lost or
    // split, and no line passes the width plus the overhang.
    CString original;
    for (int i = 0; i < 40; ++i)
        original += "商品の再出品を行います。「ヤフオク!」 item-list, ｶﾀｶﾅ (test) ";
    CString text = original;
    ASSERT_TRUE(WrapText(text, 120, 20, 7, "\r\n"));
    std::string joined;
    for (const std::string& line : Lines(text))
    {
        EXPECT_LE(line.size(), 140u) << line;
        joined += line;
    }
    EXPECT_EQ(std::string((LPCTSTR)original), joined);
}
