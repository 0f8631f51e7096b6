#ifndef TANZO_CLIENT_MAINSTATUSBAR_H
#define TANZO_CLIENT_MAINSTATUSBAR_H

// The main window's status bar (Windows builds): the message pane, the
// selected rows, the log-in setting on a dark badge, the number of rows
// and the marks of the HTTP requests' progress.

#include "app/HighlightStatusBar.h"
#include "app/StatusPaneHighlight.h"

class CFrameWnd;

class CMainStatusBar : public CHighlightStatusBar
{
    DECLARE_DYNAMIC(CMainStatusBar)
public:
    enum
    {
        paneMessage = 0,
        paneSelected = 1,
        paneLogin = 2,
        paneItems = 3,
        paneProgress = 4,
        PaneCount = 5
    };

    CMainStatusBar();
    ~CMainStatusBar() override;

    // The bar at the bottom of the frame with its five panes; FALSE when it
    // could not be made.
    BOOL CreateBar(CFrameWnd* pFrame);

    void ShowSelectedCount(int count);
    void ShowItemCount(int count);
    // The log-in setting's text; none for the automatic log-in.
    void ShowLoginSettingText(int loginSettingType);
    // One more progress mark for a status of a request, or none when its
    // handle closes.
    void AddProgressMark(DWORD dwInternetStatus);

protected:
    CStatusPaneDarkHighlight m_loginPane;
};

#endif // TANZO_CLIENT_MAINSTATUSBAR_H
