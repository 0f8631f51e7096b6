#ifndef TANZO_TESTS_CLIENT_WIN32_CLIENTAPPFIXTURE_H
#define TANZO_TESTS_CLIENT_WIN32_CLIENTAPPFIXTURE_H

// The client started in this process as the program starts it, with its
// profile cleared first and its user data in a folder of the test's own;
// closed again at the end of the test.

#include <gtest/gtest.h>

#include <string>

#include "afx/Profile.h"
#include "afx/String.h"
#include "app/DialogTestUtil.h"
#include "client/DataFileTestSupport.h"
#include "client/MainFrame.h"
#include "client/TanzoApp.h"
#include "client/TanzoDoc.h"
#include "client/TanzoView.h"

// The profile of the client: HKEY_CURRENT_USER\<this>.
#define CLIENT_PROFILE_KEY "Software\\Velmar Soft\\Tanzo3"

// The client's names, but a mutex of each start's own: the process keeps
// the mutex of a start until it ends.
class CTestTanzoApp : public CTanzoApp
{
public:
    BOOL GetUserDataRoot(CString& out) override
    {
        out = m_strRoot;
        return !out.IsEmpty();
    }
    LPCTSTR GetMutexName() override
    {
        static int starts = 0;
        m_strMutex.Format("Tanzo-Client-Test-%lu-%d", (unsigned long)::GetCurrentProcessId(), ++starts);
        return m_strMutex;
    }

    // Most tests look at the window alone: the lists read the service
    // only where a test asks for it.
    void StartFirstRefresh(CMainFrame* pFrame) override
    {
        if (m_bFirstRefresh)
            CTanzoApp::StartFirstRefresh(pFrame);
    }

    CString m_strRoot;
    CString m_strMutex;
    BOOL m_bFirstRefresh = FALSE;
};

class ClientAppTest : public ::testing::Test
{
protected:
    ClientAppTest() { AfxProfileDelete(CLIENT_PROFILE_KEY, nullptr); }
    ~ClientAppTest() override
    {
        Close();
        AfxProfileDelete(CLIENT_PROFILE_KEY, nullptr);
    }

    // The start-up; FALSE when it failed.
    BOOL Start()
    {
        m_app.m_strRoot = m_folder.Path();
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        m_bStarted = m_app.InitInstance();
        PumpPending();
        return m_bStarted && Frame() != nullptr;
    }
    // Closes the main window as the user does, then ends the application.
    void Close()
    {
        if (!m_bStarted)
            return;
        if (CMainFrame* pFrame = Frame())
            pFrame->SendMessage(WM_CLOSE);
        PumpPending();
        m_app.ExitInstance();
        m_bStarted = FALSE;
    }
    void SetSetting(LPCTSTR lpszKey, int nValue)
    {
        DWORD dwValue = (DWORD)nValue;
        AfxProfileWrite(CLIENT_PROFILE_KEY "\\Settings", lpszKey, REG_DWORD, &dwValue, sizeof(dwValue));
    }

    CMainFrame* Frame() { return m_app.GetMainFrame(); }
    CTanzoDoc* Doc() { return GetTanzoDoc(nullptr); }

    CTempFolder m_folder;
    CTestTanzoApp m_app;
    BOOL m_bStarted = FALSE;
};

// The text of a control of a window.
inline std::string ControlText(HWND hWnd, int nID)
{
    char szText[1024] = {};
    ::GetDlgItemTextA(hWnd, nID, szText, sizeof(szText));
    return szText;
}

// The window's text.
inline std::string WindowText(HWND hWnd)
{
    char szText[1024] = {};
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

// A dialog of this thread that holds a control of this id and is visible,
// or null.
inline HWND FindDialogWith(int nControlId)
{
    struct Finder
    {
        int nID;
        HWND hFound = nullptr;
        static BOOL CALLBACK Check(HWND hWnd, LPARAM lParam)
        {
            Finder* self = (Finder*)lParam;
            if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, self->nID) != nullptr)
            {
                self->hFound = hWnd;
                return FALSE;
            }
            return TRUE;
        }
    } finder{nControlId};
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Check, (LPARAM)&finder);
    return finder.hFound;
}

// Runs fn from the modal loop that runs then, once a dialog with that
// control shows; gives up after some seconds.
inline void WhenDialogShows(int nControlId, std::function<void(HWND)> fn, int nTries = 1000)
{
    CallSoon(
        [=]
        {
            HWND hDialog = FindDialogWith(nControlId);
            if (hDialog != nullptr)
                fn(hDialog);
            else if (nTries > 0)
                WhenDialogShows(nControlId, fn, nTries - 1);
        },
        20);
}

inline void Click(HWND hDialog, int nID)
{
    ::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDialog, nID));
}

#endif // TANZO_TESTS_CLIENT_WIN32_CLIENTAPPFIXTURE_H
