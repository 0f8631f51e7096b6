// The program's own message box, shown and answered as a user would: it
// wraps at 120 columns, grows to fit, reports its check box, greys Close
// for Yes/No, shortens a long link but opens and tips the whole one, and
// belongs to the active modeless dialog; the notice closes itself after
// 2 s without a beep; a question whose box is ticked and answered No keeps
// nothing.
#ifdef _WIN32
#include "DialogTestUtil.h"
#include "TestAppComm.h"
#include "TestResources.h"
#include "TestText.h"
#include "WinTestUtil.h"
#include "afx/TestText.h"

#include "app/ChoiceMessageDialog.h"
#include "app/ClipboardShell.h"
#include "app/DialogResourceIds.h"
#include "app/MessageBoxDialog.h"
#include "app/MessagePrompt.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace
{
// Boxes whose beeps are counted instead of heard.
template <class TBox> class CQuietBox : public TBox
{
public:
    using TBox::TBox;
    std::vector<UINT> m_beeps;

protected:
    void PlayBeep(UINT nType) override { m_beeps.push_back(nType); }
};
typedef CQuietBox<CChoiceMessageDialog> CTestChoiceBox;
typedef CQuietBox<CSimpleMessageDialog> CTestNotice;

// The whole text of a control's tip (the ANSI message gives 80 bytes at
// most).
std::string ToolTipText(CToolTipCtrl& tip, CWnd* pControl)
{
    std::vector<WCHAR> buffer(4096, 0);
    TTTOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = ::GetParent(pControl->m_hWnd);
    info.uId = (UINT_PTR)pControl->m_hWnd;
    info.uFlags = TTF_IDISHWND;
    info.lpszText = buffer.data();
    tip.SendMessage(TTM_GETTEXTW, buffer.size(), (LPARAM)&info);
    char szText[4096] = {};
    ::WideCharToMultiByte(CP_ACP, 0, buffer.data(), -1, szText, sizeof(szText), nullptr, nullptr);
    return szText;
}

CMessageBoxWatcher::Options ChoiceBox(int nPress)
{
    CMessageBoxWatcher::Options options;
    options.nMarkerId = IDC_MESSAGE_TEXT;
    options.nPressId = nPress;
    return options;
}

class MessageBoxTest : public ::testing::Test
{
protected:
    MessageBoxTest() : app("たんぞ") {}
    ~MessageBoxTest() override { PumpPending(); }
    CTestAppComm app;
};

TEST_F(MessageBoxTest, PlainBoxWrapsAt120ColumnsBeepsAndGrows)
{
    CTestChoiceBox box(RepeatText("あ", 150).c_str());
    EXPECT_EQ((DWORD)CMessageBoxDialog::defaultOptions, box.GetOptions());
    CRect rcTemplate, rcShown;
    std::string strShown;
    CMessageBoxWatcher watcher(::GetCurrentProcessId(), ChoiceBox(IDC_MESSAGE_BUTTON_SINGLE),
                               [&](HWND hBox) { ::GetWindowRect(hBox, &rcShown); });
    EXPECT_EQ(IDOK, box.DoModal());
    watcher.Join();
    ASSERT_TRUE(watcher.Shown());
    EXPECT_EQ("たんぞ", watcher.m_caption); // the application's name
    const std::string text = watcher.Text(IDC_MESSAGE_TEXT);
    size_t nLines = 0, nLongest = 0;
    for (size_t nStart = 0; nStart <= text.size();)
    {
        size_t nEnd = text.find("\r\n", nStart);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        nLongest = std::max(nLongest, nEnd - nStart);
        ++nLines;
        nStart = nEnd + 2;
    }
    EXPECT_EQ(3u, nLines);
    EXPECT_LE(nLongest, 120u);
    EXPECT_TRUE(watcher.IsShown(IDC_MESSAGE_BUTTON_SINGLE));
    EXPECT_EQ("OK", watcher.Text(IDC_MESSAGE_BUTTON_SINGLE));
    EXPECT_FALSE(watcher.IsShown(IDC_MESSAGE_CHECKBOX));
    EXPECT_FALSE(watcher.IsShown(IDC_MESSAGE_URL));
    EXPECT_FALSE(watcher.IsShown(IDC_MESSAGE_HEADING));
    EXPECT_EQ((std::vector<UINT>{MB_ICONEXCLAMATION}), box.m_beeps);

    // Grown past the template's width to hold 120 columns.
    CChoiceMessageDialog small("短い");
    small.RemoveOptions(CMessageBoxDialog::optionBeep);
    CMessageBoxWatcher smallWatcher(::GetCurrentProcessId(), ChoiceBox(IDC_MESSAGE_BUTTON_SINGLE),
                                    [&](HWND hBox) { ::GetWindowRect(hBox, &rcTemplate); });
    small.DoModal();
    smallWatcher.Join();
    EXPECT_GT(rcShown.Width(), rcTemplate.Width());
    EXPECT_GT(rcShown.Height(), rcTemplate.Height());
}

TEST_F(MessageBoxTest, YesNoGreysCloseAndReportsTheCheckBox)
{
    CTestChoiceBox box("続けますか?");
    box.SetStyle(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    box.SetDontShowAgain();
    UINT nCloseState = 0;
    HWND hFocus = nullptr;
    CMessageBoxWatcher watcher(
        ::GetCurrentProcessId(), ChoiceBox(IDC_MESSAGE_BUTTON_PAIR_FIRST),
        [&](HWND hBox)
        {
            nCloseState = ::GetMenuState(::GetSystemMenu(hBox, FALSE), SC_CLOSE, MF_BYCOMMAND);
            ::SendMessageA(::GetDlgItem(hBox, IDC_MESSAGE_CHECKBOX), BM_SETCHECK, BST_CHECKED, 0);
            hFocus = (HWND)::SendMessageA(hBox, DM_GETDEFID, 0, 0);
        });
    EXPECT_EQ(IDYES, box.DoModal());
    watcher.Join();
    ASSERT_TRUE(watcher.Shown());
    EXPECT_NE(0u, nCloseState & MF_GRAYED);
    EXPECT_EQ(MAKELONG(IDC_MESSAGE_BUTTON_PAIR_SECOND, DC_HASDEFID), (LRESULT)hFocus);
    EXPECT_EQ(LoadText(IDS_MESSAGE_YES), watcher.Text(IDC_MESSAGE_BUTTON_PAIR_FIRST));
    EXPECT_EQ(LoadText(IDS_MESSAGE_NO), watcher.Text(IDC_MESSAGE_BUTTON_PAIR_SECOND));
    EXPECT_TRUE(watcher.IsShown(IDC_MESSAGE_CHECKBOX));
    EXPECT_EQ("次回から表示しない(&E)", watcher.Text(IDC_MESSAGE_CHECKBOX));
    EXPECT_EQ((std::vector<UINT>{MB_ICONQUESTION}), box.m_beeps);
    EXPECT_TRUE(box.IsChecked());
}

TEST_F(MessageBoxTest, OkCancelStyleGivesAPair)
{
    CTestChoiceBox box("送信します。");
    box.SetStyle(MB_OKCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(messageButtonsOkCancel, box.GetButtonSet());
    HICON hIcon = nullptr;
    UINT nCloseState = 0;
    CMessageBoxWatcher watcher(
        ::GetCurrentProcessId(), ChoiceBox(IDC_MESSAGE_BUTTON_PAIR_SECOND),
        [&](HWND hBox)
        {
            hIcon = (HICON)::SendDlgItemMessageA(hBox, IDC_MESSAGE_ICON, STM_GETICON, 0, 0);
            nCloseState = ::GetMenuState(::GetSystemMenu(hBox, FALSE), SC_CLOSE, MF_BYCOMMAND);
        });
    EXPECT_EQ(IDCANCEL, box.DoModal());
    watcher.Join();
    EXPECT_EQ("OK", watcher.Text(IDC_MESSAGE_BUTTON_PAIR_FIRST));
    EXPECT_EQ(LoadText(IDS_MESSAGE_CANCEL), watcher.Text(IDC_MESSAGE_BUTTON_PAIR_SECOND));
    EXPECT_FALSE(watcher.IsShown(IDC_MESSAGE_BUTTON_SINGLE));
    EXPECT_EQ(::LoadIconA(nullptr, IDI_QUESTION), hIcon);
    EXPECT_EQ(0u, nCloseState & MF_GRAYED);
}

TEST_F(MessageBoxTest, EscapeCancelsUnlessTheBoxForbidsIt)
{
    const struct
    {
        const char* name;
        DWORD options;
        INT_PTR result;
    } cases[] = {
        {"Esc ends a Yes/No box", 0, IDCANCEL},
        {"Esc does nothing with 0x40", CMessageBoxDialog::optionNoCancel, IDNO},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestChoiceBox box("削除しますか?", nullptr, c.options);
        box.SetStyle(MB_YESNO);
        // Esc, then No for a box that is still there.
        CallSoon(
            [&]
            {
                HWND hYes = ::GetDlgItem(box.m_hWnd, IDC_MESSAGE_BUTTON_PAIR_FIRST);
                ::PostMessageA(hYes, WM_KEYDOWN, VK_ESCAPE, 1);
                ::PostMessageA(::GetDlgItem(box.m_hWnd, IDC_MESSAGE_BUTTON_PAIR_SECOND), BM_CLICK, 0, 0);
            },
            50);
        EXPECT_EQ(c.result, box.DoModal());
    }
}

TEST_F(MessageBoxTest, LongLinkIsShortenedButOpenedAndTippedWhole)
{
    std::vector<std::string> opened;
    static std::vector<std::string>* s_pOpened;
    s_pOpened = &opened;
    SHELL_OPEN_HOOK pfnOld = SetShellOpenHook(
        [](LPCTSTR lpszTarget, HWND) -> INT_PTR
        {
            s_pOpened->push_back(lpszTarget);
            return 42;
        });
    const std::string url = "https://auctions.example/" + RepeatText("a", 105); // 130 characters
    CTestChoiceBox box("ページを開きます。");
    box.SetUrl(url.c_str());
    box.SetHeading("お知らせ");
    std::string tip, shown, heading;
    CallWhenShown(&box.m_hWnd,
                  [&]
                  {
                      auto* pLink = dynamic_cast<CURLStatic*>(
                          CWnd::FromHandlePermanent(::GetDlgItem(box.m_hWnd, IDC_MESSAGE_URL)));
                      ASSERT_NE(nullptr, pLink);
                      tip = ToolTipText(box.GetToolTip().GetCtrl(), pLink);
                      // The link knows where its text is once it has painted.
                      pLink->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                      const CRect rcText = pLink->GetTextRect();
                      EXPECT_FALSE(rcText.IsRectEmpty());
                      pLink->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                                         MAKELPARAM(rcText.left + 2, rcText.CenterPoint().y));
                      pLink->SendMessage(WM_LBUTTONUP, 0,
                                         MAKELPARAM(rcText.left + 2, rcText.CenterPoint().y));
                      char szText[256] = {};
                      ::GetDlgItemTextA(box.m_hWnd, IDC_MESSAGE_URL, szText, sizeof(szText));
                      shown = szText;
                      ::GetDlgItemTextA(box.m_hWnd, IDC_MESSAGE_HEADING, szText, sizeof(szText));
                      heading = szText;
                      box.EndDialog(IDOK);
                  });
    EXPECT_EQ(IDOK, box.DoModal());
    SetShellOpenHook(pfnOld);
    EXPECT_EQ(url.substr(0, 120) + "...", shown);
    EXPECT_EQ("お知らせ", heading);
    EXPECT_EQ(url, tip);
    EXPECT_EQ((std::vector<std::string>{url}), opened);
}

TEST_F(MessageBoxTest, EmptyTextsSwitchTheirPartsOff)
{
    CChoiceMessageDialog box("本文");
    box.AddOptions(CMessageBoxDialog::optionHeading | CMessageBoxDialog::optionUrl |
                   CMessageBoxDialog::optionCheckBox);
    box.SetHeading("");
    box.SetUrl("");
    box.SetCheckBoxText("");
    EXPECT_FALSE(box.TestOptions(CMessageBoxDialog::optionHeading));
    EXPECT_FALSE(box.TestOptions(CMessageBoxDialog::optionUrl));
    EXPECT_FALSE(box.TestOptions(CMessageBoxDialog::optionCheckBox));
    box.SetHeading("見出し");
    EXPECT_TRUE(box.TestOptions(CMessageBoxDialog::optionHeading));
}

TEST_F(MessageBoxTest, NoticeClosesItselfAfterTwoSecondsWithoutABeep)
{
    CTestNotice notice("保存しました。");
    CMessageBoxWatcher::Options options;
    options.nMarkerId = IDC_SIMPLE_TEXT;
    options.nPressId = 0; // nobody answers
    CMessageBoxWatcher watcher(::GetCurrentProcessId(), options, nullptr);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(IDOK, notice.DoModal());
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    watcher.Join();
    ASSERT_TRUE(watcher.Shown());
    EXPECT_GE(elapsed, 1900);
    EXPECT_TRUE(notice.m_beeps.empty());
    EXPECT_EQ("たんぞ", watcher.Text(IDC_SIMPLE_HEADING));
    EXPECT_TRUE(watcher.IsShown(IDC_SIMPLE_HEADING));
    EXPECT_EQ("保存しました。", watcher.Text(IDC_SIMPLE_TEXT));
    EXPECT_TRUE(notice.TestOptions(CMessageBoxDialog::optionPaleYellow));
}

class CRecordingPrompt : public CMessagePrompt
{
public:
    void OnDontShowAgain(DWORD dwKey) override { m_keys.push_back(dwKey); }
    std::vector<DWORD> m_keys;
};

TEST_F(MessageBoxTest, NotAskingAgainIsKeptOnlyForYes)
{
    const struct
    {
        const char* name;
        int press;
        BOOL tick;
        INT_PTR result;
        std::vector<DWORD> kept;
    } cases[] = {
        {"ticked and No", IDC_MESSAGE_BUTTON_PAIR_SECOND, TRUE, IDNO, {}},
        {"ticked and Yes", IDC_MESSAGE_BUTTON_PAIR_FIRST, TRUE, IDYES, {0x40}},
        {"Yes without the tick", IDC_MESSAGE_BUTTON_PAIR_FIRST, FALSE, IDYES, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CRecordingPrompt prompt;
        LRESULT nDefault = 0;
        CMessageBoxWatcher watcher(::GetCurrentProcessId(), ChoiceBox(c.press),
                                   [&](HWND hBox)
                                   {
                                       nDefault = ::SendMessageA(hBox, DM_GETDEFID, 0, 0);
                                       if (c.tick)
                                           ::SendMessageA(::GetDlgItem(hBox, IDC_MESSAGE_CHECKBOX),
                                                          BM_SETCHECK, BST_CHECKED, 0);
                                   });
        EXPECT_EQ(c.result, prompt.AskQuestion("上書きしますか?", 0x40, nullptr, FALSE));
        watcher.Join();
        EXPECT_EQ(c.kept, prompt.m_keys);
        EXPECT_EQ(IDC_MESSAGE_BUTTON_PAIR_SECOND, LOWORD(nDefault)); // No is the default
    }

    // With Cancel: Yes/No/Cancel, Yes the default.
    CRecordingPrompt prompt;
    LRESULT nDefault = 0;
    CMessageBoxWatcher watcher(::GetCurrentProcessId(), ChoiceBox(IDC_MESSAGE_BUTTON_TRIPLE_THIRD),
                               [&](HWND hBox) { nDefault = ::SendMessageA(hBox, DM_GETDEFID, 0, 0); });
    EXPECT_EQ(IDCANCEL, prompt.AskWarning(IDS_MESSAGE_DONT_SHOW_AGAIN, 1, nullptr, TRUE));
    watcher.Join();
    EXPECT_EQ(IDC_MESSAGE_BUTTON_TRIPLE_FIRST, LOWORD(nDefault));
}

TEST_F(MessageBoxTest, BoxRaisedInAnActiveModelessDialogBelongsToIt)
{
    CBaseDialog modeless(IDD_TEST_BASE);
    ASSERT_TRUE(modeless.CreateModelessCentered(nullptr, TRUE));
    modeless.SetForegroundWindow();
    modeless.SetActiveWindow();
    CChoiceMessageDialog box("処理中です。");
    box.RemoveOptions(CMessageBoxDialog::optionBeep);
    CMessageBoxWatcher watcher(::GetCurrentProcessId(), ChoiceBox(IDC_MESSAGE_BUTTON_SINGLE), nullptr);
    EXPECT_EQ(IDOK, box.DoModal());
    watcher.Join();
    ASSERT_TRUE(watcher.Shown());
    EXPECT_EQ(modeless.m_hWnd, watcher.m_hWndOwner);
    modeless.DestroyWindow();
}
TEST_F(MessageBoxTest, CornerBoxSitsInTheWorkAreaOnceGrown)
{
    CChoiceMessageDialog box(RepeatText("長い通知の文章です。", 20).c_str(), nullptr,
                             CMessageBoxDialog::optionCorner);
    box.RemoveOptions(CMessageBoxDialog::optionBeep);
    box.SetHeading("お知らせ");
    CRect rcBox;
    CMessageBoxWatcher watcher(::GetCurrentProcessId(), ChoiceBox(IDC_MESSAGE_BUTTON_SINGLE),
                               [&](HWND hBox) { ::GetWindowRect(hBox, &rcBox); });
    EXPECT_EQ(IDOK, box.DoModal());
    watcher.Join();
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    // Placed after it grew: its whole grown size fits, 10 pixels from the edges.
    EXPECT_EQ(rcWork.right - 10, rcBox.right);
    EXPECT_EQ(rcWork.bottom - 10, rcBox.bottom);
    EXPECT_GT(rcBox.Width(), 300);
}

} // namespace
#endif // _WIN32
