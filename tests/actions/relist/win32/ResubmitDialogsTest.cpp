// The common re-listing settings and the paid options, driven by control
// id as a user would: the older settings taken once, the values of a run
// that are not to be kept, what OK stores, the ranges refused with their
// messages, the reset, and the paid options read back or refused.

#include <gtest/gtest.h>

#include <string>

#include "actions/shared/win32/ActionDialogTestSupport.h"
#include "afx/TestText.h"
#include "auction/records/AuctionChargeOption.h"
#include "auction/settings/AuctionListingForm.h"
#include "client/actions/relist/ResubmitChargeOptionDialog.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"
#include "client/actions/shared/CallbackSink.h"
#include "text/Charset.h"

namespace
{
const char kRegistryKey[] = "Tanzo Resubmit Dialogs Test";

std::string WindowText(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return (LPCTSTR)text;
}

// The dialogs run modeless here, so that the test drives them between
// its steps; OK and Cancel end them as they end a modal one.
template <class TDialog> void Open(TDialog& dlg)
{
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.SetWindowPos(&CWnd::wndTop, 30, 30, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

template <class TDialog> void PressOK(TDialog& dlg)
{
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDOK));
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
}

template <class TDialog> BOOL IsOpen(TDialog& dlg)
{
    return ::IsWindow(dlg.m_hWnd) && dlg.IsWindowVisible();
}

// The basic values of the shown pane.
struct BasicValues
{
    std::string duration, closingTime, numResubmit;
    BOOL closeEarly, autoExtension;
};

BasicValues Shown(CWnd& dlg)
{
    return {ControlText(dlg.m_hWnd, IDC_RESUBMIT_DURATION),
            ControlText(dlg.m_hWnd, IDC_RESUBMIT_CLOSING_TIME),
            ControlText(dlg.m_hWnd, IDC_RESUBMIT_NUM_RESUBMIT),
            IsControlChecked(dlg.m_hWnd, IDC_RESUBMIT_CLOSE_EARLY),
            IsControlChecked(dlg.m_hWnd, IDC_RESUBMIT_AUTO_EXTENSION)};
}

void ExpectShown(CWnd& dlg, const BasicValues& expected)
{
    const BasicValues shown = Shown(dlg);
    EXPECT_EQ(expected.duration, shown.duration);
    EXPECT_EQ(expected.closingTime, shown.closingTime);
    EXPECT_EQ(expected.numResubmit, shown.numResubmit);
    EXPECT_EQ(expected.closeEarly, shown.closeEarly);
    EXPECT_EQ(expected.autoExtension, shown.autoExtension);
}

void Enter(CWnd& dlg, const char* duration, const char* closingTime, const char* numResubmit)
{
    SetControlText(dlg.m_hWnd, IDC_RESUBMIT_DURATION, duration);
    SetControlText(dlg.m_hWnd, IDC_RESUBMIT_CLOSING_TIME, closingTime);
    SetControlText(dlg.m_hWnd, IDC_RESUBMIT_NUM_RESUBMIT, numResubmit);
}

class ResubmitDialogs : public ::testing::Test
{
protected:
    CProfileScope profile{kRegistryKey};
    CMessageBoxRecorder boxes;
};
} // namespace

TEST_F(ResubmitDialogs, OlderSettingsAreTakenOnceAndStoredAsTheirOwn)
{
    WriteDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "Duration", 2);
    WriteDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "ClosingTime", 9);
    WriteDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "NumResubmit", 1);
    WriteDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "AutoExtension", 0);
    {
        CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
        Open(dlg);
        ExpectShown(dlg, {"2", "9", "1", TRUE, FALSE});
        dlg.DestroyWindow();
    }
    const struct
    {
        const char* key;
        const char* value;
    } stored[] = {{"Duration", "2"},
                  {"ClosingTime", "9"},
                  {"NumResubmit", "1"},
                  {"ToggleVal", "1"},
                  {"RegVersion", "3"}};
    for (const auto& s : stored)
        EXPECT_EQ(s.value, profile.Stored(IDD_RESUBMIT_COMMON_BASIC, s.key)) << s.key;

    // Its own values from now on.
    WriteDialogProfileInt(IDD_OLD_RESUBMIT_SETTINGS, "Duration", 6);
    CResubmitSettingDialog again(CResubmitSettingDialog::ModeSettings);
    Open(again);
    ExpectShown(again, {"2", "9", "1", TRUE, FALSE});
    again.DestroyWindow();
}

