// Re-listing from the main window's closed list with the items edited in
// the edit hub first, against the stand-in: what the service gets for each
// item, the second item's edits refused by each of the listing checks,
// and the job's questions answered in the shipping and condition dialogs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ResubmitStandIn.h"
#include "actions/shared/win32/ListJobFixture.h"
#include "afx/TestText.h"
#include "app/ChoiceMessageDialog.h"
#include "app/DialogResourceIds.h"
#include "app/MessageBoxDialog.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "auction/shipping/ShipMethod.h"
#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/relist/ResubmitConfirmDialog.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitOperation.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"
#include "client/actions/relist/ResubmitWindowPrompt.h"
#include "net/HttpComm.h"
#include "text/NumberText.h"

#include <commctrl.h>

using namespace ResubmitStandIn;

namespace
{
void SelectCombo(HWND hWnd, int nID, int nIndex)
{
    HWND hCombo = FindControl(hWnd, nID);
    ::SendMessageA(hCombo, CB_SETCURSEL, nIndex, 0);
    ::SendMessageA(::GetParent(hCombo), WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), (LPARAM)hCombo);
}

std::string ComboText(HWND hWnd, int nID)
{
    HWND hCombo = FindControl(hWnd, nID);
    char szText[256] = {};
    ::SendMessageA(hCombo, CB_GETLBTEXT, ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0), (LPARAM)szText);
    return szText;
}

// A click on a button of hOwner that opens a dialog, which steps answer.
void ClickAnswered(HWND hOwner, int nID, std::function<void(HWND)> steps)
{
    CallWhen([hOwner] { return FindOwnedWindow(hOwner) != nullptr; },
             [hOwner, steps] { steps(FindOwnedWindow(hOwner)); });
    ClickControl(hOwner, nID);
}

// A method of the general list through its entry dialog: a fee of one
// amount, or of the fee type given (without an amount).
void AddMethod(HWND hShip, const char* name, const char* fee, int nFeeType = CShipMethod::FeeOne)
{
    ClickAnswered(hShip, IDC_SHIP_ADD,
                  [=](HWND hEntry)
                  {
                      SetControlText(hEntry, IDC_ENTRY_NAME, name);
                      SelectCombo(hEntry, IDC_ENTRY_FEE_TYPE, nFeeType);
                      if (fee != nullptr)
                          SetControlText(hEntry, IDC_ENTRY_FEE, fee);
                      ClickControl(hEntry, IDOK);
                  });
}

// The boxes the run shows, as they show: the texts of the notices that
// close by themselves, and the number of the other boxes, each answered OK.
class CBoxWatch
{
public:
    CBoxWatch() { Poll(); }
    ~CBoxWatch() { *m_pStopped = true; }

    std::vector<std::string> notices;
    int nAnswered = 0;

private:
    void Poll()
    {
        std::shared_ptr<bool> stopped = m_pStopped;
        CallSoon(
            [this, stopped]
            {
                if (*stopped)
                    return;
                ::EnumThreadWindows(::GetCurrentThreadId(), Check, (LPARAM)this);
                Poll();
            },
            20);
    }
    static BOOL CALLBACK Check(HWND hWnd, LPARAM lParam)
    {
        auto* self = (CBoxWatch*)lParam;
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (!::IsWindowVisible(hWnd) || pWnd == nullptr)
            return TRUE;
        if (dynamic_cast<CSimpleMessageDialog*>(pWnd) != nullptr && hWnd != self->m_hLastNotice)
        {
            self->m_hLastNotice = hWnd;
            char szText[1024] = {};
            ::GetDlgItemTextA(hWnd, IDC_SIMPLE_TEXT, szText, sizeof(szText));
            self->notices.push_back(szText);
        }
        else if (dynamic_cast<CChoiceMessageDialog*>(pWnd) != nullptr)
        {
            ++self->nAnswered;
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
            return FALSE;
        }
        return TRUE;
    }

