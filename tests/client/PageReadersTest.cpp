#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "client/ClientTestSupport.h"
#include "client/InsertionDialog.h"
#include "client/MyAuctionPageReader.h"
#include "client/StatusPageFixture.h"
#include "text/HtmlDocument.h"

TEST(PageReaders, InsertionDialogBits)
{
    const std::string body =
        "<div class=\"untBody\"> お知らせ です<br><br>出品方法を　変更して ください </div>";
    const std::string message = "お知らせです\r\n出品方法を変更してください";
    auto block = [&](const std::string& inside)
    { return "<div id=\"insertion_dlg\">" + body + inside + "</div>"; };
    const struct
    {
        const char* what;
        std::string page;
        BOOL newMethod;
        DWORD bits;
        bool text;
    } cases[] = {
        {"no dialog", "<p>出品しました</p>", FALSE, InsertionAccepted, false},
        {"a dialog without a form", block(""), FALSE, InsertionAccepted, false},
        {"a notice without a form", block("<p>新出品方法をご利用いただくか</p>"), FALSE,
         InsertionAccepted | InsertionOldMethodNotice, true},
        {"OK by id", block("<form><input type=button id=auc_insertion_ok value=OK></form>"), FALSE,
         InsertionAccepted, false},
        {"OK by caption", block("<form><input type=button value=\"開く\"></form>"), FALSE, InsertionAccepted,
         false},
        {"a form without OK", block("<form><input type=button value=\"閉じる\"></form>"), FALSE, 0, true},
        {"a new-method button", block("<form><input type=button value=\"新出品方法で出品\"></form>"), FALSE,
         InsertionOldMethodNotice, true},
        {"a new-method button after the new method",
         block("<form><input type=button value=\"新出品方法で出品\"></form>"), TRUE, 0, true},
        {"a new-method script",
         block("<form><input type=button value=\"次へ\" "
               "onclick=\"document.auction.elements['fnavi'].value='1';submit()\"></form>"),
         FALSE, InsertionOldMethodNotice, true},
        {"old method refused",
         block("<p>旧出品方法では出品できません</p><form><input id=auc_insertion_ok type=button></form>"),
         FALSE, InsertionOldMethodNotice, true},
        {"old method refused, new method used",
         block("<p>旧出品方法では出品できません</p><form><input id=auc_insertion_ok type=button></form>"),
         TRUE, InsertionAccepted, false},
        {"seller registration by caption",
         block("<p>出品方法の変更をお願いします</p><form><input type=button "
               "value=\"出品者情報の登録へ\"></form>"),
         TRUE, InsertionOldMethodNotice | InsertionSellerRegistration, true},
        {"seller registration by script",
         block("<p>以上が新出品を利用しています</p><form><input type=button "
               "onclick=\"location.href='/jp/initialedit'\"></form>"),
         TRUE, InsertionOldMethodNotice | InsertionSellerRegistration, true},
        {"a dialog found by class",
         "<div class=\"modDlgBox modDlgBoxEle\">" + body + "<form><input type=button value=x></form></div>",
         TRUE, 0, true},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(("<html><body>" + c.page + "</body></html>").c_str());
        DWORD bits = 0xFF;
        CString text = "untouched";
        CheckInsertionDialog(&page, c.newMethod, bits, text);
        EXPECT_EQ(c.bits, bits) << c.what;
        EXPECT_EQ(c.text ? message : "", (LPCTSTR)text) << c.what;
    }
    DWORD bits = 0;
    CString text;
    CheckInsertionDialog(nullptr, FALSE, bits, text);
    EXPECT_EQ((DWORD)InsertionAccepted, bits);
}

TEST(PageReaders, AlertBoxesCountOnlyWhenShown)
{
    const struct
    {
        const char* what;
        const char* page;
        BOOL gone;
    } cases[] = {
        {"deleted", "<div id=modAlertBox><p>商品ページが削除されている可能性があります</p></div>", TRUE},
        {"no document", "<div id=modAlertBox><b>ドキュメントは</b>存在しません</div>", TRUE},
        {"wrong ID", "<div id=modAlertBox>オークションIDは正しいですか？</div>", TRUE},
        {"hidden box",
         "<div id=modAlertBox style=\"color:red; display : none\">ドキュメントは存在しません</div>", FALSE},
        {"hidden above the box",
         "<div style=\"DISPLAY:NONE\"><div id=modAlertBox>ドキュメントは存在しません</div></div>", FALSE},
        {"another alert", "<div id=modAlertBox>ただいまメンテナンス中です</div>", FALSE},
        {"the words outside the box", "<p>ドキュメントは存在しません</p>", FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page((std::string("<html><body>") + c.page + "</body></html>").c_str());
        EXPECT_EQ(c.gone, IsItemGoneAlert(&page)) << c.what;
    }

    CHtmlDocument shown(
        "<div id=modAlertBox><div class=untHead>エラー</div><div class=\"x untBody\">本文 です</div>"
        "</div>");
    CString text;
    EXPECT_TRUE(GetPageBodyText(&shown, text, TRUE));
    EXPECT_STREQ("本文です", text);
    CHtmlDocument hidden("<div id=modAlertBox style=display:none><div class=untBody>本文</div></div>");
    EXPECT_FALSE(GetPageBodyText(&hidden, text, TRUE));
}

TEST(PageReaders, AdultCategoryWarning)
{
    const struct
    {
        const char* page;
        BOOL warning;
    } cases[] = {
        {"<p>注意: アダルトカテゴリに入ろうとしています。</p>", TRUE},
        {"<font size=2><b>アダルトカテゴリに入ろうとしています</b></font>", TRUE},
        {"<strong>アダルトカテゴリに入ろうとしています</strong>", TRUE},
        {"<div>アダルトカテゴリに入ろうとしています</div>", FALSE},
        {"<p>アダルトカテゴリ</p>", FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page);
        EXPECT_EQ(c.warning, IsAdultCategoryPage(&page)) << c.page;
    }
}

TEST(PageReaders, PremiumIconOnTheImageHost)
{
    CFixtureOrigins origins;
    const struct
    {
        const char* cell;
        BOOL premium;
    } cases[] = {
        {"<td><img src=\"//img.example/images/premium.gif\"></td>", TRUE},
        {"<td><img src=\"http://img.example/images/premium.gif\"></td>", TRUE},
        {"<td><a><img src=\"//img.example/images/auct/template/ui/auc_mod/ic_9031.gif\"></a></td>", TRUE},
        {"<td><img src=\"//img.example/images/auct/front/images/premium.gif\"></td>", TRUE},
        {"<td><img src=\"//other.example/images/premium.gif\"></td>", FALSE},
        {"<td><img src=\"//img.example/images/featured.gif\"></td>", FALSE},
        {"<td>premium.gif</td>", FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.cell);
        std::unique_ptr<CMarkupNode> cell(page.FindElement("td"));
        EXPECT_EQ(c.premium, IsPremiumIcon(cell.get())) << c.cell;
    }
    EXPECT_FALSE(IsPremiumIcon(nullptr));
}
