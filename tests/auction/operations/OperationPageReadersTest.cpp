// Readers of the pages an operation gets back: error texts, marked fields,
// button addresses, script arguments and the kinds of page.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "afx/Collections.h"
#include "afx/String.h"
#include "auction/operations/OperationPageReaders.h"
#include "net/ServiceHosts.h"
#include "text/HtmlDocument.h"

namespace
{
void Fill(CStringList& list, std::initializer_list<const char*> texts)
{
    for (const char* text : texts)
        list.AddTail(text);
}

std::vector<std::string> Strings(const CStringList& list)
{
    std::vector<std::string> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back((LPCTSTR)list.GetNext(pos));
    return out;
}

std::string Loaded(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return (LPCTSTR)text;
}

class OperationPages : public ::testing::Test
{
protected:
    ~OperationPages() override { ResetServiceOrigins(); }
};

const char kAlertBox[] = "<div id=modAlertBox><div class=untHead>入力内容に誤りがあります</div></div>";
const char kErrorBox[] = "<div class=\"decErrorBox\">\t<b>開始価格</b>を\t入力してください  </div>";
const char kErrorCodes[] = "<input type=hidden id=submitErrorCodes "
                           "value=\"{&quot;code&quot;:[12],&quot;message&quot;:&quot;"
                           "\\u5728\\u5eab&quot;}\">";
} // namespace

TEST_F(OperationPages, ErrorMessageByKind)
{
    const struct
    {
        const char* name;
        std::string page;
        DWORD kinds;
        int expected;
        const char* text;
    } cases[] = {
        {"error box", kErrorBox, PageErrorBox, 1, "開始価格を入力してください"},
        {"error box not asked", kErrorBox, PageErrorCodes | PageErrorMarked, 0, ""},
        {"alert heading with kinds 0", kAlertBox, 0, 1, "入力内容に誤りがあります"},
        {"error box before the alert", std::string(kAlertBox) + kErrorBox, PageErrorBox, 1,
         "開始価格を入力してください"},
        {"empty error box, then the alert", std::string("<div class=decErrorBox> \t</div>") + kAlertBox,
         PageErrorBox, 1, "入力内容に誤りがあります"},
        {"alert before the error codes", std::string(kErrorCodes) + kAlertBox, PageErrorCodes, 1,
         "入力内容に誤りがあります"},
        {"error codes", kErrorCodes, PageErrorCodes, 2, "在庫"},
        {"error codes not asked", kErrorCodes, PageErrorBox | PageErrorMarked, 0, ""},
        {"invalid JSON", "<input id=submitErrorCodes value=\"{message: \">", PageErrorCodes, 0, ""},
        {"no message member", "<input id=submitErrorCodes value='{\"code\":1}'>", PageErrorCodes, 0, ""},
        {"message of an inner object only", "<input id=submitErrorCodes value='{\"e\":{\"message\":\"x\"}}'>",
         PageErrorCodes, 0, ""},
        {"empty value", "<input id=submitErrorCodes value=''>", PageErrorCodes, 0, ""},
        {"marked text", "<p>エラー： 商品が見つかりません <a href=x>戻る</a></p>", PageErrorMarked, 3,
         "商品が見つかりません"},
        {"marked with an ASCII colon", "<p>エラー:期限切れ</p>", PageErrorMarked, 3, "期限切れ"},
        {"marked but empty", "<p>エラー：<b>x</b></p>", PageErrorMarked, 0, ""},
        {"nothing", "<p>ok</p>", PageErrorBox | PageErrorCodes | PageErrorMarked, 0, ""},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(("<html><body>" + c.page + "</body></html>").c_str());
        CString out("untouched");
        EXPECT_EQ(c.expected, GetPageErrorMessage(&page, out, c.kinds)) << c.name;
        EXPECT_EQ(c.expected != 0 ? c.text : "untouched", std::string(out)) << c.name;
    }
    EXPECT_EQ("エラー：", Loaded(IDS_PAGE_ERROR_MARK));
    EXPECT_EQ("エラー:", Loaded(IDS_PAGE_ERROR_MARK_ASCII));
}

