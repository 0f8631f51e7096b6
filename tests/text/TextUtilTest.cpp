#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "afx/Collections.h"
#include "text/HtmlText.h"
#include "text/MbcsString.h"
#include "text/NumberText.h"
#include "text/RandomText.h"
#include "text/StringListText.h"
#include "text/TextCut.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"

namespace
{
std::vector<std::string> Items(const CStringList& list)
{
    std::vector<std::string> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back((LPCTSTR)list.GetNext(pos));
    return out;
}

CStringList& Fill(CStringList& list, std::initializer_list<const char*> items)
{
    list.RemoveAll();
    for (const char* s : items)
        list.AddTail(CString(s));
    return list;
}

typedef std::vector<std::string> Strings;
} // namespace

TEST(TextEscapes, DecodesTheEntitiesOfServicePagesOnce)
{
    struct Case
    {
        const char* in;
        BOOL keepNbsp;
        const char* out;
        BOOL replaced;
    } cases[] = {
        {"a&nbsp;b", FALSE, "a b", TRUE},
        {"a&nbsp;b", TRUE, "a&nbsp;b", FALSE},
        {"&quot;&lt;p&gt;&quot;", FALSE, "\"<p>\"", TRUE},
        {"&amp;&#38;&#038;&#39;&#039;", FALSE, "&&&''", TRUE},
        {"&amp;lt;", FALSE, "&lt;", TRUE},
        // Never decoded twice: "&amp;#39;" is the text "&#39;".
        {"&amp;#39;", FALSE, "&#39;", TRUE},
        {"&AMP; &Lt; &copy; &#60;", FALSE, "&AMP; &Lt; &copy; &#60;", FALSE},
        {"&am", FALSE, "&am", FALSE},
        {"表&amp;示", FALSE, "表&示", TRUE},
        // A lead byte before a byte below 0x40 stands alone, as the HTML
        // parser has it: the entity after it is still seen.
        {"\x82&amp;", FALSE, "\x82&", TRUE},
        {"\x82&amp;\x82\xA0", FALSE, "\x82&\x82\xA0", TRUE},
        {"\x82", FALSE, "\x82", FALSE},
        {"", FALSE, "", FALSE},
    };
    for (const Case& c : cases)
    {
        CString text = c.in;
        EXPECT_EQ(c.replaced, DecodeHtmlEntities(text, c.keepNbsp)) << c.in;
        EXPECT_STREQ(c.out, text) << c.in;
    }
}

TEST(TextEscapes, DecodesUnicodeEscapesByRuns)
{
    struct Case
    {
        const char* in;
        int result;
        const char* out;
    } cases[] = {
        {"\\u3042\\u3044", UNICODE_ESCAPES_DECODED, "あい"},
        {"x\\u0041\\u0042y", UNICODE_ESCAPES_DECODED, "xABy"},
        // A surrogate pair joins; U+1F600 has no code in 932.
        {"\\uD83D\\uDE00!", UNICODE_ESCAPES_DECODED, "?!"},
        {"\\uD83D!", UNICODE_ESCAPES_DECODED, "?!"},
        {"\\u0000a", UNICODE_ESCAPES_DECODED, "?a"},
        {"\\u30", UNICODE_ESCAPES_NONE, "\\u30"},
        {"\\U3042", UNICODE_ESCAPES_NONE, "\\U3042"},
        {"plain", UNICODE_ESCAPES_NONE, "plain"},
        {"", UNICODE_ESCAPES_NONE, ""},
        // 0x5C of 表 is no backslash.
        {"表u3042", UNICODE_ESCAPES_NONE, "表u3042"},
    };
    for (const Case& c : cases)
    {
        CString out = "old";
        EXPECT_EQ(c.result, DecodeUnicodeEscapes(c.in, out)) << c.in;
        EXPECT_STREQ(c.out, out) << c.in;
    }
}