    std::shared_ptr<bool> m_pStopped = std::make_shared<bool>(false);
    HWND m_hLastNotice = nullptr;
};

class ResubmitEditedFromList : public ListJobTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(Start());
    }

    // The first count rows of the closed list with winners, re-listed:
    // confirmSteps run in the confirmation before its OK, the common
    // settings are taken as they stand. The rows' IDs.
    std::vector<std::string> Relist(int count, std::function<void(HWND)> confirmSteps)
    {
        CTanzoListCtrl* pList = ShowTab(1, count);
        if (pList == nullptr)
            return {};
        std::vector<std::string> ids = RowIds(*pList);
        ids.resize(count);
        m_boxes.nAnswer = IDYES;
        WhenDialogShows(IDC_CONFIRM_LIST,
                        [=](HWND hConfirm)
                        {
                            confirmSteps(hConfirm);
                            WhenDialogShows(IDC_RESUBMIT_TYPE_KEEP,
                                            [](HWND hSettings) { Click(hSettings, IDOK); });
                            Click(hConfirm, IDOK);
                        });
        Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);
        return ids;
    }

    // The hub over the confirmation's selected rows; hubSteps before its OK.
    static void EditSelected(HWND hConfirm, std::function<void(HWND)> hubSteps)
    {
        WhenDialogShows(IDC_EDIT_TITLE_CHANGE,
                        [=](HWND hHub)
                        {
                            hubSteps(hHub);
                            Click(hHub, IDOK);
                        });
        Click(hConfirm, IDC_CONFIRM_EDIT);
    }

    // The run of the job itself over items the service holds (as a list
    // page hands them over), with the program's own windows for its
    // questions; whether it went through.
    bool RunJob(const std::vector<std::string>& ids)
    {
        CHttpComm http;
        http.Add(CHttpComm::flagQuiet);
        CJobRecordingSink sink;
        CUserAccountList accounts;
        CUserAccount account;
        account.SetID("demo_seller1");
        account.SetPassword("pass-seller1");
        accounts.Add(account);
        std::vector<std::unique_ptr<TanzoAuctionItem>> items;
        CResubmitWindowPrompt prompt;
        CResubmitOperation job(nullptr, &http, &sink);
        job.SetOwner(&accounts);
        job.SetPrompt(&prompt);
        for (const std::string& id : ids)
        {
            ServedItem served = ReadServedItem(id);
            served.listTitle = served.title;
            items.push_back(MakeItem(served));
            job.AddTarget(items.back().get());
        }
        const bool bDone = job.Run() != FALSE;
        m_jobMessages = sink.messages;
        return bDone;
    }

    std::vector<std::string> m_jobMessages;
};
} // namespace

