#ifndef TANZO_TEXT_REDRAWLOCK_H
#define TANZO_TEXT_REDRAWLOCK_H

#include "afx/wintypes.h"

class CWnd;

// Stops a window from redrawing while it lives (WM_SETREDRAW FALSE), and
// lets it redraw again at the end or at Release (Windows builds).
class CRedrawLock
{
public:
    explicit CRedrawLock(CWnd* pWnd);
    ~CRedrawLock();

    // Redrawing on again when the window still exists; the result of
    // WM_SETREDRAW, 0 when there was nothing to do. The lock is then spent.
    LRESULT Release();

private:
    CRedrawLock(const CRedrawLock&) = delete;
    CRedrawLock& operator=(const CRedrawLock&) = delete;

    // The window's handle, not its wrapper, so that a wrapper gone first is
    // never touched; null once released.
    HWND m_hWnd;
};

#endif // TANZO_TEXT_REDRAWLOCK_H
