// The listing-settings dialog and its pages on templates in the client's
// place, driven by control id as a user would: OK checks the pages never
// shown and keeps the dialog on a page that refuses, wrong entries keep
// the focus where they are, the pages save every key and write their
// fields also without windows, "PermanentStateVal" is kept however the
// dialog ends; the payment page's lists and entry dialog, the contact
// link, the shipping page and the listing-options page.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestResources.h"
#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/ClipboardShell.h"
#include "app/DialogProfile.h"
#include "app/DialogTestUtil.h"
#include "app/ProfileTestUtil.h"
#include "auction/records/AuctionChargeOption.h"
#include "auction/settings/AuctionChargeOptionPage.h"
#include "auction/settings/AuctionListingForm.h"
#include "auction/settings/AuctionSubmitSettingBaseDialog.h"
#include "auction/settings/AuctionSubmitSettingBasicBasePage.h"
#include "auction/settings/AuctionSubmitSettingBidLimitBasePage.h"
#include "auction/settings/AuctionSubmitSettingMarkdownBasePage.h"
#include "auction/settings/AuctionSubmitSettingPayEasyTradingBasePage.h"
#include "auction/settings/AuctionSubmitSettingPayNormalSubmitBasePage.h"
#include "auction/settings/AuctionSubmitSettingPostBasePage.h"
#include "auction/settings/AuctionSubmitSettingReturnPolicyBasePage.h"
#include "auction/settings/PayMethodEntryDialog.h"
#include "net/ServiceHosts.h"
#include "text/Charset.h"

namespace
{
const char kRegistryKey[] = "Tanzo Submit Setting Dialog Test";

// A 0-terminated list of n string ids from first.
const UINT* Ids(UINT first, int n)
{
    static std::map<UINT, std::vector<UINT>> lists;
    std::vector<UINT>& ids = lists[first];
    if (ids.empty())
    {
        for (int i = 0; i < n; ++i)
            ids.push_back(first + i);
        ids.push_back(0);
    }
    return ids.data();
}

// What the pages ask of the client's side, and its answers.
template <class TBase> class CRecordingPage : public TBase
{
public:
    template <class... TArgs>
    explicit CRecordingPage(const char* lpszTitle, TArgs... args) : TBase(args...), m_strTitle(lpszTitle)
    {
    }
    void GetTitle(CString& strTitle) override { strTitle = m_strTitle; }
    void ShowInputError(int nWhich) override
    {
        m_calls.push_back("ShowInputError(" + std::to_string(nWhich) + ")");
    }
    int ConfirmPage(int nWhich) override
    {
        m_calls.push_back("ConfirmPage(" + std::to_string(nWhich) + ")");
        return m_nConfirmAnswer;
    }

    CString m_strTitle;
    std::vector<std::string> m_calls;
    int m_nConfirmAnswer = IDYES;
};

class CTestBasicPage : public CRecordingPage<CAuctionSubmitSettingBasicBasePage>
{
public:
    CTestBasicPage() : CRecordingPage("基本", IDD_TEST_BASIC_PAGE) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionSubmitSettingBasicBasePage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_DURATION, m_durationEdit);
        DDX_Control(pDX, IDC_TEST_DURATION_SPIN, m_durationSpin);
        DDX_Control(pDX, IDC_TEST_CLOSING_TIME, m_closingTimeEdit);
        DDX_Control(pDX, IDC_TEST_CLOSING_TIME_SPIN, m_closingTimeSpin);
        DDX_Control(pDX, IDC_TEST_NUM_RESUBMIT, m_numResubmitEdit);
        DDX_Control(pDX, IDC_TEST_NUM_RESUBMIT_SPIN, m_numResubmitSpin);
        DDX_Control(pDX, IDC_TEST_CLOSE_EARLY, m_closeEarlyCheck);
        DDX_Control(pDX, IDC_TEST_AUTO_EXTENSION, m_autoExtensionCheck);
    }
};

class CTestBidLimitPage : public CRecordingPage<CAuctionSubmitSettingBidLimitBasePage>
{
public:
    CTestBidLimitPage() : CRecordingPage("入札者制限", IDD_TEST_BIDLIMIT_PAGE, (DWORD)0x1, 0) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionSubmitSettingBidLimitBasePage::DoDataExchange(pDX);
        for (int i = 0; i < CheckCount; ++i)
            DDX_Control(pDX, IDC_TEST_BIDLIMIT_CHECK1 + i, m_checks[i]);
    }
};

typedef CRecordingPage<CAuctionSubmitSettingMarkdownBasePage> CTestMarkdownBase;
class CTestMarkdownPage : public CTestMarkdownBase
{
public:
    CTestMarkdownPage() : CTestMarkdownBase("値下げ", IDD_TEST_MARKDOWN_PAGE) {}
    const UINT* GetChoiceStringIds(int nWhich) override
    {
        return nWhich == 0 ? Ids(IDS_TEST_RATIO_FIRST, 6) : nullptr;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionSubmitSettingMarkdownBasePage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_MARKDOWN_CHECK, m_toggleCheck);
        DDX_Control(pDX, IDC_TEST_MARKDOWN_LABEL, m_ratioLabel);
        DDX_Control(pDX, IDC_TEST_MARKDOWN_RATIO, m_ratioCombo);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestMarkdownPage, CTestMarkdownBase)
ON_BN_CLICKED(IDC_TEST_MARKDOWN_CHECK, OnToggleChanged)
END_MESSAGE_MAP()

class CTestPayEasyPage : public CRecordingPage<CAuctionSubmitSettingPayEasyTradingBasePage>
{
public:
    explicit CTestPayEasyPage(int nMode = 0) : CRecordingPage("かんたん取引", IDD_TEST_PAY_EASY_PAGE, nMode)
    {
    }
    CURLStatic& Link() { return m_contactLink; }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionSubmitSettingPayEasyTradingBasePage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_PAY_EASY_BANK, m_bankCheck);
        DDX_Control(pDX, IDC_TEST_PAY_EASY_SERVICE, m_serviceCheck);
        DDX_Control(pDX, IDC_TEST_PAY_EASY_HINT, m_hint);
        DDX_Control(pDX, IDC_TEST_PAY_EASY_LINK, m_contactLink);
    }
};

