// The client started in this process: its names, its main window as it
// first shows, the tool bar in its three formats, the status panes, the
// version dialog, the dialogs of the Customise menu, the question that is
// not to be asked again, and the options' way through the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ClientAppFixture.h"
#include "app/Screenshot.h"

#include "afx/CommonControls.h"
#include "afx/afxres.h"
#include "app/DialogResourceIds.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/login/LoginSettingDialog.h"
#include "client/TanzoResourceIds.h"
#include "controls/ColorCombo.h"
#include "controls/ControlsResourceIds.h"

namespace
{
const UINT kButtons[] = {ID_ITEM_RESUBMIT,
                         ID_ITEM_MEMO,
                         ID_MARK_BUTTON,
                         ID_ITEM_FEATURED_AMOUNT,
                         ID_ITEM_ADD_DESCRIPTION,
                         ID_ITEM_EARLY_CLOSE,
                         ID_ITEM_CANCEL,
                         ID_ITEM_REMOVE,
                         ID_ITEM_RATE,
                         ID_ITEM_RATING_FORBIDDEN,
                         ID_LIST_REFRESH,
                         ID_LIST_STOP,
                         ID_LIST_FIND,
                         ID_USER_ID_MANAGE,
                         ID_HELP_INDEX};

// The buttons of the tool bar that are no separators, and their texts.
std::vector<UINT> ButtonIds(CMainToolBar& bar)
{
    std::vector<UINT> ids;
    const int nCount = (int)bar.SendMessage(TB_BUTTONCOUNT);
    for (int i = 0; i < nCount; ++i)
        if (bar.GetItemID(i) != ID_SEPARATOR)
            ids.push_back(bar.GetItemID(i));
    return ids;
}

std::vector<std::string> ButtonTexts(CMainToolBar& bar)
{
    std::vector<std::string> texts;
    for (UINT nID : kButtons)
        texts.push_back((LPCTSTR)bar.GetButtonText(bar.CommandToIndex(nID)));
    return texts;
}

std::string PaneText(CMainFrame* pFrame, int nPane)
{
    return (LPCTSTR)pFrame->GetMainStatusBar().GetPaneText(nPane);
}

BOOL IsVisible(CWnd& wnd)
{
    return wnd.GetSafeHwnd() != nullptr && (wnd.GetStyle() & WS_VISIBLE) != 0;
}

// What the main window held when it first became visible.
struct FirstShow
{
    static FirstShow*& Current()
    {
        static FirstShow* p = nullptr;
        return p;
    }
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* pMsg = (const CWPSTRUCT*)lParam;
        FirstShow* self = Current();
        if (nCode == HC_ACTION && self != nullptr && !self->seen && pMsg->message == WM_SHOWWINDOW &&
            pMsg->wParam)
        {
            char szClass[64] = {};
            ::GetClassNameA(pMsg->hwnd, szClass, sizeof(szClass));
            CMainFrame* pFrame = GetMainFrame();
            if (std::string(szClass) == "VelmarsoftTanzoClass" && pFrame != nullptr)
            {
                self->seen = true;
                self->resubmitText = (LPCTSTR)pFrame->GetToolBar().GetButtonText(
                    pFrame->GetToolBar().CommandToIndex(ID_ITEM_RESUBMIT));
                self->loginPane = PaneText(pFrame, CMainStatusBar::paneLogin);
            }
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    bool seen = false;
    std::string resubmitText = "(none)";
    std::string loginPane = "(none)";
};

// A handler of the actions' commands, as the program hands one over.
class CCountingCommands : public CCmdTarget
{
public:
    int resubmitSettings = 0;

protected:
    afx_msg void OnResubmitSettings() { ++resubmitSettings; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingCommands, CCmdTarget)
ON_COMMAND(ID_RESUBMIT_SETTINGS, OnResubmitSettings)
END_MESSAGE_MAP()
} // namespace

TEST_F(ClientAppTest, StartsUnderItsNamesAndShowsItsWindowWithTheOptionsApplied)
{
    SetSetting("ToolBarDispFormat", 0);
    SetSetting("LoginSettingType", 2);
    FirstShow first;
    FirstShow::Current() = &first;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, FirstShow::Hook, nullptr, ::GetCurrentThreadId());
    const BOOL bStarted = Start();
    ::UnhookWindowsHookEx(hHook);
    FirstShow::Current() = nullptr;
    ASSERT_TRUE(bStarted);

