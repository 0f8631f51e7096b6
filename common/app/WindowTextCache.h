#ifndef TANZO_APP_WINDOWTEXTCACHE_H
#define TANZO_APP_WINDOWTEXTCACHE_H

// A window text that is set only when the window shows something else, so
// that captions refreshed with the same value do not flicker (Windows
// builds).

#include "afx/String.h"
#include "afx/wintypes.h"

class CWnd;

class CWindowTextCache
{
public:
    CWindowTextCache() = default;
    // The string-table text of nIDText.
    explicit CWindowTextCache(UINT nIDText);

    // Each takes a text only when it is not empty; TRUE when it did.
    BOOL SetText(LPCTSTR lpszText);
    BOOL LoadText(UINT nIDText);
    BOOL SetFromAppName();

    const CString& GetText() const { return m_strText; }

    // FALSE for a window that is not there or an empty text; else the
    // text is set when the window's differs, and TRUE.
    BOOL Apply(CWnd* pWnd) const;

private:
    CString m_strText;
};

#endif // TANZO_APP_WINDOWTEXTCACHE_H