typedef CRecordingPage<CAuctionSubmitSettingPayNormalSubmitBasePage> CTestPayNormalBase;
class CTestPayNormalPage : public CTestPayNormalBase
{
public:
    explicit CTestPayNormalPage(int nMode = 0) : CTestPayNormalBase("支払い", IDD_TEST_PAY_NORMAL_PAGE, nMode)
    {
    }
    UINT GetDeleteConfirmMessageId() override { return IDS_TEST_DELETE_QUESTION; }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionSubmitSettingPayNormalSubmitBasePage::DoDataExchange(pDX);
        for (int i = 0; i < CheckCount; ++i)
            DDX_Control(pDX, IDC_TEST_PAY_CHECK1 + i, m_checks[i]);
        DDX_Control(pDX, IDC_TEST_BANK_LABEL, m_bankLabel);
        DDX_Control(pDX, IDC_TEST_BANK_LIST, m_bankNames.m_list);
        DDX_Control(pDX, IDC_TEST_BANK_ADD, m_bankNames.m_addButton);
        DDX_Control(pDX, IDC_TEST_BANK_EDIT, m_bankNames.m_editButton);
        DDX_Control(pDX, IDC_TEST_BANK_DELETE, m_bankNames.m_deleteButton);
        DDX_Control(pDX, IDC_TEST_OTHER_LIST, m_otherMethods.m_list);
        DDX_Control(pDX, IDC_TEST_OTHER_ADD, m_otherMethods.m_addButton);
        DDX_Control(pDX, IDC_TEST_OTHER_EDIT, m_otherMethods.m_editButton);
        DDX_Control(pDX, IDC_TEST_OTHER_DELETE, m_otherMethods.m_deleteButton);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestPayNormalPage, CTestPayNormalBase)
ON_BN_CLICKED(IDC_TEST_PAY_CHECK1, OnBankListChanged)
ON_LBN_SELCHANGE(IDC_TEST_BANK_LIST, OnBankListChanged)
ON_LBN_SELCHANGE(IDC_TEST_OTHER_LIST, OnOtherListChanged)
END_MESSAGE_MAP()

class CTestEntryDialog : public CPayMethodEntryDialog
{
public:
    CTestEntryDialog() : CPayMethodEntryDialog(IDD_TEST_PAY_ENTRY) {}
    LPCTSTR GetHistoryKeyFormat() override { return "PayHistory%02d"; }
    UINT GetTitleStringId() override { return 0; }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CPayMethodEntryDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_PAY_ENTRY_COMBO, m_combo);
    }
};

typedef CRecordingPage<CAuctionSubmitSettingPostBasePage> CTestPostBase;
class CTestPostPage : public CTestPostBase
{
public:
    CTestPostPage() : CTestPostBase("発送", IDD_TEST_POST_PAGE, (DWORD)CSubmitPostSettings::OptionSchedule, 0)
    {
    }
    const UINT* GetChoiceStringIds(int nWhich) override
    {
        switch (nWhich)
        {
        case ChoiceSellerPays:
            return Ids(IDS_TEST_SELLER_PAYS_FIRST, 2);
        case ChoiceShipTime:
            return Ids(IDS_TEST_SHIP_TIME_FIRST, 2);
        case ChoiceSchedule:
            return Ids(IDS_TEST_SCHEDULE_FIRST, 4);
        case ChoicePrefecture:
            return Ids(IDS_TEST_PREFECTURE_FIRST, 47);
        default:
            return nullptr;
        }
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionSubmitSettingPostBasePage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_SELLER_PAYS, m_sellerPaysCombo);
        DDX_Control(pDX, IDC_TEST_PREFECTURE, m_prefectureCombo);
        DDX_Control(pDX, IDC_TEST_CITY, m_cityEdit);
        DDX_Control(pDX, IDC_TEST_INTERNATIONAL, m_internationalCheck);
        DDX_Control(pDX, IDC_TEST_SHIP_TIME, m_shipTimeCombo);
        DDX_Control(pDX, IDC_TEST_DELIVERY_OPTION, m_deliveryOptionCheck);
        DDX_Control(pDX, IDC_TEST_SCHEDULE_CHECK, m_scheduleCheck);
        DDX_Control(pDX, IDC_TEST_SCHEDULE, m_scheduleCombo);
        DDX_Control(pDX, IDC_TEST_SCHEDULE_LABEL1, m_scheduleLabel1);
        DDX_Control(pDX, IDC_TEST_SCHEDULE_LABEL2, m_scheduleLabel2);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestPostPage, CTestPostBase)
ON_BN_CLICKED(IDC_TEST_SCHEDULE_CHECK, OnScheduleToggled)
END_MESSAGE_MAP()

class CTestReturnPage : public CRecordingPage<CAuctionSubmitSettingReturnPolicyBasePage>
{
public:
    CTestReturnPage() : CRecordingPage("返品", IDD_TEST_RETURN_PAGE) {}
    const UINT* GetChoiceStringIds(int nWhich) override
    {
        return nWhich == 0 ? Ids(IDS_TEST_RETURN_FIRST, 2) : nullptr;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionSubmitSettingReturnPolicyBasePage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_RETURN_POLICY, m_policyCombo);
        DDX_Control(pDX, IDC_TEST_RETURN_NOTE, m_noteEdit);
    }
};

class CTestChargePage : public CAuctionChargeOptionPage
{
public:
    CTestChargePage() : CAuctionChargeOptionPage(IDD_TEST_CHARGE_PAGE) {}
    void GetTitle(CString& strTitle) override { strTitle = "オプション"; }
    CAuctionChargeOption* GetChargeOption() override { return &m_option; }
    const UINT* GetGiftIconStringIds() override { return Ids(IDS_TEST_GIFT_FIRST, 7); }
    BOOL StoreChargeOption() override { return TRUE; }
    BOOL Validate(CTabbedDialog*) override { return TRUE; }