TEST_F(OperationPages, ErrorPointsOfTheListingForm)
{
    CHtmlDocument page("<p class=decErrorPoint id=outside>x</p>"
                       "<form name=auction><table>"
                       "<tr><th> 商品名 </th><td class=\"field decErrorPoint\" id=Title>x</td></tr>"
                       "<tr><th>説明</th><td class=decErrorPoint>x</td></tr>"
                       "<tr><td>no header</td><td class=decErrorPoint id=Price>x</td></tr>"
                       "<tr><th>ok</th><td class=fine id=Fine>x</td></tr>"
                       "</table><span class=decErrorPoint id=StartDate></span>"
                       "<div class=decErrorPoint></div></form>");
    CStringList points;
    ASSERT_TRUE(CollectErrorPoints(&page, points));
    EXPECT_EQ((std::vector<std::string>{"商品名（Title）", "説明", "Price", "StartDate"}), Strings(points));

    CHtmlDocument byId("<form id=auction><input class=decErrorPoint id=Quantity></form>");
    points.RemoveAll();
    ASSERT_TRUE(CollectErrorPoints(&byId, points));
    EXPECT_EQ(std::vector<std::string>{"Quantity"}, Strings(points));

    CHtmlDocument clean("<form name=auction><td class=fine>x</td></form><p class=decErrorPoint id=x></p>");
    points.RemoveAll();
    EXPECT_FALSE(CollectErrorPoints(&clean, points));
    CHtmlDocument noForm("<p class=decErrorPoint id=x></p>");
    EXPECT_FALSE(CollectErrorPoints(&noForm, points));
    EXPECT_TRUE(points.IsEmpty());
}

