#ifndef TANZO_AFX_SCOPEDWIN_H
#define TANZO_AFX_SCOPEDWIN_H

// Scope objects for the window system's acquire/release pairs (Windows
// builds): what a scope begins, its end undoes, on every way out.

#include "afx/WinApp.h"
#include "afx/Wnd.h"

#include <objbase.h>
#include <ole2.h>
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

// Drawing of a window stops (WM_SETREDRAW FALSE) while the lock lives and
// resumes at its end or at Release. The window's handle is kept, not its
// wrapper, so that a wrapper gone first is never touched.
class CRedrawLock
{
public:
    explicit CRedrawLock(CWnd* pWnd) : m_hWnd(nullptr)
    {
        HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
        if (::IsWindow(hWnd))
        {
            m_hWnd = hWnd;
            ::SendMessageA(hWnd, WM_SETREDRAW, FALSE, 0);
        }
    }
    ~CRedrawLock() { Release(); }
    CRedrawLock(const CRedrawLock&) = delete;
    CRedrawLock& operator=(const CRedrawLock&) = delete;

    // Drawing on again when the window still exists; the result of
    // WM_SETREDRAW, 0 when there was nothing to do. The lock is then spent.
    LRESULT Release()
    {
        HWND hWnd = m_hWnd;
        m_hWnd = nullptr;
        if (hWnd == nullptr || !::IsWindow(hWnd))
            return 0;
        return ::SendMessageA(hWnd, WM_SETREDRAW, TRUE, 0);
    }

private:
    HWND m_hWnd;
};

// A DC of a window's client area (the screen's for a null window),
// released at the end.
class CScopedGetDC
{
public:
    explicit CScopedGetDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CScopedGetDC()
    {
        if (m_hDC != nullptr)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    CScopedGetDC(const CScopedGetDC&) = delete;
    CScopedGetDC& operator=(const CScopedGetDC&) = delete;

    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A pen, brush, font or bitmap selected into a DC while the object lives;
// what it replaced is selected again at the end. Nothing happens for a
// null DC or object. Given the DC's current object, it keeps that one for
// code that selects others through calls of its own.
class CScopedSelectObject
{
public:
    CScopedSelectObject(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC), m_hOld(hDC != nullptr && hObject != nullptr ? ::SelectObject(hDC, hObject) : nullptr)
    {
    }
    ~CScopedSelectObject()
    {
        if (m_hOld != nullptr)
            ::SelectObject(m_hDC, m_hOld);
    }
    CScopedSelectObject(const CScopedSelectObject&) = delete;
    CScopedSelectObject& operator=(const CScopedSelectObject&) = delete;

    // The object that was selected before.
    HGDIOBJ GetOld() const { return m_hOld; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
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

// The clipboard, open for a window while the object lives.
class CScopedClipboard
{
public:
    explicit CScopedClipboard(HWND hWnd) : m_bOpen(::OpenClipboard(hWnd)) {}
    ~CScopedClipboard()
    {
        if (m_bOpen)
            ::CloseClipboard();
    }
    CScopedClipboard(const CScopedClipboard&) = delete;
    CScopedClipboard& operator=(const CScopedClipboard&) = delete;

    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen;
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

// OLE on this thread for the object's life: in-place controls need it,
// not only COM.
class CScopedOleInit
{
public:
    CScopedOleInit() : m_hr(::OleInitialize(nullptr)) {}
    ~CScopedOleInit()
    {
        if (SUCCEEDED(m_hr))
            ::OleUninitialize();
    }
    CScopedOleInit(const CScopedOleInit&) = delete;
    CScopedOleInit& operator=(const CScopedOleInit&) = delete;

    BOOL Succeeded() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};

#endif // TANZO_AFX_SCOPEDWIN_H
