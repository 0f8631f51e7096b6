#include <string>

#include <gtest/gtest.h>

#include "text/CharBuffer.h"
#include "text/CharClass.h"
#include "text/Charset.h"
#include "text/JisConvert.h"
#include "text/UrlEncoding.h"
#include "text/WideConvert.h"

namespace
{
std::string Bytes(const CString& s)
{
    return std::string((LPCTSTR)s, (size_t)s.GetLength());
}

// Control bytes of out that the input did not have (ESC of ISO-2022-JP aside).
bool AddsControlBytes(const std::string& in, const std::string& out, bool allowEsc)
{
    for (unsigned char c : out)
        if ((c < 0x20 || c == 0x7F) && !(allowEsc && c == 0x1B) && in.find((char)c) == std::string::npos)
            return true;
    return false;
}

std::u16string WideOf(const CWideCharBuffer& b)
{
    return std::u16string(reinterpret_cast<const char16_t*>(b.GetData()), (size_t)b.GetLength());
}

const char kGeta[] = "\x81\xAC";
} // namespace

TEST(CharClass, ClassifiesBytesOfCodePage932)
{
    struct Case
    {
        BYTE b;
        BOOL ascii, kana, single;
    } cases[] = {
        {0x00, TRUE, FALSE, TRUE},   {0x7F, TRUE, FALSE, TRUE},   {0x80, FALSE, TRUE, TRUE},
        {0x81, FALSE, FALSE, FALSE}, {0x9F, FALSE, FALSE, FALSE}, {0xA0, FALSE, TRUE, TRUE},
        {0xDF, FALSE, TRUE, TRUE},   {0xE0, FALSE, FALSE, FALSE}, {0xFC, FALSE, FALSE, FALSE},
        {0xFF, FALSE, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.ascii, IsAsciiByte(c.b)) << std::hex << (int)c.b;
        EXPECT_EQ(c.kana, IsHalfWidthKana(c.b)) << std::hex << (int)c.b;
        EXPECT_EQ(c.single, IsSingleByteChar(c.b)) << std::hex << (int)c.b;
    }
    EXPECT_TRUE(IsEucKanaPair(0x8E, 0xB1));
    EXPECT_FALSE(IsEucKanaPair(0x8E, 0xE0));
    EXPECT_FALSE(IsEucKanaPair(0x8F, 0xB1));
}