TEST_F(ResubmitDialogs, WithoutOlderSettingsTheDefaultsShow)
{
    CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
    Open(dlg);
    ExpectShown(dlg, {"5", "21", "3", TRUE, TRUE});
    dlg.DestroyWindow();
}

TEST_F(ResubmitDialogs, BeforeResubmitValuesNotToBeKeptGoToTheJobOnly)
{
    {
        CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
        Open(dlg);
        PressOK(dlg);
        EXPECT_FALSE(IsOpen(dlg));
        dlg.DestroyWindow();
    }
    const std::string storedDuration = profile.Stored(IDD_RESUBMIT_COMMON_BASIC, "Duration");
    const std::string storedToggles = profile.Stored(IDD_RESUBMIT_COMMON_BASIC, "ToggleVal");
    ASSERT_EQ("0", profile.Stored(IDD_RESUBMIT_SETTING, "ResubmitType"));
    WriteDialogProfileInt(IDD_RESUBMIT_SETTING, "ResubmitType", 0);

    CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeBeforeResubmit);
    Open(dlg);
    EXPECT_EQ(LoadText(IDS_CAPTION_BEFORE_RESUBMIT), WindowText(dlg));
    ASSERT_TRUE(::IsWindowVisible(::GetDlgItem(dlg.m_hWnd, IDC_RESUBMIT_DONT_SAVE)));
    Enter(dlg, "3", "10", "0");
    ClickControl(dlg.m_hWnd, IDC_RESUBMIT_CLOSE_EARLY);
    ClickControl(dlg.m_hWnd, IDC_RESUBMIT_DONT_SAVE);
    PressOK(dlg);
    EXPECT_FALSE(IsOpen(dlg));
    EXPECT_TRUE(boxes.texts.empty());

    CCallbackSink* pSettings = dlg.GetSelectedSettings();
    ASSERT_NE(nullptr, pSettings);
    CAuctionListingForm form(nullptr, CHARSET_UTF8);
    EXPECT_TRUE(pSettings->ApplyToListingForm(form, 0));
    EXPECT_STREQ("3", form.GetAt(LF_DURATION));
    EXPECT_STREQ("10", form.GetAt(LF_CLOSING_TIME));
    EXPECT_STREQ("0", form.GetAt(LF_NUM_RESUBMIT));
    EXPECT_STREQ("", form.GetAt(LF_CLOSE_EARLY));
    EXPECT_STREQ("yes", form.GetAt(LF_AUTO_EXTENSION));
    dlg.DestroyWindow();

    // Nothing of it was kept.
    EXPECT_EQ(storedDuration, profile.Stored(IDD_RESUBMIT_COMMON_BASIC, "Duration"));
    EXPECT_EQ(storedToggles, profile.Stored(IDD_RESUBMIT_COMMON_BASIC, "ToggleVal"));
    CResubmitSettingDialog again(CResubmitSettingDialog::ModeBeforeResubmit);
    Open(again);
    ExpectShown(again, {"5", "21", "3", TRUE, TRUE});
    again.DestroyWindow();
}

TEST_F(ResubmitDialogs, SettingsModeStoresWhatWasShown)
{
    CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
    Open(dlg);
    EXPECT_EQ(LoadText(IDS_CAPTION_SETTINGS), WindowText(dlg));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dlg.m_hWnd, IDC_RESUBMIT_DONT_SAVE)));
    // Both ways are offered.
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_RESUBMIT_TYPE_NEW)));
    EXPECT_TRUE(IsControlChecked(dlg.m_hWnd, IDC_RESUBMIT_TYPE_KEEP));
    Enter(dlg, "7", "0", "2");
    ClickControl(dlg.m_hWnd, IDC_RESUBMIT_AUTO_EXTENSION);
    PressOK(dlg);
    EXPECT_FALSE(IsOpen(dlg));
    dlg.DestroyWindow();
    const struct
    {
        const char* key;
        const char* value;
    } stored[] = {{"Duration", "7"},
                  {"ClosingTime", "0"},
                  {"NumResubmit", "2"},
                  {"ToggleVal", "1"},
                  {"RegVersion", "3"}};
    for (const auto& s : stored)
        EXPECT_EQ(s.value, profile.Stored(IDD_RESUBMIT_COMMON_BASIC, s.key)) << s.key;
    EXPECT_EQ("0", profile.Stored(IDD_RESUBMIT_SETTING, "ResubmitType"));
}

