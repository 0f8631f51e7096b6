// The two jobs on items on sale against the stand-in of the service: a
// text added to the descriptions and the featured amount per day, over
// several items, with the failures that stop a run where they happen and
// 中止 at any request; then both run from the selling list as a user runs
// them, through their dialogs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "actions/shared/win32/ListJobFixture.h"
#include "actions/shared/win32/StopWhenHeld.h"
#include "afx/TestText.h"
#include "app/DialogProfile.h"
#include "app/ProfileTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "auction/login/win32/StandInSellerFixture.h"
#include "client/ListResourceIds.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoDocData.h"
#include "client/TanzoResourceIds.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"
#include "client/actions/updates/AddDescriptionDialog.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"
#include "client/actions/updates/DescriptionAdditionSink.h"
#include "client/actions/updates/FeaturedAmountDialog.h"
#include "client/actions/updates/FeaturedAmountOperation.h"
#include "client/actions/updates/FeaturedAmountResourceIds.h"
#include "client/actions/updates/UpdateAuctionOperation.h"
#include "net/HttpComm.h"
#include "net/ProgressSink.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"
#include "text/JsonDocument.h"
#include "text/JsonKeyValue.h"
#include "text/JsonValue.h"

namespace
{
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

// The document without its files: the marks of a run stay in memory.
class CDocWithoutFiles : public CTanzoDocData
{
protected:
    BOOL GetUserDataRoot(CString&) override { return FALSE; }
};

DWORD ActionFlagsOf(CTanzoDocData& doc, const TanzoAuctionItem& item)
{
    TanzoAuctionItemUserEdit record(item);
    return doc.LookupUserEdit(record) ? record.GetActionFlags() : 0;
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

class ItemUpdateJobs : public StandInSellerFixture<CDocWithoutFiles>
{
protected:
    template <class Job> void Prepare(Job& job, int nItems)
    {
        items = SellingItems(nItems);
        ASSERT_EQ((size_t)nItems, items.size());
        job.SetOwner(&accounts);
        for (auto& item : items)
            job.AddTarget(item.get());
    }
    std::string Id(size_t i) const { return (LPCTSTR)items[i]->GetAuctionID(); }

    CJobSink sink;
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
        // A page of the service without an error that shows the form again
        // has not set the amount.
        {"featured_result", "form", LoadText(884), true},
        // The answer to the final post lost after the service stored it.
        {nullptr,
         "{\"host\": \"auctions\", \"path\": \"/jp/config/editfeatured\", \"action\": \"lost\", "
         "\"nth\": 4}",
         LoadText(906), true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.key != nullptr ? c.key : "") + " " + c.value);
        ASSERT_TRUE(StandIn::Reset());
        sink.messages.clear();
        CFeaturedAmountOperation job(300, &http, &sink);
        Prepare(job, 3);
        if (c.key != nullptr)
            ASSERT_TRUE(StandIn::SetState(std::string("{\"") + c.key + "\": {\"" + Id(1) + "\": \"" +
                                          c.value + "\"}}"));
        else
            ASSERT_TRUE(StandIn::AddFault(c.value));
        EXPECT_FALSE(job.Run());
        ASSERT_EQ(1u, sink.messages.size());
        EXPECT_NE(std::string::npos, sink.messages[0].find(c.message)) << sink.messages[0];
        EXPECT_EQ(std::vector<std::string>{"300"}, KeptFor("featured", "amounts", Id(0)).values);
        // The earlier item keeps its mark; the one that failed gets none.
        EXPECT_EQ(DWORD(CFeaturedAmountOperation::FeaturedActionBit), ActionFlagsOf(accounts, *items[0]));
        EXPECT_EQ(0u, ActionFlagsOf(accounts, *items[1]));
        EXPECT_EQ(c.bFinalPost ? 1 : 0, KeptFor("featured", "amounts", Id(1)).attempts);
        EXPECT_EQ(0, KeptFor("featured", "amounts", Id(2)).attempts);
        EXPECT_EQ(0, CountRequests("/jp/config/editfeatured", Id(2)));
    }
}

