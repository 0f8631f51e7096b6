#include "afx/String.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
// The literals below are code page 932 (the compiler's execution charset);
// the spelled-out bytes say which ones matter.
const char kHyo[] = "表";   // 0x95 0x5C: the trail byte is '\\'
const char kSo[] = "ソ";    // 0x83 0x5C
const char kA[] = "ア";     // 0x83 0x41: the trail byte is 'A'
const char kDi[] = "ヂ";    // 0x83 0x61: the trail byte is 'a'
const char kSpace[] = "　"; // 0x81 0x40, the full-width space

std::string Bytes(const CString& s)
{
    return std::string((LPCTSTR)s, s.GetLength());
}
} // namespace

TEST(StringTest, LiteralsAreCodePage932)
{
    EXPECT_STREQ("\x95\x5C", kHyo);
    EXPECT_STREQ("\x83\x5C", kSo);
    EXPECT_STREQ("\x83\x41", kA);
    EXPECT_STREQ("\x83\x61", kDi);
    EXPECT_STREQ("\x81\x40", kSpace);
    EXPECT_STREQ("\xB1", "ｱ");
}

TEST(StringTest, LeadBytes)
{
    struct
    {
        int b;
        BOOL lead;
    } table[] = {{0x00, FALSE}, {0x41, FALSE}, {0x5C, FALSE}, {0x7F, FALSE}, {0x80, FALSE}, {0x81, TRUE},
                 {0x95, TRUE},  {0x9F, TRUE},  {0xA0, FALSE}, {0xA1, FALSE}, {0xB1, FALSE}, {0xDF, FALSE},
                 {0xE0, TRUE},  {0xEA, TRUE},  {0xFB, TRUE},  {0xFC, TRUE},  {0xFD, TRUE},  {0xFF, TRUE}};
    for (const auto& row : table)
        EXPECT_EQ(row.lead, AfxIsLeadByte((BYTE)row.b)) << std::hex << row.b;

    const char text[] = "a表ｱ\x95";
    LPCTSTR p = text;
    p = AfxCharNext(p);
    EXPECT_EQ(text + 1, p);
    p = AfxCharNext(p);
    EXPECT_EQ(text + 3, p);
    p = AfxCharNext(p);
    EXPECT_EQ(text + 4, p);
    p = AfxCharNext(p); // a lead byte at the end stands alone
    EXPECT_EQ(text + 5, p);
    EXPECT_EQ(text + 5, AfxCharNext(p));
}

TEST(StringTest, Construction)
{
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_TRUE(CString((LPCTSTR) nullptr).IsEmpty());
    EXPECT_TRUE(CString(nullptr).IsEmpty());
    EXPECT_EQ("abc", Bytes(CString("abc")));
    EXPECT_EQ("ab", Bytes(CString("abcdef", 2)));
    EXPECT_TRUE(CString("abc", 0).IsEmpty());
    EXPECT_TRUE(CString("abc", -1).IsEmpty());
    EXPECT_TRUE(CString((LPCTSTR) nullptr, 3).IsEmpty());
    EXPECT_EQ("xxx", Bytes(CString('x', 3)));
    EXPECT_EQ("x", Bytes(CString('x')));
    EXPECT_TRUE(CString('x', 0).IsEmpty());
    const unsigned char bytes[] = {0x95, 0x5C, 'a', 0};
    EXPECT_EQ("表a", Bytes(CString(bytes)));
    EXPECT_EQ("日本語ｶﾅ", Bytes(CString(u"日本語ｶﾅ")));
    EXPECT_TRUE(CString((const char16_t*)nullptr).IsEmpty());

    CString s("表示");
    CString copy(s);
    EXPECT_EQ(s, copy);
    CString moved(std::move(copy));
    EXPECT_EQ("表示", Bytes(moved));
    EXPECT_EQ(4, moved.GetLength());
}

TEST(StringTest, AccessAndAssignment)
{
    CString s("abc");
    EXPECT_EQ('b', s.GetAt(1));
    EXPECT_EQ('c', s[2]);
    s.SetAt(0, 'X');
    EXPECT_STREQ("Xbc", s);
    s = 'q';
    EXPECT_STREQ("q", s);
    s = "表";
    EXPECT_EQ(2, s.GetLength());
    const unsigned char bytes[] = {'u', 0};
    s = bytes;
    EXPECT_STREQ("u", s);
    s = (LPCTSTR) nullptr;
    EXPECT_TRUE(s.IsEmpty());
    s = u"ソース";
    EXPECT_STREQ("ソース", s);
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ("", s);
}

