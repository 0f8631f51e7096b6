// The re-listing job against the stand-in of the service: twelve items of
// the closed list in order with the run's settings and their paid options,
// an item that fails stops the job there, 中止 with a request held, the
// edit modes that post nothing, the switch to the easy-transaction listing
// and a log-in that lapses in the middle of a run.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ResubmitStandIn.h"
#include "actions/shared/win32/ActionDialogTestSupport.h"
#include "actions/shared/win32/StopWhenHeld.h"
#include "afx/TestText.h"
#include "app/WinTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "auction/login/win32/StandInSellerFixture.h"
#include "auction/operations/OperationResourceIds.h"
#include "auction/operations/PrepareProgressDialog.h"
#include "auction/settings/AuctionListingForm.h"
#include "client/actions/relist/ResubmitOperation.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

using namespace ResubmitStandIn;

namespace
{
const char kRegistryKey[] = "Tanzo Resubmit Job Test";

std::string Format(UINT nID, int a, int b)
{
    CString text;
    text.Format(LoadText(nID).c_str(), a, b);
    return (LPCTSTR)text;
}

bool Contains(const std::vector<std::string>& texts, const std::string& part)
{
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& text) { return text.find(part) != std::string::npos; });
}

class ResubmitJob : public StandInSellerFixture<>
{
protected:
    void TearDown() override
    {
        ReleaseAll();
        StandInSellerFixture::TearDown();
    }

    // The job over the first count items of a list, as a list page gives
    // them; pSettings may be null.
    void MakeJob(const char* list, int count, CCallbackSink* pSettings = nullptr)
    {
        served = ClosedItems(list, count);
        ASSERT_EQ((size_t)count, served.size());
        items.clear();
        for (const ServedItem& s : served)
            items.push_back(MakeItem(s));
        job.reset(new CResubmitOperation(pSettings, &http, &sink));
        job->SetOwner(&accounts);
        job->SetPrompt(&prompt);
        for (auto& item : items)
            job->AddTarget(item.get());
    }

    // This process's own: other shares of the test program run the fixture at the same time.
    CProfileScope profile{UniqueName(kRegistryKey)};
    CJobRecordingSink sink;
    CScriptedPrompt prompt;
    std::vector<ServedItem> served;
    std::vector<std::unique_ptr<TanzoAuctionItem>> items;
    std::unique_ptr<CResubmitOperation> job;
};
} // namespace

TEST_F(ResubmitJob, TwelveItemsInOrderWithTheRunsSettingsAndTheirPaidOptions)
{
    // The way kept from the previous listing, changed for this run only.
    CResubmitSettingDialog settings(CResubmitSettingDialog::ModeBeforeResubmit);
    ASSERT_TRUE(settings.CreateModeless(nullptr));
    settings.ShowWindow(SW_SHOW);
    SetControlText(settings.m_hWnd, IDC_RESUBMIT_DURATION, "3");
    SetControlText(settings.m_hWnd, IDC_RESUBMIT_CLOSING_TIME, "10");
    SetControlText(settings.m_hWnd, IDC_RESUBMIT_NUM_RESUBMIT, "0");
    ClickControl(settings.m_hWnd, IDC_RESUBMIT_CLOSE_EARLY);
    ClickControl(settings.m_hWnd, IDC_RESUBMIT_DONT_SAVE);
    settings.SendMessage(WM_COMMAND, IDOK, 0);
    ASSERT_NE(nullptr, settings.GetSelectedSettings());
    const std::string storedDuration = profile.Stored(IDD_RESUBMIT_COMMON_BASIC, "Duration");

    MakeJob("closed-winner", 12, settings.GetSelectedSettings());
    // The user moved the fifth row to the top.
    std::rotate(items.begin(), items.begin() + 4, items.begin() + 5);
    std::rotate(served.begin(), served.begin() + 4, served.begin() + 5);
    job.reset(new CResubmitOperation(settings.GetSelectedSettings(), &http, &sink));
    job->SetOwner(&accounts);
    job->SetPrompt(&prompt);
    for (auto& item : items)
        job->AddTarget(item.get());
    const int paid[] = {1, 6, 10};
    for (int i : paid)
    {
        CAuctionChargeOption& options = items[i]->GetChargeOption();
        options.SetFeaturedAmount(50);
        options.SetOptionBits(CAuctionChargeOption::OptionBold);
        items[i]->AddEditFlags(TanzoAuctionItem::EditChargeOptions);
    }

    ASSERT_TRUE(job->Run()) << (sink.messages.empty() ? "" : sink.messages.back());
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(prompt.calls.empty());
    for (int i = 1; i <= 12; ++i)
        EXPECT_TRUE(Contains(sink.captions, Format(IDS_RESUBMITTING, i, 12))) << i;

    std::string lastNewId;
    for (size_t i = 0; i < served.size(); ++i)
    {
        SCOPED_TRACE(served[i].id);
        const Relistings made = Relisted(served[i].id);
        ASSERT_EQ(1, made.count);
        ASSERT_EQ(1u, made.listings.size());
        // New IDs are given out in the order of the posts.
        EXPECT_LT(lastNewId, made.listings[0].newId);
        lastNewId = made.listings[0].newId;
        std::map<std::string, std::string> fields = made.listings[0].fields;
        EXPECT_EQ("3", fields["Duration"]);
        EXPECT_EQ("10", fields["ClosingTime"]);
        EXPECT_EQ("0", fields["numResubmit"]);
        EXPECT_EQ(0u, fields.count("CloseEarly"));
        EXPECT_EQ("yes", fields["AutoExtension"]);
        const bool bPaid = std::find(std::begin(paid), std::end(paid), (int)i) != std::end(paid);
        EXPECT_EQ(bPaid ? "50" : "", fields["featuredAmount"]);
        EXPECT_EQ(bPaid ? "yes" : "", fields["boldSelected"]);
        // As the service holds them, byte for byte.
        EXPECT_EQ(served[i].title, fields["Title"]);
        EXPECT_EQ(served[i].description, fields["Description"]);
    }
    // Taken for this run only.
    EXPECT_EQ(storedDuration, profile.Stored(IDD_RESUBMIT_COMMON_BASIC, "Duration"));
    settings.DestroyWindow();
}

