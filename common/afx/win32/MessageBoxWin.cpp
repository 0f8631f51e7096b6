#include "afx/MessageBox.h"

// Until the application object exists this is the system's own box; the
// application layer replaces it by CWinApp::DoMessageBox.
int AfxShowMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    return ::MessageBoxA(::GetActiveWindow(), lpszText, "", nType);
}
