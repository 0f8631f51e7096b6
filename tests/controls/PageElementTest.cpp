// The element queries of the browser windows, run on pages parsed by our
// own parser: which element a query finds, what setting a value changes,
// and which form is sent.
#include "controls/PageElement.h"
#include "controls/MarkupPage.h"
#include "text/HtmlDocument.h"

#include <gtest/gtest.h>

namespace
{
const char kLoginPage[] = "<html><body>"
                          "<form name=\"captchaForm\" action=\"/c\"><input name=\"answer\"></form>"
                          "<div id=\"x\" style=\"color: red\">note</div>"
                          "<form name=\"login_form\" action=\"/login\">"
                          "<input type=\"text\" name=\"login\" value=\"\">"
                          "<input type=\"password\" name=\"passwd\">"
                          "<input type=\"hidden\" name=\".done\" value=\"https://x/\">"
                          "</form>"
                          "<input name=\"login\" id=\"outside\">"
                          "</body></html>";

CString AttributeOf(CHtmlDocument& document, LPCTSTR tag, LPCTSTR attrToRead, LPCTSTR attrName,
                    LPCTSTR attrValue)
{
    CString value;
    document.GetAttribute(tag, attrToRead, value, attrName, attrValue);
    return value;
}
} // namespace

TEST(PageElementTest, FindElementMatchesTagAndAttributeWithoutCase)
{
    struct Case
    {
        const char* tag;
        const char* attrName;
        const char* attrValue;
        int flags;
        int count;
    } cases[] = {
        {"INPUT", "name", "Login", 0, 2},
        {"input", "NAME", "login", PAGE_FIND_FIRST, 1},
        {"input", "name", "log", PAGE_FIND_CONTAINS, 2},
        {"input", "name", "LOG", PAGE_FIND_CONTAINS | PAGE_FIND_FIRST, 1},
        {"input", "name", "log", 0, 0},
        {"input", nullptr, nullptr, 0, 5},
        {"input", "name", nullptr, 0, 5},
        {"form", "name", "login_form", 0, 1},
        {"form", "action", "/c", 0, 1},
        {"input", "type", "hidden", 0, 1},
        {"input", "value", "", 0, 1},
        {"input", "missing", "x", 0, 0},
        {"textarea", nullptr, nullptr, 0, 0},
        {"", nullptr, nullptr, 0, 0},
    };
    CHtmlDocument document(kLoginPage);
    CMarkupPage page(document);
    for (const Case& c : cases)
    {
        auto pElements = page.GetElements();
        SCOPED_TRACE(testing::Message() << c.tag << " " << (c.attrName ? c.attrName : "-") << "="
                                        << (c.attrValue ? c.attrValue : "-") << " flags " << c.flags);
        EXPECT_EQ(c.count, CountPageElements(*pElements, c.tag, c.attrName, c.attrValue, c.flags));
        EXPECT_EQ(c.count > 0, FindPageElement(*pElements, c.tag, c.attrName, c.attrValue, c.flags));
    }
}

TEST(PageElementTest, SetElementValueChangesTheFirstMatchOnly)
{
    CHtmlDocument document(kLoginPage);
    CMarkupPage page(document);
    auto pElements = page.GetElements();

    ASSERT_TRUE(SetPageElementValue(*pElements, "input", "value", "taro", "name", "login"));
    EXPECT_STREQ("taro", AttributeOf(document, "input", "value", "type", "text"));
    CString outside;
    EXPECT_FALSE(document.GetAttribute("input", "value", outside, "id", "outside"));

    // An attribute the element lacks is added.
    ASSERT_TRUE(SetPageElementValue(*pElements, "input", "value", "secret", "name", "passwd"));
    EXPECT_STREQ("secret", AttributeOf(document, "input", "value", "name", "passwd"));

    EXPECT_FALSE(SetPageElementValue(*pElements, "input", "value", "x", "name", "nobody"));
    EXPECT_FALSE(SetPageElementValue(*pElements, "input", "", "x", "name", "login"));
}

TEST(PageElementTest, DisplayOnStyleSetsTheDisplayProperty)
{
    CHtmlDocument document(kLoginPage);
    CMarkupPage page(document);
    auto pElements = page.GetElements();

    ASSERT_TRUE(SetPageElementValue(*pElements, "div", "style", "display:none", "id", "x"));
    CString style = AttributeOf(document, "div", "style", "id", "x");
    CString display;
    ASSERT_TRUE(GetStyleProperty(style, "display", display));
    EXPECT_STREQ("none", display);
    // The rest of the style stays.
    CString color;
    ASSERT_TRUE(GetStyleProperty(style, "color", color));
    EXPECT_STREQ("red", color);

    ASSERT_TRUE(SetPageElementValue(*pElements, "div", "STYLE", " Display : block ; ", "id", "x"));
    ASSERT_TRUE(GetStyleProperty(AttributeOf(document, "div", "style", "id", "x"), "display", display));
    EXPECT_STREQ("block", display);

    // Any other style text replaces the attribute.
    ASSERT_TRUE(SetPageElementValue(*pElements, "div", "style", "width: 10px", "id", "x"));
    EXPECT_STREQ("width: 10px", AttributeOf(document, "div", "style", "id", "x"));
}