TEST_F(ItemUpdateJobs, StopWhileTheServiceHoldsEachRequestOfATwoItemRun)
{
    const struct
    {
        const char* name;
        const char* kind;
        const char* list;
    } jobs[] = {{"additions", "additions", "texts"}, {"featured", "featured", "amounts"}};
    for (const auto& j : jobs)
    {
        SCOPED_TRACE(j.name);
        CDescriptionAdditionSink text;
        text.SetText(kAddition);
        auto run = [&]
        {
            if (std::string(j.name) == "additions")
            {
                CUpdateAuctionOperation job(&text, &http, &sink);
                Prepare(job, 2);
                return job.Run();
            }
            CFeaturedAmountOperation job(300, &http, &sink);
            Prepare(job, 2);
            return job.Run();
        };
        // The requests of a whole run.
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(run());
        const size_t nRequests = StandIn::Log().size();
        ASSERT_LE(6u, nRequests);

        for (size_t k = 1; k <= nRequests; ++k)
        {
            SCOPED_TRACE(k);
            ASSERT_TRUE(StandIn::Reset());
            sink.messages.clear();
            ASSERT_TRUE(StandIn::AddFault("{\"action\": \"hold\", \"nth\": " + std::to_string(k) + "}"));
            http.SetCancel(FALSE);
            BOOL bResult = TRUE;
            {
                CStopWhenHeld stopper(http);
                bResult = run();
                EXPECT_TRUE(stopper.Join());
            }
            EXPECT_FALSE(bResult);
            // Stopped in the final post, the user is told to look at the
            // item: the service may have stored it.
            for (const std::string& message : sink.messages)
                EXPECT_EQ(0u, message.find(LoadText(906))) << message;
            EXPECT_LE(sink.messages.size(), 1u);
            // The answer to the request held came after the stop: nothing
            // followed it.
            EXPECT_EQ(0, StandIn::CountHeld());
            EXPECT_EQ(k, StandIn::Log().size());
            for (size_t i = 0; i < items.size(); ++i)
            {
                const Kept kept = KeptFor(j.kind, j.list, Id(i));
                EXPECT_LE(kept.attempts, 1) << Id(i);
                EXPECT_LE(kept.count, 1) << Id(i);
            }
        }
        http.SetCancel(FALSE);
    }
}

namespace
{
// The IDs of the selling items not featured yet, in list order.
std::set<std::string> UnfeaturedIds()
{
    std::set<std::string> ids;
    for (const auto& item : SellingItems(1000))
        ids.insert((LPCTSTR)item->GetAuctionID());
    return ids;
}

std::string Formatted(UINT nID, int a)
{
    CString text;
    text.FormatMessage(nID, a);
    return (LPCTSTR)text;
}

class ItemUpdateFromList : public ListJobTest
{
protected:
    // The first nCount rows of the selling list that are not featured,
    // selected; their IDs.
    std::vector<std::string> SelectUnfeatured(int nCount)
    {
        std::vector<std::string> chosen;
        CTanzoListCtrl* pList = ShowTab(0, nCount);
        if (pList == nullptr)
            return chosen;
        const std::set<std::string> unfeatured = UnfeaturedIds();
        pList->SetItemStateMasked(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int nRow = 0; nRow < pList->GetItemCount() && (int)chosen.size() < nCount; ++nRow)
        {
            const std::string id = (LPCTSTR)pList->GetRowRecord(nRow)->GetAuctionID();
            if (unfeatured.count(id) == 0)
                continue;
            pList->SetItemStateMasked(nRow, LVIS_SELECTED, LVIS_SELECTED);
            chosen.push_back(id);
        }
        return chosen;
    }
};
} // namespace

