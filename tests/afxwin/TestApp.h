#ifndef TANZO_TESTS_AFXWIN_TESTAPP_H
#define TANZO_TESTS_AFXWIN_TESTAPP_H

// The application object of the window tests, as a program has one: it
// records the message boxes it is asked to show and the commands that
// reach it.

#include "afx/afxwin.h"

#include <functional>
#include <vector>

class CTestApp : public CWinApp
{
public:
    CTestApp();

    BOOL InitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
    int ExitInstance() override;

    std::function<BOOL()> m_pfnInitInstance; // what a program's start-up does
    int m_nIdle = 0;
    std::vector<CString> m_boxes; // prompts shown, in order
    int m_nBoxAnswer = 0;         // 0: the default button
    int m_nAppCommands = 0;
    int m_nExitInstance = 0;

protected:
    afx_msg void OnAppCommand();

    DECLARE_MESSAGE_MAP()
};

extern CTestApp theApp;

// Handles what is queued (through the application's pre-translation, as
// the message loop does) and drops WM_QUIT left by a closed main window.
void PumpPending();

#endif // TANZO_TESTS_AFXWIN_TESTAPP_H
