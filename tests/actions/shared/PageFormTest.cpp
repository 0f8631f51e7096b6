// Where a job posts a page's form: its action as a browser resolves it.
#include <gtest/gtest.h>

#include "client/actions/shared/PageForm.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

TEST(PageForm, TheActionResolvesAsABrowserPostsTheForm)
{
    const char kPage[] = "http://sell.example.jp/jp/show/updateauction?aID=x1";
    const struct
    {
        const char* form;
        const char* url; // null: refused
    } cases[] = {
        {"<form action='/jp/preview/updateauction'></form>",
         "http://sell.example.jp/jp/preview/updateauction"},
        {"<form action='preview?a=1&amp;b=2'></form>", "http://sell.example.jp/jp/show/preview?a=1&b=2"},
        {"<form action='http://auctions.example.jp/jp/config/x'></form>",
         "http://auctions.example.jp/jp/config/x"},
        // Empty or blank: the page's own address, its query kept.
        {"<form action=''></form>", kPage},
        {"<form action='  '></form>", kPage},
        {"<form action></form>", kPage},
        {"<form method=post></form>", nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.form);
        CHtmlDocument page(c.form);
        CPtrList forms;
        ASSERT_TRUE(page.FindElements("form", forms));
        CMarkupNode* pForm = static_cast<CMarkupNode*>(forms.GetHead());
        CString url = "left over";
        EXPECT_EQ(c.url != nullptr, GetFormActionUrl(pForm, kPage, url) != FALSE);
        EXPECT_STREQ(c.url != nullptr ? c.url : "", url);
    }
}
