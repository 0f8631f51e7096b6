#ifndef TANZO_TESTS_AUCTION_USERIDDIALOGTESTUTIL_H
#define TANZO_TESTS_AUCTION_USERIDDIALOGTESTUTIL_H

// Driving the user-ID dialogs in their tests (Windows builds): an entry
// dialog that runs the next script of the test once it is up and records
// the accounts it is asked to verify, and a base fixture with a clean
// profile section for each test dialog.
#ifdef _WIN32

#include "UserIdTestResources.h"
#include "afx/TestText.h"
#include "app/DialogTestUtil.h"
#include "app/TestAppComm.h"
#include "app/WinTestUtil.h"

#include "afx/Profile.h"
#include "app/DialogProfile.h"
#include "auction/accounts/UserIdEditDialog.h"
#include "auction/accounts/UserIdResourceIds.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

inline std::string Text(HWND hWnd)
{
    char szText[512] = {};
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

// What the next entry dialogs do once they are up, in order; one that has
// nothing to do is cancelled.
inline std::deque<std::function<void(CDialog*)>> g_editScripts;
// Accounts the entry dialogs were asked to verify ("ID/password"), and
// their answer.
inline std::vector<std::string> g_verified;
inline BOOL g_bVerifyResult = TRUE;

class CTestEditDialog : public CUserIdEditDialog
{
public:
    explicit CTestEditDialog(CWnd* pParent) : CUserIdEditDialog(IDD_TEST_USERID_EDIT, pParent, 0) {}

    BOOL VerifyAccount(const CUserAccount& account, CWnd*) override
    {
        g_verified.push_back(std::string(account.GetID()) + "/" + (LPCTSTR)account.GetPassword());
        return g_bVerifyResult;
    }
    BOOL OnInitDialog() override
    {
        CUserIdEditDialog::OnInitDialog();
        std::function<void(CDialog*)> script = [](CDialog* pDialog) { pDialog->EndDialog(IDCANCEL); };
        if (!g_editScripts.empty())
        {
            script = g_editScripts.front();
            g_editScripts.pop_front();
        }
        CallWhenShown(&m_hWnd, [this, script] { script(this); });
        return TRUE;
    }
};

// Fills the entry dialog's fields (null leaves one as it is).
inline void Fill(CDialog* pDialog, const char* id, const char* password, const char* memo)
{
    if (id != nullptr)
        pDialog->SetDlgItemText(IDC_USERID_ID, id);
    if (password != nullptr)
        pDialog->SetDlgItemText(IDC_USERID_PASSWORD, password);
    if (memo != nullptr)
        pDialog->SetDlgItemText(IDC_USERID_MEMO, memo);
}

// Presses a button of the dialog and answers the message box it shows;
// the box's text, "" when none showed within the time.
inline std::string PressAndAnswer(CDialog* pDialog, int nButton, int nAnswer, int nTimeoutMs = 20000)
{
    CMessageBoxWatcher::Options options;
    options.nPressId = nAnswer;
    options.nMarkerId = 0xFFFF; // the system box's text
    options.nTimeoutMs = nTimeoutMs;
    CMessageBoxWatcher watcher(::GetCurrentProcessId(), options);
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                         (LPARAM)::GetDlgItem(pDialog->m_hWnd, nButton));
    watcher.Join();
    return watcher.Shown() ? watcher.m_text : std::string();
}

class UserIdDialogTest : public ::testing::Test
{
protected:
    UserIdDialogTest()
    {
        // A key of this process alone: the suites may run in processes
        // side by side.
        m_app.SetRegistryKey(UniqueName(g_szCompanyName));
        m_app.InitProfileName();
        Cleanup();
        g_editScripts.clear();
        g_verified.clear();
        g_bVerifyResult = TRUE;
    }
    ~UserIdDialogTest() override
    {
        Cleanup();
        g_editScripts.clear();
    }
    void Cleanup() { AfxProfileDelete(CString("Software\\") + m_app.m_pszRegistryKey, nullptr); }

    CTestAppComm m_app;
};

#endif // _WIN32
#endif // TANZO_TESTS_AUCTION_USERIDDIALOGTESTUTIL_H
