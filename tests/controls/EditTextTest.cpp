// The byte limit, line breaks, positions and the reconversion block of the
// byte-limited edit.
#include "controls/EditText.h"
#include "text/TextCut.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(EditText, ByteLimitCutsWithoutSplittingTwoByteCharacters)
{
    struct Case
    {
        const char* name;
        int limit;
        int used;
        BOOL whole;
        const char* in;
        const char* out;
        BOOL cut;
    } cases[] = {
        {"limit 10, 8 used: a two-byte character fits", 10, 8, FALSE, "あ", "あ", FALSE},
        {"limit 10, 10 used: the next one is refused", 10, 10, FALSE, "い", "", TRUE},
        {"three two-byte characters into 4 free bytes", 10, 6, FALSE, "あいう", "あい", TRUE},
        {"a text exactly filling the room", 10, 6, FALSE, "あい", "あい", FALSE},
        {"an odd room keeps the whole characters", 10, 7, FALSE, "あい", "あ", TRUE},
        {"one free byte takes no two-byte character", 10, 9, FALSE, "あ", "", TRUE},
        {"half-width kana count one byte", 10, 7, FALSE, "ｱｲｳｴ", "ｱｲｳ", TRUE},
        {"a text already over the limit leaves no room", 4, 6, FALSE, "a", "", TRUE},
        {"well below the limit", 10, 2, FALSE, "abc", "abc", FALSE},
        {"no limit", 0, 100, FALSE, "あいう", "あいう", FALSE},
        {"whole text longer than the limit", 5, 0, TRUE, "abcあい", "abcあ", TRUE},
        {"whole text cut inside a character", 4, 0, TRUE, "abcあ", "abc", TRUE},
        {"whole text exactly the limit", 4, 99, TRUE, "あい", "あい", FALSE},
    };
    for (const Case& c : cases)
    {
        CString text = c.in;
        EXPECT_EQ(c.cut, FitTextToByteLimit(text, c.limit, c.used, c.whole)) << c.name;
        EXPECT_STREQ(c.out, text) << c.name;
    }
}

TEST(EditText, RemovesEveryKindOfLineBreak)
{
    struct Case
    {
        const char* in;
        const char* out;
        BOOL removed;
    } cases[] = {
        {"a\r\nb", "ab", TRUE},     {"a\nb\rc", "abc", TRUE}, {"\r\n\r\n", "", TRUE}, {"\n\r", "", TRUE},
        {"表\r\n示", "表示", TRUE}, {"表示", "表示", FALSE},  {"", "", FALSE},
    };
    for (const Case& c : cases)
    {
        CString text = c.in;
        EXPECT_EQ(c.removed, RemoveLineBreaks(text)) << c.in;
        EXPECT_STREQ(c.out, text) << c.in;
    }
}

TEST(EditText, PositionsTurnIntoByteOffsetsAndBack)
{
    // a | あ (2 bytes) | ｱ (1 byte) | い (2 bytes)
    const char* text = "aあｱい";
    struct Case
    {
        int byteOffset;
        int charPos; // -1: no character starts there
    } cases[] = {
        {0, 0}, {1, 1}, {2, -1}, {3, 2}, {4, 3}, {5, -1}, {6, 4}, {7, -1}, {-1, -1},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.charPos, ByteOffsetToCharPos(text, c.byteOffset)) << c.byteOffset;
        if (c.charPos > 0)
        {
            EXPECT_EQ(c.byteOffset, CharIndexToByteOffset(text, c.charPos)) << c.byteOffset;
        }
    }
    EXPECT_EQ(4, CountChars(text));
    EXPECT_EQ(0, CountChars(""));
    EXPECT_EQ(-1, ByteOffsetToCharPos(nullptr, 0));
}

TEST(EditText, ReconversionTakesTheSelectionOrTheRestOfTheLine)
{
    struct Case
    {
        const char* name;
        int selStart, selEnd, lineStart, lineLength;
        int start, length;
    } cases[] = {
        {"a selection inside its line", 2, 5, 0, 10, 2, 3},
        {"a selection past its line end is cut to it", 12, 30, 10, 8, 12, 6},
        {"the caret to the end of its line", 4, 4, 0, 10, 4, 6},
        {"the caret on the second line", 13, 13, 10, 8, 13, 5},
        {"the caret at the end of its line", 10, 10, 0, 10, 10, 0},
        {"an empty line", 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        int start = -1, length = -1;
        EXPECT_EQ(c.length > 0,
                  GetReconvertRange(c.selStart, c.selEnd, c.lineStart, c.lineLength, start, length))
            << c.name;
        EXPECT_EQ(c.start, start) << c.name;
        EXPECT_EQ(c.length, length) << c.name;
    }
}

TEST(EditText, ReconversionBlockIsFilledOnlyWhenItHasRoom)
{
    const WCHAR range[] = {0x6F22, 0x5B57, 0x3042}; // 漢字あ
    const DWORD needed = sizeof(ReconvertBlockHeader) + sizeof(range) + sizeof(WCHAR);
    ASSERT_EQ(32u, sizeof(ReconvertBlockHeader));
    EXPECT_GE(ReconvertBlockSize(3), needed);

    struct Case
    {
        DWORD size;
        BOOL selected;
        BOOL filled;
    } cases[] = {
        {needed, TRUE, TRUE},      {ReconvertBlockSize(3), FALSE, TRUE},
        {needed - 1, TRUE, FALSE}, {sizeof(ReconvertBlockHeader), TRUE, FALSE},
        {0, TRUE, FALSE},
    };
    for (const Case& c : cases)
    {
        // The caller's block, then guard bytes that must stay untouched.
        std::vector<BYTE> memory(ReconvertBlockSize(3) + 16, 0xCD);
        std::memcpy(memory.data(), &c.size, sizeof(c.size));
        EXPECT_EQ(c.filled, FillReconvertBlock(memory.data(), range, 3, c.selected)) << c.size;
        for (size_t i = c.filled ? needed : sizeof(DWORD); i < memory.size(); ++i)
            ASSERT_EQ(0xCD, memory[i]) << "written past the block at " << i << " (size " << c.size << ")";
        if (!c.filled)
            continue;
        ReconvertBlockHeader head;
        std::memcpy(&head, memory.data(), sizeof(head));
        EXPECT_EQ(c.size, head.dwSize);
        EXPECT_EQ(3u, head.dwStrLen);
        EXPECT_EQ(32u, head.dwStrOffset);
        EXPECT_EQ(c.selected ? 3u : 0u, head.dwCompStrLen);
        EXPECT_EQ(0u, head.dwCompStrOffset);
        EXPECT_EQ(0, std::memcmp(memory.data() + 32, range, sizeof(range)));
        EXPECT_EQ(0, memory[32 + sizeof(range)]);
        EXPECT_EQ(0, memory[33 + sizeof(range)]);
    }
    EXPECT_FALSE(FillReconvertBlock(nullptr, range, 3, TRUE));
}
