#include "afx/CodePage.h"

#include <gtest/gtest.h>

#include <string>

#include "afx/String.h"

namespace
{
std::u16string ToWide(UINT nCodePage, const std::string& s)
{
    std::u16string out;
    EXPECT_TRUE(AfxMultiByteToWide(nCodePage, s.data(), (int)s.size(), out));
    return out;
}

std::string ToMultiByte(UINT nCodePage, const std::u16string& s, BOOL* pUsedDefault = nullptr)
{
    std::string out;
    EXPECT_TRUE(AfxWideToMultiByte(nCodePage, s.data(), (int)s.size(), out, pUsedDefault));
    return out;
}

// UTF-8 bytes spelled out: narrow literals are code page 932.
const char kUtf8Nihongo[] = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"; // 日本語
const char kUtf8Grinning[] = "\xF0\x9F\x98\x80";                    // U+1F600
const char kUtf8Yoshi[] = "\xF0\xA0\xAE\xB7";                       // U+20BB7 (𠮷)
} // namespace

TEST(CodePageTest, ShiftJisRoundTrip)
{
    // Kanji, kana, half-width kana, symbols, NEC and IBM extensions.
    const std::u16string wide = u"日本語のテキスト、ｶﾀｶﾅ ﾃｽﾄ。髙﨑①～－＼ABC";
    const std::string sjis = "日本語のテキスト、ｶﾀｶﾅ ﾃｽﾄ。髙﨑①～－＼ABC";
    EXPECT_EQ(wide, ToWide(932, sjis));
    BOOL usedDefault = TRUE;
    EXPECT_EQ(sjis, ToMultiByte(932, wide, &usedDefault));
    EXPECT_FALSE(usedDefault);
    // CP_ACP is code page 932 on every platform.
    EXPECT_EQ(wide, ToWide(CP_ACP, sjis));
    EXPECT_EQ(sjis, ToMultiByte(CP_ACP, wide));
}

TEST(CodePageTest, SingleCharacters)
{
    struct
    {
        const char* sjis;
        char16_t wide;
    } table[] = {
        {"\xFB\xFC", 0x9AD9}, // 髙, IBM extension
        {"\xEE\xE0", 0x9AD9}, // the same, NEC-selected IBM extension: decodes only
        {"\xB1", 0xFF71},     // ｱ
        {"\xDF", 0xFF9F},     // ﾟ
        {"\x81\x60", 0xFF5E}, // ～ (Microsoft's mapping)
        {"\x81\x5F", 0xFF3C}, // ＼
        {"\x87\x40", 0x2460}, // ①
        {"\x5C", 0x005C},     {"\x7E", 0x007E},
    };
    for (const auto& row : table)
    {
        std::u16string wide = ToWide(932, row.sjis);
        ASSERT_EQ(1u, wide.size()) << row.sjis;
        EXPECT_EQ(row.wide, wide[0]) << row.sjis;
    }
    EXPECT_EQ("\xFB\xFC", ToMultiByte(932, u"\u9AD9"));
}

TEST(CodePageTest, Utf8)
{
    std::u16string wide = ToWide(CP_UTF8, kUtf8Nihongo);
    EXPECT_EQ(u"日本語", wide);
    EXPECT_EQ(kUtf8Nihongo, ToMultiByte(CP_UTF8, wide));

    // Four bytes in UTF-8 are a surrogate pair in UTF-16.
    std::u16string grinning = ToWide(CP_UTF8, kUtf8Grinning);
    ASSERT_EQ(2u, grinning.size());
    EXPECT_EQ(0xD83D, grinning[0]);
    EXPECT_EQ(0xDE00, grinning[1]);
    BOOL usedDefault = TRUE;
    EXPECT_EQ(kUtf8Grinning, ToMultiByte(CP_UTF8, grinning, &usedDefault));
    EXPECT_FALSE(usedDefault);

    EXPECT_EQ(u"ｱ", ToWide(CP_UTF8, "\xEF\xBD\xB1"));
}

TEST(CodePageTest, CharactersWithoutShiftJisCode)
{
    for (const char* utf8 : {kUtf8Grinning, kUtf8Yoshi})
    {
        std::u16string wide = ToWide(CP_UTF8, std::string("a") + utf8 + "b");
        ASSERT_EQ(4u, wide.size());
        BOOL usedDefault = FALSE;
        // One '?' for each UTF-16 unit, as WideCharToMultiByte gives.
        EXPECT_EQ("a??b", ToMultiByte(932, wide, &usedDefault));
        EXPECT_TRUE(usedDefault);
    }
    BOOL usedDefault = FALSE;
    EXPECT_EQ("x?y", ToMultiByte(932, u"x\u00E9y", &usedDefault)); // no best fit: é is not e
    EXPECT_TRUE(usedDefault);
}

TEST(CodePageTest, LoneSurrogates)
{
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    BOOL usedDefault = FALSE;
    std::string out;
    EXPECT_TRUE(AfxWideToMultiByte(CP_UTF8, lone, -1, out, &usedDefault));
    EXPECT_EQ("a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD",
              out);
    EXPECT_TRUE(usedDefault);
    EXPECT_TRUE(AfxWideToMultiByte(932, lone, -1, out, &usedDefault));
    EXPECT_EQ("a?b?", out);
    EXPECT_TRUE(usedDefault);
}

