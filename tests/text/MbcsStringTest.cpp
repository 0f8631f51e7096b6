#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "afx/String.h"
#include "text/MbcsString.h"

namespace
{
int SignOf(int v)
{
    return v < 0 ? -1 : v > 0 ? 1 : 0;
}

// Characters of a text as the reference sees them: a lead byte with any
// byte after it is one character.
std::vector<std::string> Chars(const std::string& s, bool fold)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();)
    {
        unsigned char b = (unsigned char)s[i];
        bool lead = b > 0x80 && (b < 0xA0 || b > 0xDF);
        size_t n = (lead && i + 1 < s.size() && s[i + 1] != '\0') ? 2 : 1; // a NUL is no trail byte
        std::string c = s.substr(i, n);
        if (fold && n == 1 && c[0] >= 'A' && c[0] <= 'Z')
            c[0] = (char)(c[0] - 'A' + 'a');
        out.push_back(c);
        i += n;
    }
    return out;
}

// Up to maxLength bytes drawn from a small alphabet full of lead bytes,
// trail values, kana and letters, which finds the corners of the two-byte
// rules.
std::string RandomText(std::mt19937& random, int maxLength, bool withNul = false)
{
    static const unsigned char alphabet[] = {'a',  'A',  '[',  '\\', 0x5C, 0x95, 0x83, 0x41,
                                             0x61, 0xB1, 0xE0, 0x80, 0xA0, 0xFF, 0x00};
    const size_t letters = sizeof(alphabet) - (withNul ? 0 : 1);
    std::string s(random() % (maxLength + 1), ' ');
    for (char& c : s)
        c = (char)alphabet[random() % letters];
    return s;
}

// Byte offsets of every occurrence, by trying each character boundary.
std::vector<int> NaiveFindAll(const std::string& text, const std::string& sub, bool fold)
{
    std::vector<int> found;
    std::vector<std::string> t = Chars(text, fold), s = Chars(sub, fold);
    int offset = 0;
    for (size_t i = 0; i < t.size(); offset += (int)t[i].size(), ++i)
    {
        if (s.empty() || i + s.size() > t.size())
            continue;
        bool same = true;
        for (size_t k = 0; k < s.size() && same; ++k)
            same = t[i + k] == s[k];
        if (same)
            found.push_back(offset);
    }
    return found;
}
} // namespace

TEST(MbcsString, ComparesByCharacters)
{
    struct Case
    {
        const char* a;
        const char* b;
        int exact, noCase;
    } cases[] = {
        {"abc", "abc", 0, 0},
        {"abc", "abd", -1, -1},
        {"ABC", "abc", -1, 0},
        {"ab", "abc", -1, -1},
        {"", "", 0, 0},
        {nullptr, "", 0, 0},
        {"[", "a", -1, -1}, // '[' lies between the two cases of letters
        {"[", "A", 1, -1},
        // ア (0x8341) and ヂ (0x8361): trail bytes are never folded.
        {"ア", "ヂ", -1, -1},
        // A two-byte character sorts after every single byte, kana included.
        {"ｱ", "亜", -1, -1},
        {"表a", "表A", 1, 0},
        // A lead byte cut off by the end sorts among the two-byte characters.
        {"\x95", "ｱ", 1, 1},
        {"\x95", "\x88\x9f", 1, 1},
        {"\x95", "\x95\x40", -1, -1},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.exact, SignOf(MbsCompare(c.a, c.b))) << (c.a ? c.a : "null") << " " << c.b;
        EXPECT_EQ(c.noCase, SignOf(MbsCompareNoCase(c.a, c.b))) << (c.a ? c.a : "null") << " " << c.b;
        EXPECT_EQ(-c.noCase, SignOf(MbsCompareNoCase(c.b, c.a)));
    }
    EXPECT_EQ(0, MbsCompareNoCase("TAG x", 3, "tag", 3));
    EXPECT_EQ(1, MbsCompareNoCase("tags", 4, "TAG", 3));
}

TEST(MbcsString, ComparisonsAgreeWithCString)
{
    // The two orders must never disagree: sorted lists and lookups mix them.
    std::mt19937 random(4321);
    for (int round = 0; round < 20000; ++round)
    {
        const std::string a = RandomText(random, 4), b = RandomText(random, 4);
        const CString s(a.c_str());
        ASSERT_EQ(SignOf(s.Compare(b.c_str())), SignOf(MbsCompare(a.c_str(), b.c_str())))
            << ::testing::PrintToString(a) << " " << ::testing::PrintToString(b);
        ASSERT_EQ(SignOf(s.CompareNoCase(b.c_str())), SignOf(MbsCompareNoCase(a.c_str(), b.c_str())))
            << ::testing::PrintToString(a) << " " << ::testing::PrintToString(b);
        ASSERT_EQ(SignOf(s.Compare(b.c_str())),
                  SignOf(MbsCompare(a.c_str(), (int)a.size(), b.c_str(), (int)b.size())));
    }
}

