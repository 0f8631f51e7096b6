#ifndef TANZO_CONTROLS_BROWSERNAVIGATION_H
#define TANZO_CONTROLS_BROWSERNAVIGATION_H

// The rules of the embedded browser view that need no browser: the
// arguments it navigates with, the address of a page stored as a resource,
// and what it makes of a navigation or a new window the page asks for.

#include "afx/Array.h"
#include "afx/String.h"
#include "afx/wintypes.h"

// Set in the flags the listener gets for a navigation that the user
// started in the page (a click or Enter), as the browser's own
// navHyperlink flag.
#define HTMLNAV_BY_USER 0x40

// Longest module path the resource address is built from (MAX_PATH).
#define HTML_MAX_MODULE_PATH 260

// The bytes to post: dwLength bytes of pData, or the whole text up to its
// end when dwLength is 0; nothing without data.
void MakePostData(const void* pData, DWORD dwLength, CByteArray& out);

// "res://<module path>/<id>"; FALSE (out empty) for an empty path or one
// longer than HTML_MAX_MODULE_PATH.
BOOL MakeResourceUrl(LPCTSTR lpszModulePath, UINT nResourceId, CString& out);

// How long after a click or Enter in the page a navigation still counts
// as following it, in milliseconds.
#define HTMLNAV_USER_INPUT_WINDOW 1000

// Remembers the user's last click or Enter in the page, for the next
// navigation only.
class CUserInputTracker
{
public:
    void OnInput(DWORD dwTickNow)
    {
        m_bPending = TRUE;
        m_dwTick = dwTickNow;
    }
    // A navigation of the top-level browser (not a frame, no named target)
    // soon after the input is the user's; it uses the input up, so that
    // the redirects and frames that follow are the page's own.
    BOOL TakeNavigation(BOOL bTopLevel, LPCTSTR lpszTargetFrameName, DWORD dwTickNow);
    void Reset() { m_bPending = FALSE; }

private:
    BOOL m_bPending = FALSE;
    DWORD m_dwTick = 0;
};

// What the view does when the page asks for a new window.
enum HtmlNewWindowAction
{
    HTMLNEWWINDOW_ALLOW,         // the browser opens it as it likes
    HTMLNEWWINDOW_USE_THIS,      // the new window is this browser
    HTMLNEWWINDOW_NAVIGATE_HERE, // cancelled; this view goes to the address
};
// New windows open in place: a blank one becomes this browser, one with
// an address is followed here; without in-place opening, or for an empty
// address, the browser decides.
HtmlNewWindowAction DecideNewWindow(BOOL bOpenInPlace, LPCTSTR lpszURL);

#endif // TANZO_CONTROLS_BROWSERNAVIGATION_H