TEST_F(ResubmitEditedFromList, ThreeRowsEditedTogetherGoUpWithTheirEditsAsTyped)
{
    const char kDescription[] = "A&B &nbsp;<b>説明</b> \"引用\" ｶﾀｶﾅ";
    const std::vector<std::string> ids =
        Relist(3,
               [&](HWND hConfirm)
               {
                   ::SendMessageA(hConfirm, WM_COMMAND, ID_CONFIRM_SELECT_ALL, 0);
                   EditSelected(hConfirm,
                                [&](HWND hHub)
                                {
                                    SetControlText(hHub, IDC_EDIT_START_PRICE, "5000");
                                    ClickAnswered(hHub, IDC_EDIT_SALES_MODE_CHANGE,
                                                  [](HWND h)
                                                  {
                                                      SelectCombo(h, IDC_SALES_MODE_LIST, 1); // 定額
                                                      ClickControl(h, IDOK);
                                                  });
                                    ClickAnswered(hHub, IDC_EDIT_DESCRIPTION_CHANGE,
                                                  [&](HWND h)
                                                  {
                                                      SetControlText(h, IDC_DESCRIPTION_TEXT, kDescription);
                                                      ClickControl(h, IDOK);
                                                  });
                                    ClickAnswered(hHub, IDC_EDIT_CONDITION_CHANGE,
                                                  [&](HWND h)
                                                  {
                                                      SelectCombo(h, 1815, 1);
                                                      ClickControl(h, IDOK);
                                                  });
                                    ClickAnswered(hHub, IDC_EDIT_QUANTITY_CHANGE,
                                                  [](HWND h)
                                                  {
                                                      SetControlText(h, IDC_QUANTITY_EDIT, "3");
                                                      ClickControl(h, IDOK);
                                                  });
                                    ClickAnswered(hHub, IDC_EDIT_SIZE_WEIGHT_CHANGE,
                                                  [](HWND h)
                                                  {
                                                      SelectCombo(h, IDC_SIZE_COMBO, 2);   // up to 80 cm
                                                      SelectCombo(h, IDC_WEIGHT_COMBO, 3); // up to 6 kg
                                                      ClickControl(h, IDOK);
                                                  });
                                    ClickAnswered(hHub, IDC_EDIT_SHIPPING_CHANGE,
                                                  [](HWND h)
                                                  {
                                                      AddMethod(h, "ゆうパケット", "250");
                                                      ClickControl(h, IDOK);
                                                  });
                                });
               });
    ASSERT_EQ(3u, ids.size());
    ASSERT_FALSE(m_boxes.texts.empty());
    EXPECT_EQ(LoadText(1075), m_boxes.texts.back());

    std::vector<std::string> newIds;
    const char* formHeld[][2] = {{"Title", "title"},   {"category", "category"}, {"shipping", "shipping"},
                                 {"loc_cd", "loc_cd"}, {"city", "city"},         {"retpolicy", "retpolicy"}};
    for (const std::string& id : ids)
    {
        SCOPED_TRACE(id);
        const Relistings made = Relisted(id);
        ASSERT_EQ(1, made.count);
        std::map<std::string, std::string> fields = made.listings[0].fields;
        newIds.push_back(made.listings[0].newId);
        EXPECT_EQ("5000", fields["StartPrice"]);
        EXPECT_EQ("5000", fields["BidOrBuyPrice"]);
        EXPECT_EQ("buynow", fields["salesmode"]);
        EXPECT_EQ(kDescription, fields["Description"]);
        EXPECT_EQ("used10", fields["istatus"]);
        EXPECT_EQ("3", fields["Quantity"]);
        EXPECT_EQ("3", fields["itemsize"]);
        EXPECT_EQ("10", fields["itemweight"]);
        EXPECT_EQ("ゆうパケット", fields["shipname1"]);
        EXPECT_EQ("250", fields["shipfee1"]);
        EXPECT_EQ("", fields["shipname2"]);
        const ServedItem served = ReadServedItem(id);
        for (const auto& f : formHeld)
            EXPECT_EQ(served.record.at(f[1]), fields[f[0]]) << f[0];
    }

    // The new listings, ended, re-listed once more without edits: the
    // service's form shows the text escaped once, the post gives it back.
    ASSERT_TRUE(StandIn::SetState("{\"relisted_ended\": true}"));
    ASSERT_TRUE(RunJob(newIds)) << (m_jobMessages.empty() ? "" : m_jobMessages.back());
    for (const std::string& id : newIds)
    {
        Relistings made = Relisted(id);
        ASSERT_EQ(1, made.count) << id;
        EXPECT_EQ(kDescription, made.listings[0].fields["Description"]) << id;
    }
}

