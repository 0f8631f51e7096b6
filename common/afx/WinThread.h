#ifndef TANZO_AFX_WINTHREAD_H
#define TANZO_AFX_WINTHREAD_H

// CWinThread: the user-interface thread's message loop (Windows builds).
// The program has one, the application object; Run pumps messages through
// PreTranslateMessage and calls OnIdle when the queue is empty.

#include "afx/CmdTarget.h"
#include "afx/Rect.h"
#include "afx/wintypes.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr; // ends the loop when it is destroyed
    CWnd* m_pActiveWnd = nullptr;
    BOOL m_bAutoDelete = FALSE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;

    virtual CWnd* GetMainWnd();

    virtual BOOL InitInstance();
    // The loop; returns ExitInstance's code when WM_QUIT arrives.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // One message: FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // lCount counts the calls since the last message: 0 updates the user
    // interface (WM_IDLEUPDATECMDUI), 1 frees temporary wrappers. TRUE asks
    // for another call.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();

    MSG m_msgCur = {};

protected:
    // ExitInstance once, whoever ends the thread first (WM_QUIT or the end
    // of the session).
    int DoExitInstance();

    CPoint m_ptCursorLast;
    UINT m_nMsgLast = 0;
    BOOL m_bExitInstanceDone = FALSE;
    int m_nExitCode = 0;
};

// The user-interface thread object (the application), or null.
CWinThread* AFXAPI AfxGetThread();
// The main window of the thread (the application's m_pMainWnd), or null.
CWnd* AFXAPI AfxGetMainWnd();
// One message of the thread's queue through the thread's
// PreTranslateMessage; FALSE when it was WM_QUIT.
BOOL AFXAPI AfxPumpMessage();
void AFXAPI AfxPostQuitMessage(int nExitCode);

#endif // TANZO_AFX_WINTHREAD_H