TEST(PageElementTest, DisplayAssignments)
{
    struct Case
    {
        const char* attr;
        const char* value;
        BOOL bDisplay;
        const char* display;
    } cases[] = {
        {"style", "display:none", TRUE, "none"}, {"Style", "DISPLAY: inline-block;", TRUE, "inline-block"},
        {"style", "display:", TRUE, ""},         {"style", "color: red; display: none", FALSE, ""},
        {"class", "display:none", FALSE, ""},    {"style", nullptr, FALSE, ""},
    };
    for (const Case& c : cases)
    {
        CString display = "stale";
        EXPECT_EQ(c.bDisplay, ParseDisplayAssignment(c.attr, c.value, display)) << c.attr << " " << c.value;
        EXPECT_STREQ(c.display, display);
    }
}

TEST(PageElementTest, StyleProperties)
{
    struct Case
    {
        const char* style;
        const char* name;
        const char* value;
        const char* result;
    } cases[] = {
        {"", "display", "none", "display: none"},
        {"color:red", "display", "none", "color: red; display: none"},
        {"display:block;color:red", "DISPLAY", "none", "display: none; color: red"},
        {"color: red; display: block; display: inline", "display", "none", "color: red; display: none"},
        {"color: red; display: block", "display", "", "color: red"},
        {"color: red;;", "display", "none", "color: red; display: none"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.result, SetStyleProperty(c.style, c.name, c.value)) << c.style;

    CString value;
    EXPECT_TRUE(GetStyleProperty("a: 1; b :2 ;", "B", value));
    EXPECT_STREQ("2", value);
    EXPECT_FALSE(GetStyleProperty("a: 1", "b", value));
    EXPECT_TRUE(value.IsEmpty());
}

TEST(PageElementTest, FormsAreFoundByNameAndSubmitted)
{
    CHtmlDocument document(kLoginPage);
    CMarkupPage page(document);
    auto pElements = page.GetElements();

    auto pForm = GetPageForm(*pElements, "LOGIN_FORM");
    ASSERT_TRUE(pForm);
    CString action;
    ASSERT_TRUE(pForm->GetAttribute("action", action));
    EXPECT_STREQ("/login", action);

    // Filling inside the form leaves the input of the same name outside it.
    auto pInside = pForm->GetElements();
    EXPECT_EQ(3, pInside->GetCount());
    ASSERT_TRUE(SetPageElementValue(*pInside, "input", "value", "hanako", "name", "login"));
    EXPECT_STREQ("hanako", AttributeOf(document, "input", "value", "type", "text"));
    CString outside;
    EXPECT_FALSE(document.GetAttribute("input", "value", outside, "id", "outside"));

    EXPECT_FALSE(GetPageForm(*pElements, "nothing"));
    EXPECT_FALSE(GetPageForm(*pElements, ""));

    EXPECT_TRUE(SubmitPageForm(*pElements, "login_form"));
    EXPECT_FALSE(SubmitPageForm(*pElements, "nothing"));
    ASSERT_EQ(1, page.GetSubmittedForms().GetCount());
    EXPECT_STREQ("login_form", page.GetSubmittedForms().GetHead());

    // Only a form submits.
    auto pDiv = GetFirstPageElement(*pElements, "div", "id", "x");
    ASSERT_TRUE(pDiv);
    EXPECT_FALSE(pDiv->Submit());
    EXPECT_EQ(1, page.GetSubmittedForms().GetCount());
}

TEST(PageElementTest, ElementsAreThePagesTagsInDocumentOrder)
{
    CHtmlDocument document("<!DOCTYPE html><html><head><meta charset=\"x\"><!-- c --></head>"
                           "<body>text<p>a<br>b</p></body></html>");
    CMarkupPage page(document);
    auto pElements = page.GetElements();
    CString tags;
    for (int i = 0; i < pElements->GetCount(); ++i)
        tags += pElements->GetAt(i)->GetTagName() + " ";
    EXPECT_STREQ("html head meta body p br ", tags);
    EXPECT_FALSE(pElements->GetAt(-1));
    EXPECT_FALSE(pElements->GetAt(pElements->GetCount()));

    CHtmlDocument empty;
    CMarkupPage emptyPage(empty);
    EXPECT_EQ(0, emptyPage.GetElements()->GetCount());
}
