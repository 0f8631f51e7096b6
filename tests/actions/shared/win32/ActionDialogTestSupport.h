#ifndef TANZO_TESTS_ACTIONS_WIN32_ACTIONDIALOGTESTSUPPORT_H
#define TANZO_TESTS_ACTIONS_WIN32_ACTIONDIALOGTESTSUPPORT_H

// What the tests of the item jobs' dialogs share: a profile of their own,
// and the controls of the windows (ActionControls.h) with their texts.

#include <string>

#include "ActionControls.h"
#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/DialogProfile.h"
#include "app/ProfileTestUtil.h"

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

// The text of a control of the window or of a pane inside it. Of this
// file's own: the client fixture's function of the name reads direct
// children only, and one program must not link two bodies of a name.
static inline std::string ControlText(HWND hWnd, int nID)
{
    char szText[512] = {};
    ::GetWindowTextA(FindControl(hWnd, nID), szText, sizeof(szText));
    return szText;
}

#endif // TANZO_TESTS_ACTIONS_WIN32_ACTIONDIALOGTESTSUPPORT_H
