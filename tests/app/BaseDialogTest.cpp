// The dialog base on real dialogs: the profile section of its settings id,
// the standard tips, help by button, F1, command 41000 and the context
// menu, the right click over excluded controls, tips asked for on demand,
// the hosted mode, the view that hosts a dialog, the history of a combo
// box, the initial-focus message and the icons.
#ifdef _WIN32
#include "DialogTestUtil.h"
#include "ProfileTestUtil.h"
#include "TestAppComm.h"
#include "TestResources.h"
#include "WinTestUtil.h"

#include "afx/Controls.h"
#include "afx/FrameWnd.h"
#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "afx/Profile.h"
#include "afx/Wnd.h"
#include "app/BaseDialog.h"
#include "app/BaseDialogView.h"
#include "app/FrameIconSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class CTestBaseDialog : public CBaseDialog
{
public:
    explicit CTestBaseDialog(UINT nIDTemplate, UINT nHelpId = 0, UINT nSettingsId = 0,
                             CWnd* pParent = nullptr)
        : CBaseDialog(nIDTemplate, pParent, nHelpId, nSettingsId)
    {
    }

    void OnSetInitialFocus() override { ++m_nInitialFocus; }
    BOOL ShowContextMenu() override
    {
        if (!m_bCountMenus)
            return CBaseDialog::ShowContextMenu();
        ++m_nMenus;
        return TRUE;
    }
    BOOL GetToolTipText(UINT nID, CString& strText) override
    {
        if (nID == IDC_TEST_LABEL && !m_strLabelTip.IsEmpty())
        {
            strText = m_strLabelTip;
            return TRUE;
        }
        return CBaseDialog::GetToolTipText(nID, strText);
    }

    int m_nInitialFocus = 0;
    BOOL m_bCountMenus = FALSE;
    int m_nMenus = 0;
    CString m_strLabelTip;
};