    EXPECT_STREQ("Tanzo3", m_app.m_pszProfileName);
    EXPECT_STREQ("Velmar Soft", m_app.m_pszRegistryKey);
    EXPECT_STREQ("Mutex-Velmarsoft-Tanzo", m_app.CTanzoApp::GetMutexName());
    CMainFrame* pFrame = Frame();
    char szClass[64] = {};
    ::GetClassNameA(pFrame->GetSafeHwnd(), szClass, sizeof(szClass));
    EXPECT_STREQ("VelmarsoftTanzoClass", szClass);
    // 1080 x 680, within the work area of a smaller screen.
    CRect rc;
    pFrame->GetWindowRect(&rc);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(
        ::GetMonitorInfoA(::MonitorFromWindow(pFrame->GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &monitor));
    const CRect rcWork(monitor.rcWork);
    EXPECT_EQ(std::min(1080, (int)rcWork.Width()), rc.Width()) << "work area " << rcWork.Width();
    EXPECT_EQ(std::min(680, (int)rcWork.Height()), rc.Height()) << "work area " << rcWork.Height();
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_EQ("たんぞ", WindowText(pFrame->GetSafeHwnd()));

    // Icons only and the manual log-in, before anything showed.
    ASSERT_TRUE(first.seen);
    EXPECT_EQ("", first.resubmitText);
    EXPECT_EQ("ログイン設定：手動", first.loginPane);

    // The view with its document, the accounts read from the profile.
    ASSERT_NE(nullptr, pFrame->GetTanzoView());
    EXPECT_TRUE(pFrame->GetTanzoView()->TestViewFlags(CTanzoView::flagInitialUpdateDone));
    ASSERT_NE(nullptr, Doc());
    EXPECT_EQ(pFrame->GetTanzoView()->GetTanzoDocument(), Doc());
    EXPECT_EQ(&pFrame->GetOptionSettings(), GetOptionSettings());
    EXPECT_EQ(CAuctionLoginController::LoginBrowserManual, GetLoginType());
}

TEST_F(ClientAppTest, TheToolBarInItsThreeFormats)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    CMainToolBar& bar = pFrame->GetToolBar();
    EXPECT_EQ(std::vector<UINT>(std::begin(kButtons), std::end(kButtons)), ButtonIds(bar));
    // The mark button opens the mark menu.
    EXPECT_NE(0u, bar.GetButtonStyle(bar.CommandToIndex(ID_MARK_BUTTON)) & TBSTYLE_DROPDOWN);

    const struct
    {
        int format;
        std::vector<std::string> texts;
        DWORD dwStyleOn;
        DWORD dwStyleOff;
    } cases[] = {
        {0, std::vector<std::string>(15, ""), 0, TBSTYLE_LIST | TBSTYLE_WRAPABLE},
        {1,
         {"再出品", "メモ", "マーク", "注目", "説明追", "早終", "取消", "削除", "評価", "評価禁", "更新",
          "中止", "検索", "ID", "ヘルプ"},
         TBSTYLE_LIST,
         TBSTYLE_WRAPABLE},
        {2,
         {"再出品", "メモ", "マーク", "注目", "説明追加", "早期終了", "取り消し", "削除", "評価", "評価禁止",
          "更新", "中止", "検索", "ID管理", "ヘルプ"},
         TBSTYLE_WRAPABLE,
         TBSTYLE_LIST},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.format);
        pFrame->GetOptionSettings().SetToolBarFormat(c.format);
        pFrame->ApplyToolBarFormat();
        PumpPending();
        EXPECT_EQ(c.texts, ButtonTexts(bar));
        const DWORD dwStyle = (DWORD)bar.SendMessage(TB_GETSTYLE);
        EXPECT_EQ(c.dwStyleOn, dwStyle & c.dwStyleOn);
        EXPECT_EQ(0u, dwStyle & c.dwStyleOff);
        EXPECT_EQ(std::vector<UINT>(std::begin(kButtons), std::end(kButtons)), ButtonIds(bar));
    }
}

