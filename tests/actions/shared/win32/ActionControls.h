#ifndef TANZO_TESTS_ACTIONS_WIN32_ACTIONCONTROLS_H
#define TANZO_TESTS_ACTIONS_WIN32_ACTIONCONTROLS_H

// Driving the item jobs' windows as a user would: the message boxes the
// program shows (recorded and answered), the controls of a dialog's panes
// and pages by id, and steps run from inside a modal loop.

#include <functional>
#include <string>
#include <vector>

#include "afx/MessageBox.h"
#include "app/DecorateStatic.h"
#include "app/DialogTestUtil.h"

// The message boxes shown through the framework, answered with nAnswer.
class CMessageBoxRecorder
{
public:
    CMessageBoxRecorder() { m_pfnOld = AfxSetMessageBoxHook(Record, this); }
    ~CMessageBoxRecorder() { AfxSetMessageBoxHook(m_pfnOld); }

    std::vector<std::string> texts;
    std::vector<UINT> types;
    int nAnswer = IDOK;

private:
    static int Record(LPCTSTR lpszText, UINT nType, void* pParam)
    {
        auto* self = static_cast<CMessageBoxRecorder*>(pParam);
        self->texts.push_back(lpszText != nullptr ? lpszText : "");
        self->types.push_back(nType);
        return self->nAnswer;
    }
    AFX_MESSAGEBOX_HOOK m_pfnOld = nullptr;
};

// A control of the window or of any window inside it, by id.
inline HWND FindControl(HWND hWnd, int nID)
{
    struct Finder
    {
        int nID;
        HWND hFound = nullptr;
        static BOOL CALLBACK Check(HWND hChild, LPARAM lParam)
        {
            auto* self = (Finder*)lParam;
            if (::GetDlgCtrlID(hChild) == self->nID && ::IsWindowVisible(hChild))
            {
                self->hFound = hChild;
                return FALSE;
            }
            return TRUE;
        }
    } finder{nID};
    ::EnumChildWindows(hWnd, Finder::Check, (LPARAM)&finder);
    return finder.hFound;
}

inline void SetControlText(HWND hWnd, int nID, const char* lpszText)
{
    ::SetWindowTextA(FindControl(hWnd, nID), lpszText);
}

// A click on a button, as the button takes it from the mouse: a check box
// turns over, a radio button is ticked and the others of its group are
// not, and the parent is told.
inline void ClickControl(HWND hWnd, int nID)
{
    ::SendMessageA(FindControl(hWnd, nID), BM_CLICK, 0, 0);
}

inline BOOL IsControlChecked(HWND hWnd, int nID)
{
    return ::SendMessageA(FindControl(hWnd, nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// What a drawn static shows.
inline std::string DrawnText(HWND hWnd)
{
    CDecorateStatic* pStatic = dynamic_cast<CDecorateStatic*>(CWnd::FromHandlePermanent(hWnd));
    CString text;
    if (pStatic != nullptr)
        pStatic->GetText(text);
    return (LPCTSTR)text;
}

// The visible window of this thread that hOwner owns (the dialog it opened
// modally over itself), or null.
inline HWND FindOwnedWindow(HWND hOwner)
{
    struct Finder
    {
        HWND hOwner;
        HWND hFound = nullptr;
        static BOOL CALLBACK Check(HWND hWnd, LPARAM lParam)
        {
            auto* self = (Finder*)lParam;
            if (::IsWindowVisible(hWnd) && ::GetWindow(hWnd, GW_OWNER) == self->hOwner)
            {
                self->hFound = hWnd;
                return FALSE;
            }
            return TRUE;
        }
    } finder{hOwner};
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Check, (LPARAM)&finder);
    return finder.hFound;
}

// Runs action from the message loop that runs then (a modal dialog's), once
// condition holds; gives up after nTries tries, 20 ms apart.
inline void CallWhen(std::function<bool()> condition, std::function<void()> action, int nTries = 1500)
{
    CallSoon(
        [=]
        {
            if (condition())
                action();
            else if (nTries > 0)
                CallWhen(condition, action, nTries - 1);
        },
        20);
}

#endif // TANZO_TESTS_ACTIONS_WIN32_ACTIONCONTROLS_H
