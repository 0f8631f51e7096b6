#ifndef TANZO_APP_CLIPBOARDSHELL_H
#define TANZO_APP_CLIPBOARDSHELL_H

#include "afx/String.h"

// The clipboard's text and the user's browser (Windows only).
#ifdef _WIN32
// Puts the text on the clipboard as CF_TEXT (CF_DSPTEXT with displayFormat),
// emptying it first unless append is set. FALSE for an empty text.
BOOL SetClipboardText(LPCTSTR text, HWND window, BOOL displayFormat, BOOL append);
BOOL GetClipboardText(CString& out, HWND window, BOOL displayFormat);
// Opens a web address (IsWebAddress) in the user's browser, through the
// shell's "open": the program's one way to the shell. Anything else (a
// file, a share, another protocol) is refused before the shell sees it.
// TRUE when the shell took the address.
BOOL OpenInBrowser(LPCTSTR url, HWND window);

// Answers OpenInBrowser in place of the shell, so that tests see what would
// be opened and start no program; it sees only what passed the check. Null
// removes it; the previous one returns. The result is ShellExecute's.
typedef INT_PTR (*SHELL_OPEN_HOOK)(LPCTSTR target, HWND window);
SHELL_OPEN_HOOK SetShellOpenHook(SHELL_OPEN_HOOK pfnHook);
#endif

#endif // TANZO_APP_CLIPBOARDSHELL_H