TEST(StringTest, Concatenation)
{
    CString a("表"), b("ソ");
    EXPECT_STREQ("表ソ", a + b);
    EXPECT_STREQ("表x", a + 'x');
    EXPECT_STREQ("x表", 'x' + a);
    EXPECT_STREQ("表ab", a + "ab");
    EXPECT_STREQ("ab表", "ab" + a);
    EXPECT_STREQ("表", a + (LPCTSTR) nullptr);
    CString s;
    s += a;
    s += 'x';
    s += "yz";
    s += (LPCTSTR) nullptr;
    EXPECT_STREQ("表xyz", s);
}

TEST(StringTest, SelfAssignmentAndAliasing)
{
    CString s("abcdef");
    CString& same = s;
    s = same;
    EXPECT_STREQ("abcdef", s);
    s = s.Mid(1);
    EXPECT_STREQ("bcdef", s);
    s += s;
    EXPECT_STREQ("bcdefbcdef", s);
    s += (LPCTSTR)s;
    EXPECT_STREQ("bcdefbcdefbcdefbcdef", s);
    s = (LPCTSTR)s + 15;
    EXPECT_STREQ("bcdef", s);
    s = s + s;
    EXPECT_STREQ("bcdefbcdef", s);
    s.Insert(0, (LPCTSTR)s);
    EXPECT_STREQ("bcdefbcdefbcdefbcdef", s);
    s = "a-b-a";
    s.Replace((LPCTSTR)s + 4, (LPCTSTR)s + 2); // "a" by "b-a"
    EXPECT_STREQ("b-a-b-b-a", s);
    s.Format("%s.%s", (LPCTSTR)s, (LPCTSTR)s);
    EXPECT_STREQ("b-a-b-b-a.b-a-b-b-a", s);
    s = same.Left(3);
    EXPECT_STREQ("b-a", s);
    s = std::move(same);
    EXPECT_STREQ("b-a", s);
}

TEST(StringTest, Comparisons)
{
    // Byte order, bytes unsigned: 0x95 sorts after every ASCII byte.
    struct
    {
        const char* a;
        const char* b;
        int compare;
        int compareNoCase;
    } table[] = {
        {"", "", 0, 0},
        {"a", "", 1, 1},
        {"", "a", -1, -1},
        {"abc", "abc", 0, 0},
        {"abc", "ABC", 1, 0},
        {"ABC", "abd", -1, -1},
        {"abc", "abcd", -1, -1},
        {"z", "表", -1, -1},
        {"表", "ソ", 1, 1},
        {"ア", "ア", 0, 0},
        {"ア", "\x83\x61", -1, -1}, // trail bytes 'A' and 'a' do not fold
        {"xア", "Xア", 1, 0},
        {"_", "a", -1, -1}, // folds to lower case, as _mbsicmp
        {"_", "A", 1, -1},
        {"ｱ", "ア", -1, -1}, // by character code: 0xB1 before 0x8341
        {"ｱ", "\x81\x40", -1, -1},
        {"ﾟ", "\x9F\xFC", -1, -1},
        {"\x95", "\x95\x5C", -1, -1},
    };
    for (const auto& row : table)
    {
        CString a(row.a), b(row.b);
        SCOPED_TRACE(std::string(row.a) + " | " + row.b);
        EXPECT_EQ(row.compare, a.Compare(b));
        EXPECT_EQ(row.compare, a.Collate(b));
        EXPECT_EQ(row.compareNoCase, a.CompareNoCase(b));
        EXPECT_EQ(row.compareNoCase, a.CollateNoCase(b));
        EXPECT_EQ(row.compare == 0, a == b);
        EXPECT_EQ(row.compare == 0, a == row.b);
        EXPECT_EQ(row.compare == 0, row.a == b);
        EXPECT_EQ(row.compare != 0, a != b);
        EXPECT_EQ(row.compare != 0, a != row.b);
        EXPECT_EQ(row.compare != 0, row.a != b);
        EXPECT_EQ(row.compare < 0, a < b);
        EXPECT_EQ(row.compare < 0, a < row.b);
        EXPECT_EQ(row.compare < 0, row.a < b);
        EXPECT_EQ(row.compare > 0, a > b);
        EXPECT_EQ(row.compare > 0, a > row.b);
        EXPECT_EQ(row.compare > 0, row.a > b);
        EXPECT_EQ(row.compare <= 0, a <= b);
        EXPECT_EQ(row.compare <= 0, a <= row.b);
        EXPECT_EQ(row.compare <= 0, row.a <= b);
        EXPECT_EQ(row.compare >= 0, a >= b);
        EXPECT_EQ(row.compare >= 0, a >= row.b);
        EXPECT_EQ(row.compare >= 0, row.a >= b);
    }
}