TEST_F(ItemUpdateFromList, TwelveItemsGetTheTemplateFromTheMenuOnceEach)
{
    ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
    ASSERT_TRUE(Start());
    const CTemplateStringItem kept(nullptr, kAddition);
    Doc()->AddTemplate(0, &kept);
    const std::vector<std::string> ids = SelectUnfeatured(12);
    ASSERT_EQ(12u, ids.size());

    m_boxes.nAnswer = IDYES;
    std::vector<std::string> boxesBeforeMenu;
    bool bConfirmed = false;
    WhenDialogShows(IDC_ADD_DESCRIPTION_TABS,
                    [&](HWND hDialog)
                    {
                        // Nothing typed: told, nothing asked.
                        Click(hDialog, IDOK);
                        boxesBeforeMenu = m_boxes.texts;
                        CloseMenuSoon();
                        Click(hDialog, IDC_ADD_DESCRIPTION_TEMPLATES);
                        ::SendMessageA(hDialog, WM_COMMAND, ID_TEMPLATE_FIRST_DESCRIPTION, 0);
                        WhenDialogShows(IDC_ADD_CONFIRM_QUESTION,
                                        [&](HWND hConfirm)
                                        {
                                            bConfirmed = true;
                                            Click(hConfirm, IDOK);
                                        });
                        Click(hDialog, IDOK);
                    });
    CRunCaptions run;
    ASSERT_TRUE(run.IsHooked());
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_ADD_DESCRIPTION, 0);

    ASSERT_TRUE(bConfirmed);
    const std::string question = Formatted(IDS_ASK_DESCRIPTION_MANY, 12);
    EXPECT_EQ((std::vector<std::string>{question, LoadText(IDS_NOTHING_ENTERED)}), boxesBeforeMenu);
    ASSERT_EQ(3u, m_boxes.texts.size());
    EXPECT_EQ(LoadText(IDS_DESCRIPTION_DONE), m_boxes.texts[2]);
    std::vector<std::string> expectedCaptions;
    for (int i = 1; i <= 12; ++i)
        expectedCaptions.push_back("商品説明を追加中...(" + std::to_string(i) + "/12)");
    EXPECT_EQ(expectedCaptions, run.captions);
    for (const std::string& id : ids)
    {
        const Kept added = KeptFor("additions", "texts", id);
        EXPECT_EQ(1, added.count) << id;
        EXPECT_EQ(std::vector<std::string>{kAddition}, added.values) << id;
    }
    EXPECT_EQ(kAddition,
              StoredProfileValue(*AfxGetApp(), GetDialogProfileSection(IDD_ADD_DESCRIPTION), "Description"));
}

TEST_F(ItemUpdateFromList, TwelveItemsGetTheAmountOnceEachAndTheirMark)
{
    ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
    ASSERT_TRUE(Start());
    const std::vector<std::string> ids = SelectUnfeatured(12);
    ASSERT_EQ(12u, ids.size());

    m_boxes.nAnswer = IDYES;
    std::vector<std::string> refused;
    WhenDialogShows(IDC_FEATURED_AMOUNT,
                    [&](HWND hDialog)
                    {
                        for (const char* typed : {"19", "1000"})
                        {
                            SetControlText(hDialog, IDC_FEATURED_AMOUNT, typed);
                            Click(hDialog, IDOK);
                        }
                        refused = m_boxes.texts;
                        SetControlText(hDialog, IDC_FEATURED_AMOUNT, "300");
                        Click(hDialog, IDOK);
                    });
    CRunCaptions run;
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_FEATURED_AMOUNT, 0);

    CString range;
    range.FormatMessage(IDS_NUMBER_OUT_OF_RANGE, 20, 999);
    EXPECT_EQ(
        (std::vector<std::string>{Formatted(IDS_ASK_FEATURED_MANY, 12), (LPCTSTR)range, (LPCTSTR)range}),
        refused);
    ASSERT_EQ(5u, m_boxes.texts.size());
    EXPECT_EQ(Formatted(IDS_CONFIRM_AMOUNT, 300), m_boxes.texts[3]);
    EXPECT_EQ(LoadText(IDS_FEATURED_DONE), m_boxes.texts[4]);
    ASSERT_EQ(12u, run.captions.size());
    EXPECT_EQ("注目オプションを一日あたり300円で設定中...(12/12)", run.captions.back());
    CTanzoListCtrl& list = Page(0)->GetList();
    for (const std::string& id : ids)
    {
        SCOPED_TRACE(id);
        const Kept set = KeptFor("featured", "amounts", id);
        EXPECT_EQ(1, set.count);
        EXPECT_EQ(std::vector<std::string>{"300"}, set.values);
        TanzoAuctionItem item;
        item.SetAuctionID(id.c_str());
        EXPECT_EQ(DWORD(CFeaturedAmountOperation::FeaturedActionBit), ActionFlagsOf(*Doc(), item));
        for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
        {
            const TanzoAuctionItem* pRow = list.GetRowRecord(nRow);
            if (id == (LPCTSTR)pRow->GetAuctionID())
            {
                EXPECT_NE(0u,
                          pRow->GetUserState().TestActionFlags(CFeaturedAmountOperation::FeaturedActionBit));
            }
        }
    }
}