    CAuctionChargeOption m_option;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionChargeOptionPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_FEATURED_LABEL, m_featuredLabel);
        DDX_Control(pDX, IDC_TEST_RESERVE_LABEL, m_reserveLabel);
        DDX_Control(pDX, IDC_TEST_CPA_LABEL, m_cpaLabel);
        DDX_Control(pDX, IDC_TEST_FEATURED_CHECK, m_featuredCheck);
        DDX_Control(pDX, IDC_TEST_RESERVE_CHECK, m_reserveCheck);
        DDX_Control(pDX, IDC_TEST_GIFT_CHECK, m_giftCheck);
        DDX_Control(pDX, IDC_TEST_CPA_CHECK, m_cpaCheck);
        DDX_Control(pDX, IDC_TEST_BOLD_CHECK, m_boldCheck);
        DDX_Control(pDX, IDC_TEST_HIGHLIGHT_CHECK, m_highlightCheck);
        DDX_Control(pDX, IDC_TEST_WRAPPING_CHECK, m_wrappingCheck);
        DDX_Control(pDX, IDC_TEST_AFFILIATE_CHECK, m_affiliateCheck);
        DDX_Control(pDX, IDC_TEST_FEATURED_EDIT, m_featuredEdit);
        DDX_Control(pDX, IDC_TEST_RESERVE_EDIT, m_reserveEdit);
        DDX_Control(pDX, IDC_TEST_GIFT_COMBO, m_giftCombo);
        DDX_Control(pDX, IDC_TEST_CPA_EDIT, m_cpaEdit);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestChargePage, CAuctionChargeOptionPage)
ON_BN_CLICKED(IDC_TEST_FEATURED_CHECK, OnFeaturedCheck)
ON_BN_CLICKED(IDC_TEST_RESERVE_CHECK, OnReserveCheck)
ON_BN_CLICKED(IDC_TEST_GIFT_CHECK, OnGiftCheck)
ON_BN_CLICKED(IDC_TEST_CPA_CHECK, OnCpaCheck)
END_MESSAGE_MAP()

// The pages of every kind, in the order of the client's dialog, and one
// tab that is no settings page.
enum Tab
{
    TabBasic,
    TabBidLimit,
    TabMarkdown,
    TabPayEasy,
    TabPayNormal,
    TabPost,
    TabReturn,
    TabCharge
};

class CTestSettingsDialog : public CAuctionSubmitSettingBaseDialog
{
public:
    explicit CTestSettingsDialog(std::vector<Tab> tabs = {TabBasic, TabBidLimit, TabMarkdown, TabPayEasy,
                                                          TabPayNormal, TabPost, TabReturn, TabCharge})
        : CAuctionSubmitSettingBaseDialog(IDD_TEST_SETTINGS, IDC_TEST_SETTINGS_TABS, 0),
          m_tabs(std::move(tabs))
    {
    }
    void AddPages() override
    {
        for (Tab tab : m_tabs)
        {
            switch (tab)
            {
            case TabBasic:
                AddPage(new CTestBasicPage);
                break;
            case TabBidLimit:
                AddPage(new CTestBidLimitPage);
                break;
            case TabMarkdown:
                AddPage(new CTestMarkdownPage);
                break;
            case TabPayEasy:
                AddPage(new CTestPayEasyPage);
                break;
            case TabPayNormal:
                AddPage(new CTestPayNormalPage);
                break;
            case TabPost:
                AddPage(new CTestPostPage);
                break;
            case TabReturn:
                AddPage(new CTestReturnPage);
                break;
            case TabCharge:
                AddPage(new CTestChargePage);
                break;
            }
        }
    }
    template <class TPage> TPage* Page(Tab tab)
    {
        for (size_t i = 0; i < m_tabs.size(); ++i)
        {
            if (m_tabs[i] == tab)
                return dynamic_cast<TPage*>(GetPage((int)i));
        }
        return nullptr;
    }
    // The calls a page made, by tab.
    std::vector<std::string>& Calls(Tab tab)
    {
        switch (tab)
        {
        case TabBasic:
            return Page<CTestBasicPage>(tab)->m_calls;
        case TabBidLimit:
            return Page<CTestBidLimitPage>(tab)->m_calls;
        case TabMarkdown:
            return Page<CTestMarkdownPage>(tab)->m_calls;
        case TabPayEasy:
            return Page<CTestPayEasyPage>(tab)->m_calls;
        case TabPayNormal:
            return Page<CTestPayNormalPage>(tab)->m_calls;
        case TabPost:
            return Page<CTestPostPage>(tab)->m_calls;
        default:
            return Page<CTestReturnPage>(TabReturn)->m_calls;
        }
    }
    void SetConfirmAnswers(int nAnswer)
    {
        for (int i = 0; i < GetPageCount(); ++i)
        {
            if (auto* pPage = dynamic_cast<CTestBasicPage*>(GetPage(i)))
                pPage->m_nConfirmAnswer = nAnswer;
            else if (auto* pBid = dynamic_cast<CTestBidLimitPage*>(GetPage(i)))
                pBid->m_nConfirmAnswer = nAnswer;
            else if (auto* pMarkdown = dynamic_cast<CTestMarkdownPage*>(GetPage(i)))
                pMarkdown->m_nConfirmAnswer = nAnswer;
            else if (auto* pEasy = dynamic_cast<CTestPayEasyPage*>(GetPage(i)))
                pEasy->m_nConfirmAnswer = nAnswer;
            else if (auto* pNormal = dynamic_cast<CTestPayNormalPage*>(GetPage(i)))
                pNormal->m_nConfirmAnswer = nAnswer;
            else if (auto* pPost = dynamic_cast<CTestPostPage*>(GetPage(i)))
                pPost->m_nConfirmAnswer = nAnswer;
            else if (auto* pReturn = dynamic_cast<CTestReturnPage*>(GetPage(i)))
                pReturn->m_nConfirmAnswer = nAnswer;
        }
    }
    void ClickTab(int nIndex) { ::ClickTab(m_tabCtrl.m_hWnd, nIndex); }
    // A click on OK takes the focus there first.
    void PressOK()
    {
        GotoDlgCtrl(GetDlgItem(IDOK));
        SendMessage(WM_COMMAND, IDOK, 0);
    }
    BOOL IsOpen() { return ::IsWindow(m_hWnd) && IsWindowVisible(); }

