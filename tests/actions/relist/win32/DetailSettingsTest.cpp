// The detailed re-listing settings: its pages as objects without windows
// (what each listing kind gets, the OR of the pages, what saving and the
// reset reach, the version an older release kept, the choice lists, what
// is taken over once from older sections), then in the common settings
// dialog as a user drives it (the way clicked, the questions about tabs
// never opened, the range messages and the payment's order, the 48th
// place, the nested tabs placed over their marks).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DetailSettingsWindows.h"
#include "actions/shared/win32/ActionDialogTestSupport.h"
#include "afx/Rect.h"
#include "afx/TestText.h"
#include "auction/settings/AuctionListingForm.h"
#include "client/actions/relist/OlderSettingsTakeover.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitDetailSettingDialog.h"
#include "client/actions/relist/ResubmitDetailSettingPages.h"
#include "client/actions/relist/ResubmitDetailSettingPayPages.h"
#include "client/actions/relist/ResubmitDetailSettingPostPages.h"
#include "client/actions/relist/ResubmitDetailSettingSubDialog.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"
#include "client/actions/shared/CallbackSink.h"
#include "text/Charset.h"

namespace
{
const char kRegistryKey[] = "Tanzo Detail Settings Test";

std::string RangeMessage(int nLower, int nUpper)
{
    CString text;
    text.FormatMessage(842, nLower, nUpper);
    return (LPCTSTR)text;
}

// A listing form whose fields all hold a marker, so that a field the pages
// leave alone shows.
class CMarkedForm : public CAuctionListingForm
{
public:
    CMarkedForm() : CAuctionListingForm(nullptr, CHARSET_UTF8)
    {
        for (int i = 0; i < LF_FIELD_COUNT; ++i)
            SetAt(i, "-");
    }
    std::string At(int i) const { return (LPCTSTR)GetAt(i); }
};

// The detail dialog's pages made as its window would make them.
class CDetailPages
{
public:
    CDetailPages() { dialog.AddPages(); }

    template <class TPage> TPage* Page(int nTab) { return dynamic_cast<TPage*>(dialog.GetPage(nTab)); }
    // Sub-page nIndex of a tab's nested strip.
    CAuctionSubmitSettingBasePage* SubPage(int nTab, int nIndex)
    {
        auto* pContainer = dynamic_cast<CResubmitDetailContainerAddOn*>(dialog.GetPage(nTab));
        return pContainer != nullptr && pContainer->GetSubDialog() != nullptr
                   ? pContainer->GetSubDialog()->GetSettingPage(nIndex)
                   : nullptr;
    }
    CCallbackSink& Sink() { return *dialog.GetCallbackSink(); }