TEST_F(ResubmitJob, AnItemThatFailsStopsTheJobThere)
{
    const struct
    {
        const char* name;
        const char* state;  // for the second item, %s its ID
        const char* fault;  // or null
        std::string shown;  // a part of the last message
        int secondListed;   // at most
        int secondPosts;    // final posts of the second item, at most
        std::string headed; // a part of a headed box, or empty
    } cases[] = {
        {"no old-form link", "{\"relist_entry\": {\"%s\": \"none\"}}", nullptr,
         "旧出品フォームへのリンクが見つかりません。", 0, 0, "旧出品フォームへのリンクが見つかりません。"},
        {"non-premium", "{\"relist_entry\": {\"%s\": \"non_premium\"}}", nullptr,
         "Yahoo!プレミアム会員登録のない", 0, 0, ""},
        {"no form", "{\"relist_form\": {\"%s\": \"none\"}}", nullptr, LoadText(IDS_INPUT_FORM_GONE), 0, 0,
         LoadText(IDS_RESUBMIT_INPUT_FORM_MISSING)},
        {"seller registration", "{\"relist_dialog\": {\"%s\": \"registration\"}}", nullptr, "", 0, 0, ""},
        {"error on the confirmation", "{\"relist_preview\": {\"%s\": \"error\"}}", nullptr, "※エラー箇所：",
         0, 0, ""},
        {"error on completion", "{\"relist_submit\": {\"%s\": \"error_box\"}}", nullptr,
         "ただいま出品できません。", 0, 2, LoadText(IDS_RETRY_HEADING)},
        {"announcement", "{\"relist_submit\": {\"%s\": \"announcement\"}}", nullptr,
         LoadText(IDS_REFUSED_BY_SERVICE), 0, 1, ""},
        {"answer lost after the service stored it", "{}",
         "{\"host\": \"sell\", \"path\": \"/jp/config/submit\", \"action\": \"lost\", \"nth\": 2}",
         LoadText(IDS_MAYBE_FAILED), 1, 1, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(StandIn::Reset());
        sink = CJobRecordingSink();
        prompt = CScriptedPrompt();
        MakeJob("closed-nowinner", 3);
        char state[256];
        sprintf(state, c.state, served[1].id.c_str());
        ASSERT_TRUE(StandIn::SetState(state));
        if (c.fault != nullptr)
        {
            ASSERT_TRUE(StandIn::AddFault(c.fault));
        }

        EXPECT_FALSE(job->Run());
        EXPECT_EQ(1, Relisted(served[0].id).count);
        EXPECT_LE(Relisted(served[1].id).count, c.secondListed);
        EXPECT_LE(Relisted(served[1].id).attempts, c.secondPosts);
        EXPECT_EQ(0, Relisted(served[2].id).attempts);
        for (const std::string& request : Requests())
            EXPECT_EQ(std::string::npos, request.find(served[2].id)) << request;
        if (!c.shown.empty())
        {
            ASSERT_FALSE(sink.messages.empty());
            EXPECT_NE(std::string::npos, sink.messages.back().find(c.shown)) << sink.messages.back();
        }
        if (!c.headed.empty())
        {
            EXPECT_TRUE(Contains(prompt.calls, c.headed));
        }
    }
}

TEST_F(ResubmitJob, TheRegistrationNoticeLinksToTheSellersSettings)
{
    MakeJob("closed-nowinner", 1);
    ASSERT_TRUE(StandIn::SetState("{\"relist_dialog\": \"registration\"}"));
    EXPECT_FALSE(job->Run());
    ASSERT_EQ(1u, prompt.calls.size());
    EXPECT_NE(std::string::npos, prompt.calls[0].find("demo_seller1"));
    EXPECT_NE(std::string::npos, prompt.calls[0].find("/setting/user/initialedit"));
    EXPECT_EQ(0, Relisted(served[0].id).attempts);
}

TEST_F(ResubmitJob, AFailedCompletionIsRetriedOnceThenToldWithDiagnostics)
{
    MakeJob("closed-nowinner", 1);
    ASSERT_TRUE(StandIn::SetState("{\"relist_submit\": \"error_box\"}"));
    EXPECT_FALSE(job->Run());
    EXPECT_EQ(2, Relisted(served[0].id).attempts);
    EXPECT_EQ(0, Relisted(served[0].id).count);
    ASSERT_FALSE(sink.messages.empty());
    const std::string& last = sink.messages.back();
    EXPECT_EQ(0u, last.find(LoadText(IDS_SERVER_ERROR).substr(0, 20)));
    EXPECT_NE(std::string::npos, last.find("送信データの文字コード："));
    EXPECT_TRUE(Contains(prompt.calls, LoadText(IDS_RETRY_HEADING)));
}

TEST_F(ResubmitJob, AGarbledCompletionTitleStillCountsWithItsNotice)
{
    MakeJob("closed-nowinner", 1);
    ASSERT_TRUE(StandIn::SetState("{\"relist_submit\": \"garbled\"}"));
    EXPECT_TRUE(job->Run());
    EXPECT_EQ(1, Relisted(served[0].id).count);
    ASSERT_EQ(1u, sink.messages.size());
    EXPECT_EQ(0u, sink.messages[0].find("文字化けした可能性があります。")) << sink.messages[0];
    EXPECT_NE(std::string::npos, sink.messages[0].find("出品：完了"));
}

TEST_F(ResubmitJob, EditModesReadTheFormAndPostNothing)
{
    const struct
    {
        DWORD mode;
        const char* style; // of the form served, or null for the item's own
    } cases[] = {{CResubmitOperation::EditFetchDescription, nullptr},
                 {CResubmitOperation::EditFetchShipMethods, "old"},
                 {CResubmitOperation::EditFetchShipMethods, "new"},
                 {CResubmitOperation::EditFetchTitle, nullptr}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.mode << " " << (c.style != nullptr ? c.style : ""));
        ASSERT_TRUE(StandIn::Reset());
        if (c.style != nullptr)
        {
            ASSERT_TRUE(StandIn::SetState(std::string("{\"item_style\": \"") + c.style + "\"}"));
        }
        MakeJob("closed-winner", 1);
        job->SetEditMode(c.mode);
        ASSERT_TRUE(job->Run());
        CString text;
        CAuctionShipMethods methods;
        switch (c.mode)
        {
        case CResubmitOperation::EditFetchDescription:
            ASSERT_TRUE(job->GetFetchedDescription(text));
            EXPECT_EQ(served[0].description, (LPCTSTR)text);
            break;
        case CResubmitOperation::EditFetchShipMethods:
            ASSERT_TRUE(job->GetFetchedShipMethods(methods));
            EXPECT_EQ(served[0].methodCount, methods.GetShipMethodCount());
            // The shipping dialog takes the listing kind from the form.
            EXPECT_EQ(std::string(c.style) == "new", job->IsNewStyleForm() != FALSE);
            break;
        default:
            ASSERT_TRUE(job->GetFetchedTitle(text));
            EXPECT_EQ(served[0].title, (LPCTSTR)text);
            break;
        }
        for (const std::string& request : Requests())
            EXPECT_EQ(std::string::npos, request.find(" POST /jp/")) << request;
        EXPECT_EQ(0, Relisted(served[0].id).attempts);
    }
}