    std::vector<Tab> m_tabs;
};

std::string Text(CWnd* pPage, int nID)
{
    CString strText;
    pPage->GetDlgItemText(nID, strText);
    return (LPCTSTR)strText;
}

// What a click on a check box does: the mark flips and the page is told.
void Tick(CWnd* pPage, int nID, BOOL bChecked)
{
    pPage->CheckDlgButton(nID, bChecked ? BST_CHECKED : BST_UNCHECKED);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)pPage->GetDlgItem(nID)->m_hWnd);
}

BOOL IsEnabled(CWnd* pPage, int nID)
{
    return pPage->GetDlgItem(nID)->IsWindowEnabled();
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

// The selected row's text of a list box.
std::string SelectedRow(CWnd* pPage, int nID)
{
    auto* pList = (CListBox*)pPage->GetDlgItem(nID);
    CString strText;
    if (pList->GetCurSel() >= 0)
        pList->GetText(pList->GetCurSel(), strText);
    return (LPCTSTR)strText;
}

std::vector<std::string> g_boxes;
int g_nBoxAnswer = IDOK;

int RecordBox(LPCTSTR lpszText, UINT, void*)
{
    g_boxes.push_back(lpszText);
    return g_nBoxAnswer;
}

std::vector<std::string> g_opened;

INT_PTR RecordOpen(LPCTSTR lpszTarget, HWND)
{
    g_opened.push_back(lpszTarget);
    return 42;
}

class SubmitSettingDialog : public ::testing::Test
{
protected:
    SubmitSettingDialog()
    {
        AfxProfileDelete(CString("Software\\") + kRegistryKey, nullptr);
        app.SetRegistryKey(kRegistryKey);
        g_boxes.clear();
        g_nBoxAnswer = IDOK;
        g_opened.clear();
        m_pfnOldBox = AfxSetMessageBoxHook(RecordBox);
        m_pfnOldOpen = SetShellOpenHook(RecordOpen);
    }
    ~SubmitSettingDialog() override
    {
        PumpPending();
        AfxSetMessageBoxHook(m_pfnOldBox);
        SetShellOpenHook(m_pfnOldOpen);
        ResetServiceOrigins();
        AfxProfileDelete(CString("Software\\") + kRegistryKey, nullptr);
    }

    std::string Stored(UINT nPage, LPCTSTR lpszKey)
    {
        return StoredProfileValue(app, GetDialogProfileSection(nPage), lpszKey);
    }
    static void Open(CTestSettingsDialog& dlg)
    {
        ASSERT_TRUE(dlg.CreateModeless(nullptr));
        dlg.SetWindowPos(&CWnd::wndTop, 30, 30, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    }

    CWinApp app{"SubmitSettingDialogTest"};
    CFocusRecorder focus;
    AFX_MESSAGEBOX_HOOK m_pfnOldBox = nullptr;
    SHELL_OPEN_HOOK m_pfnOldOpen = nullptr;
};
} // namespace

TEST_F(SubmitSettingDialog, OkAsksAboutPagesNeverShownAndARefusalStaysThere)
{
    {
        CTestSettingsDialog dlg;
        Open(dlg);
        dlg.Page<CTestBidLimitPage>(TabBidLimit)->m_nConfirmAnswer = IDNO;
        dlg.PressOK();
        EXPECT_TRUE(dlg.IsOpen());
        EXPECT_EQ(TabBidLimit, dlg.GetCurSel());
        EXPECT_TRUE(dlg.Calls(TabBasic).empty()); // shown: its controls are read
        EXPECT_EQ((std::vector<std::string>{"ConfirmPage(0)"}), dlg.Calls(TabBidLimit));
        EXPECT_TRUE(dlg.Calls(TabMarkdown).empty());

        // Shown now, the page no longer asks; every other page asks once.
        dlg.Calls(TabBidLimit).clear();
        dlg.PressOK();
        EXPECT_FALSE(dlg.IsOpen());
        EXPECT_TRUE(dlg.Calls(TabBidLimit).empty());
        for (Tab tab : {TabMarkdown, TabPayEasy, TabPayNormal, TabPost, TabReturn})
            EXPECT_EQ((std::vector<std::string>{"ConfirmPage(0)"}), dlg.Calls(tab)) << tab;

        dlg.SaveAllPages();
        dlg.DestroyWindow();
        // Not before the pages are gone.
        EXPECT_EQ("(none)", Stored(IDD_TEST_BASIC_PAGE, "PermanentStateVal"));
    }
    const struct
    {
        UINT nPage;
        const char* key;
        const char* value;
    } stored[] = {
        {IDD_TEST_BASIC_PAGE, "ToggleVal", "3"},
        {IDD_TEST_BASIC_PAGE, "Duration", "5"},
        {IDD_TEST_BASIC_PAGE, "ClosingTime", "21"},
        {IDD_TEST_BASIC_PAGE, "NumResubmit", "3"},
        {IDD_TEST_BASIC_PAGE, "PermanentStateVal", "1"},
        {IDD_TEST_BIDLIMIT_PAGE, "ToggleVal", "3"},
        {IDD_TEST_BIDLIMIT_PAGE, "PermanentStateVal", "1"},
        {IDD_TEST_MARKDOWN_PAGE, "ToggleVal", "0"},
        {IDD_TEST_MARKDOWN_PAGE, "MarkdownRatio", "0"},
        {IDD_TEST_MARKDOWN_PAGE, "PermanentStateVal", "0"},
        {IDD_TEST_PAY_EASY_PAGE, "Aspj", "262145"},
        {IDD_TEST_PAY_NORMAL_PAGE, "Aspj", "262145"},
        {IDD_TEST_PAY_NORMAL_PAGE, "BankName01", ""},
        {IDD_TEST_PAY_NORMAL_PAGE, "BankName10", ""},
        {IDD_TEST_PAY_NORMAL_PAGE, "OtherPayMethod10", ""},
        {IDD_TEST_POST_PAGE, "ShipSchedule_Rev2", "0"},
        {IDD_TEST_POST_PAGE, "ShipTime", "(none)"},
        {IDD_TEST_POST_PAGE, "Shipping", "0"},
        {IDD_TEST_POST_PAGE, "LocCd", "13"},
        {IDD_TEST_POST_PAGE, "City", ""},
        {IDD_TEST_POST_PAGE, "ToggleVal", "0"},
        {IDD_TEST_RETURN_PAGE, "ReturnPolicy", "0"},
        {IDD_TEST_RETURN_PAGE, "ReturnPolicyNote", ""},
        {IDD_TEST_CHARGE_PAGE, "RegVersion", "(none)"},
    };
    for (const auto& s : stored)
        EXPECT_EQ(s.value, Stored(s.nPage, s.key)) << s.nPage << " " << s.key;
    for (UINT nPage :
         {IDD_TEST_BASIC_PAGE, IDD_TEST_BIDLIMIT_PAGE, IDD_TEST_MARKDOWN_PAGE, IDD_TEST_PAY_EASY_PAGE,
          IDD_TEST_PAY_NORMAL_PAGE, IDD_TEST_POST_PAGE, IDD_TEST_RETURN_PAGE})
        EXPECT_EQ("3", Stored(nPage, "RegVersion")) << nPage;

    // Saved by this version with the defaults: the pages never shown ask
    // again; those once shown never do.
    WriteDialogProfileInt(IDD_TEST_SETTINGS, "SelectTab", TabBasic);
    CTestSettingsDialog again;
    Open(again);
    again.PressOK();
    EXPECT_FALSE(again.IsOpen());
    EXPECT_TRUE(again.Calls(TabBidLimit).empty());
    EXPECT_EQ((std::vector<std::string>{"ConfirmPage(0)"}), again.Calls(TabMarkdown));
    again.DestroyWindow();
}

TEST_F(SubmitSettingDialog, PermanentStateIsKeptAlsoAfterCancel)
{
    {
        CTestSettingsDialog dlg;
        Open(dlg);
        dlg.ClickTab(TabMarkdown);
        dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(dlg.IsOpen());
        dlg.DestroyWindow();
    }
    EXPECT_EQ("1", Stored(IDD_TEST_MARKDOWN_PAGE, "PermanentStateVal"));
    EXPECT_EQ("0", Stored(IDD_TEST_POST_PAGE, "PermanentStateVal"));
    EXPECT_EQ("(none)", Stored(IDD_TEST_MARKDOWN_PAGE, "ToggleVal"));
    EXPECT_EQ("(none)", Stored(IDD_TEST_MARKDOWN_PAGE, "RegVersion"));

    // Once shown, in whatever run, the page counts as seen.
    WriteDialogProfileInt(IDD_TEST_SETTINGS, "SelectTab", TabBasic);
    CTestSettingsDialog again;
    Open(again);
    again.PressOK();
    EXPECT_TRUE(again.Calls(TabMarkdown).empty());
    EXPECT_EQ((std::vector<std::string>{"ConfirmPage(0)"}), again.Calls(TabPost));
    again.DestroyWindow();
}

TEST_F(SubmitSettingDialog, ASpinThatCannotReadItsEditKeepsTheFocusThere)
{
    const struct
    {
        int nEdit;
        const char* text;
        const char* error;
    } cases[] = {
        {IDC_TEST_DURATION, "9", "ShowInputError(0)"},
        {IDC_TEST_CLOSING_TIME, "24", "ShowInputError(1)"},
        {IDC_TEST_NUM_RESUBMIT, "4", "ShowInputError(2)"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        CTestSettingsDialog dlg({TabBasic, TabMarkdown});
        Open(dlg);
        CTestBasicPage* pBasic = dlg.Page<CTestBasicPage>(TabBasic);
        pBasic->SetDlgItemText(c.nEdit, c.text);
        dlg.PressOK();
        EXPECT_TRUE(dlg.IsOpen());
        EXPECT_EQ((std::vector<std::string>{c.error}), pBasic->m_calls);
        CWnd* pEdit = pBasic->GetDlgItem(c.nEdit);
        EXPECT_EQ(pEdit->m_hWnd, focus.Last());
        EXPECT_EQ(MAKELONG(0, (WORD)strlen(c.text)), (DWORD)pEdit->SendMessage(EM_GETSEL));
        if (c.nEdit == IDC_TEST_NUM_RESUBMIT)
        {
            EXPECT_EQ(3, dlg.GetNumResubmit());
        }
        dlg.DestroyWindow();
    }
}

TEST_F(SubmitSettingDialog, MarkdownNeedsAutomaticResubmits)
{
    CTestSettingsDialog dlg({TabBasic, TabMarkdown});
    Open(dlg);
    dlg.ClickTab(1);
    CTestMarkdownPage* pMarkdown = dlg.Page<CTestMarkdownPage>(TabMarkdown);
    EXPECT_FALSE(IsEnabled(pMarkdown, IDC_TEST_MARKDOWN_RATIO));
    EXPECT_EQ(6, (int)pMarkdown->SendDlgItemMessage(IDC_TEST_MARKDOWN_RATIO, CB_GETCOUNT));
    Tick(pMarkdown, IDC_TEST_MARKDOWN_CHECK, TRUE);
    EXPECT_TRUE(IsEnabled(pMarkdown, IDC_TEST_MARKDOWN_RATIO));
    EXPECT_TRUE(IsEnabled(pMarkdown, IDC_TEST_MARKDOWN_LABEL));
    pMarkdown->SendDlgItemMessage(IDC_TEST_MARKDOWN_RATIO, CB_SETCURSEL, 3);

    CTestBasicPage* pBasic = dlg.Page<CTestBasicPage>(TabBasic);
    pBasic->SetDlgItemText(IDC_TEST_NUM_RESUBMIT, "0");
    dlg.PressOK();
    EXPECT_TRUE(dlg.IsOpen());
    EXPECT_EQ(1, dlg.GetCurSel());
    EXPECT_EQ((std::vector<std::string>{"ShowInputError(0)"}), pMarkdown->m_calls);
    EXPECT_EQ(pMarkdown->GetDlgItem(IDC_TEST_MARKDOWN_CHECK)->m_hWnd, focus.Last());

    pMarkdown->m_calls.clear();
    pBasic->SetDlgItemText(IDC_TEST_NUM_RESUBMIT, "2");
    pMarkdown->m_nConfirmAnswer = IDNO;
    dlg.PressOK();
    EXPECT_TRUE(dlg.IsOpen());
    EXPECT_EQ((std::vector<std::string>{"ConfirmPage(1)"}), pMarkdown->m_calls);

    pMarkdown->m_nConfirmAnswer = IDYES;
    dlg.PressOK();
    EXPECT_FALSE(dlg.IsOpen());
    CAuctionListingForm form(nullptr, CHARSET_UTF8);
    pMarkdown->Apply(form);
    EXPECT_EQ(CString("1"), form.GetAt(LF_MARKDOWN));
    EXPECT_EQ(CString("20"), form.GetAt(LF_MARKDOWN_RATIO));
    dlg.DestroyWindow();

    // Without a basic page nothing is refused: the user is asked.
    CTestSettingsDialog alone({TabMarkdown});
    Open(alone);
    CTestMarkdownPage* pAlone = alone.Page<CTestMarkdownPage>(TabMarkdown);
    Tick(pAlone, IDC_TEST_MARKDOWN_CHECK, TRUE);
    alone.PressOK();
    EXPECT_EQ((std::vector<std::string>{"ConfirmPage(1)"}), pAlone->m_calls);
    EXPECT_EQ(-1, alone.GetNumResubmit());
    alone.DestroyWindow();
}

TEST_F(SubmitSettingDialog, PagesWithoutWindowsWriteTheirFields)
{
    WriteDialogProfileInt(IDD_TEST_BASIC_PAGE, "Duration", 7);
    WriteDialogProfileInt(IDD_TEST_BASIC_PAGE, "NumResubmit", 1);
    WriteDialogProfileInt(IDD_TEST_MARKDOWN_PAGE, "ToggleVal", 1);
    WriteDialogProfileInt(IDD_TEST_MARKDOWN_PAGE, "MarkdownRatio", 2);
    WriteDialogProfileInt(IDD_TEST_POST_PAGE, "LocCd", 48); // past the page's 47 prefectures
    WriteDialogProfileString(IDD_TEST_RETURN_PAGE, "ReturnPolicyNote", "到着後3日以内");
    CTestSettingsDialog dlg;
    dlg.AddPages();
    EXPECT_EQ(1, dlg.GetNumResubmit());
    EXPECT_EQ(nullptr, dlg.GetSettingPage(TabCharge));
    EXPECT_EQ(nullptr, dlg.GetSettingPage(99));
    CAuctionListingForm form(nullptr, CHARSET_UTF8);
    for (int i = 0; i < dlg.GetPageCount(); ++i)
    {
        if (CAuctionSubmitSettingBasePage* pPage = dlg.GetSettingPage(i))
        {
            EXPECT_TRUE(pPage->Apply(form)) << i;
        }
    }
    const struct
    {
        int nField;
        const char* value;
    } fields[] = {
        {LF_DURATION, "7"},        {LF_NUM_RESUBMIT, "1"},       {LF_CLOSE_EARLY, "yes"},
        {LF_MIN_BID_RATING, "0"},  {LF_BAD_RATING_RATIO, "yes"}, {LF_SALES_CONTRACT, ""},
        {LF_MARKDOWN, "1"},        {LF_MARKDOWN_RATIO, "15"},    {LF_YPM_OK, "1"},
        {LF_ASPJ1, "yes"},         {LF_SHIPPING, "buyer"},       {LF_LOCATION, "13"},
        {LF_SHIP_TIME, "payment"}, {LF_RETURN_POLICY, "0"},      {LF_RETURN_POLICY_COMMENT, "到着後3日以内"},
    };
    for (const auto& f : fields)
        EXPECT_EQ(CString(f.value), form.GetAt(f.nField)) << f.nField;
    EXPECT_EQ(CAuctionListingForm::BankIdCopy, form.GetBankIdInputMode());

    // Defaults without windows, too.
    dlg.ResetAllPagesToDefaults();
    EXPECT_EQ(3, dlg.GetNumResubmit());
    EXPECT_TRUE(dlg.GetSettingPage(TabMarkdown)->IsDefault());
}

TEST_F(SubmitSettingDialog, PaymentListsTakeTenNamesThroughTheEntryDialog)
{
    CTestSettingsDialog dlg({TabPayNormal});
    Open(dlg);
    CTestPayNormalPage* pPage = dlg.Page<CTestPayNormalPage>(TabPayNormal);
    CListBox* pBanks = (CListBox*)pPage->GetDlgItem(IDC_TEST_BANK_LIST);
    EXPECT_TRUE(IsEnabled(pPage, IDC_TEST_BANK_ADD));
    EXPECT_FALSE(IsEnabled(pPage, IDC_TEST_BANK_EDIT)); // nothing selected
    for (int i = 1; i <= 11; ++i)
    {
        CString strName;
        strName.Format("銀行%d", i);
        pPage->AddListText(strName);
        EXPECT_EQ(i < 10, IsEnabled(pPage, IDC_TEST_BANK_ADD)) << i;
    }
    EXPECT_EQ(10, pBanks->GetCount());
    EXPECT_EQ(9, pBanks->GetCurSel());
    EXPECT_TRUE(IsEnabled(pPage, IDC_TEST_BANK_DELETE));

    // Deleting asks with the row's text; No keeps it.
    g_nBoxAnswer = IDNO;
    pPage->OnDeleteBankName();
    EXPECT_EQ((std::vector<std::string>{"「銀行10」を削除しますか?"}), g_boxes);
    EXPECT_EQ(10, pBanks->GetCount());
    g_nBoxAnswer = IDYES;
    pPage->OnDeleteBankName();
    EXPECT_EQ(9, pBanks->GetCount());
    EXPECT_EQ(8, pBanks->GetCurSel()); // the new last row
    EXPECT_TRUE(IsEnabled(pPage, IDC_TEST_BANK_ADD));

    // Without bank transfer the bank names are out of use.
    Tick(pPage, IDC_TEST_PAY_CHECK1, FALSE);
    for (int nID : {IDC_TEST_BANK_LABEL, IDC_TEST_BANK_LIST, IDC_TEST_BANK_ADD, IDC_TEST_BANK_EDIT,
                    IDC_TEST_BANK_DELETE})
        EXPECT_FALSE(IsEnabled(pPage, nID)) << nID;
    Tick(pPage, IDC_TEST_PAY_CHECK1, TRUE);

    // The entry dialog refuses an empty text and stays open.
    g_boxes.clear();
    g_nBoxAnswer = IDOK;
    CTestEntryDialog entry;
    BOOL bRefused = FALSE;
    CallWhenShown(&entry.m_hWnd,
                  [&]
                  {
                      entry.SetDlgItemText(IDC_TEST_PAY_ENTRY_COMBO, "");
                      entry.GotoDlgCtrl(entry.GetDlgItem(IDOK));
                      entry.SendMessage(WM_COMMAND, IDOK, 0);
                      bRefused =
                          ::IsWindowVisible(entry.m_hWnd) &&
                          focus.Last() ==
                              ::GetWindow(entry.GetDlgItem(IDC_TEST_PAY_ENTRY_COMBO)->m_hWnd, GW_CHILD);
                      entry.SetDlgItemText(IDC_TEST_PAY_ENTRY_COMBO, "郵便振替");
                      entry.SendMessage(WM_COMMAND, IDOK, 0);
                  });
    pPage->OnAddOtherMethod(entry);
    EXPECT_TRUE(bRefused);
    EXPECT_EQ((std::vector<std::string>{"何も入力されていません。"}), g_boxes);
    EXPECT_EQ("郵便振替", SelectedRow(pPage, IDC_TEST_OTHER_LIST));
    EXPECT_EQ("郵便振替",
              StoredProfileValue(app, GetDialogProfileSection(IDD_TEST_PAY_ENTRY), "PayHistory01"));

    // A change replaces the selected row in its place.
    std::string shown;
    CTestEntryDialog change;
    CallWhenShown(&change.m_hWnd,
                  [&]
                  {
                      shown = Text(&change, IDC_TEST_PAY_ENTRY_COMBO);
                      change.SetDlgItemText(IDC_TEST_PAY_ENTRY_COMBO, "定額小為替");
                      change.SendMessage(WM_COMMAND, IDOK, 0);
                  });
    pPage->OnEditOtherMethod(change);
    EXPECT_EQ("郵便振替", shown);
    EXPECT_EQ(CPayMethodEntryDialog::EditChange, change.GetEditFlag());
    CListBox* pOthers = (CListBox*)pPage->GetDlgItem(IDC_TEST_OTHER_LIST);
    ASSERT_EQ(1, pOthers->GetCount());
    EXPECT_EQ(0, pOthers->GetCurSel());

    dlg.PressOK();
    EXPECT_FALSE(dlg.IsOpen());
    dlg.SaveAllPages();
    EXPECT_EQ("銀行1", Stored(IDD_TEST_PAY_NORMAL_PAGE, "BankName01"));
    EXPECT_EQ("銀行9", Stored(IDD_TEST_PAY_NORMAL_PAGE, "BankName09"));
    EXPECT_EQ("", Stored(IDD_TEST_PAY_NORMAL_PAGE, "BankName10"));
    EXPECT_EQ("定額小為替", Stored(IDD_TEST_PAY_NORMAL_PAGE, "OtherPayMethod01"));
    dlg.DestroyWindow();
}

TEST_F(SubmitSettingDialog, NormalPaymentWantsSomeWayToPay)
{
    CTestSettingsDialog dlg({TabPayNormal});
    Open(dlg);
    CTestPayNormalPage* pPage = dlg.Page<CTestPayNormalPage>(TabPayNormal);
    for (int i = 0; i < 4; ++i)
        Tick(pPage, IDC_TEST_PAY_CHECK1 + i, FALSE);
    dlg.PressOK();
    EXPECT_TRUE(dlg.IsOpen());
    EXPECT_EQ((std::vector<std::string>{"ShowInputError(0)"}), pPage->m_calls);
    EXPECT_EQ(pPage->GetDlgItem(IDC_TEST_PAY_CHECK1 + 3)->m_hWnd, focus.Last());
    EXPECT_FALSE(IsEnabled(pPage, IDC_TEST_BANK_LIST));

    // Another method of payment will do.
    pPage->SendDlgItemMessage(IDC_TEST_OTHER_LIST, LB_ADDSTRING, 0, (LPARAM) "現金書留");
    dlg.PressOK();
    EXPECT_FALSE(dlg.IsOpen());
    EXPECT_FALSE(pPage->HasNoPaymentChoice());
    dlg.DestroyWindow();
}

TEST_F(SubmitSettingDialog, ContactLinkOpensTheConfiguredOrigin)
{
    ASSERT_TRUE(SetServiceOrigin(HostContact, "http://127.0.0.1:4999"));
    const CString strURL = "http://127.0.0.1:4999/setting/top?fnavi=2";
    CTestSettingsDialog dlg({TabPayEasy});
    Open(dlg);
    CTestPayEasyPage* pPage = dlg.Page<CTestPayEasyPage>(TabPayEasy);
    CURLStatic& link = pPage->Link();
    CString strLink, strText;
    link.GetLinkUrl(strLink);
    link.GetText(strText);
    EXPECT_EQ(strURL, strLink);
    EXPECT_EQ(strURL, strText);
    pPage->AddContactLinkTooltip();
    link.UpdateWindow();
    const CRect rcText = link.GetTextRect();
    ASSERT_FALSE(rcText.IsRectEmpty());
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcText.left + 2, rcText.CenterPoint().y));
    link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcText.left + 2, rcText.CenterPoint().y));
    EXPECT_EQ((std::vector<std::string>{(LPCTSTR)strURL}), g_opened);

    // In mode 0 one of the two must stay ticked.
    Tick(pPage, IDC_TEST_PAY_EASY_BANK, FALSE);
    Tick(pPage, IDC_TEST_PAY_EASY_SERVICE, FALSE);
    dlg.PressOK();
    EXPECT_EQ((std::vector<std::string>{"ShowInputError(0)"}), pPage->m_calls);
    EXPECT_EQ(pPage->GetDlgItem(IDC_TEST_PAY_EASY_SERVICE)->m_hWnd, focus.Last());
    Tick(pPage, IDC_TEST_PAY_EASY_BANK, TRUE);
    dlg.PressOK();
    EXPECT_FALSE(dlg.IsOpen());
    dlg.DestroyWindow();
}