TEST(TextEscapes, EscapeAndTrim)
{
    struct EscapeCase
    {
        const char* in;
        const char* out;
        BOOL changed;
    } escapes[] = {
        {"a\"b", "a\\\"b", TRUE},
        {"a\\\"b", "a\\\"b", FALSE},
        {"\"\"", "\\\"\\\"", TRUE},
        {"表\"", "表\\\"", TRUE},
        {"", "", FALSE},
    };
    for (const EscapeCase& c : escapes)
    {
        CString text = c.in;
        EXPECT_EQ(c.changed, EscapeChar(text, '"', '\\')) << c.in;
        EXPECT_STREQ(c.out, text) << c.in;
    }

    struct TrimCase
    {
        const char* in;
        const char* out;
        BOOL trimmed;
    } trims[] = {
        {"abc  ", "abc", TRUE}, {"abc\\  ", "abc\\ ", TRUE}, {"abc\\ ", "abc\\ ", FALSE},
        {"表  ", "表", TRUE},   {"abc", "abc", FALSE},       {"   ", "", TRUE},
    };
    for (const TrimCase& c : trims)
    {
        CString text = c.in;
        EXPECT_EQ(c.trimmed, TrimRightKeepEscaped(text, ' ', '\\')) << c.in;
        EXPECT_STREQ(c.out, text) << c.in;
    }
}

TEST(HtmlText, TagsAndPlainText)
{
    CString text = "a<b>c</b>d";
    EXPECT_TRUE(StripTags(text, TRUE));
    EXPECT_STREQ("acd", text);
    text = "a<b>c</b>d";
    StripTags(text, FALSE);
    EXPECT_STREQ("<b></b>", text);
    text = "a<b";
    StripHtmlTags(text);
    EXPECT_STREQ("a", text);
    text = "no tags";
    EXPECT_FALSE(StripHtmlTags(text));

    CString out;
    EXPECT_TRUE(HtmlToPlainText("<p>a<br>b&nbsp;&lt;c&gt;<BR>d</p>", out, "\r\n"));
    EXPECT_STREQ("a\r\nb <c>d", out);
    EXPECT_TRUE(HtmlToPlainText("a<br>b", out));
    EXPECT_STREQ("ab", out);
    EXPECT_FALSE(HtmlToPlainText("<br>", out));
    text = "<i>x</i>&amp;";
    EXPECT_TRUE(HtmlToPlainTextInPlace(text));
    EXPECT_STREQ("x&", text);
}

TEST(TextCut, KeepBeforeAndAfter)
{
    struct Case
    {
        const char* name;
        BOOL (*cut)(CString&);
        const char* in;
        const char* out;
        BOOL ok;
    } cases[] = {
        {"after index", [](CString& t) { return KeepAfterIndex(t, 1); }, "abc", "c", TRUE},
        {"after last index", [](CString& t) { return KeepAfterIndex(t, 2); }, "abc", "", TRUE},
        {"after index outside", [](CString& t) { return KeepAfterIndex(t, 3); }, "abc", "abc", FALSE},
        {"after negative index", [](CString& t) { return KeepAfterIndex(t, -1); }, "abc", "abc", FALSE},
        {"before index", [](CString& t) { return KeepBeforeIndex(t, 1); }, "abc", "a", TRUE},
        {"before index of empty", [](CString& t) { return KeepBeforeIndex(t, 0); }, "", "", FALSE},
        {"after char", [](CString& t) { return KeepAfterChar(t, '/'); }, "a/b/c", "b/c", TRUE},
        {"after last char", [](CString& t) { return KeepAfterChar(t, '/', TRUE); }, "a/b/c", "c", TRUE},
        {"before char", [](CString& t) { return KeepBeforeChar(t, '/'); }, "a/b/c", "a", TRUE},
        {"before last char", [](CString& t) { return KeepBeforeChar(t, '/', TRUE); }, "a/b/c", "a/b", TRUE},
        {"char missing", [](CString& t) { return KeepBeforeChar(t, '?'); }, "a/b", "a/b", FALSE},
        {"trail byte is no char", [](CString& t) { return KeepAfterChar(t, '\\'); }, "表示", "表示", FALSE},
        {"after string", [](CString& t) { return KeepAfterString(t, "<b>"); }, "x<b>y<b>z", "y<b>z", TRUE},
        {"after last string", [](CString& t) { return KeepAfterString(t, "<b>", TRUE); }, "x<b>y<b>z", "z",
         TRUE},
        {"before string", [](CString& t) { return KeepBeforeString(t, "<b>"); }, "x<b>y<b>z", "x", TRUE},
        {"before last string", [](CString& t) { return KeepBeforeString(t, "<b>", TRUE); }, "x<b>y<b>z",
         "x<b>y", TRUE},
        {"empty marker", [](CString& t) { return KeepBeforeString(t, ""); }, "abc", "abc", FALSE},
        {"marker missing", [](CString& t) { return KeepAfterString(t, "zz"); }, "abc", "abc", FALSE},
    };
    for (const Case& c : cases)
    {
        CString text = c.in;
        EXPECT_EQ(c.ok, c.cut(text)) << c.name;
        EXPECT_STREQ(c.out, text) << c.name;
    }
}