TEST_F(ResubmitDialogs, ValuesOutOfRangeKeepTheDialogOnThem)
{
    const struct
    {
        const char* duration;
        const char* closingTime;
        const char* numResubmit;
        int nFocus;
        int nLower, nUpper;
    } cases[] = {
        {"8", "21", "3", IDC_RESUBMIT_DURATION, 1, 7},
        {"", "21", "3", IDC_RESUBMIT_DURATION, 1, 7},
        {"5", "24", "3", IDC_RESUBMIT_CLOSING_TIME, 0, 23},
        {"5", "21", "4", IDC_RESUBMIT_NUM_RESUBMIT, 0, 3},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nFocus);
        boxes.texts.clear();
        CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeBeforeResubmit);
        Open(dlg);
        Enter(dlg, c.duration, c.closingTime, c.numResubmit);
        PressOK(dlg);
        EXPECT_TRUE(IsOpen(dlg));
        CString expected;
        expected.FormatMessage(842, c.nLower, c.nUpper);
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ((LPCTSTR)expected, boxes.texts[0]);
        EXPECT_EQ(FindControl(dlg.m_hWnd, c.nFocus), ::GetFocus());
        dlg.DestroyWindow();
    }
    EXPECT_EQ("(none)", profile.Stored(IDD_RESUBMIT_SETTING, "ResubmitType"));
}

TEST_F(ResubmitDialogs, ResetPutsTheShownPaneBackToItsDefaults)
{
    CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeSettings);
    Open(dlg);
    Enter(dlg, "1", "3", "0");
    ClickControl(dlg.m_hWnd, IDC_RESUBMIT_CLOSE_EARLY);
    ClickControl(dlg.m_hWnd, IDC_RESUBMIT_RESET);
    ExpectShown(dlg, {"5", "21", "3", TRUE, TRUE});
    dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);
    dlg.DestroyWindow();
    EXPECT_EQ("(none)", profile.Stored(IDD_RESUBMIT_SETTING, "ResubmitType"));
}

TEST_F(ResubmitDialogs, AStoredNewWayOpensOnIt)
{
    WriteDialogProfileInt(IDD_RESUBMIT_SETTING, "ResubmitType", CResubmitSettingDialog::TypeSetAnew);
    CResubmitSettingDialog dlg(CResubmitSettingDialog::ModeBeforeResubmit);
    Open(dlg);
    EXPECT_FALSE(IsControlChecked(dlg.m_hWnd, IDC_RESUBMIT_TYPE_KEEP));
    EXPECT_TRUE(IsControlChecked(dlg.m_hWnd, IDC_RESUBMIT_TYPE_NEW));
    EXPECT_EQ(nullptr, FindControl(dlg.m_hWnd, IDC_RESUBMIT_DURATION));
    boxes.nAnswer = IDYES;
    PressOK(dlg);
    EXPECT_FALSE(IsOpen(dlg));
    EXPECT_NE(nullptr, dlg.GetSelectedSettings());
    EXPECT_EQ(CResubmitSettingDialog::TypeSetAnew, dlg.GetResubmitType());
    dlg.DestroyWindow();
}

TEST_F(ResubmitDialogs, PaidOptionsCaptionForOneOrSeveralItems)
{
    for (UINT nCaption : {0u, (UINT)IDS_CHARGE_CAPTION_SEVERAL})
    {
        CResubmitChargeOptionDialog dlg;
        dlg.SetCaptionId(nCaption);
        Open(dlg);
        EXPECT_EQ(nCaption == 0 ? std::string("有料オプション設定") : LoadText(nCaption), WindowText(dlg));
        dlg.DestroyWindow();
    }
}

