// The pages of the feedback and removal road as the jobs read them: the
// partners an item page names (fetched over a played network), the
// feedback link and forms, whether a final post was taken, and how the
// removal splits its targets.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/Collections.h"
#include "auction/records/AuctionItem.h"
#include "client/actions/feedback/FeedbackPageReaders.h"
#include "client/actions/feedback/WinnerListPageReader.h"
#include "client/actions/removal/RemovalBatches.h"
#include "client/actions/shared/FinalPostResult.h"
#include "net/FakeNetwork.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

namespace
{
const char kItemHost[] = "http://item.test";
const char kLoginHost[] = "https://login.test";

std::string Joined(const CStringList& list)
{
    std::string out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out += (out.empty() ? "" : "|") + std::string((LPCTSTR)list.GetNext(pos));
    return out;
}

std::string Page(const std::string& body, const std::string& user = "seller_1")
{
    std::string page = "<html><head><title>Yahoo!オークション - 商品</title></head><body><div id=msthd>";
    if (!user.empty())
        page += "<a id=msthdLoginName>" + user + "</a> さん";
    return page + "</div>" + body + "</body></html>";
}

std::string FeedbackLink(const std::string& query)
{
    return "<a href=\"http://auctions.test/jp/show/leavefeedback?" + query + "\">評価</a>";
}

class ServiceHostsScope
{
public:
    ServiceHostsScope()
    {
        SetServiceOrigin(HostItemPage, kItemHost);
        SetServiceOrigin(HostLogin, kLoginHost);
    }
    ~ServiceHostsScope()
    {
        SetServiceOrigin(HostItemPage, nullptr);
        SetServiceOrigin(HostLogin, nullptr);
    }
};
} // namespace

TEST(FeedbackPageReaders, WinnerPageReaderCodes)
{
    ServiceHostsScope hosts;
    const std::string three = FeedbackLink("t=alpha&amp;aID=x1") + FeedbackLink("aID=x1&amp;t=Beta%5F2") +
                              FeedbackLink("t=gamma&amp;aID=x1");
    struct Case
    {
        const char* what;
        std::string page;     // empty: the log-in page
        const char* expected; // the user the reader wants
        int code;
        std::string ids;
    } cases[] = {
        {"three partners", Page("<div id=winners>" + three + "</div>"), "seller_1", 0, "alpha|Beta_2|gamma"},
        {"the user's ID in other letters", Page(three, "SELLER_1"), "seller_1", 0, "alpha|Beta_2|gamma"},
        {"no user wanted", Page(FeedbackLink("t=alpha"), ""), "", 0, "alpha"},
        {"one partner twice, in other letters",
         Page(FeedbackLink("t=alpha&amp;aID=x1") + FeedbackLink("t=ALPHA&amp;aID=x1") +
              FeedbackLink("t=beta")),
         "seller_1", 0, "alpha|beta"},
        {"other feedback links only when there is no input page link",
         Page("<a href=\"/jp/config/leavefeedback?t=delta\">x</a>"), "seller_1", 0, "delta"},
        {"input page links win over others",
         Page("<a href=\"/jp/config/leavefeedback?t=delta\">x</a>" + FeedbackLink("t=alpha")), "seller_1", 0,
         "alpha"},
        {"the log-in page", "", "seller_1", 1, ""},
        {"no user on the page", Page(three, ""), "seller_1", 1, ""},
        {"another user", Page(three, "someone_else"), "seller_1", 1, ""},
        {"the adult warning", Page("<p>アダルトカテゴリに入ろうとしています</p>" + three), "seller_1", 1, ""},
        {"the item is gone",
         Page("<div id=modAlertBox><div class=untBody>ドキュメントは存在しません。</div></div>"), "seller_1",
         2, ""},
        {"links without t", Page(FeedbackLink("aID=x1")), "seller_1", 3, ""},
        {"no links", Page("<p>終了</p>"), "seller_1", 3, ""},
    };
    for (const Case& c : cases)
    {
        CFakeNetwork net(
            [&](const SentRequest& sent, HttpExchange& x, HttpRequestState&)
            {
                if (c.page.empty() && sent.url.find(kItemHost) == 0)
                    Respond(x, 302, std::string(kLoginHost) + "/config/login?.src=auc");
                else if (c.page.empty())
                    Respond(x, 200, "", "<html><form name=login_form></form></html>");
                else
                    Respond(x, 200, "", c.page, "text/html; charset=shift_jis");
            });
        AuctionItem item;
        item.SetAuctionID("x1").SetItemURL("http://item.test/jp/auction/x1");
        CHttpComm http;
        CWinnerListPageReader reader(&item, &http);
        reader.SetExpectedUserId(c.expected);
        CStringList ids;
        ids.AddTail("stale");
        EXPECT_EQ(c.code, reader.ReadPartners(ids)) << c.what;
        if (c.code == 0)
        {
            EXPECT_EQ(c.ids, Joined(ids)) << c.what;
        }
        ASSERT_FALSE(net.requests.empty()) << c.what;
        EXPECT_EQ("http://item.test/jp/auction/x1", net.requests[0].url) << c.what;
    }
}

