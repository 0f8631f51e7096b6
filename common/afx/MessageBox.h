#ifndef TANZO_AFX_MESSAGEBOX_H
#define TANZO_AFX_MESSAGEBOX_H

#include "afx/wintypes.h"

// The framework's plain message box. On Windows it goes through the
// application object (CWinApp::DoMessageBox); the native build has no
// windows and answers with the default button. A hook, when set, answers
// instead in both builds, so that tests see what would have been shown.

// The styles of the boxes that report a failure and a success.
inline constexpr UINT kErrorBox = MB_OK | MB_ICONEXCLAMATION;
inline constexpr UINT kInfoBox = MB_OK | MB_ICONINFORMATION;

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));

typedef int (*AFX_MESSAGEBOX_HOOK)(LPCTSTR lpszText, UINT nType, void* pParam);

// Sets the hook (nullptr removes it) and returns the previous one.
AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK pfnHook, void* pParam = nullptr);

// The answer of a box that nobody clicks: its default button.
int AfxDefaultMessageBoxAnswer(UINT nType);

#endif // TANZO_AFX_MESSAGEBOX_H
