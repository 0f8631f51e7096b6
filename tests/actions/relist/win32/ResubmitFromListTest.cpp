// Re-listing from the main window's closed lists against the stand-in, as
// a user does it: the rows selected, the question, the confirmation (a row
// moved, paid options on three), the common settings changed for this run
// only, the run behind its progress dialog; then what the service holds and
// what the list shows. Cancel on either dialog sends nothing. One row's
// field dialogs read the service's values, and 中止 while one reads leaves
// it as it was given; the shipping and size dialogs carry their icons.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ResubmitStandIn.h"
#include "actions/shared/win32/ListJobFixture.h"
#include "afx/TestText.h"
#include "app/DialogProfile.h"
#include "app/ProfileTestUtil.h"
#include "auction/operations/OperationResourceIds.h"
#include "client/TanzoResourceIds.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/relist/ResubmitChargeOptionDialog.h"
#include "client/actions/relist/ResubmitConfirmDialog.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"

using namespace ResubmitStandIn;

namespace
{
// The settings that the common settings keep in the profile.
std::map<std::string, std::string> StoredSettings()
{
    std::map<std::string, std::string> values;
    const struct
    {
        UINT section;
        const char* key;
    } keys[] = {{IDD_RESUBMIT_COMMON_BASIC, "Duration"},
                {IDD_RESUBMIT_COMMON_BASIC, "ClosingTime"},
                {IDD_RESUBMIT_COMMON_BASIC, "NumResubmit"},
                {IDD_RESUBMIT_COMMON_BASIC, "ToggleVal"},
                {IDD_RESUBMIT_SETTING, "ResubmitType"}};
    for (const auto& k : keys)
        values[std::to_string(k.section) + " " + k.key] =
            StoredProfileValue(*AfxGetApp(), GetDialogProfileSection(k.section), k.key);
    return values;
}

class ResubmitFromList : public ListJobTest
{
protected:
    static CResubmitConfirmDialog* ConfirmOf(HWND hWnd)
    {
        return dynamic_cast<CResubmitConfirmDialog*>(CWnd::FromHandlePermanent(hWnd));
    }
    // The settings kept from an earlier use of the settings command.
    void StoreSettingsOnce()
    {
        CResubmitSettingDialog stored(CResubmitSettingDialog::ModeSettings, Frame());
        ASSERT_TRUE(stored.CreateModeless(Frame()));
        stored.SendMessage(WM_COMMAND, IDOK, 0);
        stored.DestroyWindow();
    }
    // The user's steps in the common settings: this run's values, kept
    // out of the profile.
    static void ChangeSettingsForThisRun(HWND hSettings)
    {
        SetControlText(hSettings, IDC_RESUBMIT_DURATION, "3");
        SetControlText(hSettings, IDC_RESUBMIT_CLOSING_TIME, "10");
        SetControlText(hSettings, IDC_RESUBMIT_NUM_RESUBMIT, "0");
        ClickControl(hSettings, IDC_RESUBMIT_CLOSE_EARLY);
        ClickControl(hSettings, IDC_RESUBMIT_DONT_SAVE);
        ::SetFocus(FindControl(hSettings, IDOK));
        Click(hSettings, IDOK);
    }
};
} // namespace