TEST_F(ClientAppTest, TheStatusPanes)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    CMainStatusBar& bar = pFrame->GetMainStatusBar();
    EXPECT_EQ(5, (int)bar.SendMessage(SB_GETPARTS, 0, 0));
    EXPECT_EQ("0項目を選択", PaneText(pFrame, CMainStatusBar::paneSelected));
    EXPECT_EQ("項目数：0", PaneText(pFrame, CMainStatusBar::paneItems));
    EXPECT_EQ(STATUSPANE_ALIGN_CENTER, bar.GetPaneRecord(CMainStatusBar::paneItems)->m_nAlign);
    EXPECT_EQ("", PaneText(pFrame, CMainStatusBar::paneProgress));
    EXPECT_EQ(0xFF0000u, bar.GetPaneRecord(CMainStatusBar::paneProgress)->m_crText);
    EXPECT_EQ(0xFFFFFFu, bar.GetPaneRecord(CMainStatusBar::paneProgress)->m_crBack);

    // The log-in setting, none for the automatic one.
    EXPECT_EQ("", PaneText(pFrame, CMainStatusBar::paneLogin));
    const char* logins[] = {"", "ログイン設定：半手動", "ログイン設定：手動"};
    for (int type : {1, 2, 0})
    {
        pFrame->GetOptionSettings().SetType(type);
        pFrame->ShowLoginSetting();
        EXPECT_EQ(logins[type], PaneText(pFrame, CMainStatusBar::paneLogin));
    }

    pFrame->ShowSelectedCount(12);
    pFrame->ShowItemCount(345);
    EXPECT_EQ("12項目を選択", PaneText(pFrame, CMainStatusBar::paneSelected));
    EXPECT_EQ("項目数：345", PaneText(pFrame, CMainStatusBar::paneItems));

    // Each status of a request adds a mark, 22 at most; the handle's
    // closing empties the pane.
    for (int i = 0; i < 22; ++i)
        pFrame->OnInternetStatus(10, nullptr, 0);
    EXPECT_EQ(std::string(22, '>'), PaneText(pFrame, CMainStatusBar::paneProgress));
    pFrame->OnInternetStatus(21, nullptr, 0);
    EXPECT_EQ(">", PaneText(pFrame, CMainStatusBar::paneProgress));
    pFrame->OnInternetStatus(70, nullptr, 0);
    EXPECT_EQ("", PaneText(pFrame, CMainStatusBar::paneProgress));

    // Status texts: plain, and as notices for a while.
    pFrame->SetStatus("取得しています");
    EXPECT_EQ("取得しています", PaneText(pFrame, CMainStatusBar::paneMessage));
    EXPECT_FALSE(bar.IsTimedTextShowing(CMainStatusBar::paneMessage));
    pFrame->SetStatusText("見つかりません", CMainFrame::StatusQuiet);
    EXPECT_EQ("見つかりません", PaneText(pFrame, CMainStatusBar::paneMessage));
    EXPECT_TRUE(bar.IsTimedTextShowing(CMainStatusBar::paneMessage));
    pFrame->SetStatusTextId(0, CMainFrame::StatusPlain);
    EXPECT_EQ("", PaneText(pFrame, CMainStatusBar::paneMessage));
}

TEST_F(ClientAppTest, TheVersionDialogShowsItsYears)
{
    ASSERT_TRUE(Start());
    std::string notice = "(not shown)";
    WhenDialogShows(IDC_VERSION_NOTICE,
                    [&](HWND hDialog)
                    {
                        notice = ControlText(hDialog, IDC_VERSION_NOTICE);
                        Click(hDialog, IDOK);
                    });
    Frame()->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    EXPECT_NE(std::string::npos, notice.find("2006-2019")) << notice;
}

TEST_F(ClientAppTest, TheOptionsDialogStoresItsBitsAndHidesTheStatusBar)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    COptionSettings& options = pFrame->GetOptionSettings();
    ASSERT_TRUE(options.RemoveOptionBits(COptionSettings::OptionConfirmMarkdown));
    std::vector<int> shown, reset;
    const int boxes[] = {IDC_OPTION_STATUS_BAR,     IDC_OPTION_RATED,    IDC_OPTION_FORBIDDEN,
                         IDC_OPTION_CHARGE_OPTIONS, IDC_OPTION_MARKDOWN, IDC_OPTION_CASH_ON_DELIVERY};
    WhenDialogShows(IDC_OPTION_RESET,
                    [&](HWND hDialog)
                    {
                        for (int nID : boxes)
                            shown.push_back((int)::IsDlgButtonChecked(hDialog, nID));
                        ::CheckDlgButton(hDialog, IDC_OPTION_CASH_ON_DELIVERY, BST_UNCHECKED);
                        Click(hDialog, IDC_OPTION_RESET);
                        for (int nID : boxes)
                            reset.push_back((int)::IsDlgButtonChecked(hDialog, nID));
                        ::CheckDlgButton(hDialog, IDC_OPTION_STATUS_BAR, BST_UNCHECKED);
                        ::CheckDlgButton(hDialog, IDC_OPTION_RATED, BST_UNCHECKED);
                        Click(hDialog, IDOK);
                    });
    pFrame->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 0, 1}), shown);
    EXPECT_EQ(std::vector<int>(6, 1), reset);
    EXPECT_EQ(0x3Fu & ~0x04u, options.MaskOptionBits(0xFF));
    EXPECT_FALSE(IsVisible(pFrame->GetMainStatusBar()));

    // Ticked again, the status bar shows; the bits stay as they are.
    WhenDialogShows(IDC_OPTION_RESET,
                    [&](HWND hDialog)
                    {
                        ::CheckDlgButton(hDialog, IDC_OPTION_STATUS_BAR, BST_CHECKED);
                        Click(hDialog, IDOK);
                    });
    pFrame->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_TRUE(IsVisible(pFrame->GetMainStatusBar()));
    EXPECT_EQ(0x3Fu & ~0x04u, options.MaskOptionBits(0xFF));
}

