#ifndef TANZO_CLIENT_MAINTOOLBAR_H
#define TANZO_CLIENT_MAINTOOLBAR_H

// The main window's tool bar (Windows builds): fifteen buttons with the
// mark menu behind the mark button, shown as icons only, icons with texts
// to the right, or icons with texts below.

#include "app/CommToolBar.h"

class CFrameWnd;

class CMainToolBar : public CCommToolBar
{
    DECLARE_DYNAMIC(CMainToolBar)
public:
    enum
    {
        ButtonCount = 15
    };

    CMainToolBar();
    ~CMainToolBar() override;

    // The bar at the top of the frame; FALSE when it could not be made.
    BOOL CreateBar(CFrameWnd* pFrame);
    // One of the display formats of COptionSettings.
    BOOL ApplyDisplayFormat(int format);

    // The button texts of a format, in button order and ended by 0; null
    // for icons only.
    static const UINT* GetButtonTextIds(int format);
};

#endif // TANZO_CLIENT_MAINTOOLBAR_H
