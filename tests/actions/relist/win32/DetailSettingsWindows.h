#ifndef TANZO_TESTS_ACTIONS_WIN32_DETAILSETTINGSWINDOWS_H
#define TANZO_TESTS_ACTIONS_WIN32_DETAILSETTINGSWINDOWS_H

// The common re-listing settings dialog as the tests drive it: OK as the
// user presses it, whether it is still open, and the detail pane in it
// with its tabs.

#include "actions/shared/win32/ActionControls.h"
#include "afx/Dialog.h"
#include "client/actions/relist/ResubmitDetailSettingDialog.h"

inline void PressOK(CDialog& dlg)
{
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDOK));
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
}

inline BOOL IsOpen(CWnd& dlg)
{
    return ::IsWindow(dlg.m_hWnd) && dlg.IsWindowVisible();
}

// The detail pane inside the common settings dialog.
inline CResubmitDetailSettingDialog* DetailPane(CWnd& dlg)
{
    for (CWnd* pChild = dlg.GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetWindow(GW_HWNDNEXT))
    {
        if (auto* pPane =
                dynamic_cast<CResubmitDetailSettingDialog*>(CWnd::FromHandlePermanent(pChild->m_hWnd)))
            return pPane;
    }
    return nullptr;
}

inline void ClickDetailTab(CResubmitDetailSettingDialog& pane, int nTab)
{
    ClickTab(pane.GetTabCtrl().m_hWnd, nTab);
}

#endif // TANZO_TESTS_ACTIONS_WIN32_DETAILSETTINGSWINDOWS_H