TEST_F(ClientAppTest, TheTextSizeDialog)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    int selected = -1, afterReset = -1;
    CRect sample;
    std::vector<std::string> names;
    WhenDialogShows(IDC_TEXT_SIZE_RESET,
                    [&](HWND hDialog)
                    {
                        HWND hCombo = ::GetDlgItem(hDialog, IDC_TEXT_SIZE_LIST);
                        selected = (int)::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
                        for (int i = 0; i < (int)::SendMessageA(hCombo, CB_GETCOUNT, 0, 0); ++i)
                        {
                            char szName[64] = {};
                            ::SendMessageA(hCombo, CB_GETLBTEXT, i, (LPARAM)szName);
                            names.push_back(szName);
                        }
                        ::SendMessageA(hCombo, CB_SETCURSEL, 0, 0);
                        ::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDC_TEXT_SIZE_LIST, CBN_SELCHANGE),
                                       (LPARAM)hCombo);
                        ::GetWindowRect(::GetDlgItem(hDialog, IDC_TEXT_SIZE_SAMPLE), &sample);
                        Click(hDialog, IDC_TEXT_SIZE_RESET);
                        afterReset = (int)::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
                        ::SendMessageA(hCombo, CB_SETCURSEL, 1, 0);
                        Click(hDialog, IDOK);
                    });
    pFrame->SendMessage(WM_COMMAND, ID_FONT_SIZE);
    EXPECT_EQ(4, selected);
    EXPECT_EQ((std::vector<std::string>{"最大", "大きい", "やや大きい", "中くらい", "やや小さい - 標準",
                                        "小さい", "最小"}),
              names);
    // The sample takes the size of the largest row.
    EXPECT_EQ(480, sample.Width());
    EXPECT_EQ(33, sample.Height());
    EXPECT_EQ(4, afterReset);
    EXPECT_EQ(1, pFrame->GetOptionSettings().GetFontSizeType());
}

TEST_F(ClientAppTest, TheLogInSettingDialogShowsTheSettingInTheStatusBar)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    std::vector<std::string> entries;
    int afterReset = -1;
    WhenDialogShows(IDC_LOGIN_SETTING_RESET,
                    [&](HWND hDialog)
                    {
                        HWND hCombo = ::GetDlgItem(hDialog, IDC_LOGIN_SETTING);
                        for (int i = 0; i < (int)::SendMessageA(hCombo, CB_GETCOUNT, 0, 0); ++i)
                        {
                            char szName[64] = {};
                            ::SendMessageA(hCombo, CB_GETLBTEXT, i, (LPARAM)szName);
                            entries.push_back(szName);
                        }
                        ::SendMessageA(hCombo, CB_SETCURSEL, 2, 0);
                        Click(hDialog, IDC_LOGIN_SETTING_RESET);
                        afterReset = (int)::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
                        ::SendMessageA(hCombo, CB_SETCURSEL, 1, 0);
                        Click(hDialog, IDOK);
                    });
    pFrame->SendMessage(WM_COMMAND, ID_LOGIN_SETTINGS);
    EXPECT_EQ((std::vector<std::string>{"自動（推奨）", "半手動", "手動"}), entries);
    EXPECT_EQ(0, afterReset);
    EXPECT_EQ(1, pFrame->GetOptionSettings().GetType());
    EXPECT_EQ("ログイン設定：半手動", PaneText(pFrame, CMainStatusBar::paneLogin));
}

