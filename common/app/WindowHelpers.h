#ifndef TANZO_APP_WINDOWHELPERS_H
#define TANZO_APP_WINDOWHELPERS_H

// Placement of a window inside the work area, the busy cursor and small
// checks of windows that may be gone (Windows builds).

#include "afx/wintypes.h"

class CWnd;

// Moves the window to left, top, width, height (screen coordinates), cut
// to the work area of the monitor it lands on (the primary one when it
// lands on none) and centred in that area when asked or when its top-left
// corner lies outside it. FALSE, and nothing moved, for a width or height
// that is not positive or a window that is not there.
BOOL MoveWindowInWorkArea(CWnd* pWnd, int left, int top, int width, int height, BOOL bCenter);

// IsWindow of the object's handle; FALSE for a null object.
BOOL IsWindowValid(const CWnd* pWnd);
// Each acts only on a valid window.
void EnableWindowIfExists(CWnd* pWnd, BOOL bEnable);
void SetFocusIfExists(CWnd* pWnd);
// Subclasses the parent's control nID into the object when the parent's
// template has one and the object has no window yet.
BOOL SubclassDlgItemIfExists(CWnd& control, UINT nID, CWnd* pParent);
// The application's main window comes back from the task bar and to the
// front, as a modeless dialog closes; TRUE when it is in front.
BOOL BringMainWindowForward();

// Shows the application-starting cursor while it lives (a request runs);
// the arrow comes back when it goes.
class CBusyCursor
{
public:
    CBusyCursor();
    ~CBusyCursor();

private:
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
};

#endif // TANZO_APP_WINDOWHELPERS_H
