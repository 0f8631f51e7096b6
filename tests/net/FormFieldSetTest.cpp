#include <gtest/gtest.h>

#include <string>

#include "net/FormFieldSet.h"
#include "net/PageFixture.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"

namespace
{
class CTestForm : public CFormFieldSet
{
public:
    enum
    {
        Item,
        Comment,
        Empty,
        Tail,
        Count
    };
    CTestForm(CHtmlDocument* page, int defaultCharset) : CFormFieldSet(Count, page, defaultCharset) {}

    CString GetFieldName(int i) const override
    {
        static const char* const kNames[Count] = {"item", "Comment", "empty", "tail"};
        return (i >= 0 && i < Count) ? CString(kNames[i]) : CString();
    }
    CFormFieldNameIndex& GetNameIndex() const override
    {
        static CFormFieldNameIndex index;
        return index;
    }
};

// A page that came in the given charset.
struct CharsetPage
{
    CHtmlDocument page;
    explicit CharsetPage(int charset) : page("<html><body></body></html>") { page.SetCharset(charset); }
};

int g_fixedRandom = 0;
int FixedRandom()
{
    return g_fixedRandom;
}
} // namespace

TEST(FormFieldSet, CharsetComesFromThePage)
{
    CharsetPage euc(CHARSET_EUCJP);
    EXPECT_EQ(CHARSET_EUCJP, CTestForm(&euc.page, CHARSET_UTF8).GetCharset());
    CHtmlDocument plain("<html><body></body></html>");
    EXPECT_EQ(CHARSET_UTF8, CTestForm(&plain, CHARSET_UTF8).GetCharset());
    EXPECT_EQ(CHARSET_SJIS, CTestForm(nullptr, CHARSET_SJIS).GetCharset());
}

TEST(FormFieldSet, ValuesByNumber)
{
    CTestForm form(nullptr, CHARSET_SJIS);
    EXPECT_EQ(4, form.GetFieldCount());
    form.SetAt(CTestForm::Item, "x");
    form.SetAt(-1, "ignored");
    form.SetAt(CTestForm::Count, "ignored");
    form.SetAt(CTestForm::Item, nullptr);
    EXPECT_STREQ("x", form.GetAt(CTestForm::Item));
    CString out = "old";
    form.GetAt(9, out);
    EXPECT_STREQ("old", out);
    EXPECT_EQ(0, form.GetLength(9));
    EXPECT_FALSE(form.IsEmptyAt(9));
    EXPECT_TRUE(form.IsEmptyAt(CTestForm::Comment));
    EXPECT_TRUE(form.IsEqualAt(CTestForm::Item, "x"));
    EXPECT_FALSE(form.IsEqualAt(CTestForm::Item, "X"));
    form.ClearAt(CTestForm::Item);
    EXPECT_TRUE(form.IsEmptyAt(CTestForm::Item));
}

TEST(FormFieldSet, NumbersInValues)
{
    CTestForm form(nullptr, CHARSET_SJIS);
    struct Case
    {
        const char* text;
        int value;
        LONGLONG value64;
    } cases[] = {
        {"1,234 円", 1234, 1234},
        {"-5", 5, 5},
        {"99999999999", 2147483647, 99999999999LL},
        {"", 0, 0},
        {"abc", 0, 0},
    };
    for (const Case& c : cases)
    {
        form.SetAt(CTestForm::Item, c.text);
        EXPECT_EQ(c.value, form.GetInt(CTestForm::Item)) << c.text;
        EXPECT_EQ(c.value64, form.GetInt64(CTestForm::Item)) << c.text;
    }
    form.SetAt(CTestForm::Item, "");
    EXPECT_EQ(-1, form.GetIntOr(CTestForm::Item, -1));
    form.SetAt(CTestForm::Item, "7");
    EXPECT_EQ(7, form.GetIntOr(CTestForm::Item, -1));
    form.SetInt(CTestForm::Item, -12);
    EXPECT_STREQ("-12", form.GetAt(CTestForm::Item));
    form.SetInt64(CTestForm::Item, 12345678901LL);
    EXPECT_STREQ("12345678901", form.GetAt(CTestForm::Item));
    form.SetAt(CTestForm::Item, "-1.5");
    EXPECT_FALSE(form.IsNumericAt(CTestForm::Item, 0));
    EXPECT_TRUE(form.IsNumericAt(CTestForm::Item, 3));
}

