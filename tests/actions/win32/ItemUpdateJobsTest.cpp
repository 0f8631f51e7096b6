// The two jobs on items on sale against the stand-in of the service: a
// text added to the descriptions and the featured amount per day, over
// several items, with the failures that stop a run where they happen.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "auction/UserAccount.h"
#include "auction/UserAccountList.h"
#include "client/TanzoAuctionItem.h"
#include "client/actions/DescriptionAdditionSink.h"
#include "client/actions/FeaturedAmountOperation.h"
#include "client/actions/UpdateAuctionOperation.h"
#include "net/HttpComm.h"
#include "net/ProgressSink.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"
#include "text/JsonDocument.h"
#include "text/JsonKeyValue.h"
#include "text/JsonValue.h"

namespace
{
std::string LoadText(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return (LPCTSTR)text;
}

// A string's text with every escape undone (the reader's style keeps "\r"
// and "\n" as written).
std::string Text(const CJsonValue* pValue)
{
    if (pValue == nullptr)
        return std::string();
    CString styled;
    pValue->ToTextStyled(styled, JSON_STYLE_UNICODE);
    const std::string text = (LPCTSTR)styled;
    if (text == "null")
        return std::string();
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '\\' || i + 1 == text.size())
        {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

const CJsonValue* Member(const CJsonValue* pObject, const std::string& name)
{
    for (int i = 0; pObject != nullptr && i < pObject->GetCount(); ++i)
    {
        const auto* pMember = dynamic_cast<const CJsonKeyValue*>(pObject->GetAt(i));
        if (pMember != nullptr && pMember->GetKey() == name.c_str())
            return pMember->GetValue();
    }
    return nullptr;
}

bool ReadControl(const std::string& path, CJsonDocument& json)
{
    CHttpComm comm;
    comm.Add(CHttpComm::flagQuiet);
    if (!comm.Request(StandIn::Url("CONTROL", path).c_str(), nullptr, FALSE))
        return false;
    CString body;
    comm.GetBody(body, TRUE);
    return json.Parse(body) == JSON_PARSE_OK && json.GetRoot() != nullptr;
}

// What the stand-in keeps of one item: the texts added or the amounts set.
struct Kept
{
    int count = 0;
    int attempts = 0;
    std::vector<std::string> values;
};

Kept KeptFor(const char* kind, const char* listName, const std::string& id)
{
    Kept kept;
    CJsonDocument json;
    if (!ReadControl(std::string("/control/") + kind + "?aID=" + id, json))
        return kept;
    const CJsonValue* pEntry = Member(Member(json.GetRoot(), kind), id);
    kept.count = atoi(Text(Member(pEntry, "count")).c_str());
    kept.attempts = atoi(Text(Member(pEntry, "attempts")).c_str());
    const CJsonValue* pValues = Member(pEntry, listName);
    for (int i = 0; pValues != nullptr && i < pValues->GetCount(); ++i)
        kept.values.push_back(Text(pValues->GetAt(i)));
    return kept;
}

// Items on sale, not featured yet, as the selling list hands them to a job.
std::vector<std::unique_ptr<TanzoAuctionItem>> SellingItems(int nCount)
{
    std::vector<std::unique_ptr<TanzoAuctionItem>> items;
    CJsonDocument json;
    if (!ReadControl("/control/items?list=selling", json))
        return items;
    const CJsonValue* pEntries = Member(json.GetRoot(), "items");
    for (int i = 0; pEntries != nullptr && i < pEntries->GetCount() && (int)items.size() < nCount; ++i)
    {
        const CJsonValue* pEntry = pEntries->GetAt(i);
        if (Text(Member(pEntry, "featured")) == "true")
            continue;
        std::unique_ptr<TanzoAuctionItem> item(new TanzoAuctionItem);
        item->SetAuctionID(Text(Member(pEntry, "id")).c_str());
        item->SetTitle(Text(Member(pEntry, "title")).c_str());
        item->SetItemURL(Text(Member(pEntry, "url")).c_str());
        items.push_back(std::move(item));
    }
    return items;
}

// Requests of the log to a path, by the aID they carry.
int CountRequests(const char* path, const std::string& id)
{
    int n = 0;
    for (const LoggedRequest& request : StandIn::Log(path))
    {
        if (request.body.find("aID=" + id) != std::string::npos)
            ++n;
    }
    return n;
}

class CJobSink : public CProgressSink
{
public:
    void SetStatus(LPCTSTR) override {}
    void SetTitle(LPCTSTR lpszText) override { captions.push_back(lpszText != nullptr ? lpszText : ""); }
    int ShowMessage(LPCTSTR lpszText, UINT nType) override
    {
        messages.push_back(lpszText != nullptr ? lpszText : "");
        types.push_back(nType);
        return IDOK;
    }
    std::vector<std::string> captions, messages;
    std::vector<UINT> types;
};

class ItemUpdateJobs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        http.Add(CHttpComm::flagQuiet);
        CUserAccount account;
        account.SetID("demo_seller1");
        account.SetPassword("pass-seller1");
        accounts.Add(account);
    }
    void TearDown() override
    {
        StandIn::Reset();
        ResetServiceOrigins();
    }
    template <class Job> void Prepare(Job& job, int nItems)
    {
        items = SellingItems(nItems);
        ASSERT_EQ((size_t)nItems, items.size());
        job.SetOwner(&accounts);
        for (auto& item : items)
            job.AddTarget(item.get());
    }
    std::string Id(size_t i) const { return (LPCTSTR)items[i]->GetAuctionID(); }