TEST_F(ResubmitFromList, TwelveRowsOfTheClosedListGoUpAgainInTheConfirmedOrder)
{
    ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
    ASSERT_TRUE(Start());
    StoreSettingsOnce();
    const std::map<std::string, std::string> storedBefore = StoredSettings();
    CTanzoListCtrl* pList = ShowTab(1, 12);
    ASSERT_NE(nullptr, pList);
    std::vector<std::string> pageIds = RowIds(*pList);
    pageIds.resize(12);
    std::map<std::string, LONGLONG> startPrices;
    for (int nRow = 0; nRow < 12; ++nRow)
    {
        const TanzoAuctionItem* pItem = pList->GetRowRecord(nRow);
        startPrices[(LPCTSTR)pItem->GetAuctionID()] =
            pItem->GetStartPrice() == 0 ? pItem->GetCurrentPrice() : -1;
    }

    m_boxes.nAnswer = IDYES;
    std::vector<std::string> confirmed;
    std::string paidCaption;
    bool bSettingsShown = false;
    WhenDialogShows(IDC_CONFIRM_LIST,
                    [&](HWND hConfirm)
                    {
                        CResubmitConfirmDialog* pConfirm = ConfirmOf(hConfirm);
                        CTanzoResubmitConfirmListCtrl& list = pConfirm->GetList();
                        // The fifth row one up.
                        Select(list, {4});
                        Click(hConfirm, IDC_CONFIRM_UP);
                        // Paid options on three rows.
                        Select(list, {1, 6, 10});
                        CallWhen([hConfirm] { return FindOwnedWindow(hConfirm) != nullptr; },
                                 [&, hConfirm]
                                 {
                                     HWND hOptions = FindOwnedWindow(hConfirm);
                                     paidCaption = WindowText(hOptions);
                                     ClickControl(hOptions, IDC_CHARGE_FEATURED_CHECK);
                                     SetControlText(hOptions, IDC_CHARGE_FEATURED_EDIT, "50");
                                     ClickControl(hOptions, IDC_CHARGE_BOLD);
                                     ::SetFocus(FindControl(hOptions, IDOK));
                                     Click(hOptions, IDOK);
                                 });
                        Click(hConfirm, IDC_CONFIRM_CHARGE);
                        confirmed = RowIds(list);
                        // Then the common settings, and the run.
                        WhenDialogShows(IDC_RESUBMIT_TYPE_KEEP,
                                        [&](HWND hSettings)
                                        {
                                            bSettingsShown = true;
                                            ChangeSettingsForThisRun(hSettings);
                                        });
                        Click(hConfirm, IDOK);
                    });
    CRunCaptions run;
    ASSERT_TRUE(run.IsHooked());
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);

    ASSERT_TRUE(bSettingsShown);
    EXPECT_EQ(LoadText(IDS_CHARGE_CAPTION_SEVERAL), paidCaption);
    // The questions before and the closing message.
    CString question;
    question.FormatMessage(838, 12);
    ASSERT_EQ(3u, m_boxes.texts.size());
    EXPECT_EQ((LPCTSTR)question, m_boxes.texts[0]);
    EXPECT_EQ(LoadText(IDS_ASK_PAID_OPTIONS), m_boxes.texts[1]);
    EXPECT_EQ(LoadText(1075), m_boxes.texts[2]);

    std::vector<std::string> expectedOrder = pageIds;
    std::swap(expectedOrder[3], expectedOrder[4]);
    ASSERT_EQ(expectedOrder, confirmed);
    std::vector<std::string> expectedCaptions;
    for (int i = 1; i <= 12; ++i)
        expectedCaptions.push_back("再出品中...(" + std::to_string(i) + "/12)");
    EXPECT_EQ(expectedCaptions, run.captions);

    // One re-listing per item, in the order confirmed.
    std::string lastNewId;
    const char* formHeld[][2] = {{"category", "category"}, {"Quantity", "quantity"},
                                 {"shipping", "shipping"}, {"loc_cd", "loc_cd"},
                                 {"city", "city"},         {"salesmode", "sales_mode"}};
    for (size_t i = 0; i < confirmed.size(); ++i)
    {
        SCOPED_TRACE(confirmed[i]);
        const Relistings made = Relisted(confirmed[i]);
        ASSERT_EQ(1, made.count);
        ASSERT_EQ(1u, made.listings.size());
        EXPECT_LT(lastNewId, made.listings[0].newId);
        lastNewId = made.listings[0].newId;
        std::map<std::string, std::string> fields = made.listings[0].fields;
        EXPECT_EQ("3", fields["Duration"]);
        EXPECT_EQ("10", fields["ClosingTime"]);
        EXPECT_EQ("0", fields["numResubmit"]);
        EXPECT_EQ(0u, fields.count("CloseEarly"));
        EXPECT_EQ("yes", fields["AutoExtension"]);
        const bool bPaid = i == 1 || i == 6 || i == 10;
        EXPECT_EQ(bPaid ? "50" : "", fields["featuredAmount"]);
        EXPECT_EQ(bPaid ? "yes" : "", fields["boldSelected"]);
        const ServedItem served = ReadServedItem(confirmed[i]);
        EXPECT_EQ(served.title, fields["Title"]);
        EXPECT_EQ(served.description, fields["Description"]);
        for (const auto& f : formHeld)
            EXPECT_EQ(served.record.at(f[1]), fields[f[0]]) << f[0];
        const LONGLONG fromCurrent = startPrices[confirmed[i]];
        EXPECT_EQ(fromCurrent >= 0 ? std::to_string(fromCurrent) : served.record.at("start_price"),
                  fields["StartPrice"]);
    }
    EXPECT_EQ(storedBefore, StoredSettings());
}

