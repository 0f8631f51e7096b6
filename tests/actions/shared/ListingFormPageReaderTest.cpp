// Reading the service's listing form as a browser posts it: which form of
// the page it is, the boxes its script would tick, the values of its
// controls, the description repaired of repeated escaping, and the link to
// the old form.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "auction/settings/AuctionListingForm.h"
#include "client/actions/shared/ListingFormPageReader.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

namespace
{
CString NameOf(CMarkupNode* pNode)
{
    CString name;
    if (pNode != nullptr && !pNode->GetAttribute("name", name))
        pNode->GetAttribute("id", name);
    return name;
}

BOOL IsChecked(CHtmlDocument& page, LPCTSTR tag, LPCTSTR name, LPCTSTR value, LPCTSTR flag)
{
    CPtrList nodes;
    page.FindElements(tag, nodes, "name", name);
    for (POSITION pos = nodes.GetHeadPosition(); pos != nullptr;)
    {
        CMarkupNode* pNode = static_cast<CMarkupNode*>(nodes.GetNext(pos));
        CString v;
        pNode->GetAttribute("value", v);
        if (value == nullptr || v == value)
            return pNode->HasAttribute(flag);
    }
    return FALSE;
}
} // namespace

TEST(ListingFormPageReader, FindsTheListingFormAmongOthers)
{
    const struct
    {
        const char* page;
        const char* found; // the form's name or id; null: none
    } cases[] = {
        {"<form name=search action=/search></form><form name=auction action=/x></form>", "auction"},
        {"<form name=search action=/jp/show/preview></form><form id=AUCTION action=/x></form>", "AUCTION"},
        {"<form name=search action=/s></form><form name=other action='/jp/show/preview?a=1'></form>",
         "other"},
        {"<form name=search action=/search></form>", nullptr},
        {"<p>no form</p>", nullptr},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page);
        CMarkupNode* pForm = FindListingFormElement(&page);
        if (c.found == nullptr)
        {
            EXPECT_EQ(nullptr, pForm) << c.page;
        }
        else
        {
            EXPECT_STREQ(c.found, NameOf(pForm)) << c.page;
        }
    }
}

TEST(ListingFormPageReader, NewerFormByItsShippingInputs)
{
    const struct
    {
        const char* page;
        BOOL newer;
    } cases[] = {
        {"<form name=auction><input type=checkbox name=is_other_ship value=yes></form>", TRUE},
        {"<form name=auction><input type=radio name=shippinginput value=now></form>", TRUE},
        {"<form name=auction><input type=hidden id=shippinginput value=now></form>", FALSE},
        {"<form name=auction><input name=shipname1 value=a></form>", FALSE},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page);
        EXPECT_EQ(c.newer, HasServiceShippingInputs(FindListingFormElement(&page))) << c.page;
    }
    EXPECT_FALSE(HasServiceShippingInputs(nullptr));
}

