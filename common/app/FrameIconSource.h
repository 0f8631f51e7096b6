#ifndef TANZO_APP_FRAMEICONSOURCE_H
#define TANZO_APP_FRAMEICONSOURCE_H

#include "afx/wintypes.h"

class CIconMenu;
class CWnd;

// A main frame whose icon menu gives its images as window icons; dialogs
// take their small icon from it by image index (Windows builds).
class CFrameIconSource
{
public:
    // Sets the icon of that index as the window's small icon; FALSE when
    // the window or the icon is missing.
    virtual BOOL SetWindowIconFromMenu(CWnd* pWnd, int nIndex) = 0;
    // The frame's icon menu, null when it has none; lists draw its images
    // in their cells.
    virtual CIconMenu* GetIconMenu() { return nullptr; }

protected:
    ~CFrameIconSource() = default;
};

#endif // TANZO_APP_FRAMEICONSOURCE_H
