#ifndef TANZO_APP_HIGHLIGHTSTATUSBAR_H
#define TANZO_APP_HIGHLIGHTSTATUSBAR_H

// The status bar of the client's main window: one pane of it may show a
// blue badge with a count (Windows builds).

#include "app/CommStatusBar.h"
#include "app/StatusPaneHighlight.h"

class CHighlightStatusBar : public CCommStatusBar
{
    DECLARE_DYNAMIC(CHighlightStatusBar)
public:
    CHighlightStatusBar();
    ~CHighlightStatusBar() override;

    // FALSE while the bar has no window, or when a pane is held already.
    BOOL BeginHighlight(int nPane);
    BOOL SetHighlightNumber(int nValue, UINT nFormatId);
    CStatusPaneBlueHighlight& GetHighlight() { return m_highlight; }

protected:
    CStatusPaneBlueHighlight m_highlight;
};

#endif // TANZO_APP_HIGHLIGHTSTATUSBAR_H
