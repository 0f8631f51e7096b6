// What the description-addition job reads off the confirmation page: its
// form (by name, else by the address it posts to) and the final button
// (by id, class or value), with the charset the button's ".submit(" call
// names, or UTF-8 for an address of the selling pages.
#include <gtest/gtest.h>

#include <string>

#include "client/actions/updates/UpdateAuctionPageReaders.h"
#include "net/ServiceHosts.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

namespace
{
const char kPageUrl[] = "https://sell.auctions.yahoo.co.jp/jp/preview/updateauction";

std::string Button(const char* attributes, const char* onclick)
{
    return std::string("<input type=\"button\" ") + attributes + " onclick=\"" + onclick + "\">";
}

const char kSubmitUtf8[] =
    "document.auction.action='https://sell.auctions.yahoo.co.jp/jp/config/updateauction'; "
    "auc.form.submit('https://sell.auctions.yahoo.co.jp/jp/config/updateauction', "
    "'auction', 'post', 1, 'utf-8'); return false;";
} // namespace

TEST(UpdateAuctionPageReaders, TheConfirmationFormByNameElseByAction)
{
    const struct
    {
        const char* page;
        const char* expected; // the found form's id; null: none
    } cases[] = {
        {"<form id=\"s\" name=\"search\" action=\"/search\"></form><form id=\"a\" name=\"auction\" "
         "action=\"/x\"></form>",
         "a"},
        {"<form id=\"s\" action=\"/search\"></form><form id=\"u\" "
         "action=\"/jp/config/updateauction\"></form>",
         "u"},
        // A named form wins over one that comes first by its address.
        {"<form id=\"u\" action=\"/jp/config/updateauction\"></form><form id=\"a\" name=\"AUCTION\"></form>",
         "a"},
        {"<form id=\"s\" name=\"search\" action=\"/jp/preview/updateauction\"></form>", nullptr},
        {"<div class=\"decErrorBox\">エラー</div>", nullptr},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page);
        CMarkupNode* pForm = FindUpdateConfirmForm(&page);
        CString id;
        if (pForm != nullptr)
            pForm->GetAttribute("id", id);
        EXPECT_STREQ(c.expected != nullptr ? c.expected : "", id) << c.page;
        EXPECT_EQ(c.expected != nullptr, pForm != nullptr) << c.page;
    }
}

TEST(UpdateAuctionPageReaders, TheFinalButtonAndItsCharset)
{
    const struct
    {
        std::string buttons;
        const char* url; // null: none found
        int charset;
    } cases[] = {
        {Button("id=\"btnEditConfirm\" value=\"この内容で更新\"", kSubmitUtf8),
         "https://sell.auctions.yahoo.co.jp/jp/config/updateauction", CHARSET_UTF8},
        {Button("class=\"decBtn btnEditSubmit\" value=\"この内容で\"",
                "auc.form.submit('/jp/config/updateauction', 'auction', 'post', 1, 'euc-jp');"),
         "https://sell.auctions.yahoo.co.jp/jp/config/updateauction", CHARSET_EUCJP},
        {Button("value=\"内容を更新する\"",
                "auc.form.submit('https://sell.auctions.yahoo.co.jp/jp/config/updateauction?a=1&amp;b=2', "
                "'auction', 'post', 1, 'shift_jis');"),
         "https://sell.auctions.yahoo.co.jp/jp/config/updateauction?a=1&b=2", CHARSET_SJIS},
        // No fifth argument: UTF-8 on a selling page's address...
        {Button("id=\"btnEditConfirm\"",
                "auc.form.submit('/jp/config/updateauction', 'auction', 'post', 1);"),
         "https://sell.auctions.yahoo.co.jp/jp/config/updateauction", CHARSET_UTF8},
        {Button("id=\"btnEditConfirm\"",
                "auc.form.submit('/jp/config/updateauction', 'auction', 'post', 1, 'unknown');"),
         "https://sell.auctions.yahoo.co.jp/jp/config/updateauction", CHARSET_UTF8},
        // ...and the form's own elsewhere.
        {Button("id=\"btnEditConfirm\"", "auc.form.submit('https://auctions.yahoo.co.jp/jp/config/"
                                         "updateauction', 'auction', 'post', 1);"),
         "https://auctions.yahoo.co.jp/jp/config/updateauction", CHARSET_UNKNOWN},
        // The charset is the ".submit(" call's, never another call's.
        {Button(
             "id=\"btnEditConfirm\"",
             "setCharset('a', 'b', 'c', 'd', 'euc-jp'); auc.form.submit('https://auctions.yahoo.co.jp/x');"),
         "https://auctions.yahoo.co.jp/x", CHARSET_UNKNOWN},
        // The back button comes first and is not the final one.
        {Button("id=\"btnBack\" value=\"戻る\"", "history.back('/jp/show/updateauction');") +
             Button("id=\"btnEditConfirm\"", kSubmitUtf8),
         "https://sell.auctions.yahoo.co.jp/jp/config/updateauction", CHARSET_UTF8},
        {Button("id=\"btnBack\" value=\"戻る\"", "location.href='/jp/show/updateauction';"), nullptr, 0},
        {"<input type=\"submit\" id=\"btnEditConfirm\" value=\"更新する\">", nullptr, 0},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(("<form name=\"auction\">" + c.buttons + "</form>").c_str());
        CString url;
        int nCharset = -1;
        const BOOL bFound = FindFinalButton(&page, kPageUrl, kUpdateFinalButton, url, nCharset);
        EXPECT_EQ(c.url != nullptr, bFound) << c.buttons;
        if (c.url == nullptr)
            continue;
        EXPECT_STREQ(c.url, url) << c.buttons;
        EXPECT_EQ(c.charset, nCharset) << c.buttons;
    }
}
