// What the job reads off the service's other pages: an item page's
// shipping cells (cash on delivery, the box service alone), and the answer
// to a listing form (error texts with their places, a completion page
// that shows another title, the diagnostics of a failed final post).
#include <gtest/gtest.h>

#include <string>

#include "client/actions/relist/ItemPageShipping.h"
#include "client/actions/shared/ListingResultPageReader.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"

namespace
{
std::string ShippingRow(const char* name, const char* fee)
{
    return std::string("<tr><th>配送方法</th><td property=\"DeliveryMethod\">") + name + "</td><td>" + fee +
           "</td></tr>";
}

std::string ItemPage(const std::string& rows)
{
    return "<html><body><div class=\"decInfoTable\"><table><tr><th>開始日時</th><td>1月1日</td></tr>" + rows +
           "</table></div></body></html>";
}
} // namespace

TEST(ItemPageShipping, CashOnDeliveryFromTheRowOfAMethod)
{
    const struct
    {
        std::string page;
        BOOL onArrival;
    } cases[] = {
        {ItemPage(ShippingRow("佐川急便", "着払い")), TRUE},
        {ItemPage(ShippingRow("ゆうパック", "全国一律：800円") + ShippingRow("佐川急便", " 着払 ")), TRUE},
        {ItemPage(ShippingRow("佐川急便", "着払い（全国）")), TRUE},
        {ItemPage(ShippingRow("佐川急便", "着払い(全国)")), TRUE},
        {ItemPage(ShippingRow("佐川急便", "着払い：詳細は説明欄")), TRUE},
        {ItemPage(ShippingRow("着払い", "全国一律：800円")), FALSE}, // the method's own name
        {ItemPage(ShippingRow("ゆうパック", "送料無料（出品者負担）")), FALSE},
        {ItemPage(ShippingRow("ゆうパック", "元払い・着払い")), FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page.c_str());
        CPtrList cells;
        EXPECT_TRUE(CollectDeliveryMethodCells(&page, cells)) << c.page;
        EXPECT_EQ(c.onArrival, HasCashOnDeliveryRow(cells)) << c.page;
    }
}

TEST(ItemPageShipping, CellsOfTheInfoTablesElseOfThePage)
{
    {
        // The info tables hold the item's own cells; others are not read.
        CHtmlDocument page(("<table>" + ShippingRow("宅配便", "着払い") + "</table>" +
                            ItemPage(ShippingRow("ゆうパック", "全国一律：800円")))
                               .c_str());
        CPtrList cells;
        EXPECT_TRUE(CollectDeliveryMethodCells(&page, cells));
        EXPECT_EQ(1, cells.GetCount());
        EXPECT_FALSE(HasCashOnDeliveryRow(cells));
    }
    {
        CHtmlDocument page(
            ("<div class=\"decInfoTableX\"></div><table>" + ShippingRow("宅配便", "着払い") + "</table>")
                .c_str());
        CPtrList cells;
        EXPECT_TRUE(CollectDeliveryMethodCells(&page, cells));
        EXPECT_TRUE(HasCashOnDeliveryRow(cells));
    }
    CHtmlDocument none("<div class=\"decInfoTable\"><table><tr><th>a</th><td>b</td></tr></table></div>");
    CPtrList cells;
    EXPECT_FALSE(CollectDeliveryMethodCells(&none, cells));
    EXPECT_FALSE(CollectDeliveryMethodCells(nullptr, cells));
}

