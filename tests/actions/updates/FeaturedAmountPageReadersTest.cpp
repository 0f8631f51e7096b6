// What the featured-amount job reads off the service's pages: the form by
// its keywords in their order, its fields, the amount row of the
// confirmation (either colon, either "1日", the amount in yen), the input
// page shown again, the service's red text, and the amount's bounds.
#include <gtest/gtest.h>

#include <string>

#include "client/actions/updates/FeaturedAmountForm.h"
#include "client/actions/updates/FeaturedAmountPageReaders.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

namespace
{
std::string Form(const char* action, const std::string& inner)
{
    return std::string("<form method=\"post\" action=\"") + action + "\">" + inner + "</form>";
}

std::string Confirmation(const std::string& rows)
{
    return "<html><body>" +
           Form("/jp/config/editfeatured", "<table><tr><th>商品名：</th><td>本 &amp; 雑誌</td></tr>" + rows +
                                               "</table><input type=\"hidden\" name=\"tos\" value=\"yes\">"
                                               "<input type=\"hidden\" name=\"dpd\" value=\"300\">") +
           "</body></html>";
}

std::string Row(const char* label, const char* value)
{
    return std::string("<tr>\n<th>") + label + "</th>\n<td>" + value + "</td>\n</tr>";
}

CString ActionOf(CMarkupNode* pForm)
{
    CString action;
    if (pForm != nullptr)
        pForm->GetAttribute("action", action);
    return action;
}
} // namespace

TEST(FeaturedAmountPageReaders, AmountsOutsideTheRangeGoToItsBounds)
{
    const struct
    {
        int in;
        int out;
    } cases[] = {{-5, 20},   {5, 20},    {20, 20},    {21, 21},   {300, 300},
                 {998, 998}, {999, 999}, {1000, 999}, {5000, 999}};
    for (const auto& c : cases)
        EXPECT_EQ(c.out, ClampFeaturedAmount(c.in)) << c.in;
}

TEST(FeaturedAmountPageReaders, TheFormByItsKeywordsInTheirOrder)
{
    const struct
    {
        std::string page;
        const char* action; // null: none found
    } cases[] = {
        {Form("/jp/config/editfeatured", ""), "/jp/config/editfeatured"},
        {Form("/jp/config/featured", ""), "/jp/config/featured"},
        {Form("/jp/show/config_featured", ""), "/jp/show/config_featured"},
        // The first keyword wins over a form that comes first.
        {Form("/jp/config/featured", "") + Form("/jp/config/editfeatured?x=1", ""),
         "/jp/config/editfeatured?x=1"},
        {Form("/search", "") + Form("/jp/show/config_featured", ""), "/jp/show/config_featured"},
        {Form("/jp/config/submit", "") + Form("/jp/config/updateauction", ""), nullptr},
        {"<p>no form</p>", nullptr},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page.c_str());
        CMarkupNode* pForm = FindFeaturedForm(&page);
        EXPECT_EQ(c.action != nullptr, pForm != nullptr) << c.page;
        EXPECT_STREQ(c.action != nullptr ? c.action : "", ActionOf(pForm)) << c.page;
    }
    EXPECT_EQ(nullptr, FindFeaturedForm(nullptr));
}