TEST(CodePageTest, UndecodableInputIsReplaced)
{
    std::u16string out;
    EXPECT_TRUE(AfxMultiByteToWide(CP_UTF8,
                                   "a\xFF"
                                   "b",
                                   -1, out));
    EXPECT_EQ(u"a\uFFFDb", out);
    EXPECT_TRUE(AfxMultiByteToWide(CP_UTF8, "a\xE6\x97", -1, out)); // cut short
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(u'a', out[0]);
    EXPECT_EQ(0xFFFD, out[1]);

    // A lead byte and a trail byte without a character: one substitute.
    EXPECT_TRUE(AfxMultiByteToWide(932,
                                   "a\x85\x40"
                                   "b",
                                   -1, out));
    EXPECT_EQ(u"a\u30FBb", out);
}

TEST(CodePageTest, LengthsAndErrors)
{
    std::u16string wide;
    EXPECT_TRUE(AfxMultiByteToWide(932, "表示", 2, wide));
    EXPECT_EQ(u"表", wide);
    EXPECT_TRUE(AfxMultiByteToWide(932, "", -1, wide));
    EXPECT_TRUE(wide.empty());
    EXPECT_TRUE(AfxMultiByteToWide(932, nullptr, 5, wide));
    EXPECT_TRUE(wide.empty());

    std::string narrow = "junk";
    EXPECT_TRUE(AfxWideToMultiByte(932, u"表示", 1, narrow));
    EXPECT_EQ("表", narrow);
    EXPECT_TRUE(AfxWideToMultiByte(932, nullptr, -1, narrow));
    EXPECT_TRUE(narrow.empty());

    EXPECT_FALSE(AfxMultiByteToWide(12345, "abc", -1, wide));
    EXPECT_FALSE(AfxMultiByteToWide(20932, "abc", -1, wide)); // EUC-JP: the text layer's own
    EXPECT_TRUE(wide.empty());
    EXPECT_FALSE(AfxWideToMultiByte(12345, u"abc", -1, narrow));
    EXPECT_TRUE(narrow.empty());
}

TEST(CodePageTest, CStringFromUtf16)
{
    EXPECT_STREQ("髙橋ｶﾅ", CString(u"髙橋ｶﾅ"));
    CString s;
    s = u"ＡＢＣ";
    EXPECT_STREQ("ＡＢＣ", s);
}

TEST(CodePageTest, LongText)
{
    std::u16string wide;
    std::string sjis;
    for (int i = 0; i < 5000; ++i)
    {
        wide += u"表ｱa";
        sjis += "表ｱa";
    }
    EXPECT_EQ(wide, ToWide(932, sjis));
    EXPECT_EQ(sjis, ToMultiByte(932, wide));
    std::string utf8 = ToMultiByte(CP_UTF8, wide);
    EXPECT_EQ(wide.size() / 3 * 7, utf8.size());
    EXPECT_EQ(wide, ToWide(CP_UTF8, utf8));
}

// What Windows' code page 932 makes of every single byte, and of the
// characters that iconv's "CP932" alone would give a code (best fit). Both
// builds must agree, the flag included.
TEST(CodePageTest, EveryOneByteCodeAndTheCharactersWithoutACode)
{
    for (int b = 0; b < 0x100; ++b)
    {
        char16_t expected;
        bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (b < 0x80)
            expected = (char16_t)b;
        else if (b >= 0xA1 && b <= 0xDF)
            expected = (char16_t)(0xFF61 + b - 0xA1);
        else if (lead)
            expected = 0x30FB; // a lead byte without its trail byte
        else
        {
            const struct
            {
                int b;
                char16_t unit;
            } extras[] = {{0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};
            expected = 0;
            for (const auto& e : extras)
                if (e.b == b)
                    expected = e.unit;
        }
        const char c = (char)b;
        std::u16string wide;
        ASSERT_TRUE(AfxMultiByteToWide(932, &c, 1, wide)) << b;
        ASSERT_EQ(1u, wide.size()) << b;
        EXPECT_EQ(expected, wide[0]) << std::hex << b;
        if (lead)
            continue;
        std::string back;
        BOOL usedDefault = TRUE;
        ASSERT_TRUE(AfxWideToMultiByte(932, wide.data(), 1, back, &usedDefault)) << b;
        EXPECT_EQ(std::string(1, c), back) << std::hex << b;
        EXPECT_FALSE(usedDefault) << std::hex << b;
    }

    for (char16_t u : {0x00A2, 0x00A3, 0x00A5, 0x00AC, 0x2014, 0x2016, 0x203E, 0x2212, 0x301C})
    {
        std::string out;
        BOOL usedDefault = FALSE;
        ASSERT_TRUE(AfxWideToMultiByte(932, &u, 1, out, &usedDefault)) << std::hex << u;
        EXPECT_EQ("?", out) << std::hex << u;
        EXPECT_TRUE(usedDefault) << std::hex << u;
    }
}

TEST(CodePageTest, ALeadByteTakesTheByteAfterIt)
{
    // Whatever follows a lead byte is its trail byte: an unassigned pair is
    // one substitute. A byte that is no lead byte never swallows the next.
    const struct
    {
        const char* bytes;
        std::u16string wide;
    } cases[] = {
        {"\x81\x20", u"\u30FB"},
        {"\x81\x7F", u"\u30FB"},
        {"\x81\xFD", u"\u30FB"},
        {"\x85\x40"
         "a",
         u"\u30FBa"},
        {"\xFD"
         "a",
         u"\uF8F1a"},
        {"\x80\xA0", u"\u0080\uF8F0"},
        {"\x81"
         "a",
         u"\u2225"},
        {"\xF0\x40", u"\uE000"}, // user-defined area
    };
    for (const auto& c : cases)
    {
        std::u16string wide;
        ASSERT_TRUE(AfxMultiByteToWide(932, c.bytes, -1, wide));
        EXPECT_EQ(c.wide, wide) << c.bytes;
    }
}