TEST(FormFieldSet, SetByName)
{
    CTestForm form(nullptr, CHARSET_SJIS);
    form.SetByName("COMMENT", "one");
    EXPECT_STREQ("one", form.GetAt(CTestForm::Comment));
    form.SetByName("comment", "two");
    EXPECT_STREQ("two", form.GetAt(CTestForm::Comment));
    EXPECT_EQ(0, form.GetExtraCount());
    form.SetByName("Foo", "a");
    form.SetByName("foo", "b");
    EXPECT_EQ(2, form.GetExtraCount());
    CString value;
    EXPECT_TRUE(form.GetExtraValue("Foo", value));
    EXPECT_STREQ("a", value);
    EXPECT_TRUE(form.GetExtraValue("foo", value));
    EXPECT_STREQ("b", value);
    EXPECT_EQ(1, form.IndexOfName("Comment"));
    EXPECT_EQ(-1, form.IndexOfName("Foo"));
    EXPECT_EQ(-1, form.IndexOfName(""));
}

TEST(FormFieldSet, UrlEncodedBodyInThePageCharset)
{
    struct Case
    {
        int charset;
        const char* body;
    } cases[] = {
        {CHARSET_UNKNOWN, "item=a+b%7E@*-._&Comment=%93%FA%96%7B"},
        {CHARSET_SJIS, "item=a+b%7E@*-._&Comment=%93%FA%96%7B"},
        {CHARSET_EUCJP, "item=a+b%7E@*-._&Comment=%C6%FC%CB%DC"},
        {CHARSET_UTF8, "item=a+b%7E@*-._&Comment=%E6%97%A5%E6%9C%AC"},
        {CHARSET_ISO2022JP, "item=a+b%7E@*-._&Comment=%1B%24BF%7CK%5C%1B%28B"},
    };
    for (const Case& c : cases)
    {
        CharsetPage page(c.charset);
        CTestForm form(&page.page, CHARSET_UNKNOWN);
        form.SetAt(CTestForm::Item, "a b~@*-._");
        form.SetAt(CTestForm::Comment, "日本");
        CString body;
        EXPECT_TRUE(form.BuildBody(body));
        EXPECT_STREQ(c.body, body) << c.charset;
    }
}

TEST(FormFieldSet, ExtraNamesAreEncodedLikeValues)
{
    CharsetPage page(CHARSET_UTF8);
    CTestForm form(&page.page, CHARSET_SJIS);
    form.SetByName("名 前", "x");
    CString body;
    EXPECT_TRUE(form.BuildBody(body));
    EXPECT_STREQ("%E5%90%8D+%E5%89%8D=x", body);
}

TEST(FormFieldSet, EmptyValuesAreLeftOut)
{
    CTestForm form(nullptr, CHARSET_SJIS);
    CString body = "old";
    EXPECT_FALSE(form.BuildBody(body));
    EXPECT_TRUE(body.IsEmpty());
    form.SetByName("extra", "");
    EXPECT_FALSE(form.BuildBody(body));
    form.SetAt(CTestForm::Tail, "t");
    EXPECT_TRUE(form.BuildBody(body));
    EXPECT_STREQ("tail=t", body);
}

TEST(FormFieldSet, MultipartBody)
{
    CTestForm form(nullptr, CHARSET_SJIS);
    form.SetBoundary("BOUNDARY123");
    form.SetAt(CTestForm::Item, "x");
    CString body;
    form.BuildMultipartBody(body, 0);
    // The empty middle fields are left out; the empty last one is not.
    EXPECT_STREQ("--BOUNDARY123\r\nContent-Disposition: form-data; name=\"item\"\r\n\r\nx\r\n"
                 "--BOUNDARY123\r\nContent-Disposition: form-data; name=\"tail\"\r\n\r\n\r\n"
                 "--BOUNDARY123--\r\n",
                 body);

    form.BuildMultipartBody(body, CFormFieldSet::MultipartOpen);
    EXPECT_STREQ("--BOUNDARY123\r\nContent-Disposition: form-data; name=\"item\"\r\n\r\nx\r\n", body);

    // With an extra value, that one is the last part.
    form.SetByName("Foo", "");
    form.BuildMultipartBody(body, 0);
    EXPECT_STREQ("--BOUNDARY123\r\nContent-Disposition: form-data; name=\"item\"\r\n\r\nx\r\n"
                 "--BOUNDARY123\r\nContent-Disposition: form-data; name=\"Foo\"\r\n\r\n\r\n"
                 "--BOUNDARY123--\r\n",
                 body);
    CString header;
    form.GetMultipartHeader(header);
    EXPECT_STREQ("Content-Type: multipart/form-data; boundary=BOUNDARY123", header);
}

TEST(FormFieldSet, MultipartConvertsNamesAndValues)
{
    CharsetPage page(CHARSET_EUCJP);
    CTestForm form(&page.page, CHARSET_SJIS);
    form.SetBoundary("B");
    form.SetByName("名\"前", "日本");
    CString body;
    form.BuildMultipartBody(body, 0);
    EXPECT_EQ(std::string("--B\r\nContent-Disposition: form-data; name=\"\xCC\xBE%22\xC1\xB0\"\r\n\r\n"
                          "\xC6\xFC\xCB\xDC\r\n--B--\r\n"),
              std::string((LPCTSTR)body));
}