TEST_F(SubmitSettingDialog, ShippingPageShowsAndKeepsItsChoices)
{
    WriteDialogProfileInt(IDD_TEST_POST_PAGE, "LocCd", 27);
    WriteDialogProfileInt(IDD_TEST_POST_PAGE, "ShipSchedule", 2); // by the older version
    CTestSettingsDialog dlg({TabPost});
    Open(dlg);
    CTestPostPage* pPage = dlg.Page<CTestPostPage>(TabPost);
    EXPECT_EQ("大阪府", Text(pPage, IDC_TEST_PREFECTURE));
    EXPECT_EQ("3～7日", Text(pPage, IDC_TEST_SCHEDULE));
    EXPECT_FALSE(IsEnabled(pPage, IDC_TEST_SCHEDULE));
    Tick(pPage, IDC_TEST_SCHEDULE_CHECK, TRUE);
    for (int nID : {IDC_TEST_SCHEDULE, IDC_TEST_SCHEDULE_LABEL1, IDC_TEST_SCHEDULE_LABEL2})
        EXPECT_TRUE(IsEnabled(pPage, nID)) << nID;
    pPage->SendDlgItemMessage(IDC_TEST_PREFECTURE, CB_SETCURSEL, (WPARAM)-1);
    pPage->SendDlgItemMessage(IDC_TEST_SELLER_PAYS, CB_SETCURSEL, 1);
    pPage->SetDlgItemText(IDC_TEST_CITY, "堺市");
    dlg.PressOK();
    EXPECT_FALSE(dlg.IsOpen());
    dlg.SaveAllPages();
    EXPECT_EQ("27", Stored(IDD_TEST_POST_PAGE, "LocCd")); // no selection, no change
    EXPECT_EQ("1", Stored(IDD_TEST_POST_PAGE, "Shipping"));
    EXPECT_EQ("堺市", Stored(IDD_TEST_POST_PAGE, "City"));
    EXPECT_EQ("2", Stored(IDD_TEST_POST_PAGE, "ShipSchedule_Rev2"));
    EXPECT_EQ("16", Stored(IDD_TEST_POST_PAGE, "ToggleVal"));
    dlg.DestroyWindow();
}

