#ifndef TANZO_CONTROLS_HTMLVIEWEVENTS_H
#define TANZO_CONTROLS_HTMLVIEWEVENTS_H

// What a window that hosts the embedded browser hears of it. The browser
// view calls its listener first and its own handling after; the defaults
// here let every navigation pass and tell the user of a time-out.

#include "afx/Array.h"
#include "afx/wintypes.h"

class CHtmlViewEvents
{
public:
    virtual ~CHtmlViewEvents() = default;

    virtual void OnForwardEnabled(BOOL bEnable);
    virtual void OnBackEnabled(BOOL bEnable);
    // Non-zero: right-button clicks in the page are swallowed.
    virtual BOOL IsContextMenuBlocked();
    // Non-zero cancels the navigation. nFlags carries HTMLNAV_BY_USER
    // (BrowserNavigation.h) when the user started it in the page.
    virtual BOOL OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                                   CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel);
    virtual void OnDocumentComplete(LPCTSTR lpszURL);
    virtual void OnDownloadBegin();
    virtual void OnDownloadComplete();
    virtual void OnStatusTextChange(LPCTSTR lpszText);
    // The browser has been stopped: its download took longer than allowed.
    virtual void OnDownloadTimeout();
};

#endif // TANZO_CONTROLS_HTMLVIEWEVENTS_H