TEST(MbcsString, ComparesAtMostNBytes)
{
    EXPECT_EQ(0, MbsCompareN("abcX", "abcY", 3));
    EXPECT_NE(0, MbsCompareN("abcX", "abcY", 4));
    EXPECT_EQ(0, MbsCompareN("表a", "表b", 2));
    // A character cut by the limit compares as its lead byte.
    EXPECT_EQ(0, MbsCompareN("表", "\x95\x41", 1));
    EXPECT_EQ(0, MbsCompareNNoCase("HTTP://a", "http://b", 7));
    EXPECT_EQ(0, MbsCompareN("ab", "ab", 100));
}

TEST(MbcsString, FindsOnlyAtCharacterBoundaries)
{
    struct Case
    {
        const char* text;
        const char* sub;
        int start;
        int exact, noCase;
    } cases[] = {
        {"abcabc", "ca", 0, 2, 2},
        {"abcabc", "bc", 2, 4, 4},
        {"abc", "", 0, -1, -1},
        {"", "a", 0, -1, -1},
        {"abc", "abcd", 0, -1, -1},
        {"say HeLLo", "hello", 0, -1, 4},
        // The trail byte of 表 is 0x5C, of ア 0x41 ('A').
        {"表示", "\\", 0, -1, -1},
        {"表\\", "\\", 0, 2, 2},
        {"アa", "a", 0, 2, 2},
        {"アA", "a", 0, -1, 2},
        {"xア", "A", 0, -1, -1},
        {"\x95\x5c\x5c", "\x5c\x5c", 0, -1, -1},
        {"aaab", "aab", 0, 1, 1},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.exact, MbsFind(c.text, c.sub, c.start)) << c.text << " / " << c.sub;
        EXPECT_EQ(c.noCase, MbsFindNoCase(c.text, c.sub, c.start)) << c.text << " / " << c.sub;
    }
    EXPECT_EQ(-1, MbsFind(nullptr, "a"));
    EXPECT_EQ(-1, MbsFind("a", nullptr));
    EXPECT_EQ(1, MbsFindChar("a=b=c", '='));
    EXPECT_EQ(3, MbsReverseFindChar("a=b=c", '='));
    EXPECT_EQ(-1, MbsFindChar("表", '\\'));
    EXPECT_EQ(-1, MbsReverseFindChar("表", '\\'));
    EXPECT_EQ(3, MbsFindChar("a=b=c", '=', 2));
}

TEST(MbcsString, ReverseFindIsTheLastMatchOfAForwardScan)
{
    struct Case
    {
        const char* text;
        const char* sub;
        int end;
        int found;
    } cases[] = {
        {"a.b.c", ".", 0, 3}, {"a.b.c", ".", 2, 1},      {"a.b.c", ".", 3, 3}, {"a.b.c", "x", 0, -1},
        {"", ".", 0, -1},     {"a.b", "", 0, -1},        {"表\\", "\\", 0, 2}, {"表", "\\", 0, -1},
        {"aaaa", "aa", 0, 2}, {"<b>x</b>", "</b", 0, 4}, {"ab", "ab", 1, 0},   {"ab", "ab", -5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.found, ReverseFindString(c.text, c.sub, c.end))
            << c.text << " / " << c.sub << " " << c.end;
}

TEST(MbcsString, SearchesAgreeWithANaiveScan)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 20000; ++round)
    {
        std::string text = RandomText(random, 14);
        std::string sub = RandomText(random, 4);
        for (int fold = 0; fold < 2; ++fold)
        {
            std::vector<int> all = NaiveFindAll(text, sub, fold != 0);
            int expected = all.empty() ? -1 : all.front();
            int found = fold ? MbsFindNoCase(text.c_str(), sub.c_str()) : MbsFind(text.c_str(), sub.c_str());
            ASSERT_EQ(expected, found) << "text " << ::testing::PrintToString(text) << " sub "
                                       << ::testing::PrintToString(sub) << " fold " << fold;
        }
        std::vector<int> all = NaiveFindAll(text, sub, false);
        int end = (int)(random() % (text.size() + 2));
        int expected = -1;
        for (int at : all)
            if (end <= 0 || at + (int)sub.size() - 1 <= end)
                expected = at;
        ASSERT_EQ(expected, ReverseFindString(text.c_str(), sub.c_str(), end))
            << "text " << ::testing::PrintToString(text) << " sub " << ::testing::PrintToString(sub)
            << " end " << end;
    }
}

TEST(MbcsString, CountedSearchesReadANulAsACharacterOfItsOwn)
{
    // A lead byte before a NUL stands alone, with or without case.
    EXPECT_EQ(0, MbsFind("\x88\0", 2, "\x88", 1));
    EXPECT_EQ(0, MbsFindNoCase("\x88\0", 2, "\x88", 1));
    EXPECT_EQ(-1, MbsFind("\x88\x9F", 2, "\x88", 1));

    std::mt19937 random(4321);
    for (int round = 0; round < 20000; ++round)
    {
        std::string text = RandomText(random, 14, true);
        std::string sub = RandomText(random, 3, true);
        for (int fold = 0; fold < 2; ++fold)
        {
            std::vector<int> all = NaiveFindAll(text, sub, fold != 0);
            int expected = all.empty() ? -1 : all.front();
            int found = fold ? MbsFindNoCase(text.data(), (int)text.size(), sub.data(), (int)sub.size())
                             : MbsFind(text.data(), (int)text.size(), sub.data(), (int)sub.size());
            ASSERT_EQ(expected, found) << "text " << ::testing::PrintToString(text) << " sub "
                                       << ::testing::PrintToString(sub) << " fold " << fold;
        }
    }
}