namespace
{
// The warning of a seller who pays shipping sent cash on delivery on, the
// questions about paid options and price cuts off.
class ResubmitRefusedEditsFromList : public ResubmitEditedFromList
{
protected:
    ResubmitRefusedEditsFromList() { SetSetting("OptionValue", COptionSettings::OptionWarnCashOnDelivery); }
};

LONGLONG RecordPrice(const ServedItem& served, const char* key)
{
    return _atoi64(served.record.at(key).c_str());
}

void TypeStartPrice(HWND hHub, LONGLONG price)
{
    SetControlText(hHub, IDC_EDIT_START_PRICE, std::to_string(price).c_str());
}

std::string PriceMessage(UINT nID, LONGLONG start, LONGLONG buyNow)
{
    CString format, startText, buyNowText, message;
    format.LoadString(nID);
    FormatAmountWithUnit(start, startText);
    FormatAmountWithUnit(buyNow, buyNowText);
    message.Format(format, (LPCTSTR)startText, (LPCTSTR)buyNowText);
    return (LPCTSTR)message;
}

// What makes the listing checks refuse the edits of the second of three items.
struct RefusalCase
{
    const char* name;
    bool (*fits)(const ServedItem& second);
    // The service's form of the second item by a scenario ("%s" its ID), or none.
    const char* formState;
    // The user's steps in the hub over the second row alone.
    void (*edit)(HWND hHub, const ServedItem& second);
    std::string (*message)(const ServedItem& second);
    // How the run's questions are answered.
    int nAnswer;
};

const RefusalCase kRefusals[] = {
    {"904: a start price above the form's buy-now price",
     [](const ServedItem& s)
     { return s.record.at("sales_mode") == "auction" && RecordPrice(s, "buynow_price") > 0; },
     nullptr,
     [](HWND hHub, const ServedItem& s) { TypeStartPrice(hHub, RecordPrice(s, "buynow_price") + 1000); },
     [](const ServedItem& s)
     { return PriceMessage(904, RecordPrice(s, "buynow_price") + 1000, RecordPrice(s, "buynow_price")); },
     IDYES},
    // An offer sells at one price: the form keeps it as the buy-now price.
    {"1060: a lower start price for an offer",
     [](const ServedItem& s) { return s.record.at("sales_mode") == "offer"; }, nullptr,
     [](HWND hHub, const ServedItem& s) { TypeStartPrice(hHub, RecordPrice(s, "start_price") / 2); },
     [](const ServedItem& s)
     { return PriceMessage(1060, RecordPrice(s, "start_price") / 2, RecordPrice(s, "buynow_price")); },
     IDYES},
    {"1059: an offer whose form has no buy-now price",
     [](const ServedItem& s) { return s.record.at("sales_mode") == "offer"; },
     "{\"relist_fixed_price\": {\"%s\": \"start\"}}",
     [](HWND hHub, const ServedItem& s) { TypeStartPrice(hHub, RecordPrice(s, "start_price") / 2); },
     [](const ServedItem&) { return LoadText(1059); }, IDYES},
    // An easy-transaction listing whose seller pays shipping, sent cash on
    // delivery only: the question answered No.
    {"1321: cash on delivery where the seller pays shipping",
     [](const ServedItem& s)
     { return s.style == "new" && s.record.at("shipping") == "seller" && s.serviceCount == 0; },
     nullptr,
     [](HWND hHub, const ServedItem&)
     {
         ClickAnswered(hHub, IDC_EDIT_SHIPPING_CHANGE,
                       [](HWND hShip)
                       {
                           // The service's methods read first, then replaced.
                           CallWhen([hShip] { return WindowText(hShip) != LoadText(1216); },
                                    [hShip]
                                    {
                                        HWND hList = FindControl(hShip, IDC_SHIP_LIST);
                                        for (int n = ListView_GetItemCount(hList); n > 0; --n)
                                        {
                                            ListView_SetItemState(hList, 0, LVIS_SELECTED | LVIS_FOCUSED,
                                                                  LVIS_SELECTED | LVIS_FOCUSED);
                                            ClickControl(hShip, IDC_SHIP_DELETE);
                                        }
                                        AddMethod(hShip, "佐川急便", nullptr, CShipMethod::FeeClient);
                                        ClickControl(hShip, IDOK);
                                    });
                       });
     },
     [](const ServedItem&) { return LoadText(1321); }, IDNO},
};
} // namespace