TEST_F(SubmitSettingDialog, ListingOptionsShowTheRecordAndItsSmallestAmounts)
{
    CTestSettingsDialog dlg({TabCharge});
    // Before the page is made.
    dlg.AddPages();
    CTestChargePage* pPage = dlg.Page<CTestChargePage>(TabCharge);
    pPage->m_option.SetFeaturedAmount(0);
    pPage->m_option.SetReservePrice(500);
    pPage->m_option.SetGiftIcon(9);
    pPage->m_option.SetCpaRate(35);
    pPage->m_option.SetOptionBits(CAuctionChargeOption::OptionBold | CAuctionChargeOption::OptionAffiliate);
    pPage->SetReservePriceMinimum(1000);
    Open(dlg);
    const struct
    {
        int nCheck;
        UINT nChecked;
        int nEdit;
        const char* text;
        BOOL bEnabled;
    } shown[] = {
        {IDC_TEST_FEATURED_CHECK, BST_UNCHECKED, IDC_TEST_FEATURED_EDIT, "20", FALSE},
        {IDC_TEST_RESERVE_CHECK, BST_CHECKED, IDC_TEST_RESERVE_EDIT, "1,000", TRUE},
        {IDC_TEST_GIFT_CHECK, BST_UNCHECKED, IDC_TEST_GIFT_COMBO, "のし", FALSE},
        {IDC_TEST_CPA_CHECK, BST_CHECKED, IDC_TEST_CPA_EDIT, "3.5", TRUE},
    };
    for (const auto& s : shown)
    {
        SCOPED_TRACE(s.text);
        EXPECT_EQ(s.nChecked, pPage->IsDlgButtonChecked(s.nCheck));
        EXPECT_EQ(s.text, Text(pPage, s.nEdit));
        EXPECT_EQ(s.bEnabled, IsEnabled(pPage, s.nEdit));
    }
    EXPECT_EQ((UINT)BST_CHECKED, pPage->IsDlgButtonChecked(IDC_TEST_BOLD_CHECK));
    EXPECT_EQ((UINT)BST_UNCHECKED, pPage->IsDlgButtonChecked(IDC_TEST_HIGHLIGHT_CHECK));
    EXPECT_EQ((UINT)BST_CHECKED, pPage->IsDlgButtonChecked(IDC_TEST_AFFILIATE_CHECK));
    EXPECT_FALSE(IsEnabled(pPage, IDC_TEST_FEATURED_LABEL));
    Tick(pPage, IDC_TEST_FEATURED_CHECK, TRUE);
    EXPECT_TRUE(IsEnabled(pPage, IDC_TEST_FEATURED_EDIT));
    EXPECT_TRUE(IsEnabled(pPage, IDC_TEST_FEATURED_LABEL));
    Tick(pPage, IDC_TEST_GIFT_CHECK, TRUE);
    EXPECT_TRUE(IsEnabled(pPage, IDC_TEST_GIFT_COMBO));
    dlg.DestroyWindow();
}