TEST_F(OperationPages, QuotedUrls)
{
    const struct
    {
        const char* text;
        const char* expected; // null: none
    } cases[] = {
        {"location.href='/jp/config/done?aID=x1';", "/jp/config/done?aID=x1"},
        {"go('/a'); go('https://sell.example/b');", "https://sell.example/b"},
        {"go('//cdn/x'); go('/rel');", "//cdn/x"},
        {"x='http://h/p' + 'https://h/q'", "http://h/p"},
        {"location.href='/unclosed;", nullptr},
        {"location.href='';", nullptr},
        {"location.href=\"/double\";", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases)
    {
        CString out("untouched");
        EXPECT_EQ(c.expected != nullptr, ExtractQuotedUrl(c.text, out)) << c.text;
        EXPECT_EQ(c.expected != nullptr ? c.expected : "untouched", std::string(out)) << c.text;
    }
}

TEST_F(OperationPages, ButtonOnclickUrls)
{
    CHtmlDocument page("<input type=submit id=nextBtn onclick=\"go('/submit')\">"
                       "<input type=button id=backBtn class=cmnBtn value=\"戻る\" onclick=\"go('/back')\">"
                       "<input type=button id=nextStep class=\"cmnBtn primary\" value=\"確認する\" "
                       "onclick=\"location.href='/confirm?x=1'\">"
                       "<input type=button id=noUrl value=\"次へ\" onclick=\"submit()\">"
                       "<input type=button id=lastStep value=\"次へ進む\" onclick=\"go('/last')\">");
    const struct
    {
        const char* idPart;
        const char* classPart;
        UINT valueTextId;
        const char* expected; // null: none
    } cases[] = {
        {"next", nullptr, 0, "/confirm?x=1"}, // the submit input is no button
        {"", "primary", 0, "/confirm?x=1"},   {nullptr, nullptr, 0, "/back"},
        {"Step", nullptr, 0, "/confirm?x=1"}, {"noUrl", nullptr, 0, nullptr},
        {"missing", "missing", 0, nullptr},
    };
    for (const auto& c : cases)
    {
        CString url("untouched"), onclick;
        EXPECT_EQ(c.expected != nullptr,
                  FindButtonOnclickUrl(&page, url, c.idPart, c.classPart, c.valueTextId, &onclick))
            << (c.idPart ? c.idPart : "") << "/" << (c.classPart ? c.classPart : "");
        EXPECT_EQ(c.expected != nullptr ? c.expected : "untouched", std::string(url));
    }
    // By the text of a string: the value holds "エラー：" nowhere, "エラー:" in one.
    CHtmlDocument byValue("<input type=button value=\"確認\" onclick=\"go('/a')\">"
                          "<input type=button value=\"エラー:詳細\" onclick=\"go('/b')\">");
    CString url, onclick;
    ASSERT_TRUE(FindButtonOnclickUrl(&byValue, url, nullptr, nullptr, IDS_PAGE_ERROR_MARK_ASCII, &onclick));
    EXPECT_EQ("/b", std::string(url));
    EXPECT_EQ("go('/b')", std::string(onclick));
    EXPECT_FALSE(FindButtonOnclickUrl(&byValue, url, nullptr, nullptr, IDS_PAGE_ERROR_MARK));
}

TEST_F(OperationPages, ScriptCallArguments)
{
    const struct
    {
        const char* text;
        int index;
        int expected;
    } cases[] = {
        {"setCharset('utf-8');", 0, 4}, {"send(form, 'EUC-JP', 3)", 1, 3}, {"send(form, x-sjis)", 1, 2},
        {"send(form, 'utf-8')", 2, 0},  {"send(form, 'latin1')", 1, 0},    {"send('ISO-2022-JP'", 0, 1},
        {"nothing here", 0, 0},
    };
    for (const auto& c : cases)
    {
        const char* marker = std::string(c.text).find("send(") != std::string::npos ? "send(" : "setCharset(";
        EXPECT_EQ(c.expected, GetScriptCallArgument(c.text, marker, c.index)) << c.text << " " << c.index;
    }
}

TEST_F(OperationPages, KindsOfAddress)
{
    const struct
    {
        const char* url;
        BOOL sell;
        BOOL announcement;
    } defaults[] = {
        {"https://sell.auctions.yahoo.co.jp/jp/show/submit", TRUE, FALSE},
        {"http://sellers.example/x", TRUE, FALSE},
        {"https://auctions.yahoo.co.jp/sell/jp/show/submit", TRUE, FALSE},
        {"https://auctions.yahoo.co.jp/jp/show/mystatus", FALSE, FALSE},
        {"http://contact.auctions.yahoo.co.jp/trs/announcement.html", FALSE, TRUE},
        {"HTTP://CONTACT.AUCTIONS.YAHOO.CO.JP/TRS/ANNOUNCEMENT.HTML", FALSE, TRUE},
        {"https://contact.auctions.yahoo.co.jp/trs/announcement.html", FALSE, FALSE},
        {"http://contact.auctions.yahoo.co.jp/trs/announcement.html?x", FALSE, FALSE},
        {"", FALSE, FALSE},
    };
    for (const auto& c : defaults)
    {
        EXPECT_EQ(c.sell, IsSellPageUrl(c.url)) << c.url;
        EXPECT_EQ(c.announcement, IsAnnouncementPage(c.url)) << c.url;
    }
    // The stand-in's hosts.
    ASSERT_TRUE(SetServiceOrigin(HostSell, "http://127.0.0.1:4005"));
    ASSERT_TRUE(SetServiceOrigin(HostAuctions, "http://127.0.0.1:4001"));
    ASSERT_TRUE(SetServiceOrigin(HostTrading, "http://127.0.0.1:4010"));
    EXPECT_TRUE(IsSellPageUrl("http://127.0.0.1:4005/jp/show/submit"));
    EXPECT_TRUE(IsSellPageUrl("http://127.0.0.1:4001/sell/x"));
    EXPECT_FALSE(IsSellPageUrl("http://127.0.0.1:4001/jp/show/operation"));
    EXPECT_TRUE(IsAnnouncementPage("http://127.0.0.1:4010/trs/announcement.html"));
    EXPECT_FALSE(IsAnnouncementPage("http://contact.auctions.yahoo.co.jp/trs/announcement.html"));
}

TEST_F(OperationPages, ServiceAndCompletionPages)
{
    CStringList done;
    Fill(done, {"", "出品が完了しました"});
    const struct
    {
        const char* name;
        const char* page;
        BOOL service;
        BOOL completion;
    } cases[] = {
        {"by title", "<title>出品が完了しました - Yahoo!オークション</title>", TRUE, TRUE},
        {"by wrapper", "<div class=wrapper id=\"yaucSellItemCmplt\">x</div>", FALSE, TRUE},
        {"by heading",
         "<div id=\"modTitBar_top\"><h1><span>出品が</span>完了しました</h1></div><p>Yahoo! JAPAN</p>", TRUE,
         TRUE},
        {"heading not a child", "<div id=modTitBar><div><h1>出品が完了しました</h1></div></div>", FALSE,
         FALSE},
        {"other heading", "<title>Yahoo!</title><div id=modTitBar><h1>確認</h1></div>", TRUE, FALSE},
        {"name in a script only", "<script>var s='Yahoo';</script><p>x</p>", FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page);
        EXPECT_EQ(c.service, IsServicePage(&page)) << c.name;
        EXPECT_EQ(c.completion, IsCompletionPage(&page, done)) << c.name;
        EXPECT_FALSE(IsCompletionPage(&page, CStringList())) << c.name;
    }
    CStringList texts;
    Fill(texts, {"", "x"});
    EXPECT_FALSE(ContainsAnyOf("出品が完了しました", texts));
    Fill(texts, {"完了"});
    EXPECT_TRUE(ContainsAnyOf("出品が完了しました", texts));
}
