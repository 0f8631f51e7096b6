#ifndef TANZO_TESTS_SETUP_ENABLESTATES_H
#define TANZO_TESTS_SETUP_ENABLESTATES_H

// What the installer's and the uninstaller's dialogs disable while they
// work, read in this process: the system menu of another process's window
// cannot be read (Windows builds).
#ifdef _WIN32

#include "app/DialogTestUtil.h"

#include "afx/Menu.h"

#include <string>
#include <vector>

struct EnableStates
{
    std::string enabledWhenOff; // ids of the controls left enabled
    std::string disabledWhenOn; // ids of the controls left disabled
    UINT nCloseWhenOff = 0;     // the Close item's state
    UINT nCloseWhenOn = 0;
};

// Runs the dialog modally; once it shows, calls its EnableControls(FALSE)
// and then (TRUE), reading the controls and the Close item each time.
template <class TDialog> EnableStates ReadEnableStates(TDialog& dlg, const std::vector<UINT>& controls)
{
    EnableStates states;
    auto read = [&](BOOL bEnabled, std::string& wrong)
    {
        for (UINT nID : controls)
        {
            if ((::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, (int)nID)) != FALSE) != (bEnabled != FALSE))
                wrong += std::to_string(nID) + " ";
        }
        return ::GetMenuState(::GetSystemMenu(dlg.m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
    };
    CallWhenShown(&dlg.m_hWnd,
                  [&]
                  {
                      dlg.EnableControls(FALSE);
                      states.nCloseWhenOff = read(FALSE, states.enabledWhenOff);
                      dlg.EnableControls(TRUE);
                      states.nCloseWhenOn = read(TRUE, states.disabledWhenOn);
                      dlg.EndDialog(IDCANCEL);
                  });
    dlg.DoModal();
    return states;
}

#endif // _WIN32
#endif // TANZO_TESTS_SETUP_ENABLESTATES_H
