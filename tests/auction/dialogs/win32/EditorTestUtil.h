#ifndef TANZO_TESTS_AUCTION_WIN32_EDITORS_EDITORTESTUTIL_H
#define TANZO_TESTS_AUCTION_WIN32_EDITORS_EDITORTESTUTIL_H

// What the tests of the editors' dialog bases share: an application with a
// profile of its own, the texts of a list, and the shell's "open" answered
// in place of the shell.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/CommonControls.h"
#include "afx/Profile.h"
#include "afx/WinApp.h"
#include "app/ClipboardShell.h"
#include "app/DialogProfile.h"
#include "app/WinTestUtil.h"

class EditorDialogs : public ::testing::Test
{
protected:
    EditorDialogs()
    {
        AfxProfileDelete(Root(), nullptr);
        app.SetRegistryKey(m_strKey);
        s_opened.clear();
        m_pfnOldHook = SetShellOpenHook(RecordOpen);
    }
    ~EditorDialogs() override
    {
        SetShellOpenHook(m_pfnOldHook);
        AfxProfileDelete(Root(), nullptr);
    }

    // Column nColumn of every row, joined by "|".
    static std::string ColumnTexts(CListCtrl& list, int nColumn = 0)
    {
        std::string texts;
        for (int i = 0; i < list.GetItemCount(); ++i)
            texts += (i > 0 ? "|" : "") + std::string((LPCTSTR)list.GetItemText(i, nColumn));
        return texts;
    }
    static std::string WindowTextOf(CWnd& dlg, int nID)
    {
        CString text;
        dlg.GetDlgItem(nID)->GetWindowText(text);
        return (LPCTSTR)text;
    }
    static BOOL IsEnabled(CWnd& dlg, int nID) { return dlg.GetDlgItem(nID)->IsWindowEnabled(); }

    // What ShellOpen was asked to open.
    static std::vector<std::string> s_opened;

    CWinApp app{"EditorDialogTest"};

private:
    // Of this process alone: the suites may run in processes side by side.
    CString m_strKey = UniqueName("Tanzo Editor Dialog Test");
    CString Root() const { return CString("Software\\") + m_strKey; }
    static INT_PTR RecordOpen(LPCTSTR lpszTarget, HWND)
    {
        s_opened.push_back(lpszTarget);
        return 33;
    }
    SHELL_OPEN_HOOK m_pfnOldHook = nullptr;
};

#endif // TANZO_TESTS_AUCTION_WIN32_EDITORS_EDITORTESTUTIL_H
