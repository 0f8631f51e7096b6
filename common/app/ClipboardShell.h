#ifndef TANZO_APP_CLIPBOARDSHELL_H
#define TANZO_APP_CLIPBOARDSHELL_H

#include "afx/String.h"

// The clipboard's text and the shell's "open" (Windows only).
#ifdef _WIN32
// Puts the text on the clipboard as CF_TEXT (CF_DSPTEXT with displayFormat),
// emptying it first unless append is set. FALSE for an empty text.
BOOL SetClipboardText(LPCTSTR text, HWND window, BOOL displayFormat, BOOL append);
BOOL GetClipboardText(CString& out, HWND window, BOOL displayFormat);
// ShellExecute "open" of a link or a file; returns ShellExecute's result.
INT_PTR ShellOpen(LPCTSTR target, HWND window);

// Answers ShellOpen in place of the shell, so that tests see what would be
// opened and start no program. Null removes it; the previous one returns.
typedef INT_PTR (*SHELL_OPEN_HOOK)(LPCTSTR target, HWND window);
SHELL_OPEN_HOOK SetShellOpenHook(SHELL_OPEN_HOOK pfnHook);
#endif

#endif // TANZO_APP_CLIPBOARDSHELL_H