TEST(StringTest, MidLeftRightCountBytes)
{
    CString s("表示ab"); // 6 bytes
    struct
    {
        int first;
        int count;
        const char* mid;
    } mids[] = {
        {0, 6, "表示ab"}, {0, 2, "表"},   {2, 2, "示"}, {1, 2, "\x5C\x8E"},
        {4, 100, "ab"},   {-3, 2, "表"},  {2, -1, ""},  {6, 1, ""},
        {7, 1, ""},       {100, 100, ""}, {0, 0, ""},   {5, 0x7FFFFFFF, "b"},
    };
    for (const auto& row : mids)
        EXPECT_EQ(row.mid, Bytes(s.Mid(row.first, row.count))) << row.first << "," << row.count;
    EXPECT_EQ("示ab", Bytes(s.Mid(2)));
    EXPECT_EQ("表示ab", Bytes(s.Mid(-1)));
    EXPECT_EQ("", Bytes(s.Mid(6)));
    EXPECT_EQ("", Bytes(s.Mid(9)));

    struct
    {
        int count;
        const char* left;
        const char* right;
    } ends[] = {{-1, "", ""},
                {0, "", ""},
                {1, "\x95", "b"},
                {2, "表", "ab"},
                {3, "表\x8E",
                 "\xA6"
                 "ab"},
                {6, "表示ab", "表示ab"},
                {100, "表示ab", "表示ab"}};
    for (const auto& row : ends)
    {
        EXPECT_EQ(row.left, Bytes(s.Left(row.count))) << row.count;
        EXPECT_EQ(row.right, Bytes(s.Right(row.count))) << row.count;
    }
}

TEST(StringTest, SearchesStepOverTwoByteCharacters)
{
    CString s = CString("a") + kHyo + kSo + "\\b" + kA; // a 表 ソ \ b ア
    EXPECT_EQ(5, s.Find('\\'));
    EXPECT_EQ(5, s.Find('\\', 1));
    EXPECT_EQ(5, s.Find('\\', 5));
    EXPECT_EQ(-1, s.Find('\\', 6));
    EXPECT_EQ(-1, s.Find('\\', 100));
    EXPECT_EQ(5, s.Find('\\', -4));
    EXPECT_EQ(5, s.ReverseFind('\\'));
    EXPECT_EQ(5, s.FindOneOf("\\"));
    EXPECT_EQ(5, s.Find("\\"));
    EXPECT_EQ(-1, s.Find('A')); // the trail byte of ア
    EXPECT_EQ(-1, s.FindOneOf("A"));
    EXPECT_EQ(-1, s.Find((TCHAR)0x83)); // a lead byte is not a character
    EXPECT_EQ(3, s.Find(kSo));
    EXPECT_EQ(3, s.FindOneOf(kSo));
    EXPECT_EQ(1, s.FindOneOf("xソ表"));
    EXPECT_EQ(-1, s.Find("\x5C\x83")); // across a character boundary
    EXPECT_EQ(5, s.Find("\\b"));
    EXPECT_EQ(5, s.Find("\\b", 2)); // a start inside 表 moves to the next character
    EXPECT_EQ(-1, s.Find("\\b", 6));
    EXPECT_EQ(0, s.Find(""));
    EXPECT_EQ(3, s.Find("", 2));
    EXPECT_EQ(-1, s.Find("", 100));
    EXPECT_EQ(-1, s.Find((LPCTSTR) nullptr));

    CString t("ab\\cd\\e");
    EXPECT_EQ(2, t.Find('\\'));
    EXPECT_EQ(5, t.Find('\\', 3));
    EXPECT_EQ(5, t.ReverseFind('\\'));
    EXPECT_EQ(3, t.Find("cd"));
    EXPECT_EQ(-1, t.Find("cd", 4));
    EXPECT_EQ(-1, t.ReverseFind('x'));
    EXPECT_EQ(-1, t.FindOneOf(""));
    EXPECT_EQ(-1, t.FindOneOf(nullptr));

    // Only a character of its own: no byte of the path's two-byte names.
    CString path("C:\\表示\\ソフト\\");
    EXPECT_EQ(2, path.Find('\\'));
    EXPECT_EQ(7, path.Find('\\', 3));
    EXPECT_EQ(14, path.ReverseFind('\\'));
    EXPECT_EQ("C:\\表示", Bytes(path.Left(path.Find('\\', 3))));

    // A lead byte without its trail at the end stands alone.
    CString lone("a\x95");
    EXPECT_EQ(1, lone.Find((TCHAR)0x95));
    EXPECT_EQ(1, lone.ReverseFind((TCHAR)0x95));
}