TEST(TextCut, AffixesAndTrailingCharacters)
{
    struct Case
    {
        const char* in;
        const char* affix;
        BOOL ignoreCase, atStart;
        const char* out;
        BOOL ok;
    } cases[] = {
        {"http://a", "http://", FALSE, TRUE, "a", TRUE},
        {"HTTP://a", "http://", FALSE, TRUE, "HTTP://a", FALSE},
        {"HTTP://a", "http://", TRUE, TRUE, "a", TRUE},
        {"abc", "abc", FALSE, TRUE, "", TRUE},
        {"ab", "abc", FALSE, TRUE, "ab", FALSE},
        {"abc", "", FALSE, FALSE, "abc", FALSE},
        {"file.txt", ".txt", FALSE, FALSE, "file", TRUE},
        {"file.TXT", ".txt", TRUE, FALSE, "file", TRUE},
        // The 0x5C that ends 表 is not a backslash, nor 0x95 a prefix.
        {"表", "\\", FALSE, FALSE, "表", FALSE},
        {"表", "\x95", FALSE, TRUE, "表", FALSE},
    };
    for (const Case& c : cases)
    {
        CString text = c.in;
        EXPECT_EQ(c.ok, RemoveAffix(text, c.affix, c.ignoreCase, c.atStart)) << c.in << " " << c.affix;
        EXPECT_STREQ(c.out, text) << c.in << " " << c.affix;
    }
    CString text = "a.b";
    EXPECT_TRUE(RemovePrefix(text, "a."));
    EXPECT_TRUE(RemoveSuffix(text, "b"));
    EXPECT_STREQ("", text);

    text = "C:\\dir\\";
    EXPECT_TRUE(RemoveTrailingBackslash(text));
    EXPECT_STREQ("C:\\dir", text);
    EXPECT_FALSE(RemoveTrailingBackslash(text));
    text = "C:\\表";
    EXPECT_FALSE(RemoveTrailingBackslash(text));
    EXPECT_STREQ("C:\\表", text);
    text = "a;";
    EXPECT_TRUE(RemoveTrailingChar(text, ';'));
    EXPECT_STREQ("a", text);
}

TEST(TextCut, BytesAndCharacters)
{
    struct Case
    {
        const char* in;
        int n;
        const char* out;
        BOOL cut;
    } cases[] = {
        {"あい", 3, "あ", TRUE}, {"あい", 4, "あい", FALSE}, {"abc", 5, "abc", FALSE},
        {"ab", 0, "", TRUE},     {"aあ", 2, "a", TRUE},      {"ab", -1, "", TRUE},
    };
    for (const Case& c : cases)
    {
        CString text = c.in;
        EXPECT_EQ(c.cut, TruncateToBytes(text, c.n)) << c.in << " " << c.n;
        EXPECT_STREQ(c.out, text) << c.in << " " << c.n;
    }
    EXPECT_EQ(3, CharIndexToByteOffset("aあb", 2));
    EXPECT_EQ(4, CharIndexToByteOffset("aあb", 3));
    EXPECT_EQ(0, CharIndexToByteOffset("aあb", 4));
    EXPECT_EQ(0, CharIndexToByteOffset("ab", 0));
    EXPECT_EQ(0, CharIndexToByteOffset(nullptr, 1));
    EXPECT_EQ(0, SafeLength(nullptr));
    EXPECT_EQ(2, SafeLength("表"));
    EXPECT_STREQ("'a'", QuoteWith("a", '\''));
}