    CResubmitDetailSettingDialog dialog;
};

// The choice list's texts.
std::vector<std::string> Choices(CAuctionSubmitSettingBasePage* pPage, int nKind)
{
    std::vector<std::string> texts;
    const UINT* pIds = pPage != nullptr ? pPage->GetChoiceStringIds(nKind) : nullptr;
    for (; pIds != nullptr && *pIds != 0; ++pIds)
        texts.push_back(LoadText(*pIds));
    return texts;
}

// The common settings dialog, modeless so that the test drives it.
void Open(CResubmitSettingDialog& dlg)
{
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.SetWindowPos(&CWnd::wndTop, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

// The last window the thread gave the focus to. The focus itself is lost
// whenever another test program's window comes forward.
class CFocusRecorder
{
public:
    CFocusRecorder() : m_hHook(::SetWindowsHookExA(WH_CBT, Proc, nullptr, ::GetCurrentThreadId()))
    {
        s_hLast = nullptr;
    }
    ~CFocusRecorder() { ::UnhookWindowsHookEx(m_hHook); }
    HWND Last() const { return s_hLast; }

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_SETFOCUS)
            s_hLast = (HWND)wParam;
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static inline HWND s_hLast = nullptr;
    HHOOK m_hHook;
};

class DetailSettings : public ::testing::Test
{
protected:
    void StoreTypeNew() { WriteDialogProfileInt(IDD_RESUBMIT_SETTING, "ResubmitType", 1); }

    CProfileScope profile{kRegistryKey};
    CMessageBoxRecorder boxes;
    CFocusRecorder focus;
};
} // namespace

TEST_F(DetailSettings, EachListingKindGetsItsOwnSubPages)
{
    WriteDialogProfileInt(IDD_DETAIL_PAY, "Aspj", 0x40000);
    WriteDialogProfileInt(IDD_DETAIL_PAY_NORMAL, "Aspj", 0x1);
    WriteDialogProfileString(IDD_DETAIL_PAY_NORMAL, "BankName01", "ゆうちょ銀行");
    WriteDialogProfileInt(IDD_DETAIL_POST, "Shipping", 1);
    WriteDialogProfileInt(IDD_DETAIL_POST, "LocCd", 48);
    WriteDialogProfileString(IDD_DETAIL_POST, "City", "ホノルル");
    WriteDialogProfileInt(IDD_DETAIL_POST, "ToggleVal", 0x2);
    WriteDialogProfileInt(IDD_DETAIL_POST_NORMAL, "ShipTime", 1);
    WriteDialogProfileInt(IDD_DETAIL_POST_NORMAL, "ToggleVal", 0x8);
    WriteDialogProfileInt(IDD_DETAIL_POST_EASY, "ShipSchedule_Rev2", 2);
    WriteDialogProfileInt(IDD_DETAIL_POST_EASY, "ToggleVal", 0x10);
    WriteDialogProfileInt(IDD_DETAIL_SALES_CONTRACT, "ToggleVal", 0x10);
    WriteDialogProfileInt(IDD_DETAIL_MARKDOWN, "ToggleVal", 1);
    WriteDialogProfileInt(IDD_DETAIL_MARKDOWN, "MarkdownRatio", 3);
    WriteDialogProfileInt(IDD_DETAIL_RETURN_POLICY, "ReturnPolicy", 1);
    CDetailPages pages;

    CMarkedForm normal;
    CMarkedForm easy;
    EXPECT_TRUE(pages.Sink().ApplyToListingForm(normal, 0));
    EXPECT_TRUE(pages.Sink().ApplyToListingForm(easy, 1));
    const struct
    {
        int field;
        const char* normal;
        const char* easy;
    } fields[] = {
        // The pages without sub-pages and the containers' own values: both.
        {LF_DURATION, "5", "5"},
        {LF_CLOSING_TIME, "21", "21"},
        {LF_NUM_RESUBMIT, "3", "3"},
        {LF_MARKDOWN, "1", "1"},
        {LF_MARKDOWN_RATIO, "20", "20"},
        {LF_RETURN_POLICY, "1", "1"},
        {LF_MIN_BID_RATING, "0", "0"},
        {LF_BAD_RATING_RATIO, "yes", "yes"},
        {LF_YPM_OK, "1", "1"},
        {LF_SHIPPING, "seller", "seller"},
        {LF_LOCATION, "48", "48"},
        {LF_CITY, "ホノルル", "ホノルル"},
        {LF_INTL_OK, "1", "1"},
        // Normal listings.
        {LF_ASPJ1, "yes", "-"},
        {LF_BANK_NAME1, "ゆうちょ銀行", "-"},
        {LF_SHIP_TIME, "close", "-"},
        {LF_YPK_OK, "1", "-"},
        // Easy trading.
        {LF_SHIP_SCHEDULE, "-", "5"},
        {LF_SALES_CONTRACT, "-", "1"},
    };
    for (const auto& f : fields)
    {
        EXPECT_EQ(f.normal, normal.At(f.field)) << f.field;
        EXPECT_EQ(f.easy, easy.At(f.field)) << f.field;
    }
}

TEST_F(DetailSettings, SavingAndTheResetReachTheSubPages)
{
    {
        CDetailPages pages;
        // Read without saving: nothing reaches the profile.
        ASSERT_TRUE(pages.Sink().ReadAndSave(FALSE));
        for (UINT nPage : {IDD_DETAIL_BASIC, IDD_DETAIL_PAY, IDD_DETAIL_PAY_NORMAL, IDD_DETAIL_POST_EASY})
            EXPECT_EQ("(none)", profile.Stored(nPage, "RegVersion")) << nPage;

        auto* pPay = pages.Page<CResubmitDetailSettingPayPage>(CResubmitDetailSettingDialog::TabPayment);
        auto* pPost = pages.Page<CResubmitDetailSettingPostPage>(CResubmitDetailSettingDialog::TabShipping);
        auto* pBid =
            pages.Page<CResubmitDetailSettingBidLimitPage>(CResubmitDetailSettingDialog::TabBidLimit);
        ASSERT_TRUE(pPay != nullptr && pPost != nullptr && pBid != nullptr);
        EXPECT_TRUE(pPay->IsDefault());
        EXPECT_TRUE(pPost->IsDefault());
        EXPECT_TRUE(pBid->IsDefault());

        // A sub-page off its defaults makes its page so.
        auto* pNormalPay = dynamic_cast<CAuctionSubmitSettingPayNormalSubmitBasePage*>(
            pages.SubPage(CResubmitDetailSettingDialog::TabPayment, 0));
        auto* pEasyPost = dynamic_cast<CAuctionSubmitSettingPostBasePage*>(
            pages.SubPage(CResubmitDetailSettingDialog::TabShipping, 1));
        auto* pContract = dynamic_cast<CAuctionSubmitSettingBidLimitBasePage*>(
            pages.SubPage(CResubmitDetailSettingDialog::TabBidLimit, 0));
        ASSERT_TRUE(pNormalPay != nullptr && pEasyPost != nullptr && pContract != nullptr);
        pNormalPay->GetSettings().SetBits(0xD);
        pEasyPost->GetSettings().SetToggles(0x10);
        pEasyPost->GetSettings().SetSchedule(3);
        pContract->GetSettings().SetToggles(0x10);
        EXPECT_FALSE(pPay->IsDefault());
        EXPECT_FALSE(pPost->IsDefault());
        EXPECT_FALSE(pBid->IsDefault());

        ASSERT_TRUE(pages.Sink().ReadAndSave(TRUE));
        EXPECT_EQ("13", profile.Stored(IDD_DETAIL_PAY_NORMAL, "Aspj"));
        EXPECT_EQ("3", profile.Stored(IDD_DETAIL_POST_EASY, "ShipSchedule_Rev2"));
        EXPECT_EQ("16", profile.Stored(IDD_DETAIL_SALES_CONTRACT, "ToggleVal"));
        for (UINT nPage : {IDD_DETAIL_BASIC, IDD_DETAIL_PAY, IDD_DETAIL_PAY_NORMAL, IDD_DETAIL_PAY_EASY,
                           IDD_DETAIL_POST, IDD_DETAIL_POST_NORMAL, IDD_DETAIL_POST_EASY, IDD_DETAIL_BIDLIMIT,
                           IDD_DETAIL_SALES_CONTRACT, IDD_DETAIL_MARKDOWN, IDD_DETAIL_RETURN_POLICY})
            EXPECT_EQ("3", profile.Stored(nPage, "RegVersion")) << nPage;

        // The reset brings every page and sub-page back and stores nothing.
        pages.Sink().ResetToDefaults();
        EXPECT_TRUE(pPay->IsDefault());
        EXPECT_TRUE(pPost->IsDefault());
        EXPECT_TRUE(pBid->IsDefault());
        EXPECT_EQ("13", profile.Stored(IDD_DETAIL_PAY_NORMAL, "Aspj"));
    }
    // The saved values come back with the next dialog.
    CDetailPages again;
    CMarkedForm form;
    again.Sink().ApplyToListingForm(form, 1);
    EXPECT_EQ("6", form.At(LF_SHIP_SCHEDULE));
    EXPECT_EQ("1", form.At(LF_SALES_CONTRACT));
}

TEST_F(DetailSettings, PagesWithoutAVersionTakeTheOneOfThePaymentDialog)
{
    WriteDialogProfileInt(IDD_DETAIL_PAY, "DlgRegVersion", 2);
    WriteDialogProfileInt(IDD_DETAIL_RETURN_POLICY, "RegVersion", 3);
    CDetailPages pages;
    const struct
    {
        int tab;
        int version;
    } cases[] = {
        {CResubmitDetailSettingDialog::TabBasic, 2},    {CResubmitDetailSettingDialog::TabPayment, 2},
        {CResubmitDetailSettingDialog::TabShipping, 2}, {CResubmitDetailSettingDialog::TabBidLimit, 0},
        {CResubmitDetailSettingDialog::TabMarkdown, 0}, {CResubmitDetailSettingDialog::TabReturnPolicy, 3},
    };
    for (const auto& c : cases)
    {
        CAuctionSubmitSettingBasePage* pPage = pages.dialog.GetSettingPage(c.tab);
        ASSERT_NE(nullptr, pPage) << c.tab;
        EXPECT_EQ(c.version, pPage->GetRegVersion()) << c.tab;
    }
    // A page saved by the older release counts as shown: it asks nothing.
    EXPECT_FALSE(pages.dialog.GetSettingPage(CResubmitDetailSettingDialog::TabBasic)->IsUntouched());
    EXPECT_TRUE(pages.dialog.GetSettingPage(CResubmitDetailSettingDialog::TabBidLimit)->IsUntouched());
}

TEST_F(DetailSettings, ChoiceListsOfThePages)
{
    CDetailPages pages;
    CAuctionSubmitSettingBasePage* pPost =
        pages.dialog.GetSettingPage(CResubmitDetailSettingDialog::TabShipping);
    const std::vector<std::string> places =
        Choices(pPost, CAuctionSubmitSettingPostBasePage::ChoicePrefecture);
    ASSERT_EQ(48u, places.size());
    EXPECT_EQ("北海道", places[0]);
    EXPECT_EQ("東京都", places[12]);
    EXPECT_EQ("沖縄県", places[46]);
    EXPECT_EQ("海外", places[47]);

    const struct
    {
        CAuctionSubmitSettingBasePage* page;
        int kind;
        std::vector<std::string> texts;
    } cases[] = {
        {pPost, 0, {"落札者が送料を負担", "出品者が送料を負担"}},
        {pPost, 1, {}},
        {pPost, 2, {}},
        {pages.SubPage(CResubmitDetailSettingDialog::TabShipping, 0),
         1,
         {"支払い終了時に発送", "オークション終了時に発送"}},
        {pages.SubPage(CResubmitDetailSettingDialog::TabShipping, 0), 3, {}},
        {pages.SubPage(CResubmitDetailSettingDialog::TabShipping, 1),
         2,
         {"1～2日で発送", "3～6日で発送", "7～13日で発送", "14日以降に発送"}},
        {pages.dialog.GetSettingPage(CResubmitDetailSettingDialog::TabMarkdown),
         0,
         {"5%", "10%", "15%", "20%", "25%", "30%"}},
        {pages.dialog.GetSettingPage(CResubmitDetailSettingDialog::TabMarkdown), 1, {}},
        {pages.dialog.GetSettingPage(CResubmitDetailSettingDialog::TabReturnPolicy),
         0,
         {"返品不可", "返品可"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.texts, Choices(c.page, c.kind)) << c.kind;

    // The stored 48th place is kept and sent; the 49th is not a place.
    for (int nStored : {48, 49})
    {
        WriteDialogProfileInt(IDD_DETAIL_POST, "LocCd", nStored);
        CDetailPages stored;
        CMarkedForm form;
        stored.Sink().ApplyToListingForm(form, 0);
        EXPECT_EQ(nStored == 48 ? "48" : "13", form.At(LF_LOCATION)) << nStored;
    }
}

TEST_F(DetailSettings, OlderSettingsAreTakenOverOnce)
{
    WriteDialogProfileInt(IDD_OLDER_PAY_SETTINGS, "PermanentStateVal", 1);
    WriteDialogProfileInt(IDD_OLDER_PAY_SETTINGS, "Aspj", 0x40005);
    WriteDialogProfileString(IDD_OLDER_PAY_SETTINGS, "BankName01", "新生銀行");
    WriteDialogProfileString(IDD_OLDER_PAY_SETTINGS, "OtherPayMethod01", "現金手渡し");
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "PermanentStateVal", 3);
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "ToggleVal", 0xA);
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "LocCd", 27);
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "ShipTime", 1);
    {
        CDetailPages pages;
        CMarkedForm form;
        pages.Sink().ApplyToListingForm(form, 0);
        EXPECT_EQ("1", form.At(LF_YPM_OK));
        EXPECT_EQ("yes", form.At(LF_ASPJ1));
        EXPECT_EQ("yes", form.At(LF_ASPJ3));
        EXPECT_EQ("", form.At(LF_ASPJ4));
        EXPECT_EQ("新生銀行", form.At(LF_BANK_NAME1));
        EXPECT_EQ("現金手渡し", form.At(LF_PAY_METHOD1));
        EXPECT_EQ("27", form.At(LF_LOCATION));
        EXPECT_EQ("1", form.At(LF_INTL_OK));
        EXPECT_EQ("close", form.At(LF_SHIP_TIME));
        EXPECT_EQ("1", form.At(LF_YPK_OK));
        // Taken over and stored as the page's own: no question about them.
        EXPECT_FALSE(pages.dialog.GetSettingPage(CResubmitDetailSettingDialog::TabPayment)->IsUntouched());
        EXPECT_FALSE(pages.dialog.GetSettingPage(CResubmitDetailSettingDialog::TabShipping)->IsUntouched());
    }
    for (UINT nPage : {IDD_DETAIL_PAY, IDD_DETAIL_PAY_NORMAL, IDD_DETAIL_POST, IDD_DETAIL_POST_NORMAL})
        EXPECT_EQ("1", profile.Stored(nPage, "InheritRegVal")) << nPage;
    EXPECT_EQ("262144", profile.Stored(IDD_DETAIL_PAY, "Aspj"));
    EXPECT_EQ("5", profile.Stored(IDD_DETAIL_PAY_NORMAL, "Aspj"));
    EXPECT_EQ("(none)", profile.Stored(IDD_DETAIL_PAY_EASY, "InheritRegVal"));

    // A second start copies nothing.
    WriteDialogProfileInt(IDD_OLDER_POST_SETTINGS, "LocCd", 1);
    WriteDialogProfileString(IDD_OLDER_PAY_SETTINGS, "BankName01", "りそな銀行");
    CDetailPages again;
    CMarkedForm form;
    again.Sink().ApplyToListingForm(form, 0);
    EXPECT_EQ("27", form.At(LF_LOCATION));
    EXPECT_EQ("新生銀行", form.At(LF_BANK_NAME1));
}

