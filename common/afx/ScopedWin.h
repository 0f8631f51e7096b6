#ifndef TANZO_AFX_SCOPEDWIN_H
#define TANZO_AFX_SCOPEDWIN_H

// Scope objects for the window system's acquire/release pairs (Windows
// builds): what a scope begins, its end undoes, on every way out.

#include "afx/WinApp.h"
#include "afx/Wnd.h"

#include <objbase.h>
#include <utility>

// The wait cursor while the object lives (counted by the application).
class CWaitCursor
{
public:
    CWaitCursor() { Call(1); }
    ~CWaitCursor() { Call(-1); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows it again after a message box or a dialog changed the cursor.
    void Restore() { Call(0); }

private:
    static void Call(int nCode)
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->DoWaitCursor(nCode);
    }
};

// Drawing of a window stops (WM_SETREDRAW) and, at the end, resumes with
// the window repainted.
class CScopedRedraw
{
public:
    explicit CScopedRedraw(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
    {
        if (m_hWnd != nullptr)
            ::SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
    }
    ~CScopedRedraw()
    {
        if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        {
            ::SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
        }
    }
    CScopedRedraw(const CScopedRedraw&) = delete;
    CScopedRedraw& operator=(const CScopedRedraw&) = delete;

private:
    HWND m_hWnd;
};

// The mouse is captured by a window and released at the end, unless
// another window took it meanwhile.
class CScopedCapture
{
public:
    explicit CScopedCapture(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
    {
        if (m_hWnd != nullptr)
            ::SetCapture(m_hWnd);
    }
    ~CScopedCapture()
    {
        if (m_hWnd != nullptr && ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    CScopedCapture(const CScopedCapture&) = delete;
    CScopedCapture& operator=(const CScopedCapture&) = delete;

private:
    HWND m_hWnd;
};

// A window timer that is killed with the object; moving hands it over.
class CScopedTimer
{
public:
    CScopedTimer() = default;
    CScopedTimer(CWnd* pWnd, UINT_PTR nIDEvent, UINT nElapse)
        : m_hWnd(pWnd->GetSafeHwnd()), m_nIDEvent(::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr))
    {
    }
    CScopedTimer(CScopedTimer&& other) noexcept
        : m_hWnd(std::exchange(other.m_hWnd, nullptr)), m_nIDEvent(std::exchange(other.m_nIDEvent, 0))
    {
    }
    CScopedTimer& operator=(CScopedTimer&& other) noexcept
    {
        if (this != &other)
        {
            Kill();
            m_hWnd = std::exchange(other.m_hWnd, nullptr);
            m_nIDEvent = std::exchange(other.m_nIDEvent, 0);
        }
        return *this;
    }
    CScopedTimer(const CScopedTimer&) = delete;
    CScopedTimer& operator=(const CScopedTimer&) = delete;
    ~CScopedTimer() { Kill(); }

    BOOL IsRunning() const { return m_nIDEvent != 0; }
    void Kill()
    {
        if (m_nIDEvent != 0 && m_hWnd != nullptr && ::IsWindow(m_hWnd))
            ::KillTimer(m_hWnd, m_nIDEvent);
        m_nIDEvent = 0;
    }

private:
    HWND m_hWnd = nullptr;
    UINT_PTR m_nIDEvent = 0;
};

// COM on this thread for the object's life (apartment threaded).
class CScopedComInit
{
public:
    CScopedComInit() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~CScopedComInit()
    {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    CScopedComInit(const CScopedComInit&) = delete;
    CScopedComInit& operator=(const CScopedComInit&) = delete;

    BOOL Succeeded() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};

#endif // TANZO_AFX_SCOPEDWIN_H