TEST(TextCut, FiltersCharacters)
{
    CString text = "aあb1";
    EXPECT_TRUE(KeepAsciiChars(text));
    EXPECT_STREQ("ab1", text);
    text = "aあb";
    EXPECT_TRUE(KeepAsciiChars(text, KEEP_ASCII_FIRST_RUN));
    EXPECT_STREQ("a", text);
    text = "あい";
    EXPECT_FALSE(KeepAsciiChars(text));

    struct Case
    {
        const char* in;
        BOOL minus, dot;
        const char* out;
    } cases[] = {
        {"￥1,234円", FALSE, FALSE, "1234"}, {"-12.5", TRUE, TRUE, "-12.5"}, {"-12.5", FALSE, FALSE, "125"},
        {"a-1", TRUE, FALSE, "-1"},          {"1-2", TRUE, FALSE, "12"},     {"１２３", FALSE, FALSE, "123"},
        {"ア9", FALSE, FALSE, "9"},
    };
    for (const Case& c : cases)
    {
        CString t = c.in;
        FilterNumberChars(t, c.minus, c.dot);
        EXPECT_STREQ(c.out, t) << c.in;
    }
}

TEST(TextSplit, SplitsAtCharactersAndStrings)
{
    struct Case
    {
        const char* in;
        const char* left;
        const char* right;
    } cases[] = {
        {"a=b=c", "a", "b=c"}, {"ab", "ab", ""}, {"=b", "", "b"},
        {"a=", "a", ""},       {"", "", ""},     {"表=x", "表", "x"},
    };
    for (const Case& c : cases)
    {
        CString left = "L", right = "R";
        SplitAtChar(c.in, left, right, '=');
        EXPECT_STREQ(c.left, left) << c.in;
        EXPECT_STREQ(c.right, right) << c.in;
    }
    CString text = "k=v";
    CString rest;
    SplitAtChar(text, text, rest, '=');
    EXPECT_STREQ("k", text);
    EXPECT_STREQ("v", rest);

    CStringList list;
    EXPECT_EQ(2, SplitByChar(",a,,b,", ',', list));
    EXPECT_EQ(Strings({"a", "b"}), Items(list));
    list.RemoveAll();
    EXPECT_EQ(2, SplitByChar("表\\x", '\\', list));
    EXPECT_EQ(Strings({"表", "x"}), Items(list));
    list.RemoveAll();
    EXPECT_EQ(3, SplitByString("--a--b----c--", "--", list));
    EXPECT_EQ(Strings({"a", "b", "c"}), Items(list));
    EXPECT_EQ(0, SplitByString("abc", "", list));
}

TEST(TextSplit, QueryStrings)
{
    CStringList names, values;
    EXPECT_TRUE(ParseQueryString("http://h/p?a=1&&b=&c&d=x=y", names, values));
    EXPECT_EQ(Strings({"a", "b", "c", "d"}), Items(names));
    EXPECT_EQ(Strings({"1", "", "", "x=y"}), Items(values));
    names.RemoveAll();
    values.RemoveAll();
    EXPECT_TRUE(ParseQueryString("http://h/p?", names, values));
    EXPECT_TRUE(names.IsEmpty());
    EXPECT_TRUE(ParseQueryString("a=1", names, values));
    EXPECT_EQ(Strings({"a"}), Items(names));

    CString out;
    EXPECT_TRUE(GetQueryParameter("http://h/?Name=x%20y&name=z", "NAME", out, TRUE));
    EXPECT_STREQ("x y", out);
    EXPECT_TRUE(GetQueryParameter("http://h/?Name=x%20y", "name", out, FALSE));
    EXPECT_STREQ("x%20y", out);
    EXPECT_TRUE(GetQueryParameter("?a=&a=2", "a", out, TRUE));
    EXPECT_STREQ("2", out);
    EXPECT_FALSE(GetQueryParameter("?a=1", "b", out, TRUE));
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_FALSE(GetQueryParameter("?=1", "", out, TRUE));

    EXPECT_STREQ("a=", MakeQueryFieldPrefix("a", TRUE));
    EXPECT_STREQ("&a=", MakeQueryFieldPrefix("a", FALSE));
}