TEST_F(ResubmitRefusedEditsFromList, TheSecondItemsRefusedEditsStopTheRunBeforeItsPost)
{
    std::set<std::string> used;
    for (const RefusalCase& c : kRefusals)
    {
        SCOPED_TRACE(c.name);
        CTanzoListCtrl* pList = ShowTab(1, 3);
        ASSERT_NE(nullptr, pList);
        // Three rows in the list's order, none of an earlier case's.
        const std::vector<std::string> rows = RowIds(*pList);
        ServedItem second;
        int nSecond = -1;
        for (int nRow = 1; nRow + 1 < (int)rows.size() && nSecond < 0; ++nRow)
        {
            if (used.count(rows[nRow - 1]) + used.count(rows[nRow]) + used.count(rows[nRow + 1]) != 0)
                continue;
            second = ReadServedItem(rows[nRow]);
            if (c.fits(second))
                nSecond = nRow;
        }
        ASSERT_GT(nSecond, 0);
        const std::vector<std::string> ids(rows.begin() + nSecond - 1, rows.begin() + nSecond + 2);
        used.insert(ids.begin(), ids.end());
        Select(*pList, {nSecond - 1, nSecond, nSecond + 1});
        if (c.formState != nullptr)
        {
            char state[256];
            sprintf(state, c.formState, second.id.c_str());
            ASSERT_TRUE(StandIn::SetState(state));
        }

        m_boxes.texts.clear();
        m_boxes.nAnswer = IDYES;
        const size_t nLogged = StandIn::Log().size();
        WhenDialogShows(IDC_CONFIRM_LIST,
                        [&](HWND hConfirm)
                        {
                            CResubmitConfirmDialog* pConfirm =
                                dynamic_cast<CResubmitConfirmDialog*>(CWnd::FromHandlePermanent(hConfirm));
                            Select(pConfirm->GetList(), {1});
                            EditSelected(hConfirm, [&](HWND hHub) { c.edit(hHub, second); });
                            WhenDialogShows(IDC_RESUBMIT_TYPE_KEEP,
                                            [&](HWND hSettings)
                                            {
                                                m_boxes.nAnswer = c.nAnswer;
                                                Click(hSettings, IDOK);
                                            });
                            Click(hConfirm, IDOK);
                        });
        Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);

        std::string boxes;
        for (const std::string& text : m_boxes.texts)
            boxes += text + "\n";
        EXPECT_EQ(1, std::count(m_boxes.texts.begin(), m_boxes.texts.end(), c.message(second))) << boxes;
        EXPECT_EQ(1, Relisted(ids[0]).count);
        EXPECT_EQ(0, Relisted(ids[1]).attempts);
        EXPECT_EQ(0, Relisted(ids[2]).attempts);
        // The first item's confirmation and final post only; nothing asked of the third.
        int nPreviews = 0, nSubmits = 0;
        const std::vector<LoggedRequest> log = StandIn::Log();
        for (size_t i = nLogged; i < log.size(); ++i)
        {
            nPreviews += log[i].method == "POST" && log[i].path == "/jp/show/preview";
            nSubmits += log[i].method == "POST" && log[i].path == "/jp/config/submit";
            EXPECT_EQ(std::string::npos, log[i].target.find(ids[2])) << log[i].target;
        }
        EXPECT_EQ(1, nPreviews);
        EXPECT_EQ(1, nSubmits);
    }
}

