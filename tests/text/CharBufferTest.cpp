#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "text/CharBuffer.h"

namespace
{
LPCWSTR W(const char16_t* s)
{
    return reinterpret_cast<LPCWSTR>(s);
}

std::u16string Text(const CWideCharBuffer& b)
{
    return std::u16string(reinterpret_cast<const char16_t*>(b.GetData()), (size_t)b.GetLength());
}
} // namespace

TEST(CharBuffer, NewBufferReadsAsAnEmptyString)
{
    CWideCharBuffer b;
    ASSERT_NE(nullptr, b.GetData());
    EXPECT_EQ(0, b.GetData()[0]);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(-1, b.GetReserved());
    EXPECT_EQ(2, b.GetElementSize());
}

TEST(CharBuffer, AssignAndAppend)
{
    CWideCharBuffer b;
    EXPECT_TRUE(b.Assign(W(u"ab")));
    ASSERT_NE(nullptr, b.Append(W(u"cde")));
    EXPECT_EQ(u"abcde", Text(b));
    EXPECT_EQ(5, b.GetLength());
    b.Append(W(u""));
    b.Append(nullptr);
    EXPECT_EQ(u"abcde", Text(b));
    b.AppendChar(u'\x8868');
    EXPECT_EQ(u"abcde\x8868", Text(b));

    // Null and the buffer's own data change nothing.
    const WCHAR* data = b.GetData();
    EXPECT_TRUE(b.Assign(nullptr));
    EXPECT_TRUE(b.Assign(data));
    EXPECT_EQ(u"abcde\x8868", Text(b));
    EXPECT_EQ(b.GetData(), b.AssignIfDifferent(b.GetData()));

    // The buffer's own text appended to itself.
    b.Assign(W(u"xy"));
    b.Append(b.GetData());
    EXPECT_EQ(u"xyxy", Text(b));

    b.Clear();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(0, b.GetData()[0]);
    b.Free();
    EXPECT_TRUE(b.IsEmpty());
}

TEST(CharBuffer, AppendsInsideAReservationNeverReallocate)
{
    CWideCharBuffer b;
    WCHAR* p = b.AssignBuffer(10);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(10, b.GetReserved());
    for (int i = 0; i < 3; ++i)
    {
        ASSERT_NE(nullptr, b.Append(W(u"abc")));
        EXPECT_EQ(p, b.GetData());
    }
    b.ReleaseBuffer();
    EXPECT_EQ(9, b.GetLength());
    EXPECT_EQ(-1, b.GetReserved());
    EXPECT_EQ(u"abcabcabc", Text(b));

    // Beyond the reservation the append still succeeds, and the reservation
    // ends.
    b.AssignBuffer(10);
    b.Append(W(u"defg"));
    EXPECT_EQ(13, b.GetLength());
    EXPECT_EQ(-1, b.GetReserved());
    EXPECT_EQ(u"abcabcabcdefg", Text(b));

    // Nothing to reserve when the text already fills the count.
    EXPECT_EQ(nullptr, b.AssignBuffer(13));
    EXPECT_EQ(-1, b.GetReserved());
}

TEST(CharBuffer, ReleaseBufferTakesTheWrittenText)
{
    CWideCharBuffer b;
    WCHAR* p = b.AssignBuffer(8);
    ASSERT_NE(nullptr, p);
    p[0] = u'x';
    p[1] = u'y';
    p[2] = 0;
    b.ReleaseBuffer();
    EXPECT_EQ(u"xy", Text(b));

    // A writer that fills the whole reservation and its terminator.
    p = b.AssignBuffer(4);
    ASSERT_NE(nullptr, p);
    for (int i = 0; i < 5; ++i)
        p[i] = u'z';
    b.ReleaseBuffer();
    EXPECT_EQ(u"zzzz", Text(b));
}

TEST(CharBuffer, Mid)
{
    CWideCharBuffer b, out;
    b.Assign(W(u"abcdef"));
    struct Case
    {
        int start, count;
        BOOL ok;
        const char16_t* text;
    } cases[] = {
        {0, -1, TRUE, u"abcdef"}, {0, 7, FALSE, u""}, {2, 2, TRUE, u"cd"}, {4, 6, TRUE, u"ef"},
        {5, 1, TRUE, u"f"},       {6, 1, FALSE, u""}, {-1, 2, FALSE, u""}, {1, 0, FALSE, u""},
    };
    for (const Case& c : cases)
    {
        out.Assign(W(u"old"));
        EXPECT_EQ(c.ok, b.Mid(c.start, c.count, out)) << c.start << "," << c.count;
        EXPECT_EQ(c.ok ? std::u16string(c.text) : std::u16string(u"old"), Text(out))
            << c.start << "," << c.count;
    }
    EXPECT_TRUE(b.Mid(1, 3, b));
    EXPECT_EQ(u"bcd", Text(b));
}

TEST(CharBuffer, CopiesAreDeep)
{
    CWideCharBuffer a;
    a.Assign(W(u"text"));
    CWideCharBuffer b(a);
    CWideCharBuffer c;
    c = a;
    a.Assign(W(u"changed"));
    EXPECT_EQ(u"text", Text(b));
    EXPECT_EQ(u"text", Text(c));
    EXPECT_NE(a.GetData(), b.GetData());
    c = c;
    EXPECT_EQ(u"text", Text(c));
}