TEST(FeedbackPageReaders, WinnerPageReaderNeedsAnItemAndAnAddress)
{
    CFakeNetwork net([](const SentRequest&, HttpExchange& x, HttpRequestState&)
                     { Respond(x, 200, "", "x"); });
    CHttpComm http;
    AuctionItem noUrl;
    CStringList ids;
    EXPECT_EQ(CWinnerListPageReader::ReadNothing, CWinnerListPageReader(&noUrl, &http).ReadPartners(ids));
    EXPECT_EQ(CWinnerListPageReader::ReadNothing, CWinnerListPageReader(nullptr, &http).ReadPartners(ids));
    AuctionItem item;
    item.SetItemURL("http://item.test/jp/auction/x1");
    EXPECT_EQ(CWinnerListPageReader::ReadNothing, CWinnerListPageReader(&item, nullptr).ReadPartners(ids));
    EXPECT_TRUE(net.requests.empty());
}

TEST(FeedbackPageReaders, FeedbackLinkForAPartner)
{
    CHtmlDocument page(Page("<a href=\"/jp/show/rating?userID=alpha\">alpha</a>" +
                            FeedbackLink("t=alpha&amp;aID=x1") + FeedbackLink("aID=x1&amp;t=Beta"))
                           .c_str());
    struct Case
    {
        const char* partner;
        bool found;
        const char* link;
    } cases[] = {
        {"alpha", true, "http://auctions.test/jp/show/leavefeedback?t=alpha&amp;aID=x1"},
        {"BETA", true, "http://auctions.test/jp/show/leavefeedback?aID=x1&amp;t=Beta"},
        {"gamma", false, ""},
        {"", true, "http://auctions.test/jp/show/leavefeedback?t=alpha&amp;aID=x1"},
        {nullptr, true, "http://auctions.test/jp/show/leavefeedback?t=alpha&amp;aID=x1"},
    };
    for (const Case& c : cases)
    {
        CString link = "untouched";
        EXPECT_EQ(c.found, FindFeedbackLink(&page, c.partner, nullptr, link) != FALSE) << c.partner;
        EXPECT_EQ(c.link, std::string((LPCTSTR)link)) << c.partner;
    }

    // The links of the first partner serve the next ones of the item.
    CStringList cache;
    CString link;
    EXPECT_TRUE(FindFeedbackLink(&page, "alpha", &cache, link));
    EXPECT_EQ(2, (int)cache.GetCount());
    CHtmlDocument other(Page(FeedbackLink("t=gamma")).c_str());
    EXPECT_TRUE(FindFeedbackLink(&other, "beta", &cache, link));
    EXPECT_EQ("http://auctions.test/jp/show/leavefeedback?aID=x1&amp;t=Beta", std::string((LPCTSTR)link));
    EXPECT_FALSE(FindFeedbackLink(&other, "gamma", &cache, link));
    CStringList empty;
    EXPECT_TRUE(FindFeedbackLink(&other, "gamma", &empty, link));
    EXPECT_EQ(1, (int)empty.GetCount());
}