// A window that counts what reaches it.
class CRecordingWnd : public CWnd
{
public:
    std::vector<UINT> m_commands;
    int m_nRightClicks = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    afx_msg void OnRButtonDown(UINT, CPoint)
    {
        ++m_nRightClicks;
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

class BaseDialogTest : public ::testing::Test
{
protected:
    BaseDialogTest()
    {
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
        Cleanup();
    }
    ~BaseDialogTest() override
    {
        PumpPending();
        Cleanup();
    }
    void Cleanup()
    {
        for (UINT id : {61200u, 61210u, 61220u, 61911u, 61912u})
            AfxProfileDelete(app.GetProfileSectionKey(GetDialogProfileSection(id)), nullptr);
    }
    std::string Stored(UINT id, const char* key)
    {
        return StoredProfileValue(app, GetDialogProfileSection(id), key);
    }
    static std::string Tip(CBaseDialog& dlg, int nID)
    {
        CString strText;
        dlg.GetToolTip().GetCtrl().GetText(strText, dlg.GetDlgItem(nID));
        return (LPCTSTR)strText;
    }
    static std::string Text(UINT nID)
    {
        CString strText;
        strText.LoadString(nID);
        return (LPCTSTR)strText;
    }

    CTestAppComm app;
};

// ---- Profile section ----

TEST_F(BaseDialogTest, SettingsIdNamesTheProfileSection)
{
    CTestBaseDialog byTemplate(IDD_TEST_BASE);
    CTestBaseDialog first(IDD_TEST_BASE, 0, 61911);
    CTestBaseDialog second(IDD_TEST_BASE, 0, 61912);
    EXPECT_EQ((UINT)IDD_TEST_BASE, byTemplate.GetSettingsId());
    EXPECT_EQ((UINT)IDD_TEST_BASE, first.GetTemplateId());

    byTemplate.WriteSettingInt("Value", 1);
    first.WriteSettingInt("Value", 2);
    second.WriteSettingString("Value", "三");
    EXPECT_EQ("1", Stored(IDD_TEST_BASE, "Value"));
    EXPECT_EQ("2", Stored(61911, "Value"));
    EXPECT_EQ("三", Stored(61912, "Value"));
    EXPECT_EQ(2, first.GetSettingInt("Value", 0));
    CString strValue;
    second.GetSettingString("Value", strValue);
    EXPECT_EQ(CString("三"), strValue);
}

// ---- Tips ----

TEST_F(BaseDialogTest, StandardTipsFollowTheButtonsAndTheHelpPage)
{
    const struct
    {
        const char* name;
        UINT templ;
        UINT help;
        std::string ok, cancel, help_;
    } cases[] = {
        {"OK and Cancel", IDD_TEST_BASE, 0, Text(400), Text(401), ""},
        {"with a help page", IDD_TEST_BASE, 77, Text(400), Text(401), Text(402)},
        {"OK alone only closes", IDD_TEST_OK_ONLY, 0, Text(403), "", ""},
    };
    ASSERT_EQ("ダイアログを閉じます", Text(403));
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestBaseDialog dlg(c.templ, c.help);
        ASSERT_TRUE(dlg.CreateModeless(nullptr));
        EXPECT_EQ(c.ok, Tip(dlg, IDOK));
        if (dlg.GetDlgItem(IDCANCEL) != nullptr)
        {
            EXPECT_EQ(c.cancel, Tip(dlg, IDCANCEL));
        }
        if (dlg.GetDlgItem(IDC_DIALOG_HELP) != nullptr)
        {
            EXPECT_EQ(c.help_, Tip(dlg, IDC_DIALOG_HELP));
        }
        dlg.DestroyWindow();
    }
}

TEST_F(BaseDialogTest, TipAskedForIsCutToFiveHundredBytes)
{
    CTestBaseDialog dlg(IDD_TEST_BASE);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    CWnd* pLabel = dlg.GetDlgItem(IDC_TEST_LABEL);
    ASSERT_TRUE(dlg.AddToolTipText(pLabel, LPSTR_TEXTCALLBACKA));
    dlg.m_strLabelTip = "x";
    for (int i = 0; i < 300; ++i)
        dlg.m_strLabelTip += "あ";

    // What the tool tip sends when it shows the label's tip.
    auto ask = [&](CWnd* pControl, NMTTDISPINFOA& info)
    {
        info = NMTTDISPINFOA();
        info.hdr.hwndFrom = dlg.GetToolTip().GetCtrl().m_hWnd;
        info.hdr.idFrom = (UINT_PTR)pControl->m_hWnd;
        info.hdr.code = TTN_NEEDTEXTA;
        info.uFlags = TTF_IDISHWND;
        info.hinst = (HINSTANCE)1;
        dlg.SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
    };
    NMTTDISPINFOA info;
    ask(pLabel, info);
    ASSERT_NE(nullptr, info.lpszText);
    CString strShown = info.lpszText;
    EXPECT_EQ(499 + 3, strShown.GetLength());
    EXPECT_EQ(CString("..."), strShown.Right(3));
    EXPECT_EQ(dlg.m_strLabelTip.Left(499), strShown.Left(499));
    EXPECT_EQ(nullptr, info.hinst);

    // A control that offers no tip is left to the tool tip.
    ask(dlg.GetDlgItem(IDC_TEST_EDIT), info);
    EXPECT_EQ(nullptr, info.lpszText);
    EXPECT_EQ((HINSTANCE)1, info.hinst);
    dlg.DestroyWindow();
}

// ---- Help ----

class CFakeHelpWindow : public CHelpWindowHandle
{
public:
    static std::vector<std::string> s_events;
    explicit CFakeHelpWindow(UINT nPageId) { s_events.push_back("made " + std::to_string(nPageId)); }
    ~CFakeHelpWindow() override { s_events.push_back("destroyed"); }
    void ShowAgain(UINT nPageId) override { s_events.push_back("shown again at " + std::to_string(nPageId)); }
    static CHelpWindowHandle* Make(UINT nPageId) { return new CFakeHelpWindow(nPageId); }
};
std::vector<std::string> CFakeHelpWindow::s_events;

class HelpTest : public BaseDialogTest
{
protected:
    HelpTest()
    {
        CFakeHelpWindow::s_events.clear();
        m_pfnOld = SetHelpWindowFactory(CFakeHelpWindow::Make);
    }
    ~HelpTest() override { SetHelpWindowFactory(m_pfnOld); }
    HELP_WINDOW_FACTORY m_pfnOld = nullptr;
};

struct CCapturedCmdUI : public CCmdUI
{
    int m_nEnabled = -1;
    void Enable(BOOL bOn) override { m_nEnabled = bOn ? 1 : 0; }
};

int UpdateOfHelpCommand(CBaseDialog& dlg)
{
    CCapturedCmdUI ui;
    ui.m_nID = ID_DIALOG_HELP;
    dlg.OnCmdMsg(ID_DIALOG_HELP, (int)CN_UPDATE_COMMAND_UI, &ui, nullptr);
    return ui.m_nEnabled;
}

TEST_F(HelpTest, F1HelpButtonAndCommandShowTheHelpPage)
{
    {
        CTestBaseDialog dlg(IDD_TEST_BASE, 77);
        ASSERT_TRUE(dlg.CreateModeless(nullptr));
        HELPINFO info = {};
        info.cbSize = sizeof(info);
        EXPECT_TRUE(dlg.SendMessage(WM_HELP, 0, (LPARAM)&info)); // F1
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DIALOG_HELP, BN_CLICKED),
                        (LPARAM)dlg.GetDlgItem(IDC_DIALOG_HELP)->m_hWnd);
        dlg.SendMessage(WM_COMMAND, ID_DIALOG_HELP, 0); // the context menu's item
        EXPECT_EQ(1, UpdateOfHelpCommand(dlg));
        EXPECT_TRUE(dlg.IsCommandEnabled(ID_DIALOG_HELP));
        EXPECT_FALSE(dlg.IsCommandEnabled(ID_DIALOG_HELP + 1));
        dlg.DestroyWindow();
        EXPECT_EQ(
            (std::vector<std::string>{"made 77", "shown again at 77", "shown again at 77", "destroyed"}),
            CFakeHelpWindow::s_events);
    }
    CFakeHelpWindow::s_events.clear();
    CTestBaseDialog none(IDD_TEST_BASE, 0);
    ASSERT_TRUE(none.CreateModeless(nullptr));
    HELPINFO info = {};
    info.cbSize = sizeof(info);
    none.SendMessage(WM_HELP, 0, (LPARAM)&info);
    none.SendMessage(WM_COMMAND, ID_DIALOG_HELP, 0);
    EXPECT_TRUE(CFakeHelpWindow::s_events.empty());
    EXPECT_EQ(0, UpdateOfHelpCommand(none));
    EXPECT_FALSE(none.ShowContextMenu()); // no help, no menu
    none.DestroyWindow();
}