TEST(TextSplit, ParameterLists)
{
    CStringList names, values;
    EXPECT_TRUE(ParseParameterList(" text/html ; charset = UTF-8 ;;", names, values, ';', -1));
    EXPECT_EQ(Strings({"text/html", "charset"}), Items(names));
    EXPECT_EQ(Strings({"", "UTF-8"}), Items(values));

    names.RemoveAll();
    values.RemoveAll();
    EXPECT_TRUE(ParseParameterList("0; url=http://a/b;c=d;e", names, values, ';', 2));
    EXPECT_EQ(Strings({"0", "url"}), Items(names));
    EXPECT_EQ(Strings({"", "http://a/b;c=d;e"}), Items(values));

    CString value;
    EXPECT_TRUE(GetParameterValue("a=1; B=2", "b", value));
    EXPECT_STREQ("2", value);
    EXPECT_FALSE(GetParameterValue("a=1; b=", "b", value));

    CString main, charset;
    EXPECT_TRUE(SplitHeaderValue("text/html; charset=x-sjis", main, "charset", &charset));
    EXPECT_STREQ("text/html", main);
    EXPECT_STREQ("x-sjis", charset);
    EXPECT_FALSE(SplitHeaderValue("charset=x-sjis", main));
    EXPECT_TRUE(main.IsEmpty());

    struct Case
    {
        const char* content;
        bool withSeconds;
        BOOL ok;
        const char* url;
        int seconds;
    } cases[] = {
        {"5; URL=http://a/?x=1;y=2", true, TRUE, "http://a/?x=1;y=2", 5},
        {"0;url='http://a/b'", true, TRUE, "http://a/b", 0},
        {"0; url=\"http://a/b\"", false, TRUE, "http://a/b", -1},
        {"soon; url=http://a/", true, FALSE, "", -1},
        {"soon; url=http://a/", false, TRUE, "http://a/", -1},
        {"5", true, FALSE, "", 5},
        {"", true, FALSE, "", -1},
    };
    for (const Case& c : cases)
    {
        CString url = "old";
        int seconds = -1;
        EXPECT_EQ(c.ok, GetRefreshTarget(c.content, url, c.withSeconds ? &seconds : nullptr)) << c.content;
        EXPECT_STREQ(c.url, url) << c.content;
        EXPECT_EQ(c.seconds, seconds) << c.content;
    }
}

TEST(StringListText, JoinFormatAndFind)
{
    CStringList list;
    Fill(list, {"a", "", "b", "c"});
    CString out = "old";
    EXPECT_TRUE(JoinStringList(list, out, ", "));
    EXPECT_STREQ("a, b, c", out);
    EXPECT_TRUE(JoinStringList(list, out, ", ", 4));
    EXPECT_STREQ("a, b", out);
    CStringList empty;
    out = "old";
    EXPECT_FALSE(JoinStringList(empty, out, ", "));
    EXPECT_STREQ("old", out);

    EXPECT_TRUE(FormatEachAndJoin(list, out, "[%s]", "/"));
    EXPECT_STREQ("[a]/[b]/[c]", out);
    // Only the one "%s" is an argument.
    EXPECT_TRUE(FormatEachAndJoin(Fill(list, {"x"}), out, "%d %s %s 100%%", ""));
    EXPECT_STREQ("%d x %s 100%", out);
    EXPECT_FALSE(FormatEachAndJoin(list, out, "", ","));
    EXPECT_FALSE(FormatListFromResource(list, out, 1, ","));

    CStringList target;
    Fill(target, {"1"});
    AppendStringList(target, Fill(list, {"2", "3"}));
    AppendStringList(target, target);
    EXPECT_EQ(Strings({"1", "2", "3", "1", "2", "3"}), Items(target));

    const UINT ids[] = {550, 1, 0};
    EXPECT_EQ(1, LoadStringList(target, ids));

    Fill(list, {"ゆうパック", "ゆうメール", "定形外"});
    EXPECT_EQ(1, FindInStringList("ゆうメール", list, 0));
    EXPECT_EQ(-1, FindInStringList("ゆう", list, 0));
    EXPECT_EQ(0, FindInStringList("ゆうパック（60サイズ）", list, MATCH_CONTAINS));
    Fill(list, {"yu", "Teikei"});
    EXPECT_EQ(1, FindInStringList("TEIKEI-gai", list, MATCH_NOCASE | MATCH_PREFIX));
}