TEST(CharClass, TextTestsStepOverTwoByteCharacters)
{
    EXPECT_TRUE(IsAllAscii("abc 123"));
    EXPECT_TRUE(IsAllAscii(""));
    EXPECT_FALSE(IsAllAscii("abc表"));
    EXPECT_TRUE(HasHalfWidthKana("abｱ"));
    // The trail byte of 安 (0x88C0) lies in the kana range.
    EXPECT_FALSE(HasHalfWidthKana("安全"));
    EXPECT_FALSE(HasHalfWidthKana(nullptr));

    struct Case
    {
        const char* text;
        int flags;
        BOOL numeric;
    } cases[] = {
        {"", 0, TRUE},
        {"0123", 0, TRUE},
        {"-12", 0, FALSE},
        {"-12", NUMERIC_SIGN, TRUE},
        {"+12", NUMERIC_SIGN, TRUE},
        {"1-2", NUMERIC_SIGN, FALSE},
        {"1.5", 0, FALSE},
        {"1.5.", NUMERIC_DOT, TRUE},
        {"ff", 0, FALSE},
        {"fF09", NUMERIC_HEX, TRUE},
        {"g", NUMERIC_HEX, FALSE},
        {"１", 0, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.numeric, IsNumericText(c.text, c.flags)) << c.text << " " << c.flags;
}

TEST(Charset, NamesAndContentTypes)
{
    struct Case
    {
        const char* name;
        int code;
    } cases[] = {
        {"ISO-2022-JP", 1}, {"iso-2022-jp", 1}, {"Shift_JIS", 2}, {"X-SJIS", 2}, {"EUC-JP", 3},
        {"x-euc-jp", 3},    {"utf-8", 4},       {"UTF8", 0},      {"", 0},       {nullptr, 0},
        {"Shift_JIS ", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, CharsetCodeFromName(c.name)) << (c.name ? c.name : "(null)");

    CString name = "kept";
    EXPECT_FALSE(CharsetNameFromCode(0, name));
    EXPECT_FALSE(CharsetNameFromCode(5, name));
    EXPECT_STREQ("kept", name);
    EXPECT_TRUE(CharsetNameFromCode(2, name));
    EXPECT_STREQ("Shift_JIS", name);

    CString type;
    EXPECT_TRUE(MakeContentTypeForCharset(3, type));
    EXPECT_STREQ("text/html; charset=EUC-JP", type);
    EXPECT_FALSE(MakeContentTypeForCharset(0, type));

    EXPECT_EQ(2, CharsetFromContentType("text/html; charset=x-sjis"));
    EXPECT_EQ(3, CharsetFromContentType("TEXT/HTML;CHARSET = euc-jp "));
    EXPECT_EQ(4, CharsetFromContentType("text/html; charset=\"UTF-8\""));
    EXPECT_EQ(0, CharsetFromContentType("text/html"));
    EXPECT_EQ(0, CharsetFromContentType("text/html; charset=latin1"));
    EXPECT_EQ(0, CharsetFromContentType(nullptr));
}

TEST(Charset, GuessesByTheFirstChunkThatDecides)
{
    // "日本語のテキスト" in each charset.
    const std::string sjis = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x65\x83\x4c\x83\x58\x83\x67";
    const std::string euc = "\xc6\xfc\xcb\xdc\xb8\xec\xa4\xce\xa5\xc6\xa5\xad\xa5\xb9\xa5\xc8";
    const std::string utf8 =
        "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe3\x83\x86\xe3\x82\xad\xe3\x82\xb9"
        "\xe3\x83\x88";
    EXPECT_EQ(0, GuessCharset(nullptr));
    EXPECT_EQ(0, GuessCharset(""));
    EXPECT_EQ(0, GuessCharset("<html><body>plain ASCII</body></html>"));
    EXPECT_EQ(2, GuessCharset(("<p>" + sjis + "</p>").c_str()));
    EXPECT_EQ(3, GuessCharset(("<p>" + euc + "</p>").c_str()));
    EXPECT_EQ(4, GuessCharset(("<p>" + utf8 + "</p>").c_str()));
    EXPECT_EQ(1, GuessCharset("Subject\r\n\x1B$B%F%9%H\x1B(B\r\n"));

    // Bytes that are valid both ways: Shift_JIS wins the tie.
    EXPECT_EQ(2, GuessCharset("\xE0\xA1\xE0\xA1"));

    // A first chunk of ASCII decides nothing; the chunk ends at the first
    // control byte after 1 KB, so the Japanese line is judged whole.
    std::string page(1500, 'a');
    page += "\n" + euc + euc + "\n";
    EXPECT_EQ(3, GuessCharset(page.c_str()));
    // The first chunk that decides is the answer.
    std::string mixed = sjis + std::string(1100, 'b') + "\n" + std::string(20, 'c') + utf8 + utf8 + utf8;
    EXPECT_EQ(2, GuessCharset(mixed.c_str()));
    // Counted input may hold NULs.
    const char withNul[] = "ab\0\xc6\xfc\xcb\xdc";
    EXPECT_EQ(3, GuessCharset(withNul, (int)sizeof(withNul) - 1));
}

TEST(JisConvert, ShiftJisAndEucJpConvertBothWays)
{
    struct Case
    {
        const char* sjis;
        const char* euc;
    } cases[] = {
        {"", ""},
        {"abc 123\r\n", "abc 123\r\n"},
        {"日本語", "\xc6\xfc\xcb\xdc\xb8\xec"},
        {"表示", "\xc9\xbd\xbc\xa8"},
        {"ｱﾊﾟ", "\x8e\xb1\x8e\xca\x8e\xdf"},
        // NEC special characters and the geta mark itself.
        {"①Ⅰ〓", "\xad\xa1\xad\xb5\xa2\xae"},
        // The NEC-selected IBM extension (0xEEE0) rides on JIS row 92.
        {"\xee\xe0", "\xfc\xe2"},
    };
    for (const Case& c : cases)
    {
        CString out;
        BOOL substituted = TRUE;
        EXPECT_TRUE(SjisToEuc(c.sjis, out, &substituted));
        EXPECT_EQ(std::string(c.euc), Bytes(out)) << c.sjis;
        EXPECT_FALSE(substituted);
        EXPECT_TRUE(EucToSjis(c.euc, out, &substituted));
        EXPECT_EQ(std::string(c.sjis), Bytes(out)) << c.sjis;
        EXPECT_FALSE(substituted);
    }
    CString out = "x";
    EXPECT_FALSE(SjisToEuc(nullptr, out));
    EXPECT_TRUE(out.IsEmpty());
}

TEST(JisConvert, IbmExtensionKanjiSurviveAsTheirNecSelectedTwins)
{
    // 髙 and 﨑 in the IBM extension, and ¬ (0xFA54), whose twin is JIS X 0208.
    struct Case
    {
        const char* ibm;
        const char* twin;
    } cases[] = {{"\xfb\xfc", "\xee\xe0"}, {"\xfa\xb1", "\xed\x95"}, {"\xfa\x54", "\x81\xca"}};
    for (const Case& c : cases)
    {
        CString euc, back, jis, back2;
        BOOL substituted = TRUE;
        ASSERT_TRUE(SjisToEuc(c.ibm, euc, &substituted));
        EXPECT_FALSE(substituted);
        ASSERT_TRUE(EucToSjis(euc, back));
        EXPECT_EQ(std::string(c.twin), Bytes(back));
        ASSERT_TRUE(SjisToJis(c.ibm, jis));
        ASSERT_TRUE(JisToSjis(jis, back2));
        EXPECT_EQ(std::string(c.twin), Bytes(back2));

        // The same character in UTF-16.
        CWideCharBuffer a, b;
        AnsiToWideBuffer(c.ibm, a);
        AnsiToWideBuffer(back, b);
        EXPECT_EQ(WideOf(a), WideOf(b));
    }
}

TEST(JisConvert, WhatHasNoPlaceBecomesTheGetaMark)
{
    struct Case
    {
        const char* name;
        std::string in;
        std::string euc; // SjisToEuc of in
    } cases[] = {
        {"user-defined",
         "a\xf0\x40"
         "b",
         "a\xa2\xae"
         "b"},
        {"unassigned IBM code", "\xfc\xfc", "\xa2\xae"},
        {"0x80", "\x80", "\xa2\xae"},
        {"0xA0", "\xa0", "\xa2\xae"},
        {"0xFD",
         "\xfd"
         "a",
         "\xa2\xae"
         "a"},
        {"lead before ASCII", "\x88<p>", "\xa2\xae<p>"},
        {"lead before a line end", "\x88\r\n", "\xa2\xae\r\n"},
        {"lead before 0xFF",
         "\x88\xff"
         "a",
         "\xa2\xae"
         "a"},
        {"lead at the end", "ab\x88", "ab"},
    };
    for (const Case& c : cases)
    {
        CString out;
        BOOL substituted = FALSE;
        EXPECT_TRUE(SjisToEuc(c.in.c_str(), out, &substituted));
        EXPECT_EQ(c.euc, Bytes(out)) << c.name;
        EXPECT_TRUE(substituted) << c.name;
    }
}

// The single bytes that code page 932 decodes to U+0080 or to private-use
// units (0x80, 0xA0, 0xFD-0xFF): what each converter writes for them, and
// that a text through a converter, back and again is what it was the first
// time. ISO-2022-JP and EUC-JP carry none of them; UTF-8 keeps only 0xA0,
// the one of them that a code comes back to.
TEST(JisConvert, PrivateUseBytesConvertTheSameEachRound)
{
    typedef BOOL (*Converter)(LPCTSTR, CString&, BOOL*);
    const std::string geta = "\x1b$B\".\x1b(B";
    const std::string dot = "\xe3\x83\xbb"; // U+30FB
    struct Case
    {
        const char* name;
        const char* in;
        std::string jis, euc, utf8;
        BOOL utf8Substituted;
    } cases[] = {
        {"0x80", "\x80", geta, "\xa2\xae", dot, TRUE},
        {"0xA0", "\xa0", geta, "\xa2\xae", "\xef\xa3\xb0", FALSE},
        {"0xFD", "\xfd", geta, "\xa2\xae", dot, TRUE},
        {"0xFE", "\xfe", geta, "\xa2\xae", dot, TRUE},
        {"0xFF", "\xff", geta, "\xa2\xae", dot, TRUE},
    };
    const struct
    {
        const char* name;
        Converter to, back;
    } pairs[] = {
        {"ISO-2022-JP", SjisToJis, JisToSjis},
        {"EUC-JP", SjisToEuc, EucToSjis},
        {"UTF-8", AnsiToUtf8, Utf8ToAnsi},
    };
    for (const Case& c : cases)
    {
        const std::string* expected[] = {&c.jis, &c.euc, &c.utf8};
        const BOOL flags[] = {TRUE, TRUE, c.utf8Substituted};
        for (int k = 0; k < 3; ++k)
        {
            // The byte alone and between ASCII, where it takes nothing with it.
            for (const std::string& around : {std::string(), std::string("a")})
            {
                const std::string in = around + c.in + around;
                CString once, back, twice;
                BOOL substituted = !flags[k];
                EXPECT_TRUE(pairs[k].to(in.c_str(), once, &substituted));
                EXPECT_EQ(around + *expected[k] + around, Bytes(once)) << c.name << " " << pairs[k].name;
                EXPECT_EQ(flags[k], substituted) << c.name << " " << pairs[k].name;
                EXPECT_TRUE(pairs[k].back(once, back, nullptr));
                EXPECT_TRUE(pairs[k].to(back, twice, nullptr));
                EXPECT_EQ(Bytes(once), Bytes(twice)) << c.name << " " << pairs[k].name;
            }
        }
    }
}

TEST(JisConvert, EucJpFaultsStayAligned)
{
    struct Case
    {
        const char* name;
        std::string in;
        std::string sjis;
    } cases[] = {
        // JIS X 0212 is three bytes: one geta mark, and the rest in step.
        {"JIS X 0212", "\x8f\xb0\xa1\xc6\xfc", std::string(kGeta) + "日"},
        {"0x8F cut by ASCII", "\x8f\xb0<", std::string(kGeta) + "<"},
        {"0x8F at the end", "a\x8f", "a"},
        {"kana lead before ASCII",
         "\x8e"
         "a",
         std::string(kGeta) + "a"},
        {"kana lead at the end", "a\x8e", "a"},
        {"stray byte",
         "\x90"
         "a",
         std::string(kGeta) + "a"},
        {"half a pair before a line end", "\xc6\n", std::string(kGeta) + "\n"},
        {"half a pair at the end", "\xc6\xfc\xc6", "日"},
        // Taking 0x80 from (0xA1, 0x80) would give a control byte.
        {"pair with a low second byte",
         "\xa1\x80"
         "a",
         std::string(kGeta) + "a"},
    };
    for (const Case& c : cases)
    {
        CString out;
        BOOL substituted = FALSE;
        EXPECT_TRUE(EucToSjis(c.in.c_str(), out, &substituted));
        EXPECT_EQ(c.sjis, Bytes(out)) << c.name;
        EXPECT_TRUE(substituted) << c.name;
        EXPECT_FALSE(AddsControlBytes(c.in, Bytes(out), false)) << c.name;
    }
}

TEST(JisConvert, ShiftJisToIso2022JpFramesEachRun)
{
    struct Case
    {
        const char* sjis;
        const char* jis;
    } cases[] = {
        {"plain ASCII\r\n", "plain ASCII\r\n"},
        {"日本", "\x1b$BF|K\\\x1b(B"},
        {"a日本b", "a\x1b$BF|K\\\x1b(Bb"},
        {"日\r\n本", "\x1b$BF|\x1b(B\r\n\x1b$BK\\\x1b(B"},
        {"ｱｲ", "\x1b(I12\x1b(B"},
        {"日ｱ", "\x1b$BF|\x1b(I1\x1b(B"},
    };
    for (const Case& c : cases)
    {
        CString jis, back;
        EXPECT_TRUE(SjisToJis(c.sjis, jis));
        EXPECT_EQ(std::string(c.jis), Bytes(jis)) << c.sjis;
        EXPECT_TRUE(JisToSjis(jis, back));
        EXPECT_EQ(std::string(c.sjis), Bytes(back)) << c.sjis;
    }
    CString jis;
    BOOL substituted = FALSE;
    EXPECT_TRUE(SjisToJis("a\xf0\x40", jis, &substituted));
    EXPECT_EQ(std::string("a\x1b$B\"."
                          "\x1b(B"),
              Bytes(jis));
    EXPECT_TRUE(substituted);
}

TEST(JisConvert, Iso2022JpEscapesAndFaults)
{
    struct Case
    {
        const char* name;
        std::string in;
        std::string sjis;
        BOOL substituted;
    } cases[] = {
        {"JIS C 6226", "\x1b$@F|\x1b(J!", "日!", FALSE},
        {"JIS X 0208-1990", "\x1b&@\x1b$BF|\x1b(B", "日", FALSE},
        {"JIS X 0201 kana", "\x1b(I1J_\x1b(Bx", "ｱﾊﾟx", FALSE},
        {"kana out of range", "\x1b(I`", kGeta, TRUE},
        {"JIS X 0212 pairs", "\x1b$(D0!0!\x1b(Ba", std::string(kGeta) + kGeta + "a", TRUE},
        {"JIS X 0213 plane 1", "\x1b$(QF|\x1b(B", "日", FALSE},
        {"line end inside a run", "\x1b$BF|\r\nK\\\x1b(B", "日\r\n本", FALSE},
        {"8-bit kana and Shift_JIS", "\xb1\x93\xfa", "ｱ日", FALSE},
        {"half a pair before ESC", "\x1b$BF\x1b(Ba", std::string(kGeta) + "a", TRUE},
        {"half a pair at the end", "\x1b$BF|F", "日", TRUE},
        {"unknown designation", "\x1b(0ab", "ab", TRUE},
        {"lone ESC", "a\x1b", "a", TRUE},
        {"ESC before a line end", "a\x1b\r\nb", "a\r\nb", TRUE},
        {"raw lead at the end", "a\x93", "a", TRUE},
        {"raw stray byte",
         "\x80"
         "a",
         std::string(kGeta) + "a", TRUE},
    };
    for (const Case& c : cases)
    {
        CString out;
        BOOL substituted = !c.substituted;
        EXPECT_TRUE(JisToSjis(c.in.c_str(), out, &substituted));
        EXPECT_EQ(c.sjis, Bytes(out)) << c.name;
        EXPECT_EQ(c.substituted, substituted) << c.name;
        // Escapes are syntax, never text.
        EXPECT_EQ(std::string::npos, Bytes(out).find('\x1b')) << c.name;
    }
}

TEST(JisConvert, OutputGrowsBeyondTheInputAndMayBeTheInput)
{
    // Half-width kana double in EUC-JP; escapes lengthen ISO-2022-JP.
    CString kana('\xb1', 5000);
    CString euc;
    ASSERT_TRUE(SjisToEuc(kana, euc));
    ASSERT_EQ(10000, euc.GetLength());
    CString back;
    ASSERT_TRUE(EucToSjis(euc, back));
    EXPECT_EQ(kana, back);

    CString alternating;
    for (int i = 0; i < 1000; ++i)
        alternating += "a日";
    CString jis;
    ASSERT_TRUE(SjisToJis(alternating, jis));
    EXPECT_EQ(1000 * (1 + 3 + 2 + 3), jis.GetLength());

    CString text = "日本";
    EXPECT_TRUE(SjisToEuc(text, text));
    EXPECT_EQ(std::string("\xc6\xfc\xcb\xdc"), Bytes(text));
    EXPECT_TRUE(EucToSjis(text, text));
    EXPECT_STREQ("日本", text);

    // An output that holds a longer text keeps only the new one, its room
    // used again; an input inside the output, not at its start, reads as
    // it was.
    CString longer = euc;
    ASSERT_TRUE(EucToSjis("\xc6\xfc", 2, longer));
    EXPECT_STREQ("日", longer);
    CString tail = std::string(4000, 'x').c_str();
    tail += "\xcb\xdc";
    ASSERT_TRUE(EucToSjis((LPCTSTR)tail + 3998, 4, tail));
    EXPECT_STREQ("xx本", tail);
    CString jisRoom = jis;
    ASSERT_TRUE(JisToSjis((LPCTSTR)jis + jis.GetLength() - 9, 9, jisRoom));
    EXPECT_STREQ("a日", jisRoom);
}

TEST(WideConvert, Utf8ConvertsBothWays)
{
    const std::string sjis = "日本語 ｱ ①髙~\\";
    // U+9AD9 comes back as the code the platform prefers for it.
    CString utf8;
    BOOL substituted = TRUE;
    ASSERT_TRUE(AnsiToUtf8(sjis.c_str(), utf8, &substituted));
    EXPECT_FALSE(substituted);
    EXPECT_EQ(std::string("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e \xef\xbd\xb1 \xe2\x91\xa0\xe9\xab\x99~\\"),
              Bytes(utf8));
    CString back;
    ASSERT_TRUE(Utf8ToAnsi(utf8, back, &substituted));
    EXPECT_FALSE(substituted);
    CString again;
    ASSERT_TRUE(AnsiToUtf8(back, again));
    EXPECT_EQ(Bytes(utf8), Bytes(again));

    CString out = "x";
    EXPECT_FALSE(Utf8ToAnsi("", out));
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_FALSE(AnsiToUtf8(nullptr, out));
}

TEST(WideConvert, MalformedUtf8BecomesQuestionMarks)
{
    struct Case
    {
        const char* name;
        std::string in;
        std::string sjis;
        BOOL substituted;
    } cases[] = {
        {"byte order mark",
         "\xef\xbb\xbf"
         "a",
         "a", FALSE},
        {"stray continuation",
         "a\x80"
         "b",
         "a?b", TRUE},
        {"cut sequence",
         "\xe6\x97"
         "a",
         "?a", TRUE},
        {"sequence at the end", "a\xe6\x97", "a?", TRUE},
        {"overlong slash", "\xc0\xaf", "??", TRUE},
        {"overlong NUL",
         "\xc0\x80"
         "a",
         "??a", TRUE},
        {"encoded surrogate", "\xed\xa0\x80", "???", TRUE},
        {"beyond the BMP",
         "\xf0\x9f\x98\x80"
         "a",
         "?a", TRUE},
        {"no code in 932", "\xc3\xa9", "?", TRUE},
        {"0xFF", "\xff", "?", TRUE},
    };
    for (const Case& c : cases)
    {
        CString out;
        BOOL substituted = !c.substituted;
        Utf8ToAnsi(c.in.c_str(), out, &substituted);
        EXPECT_EQ(c.sjis, Bytes(out)) << c.name;
        EXPECT_EQ(c.substituted, substituted) << c.name;
    }
}

TEST(WideConvert, UndecodableShiftJisBecomesMiddleDots)
{
    struct Case
    {
        const char* name;
        std::string in;
        std::u16string wide;
    } cases[] = {
        {"unassigned pair",
         "\x85\x40"
         "a",
         u"\u30fb"
         u"a"},
        {"lead before ASCII", "\x88<", u"\u30fb<"},
        {"lead at the end", "a\x88", u"a\u30fb"},
    };
    for (const Case& c : cases)
    {
        CWideCharBuffer wide;
        BOOL substituted = FALSE;
        EXPECT_TRUE(AnsiToWideBuffer(c.in.c_str(), wide, &substituted));
        EXPECT_EQ(c.wide, WideOf(wide)) << c.name;
        EXPECT_TRUE(substituted) << c.name;
    }
    CWideCharBuffer wide;
    BOOL substituted = TRUE;
    ASSERT_TRUE(AnsiToWideBuffer("表・", wide, &substituted));
    EXPECT_EQ(std::u16string(u"\u8868\u30fb"), WideOf(wide));
    EXPECT_FALSE(substituted);
}

TEST(WideConvert, WideTextWithoutCodesBecomesQuestionMarks)
{
    const char16_t text[] = u"a\xd83d\xde00"
                            u"b\xdc00"
                            u"c\u00e9\u8868";
    CString out;
    BOOL substituted = FALSE;
    ASSERT_TRUE(WideToAnsi(reinterpret_cast<LPCWSTR>(text), out, &substituted));
    EXPECT_EQ(std::string("a?b?c?表"), Bytes(out));
    EXPECT_TRUE(substituted);

    const char16_t withNul[] = {u'a', 0, u'b'};
    ASSERT_TRUE(WideToAnsi(reinterpret_cast<LPCWSTR>(withNul), 3, out));
    EXPECT_EQ(std::string("a?b"), Bytes(out));
    EXPECT_FALSE(WideToAnsi(reinterpret_cast<LPCWSTR>(u""), out));
}

TEST(WideConvert, CodePagesAndCharsetCodes)
{
    CString out;
    EXPECT_FALSE(ConvertCodePage(932, 65001, "", out));
    EXPECT_TRUE(ConvertCodePage(0, 932, "表", out));
    EXPECT_STREQ("表", out);
    EXPECT_TRUE(ConvertCodePage(0, 65001, "表", out));
    EXPECT_EQ(std::string("\xe8\xa1\xa8"), Bytes(out));
    EXPECT_TRUE(ConvertCodePage(65001, 0, "\xe8\xa1\xa8", out));
    EXPECT_STREQ("表", out);
    EXPECT_FALSE(ConvertCodePage(12345, 65001, "a", out));

    struct Case
    {
        int code;
        BOOL ok;
        const char* out;
    } cases[] = {
        {1, TRUE, "\x1b$BI=\x1b(B"}, {2, TRUE, "表"}, {3, TRUE, "\xc9\xbd"},
        {4, TRUE, "\xe8\xa1\xa8"},   {0, FALSE, ""},  {5, FALSE, ""},
    };
    for (const Case& c : cases)
    {
        CString converted;
        EXPECT_EQ(c.ok, ConvertToCharset("表", converted, c.code)) << c.code;
        if (c.ok)
        {
            EXPECT_EQ(std::string(c.out), Bytes(converted)) << c.code;
        }
    }
}

TEST(UrlEncoding, EncodesFormValues)
{
    struct Case
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},         {"a b", "a+b"},   {"user@example.jp", "user@example.jp"},
        {"~", "%7E"},     {"*-._", "*-._"}, {"a&b=c/d?", "a%26b%3Dc%2Fd%3F"},
        {"+%", "%2B%25"}, {"表", "%95%5C"}, {"\r\n", "%0D%0A"},
    };
    for (const Case& c : cases)
    {
        CString out = "x";
        EXPECT_TRUE(UrlEncode(c.in, out));
        EXPECT_STREQ(c.out, out) << c.in;
        CString back;
        EXPECT_TRUE(UrlDecode(out, back));
        EXPECT_STREQ(c.in, back) << c.in;
    }
}

TEST(UrlEncoding, DecodesAndKeepsWhatIsNoEscape)
{
    struct Case
    {
        const char* in;
        BOOL ok;
        std::string out;
    } cases[] = {
        {"a+b", TRUE, "a b"},
        {"%41%62", TRUE, "Ab"},
        {"%95%5c", TRUE, "表"},
        {"100%%", TRUE, "100%"},
        {"%%41", TRUE, "%41"},
        // Not an escape: the percent sign stays, never a NUL byte.
        {"%zz1", TRUE, "%zz1"},
        {"%4g", TRUE, "%4g"},
        {"%00a", TRUE, "%00a"},
        {"%+1", TRUE, "% 1"},
        // A cut-off escape answers FALSE and loses nothing.
        {"ab%", FALSE, "ab%"},
        {"ab%4", FALSE, "ab%4"},
        {"%4", FALSE, "%4"},
        {"a+%", FALSE, "a %"},
        {"", TRUE, ""},
    };
    for (const Case& c : cases)
    {
        CString out = "x";
        EXPECT_EQ(c.ok, UrlDecode(c.in, out)) << c.in;
        EXPECT_EQ(c.out, Bytes(out)) << c.in;
    }
}