TEST_F(ResubmitFromList, TheLastTenOfTheListWithoutWinnerLeaveItUntilTheNextReading)
{
    ASSERT_TRUE(Start());
    CTanzoListCtrl* pList = ShowTab(2, 12);
    ASSERT_NE(nullptr, pList);
    const int nRowsBefore = pList->GetItemCount();
    std::vector<std::string> ids = RowIds(*pList);
    ids.resize(12);

    m_boxes.nAnswer = IDYES;
    WhenDialogShows(IDC_CONFIRM_LIST,
                    [&](HWND hConfirm)
                    {
                        WhenDialogShows(IDC_RESUBMIT_TYPE_KEEP,
                                        [](HWND hSettings) { Click(hSettings, IDOK); });
                        Click(hConfirm, IDOK);
                    });
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);
    for (const std::string& id : ids)
        EXPECT_EQ(1, Relisted(id).count) << id;

    // The page was read again: the last ten re-listed are left out.
    std::vector<std::string> shown = RowIds(Page(2)->GetList());
    EXPECT_EQ(nRowsBefore - 10, (int)shown.size());
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(i < 2, std::find(shown.begin(), shown.end(), ids[i]) != shown.end()) << ids[i];
    // A mark of this run only: the next reading shows them all.
    Frame()->SendMessage(WM_COMMAND, ID_LIST_REFRESH, 0);
    EXPECT_EQ(nRowsBefore, Page(2)->GetList().GetItemCount());
}

TEST_F(ResubmitFromList, CancelOnEitherDialogSendsNothing)
{
    ASSERT_TRUE(Start());
    const struct
    {
        const char* name;
        bool atSettings;
    } cases[] = {{"confirmation", false}, {"settings", true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_NE(nullptr, ShowTab(1, 2));
        m_boxes.texts.clear();
        m_boxes.nAnswer = IDYES;
        const size_t nLogged = StandIn::Log().size();
        bool bAskedAboutPaid = false;
        bool bStayedOpen = false;
        WhenDialogShows(IDC_CONFIRM_LIST,
                        [&](HWND hConfirm)
                        {
                            if (!c.atSettings)
                            {
                                // Paid options set, the question answered No: it stays.
                                Select(ConfirmOf(hConfirm)->GetList(), {0});
                                CallWhen([hConfirm] { return FindOwnedWindow(hConfirm) != nullptr; },
                                         [hConfirm]
                                         {
                                             HWND hOptions = FindOwnedWindow(hConfirm);
                                             ClickControl(hOptions, IDC_CHARGE_BOLD);
                                             Click(hOptions, IDOK);
                                         });
                                Click(hConfirm, IDC_CONFIRM_CHARGE);
                                m_boxes.nAnswer = IDNO;
                                Click(hConfirm, IDOK);
                                bAskedAboutPaid = !m_boxes.texts.empty() &&
                                                  m_boxes.texts.back() == LoadText(IDS_ASK_PAID_OPTIONS);
                                bStayedOpen = ::IsWindowVisible(hConfirm) != FALSE;
                                Click(hConfirm, IDCANCEL);
                                return;
                            }
                            WhenDialogShows(IDC_RESUBMIT_TYPE_KEEP,
                                            [](HWND hSettings) { Click(hSettings, IDCANCEL); });
                            Click(hConfirm, IDOK);
                        });
        Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);
        if (!c.atSettings)
        {
            EXPECT_TRUE(bAskedAboutPaid);
            EXPECT_TRUE(bStayedOpen);
        }
        const std::vector<LoggedRequest> log = StandIn::Log();
        for (size_t i = nLogged; i < log.size(); ++i)
            EXPECT_EQ(std::string::npos, log[i].path.find("/jp/show/resubmit")) << log[i].target;
        EXPECT_EQ(nullptr, FindDialogWith(IDC_PREPARE_ABORT));
    }
}