    CHttpComm http;
    CJobSink sink;
    CUserAccountList accounts;
    std::vector<std::unique_ptr<TanzoAuctionItem>> items;
};

const char kAddPath[] = "/jp/config/updateauction";
const char kAddition[] = "<b>追記</b>：送料&手数料&nbsp;込み<br>\r\n“全角”と半角 <>";
} // namespace

TEST_F(ItemUpdateJobs, AnAdditionReachesEveryItemOnceAsTyped)
{
    CDescriptionAdditionSink text;
    text.SetText(kAddition);
    CUpdateAuctionOperation job(&text, &http, &sink);
    Prepare(job, 12);
    EXPECT_EQ(4, job.GetOperationType());
    ASSERT_TRUE(job.Run());
    EXPECT_TRUE(sink.messages.empty()) << (sink.messages.empty() ? "" : sink.messages[0]);
    ASSERT_EQ(12u, sink.captions.size());
    for (size_t i = 0; i < items.size(); ++i)
    {
        SCOPED_TRACE(Id(i));
        char caption[64];
        sprintf(caption, LoadText(855).c_str(), (int)i + 1, 12);
        EXPECT_EQ(caption, sink.captions[i]);
        const Kept kept = KeptFor("additions", "texts", Id(i));
        EXPECT_EQ(1, kept.count);
        EXPECT_EQ(1, kept.attempts);
        EXPECT_EQ(std::vector<std::string>{kAddition}, kept.values);
    }
}

TEST_F(ItemUpdateJobs, AnItemsReListingEditsStayOutOfTheAddition)
{
    CDescriptionAdditionSink text;
    text.SetText(kAddition);
    CUpdateAuctionOperation job(&text, &http, &sink);
    Prepare(job, 1);
    items[0]->SetEditedDescription("再出品のときの説明");
    items[0]->AddEditFlags(TanzoAuctionItem::EditDescription);
    ASSERT_TRUE(job.Run());
    EXPECT_EQ(std::vector<std::string>{kAddition}, KeptFor("additions", "texts", Id(0)).values);
}

TEST_F(ItemUpdateJobs, AFailedAdditionStopsTheRunAtItsItem)
{
    const struct
    {
        const char* state; // for the second item; "%s" its ID
        const char* fault; // or this rule
        std::string message;
    } cases[] = {
        {"{\"addition_form\": {\"%s\": \"none\"}}", nullptr, LoadText(1077)},
        {"{\"addition_confirm\": {\"%s\": \"no_form\"}}", nullptr, LoadText(1195)},
        {"{\"addition_confirm\": {\"%s\": \"no_button\"}}", nullptr, LoadText(1198)},
        {"{\"addition_confirm\": {\"%s\": \"error\"}}", nullptr, LoadText(1195)},
        {"{\"addition_result\": {\"%s\": \"error\"}}", nullptr, "商品説明を更新できませんでした。"},
        {nullptr,
         "{\"host\": \"sell\", \"path\": \"/jp/config/updateauction\", \"action\": \"lost\", \"nth\": 2}",
         LoadText(906)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.state != nullptr ? c.state : c.fault);
        ASSERT_TRUE(StandIn::Reset());
        sink.messages.clear();
        CDescriptionAdditionSink text;
        text.SetText(kAddition);
        CUpdateAuctionOperation job(&text, &http, &sink);
        Prepare(job, 3);
        if (c.state != nullptr)
        {
            char state[256];
            sprintf(state, c.state, Id(1).c_str());
            ASSERT_TRUE(StandIn::SetState(state));
        }
        else
        {
            ASSERT_TRUE(StandIn::AddFault(c.fault));
        }
        EXPECT_FALSE(job.Run());
        ASSERT_EQ(1u, sink.messages.size());
        EXPECT_NE(std::string::npos, sink.messages[0].find(c.message)) << sink.messages[0];
        EXPECT_EQ(1, KeptFor("additions", "texts", Id(0)).count);
        EXPECT_EQ(0, CountRequests("/jp/preview/updateauction", Id(2)));
        EXPECT_EQ(0, KeptFor("additions", "texts", Id(2)).attempts);
        // A final post is never sent twice.
        EXPECT_LE(CountRequests(kAddPath, Id(1)), 1);
    }
}

