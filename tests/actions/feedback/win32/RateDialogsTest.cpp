// The rating dialog in its feedback form (its comment kept per role, the
// targets, templates applied, the confirmation that keeps it open on No)
// and the manager of the rating templates, whose ratings stay with their
// comments through add, edit, cancel and the manager's OK, in their files.

#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "actions/shared/win32/ActionDialogTestSupport.h"
#include "afx/TestText.h"
#include "app/DecorateStatic.h"
#include "app/DialogTestUtil.h"
#include "auction/accounts/UserAccount.h"
#include "client/DataFileTestSupport.h"
#include "client/DataSetFiles.h"
#include "client/TanzoAuctionItem.h"
#include "client/TemplateRateEditItem.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/RateSettingDialog.h"
#include "client/actions/feedback/RateTemplateListDialog.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"

namespace
{
std::string TextOf(HWND hWnd)
{
    char text[1024] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

struct DialogSearch
{
    int nControlId;
    HWND found;
};

BOOL CALLBACK TakeDialogWithControl(HWND hWnd, LPARAM lParam)
{
    DialogSearch* pSearch = reinterpret_cast<DialogSearch*>(lParam);
    char name[64] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    if (std::string(name) == "#32770" && ::IsWindowVisible(hWnd) &&
        ::GetDlgItem(hWnd, pSearch->nControlId) != nullptr)
    {
        pSearch->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// A shown dialog of this thread that holds the control; null for none.
HWND FindDialog(int nControlId)
{
    DialogSearch search{nControlId, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeDialogWithControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Runs fn with the dialog that holds the control once it shows, from
// inside the modal loop then running.
void WhenDialogShows(int nControlId, std::function<void(HWND)> fn, int nTries = 500)
{
    CallSoon(
        [nControlId, fn, nTries]
        {
            HWND hWnd = FindDialog(nControlId);
            if (hWnd != nullptr)
                fn(hWnd);
            else if (nTries > 0)
                WhenDialogShows(nControlId, fn, nTries - 1);
        },
        20);
}

void Click(HWND hDialog, int nID)
{
    ::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDialog, nID));
}

std::unique_ptr<TanzoAuctionItem> Item(const char* id, const char* title, std::vector<const char*> buyers)
{
    std::unique_ptr<TanzoAuctionItem> item(new TanzoAuctionItem);
    item->SetAuctionID(id);
    item->SetTitle(title);
    item->SetSellerID("seller_a");
    CTanzoAuctionBuyerList list;
    for (const char* buyer : buyers)
    {
        TanzoAuctionBuyer partner(buyer, 0, 1, 1);
        partner.SetFlags(TanzoAuctionBuyer::FlagTarget);
        list.AddTail(partner);
    }
    item->ReplaceBuyers(list);
    return item;
}

class RateDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.reset(new CTestDocData(folder.Path()));
        CUserAccount account;
        account.SetID("demo_seller1");
        doc->Add(account);
    }

    std::string StoredComment(const char* key) const
    {
        return profile.Stored(IDD_RATE_SETTING_SETTINGS, key);
    }

    // Each run starts from the default comments.
    CProfileScope profile{"TanzoRateDialogsTest"};
    CTempFolder folder;
    std::unique_ptr<CTestDocData> doc;
};
} // namespace

TEST_F(RateDialogs, TheFeedbackFormAsksBeforeItKeepsTheComment)
{
    auto item = Item("c100", "古いカメラ", {"winner_b", "winner_c"});
    CRateSettingDialog dialog(CRateSettingDialog::flagFeedback | CRateSettingDialog::flagAsSeller);
    dialog.AddTarget(item.get());
    const std::string typed = "ありがとうございました。";
    std::string shownComment, targets, confirmValue, confirmTargets;
    bool labelShown = false, buttonShown = true, stillOpen = false;
    const INT_PTR nResult = RunModal(
        dialog,
        [&]
        {
            shownComment = TextOf(dialog.GetDlgItem(IDC_RATE_COMMENT)->m_hWnd);
            targets = TextOf(dialog.GetDlgItem(IDC_RATE_TARGETS)->m_hWnd);
            labelShown = ::IsWindowVisible(dialog.GetDlgItem(IDC_RATE_TARGETS_LABEL)->m_hWnd) != FALSE;
            buttonShown = ::IsWindowVisible(dialog.GetDlgItem(IDC_RATE_TARGETS_BUTTON)->m_hWnd) != FALSE;
            // Enter in the comment leaves the dialog open.
            dialog.GetDlgItem(IDC_RATE_COMMENT)->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
            ::SetWindowTextA(dialog.GetDlgItem(IDC_RATE_COMMENT)->m_hWnd, typed.c_str());
            ::SendMessageA(dialog.GetDlgItem(IDC_RATE_VALUE)->m_hWnd, CB_SETCURSEL, 3, 0);
            // No first: the dialog stays; then Yes.
            WhenDialogShows(
                IDC_RATE_CONFIRM_VALUE,
                [&](HWND hConfirm)
                {
                    Click(hConfirm, IDCANCEL);
                    CallSoon(
                        [&]
                        {
                            stillOpen =
                                ::IsWindow(dialog.m_hWnd) && StoredComment("CommentAsSeller") == "(none)";
                            WhenDialogShows(IDC_RATE_CONFIRM_VALUE,
                                            [&](HWND hAgain)
                                            {
                                                confirmValue =
                                                    DrawnText(::GetDlgItem(hAgain, IDC_RATE_CONFIRM_VALUE));
                                                confirmTargets =
                                                    DrawnText(::GetDlgItem(hAgain, IDC_RATE_CONFIRM_TARGETS));
                                                Click(hAgain, IDOK);
                                            });
                            ClickButton(dialog, IDOK);
                        },
                        20);
                });
            ClickButton(dialog, IDOK);
        });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(LoadText(IDS_RATE_COMMENT_AS_SELLER), shownComment);
    EXPECT_EQ("winner_b, winner_c ＜古いカメラ＞", targets);
    EXPECT_TRUE(labelShown);
    EXPECT_FALSE(buttonShown);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(LoadText(IDS_RATE_TEXT_FIRST + 3), confirmValue);
    EXPECT_EQ(targets, confirmTargets);
    EXPECT_EQ(2, dialog.GetRateValue());
    CString comment;
    dialog.GetComment(comment);
    EXPECT_EQ(typed, (LPCTSTR)comment);
    EXPECT_EQ(typed, StoredComment("CommentAsSeller"));
    EXPECT_EQ("(none)", StoredComment("CommentAsBuyer"));
}

TEST_F(RateDialogs, TwoTargetsGoBehindTheButtonAndATemplateSetsRatingAndComment)
{
    auto first = Item("w1", "本", {});
    auto second = Item("w2", "時計", {});
    const CTemplateRateEditItem normal(3, "普通でした。"), bad(1, "届きません。");
    doc->AddTemplate(dataSetBuyerRatingTemplates, &normal);
    doc->AddTemplate(dataSetBuyerRatingTemplates, &bad);
    CRateSettingDialog dialog(CRateSettingDialog::flagFeedback | CRateSettingDialog::flagAsBuyer);
    dialog.SetDocument(doc.get());
    dialog.AddTarget(first.get());
    dialog.AddTarget(second.get());
    bool labelShown = true, buttonShown = false;
    std::string role, comment, rating;
    RunModal(dialog,
             [&]
             {
                 labelShown = ::IsWindowVisible(dialog.GetDlgItem(IDC_RATE_TARGETS_LABEL)->m_hWnd) != FALSE;
                 buttonShown = ::IsWindowVisible(dialog.GetDlgItem(IDC_RATE_TARGETS_BUTTON)->m_hWnd) != FALSE;
                 role = TextOf(dialog.GetDlgItem(IDC_RATE_ROLE)->m_hWnd);
                 dialog.SendMessage(WM_COMMAND, ID_TEMPLATE_FIRST_RATING + 1, 0);
                 comment = TextOf(dialog.GetDlgItem(IDC_RATE_COMMENT)->m_hWnd);
                 rating = TextOf(dialog.GetDlgItem(IDC_RATE_VALUE)->m_hWnd);
                 dialog.EndDialog(IDCANCEL);
             });
    EXPECT_FALSE(labelShown);
    EXPECT_TRUE(buttonShown);
    EXPECT_EQ(LoadText(IDS_RATE_AS_BUYER), role);
    EXPECT_EQ("届きません。", comment);
    EXPECT_EQ(LoadText(IDS_RATE_TEXT_FIRST + 4), rating);
    // Cancel keeps nothing.
    EXPECT_EQ("(none)", StoredComment("CommentAsBuyer"));
}

TEST_F(RateDialogs, TheManagerKeepsEachSetsRatingsInItsFile)
{
    struct Case
    {
        bool asSeller;
        int set;
        std::string caption;
    } cases[] = {{true, dataSetSellerRatingTemplates, LoadText(IDS_RATE_TEMPLATES_AS_SELLER)},
                 {false, dataSetBuyerRatingTemplates, LoadText(IDS_RATE_TEMPLATES_AS_BUYER)}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.caption);
        const CTemplateRateEditItem good(4, "良い取引でした。");
        doc->AddTemplate(c.set, &good);
        CRateTemplateMenu menu(doc.get(), c.asSeller);
        std::string caption, firstRow, addCaption;
        // Add one (rating 非常に悪い), edit the first to どちらでもない,
        // edit the second and cancel, then OK.
        WhenDialogShows(
            IDC_RATE_TEMPLATE_LIST,
            [&](HWND hList)
            {
                caption = TextOf(hList);
                WhenDialogShows(IDC_RATE_VALUE,
                                [&](HWND hAdd)
                                {
                                    addCaption = TextOf(hAdd);
                                    ::SendMessageA(::GetDlgItem(hAdd, IDC_RATE_VALUE), CB_SETCURSEL, 4, 0);
                                    ::SetWindowTextA(::GetDlgItem(hAdd, IDC_RATE_COMMENT), "最悪でした。");
                                    Click(hAdd, IDOK);
                                });
                Click(hList, IDC_RATE_TEMPLATE_ADD);
                ListView_SetItemState(::GetDlgItem(hList, IDC_RATE_TEMPLATE_LIST), 0,
                                      LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                WhenDialogShows(IDC_RATE_VALUE,
                                [&](HWND hEdit)
                                {
                                    ::SendMessageA(::GetDlgItem(hEdit, IDC_RATE_VALUE), CB_SETCURSEL, 2, 0);
                                    Click(hEdit, IDOK);
                                });
                Click(hList, IDC_RATE_TEMPLATE_EDIT);
                char text[256] = {};
                ListView_GetItemText(::GetDlgItem(hList, IDC_RATE_TEMPLATE_LIST), 0, 0, text, sizeof(text));
                firstRow = text;
                ListView_SetItemState(::GetDlgItem(hList, IDC_RATE_TEMPLATE_LIST), 1,
                                      LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                WhenDialogShows(IDC_RATE_VALUE,
                                [&](HWND hEdit)
                                {
                                    ::SendMessageA(::GetDlgItem(hEdit, IDC_RATE_VALUE), CB_SETCURSEL, 0, 0);
                                    Click(hEdit, IDCANCEL);
                                });
                Click(hList, IDC_RATE_TEMPLATE_EDIT);
                Click(hList, IDOK);
            });
        menu.RunManagementDialog();
        EXPECT_EQ(c.caption, caption);
        EXPECT_EQ(LoadText(IDS_RATE_TEMPLATE_ADD_CAPTION), addCaption);
        EXPECT_EQ(LoadText(IDS_RATE_TEXT_FIRST + 2), firstRow);
        ASSERT_TRUE(doc->TransferDataSet(c.set, TRUE));

        CTestDocData again(folder.Path());
        CUserAccount account;
        account.SetID("demo_seller1");
        again.Add(account);
        ASSERT_EQ(2, again.GetTemplateCount(c.set));
        std::vector<std::pair<int, std::string>> read;
        for (int i = 0; i < 2; ++i)
        {
            CTemplateRateEditItem item;
            ASSERT_TRUE(again.GetTemplate(c.set, i, item));
            read.emplace_back(item.GetRating(), (LPCTSTR)item.GetTitle());
        }
        EXPECT_EQ((std::vector<std::pair<int, std::string>>{{3, "良い取引でした。"}, {1, "最悪でした。"}}),
                  read);
    }
}