TEST_F(ResubmitFromList, OneRowsDialogsReadTheServicesCurrentValues)
{
    ASSERT_TRUE(Start());
    CTanzoListCtrl* pList = ShowTab(1, 12);
    ASSERT_NE(nullptr, pList);
    // A row whose title the list cut.
    int nRow = -1;
    for (int i = 0; i < pList->GetItemCount() && nRow < 0; ++i)
        if (pList->GetRowRecord(i)->GetTitle().Right(3) == "...")
            nRow = i;
    ASSERT_GE(nRow, 0);
    const std::string id = (LPCTSTR)pList->GetRowRecord(nRow)->GetAuctionID();
    const ServedItem served = ReadServedItem(id);
    Select(*pList, {nRow});
    m_boxes.nAnswer = IDYES;

    std::string title, description, shipCaption;
    bool bDisabledWhileReading = false, bPreviewShown = false;
    int nGets = 0, nPosts = 0;
    WhenDialogShows(
        IDC_CONFIRM_LIST,
        [&](HWND hConfirm)
        {
            const size_t nLogged = StandIn::Log().size();
            WhenDialogShows(
                IDC_EDIT_TITLE_CHANGE,
                [&, hConfirm](HWND hHub)
                {
                    // The title: the runner shows, then the whole title.
                    WhenDialogShows(IDC_TITLE_TEXT,
                                    [&](HWND hTitle)
                                    {
                                        CallWhen([hTitle]
                                                 { return !ControlText(hTitle, IDC_TITLE_TEXT).empty(); },
                                                 [&, hTitle]
                                                 {
                                                     title = ControlText(hTitle, IDC_TITLE_TEXT);
                                                     Click(hTitle, IDCANCEL);
                                                 });
                                    });
                    Click(hHub, IDC_EDIT_TITLE_CHANGE);
                    // The description: edit and OK grey while it reads.
                    WhenDialogShows(
                        IDC_DESCRIPTION_TEXT,
                        [&](HWND hText)
                        {
                            bDisabledWhileReading =
                                !::IsWindowEnabled(FindControl(hText, IDC_DESCRIPTION_TEXT)) &&
                                !::IsWindowEnabled(FindControl(hText, IDOK));
                            CallWhen([hText] { return ::IsWindowEnabled(FindControl(hText, IDOK)) != FALSE; },
                                     [&, hText]
                                     {
                                         description = ControlText(hText, IDC_DESCRIPTION_TEXT);
                                         CallWhen([hText] { return FindOwnedWindow(hText) != nullptr; },
                                                  [&, hText]
                                                  {
                                                      bPreviewShown = true;
                                                      Click(FindOwnedWindow(hText), IDOK);
                                                  });
                                         Click(hText, IDC_DESCRIPTION_PREVIEW);
                                         Click(hText, IDCANCEL);
                                     });
                        });
                    Click(hHub, IDC_EDIT_DESCRIPTION_CHANGE);
                    // The shipping methods and the listing kind.
                    WhenDialogShows(IDC_SHIP_TABS,
                                    [&](HWND hShip)
                                    {
                                        CallWhen([hShip] { return WindowText(hShip) != LoadText(1216); },
                                                 [&, hShip]
                                                 {
                                                     shipCaption = WindowText(hShip);
                                                     Click(hShip, IDCANCEL);
                                                 });
                                    });
                    Click(hHub, IDC_EDIT_SHIPPING_CHANGE);
                    const std::vector<LoggedRequest> log = StandIn::Log();
                    for (size_t i = nLogged; i < log.size(); ++i)
                    {
                        nGets += log[i].method == "GET" && log[i].path == "/jp/show/resubmit" &&
                                 log[i].target.find("select=old") != std::string::npos;
                        nPosts += log[i].method == "POST";
                    }
                    Click(hHub, IDCANCEL);
                });
            Click(hConfirm, IDC_CONFIRM_EDIT);
            Click(hConfirm, IDCANCEL);
        });
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);

    EXPECT_EQ(served.title, title);
    EXPECT_TRUE(bDisabledWhileReading);
    EXPECT_EQ(served.description, description);
    EXPECT_TRUE(bPreviewShown);
    EXPECT_EQ(LoadText(1216) + "（" + LoadText(served.style == "new" ? 1219 : 1218) + "）", shipCaption);
    // The form read once for each dialog, nothing posted.
    EXPECT_EQ(3, nGets);
    EXPECT_EQ(0, nPosts);
}

