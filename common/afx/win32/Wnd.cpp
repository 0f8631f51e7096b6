// CWnd: handle maps, creation, subclassing and the window procedure.
#include "afx/Wnd.h"

#include "afx/DC.h"
#include "afx/Gdi.h"
#include "afx/ImageList.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "afx/win32/AfxState.h"

#include <cstdio>
#include <cstring>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

// ---------------------------------------------------------------------------
// Thread state

AFX_THREAD_STATE::AFX_THREAD_STATE()
    : m_wndMap([](CWnd* p) { p->m_hWnd = nullptr; }), m_dcMap([](CDC* p) { p->SetHandle(nullptr); }),
      m_gdiMap([](CGdiObject* p) { p->SetHandle(nullptr); }),
      m_menuMap([](CMenu* p) { p->SetHandle(nullptr); }),
      m_imageListMap([](CImageList* p) { p->SetHandle(nullptr); })
{
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE* pState = new AFX_THREAD_STATE;
    return pState;
}

void AfxDeleteTempMaps()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_wndMap.DeleteTemp();
    pState->m_dcMap.DeleteTemp();
    pState->m_gdiMap.DeleteTemp();
    pState->m_menuMap.DeleteTemp();
    pState->m_imageListMap.DeleteTemp();
}

// ---------------------------------------------------------------------------
// Window classes

BOOL AFXAPI AfxRegisterClass(WNDCLASSA* lpWndClass)
{
    WNDCLASSA existing;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static thread_local char szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    std::snprintf(szName, sizeof(szName), "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
                  (void*)hbrBackground, (void*)hIcon);
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = szName;
    if (!AfxRegisterClass(&wc))
        return nullptr;
    return szName;
}

LPCTSTR AfxDefaultClass(LPCTSTR lpszClass)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = lpszClass;
    if (std::strcmp(lpszClass, AFX_FRAME_CLASS) == 0)
    {
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    }
    else
        wc.style = CS_DBLCLKS;
    return AfxRegisterClass(&wc) ? lpszClass : nullptr;
}

// ---------------------------------------------------------------------------
// Construction and the handle maps

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd()
{
    if (m_hWnd == nullptr || FromHandlePermanent(m_hWnd) != this)
        return;
    if ((m_nFlags & WF_OWNSWINDOW) != 0 && ::IsWindow(m_hWnd))
        DestroyWindow();
    else
        Detach();
}

HWND CWnd::GetSafeHwnd() const
{
    const CWnd* self = AfxLaunder(this);
    return self != nullptr ? self->m_hWnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return AfxGetThreadState()->m_wndMap.FromHandle(hWnd,
                                                    [](HWND h)
                                                    {
                                                        CWnd* p = new CWnd;
                                                        p->m_hWnd = h;
                                                        p->m_nFlags |= WF_TEMPORARY;
                                                        return p;
                                                    });
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != nullptr ? AfxGetThreadState()->m_wndMap.LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap()
{
    AfxGetThreadState()->m_wndMap.DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    AfxGetThreadState()->m_wndMap.SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return nullptr;
    // A window left subclassed without its object would lose its messages.
    if ((m_nFlags & WF_SUBCLASSED) != 0 && ::IsWindow(hWnd) &&
        (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    AfxGetThreadState()->m_wndMap.RemovePermanent(hWnd, this);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    m_nFlags &= ~(WF_OWNSWINDOW | WF_SUBCLASSED);
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldProc == nullptr)
    {
        Detach();
        return FALSE;
    }
    if (oldProc != AfxWndProc)
    {
        m_pfnSuper = oldProc;
        m_nFlags |= WF_SUBCLASSED;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    return Detach();
}

// ---------------------------------------------------------------------------
// Creation

// The creation hook attaches the object to its window before the window's
// first message (WM_GETMINMAXINFO, WM_NCCREATE), so that every message of
// the window reaches the message map.
void AfxAttachCreatedWindow(CWnd* pWnd, HWND hWnd)
{
    pWnd->Attach(hWnd);
    pWnd->PreSubclassWindow();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldProc != AfxWndProc)
        pWnd->m_pfnSuper = oldProc;
    pWnd->m_nFlags |= WF_SUBCLASSED | WF_OWNSWINDOW;
}

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->m_pWndInit != nullptr)
    {
        HWND hWnd = (HWND)wParam;
        // The system may make the thread's input-method window first.
        char szClass[16] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (::lstrcmpiA(szClass, "IME") != 0)
        {
            CWnd* pWnd = pState->m_pWndInit;
            pState->m_pWndInit = nullptr;
            AfxAttachCreatedWindow(pWnd, hWnd);
        }
    }
    return ::CallNextHookEx(pState->m_hHookCbt, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookCbt == nullptr)
        pState->m_hHookCbt = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

// TRUE when the hook attached the window.
BOOL AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookCbt != nullptr)
    {
        ::UnhookWindowsHookEx(pState->m_hHookCbt);
        pState->m_hHookCbt = nullptr;
    }
    if (pState->m_pWndInit != nullptr)
    {
        pState->m_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    AfxInitCommonControls();
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y, cs.cx,
                                  cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
    {
        // No window was ever attached: the object is cleaned up here, as
        // it would have been by WM_NCDESTROY.
        PostNcDestroy();
        return FALSE;
    }
    // A window that failed in WM_CREATE has been destroyed (and a
    // self-deleting object deleted) by now.
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // Child windows only, as in MFC; top-level windows use CreateEx.
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    (LPVOID)pContext);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
    {
        cs.lpszClass = AfxDefaultClass(AFX_WND_CLASS);
        return cs.lpszClass != nullptr;
    }
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy()
{
    // Temporary wrappers are freed by their map, never here.
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL bPermanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A window of another thread, or one whose WM_NCDESTROY never reached
    // us, is let go here. The object may be gone if it deleted itself.
    if (!bPermanent && m_hWnd == hWnd && (m_nFlags & WF_TEMPORARY) == 0)
        m_hWnd = nullptr;
    return bResult;
}

// ---------------------------------------------------------------------------
// The window procedure

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldMsg = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);

    // A map whose own WM_NCDESTROY handler did not reach CWnd's still lets
    // the object go: a dead handle must not stay in the map.
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
    {
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    pState->m_lastSentMsg = oldMsg;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = GetCurrentMessage();
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    pState->m_lastSentMsg.pt.x = (short)LOWORD(pos);
    pState->m_lastSentMsg.pt.y = (short)HIWORD(pos);
    return &pState->m_lastSentMsg;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

// ---------------------------------------------------------------------------
// Modal loop

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) != 0 && (GetStyle() & WS_VISIBLE) == 0;
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    MSG msg;
    for (;;)
    {
        // Idle: show the window once, let the owner know it is idle.
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if ((dwFlags & MLF_NOIDLEMSG) == 0 && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) != 0 || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!ContinueModal())
                goto ExitModal;
            if (!AfxPumpMessage())
            {
                // WM_QUIT ends the loop and goes on to the outer one.
                ::PostQuitMessage((int)AfxGetThreadState()->m_msgCur.wParam);
                goto ExitModal;
            }
            if (bShowIdle && (msg.message == 0x118 || msg.message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal())
                goto ExitModal;
            bIdle = TRUE;
            lIdleCount = 0;
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if ((m_nFlags & WF_CONTINUEMODAL) != 0)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        // Wakes the loop if it is waiting for a message.
        PostMessage(WM_NULL);
    }
}