TEST(FeedbackPageReaders, InputAndConfirmationForms)
{
    const std::string fields = "<input type=hidden name=t value=a><input type=radio name=rating value=good>"
                               "<textarea name=formComment></textarea>";
    struct Case
    {
        const char* what;
        std::string body;
        const char* inputId;   // id of the form found, or null
        const char* confirmId; // the same for the confirmation form
    } cases[] = {
        {"the input form",
         "<form id=search action=/search></form><form id=in action=\"/jp/preview/leavefeedback\">" + fields +
             "<input type=submit id=decCheck></form>",
         "in", nullptr},
        {"found by its button",
         "<form id=in action=\"/jp/config/leavefeedback\">" + fields +
             "<input type=SUBMIT id=DECCHECK></form>",
         "in", nullptr},
        {"the button of another form",
         "<form id=x action=\"/jp/other\"><input type=submit id=decCheck></form>", nullptr, nullptr},
        {"a button that is no submit",
         "<form id=in action=\"/jp/config/leavefeedback\"><input type=button id=decCheck></form>", nullptr,
         nullptr},
        {"the confirmation",
         "<form id=back action=\"/jp/show/leavefeedback\"></form><form id=conf "
         "action=\"/jp/submit/leavefeedback\"></form>",
         nullptr, "conf"},
        {"no form", "<p>評価はできません。</p>", nullptr, nullptr},
    };
    for (const Case& c : cases)
    {
        CHtmlDocument page(Page(c.body).c_str());
        for (const auto& form : {std::make_pair(FindFeedbackInputForm(&page), c.inputId),
                                 std::make_pair(FindFeedbackConfirmForm(&page), c.confirmId)})
        {
            CString id;
            if (form.first != nullptr)
                form.first->GetAttribute("id", id);
            EXPECT_EQ(form.second != nullptr ? form.second : "", std::string((LPCTSTR)id)) << c.what;
        }
    }
}

TEST(FeedbackPageReaders, WhetherTheFinalPostWasTaken)
{
    const std::string errorBox = "<div class=decErrorBox>評価を送信できませんでした。</div>";
    const std::string inputForm = "<form action=\"/jp/preview/leavefeedback\"><textarea name=formComment>"
                                  "</textarea></form>";
    auto listForm = [](const std::string& ids)
    {
        std::string form = "<form name=auctionList action=\"/jp/config/removeclosed\">";
        for (size_t i = 0; i < ids.size(); ++i)
            form += std::string("<input type=checkbox name=\"aidlist[]\" value=\"x") + ids[i] + "\">";
        return form + "</form>";
    };
    struct Case
    {
        const char* what;
        std::string body;
        int feedback;
        int removal; // sent: x1 and x2
        const char* text;
    } cases[] = {
        {"a completion page", "<p>評価を公開しました。</p>", FinalPostDone, FinalPostDone, ""},
        {"an error box", errorBox, FinalPostRefused, FinalPostRefused, "評価を送信できませんでした。"},
        {"the form again with an error", errorBox + inputForm, FinalPostRefused, FinalPostRefused,
         "評価を送信できませんでした。"},
        {"the form again", inputForm, FinalPostUnknown, FinalPostDone, ""},
        {"the confirmation again", "<form action=\"/jp/submit/leavefeedback\"></form>", FinalPostUnknown,
         FinalPostDone, ""},
        {"an alert heading",
         "<div id=modAlertBox><div class=untHead>このオークションは評価できません</div></div>",
         FinalPostRefused, FinalPostRefused, "このオークションは評価できません"},
        {"marked error text", "<p>エラー：時間をおいてください</p>", FinalPostRefused, FinalPostRefused,
         "時間をおいてください"},
        {"the list without the sent items", listForm("345"), FinalPostDone, FinalPostDone, ""},
        {"the list still offering one", listForm("32"), FinalPostDone, FinalPostUnknown, ""},
    };
    CStringList sent;
    sent.AddTail("x1");
    sent.AddTail("x2");
    for (const Case& c : cases)
    {
        CHtmlDocument page(Page(c.body).c_str());
        CString text;
        EXPECT_EQ(c.feedback, JudgeFeedbackResult(&page, text)) << c.what;
        EXPECT_EQ(c.text, std::string((LPCTSTR)text)) << c.what;
        EXPECT_EQ(c.removal, JudgeRemovalResult(&page, sent, text)) << c.what;
        EXPECT_EQ(c.text, std::string((LPCTSTR)text)) << c.what;
    }
    CString text;
    EXPECT_EQ(FinalPostUnknown, JudgeFeedbackResult(nullptr, text));
    EXPECT_EQ(FinalPostUnknown, JudgeRemovalResult(nullptr, sent, text));
}