TEST_F(ResubmitJob, TheSwitchAsksOnceForTheFollowingItems)
{
    MakeJob("closed-nowinner", 3);
    // Forms without a shipping method: the easy-transaction listing needs one.
    ASSERT_TRUE(StandIn::SetState("{\"relist_dialog\": \"old_method\", \"item_hacoboon\": true}"));
    prompt.bShipOk = TRUE;
    prompt.bShipForFollowing = TRUE;
    CShipMethod method;
    method.SetName("ゆうパケット");
    method.SetFee(250);
    prompt.shipMethods.AppendShipMethod(method);

    ASSERT_TRUE(job->Run()) << (sink.messages.empty() ? "" : sink.messages.back());
    std::string calls;
    for (const std::string& call : prompt.calls)
        calls += call + "\n";
    const auto asked = std::count_if(prompt.calls.begin(), prompt.calls.end(),
                                     [](const std::string& call) { return call.rfind("ship ", 0) == 0; });
    const auto notices = std::count_if(prompt.calls.begin(), prompt.calls.end(),
                                       [](const std::string& call) { return call.rfind("notice ", 0) == 0; });
    EXPECT_EQ(1, asked) << calls;
    EXPECT_TRUE(Contains(prompt.calls, "ship offer=1"));
    EXPECT_EQ(2, notices) << calls;
    for (const ServedItem& s : served)
    {
        Relistings made = Relisted(s.id);
        ASSERT_EQ(1, made.count) << s.id;
        EXPECT_EQ("1", made.listings[0].fields["fnavi"]) << s.id;
        EXPECT_EQ("ゆうパケット", made.listings[0].fields["shipname1"]) << s.id;
    }
}