TEST(MbcsString, AStreamFinderFindsWhatASearchOfTheWholeFinds)
{
    // A two-byte character split between pieces is still one character.
    CMbsStreamFinder finder("表示", FALSE);
    EXPECT_FALSE(finder.Feed("\x95", 1));
    EXPECT_FALSE(finder.Feed("\x5C\x8E", 2));
    EXPECT_TRUE(finder.Feed("\xA6", 1));
    // Matches begin at character boundaries only: in "\x95\x95" "\x5C" the
    // bytes of 表 stand across two characters.
    CMbsStreamFinder table("表", FALSE);
    for (const char* piece : {"\x95", "\x95", "\x5C"})
        EXPECT_FALSE(table.Feed(piece, 1));
    EXPECT_FALSE(table.Finish());
    CMbsStreamFinder empty("", TRUE);
    EXPECT_FALSE(empty.Feed("abc", 3));

    std::mt19937 random(99);
    for (int round = 0; round < 20000; ++round)
    {
        std::string text = RandomText(random, 14);
        std::string sub = RandomText(random, 4);
        for (int fold = 0; fold < 2; ++fold)
        {
            bool expected =
                (fold ? MbsFindNoCase(text.c_str(), sub.c_str()) : MbsFind(text.c_str(), sub.c_str())) >= 0;
            CMbsStreamFinder stream(sub.c_str(), fold);
            for (size_t at = 0; at < text.size();)
            {
                size_t n = std::min<size_t>(text.size() - at, random() % 4);
                stream.Feed(text.data() + at, (int)n);
                at += n;
            }
            ASSERT_EQ(expected, stream.Finish() != FALSE)
                << "text " << ::testing::PrintToString(text) << " sub " << ::testing::PrintToString(sub)
                << " fold " << fold;
        }
    }
}

TEST(MbcsString, MatchTextFollowsItsFlags)
{
    struct Case
    {
        const char* text;
        const char* pattern;
        int flags;
        BOOL match;
    } cases[] = {
        {"ゆうパック", "ゆうパック", 0, TRUE},
        {"ゆうパック", "ゆう", 0, FALSE},
        {"ゆうパック", "ゆう", MATCH_PREFIX, TRUE},
        {"ゆうパック", "パック", MATCH_SUFFIX, TRUE},
        {"ゆうパック", "うパ", MATCH_CONTAINS, TRUE},
        {"ゆうパック", "ゆう", MATCH_PREFIX | MATCH_SUFFIX, FALSE},
        {"Yahoo", "yahoo", 0, FALSE},
        {"Yahoo", "yahoo", MATCH_NOCASE, TRUE},
        {"Yahoo!", "YA", MATCH_NOCASE | MATCH_PREFIX, TRUE},
        {"Yahoo!", "HOO!", MATCH_NOCASE | MATCH_SUFFIX, TRUE},
        {"Yahoo!", "AHO", MATCH_NOCASE | MATCH_CONTAINS, TRUE},
        {"", "", 0, TRUE},
        {"abc", "", MATCH_CONTAINS, FALSE},
        {"", "", MATCH_CONTAINS, TRUE},
        // Suffixes and prefixes end at character boundaries.
        {"表", "\\", MATCH_SUFFIX, FALSE},
        {"表", "\x95", MATCH_PREFIX, FALSE},
        {"a\\", "\\", MATCH_SUFFIX, TRUE},
        {nullptr, "a", 0, FALSE},
        {"a", nullptr, MATCH_CONTAINS, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match, MatchText(c.text, c.pattern, c.flags))
            << (c.text ? c.text : "null") << " / " << (c.pattern ? c.pattern : "null") << " " << c.flags;
}

TEST(MbcsString, CharacterSets)
{
    EXPECT_TRUE(IsCharInSets(")", "!),.", "。、", 0));
    EXPECT_FALSE(IsCharInSets("a", "!),.", "。、", 0));
    EXPECT_TRUE(IsCharInSets("。x", "!),.", "。、", 0));
    EXPECT_TRUE(IsCharInSets("、", "!),.", "。、", 2));
    // 0x81 0x42 ("。") is not found by its trail byte among the singles.
    EXPECT_FALSE(IsCharInSets("B", "", "。", 1));
    EXPECT_FALSE(IsCharInSets("\x42\x81", "", "。、", 2));
    EXPECT_FALSE(IsCharInSets("", "abc", "", 0));
    EXPECT_FALSE(IsCharInSets("a", nullptr, nullptr, 0));
}