TEST_F(HelpTest, WithoutAHelpWindowHelpDoesNothing)
{
    SetHelpWindowFactory(nullptr);
    CTestBaseDialog dlg(IDD_TEST_BASE, 77);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    HELPINFO info = {};
    info.cbSize = sizeof(info);
    dlg.SendMessage(WM_HELP, 0, (LPARAM)&info);
    EXPECT_TRUE(CFakeHelpWindow::s_events.empty());
    dlg.DestroyWindow();
}

TEST_F(HelpTest, ContextMenuOffersHelp)
{
    CTestBaseDialog dlg(IDD_TEST_BASE, 77);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.ShowWindow(SW_SHOW);
    BOOL bShown = FALSE;
    std::vector<std::string> items;
    CloseMenuSoon(&bShown, [&](HWND hMenuWnd) { items = OpenMenuItems(hMenuWnd); });
    EXPECT_TRUE(dlg.ShowContextMenu());
    EXPECT_TRUE(bShown);
    EXPECT_EQ((std::vector<std::string>{"ヘルプ(&H)... 41000"}), items);
    dlg.DestroyWindow();
}

// ---- Right click ----

TEST_F(BaseDialogTest, RightClickOverAnExcludedControlGoesToTheControl)
{
    RUN_WHERE_THE_CURSOR_MOVES();
    CTestBaseDialog dlg(IDD_TEST_BASE, 77);
    dlg.m_bCountMenus = TRUE;
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.SetWindowPos(&CWnd::wndTop, 50, 50, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    dlg.AddTail(IDC_TEST_LABEL);
    CRecordingWnd label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_TEST_LABEL, &dlg));

    CCursorTestLock lock;
    auto rightClickOn = [&](int nID)
    {
        CRect rc;
        dlg.GetDlgItem(nID)->GetWindowRect(&rc);
        ::SetCursorPos(rc.CenterPoint().x, rc.CenterPoint().y);
        dlg.GetDlgItem(nID)->PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
        PumpPending();
    };
    POINT ptCursor;
    rightClickOn(IDC_TEST_LABEL);
    ::GetCursorPos(&ptCursor);
    CRect rcLabel;
    label.GetWindowRect(&rcLabel);
    if (!rcLabel.PtInRect(ptCursor))
        GTEST_SKIP() << "the cursor cannot be moved on this display";
    EXPECT_EQ(0, dlg.m_nMenus);
    EXPECT_EQ(1, label.m_nRightClicks);

    rightClickOn(IDC_TEST_EDIT);
    EXPECT_EQ(1, dlg.m_nMenus);

    // A hidden listed control does not block the menu.
    label.ShowWindow(SW_HIDE);
    ::SetCursorPos(rcLabel.CenterPoint().x, rcLabel.CenterPoint().y);
    dlg.PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, 0);
    PumpPending();
    EXPECT_EQ(2, dlg.m_nMenus);
    label.UnsubclassWindow();
    dlg.DestroyWindow();
}