TEST(FormFieldSet, BoundaryFromTheRandomSource)
{
    struct Case
    {
        int random;
        const char* boundary;
    } cases[] = {
        {0, "000000000000000"},
        {5, "FFFFFFFFFFFFFFFFFFFF"},
        {13, "nnnnnnnnnnnnnnnnnn"},
    };
    for (const Case& c : cases)
    {
        CTestForm form(nullptr, CHARSET_SJIS);
        g_fixedRandom = c.random;
        form.SetRandomSource(FixedRandom);
        CString body;
        form.BuildMultipartBody(body, 0);
        EXPECT_STREQ(c.boundary, form.GetBoundary());
        EXPECT_EQ(0, body.Find(CString("--") + c.boundary + "\r\n"));
    }

    // The real source: 15 to 24 letters and digits, kept until Reset.
    CTestForm form(nullptr, CHARSET_SJIS);
    CString body;
    form.BuildMultipartBody(body, 0);
    CString first = form.GetBoundary();
    ASSERT_GE(first.GetLength(), 15);
    ASSERT_LE(first.GetLength(), 24);
    EXPECT_EQ(first.GetLength(),
              (int)first.SpanIncluding("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")
                  .GetLength());
    form.BuildMultipartBody(body, 0);
    EXPECT_EQ(first, form.GetBoundary());
    form.Reset();
    EXPECT_TRUE(form.GetBoundary().IsEmpty());
}

TEST(FormFieldSet, ResetEmptiesValuesAndExtras)
{
    CTestForm form(nullptr, CHARSET_SJIS);
    form.SetAt(CTestForm::Item, "x");
    form.SetByName("extra", "y");
    form.Reset();
    EXPECT_TRUE(form.IsEmptyAt(CTestForm::Item));
    EXPECT_EQ(0, form.GetExtraCount());
    EXPECT_EQ(4, form.GetFieldCount());
}

TEST(FormFieldSet, ReadFormInputsOfTheFirstForm)
{
    CHtmlDocument page(ReadFormFixture("hidden-inputs.html"));
    page.SetCharset(CHARSET_EUCJP);
    CTestForm form(&page, CHARSET_SJIS);
    EXPECT_EQ(CHARSET_EUCJP, form.GetCharset());
    ASSERT_TRUE(form.ReadFormInputs(&page));
    EXPECT_STREQ("from page", form.GetAt(CTestForm::Item));
    EXPECT_TRUE(form.IsEmptyAt(CTestForm::Comment)) << "not a hidden input";
    CString value = "old";
    EXPECT_TRUE(form.GetExtraValue("crumb", value));
    EXPECT_STREQ("c0ffee", value);
    EXPECT_TRUE(form.GetExtraValue("novalue", value));
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_FALSE(form.GetExtraValue("outside", value));
    EXPECT_FALSE(form.GetExtraValue("second", value));
    EXPECT_EQ(2, form.GetExtraCount());
    EXPECT_FALSE(form.ReadFormInputs(nullptr));
}

TEST(FormFieldSet, ReadFormInputsOfAPageWithoutForm)
{
    CHtmlDocument page(ReadFormFixture("no-form.html"));
    CTestForm form(&page, CHARSET_SJIS);
    ASSERT_TRUE(form.ReadFormInputs(&page));
    CString value;
    EXPECT_TRUE(form.GetExtraValue("a", value));
    EXPECT_TRUE(form.GetExtraValue("b", value));
    EXPECT_FALSE(form.GetExtraValue("c", value));

    CHtmlDocument empty("<html><body><p>nothing</p></body></html>");
    EXPECT_FALSE(form.ReadFormInputs(&empty));
}

TEST(FormFieldSet, KeepIfEnabled)
{
    CHtmlDocument page("<form><input name=\"ITEM\" value=\"1\"><input name=\"comment\" disabled>"
                       "<input name=\"empty\"></form>");
    CTestForm form(&page, CHARSET_SJIS);
    form.SetAt(CTestForm::Item, "x");
    form.SetAt(CTestForm::Comment, "y");
    form.SetAt(CTestForm::Tail, "z");
    for (int i = 0; i < CTestForm::Count; ++i)
        form.KeepIfEnabled(&page, i);
    EXPECT_STREQ("x", form.GetAt(CTestForm::Item)) << "offered (names ignore case)";
    EXPECT_TRUE(form.IsEmptyAt(CTestForm::Comment)) << "disabled";
    EXPECT_TRUE(form.IsEmptyAt(CTestForm::Tail)) << "not offered";
    form.SetAt(CTestForm::Item, "x");
    form.KeepIfEnabled(nullptr, CTestForm::Item);
    EXPECT_TRUE(form.IsEmptyAt(CTestForm::Item));
}