TEST_F(ResubmitJob, ALapsedLogInIsRenewedAndTheRunGoesOn)
{
    MakeJob("closed-winner", 3);
    ASSERT_TRUE(StandIn::SetState("{\"lapse_after\": 6}"));
    ASSERT_TRUE(job->Run()) << (sink.messages.empty() ? "" : sink.messages.back());
    for (const ServedItem& s : served)
        EXPECT_EQ(1, Relisted(s.id).count) << s.id;
    EXPECT_LE(2, CountRequests("login", "POST", "/config/login"));
}

TEST_F(ResubmitJob, StopWhileTheServiceHoldsEachRequestOfARun)
{
    // The requests of a two-item run, counted once.
    MakeJob("closed-nowinner", 2);
    {
        CPrepareProgressDialog dialog(IDD_PREPARE_PROGRESS, job.get());
        ASSERT_EQ(IDOK, dialog.DoModal());
    }
    const size_t nRequests = Requests().size();
    ASSERT_LE(8u, nRequests);

    for (size_t k = 1; k <= nRequests; ++k)
    {
        SCOPED_TRACE(k);
        ASSERT_TRUE(StandIn::Reset());
        sink = CJobRecordingSink();
        MakeJob("closed-nowinner", 2);
        char fault[64];
        sprintf(fault, "{\"action\": \"hold\", \"nth\": %d}", (int)k);
        ASSERT_TRUE(StandIn::AddFault(fault));
        CMessageBoxRecorder boxes;
        CPrepareProgressDialog dialog(IDD_PREPARE_PROGRESS, job.get());
        CStopWhenHeld stopper(dialog);
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_TRUE(stopper.Join());
        // The stop came before the answer to the request held: nothing
        // followed it. Only a final post on its way is told of.
        EXPECT_TRUE(Held().empty());
        const std::vector<std::string> requests = Requests();
        EXPECT_EQ(k, requests.size());
        const bool bFinal =
            k <= requests.size() && requests[k - 1].find(" POST /jp/config/submit") != std::string::npos;
        EXPECT_EQ(bFinal ? 1u : 0u, boxes.texts.size());
        for (const std::string& text : boxes.texts)
            EXPECT_EQ(0u, text.find(LoadText(IDS_MAYBE_FAILED))) << text;
        for (const ServedItem& s : served)
            EXPECT_LE(Relisted(s.id).attempts, 1) << s.id;
    }
}