// ---- Hosted ----

TEST_F(BaseDialogTest, HostedDialogHandsOkAndCancelToItsHost)
{
    CRecordingWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                              nullptr, nullptr));
    CTestBaseDialog page(IDD_TEST_CHILD);
    page.SetDialogOption(CBaseDialog::dialogHosted);
    ASSERT_TRUE(page.CreateModeless(&host));
    page.ShowWindow(SW_SHOW);

    page.SendMessage(WM_COMMAND, IDOK, 0);
    page.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindow(page.m_hWnd));
    EXPECT_EQ((std::vector<UINT>{IDOK, IDCANCEL}), host.m_commands);

    // Enter and Esc typed in the page.
    host.m_commands.clear();
    CWnd* pEdit = page.GetDlgItem(IDC_TEST_CHILD_EDIT);
    pEdit->SetFocus();
    pEdit->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    pEdit->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPending();
    EXPECT_TRUE(::IsWindow(page.m_hWnd));
    EXPECT_EQ((std::vector<UINT>{IDOK, IDCANCEL}), host.m_commands);
    page.DestroyWindow();
    host.DestroyWindow();
}

TEST_F(BaseDialogTest, HostedPageWithoutHelpTakesItsHostsPage)
{
    CTestBaseDialog host(IDD_TEST_BASE, 88);
    ASSERT_TRUE(host.CreateModeless(nullptr));
    CTestBaseDialog page(IDD_TEST_CHILD);
    EXPECT_EQ(0u, page.GetHelpId());
    page.SetDialogOption(CBaseDialog::dialogHosted);
    ASSERT_TRUE(page.CreateModeless(&host));
    EXPECT_EQ(88u, page.GetHelpId());
    EXPECT_EQ(0u, page.GetOwnHelpId());
    page.DestroyWindow();
    host.DestroyWindow();
}

class CTestDialogView : public CBaseDialogView
{
public:
    explicit CTestDialogView(BOOL bMake) : m_bMake(bMake) {}
    CBaseDialog* CreateHostedDialog() override
    {
        return m_bMake ? new CTestBaseDialog(IDD_TEST_CHILD) : nullptr;
    }
    BOOL m_bMake;
};

TEST_F(BaseDialogTest, ViewHostsItsDialogAndFitsIt)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "ビュー", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 400)));

    auto* pNone = new CTestDialogView(FALSE);
    EXPECT_FALSE(pNone->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), pFrame, 1));

    auto* pView = new CTestDialogView(TRUE);
    ASSERT_TRUE(pView->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), pFrame, 2));
    CBaseDialog* pDialog = pView->GetHostedDialog();
    ASSERT_NE(nullptr, pDialog);
    EXPECT_TRUE(pDialog->TestDialogOption(CBaseDialog::dialogHosted));
    EXPECT_EQ(pView->m_hWnd, ::GetParent(pDialog->m_hWnd));
    EXPECT_TRUE(pDialog->IsWindowVisible());

    pView->MoveWindow(0, 0, 320, 240);
    CRect rcDialog;
    pDialog->GetWindowRect(&rcDialog);
    CRect rcClient;
    pView->GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Size(), rcDialog.Size());

    // Enter and Esc leave the hosted dialog open.
    CWnd* pEdit = pDialog->GetDlgItem(IDC_TEST_CHILD_EDIT);
    pEdit->SetFocus();
    pEdit->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    pEdit->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPending();
    EXPECT_TRUE(::IsWindow(pDialog->m_hWnd));

    pFrame->DestroyWindow();
    PumpPending();
}

// ---- History ----

TEST_F(BaseDialogTest, ComboHistoryLoadsUpToTheFirstGapAndSavesEveryKey)
{
    WriteDialogProfileString(IDD_TEST_BASE, "HisMemo01", "一つ目");
    WriteDialogProfileString(IDD_TEST_BASE, "HisMemo02", "");
    WriteDialogProfileString(IDD_TEST_BASE, "HisMemo03", "三つ目");
    CTestBaseDialog dlg(IDD_TEST_BASE);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    auto* pCombo = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_TEST_COMBO));
    pCombo->AddString("古い");
    pCombo->SetWindowText("入力中");
    EXPECT_TRUE(dlg.LoadComboHistory(pCombo, "HisMemo%02d", 10));
    ASSERT_EQ(1, pCombo->GetCount());
    CString strEntry;
    pCombo->GetLBText(0, strEntry);
    EXPECT_EQ(CString("一つ目"), strEntry);
    CString strEdit;
    pCombo->GetWindowText(strEdit);
    EXPECT_EQ(CString("入力中"), strEdit);

    pCombo->AddString("二つ目");
    dlg.SaveComboHistory(pCombo, "HisMemo%02d", 10);
    EXPECT_EQ("一つ目", Stored(IDD_TEST_BASE, "HisMemo01"));
    EXPECT_EQ("二つ目", Stored(IDD_TEST_BASE, "HisMemo02"));
    for (int i = 3; i <= 10; ++i)
        EXPECT_EQ("", Stored(IDD_TEST_BASE, FormatDialogProfileKey("HisMemo%02d", i))) << i;
    dlg.DestroyWindow();
}