TEST_F(ItemUpdateJobs, AFailedFinalPostTellsWhereItWentAndInWhichCharset)
{
    CDescriptionAdditionSink text;
    text.SetText(kAddition);
    CUpdateAuctionOperation job(&text, &http, &sink);
    Prepare(job, 1);
    ASSERT_TRUE(
        StandIn::SetState("{\"addition_result\": \"error\", \"addition_submit_charset\": \"euc-jp\"}"));
    EXPECT_FALSE(job.Run());
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_NE(std::string::npos, sink.messages[0].find(StandIn::Url("SELL", kAddPath))) << sink.messages[0];
    EXPECT_NE(std::string::npos, sink.messages[0].find("EUC-JP")) << sink.messages[0];
}

TEST_F(ItemUpdateJobs, TheFeaturedAmountIsSetOnEveryItemOnce)
{
    CFeaturedAmountOperation job(300, &http, &sink);
    Prepare(job, 12);
    EXPECT_EQ(3, job.GetOperationType());
    ASSERT_TRUE(job.Run());
    EXPECT_TRUE(sink.messages.empty()) << (sink.messages.empty() ? "" : sink.messages[0]);
    ASSERT_EQ(12u, sink.captions.size());
    for (size_t i = 0; i < items.size(); ++i)
    {
        SCOPED_TRACE(Id(i));
        char caption[96];
        sprintf(caption, LoadText(846).c_str(), 300, (int)i + 1, 12);
        EXPECT_EQ(caption, sink.captions[i]);
        const Kept kept = KeptFor("featured", "amounts", Id(i));
        EXPECT_EQ(1, kept.count);
        EXPECT_EQ(std::vector<std::string>{"300"}, kept.values);
    }
}

TEST_F(ItemUpdateJobs, TheFeaturedAmountKeepsWithinItsRange)
{
    EXPECT_EQ(20, CFeaturedAmountOperation(5).GetAmount());
    EXPECT_EQ(999, CFeaturedAmountOperation(5000).GetAmount());
    EXPECT_EQ(300, CFeaturedAmountOperation(300).GetAmount());
}

TEST_F(ItemUpdateJobs, TheConfirmationsAmountRowIsReadWhateverItsColon)
{
    for (const char* how : {"fullwidth", "colon"})
    {
        SCOPED_TRACE(how);
        ASSERT_TRUE(StandIn::Reset());
        CFeaturedAmountOperation job(300, &http, &sink);
        Prepare(job, 1);
        ASSERT_TRUE(StandIn::SetState(std::string("{\"featured_confirm\": \"") + how + "\"}"));
        EXPECT_TRUE(job.Run());
        EXPECT_EQ(std::vector<std::string>{"300"}, KeptFor("featured", "amounts", Id(0)).values);
    }
}

TEST_F(ItemUpdateJobs, AFeaturedAmountThatCannotBeSetStopsTheRunAtItsItem)
{
    const struct
    {
        const char* key;
        const char* value;
        std::string message;
        bool bFinalPost;
    } cases[] = {
        {"featured_form", "none", LoadText(1089), false},
        {"featured_form", "no_fields", LoadText(1223), false},
        {"featured_confirm", "other_amount", LoadText(1190), false},
        {"featured_confirm", "no_row", LoadText(1189), false},
        {"featured_confirm", "no_form", LoadText(1185), false},
        {"featured_confirm", "again", "入力内容を確認してください。", false},
        {"featured_result", "error", "注目のオークションの設定に失敗しました。", true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.key) + " " + c.value);
        ASSERT_TRUE(StandIn::Reset());
        sink.messages.clear();
        CFeaturedAmountOperation job(300, &http, &sink);
        Prepare(job, 3);
        ASSERT_TRUE(
            StandIn::SetState(std::string("{\"") + c.key + "\": {\"" + Id(1) + "\": \"" + c.value + "\"}}"));
        EXPECT_FALSE(job.Run());
        ASSERT_EQ(1u, sink.messages.size());
        EXPECT_NE(std::string::npos, sink.messages[0].find(c.message)) << sink.messages[0];
        EXPECT_EQ(std::vector<std::string>{"300"}, KeptFor("featured", "amounts", Id(0)).values);
        EXPECT_EQ(c.bFinalPost ? 1 : 0, KeptFor("featured", "amounts", Id(1)).attempts);
        EXPECT_EQ(0, KeptFor("featured", "amounts", Id(2)).attempts);
        EXPECT_EQ(0, CountRequests("/jp/config/editfeatured", Id(2)));
    }
}
