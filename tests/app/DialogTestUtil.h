#ifndef TANZO_TESTS_APP_DIALOGTESTUTIL_H
#define TANZO_TESTS_APP_DIALOGTESTUTIL_H

// Driving dialogs in-process as a user would (Windows tests): pump the
// queue as the main loop does, wait for a state with a time-out, and run
// steps from inside a modal loop (a dialog's, a message box's or a menu's).
#ifdef _WIN32

#include "afx/Dialog.h"
#include "afx/Rect.h"
#include "afx/WinThread.h"
#include "afx/wintypes.h"

#include <commctrl.h>

#include <chrono>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Rectangles and points in test failures.
inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const CPoint& pt, std::ostream* os)
{
    *os << "(" << pt.x << ", " << pt.y << ")";
}

// Handles what is queued (through the application's pre-translation, as
// the main loop does) and drops WM_QUIT left by a closed main window.
inline void PumpPending()
{
    MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); ++i)
    {
        if (msg.message == WM_QUIT)
        {
            ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
            continue;
        }
        if (AfxGetThread() != nullptr)
        {
            AfxPumpMessage();
        }
        else if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

// Pumps until done() holds or the time runs out; TRUE when it holds.
inline BOOL PumpUntil(const std::function<bool()>& done, int nTimeoutMs = 20000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    for (;;)
    {
        PumpPending();
        if (done())
            return TRUE;
        if (std::chrono::steady_clock::now() >= end)
            return FALSE;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Runs fn from the message loop that runs then (a modal dialog's, a message
// box's, a menu's), once, after at least nDelayMs.
inline void CallSoon(std::function<void()> fn, UINT nDelayMs = 0)
{
    static std::map<UINT_PTR, std::function<void()>> pending;
    struct Timer
    {
        static void CALLBACK Proc(HWND, UINT, UINT_PTR nID, DWORD)
        {
            ::KillTimer(nullptr, nID);
            auto it = pending.find(nID);
            if (it == pending.end())
                return;
            std::function<void()> call = std::move(it->second);
            pending.erase(it);
            call();
        }
    };
    UINT_PTR nID = ::SetTimer(nullptr, 0, nDelayMs, Timer::Proc);
    pending[nID] = std::move(fn);
}

// Runs fn from the running modal loop once the window shows (a modal
// dialog shows when its loop first goes idle); gives up after nTries
// tries, 20 ms apart.
inline void CallWhenShown(HWND* phWnd, std::function<void()> fn, int nTries = 500)
{
    CallSoon(
        [=]
        {
            if (*phWnd != nullptr && ::IsWindowVisible(*phWnd))
                fn();
            else if (nTries > 0)
                CallWhenShown(phWnd, fn, nTries - 1);
        },
        20);
}

// The user clicks tab nIndex of a tab strip: the strip selects it and
// tells its parent, as a click does.
inline void ClickTab(HWND hTabs, int nIndex)
{
    const HWND hParent = ::GetParent(hTabs);
    const UINT_PTR nID = (UINT_PTR)::GetDlgCtrlID(hTabs);
    NMHDR hdr = {hTabs, nID, (UINT)TCN_SELCHANGING};
    ::SendMessageA(hParent, WM_NOTIFY, nID, (LPARAM)&hdr);
    ::SendMessageA(hTabs, TCM_SETCURSEL, (WPARAM)nIndex, 0);
    hdr.code = (UINT)TCN_SELCHANGE;
    ::SendMessageA(hParent, WM_NOTIFY, nID, (LPARAM)&hdr);
}

// Ends the dialog of the window with -2 when it is still open after nMs,
// so that a test whose steps failed does not hang.
inline void EndDialogAfter(HWND hWnd, UINT nMs = 30000)
{
    CallSoon(
        [hWnd]
        {
            CWnd* pWnd = ::IsWindow(hWnd) ? CWnd::FromHandlePermanent(hWnd) : nullptr;
            if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
                static_cast<CDialog*>(pWnd)->EndDialog(-2);
        },
        nMs);
}

// Runs the dialog, with steps from inside its modal loop once it shows
// (the steps end it).
inline INT_PTR RunModal(CDialog& dlg, std::function<void()> steps)
{
    CallWhenShown(&dlg.m_hWnd,
                  [&dlg, steps]
                  {
                      EndDialogAfter(dlg.m_hWnd);
                      steps();
                  });
    return dlg.DoModal();
}

// A click on the dialog's button as the button tells its parent.
inline void ClickButton(CWnd& dlg, int nID)
{
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(dlg.m_hWnd, nID));
}

// A visible pop-up menu of this thread, or null.
inline HWND FindOpenMenu()
{
    struct Finder
    {
        HWND hWnd = nullptr;
        static BOOL CALLBACK Check(HWND hWnd, LPARAM lParam)
        {
            char szClass[16] = {};
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            if (::lstrcmpA(szClass, "#32768") == 0 && ::IsWindowVisible(hWnd))
            {
                ((Finder*)lParam)->hWnd = hWnd;
                return FALSE;
            }
            return TRUE;
        }
    } finder;
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Check, (LPARAM)&finder);
    return finder.hWnd;
}

// The items of an open pop-up menu window: "text id", and " grey" for a
// greyed item.
inline std::vector<std::string> OpenMenuItems(HWND hMenuWnd)
{
    std::vector<std::string> items;
    HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0);
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        char szText[256] = {};
        ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
        std::string item = std::string(szText) + " " + std::to_string(::GetMenuItemID(hMenu, i));
        if ((::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_GRAYED) != 0)
            item += " grey";
        items.push_back(item);
    }
    return items;
}

// Runs fn with the next pop-up menu of this thread from inside its loop
// (nTries tries, 20 ms apart).
inline void WhenMenuShows(std::function<void(HWND)> fn, int nTries = 100)
{
    CallSoon(
        [=]
        {
            HWND hMenu = FindOpenMenu();
            if (hMenu != nullptr)
                fn(hMenu);
            else if (nTries > 0)
                WhenMenuShows(fn, nTries - 1);
        },
        20);
}

// Ends the next pop-up menu of this thread from inside its loop, after
// onShown has seen it. *pbShown, when given, tells whether one showed.
inline void CloseMenuSoon(BOOL* pbShown = nullptr, std::function<void(HWND)> onShown = nullptr,
                          int nTries = 100)
{
    WhenMenuShows(
        [=](HWND hMenu)
        {
            if (pbShown != nullptr)
                *pbShown = TRUE;
            if (onShown)
                onShown(hMenu);
            ::EndMenu();
        },
        nTries);
}

#endif // _WIN32
#endif // TANZO_TESTS_APP_DIALOGTESTUTIL_H
