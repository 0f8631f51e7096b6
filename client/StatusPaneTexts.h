#ifndef TANZO_CLIENT_STATUSPANETEXTS_H
#define TANZO_CLIENT_STATUSPANETEXTS_H

#include "afx/String.h"
#include "afx/wintypes.h"

// The texts of the main window's status panes that are no plain numbers.

// Pane 2: "ログイン設定：半手動" or "ログイン設定：手動"; empty for the
// automatic setting and for any other number.
CString FormatLoginSettingText(int loginSettingType);

enum
{
    // The most marks the progress pane holds.
    MaxProgressMarks = 22,
    // The status of WinInet that ends a request's handle.
    InternetStatusHandleClosing = 70
};
// Pane 4 after a WinInet status: one more ">", starting again at one when
// the pane is full; empty when the handle closes.
void AddProgressMark(DWORD dwInternetStatus, CString& marks);

#endif // TANZO_CLIENT_STATUSPANETEXTS_H
