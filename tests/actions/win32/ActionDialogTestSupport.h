#ifndef TANZO_TESTS_ACTIONS_WIN32_ACTIONDIALOGTESTSUPPORT_H
#define TANZO_TESTS_ACTIONS_WIN32_ACTIONDIALOGTESTSUPPORT_H

// What the tests of the item jobs' dialogs share: a profile of their own,
// the message boxes the program shows (recorded and answered), and the
// controls of a dialog's panes and pages by id.

#include <string>
#include <vector>

#include "afx/MessageBox.h"
#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/DialogProfile.h"
#include "app/DialogTestUtil.h"
#include "app/ProfileTestUtil.h"

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

// An application with a registry key of its own, emptied before and after.
class CProfileScope
{
public:
    explicit CProfileScope(const char* lpszKey) : m_strKey(CString("Software\\") + lpszKey), app(lpszKey)
    {
        AfxProfileDelete(m_strKey, nullptr);
        app.SetRegistryKey(lpszKey);
    }
    ~CProfileScope()
    {
        PumpPending();
        AfxProfileDelete(m_strKey, nullptr);
    }
    std::string Stored(UINT nSettingsId, LPCTSTR lpszKey) const
    {
        return StoredProfileValue(app, GetDialogProfileSection(nSettingsId), lpszKey);
    }

private:
    CString m_strKey;

public:
    CWinApp app;
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

inline std::string ControlText(HWND hWnd, int nID)
{
    char szText[512] = {};
    ::GetWindowTextA(FindControl(hWnd, nID), szText, sizeof(szText));
    return szText;
}

inline void SetControlText(HWND hWnd, int nID, const char* lpszText)
{
    ::SetWindowTextA(FindControl(hWnd, nID), lpszText);
}

// A click on a button: check boxes and radios change first, the parent is
// told as a click tells it.
inline void ClickControl(HWND hWnd, int nID)
{
    HWND hButton = FindControl(hWnd, nID);
    const LONG style = ::GetWindowLongA(hButton, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_AUTOCHECKBOX)
        ::SendMessageA(hButton, BM_SETCHECK,
                       ::SendMessageA(hButton, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    else if (style == BS_AUTORADIOBUTTON)
        ::SendMessageA(hButton, BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageA(::GetParent(hButton), WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)hButton);
}

inline BOOL IsControlChecked(HWND hWnd, int nID)
{
    return ::SendMessageA(FindControl(hWnd, nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

#endif // TANZO_TESTS_ACTIONS_WIN32_ACTIONDIALOGTESTSUPPORT_H
