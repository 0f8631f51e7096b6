// CWinThread: the message loop, message pre-translation and idle work.
#include "afx/WinThread.h"

#include "afx/WinApp.h"
#include "afx/Wnd.h"
#include "afx/win32/AfxState.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
{
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
}

CWinThread::~CWinThread() = default;

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != nullptr)
        return m_pActiveWnd;
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

int CWinThread::DoExitInstance()
{
    if (!m_bExitInstanceDone)
    {
        m_bExitInstanceDone = TRUE;
        m_nExitCode = ExitInstance();
    }
    return m_nExitCode;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return DoExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
    {
        AfxGetThreadState()->m_msgCur = m_msgCur;
        return FALSE;
    }
    AfxGetThreadState()->m_msgCur = m_msgCur;
    MSG msg = m_msgCur;
    if (!PreTranslateMessage(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr)
        return FALSE;
    CWnd* pMainWnd = AfxGetMainWnd();
    // Not pMainWnd->GetSafeHwnd(): a call through the pointer lets the
    // compiler take it for non-null and drop the check below.
    if (CWnd::WalkPreTranslateTree(pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr, pMsg))
        return TRUE;
    // A modeless window outside the main window still gets the main
    // window's accelerators.
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        CWnd* pTop = pWnd != nullptr ? pWnd->GetTopLevelParent() : nullptr;
        if (pTop == nullptr || pTop->m_hWnd != pMainWnd->m_hWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves that did not move, paints and caret blinks would make
    // the idle work run over and over.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (m_ptCursorLast == pMsg->pt && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    AfxDeleteTempMaps();
    return FALSE;
}

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetApp();
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->PumpMessage();
    // No application (a test): the windows' own pre-translation still runs.
    MSG& msg = AfxGetThreadState()->m_msgCur;
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    MSG copy = msg;
    if (!CWnd::WalkPreTranslateTree(nullptr, &copy))
    {
        ::TranslateMessage(&copy);
        ::DispatchMessageA(&copy);
    }
    return TRUE;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}