TEST_F(DetailSettings, TheOlderPaymentMissingGivesTheServiceSettlementAlone)
{
    WriteDialogProfileInt(IDD_OLDER_PAY_SETTINGS, "PermanentStateVal", 1);
    CDetailPages pages;
    EXPECT_EQ("262144", profile.Stored(IDD_DETAIL_PAY, "Aspj"));
    EXPECT_EQ("1", profile.Stored(IDD_DETAIL_PAY_NORMAL, "Aspj"));
}

TEST_F(DetailSettings, NewSettingsAskOnceAboutTabsNeverOpened)
{
    StoreTypeNew();
    {
        CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
        Open(dlg);
        EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_RESUBMIT_TYPE_NEW));
        ASSERT_NE(nullptr, DetailPane(dlg));

        // "No" to the payment tab: the dialog stays, on that tab.
        boxes.nAnswer = IDNO;
        PressOK(dlg);
        EXPECT_TRUE(IsOpen(dlg));
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(LoadText(1100), boxes.texts[0]);
        EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), boxes.types[0]);
        EXPECT_EQ(CResubmitDetailSettingDialog::TabPayment, DetailPane(dlg)->GetCurSel());

        // The tab is shown now; the shipping tab still asks.
        boxes.texts.clear();
        boxes.nAnswer = IDYES;
        PressOK(dlg);
        EXPECT_FALSE(IsOpen(dlg));
        EXPECT_EQ((std::vector<std::string>{LoadText(1101)}), boxes.texts);
    }
    EXPECT_EQ("1", profile.Stored(IDD_RESUBMIT_SETTING, "ResubmitType"));

    // Yes is remembered: the next dialog asks nothing.
    boxes.texts.clear();
    CResubmitSettingDialog again(CResubmitSettingDialog::ModeSettings);
    Open(again);
    PressOK(again);
    EXPECT_FALSE(IsOpen(again));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(DetailSettings, TheWayKeptFromBeforeAsksNothing)
{
    CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
    Open(dlg);
    ClickControl(dlg.m_hWnd, IDC_RESUBMIT_TYPE_NEW);
    ASSERT_NE(nullptr, DetailPane(dlg));
    EXPECT_TRUE(DetailPane(dlg)->IsWindowVisible());
    ClickControl(dlg.m_hWnd, IDC_RESUBMIT_TYPE_KEEP);
    EXPECT_FALSE(DetailPane(dlg)->IsWindowVisible());
    // Both panes were shown and are read; the detailed one under the way
    // kept from before asks nothing.
    PressOK(dlg);
    EXPECT_FALSE(IsOpen(dlg));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ("0", profile.Stored(IDD_RESUBMIT_SETTING, "ResubmitType"));
    EXPECT_EQ("3", profile.Stored(IDD_DETAIL_PAY_NORMAL, "RegVersion"));
}