TEST(FeaturedAmountPageReaders, FieldsAndTheCheckBoxShownAgain)
{
    const struct
    {
        const char* inner;
        BOOL fields;
        BOOL box;
    } cases[] = {
        {"<input type=\"text\" name=\"dpd\"><input type=\"checkbox\" name=\"tos\" value=\"yes\">", TRUE,
         TRUE},
        {"<input type=\"text\" name=\"DPD\"><input type=\"CheckBox\" name=\"TOS\" value=\"yes\">", TRUE,
         TRUE},
        {"<input type=\"hidden\" name=\"dpd\"><input type=\"hidden\" name=\"tos\" value=\"yes\">", TRUE,
         FALSE},
        {"<input type=\"text\" name=\"dpd\">", FALSE, FALSE},
        {"<input type=\"checkbox\" name=\"tos\">", FALSE, TRUE},
        {"<input type=\"text\" name=\"amount\"><input type=\"checkbox\" name=\"agree\">", FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(Form("/jp/config/editfeatured", c.inner).c_str());
        CMarkupNode* pForm = FindFeaturedForm(&page);
        ASSERT_NE(nullptr, pForm);
        EXPECT_EQ(c.fields, HasFeaturedFields(pForm)) << c.inner;
        EXPECT_EQ(c.box, HasTosCheckBox(pForm)) << c.inner;
    }
}

TEST(FeaturedAmountPageReaders, TheFormsValuesForTheAmount)
{
    CHtmlDocument page(Form("/jp/config/editfeatured",
                            "<input type=\"hidden\" name=\"aID\" value=\"x1\">"
                            "<input type=\"hidden\" name=\"afdpd\" value=\"100\">"
                            "<input type=\"text\" name=\"dpd\" value=\"100\">"
                            "<input type=\"checkbox\" name=\"tos\" value=\"yes\">"
                            "<input type=\"submit\" name=\"submit\" value=\"確認する &amp; 進む\">")
                           .c_str());
    CFeaturedAmountForm form(&page, 0);
    ASSERT_TRUE(form.ReadFormInputs(&page));
    ASSERT_TRUE(PutFeaturedAmount(form, FindFeaturedForm(&page), 300));
    EXPECT_STREQ("yes", form.GetAt(CFeaturedAmountForm::FieldTos));
    EXPECT_STREQ("300", form.GetAt(CFeaturedAmountForm::FieldAmount));
    EXPECT_STREQ("確認する & 進む", form.GetAt(CFeaturedAmountForm::FieldSubmit));
    EXPECT_STREQ("x1", form.GetAt(CFeaturedAmountForm::FieldAuctionID));
    EXPECT_STREQ("100", form.GetAt(11)); // "afdpd": the current amount goes back as it came

    // An amount that does not fit the service's three digits is never sent.
    CFeaturedAmountForm wide(&page, 0);
    EXPECT_FALSE(PutFeaturedAmount(wide, nullptr, 1000));
    EXPECT_TRUE(wide.IsEmptyAt(CFeaturedAmountForm::FieldSubmit));
}

TEST(FeaturedAmountPageReaders, TheAmountRowOfTheConfirmation)
{
    const struct
    {
        std::string rows;
        int amount;
        UINT result;
    } cases[] = {
        {Row("1日あたりの金額：", "300円"), 300, 0},
        {Row("１日あたりの金額：", "300円"), 300, 0},
        {Row("1日あたりの金額:", "300円"), 300, 0},
        {Row("１日あたりの金額:", "３００円"), 300, 0},
        {Row("1日あたりの金額：", "1,000円"), 999, IDS_FEATURED_ROW_DIFFERS},
        {Row("１日あたりの金額：", "350円"), 300, IDS_FEATURED_ROW_DIFFERS},
        {Row("1日あたりの金額：", "<b>300</b> 円"), 300, 0},
        // Rows that are not the amount row.
        {Row("1日あたりの金額：", "300"), 300, IDS_FEATURED_ROW_MISSING},
        {Row("金額：", "300円"), 300, IDS_FEATURED_ROW_MISSING},
        {Row("1日あたり：", "300円"), 300, IDS_FEATURED_ROW_MISSING},
        {Row("1日あたりの金額：", "300円：税込"), 300, IDS_FEATURED_ROW_MISSING},
        {Row("開始日時：", "1日 10時"), 300, IDS_FEATURED_ROW_MISSING},
        {"", 300, IDS_FEATURED_ROW_MISSING},
        // The first amount row decides.
        {Row("1日あたりの金額：", "300円") + Row("1日あたりの金額：", "350円"), 300, 0},
        {Row("1日あたりの金額", "") + Row("１日あたりの金額：", "350円"), 350, 0},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(Confirmation(c.rows).c_str());
        EXPECT_EQ(c.result, CheckFeaturedAmountRow(FindFeaturedForm(&page), c.amount)) << c.rows;
    }

    // Only the first table of the form counts.
    CHtmlDocument later(Form("/jp/config/editfeatured", "<table><tr><td>商品</td></tr></table><table>" +
                                                            Row("1日あたりの金額：", "300円") + "</table>")
                            .c_str());
    EXPECT_EQ(IDS_FEATURED_ROW_MISSING, CheckFeaturedAmountRow(FindFeaturedForm(&later), 300));
    CHtmlDocument noTable(Form("/jp/config/editfeatured", "1日あたりの金額：300円").c_str());
    EXPECT_EQ(IDS_FEATURED_ROW_MISSING, CheckFeaturedAmountRow(FindFeaturedForm(&noTable), 300));
    EXPECT_EQ(IDS_FEATURED_ROW_MISSING, CheckFeaturedAmountRow(nullptr, 300));
}

TEST(FeaturedAmountPageReaders, TheServicesRedText)
{
    const struct
    {
        const char* page;
        const char* text; // null: none
    } cases[] = {
        {"<font color=\"#FF0000\"><b> 金額は10円以上高くしてください &amp; 再入力 </b></font>",
         "金額は10円以上高くしてください & 再入力"},
        {"<font color=\"#ff0000\"><b>小文字</b></font>", "小文字"},
        {"<p><font color=\"#FF0000\">説明<b>太字<i>部分</i></b></font></p>", "太字部分"},
        {"<font color=\"#FF0000\">太字なし</font><font color=\"#FF0000\"><b>二つ目</b></font>", "二つ目"},
        {"<font color=\"red\"><b>名前の赤</b></font>", nullptr},
        {"<font color=\"#CC0000\"><b>暗い赤</b></font>", nullptr},
        {"<b>ただの太字</b>", nullptr},
        {"<font color=\"#FF0000\"><b> </b></font>", nullptr},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page);
        CString text;
        EXPECT_EQ(c.text != nullptr, ReadFeaturedErrorText(&page, text)) << c.page;
        EXPECT_STREQ(c.text != nullptr ? c.text : "", text) << c.page;
    }
}