TEST(NumberText, SaturatingConversions)
{
    struct Case
    {
        const char* text;
        int value;
    } cases[] = {
        {"123", 123},
        {"-123", -123},
        {"+7", 7},
        {"0000000000012", 12},
        {"99999999999", INT_MAX},
        {"3000000000", INT_MAX},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},
        {"12a", 0},
        {"1.5", 0},
        {"", 0},
        {"-", 0},
        {nullptr, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, ParseIntSaturated(c.text)) << (c.text ? c.text : "null");

    EXPECT_EQ(LLONG_MAX, ParseInt64Saturated("99999999999999999999999"));
    EXPECT_EQ(LLONG_MAX, ParseInt64Saturated("9223372036854775808"));
    EXPECT_EQ(LLONG_MIN, ParseInt64Saturated("-9223372036854775808"));
    EXPECT_EQ(LLONG_MIN, ParseInt64Saturated("-9999999999999999999"));
    EXPECT_EQ(3000000000LL, ParseInt64Saturated("3000000000"));

    EXPECT_EQ(255, HexTextToInt("ff"));
    EXPECT_EQ(16, HexTextToInt("1G"));
    EXPECT_EQ(-1, HexTextToInt("FFFFFFFF"));
    EXPECT_EQ(0, HexTextToInt(""));
    EXPECT_EQ(0, HexTextToInt(nullptr));
}

TEST(NumberText, GroupsDigits)
{
    struct Case
    {
        const char* in;
        int n;
        const char* out;
        BOOL changed;
    } cases[] = {
        {"1234567", 3, "1,234,567", TRUE}, {"-123456", 3, "-123,456", TRUE}, {"123", 3, "123", FALSE},
        {"-123", 3, "-123", FALSE},        {"1234", 0, "1234", FALSE},       {"12345", 2, "1,23,45", TRUE},
    };
    for (const Case& c : cases)
    {
        CString text = c.in;
        EXPECT_EQ(c.changed, GroupDigits(text, c.n)) << c.in;
        EXPECT_STREQ(c.out, text) << c.in;
    }
    CString out;
    Int64ToGroupedText(LLONG_MIN, out);
    EXPECT_STREQ("-9,223,372,036,854,775,808", out);
    Int64ToGroupedText(0, out);
    EXPECT_STREQ("0", out);
}

TEST(NumberText, AmountsCarryTheUnit)
{
    CString out;
    FormatAmountWithUnit(1500, out);
    EXPECT_STREQ("1,500 円", out);
    FormatAmountWithUnit(-20, out);
    EXPECT_STREQ("-20 円", out);
}

TEST(RandomText, DrawsDigitsAndLetters)
{
    std::srand(7);
    CString out;
    RandomAlphanumeric(300, out);
    ASSERT_EQ(300, out.GetLength());
    bool digit = false, lower = false, upper = false;
    for (int i = 0; i < out.GetLength(); ++i)
    {
        char c = out[i];
        digit = digit || (c >= '0' && c <= '9');
        lower = lower || (c >= 'a' && c <= 'z');
        upper = upper || (c >= 'A' && c <= 'Z');
        ASSERT_TRUE((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
    }
    EXPECT_TRUE(digit && lower && upper);
    RandomAlphanumeric(0, out);
    EXPECT_TRUE(out.IsEmpty());
}