TEST(StringTest, Spans)
{
    CString s = CString(kHyo) + kSo + "\\x";
    EXPECT_EQ(std::string(kHyo) + kSo, Bytes(s.SpanExcluding("\\")));
    EXPECT_EQ("", Bytes(s.SpanIncluding("\\")));
    EXPECT_EQ(std::string(kHyo) + kSo + "\\", Bytes(s.SpanIncluding("\\ソ表")));
    EXPECT_EQ(kHyo, Bytes(s.SpanIncluding("表")));
    EXPECT_EQ("", Bytes(s.SpanIncluding("\x95"))); // a lead byte is not 表
    EXPECT_EQ(Bytes(s), Bytes(s.SpanExcluding("A")));
    EXPECT_EQ("", Bytes(s.SpanExcluding("表")));
    EXPECT_EQ("abc", Bytes(CString("abc,def").SpanExcluding(",;")));
    EXPECT_EQ("123", Bytes(CString("123abc").SpanIncluding("0123456789")));
    EXPECT_EQ("", Bytes(CString("123").SpanIncluding("")));
    EXPECT_EQ("123", Bytes(CString("123").SpanExcluding(nullptr)));
}

TEST(StringTest, CaseChangesLeaveTrailBytesAlone)
{
    CString s = CString("abcXYZ") + kA + kDi + "ｱq1";
    s.MakeUpper();
    EXPECT_EQ(std::string("ABCXYZ") + kA + kDi + "ｱQ1", Bytes(s));
    s.MakeLower();
    EXPECT_EQ(std::string("abcxyz") + kA + kDi + "ｱq1", Bytes(s));
    CString full("ａＡ"); // full-width letters are two-byte: unchanged
    full.MakeUpper();
    EXPECT_STREQ("ａＡ", full);
    full.MakeLower();
    EXPECT_STREQ("ａＡ", full);
}