TEST_F(ClientAppTest, TheToolBarDialogHidesTheBarAndChangesItsFormat)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    WhenDialogShows(IDC_TOOLBAR_DEFAULTS,
                    [&](HWND hDialog)
                    {
                        ::CheckDlgButton(hDialog, IDC_TOOLBAR_SHOWN, BST_UNCHECKED);
                        Click(hDialog, IDOK);
                    });
    pFrame->SendMessage(WM_COMMAND, ID_TOOLBAR_SETTINGS);
    EXPECT_FALSE(IsVisible(pFrame->GetToolBar()));

    int shown = -1, format = -1;
    WhenDialogShows(IDC_TOOLBAR_DEFAULTS,
                    [&](HWND hDialog)
                    {
                        Click(hDialog, IDC_TOOLBAR_DEFAULTS);
                        shown = (int)::IsDlgButtonChecked(hDialog, IDC_TOOLBAR_SHOWN);
                        format = (int)::SendDlgItemMessageA(hDialog, IDC_TOOLBAR_FORMAT, CB_GETCURSEL, 0, 0);
                        ::SendDlgItemMessageA(hDialog, IDC_TOOLBAR_FORMAT, CB_SETCURSEL, 1, 0);
                        Click(hDialog, IDOK);
                    });
    pFrame->SendMessage(WM_COMMAND, ID_TOOLBAR_SETTINGS);
    EXPECT_EQ(1, shown);
    EXPECT_EQ(2, format);
    EXPECT_TRUE(IsVisible(pFrame->GetToolBar()));
    EXPECT_EQ(1, pFrame->GetOptionSettings().GetToolBarFormat());
    CMainToolBar& bar = pFrame->GetToolBar();
    EXPECT_EQ("説明追", std::string(bar.GetButtonText(bar.CommandToIndex(ID_ITEM_ADD_DESCRIPTION))));
}

TEST_F(ClientAppTest, TheColourDialogStoresTheColoursAndRemembersOtherColours)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    COptionSettings& options = pFrame->GetOptionSettings();
    ASSERT_TRUE(options.SetColor(COptionSettings::ColorItemText, 0x0000FF));
    COLORREF shown = 0, afterReset = 0;
    WhenDialogShows(IDC_COLOR_RESET,
                    [&](HWND hDialog)
                    {
                        CColorCombo* pText = static_cast<CColorCombo*>(
                            CWnd::FromHandle(::GetDlgItem(hDialog, IDC_COLOR_TEXT)));
                        shown = pText->GetSelectedColor();
                        Click(hDialog, IDC_COLOR_RESET);
                        afterReset = pText->GetSelectedColor();
                        // The tool bar's background: another colour of the list.
                        CColorCombo* pBar = static_cast<CColorCombo*>(
                            CWnd::FromHandle(::GetDlgItem(hDialog, IDC_COLOR_TOOLBAR)));
                        pBar->SelectColor(0x00FFFF);
                        Click(hDialog, IDOK);
                    });
    pFrame->SendMessage(WM_COMMAND, ID_COLORS);
    EXPECT_EQ(0x0000FFu, shown);
    EXPECT_EQ(0x000000u, afterReset);
    EXPECT_EQ(0x000000u, options.GetColor(COptionSettings::ColorItemText));
    EXPECT_EQ(0x00FFFFu, options.GetColor(COptionSettings::ColorToolBarBg));
    EXPECT_EQ(0x00FFFFu, pFrame->GetToolBar().GetBackgroundColor());
    // Each row's other colour is kept under its own key.
    for (int i = 0; i < COptionSettings::ColorCount; ++i)
    {
        DWORD dwType = 0;
        std::vector<BYTE> data;
        EXPECT_TRUE(AfxProfileRead(CLIENT_PROFILE_KEY "\\Dialog\\182", COptionSettings::GetCustomColorKey(i),
                                   &dwType, &data))
            << COptionSettings::GetCustomColorKey(i);
    }
}

TEST_F(ClientAppTest, AQuestionNotToBeAskedAgainRemovesItsOptionBit)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    COptionSettings& options = pFrame->GetOptionSettings();
    for (DWORD dwKey : {(DWORD)COptionSettings::OptionConfirmRated, (DWORD)0x40})
    {
        WhenDialogShows(IDC_MESSAGE_CHECKBOX,
                        [&](HWND hDialog)
                        {
                            ::CheckDlgButton(hDialog, IDC_MESSAGE_CHECKBOX, BST_CHECKED);
                            Click(hDialog, IDC_MESSAGE_BUTTON_PAIR_FIRST);
                        });
        EXPECT_EQ(IDYES, pFrame->AskQuestion("よろしいですか？", dwKey, pFrame, FALSE));
    }
    EXPECT_EQ(0x3Fu & ~0x04u, options.MaskOptionBits(0xFF));
}