TEST(ItemPageShipping, TheBoxServiceAlone)
{
    const struct
    {
        std::string rows;
        BOOL only;
    } cases[] = {
        {ShippingRow("<a href=\"https://example.test/hacoboon/\">詳しく</a>", ""), TRUE},
        {ShippingRow(" はこBOON ", "全国一律：500円"), TRUE},
        {ShippingRow("はこboon", ""), TRUE},
        {ShippingRow("はこBOON mini", ""), FALSE},
        {ShippingRow("はこBOON", "") + ShippingRow("ゆうパック", ""), FALSE},
        {ShippingRow("ゆうパック", "<a href=\"/rates\">料金表</a>"), FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(ItemPage(c.rows).c_str());
        CPtrList cells;
        CollectDeliveryMethodCells(&page, cells);
        EXPECT_EQ(c.only, IsOnlyHacoboonCell(cells)) << c.rows;
    }
}

TEST(ListingResultPageReader, ErrorTextsWithTheirPlaces)
{
    const char kForm[] = "<form name=auction><table>"
                         "<tr><th>開始価格</th><td class=decErrorPoint id=auc_StartPrice>x</td></tr>"
                         "<tr><th>商品の状態</th><td class=\"x decErrorPoint\" id=auc_istatus>y</td></tr>"
                         "</table></form>";
    const struct
    {
        std::string page;
        const char* text; // null: none
    } cases[] = {
        {std::string("<div class=decErrorBox>正しく入力されていない項目があります。</div>") + kForm,
         "正しく入力されていない項目があります。\r\n※エラー箇所：開始価格（auc_StartPrice）、商品の状態（auc_"
         "istatus）"},
        {std::string("<div class=decErrorBox>未入力の項目があります。</div>") + kForm,
         "未入力の項目があります。\r\n※エラー箇所：開始価格（auc_StartPrice）、商品の状態（auc_istatus）"},
        {std::string("<div class=decErrorBox>時間をおいてお試しください。</div>") + kForm,
         "時間をおいてお試しください。"},
        {"<div class=decErrorBox>入力箇所を確認してください。</div>", "入力箇所を確認してください。"},
        {"<div id=modAlertBox><div class=untHead>このオークションは再出品できません。</div></div>",
         "このオークションは再出品できません。"},
        {"<input id=submitErrorCodes value='{&quot;code&quot;:&quot;E1&quot;,&quot;message&quot;:&quot;"
         "出品できません&quot;}'>",
         "出品できません"},
        {"<p>エラー：カテゴリが違います<br></p>", "カテゴリが違います"},
        {"<title>Yahoo!オークション - 出品：完了</title>", nullptr},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page.c_str());
        CString text;
        EXPECT_EQ(c.text != nullptr, ReadListingErrorText(&page, text)) << c.page;
        if (c.text != nullptr)
        {
            EXPECT_STREQ(c.text, text) << c.page;
        }
    }
}

TEST(ListingResultPageReader, BoxServiceNoteOnShippingErrorsOnly)
{
    const struct
    {
        const char* text;
        BOOL noted;
    } cases[] = {
        {"正しく入力されていない項目があります。\r\n※エラー箇所：配送方法（auc_shipname）", TRUE},
        {"未入力の項目があります。\r\n※エラー箇所：（deliverydetail）", TRUE},
        {"箇所：shipname1", TRUE},
        {"配送方法が正しくありません。", FALSE},
        {"未入力の項目があります。\r\n※エラー箇所：開始価格", FALSE},
    };
    for (const auto& c : cases)
    {
        CString text(c.text);
        EXPECT_EQ(c.noted, AppendHacoboonNote(text)) << c.text;
        EXPECT_EQ(c.noted, text.Find("「はこBOON」以外の配送方法を設定してください。") > 0) << c.text;
    }
}

TEST(ListingResultPageReader, GarbledCompletionTitle)
{
    const char kGarbled[] = "<title>Yahoo!?\?\?\? - ?\?\?\?\?\? - ?\?\?\?\?\?</title>"
                            "<div id=modAlertBox><div class=untBody>?\?\?\?\?\?</div></div>";
    const char kFine[] = "<title>Yahoo!オークション - 出品：完了 - 青い花瓶</title>"
                         "<div id=modAlertBox><div class=untBody>青い花瓶</div></div>";
    const char kOtherTitle[] = "<title>Yahoo!オークション - 出品：完了 - 赤い花瓶</title>"
                               "<div id=modAlertBox><div class=untBody>赤い花瓶</div></div>";
    const struct
    {
        const char* page;
        const char* sent;
        BOOL garbled;
    } cases[] = {
        {kGarbled, "青い花瓶", TRUE}, {kFine, "青い花瓶", FALSE}, {kOtherTitle, "青い花瓶", FALSE},
        {kGarbled, "花瓶?", FALSE},   {kGarbled, "", FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page);
        CString title;
        EXPECT_EQ(c.garbled, IsGarbledCompletion(&page, c.sent, title)) << c.page << " " << c.sent;
        if (c.garbled)
        {
            EXPECT_STREQ("Yahoo!?\?\?\? - ?\?\?\?\?\? - ?\?\?\?\?\?", title);
        }
    }
}

TEST(ListingResultPageReader, DiagnosticsNameTheAddressAndCharsets)
{
    const CString text =
        FormatSubmitDiagnostics("http://sell.test/jp/config/submit", CHARSET_UTF8, CHARSET_EUCJP);
    EXPECT_EQ(0, text.Find("\r\n\r\n- - - - - - - - - -\r\n※最終実行時に"));
    EXPECT_GT(text.Find("\r\n実行URL：http://sell.test/jp/config/submit\r\n送信データの文字コード：UTF-8\r\n"
                        "実行ページの文字コード：EUC-JP"),
              0)
        << (LPCTSTR)text;
}