TEST_F(ResubmitFromList, StopWhileTheDescriptionIsReadLeavesTheTextItWasGiven)
{
    ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
    ASSERT_TRUE(Start());
    CTanzoListCtrl* pList = ShowTab(1, 1);
    ASSERT_NE(nullptr, pList);
    const std::string id = (LPCTSTR)pList->GetRowRecord(0)->GetAuctionID();
    m_boxes.nAnswer = IDYES;

    size_t nLogged = 0;
    std::string heldTarget, textAfterStop, textAfterAnswer, shown;
    bool bStoppedHeld = false, bRunnerGone = false, bUsable = false;
    WhenDialogShows(
        IDC_CONFIRM_LIST,
        [&](HWND hConfirm)
        {
            WhenDialogShows(
                IDC_EDIT_TITLE_CHANGE,
                [&](HWND hHub)
                {
                    // The entry leads to the form's page, which the service holds.
                    nLogged = StandIn::Log().size();
                    EXPECT_TRUE(StandIn::AddFault("{\"host\": \"sell\", \"path\": \"/jp/show/resubmit\", "
                                                  "\"action\": \"hold\", \"nth\": 2}"));
                    WhenDialogShows(
                        IDC_DESCRIPTION_TEXT,
                        [&](HWND hText)
                        {
                            CallWhen([] { return !Held().empty(); },
                                     [&, hText]
                                     {
                                         heldTarget = StandIn::Log().back().target;
                                         Click(FindDialogWith(IDC_PREPARE_ABORT), IDC_PREPARE_ABORT);
                                     });
                            // OK usable again; if it never is, the dialog still goes.
                            const DWORD dwStart = ::GetTickCount();
                            CallWhen(
                                [hText, dwStart] {
                                    return ::IsWindowEnabled(FindControl(hText, IDOK)) != FALSE ||
                                           ::GetTickCount() - dwStart > 25000;
                                },
                                [&, hText]
                                {
                                    bStoppedHeld = Held().size() == 1;
                                    bRunnerGone = FindDialogWith(IDC_PREPARE_ABORT) == nullptr;
                                    textAfterStop = ControlText(hText, IDC_DESCRIPTION_TEXT);
                                    bUsable = ::IsWindowEnabled(FindControl(hText, IDC_DESCRIPTION_TEXT)) &&
                                              ::IsWindowEnabled(FindControl(hText, IDOK));
                                    // The page answered late reaches nothing.
                                    ReleaseAll();
                                    CallWhen([] { return Held().empty(); },
                                             [&, hText]
                                             {
                                                 textAfterAnswer = ControlText(hText, IDC_DESCRIPTION_TEXT);
                                                 SetControlText(hText, IDC_DESCRIPTION_TEXT,
                                                                "手で書いた説明");
                                                 Click(hText, IDOK);
                                             });
                                });
                        });
                    Click(hHub, IDC_EDIT_DESCRIPTION_CHANGE);
                    shown = DrawnText(FindControl(hHub, IDC_EDIT_DESCRIPTION));
                    Click(hHub, IDCANCEL);
                });
            Click(hConfirm, IDC_CONFIRM_EDIT);
            Click(hConfirm, IDCANCEL);
        });
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);

    EXPECT_NE(std::string::npos, heldTarget.find("select=old")) << heldTarget;
    EXPECT_TRUE(bStoppedHeld);
    EXPECT_TRUE(bRunnerGone);
    // The text given: the row has no description of its own yet.
    EXPECT_EQ("", textAfterStop);
    EXPECT_TRUE(bUsable);
    EXPECT_EQ("", textAfterAnswer);
    EXPECT_EQ("手で書いた説明", shown);
    const std::vector<LoggedRequest> log = StandIn::Log();
    for (size_t i = nLogged; i < log.size(); ++i)
        EXPECT_EQ("GET", log[i].method) << log[i].target;
    EXPECT_EQ(0, Relisted(id).attempts);
}

TEST_F(ResubmitFromList, TheShippingAndSizeDialogsShowTheirOwnIcons)
{
    ASSERT_TRUE(Start());
    // Two rows edited together: nothing read from the service.
    ASSERT_NE(nullptr, ShowTab(1, 2));
    m_boxes.nAnswer = IDYES;
    HICON hShip = nullptr, hSize = nullptr;
    WhenDialogShows(
        IDC_CONFIRM_LIST,
        [&](HWND hConfirm)
        {
            ::SendMessageA(hConfirm, WM_COMMAND, ID_CONFIRM_SELECT_ALL, 0);
            WhenDialogShows(
                IDC_EDIT_TITLE_CHANGE,
                [&](HWND hHub)
                {
                    const struct
                    {
                        int nButton;
                        HICON* pIcon;
                    } dialogs[] = {{IDC_EDIT_SHIPPING_CHANGE, &hShip}, {IDC_EDIT_SIZE_WEIGHT_CHANGE, &hSize}};
                    for (const auto& d : dialogs)
                    {
                        HICON* pIcon = d.pIcon;
                        CallWhen([hHub] { return FindOwnedWindow(hHub) != nullptr; },
                                 [hHub, pIcon]
                                 {
                                     HWND h = FindOwnedWindow(hHub);
                                     *pIcon = (HICON)::SendMessageA(h, WM_GETICON, ICON_SMALL, 0);
                                     Click(h, IDCANCEL);
                                 });
                        Click(hHub, d.nButton);
                    }
                    Click(hHub, IDCANCEL);
                });
            Click(hConfirm, IDC_CONFIRM_EDIT);
            Click(hConfirm, IDCANCEL);
        });
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);

    EXPECT_NE(nullptr, hShip);
    EXPECT_EQ(m_app.LoadIcon(IDI_SHIP_METHODS), hShip);
    EXPECT_NE(nullptr, hSize);
    EXPECT_EQ(m_app.LoadIcon(IDI_SIZE_WEIGHT), hSize);
}