TEST_F(DetailSettings, TheWayClickedIsTheWaySaved)
{
    const struct
    {
        int stored;
        int click;
        const char* saved;
        std::vector<std::string> questions;
    } cases[] = {
        {0, IDC_RESUBMIT_TYPE_NEW, "1", {LoadText(1100), LoadText(1101)}},
        {1, IDC_RESUBMIT_TYPE_KEEP, "0", {}},
    };
    boxes.nAnswer = IDYES;
    for (const auto& c : cases)
    {
        boxes.texts.clear();
        WriteDialogProfileInt(IDD_RESUBMIT_SETTING, "ResubmitType", c.stored);
        CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
        Open(dlg);
        ClickControl(dlg.m_hWnd, c.click);
        PressOK(dlg);
        EXPECT_FALSE(IsOpen(dlg)) << c.click;
        EXPECT_EQ(c.questions, boxes.texts) << c.click;
        EXPECT_EQ(c.saved, profile.Stored(IDD_RESUBMIT_SETTING, "ResubmitType")) << c.click;
    }
}

TEST_F(DetailSettings, WrongEntriesAreRefusedWithTheirMessages)
{
    StoreTypeNew();
    const struct
    {
        int control;
        const char* text;
        std::string message;
    } cases[] = {
        {IDC_DETAIL_DURATION, "8", RangeMessage(1, 7)},
        {IDC_DETAIL_CLOSING_TIME, "24", RangeMessage(0, 23)},
        {IDC_DETAIL_NUM_RESUBMIT, "4", RangeMessage(0, 3)},
        {IDC_DETAIL_DURATION, "", RangeMessage(1, 7)},
    };
    for (const auto& c : cases)
    {
        boxes.texts.clear();
        CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
        Open(dlg);
        CResubmitDetailSettingDialog* pPane = DetailPane(dlg);
        ASSERT_NE(nullptr, pPane);
        ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabReturnPolicy);
        ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabBasic);
        SetControlText(pPane->m_hWnd, c.control, c.text);
        ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabReturnPolicy);
        PressOK(dlg);
        EXPECT_TRUE(IsOpen(dlg)) << c.control;
        ASSERT_FALSE(boxes.texts.empty()) << c.control;
        EXPECT_EQ(c.message, boxes.texts[0]) << c.control;
        EXPECT_EQ(CResubmitDetailSettingDialog::TabBasic, pPane->GetCurSel()) << c.control;
        EXPECT_EQ(FindControl(pPane->m_hWnd, c.control), focus.Last()) << c.control;
        dlg.DestroyWindow();
    }
    EXPECT_EQ("(none)", profile.Stored(IDD_DETAIL_BASIC, "Duration"));
}

