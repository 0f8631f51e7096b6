#include <gtest/gtest.h>

#include "auction/login/LoginPageFill.h"
#include "controls/MarkupPage.h"
#include "text/HtmlDocument.h"

namespace
{
// The value attribute of the first input of that name, "<none>" without.
CString InputValue(CHtmlDocument& page, LPCTSTR name)
{
    CString value = "<none>";
    page.GetAttribute("input", "value", value, "name", name);
    return value;
}
} // namespace

TEST(LoginPageFill, FillsTheLogInFormOnly)
{
    struct Case
    {
        const char* html;
        const char* password;
        int filled;
        const char* login;  // value of the first "login" input afterwards
        const char* passwd; // of the first "passwd" input
    } cases[] = {
        {"<form name=search><input name=login value=q></form>"
         "<form name=login_form><input name=login><input type=password name=passwd></form>",
         "secret", LoginFilledId | LoginFilledPassword, "q", "secret"},
        // Without a password only the ID goes in.
        {"<form name=login_form><input name=login value=old><input name=passwd></form>", "", LoginFilledId,
         "demo_seller1", "<none>"},
        // A page without the form: the inputs anywhere.
        {"<div><input name=LOGIN><input name=passwd></div>", "pw", LoginFilledId | LoginFilledPassword,
         "demo_seller1", "pw"},
        {"<form name=login_form><input name=user></form>", "pw", 0, "<none>", "<none>"},
    };
    for (const Case& c : cases)
    {
        CHtmlDocument document(c.html);
        CMarkupPage page(document);
        std::unique_ptr<CPageElementList> elements = page.GetElements();
        EXPECT_EQ(c.filled, FillLoginForm(*elements, "demo_seller1", c.password)) << c.html;
        CPtrList logins;
        document.FindElements("input", logins, "name", "login");
        CString login = "<none>";
        if (!logins.IsEmpty())
            static_cast<CMarkupNode*>(logins.GetHead())->GetAttribute("value", login);
        EXPECT_STREQ(c.login, login) << c.html;
        EXPECT_STREQ(c.passwd, InputValue(document, "passwd")) << c.html;
    }
}

TEST(LoginPageFill, ReadsWhatTheDialogsLookAt)
{
    struct Case
    {
        const char* html;
        BOOL loginForm, captchaForm, refresh;
    } cases[] = {
        {"<form name=login_form></form>", TRUE, FALSE, FALSE},
        {"<form name=captchaForm></form><form name=login></form>", FALSE, TRUE, FALSE},
        {"<head><meta http-equiv=Refresh content='0; url=/'></head>", FALSE, FALSE, TRUE},
        {"<head><meta http-equiv=Content-Type content='text/html'></head>", FALSE, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        CHtmlDocument document(c.html);
        CMarkupPage page(document);
        std::unique_ptr<CPageElementList> elements = page.GetElements();
        LoginDocument read = ReadLoginDocument(*elements, "https://x/");
        EXPECT_STREQ("https://x/", read.url);
        EXPECT_EQ(c.loginForm, read.hasLoginForm) << c.html;
        EXPECT_EQ(c.captchaForm, read.hasCaptchaForm) << c.html;
        EXPECT_EQ(c.refresh, read.hasRefresh) << c.html;
    }
}
