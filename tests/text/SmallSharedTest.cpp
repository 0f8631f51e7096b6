// The small shared classes: the data-file exception, the input check for
// the service, and the text span.
#include "afx/Archive.h"
#include "afx/File.h"
#include "text/ArchiveCommException.h"
#include "text/InputTextCheck.h"
#include "text/TextSpan.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(ArchiveCommException, IsAnArchiveExceptionWithItsOwnClassAndCause)
{
    try
    {
        ThrowArchiveCommException(ARCHIVE_COMM_NEWER_VERSION);
        FAIL() << "nothing thrown";
    }
    catch (CArchiveException* e)
    {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CArchiveCommException)));
        EXPECT_STREQ("CArchiveCommException", e->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(0x10002, e->m_cause);
        EXPECT_TRUE(e->m_strFileName.IsEmpty());
        // The message is the archive exception's own.
        char message[256] = "";
        EXPECT_TRUE(e->GetErrorMessage(message, sizeof(message)));
        char generic[256] = "";
        CArchiveException(CArchiveException::generic).GetErrorMessage(generic, sizeof(generic));
        EXPECT_STREQ(generic, message);
        e->Delete();
    }
    EXPECT_EQ(0x10001, CArchiveCommException(ARCHIVE_COMM_OTHER_TYPE).m_cause);
}

TEST(CheckInputText, ReasonsForForbiddenCharactersAndHalfWidthKana)
{
    struct Case
    {
        const char* text;
        BOOL bCheckKana;
        int nReason;
    };
    const Case cases[] = {
        {"", FALSE, 0},
        {"普通の文章 abc", FALSE, 0},
        {"a<b", FALSE, 1},
        {"say \"hi\"", TRUE, 1},
        {"x>", FALSE, 1},
        {"ｶﾀｶﾅ", FALSE, 2},
        {"ｶﾀｶﾅ", TRUE, 2},
        // A forbidden character without bCheckKana: kana not looked for.
        {"<ｶﾅ>", FALSE, 1},
        {"<ｶﾅ>", TRUE, 3},
        // Two-byte characters whose second byte is 0xA0-0xDF are no kana.
        {"\x88\xA0\x88\xDF", TRUE, 0},
    };
    for (const Case& c : cases)
    {
        int nReason = -1;
        EXPECT_EQ(c.nReason == 0, CheckInputText(c.text, &nReason, c.bCheckKana)) << c.text;
        EXPECT_EQ(c.nReason, nReason) << c.text;
    }
    EXPECT_FALSE(CheckInputText("<", nullptr, FALSE));
    EXPECT_TRUE(CheckInputText(nullptr, nullptr, TRUE));
}

TEST(TextSpan, GrowsOnlyAtItsEnd)
{
    const char source[] = "0123456789abcdefghij";
    CTextSpan span(source);
    EXPECT_TRUE(span.IsEmpty());
    EXPECT_FALSE(span.Extend(-1, 3));
    EXPECT_TRUE(span.Extend(5, 3));
    EXPECT_TRUE(span.Extend(8, 2));
    EXPECT_EQ(5, span.GetStart());
    EXPECT_EQ(5, span.GetLength());
    // A gap leaves the span as it was.
    EXPECT_FALSE(span.Extend(12, 1));
    EXPECT_FALSE(span.Extend(4, 1));
    EXPECT_EQ(5, span.GetLength());

    CString out(">");
    span.AppendTo(out);
    EXPECT_STREQ(">56789", out);
    EXPECT_TRUE(span.IsEmpty());
    span.AppendTo(out);
    EXPECT_STREQ(">56789", out);

    // After emptying, a span may start anywhere.
    EXPECT_TRUE(span.Extend(0, 2));
    span.AppendTo(out);
    EXPECT_STREQ(">5678901", out);
}

TEST(TextSpan, StopsAtANulAndNeedsASource)
{
    const char source[] = "ab\0cd";
    CTextSpan span(source);
    span.Extend(0, 5);
    CString out;
    span.AppendTo(out);
    EXPECT_EQ(2, out.GetLength());

    CTextSpan none;
    none.Extend(0, 4);
    none.AppendTo(out);
    EXPECT_EQ(2, out.GetLength());
    EXPECT_TRUE(none.IsEmpty());
}