TEST_F(DetailSettings, MarkdownWithoutResubmitsIsRefused)
{
    StoreTypeNew();
    CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
    Open(dlg);
    CResubmitDetailSettingDialog* pPane = DetailPane(dlg);
    ASSERT_NE(nullptr, pPane);
    for (int nTab = CResubmitDetailSettingDialog::TabReturnPolicy; nTab >= 0; --nTab)
        ClickDetailTab(*pPane, nTab);
    SetControlText(pPane->m_hWnd, IDC_DETAIL_NUM_RESUBMIT, "0");
    ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabMarkdown);
    ClickControl(pPane->m_hWnd, IDC_DETAIL_MARKDOWN_CHECK);
    ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabBasic);
    PressOK(dlg);
    EXPECT_TRUE(IsOpen(dlg));
    EXPECT_EQ((std::vector<std::string>{LoadText(1096)}), boxes.texts);
    EXPECT_EQ(CResubmitDetailSettingDialog::TabMarkdown, pPane->GetCurSel());
    EXPECT_EQ("(none)", profile.Stored(IDD_DETAIL_MARKDOWN, "ToggleVal"));
}

TEST_F(DetailSettings, PaymentNeedsTheServiceSettlementBeforeAnythingElse)
{
    StoreTypeNew();
    // The normal listing's payment offers nothing either: the settlement is
    // told first.
    WriteDialogProfileInt(IDD_DETAIL_PAY_NORMAL, "Aspj", 0);
    CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
    Open(dlg);
    CResubmitDetailSettingDialog* pPane = DetailPane(dlg);
    ASSERT_NE(nullptr, pPane);
    for (int nTab = CResubmitDetailSettingDialog::TabReturnPolicy; nTab >= 0; --nTab)
        ClickDetailTab(*pPane, nTab);
    ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabPayment);
    ClickControl(pPane->m_hWnd, IDC_DETAIL_PAY_SERVICE);
    EXPECT_FALSE(IsControlChecked(pPane->m_hWnd, IDC_DETAIL_PAY_SERVICE));
    ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabBasic);
    PressOK(dlg);
    EXPECT_TRUE(IsOpen(dlg));
    EXPECT_EQ((std::vector<std::string>{LoadText(1243)}), boxes.texts);
    EXPECT_EQ(CResubmitDetailSettingDialog::TabPayment, pPane->GetCurSel());
    EXPECT_EQ(FindControl(pPane->m_hWnd, IDC_DETAIL_PAY_SERVICE), focus.Last());

    // On again: the normal listing's payment is its own matter now.
    ClickControl(pPane->m_hWnd, IDC_DETAIL_PAY_SERVICE);
    boxes.texts.clear();
    PressOK(dlg);
    EXPECT_FALSE(IsOpen(dlg));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ("262144", profile.Stored(IDD_DETAIL_PAY, "Aspj"));
}