TEST_F(ResubmitEditedFromList, RefusedNormalListingAsksTheMethodsOnceForAll)
{
    // Forms without a method, whose normal listing the service refuses.
    ASSERT_TRUE(StandIn::SetState("{\"relist_dialog\": \"old_method\", \"item_hacoboon\": true}"));
    int nAsked = 0;
    bool bFollowingOffered = false, bRowPointed = false;
    std::string refusal;
    std::function<void()> answer = [&]
    {
        WhenDialogShows(IDC_SHIP_TABS,
                        [&](HWND hShip)
                        {
                            ++nAsked;
                            bFollowingOffered = FindControl(hShip, IDC_SHIP_FOLLOWING) != nullptr;
                            // A method without a fee among those with one: refused
                            // for this listing, its row in front.
                            AddMethod(hShip, "ゆうパケット", "250");
                            AddMethod(hShip, "宅配便", nullptr, CShipMethod::FeeNone);
                            const size_t nBoxes = m_boxes.texts.size();
                            ClickControl(hShip, IDOK);
                            HWND hList = FindControl(hShip, IDC_SHIP_LIST);
                            bRowPointed = ::IsWindowVisible(hShip) && m_boxes.texts.size() == nBoxes + 1 &&
                                          ::GetFocus() == hList &&
                                          ListView_GetNextItem(hList, -1, LVNI_SELECTED) == 1;
                            if (m_boxes.texts.size() > nBoxes)
                                refusal = m_boxes.texts.back();
                            ClickControl(hShip, IDC_SHIP_DELETE);
                            ClickControl(hShip, IDC_SHIP_FOLLOWING);
                            Click(hShip, IDOK);
                        });
    };
    CBoxWatch boxes;
    answer();
    const std::vector<std::string> ids = Relist(3, [](HWND) {});
    ASSERT_EQ(3u, ids.size());

    EXPECT_EQ(1, nAsked);
    EXPECT_TRUE(bFollowingOffered);
    EXPECT_TRUE(bRowPointed) << refusal;
    // Each item told of the switch; the two after the first of the methods kept.
    EXPECT_EQ(3, boxes.nAnswered);
    ASSERT_EQ(2u, boxes.notices.size());
    for (const std::string& notice : boxes.notices)
        EXPECT_NE(std::string::npos, notice.find("ゆうパケット")) << notice;
    for (const std::string& id : ids)
    {
        SCOPED_TRACE(id);
        Relistings made = Relisted(id);
        ASSERT_EQ(1, made.count);
        EXPECT_EQ("1", made.listings[0].fields["fnavi"]);
        EXPECT_EQ("ゆうパケット", made.listings[0].fields["shipname1"]);
        EXPECT_EQ("250", made.listings[0].fields["shipfee1"]);
        EXPECT_EQ("", made.listings[0].fields["shipname2"]);
    }
}

TEST_F(ResubmitEditedFromList, AnEmptyConditionIsAskedOnceForAll)
{
    ASSERT_TRUE(StandIn::SetState("{\"item_condition_empty\": true}"));
    int nAsked = 0;
    std::string conditionName;
    WhenDialogShows(IDC_CONDITION_FOLLOWING,
                    [&](HWND hCondition)
                    {
                        ++nAsked;
                        SelectCombo(hCondition, 1815, 1);
                        conditionName = ComboText(hCondition, 1815);
                        ClickControl(hCondition, IDC_CONDITION_FOLLOWING);
                        Click(hCondition, IDOK);
                    });
    CBoxWatch boxes;
    const std::vector<std::string> ids = Relist(3, [](HWND) {});
    ASSERT_EQ(3u, ids.size());

    EXPECT_EQ(1, nAsked);
    CString again;
    again.FormatMessage(1322, conditionName.c_str());
    EXPECT_EQ((std::vector<std::string>{(LPCTSTR)again, (LPCTSTR)again}), boxes.notices);
    for (const std::string& id : ids)
    {
        Relistings made = Relisted(id);
        ASSERT_EQ(1, made.count) << id;
        EXPECT_EQ("used10", made.listings[0].fields["istatus"]) << id;
    }
}