// ---- Messages and modes ----

TEST_F(BaseDialogTest, InitialFocusMessageRunsTheHookOnce)
{
    CTestBaseDialog dlg(IDD_TEST_BASE);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    dlg.PostMessage(WM_DIALOG_SET_INITIAL_FOCUS);
    PumpPending();
    EXPECT_EQ(1, dlg.m_nInitialFocus);
    // Sent straight to the window, as a loop without pre-translation does.
    dlg.SendMessage(WM_DIALOG_SET_INITIAL_FOCUS);
    EXPECT_EQ(2, dlg.m_nInitialFocus);
    dlg.DestroyWindow();
}

TEST_F(BaseDialogTest, ModelessDialogOwnsTheMessageBoxesRaisedInIt)
{
    AFX_MESSAGEBOX_HOOK pfnOld = AfxSetMessageBoxHook(nullptr);
    CTestBaseDialog dlg(IDD_TEST_BASE);
    ASSERT_TRUE(dlg.CreateModelessCentered(nullptr, TRUE));
    EXPECT_TRUE(dlg.IsCreatedModeless());
    dlg.SetForegroundWindow();
    dlg.SetActiveWindow();
    CMessageBoxWatcher watcher(::GetCurrentProcessId());
    AfxMessageBox("確認", MB_OK);
    watcher.Join();
    ASSERT_TRUE(watcher.Shown());
    EXPECT_EQ(dlg.m_hWnd, watcher.m_hWndOwner);
    dlg.DestroyWindow();
    AfxSetMessageBoxHook(pfnOld);

    CTestBaseDialog modal(IDD_TEST_BASE);
    ASSERT_TRUE(modal.CreateModeless(nullptr));
    EXPECT_FALSE(modal.IsCreatedModeless());
    modal.DestroyWindow();
}

class CIconFrame : public CFrameWnd, public CFrameIconSource
{
public:
    BOOL SetWindowIconFromMenu(CWnd* pWnd, int nIndex) override
    {
        m_calls.push_back({pWnd->GetSafeHwnd(), nIndex});
        return TRUE;
    }
    std::vector<std::pair<HWND, int>> m_calls;
};

TEST_F(BaseDialogTest, FrameIconComesFromTheMainFrame)
{
    CIconFrame* pFrame = new CIconFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "アイコン"));
    CTestBaseDialog dlg(IDD_TEST_BASE, 0, 0, pFrame);
    ASSERT_TRUE(dlg.CreateModeless(pFrame));
    EXPECT_TRUE(dlg.SetFrameIcon(3));
    ASSERT_EQ(1u, pFrame->m_calls.size());
    EXPECT_EQ(dlg.m_hWnd, pFrame->m_calls[0].first);
    EXPECT_EQ(3, pFrame->m_calls[0].second);
    dlg.DestroyWindow();

    // A frame without icons.
    CFrameWnd* pPlain = new CFrameWnd;
    ASSERT_TRUE(pPlain->Create(nullptr, "なし"));
    CTestBaseDialog other(IDD_TEST_BASE);
    ASSERT_TRUE(other.CreateModeless(pPlain));
    EXPECT_FALSE(other.SetFrameIcon(3));
    other.DestroyWindow();
    pPlain->DestroyWindow();
    pFrame->DestroyWindow();
}

TEST_F(BaseDialogTest, AppIconIsTheSmallIcon)
{
    CTestBaseDialog dlg(IDD_TEST_BASE);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    EXPECT_TRUE(dlg.SetAppIcon(IDI_TEST_ICON));
    EXPECT_NE(nullptr, dlg.GetIcon(FALSE));
    EXPECT_FALSE(dlg.SetAppIcon(0));
    dlg.DestroyWindow();
}
} // namespace
#endif // _WIN32