TEST(ListingFormPageReader, StateWordsThatTickABox)
{
    const struct
    {
        const char* value;
        BOOL noTicks;
        BOOL ticked;
    } cases[] = {
        {"true", FALSE, TRUE},    {"YES", FALSE, TRUE},    {"1", FALSE, TRUE},        {"On", FALSE, TRUE},
        {"checked", FALSE, TRUE}, {"check", FALSE, TRUE},  {"Selected", FALSE, TRUE}, {"select", FALSE, TRUE},
        {" true ", FALSE, TRUE},  {"false", FALSE, FALSE}, {"0", FALSE, FALSE},       {"", FALSE, FALSE},
        {"no", FALSE, FALSE},     {"no", TRUE, TRUE},      {"NO", TRUE, TRUE},        {"off", TRUE, FALSE},
        {"truely", FALSE, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.ticked, IsServiceStateTicked(c.value, c.noTicks)) << c.value << " " << c.noTicks;
    EXPECT_FALSE(IsServiceStateTicked(nullptr, TRUE));
}

TEST(ListingFormPageReader, ServiceStatesTickTheirBoxesAndTheRadio)
{
    CHtmlDocument page(
        "<form name=auction action=/jp/show/preview>"
        "<input type=hidden id=shippinginput value=LATER>"
        "<input type=radio name=shippinginput value=now checked>"
        "<input type=radio name=shippinginput value=later>"
        "<input type=radio name=shippinginput value=arrival>"
        "<input type=hidden id=nekoposu value=true><input type=checkbox name=is_yahuneko_nekoposu_ship "
        "value=yes>"
        "<input type=hidden id=compact value=false>"
        "<input type=checkbox name=is_yahuneko_taqbin_compact_ship value=yes>"
        "<input type=hidden id=taqbin value=Selected><input type=checkbox name=is_yahuneko_taqbin_ship "
        "value=yes>"
        "<input type=hidden id=hacoboon value=no><input type=checkbox name=is_hb_ship value=yes>"
        "<input type=hidden id=hbmini value=no><input type=checkbox name=is_hbmini_ship value=yes>"
        "<input type=hidden id=hbminipref value=13>"
        "<select name=selectedHacoboonMiniCvsPref><option value=1 selected>1</option><option "
        "value=13>13</option>"
        "</select>"
        "<input type=hidden id=yupacket value=1><input type=checkbox name=is_jp_yupacket_official_ship "
        "value=yes>"
        "<input type=checkbox name=is_jp_yupack_official_ship value=yes>"
        "</form>");
    ApplyServiceStateInputs(FindListingFormElement(&page));
    EXPECT_FALSE(IsChecked(page, "input", "shippinginput", "now", "checked"));
    EXPECT_TRUE(IsChecked(page, "input", "shippinginput", "later", "checked"));
    EXPECT_FALSE(IsChecked(page, "input", "shippinginput", "arrival", "checked"));
    const struct
    {
        const char* box;
        BOOL ticked;
    } boxes[] = {
        {"is_yahuneko_nekoposu_ship", TRUE},
        {"is_yahuneko_taqbin_compact_ship", FALSE},
        {"is_yahuneko_taqbin_ship", TRUE},
        {"is_hb_ship", FALSE},
        {"is_hbmini_ship", TRUE},
        {"is_jp_yupacket_official_ship", TRUE},
        {"is_jp_yupack_official_ship", FALSE},
    };
    for (const auto& b : boxes)
        EXPECT_EQ(b.ticked, IsChecked(page, "input", b.box, nullptr, "checked")) << b.box;
    EXPECT_FALSE(IsChecked(page, "option", nullptr, "1", "selected"));

    // What is posted follows.
    CAuctionListingForm form(nullptr, CHARSET_UTF8);
    CollectFormValues(FindListingFormElement(&page), form);
    EXPECT_STREQ("later", form.GetAt(LF_SHIPPING_INPUT));
    EXPECT_STREQ("yes", form.GetAt(LF_HB_MINI_SHIP));
    EXPECT_STREQ("13", form.GetAt(LF_HB_MINI_PREFECTURE));
    EXPECT_STREQ("", form.GetAt(LF_HB_SHIP));
}

TEST(ListingFormPageReader, WithoutStatesNothingIsTicked)
{
    CHtmlDocument page("<form name=auction><input type=radio name=shippinginput value=now checked>"
                       "<input type=checkbox name=is_hbmini_ship value=yes>"
                       "<select name=selectedHacoboonMiniCvsPref><option value=1 selected>1</option></select>"
                       "<input type=hidden id=hbminipref value=13></form>");
    ApplyServiceStateInputs(FindListingFormElement(&page));
    EXPECT_TRUE(IsChecked(page, "input", "shippinginput", "now", "checked"));
    EXPECT_FALSE(IsChecked(page, "input", "is_hbmini_ship", nullptr, "checked"));
    CAuctionListingForm form(nullptr, CHARSET_UTF8);
    CollectFormValues(FindListingFormElement(&page), form);
    EXPECT_STREQ("1", form.GetAt(LF_HB_MINI_PREFECTURE));
}

TEST(ListingFormPageReader, PostsWhatABrowserPosts)
{
    const struct
    {
        const char* control;
        const char* name;
        const char* value; // null: nothing posted under the name
    } cases[] = {
        {"<input name=pagetype value=p1>", "pagetype", "p1"}, // no type: text
        {"<input type=text name=Title value='A &amp;amp; B &quot;x&quot;'>", "Title", "A &amp; B \"x\""},
        {"<input type=hidden name=aID value=x1>", "aID", "x1"},
        {"<input type=email name=mail value=a@b>", "mail", "a@b"},
        {"<input type=HIDDEN name=k value=v disabled>", "k", nullptr},
        {"<input type=hidden name=ypoint>", "ypoint", nullptr}, // no value
        {"<input type=hidden value=lost>", "", nullptr},
        {"<input type=checkbox name=CloseEarly value=yes>", "CloseEarly", nullptr},
        {"<input type=checkbox name=CloseEarly value=yes checked>", "CloseEarly", "yes"},
        {"<input type=radio name=salesmode value=auction><input type=radio name=salesmode value=buynow "
         "checked>",
         "salesmode", "buynow"},
        {"<input type=submit name=go value=Go>", "go", nullptr},
        {"<input type=button name=b value=B>", "b", nullptr},
        {"<input type=image name=i value=I>", "i", nullptr},
        {"<input type=reset name=r value=R>", "r", nullptr},
        {"<input type=file name=f value=F>", "f", nullptr},
        {"<select name=Duration><option value=3>3<option value=5 selected>5</select>", "Duration", "5"},
        {"<select name=istatus><option value=new>new<option value=used>used</select>", "istatus", nullptr},
        {"<select name=loc_cd><option selected> 東京都 </option></select>", "loc_cd", "東京都"},
        {"<select name=s disabled><option value=1 selected>1</select>", "s", nullptr},
        {"<textarea name=Description>&lt;b&gt;x&amp;nbsp;</textarea>", "Description", "&lt;b&gt;x&amp;nbsp;"},
        {"<textarea name=t disabled>x</textarea>", "t", nullptr},
    };
    for (const auto& c : cases)
    {
        std::string source = std::string("<form name=auction action=/a>") + c.control + "</form>";
        CHtmlDocument page(source.c_str());
        CAuctionListingForm form(nullptr, CHARSET_UTF8);
        EXPECT_EQ(strstr(c.control, "<input") != nullptr,
                  CollectFormValues(FindListingFormElement(&page), form))
            << c.control;
        CString value;
        const int index = form.IndexOfName(c.name);
        BOOL posted = index >= 0 ? !form.IsEmptyAt(index) : form.GetExtraValue(c.name, value);
        if (index >= 0)
            value = form.GetAt(index);
        if (c.value == nullptr)
        {
            EXPECT_FALSE(posted) << c.control;
        }
        else
        {
            EXPECT_STREQ(c.value, value) << c.control;
        }
    }
}

TEST(ListingFormPageReader, TheLastControlOfANameWins)
{
    CHtmlDocument page("<form name=auction action=/a><input type=hidden name=salesContract value=0>"
                       "<input type=checkbox name=salesContract value=1 checked>"
                       "<input type=hidden name=x value=1><input type=hidden name=x value=2></form>");
    CAuctionListingForm form(nullptr, CHARSET_UTF8);
    CollectFormValues(FindListingFormElement(&page), form);
    EXPECT_STREQ("1", form.GetAt(LF_SALES_CONTRACT));
    CString x;
    EXPECT_TRUE(form.GetExtraValue("x", x));
    EXPECT_STREQ("2", x);
}

TEST(ListingFormPageReader, DescriptionEscapedOverAndOverComesBack)
{
    const struct
    {
        const char* text;
        const char* decoded;
    } cases[] = {
        {"&amp;amp;nbsp;", "&nbsp;"},
        {"a&nbsp;b", "a&nbsp;b"},
        {"&lt;b&gt;太字&lt;/b&gt; &quot;引用&quot; &#39;x&#39;", "<b>太字</b> \"引用\" 'x'"},
        {"&amp;lt;br&amp;gt;", "<br>"},
        {"A & B", "A & B"},
        {"&amp;amp;amp;amp;amp;", "&"},
        {"<b>as written</b>", "<b>as written</b>"},
        {"ｶﾀｶﾅ&amp;", "ｶﾀｶﾅ&"},
    };
    for (const auto& c : cases)
    {
        CString text(c.text);
        DecodeDescriptionEntities(text);
        EXPECT_STREQ(c.decoded, text) << c.text;
    }

    // At most 101 passes.
    std::string deep = "&";
    for (int i = 0; i < 102; ++i)
        deep += "amp;";
    CString text(deep.c_str());
    DecodeDescriptionEntities(text);
    EXPECT_STREQ("&amp;", text);
}

TEST(ListingFormPageReader, PageAddressesDecodedOnceAndResolved)
{
    const struct
    {
        const char* page;
        const char* written;
        const char* resolved;
    } cases[] = {
        {"http://sell.test/jp/show/resubmit?aID=1", "/jp/show/resubmit?aID=1&amp;select=old",
         "http://sell.test/jp/show/resubmit?aID=1&select=old"},
        {"http://sell.test/jp/show/resubmit?aID=1", "preview", "http://sell.test/jp/show/preview"},
        {"http://sell.test:8080/a/b", "  /c?x=1&amp;amp;y=2 ", "http://sell.test:8080/c?x=1&amp;y=2"},
        {"http://sell.test/a", "https://other.test/z", "https://other.test/z"},
        {"http://sell.test/a", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.resolved, ResolvePageAddress(c.page, c.written)) << c.written;
}

TEST(ListingFormPageReader, OldFormLinkWhereItIsLookedFor)
{
    const char kPageUrl[] = "http://sell.test/jp/show/resubmit?aID=x1";
    const char kWarning[] = "<div id=old_warning><a href='/help'>help</a>"
                            "<a href='/jp/show/resubmit?aID=x1&amp;select=old'>old</a></div>";
    const char kElsewhere[] = "<p><a href='/jp/show/resubmit?aID=x1&amp;select=new'>new</a>"
                              "<a href='resubmit?aID=x1&amp;SELECT=Old'>old</a></p>";
    const struct
    {
        const char* page;
        DWORD search;
        const char* link;
    } cases[] = {
        {kWarning, OldFormInWarning, "http://sell.test/jp/show/resubmit?aID=x1&select=old"},
        {kWarning, OldFormSearchAll, "http://sell.test/jp/show/resubmit?aID=x1&select=old"},
        {kElsewhere, OldFormInWarning, nullptr},
        {kElsewhere, OldFormAnywhere, "http://sell.test/jp/show/resubmit?aID=x1&SELECT=Old"},
        {"<a href='/jp/show/other?select=old'>x</a>", OldFormSearchAll, nullptr},
        {"<form name=auction></form>", OldFormSearchAll, nullptr},
    };
    for (const auto& c : cases)
    {
        CHtmlDocument page(c.page);
        CString link;
        EXPECT_EQ(c.link != nullptr, FindOldFormLink(&page, kPageUrl, c.search, link)) << c.page;
        if (c.link != nullptr)
        {
            EXPECT_STREQ(c.link, link) << c.page;
        }
    }
}

TEST(ListingFormPageReader, QueryParameterWithoutCase)
{
    EXPECT_TRUE(QueryParameterIs("http://s/x?aID=1&select=NON_PREMIUM", "select", "non_premium"));
    EXPECT_TRUE(QueryParameterIs("http://s/x?Select=%6Fld", "select", "old"));
    EXPECT_FALSE(QueryParameterIs("http://s/x?select=older", "select", "old"));
    EXPECT_FALSE(QueryParameterIs("http://s/x", "select", "old"));
}