TEST_F(DetailSettings, TheNestedTabsLieOverTheirMarksAndKeepTheirChoices)
{
    StoreTypeNew();
    WriteDialogProfileInt(IDD_DETAIL_POST, "LocCd", 48);
    {
        CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
        Open(dlg);
        CResubmitDetailSettingDialog* pPane = DetailPane(dlg);
        ASSERT_NE(nullptr, pPane);
        for (int nTab : {CResubmitDetailSettingDialog::TabPayment, CResubmitDetailSettingDialog::TabShipping,
                         CResubmitDetailSettingDialog::TabBidLimit})
        {
            ClickDetailTab(*pPane, nTab);
            auto* pContainer = dynamic_cast<CResubmitDetailContainerAddOn*>(pPane->GetPage(nTab));
            ASSERT_NE(nullptr, pContainer);
            CResubmitDetailSettingSubDialog* pSub = pContainer->GetSubDialog();
            ASSERT_TRUE(pSub != nullptr && ::IsWindow(pSub->m_hWnd)) << nTab;
            EXPECT_TRUE(pSub->IsWindowVisible()) << nTab;
            const int nMark = nTab == CResubmitDetailSettingDialog::TabPayment    ? IDC_DETAIL_PAY_CHILD
                              : nTab == CResubmitDetailSettingDialog::TabShipping ? IDC_DETAIL_POST_CHILD
                                                                                  : IDC_DETAIL_BIDLIMIT_CHILD;
            CRect rcMark;
            CRect rcSub;
            pPane->GetPage(nTab)->GetDlgItem(nMark)->GetWindowRect(&rcMark);
            pSub->GetWindowRect(&rcSub);
            EXPECT_EQ(rcMark, rcSub) << nTab;
        }
        // The 48th place shows as such; another choice goes out as made.
        ClickDetailTab(*pPane, CResubmitDetailSettingDialog::TabShipping);
        HWND hPlaces = FindControl(pPane->m_hWnd, IDC_DETAIL_PREFECTURE);
        EXPECT_EQ(47, (int)::SendMessageA(hPlaces, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(48, (int)::SendMessageA(hPlaces, CB_GETCOUNT, 0, 0));
        ::SendMessageA(hPlaces, CB_SETCURSEL, 0, 0);
        // The easy-trading shipping sub-page shown and its schedule chosen.
        auto* pPost = dynamic_cast<CResubmitDetailContainerAddOn*>(
            pPane->GetPage(CResubmitDetailSettingDialog::TabShipping));
        ClickTab(pPost->GetSubDialog()->GetTabCtrl().m_hWnd, 1);
        ClickControl(pPane->m_hWnd, IDC_DETAIL_SCHEDULE_CHECK);
        ::SendMessageA(FindControl(pPane->m_hWnd, IDC_DETAIL_SCHEDULE), CB_SETCURSEL, 3, 0);
        boxes.nAnswer = IDYES;
        PressOK(dlg);
        EXPECT_FALSE(IsOpen(dlg));
    }
    EXPECT_EQ("1", profile.Stored(IDD_DETAIL_POST, "LocCd"));
    EXPECT_EQ("3", profile.Stored(IDD_DETAIL_POST_EASY, "ShipSchedule_Rev2"));
    EXPECT_EQ("16", profile.Stored(IDD_DETAIL_POST_EASY, "ToggleVal"));
    // The nested strip keeps the tab last shown.
    EXPECT_EQ("1", profile.Stored(IDD_DETAIL_POST_SUB, "SelectTab"));
}
