#include "afx/MessageBox.h"

#include "afx/WinApp.h"

// Every framework message box goes through the application object, so
// that a program can show its own (CWinApp::DoMessageBox); before there is
// one, it is the system's box.
int AfxShowMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(::GetActiveWindow(), lpszText, "", nType);
}