TEST(StringTest, MakeReverseKeepsTwoByteCharacters)
{
    CString s("ab表cソ");
    s.MakeReverse();
    EXPECT_EQ("ソc表ba", Bytes(s));
    CString lone("表a\x95");
    lone.MakeReverse();
    EXPECT_EQ("\x95"
              "a表",
              Bytes(lone));
    CString empty;
    empty.MakeReverse();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(StringTest, ReplaceAndRemove)
{
    CString s = CString("a\\") + kHyo + "\\" + kSo;
    CString t(s);
    EXPECT_EQ(2, t.Replace('\\', '/'));
    EXPECT_EQ(std::string("a/") + kHyo + "/" + kSo, Bytes(t));
    t = s;
    EXPECT_EQ(2, t.Replace("\\", "¥¥"));
    EXPECT_EQ(std::string("a¥¥") + kHyo + "¥¥" + kSo, Bytes(t));
    t = s;
    EXPECT_EQ(2, t.Remove('\\'));
    EXPECT_EQ(std::string("a") + kHyo + kSo, Bytes(t));
    t = s;
    EXPECT_EQ(1, t.Replace(kHyo, "表示"));
    EXPECT_EQ(std::string("a\\表示\\") + kSo, Bytes(t));
    t = s;
    EXPECT_EQ(0, t.Replace("\x5C\x5C", "x")); // "\\\\" only across 表's trail byte
    t = s;
    EXPECT_EQ(0, t.Replace('A', 'B'));
    EXPECT_EQ(Bytes(s), Bytes(t));

    CString u("aaa");
    EXPECT_EQ(1, u.Replace("aa", "b"));
    EXPECT_STREQ("ba", u);
    EXPECT_EQ(1, u.Replace("a", ""));
    EXPECT_EQ(0, u.Replace("", "x"));
    EXPECT_EQ(0, u.Replace(nullptr, "x"));
    EXPECT_EQ(1, u.Replace("b", nullptr));
    EXPECT_TRUE(u.IsEmpty());
    EXPECT_EQ(0, u.Remove('x'));
}

TEST(StringTest, InsertAndDelete)
{
    CString s("abc");
    EXPECT_EQ(4, s.Insert(1, 'x'));
    EXPECT_STREQ("axbc", s);
    EXPECT_EQ(5, s.Insert(-5, '<'));
    EXPECT_EQ(6, s.Insert(100, '>'));
    EXPECT_STREQ("<axbc>", s);
    EXPECT_EQ(8, s.Insert(3, "表"));
    EXPECT_STREQ("<ax表bc>", s);
    EXPECT_EQ(8, s.Insert(0, (LPCTSTR) nullptr));
    EXPECT_EQ(6, s.Delete(3, 2));
    EXPECT_STREQ("<axbc>", s);
    EXPECT_EQ(5, s.Delete(0));
    EXPECT_EQ(4, s.Delete(-2));
    EXPECT_STREQ("bc>", s.Mid(1));
    EXPECT_EQ(2, s.Delete(2, 100));
    EXPECT_STREQ("xb", s);
    EXPECT_EQ(2, s.Delete(2, 1));
    EXPECT_EQ(2, s.Delete(0, 0));
    EXPECT_EQ(2, s.Delete(0, -1));
    EXPECT_STREQ("xb", s);
}

TEST(StringTest, Trims)
{
    struct
    {
        const char* in;
        const char* left;
        const char* right;
    } table[] = {
        {"", "", ""},
        {" \t\r\n", "", ""},
        {"  a b  ", "a b  ", "  a b"},
        {"\x0B\x0C"
         "x",
         "x",
         "\x0B\x0C"
         "x"},
        {"表 ", "表 ", "表"},
        {"　表　", "　表　", "　表　"}, // the full-width space is two-byte
        {" ｱ ", "ｱ ", " ｱ"},
    };
    for (const auto& row : table)
    {
        CString left(row.in), right(row.in);
        left.TrimLeft();
        right.TrimRight();
        EXPECT_EQ(row.left, Bytes(left)) << row.in;
        EXPECT_EQ(row.right, Bytes(right)) << row.in;
    }

    // TrimRight stops at a two-byte character even where its trail byte is
    // the target.
    CString s = CString("x") + kHyo;
    s.TrimRight('\\');
    EXPECT_EQ(std::string("x") + kHyo, Bytes(s));
    s = CString("x") + kSo + "\\\\";
    s.TrimRight('\\');
    EXPECT_EQ(std::string("x") + kSo, Bytes(s));
    s = CString("x") + kA;
    s.TrimRight('A');
    s.TrimRight("A");
    EXPECT_EQ(std::string("x") + kA, Bytes(s));
    s = CString("x") + kSo + "\\/";
    s.TrimRight("/\\");
    EXPECT_EQ(std::string("x") + kSo, Bytes(s));
    s = "xx..表..";
    s.TrimRight('.');
    EXPECT_STREQ("xx..表", s);
    s.TrimLeft('x');
    EXPECT_STREQ("..表", s);
    s.TrimLeft(".");
    EXPECT_STREQ("表", s);
    s.TrimLeft("\x95");
    EXPECT_STREQ("表", s);

    // Two-byte characters in the target list match whole.
    s = "　　表　x　";
    s.TrimLeft("　");
    EXPECT_STREQ("表　x　", s);
    s.TrimRight("x　");
    EXPECT_STREQ("表", s);
    s.TrimRight((LPCTSTR) nullptr);
    EXPECT_STREQ("表", s);
}

TEST(StringTest, Format)
{
    CString s;
    s.Format("%d-%s-%c-%05.1f-%x", 42, "表示", 'z', 3.14159, 255);
    EXPECT_STREQ("42-表示-z-003.1-ff", s);
    s.Format("%I64d %I64u %I64x", (LONGLONG)-1234567890123LL, (ULONGLONG)18446744073709551615ULL,
             (LONGLONG)0x123456789ALL);
    EXPECT_STREQ("-1234567890123 18446744073709551615 123456789a", s);
    s.Format("%lld|%5I64d|%-5I64d|%I32d", 9000000000LL, (LONGLONG)12, (LONGLONG)34, 56);
    EXPECT_STREQ("9000000000|   12|34   |56", s);
    s.Format("100%% %s", "完了");
    EXPECT_STREQ("100% 完了", s);
    s.Format("");
    EXPECT_TRUE(s.IsEmpty());

    // Longer than any first guess of a buffer.
    std::string big(5000, 'x');
    s.Format("[%s|%s]", big.c_str(), "表");
    EXPECT_EQ(5000 + 5, s.GetLength());
    EXPECT_EQ("[" + big + "|表]", Bytes(s));
    s.Format("%3000d", 7);
    EXPECT_EQ(3000, s.GetLength());
    EXPECT_EQ('7', s[2999]);
    std::string japanese;
    for (int i = 0; i < 600; ++i)
        japanese += "表ソ";
    s.Format("%s", japanese.c_str());
    EXPECT_EQ(japanese, Bytes(s));
}

TEST(StringTest, FormatMessage)
{
    CString s;
    s.FormatMessage("%1!s! に %2!d! 件", "表示", 12);
    EXPECT_STREQ("表示 に 12 件", s);
    s.FormatMessage("%2 / %1", "first", "second");
    EXPECT_STREQ("second / first", s);
    s.FormatMessage("%1!5d!|%1!-5d!|%2!I64d!|%3!x!", 42, (LONGLONG)-9000000000LL, 255);
    EXPECT_STREQ("   42|42   |-9000000000|ff", s);
    s.FormatMessage("%1%2%1", "a", "b");
    EXPECT_STREQ("aba", s);
    s.FormatMessage("100%% %.%!% %t%n%1", "x");
    EXPECT_STREQ("100% .! \t\r\nx", s);
    s.FormatMessage("ab%0cd");
    EXPECT_STREQ("ab", s);
    s.FormatMessage("%1!c!%2!ld!%3!.2f!%4!hd!", 'q', -7, 2.5, 65537);
    EXPECT_STREQ("q-72.501", s);
    s.FormatMessage("%10=%1", "v", "", "", "", "", "", "", "", "", "ten");
    EXPECT_STREQ("ten=v", s);
    s.FormatMessage("%1 %2!s!", (LPCTSTR) nullptr, "ok");
    EXPECT_STREQ(" ok", s);

    std::string big(3000, 'y');
    s.FormatMessage("<%1>", big.c_str());
    EXPECT_EQ("<" + big + ">", Bytes(s));
}

TEST(StringTest, LoadString)
{
    // String 550 of the HTTP client's texts (res/common/http.rc).
    CString s;
    ASSERT_TRUE(s.LoadString(550));
    EXPECT_EQ(0, s.Find("リダイレクトの回数が多すぎる"));
    EXPECT_NE(-1, s.Find("\r\n"));
    EXPECT_FALSE(s.LoadString(0xFFF0));
    EXPECT_TRUE(s.IsEmpty());

    CString f;
    f.Format((UINT)550);
    EXPECT_GT(f.GetLength(), 0);
    EXPECT_EQ(0, f.Find("リダイレクト"));
    f.FormatMessage((UINT)550);
    EXPECT_EQ(0, f.Find("リダイレクト"));
}

TEST(StringTest, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    LPTSTR p = s.GetBuffer(100);
    std::strcpy(p, "表示テキスト");
    s.ReleaseBuffer();
    EXPECT_STREQ("表示テキスト", s);
    EXPECT_EQ(12, s.GetLength());

    p = s.GetBuffer(0); // keeps the contents
    EXPECT_STREQ("表示テキスト", p);
    s.ReleaseBuffer(4);
    EXPECT_STREQ("表示", s);

    p = s.GetBuffer(10);
    std::memcpy(p, "0123456789", 10);
    p[10] = '\0'; // a NUL after nMinBufLength bytes is allowed
    s.ReleaseBuffer(-1);
    EXPECT_STREQ("0123456789", s);

    p = s.GetBufferSetLength(3);
    EXPECT_EQ(3, s.GetLength());
    p[2] = 'x';
    s.ReleaseBuffer(3);
    EXPECT_STREQ("01x", s);

    s.GetBuffer(50);
    s.ReleaseBuffer(0);
    EXPECT_TRUE(s.IsEmpty());

    CString e;
    p = e.GetBuffer(0);
    EXPECT_EQ('\0', p[0]);
    e.ReleaseBuffer();
    EXPECT_TRUE(e.IsEmpty());

    s = "abc";
    s.GetBuffer(1000);
    s.ReleaseBuffer();
    s.FreeExtra();
    EXPECT_STREQ("abc", s);
    p = s.LockBuffer();
    EXPECT_STREQ("abc", p);
    s.UnlockBuffer();
    EXPECT_STREQ("abc", s);
}