TEST(FeedbackPageReaders, RemovalBatches)
{
    std::vector<AuctionItem> items(103);
    for (size_t i = 0; i < items.size(); ++i)
        items[i].SetAuctionID(("x" + std::to_string(i + 1)).c_str()).SetTitle("品");
    struct Case
    {
        const char* what;
        int count;
        std::vector<int> withoutId; // item numbers from 1
        std::vector<int> sizes;     // IDs per batch
    } cases[] = {
        {"one", 1, {}, {1}},
        {"fifty", 50, {}, {50}},
        {"fifty-one", 51, {}, {50, 1}},
        {"a hundred and three", 103, {}, {50, 50, 3}},
        {"a target without an ID takes no place", 51, {20}, {50}},
        {"the IDs after it are sent", 52, {20}, {50, 1}},
        {"no ID at all", 2, {1, 2}, {0}},
    };
    for (const Case& c : cases)
    {
        for (int n : c.withoutId)
            items[n - 1].SetAuctionID("");
        CAuctionItemPtrList targets;
        for (int i = 0; i < c.count; ++i)
            targets.AddTail(&items[i]);
        const int nWithIds = c.count - (int)c.withoutId.size();
        EXPECT_EQ(nWithIds == 0 ? 0 : (int)c.sizes.size(), GetRemovalBatchCount(targets)) << c.what;
        std::vector<int> sizes;
        std::vector<std::string> sent;
        POSITION pos = targets.GetHeadPosition();
        while (pos != nullptr)
        {
            CStringList ids;
            EXPECT_TRUE(TakeRemovalBatch(targets, pos, ids)) << c.what;
            sizes.push_back((int)ids.GetCount());
            for (POSITION p = ids.GetHeadPosition(); p != nullptr;)
                sent.push_back((LPCTSTR)ids.GetNext(p));
        }
        EXPECT_EQ(c.sizes, sizes) << c.what;
        EXPECT_EQ((size_t)nWithIds, sent.size()) << c.what;
        for (int n : c.withoutId)
            items[n - 1].SetAuctionID(("x" + std::to_string(n)).c_str());
    }

    // A hole in the list ends the batch with what was taken.
    CAuctionItemPtrList targets;
    targets.AddTail(&items[0]);
    targets.AddTail((AuctionItem*)nullptr);
    targets.AddTail(&items[1]);
    POSITION pos = targets.GetHeadPosition();
    CStringList ids;
    EXPECT_FALSE(TakeRemovalBatch(targets, pos, ids));
    EXPECT_EQ("x1", Joined(ids));

    CString line;
    FormatRemovalItemLine(items[0], FALSE, line);
    EXPECT_EQ("品 (x1)", std::string((LPCTSTR)line));
    FormatRemovalItemLine(items[0], TRUE, line);
    EXPECT_EQ("品 (x1) 他", std::string((LPCTSTR)line));
}