TEST_F(ResubmitDialogs, PaidOptionsOutOfRangeAreRefused)
{
    CString reserveMessage;
    reserveMessage.Format(
        "数値が範囲外、もしくは数値が入力されていません。\r\n%I64d～%I64dまでの数値を入力してください。",
        (LONGLONG)1500, (LONGLONG)9999999999LL);
    const struct
    {
        int nCheck;
        int nEdit;
        const char* text;
        std::string message;
    } cases[] = {
        {IDC_CHARGE_RESERVE_CHECK, IDC_CHARGE_RESERVE_EDIT, "1000", (LPCTSTR)reserveMessage},
        {IDC_CHARGE_FEATURED_CHECK, IDC_CHARGE_FEATURED_EDIT, "10",
         "数値が範囲外、もしくは数値が入力されていません。\r\n\"20～999\"までの数値を入力してください。"},
        {IDC_CHARGE_CPA_CHECK, IDC_CHARGE_CPA_EDIT, "2.25", LoadText(1165)},
        {IDC_CHARGE_CPA_CHECK, IDC_CHARGE_CPA_EDIT, "100",
         "数値が範囲外、もしくは数値が入力されていません。\r\n\"1.0～99.9\"までの数値を入力してください。"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        boxes.texts.clear();
        CResubmitChargeOptionDialog dlg;
        dlg.SetReservePriceMinimum(1500);
        Open(dlg);
        ClickControl(dlg.m_hWnd, c.nCheck);
        SetControlText(dlg.m_hWnd, c.nEdit, c.text);
        PressOK(dlg);
        EXPECT_TRUE(IsOpen(dlg));
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(c.message, boxes.texts[0]);
        EXPECT_EQ(FindControl(dlg.m_hWnd, c.nEdit), ::GetFocus());
        EXPECT_FALSE(dlg.GetOptions().HasAnyOption());
        dlg.DestroyWindow();
    }
}

TEST_F(ResubmitDialogs, PaidOptionsAreReadBack)
{
    CResubmitChargeOptionDialog dlg;
    dlg.GetOptions().SetOptionBits(CAuctionChargeOption::OptionBold);
    dlg.GetOptions().SetCpaRate(35);
    dlg.SetReservePriceMinimum(1500);
    Open(dlg);
    EXPECT_EQ("1,500", ControlText(dlg.m_hWnd, IDC_CHARGE_RESERVE_EDIT));
    EXPECT_EQ("3.5", ControlText(dlg.m_hWnd, IDC_CHARGE_CPA_EDIT));
    for (int nID : {IDC_CHARGE_FEATURED_CHECK, IDC_CHARGE_RESERVE_CHECK, IDC_CHARGE_GIFT_CHECK,
                    IDC_CHARGE_BOLD, IDC_CHARGE_HIGHLIGHT, IDC_CHARGE_WRAPPING, IDC_CHARGE_AFFILIATE})
        ClickControl(dlg.m_hWnd, nID);
    SetControlText(dlg.m_hWnd, IDC_CHARGE_FEATURED_EDIT, "300");
    SetControlText(dlg.m_hWnd, IDC_CHARGE_RESERVE_EDIT, "2000");
    SetControlText(dlg.m_hWnd, IDC_CHARGE_CPA_EDIT, "2.2");
    HWND hGift = FindControl(dlg.m_hWnd, IDC_CHARGE_GIFT_COMBO);
    EXPECT_EQ(7, (int)::SendMessageA(hGift, CB_GETCOUNT, 0, 0));
    ::SendMessageA(hGift, CB_SETCURSEL, 6, 0);
    PressOK(dlg);
    EXPECT_FALSE(IsOpen(dlg));
    EXPECT_TRUE(boxes.texts.empty());
    const CAuctionChargeOption& options = dlg.GetOptions();
    EXPECT_EQ(300, options.GetFeaturedAmount());
    EXPECT_EQ(2000, options.GetReservePrice());
    EXPECT_EQ(8, options.GetGiftIcon());
    EXPECT_EQ(22, options.GetCpaRate());
    // Bold was on and its box clicked off.
    EXPECT_EQ(CAuctionChargeOption::OptionHighlight | CAuctionChargeOption::OptionWrapping |
                  CAuctionChargeOption::OptionAffiliate,
              options.GetOptionBits());
    dlg.DestroyWindow();
}