TEST_F(ClientAppTest, TheActionsCommandsReachTheHandlerTheProgramHandsOver)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = Frame();
    CCountingCommands commands;
    SetActionCommandTarget(&commands);
    pFrame->SendMessage(WM_COMMAND, ID_RESUBMIT_SETTINGS);
    SetActionCommandTarget(nullptr);
    pFrame->SendMessage(WM_COMMAND, ID_RESUBMIT_SETTINGS);
    EXPECT_EQ(1, commands.resubmitSettings);
}

TEST(ClientMenu, TheLastPageEntryHasNoStrayApostrophe)
{
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hMenu);
    const struct
    {
        UINT nID;
        const char* text;
    } cases[] = {
        {ID_PAGE_LAST, "最後のページ(&E)"},
        {ID_PAGE_FIRST, "先頭のページ(&S)"},
        {ID_LIST_REFRESH, "更新(&R)\tF5, Ctrl+R"},
    };
    for (const auto& c : cases)
    {
        char szText[128] = {};
        ::GetMenuStringA(hMenu, c.nID, szText, sizeof(szText), MF_BYCOMMAND);
        EXPECT_STREQ(c.text, szText) << c.nID;
    }
    ::DestroyMenu(hMenu);
}

TEST_F(ClientAppTest, OptionsGoToTheRegistryAndComeBack)
{
    ASSERT_TRUE(Start());
    COptionSettings& options = Frame()->GetOptionSettings();
    options.RemoveOptionBits(COptionSettings::OptionConfirmChargeOptions);
    options.SetFontSizeType(6);
    options.SetToolBarFormat(0);
    options.SetType(1);
    options.AddFindOptions(COptionSettings::FindMatchCase);
    options.SetColor(COptionSettings::ColorPageBgWon, 0x123456);
    Close();

    ASSERT_TRUE(Start());
    COptionSettings& again = Frame()->GetOptionSettings();
    EXPECT_EQ(0x3Du, again.MaskOptionBits(0xFF));
    EXPECT_EQ(6, again.GetFontSizeType());
    EXPECT_EQ(0, again.GetToolBarFormat());
    EXPECT_EQ(1, again.GetType());
    EXPECT_NE(0u, again.TestFindOptions(COptionSettings::FindMatchCase));
    EXPECT_EQ(0x123456u, again.GetColor(COptionSettings::ColorPageBgWon));
    EXPECT_EQ("ログイン設定：半手動", PaneText(Frame(), CMainStatusBar::paneLogin));
}

TEST_F(ClientAppTest, ScreenshotsOfTheMainWindowInTheThreeToolBarFormats)
{
    RUN_IN_SCREENSHOT_PROCESS();
    SetSetting("LoginSettingType", 1);
    std::vector<ScreenshotResult> shots;
    std::string missing;
    BOOL bStarted = FALSE;
    const BOOL bRan = RunInVirtualDesktop(
        [&]
        {
            bStarted = Start();
            if (!bStarted)
                return;
            CMainFrame* pFrame = Frame();
            for (int format : {0, 1, 2})
            {
                pFrame->GetOptionSettings().SetToolBarFormat(format);
                pFrame->ApplyToolBarFormat();
                pFrame->RedrawWindow(nullptr, nullptr,
                                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
                ScreenshotResult shot;
                const std::string name = "main-window-toolbar-" + std::to_string(format);
                PumpUntil(
                    [&]
                    {
                        shot = SaveWindowScreenshot(pFrame->GetSafeHwnd(), name.c_str());
                        return shot.nColours > 8;
                    },
                    10000);
                shots.push_back(shot);
            }
            missing = MissingGlyphs(pFrame->GetSafeHwnd());
            Close();
        });
    EXPECT_TRUE(bRan) << "no virtual desktop";
    ASSERT_TRUE(bStarted);
    ASSERT_EQ(3u, shots.size());
    for (const ScreenshotResult& shot : shots)
    {
        EXPECT_TRUE(shot.bSaved) << shot.path;
        EXPECT_GT(shot.nColours, 8) << "blank picture: " << shot.path;
    }
    EXPECT_EQ("", missing);
}
