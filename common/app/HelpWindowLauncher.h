#ifndef TANZO_APP_HELPWINDOWLAUNCHER_H
#define TANZO_APP_HELPWINDOWLAUNCHER_H

// The help window that a dialog or the main frame opens for its help page
// (Windows builds). The window itself, with the embedded browser, belongs
// to a library above this one: it registers a factory at start-up. Until
// one is registered, help shows nothing.

#include "afx/wintypes.h"

// A help window as its launcher drives it.
class CHelpWindowHandle
{
public:
    // Destroys the window.
    virtual ~CHelpWindowHandle() = default;
    // Shows the window again at the page, which becomes its own, active
    // and redrawn at once.
    virtual void ShowAgain(UINT nPageId) = 0;
};

// Makes, creates and shows the help window of a page; null when it can't.
typedef CHelpWindowHandle* (*HELP_WINDOW_FACTORY)(UINT nPageId);

// Sets the factory (null removes it) and returns the previous one.
HELP_WINDOW_FACTORY SetHelpWindowFactory(HELP_WINDOW_FACTORY pfnFactory);

// Owns one help window: made on the first request, shown again on later
// ones at the page each asks for, destroyed by Close or with the launcher.
class CHelpWindowLauncher
{
public:
    CHelpWindowLauncher() = default;
    ~CHelpWindowLauncher();

    // FALSE when no window could be shown (none registered, or it failed).
    BOOL Show(UINT nPageId);
    void Close();
    BOOL HasWindow() const { return m_pWindow != nullptr; }

private:
    CHelpWindowHandle* m_pWindow = nullptr;

    CHelpWindowLauncher(const CHelpWindowLauncher&) = delete;
    CHelpWindowLauncher& operator=(const CHelpWindowLauncher&) = delete;
};

#endif // TANZO_APP_HELPWINDOWLAUNCHER_H
